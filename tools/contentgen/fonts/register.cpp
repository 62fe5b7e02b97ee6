// The glyph sheets of the five image fonts. Each sheet is a single row of
// cells; frame f is the cell at x = f * cell width, and every glyph is drawn
// from its cell's left edge within the advance width the text code uses.
#include <stdexcept>

#include "fonts/pixel_glyphs.h"
#include "fonts/sheet.h"
#include "registry.h"
#include "render/font_tables.h"

namespace contentgen {

namespace {

// The hand-drawn glyphs must agree with the text code's width tables.
void check_widths(const std::vector<fonts::PixelGlyph>& glyphs, const int* widths, size_t count,
                  const char* sheet) {
  if (glyphs.size() != count) throw std::runtime_error(std::string(sheet) + ": glyph count");
  for (size_t i = 0; i < count; ++i)
    if (glyphs[i].width != widths[i])
      throw std::runtime_error(std::string(sheet) + ": width of glyph " + std::to_string(i));
}

}  // namespace

void register_fonts(Registry& reg) {
  reg.add("data\\gfx\\font.png", [] { return fonts::large_font_sheet(); });
  reg.add("data\\gfx\\font2.png", [] { return fonts::second_face_sheet(); });
  reg.add("data\\gfx\\numbers.png", [] { return fonts::digit_sheet(); });
  reg.add("data\\gfx\\numbers2.png", [] {
    const auto& g = fonts::small_digit_glyphs();
    check_widths(g, fonttab::widths_smalldigits, fonttab::digitframes, "numbers2.png");
    return fonts::pixel_sheet(g, 11, 13, fonttab::digitframes);
  });
  reg.add("data\\gfx\\font3.png", [] {
    check_widths(fonts::small_font_glyphs(), fonttab::widths_small, fonttab::smallframes, "font3.png");
    // Two-pixel stems reach one column into the two-pixel gap the small
    // text leaves between letters; the dark rim fills the other.
    return fonts::pixel_sheet(fonts::small_font_bold_glyphs(), 9, 10, fonttab::smallcells, 1, true);
  });
}

}  // namespace contentgen
