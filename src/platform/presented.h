// The present's scaling, for benchmarks and for looking at it.
#pragma once

#include <cstdint>
#include <vector>

namespace plat {

// The picture a window of w x h pixels shows of the frame drawn so far, as
// the software renderer presents it: letterboxed in black and scaled in the
// scale quality in use. False without a frame in memory.
bool presented_picture(std::vector<uint32_t>& pixels, int w, int h);

}  // namespace plat
