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
  // ages (to twice its size): the light of a round striking metal or
  // carapace. A white-hot pinpoint in a hot bloom that fills most of the
  // picture, a pair of long streaks across it and shorter uneven ones, and
  // sparks and hot fragments thrown out to the edge, fading with a cooling
  // tail. Everything fades to nothing before the picture's border, so the
  // square never shows; the soft edges are kept whole, so it glows into the
  // room instead of sitting on it.
  constexpr int kSize = 64;
  Canvas c(kSize, kSize);
  Noise n(0xB1A57u);
  const double cx = 31.5, cy = 31.5, edge = 31.0;
  struct Spike {
    double angle, length, width;
  };
  std::vector<Spike> spikes = {{0.35, 31, 1.5}, {0.35 + M_PI, 30, 1.5}};
  for (int i = 0; i < 6; ++i) spikes.push_back({n.range(0, 2 * M_PI), n.range(13, 26), n.range(0.9, 1.4)});
  struct Spark {
    double angle, from, to, bend;
  };
  std::vector<Spark> sparks;
  for (int i = 0; i < 12; ++i) {
    const double from = n.range(8, 17);
    sparks.push_back({n.range(0, 2 * M_PI), from, std::min(edge - 2, from + n.range(6, 14)), n.range(-0.012, 0.012)});
  }
  struct Fragment {
    double x, y, r;
  };
  std::vector<Fragment> fragments;
  for (int i = 0; i < 9; ++i) {
    const double a = n.range(0, 2 * M_PI), d = n.range(15, 27);
    fragments.push_back({cx + std::cos(a) * d, cy + std::sin(a) * d, n.range(0.6, 1.1)});
  }
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const double dx = x - cx, dy = y - cy, d = std::hypot(dx, dy);
      // Core, bloom and a wide faint halo.
      double e = 1.3 * std::exp(-d * d / 18.0) + 0.6 * std::exp(-d * d / 260.0) + 0.2 * std::exp(-d / 11.0);
      for (const Spike& s : spikes) {
        const double ux = std::cos(s.angle), uy = std::sin(s.angle);
        const double along = dx * ux + dy * uy, across = -dx * uy + dy * ux;
        if (along <= 0) continue;
        const double fade = std::max(0.0, 1 - along / s.length);
        e += 0.85 * fade * fade * std::exp(-across * across / (s.width * s.width * (0.4 + along * 0.06)));
      }
      // Sparks: bright heads at the far end, curving a little as they fly.
      for (const Spark& s : sparks) {
        const double ux = std::cos(s.angle), uy = std::sin(s.angle);
        const double along = dx * ux + dy * uy;
        const double across = -dx * uy + dy * ux - s.bend * along * along;
        if (along < s.from || along > s.to) continue;
        const double t = (along - s.from) / (s.to - s.from);
        e += 0.95 * (0.35 + 0.65 * t) * std::exp(-across * across / 0.3);
      }
      for (const Fragment& f : fragments) {
        const double q = std::hypot(x - f.x, y - f.y) / f.r;
        e += 0.9 * std::exp(-q * q);
      }
      // Nothing reaches the border.
      e *= std::clamp((edge - d) / 5.0, 0.0, 1.0);
      // Hot white in the middle, through pale gold to a deep amber edge.
      const double a = std::clamp(e, 0.0, 1.0);
      const double heat = std::clamp(e - 0.35, 0.0, 1.0);
      const double r = 1.0, g = 0.6 + 0.4 * heat, b = 0.26 + 0.74 * heat * heat;
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
