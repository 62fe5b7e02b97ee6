#include "paint_kit/acid.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "paint_kit/canvas.h"
#include "paint_kit/goo.h"
#include "paint_kit/shapes.h"

namespace contentgen::paint {

SplatRim::SplatRim(Noise& noise, int lobes, double amp_max, double lobe_max, double lobe_w_min, double lobe_w_max) {
  for (int k = 0; k < 5; ++k) amp_[k] = noise.range(0.04, amp_max) / (1 + k * 0.3), phase_[k] = noise.range(0, 2 * M_PI);
  for (int i = 0; i < lobes; ++i) {
    lobe_angle_.push_back(noise.range(0, 2 * M_PI));
    lobe_length_.push_back(noise.range(0.25, lobe_max));
    lobe_width_.push_back(noise.range(lobe_w_min, lobe_w_max));
  }
}

double SplatRim::operator()(double angle) const {
  double r = 1;
  for (int k = 0; k < 5; ++k) r += amp_[k] * std::sin((k + 2) * angle + phase_[k]);
  for (size_t i = 0; i < lobe_angle_.size(); ++i) {
    const double d = std::remainder(angle - lobe_angle_[i], 2 * M_PI) / lobe_width_[i];
    r += lobe_length_[i] * std::exp(-d * d);
  }
  return r;
}

namespace {

// The outline of a goo strip (for a coverage mask): the same shape
// goo_strip fills.
void strip_path(cairo_t* cr, const std::vector<Pt>& pts, const std::vector<double>& w) {
  const size_t n = pts.size();
  if (n < 2) return;
  std::vector<Pt> left(n), right(n);
  for (size_t i = 0; i < n; ++i) {
    Pt d = pts[std::min(i + 1, n - 1)] - pts[i > 0 ? i - 1 : 0];
    double l = std::max(1e-6, std::hypot(d.x, d.y));
    Pt nrm{-d.y / l, d.x / l};
    left[i] = pts[i] + nrm * w[i];
    right[i] = pts[i] - nrm * w[i];
  }
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_move_to(cr, left[0].x, left[0].y);
  for (size_t i = 1; i < n; ++i) cairo_line_to(cr, left[i].x, left[i].y);
  for (size_t i = n; i-- > 0;) cairo_line_to(cr, right[i].x, right[i].y);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_arc(cr, pts[0].x, pts[0].y, w[0], 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_arc(cr, pts[n - 1].x, pts[n - 1].y, w[n - 1], 0, 2 * M_PI);
  cairo_fill(cr);
}

// A teardrop outline (for a coverage mask): round head at p, tail back
// along -dir.
void drop_path(cairo_t* cr, Pt p, Pt dir, double r, double stretch) {
  double l = std::max(1e-6, std::hypot(dir.x, dir.y));
  Pt d{dir.x / l, dir.y / l}, nrm{-d.y, d.x};
  Pt tail = p - d * (r * (1.5 + stretch));
  Pt a1 = p + nrm * r - d * (r * 0.8), b1 = p - nrm * r - d * (r * 0.8);
  cairo_move_to(cr, tail.x, tail.y);
  cairo_curve_to(cr, lerp(tail, a1, 0.6).x, lerp(tail, a1, 0.6).y, a1.x, a1.y, (p + nrm * r).x, (p + nrm * r).y);
  cairo_arc_negative(cr, p.x, p.y, r, std::atan2(nrm.y, nrm.x), std::atan2(-nrm.y, -nrm.x));
  cairo_curve_to(cr, b1.x, b1.y, lerp(tail, b1, 0.6).x, lerp(tail, b1, 0.6).y, tail.x, tail.y);
  cairo_close_path(cr);
  cairo_fill(cr);
}

// Goo on a creature frame: masked pictures keep only pixels at least half
// opaque, so even its thinnest film stays above that.
GooLook body_goo(double size) {
  GooLook g;
  g.alpha_thin = 0.72;
  g.alpha_deep = 0.97;
  // Over a black carapace the goo keeps its colour lighter, so it still
  // reads as acid in its shaded half.
  // Duller than fresh lime, so it reads as blood lit by the room.
  g.deep[0] = 0.38, g.deep[1] = 0.47, g.deep[2] = 0.14;
  g.thin[0] = 0.64, g.thin[1] = 0.72, g.thin[2] = 0.38;
  g.blur = std::clamp(size * 0.035, 1.0, 3.5);
  return g;
}

}  // namespace

namespace {

// The shapes of acid running down from `from` (device pixels), for a mask.
void runs_shapes(cairo_t* m, Pt from, double spread, double length, int n, double width, uint32_t seed) {
  Noise rng(seed);
  for (int i = 0; i < n; ++i) {
    double x = from.x + spread * (n > 1 ? -1.0 + 2.0 * (i + rng.range(0.1, 0.9)) / n : 0.0);
    double len = length * (0.2 + 0.8 * rng.unit() * rng.unit() + (i == n / 2 ? 0.3 : 0.0));
    double y0 = from.y + rng.range(-0.3, 0.3) * spread;
    double w0 = width * rng.range(0.7, 1.2);
    double wob = rng.range(-1, 1) * width * 2.2, ph = rng.range(0, 6), lean = rng.range(-0.12, 0.12);
    std::vector<Pt> pts;
    std::vector<double> w;
    for (int k = 0; k <= 10; ++k) {
      double f = k / 10.0;
      pts.push_back({x + wob * std::sin(ph + f * 5.0) * f + 0.4 * wob * std::sin(ph * 2 + f * 11.0) * f + lean * len * f,
                     y0 + len * f});
      // Thins unevenly as it runs, then swells into the hanging bead.
      w.push_back(w0 * (1.0 - 0.6 * f) * (1.0 + 0.22 * std::sin(ph + f * 13.0)) + (k == 10 ? w0 * 0.5 : 0.0));
    }
    strip_path(m, pts, w);
  }
}

}  // namespace

namespace {

// The shapes of a spurt of acid torn apart in the air, in device pixels,
// for a goo mask: a small ragged knot of goo at the wound rather than one
// round splat, with tongues torn out of it along the throw; droplets flung
// along arcs that fall, each stretched back along its flight into a
// streak; beads dropping straight down below the wound, drawn out by their
// fall; and a fine mist. size is the spurt's reach, lift (0..1) how much of
// it goes up, scatter (0..1) how far it has broken up: a later moment of
// the same spurt has a smaller knot and more, smaller drops further out.
// knot_scale sizes the knot against the reach.
void spray_shapes(cairo_t* m, Pt origin, double size, uint32_t seed, double lift, double scatter, double knot_scale) {
  Noise rng(seed);
  const double knot = size * (0.16 - 0.06 * scatter) * knot_scale;
  // The knot: a few small lobed splats overlapping round the wound, each
  // pulled out along its own direction, so its outline is torn, not round.
  for (int i = 0; i < 4; ++i) {
    const SplatRim rim(rng, 5, 0.14, 0.55, 0.12, 0.3);
    const double a = rng.range(0, 2 * M_PI), d = knot * rng.range(0.1, 0.7);
    const Pt c = origin + Pt{std::cos(a) * d, std::sin(a) * d * 0.7 + knot * 0.45};
    const double r = knot * rng.range(0.45, 0.8) * (i == 0 ? 1.3 : 1.0);
    constexpr int steps = 48;
    for (int k = 0; k <= steps; ++k) {
      const double t = 2 * M_PI * k / steps;
      const double q = r * rim(t);
      const double x = c.x + std::cos(t) * q, y = c.y + std::sin(t) * q * 0.85;
      if (k == 0)
        cairo_move_to(m, x, y);
      else
        cairo_line_to(m, x, y);
    }
    cairo_close_path(m);
    cairo_fill(m);
  }
  // Droplets along falling arcs: sized by a power law, so a few big drops
  // lead and many small ones follow; each drawn as a teardrop whose tail
  // runs back along its flight, longer the faster it goes.
  const int arcs = 9 + static_cast<int>(5 * scatter);
  for (int i = 0; i < arcs; ++i) {
    const double side = i % 2 ? 1.0 : -1.0;
    const double a = -M_PI / 2 + side * rng.range(1.0 - 0.55 * lift, 2.1 - 0.3 * lift);
    const double d = size * rng.range(0.45, 0.95) * (0.85 + 0.3 * scatter);
    const double fall = size * rng.range(0.25, 0.6) * (0.7 + 0.6 * scatter);
    const Pt dir{std::cos(a), std::sin(a)};
    auto at = [&](double t) { return origin + dir * (knot * 0.8 + (d - knot * 0.8) * t) + Pt{0, fall * t * t}; };
    const int count = 2 + static_cast<int>(rng.range(0, 3 + 2 * scatter));
    const double lead = rng.unit();
    for (int k = 0; k < count; ++k) {
      const double t = std::min(1.0, (k + 0.6 + 0.6 * scatter) / count + rng.range(-0.05, 0.05));
      const Pt p = at(t), q = at(t + 0.03);
      const double r = size * 0.05 * (0.45 + 0.9 * lead * lead) * (1.15 - 0.6 * t) * (1 - 0.3 * scatter);
      drop_path(m, p, q - p, std::max(0.7, r), 1.2 + 3.5 * (1 - t) + 2 * scatter);
    }
  }
  // Beads falling from under the wound, drawn out by their fall.
  const int beads = 3 + static_cast<int>(3 * scatter);
  for (int i = 0; i < beads; ++i) {
    const Pt p = origin + Pt{rng.range(-0.6, 0.6) * knot, knot + size * rng.range(0.15, 0.55 + 0.3 * scatter)};
    drop_path(m, p, {rng.range(-0.05, 0.05), 1}, std::max(0.9, size * rng.range(0.022, 0.04)), rng.range(2.5, 5));
  }
  // Mist where the goo tears apart.
  const int mist = 10 + static_cast<int>(size * (0.12 + 0.12 * scatter));
  for (int i = 0; i < mist; ++i) {
    const double a = -M_PI / 2 + (i % 2 ? 1 : -1) * rng.range(0.9 - 0.5 * lift, M_PI);
    const double dd = size * rng.range(0.2, 0.75 + 0.3 * scatter);
    cairo_arc(m, origin.x + std::cos(a) * dd, origin.y + std::sin(a) * dd * 0.8 + dd * dd / size * 0.3,
              rng.range(0.45, 0.9) * std::max(0.7, size / 90), 0, 2 * M_PI);
    cairo_fill(m);
  }
}

}  // namespace

void acid_splash(cairo_t* cr, Pt origin, double size, uint32_t seed, double lift) {
  // Acid falls straight down the picture whatever the body is doing.
  cairo_user_to_device(cr, &origin.x, &origin.y);
  lit_goo(cr, [&](cairo_t* m) {
    // Runs down the body from the wound, so the spurt clings to it.
    runs_shapes(m, origin + Pt{0, size * 0.1}, size * 0.2, size * 0.8, 4, std::max(1.2, size * 0.04), seed * 7 + 3);
    spray_shapes(m, origin, size, seed, lift, 0.2, 1.8);
  }, body_goo(size));
}

void acid_spray(cairo_t* cr, Pt origin, double size, uint32_t seed, double lift, double scatter, const GooLook& look) {
  cairo_user_to_device(cr, &origin.x, &origin.y);
  lit_goo(cr, [&](cairo_t* m) { spray_shapes(m, origin, size, seed, lift, scatter, 1.0); }, look);
}

void acid_runs(cairo_t* cr, Pt from, double spread, double length, int n, double width, uint32_t seed) {
  cairo_user_to_device(cr, &from.x, &from.y);
  lit_goo(cr, [&](cairo_t* m) { runs_shapes(m, from, spread, length, n, width, seed); }, body_goo(width * 12));
}

void acid_pool(cairo_t* cr, double cx, double cy, double rx, double ry, uint32_t seed, int phase) {
  Noise rng(seed);
  cairo_save(cr);
  // The outline wanders, pushes out tongues across the deck and bites in
  // between them, and is crinkled finely where the goo met grit; the near
  // and far edges are as ragged as the ends.
  const SplatRim rim(rng, 6, 0.12, 0.45, 0.12, 0.3);
  const double c1 = rng.range(0, 2 * M_PI), c2 = rng.range(0, 2 * M_PI);
  cairo_matrix_t to_device;
  cairo_get_matrix(cr, &to_device);
  auto outline = [&](cairo_t* to, double grow, double a0 = 0, double a1 = 2 * M_PI) {
    constexpr int steps = 96;
    for (int i = 0; i <= steps; ++i) {
      const double a = a0 + (a1 - a0) * i / steps;
      const double crinkle = 0.06 * std::sin(11 * a + c1) + 0.04 * std::sin(19 * a + c2);
      const double r = std::min(rim(a) / 1.25, 0.92) * (1 + crinkle) + grow;
      double x = cx + std::cos(a) * rx * r, y = cy + std::sin(a) * ry * r;
      cairo_matrix_transform_point(&to_device, &x, &y);
      if (i == 0)
        cairo_move_to(to, x, y);
      else
        cairo_line_to(to, x, y);
    }
  };
  // The deck scorched round it.
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  outline(cr, 0.06);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 0.07, 0.06, 0.03, 0.55);
  cairo_fill(cr);
  cairo_restore(cr);
  // The pool itself: a low lens of translucent goo, thicker in the middle,
  // greyer than fresh blood: it has spread thin and taken the deck's dirt.
  GooLook pool;
  pool.depth = 1.4;
  pool.blur = std::max(1.5, ry * 0.3);
  pool.alpha_thin = 0.7;
  pool.alpha_deep = 0.9;
  pool.thin[0] = 0.64, pool.thin[1] = 0.78, pool.thin[2] = 0.4;
  pool.deep[0] = 0.2, pool.deep[1] = 0.33, pool.deep[2] = 0.08;
  // Splashes that landed apart from it: small flat drops just past its near
  // and far edges, never beyond the ellipse's ends, so a pool drawn into a
  // frame stays as wide as it was asked to be.
  std::vector<std::pair<Pt, Pt>> specks;
  for (int i = 0; i < 5; ++i) {
    const double a = (i % 2 ? M_PI / 2 : -M_PI / 2) + rng.range(-1.0, 1.0);
    const double d = std::min(rim(a) / 1.25, 0.92) + rng.range(0.15, 0.35);
    Pt p{cx + std::clamp(std::cos(a) * d, -0.9, 0.9) * rx, cy + std::sin(a) * ry * d};
    cairo_matrix_transform_point(&to_device, &p.x, &p.y);
    Pt size{rx * rng.range(0.03, 0.07), ry * rng.range(0.12, 0.22)};
    cairo_matrix_transform_distance(&to_device, &size.x, &size.y);
    specks.push_back({p, size});
  }
  lit_goo(cr, [&](cairo_t* m) {
    outline(m, 0.0);
    cairo_close_path(m);
    cairo_fill(m);
    for (const auto& [p, size] : specks) {
      cairo_save(m);
      cairo_translate(m, p.x, p.y);
      cairo_scale(m, std::max(0.8, std::abs(size.x)), std::max(0.6, std::abs(size.y)));
      cairo_arc(m, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(m);
      cairo_fill(m);
    }
  }, pool);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  // A darker rim where the goo thins and has eaten into the deck, heaviest
  // on the near side.
  cairo_new_path(cr);
  outline(cr, -0.02);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, std::max(1.0, ry * 0.12));
  cairo_set_source_rgba(cr, 0.08, 0.09, 0.04, 0.55);
  cairo_stroke(cr);
  cairo_new_path(cr);
  outline(cr, -0.06, M_PI * 0.15, M_PI * 0.85);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, std::max(1.0, ry * 0.14));
  cairo_set_source_rgba(cr, 0.06, 0.07, 0.03, 0.45);
  cairo_stroke(cr);
  // The ceiling lamps mirrored in the far half: a pale smear across it.
  double gx = cx, gy = cy - ry * 0.3;
  cairo_matrix_transform_point(&to_device, &gx, &gy);
  soft_oval(cr, gx, gy, 0, rx * 0.55, ry * 0.22, {0.9, 0.94, 0.82}, 0.45);
  // Inside it the lamp itself: a thin sharp streak of near-white sheen.
  cairo_save(cr);
  cairo_translate(cr, gx - rx * 0.08, gy);
  cairo_scale(cr, rx * 0.3, std::max(0.7, ry * 0.07));
  cairo_pattern_t* lamp = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(lamp, 0, 1, 1, 0.94, 0.9);
  cairo_pattern_add_color_stop_rgba(lamp, 0.5, 0.96, 1, 0.86, 0.55);
  cairo_pattern_add_color_stop_rgba(lamp, 1, 0.9, 0.96, 0.8, 0);
  cairo_set_source(cr, lamp);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(lamp);
  cairo_restore(cr);
  // The meniscus catches the room's light along the far edge.
  cairo_new_path(cr);
  outline(cr, -0.08, M_PI * 1.1, M_PI * 1.9);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, std::max(0.9, ry * 0.1));
  cairo_set_source_rgba(cr, 0.95, 0.97, 0.86, 0.85);
  cairo_stroke(cr);
  cairo_restore(cr);
  // Bubbles: each rises, swells and bursts over the frames; a frame shows
  // those whose life covers its phase, at their size then. Round wet beads
  // standing on the surface, lit like the rest.
  Noise bub(seed * 2654435761u + 17u);
  const int count = 6 + static_cast<int>(rx / 12);
  std::vector<std::pair<Pt, double>> beads;
  for (int i = 0; i < count; ++i) {
    const double a = bub.range(0, 2 * M_PI), d = std::sqrt(bub.unit()) * 0.7;
    Pt b{cx + std::cos(a) * rx * d, cy + std::sin(a) * ry * d};
    const double size = bub.range(0.8, 1.6) * std::max(1.7, ry * 0.3);
    const int born = static_cast<int>(bub.range(0, 3));
    const int age = ((phase - born) % 3 + 3) % 3;  // 0 rising, 1 swollen, 2 gone
    if (age == 2) continue;
    cairo_matrix_transform_point(&to_device, &b.x, &b.y);
    beads.push_back({b, size * (age == 0 ? 0.65 : 1.0)});
  }
  GooLook bead;
  bead.blur = 1;
  bead.depth = 3.5;
  bead.alpha_thin = 0.8;
  bead.thin[0] = 0.72, bead.thin[1] = 0.78, bead.thin[2] = 0.5;
  bead.deep[0] = 0.3, bead.deep[1] = 0.37, bead.deep[2] = 0.15;
  lit_goo(cr, [&](cairo_t* m) {
    for (const auto& [p, r] : beads) {
      cairo_save(m);
      cairo_translate(m, p.x, p.y);
      cairo_scale(m, 1, 0.8);
      cairo_arc(m, 0, 0, r, 0, 2 * M_PI);
      cairo_restore(m);
      cairo_fill(m);
    }
  }, bead);
  // Each bead's shadowed foot and a sharp specular dot on its crown.
  cairo_save(cr);
  cairo_identity_matrix(cr);
  for (const auto& [p, r] : beads) {
    cairo_save(cr);
    cairo_translate(cr, p.x, p.y + r * 0.45);
    cairo_scale(cr, r, r * 0.35);
    cairo_arc(cr, 0, 0, 1, 0, M_PI);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 0.05, 0.06, 0.02, 0.5);
    cairo_set_line_width(cr, std::max(0.6, r * 0.25));
    cairo_stroke(cr);
    cairo_set_source_rgba(cr, 1, 1, 0.96, 0.95);
    cairo_arc(cr, p.x - r * 0.3, p.y - r * 0.35, std::max(0.55, r * 0.22), 0, 2 * M_PI);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_restore(cr);
}

}  // namespace contentgen::paint
