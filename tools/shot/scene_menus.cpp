// The start-up window, the loading screen and every menu screen, each
// driven a few frames by scripted input as a player would.
#include <functional>

#include "app/screenshot_key.h"
#include "app/startup.h"
#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "frontend/keys_screen.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_links.h"
#include "frontend/menu_screens.h"
#include "frontend/options_file.h"
#include "frontend/save_screens.h"
#include "frontend/savegame.h"
#include "input/bindings.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "platform/platform.h"
#include "render/messages.h"
#include "scene.h"
#include "squad/roster.h"

namespace {
void loadmenuassets() {
  load_fonts();
  load_all_assets();
  initroster();
  resetoptions();
  resetinput();
  resetmenuframe();
}

// Runs the screen for a few frames with the pointer at (mx, my) and the
// given key hit on the first frame, then leaves the last frame drawn.
void drive(int state, const std::function<void()>& screen, int mx, int my, int key = 0, int frames = 12) {
  gamestate = state;
  // Every key up once first, so the scripted press counts as a hit.
  plat::RawInput up;
  up.mousex = mx, up.mousey = my;
  updateinputfrom(up);
  for (int f = 0; f < frames; ++f) {
    plat::RawInput in;
    in.mousex = mx + (f == 1 ? 1 : 0);
    in.mousey = my;
    if (f == 0 && key) in.key[key] = true;
    updateinputfrom(in);
    plat::cls();
    screen();
  }
}

void startupscene(bool modeerror, int mx, int my) {
  loadstartupimages();
  plat::RawInput in;
  updateinputfrom(in);
  StartupMenu m;
  m.modeerror = modeerror ? 1 : 0;
  startupstep(m, StartupPointer{mx, my, true, mx, my}, [] { return true; });
  plat::set_viewport(0, 0, 480, 360);
  drawstartupmenu(m);
}
}  // namespace

SHOT_SCENE("startup", "start-up window, pointer on RUN GAME") { startupscene(false, 200, 130); }
SHOT_SCENE("startup_error", "start-up window with the screen-mode error") {
  apimode = 1;
  startupscene(true, 200, 300);
}

SHOT_SCENE("loading", "loading screen at full green") {
  load_fonts();
  drawloadingscreen(loadinglevel(40));
}

SHOT_SCENE("mainmenu", "main menu, no game in progress") {
  loadmenuassets();
  gameinprogress = 0;
  drive(statemainmenu, runmainmenu, 520, 470);
}
SHOT_SCENE("mainmenu_screenshot", "main menu just after Print Screen: the message under the items") {
  loadmenuassets();
  gameinprogress = 0;
  drive(statemainmenu, runmainmenu, 900, 700);
  postmessage("Screenshot saved", screenshotmessagerow(), 0);
  drawmessageline();
}
SHOT_SCENE("mainmenu_game", "main menu with a game in progress") {
  loadmenuassets();
  gameinprogress = 1;
  drive(statemainmenu, runmainmenu, 520, 330);
}
SHOT_SCENE("gamemode", "game mode") {
  loadmenuassets();
  drive(stategamemode, rungamemode, 900, 700, keyarrowdown);
}
SHOT_SCENE("squad1", "squad, one player, tooltip on a bar") {
  loadmenuassets();
  modeplayers = 1;
  for (int s = 1; s <= 6; ++s)
    for (int a = 1; a <= 4; ++a) squadpick[s][pickbar(a)] = rosterattr[squadpick[s][pickroster]][a] * 33;
  drive(statesquad, runsquadscreen, 8 + 200, 385 - 23 + 64 + 26 + 5);
}
SHOT_SCENE("squad2", "squad, two players, split command") {
  loadmenuassets();
  modeplayers = 2;
  splitoption = 0;
  drive(statesquad, runsquadscreen, 512, 700, keyarrowright);
}
SHOT_SCENE("options", "options") {
  loadmenuassets();
  drive(stateoptions, runoptions, 900, 700);
}
SHOT_SCENE("settings", "settings, a few switched off") {
  loadmenuassets();
  settings[setsound] = 0;
  settings[setcompass] = 0;
  settings[setmusicvariant] = 1;
  drive(statesettings, runsettings, 512, 221 + 48 * 3 + 10);
}
SHOT_SCENE("keys", "keys, player choice") {
  loadmenuassets();
  drive(statekeysplayer, runkeysscreen, 900, 700);
}
SHOT_SCENE("keys_capture", "player 1 binding list, capturing SHOOT") {
  loadmenuassets();
  keysplayer = 1;
  capturing = 1;
  captureaction = 5;
  drive(statekeysbindings, runkeysscreen, 600, 700);
}

namespace {
// A scratch saves folder with a few named slots and a quicksave, listed
// as the slot screens list them on entry.
void slotscene(int state) {
  loadmenuassets();
  savesdir = plat::disk_path("/tmp/rx907_shot_saves");
  plat::create_dir(savesdir);
  for (int n = 1; n <= 6; ++n) {
    plat::delete_file(namefilepath("save_" + std::to_string(n)));
    plat::delete_file(datafilepath("save_" + std::to_string(n)));
  }
  savegame("save_2", 1, "COLONY DECK 3");
  savegame("save_5", 2, "REACTOR");
  savegame("quick", 3, "Quicksave");
  gameinprogress = 1;
  enterslotscreen(state);
}
}  // namespace

SHOT_SCENE("loadgame", "load game, two slots and the quicksave, pointer on REACTOR") {
  slotscene(stateloadgame);
  drive(stateloadgame, runloadgame, 600, slotitemy(stateloadgame, 5) + 10);
}
SHOT_SCENE("savegame", "save game, typing a name into slot 2") {
  slotscene(statesavegame);
  drive(statesavegame, runsavegame, 900, 700, keyarrowdown, 2);
  drive(statesavegame, runsavegame, 900, 700, keyenter, 2);
  drive(statesavegame, runsavegame, 900, 700, 'A', 14);
}

SHOT_SCENE("keys_duplicate", "player 1 binding list: W just bound to USE, the warning on the message line") {
  loadmenuassets();
  keysplayer = 1;
  capturing = 1;
  captureaction = 6;
  drive(statekeysbindings, runkeysscreen, 600, 700, 'W', 3);
  drawmessageline();
}

SHOT_SCENE("keys_layout", "player 2 bound to punctuation keys, named by the keyboard's caps") {
  loadmenuassets();
  keysplayer = 2;
  const int punct[9] = {0, 187, 219, 186, 220, 191, 192, 222, 226};
  for (int a = 1; a <= 8; ++a) keys[2][a] = punct[a];
  drive(statekeysbindings, runkeysscreen, 900, 740);
}

SHOT_SCENE("loadgame_error", "load game: a slot whose data file went missing, the error under the rows") {
  slotscene(stateloadgame);
  plat::delete_file(datafilepath("save_2"));
  drive(stateloadgame, runloadgame, 900, 740, keyenter, 3);
  drawmessageline();
}
