#include "squad/credit.h"

#include "state/play_state.h"
#include "squad/squad.h"
#include "world/map.h"

void givecredit(int p, int points) {
  if (p < 1 || p > 2) return;
  teamstat[p][statcredit] += points;
  scoreflash(p) = 15;
}

int iscontrolledroom(int r) {
  for (int p = 1; p <= numplayers && p <= 2; ++p) {
    int m = curmember[p];
    if (m >= 1 && m <= 6 && squad[m][mroom] == r) return 1;
  }
  return 0;
}

namespace {
// The view is a 780-pixel window of the wall loop whose left edge is at
// display x 122 and at the member's scroll in the loop.
constexpr int viewleft = 122;
constexpr int viewhalf = 390;
}  // namespace

float acrossview(int r, int x) {
  for (int p = 1; p <= numplayers && p <= 2; ++p) {
    int m = curmember[p];
    if (m < 1 || m > 6 || squad[m][mroom] != r) continue;
    // The shorter way round the loop from the view's middle.
    int d = (x - (squad[m][mscroll] + viewhalf)) % looplength;
    if (d < -looplength / 2) d += looplength;
    if (d >= looplength / 2) d -= looplength;
    return static_cast<float>(d) / viewhalf;
  }
  return 0.0f;
}

float acrosscrosshair(int crossx) { return static_cast<float>(crossx - viewleft - viewhalf) / viewhalf; }
