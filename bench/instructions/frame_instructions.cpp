// Runs frames of one benchmark scene with callgrind's collection switched on
// around the frames only, so the instruction count per frame does not depend
// on the machine or its load. bench/instructions/count.sh runs it. "present"
// counts the software renderer's present of the lit frame to a 1920 x 1080
// window, smoothly scaled (the scaling into the window's pixels; what the
// window system does with them is not counted).
//
//   frame_instructions lit|heaviest|squad|present FRAMES
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "../scene.h"
#include "platform/presented.h"

using namespace benchscene;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: frame_instructions lit|heaviest|squad|present FRAMES\n");
    return 2;
  }
  const int frames = std::atoi(argv[2]);
  void (*frame)() = playframe;
  if (!boot()) return 1;
  if (!std::strcmp(argv[1], "lit")) {
    litscene();
  } else if (!std::strcmp(argv[1], "heaviest")) {
    heavyscene();
  } else if (!std::strcmp(argv[1], "squad")) {
    squadscene();
    frame = squadframe;
  } else if (!std::strcmp(argv[1], "present")) {
    litscene();
    playframe();
    frame = [] {
      static std::vector<uint32_t> window;
      plat::presented_picture(window, 1920, 1080);
    };
  } else {
    std::fprintf(stderr, "frame_instructions: no scene %s\n", argv[1]);
    return 2;
  }
  // One frame first so that textures and caches made on first use are not
  // counted against every frame.
  frame();
  CALLGRIND_START_INSTRUMENTATION;
  for (int i = 0; i < frames; ++i) frame();
  CALLGRIND_STOP_INSTRUMENTATION;
  return 0;
}
