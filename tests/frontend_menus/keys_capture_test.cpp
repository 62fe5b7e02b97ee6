// Capturing a binding on the KEYS list: keys, AltGr, ESC, mouse buttons,
// the wheel, joystick buttons and stick directions.
#include "menu_fixture.h"

#include "state/game_state.h"
#include "input/keycodes.h"
#include "render/messages.h"

namespace menutest {
namespace {

class KeysCaptureTest : public MenuTest {
 protected:
  // Opens player p's list and starts capture on action a with ENTER.
  void startcapture(int p, int a) {
    enter(statekeysplayer);
    if (p == 2) tap(keyarrowdown);
    tap(keyenter);
    ASSERT_EQ(gamestate, statekeysbindings);
    for (int i = 1; i < a; ++i) tap(keyarrowdown);
    tap(keyenter);
    ASSERT_EQ(capturing, 1);
    ASSERT_EQ(captureaction, a);
  }
};

TEST_F(KeysCaptureTest, KeyBindsAndEndsCapture) {
  startcapture(2, 5);
  tap('Q');
  EXPECT_EQ(capturing, 0);
  EXPECT_EQ(keys[2][5], 'Q');
  EXPECT_EQ(keys[1][5], 301) << "the other player's binding is untouched";
  EXPECT_EQ(gamestate, statekeysbindings);
}

TEST_F(KeysCaptureTest, AltGrBindsNothingAndKeepsWaiting) {
  startcapture(1, 1);
  const int before = keys[1][1];
  plat::RawInput in = still();
  in.key[keylctrl] = in.key[keyralt] = true;  // AltGr: left Ctrl + right Alt
  frame(in);
  EXPECT_EQ(capturing, 1);
  EXPECT_EQ(keys[1][1], before);
  in.key['E'] = true;  // a key typed with AltGr held
  frame(in);
  EXPECT_EQ(capturing, 1);
  EXPECT_EQ(keys[1][1], before);
  frame(still());
  tap('E');
  EXPECT_EQ(keys[1][1], 'E') << "once AltGr is released keys bind again";
}

TEST_F(KeysCaptureTest, AKeyAlsoBoundToAnotherOfThePlayersActionsIsPointedOut) {
  messagetimer = 0;
  startcapture(1, 6);
  tap('Q');
  EXPECT_EQ(messagetimer, 0) << "Q is free";
  startcapture(1, 6);
  tap('W');  // player 1's UP
  EXPECT_EQ(keys[1][6], 'W') << "the binding is made all the same";
  EXPECT_GT(messagetimer, 0);
  EXPECT_EQ(messagetext, "W IS ALSO UP");
  EXPECT_EQ(messageerror, 1);
  messagetimer = 0;
  startcapture(2, 6);
  tap('W');
  EXPECT_EQ(messagetimer, 0) << "the other player's keys are theirs";
}

TEST_F(KeysCaptureTest, EscapeCancelsAndStaysOnTheList) {
  startcapture(1, 3);
  tap(keyescape);
  EXPECT_EQ(capturing, 0);
  EXPECT_EQ(keys[1][3], 68) << "the old binding stays";
  EXPECT_EQ(gamestate, statekeysbindings) << "ESC cancelling a capture does not leave the list";
  tap(keyescape);
  EXPECT_EQ(gamestate, statekeysplayer) << "a second ESC does";
}

TEST_F(KeysCaptureTest, ArrowsDoNotMoveTheSelectionWhileCapturing) {
  startcapture(1, 2);
  plat::RawInput in = still();
  in.key[keyarrowdown] = true;
  frame(in);
  EXPECT_EQ(keys[1][2], keyarrowdown) << "an arrow is a key like any other";
  EXPECT_EQ(menusel, 2);
}

TEST_F(KeysCaptureTest, MouseButtonsAndTheWheel) {
  startcapture(1, 6);
  click(3);
  EXPECT_EQ(keys[1][6], 303);
  startcapture(1, 6);
  plat::RawInput in = still();
  in.mousez = -1;  // one notch down
  frame(in);
  EXPECT_EQ(keys[1][6], 304);
  startcapture(1, 7);
  in = still();
  in.mousez = 2;
  frame(in);
  EXPECT_EQ(keys[1][7], 305);
}

TEST_F(KeysCaptureTest, JoystickButtonsAndDirections) {
  joycount = 2;  // as counted at start-up
  startcapture(1, 5);
  plat::RawInput in = still();
  in.joycount = 2;
  in.joybutton[1][3] = true;
  frame(in);
  EXPECT_EQ(keys[1][5], 400 + 100 + 3);
  EXPECT_EQ(bindingname(keys[1][5]), "Joy 2 btn 4");

  startcapture(1, 4);
  in = still();
  in.joycount = 1;
  in.joyy[0] = 0.5f;  // below the default threshold 0.2: stick down
  frame(in);
  EXPECT_EQ(keys[1][4], 434);

  startcapture(1, 1);
  in = still();
  in.joycount = 1;
  in.joyx[0] = -0.1f;  // inside the threshold: nothing
  frame(in);
  EXPECT_EQ(capturing, 1);
  in.joyx[0] = -0.9f;
  frame(in);
  EXPECT_EQ(keys[1][1], 431);
  joycount = 0;
}

TEST_F(KeysCaptureTest, LeavingTheListSavesAndReturnsToPlayerChoice) {
  enter(statekeysbindings);
  keysplayer = 1;
  for (int i = 0; i < 8; ++i) tap(keyarrowdown);
  ASSERT_EQ(menusel, 9);
  tap(keyenter);
  EXPECT_EQ(gamestate, statekeysplayer);
  tap(keyescape);
  EXPECT_EQ(gamestate, stateoptions);
}

}  // namespace
}  // namespace menutest
