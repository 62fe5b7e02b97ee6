// Moving through menus: disabled items are skipped by the keys and the
// mouse, the selection follows the pointer, and activation changes state.
#include "state/game_state.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_links.h"
#include "input/keycodes.h"
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
  enter(statemainmenu);
  tap(keyarrowdown);
  EXPECT_EQ(menusel, 3) << "DOWN from NEW GAME lands on LOAD GAME";
  tap(keyarrowdown);
  EXPECT_EQ(menusel, 5) << "SAVE GAME is skipped";
  tap(keyarrowup);
  EXPECT_EQ(menusel, 3) << "UP from OPTIONS lands on LOAD GAME";
  tap(keyarrowup);
  tap(keyarrowup);
  EXPECT_EQ(menusel, 6) << "UP from NEW GAME wraps to QUIT";
}

TEST_F(MainMenuTest, WithAGameEveryItemIsReached) {
  gameinprogress = 1;
  enter(statemainmenu);
  tap(keyarrowdown);
  EXPECT_EQ(menusel, 2);
  tap(keyarrowdown);
  tap(keyarrowdown);
  EXPECT_EQ(menusel, 4);
}

TEST_F(MainMenuTest, MouseSelectsOnlyEnabledItems) {
  enter(statemainmenu);
  const MenuLayout l = menulayout(6);
  moveto(512, menuitemy(l, 3) + 10);
  EXPECT_EQ(menusel, 3);
  moveto(512, menuitemy(l, 4) + 10);  // SAVE GAME, disabled
  EXPECT_EQ(menusel, 3);
  click();
  EXPECT_EQ(gamestate, statemainmenu) << "a click on a disabled item does nothing";
  moveto(512, menuitemy(l, 2) + 10);  // CONTINUE GAME, disabled
  EXPECT_EQ(menusel, 3);
  // A click outside every item activates nothing either.
  moveto(100, 100);
  click();
  EXPECT_EQ(gamestate, statemainmenu);
}

TEST_F(MainMenuTest, ADisplaySwitchUnderAStillPointerSelectsNothing) {
  enter(statemainmenu);
  const MenuLayout l = menulayout(6);
  moveto(512, menuitemy(l, 6) + 10);
  ASSERT_EQ(menusel, 6) << "QUIT";
  // Full screen: the picture moves, the pointer does not, and the menu
  // now lies under it differently.
  plat::RawInput in = still();
  in.mousey = menuitemy(l, 3) + 10;
  in.pointerstill = true;
  frame(in);
  EXPECT_EQ(menusel, 6) << "the selection stays on QUIT";
  tap(keyenter);
  EXPECT_EQ(quitgame, 1) << "Enter still takes the item the player chose";
  quitgame = 0;
  // The first real move from there selects again.
  enter(statemainmenu);
  moveto(512, menuitemy(l, 6) + 10);
  in = still();
  in.mousey = menuitemy(l, 3) + 10;
  in.pointerstill = true;
  frame(in);
  moveto(512, menuitemy(l, 3) + 12);
  EXPECT_EQ(menusel, 3);
}

TEST_F(MainMenuTest, ActivationRequestsTheNextScreen) {
  enter(statemainmenu);
  const MenuLayout l = menulayout(6);
  moveto(512, menuitemy(l, 5) + 5);
  click();
  EXPECT_EQ(gamestate, stateoptions) << "OPTIONS";
  EXPECT_EQ(menusel, 1) << "a new screen starts on its first item";
  tap(keyescape);
  EXPECT_EQ(gamestate, statemainmenu);
  tap(keyenter);
  EXPECT_EQ(gamestate, stategamemode) << "ENTER on NEW GAME";
}

TEST_F(MainMenuTest, EscapeResumesAHeldGameAndQuitsOtherwise) {
  quitgame = 0;
  gameinprogress = 1;
  enter(statemainmenu);
  tap(keyescape);
  EXPECT_EQ(gamestate, stateplay);
  EXPECT_EQ(quitgame, 0);
  gameinprogress = 0;
  enter(statemainmenu);
  tap(keyescape);
  EXPECT_EQ(quitgame, 1);
  quitgame = 0;
}

TEST_F(MainMenuTest, CheatSwitchNeedsCtrlAndTheSpot) {
  debugflags[cheatmode] = 0;
  debugflags[cheatstamina] = 1;
  enter(statemainmenu);
  moveto(cheatx + 5, cheaty + 5);
  click();
  EXPECT_EQ(debugflags[cheatmode], 0) << "no modifier held";
  plat::RawInput in = still();
  in.key[keylctrl] = true;
  in.mouse[1] = true;
  frame(in);
  EXPECT_EQ(debugflags[cheatmode], 1);
  EXPECT_EQ(debugflags[cheatstamina], 0) << "the cheat keys start cleared";
  debugflags[cheatmode] = 0;
}

TEST_F(MainMenuTest, SelectionPulseRestartsOnEveryChange) {
  enter(statemainmenu);
  for (int i = 0; i < 50; ++i) frame(still());
  EXPECT_GE(selpulse, 0);
  EXPECT_LE(selpulse, 30);
  tap(keyarrowdown);
  // The change set it to 40; two frames of falling since.
  EXPECT_EQ(seldir, 1);
  EXPECT_EQ(selpulse, 38);
}

class SquadNavigationTest : public MenuTest {};

TEST_F(SquadNavigationTest, OnePlayerSkipsSplit) {
  modeplayers = 1;
  enter(statesquad);
  tap(keyarrowdown);
  EXPECT_EQ(menusel, 3) << "DOWN from Accept goes to Cancel";
  tap(keyarrowup);
  EXPECT_EQ(menusel, 1);
  modeplayers = 2;
  tap(keyarrowdown);
  EXPECT_EQ(menusel, 2) << "with two players Split can be chosen";
  tap(keyenter);
  EXPECT_EQ(splitoption, 1);
}

TEST_F(SquadNavigationTest, SideKeysOnlyStepSlots) {
  enter(statesquad);
  const int first = squadpick[1][pickroster];
  tap(keyarrowright);  // on Accept: nothing
  EXPECT_EQ(gamestate, statesquad);
  EXPECT_EQ(squadpick[1][pickroster], first);
  tap(keyarrowdown);  // Accept -> Cancel (Split skipped)
  tap(keyarrowdown);  // -> slot 1
  EXPECT_EQ(menusel, 4);
  tap(keyarrowright);
  EXPECT_NE(squadpick[1][pickroster], first);
  tap(keyarrowleft);
  EXPECT_EQ(squadpick[1][pickroster], first);
}

class SettingsTest : public MenuTest {};

TEST_F(SettingsTest, JoySensitivityWrapsBothWays) {
  enter(statesettings);
  for (int i = 0; i < 3; ++i) tap(keyarrowdown);
  ASSERT_EQ(menusel, 4);
  settings[setjoysensitivity] = 20;  // shown 90
  tap(keyarrowright);
  EXPECT_EQ(settings[setjoysensitivity], 10);  // shown 100
  tap(keyarrowright);
  EXPECT_EQ(settings[setjoysensitivity], 100) << "shown 100 wraps to 10";
  tap(keyarrowleft);
  EXPECT_EQ(settings[setjoysensitivity], 10) << "and back";
  // Every shown value from 10 to 100 is visited on the way round.
  int seen = 0;
  for (int i = 0; i < 10; ++i) {
    tap(keyarrowleft);
    seen |= 1 << (settings[setjoysensitivity] / 10);
    EXPECT_GE(settings[setjoysensitivity], 10);
    EXPECT_LE(settings[setjoysensitivity], 100);
  }
  EXPECT_EQ(seen, 0x7FE);
}

TEST_F(SettingsTest, TogglesAndLeavingSaves) {
  enter(statesettings);
  tap(keyarrowdown);  // SOUND PLAYBACK
  tap(keyenter);
  EXPECT_EQ(settings[setsound], 0);
  tap(keyarrowleft);
  EXPECT_EQ(settings[setsound], 1);
  tap(keyarrowdown);  // ENHANCED MUSIC
  tap(keyarrowright);
  EXPECT_EQ(settings[setmusicvariant], 1);
  tap(keyescape);
  EXPECT_EQ(gamestate, stateoptions);
}

}  // namespace
}  // namespace menutest
