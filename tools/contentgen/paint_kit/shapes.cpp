#include "paint_kit/shapes.h"

#include <algorithm>
#include <cmath>

namespace contentgen::paint {

void soft_oval(cairo_t* cr, double x, double y, double angle, double sx, double sy, Rgb c, double alpha,
               double focus_dy, double r) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  if (angle != 0) cairo_rotate(cr, angle);
  cairo_scale(cr, sx, sy);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, focus_dy * r, 0, 0, 0, r);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, alpha);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min(r, std::min(w, h) / 2);
  cairo_new_sub_path(cr);
  if (r <= 0) {
    cairo_rectangle(cr, x, y, w, h);
    return;
  }
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void stripe_bands(cairo_t* cr, double x, double y, double w, double h, double period) {
  for (double s = x - h - period; s < x + w + period; s += period) {
    cairo_move_to(cr, s, y + h);
    cairo_line_to(cr, s + h, y);
    cairo_line_to(cr, s + h + period / 2, y);
    cairo_line_to(cr, s + period / 2, y + h);
    cairo_close_path(cr);
  }
}

void hazard_stripes(cairo_t* cr, double x, double y, double w, double h, double period, const HazardPaint& paint) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  set_rgb(cr, paint.ground);
  cairo_paint(cr);
  set_rgb(cr, paint.bands);
  stripe_bands(cr, x, y, w, h, period);
  cairo_fill(cr);
  if (paint.wear == HazardPaint::Wear::shaded_edges) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x, y + h);
    cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0.35);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 0, 0, 0, 0.0);
    cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0.45);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
  } else {
    cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
    cairo_rectangle(cr, x, y, w, 1);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.4);
    cairo_rectangle(cr, x, y + h - 1, w, 1);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

}  // namespace contentgen::paint
