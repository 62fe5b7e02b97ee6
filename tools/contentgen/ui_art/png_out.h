// PNG output for the console and menu pictures. Same rules as
// Canvas::png()/png_opaque() (pixels under half alpha become the mask colour
// at alpha 0; a drawn pixel that happens to be the mask colour is nudged off
// it), but read straight from the surface and compressed at a moderate
// level: the full-width console panels are large and noisy, and maximum
// compression costs seconds for a few percent of size.
#pragma once

#include "canvas.h"

namespace contentgen::ui {

Bytes to_png(const Canvas& c, Colour mask = kMagenta);
Bytes to_png_opaque(const Canvas& c);

}  // namespace contentgen::ui
