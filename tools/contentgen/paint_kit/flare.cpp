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

// Smooth value noise on an integer lattice, hashed from the seed, and its
// fractal sum: the turbulence that shapes the fire.
struct Turbulence {
  uint32_t seed;
  double lattice(int x, int y) const {
    uint32_t h = seed ^ (static_cast<uint32_t>(x) * 0x8DA6B343u) ^ (static_cast<uint32_t>(y) * 0xD8163841u);
    h ^= h >> 13, h *= 0x5BD1E995u, h ^= h >> 15, h *= 0x27D4EB2Du, h ^= h >> 16;
    return h / 4294967296.0;
  }
  double value(double x, double y) const {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx), ty = ty * ty * (3 - 2 * ty);
    return mix(mix(lattice(ix, iy), lattice(ix + 1, iy), tx), mix(lattice(ix, iy + 1), lattice(ix + 1, iy + 1), tx), ty);
  }
  // Five octaves, each a little turned so the lattice never lines up.
  double fbm(double x, double y) const {
    double sum = 0, amp = 0.5, norm = 0;
    for (int o = 0; o < 5; ++o) {
      sum += amp * value(x, y), norm += amp;
      const double nx = 1.62 * x + 1.21 * y + 17.3, ny = -1.21 * x + 1.62 * y + 5.9;
      x = nx, y = ny, amp *= 0.52;
    }
    return sum / norm;
  }
};

// A spark flung from the strike: a hot head and a tail smeared back along
// its path by its speed, curving a little as it flies.
struct Spark {
  double ux, uy, from, to, width, bend, heat;
};

// Temperature to emitted colour: deep smoky red at the cool rim, through
// orange and yellow to white in the hottest gas.
void fire_colour(double t, double& r, double& g, double& b) {
  r = mix(0.42, 1.0, smooth(0.0, 0.32, t));
  g = mix(0.06, 0.42, smooth(0.12, 0.42, t));
  g = mix(g, 0.8, smooth(0.4, 0.66, t));
  g = mix(g, 1.0, smooth(0.66, 0.9, t));
  b = mix(0.02, 0.08, smooth(0.3, 0.6, t));
  b = mix(b, 0.5, smooth(0.68, 0.86, t));
  b = mix(b, 0.95, smooth(0.84, 1.0, t));
}

}  // namespace

void impact_flare(Canvas& c, uint32_t seed) {
  const int size = std::min(c.width(), c.height());
  const double centre = size / 2.0, radius = size / 2.0 - 1.5;
  Noise n(seed);
  const Turbulence shape{seed * 2654435761u + 1}, heat{seed * 2246822519u + 7}, warp{seed * 3266489917u + 3};
  // The ball is thrown a little one way, as fire is by the round that lit it.
  const double lean = n.range(0, 2 * M_PI), lean_x = std::cos(lean) * 0.08, lean_y = std::sin(lean) * 0.08;

  std::vector<Spark> sparks;
  // A handful at scattered angles and distances, long and short: a few
  // bright streaks rather than a ring of spokes.
  constexpr double spark_angles[5] = {0.3, 1.5, 2.3, 3.9, 5.1};
  for (double base : spark_angles) {
    const double a = lean + base + n.range(-0.25, 0.25);
    const double from = n.range(0.5, 0.68);
    sparks.push_back({std::cos(a), std::sin(a), from, std::min(0.93, from + n.range(0.14, 0.28)), n.range(0.55, 0.8),
                      n.range(-0.5, 0.5), n.range(0.8, 1.2)});
  }

  // Light at one point: premultiplied emitted colour and coverage.
  struct Light {
    double r, g, b, a;
  };
  auto light_at = [&](double px, double py) {
    const double dx = (px - centre) / radius - lean_x, dy = (py - centre) / radius - lean_y;
    const double u = std::hypot(dx + lean_x, dy + lean_y);
    // Domain-warped turbulence bends the outline into billows and
    // tongues of no fixed count or spacing.
    const double wx = warp.fbm(dx * 2.3 + 3.1, dy * 2.3 - 1.7) - 0.5, wy = warp.fbm(dx * 2.3 - 4.2, dy * 2.3 + 2.6) - 0.5;
    const double billow = shape.fbm(dx * 3.4 + wx * 1.6, dy * 3.4 + wy * 1.6);
    const double r = std::hypot(dx, dy);
    // Density: solid in the middle, thinning outward, the turbulence
    // pushing lobes of flame out and biting cool pockets in.
    const double density = 1.1 - r / 0.78 + 1.3 * (billow - 0.5);
    double a = smooth(0.0, 0.32, density);
    // Temperature: hottest in the dense heart, cooled in the billows'
    // folds, so the ball shows round, lit-from-within volumes.
    const double fold = heat.fbm(dx * 5.5 + wx * 2.2 + 9.0, dy * 5.5 + wy * 2.2);
    double t = 0.18 + 0.8 * density + 0.5 * (fold - 0.5) + 0.9 * smooth(0.47, 0.08, r);
    t = std::clamp(t, 0.0, 1.0);
    double cr, cg, cb;
    fire_colour(t, cr, cg, cb);
    // The cool rim darkens toward smoke: soot-brown wisps curling off the
    // fire where the turbulence carries it past the flame.
    const double soot = smooth(0.35, 0.0, density);
    const double wisp = smooth(0.5, 0.72, shape.fbm(dx * 4.2 - wy * 3.0 + 30, dy * 4.2 + wx * 3.0)) *
                        smooth(-0.55, -0.15, density) * smooth(0.0, -0.05, density);
    const double smoke_a = 0.42 * wisp;
    cr = mix(cr, 0.2, soot * 0.55), cg = mix(cg, 0.07, soot * 0.55), cb = mix(cb, 0.04, soot * 0.55);
    Light l{cr * a, cg * a, cb * a, a};
    if (smoke_a > 0) {
      const double k = smoke_a * (1 - l.a);
      l.r += 0.2 * k, l.g += 0.13 * k, l.b += 0.1 * k, l.a += k;
    }
    // Sparks, additive: their light lies over both fire and air.
    for (const Spark& s : sparks) {
      const double along = (dx + lean_x) * s.ux + (dy + lean_y) * s.uy;
      if (along < s.from - 0.05 || along > s.to + 0.05) continue;
      const double side = -(dx + lean_x) * s.uy + (dy + lean_y) * s.ux - s.bend * (along - s.from) * (along - s.from);
      const double across = side * radius;
      const double q = std::clamp((along - s.from) / (s.to - s.from), 0.0, 1.0);
      // The tail widens and fades back toward the strike; the head is a
      // bright point with a soft end.
      const double w = s.width * (1.6 - 0.7 * q);
      const double ends = smooth(s.from - 0.04, s.from + 0.08, along) * smooth(s.to + 0.035, s.to - 0.01, along);
      const double v = s.heat * (0.35 + 1.4 * q * q) * ends * std::exp(-across * across / (w * w));
      if (v <= 0.002) continue;
      const double sr = 1.0, sg = mix(0.62, 0.97, q), sb = mix(0.18, 0.75, q * q);
      const double add = std::min(1.0, v);
      l.r = l.r + sr * add * (1 - l.a * 0.5), l.g = l.g + sg * add * (1 - l.a * 0.5), l.b = l.b + sb * add * (1 - l.a * 0.5);
      l.a = l.a + add * (1 - l.a);
    }
    // Nothing reaches the border, so the square never shows.
    const double fade = smooth(1.0, 0.86, u);
    l.r = std::min(l.r, 1.0) * fade, l.g = std::min(l.g, 1.0) * fade, l.b = std::min(l.b, 1.0) * fade;
    l.a = std::min(l.a, 1.0) * fade;
    return l;
  };

  // Four samples a pixel: the turbulence and the sparks are finer than a
  // pixel at the picture's size.
  constexpr double offsets[4][2] = {{0.25, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.75, 0.75}};
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      if (std::hypot(x + 0.5 - centre, y + 0.5 - centre) > radius + 1) {
        const uint8_t clear[4] = {0, 0, 0, 0};
        c.set_pixel(x, y, clear);
        continue;
      }
      double lr = 0, lg = 0, lb = 0, la = 0;
      for (const auto& o : offsets) {
        const Light l = light_at(x + o[0], y + o[1]);
        lr += l.r, lg += l.g, lb += l.b, la += l.a;
      }
      auto channel = [&](double sum) { return la > 0 ? std::clamp(sum / la, 0.0, 1.0) : 0.0; };
      const uint8_t px[4] = {static_cast<uint8_t>(std::lround(channel(lr) * 255)),
                             static_cast<uint8_t>(std::lround(channel(lg) * 255)),
                             static_cast<uint8_t>(std::lround(channel(lb) * 255)),
                             static_cast<uint8_t>(std::lround(std::clamp(la / 4, 0.0, 1.0) * 255))};
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
