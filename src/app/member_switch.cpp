#include "app/member_switch.h"

#include "state/play_state.h"
#include "state/settings.h"
#include "input/bindings.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "platform/platform.h"
#include "squad/squad.h"

namespace {

int wrapin(int v, int lo, int hi) {
  const int n = hi - lo + 1;
  return lo + ((v - lo) % n + n) % n;
}

bool busy(int m) { return m >= 1 && m <= 6 && squad[m][mbusydoor] != 0; }

}  // namespace

int stepmember(int p, int cur, int dir) {
  if (numplayers == 2 && splitview != 1) {
    const int lo = p == 1 ? 1 : 4;
    return wrapin(cur + dir, lo, lo + 2);
  }
  int next = wrapin(cur + dir, 1, 6);
  if (numplayers == 2 && next == curmember[3 - p]) next = wrapin(next + dir, 1, 6);
  return next;
}

void switchmembers() {
  for (int p = 1; p <= numplayers && p <= 2; ++p) {
    const int before = curmember[p];
    // A member walking through a door takes no orders, switching included.
    readcontrols(p, busy(before));
    if (busy(before)) continue;
    int chosen = before;
    if (numplayers == 1) {
      for (int k = 0; k < 6; ++k)
        if (gamekeyhit(digitkey(k + 1))) chosen = k + 1;
    }
    if (actionflags[p][actprev]) chosen = stepmember(p, chosen, -1);
    if (actionflags[p][actnext]) chosen = stepmember(p, chosen, +1);
    curmember[p] = chosen;
    if (p == 1 && chosen != before && settings[setmouseaiming] == 1 && chosen >= 1 && chosen <= 6) {
      plat::move_pointer(squad[chosen][mcrossx], squad[chosen][mcrossy]);
      // The jump is not the player's hand moving: no travel to pay for.
      mousepos[mousenowx] = mousepos[mouselastx] = squad[chosen][mcrossx];
      mousepos[mousenowy] = mousepos[mouselasty] = squad[chosen][mcrossy];
    }
  }
}
