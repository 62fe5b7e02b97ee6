#include "app/autoplayer/aim.h"

#include <algorithm>
#include <cstdlib>

#include "state/settings.h"
#include "input/bindings.h"
#include "squad/member_fields.h"
#include "squad/member_update.h"
#include "squad/squad.h"

namespace {

// The mouse puts the crosshair exactly where it points; a pixel or two of
// slack covers the recoil's last nudge.
constexpr int mouseslack = 2;

bool mouseaims(int p) { return p == 1 && settings[setmouseaiming] == 1; }

bool keyboardsteer(Hands& hands, int p, int m, AimPoint target) {
  const int* s = squad[m];
  const int speed = aimspeed(m);
  const int half = speed / 2;
  const int dx = loopdelta(loopposition(s[mscroll], s[mcrossx]), target.x);
  const int dy = target.y - s[mcrossy];
  if (dx > half) hands.hold(keys[p][actright]);
  if (dx < -half) hands.hold(keys[p][actleft]);
  if (dy > half) hands.hold(keys[p][actdown]);
  if (dy < -half) hands.hold(keys[p][actup]);
  return std::abs(dx) <= half && std::abs(dy) <= half;
}

bool mousesteer(Hands& hands, int p, int m, AimPoint target) {
  const int* s = squad[m];
  const int dx = loopdelta(loopposition(s[mscroll], s[mcrossx]), target.x);
  const int dy = target.y - s[mcrossy];
  const int wanted = s[mcrossx] + dx;
  const int x = std::clamp(wanted, aimleft, aimright);
  // Beyond a side of the view: hold the pointer there and turn.
  if (wanted < aimleft) hands.hold(keys[p][actleft]);
  if (wanted > aimright) hands.hold(keys[p][actright]);
  hands.movemouse(x, std::clamp(target.y, aimtop, aimbottom));
  return std::abs(dx) <= mouseslack && std::abs(dy) <= mouseslack;
}

}  // namespace

AimPoint crosshair(int m) {
  const int* s = squad[m];
  return {loopposition(s[mscroll], s[mcrossx]), s[mcrossy]};
}

bool steer(Hands& hands, int p, int m, AimPoint target) {
  return mouseaims(p) ? mousesteer(hands, p, m, target) : keyboardsteer(hands, p, m, target);
}
