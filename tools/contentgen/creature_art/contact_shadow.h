// The soft dark patch a standing creature casts on the deck under it.
#pragma once

#include "paint_kit/canvas.h"

namespace contentgen::creatures {

// How the shadow spreads: `depth` rows up from the last row (the floor
// line) and `reach` columns out past the feet; `core` is its darkest
// cover right under the feet (0..1), `under` the cover under the rest of
// the body, which casts a lighter shade than the feet do.
struct ShadowShape {
  int depth = 6;
  int reach = 10;
  float core = 0.8f;
  float under = 0.4f;
  int contact_rows = 5;  // a column touches the floor when drawn this near the last row
};

// Lays the shadow on the clear pixels of the last rows of a standing frame.
// The game draws these sprites masked (a pixel whole or not at all), so
// the soft falloff is an ordered dither of near-black opaque pixels whose
// density fades with distance from the feet; at 1:1 it reads as a shade
// over whatever floor and tint lie beneath.
void contact_shadow(Canvas& c, const ShadowShape& s = {});

// The cover the shadow aims for at each pixel (row-major, 0..1, 0 on drawn
// pixels), before dithering: for measuring and testing.
std::vector<float> contact_shadow_cover(const Canvas& c, const ShadowShape& s = {});

}  // namespace contentgen::creatures
