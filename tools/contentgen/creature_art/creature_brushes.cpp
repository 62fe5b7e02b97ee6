#include "creature_art/creature_brushes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "paint_kit/colour.h"

namespace contentgen::creatures {

namespace {

// Direction the light comes from (towards the light, normalised).
constexpr double kLx = paint::kLightX, kLy = paint::kLightY;

using paint::Rgb;

// Black-blue carapace: deep shadow, cold mid tone, steel-blue sheen.
constexpr Rgb kCarapaceStops[] = {{0.010, 0.013, 0.022}, {0.040, 0.052, 0.080}, {0.100, 0.130, 0.190},
                                  {0.250, 0.310, 0.420}, {0.620, 0.700, 0.820}};
// Pale bone: brown shadow, tan body, ivory highlight. Reads against dark walls.
constexpr Rgb kBoneStops[] = {{0.200, 0.140, 0.090}, {0.470, 0.370, 0.250}, {0.700, 0.600, 0.440},
                              {0.860, 0.790, 0.640}, {1.000, 0.970, 0.880}};
// Per thread: the generator paints pictures on several threads at once.
thread_local Skin current_skin = Skin::Carapace;

Rgb shell_colour(double t) {
  const Rgb* stops = current_skin == Skin::Bone ? kBoneStops : kCarapaceStops;
  t = std::clamp(t, 0.0, 1.0) * 4.0;
  int i = std::min(3, static_cast<int>(t));
  double f = t - i;
  const Rgb& a = stops[i];
  const Rgb& b = stops[i + 1];
  return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f};
}

}  // namespace

SkinScope::SkinScope(Skin s) : previous_(current_skin) { current_skin = s; }
SkinScope::~SkinScope() { current_skin = previous_; }

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
  // Slime hangs under gravity whatever the head is doing: take the mouth
  // point and the drawing scale out of the current transform, then draw
  // straight down in picture space.
  double dx = 1, dy = 0;
  cairo_user_to_device_distance(cr, &dx, &dy);
  const double k = std::hypot(dx, dy);
  cairo_user_to_device(cr, &from.x, &from.y);
  cairo_identity_matrix(cr);
  length *= k, sway *= k * 0.3, width *= k;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Pt end{from.x + sway, from.y + length};
  // A string thick at the lip, thinning, then gathering into a drop.
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

void draw_fitted(Canvas& c, Pt pivot, const std::function<void(cairo_t*)>& draw, int margin) {
  // Measure: draw once with room on every side but the bottom.
  const int w = c.width(), h = c.height();
  // A context made after the device transform is set takes it up.
  auto draw_with_transform = [&](cairo_surface_t* surface, double scale, double ox, double oy) {
    cairo_surface_set_device_scale(surface, scale, scale);
    cairo_surface_set_device_offset(surface, ox, oy);
    cairo_t* cr = cairo_create(surface);
    draw(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    cairo_surface_set_device_offset(surface, 0, 0);
    cairo_surface_set_device_scale(surface, 1, 1);
  };
  Canvas scratch(w * 3, h * 3);
  draw_with_transform(scratch.surface(), 1, w, h);
  // Per row of the pose (frame coordinates), its leftmost and rightmost
  // opaque pixel; rows below the frame count once the scale lifts them in.
  struct Span {
    int y, x0, x1;
  };
  std::vector<Span> rows;
  for (int sy = 0; sy < scratch.height(); ++sy) {
    paint::Extent e = paint::opaque_extent_of_row(scratch, sy);
    if (!e.empty()) rows.push_back({sy - h, e.x0 - w, e.x1 - w});
  }
  double s = 1.0;
  for (int pass = 0; pass < 4; ++pass) {
    const double lowest = pivot.y + (h - pivot.y) / s;  // rows below this stay out of the frame
    double next = 1.0;
    auto limit = [&](double room, double reach) {
      if (reach > room && reach > 0) next = std::min(next, room / reach);
    };
    for (const Span& r : rows) {
      if (r.y > lowest) break;
      limit(pivot.x - margin, pivot.x - r.x0);
      limit(w - 1 - margin - pivot.x, r.x1 - pivot.x);
      limit(pivot.y - margin, pivot.y - r.y);
    }
    s = next;
  }
  draw_with_transform(c.surface(), s, pivot.x * (1 - s), pivot.y * (1 - s));
}

void require_clear_edges(const Canvas& c, const std::string& what) {
  const paint::EdgeCount n = paint::opaque_edge_pixels(c);
  if (n.left || n.right || n.top)
    throw std::runtime_error(what + ": opaque pixels on the frame edge (left " + std::to_string(n.left) +
                             ", right " + std::to_string(n.right) + ", top " + std::to_string(n.top) + ")");
}

}  // namespace contentgen::creatures
