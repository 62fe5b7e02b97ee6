// The flash of a round striking carapace or metal, painted per pixel: a
// white-hot core, a short uneven star of tapering spikes, a warm orange
// corona falling off and a few short sparks.
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
