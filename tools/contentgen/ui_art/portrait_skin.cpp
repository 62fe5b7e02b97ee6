#include "portrait_skin.h"

#include <algorithm>
#include <cmath>

namespace contentgen::ui::portrait_skin {

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
  const int w = c.width(), h = c.height();
  // The tone scaled so that its brightest channel stands at the floor.
  const double top = std::max({tone.r, tone.g, tone.b, 1e-3});
  const double t[3] = {tone.r * floor / top, tone.g * floor / top, tone.b * floor / top};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const float m = mask[static_cast<size_t>(y) * w + x];
      if (m <= 0) continue;
      uint8_t p[4];
      c.get_pixel(x, y, p);
      const double v[3] = {p[0] / 255.0, p[1] / 255.0, p[2] / 255.0};
      const double brightest = std::max({v[0], v[1], v[2]});
      // A toe: black rises to the floor, one and a half times the floor
      // stays put, and between them a darker pixel stays the darker.
      const double reach = 1.5 * floor;
      if (brightest >= reach) continue;
      const double k = m * (1 - brightest / reach) * (1 - brightest / reach);
      for (int i = 0; i < 3; ++i) p[i] = static_cast<uint8_t>(std::lround(255 * std::min(1.0, v[i] + t[i] * k)));
      c.set_pixel(x, y, p);
    }
}

void grain(Canvas& c, const std::vector<float>& mask, uint32_t seed) {
  const int w = c.width(), h = c.height();
  // Blotches: a coarse lattice of random warm or cool shifts, smoothly
  // interpolated, a few pixels across.
  constexpr int cell = 5;
  const int gw = w / cell + 2, gh = h / cell + 2;
  Noise n(seed);
  std::vector<double> blotch(static_cast<size_t>(gw) * gh);
  for (double& b : blotch) b = n.range(-1, 1);
  auto lattice = [&](double gx, double gy) {
    const int x0 = static_cast<int>(gx), y0 = static_cast<int>(gy);
    double fx = gx - x0, fy = gy - y0;
    fx = fx * fx * (3 - 2 * fx), fy = fy * fy * (3 - 2 * fy);
    auto at = [&](int x, int y) { return blotch[static_cast<size_t>(std::min(y, gh - 1)) * gw + std::min(x, gw - 1)]; };
    return (at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx) * (1 - fy) + (at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx) * fy;
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      // Drawn for every pixel, so the grain does not shift with the mask.
      const double pore = n.unit(), fine = n.range(-1, 1);
      const float m = mask[static_cast<size_t>(y) * w + x];
      if (m <= 0) continue;
      uint8_t p[4];
      c.get_pixel(x, y, p);
      const double b = lattice(static_cast<double>(x) / cell, static_cast<double>(y) / cell);
      // A pore is a small dark speck; the rest a faint grain of light.
      // Coarse enough to break the smooth render's waxy sheen.
      double gain = 1 + 0.045 * fine;
      if (pore < 0.07) gain -= 0.08;
      const double shift[3] = {1 + 0.045 * b, 1, 1 - 0.045 * b};
      for (int i = 0; i < 3; ++i) {
        const double v = p[i] / 255.0, out = v * (1 + (gain * shift[i] - 1) * m);
        p[i] = static_cast<uint8_t>(std::lround(255 * std::clamp(out, 0.0, 1.0)));
      }
      c.set_pixel(x, y, p);
    }
}

}  // namespace contentgen::ui::portrait_skin
