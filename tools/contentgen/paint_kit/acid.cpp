#include "paint_kit/acid.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "paint_kit/canvas.h"

namespace contentgen::paint {

namespace {

constexpr double kLx = kLightX, kLy = kLightY;

// Acid colours: dark rim, body, lit body, specular.
constexpr double kAcidRim[] = {0.16, 0.27, 0.02};
constexpr double kAcidBody[] = {0.55, 0.74, 0.07};
constexpr double kAcidLit[] = {0.84, 0.95, 0.30};
constexpr double kAcidSpec[] = {0.97, 1.0, 0.82};

void set_rgb(cairo_t* cr, const double* c, double a = 1.0) { cairo_set_source_rgba(cr, c[0], c[1], c[2], a); }

// A strip of goo along a polyline with a width per point: filled with the
// body colour over a dark rim, a lighter core and a wet glint on the lit side.
void goo_strip(cairo_t* cr, const std::vector<Pt>& pts, const std::vector<double>& w) {
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
  auto outline = [&] {
    cairo_new_path(cr);
    cairo_move_to(cr, left[0].x, left[0].y);
    for (size_t i = 1; i < n; ++i) cairo_line_to(cr, left[i].x, left[i].y);
    for (size_t i = n; i-- > 0;) cairo_line_to(cr, right[i].x, right[i].y);
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, pts[0].x, pts[0].y, w[0], 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, pts[n - 1].x, pts[n - 1].y, w[n - 1], 0, 2 * M_PI);
  };
  double wmax = *std::max_element(w.begin(), w.end());
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  outline();
  set_rgb(cr, kAcidRim);
  cairo_set_line_width(cr, std::max(1.0, wmax * 0.35));
  cairo_stroke_preserve(cr);
  set_rgb(cr, kAcidBody);
  cairo_fill(cr);
  // Lit core, offset toward the light.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    double off = pass == 0 ? 0.3 : 0.5, k = pass == 0 ? 0.55 : 0.22;
    cairo_new_path(cr);
    for (size_t i = 0; i < n; ++i) {
      Pt q = pts[i] + Pt{kLx, kLy} * (w[i] * off);
      if (i == 0)
        cairo_move_to(cr, q.x, q.y);
      else
        cairo_line_to(cr, q.x, q.y);
    }
    set_rgb(cr, pass == 0 ? kAcidLit : kAcidSpec, pass == 0 ? 0.6 : 0.85);
    cairo_set_line_width(cr, std::max(0.5, (w[0] + w[n - 1]) * 0.5 * k));
    cairo_stroke(cr);
  }
  // The bead at the end catches the light.
  Pt e = pts[n - 1];
  cairo_new_path(cr);
  cairo_arc(cr, e.x + kLx * w[n - 1] * 0.35, e.y + kLy * w[n - 1] * 0.35, std::max(0.5, w[n - 1] * 0.3), 0, 2 * M_PI);
  set_rgb(cr, kAcidSpec, 0.95);
  cairo_fill(cr);
}

// A blob with a lumpy rim, shaded like a drop of thick liquid.
void goo_blob(cairo_t* cr, Pt c, double r, Noise& rng, double squash = 1.0) {
  const int n = 15;
  std::vector<Pt> rim(n);
  for (int i = 0; i < n; ++i) {
    double a = 2 * M_PI * i / n + rng.range(-0.15, 0.15);
    double k = rng.range(0.62, 1.2);
    // Sagging: the lower half hangs a little further.
    double sag = std::sin(a) > 0 ? 1.0 + 0.25 * std::sin(a) : 1.0;
    rim[i] = {c.x + std::cos(a) * r * k, c.y + std::sin(a) * r * k * squash * sag};
  }
  cairo_new_path(cr);
  Pt m0 = lerp(rim[n - 1], rim[0], 0.5);
  cairo_move_to(cr, m0.x, m0.y);
  // Smooth curve through the midpoints, the rim points as controls.
  Pt prev = m0;
  for (int i = 0; i < n; ++i) {
    Pt p = rim[i], m = lerp(rim[i], rim[(i + 1) % n], 0.5);
    Pt c1 = lerp(prev, p, 2.0 / 3.0), c2 = lerp(m, p, 2.0 / 3.0);
    cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, m.x, m.y);
    prev = m;
  }
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(c.x + kLx * r * 0.35, c.y + kLy * r * 0.35, r * 0.05, c.x, c.y,
                                                   r * 1.25);
  cairo_pattern_add_color_stop_rgb(g, 0.0, kAcidSpec[0], kAcidSpec[1], kAcidSpec[2]);
  cairo_pattern_add_color_stop_rgb(g, 0.15, kAcidLit[0], kAcidLit[1], kAcidLit[2]);
  cairo_pattern_add_color_stop_rgb(g, 0.6, kAcidBody[0], kAcidBody[1], kAcidBody[2]);
  cairo_pattern_add_color_stop_rgb(g, 1.0, kAcidRim[0], kAcidRim[1], kAcidRim[2]);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  set_rgb(cr, kAcidRim);
  cairo_set_line_width(cr, std::max(0.8, r * 0.08));
  cairo_stroke(cr);
  // Bubbles trapped in it.
  for (int i = 0; i < 3; ++i) {
    double a = rng.range(0, 2 * M_PI), d = rng.range(0.1, 0.6) * r;
    cairo_new_path(cr);
    cairo_arc(cr, c.x + std::cos(a) * d, c.y + std::sin(a) * d, std::max(0.6, r * rng.range(0.06, 0.14)), 0,
              2 * M_PI);
    set_rgb(cr, kAcidSpec, 0.7);
    cairo_set_line_width(cr, std::max(0.4, r * 0.03));
    cairo_stroke(cr);
  }
}

// A teardrop: round head at p, tail pointing back along -dir.
void goo_drop(cairo_t* cr, Pt p, Pt dir, double r, double stretch) {
  double l = std::max(1e-6, std::hypot(dir.x, dir.y));
  Pt d{dir.x / l, dir.y / l}, nrm{-d.y, d.x};
  Pt tail = p - d * (r * (1.5 + stretch));
  cairo_new_path(cr);
  cairo_move_to(cr, tail.x, tail.y);
  Pt a1 = p + nrm * r - d * (r * 0.8), b1 = p - nrm * r - d * (r * 0.8);
  cairo_curve_to(cr, lerp(tail, a1, 0.6).x, lerp(tail, a1, 0.6).y, a1.x, a1.y, (p + nrm * r).x, (p + nrm * r).y);
  cairo_arc_negative(cr, p.x, p.y, r, std::atan2(nrm.y, nrm.x), std::atan2(-nrm.y, -nrm.x));
  cairo_curve_to(cr, b1.x, b1.y, lerp(tail, b1, 0.6).x, lerp(tail, b1, 0.6).y, tail.x, tail.y);
  cairo_close_path(cr);
  set_rgb(cr, kAcidRim);
  cairo_set_line_width(cr, std::max(0.7, r * 0.3));
  cairo_stroke_preserve(cr);
  set_rgb(cr, kAcidBody);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_arc(cr, p.x + kLx * r * 0.35, p.y + kLy * r * 0.35, std::max(0.5, r * 0.35), 0, 2 * M_PI);
  set_rgb(cr, kAcidSpec, 0.9);
  cairo_fill(cr);
}

}  // namespace

void acid_splash(cairo_t* cr, Pt origin, double size, uint32_t seed, double lift) {
  Noise rng(seed);
  cairo_save(cr);
  // Goo falls straight down the picture whatever the body is doing.
  cairo_user_to_device(cr, &origin.x, &origin.y);
  cairo_identity_matrix(cr);
  const double g = 1.1;  // how hard the goo falls, in sizes per unit time squared
  // Thick lobes flung out on arcs that bend down.
  const int lobes = 9;
  for (int i = 0; i < lobes; ++i) {
    double side = i % 2 ? 1.0 : -1.0;
    double a = -M_PI / 2 + side * rng.range(0.35, 1.7) - side * 0.5 * lift * rng.unit();
    double v = size * rng.range(0.55, 1.3) * (i < 2 ? 1.2 : 1.0);
    double t1 = rng.range(0.45, 0.9);
    double w0 = size * rng.range(0.09, 0.15);
    std::vector<Pt> pts;
    std::vector<double> w;
    for (int k = 0; k <= 8; ++k) {
      double t = t1 * k / 8;
      pts.push_back({origin.x + std::cos(a) * v * t, origin.y + std::sin(a) * v * t + g * size * t * t});
      // Necks thin in the middle and gather into a heavy bead at the end.
      double f = static_cast<double>(k) / 8;
      w.push_back(w0 * (1.0 - 0.6 * f) + (k == 8 ? w0 * 0.45 : 0.0));
    }
    goo_strip(cr, pts, w);
    // Droplets breaking off beyond the lobe's end.
    int nd = 1 + static_cast<int>(rng.unit() * 3);
    for (int k = 0; k < nd; ++k) {
      double t = t1 + rng.range(0.12, 0.5);
      Pt p{origin.x + std::cos(a) * v * t + rng.range(-3, 3), origin.y + std::sin(a) * v * t + g * size * t * t};
      Pt vel{std::cos(a) * v, std::sin(a) * v + 2 * g * size * t};
      goo_drop(cr, p, vel, w0 * rng.range(0.35, 0.7), rng.range(0.5, 1.5));
    }
  }
  // Loose droplets, most of them falling.
  for (int i = 0; i < 16; ++i) {
    double a = M_PI / 2 + rng.range(-1.6, 1.6) * (1.0 + 0.4 * lift);
    double r = size * (0.3 + std::sqrt(rng.unit()) * 1.1);
    Pt p = polar(origin, a, r);
    p.y += size * 0.25;
    goo_drop(cr, p, {std::cos(a) * 0.3, 1.0}, size * rng.range(0.03, 0.07), rng.range(0.8, 2.5));
  }
  // Runs sliding down from the burst, then the blob over their tops.
  acid_runs(cr, origin + Pt{0, size * 0.12}, size * 0.2, size * 0.9, 3, size * 0.05, seed * 7 + 3);
  goo_blob(cr, origin, size * 0.36, rng, 0.8);
  goo_blob(cr, origin + Pt{rng.range(-0.2, 0.2), 0.22} * size, size * 0.14, rng, 1.0);
  cairo_restore(cr);
}

void acid_runs(cairo_t* cr, Pt from, double spread, double length, int n, double width, uint32_t seed) {
  Noise rng(seed);
  cairo_save(cr);
  cairo_user_to_device(cr, &from.x, &from.y);
  cairo_identity_matrix(cr);
  for (int i = 0; i < n; ++i) {
    double x = from.x + spread * (n > 1 ? -1.0 + 2.0 * (i + rng.range(0.1, 0.9)) / n : 0.0);
    double len = length * (0.2 + 0.8 * rng.unit() * rng.unit() + (i == n / 2 ? 0.3 : 0.0));
    double y0 = from.y + rng.range(-0.3, 0.3) * spread;
    double w0 = width * rng.range(0.7, 1.2);
    double wob = rng.range(-1, 1) * width * 0.8, ph = rng.range(0, 6);
    std::vector<Pt> pts;
    std::vector<double> w;
    for (int k = 0; k <= 10; ++k) {
      double f = k / 10.0;
      pts.push_back({x + wob * std::sin(ph + f * 5.0) * f, y0 + len * f});
      // Thins as it runs, then swells into the hanging bead.
      w.push_back(w0 * (1.0 - 0.55 * f) + (k == 10 ? w0 * 0.6 : 0.0));
    }
    goo_strip(cr, pts, w);
  }
  cairo_restore(cr);
}

void acid_pool(cairo_t* cr, double cx, double cy, double rx, double ry, uint32_t seed) {
  Noise rng(seed);
  cairo_save(cr);
  // Irregular puddle outline.
  const int n = 18;
  cairo_new_path(cr);
  for (int i = 0; i <= n; ++i) {
    double a = 2 * M_PI * i / n;
    double k = rng.range(0.78, 1.08);
    double x = cx + std::cos(a) * rx * k, y = cy + std::sin(a) * ry * k;
    if (i == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - rx * 0.2, cy - ry * 0.3, 0, cx, cy, std::max(rx, ry));
  cairo_pattern_add_color_stop_rgb(g, 0.0, 0.86, 1.0, 0.40);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.50, 0.80, 0.08);
  cairo_pattern_add_color_stop_rgb(g, 1.0, 0.22, 0.40, 0.02);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Bubbles and glints.
  for (int i = 0; i < 7; ++i) {
    double a = rng.range(0, 2 * M_PI), r = rng.range(0, 0.7);
    double x = cx + std::cos(a) * rx * r, y = cy + std::sin(a) * ry * r;
    double s = rng.range(0.8, 2.2) * std::max(1.0, ry / 6);
    cairo_arc(cr, x, y, s, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.95, 1.0, 0.75, 0.9);
    cairo_set_line_width(cr, std::max(0.6, s * 0.35));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

}  // namespace contentgen::paint
