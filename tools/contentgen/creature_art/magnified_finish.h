// The finish of the frames the game draws magnified (a lunge at the
// viewer), whose pixels become blocks two to four screen pixels wide.
#pragma once

#include "paint_kit/canvas.h"

namespace contentgen::creatures {

// Takes the single-pixel speckle out of the picture before it is blown up:
// a stray opaque pixel beside the outline is cleared, and a pixel far
// brighter or darker than all its neighbours inside the body is pulled
// toward them, so broad surfaces do not turn into a mosaic of blocks. Then
// a dark rim a few pixels deep along the outline, fading inward, so the
// stair steps of the hard mask edge show less against the room. With
// keep_glints, pixels brighter than their neighbours are left as they are,
// so the small sharp highlights of glossy plate survive.
void finish_for_magnifying(Canvas& c, bool keep_glints = false);

// An unsharp mask over the opaque body only, so the ridges, teeth and
// plate edges still read after the game's bilinear magnification: each
// solid pixel moves `amount` times its difference from a Gaussian blur of
// radius `sigma` pixels, the blur taken over solid pixels alone so the
// outline gets no halo from the clear room around it. Differences below
// `floor` (0..255 luminance) are eased in, so flat skin and grain are not
// made noisier. Alpha is left as it is.
void sharpen_for_magnifying(Canvas& c, float amount, float sigma, float floor = 3);

}  // namespace contentgen::creatures
