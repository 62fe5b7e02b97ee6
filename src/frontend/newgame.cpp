#include "frontend/newgame.h"

#include <cstring>

#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "audio/music.h"
#include "creatures/effects.h"
#include "creatures/nest_state.h"
#include "creatures/start_placement.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "squad/display_anim.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/map.h"
#include "world/worldtables.h"

int gamesbegun = 0;
int lastbeginnew = 0;
uint32_t newgameseed = 0;

namespace {

// Every room's creature record empty, its run-time slots cleared.
void resetrooms() {
  clearroomstate();
  for (int r = 1; r <= 275; ++r) {
    int* c = rooms[r][roomcreature];
    for (int s = ckind; s <= cseen; ++s) c[s] = 0;
  }
}

void resetsquad() {
  for (int m = 1; m <= 6; ++m) {
    std::memset(squad[m], 0, sizeof squad[m]);
    setupmember(m);
  }
}

// Per-frame state a fresh game must not carry over from the last one.
void resetframestate() {
  std::memset(statshown, 0, sizeof statshown);
  std::memset(actionflags, 0, sizeof actionflags);
  std::memset(eventflags, 0, sizeof eventflags);
  for (UsePrompt& u : useprompt) u = UsePrompt{};
  newwave = 0;
  walktick = walkframe = 0;
  cyclecount = 0;
  cyclephase = 1;
  pulselevel = pulsedir = 0;
  blinkphase = 0;
  resettrace(tickertext);
  resettrace(playerticker[1]);
  resettrace(playerticker[2]);
}

// Where each room's creature starts out along its walls, and which way it
// faces (before anything is placed in it).
void spreadcreatures() {
  for (int r = 1; r <= 275; ++r) {
    int* c = rooms[r][roomcreature];
    c[cposx] = Rand(0, looplength);
    c[cdirection] = Rand(1, 2);
  }
}

}  // namespace

void resetgame() {
  clearlists();
  resetneststate();
  resetframestate();
  resetrooms();

  numplayers = modeplayers == 2 ? 2 : 1;
  splitview = numplayers == 1 ? 1 : splitoption;
  trackcount[1] = trackcount[2] = 800;
  resetsquad();
  curmember[1] = 1;
  curmember[2] = numplayers == 2 ? 4 : 0;

  for (int i = missionphase; i <= resultspage; ++i) missionflags[i] = 0;
  std::memset(teamstat, 0, sizeof teamstat);
  teamstat[1][statwave] = 1;
  teamstat[2][statwave] = 1;
  pausestate[panelactive] = pausestate[panelclosing] = 0;
  pausespeed = 75.0f;
  pausepos = 0;
  alldead = 0;
}

void placegame() {
  spreadcreatures();
  placeworldfeatures();
  openexits();
  const int colonistroom = placestartcolonist();
  slimekeyrooms();
  slimestartrooms(colonistroom);
}

void newgame() {
  newgameseed = plat::random_seed();
  gamesbegun += 1;
  lastbeginnew = 1;
  resetgame();
  placegame();
  gamestate = stateplay;
  // A demo plays on under the menu music.
  if (!demoplaying) startgamemusic();
  if (settings[setmouseaiming] == 1) plat::move_pointer(squad[curmember[1]][mcrossx], squad[curmember[1]][mcrossy]);
  gameinprogress = 1;
}
