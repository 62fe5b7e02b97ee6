#include "app/mission_end.h"

#include "app/demo.h"
#include "app/ingame.h"
#include "app/state/assets.h"
#include "app/state/game_state.h"
#include "app/state/panel.h"
#include "app/state/play_state.h"
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
  if (missionflags[1] == 1) {
    // The message acknowledged: the panel opens again and play resumes.
    pausestate[2] = 0;
    playsound(panelsounds[1]);
  } else if (missionflags[2] == 1) {
    if (missionflags[3] == 0) {
      missionflags[3] = 1;
    } else {
      missionflags[3] = 2;
      backtomenu();
    }
  }
}

}  // namespace

void missionscreen() {
  countdownflashes();
  if (missionflags[1] == 1 && pausepos == panelopenpos) startpanelclosing();
  steppanelpulse();
  if (slidepanel() == slideopened) {
    gamestate = stateplay;
    if (missionflags[1] == 1) {
      missionflags[1] = 2;
      startpanelclosing();
    }
    if (missionflags[2] == 1) {
      missionflags[2] = 2;
      startpanelclosing();
    }
  }
  missionkeys();
  endwaveannouncement();
  if (framedraws) drawmissionscreen();
}

void failscreen() {
  countdownflashes();
  steppanelpulse();
  // The squad-lost panel only ever closes here; a panel left opening would
  // never let a key through.
  pausestate[2] = 1;
  slidepanel();
  if (pausepos == 0 && panelkeyhit()) backtomenu();
  endwaveannouncement();
  if (framedraws) drawfailscreen();
}
