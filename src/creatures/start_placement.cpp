#include "creatures/start_placement.h"

#include <vector>

#include "creatures/creature_tables.h"
#include "creatures/nest_state.h"
#include "platform/random.h"
#include "world/map.h"

int placestartcolonist() {
  std::vector<int> list;
  for (int r = 1; r <= 255; ++r) {
    int id = rooms[r][roomrecord][roomid];
    int kind = rooms[r][roomcreature][ckind];
    if (id == nestroom || id == baseroom) continue;
    if (kind == kindwarrior || kind == kindhugger || kind == kindegg) continue;
    list.push_back(r);
  }
  colonistlost = 0;
  colonisttimer = 0;
  if (list.empty()) return 0;
  int r = list[Rand(1, static_cast<int>(list.size())) - 1];
  placecreature(r, kindcolonist, Rand(0, looplength), 1);
  return r;
}

void slimekeyrooms() {
  for (int s = 1; s <= 64; ++s) rooms[nestroom][wallstate][s] = Rand(1, slimemax);
  for (int s = 1; s <= 32; ++s) rooms[generatorroom][wallstate][s] = Rand(1, slimemax);
  rooms[nestroom][wallstate][slimevalidslot] = 0;
  rooms[generatorroom][wallstate][slimevalidslot] = 0;
}

void slimestartrooms(int colonistroom) {
  std::vector<int> list;
  for (int r = 4; r <= 255; ++r) {
    int id = rooms[r][roomrecord][roomid];
    if (id == generatorroom || id == nestroom || r == colonistroom) continue;
    list.push_back(r);
  }
  for (int draw = 1; draw <= 50 && !list.empty(); ++draw) {
    int i = Rand(1, static_cast<int>(list.size())) - 1;
    int r = list[i];
    list.erase(list.begin() + i);
    int q = Rand(1, 4);
    slimewall(r, q);
    if (draw <= 9) {
      int x = Rand(slotwidth * (16 * q - 15) + 16, slotwidth * 16 * q - 172);
      placecreature(r, kindcocoon, x, 1, 1, 0);
    }
  }
}
