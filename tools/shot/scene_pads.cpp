// Standard pads on the screens that name their buttons: the KEYS list of a
// player bound to a pad, and the controls cards of two players who play
// with a pad each.
#include "state/game_state.h"
#include "state/settings.h"
#include "frontend/keys_screen.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_screens.h"
#include "frontend/options_file.h"
#include "input/bindings.h"
#include "input/input.h"
#include "platform/platform.h"
#include "render/controls_card.h"
#include "render/hud.h"
#include "render/views.h"
#include "scene.h"
#include "squad/roster.h"
#include "state/assets.h"
#include "state/play_state.h"

namespace {

// Two standard pads seen in slots 1 and 2, as the snapshot reports them.
void plugtwopads() {
  plat::RawInput in;
  in.joycount = 2;
  in.joykind[0] = in.joykind[1] = plat::joykindpad;
  updateinputfrom(in);
}

}  // namespace

SHOT_SCENE("keys_pads", "player 1 bound to a standard pad: its buttons named as printed") {
  load_fonts();
  load_all_assets();
  initroster();
  resetoptions();
  resetinput();
  resetmenuframe();
  plugtwopads();
  keysplayer = 1;
  const int pad1 = 400;
  const int entries[9] = {0, 13, joyup, 14, joydown, plat::padrighttrigger, plat::padbuttona,
                          plat::padleftshoulder, plat::padrightshoulder};
  for (int a = 1; a <= actioncount; ++a) keys[1][a] = pad1 + entries[a];
  gamestate = statekeysbindings;
  for (int f = 0; f < 12; ++f) {
    plat::RawInput in;
    in.mousex = 900, in.mousey = 740;
    in.joycount = 2;
    in.joykind[0] = in.joykind[1] = plat::joykindpad;
    updateinputfrom(in);
    plat::cls();
    runkeysscreen();
  }
}

SHOT_SCENE("controls_card_pads", "the controls cards of a two-player game played with a pad each") {
  shot::load_scene_complex();
  shot::place_scene_squad(2);
  resetbindings();
  settings[setmouseaiming] = 1;
  resetinput();
  plugtwopads();
  drawviews();
  drawhud(1);
  drawcontrolscard();
}
