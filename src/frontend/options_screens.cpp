// OPTIONS (stateoptions) and SETTINGS (statesettings).
#include <string>

#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "audio/music.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_links.h"
#include "frontend/menu_screens.h"
#include "input/input.h"

namespace {
struct SettingRow {
  const char* label;
  int index;
};
// The SETTINGS rows in screen order and the setting each one changes.
constexpr SettingRow keyrows[10] = {
    {"MUSIC PLAYBACK", setmusic},    {"SOUND PLAYBACK", setsound}, {"ENHANCED MUSIC", setmusicvariant},
    {"JOY SENSITIVITY: ", setjoysensitivity}, {"MOUSE AIMING", setmouseaiming}, {"MINIMAP", setminimap},
    {"COMPASS", setcompass},         {"SHOW TIME", setshowtime},   {"VISUAL ALARMS", setvisualalarms},
    {"MINI-CAMS", setminicams}};
constexpr int slotsdone = 11;

bool settingon(int index) {
  if (index == setmusicvariant) return settings[index] == 0;
  if (index == setjoysensitivity) return true;
  return settings[index] != 0;
}

MenuScreen settingsscreen() {
  MenuScreen m;
  m.title = "SETTINGS";
  m.panelw = 520;
  m.sideways = true;
  for (const SettingRow& row : keyrows) {
    MenuItem it = menuitem(row.label, 257, 510);
    const bool on = settingon(row.index);
    // Each toggle says ON or OFF in words as well as in its colour.
    if (row.index == setjoysensitivity) it.text += std::to_string(110 - settings[setjoysensitivity]);
    else it.text += on ? ": ON" : ": OFF";
    it.r = on ? 0 : 255;
    it.g = on ? 255 : 0;
    it.b = 0;
    m.items.push_back(it);
  }
  m.items.push_back(menuitem("DONE", 257, 510));
  return m;
}

// The track that belongs on the menu now: the game track while a game is
// held, the menu track otherwise.
void restartmusic() {
  if (gameinprogress) startgamemusic();
  else startmenumusic();
}
}  // namespace

// Changes setting `index` as the SETTINGS screen does; dir +1 for ENTER,
// RIGHT and a left click, -1 for LEFT and a right click.
void changesetting(int index, int dir) {
  int& v = settings[index];
  if (index == setjoysensitivity) {
    // The threshold steps by 10 within 10..100; the screen shows 110 - v.
    v += dir > 0 ? -10 : 10;
    if (v > 100) v = 10;
    if (v < 10) v = 100;
    return;
  }
  v = v ? 0 : 1;
  if (index == setmusic) {
    if (v) restartmusic();
    else stopmusic();
  } else if (index == setmusicvariant && settings[setmusic] == 1) {
    restartmusic();
  }
}

void runoptions() {
  MenuScreen m;
  m.title = "OPTIONS";
  for (const char* t : {"SETTINGS", "KEYS", "DONE"}) m.items.push_back(menuitem(t));
  const MenuInput in = runmenu(m);
  if (in.activated == 1) nextstate = statesettings;
  else if (in.activated == 2) nextstate = statekeysplayer;
  else if (in.activated == 3 || in.escape) nextstate = statemainmenu;
}

void runsettings() {
  const MenuScreen m = settingsscreen();
  const MenuInput in = menuinput(m);
  if (in.activated >= 1 && in.activated < slotsdone) {
    changesetting(keyrows[in.activated - 1].index, in.direction);
  } else if (in.activated == slotsdone || in.escape) {
    // Said under the OPTIONS panel that opens next, clear of its items.
    const MenuLayout next = menulayout(3);
    if (!writeoptions("opt.dat")) postmessage("ERROR: Unable to save options", next.top + next.height + 10, 1);
    nextstate = stateoptions;
  }
  const MenuScreen shown = settingsscreen();
  drawmenuback(shown);
  drawmenufront();
  flushhits();
}
