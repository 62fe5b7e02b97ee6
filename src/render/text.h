// Image-font text: every string is drawn glyph by glyph from one of five
// font images through the culled image draw, in the current colour and
// blend. Coordinates are screen pixels; y is the top of the glyphs.
//
// Glyph placement is a pure computation (layout_text) so it can be checked
// without a display; the draw calls only add the scale and the drawing.
#pragma once

#include <string>
#include <vector>

#include "render/font_tables.h"

namespace text {

// One font image with its character map and glyph widths.
struct Font {
  const int* image;            // the handle variable (read at draw time)
  const fonttab::CharMap* map;
  const int* widths;           // per frame; nullptr = fixed_width for all
  int nwidths;
  int fixed_width;
  int width_of(int frame) const;
};

// How one text operation lays out a string: each character advances the
// pen by (glyph width + gap) * scale, truncated after every character; a
// centred string starts at bias - (total - trim) / 2.
struct Style {
  const Font* font;
  float gap;
  float scale;
  int bias;
  int trim;
};

struct Glyph {
  int frame;
  int x;  // screen x the glyph is drawn at
};

// Frame and x of every character drawn at x. Pure: no drawing, no state.
std::vector<Glyph> layout_text(const Style& style, float x, const std::string& s, bool centred);
// The integer pen advance of the whole string (the "total" of centring).
int text_total(const Style& style, const std::string& s);

const Font& font_large();
const Font& font_large2();
const Font& font_digits();
const Font& font_smalldigits();
const Font& font_small();

}  // namespace text

// Prepends "0" until s has `digits` characters; longer text is unchanged.
std::string padzeros(const std::string& s, int digits);

// Large font, scale 1 / 0.66.
void drawbigtext(float x, float y, const std::string& s, int centred);
void drawbigtextsmall(float x, float y, const std::string& s, int centred);
// The big font with the letters closer, for labels that must fit inside a button.
void drawbigtextnarrow(float x, float y, const std::string& s, int centred);
// Second face, scale 1 / 0.45.
void drawtext2(float x, float y, const std::string& s, int centred);
void drawtext2small(float x, float y, const std::string& s, int centred);
// Small font at scale (0 means 1); restores the previous scale.
void drawsmalltext(float x, float y, const std::string& s, int centred, float scale = 1);
void drawsmalltextpad(float x, float y, const std::string& s, int centred, float scale, int digits);
// Digit font at scale (0 means 1); vcentre lifts y by half the glyph
// height; restores the previous scale.
void drawnumber(float x, float y, const std::string& s, int centred, int digits, int vcentre,
                float scale);
void drawnumberhalf(float x, float y, const std::string& s, int centred, int digits);
void drawnumber80(float x, float y, const std::string& s, int centred, int digits);
// Digit font at 0.66 * scale (0 means 1).
void drawnumberscaled(float x, float y, const std::string& s, int centred, int digits, int vcentre,
                      float scale);
// Small digit font, scale 1.
void drawsmalldigits(float x, float y, const std::string& s, int centred, int digits);

// Widths used to place a cursor after text.
int bigtextwidth(const std::string& s);
int smalltextwidth(const std::string& s);

// Layout styles of the operations above, for callers and tests that need
// the glyph positions without drawing.
namespace text {
Style style_bigtext();
Style style_bigtextsmall();
Style style_text2();
Style style_text2small();
Style style_smalltext(float scale);
Style style_bigtextnarrow();
Style style_number(float scale);
Style style_numberhalf();
Style style_number80();
Style style_numberscaled(float scale);
Style style_smalldigits();
}  // namespace text
