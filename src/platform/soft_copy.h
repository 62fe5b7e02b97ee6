// Texture copies drawn straight into the software renderer's target surface.
//
// SDL's software renderer carries a copy with colour or alpha modulation, a
// blend, or a scale through general blitters that work channel by channel
// and allocate scratch surfaces; they are most of the cost of a frame. These
// copies give the same pixels, bit for bit (the arithmetic, the rounding of
// the destination rectangle, the clipping and the sampling of a nearest
// neighbour scale are SDL's), in a fraction of the work.
#pragma once

#include <cstdint>

#include "platform/internal.h"

namespace plat::detail {

struct SoftCopy {
  const uint32_t* pixels = nullptr;  // the texture, 0xAARRGGBB, tex_w a row
  int tex_w = 0, tex_h = 0;
  SDL_Rect src{0, 0, 0, 0};          // the part copied, inside the texture
  SDL_FRect dst{0, 0, 0, 0};         // where it lands, in target pixels
  SDL_BlendMode blend = SDL_BLENDMODE_NONE;
  uint8_t r = 255, g = 255, b = 255, a = 255;  // colour and alpha modulation
  bool smooth = false;               // the texture samples linearly
  bool mirror_x = false, mirror_y = false;  // drawn flipped (SDL's unrotated "copy ex")
  bool opaque = false;               // every texel of the texture has alpha 255
  // Names the texels for as long as they stay the same (0: no name), so a
  // smooth stretch of them can be kept and drawn again without scaling.
  uint64_t texels_id = 0;
};

// Draws the copy into target (ARGB8888), clipped to clip. False, with nothing
// drawn, for a copy it leaves to SDL: a smoothly scaled one that is mirrored
// or cut by the clip inside the target, a mirrored unblended one of a
// texture with clear texels, or a target or blend it does not know.
//
// A smoothly scaled copy is SDL's linear stretch of the source to the
// destination's size, then an unscaled copy of that; stretches of named
// texels are kept (up to a bound on memory) and reused while the same copy
// recurs, such as a backdrop stretched over the whole screen every frame.
bool soft_copy(SDL_Surface* target, const SDL_Rect& clip, const SoftCopy& c);

// Forgets every kept stretch (their texels may go away).
void drop_kept_stretches();

// Fills rect (float, as given to SDL) with one colour into target, clipped
// to clip: replaced outright when a is 255, else blended over what is there,
// the pixels exactly those of SDL's software rectangle fill.
bool soft_fill(SDL_Surface* target, const SDL_Rect& clip, const SDL_FRect& rect, uint8_t r, uint8_t g, uint8_t b,
               uint8_t a);

}  // namespace plat::detail
