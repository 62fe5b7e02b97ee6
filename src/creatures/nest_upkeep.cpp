// After the creature pass: a pending queen, the colonist that replaces a
// lost one, and slime growing back in rooms nobody is watching.
#include "state/play_state.h"
#include "creatures/creature_tables.h"
#include "creatures/creatures.h"
#include "creatures/nest_state.h"
#include "platform/random.h"
#include "squad/credit.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace {

// A random entry of list[0..n-1], or 0 when it is empty.
int pick(const int* list, int n) { return n == 0 ? 0 : list[Rand(1, n) - 1]; }

void placequeen() {
  int list[255];
  int n = 0;
  for (int r = 1; r <= 255; ++r) {
    const bool empty = rooms[r][roomcreature][ckind] == kindnone;
    if (empty && rooms[r][roomrecord][roomid] != nestroom) list[n++] = r;
  }
  int r = pick(list, n);
  if (r == 0) return;
  int x = Rand(0, looplength);
  int dir = Rand(1, 2);
  placecreature(r, kindqueen, x, dir, 5);
}

void replacecolonist() {
  int list[255];
  int n = 0;
  for (int r = 1; r <= 255; ++r) {
    int id = rooms[r][roomrecord][roomid];
    if (id == baseroom || id == nestroom || iscontrolledroom(r)) continue;
    if (rooms[r][roomcreature][ckind] == kindqueen) continue;
    list[n++] = r;
  }
  int r = pick(list, n);
  if (r == 0) return;
  placecreature(r, kindcolonist, Rand(0, looplength), 1);
}

void regrowslime() {
  int period = 1500 - teamstat[1][statwave];
  if (period < 1000) period = 1000;
  for (int r = 4; r <= 255; ++r) {
    if (respawnok[r] != 1 || iscontrolledroom(r)) continue;
    int& tick = rooms[r][roomrecord][regrowtick];
    tick += 1;
    if (tick <= 59) continue;
    tick = 0;
    if (Rand(1, period) == 425) slimewall(r, Rand(1, 4));
  }
}

}  // namespace

void updatenest() {
  if (queentimer > 0) {
    queentimer -= 1;
    if (queentimer == 0) placequeen();
  }
  if (colonistlost == 1) {
    colonisttimer += 1;
    if (colonisttimer >= 1000) {
      colonistlost = 0;
      colonisttimer = 0;
      replacecolonist();
    }
  }
  regrowslime();
}
