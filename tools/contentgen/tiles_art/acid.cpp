// Acid on the floor and in the air: the pool a dying creature leaves and
// the splash and spray of its blood.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "wall_parts.h"
#include "paint_kit/acid.h"
#include "paint_kit/geometry.h"
#include "paint_kit/goo.h"
#include "room_art.h"

namespace contentgen::roomart {

using paint::Pt;

Bytes make_acid_blast(int frame) {
  // Frames 1 and 2 are the splash of a fresh corpse, 3 and 4 the spray of a
  // dying creature; each second frame is wider and more broken up. A splat
  // with a torn, lobed rim; droplets thrown out along arcs that fall under
  // their weight, shrinking and stretching as they go; runs hanging from its
  // underside. All of it is lit, wet, translucent goo, lit like the
  // creatures it comes out of, and kept small inside the picture so that it
  // reads as a spurt rather than a cloud.
  static const int kW[5] = {0, 180, 220, 250, 290}, kH[5] = {0, 160, 200, 230, 268};
  const int w = kW[frame], h = kH[frame];
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Noise n(0xB1A5u + static_cast<uint32_t>(frame) * 97u);
  const Pt centre{w / 2.0, h * 0.42};
  const bool late = frame == 2 || frame == 4;
  const double reach = std::min(w, h) * (late ? 0.31 : 0.25);

  // The splat: radius wandering with a few harmonics plus sharp lobes.
  const double base = reach * (late ? 0.30 : 0.36);
  const paint::SplatRim rim(n, 9, 0.13, late ? 0.95 : 0.7, 0.12, 0.3);
  auto splat_path = [&](cairo_t* m) {
    constexpr int steps = 160;
    for (int i = 0; i <= steps; ++i) {
      const double a = 2 * M_PI * i / steps;
      const double r = base * rim(a);
      // Acid sags: the lower half of the splat hangs further.
      const double sag = std::sin(a) > 0 ? 1 + 0.25 * std::sin(a) : 1;
      const double x = centre.x + std::cos(a) * r, y = centre.y + std::sin(a) * r * sag;
      if (i == 0) cairo_move_to(m, x, y); else cairo_line_to(m, x, y);
    }
    cairo_close_path(m);
  };

  // Runs dripping from the splat's underside: tapered strings ending in a bead.
  struct Run {
    double x, y0, len, wid;
  };
  std::vector<Run> runs;
  for (int i = 0; i < (late ? 4 : 3); ++i) {
    const double x = centre.x + n.range(-0.7, 0.7) * base;
    runs.push_back({x, centre.y + base * 0.6, n.range(0.4, 1.0) * reach * 0.6, n.range(1.6, 2.8)});
  }
  // Droplets thrown along falling arcs: each arc a string of teardrops
  // shrinking outward, stretched along their flight.
  struct Drop {
    Pt p;
    double ang, r, stretch;
  };
  std::vector<Drop> drops;
  const int arcs = late ? 9 : 7;
  for (int i = 0; i < arcs; ++i) {
    const double a = -M_PI / 2 + n.range(-1.45, 1.45);  // mostly thrown up and out
    const double d = reach * n.range(0.65, 1.0);
    const double fall = reach * n.range(0.35, 0.7);
    const Pt dir{std::cos(a), std::sin(a)};
    auto at = [&](double t) { return centre + dir * (base * 0.8 + (d - base * 0.8) * t) + Pt{0, fall * t * t}; };
    const int count = 4 + static_cast<int>(n.range(0, 3));
    for (int k = 0; k < count; ++k) {
      const double t = (k + 1.0) / (count + 0.4) + n.range(-0.04, 0.04);
      const Pt p = at(t), q = at(t + 0.02);
      drops.push_back({p, std::atan2(q.y - p.y, q.x - p.x), (late ? 3.0 : 3.6) * (1.1 - 0.7 * t) + n.range(0, 0.6),
                       0.6 + 1.4 * t});
    }
  }
  // A mist of fine droplets where the acid tears apart.
  std::vector<std::pair<Pt, double>> mist;
  for (int i = 0; i < (late ? 26 : 16); ++i) {
    const double a = n.range(0, 2 * M_PI), d = base * n.range(1.1, late ? 2.0 : 1.6);
    mist.push_back({centre + Pt{std::cos(a) * d, std::sin(a) * d * 0.8 - n.range(0, base * 0.4)}, n.range(0.8, 1.7)});
  }

  // Darker and greyer than fresh goo on a creature, so that over a head it
  // reads as spray in the room's light rather than a bright sticker.
  paint::GooLook look;
  look.blur = late ? 3.0 : 3.5;
  look.thin[0] = 0.64, look.thin[1] = 0.72, look.thin[2] = 0.36;
  look.deep[0] = 0.30, look.deep[1] = 0.40, look.deep[2] = 0.11;
  look.alpha_thin = 0.5;
  look.shine = 0.8;
  paint::lit_goo(cr, [&](cairo_t* m) {
    splat_path(m);
    cairo_fill(m);
    for (const Run& r : runs) {
      cairo_move_to(m, r.x - r.wid, r.y0);
      cairo_curve_to(m, r.x - r.wid * 0.5, r.y0 + r.len * 0.6, r.x - r.wid * 0.3, r.y0 + r.len * 0.8, r.x, r.y0 + r.len);
      cairo_curve_to(m, r.x + r.wid * 0.3, r.y0 + r.len * 0.8, r.x + r.wid * 0.5, r.y0 + r.len * 0.6, r.x + r.wid, r.y0);
      cairo_close_path(m);
      cairo_fill(m);
      cairo_arc(m, r.x, r.y0 + r.len + r.wid * 0.5, r.wid * 1.1, 0, 2 * M_PI);
      cairo_fill(m);
    }
    for (const Drop& d : drops) {
      cairo_save(m);
      cairo_translate(m, d.p.x, d.p.y);
      cairo_rotate(m, d.ang);
      // Teardrop: round head leading, a tail behind.
      const double r = d.r, tail = r * (1.4 + d.stretch);
      cairo_move_to(m, -tail, 0);
      cairo_curve_to(m, -r * 1.2, -r * 0.9, r, -r * 1.1, r, 0);
      cairo_curve_to(m, r, r * 1.1, -r * 1.2, r * 0.9, -tail, 0);
      cairo_close_path(m);
      cairo_restore(m);
      cairo_fill(m);
    }
    for (const auto& [p, r] : mist) {
      cairo_arc(m, p.x, p.y, r, 0, 2 * M_PI);
      cairo_fill(m);
    }
  }, look);
  return c.png_soft();
}

}  // namespace contentgen::roomart
