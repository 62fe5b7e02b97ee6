#include "squad/squad_pass.h"

#include "state/panel.h"
#include "state/play_state.h"
#include "squad/mission.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/pickups.h"

namespace {

void cheats(int* s) {
  if (debugflags[cheatmode] != 1 || s[mdead] != 0) return;
  if (debugflags[cheatammo] == 1) s[mammo] = s[mmaxammo];
  if (debugflags[cheatstamina] == 1) s[mstamina] = s[mmaxstamina];
  if (debugflags[cheatinvulnerable] == 1) s[mhealth] = s[mmaxhealth];
}

void timers(int* s) {
  if (s[mbusydoor] == 0 && s[mbrightness] < 100)
    s[mbrightness] = s[mbrightness] + 10 > 100 ? 100 : s[mbrightness] + 10;
  if (s[mhurtflash] > 0) s[mhurtflash] = s[mhurtflash] > 5 ? s[mhurtflash] - 5 : 0;
  if (s[mammoflash] > 0) s[mammoflash] -= 1;
  if (s[mhealthflash] > 0) s[mhealthflash] -= 1;
}

void death(int* s) {
  if (s[mdead] != 0 || s[mhealth] >= 1) return;
  s[mbusydoor] = 0;
  s[mbrightness] = 100;
  s[mdoortime] = 0;
  s[mhealth] = 0;
  s[mdead] = 1;
  // The room checks skip the dead, so nothing else would clear the danger.
  s[mdanger] = 0;
  s[mdeathroom] = s[mroom];
  s[mdeathreserved] = s[mreserved];
  s[mroom] = deadroom;
}

}  // namespace

int squadalive() {
  for (int m = 1; m <= 6; ++m)
    if (squad[m][mdead] == 0) return 1;
  return 0;
}

int staminagain(int m, int frame) {
  const int* s = squad[m];
  if (s[mexerted] != 0) return 0;
  int gain = s[mstaminaregen];
  // Ratings 2 and 4 sit between the whole-number rates: half a point more.
  if ((s[mstaminarating] == 2 || s[mstaminarating] == 4) && frame % 2 == 1) gain += 1;
  return gain;
}

void updatesquad() {
  for (int i = 0; i < 11; ++i) eventflags[i] = 0;
  for (int m = 1; m <= 6; ++m) {
    int* s = squad[m];
    cheats(s);
    timers(s);
    death(s);
  }
  if (!squadalive()) {
    alldead = 1;
    openpanel();
  } else {
    for (int m = 1; m <= 6; ++m) {
      roomchecks(m);
      if (squad[m][mmuzzleflash] > 0) squad[m][mmuzzleflash] -= 1;
    }
    checkreturntobase();
    for (int m = 1; m <= 6; ++m) {
      int* s = squad[m];
      s[mstamina] += staminagain(m, teamstat[teamrow][statclock]);
      if (s[mstamina] > s[mmaxstamina]) s[mstamina] = s[mmaxstamina];
    }
  }
  for (int m = 1; m <= 6; ++m)
    if (squad[m][mdead] != 0) squad[m][mroom] = deadroom;
}
