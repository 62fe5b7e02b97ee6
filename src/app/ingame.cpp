#include "app/ingame.h"

#include "app/member_switch.h"
#include "app/mission_end.h"
#include "app/pad_frame.h"
#include "app/replay/playback.h"
#include "app/screens.h"
#include "state/assets.h"
#include "state/game_state.h"
#include "state/panel.h"
#include "state/play_state.h"
#include "audio/sound.h"
#include "creatures/creatures.h"
#include "frontend/controls_card_file.h"
#include "frontend/savegame.h"
#include "input/bindings.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "render/controls_card.h"
#include "squad/display_anim.h"
#include "platform/platform.h"
#include "state/settings.h"
#include "squad/member_fields.h"
#include "squad/squad.h"
#include "squad/member_update.h"
#include "squad/mission.h"
#include "squad/squad_pass.h"
#include "world/lamps.h"
#include "world/machinery.h"
#include "world/signals.h"

int framedraws = 1;
int controlscard = 0;

namespace {

void hideprompts() {
  for (int p = 1; p <= 2; ++p) {
    UsePrompt& u = useprompt[p];
    if (!u.shown) u.blink = 100, u.blinkdir = 1;
    u.shown = 0;
  }
}

// Any key, mouse button or joystick button pressed this frame.
bool anythinghit() {
  for (int k = 1; k < keycodecount; ++k)
    if (gamekeyhit(k)) return true;
  for (int b = 1; b <= 3; ++b)
    if (gamemousehit(b)) return true;
  for (int j = 0; j < joycount && j < maxjoysticks; ++j)
    for (int b = 0; b < joyentries; ++b)
      if (joyhitstate[j][b][1]) return true;
  return false;
}

// With mouse aiming the pointer is held on player 1's crosshair while the
// card shows, so the first frame of play measures no travel (and charges no
// stamina) for wherever the hand wandered while reading.
void holdpointer() {
  const int m = curmember[1];
  if (settings[setmouseaiming] != 1 || m < 1 || m > 6) return;
  const int x = squad[m][mcrossx], y = squad[m][mcrossy];
  plat::move_pointer(x, y);
  mousepos[mouselastx] = mousepos[mousenowx] = x;
  mousepos[mouselasty] = mousepos[mousenowy] = y;
}

// The card's frame: nothing moves, not even the mission clock; the key
// that closes the card does nothing else.
void controlscardframe() {
  holdpointer();
  if (anythinghit()) {
    controlscard = 0;
    flushhits();
  }
  if (!framedraws) return;
  drawviews();
  drawconsole();
  if (controlscard) drawcontrolscard();
}

}  // namespace

void offercontrolscard() {
  if (demoplaying || controlscardshown(controlscardfile)) return;
  controlscard = 1;
  notecontrolscardshown(controlscardfile);
}

IngameKey ingamekey() {
  if (pausestate[panelactive] != 0) return ingamenone;
  if (gamekeyhit(keyescape)) return ingamemenu;
  // The machine player presses player 1's own bindings, whatever keys they
  // are; a demo never saves over the quick slot nor loads it.
  if (demoplaying) return ingamenone;
  if (gamekeyhit(keyf5)) return ingamequicksave;
  if (gamekeyhit(keyf9)) return ingamequickload;
  return ingamenone;
}

void ingameframe() {
  if (controlscard) {
    controlscardframe();
    return;
  }
  const IngameKey key = ingamekey();
  if (key == ingamemenu) {
    gamestate = statemainmenu;  // the game stays in memory for CONTINUE GAME
    // Nothing moves in this frame, but it is still drawn as it stands, so
    // the screen does not blink black on the way to the menu.
    if (framedraws) {
      drawviews();
      drawconsole();
    }
    return;
  }
  trackmouse();
  // Playback writes and reads no save: it repeats what F5 and F9 did to play.
  if (key == ingamequicksave) replayplaying() ? replayquicksave() : quicksave();
  if (key == ingamequickload) replayplaying() ? replayquickload() : quickload();
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
    padrumble();
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
    if (scoreflash(p) > 0) scoreflash(p) -= 1;
}
