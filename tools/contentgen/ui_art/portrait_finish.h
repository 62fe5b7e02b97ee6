// What every console portrait shares around its figure: the lit bulkhead
// behind it, the tone pass that keeps it readable under the room tints,
// and the monitor's scanlines and vignette.
#pragma once

#include <cstdint>
#include <vector>

#include "paint_kit/canvas.h"

namespace contentgen::ui::portrait_finish {

inline constexpr int kPortraitSize = 184;

// A bulkhead wall lit from the key light's side: panels, a seam and a
// warm lamp glow, brighter on the left when `lit_left`.
void bulkhead(Canvas& c, uint32_t seed, bool lit_left);
// The console multiplies a portrait by the room's tint, which keeps only
// one or two channels; a face in warm skin tones has little in blue. Every
// channel is drawn toward the pixel's brightness, keeping part of its
// colour, so each channel carries the whole face, and the picture is lifted
// until its red and blue channels each average at least a set level.
// `keep_colour` is the part of each pixel's colour kept, `least_spread` the
// least spread of tones asked of the red and the blue channel. Every step
// works on each pixel alone: nothing here compares a pixel with its
// neighbours, so no edge gains a light or dark ring. `hold` (one 0..1
// weight a pixel, or empty) keeps pixels out of the lift in part, so that a
// dark skin stays dark while the wall and clothes round it carry the
// brightness the tints need.
void settle_for_tints(Canvas& c, double keep_colour = 0.92, double least_spread = 0.205,
                      const std::vector<float>& hold = {});
// Paints the group pushed on `cr` (cairo_push_group) through `mask`, one
// value 0..1 a pixel of a w x h picture, and pops it.
void pop_group_through(cairo_t* cr, const std::vector<float>& mask, int w, int h);
// Scanlines, a light vignette and fine speckle.
void monitor_finish(Canvas& c, uint32_t seed);

}  // namespace contentgen::ui::portrait_finish
