// The cut a corpse frame gets before it is saved: the game draws a corpse
// masked, each pixel whole or not at all, split at half cover.
#pragma once

#include "paint_kit/canvas.h"

namespace contentgen::creatures {

// Makes every pixel whole (at least half cover) or clear, as the game will
// draw it, and rings the silhouette with one pixel of near-black line so
// the body and its pool stand off the deck as one firm shape rather than a
// haze of half-clear fringe.
void cut_as_drawn(Canvas& c);

}  // namespace contentgen::creatures
