// Reads one dot of the no-signal picture from the table the simulation
// refills every frame.
#include "state/play_state.h"
#include "render/room_pass.h"

namespace {
constexpr int firstdot = 1, lastdot = 500;
}  // namespace

StaticDot staticdot(int d) {
  if (d < firstdot || d > lastdot) return {0, 0, 0};
  const int* row = staticdots[d];
  return {row[dotalpha], row[dotx], row[doty]};
}

void setstaticdot(int d, const StaticDot& dot) {
  if (d < firstdot || d > lastdot) return;
  int* row = staticdots[d];
  row[dotalpha] = dot.alpha, row[dotx] = dot.x, row[doty] = dot.y;
}
