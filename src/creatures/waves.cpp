// Per frame before the creature pass: the generator room's slime and the
// power, the rooms' slime counts, attack waves and the wave power failures.
#include "state/assets.h"
#include "state/panel.h"
#include "state/play_state.h"
#include "audio/sound.h"
#include "creatures/creature_tables.h"
#include "creatures/creatures.h"
#include "creatures/nest_state.h"
#include "platform/random.h"
#include "squad/credit.h"
#include "world/map.h"

namespace {

// The generator room cleaned of slime restores the power for good.
void checkpower() {
  if (powerslime == -1) return;
  powerslime = countslime(generatorroom);
  if (powerslime != 0) return;
  powerslime = -1;
  bool heard = false;
  for (int r = 1; r <= 255; ++r) {
    int* rec = rooms[r][roomrecord];
    rec[powercut] = 0;
    if (rec[lampbroken] != 0) continue;
    if (rec[roomdark] != 0 && iscontrolledroom(r)) heard = true;
    rec[roomdark] = 0;
  }
  if (heard) playsound(powersounds[1]);
}

void countallslime() {
  for (int r = 1; r <= 255; ++r) {
    int* ws = rooms[r][wallstate];
    if (ws[slimevalidslot] == 1) continue;
    ws[slimecountslot] = countslime(r);
    ws[slimevalidslot] = 1;
  }
}

void advancewave() {
  teamstat[teamrow][statclock] += 1;
  int& wave = teamstat[1][statwave];
  if (wave < 0 || wave >= maxwave || teamstat[teamrow][statclock] < wavestart[wave]) return;
  wave += 1;
  teamstat[2][statwave] += 1;
  openpanel();
  powertimer = 0;
  powerdelay = Rand(500, 1500);
  newwave = 1;
  if (wave >= 4 && Rand(1, 2) == 1) queentimer = Rand(20, 600);
}

void powerfailure() {
  int wave = teamstat[1][statwave];
  if (powerslime <= 0 || (wave != 4 && wave != 5) || powertimer >= powerdelay) return;
  powertimer += 1;
  if (powertimer < powerdelay) return;
  bool heard = false;
  for (int r = 1; r <= 255; ++r) {
    int* rec = rooms[r][roomrecord];
    if (wave == 4 && rec[roomtype] != 3 && rec[roomtype] != 5) continue;
    if (rec[roomdark] == 0 && iscontrolledroom(r)) heard = true;
    rec[roomdark] = 1;
    rec[powercut] = 1;
  }
  if (heard) playsound(powersounds[2]);
}

}  // namespace

void updatewaves() {
  checkpower();
  countallslime();
  advancewave();
  powerfailure();
}
