#include "render/text.h"

#include "state/assets.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"

namespace text {

int Font::width_of(int frame) const {
  if (!widths) return fixed_width;
  return frame >= 0 && frame < nwidths ? widths[frame] : 0;
}

const Font& font_large() {
  static const Font f{&img_font, &fonttab::map_large, fonttab::widths_large, fonttab::largeframes, 0};
  return f;
}
const Font& font_large2() {
  static const Font f{&img_font2, &fonttab::map_large, fonttab::widths_large, fonttab::largeframes, 0};
  return f;
}
const Font& font_digits() {
  static const Font f{&img_numbers, &fonttab::map_digits, nullptr, 0, fonttab::digitwidth};
  return f;
}
const Font& font_smalldigits() {
  static const Font f{&img_numbers2, &fonttab::map_digits, fonttab::widths_smalldigits,
                      fonttab::digitframes, 0};
  return f;
}
const Font& font_small() {
  static const Font f{&img_font3, &fonttab::map_small, fonttab::widths_small, fonttab::smallframes, 0};
  return f;
}

Style style_bigtext() { return {&font_large(), 8, 1, 2, 0}; }
Style style_bigtextsmall() { return {&font_large(), 8, 0.66f, 0, 0}; }
Style style_bigtextnarrow() { return {&font_large(), 4, 1, 2, 0}; }
Style style_text2() { return {&font_large2(), 4, 1, 1, 0}; }
Style style_text2small() { return {&font_large2(), 4, 0.45f, 1, 0}; }
Style style_smalltext(float scale) { return {&font_small(), 2, scale == 0 ? 1 : scale, 1, 0}; }
Style style_number(float scale) { return {&font_digits(), 6, scale == 0 ? 1 : scale, 0, 6}; }
Style style_numberhalf() { return {&font_digits(), 4, 0.5f, 0, 5}; }
Style style_number80() { return {&font_digits(), 4, 0.8f, 0, 5}; }
Style style_numberscaled(float scale) {
  return {&font_digits(), 4, 0.66f * (scale == 0 ? 1 : scale), 0, 5};
}
Style style_smalldigits() { return {&font_smalldigits(), 2, 1, 0, 5}; }

namespace {

int frame_of(const Style& st, char c) { return (*st.font->map)[static_cast<uint8_t>(c)]; }

// The pen is kept whole: each real advance is added and truncated.
int advance(const Style& st, int pen, int frame) {
  return static_cast<int>(pen + (st.font->width_of(frame) + st.gap) * st.scale);
}

}  // namespace

int text_total(const Style& st, const std::string& s) {
  int total = 0;
  for (char c : s) total = advance(st, total, frame_of(st, c));
  return total;
}

std::vector<Glyph> layout_text(const Style& st, float x, const std::string& s, bool centred) {
  std::vector<Glyph> out;
  out.reserve(s.size());
  int pen = centred ? st.bias - (text_total(st, s) - st.trim) / 2 : 0;
  for (char c : s) {
    int frame = frame_of(st, c);
    out.push_back({frame, static_cast<int>(x + 0.5f + pen)});
    pen = advance(st, pen, frame);
  }
  return out;
}

}  // namespace text

namespace {

void draw_glyphs(const text::Style& st, float x, float y, const std::string& s, int centred) {
  int image = *st.font->image;
  for (const text::Glyph& g : text::layout_text(st, x, s, centred == 1))
    drawimageculled(image, static_cast<float>(g.x), y, g.frame);
}

// Draws at a fixed scale and leaves the scale at 1 afterwards.
void draw_scaled_reset(const text::Style& st, float x, float y, const std::string& s, int centred) {
  plat::set_scale(st.scale, st.scale);
  draw_glyphs(st, x, y, s, centred);
  plat::set_scale(1, 1);
}

// Draws at a scale and puts the caller's scale back afterwards.
void draw_scaled_restore(const text::Style& st, float x, float y, const std::string& s, int centred) {
  float sx, sy;
  plat::get_scale(sx, sy);
  plat::set_scale(st.scale, st.scale);
  draw_glyphs(st, x, y, s, centred);
  plat::set_scale(sx, sy);
}

}  // namespace

std::string padzeros(const std::string& s, int digits) {
  if (static_cast<int>(s.size()) >= digits) return s;
  return std::string(static_cast<size_t>(digits) - s.size(), '0') + s;
}

void drawbigtext(float x, float y, const std::string& s, int centred) {
  draw_glyphs(text::style_bigtext(), x, y, s, centred);
}

void drawbigtextnarrow(float x, float y, const std::string& s, int centred) {
  draw_glyphs(text::style_bigtextnarrow(), x, y, s, centred);
}

void drawbigtextsmall(float x, float y, const std::string& s, int centred) {
  draw_scaled_reset(text::style_bigtextsmall(), x, y, s, centred);
}

void drawtext2(float x, float y, const std::string& s, int centred) {
  draw_glyphs(text::style_text2(), x, y, s, centred);
}

void drawtext2small(float x, float y, const std::string& s, int centred) {
  draw_scaled_reset(text::style_text2small(), x, y, s, centred);
}

void drawsmalltext(float x, float y, const std::string& s, int centred, float scale) {
  draw_scaled_restore(text::style_smalltext(scale), x, y, s, centred);
}

void drawsmalltextpad(float x, float y, const std::string& s, int centred, float scale, int digits) {
  drawsmalltext(x, y, padzeros(s, digits), centred, scale);
}

void drawnumber(float x, float y, const std::string& s, int centred, int digits, int vcentre,
                float scale) {
  text::Style st = text::style_number(scale);
  if (vcentre == 1) y -= 40 * st.scale / 2;
  draw_scaled_restore(st, x, y, padzeros(s, digits), centred);
}

void drawnumberhalf(float x, float y, const std::string& s, int centred, int digits) {
  draw_scaled_reset(text::style_numberhalf(), x, y, padzeros(s, digits), centred);
}

void drawnumber80(float x, float y, const std::string& s, int centred, int digits) {
  draw_scaled_reset(text::style_number80(), x, y, padzeros(s, digits), centred);
}

void drawnumberscaled(float x, float y, const std::string& s, int centred, int digits, int vcentre,
                      float scale) {
  text::Style st = text::style_numberscaled(scale);
  if (vcentre == 1) y -= 40 * st.scale / 2;
  draw_scaled_reset(st, x, y, padzeros(s, digits), centred);
}

void drawsmalldigits(float x, float y, const std::string& s, int centred, int digits) {
  draw_glyphs(text::style_smalldigits(), x, y, padzeros(s, digits), centred);
}

int bigtextwidth(const std::string& s) { return text::text_total(text::style_bigtext(), s); }

int smalltextwidth(const std::string& s) { return text::text_total(text::style_smalltext(1), s); }
