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

// A spike of the star: a sharp wedge of light from the core, tapering to
// a point, hot at its root and cooling toward its tip.
struct Spike {
  double angle, length, width, heat;
};

// A spark flung past the star: a short streak with a hot head.
struct Spark {
  double angle, from, length, width;
};

// Straight colour and coverage of one layer at one point.
struct Layer {
  double r = 0, g = 0, b = 0, a = 0;
};

// Lays a over the light already gathered in l (premultiplied).
void lay_over(Layer& l, const Layer& a) {
  if (a.a <= 0) return;
  l.r = a.r * a.a + l.r * (1 - a.a);
  l.g = a.g * a.a + l.g * (1 - a.a);
  l.b = a.b * a.a + l.b * (1 - a.a);
  l.a = a.a + l.a * (1 - a.a);
}

}  // namespace

void strike_star(Canvas& c, uint32_t seed, bool muzzle) {
  const int size = std::min(c.width(), c.height());
  const double centre = size / 2.0, reach = size / 2.0 - 3.0;
  Noise n(seed);
  const Turbulence ragged{seed * 2654435761u + 1};

  // The star: one long forward spike (the way the round or the shot was
  // going), two shorter ones flanking it, and a ring of uneven spikes all
  // round, none two alike, so it reads sharp at any turn and any scale.
  std::vector<Spike> spikes;
  spikes.push_back({0.0, reach, muzzle ? 8.0 : 5.2, 1.0});
  for (int side : {-1, 1})
    spikes.push_back({side * n.range(0.38, 0.55), reach * n.range(0.74, 0.88), muzzle ? 5.0 : 4.2, 0.98});
  const int ring = muzzle ? 7 : 10;
  for (int i = 0; i < ring; ++i) {
    const double a = 0.9 + (2 * M_PI - 1.8) * (i + n.range(0.2, 0.8)) / ring;
    // Backward spikes are the shortest; on a hit they splash out evenly.
    const double back = muzzle ? 0.36 + 0.26 * (1 + std::cos(a)) : 0.55 + 0.14 * (1 + std::cos(a));
    spikes.push_back({a, reach * std::min(0.92, back * n.range(0.8, 1.3)), n.range(3.2, 4.4), n.range(0.85, 0.98)});
  }
  std::vector<Spark> sparks;
  for (int i = 0; i < 7; ++i) {
    const double a = (muzzle ? n.range(-1.1, 1.1) : n.range(0, 2 * M_PI));
    sparks.push_back({a, reach * n.range(0.52, 0.74), reach * n.range(0.1, 0.2), n.range(0.5, 0.75)});
  }

  auto light_at = [&](double px, double py) {
    const double dx = px - centre, dy = py - centre;
    const double r = std::hypot(dx, dy), theta = std::atan2(dy, dx);
    Layer l;
    // The halo: warm light the strike throws round itself, deep red at its
    // edge, a little longer forward.
    const double stretch = 1.0 + (muzzle ? 0.35 : 0.18) * std::max(0.0, std::cos(theta));
    const double hr = r / stretch;
    const double glow = std::exp(-hr * hr / (2 * 10.5 * 10.5));
    double gr, gg, gb;
    fire_colour(0.02 + 0.5 * glow, gr, gg, gb);
    lay_over(l, {gr, gg, gb, 0.92 * smooth(reach * 0.98, reach * 0.55, hr) * std::min(1.0, 0.42 + glow)});
    // The fire body: a ragged opaque ball round the core.
    const double edge = reach * 0.4 * (0.85 + 0.45 * ragged.fbm(std::cos(theta) * 2.2 + 4, std::sin(theta) * 2.2 + 9));
    const double body = smooth(edge + 0.8, edge - 0.8, r);
    if (body > 0) {
      double br, bg, bb;
      fire_colour(std::clamp(0.5 + 0.45 * (1 - r / edge), 0.0, 1.0), br, bg, bb);
      lay_over(l, {br, bg, bb, body});
    }
    // The spikes: sharp-edged wedges, their edge antialiased over a pixel,
    // a white-hot line down the middle of each.
    for (const Spike& s : spikes) {
      double da = std::remainder(theta - s.angle, 2 * M_PI);
      if (std::abs(da) > M_PI / 2) continue;
      const double along = r * std::cos(da), across = std::abs(r * std::sin(da));
      if (along >= s.length) continue;
      const double q = along / s.length;
      const double half = s.width * std::pow(1 - q, 0.8) + 0.2;
      const double cover = std::clamp((half - across) / 0.9 + 0.5, 0.0, 1.0);
      if (cover <= 0) continue;
      const double spine = std::exp(-across * across / (0.16 * half * half + 0.05));
      double sr, sg, sb;
      fire_colour(std::clamp(s.heat * (1.05 - 0.7 * q) + 0.3 * spine * (1 - q), 0.0, 1.0), sr, sg, sb);
      lay_over(l, {sr, sg, sb, cover * std::min(1.0, 1.45 - 0.5 * q)});
    }
    // The white-hot core, a touch forward of the middle.
    const double cx = dx - (muzzle ? 2.0 : 1.0), core_r = std::hypot(cx, dy);
    const double core = smooth(reach * 0.46, reach * 0.27, core_r);
    if (core > 0) lay_over(l, {1.0, 0.99, mix(0.8, 0.96, core), core});
    // Sparks: bright streaks, a hot head at the far end.
    for (const Spark& s : sparks) {
      const double da = std::remainder(theta - s.angle, 2 * M_PI);
      if (std::abs(da) > 0.5) continue;
      const double along = r * std::cos(da) - s.from, across = std::abs(r * std::sin(da));
      if (along < -1 || along > s.length + 1) continue;
      const double q = std::clamp(along / s.length, 0.0, 1.0);
      const double ends = smooth(-0.8, 0.6, along) * smooth(s.length + 0.8, s.length - 0.4, along);
      const double v = ends * std::clamp((s.width * (0.5 + 0.6 * q) - across) / 0.7 + 0.5, 0.0, 1.0);
      if (v > 0) lay_over(l, {1.0, mix(0.7, 0.97, q), mix(0.25, 0.78, q), v});
    }
    // Nothing reaches the border, so the square never shows when turned.
    const double fade = smooth(size / 2.0 - 1.5, size / 2.0 - 3.5, r);
    l.r *= fade, l.g *= fade, l.b *= fade, l.a *= fade;
    return l;
  };

  // Sixteen samples a pixel: the spikes' edges stay clean when the picture
  // is drawn at twice its size.
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      double lr = 0, lg = 0, lb = 0, la = 0;
      for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
          const Layer l = light_at(x + (i + 0.5) / 4, y + (j + 0.5) / 4);
          lr += l.r, lg += l.g, lb += l.b, la += l.a;
        }
      auto channel = [&](double sum) { return la > 0 ? std::clamp(sum / la, 0.0, 1.0) : 0.0; };
      const uint8_t px[4] = {static_cast<uint8_t>(std::lround(channel(lr) * 255)),
                             static_cast<uint8_t>(std::lround(channel(lg) * 255)),
                             static_cast<uint8_t>(std::lround(channel(lb) * 255)),
                             static_cast<uint8_t>(std::lround(std::clamp(la / 16, 0.0, 1.0) * 255))};
      c.set_pixel(x, y, px);
    }
}

const Bytes& shot_flare_png() {
  static const Bytes bytes = [] {
    Canvas c(64, 64);
    strike_star(c, 0xB1A57u, false);
    return c.png_soft();
  }();
  return bytes;
}

const Bytes& muzzle_flare_png() {
  static const Bytes bytes = [] {
    Canvas c(64, 64);
    strike_star(c, 0xF1A5u, true);
    return c.png_soft();
  }();
  return bytes;
}

}  // namespace contentgen::paint
