#include "frontend/keys_screen.h"

#include <string>

#include "state/game_state.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_links.h"
#include "frontend/menu_screens.h"
#include "input/bindings.h"
#include "input/input.h"
#include "input/keycodes.h"

int keysplayer = 1;
int capturing = 0;
int captureaction = 0;

namespace {

// The action's label without its leader dots ("SHOOT").
std::string actionword(int a) {
  std::string w = actionlabel[a];
  while (!w.empty() && w.back() == '.') w.pop_back();
  return w;
}

void bind(int code) {
  keys[keysplayer][captureaction] = code;
  capturing = 0;
  // Two actions of one player on one key is allowed, but seldom meant.
  for (int a = 1; a <= actioncount; ++a) {
    if (a == captureaction || keys[keysplayer][a] != code) continue;
    const std::string name = bindingname(code);
    if (name.empty()) break;
    const MenuLayout l = menulayout(actioncount + 1);
    postmessage(name + " IS ALSO " + actionword(a), l.top + l.height + 10, 1);
    break;
  }
}

bool capturekeys() {
  const bool altgr = gamekeydown(keylctrl) && gamekeydown(keyralt);
  for (int k = 1; k < keycodecount; ++k) {
    // The key's own hit: asked for Enter, gamekeyhit answers for both.
    if (!keyhitstate[k][1]) continue;
    if (k == keyescape) {
      capturing = 0;
      return true;
    }
    // AltGr arrives as Ctrl + right Alt; it is not a key of its own.
    if (altgr) return false;
    bind(k);
    return true;
  }
  return false;
}

// Joystick entries held when the capture began (the pad's A that chose the
// row): each counts only once it has been let go.
bool heldatstart[maxjoysticks][joyentries];

void notecapturestart() {
  for (int j = 0; j < maxjoysticks; ++j)
    for (int b = 0; b < joyentries; ++b) heldatstart[j][b] = joydownstate[j][b] != 0;
}

bool joyentrypressed(int j, int b) {
  if (!joydownstate[j][b]) heldatstart[j][b] = false;
  return joydownstate[j][b] && !heldatstart[j][b];
}

bool capturejoysticks() {
  for (int j = 0; j < joycount && j < maxjoysticks; ++j) {
    for (int b = 0; b <= 30; ++b)
      if (joyentrypressed(j, b)) {
        bind(400 + 100 * j + b);
        return true;
      }
    for (int dir = joyleft; dir <= joydown; ++dir)
      if (joyentrypressed(j, dir)) {
        bind(400 + 100 * j + dir);
        return true;
      }
  }
  return false;
}

bool capturemouse() {
  for (int b = 1; b <= 5; ++b)
    if (mousehitstate[b][1]) {
      bind(300 + b);
      return true;
    }
  return false;
}

// Whether another action of the list's player is bound to action a's key.
bool sharedbinding(int a) {
  const int code = keys[keysplayer][a];
  if (code == 0) return false;
  for (int b = 1; b <= actioncount; ++b)
    if (b != a && keys[keysplayer][b] == code) return true;
  return false;
}

MenuScreen playerchoice() {
  MenuScreen m;
  m.title = "KEYS";
  for (const char* t : {"PLAYER 1", "PLAYER 2", "DONE"}) m.items.push_back(menuitem(t));
  return m;
}

MenuScreen bindinglist() {
  MenuScreen m;
  m.title = "PLAYER " + std::to_string(keysplayer) + " KEYS";
  m.panelw = 700;
  for (int a = 1; a <= actioncount; ++a) {
    MenuItem it = menuitem(actionlabel[a], 174, 675);
    it.centred = false;
    it.textx = 190;
    it.valuex = 550;
    if (capturing && captureaction == a) {
      it.value = "PRESS A KEY";
      it.r = 255, it.g = 255, it.b = 0;
      it.steady = true;
    } else {
      it.value = bindingname(keys[keysplayer][a]);
      // Rows that share a key stay orange while they share it, long after
      // the message line's warning has faded.
      if (sharedbinding(a)) it.r = 255, it.g = 150, it.b = 40;
    }
    m.items.push_back(it);
  }
  m.items.push_back(menuitem("DONE"));
  return m;
}

void runplayerchoice() {
  capturing = 0;
  const MenuInput in = runmenu(playerchoice());
  if (in.activated == 1 || in.activated == 2) {
    keysplayer = in.activated;
    nextstate = statekeysbindings;
  } else if (in.activated == 3 || in.escape) {
    nextstate = stateoptions;
  }
}

void runbindinglist() {
  if (keysplayer < 1 || keysplayer > 2) keysplayer = 1;
  if (capturing) {
    // The capture owns the input: nothing else on the screen moves.
    capturestep();
    MenuScreen m = bindinglist();
    drawmenuback(m);
    drawmenufront();
    flushhits();
    return;
  }
  const MenuInput in = menuinput(bindinglist());
  if (in.activated >= 1 && in.activated <= actioncount) {
    capturing = 1;
    captureaction = in.activated;
    notecapturestart();
  } else if (in.activated == actioncount + 1 || in.escape) {
    // Said under the player choice's panel that opens next.
    const MenuLayout next = menulayout(3);
    if (!writeoptions("opt.dat")) postmessage("ERROR: Unable to save options", next.top + next.height + 10, 1);
    nextstate = statekeysplayer;
  }
  drawmenuback(bindinglist());
  drawmenufront();
  flushhits();
}
}  // namespace

void capturestep() {
  if (!capturing) return;
  if (captureaction < 1 || captureaction > actioncount) {
    capturing = 0;
    return;
  }
  if (capturekeys()) return;
  if (capturejoysticks()) return;
  capturemouse();
}

void runkeysscreen() {
  if (gamestate == statekeysbindings) runbindinglist();
  else runplayerchoice();
}
