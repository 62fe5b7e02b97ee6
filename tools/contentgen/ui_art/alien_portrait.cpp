// The creature head shown on the console for a member it took.
#include <cmath>

#include "paint_kit/canvas.h"
#include "portrait_parts.h"

namespace contentgen::ui {

using portrait_parts::monitor_finish;
using portrait_parts::portrait_size;

// The creature that took the member: an elongated glossy head reaching out
// of the dark, lips drawn back over steel-grey teeth.
Bytes alien_portrait() {
  Canvas c(portrait_size, portrait_size);
  cairo_t* cr = c.cr();
  cairo_pattern_t* bg = cairo_pattern_create_radial(70, 110, 10, 92, 92, 140);
  cairo_pattern_add_color_stop_rgb(bg, 0, 0.10, 0.16, 0.12);
  cairo_pattern_add_color_stop_rgb(bg, 1, 0.01, 0.02, 0.02);
  cairo_set_source(cr, bg);
  cairo_paint(cr);
  cairo_pattern_destroy(bg);
  // Neck tubes.
  cairo_set_line_width(cr, 7);
  for (int i = 0; i < 4; ++i) {
    cairo_move_to(cr, 48 + i * 14, 184);
    cairo_curve_to(cr, 52 + i * 12, 150, 70 + i * 8, 130, 84 + i * 6, 118);
    cairo_set_source_rgb(cr, 0.05, 0.07, 0.10);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgba(cr, 0.5, 0.6, 0.75, 0.3);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 7);
  }
  // The dome, swept back to the upper right.
  cairo_move_to(cr, 30, 120);
  cairo_curve_to(cr, 20, 80, 60, 40, 120, 22);
  cairo_curve_to(cr, 160, 10, 190, 0, 196, -6);
  cairo_line_to(cr, 200, 40);
  cairo_curve_to(cr, 170, 60, 140, 100, 120, 130);
  cairo_curve_to(cr, 100, 150, 60, 150, 30, 120);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(40, 40, 140, 140);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.22, 0.28, 0.38);
  cairo_pattern_add_color_stop_rgb(g, 0.4, 0.06, 0.08, 0.12);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.02, 0.02, 0.04);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_clip(cr);
  // Ribs along the dome.
  for (int i = 0; i < 9; ++i) {
    double t = i / 8.0;
    cairo_move_to(cr, 40 + t * 120, 120 - t * 90);
    cairo_curve_to(cr, 60 + t * 120, 130 - t * 80, 80 + t * 110, 140 - t * 90, 100 + t * 100, 150 - t * 100);
    cairo_set_line_width(cr, 2.5);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 0.6, 0.7, 0.85, 0.25);
    cairo_stroke(cr);
  }
  // Specular highlight.
  cairo_save(cr);
  cairo_translate(cr, 80, 55);
  cairo_rotate(cr, -0.45);
  cairo_scale(cr, 40, 9);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_pattern_t* s = cairo_pattern_create_radial(80, 55, 0, 80, 55, 40);
  cairo_pattern_add_color_stop_rgba(s, 0, 0.85, 0.92, 1.0, 0.7);
  cairo_pattern_add_color_stop_rgba(s, 1, 0.85, 0.92, 1.0, 0);
  cairo_set_source(cr, s);
  cairo_fill(cr);
  cairo_pattern_destroy(s);
  cairo_restore(cr);
  // Jaws: dark gums, lips drawn back, teeth.
  cairo_move_to(cr, 28, 118);
  cairo_curve_to(cr, 40, 112, 70, 126, 100, 134);
  cairo_curve_to(cr, 80, 150, 50, 152, 32, 140);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.10, 0.03, 0.04);
  cairo_fill(cr);
  for (int i = 0; i < 9; ++i) {
    double x = 34 + i * 7.2, y = 120 + i * 1.6;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 3.2, y + 9);
    cairo_line_to(cr, x + 6.4, y + 1);
    cairo_close_path(cr);
    cairo_move_to(cr, x + 1, y + 24 - i * 0.4);
    cairo_line_to(cr, x + 4.2, y + 14 - i * 0.4);
    cairo_line_to(cr, x + 7.4, y + 24 - i * 0.4);
    cairo_close_path(cr);
  }
  cairo_pattern_t* t = cairo_pattern_create_linear(0, 118, 0, 150);
  cairo_pattern_add_color_stop_rgb(t, 0, 0.85, 0.86, 0.82);
  cairo_pattern_add_color_stop_rgb(t, 1, 0.45, 0.47, 0.45);
  cairo_set_source(cr, t);
  cairo_fill(cr);
  cairo_pattern_destroy(t);
  // Drool.
  cairo_set_line_width(cr, 1.5);
  for (double x : {48.0, 71.0}) {
    cairo_move_to(cr, x, 140);
    cairo_curve_to(cr, x + 1, 150, x - 1, 160, x + 1, 172);
    cairo_set_source_rgba(cr, 0.7, 0.9, 0.6, 0.7);
    cairo_stroke(cr);
    cairo_arc(cr, x + 1, 173, 2, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  monitor_finish(c, 777);
  return c.png();
}

}  // namespace contentgen::ui
