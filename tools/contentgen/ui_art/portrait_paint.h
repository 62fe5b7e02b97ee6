// What is painted over a rendered portrait: the lines that a draughtsman
// would put in and that the render leaves soft at 184 pixels (brows, lid
// creases, the meeting of the lips), the catchlights that make the eyes
// look back, and the shadow the jaw throws on the neck.
#pragma once

#include "paint_kit/canvas.h"
#include "portrait_model.h"

namespace contentgen::ui::portrait_paint {

// Paints the member's features over the render placed by `view`.
void features(Canvas& c, const portrait_model::Face& f, const model::Xf& view);
// Shades the lower lids and the sockets under them after the tones are
// settled, whose local contrast lifts the skin beside the dark eyes into a
// pale band.
void under_eyes(Canvas& c, const portrait_model::Face& f, const model::Xf& view);

}  // namespace contentgen::ui::portrait_paint
