#include "app/ingame.h"

#include "app/member_switch.h"
#include "app/mission_end.h"
#include "app/screens.h"
#include "app/state/assets.h"
#include "app/state/game_state.h"
#include "app/state/panel.h"
#include "app/state/play_state.h"
#include "audio/sound.h"
#include "creatures/creatures.h"
#include "frontend/savegame.h"
#include "input/bindings.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "render/display_anim.h"
#include "squad/member_update.h"
#include "squad/mission.h"
#include "squad/squad_pass.h"
#include "world/lamps.h"
#include "world/machinery.h"
#include "world/signals.h"

int framedraws = 1;

namespace {

void hideprompts() {
  for (int p = 1; p <= 2; ++p) {
    UsePrompt& u = useprompt[p];
    if (!u.shown) u.blink = 100, u.blinkdir = 1;
    u.shown = 0;
  }
}

}  // namespace

IngameKey ingamekey() {
  if (pausestate[panelactive] != 0) return ingamenone;
  if (gamekeyhit(keyescape)) return ingamemenu;
  if (gamekeyhit(keyf5)) return ingamequicksave;
  if (gamekeyhit(keyf9)) return ingamequickload;
  return ingamenone;
}

void ingameframe() {
  const IngameKey key = ingamekey();
  if (key == ingamemenu) {
    gamestate = statemainmenu;  // the game stays in memory for CONTINUE GAME
    return;
  }
  trackmouse();
  if (key == ingamequicksave) quicksave();
  if (key == ingamequickload) quickload();
  if (pausestate[panelactive] == 1) {
    updatepanel();
    // The panel hands over to the mission-end screen, which runs (and draws
    // instead of the views) in this same frame.
    if (gamestate == statemissionend) {
      missionscreen();
      return;
    }
  } else {
    simulationupdate();
  }
  endwavenews();
  if (framedraws) {
    drawviews();
    drawconsole();
  }
}

void simulationupdate() {
  hideprompts();
  switchmembers();
  if (gamekeyhit(keyp)) openpanel();
  for (int p = 1; p <= numplayers && p <= 2; ++p) updatemember(p);
  updatesquad();

  updatelamps();
  updatealarms();
  checkobjective();
  updatewaves();
  updatesignals();

  updatecreatures();
  updatenest();
  updateeffects();

  updatedisplayanim();
  updatepromptblink();
  for (int p = 1; p <= 2; ++p)
    if (teamstat[teamrow][p] > 0) teamstat[teamrow][p] -= 1;
}
