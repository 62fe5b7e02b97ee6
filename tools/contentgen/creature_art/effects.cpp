// The acid puddle a dead creature leaves on the deck, and the flash of a
// shot, modelled with the creatures' acid and light.
#include <algorithm>
#include <cmath>
#include <vector>

#include "creature_art/creature_brushes.h"
#include "pictures.h"

namespace contentgen::creatures {

Bytes acid_puddle() {
  // Drawn with its top at the floor line's 12 rows above, so the puddle
  // lies flat on the deck just in front of where the creature fell.
  Canvas c(144, 44);
  acid_pool(c.cr(), 72, 19, 56, 12.5, 0xAC1Du, 1);
  return c.png_soft();
}

Bytes shot_flash() {
  // Drawn centred on the shot point, rotated at random and growing as it
  // ages: the muzzle-bright burst of a round striking home. A white-hot
  // pinpoint, a hot bloom falling off smoothly to nothing, a few sharp
  // uneven spikes of light (the brightest pair across, like a lens sees a
  // point that bright), and sparks thrown out of it. Its soft edges are kept
  // whole, so it glows into the room instead of sitting on it.
  constexpr int kSize = 64;
  Canvas c(kSize, kSize);
  Noise n(0xB1A57u);
  const double cx = 31.5, cy = 31.5;
  struct Spike {
    double angle, length, width;
  };
  std::vector<Spike> spikes = {{0.35, 30, 1.3}, {0.35 + M_PI, 28, 1.3}};
  for (int i = 0; i < 5; ++i) spikes.push_back({n.range(0, 2 * M_PI), n.range(9, 19), n.range(0.8, 1.3)});
  struct Spark {
    double angle, from, to;
  };
  std::vector<Spark> sparks;
  for (int i = 0; i < 7; ++i) {
    const double from = n.range(9, 14);
    sparks.push_back({n.range(0, 2 * M_PI), from, from + n.range(4, 9)});
  }
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const double dx = x - cx, dy = y - cy, d = std::hypot(dx, dy);
      // Core and bloom.
      double e = 1.25 * std::exp(-d * d / 10.0) + 0.55 * std::exp(-d * d / 140.0) + 0.22 * std::exp(-d / 13.0);
      for (const Spike& s : spikes) {
        const double ux = std::cos(s.angle), uy = std::sin(s.angle);
        const double along = dx * ux + dy * uy, across = -dx * uy + dy * ux;
        if (along <= 0) continue;
        const double fade = std::max(0.0, 1 - along / s.length);
        e += 0.8 * fade * fade * std::exp(-across * across / (s.width * s.width * (0.4 + along * 0.06)));
      }
      for (const Spark& s : sparks) {
        const double ux = std::cos(s.angle), uy = std::sin(s.angle);
        const double along = dx * ux + dy * uy, across = -dx * uy + dy * ux;
        if (along < s.from || along > s.to) continue;
        const double t = (along - s.from) / (s.to - s.from);
        e += 0.9 * (1 - t) * std::exp(-across * across / 0.35);
      }
      // Hot white in the middle, through pale gold to a deep amber edge.
      const double a = std::clamp(e, 0.0, 1.0);
      const double heat = std::clamp(e - 0.35, 0.0, 1.0);
      const double r = 1.0, g = 0.62 + 0.38 * heat, b = 0.30 + 0.70 * heat * heat;
      const uint8_t px[4] = {static_cast<uint8_t>(std::lround(r * 255)), static_cast<uint8_t>(std::lround(g * 255)),
                             static_cast<uint8_t>(std::lround(b * 255)), static_cast<uint8_t>(std::lround(a * 255))};
      c.set_pixel(x, y, px);
    }
  return c.png_soft();
}

const std::vector<Picture>& effect_pictures() {
  static const std::vector<Picture> list = {{"data\\gfx\\acid_1.png", [] { return acid_puddle(); }},
                                            {"data\\gfx\\blast.png", [] { return shot_flash(); }}};
  return list;
}

}  // namespace contentgen::creatures
