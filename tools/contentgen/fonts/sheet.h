// Glyph sheets: one row of cells, frame f in the cell at x = f * cell width.
#pragma once

#include <vector>

#include "paint_kit/canvas.h"
#include "fonts/pixel_glyphs.h"

namespace contentgen::fonts {

// Paints pixel glyphs into a strip of cells: light ink with a dark drop
// shadow one pixel down and right (kept inside the cell); a heavy sheet
// also darkens the pixel right of and below each edge of ink, so thin
// letters keep a crisp dark rim over bright plates. Throws when a glyph
// reaches more than `overhang` columns past its advance, out of its cell or
// below it.
Bytes pixel_sheet(const std::vector<PixelGlyph>& glyphs, int cellw, int cellh, int cells,
                  int overhang = 0, bool heavy = false);

// The large outline faces, drawn with Cairo from DejaVu fonts.
Bytes large_font_sheet();   // font.png
Bytes second_face_sheet();  // font2.png
// Heavy outlined digits of numbers.png.
Bytes digit_sheet();

}  // namespace contentgen::fonts
