// Hand-drawn pixel glyphs: rows of '#' (ink) and '.' (empty), top row first.
#pragma once

#include <string>
#include <vector>

namespace contentgen::fonts {

struct PixelGlyph {
  int width;                      // advance width the glyph must fit
  std::vector<std::string> rows;  // rows[0] is the cell's top row
};

// The same glyph with two-pixel stems: each run of ink grows one pixel to
// the right, except where that would close a one-pixel gap (M's middle, an
// umlaut's dots). The result is one column wider than the advance and
// reaches into the letter gap the text code adds.
PixelGlyph embolden(const PixelGlyph& g);

// font3.png glyphs, frame by frame (89 frames; 10 rows each): the light
// hand-drawn set, and the bold weight the sheet is drawn in.
const std::vector<PixelGlyph>& small_font_glyphs();
const std::vector<PixelGlyph>& small_font_bold_glyphs();
// numbers2.png glyphs, "0".."9" and "-" (13 rows each).
const std::vector<PixelGlyph>& small_digit_glyphs();

}  // namespace contentgen::fonts
