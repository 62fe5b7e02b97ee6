// Time to draw the room views of the heaviest frame: two players, a dark
// room with the flashlight, acid, corpses, deaths and shot flashes, and a
// crowd of effect records lying in other rooms.
#include <benchmark/benchmark.h>

#include "app/archive.h"
#include "app/assets.h"
#include "app/play_state.h"
#include "creatures/effects.h"
#include "frontend/settings.h"
#include "platform/platform.h"
#include "render/room_pass.h"
#include "render/views.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace {

bool setup() {
  if (!plat::init(true) || !plat::open_display(1024, 768, 0, 60, plat::RendererSoftware)) return false;
  register_embedded_archive();
  load_fonts();
  load_all_assets();
  initworldtables();
  initroster();
  loadmap();
  clearroomstate();
  clearlists();
  for (int m = 1; m <= 6; ++m) {
    squadchar[m] = m;
    setupmember(m);
  }
  for (int i = 1; i <= 10; ++i) settings[i] = 1;
  numplayers = 2;
  curmember[1] = 1;
  curmember[2] = 4;
  auto put = [](int m, int room, int scroll) {
    squad[m][4] = room, squad[m][1] = scroll, squad[m][2] = 500, squad[m][3] = 200;
  };
  // View 1: a lit room full of slime, a creature attacking, flashes.
  put(1, 5, 2938);
  for (int s = 1; s <= 64; ++s) rooms[5][wallstate][s] = 1 + s % 3;
  rooms[5][roomcreature][1] = 1, rooms[5][roomcreature][2] = 200, rooms[5][roomcreature][4] = 2;
  for (int i = 0; i < 4; ++i) explist.push_back({5, 3000 + 40 * i, 150, 3 + i, 40 * i});
  // View 2: a dark room, acid, corpses, deaths, another member.
  put(4, 6, 300);
  put(5, 6, 350);
  rooms[6][roomrecord][roomdark] = 1;
  for (int i = 0; i < 6; ++i) {
    acidlist.push_back({6, 400 + 60 * i, 500, 0, 0, 4});
    corlist.push_back({6, 500 + 50 * i, 0, 4 * i, 1 + i % 2, 1 + i % 2, 0});
  }
  deathlist.push_back({6, 700, 0, 0.8f, 3, 1, 0, 0});
  scorelist.push_back({6, 600, 10});
  // Records elsewhere in the complex: walked past.
  for (int i = 0; i < 2000; ++i) {
    explist.push_back({20 + i % 200, i, 150, 5, 0});
    corlist.push_back({20 + i % 200, i, 0, 10, 1, 1, 0});
  }
  return true;
}

void BM_DrawViewsHeaviest(benchmark::State& state) {
  static const bool ready = setup();
  if (!ready) {
    state.SkipWithError("no headless display");
    return;
  }
  for (auto _ : state) {
    plat::cls();
    drawviews();
  }
}
BENCHMARK(BM_DrawViewsHeaviest)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
