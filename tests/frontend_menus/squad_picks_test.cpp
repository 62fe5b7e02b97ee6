// The squad slots: unique characters whichever way a slot is stepped, and
// the attribute bars sliding toward their values.
#include <set>

#include "state/game_state.h"
#include "frontend/squad_pick.h"
#include "input/keycodes.h"
#include "menu_fixture.h"
#include "squad/squad.h"

namespace menutest {
namespace {

class SquadPicksTest : public MenuTest {};

TEST_F(SquadPicksTest, SteppingNeverShowsAnotherSlotsCharacter) {
  for (int dir : {1, -1}) {
    for (int s = 1; s <= 6; ++s) {
      std::set<int> seen;
      EXPECT_EQ(squadchoices(s), 9);
      for (int i = 0; i < 30; ++i) {
        const int n = stepsquadpick(s, dir);
        seen.insert(n);
        for (int o = 1; o <= 6; ++o) {
          if (o == s) continue;
          ASSERT_NE(squadpick[o][pickroster], n) << "slot " << s << " showed slot " << o << "'s pick";
        }
      }
      EXPECT_EQ(seen.size(), 10u) << "its own character and the nine nobody holds";
    }
  }
}

TEST_F(SquadPicksTest, StepWrapsAtTheRosterEnds) {
  for (int s = 1; s <= 6; ++s) squadpick[s][pickroster] = s;  // 1..6 taken
  squadpick[6][pickroster] = 15;
  stepsquadpick(6, 1);
  ASSERT_EQ(squadpick[6][pickroster], 6) << "15 wraps to 1, then skips 1..5";
  stepsquadpick(6, -1);
  EXPECT_EQ(squadpick[6][pickroster], 15) << "down from 6 past the taken 1..5 wraps to 15";
}

TEST_F(SquadPicksTest, ForeignPicksAreMadeUnique) {
  squadpick[1][pickroster] = 99;
  squadpick[2][pickroster] = 0;
  squadpick[3][pickroster] = 4;
  squadpick[4][pickroster] = 4;
  sanitisesquadpicks();
  std::set<int> picks;
  for (int s = 1; s <= 6; ++s) {
    EXPECT_GE(squadpick[s][pickroster], 1);
    EXPECT_LE(squadpick[s][pickroster], rostercount);
    picks.insert(squadpick[s][pickroster]);
  }
  EXPECT_EQ(picks.size(), 6u);
  EXPECT_EQ(squadpick[3][pickroster], 4) << "the first holder keeps its character";
}

TEST_F(SquadPicksTest, BarsMoveTenPixelsAFrameAndStop) {
  const int n = squadpick[1][pickroster];
  const int target = rosterattr[n][1] * 33;
  squadpick[1][pickbar(1)] = 0;
  movesquadbars();
  EXPECT_EQ(squadpick[1][pickbar(1)], 10);
  for (int i = 0; i < 30; ++i) movesquadbars();
  EXPECT_EQ(squadpick[1][pickbar(1)], target) << "stops on the value";
  squadpick[1][pickbar(1)] = target + 25;
  movesquadbars();
  EXPECT_EQ(squadpick[1][pickbar(1)], target + 15);
  movesquadbars();
  movesquadbars();
  EXPECT_EQ(squadpick[1][pickbar(1)], target);
}

TEST_F(SquadPicksTest, AcceptHandsTheSquadToTheNewGame) {
  modeplayers = 1;
  enter(stategamemode);
  tap(keyenter);  // ONE PLAYER
  ASSERT_EQ(gamestate, statesquad);
  for (int s = 1; s <= 6; ++s)
    EXPECT_EQ(squadpick[s][pickbar(1)], rosterattr[squadpick[s][pickroster]][1] * 33) << "GAME MODE sets every bar";
  tap(keyenter);  // Accept
  EXPECT_EQ(gamestate, statenewgame) << "the set-up runs next";
  for (int s = 1; s <= 6; ++s) EXPECT_EQ(squadchar[s], squadpick[s][pickroster]);
}

TEST_F(SquadPicksTest, EscapeGoesBackToGameModeCancelToTheMainMenu) {
  enter(statesquad);
  tap(keyescape);
  EXPECT_EQ(gamestate, stategamemode);
  enter(statesquad);
  tap(keyarrowup);  // Accept -> last slot
  EXPECT_EQ(menusel, 9);
  enter(statesquad);
  tap(keyarrowdown);
  tap(keyenter);
  EXPECT_EQ(gamestate, statemainmenu);
}

}  // namespace
}  // namespace menutest
