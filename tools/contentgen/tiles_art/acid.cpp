// Acid on the floor and in the air: the pool a dying creature leaves and
// the splash and spray of its blood.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "wall_parts.h"
#include "paint_kit/acid.h"
#include "paint_kit/geometry.h"
#include "room_art.h"

namespace contentgen::roomart {

using paint::Pt;

namespace {

// Sets a radial acid gradient around (cx, cy), squashed vertically by squash.
void acid_colour(cairo_t* cr, double cx, double cy, double r, double alpha, double squash = 1.0) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy / squash, 0, cx, cy / squash, r);
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, 1, 1 / squash);
  cairo_pattern_set_matrix(p, &m);
  cairo_pattern_add_color_stop_rgba(p, 0, 1.0, 1.0, 0.75, alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.35, 0.88, 0.98, 0.3, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, 0.55, 0.78, 0.1, alpha);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

}  // namespace

Bytes make_acid_blast(int frame) {
  // Frames 1 and 2 are the splash of a fresh corpse, 3 and 4 the spray of a
  // dying creature; each second frame is wider and more broken up. A splat
  // with a torn, lobed rim; droplets thrown out along arcs that fall under
  // their weight, shrinking and stretching as they go; and a fizz of tiny
  // bubbles where the acid eats the air.
  static const int kW[5] = {0, 180, 220, 250, 290}, kH[5] = {0, 160, 200, 230, 268};
  const int w = kW[frame], h = kH[frame];
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Noise n(0xB1A5u + static_cast<uint32_t>(frame) * 97u);
  const Pt centre{w / 2.0, h * 0.42};
  const bool late = frame == 2 || frame == 4;
  const double reach = std::min(w, h) * (late ? 0.48 : 0.38);

  // The splat: radius wandering with a few harmonics plus sharp lobes.
  const double base = reach * (late ? 0.30 : 0.36);
  const paint::SplatRim rim(n, 9, 0.13, late ? 0.95 : 0.7, 0.12, 0.3);
  auto radius = [&](double a, double grow) { return base * (rim(a) + grow); };
  auto splat_path = [&](double grow, double squash_down) {
    cairo_new_path(cr);
    constexpr int steps = 160;
    for (int i = 0; i <= steps; ++i) {
      const double a = 2 * M_PI * i / steps;
      const double r = radius(a, grow);
      // Acid sags: the lower half of the splat hangs further.
      const double sag = std::sin(a) > 0 ? 1 + squash_down * std::sin(a) : 1;
      const double x = centre.x + std::cos(a) * r, y = centre.y + std::sin(a) * r * sag;
      if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
  };
  // Dark wet rim, then the body, then the lit upper-left sheen.
  splat_path(0.06, 0.25);
  rgb(cr, 0.20, 0.30, 0.02, 0.95);
  cairo_fill(cr);
  splat_path(0.0, 0.25);
  acid_colour(cr, centre.x - base * 0.3, centre.y - base * 0.35, base * 1.8, 0.97);
  cairo_fill(cr);
  cairo_save(cr);
  splat_path(-0.35, 0.2);
  cairo_clip(cr);
  rgb(cr, 0.85, 1.0, 0.45, 0.35);
  cairo_paint(cr);
  cairo_restore(cr);
  // A glint on the swell, and a second smaller one.
  rgb(cr, 1, 1, 0.9, 0.95);
  cairo_save(cr);
  cairo_translate(cr, centre.x - base * 0.35, centre.y - base * 0.4);
  cairo_scale(cr, base * 0.28, base * 0.13);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_fill(cr);
  cairo_arc(cr, centre.x + base * 0.25, centre.y - base * 0.15, std::max(1.0, base * 0.07), 0, 2 * M_PI);
  cairo_fill(cr);

  // Runs dripping from the splat's underside.
  for (int i = 0; i < (late ? 4 : 3); ++i) {
    const double x = centre.x + n.range(-0.7, 0.7) * base;
    const double y0 = centre.y + base * 0.6, len = n.range(0.4, 1.0) * reach * 0.6;
    const double wid = n.range(2.0, 3.6);
    acid_colour(cr, x, y0, len, 0.95);
    cairo_move_to(cr, x - wid, y0);
    cairo_curve_to(cr, x - wid * 0.5, y0 + len * 0.6, x - wid * 0.3, y0 + len * 0.8, x, y0 + len);
    cairo_curve_to(cr, x + wid * 0.3, y0 + len * 0.8, x + wid * 0.5, y0 + len * 0.6, x + wid, y0);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_arc(cr, x, y0 + len + wid * 0.6, wid * 0.9, 0, 2 * M_PI);
    cairo_fill(cr);
  }

  // Droplets thrown along falling arcs: each arc a string of teardrops
  // shrinking outward, stretched along their flight.
  const int arcs = late ? 9 : 7;
  for (int i = 0; i < arcs; ++i) {
    const double a = -M_PI / 2 + n.range(-1.45, 1.45);  // mostly thrown up and out
    const double d = reach * n.range(0.65, 1.0);
    const double fall = reach * n.range(0.35, 0.7);
    const Pt dir{std::cos(a), std::sin(a)};
    auto at = [&](double t) { return centre + dir * (base * 0.8 + (d - base * 0.8) * t) + Pt{0, fall * t * t}; };
    const int drops = 4 + static_cast<int>(n.range(0, 3));
    for (int k = 0; k < drops; ++k) {
      const double t = (k + 1.0) / (drops + 0.4) + n.range(-0.04, 0.04);
      const Pt p = at(t), q = at(t + 0.02);
      const double ang = std::atan2(q.y - p.y, q.x - p.x);
      const double r = (late ? 4.8 : 6.0) * (1.1 - 0.7 * t) + n.range(0, 1.0);
      cairo_save(cr);
      cairo_translate(cr, p.x, p.y);
      cairo_rotate(cr, ang);
      // Teardrop: round head leading, a tail behind.
      cairo_move_to(cr, -r * 2.6, 0);
      cairo_curve_to(cr, -r * 1.2, -r * 0.9, r, -r * 1.1, r, 0);
      cairo_curve_to(cr, r, r * 1.1, -r * 1.2, r * 0.9, -r * 2.6, 0);
      cairo_close_path(cr);
      acid_colour(cr, -r * 0.3, -r * 0.4, r * 2.5, 0.95);
      cairo_fill(cr);
      rgb(cr, 1, 1, 0.88, 0.9);
      cairo_arc(cr, r * 0.2, -r * 0.35, std::max(0.6, r * 0.28), 0, 2 * M_PI);
      cairo_fill(cr);
      cairo_restore(cr);
    }
  }

  // The fizz: tiny pale bubbles over and around the splat.
  const int fizz = late ? 70 : 46;
  for (int i = 0; i < fizz; ++i) {
    const double a = n.range(0, 2 * M_PI);
    const double d = base * n.range(0.2, late ? 1.9 : 1.5);
    const Pt p = centre + Pt{std::cos(a) * d, std::sin(a) * d * 0.8 - n.range(0, base * 0.5)};
    const double r = n.range(0.7, 1.9);
    rgb(cr, 0.88, 1.0, 0.55, 0.9);
    cairo_arc(cr, p.x, p.y, r, 0, 2 * M_PI);
    cairo_set_line_width(cr, 0.8);
    if (r > 1.3) cairo_stroke(cr); else cairo_fill(cr);
  }
  return c.png_dithered();
}

}  // namespace contentgen::roomart
