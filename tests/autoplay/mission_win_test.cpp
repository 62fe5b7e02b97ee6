// Whole missions won by the machine player through the real new game and
// the real frame path (headless, nothing drawn), with the cheats switched on
// by the keys a tester uses: from the first frame to the results screen and
// back to MAIN MENU, with the game's own account checked against one kept
// from outside.
#include <gtest/gtest.h>

#include "app/autoplayer/autoplayer.h"
#include "app/harness/mission_run.h"
#include "app/harness/play_driver.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "autoplay/mission_ledger.h"
#include "input/keycodes.h"
#include "session/invariants.h"
#include "squad/member_fields.h"
#include "squad/squad.h"
#include "world/map.h"

namespace {

// A cheat-mode mission takes about 5,000 frames (the nest lies 55 rooms
// from the base); three times that is plenty and still fails fast.
constexpr int framelimit = 15000;
constexpr int invariantevery = 50;

struct Played {
  MissionOutcome out;
  MissionLedger ledger;
  std::string broken;
};

Played play(uint32_t seed, bool mouse) {
  Played p;
  MissionSetup setup;
  setup.seed = seed;
  setup.cheats = true;
  setup.mouseaiming = mouse;
  setup.framelimit = framelimit;
  bool started = false;
  int frame = 0;
  p.out = playmission(setup, [&](const plat::RawInput&, const AutoPlayer&) {
    // The account starts once the cheat keys are in and play has begun.
    if (!started) {
      if (debugflags[cheatinvulnerable] == 0) return;
      started = true;
      p.ledger.start();
      return;
    }
    p.ledger.frame();
    // The rules of play hold while a game is on the screen.
    const bool ingame = gamestate == stateplay || gamestate == statemissionend || gamestate == statesquadlost;
    if (p.broken.empty() && ingame && ++frame % invariantevery == 0) p.broken = checkinvariants();
  });
  return p;
}

void expectwon(const Played& p, uint32_t seed) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  const MissionOutcome& out = p.out;
  ASSERT_TRUE(out.won) << "not won within " << framelimit << " frames; gamestate " << gamestate;
  EXPECT_TRUE(out.backatmenu);
  EXPECT_EQ(gamestate, statemainmenu);
  EXPECT_GT(out.objectiveframe, 0);
  EXPECT_GT(out.resultsframe, out.objectiveframe);
  EXPECT_EQ(p.broken, "");
  EXPECT_EQ(debugflags[cheatammo] + debugflags[cheatstamina] + debugflags[cheatinvulnerable], 3) << "cheats on through the keys";
  // Every living member is home; invulnerable, nobody died.
  for (int m = 1; m <= 6; ++m) {
    EXPECT_EQ(squad[m][mdead], 0) << "member " << m;
    EXPECT_EQ(squad[m][mroom], baseroom) << "member " << m;
  }
  EXPECT_EQ(rooms[nestroom][wallstate][1] + rooms[nestroom][wallstate][wallslots], 0);
  // The game's account matches the one kept from outside.
  EXPECT_EQ(teamstat[1][statcredit], p.ledger.credit());
  EXPECT_GE(teamstat[1][statcredit], wallslots * 5) << "at least the nest's slime";
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(teamstat[1][k], p.ledger.kills(k)) << "kill counter " << k;
  std::printf("[ mission  ] seed %u: objective at frame %d, results at %d, back at MAIN MENU at %d; "
              "%d credit points, kills %d/%d/%d, %d rescued\n",
              seed, out.objectiveframe, out.resultsframe, out.frames, teamstat[1][statcredit], teamstat[1][statwarriors],
              teamstat[1][statbrood], teamstat[1][statqueens], p.ledger.rescues());
}

TEST(MissionWin, KeyboardAimingWinsOnThreeSeeds) {
  for (uint32_t seed : {11u, 22u, 33u}) {
    const Played p = play(seed, false);
    expectwon(p, seed);
  }
}

TEST(MissionWin, MouseAimingWinsToo) {
  const Played p = play(44, true);
  expectwon(p, 44);
}

}  // namespace

namespace {

// The finished mission is over: MAIN MENU has no game to continue or save,
// so nobody walks back into a board that nothing can close.
TEST(MissionWin, NoGameToContinueAfterTheResults) {
  const Played p = play(55, false);
  ASSERT_TRUE(p.out.won);
  EXPECT_EQ(gameinprogress, 0);
  // Down from NEW GAME skips the disabled CONTINUE GAME: Enter opens LOAD
  // GAME, never a frozen board.
  plat::RawInput in;
  in.key[keyarrowdown] = true;
  playframe(in);
  playframe(plat::RawInput{});
  in = plat::RawInput{};
  in.key[keyenter] = true;
  playframe(in);
  playframe(plat::RawInput{});
  EXPECT_EQ(gamestate, stateloadgame);
}

}  // namespace
