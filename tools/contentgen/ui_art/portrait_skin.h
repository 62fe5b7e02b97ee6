// The skin of a console portrait after its tones are settled: the deep
// shadows on the face lifted as if by light bounced back from the chest
// and the cheek, so no part of the face falls to black, and a soft
// mottling of tone and warmth so the skin reads as skin and not as clay.
#pragma once

#include <cstdint>
#include <vector>

#include "paint_kit/canvas.h"
#include "paint_kit/colour.h"

namespace contentgen::ui::portrait_skin {

// Pixels (one 0..1 weight each, row-major, w x h) that show the face's own
// skin: covered by the model, tagged neither hair nor cloth, above
// `lowest_y`, outside the discs (x, y, radius triples) given in `keep_out`.
std::vector<float> skin_mask(const std::vector<uint8_t>& covered, const std::vector<float>& tags, int w, int h,
                             double lowest_y, const std::vector<double>& keep_out);
// Raises the darkest skin pixels toward `tone` (the skin's colour in deep
// shade): the darker the pixel, the nearer it comes, so the shadow side
// keeps its colour and the order of tones stays.
void lift_shadows(Canvas& c, const std::vector<float>& mask, paint::Rgb tone, double floor);
// Pulls the skin's tones apart about their mean, the same amount in every
// channel, by `gain` (1 leaves them): the lit cheek brighter and the
// shadowed one darker, so a single tinted channel still shows the face's
// light and shade. Each pixel moves by its own value and weight alone, so
// no contour picks up a ring.
void spread_tones(Canvas& c, const std::vector<float>& mask, double gain);
// A soft, low-contrast mottling of tone and of warm and cool over the skin.
void grain(Canvas& c, const std::vector<float>& mask, uint32_t seed);

}  // namespace contentgen::ui::portrait_skin
