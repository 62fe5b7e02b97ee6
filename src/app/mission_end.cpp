#include "app/mission_end.h"

#include "app/demo.h"
#include "app/ingame.h"
#include "state/assets.h"
#include "state/game_state.h"
#include "state/panel.h"
#include "state/play_state.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "render/mission_screens.h"

namespace {

// The mission is over: there is no game left to continue or save (its
// board could never be closed again).
void backtomenu() {
  gamestate = statemainmenu;
  gameinprogress = 0;
  // After a demo the menu music is still playing.
  if (!demoplaying) startmenumusic();
}

// Keys act only once the panel has slid shut.
void missionkeys() {
  if (pausepos != 0 || !panelkeyhit()) return;
  if (missionflags[missionphase] == phaseannounced) {
    // The message acknowledged: the panel opens again and play resumes.
    pausestate[panelclosing] = 0;
    playsound(panelsounds[1]);
  } else if (missionflags[missionhome] == homereached) {
    if (missionflags[resultspage] == resultsfirst) {
      missionflags[resultspage] = resultssecond;
    } else {
      missionflags[resultspage] = resultsdone;
      backtomenu();
    }
  }
}

}  // namespace

void missionscreen() {
  countdownflashes();
  if (missionflags[missionphase] == phaseannounced && pausepos == panelopenpos) startpanelclosing();
  steppanelpulse();
  if (slidepanel() == slideopened) {
    gamestate = stateplay;
    if (missionflags[missionphase] == phaseannounced) {
      missionflags[missionphase] = phasehome;
      startpanelclosing();
    }
    if (missionflags[missionhome] == homereached) {
      missionflags[missionhome] = homeacknowledged;
      startpanelclosing();
    }
  }
  missionkeys();
  endwavenews();
  if (framedraws) drawmissionscreen();
}

void failscreen() {
  countdownflashes();
  steppanelpulse();
  // The squad-lost panel only ever closes here; a panel left opening would
  // never let a key through.
  pausestate[panelclosing] = 1;
  slidepanel();
  if (pausepos == 0 && panelkeyhit()) backtomenu();
  endwavenews();
  if (framedraws) drawfailscreen();
}
