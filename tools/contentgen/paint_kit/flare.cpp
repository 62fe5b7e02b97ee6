#include "paint_kit/flare.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace contentgen::paint {

namespace {

inline double smooth(double a, double b, double v) {
  const double t = std::clamp((v - a) / (b - a), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// A straight streak from the centre outward, or a spark's flight: a line
// segment along `angle` from `from` to `to` (fractions of the radius),
// bright at the head (the far end) and fading back along its tail.
struct Streak {
  double ux, uy, from, to, width, glow, bend;
  bool head_bright;
  bool wedge;  // a spike of the star: broad at the root, tapering to its tip
};

// One hot fragment.
struct Blob {
  double x, y, r, v;
};

}  // namespace

void impact_flare(Canvas& c, uint32_t seed) {
  const int size = std::min(c.width(), c.height());
  const double centre = size / 2.0, radius = size / 2.0 - 1.5;
  Noise n(seed);

  // The star of the blast: five spikes at uneven angles and of plainly
  // different lengths, each a wedge broad at the core and tapering to a
  // sharp tip, so the flash has a shape at every size it is drawn.
  std::vector<Streak> streaks;
  const double main_angle = n.range(0, 2 * M_PI);
  constexpr double kSpikeAngles[5] = {0.0, 1.05, 2.5, 3.55, 4.95};
  constexpr double kSpikeLengths[5] = {0.96, 0.5, 0.74, 0.4, 0.62};
  for (int i = 0; i < 5; ++i) {
    const double a = main_angle + kSpikeAngles[i] + n.range(-0.12, 0.12);
    const double len = kSpikeLengths[i] * n.range(0.94, 1.04);
    streaks.push_back({std::cos(a), std::sin(a), 0.0, len, n.range(1.8, 2.3), i == 0 ? 1.3 : 1.1, 0, false, true});
  }
  // A few sparks thrown out with motion: short bright heads with tails
  // smeared back toward the strike, curving a little as they fly.
  for (int i = 0; i < 7; ++i) {
    const double a = main_angle + n.range(-1.6, 1.6) + (i % 3 == 2 ? M_PI : 0);
    const double from = n.range(0.42, 0.7);
    const double to = std::min(0.9, from + n.range(0.08, 0.16));
    streaks.push_back({std::cos(a), std::sin(a), from, to, n.range(0.5, 0.7), n.range(1.5, 1.9), n.range(-0.6, 0.6), true, false});
  }
  // Hot fragments further out.
  std::vector<Blob> fragments;
  for (int i = 0; i < 3; ++i) {
    const double a = n.range(0, 2 * M_PI), d = n.range(0.5, 0.8) * radius;
    fragments.push_back({centre + std::cos(a) * d, centre + std::sin(a) * d, n.range(0.5, 0.85), n.range(1.0, 1.5)});
  }
  // The bloom is lumpy, not a perfect disc: a few harmonics of the angle
  // and a slight lean along the main spike (slight, so the flash stays
  // centred on the shot point as it turns).
  double lump_ph[3];
  for (double& p : lump_ph) p = n.range(0, 2 * M_PI);

  // Light of one point, in radius units from the centre: a broad white-hot
  // core, a wide orange bloom round it, the spikes, sparks and fragments.
  auto light_at = [&](double px, double py) {
    const double dx = (px - centre) / radius, dy = (py - centre) / radius, u = std::hypot(dx, dy);
    const double ang = std::atan2(dy, dx);
    const double lump = 1 + 0.07 * std::cos(ang - main_angle) + 0.16 * std::sin(3 * ang + lump_ph[0]) +
                        0.1 * std::sin(5 * ang + lump_ph[1]) + 0.06 * std::sin(8 * ang + lump_ph[2]);
    const double ub = u / lump;
    // A white-hot core burning solid, a hot yellow ring round it and a
    // wide warm orange corona falling away.
    double e = 2.4 * smooth(0.34, 0.14, ub) + 0.8 * std::exp(-(ub / 0.32) * (ub / 0.32)) + 0.7 * std::exp(-(ub / 0.54) * (ub / 0.54));
    for (const Streak& s : streaks) {
      double along = dx * s.ux + dy * s.uy;
      if (along < s.from - 0.05 || along > s.to + 0.05) continue;
      const double across = (-dx * s.uy + dy * s.ux - s.bend * (along - s.from) * (along - s.from)) * radius;
      const double t = std::clamp((along - s.from) / (s.to - s.from), 0.0, 1.0);
      const double width = s.wedge ? s.width * std::pow(1 - t, 0.9) + 0.45 : s.head_bright ? s.width : s.width * (1 - 0.7 * t);
      const double strength = s.head_bright ? 0.25 + 0.75 * t * t : s.wedge ? 1 - t : 1 - t * t * t;
      const double ends = smooth(s.from - 0.04, s.from + 0.01, along) * smooth(s.to + 0.03, s.to - 0.01, along);
      e += s.glow * strength * ends * std::exp(-across * across / (width * width));
    }
    for (const Blob& f : fragments) {
      const double fx = (px - f.x) / f.r, fy = (py - f.y) / f.r, q2 = fx * fx + fy * fy;
      if (q2 < 9) e += f.v * std::exp(-q2);
    }
    // Nothing reaches the border, so the square never shows.
    return e * smooth(1.0, 0.88, u);
  };

  // Whether a pixel lies on or beside a spike, spark or fragment: only
  // there do the thin shapes need more than one sample.
  auto sharp_at = [&](double px, double py) {
    const double dx = (px - centre) / radius, dy = (py - centre) / radius;
    if (dx * dx + dy * dy < 0.16 * 0.16) return false;  // the core burns solid white
    for (const Streak& s : streaks) {
      const double along = dx * s.ux + dy * s.uy;
      if (along < s.from - 0.08 || along > s.to + 0.08) continue;
      const double across = (-dx * s.uy + dy * s.ux - s.bend * (along - s.from) * (along - s.from)) * radius;
      if (std::abs(across) < 2 * s.width + 0.75) return true;
    }
    for (const Blob& f : fragments)
      if (std::hypot(px - f.x, py - f.y) < 3 * f.r + 1) return true;
    return false;
  };

  // Four samples a pixel keep the thin spikes and sparks from breaking into
  // dots; the soft bloom and the white core take one.
  constexpr double kOffsets[4][2] = {{0.25, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.75, 0.75}};
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      if (std::hypot(x + 0.5 - centre, y + 0.5 - centre) > radius + 1) {
        const uint8_t clear[4] = {0, 0, 0, 0};
        c.set_pixel(x, y, clear);
        continue;
      }
      double lr = 0, lg = 0, lb = 0, la = 0;
      const bool sharp = sharp_at(x + 0.5, y + 0.5);
      for (const auto& o : kOffsets) {
        const double e = sharp ? light_at(x + o[0], y + o[1]) : light_at(x + 0.5, y + 0.5);
        // White at the core, through yellow to a deep orange at the fringe:
        // the faint bloom is the most coloured.
        const double a = std::clamp(e * 1.25, 0.0, 1.0);
        const double heat = std::clamp(e / 1.4, 0.0, 1.0);
        lr += a;
        lg += a * (0.34 + 0.66 * smooth(0.06, 0.85, heat));
        lb += a * (0.06 + 0.9 * smooth(0.3, 1.0, heat));
        la += a;
        if (!sharp) {
          lr *= 4, lg *= 4, lb *= 4, la *= 4;
          break;
        }
      }
      const double out_a = la / 4;
      auto channel = [&](double sum) { return out_a > 0 ? sum / 4 / out_a : 0.0; };
      const uint8_t px[4] = {static_cast<uint8_t>(std::lround(std::clamp(channel(lr), 0.0, 1.0) * 255)),
                             static_cast<uint8_t>(std::lround(std::clamp(channel(lg), 0.0, 1.0) * 255)),
                             static_cast<uint8_t>(std::lround(std::clamp(channel(lb), 0.0, 1.0) * 255)),
                             static_cast<uint8_t>(std::lround(out_a * 255))};
      c.set_pixel(x, y, px);
    }
}

const Bytes& shot_flare_png() {
  static const Bytes bytes = [] {
    Canvas c(64, 64);
    impact_flare(c, 0xB1A57u);
    return c.png_soft();
  }();
  return bytes;
}

}  // namespace contentgen::paint
