// acid_1.png: the acid a dead creature leaves on the deck, seen low across
// the floor. Painted per pixel, four samples where it is sharp: an uneven
// spill of overlapping lobes lying flat in perspective, bulging and bitten
// all round its outline, a thick wet middle of acid green that thins toward
// the edge until the grating shows through, a dark meniscus line hugging the
// whole outline with a bright crest just inside it. The near half looks down
// into darker goo, the far half mirrors the room with a long streak of lamp
// light; glossy bubbles stand on it with a burst one's ring or two, and
// droplets lie flung onto the deck beside it.
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

// Drawn with its top-middle on the floor line; the spill lies in the upper
// rows so it stays on the deck just in front of where the creature fell.
constexpr int kW = 144, kH = 44;
constexpr double kCx = 72, kCy = 19;
// Where the summed lobes cross this level is the spill's edge.
constexpr double kEdge = 0.3;

struct Rgba {
  double r = 0, g = 0, b = 0, a = 0;
};

struct Bubble {
  double x, y, r;
  bool ring = false;  // a bubble just burst: a lit ring settling back
};

// One lobe of the spill: an ellipse flattened by the low view.
struct Lobe {
  double x, y, rx, ry, w;
};

// A smooth lattice noise for the crinkle of the edge, finer across than
// deep (the deck is seen foreshortened).
class Crinkle {
 public:
  static constexpr int kX = 52, kY = 24;
  explicit Crinkle(Noise& n) {
    for (double& v : cells_) v = n.range(-1, 1);
  }
  double operator()(double x, double y) const {
    const double fx = x / 3.0, fy = y / 1.6;
    const int ix = std::clamp(static_cast<int>(fx), 0, kX - 2), iy = std::clamp(static_cast<int>(fy), 0, kY - 2);
    const double tx = std::clamp(fx - ix, 0.0, 1.0), ty = std::clamp(fy - iy, 0.0, 1.0);
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    auto at = [&](int i, int j) { return cells_[j * kX + i]; };
    return mix(mix(at(ix, iy), at(ix + 1, iy), sx), mix(at(ix, iy + 1), at(ix + 1, iy + 1), sx), sy);
  }

 private:
  std::array<double, kX * kY> cells_{};
};

class Spill {
 public:
  explicit Spill(Noise& n) : crinkle_(n) {
    // A broad pool where the body fell, spreading unevenly: lobes pushed
    // out to either side and one toward the viewer, each a different size.
    lobes_.push_back({kCx - 9, kCy, 43, 14.5, 1.0});
    lobes_.push_back({kCx + 18, kCy - 1.0, 34, 12.5, 0.9});
    const double side[6] = {-1, 1, -1, 1, -1, 1};
    for (int i = 0; i < 6; ++i) {
      const double reach = n.range(24, 52);
      lobes_.push_back({kCx + side[i] * reach, kCy + n.range(-3.0, 4.0), n.range(14, 24) * (1.3 - reach / 80),
                        n.range(6.5, 9.0), n.range(0.8, 1.0)});
    }
    lobes_.push_back({kCx + n.range(-22, 10), kCy + 8.0, n.range(15, 20), 6.2, 0.9});
    // Short tongues pushed over the far and near edges, so the outline is
    // bitten and bulging all round rather than a smooth sausage.
    // Each is centred where the pool's edge lies, found from the middle out.
    for (int i = 0; i < 5; ++i) {
      const double way = i % 2 ? -1.0 : 1.0, x = kCx + n.range(-40, 40);
      double y = kCy;
      while (std::abs(y - kCy) < 16 && field(x, y) > kEdge + 0.15) y += way * 0.5;
      lobes_.push_back({x, y, n.range(6, 10), n.range(2.8, 3.6), 0.75});
    }
  }
  // Summed lobes with the edge crinkled: 0 far out, above kEdge inside, the
  // more the deeper.
  double field(double x, double y) const {
    double f = 0;
    for (const Lobe& l : lobes_) {
      const double u = (x - l.x) / l.rx, v = (y - l.y) / l.ry, q = u * u + v * v;
      if (q < 1) f += l.w * (1 - q) * (1 - q);
    }
    return f + 0.07 * crinkle_(x, y);
  }

 private:
  std::vector<Lobe> lobes_;
  Crinkle crinkle_;
};

// One sample of the spill (no bubbles), straight colour and coverage.
Rgba pool_sample(const Spill& spill, double x, double y) {
  const double f = spill.field(x, y);
  Rgba out;
  if (f < kEdge) {
    // The deck just round the goo is wet and darker; the dark meniscus
    // runs on a little past the edge so the spill ends in a line, not a blur.
    const double line = smooth(kEdge - 0.05, kEdge, f);
    const double stain = 0.28 * smooth(kEdge - 0.16, kEdge - 0.02, f);
    const double a = std::max(0.85 * line, stain);
    if (a > 0) out = {mix(0.08, 0.03, line), mix(0.1, 0.08, line), mix(0.05, 0.02, line), a};
    return out;
  }
  // Depth: a thin film at the edge, thick and wet in the middle of each lobe.
  const double depth = smooth(kEdge, kEdge + 1.1, f);
  // Murky acid green, the same yellow-green as the creatures' spurting
  // acid: milky where it is deep, dark olive where it thins. The film is only part cover, so the grating shows
  // through it, darkened and wet.
  const double d2 = depth * depth;
  double r = mix(0.19, 0.68, d2), g = mix(0.27, 0.85, depth), b = mix(0.06, 0.27, d2);
  // The near half looks down into the goo, darker and richer; the far
  // half mirrors the room (below).
  const double into = 0.35 * smooth(kCy - 1, kCy + 9, y) * depth;
  r = mix(r, 0.2, into), g = mix(g, 0.36, into), b = mix(b, 0.05, into);
  double a = mix(0.42, 1.0, smooth(0.0, 0.5, depth));
  // Volume: the goo stands as a low lens, so its surface is shaded from
  // the slope of its depth. Slopes turned up toward the far lamps light
  // up, the near lip turned down toward the viewer falls into shade, and a
  // hard lamp glint runs along the rounded shoulder just inside the edge.
  {
    const double e = 0.6;
    const double gx = (smooth(kEdge, kEdge + 1.1, spill.field(x + e, y)) - smooth(kEdge, kEdge + 1.1, spill.field(x - e, y))) / (2 * e);
    const double gy = (smooth(kEdge, kEdge + 1.1, spill.field(x, y + e)) - smooth(kEdge, kEdge + 1.1, spill.field(x, y - e))) / (2 * e);
    // Seen low, a row is deeper than a column is wide: steepen the rise.
    const double nx = -gx * 3.0, ny = -gy * 7.0, nl = std::sqrt(nx * nx + ny * ny + 1);
    const double lit = (nx * -0.35 + ny * -0.75 + 0.56) / nl - 0.56;
    const double shade = std::clamp(1 + 1.3 * lit, 0.8, 1.35);
    r *= shade, g *= shade, b *= shade;
    // The glint: the half vector between the lamps overhead and the eye
    // low in front leans toward the viewer, so the lamps show as a hard
    // line along the near shoulder; the flat middle stays clear of it.
    const double hx = -0.1, hy = 0.41, hz = 0.906;
    const double glint = std::pow(std::max(0.0, (nx * hx + ny * hy + hz) / nl), 60) * smooth(0.02, 0.2, depth) *
                        smooth(0.9, 0.4, depth);
    r = mix(r, 0.95, 0.8 * glint), g = mix(g, 1.0, 0.8 * glint), b = mix(b, 0.82, 0.8 * glint);
  }
  // The meniscus: where the goo meets the deck it turns dark and dense,
  // a wet line hugging the whole outline, far side and near side alike.
  const double rim = smooth(kEdge + 0.07, kEdge + 0.01, f);
  r = mix(r, 0.04, 0.85 * rim), g = mix(g, 0.11, 0.85 * rim), b = mix(b, 0.03, 0.85 * rim);
  a = mix(a, 0.95, rim);
  // The crest of the meniscus just inside that line catches the light:
  // brightest along the far edge, fainter on the near one.
  const double crest_q = (f - (kEdge + 0.1)) / 0.035;
  const double far_side = spill.field(x, y + 1.5) > f ? 1.0 : 0.45;
  const double crest = crest_q * crest_q < 9 ? std::exp(-crest_q * crest_q) * far_side * 0.7 : 0.0;
  // The room light in the surface: one long flat streak across the far
  // half, broken by ripples, and a short second one, only where it is deep.
  auto streak = [&](double sx, double sy, double lx, double ly) {
    const double u = (x - sx) / lx, v = (y - sy) / ly;
    return std::exp(-(u * u + v * v));
  };
  const double ripple = 0.6 + 0.4 * std::sin(x * 0.45 + y * 2.1 + 0.8 * std::sin(x * 0.13));
  const double sheen = (3.2 * streak(kCx - 12, kCy - 4.5, 30, 1.4) + 1.5 * streak(kCx + 25, kCy - 3.0, 12, 0.9)) *
                       ripple * smooth(0.2, 0.5, depth);
  // Seen this low, the far half of the surface mirrors the pale room: a
  // glossy lift toward the far edge that makes the pool read as wet.
  const double gloss = 0.38 * smooth(kCy + 2, kCy - 8, y) * smooth(0.05, 0.4, depth);
  r = mix(r, 0.8, gloss), g = mix(g, 0.9, gloss), b = mix(b, 0.68, gloss);
  const double light = std::min(1.0, sheen + crest);
  r = mix(r, 0.95, light), g = mix(g, 1.0, light), b = mix(b, 0.84, light);
  out = {r, g, b, std::max(a, 0.9 * light)};
  return out;
}

// A bubble on the goo, or a drop on the deck: a glossy dome lit from the
// upper left with a dark line at its foot, a large sharp specular spot, a
// pale reflection in its lower rim and a soft shadow on the pool below.
// A burst bubble is a lit ring with a dark hollow. Returns the layer to
// lay over the pool at this sample (alpha 0 where it misses).
Rgba bubble_sample(const Bubble& bb, double x, double y) {
  const double u = (x - bb.x) / bb.r, v = (y - bb.y) / (bb.r * 0.62);
  const double q2 = u * u + v * v, q = std::sqrt(q2);
  if (bb.ring) {
    const double lit = std::exp(-(q - 0.92) * (q - 0.92) / 0.02) * (0.6 + 0.4 * std::max(0.0, -v));
    const double hollow = std::exp(-(q - 0.55) * (q - 0.55) / 0.05) * 0.55;
    if (lit < 0.02 && hollow < 0.02) return {};
    const double a = std::min(1.0, lit + hollow);
    const double t = lit / (lit + hollow + 1e-9);
    return {mix(0.05, 0.9, t), mix(0.14, 1.0, t), mix(0.03, 0.7, t), a};
  }
  if (q2 >= 1) {
    // The shadow the dome casts on the pool just below it.
    if (v <= 0 || q2 > 1.8) return {};
    return {0.03, 0.09, 0.02, 0.55 * smooth(1.8, 1.0, q2) * std::min(1.0, v * 2)};
  }
  const double nz = std::sqrt(1 - q2);
  const double lx = -0.45, ly = -0.6, lz = 0.66;
  const double diffuse = std::max(0.0, u * lx + v * ly + nz * lz);
  // The same acid as the pool, a shade brighter on its lit side, with a
  // dark ring where its skin meets the surface.
  double shade = 0.62 + 0.45 * diffuse;
  shade -= 0.5 * smooth(0.55, 1.0, q2);
  double r = 0.7 * shade, g = 0.88 * shade, b = 0.3 * shade;
  // The lamp's reflection: a round spot up and left, sharp edged.
  const double su = u + 0.32, sv = v + 0.38;
  const double spot = smooth(0.36, 0.2, std::sqrt(su * su + sv * sv));
  // The room mirrored faintly in the lower rim.
  const double rim = std::exp(-(q - 0.78) * (q - 0.78) / 0.012) * std::max(0.0, 0.4 * u + 0.9 * v) * 0.8;
  const double s = std::min(1.0, spot + rim);
  return {mix(r, 1.0, s), mix(g, 1.0, s), mix(b, 0.92, s), 1.0};
}

}  // namespace

Bytes acid_puddle() {
  Noise n(0xAC1Du);
  const Spill spill(n);
  // A few bubbles in the deep middle, droplets flung onto the deck beside
  // the spill (clear of it, so each reads as its own drop).
  std::vector<Bubble> bubbles;
  // Bubbles of every size: one big swollen dome, a few middling, a scatter
  // of small beads, so the surface reads as boiling goo, not a pattern.
  constexpr double kBubbleSizes[9] = {5.2, 3.6, 3.0, 2.3, 1.9, 1.6, 1.3, 1.2, 1.0};
  for (int tries = 0; bubbles.size() < 9 && tries < 600; ++tries) {
    const double r = kBubbleSizes[bubbles.size()] * n.range(0.9, 1.1);
    const Bubble b{kCx + n.range(-48, 48), kCy + n.range(-4, 5), r};
    if (spill.field(b.x, b.y) < kEdge + 0.45) continue;
    bool apart = true;
    for (const Bubble& o : bubbles) apart &= std::hypot(b.x - o.x, (b.y - o.y) * 1.6) > b.r + o.r + 3;
    if (apart) bubbles.push_back(b);
  }
  // Two bubbles just burst, leaving rings on the surface.
  for (int tries = 0, rings = 0; rings < 2 && tries < 300; ++tries) {
    const Bubble b{kCx + n.range(-40, 40), kCy + n.range(-3, 5), n.range(2.2, 3.2), true};
    if (spill.field(b.x, b.y) < kEdge + 0.45) continue;
    bool apart = true;
    for (const Bubble& o : bubbles) apart &= std::hypot(b.x - o.x, (b.y - o.y) * 1.6) > b.r + o.r + 3;
    if (apart) bubbles.push_back(b), ++rings;
  }
  for (int tries = 0, drops = 0; drops < 7 && tries < 400; ++tries) {
    const Bubble b{kCx + n.range(-64, 64), kCy + n.range(-11, 13), drops < 2 ? n.range(1.8, 2.4) : n.range(0.8, 1.5)};
    if (spill.field(b.x, b.y) > 0.02 || spill.field(b.x, b.y - 3) > 0.02 || spill.field(b.x, b.y + 3) > 0.02) continue;
    bubbles.push_back(b);
    ++drops;
  }

  Canvas c(kW, kH);
  constexpr double kOffsets[4][2] = {{0.25, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.75, 0.75}};
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const double mx = x + 0.5, my = y + 0.5;
      bool near_bubble = false;
      for (const Bubble& b : bubbles)
        near_bubble |= std::abs(mx - b.x) < b.r * 1.4 + 1 && std::abs(my - b.y) < b.r + 1;
      uint8_t px[4] = {0, 0, 0, 0};
      const double f = spill.field(mx, my);
      if (!near_bubble && f < kEdge - 0.22) {
        c.set_pixel(x, y, px);
        continue;
      }
      // Four samples only where something sharp passes: the edge, the
      // meniscus and its crest, the streak and the bubbles; the smooth
      // middle takes one.
      const bool smooth_middle = !near_bubble && f > kEdge + 0.2 && std::abs(my - (kCy - 3.6)) > 2.5;
      double pr = 0, pg = 0, pb = 0, pa = 0;
      int samples = 0;
      for (const auto& o : kOffsets) {
        const double sx = smooth_middle ? mx : x + o[0], sy = smooth_middle ? my : y + o[1];
        Rgba s = pool_sample(spill, sx, sy);
        if (near_bubble)
          for (const Bubble& b : bubbles) {
            const Rgba o = bubble_sample(b, sx, sy);
            if (o.a <= 0) continue;
            // Laid over the pool (or the bare deck, for a drop).
            const double a = o.a + s.a * (1 - o.a);
            s = {(o.r * o.a + s.r * s.a * (1 - o.a)) / a, (o.g * o.a + s.g * s.a * (1 - o.a)) / a,
                 (o.b * o.a + s.b * s.a * (1 - o.a)) / a, a};
          }
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
