#include "app/panel.h"

#include "app/assets.h"
#include "app/play_state.h"
#include "app/state.h"
#include "audio/sound.h"
#include "input/bindings.h"
#include "input/input.h"
#include "input/keycodes.h"

namespace {

void pulse() {
  if (pausepulsedir == 0) {
    pausepulse += 5;
    if (pausepulse >= 100) pausepulse = 100, pausepulsedir = 1;
  } else {
    pausepulse -= 5;
    if (pausepulse <= 35) pausepulse = 35, pausepulsedir = 0;
  }
}

void slide() {
  if (pausestate[2] == 0 && pausepos < panelopenpos) {
    pausespeed *= 0.853f;
    if (pausespeed < 1.0f) pausespeed = 1.0f;
    pausepos = static_cast<int>(pausepos + pausespeed);
    if (pausepos > panelopenpos) pausepos = panelopenpos;
  } else if (pausestate[2] == 1 && pausepos > 0) {
    pausespeed *= 1.19f;
    if (pausespeed > 75.0f) pausespeed = 75.0f;
    pausepos = static_cast<int>(pausepos - pausespeed);
    if (pausepos <= 0) {
      pausestate[1] = pausestate[2] = 0;
      pausespeed = 75.0f;
      pausepos = 0;
    }
  }
}

// Shown counters climb one per frame towards the real ones.
bool countup() {
  bool moved = false;
  for (int p = 1; p <= 2; ++p) {
    for (int k = 1; k <= 4; ++k) {
      int& shown = statshown[p][k];
      const int real = teamstat[p][k];
      if (shown < real) {
        shown += 1;
        moved = true;
      } else if (shown > real) {
        shown = real;
      }
    }
  }
  return moved;
}

bool closepressed() {
  return gamekeyhit(keyp) || gamekeyhit(keyspace) || gamekeyhit(keyenter) || gamekeyhit(keyescape) ||
         bindinghit(keys[1][actshoot]) || bindinghit(keys[2][actshoot]);
}

}  // namespace

void openpanel() {
  pausestate[1] = 1;
  pausestate[2] = 0;
  playsound(panelsounds[1]);
  for (int p = 1; p <= 2; ++p)
    for (int k = 1; k <= 4; ++k) statshown[p][k] = 0;
}

void updatepanel() {
  for (int p = 1; p <= 2; ++p)
    if (teamstat[0][p] > 0) teamstat[0][p] -= 1;
  pulse();
  slide();
  pausetabx = pausepos - 300;
  pausetabx2 = 1324 - pausepos;
  if (pausestate[1] == 0 || pausepos != panelopenpos) return;

  const bool moved = missionflags[1] != 1 && countup();
  if (missionflags[1] == 1) gamestate = statemissionend;
  if (moved || pausestate[2] == 1 || !closepressed()) return;
  if (alldead == 1) {
    gamestate = statesquadlost;
  } else if (missionflags[2] == 1) {
    gamestate = statemissionend;
  }
  pausestate[2] = 1;
  playsound(panelsounds[2]);
}
