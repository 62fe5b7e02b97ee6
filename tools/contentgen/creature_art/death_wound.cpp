#include "creature_art/death_wound.h"

#include <algorithm>
#include <cmath>

#include "paint_kit/acid.h"
#include "paint_kit/acid_wound.h"
#include "paint_kit/canvas.h"

namespace contentgen::creatures {

using paint::Pt;

void death_wound(cairo_t* cr, Pt at, double r, uint32_t seed, double stage, double floor_y) {
  stage = std::clamp(stage, 0.0, 1.0);
  // The hole: a third of its final size at the hit, eaten wider each frame.
  const double hole = r * (0.38 + 0.62 * std::sqrt(stage));
  if (stage <= 0) {
    // The entry burst: the spurt thrown out of a fresh, small hole.
    paint::acid_splash(cr, at, r * 3.2, seed, 0.8);
    paint::acid_wound(cr, at, hole, seed, 1.0);
    return;
  }
  // Runs down the body first, so the hole's lip sits over their tops; they
  // lengthen frame by frame until the last ones reach the floor.
  const double lip = at.y + hole * 0.8;
  const double room = std::max(0.0, floor_y - lip - 2);
  const double length = std::min(room, r * (1.4 + 5.0 * stage) + room * stage * stage);
  if (length > r * 0.5)
    paint::acid_runs(cr, {at.x, lip}, hole * 0.9, length, 3 + static_cast<int>(3 * stage),
                     std::max(2.0, r * (0.13 + 0.07 * stage)), seed * 7 + 5);
  // Pits opening round the hole as the acid spreads under the plate: more
  // of them and further out as it goes on, each a small hole of its own.
  Noise rng(seed * 13 + 1);
  const int pits = 1 + static_cast<int>(5 * stage);
  for (int i = 0; i < pits; ++i) {
    const double a = rng.range(0, 2 * M_PI);
    const double d = hole * rng.range(0.9, 1.25 + 0.5 * stage);
    const double pr = hole * rng.range(0.2, 0.38);
    paint::acid_wound(cr, {at.x + std::cos(a) * d, at.y + std::sin(a) * d * 0.8}, pr, seed * 17 + i, 0.3);
  }
  // The main hole over them, still smoking hard.
  paint::acid_wound(cr, at, hole, seed, 0.8 + 0.4 * stage);
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
