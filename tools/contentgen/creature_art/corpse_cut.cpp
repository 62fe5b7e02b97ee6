#include "creature_art/corpse_cut.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace contentgen::creatures {

std::vector<uint8_t> drawn_mask(const Canvas& c) {
  const int w = c.width(), h = c.height();
  std::vector<uint8_t> solid(static_cast<size_t>(w) * h);
  uint8_t px[4];
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      c.get_pixel(x, y, px);
      solid[static_cast<size_t>(y) * w + x] = px[3] >= 128;
    }
  return solid;
}

void ring_outline(Canvas& c, const std::vector<uint8_t>& solid, const uint8_t line[4], int first_row, int last_row) {
  const int w = c.width(), h = c.height();
  auto at = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && solid[static_cast<size_t>(y) * w + x]; };
  for (int y = first_row; y <= last_row; ++y)
    for (int x = 1; x + 1 < w; ++x)
      if (!at(x, y) && (at(x - 1, y) || at(x + 1, y) || at(x, y - 1) || at(x, y + 1))) c.set_pixel(x, y, line);
}

void cut_as_drawn(Canvas& c) {
  const int w = c.width(), h = c.height();
  const std::vector<uint8_t> solid = drawn_mask(c);
  uint8_t px[4];
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      c.get_pixel(x, y, px);
      if (px[3] == 0 || px[3] == 255) continue;
      const bool whole = solid[static_cast<size_t>(y) * w + x];
      px[3] = whole ? 255 : 0;
      if (!whole) px[0] = px[1] = px[2] = 0;
      c.set_pixel(x, y, px);
    }
  // The line stays off the picture's border, which must stay clear.
  const uint8_t line[4] = {14, 13, 12, 255};
  ring_outline(c, solid, line, 1, h - 2);
  catch_top_light(c, solid);
}

void catch_top_light(Canvas& c, const std::vector<uint8_t>& solid) {
  // A dark room's tint leaves a twentieth of a picture's light, so a body
  // of dark chitin sinks into the deck. Its wet upper edge, just under the
  // dark line, catches what light there is: the top drawn pixel of each
  // column run turned most of the way to a pale sheen, the one under it a
  // little, so the corpse keeps a thin bright crest in the dark and a wet
  // highlight when lit.
  const int w = c.width(), h = c.height();
  auto at = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && solid[static_cast<size_t>(y) * w + x]; };
  const double sheen[3] = {200, 216, 204};
  uint8_t px[4];
  for (int y = 1; y + 1 < h; ++y)
    for (int x = 1; x + 1 < w; ++x) {
      if (!at(x, y)) continue;
      const double k = !at(x, y - 1) ? 0.72 : !at(x, y - 2) ? 0.28 : 0.0;
      if (k == 0) continue;
      c.get_pixel(x, y, px);
      for (int i = 0; i < 3; ++i) px[i] = static_cast<uint8_t>(std::lround(px[i] + (sheen[i] - px[i]) * k));
      c.set_pixel(x, y, px);
    }
}

}  // namespace contentgen::creatures
