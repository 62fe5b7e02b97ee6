// Plays whole missions with the machine player over a run of seeds and
// prints how they went: the win rate, the frames to the objective and to
// the results, the members lost, and the longest stretch of play in which
// the controlled member neither moved (crosshair, view, door, another
// member taken) nor fired. Headless; draws nothing.
//
//   autoplay [--seeds N] [--first SEED] [--cheats] [--mouse] [--limit FRAMES]
//            [--trace EVERY]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/autoplayer/autoplayer.h"
#include "app/harness/mission_run.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "squad/member_fields.h"
#include "squad/squad.h"
#include "world/map.h"

namespace {

struct Options {
  int seeds = 20;
  uint32_t first = 1;
  bool cheats = false;
  bool mouse = false;
  int limit = 100000;
  int trace = 0;
};

bool parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasvalue = i + 1 < argc;
    if (a == "--seeds" && hasvalue) o.seeds = std::atoi(argv[++i]);
    else if (a == "--first" && hasvalue) o.first = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    else if (a == "--limit" && hasvalue) o.limit = std::atoi(argv[++i]);
    else if (a == "--trace" && hasvalue) o.trace = std::atoi(argv[++i]);
    else if (a == "--cheats") o.cheats = true;
    else if (a == "--mouse") o.mouse = true;
    else return false;
  }
  return o.seeds > 0 && o.limit > 0;
}

// Watches the controlled member for a move or a shot and keeps the longest
// stretch of play frames without either.
class IdleWatch {
 public:
  void frame() {
    if (gamestate != stateplay) {
      stretch_ = 0;
      have_ = false;
      return;
    }
    const int m = curmember[1];
    const int* s = m >= 1 && m <= 6 ? squad[m] : squad[0];
    const int now[6] = {m, s[mscroll], s[mcrossx], s[mcrossy], s[mroom], s[mbusydoor]};
    const bool moved = !have_ || !std::equal(now, now + 6, last_) || s[mfired] != 0;
    std::copy(now, now + 6, last_);
    have_ = true;
    stretch_ = moved ? 0 : stretch_ + 1;
    longest_ = std::max(longest_, stretch_);
  }
  int longest() const { return longest_; }

 private:
  int last_[6] = {};
  bool have_ = false;
  int stretch_ = 0, longest_ = 0;
};

constexpr double framespersecond = 60.0;

int median(std::vector<int> v) {
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void traceline(int frame, const AutoPlayer& player) {
  const int m = curmember[1];
  int slime = 0;
  for (int s = 1; s <= wallslots; ++s) slime += rooms[nestroom][wallstate][s] > 0;
  std::printf("  frame %6d  state %2d  member %d room %3d %-9s stamina %5d ammo %2d health %d  nest %2d  wave %d\n",
              frame, gamestate, m, squad[m][mroom], m >= 1 && m <= 6 ? taskname(player.task(m)) : "", squad[m][mstamina],
              squad[m][mammo], squad[m][mhealth], slime, teamstat[1][statwave]);
  // Where the others are: room, rounds (x when dead), and whom the player would take.
  std::printf("      chosen %d:", player.chosenmember());
  for (int o = 1; o <= 6; ++o)
    if (squad[o][mdead]) std::printf("  %d x", o);
    else std::printf("  %d r%d a%d", o, squad[o][mroom], squad[o][mammo]);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parse(argc, argv, o)) {
    std::fprintf(stderr,
                 "usage: autoplay [--seeds N] [--first SEED] [--cheats] [--mouse] [--limit FRAMES] "
                 "[--trace EVERY]\n");
    return 2;
  }
  std::printf("%d seeds from %u, cheats %s, %s aiming, limit %d frames\n", o.seeds, o.first,
              o.cheats ? "on" : "off", o.mouse ? "mouse" : "keyboard", o.limit);
  std::printf("%6s %6s %10s %10s %6s %8s %8s\n", "seed", "result", "objective", "results", "lost", "credit",
              "idle s");
  int wins = 0, lostsum = 0, idlest = 0;
  std::vector<int> objective, results, lostcounts;
  for (int i = 0; i < o.seeds; ++i) {
    MissionSetup setup;
    setup.seed = o.first + static_cast<uint32_t>(i);
    setup.cheats = o.cheats;
    setup.mouseaiming = o.mouse;
    setup.framelimit = o.limit;
    int frame = 0;
    IdleWatch idle;
    const MissionOutcome out = playmission(setup, [&](const plat::RawInput&, const AutoPlayer& player) {
      ++frame;
      idle.frame();
      if (o.trace > 0 && frame % o.trace == 0) traceline(frame, player);
    });
    const char* result = out.won ? "won" : out.squadlost ? "lost" : "stuck";
    std::printf("%6u %6s %10d %10d %6d %8d %8.1f\n", setup.seed, result, out.objectiveframe, out.resultsframe,
                out.membersdead, out.credit, idle.longest() / framespersecond);
    idlest = std::max(idlest, idle.longest());
    std::fflush(stdout);
    wins += out.won;
    lostsum += out.membersdead;
    lostcounts.push_back(out.membersdead);
    if (out.objectiveframe >= 0) objective.push_back(out.objectiveframe);
    if (out.resultsframe >= 0) results.push_back(out.resultsframe);
  }
  std::printf("\nwin rate %d/%d (%.0f%%)\n", wins, o.seeds, 100.0 * wins / o.seeds);
  std::printf("median frames to the objective %d (%zu reached it)\n", median(objective), objective.size());
  std::printf("median frames to the results %d (%zu reached them)\n", median(results), results.size());
  std::printf("members lost: %d in all, median %d per mission\n", lostsum, median(lostcounts));
  std::printf("longest stretch without a move or a shot %.1f s\n", idlest / framespersecond);
  return 0;
}
