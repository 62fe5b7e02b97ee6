// MAIN MENU (statemainmenu) and GAME MODE (stategamemode).
#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "audio/sound.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_links.h"
#include "frontend/menu_screens.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "squad/roster.h"
#include "world/machinery.h"

namespace {

void resumegame() {
  trackcount[1] = trackcount[2] = 900;
  nextstate = stateplay;
}

// Ctrl + left click on the version tag flips cheat mode and clears the
// cheat keys and the overlay lines.
void cheatswitch() {
  if (!gamemousehit(1) || !(gamekeydown(keylctrl) || gamekeydown(keyrctrl))) return;
  if (inputmousex < cheatx || inputmousex >= cheatx + cheatw || inputmousey < cheaty ||
      inputmousey >= cheaty + cheath)
    return;
  playsound(snd_cheat);
  debugflags[cheatmode] = debugflags[cheatmode] ? 0 : 1;
  for (int i = cheatammo; i <= cheatnightvision; ++i) debugflags[i] = 0;
}
}  // namespace

void runmainmenu() {
  MenuScreen s;
  s.title = "MAIN MENU";
  for (const char* t : {"NEW GAME", "CONTINUE GAME", "LOAD GAME", "SAVE GAME", "OPTIONS", "QUIT"})
    s.items.push_back(menuitem(t));
  s.items[1].disabled = s.items[3].disabled = gameinprogress == 0;

  const MenuInput in = menuinput(s);
  cheatswitch();
  switch (in.activated) {
    case 1: nextstate = stategamemode; break;
    case 2: resumegame(); break;
    case 3: nextstate = stateloadgame; break;
    case 4: nextstate = statesavegame; break;
    case 5: nextstate = stateoptions; break;
    case 6: quitgame = 1; break;
    default:
      if (in.escape) {
        if (gameinprogress) resumegame();
        else quitgame = 1;
      }
  }
  drawmenuback(s);
  drawmenufront();
  flushhits();
}

void rungamemode() {
  MenuScreen s;
  s.title = "GAME MODE";
  for (const char* t : {"ONE PLAYER", "TWO PLAYERS", "CANCEL"}) s.items.push_back(menuitem(t));
  const MenuInput in = runmenu(s);
  if (in.activated == 1 || in.activated == 2) {
    modeplayers = in.activated;
    // The bars open at their characters' values; they only move when a
    // slot changes character.
    for (int slot = 1; slot <= 6; ++slot)
      for (int a = 1; a <= 4; ++a) squadpick[slot][pickbar(a)] = rosterattr[squadpick[slot][pickroster]][a] * 33;
    nextstate = statesquad;
  } else if (in.activated == 3 || in.escape) {
    nextstate = statemainmenu;
  }
}
