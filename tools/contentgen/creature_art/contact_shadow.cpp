#include "creature_art/contact_shadow.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "creature_art/corpse_cut.h"

namespace contentgen::creatures {

namespace {

// A soft bump along a row: each marked column spreads to `r` either side,
// falling off smoothly; the result is the largest bump over each column.
std::vector<float> spread(const std::vector<float>& v, int r) {
  const int w = static_cast<int>(v.size());
  std::vector<float> out(v.size(), 0.0f);
  for (int x = 0; x < w; ++x) {
    if (v[static_cast<size_t>(x)] <= 0) continue;
    for (int d = -r; d <= r; ++d) {
      const int at = x + d;
      if (at < 0 || at >= w) continue;
      const float t = 1.0f - static_cast<float>(std::abs(d)) / static_cast<float>(r + 1);
      out[static_cast<size_t>(at)] = std::max(out[static_cast<size_t>(at)], v[static_cast<size_t>(x)] * t * t * (3 - 2 * t));
    }
  }
  return out;
}

}  // namespace

std::vector<float> contact_shadow_cover(const Canvas& c, const ShadowShape& s) {
  const int w = c.width(), h = c.height();
  const std::vector<uint8_t> solid = drawn_mask(c);
  std::vector<float> feet(static_cast<size_t>(w), 0.0f), body(static_cast<size_t>(w), 0.0f);
  int first = w, last = -1;
  for (int x = 0; x < w; ++x)
    for (int y = h - s.contact_rows; y < h; ++y)
      if (y >= 0 && solid[static_cast<size_t>(y) * w + x]) {
        feet[static_cast<size_t>(x)] = 1;
        first = std::min(first, x), last = std::max(last, x);
      }
  // The body stands over the span between its outermost feet: a lighter
  // shade joins them. A tail or a reaching arm elsewhere casts none. With
  // the feet together, as a leg swings through, the body still shades a
  // patch about as wide as the reach round them.
  if (last >= first && last - first < 2 * s.reach) {
    const int mid = (first + last) / 2;
    first = std::max(0, mid - s.reach), last = std::min(w - 1, mid + s.reach);
  }
  for (int x = first; x <= last; ++x) body[static_cast<size_t>(x)] = 1;
  const std::vector<float> near = spread(feet, s.reach);
  const std::vector<float> wide = spread(body, s.reach / 2 + 2);
  std::vector<float> cover(static_cast<size_t>(w) * h, 0.0f);
  for (int row = 0; row < s.depth && row < h; ++row) {
    const int y = h - 1 - row;
    // The floor is seen from a little above: the patch thins toward its far
    // edge, and its sides pull in as it recedes, rounding it into an ellipse.
    const float t = static_cast<float>(row) / static_cast<float>(s.depth);
    const float fade = 1.0f - t * t;
    for (int x = 0; x < w; ++x) {
      const size_t i = static_cast<size_t>(y) * w + x;
      if (solid[i]) continue;
      const float f = near[static_cast<size_t>(x)], b = wide[static_cast<size_t>(x)];
      const float k = std::max(s.core * std::pow(f, 1 + 2 * t), s.under * std::pow(b, 1 + 3 * t));
      cover[i] = std::clamp(k * fade, 0.0f, 1.0f);
    }
  }
  return cover;
}

void contact_shadow(Canvas& c, const ShadowShape& s) {
  static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  const int w = c.width(), h = c.height();
  const std::vector<float> cover = contact_shadow_cover(c, s);
  // Near black with a cool cast: under a warm room light it stays a shadow
  // rather than a brown stain.
  const uint8_t shade[4] = {7, 8, 12, 255};
  for (int y = std::max(0, h - s.depth); y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const float k = cover[static_cast<size_t>(y) * w + x];
      if (k <= 0) continue;
      if (k * 16.0f > static_cast<float>(bayer[y & 3][x & 3]) + 0.5f) c.set_pixel(x, y, shade);
    }
}

}  // namespace contentgen::creatures
