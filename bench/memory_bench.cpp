// Peak resident memory of a running game: start-up, a new two-player game
// in the heaviest scene and five seconds of frames. Reported as the counter
// peak_MB (VmHWM); the time column is the five seconds of play.
#include "scene.h"

namespace {

using namespace benchscene;

void BM_PeakMemory(benchmark::State& state) {
  if (!boot()) {
    state.SkipWithError("no headless display");
    return;
  }
  for (auto _ : state) {
    heavyscene();
    for (int i = 0; i < 300; ++i) playframe();
  }
  state.counters["peak_MB"] = peakresidentmb();
}
BENCHMARK(BM_PeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
