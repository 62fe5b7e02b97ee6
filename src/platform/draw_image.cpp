// Drawing image frames under the global draw state: handle placement,
// scale (negative mirrors), rotation about the handle, blend modes, colour
// and alpha modulation, and viewport culling.
#include <algorithm>
#include <cmath>

#include "platform/draw_state.h"
#include "platform/image_store.h"
#include "platform/magnified_frames.h"
#include "platform/platform.h"
#include "platform/soft_copy.h"

namespace plat {
namespace {

using detail::DrawState;
using detail::TextureSlot;

// The SDL blend mode for a draw. Fully opaque frames drawn opaquely are
// plain copies, which the software renderer does several times faster.
SDL_BlendMode sdl_blend(int blend, bool opaque_frame, int alpha) {
  switch (blend) {
    case BlendSolid: return SDL_BLENDMODE_NONE;
    case BlendLight: return SDL_BLENDMODE_ADD;
    case BlendShade: return SDL_BLENDMODE_MUL;
    case BlendAlpha: return opaque_frame && alpha == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND;
    default: return opaque_frame ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND;
  }
}

// The alpha modulation of a draw: masked and solid draws are opaque.
int draw_alpha(const DrawState& s) {
  const bool opaque = s.blend == BlendMasked || s.blend == BlendSolid;
  return opaque ? 255 : static_cast<int>(std::lround(s.alpha * 255.0f));
}

// Pushes colour, alpha and blend to the texture, only what changed.
void bind(SDL_Texture* tex, TextureSlot& slot, const DrawState& s, bool opaque_frame) {
  const int a = draw_alpha(s);
  if (slot.r != s.r || slot.g != s.g || slot.b != s.b) {
    SDL_SetTextureColorMod(tex, static_cast<Uint8>(s.r), static_cast<Uint8>(s.g), static_cast<Uint8>(s.b));
    slot.r = s.r, slot.g = s.g, slot.b = s.b;
  }
  if (slot.a != a) {
    SDL_SetTextureAlphaMod(tex, static_cast<Uint8>(a));
    slot.a = a;
  }
  const SDL_BlendMode mode = sdl_blend(s.blend, opaque_frame, a);
  if (slot.mode != static_cast<int>(mode)) {
    SDL_SetTextureBlendMode(tex, mode);
    slot.mode = static_cast<int>(mode);
  }
}

// Masked drawing cuts hard: a texel is drawn opaque or not at all. Filtering
// a scaled or rotated copy would mix texels at the edge into a half-clear
// fringe, so those copies sample the nearest texel, which keeps every alpha
// 0 or 255 on every renderer. Magnified ones come from a smooth copy made
// with the cut in it (magnified_frames.h). Other draws keep the image's own
// filtering.
void set_sampling(SDL_Texture* tex, TextureSlot& slot, const detail::Image& im, const DrawState& s,
                  bool opaque_frame, bool transformed) {
  const bool hard_cut = s.blend == BlendMasked && transformed && !opaque_frame;
  const int mode = im.filtered && !hard_cut ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
  if (slot.scale != mode) {
    SDL_SetTextureScaleMode(tex, static_cast<SDL_ScaleMode>(mode));
    slot.scale = mode;
  }
}

// A scaled copy of a one-colour opaque frame into the frame in memory is a
// filled rectangle. SDL's generic scaled blit with colour and alpha
// modulation works pixel by pixel and is the menus' main cost; a fill gives
// the same pixels: the same integer rectangle and clip, the colour
// modulated the same way (c * m / 255), and the same blend arithmetic.
bool fill_instead(const detail::Image& im, int frame, const DrawState& s, const SDL_FRect& dst, bool rotated) {
  const detail::Frame& fr = im.frames[frame];
  if (!detail::display().surface || rotated || !fr.flat || !fr.opaque || fr.pixels.empty()) return false;
  if (s.sx <= 0 || s.sy <= 0 || (s.sx == 1.0f && s.sy == 1.0f)) return false;
  if (s.blend != BlendAlpha && s.blend != BlendMasked && s.blend != BlendSolid) return false;
  if (dst.w < 1.0f || dst.h < 1.0f) return false;
  const uint32_t p = fr.pixels[0];
  const int a = s.blend == BlendAlpha ? static_cast<int>(std::lround(s.alpha * 255.0f)) : 255;
  const auto mod = [](uint32_t texel, int m) { return static_cast<Uint8>(static_cast<int>(texel & 0xFF) * m / 255); };
  SDL_RenderFlush(detail::display().renderer);  // what SDL still holds lands first
  return detail::soft_fill(detail::display().surface, SDL_Rect{s.vx, s.vy, s.vw, s.vh}, dst, mod(p >> 16, s.r),
                           mod(p >> 8, s.g), mod(p, s.b), static_cast<Uint8>(a));
}

// The frame is drawn into a surface in memory: an unrotated copy
// goes straight into it (soft_copy.h), with the blend, modulation and
// sampling the texture path would give SDL.
bool draw_direct(detail::Image& im, int frame, const DrawState& s, const SDL_Rect& src, const SDL_FRect& dst,
                 bool transformed) {
  auto& d = detail::display();
  if (!d.surface || s.rotation != 0.0f) return false;
  const detail::Frame& fr = im.frames[frame];
  const bool keyed = s.blend == BlendMasked && im.partial_alpha;
  const int a = draw_alpha(s);
  const bool hard_cut = s.blend == BlendMasked && transformed && !fr.opaque;
  detail::SoftCopy c;
  c.pixels = detail::texture_pixels(im, frame, keyed);
  c.tex_w = im.width, c.tex_h = im.height;
  c.src = src, c.dst = dst;
  c.blend = sdl_blend(s.blend, fr.opaque, a);
  c.r = static_cast<uint8_t>(s.r), c.g = static_cast<uint8_t>(s.g), c.b = static_cast<uint8_t>(s.b);
  c.a = static_cast<uint8_t>(a);
  c.smooth = im.filtered && !hard_cut;
  c.mirror_x = s.sx < 0, c.mirror_y = s.sy < 0;
  c.opaque = fr.opaque;
  c.texels_id = static_cast<uint64_t>(im.serial) << 32 | static_cast<uint64_t>(frame) << 1 | (keyed ? 1 : 0);
  SDL_RenderFlush(d.renderer);  // what SDL still holds lands first
  return detail::soft_copy(d.surface, SDL_Rect{s.vx, s.vy, s.vw, s.vh}, c);
}

// Draws src of a frame so that the image's handle lands on (x, y) plus the
// origin. The part is placed as if it were the whole frame: its top-left
// corner sits where the frame's top-left corner would.
void draw_part(detail::Image& im, int frame, const SDL_Rect& src, float x, float y) {
  SDL_Renderer* r = detail::display().renderer;
  if (!r) return;
  const DrawState& s = detail::draw_state();
  if (s.sx == 0.0f || s.sy == 0.0f || s.vw <= 0 || s.vh <= 0) return;
  if (s.blend != BlendSolid && s.blend != BlendMasked && s.alpha <= 0.0f) return;

  const float X = x + s.ox, Y = y + s.oy;
  const float ax = std::fabs(s.sx), ay = std::fabs(s.sy);
  SDL_FRect dst;
  dst.w = src.w * ax;
  dst.h = src.h * ay;
  dst.x = s.sx > 0 ? X - im.hx * ax : X - (src.w - im.hx) * ax;
  dst.y = s.sy > 0 ? Y - im.hy * ay : Y - (src.h - im.hy) * ay;

  // Bounding box on screen; a rotated part stays within the circle about
  // the handle that reaches its farthest corner.
  float x0 = dst.x, y0 = dst.y, x1 = dst.x + dst.w, y1 = dst.y + dst.h;
  const bool rotated = s.rotation != 0.0f;
  if (rotated) {
    const float dx = std::max(std::fabs(x0 - X), std::fabs(x1 - X));
    const float dy = std::max(std::fabs(y0 - Y), std::fabs(y1 - Y));
    const float rad = std::sqrt(dx * dx + dy * dy) + 1.0f;
    x0 = X - rad, x1 = X + rad, y0 = Y - rad, y1 = Y + rad;
  }
  if (x1 <= s.vx || y1 <= s.vy || x0 >= s.vx + s.vw || y0 >= s.vy + s.vh) return;

  if (fill_instead(im, frame, s, dst, rotated)) return;
  const bool transformed = rotated || ax != 1.0f || ay != 1.0f;

  // A magnified masked frame is drawn from its smooth magnified copy, the
  // same part of it, onto the same rectangle.
  detail::Image* from = &im;
  int f = frame;
  SDL_Rect part = src;
  if (const int k = detail::magnify_factor(im, frame, s.blend, ax, ay)) {
    if (detail::Image* big = detail::magnified_frame(im, frame, k)) {
      const int m = big->width / im.width;
      from = big, f = 0, part = SDL_Rect{src.x * m, src.y * m, src.w * m, src.h * m};
    }
  }
  if (draw_direct(*from, f, s, part, dst, transformed)) return;

  TextureSlot* slot = nullptr;
  const bool keyed = s.blend == BlendMasked && from->partial_alpha;
  SDL_Texture* tex = detail::frame_texture(*from, f, keyed, slot);
  if (!tex) return;
  const bool opaque = from->frames[f].opaque;
  bind(tex, *slot, s, opaque);
  set_sampling(tex, *slot, *from, s, opaque, transformed);
  detail::apply_viewport();

  if (!rotated && s.sx > 0 && s.sy > 0) {
    SDL_RenderCopyF(r, tex, &part, &dst);
  } else {
    const SDL_FPoint centre{X - dst.x, Y - dst.y};
    const int flip = (s.sx < 0 ? SDL_FLIP_HORIZONTAL : 0) | (s.sy < 0 ? SDL_FLIP_VERTICAL : 0);
    SDL_RenderCopyExF(r, tex, &part, &dst, s.rotation, &centre, static_cast<SDL_RendererFlip>(flip));
  }
}

detail::Image* drawable(int image, int frame) {
  detail::Image* im = detail::find_image(image);
  if (!im || frame < 0 || frame >= static_cast<int>(im->frames.size())) return nullptr;
  return im;
}

}  // namespace

void draw_image(int image, float x, float y, int frame) {
  detail::Image* im = drawable(image, frame);
  if (!im) return;
  draw_part(*im, frame, SDL_Rect{0, 0, im->width, im->height}, x, y);
}

void draw_image_rect(int image, float x, float y, int rx, int ry, int rw, int rh, int frame) {
  detail::Image* im = drawable(image, frame);
  if (!im) return;
  SDL_Rect part{rx, ry, rw, rh};
  const SDL_Rect whole{0, 0, im->width, im->height};
  SDL_Rect src;
  if (!SDL_IntersectRect(&part, &whole, &src)) return;
  // A request that reaches outside the frame draws only what exists, still
  // anchored to the requested corner.
  draw_part(*im, frame, src, x + (src.x - rx) * detail::draw_state().sx,
            y + (src.y - ry) * detail::draw_state().sy);
}

void cls() {
  SDL_Renderer* r = detail::display().renderer;
  if (!r) return;
  const DrawState& s = detail::draw_state();
  SDL_SetRenderDrawColor(r, static_cast<Uint8>(s.cls_r), static_cast<Uint8>(s.cls_g),
                         static_cast<Uint8>(s.cls_b), 255);
  SDL_RenderClear(r);
}

}  // namespace plat
