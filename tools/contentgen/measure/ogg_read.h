// Decodes an Ogg Vorbis file to float stereo, as the game's music stream
// plays it.
#pragma once

#include <string>
#include <vector>

namespace contentgen::measure {

struct StereoPcm {
  int rate = 0;
  std::vector<float> left, right;  // a mono file gives the same samples twice
};

// False when the file cannot be opened or decoded to its end.
bool read_ogg(const std::string& path, StereoPcm& out);

}  // namespace contentgen::measure
