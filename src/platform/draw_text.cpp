// draw_text: the layer's own bitmap font in the current colour and alpha,
// drawn from a small white atlas texture built once per renderer.
#include <cmath>

#include "platform/draw_state.h"
#include "platform/internal.h"
#include "platform/platform.h"
#include "platform/text_glyphs.h"

namespace plat {
namespace detail {
namespace {

SDL_Texture* atlas = nullptr;
uint32_t atlas_generation = 0;

SDL_Texture* font_atlas() {
  const Display& d = display();
  if (!d.renderer) return nullptr;
  if (atlas && atlas_generation == d.generation) return atlas;
  const int glyphs = glyph_last - glyph_first + 1;
  const int w = glyphs * glyph_cell_w, h = glyph_cell_h;
  std::vector<uint32_t> px(static_cast<size_t>(w) * h, 0x00FFFFFFu);
  for (int c = glyph_first; c <= glyph_last; ++c)
    for (int y = 0; y < glyph_cell_h; ++y)
      for (int x = 0; x < 5; ++x)
        if (glyph_pixel(c, x, y)) px[static_cast<size_t>(y) * w + (c - glyph_first) * glyph_cell_w + x] = 0xFFFFFFFFu;
  atlas = SDL_CreateTexture(d.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, w, h);
  if (!atlas) return nullptr;
  SDL_UpdateTexture(atlas, nullptr, px.data(), w * 4);
  SDL_SetTextureBlendMode(atlas, SDL_BLENDMODE_BLEND);
  atlas_generation = d.generation;
  return atlas;
}

}  // namespace

void drop_text_texture() {
  if (atlas && atlas_generation == display().generation && display().renderer) SDL_DestroyTexture(atlas);
  atlas = nullptr;
}

}  // namespace detail

void draw_text(const std::string& text, int x, int y) {
  SDL_Texture* tex = detail::font_atlas();
  if (!tex) return;
  const detail::DrawState& s = detail::draw_state();
  if (s.vw <= 0 || s.vh <= 0) return;
  SDL_SetTextureColorMod(tex, static_cast<Uint8>(s.r), static_cast<Uint8>(s.g), static_cast<Uint8>(s.b));
  SDL_SetTextureAlphaMod(tex, static_cast<Uint8>(std::lround(s.alpha * 255.0f)));
  detail::apply_viewport();
  SDL_Renderer* r = detail::display().renderer;
  float pen = x + s.ox;
  const float top = y + s.oy;
  for (unsigned char c : text) {
    if (c > detail::glyph_first && c <= detail::glyph_last) {
      const SDL_Rect src{(c - detail::glyph_first) * detail::glyph_cell_w, 0, detail::glyph_cell_w, detail::glyph_cell_h};
      const SDL_FRect dst{pen, top, float(detail::glyph_cell_w), float(detail::glyph_cell_h)};
      SDL_RenderCopyF(r, tex, &src, &dst);
    }
    pen += detail::glyph_cell_w;
  }
}

}  // namespace plat
