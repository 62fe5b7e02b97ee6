// Grime over the broad lit faces of a finished metal wall. The finish lifts
// the plates' upper faces to near white, and a room tint that keeps one
// channel turns such a face into one flat colour. This pass darkens only
// the broad bright areas, in mottled patches and runs that thicken toward
// the deck, so the faces drop into the mids while the thin lit edges,
// rivet heads and lamps (bright among darker neighbours) stay bright.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "paint_kit/pixels.h"
#include "paint_kit/value_detail.h"
#include "wall_parts.h"

namespace contentgen::roomart {

void face_grime(Canvas& c, Noise& n) {
  const int w = c.width(), h = c.height();
  const int y0 = kTrimBottom, y1 = kBaseTop;
  // The value of each content pixel, then its mean over a 7 x 7 box: a
  // broad face is bright all round, an edge or a rivet is not.
  std::vector<double> v(static_cast<size_t>(w) * h, 0), box(v.size(), 0);
  for (int y = y0; y < y1; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t p[4];
      c.get_pixel(x, y, p);
      v[static_cast<size_t>(y) * w + x] = (0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]) / 255.0;
    }
  constexpr int r = 3;
  for (int y = y0; y < y1; ++y)
    for (int x = 0; x < w; ++x) {
      double s = 0;
      int k = 0;
      for (int dy = -r; dy <= r; ++dy) {
        const int yy = std::clamp(y + dy, y0, y1 - 1);
        for (int dx = -r; dx <= r; ++dx) {
          const int xx = std::clamp(x + dx, 0, w - 1);
          s += v[static_cast<size_t>(yy) * w + xx], ++k;
        }
      }
      box[static_cast<size_t>(y) * w + x] = s / k;
    }
  ValueNoise patches(n, w, h, 17), mottle(n, w, h, 6);
  // Runs: noise stretched down the wall, so dirt hangs in vertical streaks.
  ValueNoise runs(n, w * 3, h, 3);
  paint::each_pixel(c, 0, y0, w, y1 - y0, [&](int x, int y, uint32_t& p) {
    const double b = box[static_cast<size_t>(y) * w + x];
    const double broad = std::clamp((b - 0.5) / 0.4, 0.0, 1.0);
    if (broad <= 0) return;
    const double down = static_cast<double>(y - y0) / (y1 - y0);
    const double run = std::clamp((runs.at(x * 1.2, y / 6.0) - 0.55) * 3, 0.0, 1.0);
    const double dirt = 0.14 + 0.24 * patches.at(x, y) + 0.1 * mottle.at(x, y) + 0.12 * down + 0.12 * run;
    const double k = 1 - broad * broad * (3 - 2 * broad) * dirt;
    uint32_t out = p & 0xFF000000u;
    for (int shift : {16, 8, 0})
      out |= static_cast<uint32_t>(std::lround(paint::channel(p, shift) * k)) << shift;
    p = out;
  });
  // With the faces down in the mids, the lit edges and rivet heads are
  // pushed back toward white and the seams toward black against them. The
  // trim and baseboard keep the finish every tile shares.
  std::vector<std::array<uint8_t, 4>> kept;
  auto shared_row = [&](int y) { return y < y0 || y >= y1; };
  for (int y = 0; y < h; ++y)
    if (shared_row(y))
      for (int x = 0; x < w; ++x) c.get_pixel(x, y, kept.emplace_back().data());
  paint::shine_and_shade(c, 2, 0.45, 0.4);
  size_t i = 0;
  for (int y = 0; y < h; ++y)
    if (shared_row(y))
      for (int x = 0; x < w; ++x) c.set_pixel(x, y, kept[i++].data());
}

}  // namespace contentgen::roomart
