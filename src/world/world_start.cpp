// Game-start placement of alarms, flickering lamps and broken lamps.
#include "platform/random.h"
#include "world/lamps.h"
#include "world/machinery.h"
#include "world/map.h"

bool blackoutproof(int room) {
  switch (room) {
    case 1: case 2: case 3: case 28: case 78: case 174: case 248:
      return true;
    default:
      return room >= firstmedicalroom && room <= lastmedicalroom;
  }
}

namespace {

void givealarm(int r) {
  int* rec = rooms[r][roomrecord];
  rec[alarmroom] = 1;
  rec[alarmdir] = 0;
  rec[alarmlevel] = 20;
}

}  // namespace

void placeworldfeatures() {
  for (int placed = 0; placed < 15;) {
    const int r = Rand(1, 255);
    if (blackoutproof(r) || rooms[r][roomrecord][alarmroom] != 0) continue;
    givealarm(r);
    ++placed;
  }
  givealarm(2);
  givealarm(3);

  for (int placed = 0; placed < 15;) {
    const int r = Rand(1, 255);
    if (blackoutproof(r) || rooms[r][roomrecord][alarmroom] != 0) continue;
    int* rec = rooms[r][roomrecord];
    rec[flickerperiod] = Rand(2, 20);
    rec[flickerlamp] = 1;
    rec[flickerphase] = 0;
    rec[flickercount] = 0;
    ++placed;
  }

  for (int placed = 0; placed < 10;) {
    const int r = Rand(1, 255);
    if (blackoutproof(r)) continue;
    rooms[r][roomrecord][roomdark] = 1;
    rooms[r][roomrecord][lampbroken] = 1;
    ++placed;
  }
}
