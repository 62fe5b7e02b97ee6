// The hair and beard of a rendered portrait painted as strands: locks of
// fine lines following the way the hair lies, dark toward the roots and
// lit along their tops, laid only over the hair's own pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "paint_kit/canvas.h"
#include "portrait_model.h"

namespace contentgen::ui::portrait_hair {

// Paints strands over the pixels where `mask` (0..1 per pixel, the hair's
// share of the surface seen) is set. `crown` is where the hair parts from,
// in picture pixels.
void strands(Canvas& c, const portrait_model::Face& f, const std::vector<float>& mask, model::V3 crown,
             uint32_t seed);

}  // namespace contentgen::ui::portrait_hair
