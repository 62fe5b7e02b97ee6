// The generator room's power state after a quickload: a game saved before
// room 174 was cleaned must fail its power in wave 4 as it would have.
#include <filesystem>
#include <random>

#include "app_play/play_fixture.h"
#include "creatures/creature_tables.h"
#include "creatures/nest_state.h"
#include "frontend/save_screens.h"
#include "frontend/savegame.h"
#include "squad/display_anim.h"
#include "render/messages.h"
#include "world/lamps.h"

namespace playtest {
namespace {

namespace fs = std::filesystem;

class PowerAfterLoad : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    std::random_device rd;
    dir = fs::temp_directory_path() / ("rx907_power_" + std::to_string(rd()));
    fs::create_directories(dir);
    savesdir = (dir / "saves").string();
    newgame();
    // Room B is a lab: wave 4 cuts its power. The squad cannot die.
    rooms[kRoomB][roomrecord][roomtype] = 3;
    debugflags[cheatmode] = debugflags[cheatinvulnerable] = 1;
  }
  void TearDown() override {
    savesdir = "saves";
    std::error_code ec;
    fs::remove_all(dir, ec);
  }

  // Plays frames; a panel that opens (the new wave) is closed once its
  // counters have stopped. Returns the frame at which pred held, or -1.
  template <class Pred>
  int playuntil(Pred pred, int limit) {
    for (int f = 1; f <= limit; ++f) {
      const bool closeit = pausestate[panelactive] == 1 && pausepos == 422 && f % 2 == 0;
      playframe(closeit ? with({keyspace}) : none());
      if (pred()) return f;
    }
    return -1;
  }

  fs::path dir;
};

TEST_F(PowerAfterLoad, AQuickloadBeforeTheGeneratorWasCleanedFailsThePowerInWaveFour) {
  // Shortly before wave 4, with the generator room still slimed.
  teamstat[1][statwave] = teamstat[2][statwave] = 3;
  teamstat[teamrow][statclock] = wavestart[3] - 20;
  ASSERT_GT(countslime(generatorroom), 0);
  tap({keyf5});
  ASSERT_EQ(messagetext, "Quicksaved");

  // The generator room is cleaned: the power is back for good.
  for (int s = 1; s <= wallslots; ++s) rooms[generatorroom][wallstate][s] = 0;
  playframe(none());
  ASSERT_EQ(powerslime, -1);

  tap({keyf9});
  ASSERT_EQ(messagetext, "Quickloaded");
  ASSERT_GT(countslime(generatorroom), 0);
  const int* lab = rooms[kRoomB][roomrecord];
  EXPECT_GT(playuntil([&] { return lab[roomdark] == 1; }, 2500), 0)
      << "wave 4 never cut the power";
  EXPECT_EQ(teamstat[1][statwave], 4);
  EXPECT_EQ(lab[powercut], 1) << "the lab's power is cut, not just its lamp";
  EXPECT_GT(powerslime, 0);
}

TEST_F(PowerAfterLoad, AGameLoadedAfterTheSquadWasLostRunsInsteadOfStayingFrozen) {
  debugflags[cheatinvulnerable] = 0;
  tap({keyf5});
  ASSERT_EQ(messagetext, "Quicksaved");
  // The whole squad dies; the panel opens and is closed into the notice.
  for (int m = 1; m <= 6; ++m) squad[m][mhealth] = 0;
  playuntil([] { return gamestate == statesquadlost; }, 300);
  ASSERT_EQ(gamestate, statesquadlost);
  playuntil([] { return pausepos == 0; }, 300);
  tap({keyspace});
  ASSERT_EQ(gamestate, statemainmenu);

  // LOAD GAME picks the quicksave: play must run again.
  ASSERT_TRUE(loadslot(7));
  playframe(none());
  ASSERT_EQ(gamestate, stateplay);
  EXPECT_EQ(pausestate[panelactive], 0) << "the lost game's panel came along with the load";
  const int walk = walktick;
  playframe(none());
  EXPECT_NE(walktick, walk) << "the loaded game is frozen";
  tap({keyescape});
  EXPECT_EQ(gamestate, statemainmenu) << "Escape must leave the loaded game";
}

}  // namespace
}  // namespace playtest
