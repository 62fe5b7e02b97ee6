// What a new player meets first: the controls card over the first view, an
// error on the message line over the red start room, and the minimap over
// a door's use box and a member's name.
#include "state/assets.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "creatures/effects.h"
#include "input/bindings.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "render/controls_card.h"
#include "render/hud.h"
#include "render/messages.h"
#include "render/views.h"
#include "scene.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "squad/squad_pass.h"
#include "world/machinery.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace {

// The squad at the start of a game, every member in the base room.
void startgame(int players) {
  shot::load_scene_complex();
  resetsettings();
  resetbindings();
  for (int m = 1; m <= 6; ++m) {
    squadchar[m] = m;
    setupmember(m);
  }
  numplayers = players;
  curmember[1] = 1;
  curmember[2] = players == 2 ? 4 : 0;
}

void drawplay() {
  drawviews();
  drawhud(1);
}

}  // namespace

SHOT_SCENE("controls_card", "the controls card over the first view of the first game") {
  startgame(1);
  drawplay();
  drawcontrolscard();
}

SHOT_SCENE("controls_card_two", "the controls cards of a first two-player game") {
  startgame(2);
  drawplay();
  drawcontrolscard();
}

SHOT_SCENE("message_error", "a red error over the red base room, too long for the plain face") {
  startgame(1);
  drawplay();
  postmessage("ERROR: Unable to save screenshot", 192, 1);
  drawmessageline();
}

SHOT_SCENE("view_minimap", "a door's use box and a member's name under the minimap") {
  startgame(1);
  squad[1][mscroll] = 0;
  squad[1][mcrossx] = 500;
  squad[1][mcrossy] = 250;
  squad[2][mscroll] = 0;
  squad[2][mcrossx] = 860;
  squad[2][mcrossy] = 150;
  UsePrompt& u = useprompt[1];
  u.shown = 1, u.x = 690, u.y = 80, u.w = 70, u.h = 80, u.blink = 100;
  drawplay();
  u = UsePrompt{};
}
