#include "portrait_paint.h"

#include <cmath>

namespace contentgen::ui::portrait_paint {

namespace {

using model::V3;
using model::Xf;
using paint::Rgb;
using portrait_model::Face;

// Pixels per head unit at the portrait's usual placement, so that lines
// keep their weight if the head is placed larger or smaller.
double weight(const Xf& view) { return view.s / 0.7; }

void curve(cairo_t* cr, const Xf& view, const V3 pts[3]) {
  const V3 a = view.point(pts[0]), b = view.point(pts[1]), c = view.point(pts[2]);
  cairo_move_to(cr, a.x, a.y);
  // Through the middle point: the control point lies twice as far out.
  cairo_curve_to(cr, a.x + (b.x - a.x) * 1.33, a.y + (b.y - a.y) * 1.33, c.x + (b.x - c.x) * 1.33,
                 c.y + (b.y - c.y) * 1.33, c.x, c.y);
}

// The jaw's shadow on the neck: separates the head from the column below.
void chin_shadow(cairo_t* cr, const Face& f, const Xf& view) {
  const V3 p = view.point(portrait_model::chin_bottom(f));
  const double rx = portrait_model::neck_radius(f) * view.s * 1.1, ry = 9 * weight(view);
  cairo_save(cr);
  cairo_translate(cr, p.x, p.y + ry * 0.9);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, -0.4, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.05, 0.03, 0.03, 0.5);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.05, 0.03, 0.03, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

// Eyebrows as short hairs laid along the brow ridge, slanting up and out,
// denser and longer at the inner end: the modelled brow sinks into the
// ridge's shadow at this size, and the brows carry most of a face's
// expression; single strokes would read as drawn on.
void brows(cairo_t* cr, const Face& f, const Xf& view) {
  const Rgb col = paint::mix(paint::scaled(f.hair, 0.55), paint::scaled(f.skin, 0.45), 0.3);
  const double w = weight(view);
  Noise n(static_cast<uint32_t>(f.skin.r * 1000 + f.brow * 97));
  cairo_set_line_width(cr, 0.75 * w);
  for (int side = -1; side <= 1; side += 2) {
    V3 b[3];
    portrait_model::brow_line(f, side, b);
    V3 p[3];
    for (int i = 0; i < 3; ++i) p[i] = view.point(b[i]);
    // A quadratic through the three points.
    const double cx = 2 * p[1].x - (p[0].x + p[2].x) / 2, cy = 2 * p[1].y - (p[0].y + p[2].y) / 2;
    const int hairs = 16 + static_cast<int>(14 * f.brow);
    const double out = p[2].x > p[0].x ? 1 : -1;
    for (int i = 0; i < hairs; ++i) {
      const double t = (i + n.unit() * 0.8) / hairs;
      const double x = (1 - t) * (1 - t) * p[0].x + 2 * t * (1 - t) * cx + t * t * p[2].x;
      const double y = (1 - t) * (1 - t) * p[0].y + 2 * t * (1 - t) * cy + t * t * p[2].y + n.range(-0.6, 0.6) * w;
      const double len = (2.8 - 1.4 * t + 1.2 * f.brow) * w, a = -0.9 + 0.6 * t + n.range(-0.2, 0.2);
      cairo_set_source_rgba(cr, col.r, col.g, col.b, 0.5 - 0.2 * t);
      cairo_move_to(cr, x - out * std::cos(a) * len * 0.5, y - std::sin(a) * len * 0.5 + len * 0.3);
      cairo_line_to(cr, x + out * std::cos(a) * len * 0.5, y + std::sin(a) * len * 0.5);
      cairo_stroke(cr);
    }
  }
}

// The fold over each upper lid and the dark seam of the lips, in the skin's
// own shadow colour.
void creases(cairo_t* cr, const Face& f, const Xf& view) {
  const Rgb shade = paint::scaled(f.skin, 0.35);
  cairo_set_line_width(cr, 0.9 * weight(view));
  for (int side = -1; side <= 1; side += 2) {
    V3 l[3];
    portrait_model::lid_crease(f, side, l);
    cairo_set_source_rgba(cr, shade.r, shade.g, shade.b, 0.35);
    curve(cr, view, l);
    cairo_stroke(cr);
  }
  V3 m[3];
  portrait_model::mouth_line(f, m);
  const Rgb seam = paint::scaled(f.skin, 0.22);
  cairo_set_source_rgba(cr, seam.r, seam.g, seam.b, 0.45);
  cairo_set_line_width(cr, 1.0 * weight(view));
  curve(cr, view, m);
  cairo_stroke(cr);
}

// A day's stubble: fine dark specks over the jaw, the chin and the upper
// lip, thinning toward the cheeks and clear of the lips themselves.
void stubble(cairo_t* cr, const Face& f, const Xf& view) {
  if (f.beard != portrait_model::Beard::stubble) return;
  const Rgb col = paint::mix(paint::scaled(f.hair, 0.5), paint::scaled(f.skin, 0.3), 0.4);
  V3 lips[3];
  portrait_model::mouth_line(f, lips);
  const V3 mouth = view.point(lips[1]);
  const V3 centre = view.point({0, 34 * f.length, 44});
  const double rx = 34 * f.width * view.s, ry = 30 * f.length * view.s, w = weight(view);
  Noise n(static_cast<uint32_t>(f.skin.g * 1000 + 31));
  for (int i = 0; i < 900; ++i) {
    const double a = n.range(0, 2 * M_PI), r = std::sqrt(n.unit());
    const double x = centre.x + std::cos(a) * r * rx, y = centre.y + std::sin(a) * r * ry;
    if (y < centre.y - ry * 0.35 && std::fabs(x - mouth.x) > rx * 0.45) continue;  // the cheeks stay clear
    const double dx = (x - mouth.x) / (rx * 0.55), dy = (y - mouth.y) / (2.4 * w);
    if (dx * dx + dy * dy < 1) continue;  // the lips
    cairo_set_source_rgba(cr, col.r, col.g, col.b, 0.10 + 0.22 * (1 - r));
    cairo_rectangle(cr, x, y, 0.7 * w, 0.7 * w);
    cairo_fill(cr);
  }
}

// A small bright catchlight on each pupil, toward the key light: at the
// portrait's size it is what makes the eyes look back.
void catchlights(cairo_t* cr, const Face& f, const Xf& view) {
  for (int side = -1; side <= 1; side += 2) {
    const V3 p = view.point(portrait_model::pupil(f, side));
    cairo_set_source_rgba(cr, 1, 1, 0.97, 0.9);
    cairo_arc(cr, p.x - 1.2, p.y - 1.3, 1.1 * weight(view), 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

}  // namespace

void features(Canvas& c, const Face& f, const Xf& view) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  chin_shadow(cr, f, view);
  stubble(cr, f, view);
  creases(cr, f, view);
  brows(cr, f, view);
  catchlights(cr, f, view);
  cairo_restore(cr);
}

}  // namespace contentgen::ui::portrait_paint
