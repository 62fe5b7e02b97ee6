#include "ceiling_light.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "paint_kit/pixels.h"
#include "wall_parts.h"

namespace contentgen::roomart {

namespace {

// Gain of the ceiling light down the panel: a lift under the trim that
// fades by mid-wall, a slow fall below it, then the contact shadow over
// the bottom 28 px, deepest against the baseboard.
double fall_at(int y) {
  const double t = static_cast<double>(y - kTrimBottom) / (kBaseTop - kTrimBottom);
  const double lift = 0.3 * std::exp(-std::pow(t / 0.4, 2.0));
  const double fall = 0.12 * t;
  const double near_deck = std::clamp((y - (kBaseTop - 28.0)) / 28.0, 0.0, 1.0);
  const double contact = 0.42 * near_deck * near_deck * (3 - 2 * near_deck);
  return (1 + lift - fall) * (1 - contact);
}

// Brightens without clipping: a gain above one lifts the mids and eases
// into white; below one it is a plain multiply.
double apply_gain(double v, double gain) {
  if (gain <= 1) return v * gain;
  return 1 - std::pow(1 - v, gain);
}

}  // namespace

void light_from_ceiling(Canvas& c, bool metal) {
  const int w = c.width(), y0 = kTrimBottom, y1 = kBaseTop;
  // Relief from the picture's own values: bright reads as standing out,
  // dark as sunk. A value stepping up from the row above is an upper edge
  // facing the lamps; stepping down, the shadow under a ledge.
  std::vector<double> v(static_cast<size_t>(w) * c.height(), 0);
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t p[4];
      c.get_pixel(x, y, p);
      v[static_cast<size_t>(y) * w + x] = (0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]) / 255.0;
    }
  auto soft = [&](int x, int y) {  // a 3-wide horizontal average, so single specks make no edge
    double s = 0;
    for (int dx = -1; dx <= 1; ++dx) s += v[static_cast<size_t>(std::clamp(y, 0, c.height() - 1)) * w + std::clamp(x + dx, 0, w - 1)];
    return s / 3;
  };
  paint::each_pixel(c, 0, y0, w, y1 - y0, [&](int x, int y, uint32_t& p) {
    const double gain = metal ? fall_at(y) : std::min(1.0, fall_at(y));
    double edge = 0;
    if (metal) {
      const double step = soft(x, y) - soft(x, y - 2);
      // Lit lips a little stronger than the shadows, so faces do not sink.
      edge = step > 0 ? 0.55 * std::min(step, 0.35) : 0.45 * std::max(step, -0.35);
    }
    uint32_t out = p & 0xFF000000u;
    for (int shift : {16, 8, 0}) {
      double ch = paint::channel(p, shift) / 255.0;
      ch = apply_gain(ch, gain);
      // The relief scales with the light falling on it.
      ch = std::clamp(ch + edge * std::min(gain, 1.0) * (edge > 0 ? 1 - ch * 0.6 : ch + 0.25), 0.0, 1.0);
      out |= static_cast<uint32_t>(std::lround(ch * 255)) << shift;
    }
    p = out;
  });
}

}  // namespace contentgen::roomart
