// The layer's own 5 x 7 text font for ASCII 32..126, drawn in 6 x 8 cells.
#pragma once

namespace plat::detail {

constexpr int glyph_cell_w = 6, glyph_cell_h = 8;
constexpr int glyph_first = 32, glyph_last = 126;

// Whether pixel (x, y) of the glyph for code c is lit (x 0..4, y 0..7;
// only descenders reach row 7).
bool glyph_pixel(int c, int x, int y);

}  // namespace plat::detail
