// Frames of play: the simulation plus everything drawn in a frame, for one
// player in a lit room and for the heaviest two-player picture; and the room
// views of the heaviest picture on their own.
#include "scene.h"

namespace {

using namespace benchscene;

// One player, a lit room with a warrior attacking, slime and effects.
void BM_FrameLit(benchmark::State& state) { timeframes(state, litscene, playframe, 60); }
BENCHMARK(BM_FrameLit)->Unit(benchmark::kMillisecond);

// Two players, four mini-cameras, a dark room under the flashlight with
// acid, corpses and flashes.
void BM_FrameHeaviest(benchmark::State& state) { timeframes(state, heavyscene, playframe, 60); }
BENCHMARK(BM_FrameHeaviest)->Unit(benchmark::kMillisecond);

// The room views alone, with a crowd of records lying in other rooms that
// the views must walk past.
void crowdedscene() {
  heavyscene();
  for (int i = 0; i < 2000; ++i) {
    explist.push_back({20 + i % 200, i, 150, 5, 0});
    corlist.push_back({20 + i % 200, i, 0, 10, 1, 1, 0});
  }
}
void drawviewsonly() {
  plat::cls();
  drawviews();
}
void BM_DrawViewsHeaviest(benchmark::State& state) { timeframes(state, crowdedscene, drawviewsonly, 60); }
BENCHMARK(BM_DrawViewsHeaviest)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
