// Demo mode through the live input path: idle frames on MAIN MENU start a
// demo game played by the machine, any real input ends it, and nothing the
// player owns is touched or written.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/demo.h"
#include "app/frame_loop.h"
#include "app/harness/session.h"
#include "app/ingame.h"
#include "app/screenshot_key.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "audio/music.h"
#include "frontend/menu_frame.h"
#include "input/bindings.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "squad/member_fields.h"
#include "squad/squad.h"
#include "world/map.h"

namespace {

namespace fs = std::filesystem;


class Demo : public ::testing::Test {
 protected:
  void SetUp() override {
    home = fs::current_path();
    dir = fs::temp_directory_path() / ("rx907_demo_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::current_path(dir);
    startsession(SessionSetup{});  // the complex loaded, every table fresh
    // MAIN MENU with no game held, as the program starts.
    gamestate = statemainmenu;
    gameinprogress = 0;
    nextstate = 0;
    framedraws = 0;
    resetdemo();
    settings[setmouseaiming] = 1;
    settings[setmusic] = 1;
    musicmode = musicmenu;
    for (int s = 1; s <= 6; ++s) squadpick[s][pickroster] = 15 - s;
    for (int m = 1; m <= 6; ++m) squadchar[m] = m;
    debugflags[cheatmode] = 1;
    debugflags[cheatnightvision] = 1;
    still.mousex = 300;
    still.mousey = 200;
  }
  void TearDown() override {
    resetdemo();
    fs::current_path(home);
    fs::remove_all(dir);
  }
  // A live frame: the devices' snapshot through the demo's input path,
  // then the screen.
  void frame(const plat::RawInput& devices) {
    applyframeinput(devices);
    stepframe();
  }
  // Idle frames on MAIN MENU; the menu screen itself runs only on the last
  // few (the count does not need it drawn 1,800 times).
  void idle(int frames) {
    for (int i = 0; i < frames; ++i) {
      if (i + 3 >= frames) frame(still);
      else applyframeinput(still);
    }
  }
  void startbyidling() {
    idle(demoidleframes);
    ASSERT_EQ(demoplaying, 1);
  }
  bool written() const { return !fs::is_empty(dir); }

  fs::path home, dir;
  plat::RawInput still;
};

TEST_F(Demo, StartsAfterThirtySecondsIdleOnTheMainMenuAndPlays) {
  idle(demoidleframes - 1);
  EXPECT_EQ(demoplaying, 0);
  EXPECT_EQ(gamestate, statemainmenu);
  frame(still);
  ASSERT_EQ(demoplaying, 1);
  EXPECT_EQ(gamestate, stateplay);
  EXPECT_EQ(numplayers, 1);
  // The squad screen's squad, aimed with the keyboard, no cheats.
  for (int m = 1; m <= 6; ++m) EXPECT_EQ(squadchar[m], squadpick[m][pickroster]);
  EXPECT_EQ(settings[setmouseaiming], 0);
  EXPECT_EQ(debugflags[cheatmode] + debugflags[cheatnightvision], 0);
  for (int i = 0; i < 900; ++i) frame(still);
  EXPECT_EQ(demoplaying, 1);
  EXPECT_GT(teamstat[teamrow][statclock], 800) << "the game runs";
  bool away = false;
  for (int m = 1; m <= 6; ++m) away = away || squad[m][mroom] != baseroom;
  EXPECT_TRUE(away) << "the machine walks a member out of the base";
  EXPECT_EQ(musicmode, musicmenu) << "the menu music plays on";
}

TEST_F(Demo, AnyKeyEndsItWithNoGameLeftAndEverythingAsItWas) {
  startbyidling();
  for (int i = 0; i < 300; ++i) frame(still);
  plat::RawInput key = still;
  key.key[keyescape] = true;  // Escape on MAIN MENU with no game would quit
  frame(key);
  EXPECT_EQ(demoplaying, 0);
  EXPECT_EQ(gamestate, statemainmenu);
  EXPECT_EQ(gameinprogress, 0);
  EXPECT_EQ(quitgame, 0) << "the key that ended the demo does nothing else";
  frame(still);
  EXPECT_EQ(gamestate, statemainmenu);
  EXPECT_EQ(settings[setmouseaiming], 1);
  for (int s = 1; s <= 6; ++s) EXPECT_EQ(squadpick[s][pickroster], 15 - s);
  for (int m = 1; m <= 6; ++m) EXPECT_EQ(squadchar[m], m);
  EXPECT_EQ(debugflags[cheatmode], 1);
  EXPECT_EQ(debugflags[cheatnightvision], 1);
  EXPECT_EQ(musicmode, musicmenu);
  EXPECT_FALSE(written()) << "no options, no saves";
}

TEST_F(Demo, ClicksMouseMovesAndSticksEndItToo) {
  plat::RawInput click = still;
  click.mouse[1] = true;
  plat::RawInput moved = still;
  moved.mousex += 3;
  plat::RawInput stick = still;
  stick.joycount = 1;
  stick.joyx[0] = 0.9f;
  for (const plat::RawInput* in : {&click, &moved, &stick}) {
    resetdemo();
    startbyidling();
    frame(still);
    frame(*in);
    EXPECT_EQ(demoplaying, 0);
    EXPECT_EQ(gamestate, statemainmenu);
    EXPECT_EQ(gameinprogress, 0);
    frame(still);
  }
  EXPECT_FALSE(written());
}

TEST_F(Demo, InputOnTheMenuRestartsTheCountAndAHeldGameIsNeverReplaced) {
  idle(demoidleframes - 10);
  plat::RawInput key = still;
  key.key[keyspace] = true;
  frame(key);
  idle(demoidleframes - 1);
  EXPECT_EQ(demoplaying, 0) << "the count started again at the key";
  resetdemo();
  gameinprogress = 1;  // a game left with Escape waits for CONTINUE GAME
  idle(demoidleframes * 2);
  EXPECT_EQ(demoplaying, 0);
}

TEST_F(Demo, TheCommandLineSwitchStartsOneAtOnce) {
  requestdemo();
  frame(still);
  EXPECT_EQ(demoplaying, 1);
  EXPECT_EQ(gamestate, stateplay);
}

TEST_F(Demo, WritesAndLoadsNothingWhateverKeysPlayerOneUses) {
  // USE on F5, SHOOT on Print Screen, NEXT on F9: the machine player
  // presses them, and they must act only as the actions they are bound to.
  keys[1][actuse] = keyf5;
  keys[1][actshoot] = keyprintscreen;
  keys[1][actnext] = keyf9;
  startbyidling();
  int f5 = 0, shots = 0;
  for (int i = 0; i < 12000 && demoplaying; ++i) {
    frame(still);
    f5 += gamekeyhit(keyf5);
    shots += gamekeyhit(keyprintscreen);
    screenshotkey();
  }
  ASSERT_GT(f5, 0) << "the machine used a door through F5";
  ASSERT_GT(shots, 0) << "the machine fired through Print Screen";
  EXPECT_FALSE(written()) << "no quicksave, no screenshot";
  EXPECT_FALSE(fs::exists(dir / "saves"));
}

TEST(DemoInput, HandsOnTheControls) {
  plat::RawInput before, now;
  EXPECT_FALSE(humaninput(now, before));
  now.joycount = 1;
  now.joyx[0] = 0.1f;  // resting stick noise, under the threshold
  EXPECT_FALSE(humaninput(now, before));
  now.joybutton[0][3] = true;
  EXPECT_TRUE(humaninput(now, before));
  now = plat::RawInput{};
  now.mousez = 1;
  EXPECT_TRUE(humaninput(now, before));
}

}  // namespace
