#include "world/worldtables.h"

#include <cstring>
#include <initializer_list>

#include "world/map.h"

int tilewide[51];
int roomcolour[7][4][4];
int oppositeslot[7];
int respawnok[301];

const ExitDoor exitdoors[6] = {
    {176, 1, 4}, {255, 2, 28}, {183, 3, 36}, {1, 4, 56}, {89, 1, 8}, {126, 3, 40},
};

namespace {

void setcolour(int type, int set, int r, int g, int b) {
  roomcolour[type][set][1] = r;
  roomcolour[type][set][2] = g;
  roomcolour[type][set][3] = b;
}

}  // namespace

void initworldtables() {
  std::memset(tilewide, 0, sizeof tilewide);
  for (int t : {12, 13, 17, 18, 19, 20, 23}) tilewide[t] = 1;

  std::memset(roomcolour, 0, sizeof roomcolour);
  // Channel mask, wall tint and minimap tint per type; the flash tint is white.
  struct Row {
    int mask[3], tint[3], map[3];
  };
  static const Row rows[7] = {
      {{0, 0, 0}, {150, 150, 150}, {0, 0, 0}},      // 0 no type
      {{1, 0, 0}, {150, 0, 0}, {255, 0, 0}},        // 1 red
      {{0, 0, 1}, {0, 0, 150}, {0, 0, 255}},        // 2 blue
      {{0, 1, 0}, {0, 150, 0}, {0, 255, 0}},        // 3 green
      {{0, 1, 1}, {0, 150, 150}, {0, 255, 255}},    // 4 cyan
      {{1, 0, 0}, {100, 70, 25}, {225, 150, 50}},   // 5 brown
      {{0, 0, 0}, {12, 12, 12}, {255, 255, 255}},   // 6 dark room
  };
  for (int t = 0; t <= 6; ++t) {
    setcolour(t, 0, rows[t].mask[0], rows[t].mask[1], rows[t].mask[2]);
    setcolour(t, 1, rows[t].tint[0], rows[t].tint[1], rows[t].tint[2]);
    setcolour(t, 2, 255, 255, 255);
    setcolour(t, 3, rows[t].map[0], rows[t].map[1], rows[t].map[2]);
  }

  std::memset(oppositeslot, 0, sizeof oppositeslot);
  oppositeslot[3] = dooropenslot(3);  // north door: the neighbour's south door
  oppositeslot[4] = dooropenslot(4);  // west door: the neighbour's east door
  oppositeslot[5] = dooropenslot(1);  // south door: the neighbour's north door
  oppositeslot[6] = dooropenslot(2);  // east door: the neighbour's west door

  std::memset(respawnok, 0, sizeof respawnok);
  for (int r = 4; r <= 255; ++r) respawnok[r] = 1;
  respawnok[generatorroom] = 0;
  respawnok[nestroom] = 0;
}

void clearroomstate() {
  for (int r = 1; r <= 275; ++r) {
    for (int s = 11; s <= 19; ++s) rooms[r][roomrecord][s] = 0;
    for (int s = 21; s <= 31; ++s) rooms[r][roomrecord][s] = 0;
    for (int s = 98; s <= 100; ++s) rooms[r][roomrecord][s] = 0;
    for (int s = 1; s <= 99; ++s) rooms[r][wallstate][s] = 0;
  }
}

void openexits() {
  for (const ExitDoor& e : exitdoors) {
    int* rec = rooms[e.room][roomrecord];
    rec[neighbourslot(e.dir)] = outsideroom;
    rec[doorslot(e.dir)] = e.pos;
    rec[doorlockedslot(e.dir)] = 1;
  }
  // The way in at the base stands open from the start.
  rooms[baseroom][roomrecord][dooropenslot(4)] = 1;
}
