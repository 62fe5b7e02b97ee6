#include "app/frame_loop.h"
#include "state/game_state.h"
#include "app_play/play_fixture.h"
#include "frontend/menu_frame.h"
#include "squad/display_anim.h"
#include "squad/mission.h"

namespace playtest {
namespace {

class FrameTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    newgame();
  }
};

TEST_F(FrameTest, CheatKeysWorkOnlyInCheatMode) {
  tap({keyf1});
  EXPECT_EQ(debugflags[cheatammo], 0);
  EXPECT_EQ(sfxmissing, 0);
  debugflags[cheatmode] = 1;
  tap({keyf1});
  tap({keyf1 + 3});
  EXPECT_EQ(debugflags[cheatammo], 1);
  EXPECT_EQ(debugflags[cheatnightvision], 1);
  EXPECT_EQ(sfxmissing, 100);  // cheat2.wav was asked for
  tap({keyf1});
  EXPECT_EQ(debugflags[cheatammo], 0);
  // Unlimited stamina refills in the squad-wide pass.
  debugflags[cheatstamina] = 1;
  squad[3][mstamina] = 10;
  playframe(none());
  EXPECT_EQ(squad[3][mstamina], squad[3][mmaxstamina]);
}

TEST_F(FrameTest, DebugDisplayNeedsCtrlWithF12OnEveryScreen) {
  tap({keyf12});
  EXPECT_EQ(debugdisplay, 0);
  tap({keylctrl, keyf12});
  EXPECT_EQ(debugdisplay, 1);
  gamestate = statemainmenu;
  tap({keylctrl, keyf12});
  EXPECT_EQ(debugdisplay, 0);
}

TEST_F(FrameTest, CleaningTheNestMeetsTheObjectiveOnce) {
  for (int s = 1; s <= 63; ++s) rooms[nestroom][wallstate][s] = 0;
  rooms[nestroom][wallstate][64] = 2;
  playframe(none());
  EXPECT_EQ(missionflags[missionphase], 0);
  rooms[nestroom][wallstate][64] = 0;
  playframe(none());
  EXPECT_EQ(missionflags[missionphase], 1);
  EXPECT_EQ(pausestate[panelactive], 1);
  for (int i = 0; i < 60; ++i) playframe(none());
  EXPECT_EQ(gamestate, statemissionend);
}

TEST_F(FrameTest, TheWayHomeEndsWhenEveryLivingMemberIsAtBase) {
  missionflags[missionphase] = phasehome;
  for (int m = 1; m <= 6; ++m) place(m, baseroom), squad[m][mhurtflash] = 40;
  place(6, kRoomA);
  playframe(none());
  EXPECT_EQ(missionflags[missionhome], 0);
  squad[6][mhealth] = 0;  // the straggler dies: the rest are home
  playframe(none());
  EXPECT_EQ(missionflags[missionhome], 1);
  EXPECT_EQ(pausestate[panelactive], 1);
  EXPECT_EQ(squad[2][mhurtflash], 0);
}

TEST_F(FrameTest, WholeSquadDeadOpensThePanelForTheLostScreen) {
  for (int m = 1; m <= 6; ++m) squad[m][mhealth] = 0;
  playframe(none());
  EXPECT_EQ(alldead, 1);
  EXPECT_EQ(pausestate[panelactive], 1);
  for (int m = 1; m <= 6; ++m) EXPECT_EQ(squad[m][mroom], 275);
  EXPECT_EQ(squad[1][mdeathroom], kRoomA);
}

TEST_F(FrameTest, HeartbeatStepsEveryOtherFrameAloneAndEveryThirdInPairs) {
  int before[191];
  std::memcpy(before, tickertext, sizeof before);
  playframe(none());
  EXPECT_NE(tickertext[185], before[185]);  // stroke started and stepped
  std::memcpy(before, tickertext, sizeof before);
  playframe(none());
  EXPECT_EQ(0, std::memcmp(before, tickertext, sizeof before));

  newgame(2, 1);
  int steps1 = 0, steps2 = 0;
  for (int f = 0; f < 30; ++f) {
    const int a = playerticker[1][184], b = playerticker[2][184];
    const int a185 = playerticker[1][185], b185 = playerticker[2][185];
    playframe(none());
    steps1 += playerticker[1][185] != a185 || playerticker[1][184] != a;
    steps2 += playerticker[2][185] != b185 || playerticker[2][184] != b;
  }
  EXPECT_EQ(steps1, 10);
  EXPECT_EQ(steps2, 10);
}

TEST_F(FrameTest, ADeadMembersTraceSettlesFlat) {
  int t[191] = {};
  resettrace(t);
  t[185] = 9;
  for (int i = 0; i < 200; ++i) steptrace(t, false);
  for (int i = 1; i <= 185; ++i) EXPECT_EQ(t[i], 32) << i;
  t[185] = 50;
  steptrace(t, false);
  EXPECT_EQ(t[185], 48);
  EXPECT_EQ(t[184], 50);  // the older value moved down the trace
}

TEST_F(FrameTest, BlinkCountersStayInTheirRanges) {
  for (int f = 0; f < 100; ++f) {
    playframe(none());
    ASSERT_GE(pulselevel, 0);
    ASSERT_LE(pulselevel, 100);
    ASSERT_GE(useprompt[1].blink, 30);
    ASSERT_LE(useprompt[1].blink, 100);
    ASSERT_GE(walkframe, 0);
    ASSERT_LE(walkframe, 3);
    ASSERT_TRUE(cyclephase == 1 || cyclephase == 2);
    ASSERT_GE(staticdots[500][dotx], 126);
    ASSERT_LE(staticdots[500][doty], 337);
  }
}

TEST_F(FrameTest, TheFirstMenuFrameAfterPlayDoesNotTakeThePointerAsMoved) {
  const auto pointer = [](int x, int y, std::initializer_list<int> held = {}) {
    plat::RawInput in = with(held);
    in.mousex = x, in.mousey = y;
    return in;
  };
  // A menu frame with the pointer in one place, then back to play.
  gamestate = statemainmenu;
  playframe(pointer(20, 20));
  nextstate = stateplay;
  playframe(pointer(20, 20));
  ASSERT_EQ(gamestate, stateplay);
  // In play the pointer comes to rest where QUIT lies on the main menu.
  const int quity = menuitemy(menulayout(6), 6) + 10;
  playframe(pointer(512, quity));
  playframe(pointer(512, quity));
  playframe(pointer(512, quity, {keyescape}));
  ASSERT_EQ(gamestate, statemainmenu);
  playframe(pointer(512, quity));
  EXPECT_EQ(menusel, 1) << "a pointer that did not move selected QUIT";
  playframe(pointer(512, quity + 2));
  EXPECT_EQ(menusel, 6) << "a real move still selects";
}

}  // namespace
}  // namespace playtest
