// The flash of a shot, painted per pixel: a white-hot core, a star of sharp
// spikes of uneven length with one long forward spike, a ragged ball of
// fire round the core, a soft orange halo cooling to deep red and a few
// sparks flung past it. Sharp edged, so it holds when drawn scaled up.
#pragma once

#include <cstdint>

#include "paint_kit/canvas.h"

namespace contentgen::paint {

// Paints the flash centred on a square canvas, its forward spike pointing
// right, fading to nothing before the border. seed picks the spikes and
// sparks; a muzzle flash throws its fire forward, a strike splashes it round.
void strike_star(Canvas& c, uint32_t seed, bool muzzle);
// The 64 x 64 strike of a shot and the 64 x 64 muzzle flash as PNG bytes
// (alpha kept whole), each painted once.
const Bytes& shot_flare_png();
const Bytes& muzzle_flare_png();

}  // namespace contentgen::paint
