#include <algorithm>
#include <stdexcept>

#include "fonts/sheet.h"

namespace contentgen::fonts {

PixelGlyph embolden(const PixelGlyph& g) {
  PixelGlyph out{g.width, {}};
  for (const std::string& row : g.rows) {
    auto ink = [&](int x) { return x >= 0 && x < static_cast<int>(row.size()) && row[x] == '#'; };
    std::string r(row.size() + 1, '.');
    for (int x = 0; x < static_cast<int>(r.size()); ++x)
      if (ink(x) || (ink(x - 1) && !ink(x + 1))) r[x] = '#';
    out.rows.push_back(r);
  }
  return out;
}

Bytes pixel_sheet(const std::vector<PixelGlyph>& glyphs, int cellw, int cellh, int cells, int overhang,
                  bool heavy) {
  Canvas c(cellw * cells, cellh);
  const uint8_t ink[4] = {255, 255, 255, 255};
  const uint8_t shadow[4] = {40, 40, 48, 255};
  for (size_t f = 0; f < glyphs.size(); ++f) {
    const PixelGlyph& g = glyphs[f];
    if (static_cast<int>(g.rows.size()) > cellh)
      throw std::runtime_error("glyph " + std::to_string(f) + " is taller than its cell");
    auto on = [&](int x, int y) {
      return y >= 0 && y < static_cast<int>(g.rows.size()) && x >= 0 &&
             x < static_cast<int>(g.rows[y].size()) && g.rows[y][x] == '#';
    };
    for (size_t y = 0; y < g.rows.size(); ++y)
      if (static_cast<int>(g.rows[y].find_last_of('#') + 1) > std::min(g.width + overhang, cellw))
        throw std::runtime_error("glyph " + std::to_string(f) + " is wider than its advance");
    int x0 = static_cast<int>(f) * cellw;
    // Shadow first, one pixel down and right, where there is no ink.
    for (int y = 0; y < cellh; ++y)
      for (int x = 0; x < cellw; ++x)
        if (!on(x, y) && (on(x - 1, y - 1) || (heavy && (on(x - 1, y) || on(x, y - 1)))))
          c.set_pixel(x0 + x, y, shadow);
    for (int y = 0; y < cellh; ++y)
      for (int x = 0; x < cellw; ++x)
        if (on(x, y)) c.set_pixel(x0 + x, y, ink);
  }
  return c.png();
}

}  // namespace contentgen::fonts
