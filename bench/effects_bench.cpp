// How drawing grows with the effect records: n shot flashes and n corpses
// in the room a view looks at, against the same records spread over rooms
// nobody sees. Only the drawing is timed, so no record ever expires.
#include "scene.h"

namespace {

using namespace benchscene;

constexpr int kViewRoom = 5;

void addrecords(int n, bool inview) {
  for (int i = 0; i < n; ++i) {
    const int room = inview ? kViewRoom : 20 + i % 200;
    explist.push_back({room, (i * 37) % looplength, 100 + i % 120, 1 + i % 6, (i * 13) % 360});
    corlist.push_back({room, (i * 53) % looplength, 0, i % 200, 1 + i % 2, 1 + i % 2, 0});
  }
}

void timedrawing(benchmark::State& state, bool inview) {
  if (!boot()) {
    state.SkipWithError("no headless display");
    return;
  }
  litscene();
  addrecords(static_cast<int>(state.range(0)), inview);
  for (auto _ : state) drawframe();
  state.counters["records"] = static_cast<double>(2 * state.range(0));
}

void BM_DrawEffectsInView(benchmark::State& state) { timedrawing(state, true); }
BENCHMARK(BM_DrawEffectsInView)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_DrawEffectsElsewhere(benchmark::State& state) { timedrawing(state, false); }
BENCHMARK(BM_DrawEffectsElsewhere)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
