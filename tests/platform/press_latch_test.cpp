// Quick presses through SDL's event queue on the dummy driver: a key or
// button that goes down and up between two snapshots reads as held in the
// next snapshot only, so the game's edge rule gives exactly one hit. And
// the Enter of Alt+Enter never reaches the game.
#include <gtest/gtest.h>

#include "input/input.h"
#include "input/keycodes.h"
#include "platform/platform.h"
#include "platform/synthetic_input.h"
#include "platform_fixture.h"

namespace {

constexpr int kLeft = 1, kRight = 2, kMiddle = 3;

class PressLatch : public plattest::HeadlessDisplay {
 protected:
  void SetUp() override {
    HeadlessDisplay::SetUp();
    plat::RawInput drain;
    plat::poll_input(drain);  // forget anything left by earlier tests
    // The game's snapshot counts a hit only after it saw the key up.
    resetinput();
    updateinputfrom(plat::RawInput{});
  }
  plat::RawInput poll() {
    plat::RawInput in;
    plat::poll_input(in);
    return in;
  }
};

TEST_F(PressLatch, KeyTappedBetweenSnapshotsGivesOneHit) {
  ASSERT_TRUE(plat::synthetic::key(keya, true));
  ASSERT_TRUE(plat::synthetic::key(keya, false));
  const plat::RawInput first = poll();
  EXPECT_TRUE(first.key[keya]);
  EXPECT_FALSE(first.key[keyf5]);
  const plat::RawInput second = poll();
  EXPECT_FALSE(second.key[keya]) << "a tap reads as held for one snapshot only";

  // Through the game's snapshot: exactly one hit.
  ASSERT_TRUE(plat::synthetic::key(keyf5, true));
  ASSERT_TRUE(plat::synthetic::key(keyf5, false));
  int hits = 0;
  for (int frame = 0; frame < 3; ++frame) {
    updateinputfrom(poll());
    hits += gamekeyhit(keyf5);
  }
  EXPECT_EQ(hits, 1);
}

TEST_F(PressLatch, EachMouseButtonClickedWithNoDelayIsSeenOnce) {
  for (int button : {kLeft, kRight, kMiddle}) {
    ASSERT_TRUE(plat::synthetic::mouse_button(button, true));
    ASSERT_TRUE(plat::synthetic::mouse_button(button, false));
    const plat::RawInput first = poll();
    for (int b = 1; b <= 3; ++b) EXPECT_EQ(first.mouse[b], b == button) << "button " << b << " after " << button;
    EXPECT_FALSE(poll().mouse[button]) << "button " << button;
  }
  // The game's edge rule: a click in the start-up window or a menu is a hit.
  ASSERT_TRUE(plat::synthetic::mouse_button(kLeft, true));
  ASSERT_TRUE(plat::synthetic::mouse_button(kLeft, false));
  int hits = 0;
  for (int frame = 0; frame < 3; ++frame) {
    updateinputfrom(poll());
    hits += gamemousehit(kLeft);
  }
  EXPECT_EQ(hits, 1);
}

TEST_F(PressLatch, JoystickButtonPressedAndReleasedIsSeenOnce) {
  ASSERT_TRUE(plat::synthetic::attach_joystick(8));
  plat::RawInput in = poll();
  ASSERT_EQ(in.joycount, 1);
  plat::synthetic::joystick_button(3, true);
  plat::synthetic::joystick_button(3, false);
  in = poll();
  EXPECT_TRUE(in.joybutton[0][3]);
  EXPECT_FALSE(in.joybutton[0][2]);
  EXPECT_FALSE(poll().joybutton[0][3]);
  plat::synthetic::detach_joystick();
  EXPECT_EQ(poll().joycount, 0);
}

TEST_F(PressLatch, AltEnterNeverReachesTheGame) {
  ASSERT_TRUE(plat::synthetic::key(keyenter, true, true));
  EXPECT_FALSE(poll().key[keyenter]) << "the window switch owns this Enter";
  // Alt let go before Enter: the key is still the switch's until released.
  EXPECT_FALSE(poll().key[keyenter]);
  ASSERT_TRUE(plat::synthetic::key(keyenter, false));
  EXPECT_FALSE(poll().key[keyenter]);

  // A plain Enter afterwards is the game's again.
  ASSERT_TRUE(plat::synthetic::key(keyenter, true));
  ASSERT_TRUE(plat::synthetic::key(keyenter, false));
  EXPECT_TRUE(poll().key[keyenter]);
}

}  // namespace
