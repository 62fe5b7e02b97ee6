// acid_1.png: the acid a dead creature leaves on the deck, seen low across
// the floor. Painted per pixel, four samples where it is sharp: a wide,
// ragged pool lying in the deck, bright lime where it is deepest, deeper
// green where it thins and lets the wet grating show through, and a dark
// wet meniscus hugging the whole edge (a line round it, never a shadow
// below it), a sheen of the lamps stretched flat across the far half, and
// low bubbles with sharp specular dots.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "paint_kit/canvas.h"
#include "pictures.h"

namespace contentgen::creatures {

namespace {

inline double smooth(double a, double b, double v) {
  const double t = std::clamp((v - a) / (b - a), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

inline double mix(double a, double b, double t) { return a + (b - a) * t; }

// Drawn with its top-middle on the floor line; the lens lies in the upper
// rows so it stays on the deck just in front of where the creature fell.
constexpr int kW = 144, kH = 44;
constexpr double kCx = 72, kCy = 19, kRx = 58, kRy = 9.5;

struct Rgba {
  double r = 0, g = 0, b = 0, a = 0;
};

struct Bubble {
  double x, y, r;
};

// The pool's edge as a fraction of the ellipse, by angle: a slow wander,
// tongues pushed out across the deck, and a fine crinkle where the goo met
// grit. Tabulated once; a sample looks it up.
class Edge {
 public:
  static constexpr int kSteps = 720, kTongues = 5;
  explicit Edge(Noise& n) {
    double ph[6];
    for (double& p : ph) p = n.range(0, 2 * M_PI);
    double tongue_at[kTongues], tongue_len[kTongues], tongue_w[kTongues];
    for (int i = 0; i < kTongues; ++i)
      tongue_at[i] = n.range(0, 2 * M_PI), tongue_len[i] = n.range(0.12, 0.3), tongue_w[i] = n.range(0.08, 0.22);
    for (int i = 0; i < kSteps; ++i) {
      const double a = 2 * M_PI * i / kSteps;
      double r = 0.84 + 0.08 * std::sin(2 * a + ph[0]) + 0.07 * std::sin(3 * a + ph[1]) + 0.035 * std::sin(5 * a + ph[2]) +
                 0.035 * std::sin(13 * a + ph[3]) + 0.025 * std::sin(23 * a + ph[4]) + 0.02 * std::sin(37 * a + ph[5]) +
                 0.015 * std::sin(61 * a + ph[0] * 3);
      for (int k = 0; k < kTongues; ++k) {
        const double d = std::remainder(a - tongue_at[k], 2 * M_PI) / tongue_w[k];
        r += tongue_len[k] * std::exp(-d * d);
      }
      table_[i] = std::min(r, 1.1);
    }
  }
  double operator()(double angle) const {
    const double f = (angle < 0 ? angle + 2 * M_PI : angle) / (2 * M_PI) * kSteps;
    const int i = static_cast<int>(f) % kSteps;
    const double t = f - std::floor(f);
    return mix(table_[i], table_[(i + 1) % kSteps], t);
  }

 private:
  std::array<double, kSteps> table_{};
};

// One sample of the pool (no bubbles), straight colour and coverage.
Rgba pool_sample(const Edge& edge, double x, double y) {
  const double nx = (x - kCx) / kRx, ny = (y - kCy) / kRy;
  const double rho = std::hypot(nx, ny);
  const double angle = std::atan2(ny, nx);
  const double d = rho / edge(angle);
  Rgba out;
  if (d >= 1) {
    // The deck just round the goo is wet and darker; the dark meniscus
    // runs on a pixel past the edge so the pool ends in a line, not a blur.
    const double line = smooth(1.05, 1.0, d);
    const double stain = 0.3 * smooth(1.16, 1.0, d);
    const double a = std::max(0.85 * line, stain);
    if (a > 0) out = {mix(0.07, 0.03, line), mix(0.1, 0.09, line), mix(0.04, 0.02, line), a};
    return out;
  }
  // Depth of the pool: deepest in the middle, a thin film towards the edge.
  const double depth = smooth(0.97, 0.25, d);
  // Body: a milky acid green in the deep middle (bright, but pale rather
  // than neon: a murky liquid, not a lamp), deeper green where it thins.
  // The thin film is only part cover, so the grating shows through it,
  // darkened and wet.
  double r = mix(0.1, 0.62, depth * depth), g = mix(0.3, 0.97, depth), b = mix(0.05, 0.46, depth * depth);
  double a = mix(0.62, 0.97, depth);
  // The meniscus: where the goo climbs the grit it turns dark and dense,
  // a wet line hugging the whole edge (on the near side too, so the pool
  // sits in the deck rather than floating over it).
  const double rim = smooth(0.86, 0.97, d);
  r = mix(r, 0.04, 0.85 * rim), g = mix(g, 0.12, 0.85 * rim), b = mix(b, 0.03, 0.85 * rim);
  a = mix(a, 0.95, rim);
  // The ceiling lamps in the surface: long flat streaks on the far half,
  // as on any liquid seen low across the floor, broken by faint ripples.
  auto glint = [&](double gx, double gy, double sx, double sy) {
    const double u = (nx - gx) / sx, v = (ny - gy) / sy;
    return std::exp(-(u * u + v * v));
  };
  const double ripple = 0.75 + 0.25 * std::sin(x * 0.7 + y * 2.3);
  const double sheen = (1.2 * glint(-0.25, -0.35, 0.4, 0.13) + 1.6 * glint(0.36, -0.25, 0.15, 0.1)) * ripple *
                       smooth(0.9, 0.6, d);
  // A thin wet lip catches the light just inside the dark line on the far
  // edge: the bright crest of the meniscus.
  const double lq = (d - 0.8) / 0.045;
  const double lip = lq * lq < 9 ? std::exp(-lq * lq) * smooth(0.0, -0.7, std::sin(angle)) : 0.0;
  // On the near edge the rim faces the viewer: a thin bright line just
  // inside the dark meniscus, where the goo's rounded edge catches the
  // lamps, so the pool reads as liquid with a thickness sitting on the deck.
  const double nq = (d - 0.84) / 0.04;
  const double near_lip = nq * nq < 9 ? std::exp(-nq * nq) * smooth(0.15, 0.6, std::sin(angle)) : 0.0;
  const double light = std::min(1.0, sheen + 0.9 * lip + 1.0 * near_lip);
  r = mix(r, 0.96, light), g = mix(g, 1.0, light), b = mix(b, 0.82, light);
  out = {r, g, b, std::max(a, 0.9 * light)};
  return out;
}

// A bubble on the goo, or a drop on the deck: a low dome lit from the upper
// left, a bright ring at its foot and a sharp specular dot. Returns whether the
// sample lies on it.
bool bubble_sample(const Bubble& bb, double x, double y, Rgba& out) {
  const double u = (x - bb.x) / bb.r, v = (y - bb.y) / (bb.r * 0.6);
  const double q2 = u * u + v * v;
  if (q2 >= 1) return false;
  const double nz = std::sqrt(1 - q2);
  const double lx = -0.45, ly = -0.6, lz = 0.66;
  const double diffuse = std::max(0.0, u * lx + v * ly + nz * lz);
  // Half-vector toward the eye (straight out) and the light.
  const double hx = lx, hy = ly, hz = lz + 1, hl = std::sqrt(hx * hx + hy * hy + hz * hz);
  const double highlight = std::pow(std::max(0.0, (u * hx + v * hy + nz * hz) / hl), 14);
  // The same acid as the pool, a shade brighter on its lit side, with a
  // thin bright ring where its skin meets the surface.
  double shade = 0.75 + 0.35 * diffuse;
  shade += 0.35 * smooth(0.7, 1.0, q2);
  const double r = 0.58 * shade, g = 0.92 * shade, b = 0.22 * shade;
  const double s = std::min(1.0, highlight * 3.0);
  out = {mix(r, 1.0, s), mix(g, 1.0, s), mix(b, 0.94, s), 1.0};
  return true;
}

}  // namespace

Bytes acid_puddle() {
  Noise n(0xAC1Du);
  const Edge edge(n);
  // Bubbles well inside the pool, a few drops flung just past its edge.
  std::vector<Bubble> bubbles;
  while (bubbles.size() < 7) {
    const double a = n.range(0, 2 * M_PI), d = std::sqrt(n.unit()) * 0.68;
    Bubble b{kCx + std::cos(a) * kRx * d * edge(a), kCy + std::sin(a) * kRy * d * edge(a), n.range(2.0, 3.4)};
    bool apart = true;
    for (const Bubble& o : bubbles) apart &= std::hypot(b.x - o.x, b.y - o.y) > b.r + o.r + 1;
    if (apart) bubbles.push_back(b);
  }
  for (int i = 0; i < 4; ++i) {
    const double a = (i % 2 ? 0.5 : -0.5) * M_PI + n.range(-0.9, 0.9);
    const double d = edge(a) * n.range(1.2, 1.45);
    bubbles.push_back({kCx + std::clamp(std::cos(a) * d, -0.85, 0.85) * kRx, kCy + std::sin(a) * d * kRy, n.range(0.8, 1.3)});
  }

  Canvas c(kW, kH);
  constexpr double kOffsets[4][2] = {{0.25, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.75, 0.75}};
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      // Four samples only where something sharp passes: the edge, the
      // meniscus and the bubbles. Far outside nothing is drawn; the smooth
      // middle takes one sample.
      const double mx = x + 0.5, my = y + 0.5;
      bool near_bubble = false;
      for (const Bubble& b : bubbles)
        near_bubble |= std::abs(mx - b.x) < b.r + 1 && std::abs(my - b.y) < b.r + 1;
      const double rho = std::hypot((mx - kCx) / kRx, (my - kCy) / kRy);
      uint8_t px[4] = {0, 0, 0, 0};
      if (!near_bubble && rho > 1.45) {
        c.set_pixel(x, y, px);
        continue;
      }
      const bool smooth_middle = !near_bubble && rho < 0.55;
      // Premultiplied sums over the samples.
      double pr = 0, pg = 0, pb = 0, pa = 0;
      int samples = 0;
      for (const auto& o : kOffsets) {
        const double sx = smooth_middle ? mx : x + o[0], sy = smooth_middle ? my : y + o[1];
        Rgba s;
        bool on_bubble = false;
        for (const Bubble& b : bubbles)
          if (near_bubble && bubble_sample(b, sx, sy, s)) {
            on_bubble = true;
            break;
          }
        if (!on_bubble) s = pool_sample(edge, sx, sy);
        pr += s.r * s.a, pg += s.g * s.a, pb += s.b * s.a, pa += s.a;
        ++samples;
        if (smooth_middle) break;
      }
      if (pa > 0) {
        auto ch = [&](double v) { return static_cast<uint8_t>(std::lround(std::clamp(v / pa, 0.0, 1.0) * 255)); };
        px[0] = ch(pr), px[1] = ch(pg), px[2] = ch(pb);
        px[3] = static_cast<uint8_t>(std::lround(pa / samples * 255));
      }
      c.set_pixel(x, y, px);
    }
  return c.png_soft();
}

}  // namespace contentgen::creatures
