#include "creature_art/corpse_cut.h"

#include <cstdint>
#include <vector>

namespace contentgen::creatures {

void cut_as_drawn(Canvas& c) {
  const int w = c.width(), h = c.height();
  std::vector<uint8_t> solid(static_cast<size_t>(w) * h);
  uint8_t px[4];
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      c.get_pixel(x, y, px);
      const bool whole = px[3] >= 128;
      solid[static_cast<size_t>(y) * w + x] = whole;
      if (px[3] == 0 || px[3] == 255) continue;
      px[3] = whole ? 255 : 0;
      if (!whole) px[0] = px[1] = px[2] = 0;
      c.set_pixel(x, y, px);
    }
  auto at = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && solid[static_cast<size_t>(y) * w + x]; };
  // The line stays off the picture's border, which must stay clear.
  const uint8_t line[4] = {14, 13, 12, 255};
  for (int y = 1; y + 1 < h; ++y)
    for (int x = 1; x + 1 < w; ++x)
      if (!at(x, y) && (at(x - 1, y) || at(x + 1, y) || at(x, y - 1) || at(x, y + 1))) c.set_pixel(x, y, line);
}

}  // namespace contentgen::creatures
