// A whole mission, frame by frame: the machine player wins a mission (cheat
// keys on, so it is one mission's length, about 5,000 frames) while its
// snapshots are recorded; the recording is then replayed through the live
// frame path drawing every frame with the software renderer, and each
// frame's CPU time is taken. Reports the median, the 99th percentile and
// the worst frame (counters in seconds), and the frames replayed.
#include <algorithm>
#include <ctime>
#include <vector>

#include "app/autoplayer/autoplayer.h"
#include "app/frame_loop.h"
#include "app/harness/mission_run.h"
#include "app/ingame.h"
#include "state/game_state.h"
#include "input/input.h"
#include "scene.h"

namespace {

using namespace benchscene;

MissionSetup missionsetup() {
  MissionSetup s;
  s.seed = 907;
  s.cheats = true;
  s.framelimit = 20000;
  return s;
}

// Recorded once per program, with every picture loaded as in the replay,
// so both see the same shots land.
const std::vector<plat::RawInput>& recording(bool& won) {
  static bool ok = false;
  static const std::vector<plat::RawInput> frames = [] {
    std::vector<plat::RawInput> kept;
    const MissionOutcome out =
        playmission(missionsetup(), [&](const plat::RawInput& in, const AutoPlayer&) { kept.push_back(in); });
    ok = out.won;
    return kept;
  }();
  won = ok;
  return frames;
}

double threadseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double at(const std::vector<double>& sorted, double fraction) {
  const size_t i = std::min(sorted.size() - 1, static_cast<size_t>(fraction * static_cast<double>(sorted.size())));
  return sorted[i];
}

void BM_MissionReplay(benchmark::State& state) {
  if (!boot()) {
    state.SkipWithError("no headless display");
    return;
  }
  bool won = false;
  const std::vector<plat::RawInput>& frames = recording(won);
  if (!won) {
    state.SkipWithError("the recorded mission was not won");
    return;
  }
  std::vector<double> times;
  for (auto _ : state) {
    state.PauseTiming();
    startmissionsession(missionsetup());
    framedraws = 1;
    times.clear();
    state.ResumeTiming();
    for (const plat::RawInput& in : frames) {
      const double start = threadseconds();
      updateinputfrom(in);
      runframe();
      plat::flip(false);
      plat::cls();
      times.push_back(threadseconds() - start);
    }
  }
  if (gamestate != statemainmenu) {
    state.SkipWithError("the replay did not end on MAIN MENU");
    return;
  }
  std::sort(times.begin(), times.end());
  state.counters["frames"] = static_cast<double>(times.size());
  state.counters["frame_median"] = at(times, 0.5);
  state.counters["frame_p99"] = at(times, 0.99);
  state.counters["frame_worst"] = times.back();
}
BENCHMARK(BM_MissionReplay)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
