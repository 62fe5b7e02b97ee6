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

namespace {

// The light of the acid itself: a glowing yellow-green, with enough red in
// it that under the game's red tint (a cocooned colonist bursting) it still
// reads as bright blood rather than black.
constexpr double kGlow[3] = {0.74, 1.0, 0.36};

// The haze of fine acid mist round the wound: brightest at the core,
// sagging below it as it falls, broken into lumps so it never shows as a
// disc. Painted per pixel under the goo.
void acid_haze(Canvas& c, Pt origin, double reach, double strength, double sag, uint32_t seed) {
  Noise n(seed);
  struct Lump {
    double x, y, r, v;
  };
  std::vector<Lump> lumps;
  for (int i = 0; i < 6; ++i) {
    const double a = n.range(0, 2 * M_PI), d = reach * n.range(0.1, 0.5);
    lumps.push_back({origin.x + std::cos(a) * d, origin.y + std::sin(a) * d * 0.6 + d * sag, reach * n.range(0.1, 0.2),
                     n.range(0.3, 0.6)});
  }
  const int x0 = std::max(0, static_cast<int>(origin.x - reach)), x1 = std::min(c.width(), static_cast<int>(origin.x + reach));
  const int y0 = std::max(0, static_cast<int>(origin.y - reach * 0.8)),
            y1 = std::min(c.height(), static_cast<int>(origin.y + reach * 1.1));
  // The mist is soft, so it is worked out once for each 2 x 2 block.
  for (int y = y0; y < y1; y += 2)
    for (int x = x0; x < x1; x += 2) {
      const double cx = x + 0.5, cy = y + 0.5;
      const double dx = (cx - origin.x) / (reach * 0.22), dy = (cy - origin.y - reach * 0.1 * sag) / (reach * 0.17);
      double v = 0.6 * std::exp(-(dx * dx + dy * dy));
      for (const Lump& l : lumps) {
        const double lx = (cx - l.x) / l.r, ly = (cy - l.y) / l.r, q2 = lx * lx + ly * ly;
        if (q2 < 6) v += l.v * std::exp(-q2);
      }
      const double a = std::min(1.0, v) * strength;
      if (a < 0.004) continue;
      // White-hot where it is thickest, acid green at the fringe.
      const double hot = std::clamp(v - 0.7, 0.0, 1.0);
      const uint8_t px[4] = {static_cast<uint8_t>(std::lround(255 * (kGlow[0] + (1 - kGlow[0]) * hot * 0.4))),
                             static_cast<uint8_t>(255),
                             static_cast<uint8_t>(std::lround(255 * (kGlow[2] + (1 - kGlow[2]) * hot * 0.3))),
                             static_cast<uint8_t>(std::lround(255 * a))};
      for (int by = y; by < std::min(y + 2, y1); ++by)
        for (int bx = x; bx < std::min(x + 2, x1); ++bx) c.set_pixel(bx, by, px);
    }
}

// Fine spray flying off along falling arcs: streaks smeared back along
// each drop's flight and bright beads at their heads, translucent so the
// body shows through them.
void acid_streaks(cairo_t* cr, Pt origin, double reach, double scatter, uint32_t seed) {
  Noise n(seed);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const int count = 10 + static_cast<int>(6 * scatter);
  for (int i = 0; i < count; ++i) {
    const double side = i % 2 ? 1.0 : -1.0;
    const double a = -M_PI / 2 + side * n.range(0.5, 2.0);
    const double speed = reach * n.range(0.45, 1.0) * (0.85 + 0.3 * scatter);
    const double fall = reach * n.range(0.35, 0.75) * (0.7 + 0.6 * scatter);
    auto at = [&](double t) {
      return origin + Pt{std::cos(a) * speed * t, std::sin(a) * speed * t * 0.85 + fall * t * t};
    };
    const double head = std::min(1.0, n.range(0.55, 1.0) + 0.1 * scatter);
    const double tail = std::max(0.08, head - n.range(0.18, 0.4));
    const Pt h = at(head), t0 = at(tail);
    const double width = n.range(1.0, 2.0) * reach / 90;
    // The streak: a gradient from nothing at the tail to the head's glow.
    cairo_pattern_t* g = cairo_pattern_create_linear(t0.x, t0.y, h.x, h.y);
    cairo_pattern_add_color_stop_rgba(g, 0, kGlow[0], kGlow[1], kGlow[2], 0);
    cairo_pattern_add_color_stop_rgba(g, 1, kGlow[0], kGlow[1], kGlow[2], 0.6);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, t0.x, t0.y);
    for (int k = 1; k <= 6; ++k) {
      const Pt p = at(tail + (head - tail) * k / 6.0);
      cairo_line_to(cr, p.x, p.y);
    }
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
    // The bead at its head with a glint.
    cairo_set_source_rgba(cr, 0.86, 1.0, 0.55, 0.85);
    cairo_arc(cr, h.x, h.y, width * 1.05, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 1, 1, 0.92, 0.9);
    cairo_arc(cr, h.x - width * 0.25, h.y - width * 0.3, std::max(0.45, width * 0.35), 0, 2 * M_PI);
    cairo_fill(cr);
  }
  // A sprinkle of tiny droplets further out, mostly below: the spray's edge.
  const int specks = 26 + static_cast<int>(20 * scatter);
  for (int i = 0; i < specks; ++i) {
    const double a = n.range(-M_PI * 0.9, M_PI * 0.9) - M_PI / 2;
    const double d = reach * n.range(0.3, 1.0);
    const Pt p = origin + Pt{std::cos(a) * d, std::sin(a) * d * 0.75 + d * d / reach * 0.45};
    cairo_set_source_rgba(cr, kGlow[0], kGlow[1], kGlow[2], n.range(0.45, 0.85));
    cairo_arc(cr, p.x, p.y, n.range(0.5, 1.1) * reach / 90, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

}  // namespace

Bytes make_acid_blast(int frame) {
  // Frames 1 and 2 are the spurt over a fresh corpse, 3 and 4 the spray of
  // a dying creature; each second frame is a moment later, broken up
  // further and falling. Drawn over the body at its wound with alpha
  // blending: a haze of glowing mist brightest at the wound, fine spray
  // streaking away along falling arcs, and over them the torn knot of
  // lit, translucent goo with its drops and runs.
  static const int kW[5] = {0, 180, 220, 250, 290}, kH[5] = {0, 160, 200, 230, 268};
  const int w = kW[frame], h = kH[frame];
  Canvas c(w, h);
  const bool late = frame == 2 || frame == 4;
  const double reach = std::min(w, h) * (late ? 0.46 : 0.42);
  const Pt origin{w / 2.0, h * 0.42};
  const uint32_t seed = 0xB1A5u + static_cast<uint32_t>(frame) * 97u;
  const double haze = (frame <= 2 ? 0.28 : 0.36) * (late ? 0.7 : 1.0);
  acid_haze(c, origin, reach, haze, late ? 0.6 : 0.25, seed * 3);
  acid_streaks(c.cr(), origin, reach, late ? 0.9 : 0.3, seed * 5);
  paint::GooLook look;
  look.blur = 2.0;
  look.depth = 3.2;
  look.thin[0] = 0.78, look.thin[1] = 0.96, look.thin[2] = 0.42;
  look.deep[0] = 0.40, look.deep[1] = 0.58, look.deep[2] = 0.12;
  look.alpha_thin = 0.55;
  look.alpha_deep = 0.86;
  look.shine = 1.1;
  paint::acid_spray(c.cr(), origin, reach, seed, frame <= 2 ? 0.7 : 0.4, late ? 0.9 : 0.2, look);
  // Light from within the knot: the wound is where the spray is brightest.
  cairo_pattern_t* core = cairo_pattern_create_radial(origin.x, origin.y + reach * 0.06, 0, origin.x,
                                                      origin.y + reach * 0.06, reach * (late ? 0.14 : 0.2));
  cairo_pattern_add_color_stop_rgba(core, 0, 0.95, 1.0, 0.75, late ? 0.4 : 0.55);
  cairo_pattern_add_color_stop_rgba(core, 1, kGlow[0], kGlow[1], kGlow[2], 0);
  cairo_set_source(c.cr(), core);
  cairo_arc(c.cr(), origin.x, origin.y + reach * 0.06, reach * 0.2, 0, 2 * M_PI);
  cairo_fill(c.cr());
  cairo_pattern_destroy(core);
  return c.png_soft();
}

}  // namespace contentgen::roomart
