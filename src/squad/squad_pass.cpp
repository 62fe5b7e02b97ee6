#include "squad/squad_pass.h"

#include "app/mission.h"
#include "app/panel.h"
#include "app/play_state.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/pickups.h"

namespace {

void cheats(int* s) {
  if (debugflags[0] != 1 || s[10] != 0) return;
  if (debugflags[1] == 1) s[9] = s[20];
  if (debugflags[2] == 1) s[8] = s[21];
  if (debugflags[3] == 1) s[23] = s[26];
}

void timers(int* s) {
  if (s[27] == 0 && s[29] < 100) s[29] = s[29] + 10 > 100 ? 100 : s[29] + 10;
  if (s[25] > 0) s[25] = s[25] > 5 ? s[25] - 5 : 0;
  if (s[30] > 0) s[30] -= 1;
  if (s[31] > 0) s[31] -= 1;
}

void death(int* s) {
  if (s[10] != 0 || s[23] >= 1) return;
  s[27] = 0;
  s[29] = 100;
  s[28] = 0;
  s[23] = 0;
  s[10] = 1;
  // The room checks skip the dead, so nothing else would clear the danger.
  s[12] = 0;
  s[14] = s[4];
  s[15] = s[5];
  s[4] = deadroom;
}

}  // namespace

int squadalive() {
  for (int m = 1; m <= 6; ++m)
    if (squad[m][10] == 0) return 1;
  return 0;
}

int staminagain(int m, int frame) {
  const int* s = squad[m];
  if (s[11] != 0) return 0;
  int gain = s[22];
  // Ratings 2 and 4 sit between the whole-number rates: half a point more.
  if ((s[18] == 2 || s[18] == 4) && frame % 2 == 1) gain += 1;
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
      if (squad[m][6] > 0) squad[m][6] -= 1;
    }
    checkreturntobase();
    for (int m = 1; m <= 6; ++m) {
      int* s = squad[m];
      s[8] += staminagain(m, teamstat[0][0]);
      if (s[8] > s[21]) s[8] = s[21];
    }
  }
  for (int m = 1; m <= 6; ++m)
    if (squad[m][10] != 0) squad[m][4] = deadroom;
}
