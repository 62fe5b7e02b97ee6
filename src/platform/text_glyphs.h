// The layer's own 5 x 7 text font for ASCII 32..126, drawn in 6 x 8 cells.
#pragma once

namespace plat::detail {

constexpr int kGlyphCellW = 6, kGlyphCellH = 8;
constexpr int kGlyphFirst = 32, kGlyphLast = 126;

// Whether pixel (x, y) of the glyph for code c is lit (x 0..4, y 0..7;
// only descenders reach row 7).
bool glyph_pixel(int c, int x, int y);

}  // namespace plat::detail
