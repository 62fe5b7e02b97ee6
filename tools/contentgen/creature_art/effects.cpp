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
  acid_pool(c.cr(), 72, 19, 56, 9.5, 0xAC1Du, 1);
  return c.png_soft();
}

Bytes shot_flash() {
  // Drawn centred on the shot point, rotated at random, at twice its size
  // on the shot's first frame and shrinking to nothing over ten: the hit of
  // a round on carapace or metal. A broad white-hot core that swallows the
  // point of impact, a hot bloom, a pair of long streaks across it and
  // shorter uneven ones, sparks and hot fragments thrown out to the edge
  // with cooling tails, all over a ragged puff of dark smoke and grit that
  // gives the light an edge to burn against in a bright room. Everything
  // fades to nothing before the picture's border, so the square never
  // shows.
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
  struct Puff {
    double x, y, r;
  };
  std::vector<Puff> smoke;
  for (int i = 0; i < 16; ++i) {
    const double a = n.range(0, 2 * M_PI), d = n.range(11, 22);
    smoke.push_back({cx + std::cos(a) * d, cy + std::sin(a) * d, n.range(4.5, 8.5)});
  }
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const double dx = x - cx, dy = y - cy, d = std::hypot(dx, dy);
      // Core, bloom and a wide faint halo.
      double e = 1.6 * std::exp(-d * d / 40.0) + 0.7 * std::exp(-d * d / 220.0) + 0.2 * std::exp(-d / 11.0);
      for (const Spike& s : spikes) {
        const double ux = std::cos(s.angle), uy = std::sin(s.angle);
        const double along = dx * ux + dy * uy, across = -dx * uy + dy * ux;
        if (along <= 0) continue;
        const double fade = std::max(0.0, 1 - along / s.length);
        e += 1.1 * fade * fade * std::exp(-across * across / (s.width * s.width * (0.4 + along * 0.06)));
      }
      // Sparks: bright heads at the far end, curving a little as they fly.
      for (const Spark& s : sparks) {
        const double ux = std::cos(s.angle), uy = std::sin(s.angle);
        const double along = dx * ux + dy * uy;
        const double across = -dx * uy + dy * ux - s.bend * along * along;
        if (along < s.from || along > s.to) continue;
        const double t = (along - s.from) / (s.to - s.from);
        e += 1.5 * (0.4 + 0.6 * t) * std::exp(-across * across / 0.3);
      }
      for (const Fragment& f : fragments) {
        const double q = std::hypot(x - f.x, y - f.y) / f.r;
        e += 1.2 * std::exp(-q * q);
      }
      // The smoke: lumpy, densest in a ring round the core.
      double s = 0;
      for (const Puff& p : smoke) {
        const double q = std::hypot(x - p.x, y - p.y) / p.r;
        s += 0.34 * std::exp(-q * q);
      }
      // Nothing reaches the border.
      const double border = std::clamp((edge - d) / 5.0, 0.0, 1.0);
      e *= border;
      const double sa = std::clamp(s, 0.0, 0.55) * border;
      // Hot white in the middle, through pale gold to a deep amber edge,
      // laid over the smoke's grey-brown.
      const double a = std::clamp(e, 0.0, 1.0);
      const double heat = std::clamp(e - 0.3, 0.0, 1.0);
      const double lr = 1.0, lg = 0.6 + 0.4 * heat, lb = 0.26 + 0.74 * heat * heat;
      const double out_a = a + sa * (1 - a);
      auto mix = [&](double light, double smoke_c) {
        return out_a > 0 ? (light * a + smoke_c * sa * (1 - a)) / out_a : 0.0;
      };
      const uint8_t px[4] = {static_cast<uint8_t>(std::lround(mix(lr, 0.27) * 255)),
                             static_cast<uint8_t>(std::lround(mix(lg, 0.25) * 255)),
                             static_cast<uint8_t>(std::lround(mix(lb, 0.23) * 255)),
                             static_cast<uint8_t>(std::lround(out_a * 255))};
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
