// One step of the simulation in a busy mid-game: the fourth wave with the
// power cut, creatures in a hundred rooms, effects in several, a warrior
// fighting the squad. Nothing is drawn.
#include "scene.h"

namespace {

using namespace benchscene;

void BM_SimulationStep(benchmark::State& state) {
  timeframes(state, litscene, simstep, 60);
}
BENCHMARK(BM_SimulationStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
