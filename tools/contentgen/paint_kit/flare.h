// The flash of a shot, painted per pixel as light: a white-hot core inside
// a churning body of fire streaked with brighter jets, a soft bloom cooling
// to deep red, thin sparks of uneven length flung out of it and a few
// wisps of smoke at the rim. No hard edge but the sparks', so it reads as
// glow beside the lit creatures and holds when drawn scaled up.
#pragma once

#include <cstdint>

#include "paint_kit/canvas.h"

namespace contentgen::paint {

// Paints the flash centred on a square canvas, its forward side pointing
// right, fading to nothing before the border. seed picks the churn, sparks
// and smoke; a muzzle flash throws its fire forward, a strike splashes it
// round.
void shot_flare(Canvas& c, uint32_t seed, bool muzzle);
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
