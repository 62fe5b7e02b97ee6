#include "app/member_switch.h"
#include "app_play/play_fixture.h"
#include "input/input.h"

namespace playtest {
namespace {

class SwitchTest : public PlayTest {};

TEST_F(SwitchTest, OnePlayerPicksDirectlyAndStepsWithWrap) {
  newgame();
  tap({key1 + 4});
  EXPECT_EQ(curmember[1], 5);
  tap({key1});
  EXPECT_EQ(curmember[1], 1);
  tap({bindprev});
  EXPECT_EQ(curmember[1], 6);
  tap({bindnext});
  EXPECT_EQ(curmember[1], 1);
  squad[3][mdead] = 1;  // dead members can still be chosen
  tap({key1 + 2});
  EXPECT_EQ(curmember[1], 3);
}

TEST_F(SwitchTest, ABusyMemberCannotBeSwitchedAway) {
  newgame();
  squad[1][mbusydoor] = 4;
  playframe(with({key1 + 1}));
  EXPECT_EQ(curmember[1], 1);
  playframe(with({bindnext}));
  EXPECT_EQ(curmember[1], 1);
}

TEST_F(SwitchTest, SplitCommandWrapsWithinEachPlayersThree) {
  newgame(2, 0);
  EXPECT_EQ(curmember[2], 4);
  tap({bindprev});
  EXPECT_EQ(curmember[1], 3);
  curmember[2] = 6;
  tap({keys[2][actnext]});
  EXPECT_EQ(curmember[2], 4);
  tap({bindnext});
  EXPECT_EQ(curmember[1], 1);
  // Direct keys are for one player only.
  tap({key1 + 4});
  EXPECT_EQ(curmember[1], 1);
}

TEST_F(SwitchTest, SharingSkipsTheOtherPlayersMemberAcrossTheWrap) {
  newgame(2, 1);
  curmember[1] = 3;
  curmember[2] = 4;
  tap({bindnext});
  EXPECT_EQ(curmember[1], 5);
  curmember[1] = 6;
  curmember[2] = 1;
  tap({bindnext});
  EXPECT_EQ(curmember[1], 2);
  curmember[2] = 2;
  curmember[1] = 3;
  tap({keys[2][actprev]});
  EXPECT_EQ(curmember[2], 1);
  tap({keys[2][actprev]});
  EXPECT_EQ(curmember[2], 6);
  EXPECT_EQ(stepmember(1, 1, -1), 5);  // player 2 holds 6
}

TEST_F(SwitchTest, MouseAimingMovesThePointerToTheNewCrosshair) {
  newgame();
  settings[setmouseaiming] = 1;
  squad[2][mcrossx] = 300;
  squad[2][mcrossy] = 200;
  plat::RawInput in = with({key1 + 1});
  in.mousex = squad[1][mcrossx];
  in.mousey = squad[1][mcrossy];
  playframe(in);
  EXPECT_EQ(curmember[1], 2);
  EXPECT_EQ(mousepos[mousenowx], 300);
  EXPECT_EQ(mousepos[mousenowy], 200);
  EXPECT_EQ(squad[2][mcrossx], 300);  // the member aims where it aimed before
}

}  // namespace
}  // namespace playtest
