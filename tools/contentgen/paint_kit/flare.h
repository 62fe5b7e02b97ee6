// The flash of a round striking carapace or metal, painted per pixel: a
// turbulent fireball shaped by warped fractal noise, white-hot in its
// heart and cooling through yellow and orange to a smoky red rim, with a
// few motion-smeared sparks flung out past it.
#pragma once

#include <cstdint>

#include "paint_kit/canvas.h"

namespace contentgen::paint {

// Paints the flash centred on a square canvas, fading to nothing before
// the border. seed picks the turbulence and the sparks; the look is the same.
void impact_flare(Canvas& c, uint32_t seed);
// The 64 x 64 flash of a shot as PNG bytes (alpha kept whole), painted
// once and shared by every picture that shows it.
const Bytes& shot_flare_png();

}  // namespace contentgen::paint
