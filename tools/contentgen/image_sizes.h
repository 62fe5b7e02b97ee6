// The size of every picture in the archive: the whole PNG, the animation
// cell and the number of frames. The placeholder painter, the art modules
// and the content tests all work from this one table, so a picture that
// would not fit where the game draws it is caught at build time.
#pragma once

#include <string>
#include <vector>

namespace contentgen {

struct ImageSize {
  const char* file;  // file name inside data\gfx, e.g. "font.png"
  int width, height; // whole PNG
  int cellw, cellh;  // animation cell (the whole PNG for single pictures)
  int frames;        // cells in the strip, read left to right, top to bottom
};

// All 175 pictures, in archive order.
const std::vector<ImageSize>& image_sizes();
// The entry for a file name ("font.png") or a full archive name
// ("data\gfx\font.png"); nullptr when there is none.
const ImageSize* find_image_size(const std::string& name);

}  // namespace contentgen
