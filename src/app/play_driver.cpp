#include "app/play_driver.h"

#include <cstring>

#include "app/display_anim.h"
#include "app/frame_loop.h"
#include "app/ingame.h"
#include "app/play_state.h"
#include "app/state.h"
#include "creatures/effects.h"
#include "input/input.h"
#include "platform/random.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/map.h"
#include "world/worldtables.h"

void playnewgame(const PlaySetup& setup) {
  SeedRnd(setup.seed);
  initroster();
  initworldtables();
  clearlists();
  clearroomstate();
  for (int r = 1; r <= 275; ++r)
    for (int i = 1; i <= 11; ++i) rooms[r][roomcreature][i] = 0;
  placeworldfeatures();
  openexits();
  // The nest and the generator room start slimed, as in a real game.
  for (int s = 1; s <= wallslots; ++s) rooms[nestroom][wallstate][s] = Rand(1, 3);
  for (int s = 1; s <= 32; ++s) rooms[generatorroom][wallstate][s] = Rand(1, 3);

  numplayers = setup.players;
  splitview = setup.players == 1 ? 1 : setup.split;
  for (int m = 1; m <= 6; ++m) {
    std::memset(squad[m], 0, sizeof squad[m]);
    squadchar[m] = setup.chars[m];
    setupmember(m);
  }
  curmember[1] = 1;
  curmember[2] = setup.players == 2 ? 4 : 0;
  trackcount[1] = trackcount[2] = 800;
  for (int i = 0; i < 11; ++i) eventflags[i] = 0;
  for (int p = 0; p <= 2; ++p) useprompt[p] = UsePrompt{};

  std::memset(missionflags, 0, sizeof missionflags);
  std::memset(teamstat, 0, sizeof teamstat);
  std::memset(statshown, 0, sizeof statshown);
  std::memset(actionflags, 0, sizeof actionflags);
  std::memset(mousepos, 0, sizeof mousepos);
  teamstat[1][4] = teamstat[2][4] = 1;
  pausestate[1] = pausestate[2] = 0;
  pausepos = 0;
  pausespeed = 75.0f;
  resettrace(tickertext);
  resettrace(playerticker[1]);
  resettrace(playerticker[2]);
  blinkphase = 0;
  alldead = 0;
  gameinprogress = 1;
  gamestate = 4;
  framedraws = 0;
  resetinput();
  // Every key starts released, so the first press counts as a hit.
  updateinput_from(plat::RawInput{});
}

void playframe(const plat::RawInput& in) {
  updateinput_from(in);
  if (!framedraws) {
    stepframe();
    return;
  }
  // A drawn frame as the loop runs it, without waiting for the display.
  runframe();
  plat::cls();
}

void playframes(const plat::RawInput& in, int n) {
  for (int i = 0; i < n; ++i) playframe(in);
}
