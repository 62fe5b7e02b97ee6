// Glyph sheets: one row of cells, frame f in the cell at x = f * cell width.
#pragma once

#include <vector>

#include "paint_kit/canvas.h"
#include "fonts/pixel_glyphs.h"

namespace contentgen::fonts {

// Paints pixel glyphs into a strip of cells: light ink with a dark drop
// shadow one pixel down and right (kept inside the cell). Throws when a
// glyph is wider than its advance or taller than the cell.
Bytes pixel_sheet(const std::vector<PixelGlyph>& glyphs, int cellw, int cellh, int cells);

// The large outline faces, drawn with Cairo from DejaVu fonts.
Bytes large_font_sheet();   // font.png
Bytes second_face_sheet();  // font2.png
// Heavy outlined digits of numbers.png.
Bytes digit_sheet();

}  // namespace contentgen::fonts
