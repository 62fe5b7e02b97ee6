#include "creature_art/death_wound.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "paint_kit/acid.h"
#include "paint_kit/canvas.h"
#include "paint_kit/goo.h"

namespace contentgen::creatures {

using paint::Pt;

namespace {

// A point at local (u, v) of a frame turned by `along` about `at`.
Pt turned(Pt at, double along, double u, double v) {
  const double c = std::cos(along), s = std::sin(along);
  return {at.x + u * c - v * s, at.y + u * s + v * c};
}

// A closed outline through radii rx, ry (turned by `along`), each of the
// n directions scaled by its own factor.
void outline(cairo_t* cr, Pt at, double rx, double ry, double along, const std::vector<double>& k) {
  const size_t n = k.size();
  cairo_new_path(cr);
  for (size_t i = 0; i < n; ++i) {
    const double a = 2 * M_PI * static_cast<double>(i) / static_cast<double>(n);
    const Pt p = turned(at, along, std::cos(a) * rx * k[i], std::sin(a) * ry * k[i]);
    if (i == 0)
      cairo_move_to(cr, p.x, p.y);
    else
      cairo_line_to(cr, p.x, p.y);
  }
  cairo_close_path(cr);
}

void fill_radial(cairo_t* cr, Pt at, double r0, double r1, const double (*stops)[5], int n) {
  cairo_pattern_t* g = cairo_pattern_create_radial(at.x, at.y, r0, at.x, at.y, r1);
  for (int i = 0; i < n; ++i)
    cairo_pattern_add_color_stop_rgba(g, stops[i][0], stops[i][1], stops[i][2], stops[i][3], stops[i][4]);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// Fills the current path with a gradient running straight down through
// `at`, from `half` above it to `half` below: plate lit from above.
void fill_lit_from_above(cairo_t* cr, Pt at, double half, const double (*stops)[5], int n) {
  cairo_pattern_t* g = cairo_pattern_create_linear(at.x, at.y - half, at.x, at.y + half);
  for (int i = 0; i < n; ++i)
    cairo_pattern_add_color_stop_rgba(g, stops[i][0], stops[i][1], stops[i][2], stops[i][3], stops[i][4]);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// Scorched, acid-wet plate round the wound, fading out.
void scorch(cairo_t* cr, Pt at, double rx, double ry, double along, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, at.x, at.y);
  cairo_rotate(cr, along);
  cairo_scale(cr, rx, ry);
  cairo_new_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  const double stops[][5] = {{0, 0.10, 0.14, 0.03, alpha}, {0.6, 0.06, 0.08, 0.02, alpha * 0.6},
                             {1, 0.05, 0.06, 0.02, 0}};
  fill_radial(cr, {0, 0}, 0, 1, stops, 3);
  cairo_restore(cr);
}

void glint(cairo_t* cr, Pt p, double r, double a) {
  cairo_new_path(cr);
  cairo_arc(cr, p.x, p.y, r, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 0.9, 1.0, 0.65, a);
  cairo_fill(cr);
}

// Acid on a creature frame, lit as a liquid: deep and dark where it is
// thick, glowing where it thins, a dark meniscus at its lip and a tight
// shine. Masked pictures keep only pixels at least half opaque, so even
// its thinnest film stays above that.
paint::GooLook wound_goo(double r) {
  paint::GooLook g;
  g.alpha_thin = 0.74;
  g.alpha_deep = 0.97;
  g.deep[0] = 0.30, g.deep[1] = 0.44, g.deep[2] = 0.06;
  g.thin[0] = 0.66, g.thin[1] = 0.84, g.thin[2] = 0.30;
  g.blur = std::clamp(r * 0.09, 1.2, 3.5);
  g.depth = 3.0;
  return g;
}

// A teardrop for a goo mask: its round head at p, its tail drawn back
// along -dir by `tail`.
void teardrop(cairo_t* m, Pt p, double dx, double dy, double r, double tail) {
  const double l = std::max(1e-6, std::hypot(dx, dy));
  const double ux = dx / l, uy = dy / l, nx = -uy, ny = ux;
  const Pt back{p.x - ux * (r + tail), p.y - uy * (r + tail)};
  cairo_new_path(m);
  cairo_move_to(m, back.x, back.y);
  cairo_curve_to(m, back.x + nx * r * 0.3, back.y + ny * r * 0.3, p.x + nx * r - ux * r, p.y + ny * r - uy * r,
                 p.x + nx * r, p.y + ny * r);
  cairo_arc_negative(m, p.x, p.y, r, std::atan2(ny, nx), std::atan2(-ny, -nx));
  cairo_curve_to(m, p.x - nx * r - ux * r, p.y - ny * r - uy * r, back.x - nx * r * 0.3, back.y - ny * r * 0.3, back.x,
                 back.y);
  cairo_close_path(m);
  cairo_fill(m);
}

// A warrior's plate torn open: a jagged hole whose points lengthen as the
// tear runs, shards of plate bent up round it catching the light, and
// inside the wet dark meat with acid welling up from the bottom.
void torn_chitin(cairo_t* cr, Pt at, double r, uint32_t seed, double stage) {
  Noise rng(seed);
  const double open = 0.45 + 0.55 * std::sqrt(stage);
  constexpr int n = 26;
  std::vector<double> k(n), lip(n);
  // A few long tears and many short bites, never evenly spaced, so the
  // hole is torn rather than star-cut.
  for (int i = 0; i < n; ++i) {
    const bool point = rng.unit() < 0.3;
    const double reach = rng.range(0.3, 1.0);
    k[i] = point ? 1.0 + reach * (0.1 + 0.35 * stage) : rng.range(0.7, 1.0);
    lip[i] = k[i] * rng.range(1.08, 1.25);
  }
  // Smooth the short bites a little so the long tears stand out.
  for (int i = 0; i < n; ++i)
    if (k[i] < 1) k[i] = 0.5 * k[i] + 0.25 * (std::min(1.0, k[(i + 1) % n]) + std::min(1.0, k[(i + n - 1) % n]));
  const double rx = r * open, ry = r * open * 0.82;
  scorch(cr, at, rx * 2.0, ry * 2.0, 0, 0.7);
  // The shards: the torn plate bent up and out, its broken edges lit.
  outline(cr, at, rx, ry, 0, lip);
  {
    // Lit from above: the shards' upper edges catch the light, the lower
    // ones fall into shadow.
    const double shards[][5] = {{0, 0.34, 0.42, 0.52, 0.95}, {0.5, 0.13, 0.16, 0.21, 0.95}, {1, 0.05, 0.06, 0.08, 0.95}};
    fill_lit_from_above(cr, at, ry * 1.4, shards, 3);
  }
  // The hole: dark wet meat, acid-lit at its walls.
  outline(cr, at, rx, ry, 0, k);
  const double meat[][5] = {{0, 0.04, 0.015, 0.02, 1}, {0.55, 0.16, 0.04, 0.05, 1}, {1, 0.3, 0.42, 0.07, 1}};
  fill_radial(cr, {at.x, at.y - ry * 0.2}, 0, rx * 1.3, meat, 3);
  // Acid welling up in the bottom of it, higher each frame: a lit pool
  // whose surface meets the hole's walls in a dark meniscus.
  cairo_save(cr);
  outline(cr, at, rx, ry, 0, k);
  cairo_clip(cr);
  const double level = at.y + ry * (0.6 - 0.45 * stage);
  paint::lit_goo(cr, [&](cairo_t* m) {
    outline(m, at, rx, ry, 0, k);
    cairo_clip(m);
    cairo_rectangle(m, at.x - rx * 3, level, rx * 6, ry * 3);
    cairo_fill(m);
  }, wound_goo(r));
  // Sinews torn across the hole, pale, snapping one by one as it opens.
  const int sinews = std::max(0, 3 - static_cast<int>(stage * 3));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < sinews; ++i) {
    const double a = rng.range(0, M_PI), o = rng.range(-0.4, 0.4);
    const Pt p0 = turned(at, a, -rx, o * ry), p1 = turned(at, a, rx, o * ry);
    cairo_new_path(cr);
    cairo_move_to(cr, p0.x, p0.y);
    cairo_curve_to(cr, at.x, at.y + ry * 0.3, at.x, at.y + ry * 0.3, p1.x, p1.y);
    cairo_set_line_width(cr, std::max(0.8, r * 0.07));
    cairo_set_source_rgba(cr, 0.55, 0.42, 0.36, 0.85);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  // Acid brimming over the lower lip of the hole and sliding down the
  // plate in tongues, each swelling into a bead at its foot.
  Noise spill(seed * 13 + 3);
  paint::lit_goo(cr, [&](cairo_t* m) {
    const double w = rx * (0.5 + 0.2 * stage);
    const int tongues = 2 + static_cast<int>(2 * stage);
    for (int i = 0; i < tongues; ++i) {
      const double x = at.x + w * (-0.8 + 1.6 * (i + spill.range(0.2, 0.8)) / tongues);
      const double len = ry * spill.range(0.4, 0.9) * (0.6 + 0.8 * stage);
      teardrop(m, {x, at.y + ry * 0.85 + len}, 0, 1, std::max(1.2, r * spill.range(0.08, 0.12)), len * 0.8);
    }
  }, wound_goo(r));
  glint(cr, turned(at, 0, -rx * 0.35, -ry * 0.3), std::max(0.8, r * 0.07), 0.7);
}

// A hugger's soft body burst like a sac: a swollen lip of pale skin, flaps
// of it peeling back further each frame, and bright acid bulging out of
// the hole, draining darker as it empties.
void burst_sac(cairo_t* cr, Pt at, double r, uint32_t seed, double stage) {
  Noise rng(seed);
  const double open = 0.6 + 0.4 * stage;
  const int flaps = 5 + static_cast<int>(seed % 2);
  const double turn = rng.range(0, 2 * M_PI);
  // The skin round it, bruised yellow-grey and wet.
  scorch(cr, at, r * 1.6, r * 1.4, 0, 0.45);
  // The flaps of torn skin, peeled outward: pale and lit on their backs.
  for (int i = 0; i < flaps; ++i) {
    const double a = turn + 2 * M_PI * i / flaps + rng.range(-0.25, 0.25);
    const double len = r * open * rng.range(1.0, 1.5) * (0.8 + 0.7 * stage);
    const double half = rng.range(0.28, 0.42);
    const Pt b0{at.x + std::cos(a - half) * r * open * 0.7, at.y + std::sin(a - half) * r * open * 0.6};
    const Pt b1{at.x + std::cos(a + half) * r * open * 0.7, at.y + std::sin(a + half) * r * open * 0.6};
    const Pt tip{at.x + std::cos(a) * (r * open * 0.6 + len), at.y + std::sin(a) * (r * open * 0.5 + len) + len * 0.2 * stage};
    cairo_new_path(cr);
    cairo_move_to(cr, b0.x, b0.y);
    cairo_curve_to(cr, b0.x + (tip.x - b0.x) * 0.6, b0.y + (tip.y - b0.y) * 0.3, tip.x, tip.y, tip.x, tip.y);
    cairo_curve_to(cr, tip.x, tip.y, b1.x + (tip.x - b1.x) * 0.3, b1.y + (tip.y - b1.y) * 0.6, b1.x, b1.y);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 0.62, 0.5, 0.38, 0.95);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, std::max(0.8, r * 0.05));
    cairo_set_source_rgba(cr, 0.3, 0.2, 0.14, 0.8);
    cairo_stroke(cr);
  }
  // The swollen lip and the hole through it.
  std::vector<double> k(20);
  for (double& v : k) v = rng.range(0.85, 1.1);
  outline(cr, at, r * open * 0.78, r * open * 0.66, 0, k);
  cairo_set_source_rgba(cr, 0.5, 0.3, 0.24, 1);
  cairo_fill(cr);
  outline(cr, at, r * open * 0.62, r * open * 0.52, 0, k);
  // Full and bright at the burst, draining toward a dark wet cavity.
  const double fresh = 1 - 0.4 * stage;
  const double sac[][5] = {{0, 0.75 * fresh + 0.1, 0.95 * fresh + 0.12, 0.25 * fresh, 1},
                           {0.7, 0.38 * fresh + 0.05, 0.58 * fresh + 0.06, 0.08, 1},
                           {1, 0.12, 0.16, 0.04, 1}};
  fill_radial(cr, {at.x - r * 0.1, at.y - r * 0.12}, 0, r * open * 0.7, sac, 3);
  // The acid bulging out of the hole, lit as a liquid, with bubbles
  // rising in it as small lit domes.
  paint::lit_goo(cr, [&](cairo_t* m) {
    outline(m, at, r * open * 0.5, r * open * 0.42, 0, k);
    cairo_fill(m);
    for (int i = 0; i < 3; ++i) {
      const Pt b{at.x + rng.range(-0.35, 0.35) * r * open, at.y + rng.range(-0.3, 0.3) * r * open};
      cairo_arc(m, b.x, b.y, r * rng.range(0.06, 0.12), 0, 2 * M_PI);
      cairo_fill(m);
    }
  }, wound_goo(r));
  glint(cr, {at.x - r * open * 0.25, at.y - r * open * 0.22}, std::max(0.8, r * 0.09), 0.85);
}

// The queen's plate split along its length: a long ragged rift that runs
// further each frame, its lips of glossy plate lifted and lit, cracks
// running on from its ends, the ribbed wet inside glistening acid green.
void split(cairo_t* cr, Pt at, double r, uint32_t seed, double stage, double along) {
  Noise rng(seed);
  const double half = r * (1.0 + 1.6 * stage), wide = r * (0.22 + 0.4 * std::sqrt(stage));
  constexpr int n = 40;
  std::vector<double> k(n), lip(n);
  for (int i = 0; i < n; ++i) {
    k[i] = rng.range(0.75, 1.1) + (i % 3 == 0 ? rng.range(0, 0.3) : 0);
    lip[i] = k[i] * 1.12 + 0.1;
  }
  // Cracks running on from both ends into the plate.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int end = -1; end <= 1; end += 2)
    for (int c = 0; c < 2; ++c) {
      Pt p = turned(at, along, end * half * 0.9, 0);
      cairo_new_path(cr);
      cairo_move_to(cr, p.x, p.y);
      double dir = along + (end < 0 ? M_PI : 0) + rng.range(-0.6, 0.6);
      const int steps = 2 + static_cast<int>(3 * stage);
      for (int s = 0; s < steps; ++s) {
        dir += rng.range(-0.5, 0.5);
        p = {p.x + std::cos(dir) * r * 0.3, p.y + std::sin(dir) * r * 0.3};
        cairo_line_to(cr, p.x, p.y);
      }
      cairo_set_line_width(cr, std::max(0.8, r * 0.05));
      cairo_set_source_rgba(cr, 0.02, 0.03, 0.01, 0.9);
      cairo_stroke(cr);
    }
  scorch(cr, at, half * 1.3, wide * 2.6 + r * 0.3, along, 0.6);
  // The lifted lips: glossy plate, its edges catching a cold light.
  outline(cr, at, half, wide, along, lip);
  {
    const double lips[][5] = {{0, 0.36, 0.45, 0.58, 0.9}, {0.5, 0.12, 0.14, 0.19, 0.9}, {1, 0.04, 0.05, 0.07, 0.9}};
    fill_lit_from_above(cr, at, wide * 1.5, lips, 3);
  }
  // The rift.
  outline(cr, at, half, wide, along, k);
  const double inside[][5] = {{0, 0.03, 0.02, 0.02, 1}, {0.6, 0.14, 0.05, 0.06, 1}, {1, 0.16, 0.2, 0.05, 1}};
  cairo_save(cr);
  cairo_translate(cr, at.x, at.y);
  cairo_rotate(cr, along);
  cairo_scale(cr, half, wide);
  fill_radial(cr, {0, 0}, 0, 1.2, inside, 3);
  cairo_restore(cr);
  // Ribs of wet tissue across it, each with an acid-green shine.
  cairo_save(cr);
  outline(cr, at, half, wide, along, k);
  cairo_clip(cr);
  const int ribs = 2 + static_cast<int>(3 * stage);
  for (int i = 0; i < ribs; ++i) {
    const double u = half * (-0.7 + 1.4 * (i + rng.range(0.3, 0.7)) / ribs);
    const double lean = rng.range(-0.5, 0.5) * wide;
    const Pt a = turned(at, along, u + lean, -wide * 1.1), m = turned(at, along, u - lean * 0.5, wide * 0.1),
             b = turned(at, along, u + lean * 0.3, wide * 1.1);
    cairo_new_path(cr);
    cairo_move_to(cr, a.x, a.y);
    cairo_curve_to(cr, m.x, m.y, m.x, m.y, b.x, b.y);
    cairo_set_line_width(cr, std::max(1.0, r * 0.08));
    cairo_set_source_rgba(cr, 0.2, 0.06, 0.07, 0.85);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, std::max(0.6, r * 0.025));
    cairo_set_source_rgba(cr, 0.55, 0.78, 0.2, 0.7);
    cairo_stroke(cr);
  }
  // Acid pooled in the bottom of the rift, fuller as it goes on, lit as
  // a liquid lying in the wound.
  paint::lit_goo(cr, [&](cairo_t* m) {
    cairo_save(m);
    cairo_translate(m, at.x, at.y);
    cairo_rotate(m, along);
    cairo_translate(m, 0, wide * 0.55);
    cairo_scale(m, half * (0.35 + 0.15 * stage), wide * (0.2 + 0.12 * stage) + 1.5);
    cairo_arc(m, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(m);
    cairo_fill(m);
  }, wound_goo(r));
  cairo_restore(cr);
  glint(cr, turned(at, along, -half * 0.3, wide * 0.45), std::max(0.8, r * 0.06), 0.8);
  glint(cr, turned(at, along, half * 0.25, wide * 0.5), std::max(0.8, r * 0.05), 0.6);
}

// Droplets thrown off the wound: each flies out, slowed by the air, so
// that it is left behind the falling body and drops; drawn as short
// streaks along its flight, lit on top.
void spray(cairo_t* cr, Pt at, double r, uint32_t seed, double stage, Pt fall) {
  Noise rng(seed * 31 + 7);
  const int n = 14 - static_cast<int>(6 * stage);
  paint::lit_goo(cr, [&](cairo_t* m) {
    for (int i = 0; i < n; ++i) {
      // How long since it left the wound (in frames), and the kick it left with.
      const double age = rng.range(0.15, 1.0);
      const double a = rng.range(-M_PI, 0.2), kick = r * rng.range(0.8, 2.2);
      const double vx = std::cos(a) * kick - fall.x, vy = std::sin(a) * kick - fall.y;
      const double gravity = r * 2.4;
      const Pt p{at.x + vx * age, at.y + vy * age + gravity * age * age};
      // A drop drawn out back along its flight, longer the faster it goes.
      const double dx = vx, dy = vy + 2 * gravity * age;
      const double d = std::max(1e-3, std::hypot(dx, dy));
      const double tail = std::min(r * 0.5, d * 0.07);
      const double w = std::max(1.1, r * rng.range(0.05, 0.1) * (1.2 - 0.5 * age));
      teardrop(m, p, dx, dy, w, tail);
    }
  }, wound_goo(r * 0.6));
}

}  // namespace

void death_wound(cairo_t* cr, Pt at, double r, uint32_t seed, double stage, double floor_y, const WoundShape& shape) {
  stage = std::clamp(stage, 0.0, 1.0);
  cairo_save(cr);
  cairo_user_to_device(cr, &at.x, &at.y);
  cairo_identity_matrix(cr);
  // Runs down the body first, so the wound's lip sits over their tops;
  // they lengthen frame by frame until the last ones reach the floor.
  if (stage > 0) {
    const double lip = at.y + r * 0.4;
    const double room = std::max(0.0, floor_y - lip - 2);
    const double length = std::min(room, r * (1.2 + 4.0 * stage) + room * stage * stage);
    if (length > r * 0.5)
      paint::acid_runs(cr, {at.x, lip}, r * (0.5 + 0.4 * stage), length, 2 + static_cast<int>(3 * stage),
                       std::max(2.0, r * (0.12 + 0.07 * stage)), seed * 7 + 5);
  }
  // The wound itself, on the body only: where it runs past the body's
  // outline it takes the body's own edge.
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  switch (shape.kind) {
    case WoundKind::torn_chitin: torn_chitin(cr, at, r, seed, stage); break;
    case WoundKind::burst_sac: burst_sac(cr, at, r, seed, stage); break;
    case WoundKind::split: split(cr, at, r, seed, stage, shape.along); break;
  }
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  // The hit throws a spurt out of the fresh hole; after it, droplets keep
  // spraying off the wound and trail behind the fall.
  if (stage <= 0)
    paint::acid_splash(cr, at, r * 2.6, seed, 0.8);
  else
    spray(cr, at, r, seed + static_cast<uint32_t>(stage * 97), stage, shape.fall);
  cairo_restore(cr);
}

void death_pool(cairo_t* cr, double cx, double floor_y, double rx_full, uint32_t seed, double stage, double start) {
  if (stage < start) return;
  const double s = start >= 1 ? 1 : (stage - start) / (1 - start);
  const double rx = rx_full * (0.45 + 0.55 * s);
  const double ry = std::max(4.0, rx * 0.16);
  // Seen low across the deck: its middle a little behind the floor row it
  // runs out from, its near edge at the row.
  paint::acid_pool(cr, cx, floor_y - ry * 0.9, rx, ry, seed, static_cast<int>(stage * 4));
}

}  // namespace contentgen::creatures
