// Runs frames of one benchmark scene with callgrind's collection switched on
// around the frames only, so the instruction count per frame does not depend
// on the machine or its load. bench/instructions/count.sh runs it.
//
//   frame_instructions lit|heaviest|squad FRAMES
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "../scene.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_screens.h"

namespace {

using namespace benchscene;

// The SQUAD screen as the menu benchmark shows it: every slot filled, the
// pointer on an attribute bar so its tooltip shows.
constexpr int kPointerX = 8 + 200, kPointerY = 385 - 23 + 64 + 26 + 5;

void squadscreen() {
  initroster();
  resetoptions();
  resetinput();
  resetmenuframe();
  modeplayers = 2;
  splitoption = 0;
  for (int s = 1; s <= 6; ++s)
    for (int a = 1; a <= 4; ++a) squadpick[s][a + 1] = rosterattr[squadpick[s][1]][a] * 33;
  gamestate = statesquad;
}

void squadframe() {
  plat::RawInput in;
  in.mousex = kPointerX, in.mousey = kPointerY;
  updateinputfrom(in);
  plat::cls();
  runsquadscreen();
  drawoverlay();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: frame_instructions lit|heaviest|squad FRAMES\n");
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
    squadscreen();
    frame = squadframe;
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
