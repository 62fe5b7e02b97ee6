#include "creature_art/magnified_finish.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace contentgen::creatures {

namespace {

// Pixels are premultiplied ARGB, little-endian: b, g, r, a.
constexpr int kB = 0, kG = 1, kR = 2, kA = 3;
// How far the dark rim reaches in from the outline, and how dark it is at
// the outermost pixel.
constexpr int kRimDepth = 4;
constexpr float kRimDark = 0.30f;
// A pixel differing from its neighbours' mean by more than this (on a
// 0..255 luminance) while brighter or darker than every one of them is
// speckle.
constexpr int kSpeckle = 14;
// Beyond this difference any pixel is pulled halfway to its neighbours.
constexpr int kHarsh = 40;

int luma(const uint8_t* p) { return (p[kR] * 3 + p[kG] * 6 + p[kB]) / 10; }

}  // namespace

void finish_for_magnifying(Canvas& c, bool keep_glints) {
  cairo_surface_t* s = c.surface();
  cairo_surface_flush(s);
  uint8_t* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s), w = c.width(), h = c.height();
  auto at = [&](int x, int y) { return data + static_cast<size_t>(y) * stride + x * 4; };
  auto solid = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && at(x, y)[kA] >= 128; };

  // Stray pixels: an opaque pixel with at most one opaque neighbour.
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!solid(x, y)) continue;
      int n = 0;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) n += (dx || dy) && solid(x + dx, y + dy);
      if (n <= 1) std::memset(at(x, y), 0, 4);
    }

  // Speckle inside the body, judged on a copy so the result does not
  // depend on the order of the pass.
  const std::vector<uint8_t> src(data, data + static_cast<size_t>(stride) * h);
  auto was = [&](int x, int y) { return src.data() + static_cast<size_t>(y) * stride + x * 4; };
  for (int y = 1; y + 1 < h; ++y)
    for (int x = 1; x + 1 < w; ++x) {
      const uint8_t* p = was(x, y);
      if (p[kA] != 255) continue;
      int sum[3] = {0, 0, 0}, lo = 255, hi = 0;
      bool inside = true;
      for (int dy = -1; dy <= 1 && inside; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          if (!dx && !dy) continue;
          const uint8_t* q = was(x + dx, y + dy);
          if (q[kA] != 255) {
            inside = false;
            break;
          }
          for (int k = 0; k < 3; ++k) sum[k] += q[k];
          lo = std::min(lo, luma(q)), hi = std::max(hi, luma(q));
        }
      if (!inside) continue;
      const int l = luma(p), mean = (sum[kR] * 3 + sum[kG] * 6 + sum[kB]) / 80;
      const int d = std::abs(l - mean);
      const bool lone = (l > hi || l < lo) && d > kSpeckle;
      if (!lone && d <= kHarsh) continue;
      if (keep_glints && l > mean) continue;
      // A lone speckle goes most of the way to its surroundings; a harsh
      // step between two areas only halfway, so real edges stay.
      const int keep = lone ? 1 : 2;
      uint8_t* o = at(x, y);
      for (int k = 0; k < 3; ++k) o[k] = static_cast<uint8_t>((p[k] * keep + sum[k] / 8 * (4 - keep)) / 4);
    }

  // The rim: distance in from the outline, in rings.
  std::vector<uint8_t> dist(static_cast<size_t>(w) * h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!solid(x, y)) continue;
      bool edge = false;
      for (int dy = -1; dy <= 1 && !edge; ++dy)
        for (int dx = -1; dx <= 1; ++dx) edge = edge || !solid(x + dx, y + dy);
      if (edge) dist[static_cast<size_t>(y) * w + x] = 1;
    }
  for (int ring = 2; ring <= kRimDepth; ++ring)
    for (int y = 1; y + 1 < h; ++y)
      for (int x = 1; x + 1 < w; ++x) {
        uint8_t& d = dist[static_cast<size_t>(y) * w + x];
        if (d || !solid(x, y)) continue;
        for (int dy = -1; dy <= 1 && !d; ++dy)
          for (int dx = -1; dx <= 1; ++dx)
            if (dist[static_cast<size_t>(y + dy) * w + x + dx] == ring - 1) {
              d = static_cast<uint8_t>(ring);
              break;
            }
      }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int d = dist[static_cast<size_t>(y) * w + x];
      if (!d) continue;
      const float f = 1 - kRimDark * (1 - static_cast<float>(d - 1) / kRimDepth);
      uint8_t* o = at(x, y);
      for (int k = 0; k < 3; ++k) o[k] = static_cast<uint8_t>(o[k] * f);
    }
  cairo_surface_mark_dirty(s);
}

}  // namespace contentgen::creatures
