#include "creatures/spawning.h"

#include "state/play_state.h"
#include "creatures/creature_tables.h"
#include "creatures/nest_state.h"
#include "platform/random.h"
#include "world/map.h"

namespace {

int currentwave() { return teamstat[1][statwave]; }
int slimecount(int r) { return rooms[r][wallstate][slimecountslot]; }
bool isnest(int r) { return rooms[r][roomrecord][roomid] == nestroom; }

// Position of an egg: 52 x a random slimed wall slot, 0 without slime.
int eggposition(int r) {
  int slots[wallslots];
  int n = 0;
  for (int s = 1; s <= wallslots; ++s)
    if (rooms[r][wallstate][s] > 0) slots[n++] = s;
  return n == 0 ? 0 : slotwidth * slots[Rand(1, n) - 1];
}

}  // namespace

void fillkindtable(int r) {
  int eggs = 0;
  if (currentwave() >= 2 && slimecount(r) >= 6) {
    eggs = 2 * slimecount(r) + 25;
    if (eggs > 90) eggs = 90;
  }
  for (int i = 1; i <= 100; ++i) kindtable[i] = i <= eggs ? kindegg : kindwarrior;
  if (isnest(r))
    for (int i = 1; i <= 100; ++i) kindtable[i] = kindqueen;
}

int spawnrange(int r) {
  if (isnest(r) || currentwave() < 2) return 100000;
  int n = slimecount(r);
  if (n >= 6 && n <= 12) return 66000;
  if (n > 12) return 33000;
  return 100000;
}

int spawnthreshold(int r) {
  static const double factor[6] = {0.15, 0.15, 0.225, 0.33, 0.5, 0.75};
  int w = currentwave();
  double f = w >= 6 ? 1.0 : factor[w < 1 ? 1 : w];
  return static_cast<int>(rooms[r][roomrecord][spawnchance] * f);
}

void spawnroom(int r) {
  int* c = rooms[r][roomcreature];
  if (c[ccooldown] > 0) {
    c[ccooldown] -= 1;
    return;
  }
  if (rooms[r][roomrecord][roomid] <= 3) return;
  fillkindtable(r);
  if (isnest(r) && slimecount(r) == 0) return;
  int range = spawnrange(r);
  if (Rand(1, range) > spawnthreshold(r)) return;

  int kind = kindtable[Rand(1, 100)];
  if (kind == kindegg) {
    placecreature(r, kindegg, eggposition(r), 1);
  } else {
    int x = Rand(0, looplength);
    int dir = Rand(1, 2);
    placecreature(r, kind, x, dir, kind == kindqueen ? 5 : 0);
  }
}
