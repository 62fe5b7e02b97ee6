// The flash of a round striking carapace or metal, painted per pixel: a
// broad white-hot core, six uneven tongues of fire cooling from yellow to
// orange, a wide orange bloom filling most of the frame and a ring of
// sparks.
#pragma once

#include <cstdint>

#include "paint_kit/canvas.h"

namespace contentgen::paint {

// Paints the flash centred on a square canvas, fading to nothing before
// the border. seed picks the streaks and sparks; the look is the same.
void impact_flare(Canvas& c, uint32_t seed);
// The 64 x 64 flash of a shot as PNG bytes (alpha kept whole), painted
// once and shared by every picture that shows it.
const Bytes& shot_flare_png();

}  // namespace contentgen::paint
