#include "paint_kit/acid_wound.h"

#include <algorithm>
#include <cmath>

#include "paint_kit/acid.h"
#include "paint_kit/canvas.h"

namespace contentgen::paint {

void acid_wound(cairo_t* cr, Pt at, double r, uint32_t seed, double fresh) {
  Noise rng(seed);
  // Drawn in device space: the drips fall straight down the picture
  // whatever the body's pose.
  cairo_user_to_device(cr, &at.x, &at.y);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  // A torn outline, wider than tall, as the acid ate along the plate:
  // lumpy all round, with a few narrow rips running out from it where the
  // chitin split. The seed sets every lump and rip, so a wound reopened
  // with another seed is another tear, not the same one moved.
  double amp[3], ph[3];
  for (int i = 0; i < 3; ++i) amp[i] = rng.range(0.06, 0.16), ph[i] = rng.range(0, 2 * M_PI);
  constexpr int kRips = 5;
  double rip_at[kRips], rip_len[kRips];
  for (int i = 0; i < kRips; ++i) rip_at[i] = rng.range(0, 2 * M_PI), rip_len[i] = rng.range(0.25, 0.75);
  auto outline = [&](double grow, double squash) {
    constexpr int steps = 72;
    cairo_new_path(cr);
    for (int i = 0; i <= steps; ++i) {
      const double a = 2 * M_PI * i / steps;
      double k = 1 + grow;
      for (int h = 0; h < 3; ++h) k += amp[h] * std::sin((h + 2) * a + ph[h]);
      for (int j = 0; j < kRips; ++j) {
        const double d = std::remainder(a - rip_at[j], 2 * M_PI) / 0.13;
        k += rip_len[j] * std::exp(-d * d);
      }
      const double x = at.x + std::cos(a) * r * k, y = at.y + std::sin(a) * r * k * squash;
      if (i == 0)
        cairo_move_to(cr, x, y);
      else
        cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
  };
  // Eaten into the body only: where the outline runs past the body's edge
  // the hole takes the body's own shape instead of floating over the room.
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  // Scorched chitin round it, fading out.
  {
    cairo_pattern_t* g = cairo_pattern_create_radial(at.x, at.y, r * 0.8, at.x, at.y, r * 1.9);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.05, 0.06, 0.02, 0.75);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.05, 0.06, 0.02, 0);
    outline(0.9, 0.85);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  // The bright wet lip: acid pooled round the hole, following its tears.
  outline(0.16, 0.8);
  cairo_set_source_rgba(cr, 0.34, 0.48, 0.09, 0.95);
  cairo_fill(cr);
  // The hole: black at its depth, dark olive up its walls; the far wall
  // (the upper side) lit faintly as light falls into it.
  {
    cairo_pattern_t* g = cairo_pattern_create_radial(at.x, at.y + r * 0.2, r * 0.1, at.x, at.y, r * 1.05);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.01, 0.012, 0.005);
    cairo_pattern_add_color_stop_rgb(g, 0.6, 0.04, 0.05, 0.015);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.16, 0.22, 0.05);
    outline(0, 0.8);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  // Wet glints: a bright sliver on the lower lip, facing the light, and a
  // dull one deep on the far wall.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_new_path(cr);
  cairo_arc(cr, at.x, at.y, r * 1.04, M_PI * 0.2, M_PI * 0.65);
  cairo_set_line_width(cr, std::max(0.8, r * 0.09));
  cairo_set_source_rgba(cr, 0.88, 1.0, 0.55, 0.85);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_arc(cr, at.x, at.y - r * 0.1, r * 0.6, M_PI * 1.2, M_PI * 1.6);
  cairo_set_line_width(cr, std::max(0.6, r * 0.08));
  cairo_set_source_rgba(cr, 0.45, 0.62, 0.15, 0.6);
  cairo_stroke(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  // Smoke curling up off the edge, thin and grey-green, fading as it rises.
  const int puffs = 3 + static_cast<int>(4 * fresh);
  for (int i = 0; i < puffs; ++i) {
    const double side = rng.range(-1.0, 1.0);
    const double rise = rng.range(0.4, 1.0) * r * (1.2 + 1.5 * fresh);
    const Pt p{at.x + side * r * 1.1 + rng.range(-0.2, 0.2) * r, at.y - r * 0.6 - rise};
    const double pr = r * rng.range(0.35, 0.7) * (1 + rise / (3 * r));
    cairo_pattern_t* g = cairo_pattern_create_radial(p.x, p.y, 0, p.x, p.y, pr);
    const double a = (0.16 + 0.14 * fresh) * (1 - 0.4 * rise / (3 * r));
    cairo_pattern_add_color_stop_rgba(g, 0, 0.62, 0.68, 0.52, a);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.62, 0.68, 0.52, 0);
    cairo_new_path(cr);
    cairo_arc(cr, p.x, p.y, pr, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  cairo_restore(cr);
  // Drips from the lower lip, running straight down and ending in beads.
  const double lip = at.y + r * 0.75;
  const int n = 3 + static_cast<int>(2 * fresh);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  acid_runs(cr, {at.x, lip}, r * 0.7, r * (2.2 + 3.0 * fresh), n, std::max(1.2, r * 0.2), seed * 3 + 1);
  cairo_restore(cr);
}

}  // namespace contentgen::paint
