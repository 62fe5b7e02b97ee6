// A menu frame: the SQUAD screen with every slot filled, the pointer
// resting on an attribute bar so its tooltip shows, and the overlay on top.
#include "scene.h"

namespace {

using namespace benchscene;

void BM_MenuFrameSquad(benchmark::State& state) { timeframes(state, squadscene, squadframe, 60); }
BENCHMARK(BM_MenuFrameSquad)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
