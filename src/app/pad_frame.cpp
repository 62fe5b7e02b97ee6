#include "app/pad_frame.h"

#include <string>

#include "frontend/keys_screen.h"
#include "input/input.h"
#include "input/pad_controls.h"
#include "platform/platform.h"
#include "render/messages.h"
#include "squad/member_fields.h"
#include "squad/squad.h"
#include "state/game_state.h"
#include "state/panel.h"
#include "state/play_state.h"

namespace {

// Slots a player of the running game held at the end of the last frame.
bool inuse[maxjoysticks];
// Each member's health and death flag as last seen by the rumble.
int lasthealth[7], lastdead[7];

constexpr int hurtms = 150, deathms = 600;

int messagey() { return numplayers == 1 ? 192 : 240; }

void notepadchanges() {
  for (int j = 0; j < maxjoysticks; ++j) {
    if (joychange[j] == 0) continue;
    const std::string name = "JOY " + std::to_string(j + 1);
    if (joychange[j] > 0) {
      postmessage(name + " CONNECTED", messagey(), 0);
    } else {
      postmessage(name + " LOST", messagey(), 1);
      // The player lost the hands on the squad: the mission board stops the game.
      if (inuse[j] && pausestate[panelactive] == 0) openpanel();
    }
  }
}

bool playing() { return gamestate == stateplay || gamestate == statemissionend || gamestate == statesquadlost; }

// Whether member m is one of player p's: in a split game each player has
// three, otherwise every member is everyone's.
bool playersmember(int p, int m) {
  if (numplayers != 2 || splitview == 1) return true;
  return p == 1 ? m <= 3 : m >= 4;
}

}  // namespace

void padframe() {
  if (gamestate == stateplay) {
    if (!demoplaying) notepadchanges();
    padplaykeys(numplayers);
  } else if (gamestate != statenewgame && gamestate != stateafterload && !capturing) {
    // The KEYS capture reads the pad itself: a press there is a binding.
    padmenukeys();
  }
  for (int j = 0; j < maxjoysticks; ++j) inuse[j] = false;
  if (!playing()) return;
  for (int p = 1; p <= numplayers && p <= 2; ++p) {
    const int j = playerpad(p);
    if (j >= 0 && j < maxjoysticks) inuse[j] = true;
  }
}

void padrumble() {
  for (int m = 1; m <= 6; ++m) {
    const bool died = squad[m][mdead] == 1 && lastdead[m] == 0;
    const bool hurt = !died && squad[m][mhealth] < lasthealth[m] && squad[m][mdead] == 0;
    lasthealth[m] = squad[m][mhealth];
    lastdead[m] = squad[m][mdead];
    if ((!died && !hurt) || demoplaying) continue;
    for (int p = 1; p <= numplayers && p <= 2; ++p) {
      if (!playersmember(p, m)) continue;
      // A hurt member is felt by the player looking through it; a death by
      // every player it belonged to.
      if (hurt && curmember[p] != m) continue;
      plat::rumble(playerpad(p), died ? 1.0f : 0.5f, died ? deathms : hurtms);
    }
  }
}
