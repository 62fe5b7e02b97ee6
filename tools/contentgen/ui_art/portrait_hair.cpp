#include "portrait_hair.h"

#include <algorithm>
#include <cmath>

#include "portrait_finish.h"

namespace contentgen::ui::portrait_hair {

namespace {

using portrait_model::Face;
using portrait_model::Hair;

// How the strands of a style run and how long they are, in pixels.
struct Lie {
  double length;  // a lock's length
  double curl;    // how far a lock bends over its length, as a fraction of it
  double swept;   // > 0 the hair runs across the head toward the picture's right
  double up;      // > 0 it stands up off the brow instead of lying down
  int locks;      // locks per hundred pixels of hair
};

Lie lie_of(const Face& f) {
  switch (f.hair_style) {
    case Hair::curly: return {5, 0.9, 0, 0, 34};
    case Hair::crew: return {5, 0.15, 0, 0.8, 30};
    case Hair::buzz:
    case Hair::shaved: return {2.5, 0.1, 0, 0.3, 34};
    case Hair::side_part: return {13, 0.2, 0.9, 0, 16};
    case Hair::mohawk: return {8, 0.2, 0, 0.6, 22};
    case Hair::long_hair:
    case Hair::bob: return {16, 0.12, 0, 0, 14};
    default: return {11, 0.15, 0, 0, 16};
  }
}

}  // namespace

void strands(Canvas& c, const Face& f, const std::vector<float>& mask, model::V3 crown, uint32_t seed) {
  const int w = c.width(), h = c.height();
  // The hair's own pixels: how many, and the render's light over them, so
  // lit strands fall where the key lights the hair and dark ones in its shade.
  std::vector<double> lum(mask.size(), 0);
  double area = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const size_t i = static_cast<size_t>(y) * w + x;
      if (mask[i] < 0.5f) continue;
      area += 1;
      uint8_t p[4];
      c.get_pixel(x, y, p);
      lum[i] = (0.3 * p[0] + 0.55 * p[1] + 0.15 * p[2]) / 255.0;
    }
  if (area < 20) return;
  const Lie lie = lie_of(f);
  const paint::Rgb dark = paint::mix(paint::scaled(f.hair, 0.25), {0.02, 0.015, 0.01}, 0.4);
  const paint::Rgb lit = paint::mix(paint::scaled(f.hair, 1.6), {1.0, 0.93, 0.82}, 0.35);
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_push_group(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Noise n(seed);
  const int count = static_cast<int>(area * lie.locks / 100);
  for (int i = 0, tries = 0; i < count && tries < count * 8; ++tries) {
    const double x = n.range(0, w), y = n.range(0, h);
    const size_t at = static_cast<size_t>(y) * w + static_cast<size_t>(x);
    if (mask[at] < 0.5f) continue;
    ++i;
    // Away from the crown, as combed hair lies; across the head for a
    // side parting; turned up toward the crown where it stands off the brow.
    double dx = x - crown.x, dy = y - crown.y;
    const double far = std::hypot(dx, dy);
    if (far < 1) dx = 0, dy = 1;
    dx /= std::max(far, 1.0), dy /= std::max(far, 1.0);
    if (lie.swept > 0) dx += lie.swept * (dy < 0.5 ? 1.0 : 0.2), dy += 0.2;
    if (lie.up > 0 && y < crown.y + 60) dy -= lie.up * 1.4, dx *= 0.6;
    const double turn = n.range(-0.35, 0.35);
    double ux = dx * std::cos(turn) - dy * std::sin(turn), uy = dx * std::sin(turn) + dy * std::cos(turn);
    const double ul = std::max(std::hypot(ux, uy), 1e-6);
    ux /= ul, uy /= ul;
    const double len = lie.length * n.range(0.6, 1.3);
    const double bend = lie.curl * len * n.range(-1, 1);
    const double x0 = x - ux * len / 2, y0 = y - uy * len / 2, x1 = x + ux * len / 2, y1 = y + uy * len / 2;
    const double mx = x - uy * bend, my = y + ux * bend;
    // A lock: a broad faint dark band (the gap beside it), then its lit
    // strand on the key-lit hair, or a dark one in the shade, the light
    // falling off toward the roots nearer the crown.
    const double light = lum[at], root = std::clamp(far / 55.0, 0.3, 1.0);
    cairo_move_to(cr, x0 + 0.8, y0 + 0.5);
    cairo_curve_to(cr, mx + 0.8, my + 0.5, mx + 0.8, my + 0.5, x1 + 0.8, y1 + 0.5);
    cairo_set_source_rgba(cr, dark.r, dark.g, dark.b, 0.22 + 0.2 * (1 - root));
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    const bool shine = n.unit() < 0.25 + 0.9 * light * root;
    const paint::Rgb col = shine ? lit : dark;
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, mx, my, mx, my, x1, y1);
    cairo_set_source_rgba(cr, col.r, col.g, col.b, shine ? 0.18 + 0.35 * light * root : 0.3);
    cairo_set_line_width(cr, shine ? 0.6 : 0.7);
    cairo_stroke(cr);
  }
  // Only over the hair.
  portrait_finish::pop_group_through(cr, mask, w, h);
  cairo_restore(cr);
}

}  // namespace contentgen::ui::portrait_hair
