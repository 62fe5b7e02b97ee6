// A menu frame: the SQUAD screen with every slot filled, the pointer
// resting on an attribute bar so its tooltip shows, and the overlay on top.
#include "app/state.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_screens.h"
#include "scene.h"

namespace {

using namespace benchscene;

// The pointer over the second bar of the second slot on the left.
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
  plat::RawInput in;
  in.mousex = kPointerX, in.mousey = kPointerY;
  updateinputfrom(in);
}

void squadframe() {
  plat::RawInput in;
  in.mousex = kPointerX, in.mousey = kPointerY;
  updateinputfrom(in);
  plat::cls();
  runsquadscreen();
  drawoverlay();
}

void BM_MenuFrameSquad(benchmark::State& state) { timeframes(state, squadscreen, squadframe, 60); }
BENCHMARK(BM_MenuFrameSquad)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
