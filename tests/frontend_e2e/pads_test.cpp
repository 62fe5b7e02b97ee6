// Standard pads plugged in as SDL virtual game controllers and read through
// the real event pump, every frame through the loop's own frame step: two
// players on two pads beside the keyboard, a pad unplugged and plugged back,
// the menus to play and back with a pad alone, and a binding made with one
// make of pad used with another.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/frame_loop.h"
#include "app/harness/play_driver.h"
#include "app/harness/session.h"
#include "app/ingame.h"
#include "frontend/keys_screen.h"
#include "frontend/menu_frame.h"
#include "frontend/options_file.h"
#include "input/bindings.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "input/pad_controls.h"
#include "platform/platform.h"
#include "platform/synthetic_input.h"
#include "render/messages.h"
#include "squad/member_fields.h"
#include "squad/squad.h"
#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"

namespace {

namespace fs = std::filesystem;

class Pads : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(plat::init(true));
    if (!plat::display_open()) {
      ASSERT_TRUE(plat::open_display(1024, 768, 0, 60, plat::RendererSoftware));
    }
    home = fs::current_path();
    dir = fs::temp_directory_path() / ("rx907_pads_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::current_path(dir);
    plat::RawInput drain;
    plat::poll_input(drain);
  }
  void TearDown() override {
    for (int p : attached) plat::synthetic::detach_pad(p);
    plat::RawInput drain;
    plat::poll_input(drain);
    fs::current_path(home);
    fs::remove_all(dir);
  }

  int plug(unsigned buttons = 0) {
    const int p = plat::synthetic::attach_pad(buttons);
    EXPECT_GE(p, 0) << "no virtual pad: SDL's joystick subsystem is missing";
    attached.push_back(p);
    return p;
  }
  void unplug(int p) {
    plat::synthetic::detach_pad(p);
    std::erase(attached, p);
  }
  // One frame: the devices as the event pump leaves them, plus any keys.
  void frame(const std::vector<int>& keysheld = {}) {
    plat::RawInput in;
    pollinput(in);
    for (int k : keysheld) in.key[k] = true;
    playframe(in);
  }
  void frames(int n, const std::vector<int>& keysheld = {}) {
    for (int i = 0; i < n; ++i) frame(keysheld);
  }
  void press(int pad, int button) {
    plat::synthetic::pad_button(pad, button, true);
    frame();
    plat::synthetic::pad_button(pad, button, false);
    frame();
  }
  // Optional pictures for a person to look at (RX_PAD_SHOTS=DIR).
  void keepshot(const std::string& name) {
    const char* d = std::getenv("RX_PAD_SHOTS");
    if (!d) return;
    plat::cls();
    framedraws = 1;
    plat::RawInput in;
    pollinput(in);
    updateinputfrom(in);
    runframe();
    framedraws = 0;
    plat::save_screenshot(std::string(d) + "/" + name + ".png");
    plat::cls();
  }

  SessionSetup twoplayers() const {
    SessionSetup s;
    s.players = 2;
    s.split = 0;
    s.mouseaiming = 0;
    return s;
  }
  static int crossx(int p) { return squad[curmember[p]][mcrossx]; }
  static int crossy(int p) { return squad[curmember[p]][mcrossy]; }
  // Frames until the mission board has slid away again (a new game may
  // open it to announce the first wave), closing it once it stands open.
  void clearboard(int pad) {
    for (int f = 0; f < 600 && pausestate[panelactive] != 0; ++f) {
      if (pausepos == panelopenpos && pausestate[panelclosing] == 0) press(pad, plat::padbuttona);
      else frame();
    }
    ASSERT_EQ(pausestate[panelactive], 0);
  }

  fs::path home, dir;
  std::vector<int> attached;
};

TEST_F(Pads, TwoPadsDriveBothPlayersAtOnceBesideTheKeyboard) {
  const int one = plug(), two = plug();
  startsession(twoplayers());
  if (std::getenv("RX_PAD_SHOTS")) load_fonts(), load_all_assets();
  frame();
  ASSERT_EQ(joykindnow[0], plat::joykindpad);
  ASSERT_EQ(joykindnow[1], plat::joykindpad);
  clearboard(one);
  ASSERT_EQ(curmember[1], 1);
  ASSERT_EQ(curmember[2], 4);

  // Pad 1 aims player 1 right, pad 2 aims player 2 left, while the keyboard
  // aims player 1 down (S) and player 2 down (the down arrow).
  const int x1 = crossx(1), y1 = crossy(1), x2 = crossx(2), y2 = crossy(2);
  plat::synthetic::pad_stick(one, 1.0f, 0.0f);
  plat::synthetic::pad_stick(two, -1.0f, 0.0f);
  frames(20, {keys[1][actdown], keys[2][actdown]});
  plat::synthetic::pad_stick(one, 0.0f, 0.0f);
  plat::synthetic::pad_stick(two, 0.0f, 0.0f);
  frame();
  EXPECT_GT(crossx(1), x1);
  EXPECT_LT(crossx(2), x2);
  EXPECT_GT(crossy(1), y1) << "player 1's keys still aim";
  EXPECT_GT(crossy(2), y2) << "player 2's keys still aim";
  keepshot("two_pads_play");

  // A on pad 2 fires player 2's gun only; RB on pad 1 and LB on pad 2
  // switch each player's own member.
  const int ammo1 = squad[curmember[1]][mammo], ammo2 = squad[curmember[2]][mammo];
  press(two, plat::padbuttona);
  EXPECT_EQ(squad[curmember[2]][mammo], ammo2 - 1);
  EXPECT_EQ(squad[curmember[1]][mammo], ammo1);
  press(one, plat::padrightshoulder);
  press(two, plat::padleftshoulder);
  EXPECT_EQ(curmember[1], 2);
  EXPECT_EQ(curmember[2], 6);
}

TEST_F(Pads, UnplugAndReplugKeepEachPadWithItsPlayer) {
  const int one = plug(), two = plug();
  startsession(twoplayers());
  frame();
  clearboard(one);

  // Pad 1 goes: the game says so and stops; pad 2 stays player 2's.
  unplug(one);
  frame();
  EXPECT_EQ(messagetext, "JOY 1 LOST");
  EXPECT_EQ(pausestate[panelactive], 1) << "a lost pad in use pauses the game";
  EXPECT_EQ(defaultpad(1), -1);
  EXPECT_EQ(defaultpad(2), 1);
  clearboard(two);
  const int x1 = crossx(1), x2 = crossx(2);
  plat::synthetic::pad_stick(two, 1.0f, 0.0f);
  frames(10);
  plat::synthetic::pad_stick(two, 0.0f, 0.0f);
  frame();
  EXPECT_GT(crossx(2), x2);
  EXPECT_EQ(crossx(1), x1) << "player 1 never takes player 2's pad";

  // A pad plugged in takes the free number 1 and so player 1's place.
  const int again = plug();
  frame();
  EXPECT_EQ(messagetext, "JOY 1 CONNECTED");
  EXPECT_EQ(defaultpad(1), 0);
  EXPECT_EQ(defaultpad(2), 1);
  plat::synthetic::pad_stick(again, 1.0f, 0.0f);
  frames(10);
  plat::synthetic::pad_stick(again, 0.0f, 0.0f);
  frame();
  EXPECT_GT(crossx(1), x1);
}

TEST_F(Pads, MenusToPlayAndBackWithAPadAloneLeaveOptDatAsItWas) {
  startsession(SessionSetup{});
  gamestate = statemainmenu;
  gameinprogress = 0;
  resetmenuframe();
  std::vector<uint8_t> before, after;

  const int pad = plug();
  frames(2);
  press(pad, plat::padbuttona);  // NEW GAME
  frame();
  ASSERT_EQ(gamestate, stategamemode);
  press(pad, plat::paddpaddown);
  press(pad, plat::paddpadup);
  press(pad, plat::padbuttona);  // ONE PLAYER
  frame();
  ASSERT_EQ(gamestate, statesquad);
  EXPECT_EQ(modeplayers, 1);
  press(pad, plat::padbuttona);  // Accept, which writes opt.dat
  frames(2);
  ASSERT_EQ(gamestate, stateplay);
  ASSERT_TRUE(plat::read_whole("opt.dat", before));
  // The first game's controls card goes with any button.
  if (controlscard) press(pad, plat::padbuttonb);
  EXPECT_EQ(controlscard, 0);
  clearboard(pad);

  // Play with the default layout: aim, shoot, switch members.
  const int x = crossx(1), ammo = squad[1][mammo];
  plat::synthetic::pad_stick(pad, 1.0f, 0.0f);
  frames(10);
  plat::synthetic::pad_stick(pad, 0.0f, 0.0f);
  press(pad, plat::padbuttona);
  EXPECT_GT(crossx(1), x);
  EXPECT_EQ(squad[1][mammo], ammo - 1);
  press(pad, plat::padrightshoulder);
  EXPECT_EQ(curmember[1], 2);

  // Back leaves play as Escape does, with the game kept.
  press(pad, plat::padback);
  EXPECT_EQ(gamestate, statemainmenu);
  EXPECT_EQ(gameinprogress, 1);

  // OPTIONS, SETTINGS, and B back out of it, which writes opt.dat again.
  for (int i = 0; i < 4; ++i) press(pad, plat::paddpaddown);
  press(pad, plat::padbuttona);
  frame();
  ASSERT_EQ(gamestate, stateoptions);
  press(pad, plat::padbuttona);
  frame();
  ASSERT_EQ(gamestate, statesettings);
  ASSERT_EQ(plat::delete_file("opt.dat"), true);
  press(pad, plat::padbuttonb);
  frame();
  ASSERT_EQ(gamestate, stateoptions);
  ASSERT_TRUE(plat::read_whole("opt.dat", after));
  EXPECT_EQ(after, before) << "the default pad layout is never written";
}

TEST_F(Pads, ABindingMadeWithOnePadWorksOnAnotherMake) {
  startsession(SessionSetup{});
  resetmenuframe();
  gamestate = statekeysbindings;
  keysplayer = 1;
  capturing = 0;
  const int first = plug();
  frames(2);
  // Down to SHOOT, chosen with A; A still held must not become the binding.
  for (int i = 0; i < 4; ++i) press(first, plat::paddpaddown);
  ASSERT_EQ(menusel, actshoot);
  plat::synthetic::pad_button(first, plat::padbuttona, true);
  frames(3);
  ASSERT_EQ(capturing, 1);
  plat::synthetic::pad_button(first, plat::padbuttona, false);
  frame();
  ASSERT_EQ(capturing, 1) << "the A that chose the row is no binding";
  press(first, plat::padleftshoulder);
  EXPECT_EQ(capturing, 0);
  EXPECT_EQ(keys[1][actshoot], 400 + plat::padleftshoulder);
  EXPECT_EQ(bindingname(keys[1][actshoot]), "JOY 1 LB");

  // Another make: no Back and no Guide, so its raw button numbers from
  // Start on are two lower. Its LB is the same binding.
  unplug(first);
  frame();
  const unsigned nobackguide = ((1u << plat::padlefttrigger) - 1) & ~(1u << plat::padback) & ~(1u << plat::padguide);
  const int other = plug(nobackguide);
  frame();
  ASSERT_EQ(joykindnow[0], plat::joykindpad);
  plat::synthetic::pad_button(other, plat::padleftshoulder, true);
  frame();
  EXPECT_EQ(bindingdown(keys[1][actshoot]), 1);
  EXPECT_EQ(joydownstate[0][plat::padleftshoulder - 2], 0) << "read in the pad's order, not the raw one";
  plat::synthetic::pad_button(other, plat::padleftshoulder, false);
  frame();
  EXPECT_EQ(bindingdown(keys[1][actshoot]), 0);
}

}  // namespace
