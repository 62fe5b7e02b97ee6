#include "creature_art/magnified_finish.h"

#include <algorithm>
#include <cmath>
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

void sharpen_for_magnifying(Canvas& c, float amount, float sigma, float floor) {
  if (amount <= 0 || sigma <= 0) return;
  cairo_surface_t* s = c.surface();
  cairo_surface_flush(s);
  uint8_t* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s), w = c.width(), h = c.height();
  if (w <= 0 || h <= 0) return;
  auto at = [&](int x, int y) { return data + static_cast<size_t>(y) * stride + x * 4; };
  const int r = std::max(1, static_cast<int>(std::ceil(sigma * 2.5f)));
  std::vector<float> kernel(static_cast<size_t>(2 * r + 1));
  for (int i = -r; i <= r; ++i) kernel[static_cast<size_t>(i + r)] = std::exp(-0.5f * i * i / (sigma * sigma));
  // Colour times solidity, and solidity, blurred across then down.
  const size_t n = static_cast<size_t>(w) * h;
  std::vector<float> col(n * 3), wt(n), tmp_col(n * 3), tmp_wt(n);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = at(x, y);
      const size_t i = static_cast<size_t>(y) * w + x;
      const float m = p[kA] == 255 ? 1.0f : 0.0f;
      wt[i] = m;
      for (int k = 0; k < 3; ++k) col[i * 3 + k] = p[k] * m;
    }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float sw = 0, sc[3] = {0, 0, 0};
      for (int d = -r; d <= r; ++d) {
        const int xx = x + d;
        if (xx < 0 || xx >= w) continue;
        const size_t j = static_cast<size_t>(y) * w + xx;
        const float k = kernel[static_cast<size_t>(d + r)];
        sw += wt[j] * k;
        for (int ch = 0; ch < 3; ++ch) sc[ch] += col[j * 3 + ch] * k;
      }
      const size_t i = static_cast<size_t>(y) * w + x;
      tmp_wt[i] = sw;
      for (int ch = 0; ch < 3; ++ch) tmp_col[i * 3 + ch] = sc[ch];
    }
  // Judged on a copy: each pixel's overshoot is held to the range of its
  // solid neighbours as they were, widened by a quarter, so edges crisp
  // without ringing into halos or clipping the dark body to black.
  const std::vector<uint8_t> src(data, data + static_cast<size_t>(stride) * h);
  auto was = [&](int x, int y) { return src.data() + static_cast<size_t>(y) * stride + x * 4; };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = at(x, y);
      if (p[kA] != 255) continue;
      int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          const uint8_t* q = was(nx, ny);
          if (q[kA] != 255) continue;
          for (int ch = 0; ch < 3; ++ch) lo[ch] = std::min(lo[ch], int{q[ch]}), hi[ch] = std::max(hi[ch], int{q[ch]});
        }
      float sw = 0, sc[3] = {0, 0, 0};
      for (int d = -r; d <= r; ++d) {
        const int yy = y + d;
        if (yy < 0 || yy >= h) continue;
        const size_t j = static_cast<size_t>(yy) * w + x;
        const float k = kernel[static_cast<size_t>(d + r)];
        sw += tmp_wt[j] * k;
        for (int ch = 0; ch < 3; ++ch) sc[ch] += tmp_col[j * 3 + ch] * k;
      }
      float diff[3];
      for (int ch = 0; ch < 3; ++ch) diff[ch] = p[ch] - sc[ch] / sw;
      // Eased in below the floor, so faint grain stays faint.
      const float dl = std::fabs(0.3f * diff[kR] + 0.6f * diff[kG] + 0.1f * diff[kB]);
      const float ease = floor > 0 ? std::min(1.0f, dl / floor) : 1.0f;
      for (int ch = 0; ch < 3; ++ch) {
        const float spread = 0.25f * (hi[ch] - lo[ch]);
        const float v = std::clamp(p[ch] + amount * ease * diff[ch], lo[ch] - spread, hi[ch] + spread);
        p[ch] = static_cast<uint8_t>(std::clamp(v + 0.5f, 0.0f, 255.0f));
      }
    }
  cairo_surface_mark_dirty(s);
}

}  // namespace contentgen::creatures
