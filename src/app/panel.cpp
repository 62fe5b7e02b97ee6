#include "state/panel.h"

#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "audio/sound.h"
#include "input/bindings.h"
#include "input/input.h"
#include "input/pad_controls.h"
#include "input/keycodes.h"

namespace {

constexpr float restspeed = 75.0f;

// Shown counters climb one per frame towards the real ones.
bool countup() {
  bool moved = false;
  for (int p = 1; p <= 2; ++p) {
    for (int k = statwarriors; k <= statwave; ++k) {
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

}  // namespace

void steppanelpulse() {
  if (pausepulsedir == 0) {
    pausepulse += 5;
    if (pausepulse >= 100) pausepulse = 100, pausepulsedir = 1;
  } else {
    pausepulse -= 5;
    if (pausepulse <= 35) pausepulse = 35, pausepulsedir = 0;
  }
}

PanelSlide slidepanel() {
  PanelSlide reached = slidemoving;
  if (pausestate[panelclosing] == 0 && pausepos < panelopenpos) {
    pausespeed *= 0.853f;
    if (pausespeed < 1.0f) pausespeed = 1.0f;
    pausepos = static_cast<int>(pausepos + pausespeed);
    if (pausepos >= panelopenpos) {
      pausepos = panelopenpos;
      reached = slideopened;
    }
  } else if (pausestate[panelclosing] == 1 && pausepos > 0) {
    pausespeed *= 1.19f;
    if (pausespeed > restspeed) pausespeed = restspeed;
    pausepos = static_cast<int>(pausepos - pausespeed);
    if (pausepos <= 0) {
      pausepos = 0;
      pausespeed = restspeed;
      reached = slideshut;
    }
  }
  pausetabx = pausepos - 300;
  pausetabx2 = 1324 - pausepos;
  return reached;
}

void countdownflashes() {
  for (int p = 1; p <= 2; ++p)
    if (scoreflash(p) > 0) scoreflash(p) -= 1;
}

void startpanelclosing() {
  pausestate[panelclosing] = 1;
  playsound(panelsounds[2]);
}

void endwavenews() {
  if (pausestate[panelactive] != 1) newwave = 0;
}

bool panelkeyhit() {
  return gamekeyhit(keyp) || gamekeyhit(keyspace) || gamekeyhit(keyenter) || gamekeyhit(keyescape) ||
         bindinghit(keys[1][actshoot]) || bindinghit(keys[2][actshoot]) || padconfirmhit();
}

void openpanel() {
  pausestate[panelactive] = 1;
  pausestate[panelclosing] = 0;
  playsound(panelsounds[1]);
  for (int p = 1; p <= 2; ++p)
    for (int k = statwarriors; k <= statwave; ++k) statshown[p][k] = 0;
}

void updatepanel() {
  countdownflashes();
  steppanelpulse();
  // In play the panel is hidden again once it has slid shut.
  if (slidepanel() == slideshut) pausestate[panelactive] = pausestate[panelclosing] = 0;
  if (pausestate[panelactive] == 0 || pausepos != panelopenpos) return;

  const bool moved = missionflags[missionphase] != phaseannounced && countup();
  if (missionflags[missionphase] == phaseannounced) gamestate = statemissionend;
  if (moved || pausestate[panelclosing] == 1 || !panelkeyhit()) return;
  if (alldead == 1) {
    gamestate = statesquadlost;
  } else if (missionflags[missionhome] == homereached) {
    gamestate = statemissionend;
  }
  startpanelclosing();
}
