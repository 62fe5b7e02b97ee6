// The small font as drawn: every glyph emboldened to two-pixel stems, and
// the letters whose diagonals or close strokes would clog when simply
// widened drawn again by hand in the bold weight.
#include <cstdint>
#include <sstream>

#include "fonts/pixel_glyphs.h"
#include "render/font_tables.h"

namespace contentgen::fonts {

namespace {

struct Redraw {
  uint8_t ch;        // character, Latin-1
  const char* rows;  // '|'-separated, up to one column wider than the advance
};

// Marks over Ä Å ä ö å sit centred over the letter; diagonals keep two
// pixels all the way; M W N keep a clear notch.
constexpr Redraw kRedrawn[] = {
    {'M', "|##....##|###..###|##.##.##|##.##.##|##....##|##....##|##....##"},
    {'N', "|##...##|###..##|####.##|##.####|##..###|##...##|##...##"},
    {'Q', "|.#####.|##...##|##...##|##...##|##.#.##|##..##.|.###.##"},
    {'V', "|##....##|##....##|.##..##.|.##..##.|..####..|..####..|...##..."},
    {'W', "|##....##|##....##|##....##|##.##.##|##.##.##|###..###|##....##"},
    {'X', "|##....##|.##..##.|..####..|...##...|..####..|.##..##.|##....##"},
    {'Y', "|##....##|.##..##.|..####..|...##...|...##...|...##...|...##..."},
    {'Z', "|#######|.....##|....##.|...##..|..##...|.##....|#######"},
    {'m', "|||######.|##.##.##|##.##.##|##.##.##|##.##.##"},
    {'r', "|||##.##|####.|##...|##...|##..."},
    {'v', "|||##..##|##..##|.####.|.####.|..##.."},
    {'w', "|||##....##|##....##|##.##.##|##.##.##|.##..##."},
    {'x', "|||##..##|.####.|..##..|.####.|##..##"},
    {'4', "|...##.|..###.|.####.|##.##.|######|...##.|...##."},
    {'0', "|.####.|##..##|##..##|##.###|###.##|##..##|.####."},
    {'*', "||..##..|#.##.#|.####.|#.##.#|..##.."},
    {'%', "|##....##|##...##.|....##..|...##...|..##....|.##...##|##....##"},
    {'#', "|..##.##.|..##.##.|########|..##.##.|########|..##.##.|..##.##."},
    {0xC4, ".##..##.||..####..|.##..##.|##....##|########|##....##|##....##"},
    {0xC5, "..####..|..#..#..|..####..|.##..##.|##....##|########|##....##|##....##"},
    {0xE4, "|.#..#.||.####.|....##|.#####|##..##|.#####"},
    {0xF6, "|.#..#.||.####.|##..##|##..##|##..##|.####."},
    {0xE5, "..##..|.#..#.|..##..|.####.|....##|.#####|##..##|.#####"},
};

std::vector<std::string> split_rows(const std::string& rows) {
  std::vector<std::string> out;
  std::stringstream ss(rows);
  std::string row;
  while (std::getline(ss, row, '|')) out.push_back(row);
  return out;
}

std::vector<PixelGlyph> build() {
  std::vector<PixelGlyph> out;
  for (const PixelGlyph& g : small_font_glyphs()) out.push_back(embolden(g));
  for (const Redraw& r : kRedrawn) {
    PixelGlyph& g = out[fonttab::map_small[r.ch]];
    g.rows = split_rows(r.rows);
  }
  return out;
}

}  // namespace

const std::vector<PixelGlyph>& small_font_bold_glyphs() {
  static const std::vector<PixelGlyph> glyphs = build();
  return glyphs;
}

}  // namespace contentgen::fonts
