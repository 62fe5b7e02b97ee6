#include "portrait_skin.h"

#include <algorithm>
#include <cmath>

namespace contentgen::ui::portrait_skin {

namespace {

// Calls visit(x, y, weight, pixel) for every pixel the mask covers; the
// pixel is written back when visit returns true.
template <class Visit>
void each_masked(Canvas& c, const std::vector<float>& mask, Visit visit) {
  const int w = c.width(), h = c.height();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const float m = mask[static_cast<size_t>(y) * w + x];
      if (m <= 0) continue;
      uint8_t p[4];
      c.get_pixel(x, y, p);
      if (visit(x, y, m, p)) c.set_pixel(x, y, p);
    }
}

}  // namespace

std::vector<float> skin_mask(const std::vector<uint8_t>& covered, const std::vector<float>& tags, int w, int h,
                             double lowest_y, const std::vector<double>& keep_out) {
  std::vector<float> mask(static_cast<size_t>(w) * h, 0.0f);
  for (int y = 0; y < h && y < lowest_y; ++y)
    for (int x = 0; x < w; ++x) {
      const size_t i = static_cast<size_t>(y) * w + x;
      if (!covered[i]) continue;
      // Hair and cloth blend into the skin at their edges: the weight
      // falls off with the tag's share there.
      float m = std::clamp(1.0f - std::fabs(tags[i]) * 3.0f, 0.0f, 1.0f);
      for (size_t k = 0; k + 2 < keep_out.size(); k += 3) {
        const double dx = x + 0.5 - keep_out[k], dy = y + 0.5 - keep_out[k + 1];
        if (dx * dx + dy * dy < keep_out[k + 2] * keep_out[k + 2]) m = 0;
      }
      mask[i] = m;
    }
  return mask;
}

void lift_shadows(Canvas& c, const std::vector<float>& mask, paint::Rgb tone, double floor) {
  // The tone scaled so that its brightest channel stands at the floor.
  const double top = std::max({tone.r, tone.g, tone.b, 1e-3});
  const double t[3] = {tone.r * floor / top, tone.g * floor / top, tone.b * floor / top};
  each_masked(c, mask, [&](int, int, float m, uint8_t p[4]) {
    const double v[3] = {p[0] / 255.0, p[1] / 255.0, p[2] / 255.0};
    const double brightest = std::max({v[0], v[1], v[2]});
    // A toe: black rises to the floor, one and a half times the floor
    // stays put, and between them a darker pixel stays the darker.
    const double reach = 1.5 * floor;
    if (brightest >= reach) return false;
    const double k = m * (1 - brightest / reach) * (1 - brightest / reach);
    for (int i = 0; i < 3; ++i) p[i] = static_cast<uint8_t>(std::lround(255 * std::min(1.0, v[i] + t[i] * k)));
    return true;
  });
}

void spread_tones(Canvas& c, const std::vector<float>& mask, double gain) {
  const int w = c.width(), h = c.height();
  if (mask.size() != static_cast<size_t>(w) * h) return;
  auto lum = [](const uint8_t p[4]) { return (0.3 * p[0] + 0.55 * p[1] + 0.15 * p[2]) / 255.0; };
  double sum = 0, weight = 0;
  each_masked(c, mask, [&](int, int, float m, uint8_t p[4]) {
    sum += m * lum(p), weight += m;
    return false;
  });
  if (weight <= 0) return;
  const double mean = sum / weight;
  each_masked(c, mask, [&](int, int, float m, uint8_t p[4]) {
    const double d = (gain - 1) * (lum(p) - mean) * std::min(m, 1.0f);
    for (int i = 0; i < 3; ++i) p[i] = static_cast<uint8_t>(std::lround(255 * std::clamp(p[i] / 255.0 + d, 0.0, 1.0)));
    return true;
  });
}

void grain(Canvas& c, const std::vector<float>& mask, uint32_t seed) {
  const int w = c.width(), h = c.height();
  // Soft mottling only, no per-pixel specks: two coarse lattices of random
  // values, smoothly interpolated, one for the skin's tone (blotches about
  // a dozen pixels across) and one for its warmth (broader still). A
  // speck a pixel wide shimmers when the picture is scaled up.
  Noise n(seed);
  struct Lattice {
    int cell, gw, gh;
    std::vector<double> v;
    double at(double x, double y) const {
      const double gx = x / cell, gy = y / cell;
      const int x0 = static_cast<int>(gx), y0 = static_cast<int>(gy);
      double fx = gx - x0, fy = gy - y0;
      fx = fx * fx * (3 - 2 * fx), fy = fy * fy * (3 - 2 * fy);
      auto g = [&](int i, int j) { return v[static_cast<size_t>(std::min(j, gh - 1)) * gw + std::min(i, gw - 1)]; };
      return (g(x0, y0) * (1 - fx) + g(x0 + 1, y0) * fx) * (1 - fy) + (g(x0, y0 + 1) * (1 - fx) + g(x0 + 1, y0 + 1) * fx) * fy;
    }
  };
  auto lattice = [&](int cell) {
    Lattice l{cell, w / cell + 2, h / cell + 2, {}};
    l.v.resize(static_cast<size_t>(l.gw) * l.gh);
    for (double& b : l.v) b = n.range(-1, 1);
    return l;
  };
  const Lattice tone = lattice(6), warmth = lattice(14);
  each_masked(c, mask, [&](int x, int y, float m, uint8_t p[4]) {
    const double t = tone.at(x, y), b = warmth.at(x, y);
    const double gain = 1 + 0.03 * t;
    const double shift[3] = {1 + 0.03 * b, 1, 1 - 0.03 * b};
    for (int i = 0; i < 3; ++i) {
      const double v = p[i] / 255.0, out = v * (1 + (gain * shift[i] - 1) * m);
      p[i] = static_cast<uint8_t>(std::lround(255 * std::clamp(out, 0.0, 1.0)));
    }
    return true;
  });
}

}  // namespace contentgen::ui::portrait_skin
