// The uniform's detail painted over a rendered portrait's clothes: the
// shoulder seams, a rank patch on the near shoulder and a name tape or a
// unit patch opposite, laid only over the cloth's own pixels.
#pragma once

#include <vector>

#include "paint_kit/canvas.h"
#include "portrait_model.h"

namespace contentgen::ui::portrait_dress {

// `cloth` is the cloth's share of each pixel (0..1), `rank` the number of
// bars on the rank patch (1..3).
void insignia(Canvas& c, const portrait_model::Face& f, const model::Xf& view, const std::vector<float>& cloth,
              int rank);

}  // namespace contentgen::ui::portrait_dress
