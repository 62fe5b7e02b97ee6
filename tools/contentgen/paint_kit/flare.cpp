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
};

// One blob of smoke or one hot fragment.
struct Blob {
  double x, y, r, v;
};

}  // namespace

void impact_flare(Canvas& c, uint32_t seed) {
  const int size = std::min(c.width(), c.height());
  const double centre = size / 2.0, radius = size / 2.0 - 1.5;
  Noise n(seed);

  // Long streaks of the strike itself: two long ones not quite in line and
  // shorter uneven ones between them.
  std::vector<Streak> streaks;
  const double main_angle = n.range(0, 2 * M_PI);
  for (int i = 0; i < 6; ++i) {
    const double a = i < 2 ? main_angle + i * (M_PI + n.range(-0.25, 0.25)) : n.range(0, 2 * M_PI);
    const double len = i < 2 ? n.range(0.88, 0.97) : n.range(0.42, 0.72);
    streaks.push_back({std::cos(a), std::sin(a), 0.1, len, i < 2 ? 1.9 : n.range(1.1, 1.5), i < 2 ? 1.5 : 1.2, 0, false});
  }
  // Sparks thrown out with motion: a bright head and a tail smeared back
  // toward the strike, curving a little as they fly.
  for (int i = 0; i < 20; ++i) {
    const double a = n.range(0, 2 * M_PI), from = n.range(0.3, 0.66);
    const double to = std::min(0.93, from + n.range(0.12, 0.3));
    streaks.push_back({std::cos(a), std::sin(a), from, to, n.range(0.5, 0.75), n.range(1.1, 1.6), n.range(-0.5, 0.5), true});
  }
  // Hot fragments further out, and lumps of soot in a broken ring.
  std::vector<Blob> fragments, smoke;
  for (int i = 0; i < 10; ++i) {
    const double a = n.range(0, 2 * M_PI), d = n.range(0.5, 0.88) * radius;
    fragments.push_back({centre + std::cos(a) * d, centre + std::sin(a) * d, n.range(0.55, 1.0), n.range(0.8, 1.3)});
  }
  for (int i = 0; i < 18; ++i) {
    const double a = n.range(0, 2 * M_PI), d = n.range(0.45, 0.75) * radius;
    smoke.push_back({centre + std::cos(a) * d, centre + std::sin(a) * d, n.range(0.12, 0.22) * radius, n.range(0.2, 0.34)});
  }
  // The pressure ring: broken into arcs by a few harmonics of the angle.
  double ring_ph[3];
  for (double& p : ring_ph) p = n.range(0, 2 * M_PI);

  // Light and smoke of one point, in radius units from the centre.
  auto light_at = [&](double px, double py) {
    const double dx = (px - centre) / radius, dy = (py - centre) / radius, u = std::hypot(dx, dy);
    double e = 1.4 * smooth(0.3, 0.1, u) + 1.0 * std::exp(-(u / 0.4) * (u / 0.4)) + 0.4 * std::exp(-u / 0.3);
    for (const Streak& s : streaks) {
      double along = dx * s.ux + dy * s.uy;
      if (along < s.from - 0.05 || along > s.to + 0.05) continue;
      const double across = (-dx * s.uy + dy * s.ux - s.bend * (along - s.from) * (along - s.from)) * radius;
      const double t = std::clamp((along - s.from) / (s.to - s.from), 0.0, 1.0);
      const double width = s.head_bright ? s.width : s.width * (1 - 0.6 * t);
      const double strength = s.head_bright ? 0.25 + 0.75 * t * t : 1 - t * t;
      const double ends = smooth(s.from - 0.04, s.from + 0.01, along) * smooth(s.to + 0.03, s.to - 0.01, along);
      e += s.glow * strength * ends * std::exp(-across * across / (width * width));
    }
    for (const Blob& f : fragments) {
      const double fx = (px - f.x) / f.r, fy = (py - f.y) / f.r, q2 = fx * fx + fy * fy;
      if (q2 < 9) e += f.v * std::exp(-q2);
    }
    const double ang = std::atan2(dy, dx);
    const double arcs = std::clamp(0.1 + 0.7 * std::sin(3 * ang + ring_ph[0]) + 0.4 * std::sin(5 * ang + ring_ph[1]) +
                                       0.3 * std::sin(8 * ang + ring_ph[2]),
                                   0.0, 1.0);
    const double ring = (u - 0.74) / 0.045;
    e += 0.3 * arcs * std::exp(-ring * ring);
    // Nothing reaches the border, so the square never shows.
    const double border = smooth(1.0, 0.86, u);
    return e * border;
  };
  // The smoke is soft, so one sample a pixel does.
  auto smoke_at = [&](double px, double py) {
    double s = 0;
    for (const Blob& b : smoke) {
      const double bx = (px - b.x) / b.r, by = (py - b.y) / b.r, q2 = bx * bx + by * by;
      if (q2 < 6) s += b.v * std::exp(-q2);
    }
    const double u = std::hypot(px - centre, py - centre) / radius;
    return std::min(s, 0.42) * smooth(1.0, 0.86, u);
  };

  // Four samples a pixel keep the thin sparks from breaking into dots.
  constexpr double kOffsets[4][2] = {{0.25, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.75, 0.75}};
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      double lr = 0, lg = 0, lb = 0, la = 0;
      if (std::hypot(x + 0.5 - centre, y + 0.5 - centre) > radius + 1) {
        const uint8_t clear[4] = {0, 0, 0, 0};
        c.set_pixel(x, y, clear);
        continue;
      }
      for (const auto& o : kOffsets) {
        const double e = light_at(x + o[0], y + o[1]);
        // White at the core, through pale yellow to orange at the fringe.
        const double a = std::clamp(e * 1.2, 0.0, 1.0);
        const double heat = std::clamp(e / 1.3, 0.0, 1.0);
        lr += a;
        lg += a * (0.52 + 0.48 * smooth(0.05, 0.85, heat));
        lb += a * (0.2 + 0.75 * smooth(0.25, 1.0, heat));
        la += a;
      }
      la /= 4;
      const double sa = smoke_at(x + 0.5, y + 0.5);
      // The light over the smoke's dark brown-grey.
      const double out_a = la + sa * (1 - la);
      auto channel = [&](double light_sum, double soot) {
        return out_a > 0 ? (light_sum / 4 + soot * sa * (1 - la)) / out_a : 0.0;
      };
      const uint8_t px[4] = {static_cast<uint8_t>(std::lround(std::clamp(channel(lr, 0.17), 0.0, 1.0) * 255)),
                             static_cast<uint8_t>(std::lround(std::clamp(channel(lg, 0.14), 0.0, 1.0) * 255)),
                             static_cast<uint8_t>(std::lround(std::clamp(channel(lb, 0.12), 0.0, 1.0) * 255)),
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
