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

// A spark flung from the flash: a thin streak, a little bent, hot at its
// head and cooling along its trail toward the core.
struct Spark {
  double angle, from, length, width, bend, heat;
};

// A wisp of smoke at the rim: a soft blob of dim grey, lit warm on the side
// facing the fire.
struct Wisp {
  double angle, dist, radius, density;
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

// Paints light_at(x, y) -> Layer over the square canvas, sixteen samples a
// pixel, so thin sparks stay clean, unbroken lines when drawn scaled up.
template <class Light>
void paint_light(Canvas& c, int size, const Light& light_at) {
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

// One spark over the point at distance r and angle theta from the flare's
// middle: a thin bright streak, bent a little along its flight, cooling
// toward its tip, with a faint glow round it.
void lay_spark(Layer& l, const Spark& s, double r, double theta) {
  const double da = std::remainder(theta - s.angle, 2 * M_PI);
  if (std::abs(da) > 0.6) return;
  const double along = r * std::cos(da) - s.from;
  if (along < -2 || along > s.length + 2) return;
  const double q = std::clamp(along / s.length, 0.0, 1.0);
  const double across = std::abs(r * std::sin(da) - s.bend * q * q * s.length);
  const double ends = smooth(-1.0, 1.5, along) * smooth(s.length + 0.8, s.length - 0.6, along);
  const double w = s.width * (0.55 + 0.45 * q);
  const double line = ends * std::clamp((w - across) / 0.6 + 0.5, 0.0, 1.0);
  const double glow = ends * 0.35 * std::exp(-across * across / 2.2);
  const double a = std::max(line, glow);
  if (a <= 0) return;
  double sr, sg, sb;
  fire_colour(std::clamp(s.heat * (0.6 + 0.4 * q) + 0.2 * line, 0.0, 1.0), sr, sg, sb);
  lay_over(l, {sr, sg, sb, a});
}

}  // namespace

void shot_flare(Canvas& c, uint32_t seed) {
  const int size = std::min(c.width(), c.height());
  const double centre = size / 2.0, reach = size / 2.0 - 3.0;
  Noise n(seed);
  const Turbulence churn{seed * 2654435761u + 1};
  const Turbulence streaks{seed * 2246822519u + 7};
  // A round glancing off plate or chitin throws its splash one way: most
  // sparks fly in a fan about `splash`, a few stray the other way. The
  // game turns the picture at random, so the fan points anywhere.
  const double splash = -0.55;
  std::vector<Spark> sparks;
  for (int i = 0; i < 13; ++i) {
    const bool stray = i >= 11;
    const double a = stray ? splash + M_PI + n.range(-1.2, 1.2) : splash + n.range(-0.8, 0.8);
    const bool long_one = !stray && i % 2 == 0;
    const double from = reach * (long_one ? n.range(0.3, 0.42) : n.range(0.38, 0.6));
    const double to = long_one ? reach * n.range(0.9, 0.97)
                               : std::min(reach * (stray ? 0.82 : 0.9), from + reach * n.range(0.2, 0.38));
    sparks.push_back({a, from, to - from, long_one ? n.range(0.75, 0.95) : n.range(0.45, 0.75), n.range(-0.1, 0.1),
                      long_one ? n.range(0.85, 1.0) : n.range(0.5, 0.85)});
  }
  // A puff of dark smoke and dust blown off the hit, heaviest behind the
  // splash and curling round one side of the fire.
  std::vector<Wisp> wisps;
  for (int i = 0; i < 7; ++i)
    wisps.push_back({splash + M_PI + n.range(-1.5, 1.5), reach * n.range(0.4, 0.68), reach * n.range(0.22, 0.34),
                     n.range(0.65, 0.9)});
  // Acid flecks knocked out of carapace, and dark grit off the wall, both
  // flung along the fan.
  struct Fleck {
    double x, y, r;
    bool acid;
  };
  std::vector<Fleck> flecks;
  for (int i = 0; i < 17; ++i) {
    const bool acid = i < 9;
    const double a = splash + n.range(-1.1, 1.1), d = reach * n.range(acid ? 0.42 : 0.55, 0.86);
    flecks.push_back({centre + std::cos(a) * d, centre + std::sin(a) * d, acid ? n.range(0.9, 1.45) : n.range(0.45, 0.8),
                      acid});
  }

  auto light_at = [&](double px, double py) {
    const double dx = px - centre, dy = py - centre;
    const double r = std::hypot(dx, dy), theta = std::atan2(dy, dx);
    const double toward = std::cos(theta - splash);  // 1 along the splash, -1 behind it
    Layer l;
    // The fire: one churning body of hot gas, thrown out along the splash
    // and short behind it, so no two sides of it match.
    const double stretch = 1.0 + 0.42 * std::max(0.0, toward) - 0.28 * std::max(0.0, -toward);
    const double warp = 0.66 + 0.76 * churn.fbm(std::cos(theta) * 1.3 + 4 + r * 0.05, std::sin(theta) * 1.3 + 9);
    const double gr = r / (stretch * warp);
    const double jets = streaks.fbm(theta * 5.0 + 20, r * 0.09 + 3) - 0.5;
    const double heat = std::clamp(std::exp(-gr * gr / (2 * 8.2 * 8.2)) * (1 + 0.6 * jets), 0.0, 1.0);
    const double bloom = std::exp(-gr * gr / (2 * 10.0 * 10.0));
    double br, bg, bb;
    fire_colour(0.05 + 0.45 * bloom, br, bg, bb);
    lay_over(l, {br, bg, bb,
                 0.9 * smooth(reach * 0.95, reach * 0.38, std::max(gr, r * 0.85)) * std::min(1.0, 0.25 + 1.1 * bloom)});
    // Dark smoke and dust blown off the hit, over the glow's cool edge and
    // under the fire itself, warmed only where the fire is near.
    for (const Wisp& w : wisps) {
      const double wx = centre + std::cos(w.angle) * w.dist, wy = centre + std::sin(w.angle) * w.dist;
      const double q = std::hypot(px - wx, py - wy) / w.radius;
      if (q >= 1.7) continue;
      const double puff = std::exp(-q * q * 1.4) * (0.45 + 1.0 * churn.fbm(px * 0.2 + 31, py * 0.2 + 7));
      const double warm = smooth(reach * 0.6, reach * 0.25, r);
      lay_over(l, {mix(0.09, 0.4, warm), mix(0.08, 0.2, warm), mix(0.07, 0.1, warm), std::min(0.75, w.density * puff)});
    }
    const double body = smooth(0.12, 0.45, heat + 0.3 * jets);
    if (body > 0) {
      double fr, fg, fb;
      fire_colour(std::clamp(0.25 + 0.95 * heat, 0.0, 1.0), fr, fg, fb);
      lay_over(l, {fr, fg, fb, body});
    }
    // The white-yellow core at the point of impact, pushed a little along
    // the splash and torn into lobes by the churn, big enough to read as a
    // hit when drawn a fifth size.
    const double cx = dx - 1.5 * std::cos(splash), cy = dy - 1.5 * std::sin(splash);
    // Torn hard: a ragged, lopsided core, not a round ball.
    const double lobes = 0.5 + 1.05 * churn.fbm(std::cos(theta) * 2.6 + 40, std::sin(theta) * 2.6 + 13);
    const double core_r =
        std::hypot(cx, cy) / (lobes * (1 + 0.45 * std::max(0.0, toward) - 0.2 * std::max(0.0, -toward)));
    const double core = smooth(reach * 0.44, reach * 0.24, core_r);
    if (core > 0) lay_over(l, {1.0, 0.98, mix(0.74, 0.9, core), core});
    for (const Spark& s : sparks) lay_spark(l, s, r, theta);
    for (const Fleck& f : flecks) {
      const double q = std::hypot(px - f.x, py - f.y) / f.r;
      if (q >= 1.8) continue;
      // Acid glows a hot green with a soft halo; grit is a dull dark chip.
      if (f.acid) {
        lay_over(l, {0.35, 0.75, 0.12, 0.45 * smooth(1.8, 0.9, q)});
        lay_over(l, {0.62, 1.0, 0.3, smooth(1.1, 0.6, q)});
      } else {
        lay_over(l, {0.2, 0.17, 0.14, 0.85 * smooth(1.5, 0.7, q)});
      }
    }
    // Nothing reaches the border, so the square never shows when turned.
    const double fade = smooth(size / 2.0 - 1.5, size / 2.0 - 3.5, r);
    l.r *= fade, l.g *= fade, l.b *= fade, l.a *= fade;
    return l;
  };

  paint_light(c, size, light_at);
}

void muzzle_cone(Canvas& c, uint32_t seed) {
  const int size = std::min(c.width(), c.height());
  const double centre = size / 2.0;
  // The muzzle sits left of the middle; the flame is thrown right from it.
  const double ox = 12.0, oy = centre, length = 46.0;
  Noise n(seed);
  const Turbulence churn{seed * 2654435761u + 1};
  const Turbulence streaks{seed * 2246822519u + 7};
  // Sparks thrown forward in a narrow fan, a few out of the brake's side
  // ports; measured from the muzzle, not the middle.
  std::vector<Spark> sparks;
  for (int i = 0; i < 9; ++i) {
    const bool side = i >= 7;
    const double a = side ? (i == 7 ? -1.0 : 1.0) * n.range(1.15, 1.4) : n.range(-0.28, 0.28);
    const double from = side ? n.range(9, 12) : n.range(14, 30);
    const double len = side ? n.range(5, 8) : std::min(length - 2 - from, n.range(8, 18));
    sparks.push_back({a, from, len, n.range(0.45, 0.75), n.range(-0.05, 0.05), n.range(0.75, 1.0)});
  }
  auto light_at = [&](double px, double py) {
    const double dx = px - ox, dy = py - oy;
    const double r = std::hypot(dx, dy), theta = std::atan2(dy, dx);
    Layer l;
    // Gun smoke hanging round the plume's far end, dim and lit warm.
    {
      const double sx = (px - (ox + length * 0.78)) / 11, sy = dy / 8.5;
      const double q = sx * sx + sy * sy;
      if (q < 2.5) {
        const double puff = std::exp(-q * 1.3) * (0.4 + 0.9 * churn.fbm(px * 0.2 + 11, py * 0.2 + 3));
        lay_over(l, {0.36, 0.27, 0.22, std::min(0.45, 0.45 * puff)});
      }
    }
    // The plume: a cone opening forward from the muzzle, its sides torn by
    // the churn, hottest at the muzzle and along its axis, cooling to red
    // toward its tip.
    const double along = dx / length;
    const double warp = 0.75 + 0.55 * churn.fbm(dx * 0.11 + 4, dy * 0.24 + 9);
    const double half = 3.0 + dx * 0.42;
    const double across = along > -0.05 ? std::abs(dy) / (half * warp) : 9.0;
    const double jets = streaks.fbm(dy * 0.5 + 20, dx * 0.05 + 3) - 0.5;
    const double reach = smooth(1.0, 0.62, (along + 0.35 * jets) / warp);
    const double plume = smooth(1.05, 0.45, across) * reach * smooth(-0.06, 0.02, along);
    // Two short jets out of the brake's side ports, and a little puff
    // blown back round the muzzle.
    double ports = 0;
    for (double side : {-1.0, 1.0}) {
      const double a = side * 1.28, u = dx * std::cos(a) + dy * std::sin(a), v = -dx * std::sin(a) + dy * std::cos(a);
      const double w = 1.6 + 0.3 * std::max(0.0, u);
      ports = std::max(ports, smooth(1.0, 0.4, std::abs(v) / (w * warp)) * smooth(13.0, 6.0, u * warp) * smooth(0.5, 2.5, u));
    }
    const double back = std::exp(-(r * r) / (2 * 3.2 * 3.2));
    // The bloom: a soft glow round the whole cone, deep red at its edge.
    const double glow_q = std::abs(dy) / (half * 1.35 + 2) + std::max(0.0, along - 0.8) * 5 + std::max(0.0, -dx) / 5;
    const double bloom = std::exp(-glow_q * glow_q * 1.2) * smooth(1.2, 0.8, along);
    double br, bg, bb;
    fire_colour(0.08 + 0.35 * bloom, br, bg, bb);
    lay_over(l, {br, bg, bb, 0.7 * bloom});
    const double body = std::max({plume, ports * 0.95, back});
    if (body > 0) {
      const double heat = std::clamp(
          std::max({(1 - along) * (1 - 0.7 * across) * (1.05 + 0.6 * jets), 0.8 * ports, back}), 0.0, 1.0);
      double fr, fg, fb;
      fire_colour(std::clamp(0.18 + 0.9 * heat, 0.0, 1.0), fr, fg, fb);
      lay_over(l, {fr, fg, fb, body});
    }
    // The white-hot core: a short spear just out of the muzzle.
    const double cu = (dx - 7.5) / 10.5, cv = dy / 4.2;
    const double core = smooth(1.0, 0.55, std::sqrt(cu * cu + cv * cv) / warp);
    if (core > 0) lay_over(l, {1.0, 0.99, mix(0.8, 0.97, core), core});
    for (const Spark& s : sparks) lay_spark(l, s, r, theta);
    // Nothing reaches the border, so the square never shows when turned.
    const double fade = smooth(size / 2.0 - 1.5, size / 2.0 - 3.5, std::hypot(px - centre, py - centre));
    l.r *= fade, l.g *= fade, l.b *= fade, l.a *= fade;
    return l;
  };
  paint_light(c, size, light_at);
}

const Bytes& shot_flare_png() {
  static const Bytes bytes = [] {
    Canvas c(64, 64);
    shot_flare(c, 0xB1A57u);
    return c.png_soft();
  }();
  return bytes;
}

const Bytes& muzzle_flare_png() {
  static const Bytes bytes = [] {
    Canvas c(64, 64);
    muzzle_cone(c, 0xF1A5u);
    return c.png_soft();
  }();
  return bytes;
}

}  // namespace contentgen::paint
