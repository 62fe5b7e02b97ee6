// Character maps and glyph widths of the image fonts. Header-only so that
// the content generator draws its glyph sheets from the same tables.
//
// Every map has one entry per Latin-1 byte, so any byte string indexes it
// safely; characters a font does not have map to frame 0.
#pragma once

#include <array>
#include <cstdint>

namespace fonttab {

using CharMap = std::array<uint8_t, 256>;

inline constexpr int largeframes = 44;   // font.png; font2.png has the first 30
inline constexpr int largeframes2 = 30;
inline constexpr int digitframes = 11;   // numbers.png, numbers2.png
inline constexpr int smallframes = 89;   // glyphs in use; font3.png has 100 cells
inline constexpr int smallcells = 100;
inline constexpr int digitwidth = 31;    // every glyph of numbers.png

inline constexpr int widths_large[largeframes] = {
    10, 20, 20, 17, 19, 17, 16, 20, 20, 9,  20, 20, 16, 23, 20, 19, 19, 19, 21, 17, 19, 18,
    17, 23, 18, 17, 19, 23, 6,  11, 17, 18, 21, 24, 21, 25, 22, 28, 25, 28, 25, 24, 24, 24};

inline constexpr int widths_smalldigits[digitframes] = {10, 9, 11, 10, 10, 11, 10, 9, 11, 10, 9};

inline constexpr int widths_small[smallframes] = {
    3, 7, 6, 6, 6, 6, 6, 6, 6, 5, 6, 6, 6, 7, 6, 6, 6, 6, 6, 6, 5, 6, 7, 7, 7, 7, 6, 5, 5, 5,
    5, 5, 5, 5, 5, 1, 2, 5, 1, 7, 5, 5, 5, 5, 4, 5, 4, 5, 5, 7, 5, 5, 5, 3, 5, 5, 5, 5, 5, 5,
    5, 5, 5, 1, 1, 2, 2, 4, 5, 1, 5, 1, 4, 5, 5, 5, 7, 7, 6, 7, 5, 5, 5, 4, 4, 6, 7, 6, 7};

// Large fonts: capitals and lower case share glyphs.
constexpr CharMap make_map_large() {
  CharMap m{};
  for (int i = 0; i < 26; ++i) {
    m['A' + i] = static_cast<uint8_t>(1 + i);
    m['a' + i] = static_cast<uint8_t>(1 + i);
  }
  m['&'] = 27;
  m['.'] = 28;
  m[':'] = 29;
  for (int d = 1; d <= 9; ++d) m['0' + d] = static_cast<uint8_t>(29 + d);
  m['0'] = 39;
  m['-'] = 40;
  m[0xC4] = m[0xE4] = 41;  // Ä ä
  m[0xD6] = m[0xF6] = 42;  // Ö ö
  m[0xC5] = m[0xE5] = 43;  // Å å
  return m;
}

// Digit fonts: "0".."9" and "-".
constexpr CharMap make_map_digits() {
  CharMap m{};
  for (int d = 0; d <= 9; ++d) m['0' + d] = static_cast<uint8_t>(d);
  m['-'] = 10;
  return m;
}

// Small font: separate lower case and more punctuation.
constexpr CharMap make_map_small() {
  CharMap m{};
  for (int i = 0; i < 26; ++i) {
    m['A' + i] = static_cast<uint8_t>(1 + i);
    m['a' + i] = static_cast<uint8_t>(27 + i);
  }
  for (int d = 1; d <= 9; ++d) m['0' + d] = static_cast<uint8_t>(52 + d);
  m['0'] = 62;
  const char punct[] = ".:,;(*!?')/-+%";
  for (int i = 0; punct[i]; ++i) m[static_cast<uint8_t>(punct[i])] = static_cast<uint8_t>(63 + i);
  // Ä Ö Å ä ö å § = _ # ¤ &
  const uint8_t extra[] = {0xC4, 0xD6, 0xC5, 0xE4, 0xF6, 0xE5, 0xA7, '=', '_', '#', 0xA4, '&'};
  for (int i = 0; i < 12; ++i) m[extra[i]] = static_cast<uint8_t>(77 + i);
  return m;
}

inline constexpr CharMap map_large = make_map_large();
inline constexpr CharMap map_digits = make_map_digits();
inline constexpr CharMap map_small = make_map_small();

}  // namespace fonttab
