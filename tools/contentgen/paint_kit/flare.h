// The flash of a shot, painted per pixel as light: a white-hot core inside
// a churning body of fire streaked with brighter jets, a soft bloom cooling
// to deep red, thin sparks of uneven length flung out of it and smoke. No
// hard edge but the sparks', so it reads as glow beside the lit creatures
// and holds when drawn scaled up.
#pragma once

#include <cstdint>

#include "paint_kit/canvas.h"

namespace contentgen::paint {

// Paints the strike of a round centred on a square canvas, fading to
// nothing before the border: a white-yellow core, fire thrown out along a
// fan of sparks, dark smoke behind, and acid and grit flecks flung with the
// sparks. seed picks the churn, sparks, smoke and flecks.
void shot_flare(Canvas& c, uint32_t seed);
// A rifle's muzzle flash on a square canvas: a cone of flame thrown right
// from a muzzle left of the middle, a white-hot spear at its root, short
// jets from the brake's side ports, sparks fanned forward and smoke at the
// tip, fading to nothing before the border.
void muzzle_cone(Canvas& c, uint32_t seed);
// The 64 x 64 strike of a shot and the 64 x 64 muzzle flash as PNG bytes
// (alpha kept whole), each painted once.
const Bytes& shot_flare_png();
const Bytes& muzzle_flare_png();

}  // namespace contentgen::paint
