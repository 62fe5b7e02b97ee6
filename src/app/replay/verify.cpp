#include "app/replay/verify.h"

#include "app/ingame.h"
#include "app/replay/content_hash.h"
#include "app/replay/format.h"
#include "app/replay/playback.h"
#include "app/replay/reader.h"
#include "app/replay/state_hash.h"
#include "creatures/closeup.h"
#include "frontend/options_file.h"
#include "platform/platform.h"
#include "squad/roster.h"
#include "state/archive.h"
#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace {

const char* resultname() {
  if (gameinprogress == 0 && missionflags[missionhome] != 0) return "mission won";
  if (alldead == 1) return "squad lost";
  if (missionflags[missionphase] != phaseopen) return "unfinished, the nest room clean";
  return "unfinished";
}

const char* startname(int kind) { return kind == startnewgame ? "a new game" : "a saved game"; }

}  // namespace

void loadforreplay() {
  static bool loaded = false;
  if (loaded) return;
  register_embedded_archive();
  // The pictures too: a shot at a warrior's head is tried against the
  // pixels of its picture, as in the game.
  plat::set_mask_colour(255, 0, 255);
  load_all_assets();
  initroster();
  initworldtables();
  loadmap();
  loaded = true;
}

int verifyreplay(const ReplayFile& file, std::FILE* out) {
  // Silent and undrawn: only the rules run. The colonist's close-up only
  // shows a picture, so it is left out.
  resetoptions();
  settings[setmusic] = settings[setsound] = 0;
  framedraws = 0;
  closeuprunner = nullptr;
  setreplayplaying(true);
  ReplayPlayer player;
  ReplayPlayer::Step r = ReplayPlayer::outofstep;
  if (player.start(file)) {
    do r = player.step();
    while (r == ReplayPlayer::stepped);
  }
  setreplayplaying(false);
  const ReplayHeader& h = file.header;
  std::fprintf(out, "recorded by RX-907 v%s, %d player%s, from %s\n", h.version.c_str(), h.players,
               h.players == 2 ? "s" : "", startname(file.start.kind));
  std::fprintf(out, "frames: %d of %d (mission time %s)\n", player.frames(), h.frames,
               replayclocktext(teamstat[teamrow][statclock]).c_str());
  std::fprintf(out, "result: %s\n", resultname());
  std::fprintf(out, "state hashes: %d of %d matched\n", player.checksmatched(), file.checks);
  std::fprintf(out, "final state hash: %s\n", hashtext(quickstatehash()).c_str());
  if (r == ReplayPlayer::finished) {
    std::fprintf(out, "verified: every state hash matched\n");
    return 0;
  }
  std::fprintf(out, "OUT OF STEP at %s (frame %d): the state differs from the one recorded\n",
               replayclocktext(player.outofstepclock()).c_str(), player.frames());
  return 1;
}

int runverify(const std::string& path, std::FILE* out, std::FILE* err) {
  loadforreplay();
  ReplayFile file;
  ReplayRefusal why;
  if (!loadreplay(path, file, why)) {
    std::fprintf(err, "rx907: %s is refused: %s\n", path.c_str(), why.text.c_str());
    return 1;
  }
  std::fprintf(out, "%s\n", path.c_str());
  return verifyreplay(file, out);
}
