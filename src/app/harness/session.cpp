#include "app/harness/session.h"

#include <cstring>

#include "app/harness/play_driver.h"
#include "app/replay/state_hash.h"
#include "app/ingame.h"
#include "state/archive.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "creatures/closeup.h"
#include "creatures/effects.h"
#include "creatures/nest_state.h"
#include "frontend/newgame.h"
#include "frontend/options_file.h"
#include "frontend/save_fields.h"
#include "input/input.h"
#include "platform/random.h"
#include "squad/display_anim.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace {

Recording* recording = nullptr;
int games = 0;
// The complex as loaded, so each session starts from the same room table.
int (*pristinerooms)[6][101] = nullptr;

void nocloseup() {}

void loadcomplex() {
  if (pristinerooms) {
    std::memcpy(rooms, pristinerooms, sizeof rooms);
    return;
  }
  register_embedded_archive();
  loadmap();
  pristinerooms = new int[301][6][101];
  std::memcpy(pristinerooms, rooms, sizeof rooms);
}

void nextgame() {
  newgame();
  games += 1;
}

}  // namespace

void startsession(const SessionSetup& setup) {
  // Everything the state lists hold starts from zero, then the complex is
  // loaded again and a new game set up on it.
  resetsavedstate();
  resetunsavedstate();
  loadcomplex();
  initworldtables();
  initroster();
  resetoptions();
  settings[setmusic] = 0;
  settings[setsound] = 0;
  settings[setmouseaiming] = setup.mouseaiming;
  std::memset(debugflags, 0, sizeof debugflags);
  debugdisplay = 0;
  closeuprunner = nocloseup;
  framedraws = setup.draws;
  modeplayers = setup.players == 2 ? 2 : 1;
  splitoption = setup.split;
  for (int m = 1; m <= 6; ++m) squadchar[m] = setup.chars[m];
  std::memset(statshown, 0, sizeof statshown);
  std::memset(actionflags, 0, sizeof actionflags);
  std::memset(mousepos, 0, sizeof mousepos);
  resetneststate();
  plat::seed_random(setup.seed);
  games = 0;
  nextgame();
  teamstat[teamrow][statclock] = setup.startframes;
  resetinput();
  updateinputfrom(plat::RawInput{});
}

void sessionframe(const plat::RawInput& in) {
  if (recording) recording->frames.push_back(in);
  playframe(in);
  if (gamestate == statemainmenu) nextgame();
}

int sessiongames() { return games; }

void startrecording(Recording& rec, const SessionSetup& setup) {
  rec.setup = setup;
  rec.frames.clear();
  recording = nullptr;
  startsession(setup);
  recording = &rec;
}

void stoprecording() { recording = nullptr; }

std::vector<uint64_t> replayhashes(const Recording& rec, int every) {
  Recording* kept = recording;
  recording = nullptr;
  startsession(rec.setup);
  std::vector<uint64_t> hashes;
  const size_t n = rec.frames.size();
  for (size_t i = 0; i < n; ++i) {
    sessionframe(rec.frames[i]);
    if ((i + 1) % every == 0 || i + 1 == n) hashes.push_back(statehash());
  }
  recording = kept;
  return hashes;
}
