#include "paint_kit/acid.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "paint_kit/canvas.h"

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

constexpr double kLx = kLightX, kLy = kLightY;

// Acid colours: dark rim, body, lit body, specular.
constexpr double kAcidRim[] = {0.14, 0.22, 0.03};
constexpr double kAcidBody[] = {0.52, 0.67, 0.13};
constexpr double kAcidLit[] = {0.80, 0.89, 0.38};
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
  // Acid falls straight down the picture whatever the body is doing.
  cairo_user_to_device(cr, &origin.x, &origin.y);
  cairo_identity_matrix(cr);
  const double base = size * 0.3;
  // The splat's rim: a radius wandering with a few harmonics, torn out into
  // sharp lobes, thrown more upward the harder the hit.
  const SplatRim rim(rng, 8, 0.12, 0.8, 0.1, 0.26);
  auto radius = [&](double a, double grow) { return base * (rim(a) + grow); };
  // The splat hangs a little below the wound it pours from.
  const double centre_y = origin.y + base * 0.3;
  auto splat_path = [&](double grow) {
    cairo_new_path(cr);
    constexpr int steps = 120;
    for (int i = 0; i <= steps; ++i) {
      const double a = 2 * M_PI * i / steps;
      const double r = radius(a, grow);
      // It sags: the lower half hangs further.
      const double sag = std::sin(a) > 0 ? 1 + 0.5 * std::sin(a) : 0.7;
      const double x = origin.x + std::cos(a) * r, y = centre_y + std::sin(a) * r * sag;
      if (i == 0)
        cairo_move_to(cr, x, y);
      else
        cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
  };
  // Runs dripping from the splat's underside, their tops under it.
  acid_runs(cr, origin + Pt{0, base * 0.7}, base * 0.8, size * 0.75, 3, std::max(1.2, size * 0.04), seed * 7 + 3);
  // Droplets thrown along arcs that fall: strings of teardrops shrinking
  // outward, stretched along their flight.
  const int arcs = 6 + static_cast<int>(3 * lift);
  for (int i = 0; i < arcs; ++i) {
    // Flung out sideways, higher the harder the hit, then falling.
    const double side = i % 2 ? 1.0 : -1.0;
    const double a = -M_PI / 2 + side * rng.range(1.0 - 0.5 * lift, 2.0);
    const double d = size * rng.range(0.6, 1.0);
    const double fall = size * rng.range(0.6, 1.0);
    const Pt dir{std::cos(a), std::sin(a)};
    auto at = [&](double t) { return origin + dir * (base * 0.9 + (d - base * 0.9) * t) + Pt{0, fall * t * t}; };
    const int drops = 3 + static_cast<int>(rng.range(0, 3));
    for (int k = 0; k < drops; ++k) {
      const double t = (k + 1.0) / (drops + 0.4) + rng.range(-0.04, 0.04);
      const Pt p = at(t), q = at(t + 0.03);
      const double r = size * 0.055 * (1.1 - 0.7 * t) * rng.range(0.8, 1.2);
      goo_drop(cr, p, q - p, std::max(0.7, r), 0.6 + 1.4 * t);
    }
  }
  // Dark wet rim, the body, the lighter swell in its middle.
  splat_path(0.07);
  set_rgb(cr, kAcidRim, 0.95);
  cairo_fill(cr);
  splat_path(0.0);
  cairo_pattern_t* g = cairo_pattern_create_radial(origin.x + kLx * base * 0.3, centre_y + kLy * base * 0.3, 0,
                                                   origin.x, centre_y, base * 2.0);
  cairo_pattern_add_color_stop_rgb(g, 0.0, 0.95, 0.97, 0.70);
  cairo_pattern_add_color_stop_rgb(g, 0.18, kAcidLit[0], kAcidLit[1], kAcidLit[2]);
  cairo_pattern_add_color_stop_rgb(g, 0.6, kAcidBody[0], kAcidBody[1], kAcidBody[2]);
  cairo_pattern_add_color_stop_rgb(g, 1.0, 0.30, 0.45, 0.04);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  splat_path(-0.4);
  cairo_clip(cr);
  cairo_set_source_rgba(cr, 0.80, 0.92, 0.45, 0.18);
  cairo_paint(cr);
  cairo_restore(cr);
  // Wet glints on the swell.
  set_rgb(cr, kAcidSpec, 0.95);
  cairo_save(cr);
  cairo_translate(cr, origin.x + kLx * base * 0.45, centre_y + kLy * base * 0.45);
  cairo_scale(cr, base * 0.26, base * 0.12);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_fill(cr);
  cairo_arc(cr, origin.x + base * 0.3, centre_y - base * 0.1, std::max(0.8, base * 0.07), 0, 2 * M_PI);
  cairo_fill(cr);
  // Smaller splats torn off round the rim.
  for (int i = 0; i < 4; ++i) {
    const double a = rng.range(0, 2 * M_PI);
    const Pt p = Pt{origin.x, centre_y} + Pt{std::cos(a), std::sin(a) * 0.9} * (radius(a, 0) + base * rng.range(0.15, 0.45));
    const double r = base * rng.range(0.1, 0.2);
    cairo_new_path(cr);
    for (int k = 0; k <= 10; ++k) {
      const double b = 2 * M_PI * k / 10;
      const double rr = r * (k % 10 == 0 ? 1.0 : rng.range(0.7, 1.25));
      if (k == 0)
        cairo_move_to(cr, p.x + std::cos(b) * rr, p.y + std::sin(b) * rr);
      else
        cairo_line_to(cr, p.x + std::cos(b) * rr, p.y + std::sin(b) * rr);
    }
    cairo_close_path(cr);
    set_rgb(cr, kAcidBody, 0.95);
    cairo_fill_preserve(cr);
    set_rgb(cr, kAcidRim, 0.9);
    cairo_set_line_width(cr, std::max(0.6, r * 0.25));
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, p.x + kLx * r * 0.35, p.y + kLy * r * 0.35, std::max(0.5, r * 0.3), 0, 2 * M_PI);
    set_rgb(cr, kAcidSpec, 0.9);
    cairo_fill(cr);
  }
  // The fizz: tiny pale bubbles where the acid eats the air.
  const int fizz = 18 + static_cast<int>(size * 0.3);
  const double bubble = std::max(0.6, size / 60);
  for (int i = 0; i < fizz; ++i) {
    const double a = rng.range(0, 2 * M_PI);
    const double dd = base * rng.range(0.3, 1.8);
    const Pt p = origin + Pt{std::cos(a) * dd, std::sin(a) * dd * 0.8 - rng.range(0, base * 0.5)};
    const double r = rng.range(0.5, 1.4) * bubble;
    // Filled and lit, so a cluster of them never reads as drawn rings.
    cairo_new_path(cr);
    cairo_arc(cr, p.x, p.y, r, 0, 2 * M_PI);
    set_rgb(cr, kAcidBody, 0.9);
    cairo_fill(cr);
    cairo_arc(cr, p.x + kLx * r * 0.35, p.y + kLy * r * 0.35, std::max(0.4, r * 0.4), 0, 2 * M_PI);
    set_rgb(cr, kAcidSpec, 0.9);
    cairo_fill(cr);
  }
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
    goo_strip(cr, pts, w);
  }
  cairo_restore(cr);
}

void acid_pool(cairo_t* cr, double cx, double cy, double rx, double ry, uint32_t seed, int phase) {
  Noise rng(seed);
  cairo_save(cr);
  // The outline wanders and pushes out a few tongues across the deck.
  const SplatRim rim(rng, 4, 0.10, 0.28, 0.15, 0.35);
  auto outline = [&](double grow, double a0 = 0, double a1 = 2 * M_PI) {
    cairo_new_path(cr);
    constexpr int steps = 96;
    for (int i = 0; i <= steps; ++i) {
      const double a = a0 + (a1 - a0) * i / steps;
      const double r = std::min(rim(a) / 1.2, 1.02) + grow;
      const double x = cx + std::cos(a) * rx * r, y = cy + std::sin(a) * ry * r;
      if (i == 0)
        cairo_move_to(cr, x, y);
      else
        cairo_line_to(cr, x, y);
    }
  };
  // The deck scorched round it, then the dark wet rim.
  outline(0.06);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 0.07, 0.06, 0.03, 0.55);
  cairo_fill(cr);
  outline(0.0);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 0.13, 0.17, 0.04, 0.97);
  cairo_fill(cr);
  // The body: muted yellow-green, lighter toward the far side where it
  // mirrors the room's light, darker and deeper at the near lip.
  outline(-0.07);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - ry, 0, cy + ry);
  cairo_pattern_add_color_stop_rgb(g, 0.0, 0.58, 0.68, 0.26);
  cairo_pattern_add_color_stop_rgb(g, 0.45, 0.42, 0.54, 0.13);
  cairo_pattern_add_color_stop_rgb(g, 1.0, 0.22, 0.30, 0.06);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // A soft reflection across the far half.
  cairo_save(cr);
  outline(-0.1);
  cairo_close_path(cr);
  cairo_clip(cr);
  cairo_translate(cr, cx - rx * 0.15, cy - ry * 0.35);
  cairo_scale(cr, rx * 0.55, ry * 0.28);
  cairo_pattern_t* sheen = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(sheen, 0, 0.86, 0.92, 0.62, 0.55);
  cairo_pattern_add_color_stop_rgba(sheen, 1, 0.86, 0.92, 0.62, 0.0);
  cairo_set_source(cr, sheen);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(sheen);
  cairo_restore(cr);
  // The meniscus catches the light along the far edge.
  outline(-0.06, M_PI * 1.08, M_PI * 1.92);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, std::max(0.8, ry * 0.12));
  cairo_set_source_rgba(cr, 0.93, 0.97, 0.72, 0.9);
  cairo_stroke(cr);
  // Bubbles: each rises, swells and bursts over the frames; a frame shows
  // those whose life covers its phase, at their size then.
  Noise bub(seed * 2654435761u + 17u);
  const int count = 7 + static_cast<int>(rx / 10);
  for (int i = 0; i < count; ++i) {
    const double a = bub.range(0, 2 * M_PI), d = std::sqrt(bub.unit()) * 0.72;
    const double bx = cx + std::cos(a) * rx * d, by = cy + std::sin(a) * ry * d;
    const double size = bub.range(0.7, 1.6) * std::max(1.2, ry * 0.22);
    const int born = static_cast<int>(bub.range(0, 3));
    const int age = ((phase - born) % 3 + 3) % 3;  // 0 rising, 1 swollen, 2 gone
    if (age == 2) continue;
    const double r = size * (age == 0 ? 0.65 : 1.0);
    cairo_save(cr);
    cairo_translate(cr, bx, by);
    cairo_scale(cr, 1, 0.75);
    cairo_arc(cr, 0, 0, r * 1.15, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.14, 0.19, 0.04, 0.8);  // its shadow ring on the surface
    cairo_fill(cr);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_pattern_t* bg = cairo_pattern_create_radial(-r * 0.3, -r * 0.4, 0, 0, 0, r);
    cairo_pattern_add_color_stop_rgb(bg, 0, 0.70, 0.80, 0.36);
    cairo_pattern_add_color_stop_rgb(bg, 1, 0.34, 0.45, 0.10);
    cairo_set_source(cr, bg);
    cairo_fill(cr);
    cairo_pattern_destroy(bg);
    cairo_arc(cr, -r * 0.35, -r * 0.4, std::max(0.45, r * 0.28), 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1.0, 1.0, 0.9, 0.95);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  cairo_restore(cr);
}

}  // namespace contentgen::paint
