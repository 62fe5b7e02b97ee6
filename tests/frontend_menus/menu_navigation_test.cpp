// Moving through menus: disabled items are skipped by the keys and the
// mouse, the selection follows the pointer, and activation changes state.
#include "frontend/menu_frame.h"
#include "frontend/menu_links.h"
#include "menu_fixture.h"

namespace menutest {
namespace {

TEST(MenuLayout, SixItemsAndTheTitleFloor) {
  const MenuLayout six = menulayout(6);
  EXPECT_EQ(six.height, 311);
  EXPECT_EQ(six.top, 294);
  EXPECT_EQ(six.titley, 236);
  EXPECT_EQ(six.firstitemy, 312);
  // Eleven items would push the title above its floor; the panel stops.
  const MenuLayout eleven = menulayout(11);
  EXPECT_EQ(eleven.top, 203);
  EXPECT_EQ(eleven.titley, 145);
}

class MainMenuTest : public MenuTest {};

TEST_F(MainMenuTest, KeysSkipDisabledItemsWithoutAGame) {
  enter(1);
  tap(kDown);
  EXPECT_EQ(menusel, 3) << "DOWN from NEW GAME lands on LOAD GAME";
  tap(kDown);
  EXPECT_EQ(menusel, 5) << "SAVE GAME is skipped";
  tap(kUp);
  EXPECT_EQ(menusel, 3) << "UP from OPTIONS lands on LOAD GAME";
  tap(kUp);
  tap(kUp);
  EXPECT_EQ(menusel, 6) << "UP from NEW GAME wraps to QUIT";
}

TEST_F(MainMenuTest, WithAGameEveryItemIsReached) {
  gameinprogress = 1;
  enter(1);
  tap(kDown);
  EXPECT_EQ(menusel, 2);
  tap(kDown);
  tap(kDown);
  EXPECT_EQ(menusel, 4);
}

TEST_F(MainMenuTest, MouseSelectsOnlyEnabledItems) {
  enter(1);
  const MenuLayout l = menulayout(6);
  moveto(512, menuitemy(l, 3) + 10);
  EXPECT_EQ(menusel, 3);
  moveto(512, menuitemy(l, 4) + 10);  // SAVE GAME, disabled
  EXPECT_EQ(menusel, 3);
  click();
  EXPECT_EQ(gamestate, 1) << "a click on a disabled item does nothing";
  moveto(512, menuitemy(l, 2) + 10);  // CONTINUE GAME, disabled
  EXPECT_EQ(menusel, 3);
  // A click outside every item activates nothing either.
  moveto(100, 100);
  click();
  EXPECT_EQ(gamestate, 1);
}

TEST_F(MainMenuTest, ActivationRequestsTheNextScreen) {
  enter(1);
  const MenuLayout l = menulayout(6);
  moveto(512, menuitemy(l, 5) + 5);
  click();
  EXPECT_EQ(gamestate, 6) << "OPTIONS";
  EXPECT_EQ(menusel, 1) << "a new screen starts on its first item";
  tap(kEsc);
  EXPECT_EQ(gamestate, 1);
  tap(kEnter);
  EXPECT_EQ(gamestate, 2) << "ENTER on NEW GAME";
}

TEST_F(MainMenuTest, EscapeResumesAHeldGameAndQuitsOtherwise) {
  quitgame = 0;
  gameinprogress = 1;
  enter(1);
  tap(kEsc);
  EXPECT_EQ(gamestate, 4);
  EXPECT_EQ(quitgame, 0);
  gameinprogress = 0;
  enter(1);
  tap(kEsc);
  EXPECT_EQ(quitgame, 1);
  quitgame = 0;
}

TEST_F(MainMenuTest, CheatSwitchNeedsCtrlAndTheSpot) {
  debugflags[0] = 0;
  debugflags[2] = 1;
  enter(1);
  moveto(kCheatX + 5, kCheatY + 5);
  click();
  EXPECT_EQ(debugflags[0], 0) << "no modifier held";
  plat::RawInput in = still();
  in.key[162] = true;
  in.mouse[1] = true;
  frame(in);
  EXPECT_EQ(debugflags[0], 1);
  EXPECT_EQ(debugflags[2], 0) << "the cheat keys start cleared";
  debugflags[0] = 0;
}

TEST_F(MainMenuTest, SelectionPulseRestartsOnEveryChange) {
  enter(1);
  for (int i = 0; i < 50; ++i) frame(still());
  EXPECT_GE(selpulse, 0);
  EXPECT_LE(selpulse, 30);
  tap(kDown);
  // The change set it to 40; two frames of falling since.
  EXPECT_EQ(seldir, 1);
  EXPECT_EQ(selpulse, 38);
}

class SquadNavigationTest : public MenuTest {};

TEST_F(SquadNavigationTest, OnePlayerSkipsSplit) {
  modeplayers = 1;
  enter(13);
  tap(kDown);
  EXPECT_EQ(menusel, 3) << "DOWN from Accept goes to Cancel";
  tap(kUp);
  EXPECT_EQ(menusel, 1);
  modeplayers = 2;
  tap(kDown);
  EXPECT_EQ(menusel, 2) << "with two players Split can be chosen";
  tap(kEnter);
  EXPECT_EQ(splitoption, 1);
}

TEST_F(SquadNavigationTest, SideKeysOnlyStepSlots) {
  enter(13);
  const int first = squadpick[1][1];
  tap(kRight);  // on Accept: nothing
  EXPECT_EQ(gamestate, 13);
  EXPECT_EQ(squadpick[1][1], first);
  tap(kDown);  // Accept -> Cancel (Split skipped)
  tap(kDown);  // -> slot 1
  EXPECT_EQ(menusel, 4);
  tap(kRight);
  EXPECT_NE(squadpick[1][1], first);
  tap(kLeft);
  EXPECT_EQ(squadpick[1][1], first);
}

class SettingsTest : public MenuTest {};

TEST_F(SettingsTest, JoySensitivityWrapsBothWays) {
  enter(7);
  for (int i = 0; i < 3; ++i) tap(kDown);
  ASSERT_EQ(menusel, 4);
  settings[SetJoySensitivity] = 20;  // shown 90
  tap(kRight);
  EXPECT_EQ(settings[SetJoySensitivity], 10);  // shown 100
  tap(kRight);
  EXPECT_EQ(settings[SetJoySensitivity], 100) << "shown 100 wraps to 10";
  tap(kLeft);
  EXPECT_EQ(settings[SetJoySensitivity], 10) << "and back";
  // Every shown value from 10 to 100 is visited on the way round.
  int seen = 0;
  for (int i = 0; i < 10; ++i) {
    tap(kLeft);
    seen |= 1 << (settings[SetJoySensitivity] / 10);
    EXPECT_GE(settings[SetJoySensitivity], 10);
    EXPECT_LE(settings[SetJoySensitivity], 100);
  }
  EXPECT_EQ(seen, 0x7FE);
}

TEST_F(SettingsTest, TogglesAndLeavingSaves) {
  enter(7);
  tap(kDown);  // SOUND PLAYBACK
  tap(kEnter);
  EXPECT_EQ(settings[SetSound], 0);
  tap(kLeft);
  EXPECT_EQ(settings[SetSound], 1);
  tap(kDown);  // ENHANCED MUSIC
  tap(kRight);
  EXPECT_EQ(settings[SetMusicVariant], 1);
  tap(kEsc);
  EXPECT_EQ(gamestate, 6);
}

}  // namespace
}  // namespace menutest
