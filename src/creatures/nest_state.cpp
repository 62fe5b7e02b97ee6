#include "creatures/nest_state.h"

#include <cstring>

#include "creatures/creature_tables.h"
#include "platform/random.h"
#include "squad/squad.h"
#include "world/map.h"

int queentimer = 0;
int powertimer = 0;
int powerdelay = 0;
int powerslime = 0;
int colonistlost = 0;
int colonisttimer = 0;
int kindtable[101];
int frametoggle = 0;

void resetneststate() {
  queentimer = 0;
  powertimer = 0;
  powerdelay = 0;
  powerslime = 0;
  colonistlost = 0;
  colonisttimer = 0;
  std::memset(kindtable, 0, sizeof kindtable);
  frametoggle = 0;
}

void placecreature(int r, int kind, int x, int dir, int hp, int seen) {
  int* c = rooms[r][roomcreature];
  c[ckind] = kind;
  c[cposx] = x;
  c[cdirection] = dir;
  c[cmode] = roaming;
  for (int s = capproach; s <= cage; ++s) c[s] = 0;
  c[chp] = hp;
  c[cseen] = seen;
}

void emptyroom(int r) {
  rooms[r][roomcreature][ckind] = kindnone;
  rooms[r][roomcreature][ccooldown] = 100;
}

int membersinroom(int r, int* first, int* last) {
  int n = 0;
  if (first) *first = 0;
  if (last) *last = 0;
  for (int m = 1; m <= 6; ++m) {
    if (squad[m][mroom] != r || squad[m][mdead] != 0) continue;
    if (n == 0 && first) *first = m;
    if (last) *last = m;
    ++n;
  }
  return n;
}

int countslime(int r) {
  int n = 0;
  for (int s = 1; s <= wallslots; ++s)
    if (rooms[r][wallstate][s] > 0) ++n;
  return n;
}

void slimewall(int r, int w) {
  for (int s = 16 * (w - 1) + 1; s <= 16 * w; ++s) rooms[r][wallstate][s] = Rand(1, slimemax);
  rooms[r][wallstate][slimevalidslot] = 0;
}
