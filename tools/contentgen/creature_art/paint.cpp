#include "paint.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "paint_kit/colour.h"

namespace contentgen::creatures {

namespace {

// Direction the light comes from (towards the light, normalised).
constexpr double kLx = -0.48, kLy = -0.877;

using paint::Rgb;

// Black-blue carapace: deep shadow, cold mid tone, steel-blue sheen.
Rgb shell_colour(double t) {
  static const Rgb stops[] = {{0.010, 0.013, 0.022}, {0.040, 0.052, 0.080}, {0.100, 0.130, 0.190},
                              {0.250, 0.310, 0.420}, {0.620, 0.700, 0.820}};
  t = std::clamp(t, 0.0, 1.0) * 4.0;
  int i = std::min(3, static_cast<int>(t));
  double f = t - i;
  const Rgb& a = stops[i];
  const Rgb& b = stops[i + 1];
  return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f};
}

}  // namespace

void set_shell(cairo_t* cr, double t, double shade, double alpha) {
  Rgb c = shell_colour(t * shade);
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void add_shell_stop(cairo_pattern_t* p, double offset, double t, double shade) {
  Rgb c = shell_colour(t * shade);
  cairo_pattern_add_color_stop_rgb(p, offset, c.r, c.g, c.b);
}

void tube(cairo_t* cr, Pt a, Pt b, double ra, double rb, double shade, int ribs) {
  double len = dist(a, b);
  if (len < 0.01) return;
  Pt d{(b.x - a.x) / len, (b.y - a.y) / len};
  Pt n{-d.y, d.x};
  // Put n on the lit side.
  if (n.x * kLx + n.y * kLy < 0) n = n * -1.0;
  double ang = std::atan2(d.y, d.x);

  cairo_new_path(cr);
  // Outline: lit side a->b, round cap at b, shadow side back, cap at a.
  cairo_move_to(cr, a.x + n.x * ra, a.y + n.y * ra);
  cairo_line_to(cr, b.x + n.x * rb, b.y + n.y * rb);
  cairo_line_to(cr, b.x - n.x * rb, b.y - n.y * rb);
  cairo_line_to(cr, a.x - n.x * ra, a.y - n.y * ra);
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, b.x, b.y, rb, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc(cr, a.x, a.y, ra, 0, 2 * M_PI);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);

  Pt m = lerp(a, b, 0.5);
  double rm = (ra + rb) * 0.5;
  cairo_pattern_t* g = cairo_pattern_create_linear(m.x + n.x * rm, m.y + n.y * rm, m.x - n.x * rm, m.y - n.y * rm);
  add_shell_stop(g, 0.0, 0.42, shade);
  add_shell_stop(g, 0.16, 0.78, shade);
  add_shell_stop(g, 0.34, 0.40, shade);
  add_shell_stop(g, 0.70, 0.12, shade);
  add_shell_stop(g, 0.90, 0.05, shade);
  add_shell_stop(g, 1.0, 0.30, shade);  // cold rim light on the shadow side
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  set_shell(cr, 0.0, 1.0, 0.9);
  cairo_set_line_width(cr, std::max(0.7, rm * 0.12));
  cairo_stroke(cr);

  // Ribs: ridged bands that bow along the tube.
  for (int i = 1; i <= ribs; ++i) {
    double t = static_cast<double>(i) / (ribs + 1);
    Pt c = lerp(a, b, t);
    double r = ra + (rb - ra) * t;
    Pt p0 = c + n * (r * 0.92), p1 = c - n * (r * 0.92);
    Pt ctrl = c + d * (r * 0.45);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, p0.x, p0.y);
    cairo_curve_to(cr, ctrl.x + n.x * r * 0.3, ctrl.y + n.y * r * 0.3, ctrl.x - n.x * r * 0.3,
                   ctrl.y - n.y * r * 0.3, p1.x, p1.y);
    set_shell(cr, 0.0, 1.0, 0.85);
    cairo_set_line_width(cr, std::max(0.6, r * 0.2));
    cairo_stroke(cr);
    Pt q0 = p0 - d * (r * 0.14), q1 = c + n * (r * 0.1) - d * (r * 0.14) + d * (r * 0.3);
    cairo_move_to(cr, q0.x, q0.y);
    cairo_line_to(cr, q1.x, q1.y);
    set_shell(cr, 0.85, shade, 0.55);
    cairo_set_line_width(cr, std::max(0.5, r * 0.09));
    cairo_stroke(cr);
  }

  // Specular streak along the lit side.
  Pt s0 = lerp(a, b, 0.12) + n * ((ra * 0.88 + rb * 0.12) * 0.5);
  Pt s1 = lerp(a, b, 0.85) + n * ((ra * 0.15 + rb * 0.85) * 0.5);
  specular(cr, s0, lerp(s0, s1, 0.5) + n * (rm * 0.08), s1, std::max(0.6, rm * 0.2), 0.55 * std::min(1.0, shade));
  (void)ang;
}

void limb(cairo_t* cr, const Pt* pts, const double* radii, int n, double shade, int ribs) {
  for (int i = 0; i + 1 < n; ++i) tube(cr, pts[i], pts[i + 1], radii[i], radii[i + 1], shade, ribs);
}

void gloss_fill(cairo_t* cr, double shade) {
  double x0, y0, x1, y1;
  cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
  double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  double r = std::max(x1 - x0, y1 - y0) * 0.62;
  double rx = (x1 - x0) / 2, ry = (y1 - y0) / 2;
  cairo_pattern_t* g =
      cairo_pattern_create_radial(cx + kLx * rx * 0.5, cy + kLy * ry * 0.5, 0, cx, cy, r);
  add_shell_stop(g, 0.0, 0.80, shade);
  add_shell_stop(g, 0.14, 0.48, shade);
  add_shell_stop(g, 0.45, 0.20, shade);
  add_shell_stop(g, 0.78, 0.06, shade);
  add_shell_stop(g, 0.92, 0.04, shade);
  add_shell_stop(g, 1.0, 0.26, shade);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  set_shell(cr, 0.0, 1.0, 0.9);
  cairo_set_line_width(cr, std::max(0.8, r * 0.02));
  cairo_stroke(cr);
}

void gloss_ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double angle, double shade) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  cairo_scale(cr, rx, ry);
  cairo_new_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  gloss_fill(cr, shade);
}

void specular(cairo_t* cr, Pt a, Pt ctrl, Pt b, double width, double alpha) {
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, a.x, a.y);
  Pt c1 = lerp(a, ctrl, 2.0 / 3.0), c2 = lerp(b, ctrl, 2.0 / 3.0);
  cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, b.x, b.y);
  cairo_set_source_rgba(cr, 0.80, 0.88, 1.0, alpha * 0.5);
  cairo_set_line_width(cr, width * 2.0);
  cairo_stroke_preserve(cr);
  cairo_set_source_rgba(cr, 0.95, 0.98, 1.0, alpha);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void ridges(cairo_t* cr, Pt l, Pt r, Pt step, double bulge, int n, double width, double shade) {
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Pt along = r - l;
  double len = std::max(0.01, dist(l, r));
  Pt nrm{-along.y / len, along.x / len};
  for (int i = 0; i < n; ++i) {
    Pt a = l + step * i, b = r + step * i;
    Pt m = lerp(a, b, 0.5) + nrm * bulge;
    cairo_move_to(cr, a.x, a.y);
    cairo_curve_to(cr, lerp(a, m, 0.7).x, lerp(a, m, 0.7).y, lerp(b, m, 0.7).x, lerp(b, m, 0.7).y, b.x, b.y);
    set_shell(cr, 0.0, 1.0, 0.9);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    Pt o = step * 0.28;
    cairo_move_to(cr, a.x + o.x, a.y + o.y);
    cairo_curve_to(cr, lerp(a, m, 0.7).x + o.x, lerp(a, m, 0.7).y + o.y, lerp(b, m, 0.7).x + o.x,
                   lerp(b, m, 0.7).y + o.y, b.x + o.x, b.y + o.y);
    set_shell(cr, 0.72, shade, 0.6);
    cairo_set_line_width(cr, width * 0.45);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void teeth(cairo_t* cr, Pt a, Pt b, int n, double length, int dir) {
  double w = dist(a, b) / n;
  for (int i = 0; i < n; ++i) {
    double t0 = static_cast<double>(i) / n, t1 = static_cast<double>(i + 1) / n;
    Pt p0 = lerp(a, b, t0), p1 = lerp(a, b, t1);
    Pt mid = lerp(p0, p1, 0.5);
    // Middle teeth are longest.
    double k = 1.0 - 0.45 * std::abs((t0 + t1) - 1.0);
    Pt tip{mid.x, mid.y + dir * length * k};
    cairo_move_to(cr, p0.x, p0.y);
    cairo_curve_to(cr, p0.x + w * 0.1, p0.y + dir * length * 0.5 * k, tip.x - w * 0.12, tip.y - dir * 1.0, tip.x,
                   tip.y);
    cairo_curve_to(cr, tip.x + w * 0.12, tip.y - dir * 1.0, p1.x - w * 0.1, p1.y + dir * length * 0.5 * k, p1.x,
                   p1.y);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(p0.x, 0, p1.x, 0);
    cairo_pattern_add_color_stop_rgb(g, 0.0, 0.42, 0.45, 0.48);
    cairo_pattern_add_color_stop_rgb(g, 0.35, 0.92, 0.94, 0.95);
    cairo_pattern_add_color_stop_rgb(g, 0.7, 0.62, 0.66, 0.70);
    cairo_pattern_add_color_stop_rgb(g, 1.0, 0.25, 0.27, 0.30);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_source_rgba(cr, 0.05, 0.05, 0.07, 0.8);
    cairo_set_line_width(cr, std::max(0.5, w * 0.08));
    cairo_stroke(cr);
  }
}

void drool(cairo_t* cr, Pt from, double length, double sway, double width) {
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Pt end{from.x + sway, from.y + length};
  cairo_move_to(cr, from.x, from.y);
  cairo_curve_to(cr, from.x + sway * 0.1, from.y + length * 0.4, end.x - sway * 0.2, end.y - length * 0.4, end.x,
                 end.y);
  cairo_set_source_rgba(cr, 0.55, 0.66, 0.70, 0.9);
  cairo_set_line_width(cr, width);
  cairo_stroke_preserve(cr);
  cairo_set_source_rgba(cr, 0.92, 0.98, 1.0, 0.9);
  cairo_set_line_width(cr, std::max(0.4, width * 0.35));
  cairo_stroke(cr);
  double dr = width * 1.5;
  cairo_arc(cr, end.x, end.y + dr * 0.6, dr, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(end.x - dr * 0.4, end.y + dr * 0.2, 0, end.x, end.y + dr * 0.6, dr);
  cairo_pattern_add_color_stop_rgb(g, 0.0, 1.0, 1.0, 1.0);
  cairo_pattern_add_color_stop_rgb(g, 0.4, 0.66, 0.78, 0.82);
  cairo_pattern_add_color_stop_rgb(g, 1.0, 0.30, 0.40, 0.45);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

namespace {

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

void grain(Canvas& c, uint32_t seed, double amount) {
  Noise rng(seed);
  paint::each_pixel(c, [&](int, int, uint32_t& p) {
    uint32_t a = p >> 24;
    double k = 1.0 + (rng.unit() - 0.5) * amount;
    if (a == 0) return;
    uint32_t out = a << 24;
    for (int shift : {16, 8, 0})
      out |= static_cast<uint32_t>(std::clamp(paint::channel(p, shift) * k, 0.0, static_cast<double>(a))) << shift;
    p = out;
  });
}

}  // namespace contentgen::creatures
