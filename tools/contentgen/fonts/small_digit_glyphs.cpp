// The small digit font (numbers2.png): blocky two-pixel-stroke digits built
// from segments, 11 rows high starting at row 1, as wide as each digit's
// advance allows less one column for the shadow.
#include "fonts/pixel_glyphs.h"
#include "render/font_tables.h"

namespace contentgen::fonts {

namespace {

constexpr int kTop = 1;     // first ink row
constexpr int kHeight = 11;
constexpr int keyrows = 13;   // cell height

// Segments: a top, b upper right, c lower right, d bottom, e lower left,
// f upper left, g middle.
enum : unsigned { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };

PixelGlyph segments(int advance, unsigned segs, bool one = false) {
  int w = advance - 1;
  std::vector<std::string> rows(keyrows, std::string(advance, '.'));
  auto fill = [&](int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) rows[kTop + y][x] = '#';
  };
  const int mid = 4;  // middle bar rows mid..mid+1
  const int last = kHeight - 1;
  if (one) {
    // A stem with a flag and a foot, centred.
    int sx = w / 2;
    fill(sx, 0, sx + 1, last);
    fill(sx - 2, 1, sx - 1, 2);
    fill(sx - 2, last - 1, sx + 3 < w ? sx + 3 : w - 1, last);
    return {advance, rows};
  }
  if (segs & A) fill(0, 0, w - 1, 1);
  if (segs & B) fill(w - 2, 0, w - 1, mid + 1);
  if (segs & C) fill(w - 2, mid, w - 1, last);
  if (segs & D) fill(0, last - 1, w - 1, last);
  if (segs & E) fill(0, mid, 1, last);
  if (segs & F) fill(0, 0, 1, mid + 1);
  if (segs & G) fill(segs == G ? 1 : 0, mid, segs == G ? w - 2 : w - 1, mid + 1);
  // Round off outer corners where a bar meets a stem.
  auto soften = [&](int x, int y, bool bar, bool stem) {
    if (bar && stem) rows[kTop + y][x] = '.';
  };
  soften(0, 0, segs & A, segs & F);
  soften(w - 1, 0, segs & A, segs & B);
  soften(0, last, segs & D, segs & E);
  soften(w - 1, last, segs & D, segs & C);
  return {advance, rows};
}

std::vector<PixelGlyph> build() {
  const int* adv = fonttab::widths_smalldigits;
  return {
      segments(adv[0], A | B | C | D | E | F),
      segments(adv[1], 0, true),
      segments(adv[2], A | B | G | E | D),
      segments(adv[3], A | B | G | C | D),
      segments(adv[4], F | G | B | C),
      segments(adv[5], A | F | G | C | D),
      segments(adv[6], A | F | G | E | C | D),
      segments(adv[7], A | B | C),
      segments(adv[8], A | B | C | D | E | F | G),
      segments(adv[9], A | B | C | D | F | G),
      segments(adv[10], G),
  };
}

}  // namespace

const std::vector<PixelGlyph>& small_digit_glyphs() {
  static const std::vector<PixelGlyph> glyphs = build();
  return glyphs;
}

}  // namespace contentgen::fonts
