// Drawing only reads game state: a recording replayed with every frame
// drawn on the headless display reaches the same state hashes as without.
#include <gtest/gtest.h>

#include "app/harness/session.h"
#include "state/archive.h"
#include "state/assets.h"
#include "platform/platform.h"
#include "session/random_player.h"

namespace {

TEST(DrawnReplay, DrawingEveryFrameLeavesTheStateHashesAlone) {
  ASSERT_TRUE(plat::init(true));
  if (!plat::display_open()) {
    ASSERT_TRUE(plat::open_display(1024, 768, 0, 60, plat::RendererSoftware));
  }
  register_embedded_archive();
  load_fonts();
  load_all_assets();

  // Two players sharing the squad with mouse aiming, through the start of
  // the second wave (frame 10,800), so that the panel of a wave opens and
  // shuts.
  SessionSetup setup;
  setup.seed = 33;
  setup.players = 2;
  setup.split = 1;
  setup.mouseaiming = 1;
  setup.startframes = 10000;
  Recording rec;
  startrecording(rec, setup);
  RandomPlayer player(303, setup.players);
  for (int f = 0; f < 2500; ++f) sessionframe(player.nextplaying());
  stoprecording();

  const std::vector<uint64_t> undrawn = replayhashes(rec, 250);
  rec.setup.draws = 1;
  const std::vector<uint64_t> drawn = replayhashes(rec, 250);
  EXPECT_EQ(drawn, undrawn);
}

}  // namespace
