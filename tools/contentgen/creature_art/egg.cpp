// The egg: a leathery pod rooted in resin, whose four lips peel open as
// it hatches (or splits when shot).
#include <cmath>

#include "creature_sizes.h"
#include "paint.h"
#include "pictures.h"

namespace contentgen::creatures {

namespace {

void leather(cairo_t* cr, double cx, double cy, double r, double dark) {
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.05, cx, cy, r * 1.1);
  cairo_pattern_add_color_stop_rgb(g, 0.0, 0.62 * dark, 0.56 * dark, 0.40 * dark);
  cairo_pattern_add_color_stop_rgb(g, 0.35, 0.38 * dark, 0.32 * dark, 0.22 * dark);
  cairo_pattern_add_color_stop_rgb(g, 0.8, 0.16 * dark, 0.13 * dark, 0.09 * dark);
  cairo_pattern_add_color_stop_rgb(g, 1.0, 0.07, 0.06, 0.05);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_source_rgba(cr, 0.04, 0.03, 0.02, 0.9);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

void veins(cairo_t* cr, uint32_t seed, double top, double bottom) {
  Noise rng(seed);
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 9; ++i) {
    double x = 36 + rng.range(-24, 24);
    double y = rng.range(top + 8, bottom - 10);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + rng.range(-8, 8), y + rng.range(4, 10), x + rng.range(-8, 8), y + rng.range(10, 18),
                   x + rng.range(-6, 6), y + rng.range(16, 26));
    cairo_set_source_rgba(cr, 0.12, 0.09, 0.05, 0.8);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgba(cr, 0.62, 0.55, 0.38, 0.5);
    cairo_set_line_width(cr, 0.5);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

// Resin roots gripping the floor.
void roots(cairo_t* cr) {
  for (int s = -1; s <= 1; s += 2) {
    tube(cr, {36.0 + s * 12, 76}, {36.0 + s * 28, 84}, 4, 1.5, 0.8, 1);
    tube(cr, {36.0 + s * 4, 78}, {36.0 + s * 14, 84.5}, 3, 1.2, 0.7, 0);
  }
}

// One of the four lips; open goes 0 (sealed) to 1 (peeled right back).
void lip(cairo_t* cr, double angle_deg, double open, double shade, double size) {
  cairo_save(cr);
  cairo_translate(cr, 36, 26);
  // The lip hinges at its base and folds outward as it opens.
  double side = angle_deg < 0 ? -1 : 1;
  cairo_rotate(cr, (angle_deg * M_PI / 180) + side * open * 0.8);
  cairo_scale(cr, size, size * (1.0 - 0.35 * open));
  cairo_new_path(cr);
  cairo_move_to(cr, -15, 4);
  cairo_curve_to(cr, -16, -8, -6, -20, 0, -22 - 6 * open);
  cairo_curve_to(cr, 6, -20, 16, -8, 15, 4);
  cairo_close_path(cr);
  cairo_restore(cr);
  leather(cr, 36, 10, 22, shade);
}

void egg_picture(cairo_t* cr, double open, uint32_t seed) {
  roots(cr);
  // The pod.
  cairo_new_path(cr);
  cairo_move_to(cr, 36, 10);
  cairo_curve_to(cr, 62, 10, 70, 36, 66, 54);
  cairo_curve_to(cr, 62, 72, 50, 82, 36, 82);
  cairo_curve_to(cr, 22, 82, 10, 72, 6, 54);
  cairo_curve_to(cr, 2, 36, 10, 10, 36, 10);
  cairo_close_path(cr);
  leather(cr, 36, 42, 40, 1.0);
  veins(cr, seed, 24, 78);
  // Glossy wet sheen.
  specular(cr, {16, 30}, {12, 44}, {16, 60}, 2.2, 0.45);
  if (open <= 0) {
    // Sealed: the four-way slit of the lips on top.
    for (int i = 0; i < 4; ++i) {
      double a = (i * 90 + 45) * M_PI / 180;
      Pt o{36, 22};
      Pt e = polar(o, a, 14);
      e.y = o.y + (e.y - o.y) * 0.5;
      cairo_move_to(cr, o.x, o.y);
      cairo_line_to(cr, e.x, e.y);
    }
    cairo_set_source_rgba(cr, 0.05, 0.03, 0.02, 0.9);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    cairo_arc(cr, 36, 22, 5, 0, 2 * M_PI);
    leather(cr, 36, 20, 6, 1.2);
    return;
  }
  // Open: a dark wet throat with slime, lips peeling out.
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, 36, 22 + 4 * open);
  cairo_scale(cr, 16 + 6 * open, 6 + 4 * open);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_set_source_rgb(cr, 0.10, 0.05, 0.04);
  cairo_fill(cr);
  for (int i = 0; i < 3; ++i) drool(cr, {28.0 + i * 8, 20 + 3 * open}, 6 + 4 * i * open, 0.5, 0.9);
  // Back lips first, then front.
  lip(cr, -14, open * 0.6, 0.7, 0.8);
  lip(cr, 14, open * 0.6, 0.7, 0.8);
  lip(cr, -48, open, 1.0, 1.0);
  lip(cr, 48, open, 1.0, 1.0);
}

}  // namespace

Bytes egg() {
  Canvas c(kEgg.w, kEgg.h);
  egg_picture(c.cr(), 0, 400);
  grain(c, 401, 0.16);
  return c.png();
}

Bytes egg_hatch(int frame) {
  Canvas c(kEgg.w, kEgg.h);
  egg_picture(c.cr(), frame / 3.0, 400);
  if (frame == 3) {
    // Spent: the throat empty, slime dripping down the shell.
    drool(c.cr(), {20, 30}, 22, -1, 1.0);
    drool(c.cr(), {50, 32}, 18, 1, 1.0);
  }
  grain(c, 410 + frame, 0.16);
  return c.png();
}

}  // namespace contentgen::creatures
