// Years of use on a plain wall panel: dirt packed into the seams and round
// the rivets, rust and grime run down from whatever leaks, boot scuffs along
// the foot and a few dents, so a lit room looks lived in and fought over.
#include <cmath>

#include "paint_kit/shapes.h"
#include "wall_parts.h"

namespace contentgen::roomart {

namespace {

constexpr paint::Rgb dirt{0.06, 0.05, 0.035};

// A run of rust and dirt from (x, y) down the plate: widest at its source,
// wavering a little and thinning to nothing, darkest near the top.
void rust_run(cairo_t* cr, Noise& n, double x, double y, double len, double width, double alpha) {
  const double sway = n.range(-1.5, 1.5), mid = n.range(-1, 1);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + len);
  cairo_pattern_add_color_stop_rgba(p, 0, 0.2, 0.1, 0.035, alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.35, 0.15, 0.085, 0.045, alpha * 0.7);
  cairo_pattern_add_color_stop_rgba(p, 1, 0.1, 0.08, 0.06, 0);
  cairo_set_source(cr, p);
  cairo_move_to(cr, x - width / 2, y);
  cairo_curve_to(cr, x - width / 2 + mid, y + len * 0.4, x + sway - 0.3, y + len * 0.7, x + sway, y + len);
  cairo_curve_to(cr, x + sway + 0.3, y + len * 0.7, x + width / 2 + mid, y + len * 0.4, x + width / 2, y);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// A dent: the hollow's upper left turned from the ceiling lamps, its lower
// right catching them, with a crease of bright scraped metal.
void dent(cairo_t* cr, Noise& n, double x, double y) {
  const double r = n.range(2.5, 4.5), turn = n.range(-0.8, 0.8);
  paint::soft_oval(cr, x - r * 0.3, y - r * 0.3, turn, 1.3, 1, {0.02, 0.02, 0.02}, 0.55, 0, r);
  paint::soft_oval(cr, x + r * 0.45, y + r * 0.45, turn, 1.2, 0.8, {0.95, 0.95, 0.92}, 0.35, 0, r * 0.7);
  grey(cr, 0.9, 0.45);
  cairo_set_line_width(cr, 0.7);
  cairo_move_to(cr, x - r * 0.6, y + r * 0.2);
  cairo_line_to(cr, x + r * 0.5, y - r * 0.1);
  cairo_stroke(cr);
}

}  // namespace

void weather_panel(cairo_t* cr, Noise& n, int w, const std::vector<Leak>& leaks) {
  // Dirt packed into the plates' side seams in uneven clots, thickest low.
  for (int x0 = 0; x0 < w; x0 += kSlot)
    for (double sx : {x0 + 2.5, x0 + kSlot - 2.5})
      for (int i = 0; i < 6; ++i) {
        const double y = n.range(kTrimBottom + 6, kBaseTop - 4);
        const double a = 0.45 + 0.4 * (y - kTrimBottom) / (kBaseTop - kTrimBottom);
        paint::soft_oval(cr, sx, y, 0, 0.8, n.range(2.5, 5), dirt, a, 0, n.range(3, 5));
      }
  // Broad film of grime over the faces, heavier in some places than others.
  for (int i = 0; i < w / 9; ++i)
    paint::soft_oval(cr, n.range(0, w), n.range(kTrimBottom + 10, kBaseTop - 10), n.range(-0.5, 0.5), n.range(0.8, 1.6),
                     n.range(1, 2.2), dirt, n.range(0.15, 0.3), 0, n.range(7, 13));
  // Grime banked along the foot of the wall and under the ceiling beam.
  cairo_pattern_t* foot = cairo_pattern_create_linear(0, kBaseTop, 0, kBaseTop - 34);
  cairo_pattern_add_color_stop_rgba(foot, 0, dirt.r, dirt.g, dirt.b, 0.75);
  cairo_pattern_add_color_stop_rgba(foot, 1, dirt.r, dirt.g, dirt.b, 0);
  cairo_set_source(cr, foot);
  cairo_rectangle(cr, 0, kBaseTop - 34, w, 34);
  cairo_fill(cr);
  cairo_pattern_destroy(foot);
  for (int i = 0; i < w / 8; ++i)
    paint::soft_oval(cr, n.range(0, w), kBaseTop - n.range(2, 14), 0, n.range(2, 4), 1, dirt, n.range(0.25, 0.5), 0,
                     n.range(2, 4));
  // Boot scuffs: dark rubber smears and bright scrapes low on the plate.
  for (int i = 0; i < w / 8 + 2; ++i) {
    const double x = n.range(3, w - 10), y = n.range(kBaseTop - 24, kBaseTop - 3);
    if (n.unit() < 0.6) {
      paint::soft_oval(cr, x + 3, y, n.range(-0.2, 0.2), 3, 0.7, {0.02, 0.02, 0.02}, 0.7, 0, n.range(2, 3.5));
    } else {
      grey(cr, 0.88, 0.5);
      cairo_set_line_width(cr, 0.8);
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x + n.range(3, 8), y + n.range(-1.5, 1.5));
      cairo_stroke(cr);
    }
  }
  // Each leak: a grime ring, then rust and dirt running down from it.
  for (const Leak& l : leaks) {
    paint::soft_oval(cr, l.x, l.y, 0, 1, 1, dirt, 0.65, 0, 4.5);
    const int runs = l.runs > 0 ? l.runs : 1;
    for (int i = 0; i < runs; ++i)
      rust_run(cr, n, l.x + n.range(-l.spread, l.spread), l.y + 1, n.range(0.5, 1.0) * l.reach, n.range(2, 3.6),
               n.range(0.6, 0.9));
  }
  for (int i = 0; i < std::max(1, w / 26); ++i) dent(cr, n, n.range(8, w - 8), n.range(70, kBaseTop - 20));
}

void heavy_wear(cairo_t* cr, Noise& n, int w) {
  // A grime band: a chain of soft dark smears along one height, thicker
  // in some places, as dirt settles on a ledge of the plates.
  const double band = n.range(kTrimBottom + 40, kBaseTop - 70), tilt = n.range(-0.08, 0.08);
  for (double x = -4; x < w + 4; x += n.range(5, 9))
    paint::soft_oval(cr, x, band + tilt * x + n.range(-2, 2), 0, n.range(1.6, 2.6), 1, dirt, n.range(0.35, 0.55), 0,
                     n.range(5, 8));
  // A water stain: a broad dim blot, darker at its heart.
  const double sx = n.range(12, w - 12), sy = n.range(kTrimBottom + 20, kBaseTop - 40), r = n.range(9, 14);
  paint::soft_oval(cr, sx, sy, n.range(-0.4, 0.4), 1, n.range(1.3, 1.8), {0.09, 0.08, 0.05}, 0.6, 0, r);
  paint::soft_oval(cr, sx, sy + r * 0.3, 0, 0.8, 1.2, {0.07, 0.06, 0.04}, 0.3, 0, r * 0.5);
  // A dark wash under the ceiling beam, heavier on one side.
  const double side = n.unit() < 0.5 ? 0 : w;
  paint::soft_oval(cr, side, kTrimBottom + 8, 0, 2.2, 1.4, dirt, 0.45, 0, 14);
  // Scratches: thin bright scrapes with a dark groove beside each,
  // at the heights a crate or a rifle butt would reach.
  for (int i = 0; i < 1 + w / 26; ++i) {
    const double x = n.range(4, w - 14), y = n.range(kTrimBottom + 50, kBaseTop - 30);
    const double dx = n.range(6, 14), dy = n.range(-4, 4);
    cairo_set_line_width(cr, 0.7);
    rgb(cr, 0.05, 0.05, 0.04, 0.5);
    cairo_move_to(cr, x, y + 0.8);
    cairo_line_to(cr, x + dx, y + dy + 0.8);
    cairo_stroke(cr);
    grey(cr, 0.85, 0.3);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + dx, y + dy);
    cairo_stroke(cr);
  }
}

}  // namespace contentgen::roomart
