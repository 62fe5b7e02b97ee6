// Start-up: registering the embedded archive, decoding every picture and
// sound and loading the map. Each run loads everything afresh and frees
// the pictures and sounds again with the clock stopped.
#include <vector>

#include "scene.h"

namespace {

using namespace benchscene;

void BM_Startup(benchmark::State& state) {
  if (!plat::init(true) || (!plat::display_open() &&
                            !plat::open_display(1024, 768, 0, 60, plat::RendererSoftware))) {
    state.SkipWithError("no headless display");
    return;
  }
  for (auto _ : state) {
    register_embedded_archive();
    load_fonts();
    load_all_assets();
    loadmap();
    state.PauseTiming();
    // Handles count up from 1, so freeing everything below the next fresh
    // handle drops what this run loaded (and nothing twice: both are no-ops
    // on absent handles).
    const int lastimage = plat::load_image("incbin::data\\gfx\\font.png", 1);
    for (int h = 1; h <= lastimage; ++h) plat::free_image(h);
    const int lastsound = plat::load_sound("incbin::data\\sfx\\shoot_1.wav", 0);
    for (int h = 1; h <= lastsound; ++h) plat::free_sound(h);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
