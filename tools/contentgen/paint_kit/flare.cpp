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

inline double mix(double a, double b, double t) { return a + (b - a) * t; }

// One tongue of fire thrown out of the blast: a leaf broad near its root,
// swelling a little and then tapering to a point, bending slightly as it
// licks outward. Lengths and widths are fractions of the radius.
struct Petal {
  double ux, uy, length, width, bend;
};

// A spark thrown out with motion: a bright head and a tail smeared back
// toward the strike, curving a little as it flies.
struct Spark {
  double ux, uy, from, to, width, bend;
};

// One hot fragment.
struct Blob {
  double x, y, r, v;
};

// Energy to colour: deep orange at the faint fringe, through orange and
// yellow to white where the light is densest.
void heat_colour(double heat, double& r, double& g, double& b) {
  r = 1.0;
  g = mix(0.36, 0.62, smooth(0.0, 0.3, heat));
  g = mix(g, 0.9, smooth(0.25, 0.6, heat));
  g = mix(g, 1.0, smooth(0.6, 0.95, heat));
  b = mix(0.04, 0.18, smooth(0.2, 0.55, heat));
  b = mix(b, 0.62, smooth(0.55, 0.85, heat));
  b = mix(b, 1.0, smooth(0.82, 1.0, heat));
}

}  // namespace

void impact_flare(Canvas& c, uint32_t seed) {
  const int size = std::min(c.width(), c.height());
  const double centre = size / 2.0, radius = size / 2.0 - 1.5;
  Noise n(seed);

  // Six tongues of fire at uneven angles, long and short in turn and each
  // opposite pair unequal, so the blast has a direction and a shape at
  // every size it is drawn, not a round blob or an even star.
  const double main_angle = n.range(0, 2 * M_PI);
  constexpr double kPetalAngles[6] = {0.0, 1.02, 2.12, 3.2, 4.2, 5.25};
  constexpr double kPetalLengths[6] = {0.97, 0.6, 0.84, 0.7, 0.9, 0.56};
  constexpr double kPetalWidths[6] = {0.2, 0.14, 0.18, 0.15, 0.19, 0.13};
  std::vector<Petal> petals;
  for (int i = 0; i < 6; ++i) {
    const double a = main_angle + kPetalAngles[i] + n.range(-0.1, 0.1);
    petals.push_back({std::cos(a), std::sin(a), kPetalLengths[i] * n.range(0.95, 1.03), kPetalWidths[i] * n.range(0.9, 1.1),
                      n.range(-0.12, 0.12)});
  }
  // Sparks between and beyond the tongues.
  std::vector<Spark> sparks;
  for (int i = 0; i < 9; ++i) {
    const double a = main_angle + (i + 0.5) * 2 * M_PI / 9 + n.range(-0.25, 0.25);
    const double from = n.range(0.5, 0.7);
    const double to = std::min(0.93, from + n.range(0.12, 0.22));
    sparks.push_back({std::cos(a), std::sin(a), from, to, n.range(0.5, 0.7), n.range(-0.25, 0.25)});
  }
  std::vector<Blob> fragments;
  for (int i = 0; i < 4; ++i) {
    const double a = n.range(0, 2 * M_PI), d = n.range(0.55, 0.82) * radius;
    fragments.push_back({centre + std::cos(a) * d, centre + std::sin(a) * d, n.range(0.55, 0.9), n.range(1.1, 1.6)});
  }
  // The bloom is lumpy, not a perfect disc.
  double lump_ph[3];
  for (double& p : lump_ph) p = n.range(0, 2 * M_PI);

  // Light of one point: its energy (how opaque) and its heat (how white).
  struct Light {
    double e, hot;
  };
  auto light_at = [&](double px, double py) {
    const double dx = (px - centre) / radius, dy = (py - centre) / radius, u = std::hypot(dx, dy);
    const double ang = std::atan2(dy, dx);
    const double lump = 1 + 0.06 * std::cos(ang - main_angle) + 0.12 * std::sin(3 * ang + lump_ph[0]) +
                        0.08 * std::sin(5 * ang + lump_ph[1]) + 0.05 * std::sin(7 * ang + lump_ph[2]);
    const double ub = u / lump;
    // A broad white-hot core burning solid, a dense yellow glow round it
    // and a wide orange bloom filling most of the picture.
    const double core = 3.0 * smooth(0.38, 0.17, ub);
    const double glow = 1.1 * std::exp(-(ub / 0.42) * (ub / 0.42));
    const double bloom = 0.62 * std::exp(-std::pow(ub / 0.7, 2.4));
    double e = core + glow + bloom;
    double hot = core + 0.8 * glow;
    for (const Petal& p : petals) {
      const double along = dx * p.ux + dy * p.uy;
      if (along <= 0 || along > p.length + 0.05) continue;
      const double t = along / p.length;
      const double across = -dx * p.uy + dy * p.ux - p.bend * t * t;
      // Broad at the root, fullest a third of the way out, a sharp tip.
      const double half = p.width * (0.6 + 0.55 * std::sin(M_PI * std::min(t, 1.0) * 0.85)) * std::pow(std::max(0.0, 1 - t), 0.7);
      if (half <= 0) continue;
      const double q = std::abs(across) / half;
      if (q > 1.3) continue;
      const double body = smooth(1.15, 0.55, q);
      // Dense and hot along its middle and at its root, cooling outward.
      const double rib = std::exp(-q * q * 5) * (1 - t);
      e += body * (1.05 - 0.55 * t) + 0.7 * rib;
      hot += body * 1.3 * (1 - t) + 1.3 * rib;
    }
    for (const Spark& s : sparks) {
      const double along = dx * s.ux + dy * s.uy;
      if (along < s.from - 0.04 || along > s.to + 0.04) continue;
      const double across = (-dx * s.uy + dy * s.ux - s.bend * (along - s.from) * (along - s.from)) * radius;
      const double t = std::clamp((along - s.from) / (s.to - s.from), 0.0, 1.0);
      const double ends = smooth(s.from - 0.03, s.from + 0.01, along) * smooth(s.to + 0.03, s.to - 0.01, along);
      const double v = (0.3 + 1.5 * t * t) * ends * std::exp(-across * across / (s.width * s.width));
      e += v, hot += 0.9 * v;
    }
    for (const Blob& f : fragments) {
      const double fx = (px - f.x) / f.r, fy = (py - f.y) / f.r, q2 = fx * fx + fy * fy;
      if (q2 < 9) e += f.v * std::exp(-q2), hot += 0.8 * f.v * std::exp(-q2);
    }
    // Nothing reaches the border, so the square never shows.
    const double fade = smooth(1.0, 0.86, u);
    return Light{e * fade, hot};
  };

  // Whether a pixel lies beside a petal's edge, a spark or a fragment: only
  // there do the thin shapes need more than one sample.
  auto sharp_at = [&](double px, double py) {
    const double dx = (px - centre) / radius, dy = (py - centre) / radius;
    if (dx * dx + dy * dy < 0.2 * 0.2) return false;  // the core burns solid white
    for (const Petal& p : petals) {
      const double along = dx * p.ux + dy * p.uy;
      if (along > 0 && along < p.length + 0.1 && std::abs(-dx * p.uy + dy * p.ux) < p.width * 1.6 + 0.05) return true;
    }
    for (const Spark& s : sparks) {
      const double along = dx * s.ux + dy * s.uy;
      if (along < s.from - 0.08 || along > s.to + 0.08) continue;
      const double across = (-dx * s.uy + dy * s.ux - s.bend * (along - s.from) * (along - s.from)) * radius;
      if (std::abs(across) < 2 * s.width + 0.75) return true;
    }
    for (const Blob& f : fragments)
      if (std::hypot(px - f.x, py - f.y) < 3 * f.r + 1) return true;
    return false;
  };

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
      const int samples = sharp ? 4 : 1;
      for (int k = 0; k < samples; ++k) {
        const Light l = sharp ? light_at(x + kOffsets[k][0], y + kOffsets[k][1]) : light_at(x + 0.5, y + 0.5);
        const double a = std::clamp(l.e * 1.3, 0.0, 1.0);
        double r, g, b;
        heat_colour(std::clamp(l.hot / 2.0, 0.0, 1.0), r, g, b);
        lr += a * r, lg += a * g, lb += a * b, la += a;
      }
      const double out_a = la / samples;
      auto channel = [&](double sum) { return la > 0 ? sum / la : 0.0; };
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
