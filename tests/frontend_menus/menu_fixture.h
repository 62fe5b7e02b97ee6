// Headless menu tests: one display for the suite, the screens driven frame
// by frame with scripted input snapshots.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "state/archive.h"
#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "frontend/keys_screen.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_screens.h"
#include "frontend/options_file.h"
#include "input/bindings.h"
#include "input/input.h"
#include "platform/platform.h"
#include "squad/roster.h"

namespace menutest {

class MenuTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    register_embedded_archive();
    plat::init(true);
  }
  void SetUp() override {
    if (!plat::display_open()) plat::open_display(1024, 768, 0, 60, plat::RendererSoftware);
    initroster();
    resetoptions();
    resetinput();
    resetmenuframe();
    gameinprogress = 0;
    modeplayers = 1;
    capturing = 0;
    mx = 20, my = 20;
  }

  // One frame of the program's menus: the requested state takes over, the
  // snapshot is applied and the current screen runs.
  void frame(plat::RawInput in) {
    applynextstate();
    updateinputfrom(in);
    switch (gamestate) {
      case statemainmenu: runmainmenu(); break;
      case stategamemode: rungamemode(); break;
      case statesquad: runsquadscreen(); break;
      case stateoptions: runoptions(); break;
      case statesettings: runsettings(); break;
      case statekeysplayer: case statekeysbindings: runkeysscreen(); break;
      default: break;
    }
  }
  plat::RawInput still() const {
    plat::RawInput in;
    in.mousex = mx, in.mousey = my;
    in.joycount = joycount;  // every frame reads the joysticks found at start-up
    return in;
  }
  // A key pressed for one frame, then released for one.
  void tap(int key) {
    plat::RawInput in = still();
    in.key[key] = true;
    frame(in);
    frame(still());
  }
  void moveto(int x, int y) {
    mx = x, my = y;
    frame(still());
  }
  void click(int button = 1) {
    plat::RawInput in = still();
    in.mouse[button] = true;
    frame(in);
    frame(still());
  }
  void enter(int state) {
    gamestate = state;
    nextstate = 0;
    menusel = 1;
    frame(still());
  }

  int mx = 20, my = 20;
};

}  // namespace menutest
