#include "app/member_switch.h"
#include "app_play/play_fixture.h"
#include "input/input.h"

namespace playtest {
namespace {

class SwitchTest : public PlayTest {};

TEST_F(SwitchTest, OnePlayerPicksDirectlyAndStepsWithWrap) {
  newgame();
  tap({kOne + 4});
  EXPECT_EQ(curmember[1], 5);
  tap({kOne});
  EXPECT_EQ(curmember[1], 1);
  tap({kPrev});
  EXPECT_EQ(curmember[1], 6);
  tap({kNext});
  EXPECT_EQ(curmember[1], 1);
  squad[3][10] = 1;  // dead members can still be chosen
  tap({kOne + 2});
  EXPECT_EQ(curmember[1], 3);
}

TEST_F(SwitchTest, ABusyMemberCannotBeSwitchedAway) {
  newgame();
  squad[1][27] = 4;
  playframe(with({kOne + 1}));
  EXPECT_EQ(curmember[1], 1);
  playframe(with({kNext}));
  EXPECT_EQ(curmember[1], 1);
}

TEST_F(SwitchTest, SplitCommandWrapsWithinEachPlayersThree) {
  newgame(2, 0);
  EXPECT_EQ(curmember[2], 4);
  tap({kPrev});
  EXPECT_EQ(curmember[1], 3);
  curmember[2] = 6;
  tap({keys[2][ActNext]});
  EXPECT_EQ(curmember[2], 4);
  tap({kNext});
  EXPECT_EQ(curmember[1], 1);
  // Direct keys are for one player only.
  tap({kOne + 4});
  EXPECT_EQ(curmember[1], 1);
}

TEST_F(SwitchTest, SharingSkipsTheOtherPlayersMemberAcrossTheWrap) {
  newgame(2, 1);
  curmember[1] = 3;
  curmember[2] = 4;
  tap({kNext});
  EXPECT_EQ(curmember[1], 5);
  curmember[1] = 6;
  curmember[2] = 1;
  tap({kNext});
  EXPECT_EQ(curmember[1], 2);
  curmember[2] = 2;
  curmember[1] = 3;
  tap({keys[2][ActPrev]});
  EXPECT_EQ(curmember[2], 1);
  tap({keys[2][ActPrev]});
  EXPECT_EQ(curmember[2], 6);
  EXPECT_EQ(stepmember(1, 1, -1), 5);  // player 2 holds 6
}

TEST_F(SwitchTest, MouseAimingMovesThePointerToTheNewCrosshair) {
  newgame();
  settings[SetMouseAiming] = 1;
  squad[2][2] = 300;
  squad[2][3] = 200;
  plat::RawInput in = with({kOne + 1});
  in.mousex = squad[1][2];
  in.mousey = squad[1][3];
  playframe(in);
  EXPECT_EQ(curmember[1], 2);
  EXPECT_EQ(mousepos[1], 300);
  EXPECT_EQ(mousepos[2], 200);
  EXPECT_EQ(squad[2][2], 300);  // the member aims where it aimed before
}

}  // namespace
}  // namespace playtest
