#include "squad/member_update.h"

#include <cstdlib>

#include "state/assets.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "audio/sound.h"
#include "creatures/creatures.h"
#include "creatures/effects.h"
#include "input/bindings.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "squad/credit.h"
#include "squad/squad.h"
#include "world/doors.h"
#include "world/map.h"
#include "world/pickups.h"

int shotx = 0, shoty = 0;
int moveflags[4];

namespace {

// The mouse pointer is held in a box a little larger than the crosshair's.
constexpr int pointerleft = 144, pointerright = 880, pointertop = 89, pointerbottom = 320;

bool mouseaiming(int p) { return p == 1 && settings[setmouseaiming] == 1; }

void warppointer(int x, int y) {
  plat::move_pointer(x, y);
  // The pointer now stands here; the next frame measures travel from it.
  mousepos[mousenowx] = x;
  mousepos[mousenowy] = y;
}

void wrapscroll(int* s) {
  if (s[mscroll] < scrollmin) s[mscroll] += looplength;
  if (s[mscroll] > scrollmax) s[mscroll] -= looplength;
}

void keyboardaim(int p, int* s, int speed) {
  const int* a = actionflags[p];
  if (a[actleft]) s[mcrossx] -= speed, moveflags[1] = 1;
  if (a[actright]) s[mcrossx] += speed, moveflags[1] = 1;
  if (a[actup]) s[mcrossy] -= speed, moveflags[1] = 1;
  if (a[actdown]) s[mcrossy] += speed, moveflags[1] = 1;
  // Pushing against a side of the view turns the member.
  if (s[mcrossx] < aimleft) {
    s[mcrossx] = aimleft;
    s[mscroll] -= speed;
    if (moveflags[1] == 0) moveflags[1] = 1;
  }
  if (s[mcrossx] > aimright) {
    s[mcrossx] = aimright;
    s[mscroll] += speed;
    if (moveflags[1] == 0) moveflags[1] = 1;
  }
}

void mouseaim(int p, int* s, int speed) {
  s[mcrossx] = mousepos[mousenowx];
  s[mcrossy] = mousepos[mousenowy];
  moveflags[1] = (std::abs(mousepos[mousenowx] - mousepos[mouselastx]) + std::abs(mousepos[mousenowy] - mousepos[mouselasty])) / 15;
  int px = mousepos[mousenowx], py = mousepos[mousenowy];
  if (px < pointerleft) px = pointerleft;
  if (px > pointerright) px = pointerright;
  if (py < pointertop) py = pointertop;
  if (py > pointerbottom) py = pointerbottom;
  if (px != mousepos[mousenowx] || py != mousepos[mousenowy]) warppointer(px, py);
  if (s[mcrossx] < aimleft) s[mcrossx] = aimleft;
  if (s[mcrossx] > aimright) s[mcrossx] = aimright;
  if (actionflags[p][actleft]) s[mscroll] -= speed, moveflags[1] += 1;
  if (actionflags[p][actright]) s[mscroll] += speed, moveflags[1] += 1;
}

// The gun kicks the crosshair by up to (5 - accuracy) * 9 pixels each way.
void recoil(int p, int* s) {
  const int j = (5 - s[maccuracy]) * 9;
  const int dx = Rand(-j, j);
  const int dy = Rand(-j, j);
  s[mcrossx] += dx;
  s[mcrossy] += dy;
  if (mouseaiming(p)) warppointer(mousepos[mousenowx] + dx, mousepos[mousenowy] + dy);
  if (s[mcrossx] < aimleft) s[mcrossx] = aimleft, s[mscroll] += dx;
  if (s[mcrossx] > aimright) s[mcrossx] = aimright, s[mscroll] += dx;
  if (s[mcrossy] < aimtop) s[mcrossy] = aimtop;
  if (s[mcrossy] > aimbottom) s[mcrossy] = aimbottom;
  wrapscroll(s);
}

void fire(int p, int* s) {
  const int ammo = debugflags[cheatammo] == 1 ? 48 : s[mammo];
  if (ammo < 1) {
    playsound(snd_dry);
    return;
  }
  if (s[mstamina] < shotstamina) return;
  s[mmuzzleflash] = 10;
  playshot(shotsounds[Rand(1, 3)], acrosscrosshair(s[mcrossx]));
  recoil(p, s);
  explist.push_back(t_exp{s[mroom], shotx, shoty, 10, Rand(1, 359)});
  moveflags[2] = 1;
  if (s[mammo] > 0) s[mammo] -= 1;
  s[mfired] = 1;
}

// The first of creature, slime and doors under the crosshair takes the shot.
void shottargets(int p, int m, int* s) {
  if (shootcreature(p, m, shotx, shoty)) return;
  const int r = s[mroom];
  if (r >= 1 && r <= 255 && shoty < 270) {
    int* wall = rooms[r][wallstate];
    const int slot = shotx / slotwidth + 1;
    if (wall[slot] > 0) {
      wall[slot] = 0;
      wall[slimevalidslot] = 0;  // the room's slime count must be taken again
      givecredit(p, 5);
      return;
    }
  }
  shootdoors(m, shotx, shoty);
}

void exertion(int* s) {
  s[mexerted] = 0;
  if (moveflags[1] > 0) s[mexerted] = 1, s[mstamina] -= 4 * moveflags[1];
  if (moveflags[2] == 1) s[mexerted] = 1, s[mstamina] -= shotstamina;
  if (moveflags[3] == 1) s[mexerted] = 1, s[mstamina] -= doorstamina;
  if (s[mstamina] < 0) s[mstamina] = 0;
}

int facingwall(int x) {
  if (x <= 832) return 1;
  if (x <= 1664) return 2;
  if (x <= 2496) return 3;
  return 4;
}

}  // namespace

int aimspeed(int m) {
  const int* s = squad[m];
  const double pct =
      s[mmaxstamina] > 0 ? static_cast<double>(s[mstamina]) / s[mmaxstamina] * 100.0 : 0.0;
  if (pct >= 20) return 14;
  if (pct >= 3) return 7;
  return 3;
}

int loopposition(int scroll, int crossx) {
  int x = scroll + crossx - 122;
  while (x >= looplength) x -= looplength;
  while (x < 0) x += looplength;
  return x;
}

void updatemember(int p) {
  const int m = curmember[p];
  if (m < 1 || m > 6) return;
  int* s = squad[m];
  creaturenotice(p, m);
  const bool busy = s[mbusydoor] != 0;
  if (!busy) readcontrols(p, false);
  moveflags[1] = moveflags[2] = moveflags[3] = 0;
  if (s[mdead] != 0) return;

  const int speed = aimspeed(m);
  if (mouseaiming(p)) {
    if (!busy) mouseaim(p, s, speed);
  } else {
    keyboardaim(p, s, speed);
  }
  if (s[mcrossy] < aimtop) s[mcrossy] = aimtop;
  if (s[mcrossy] > aimbottom) s[mcrossy] = aimbottom;
  wrapscroll(s);

  s[mfired] = 0;
  shotx = loopposition(s[mscroll], s[mcrossx]);
  shoty = s[mcrossy];

  if (actionflags[p][actshoot]) {
    fire(p, s);
    if (moveflags[2]) shottargets(p, m, s);
  }

  if (!rescuecheck(p, m, shotx, shoty)) doorcheck(p, m, shotx, shoty);
  if (s[mbusydoor] != 0 && passdoor(m)) moveflags[3] = 1;

  exertion(s);
  s[mfacing] = facingwall(shotx);
}
