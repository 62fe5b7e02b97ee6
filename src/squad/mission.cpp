#include "squad/mission.h"

#include "state/panel.h"
#include "state/play_state.h"
#include "squad/squad.h"
#include "world/map.h"

int nestslime() {
  int n = 0;
  for (int s = 1; s <= wallslots; ++s)
    if (rooms[nestroom][wallstate][s] > 0) ++n;
  return n;
}

void checkobjective() {
  if (missionflags[missionphase] != phaseopen || nestslime() > 0) return;
  missionflags[missionphase] = phaseannounced;
  openpanel();
}

void checkreturntobase() {
  if (missionflags[missionphase] != phasehome || missionflags[missionhome] != 0) return;
  bool anyalive = false;
  for (int m = 1; m <= 6; ++m) {
    if (squad[m][mdead] != 0) continue;
    anyalive = true;
    if (squad[m][mroom] != baseroom) return;
  }
  if (!anyalive) return;
  missionflags[missionhome] = homereached;
  for (int m = 1; m <= 6; ++m) squad[m][mdanger] = squad[m][mhurtflash] = 0;
  openpanel();
}
