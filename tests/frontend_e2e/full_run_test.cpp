// The whole program driven headless with scripted input snapshots: the
// start-up window, loading, the menus, a new game, a quicksave, loading it
// back from LOAD GAME, saving to a slot, and quitting. Every frame goes
// through the same frame function the real loop runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "app/frame_loop.h"
#include "app/ingame.h"
#include "app/startup.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "frontend/menu_frame.h"
#include "frontend/packfile.h"
#include "frontend/save_fields.h"
#include "frontend/savegame.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "platform/platform.h"
#include "render/messages.h"
#include "squad/squad.h"

namespace {

namespace fs = std::filesystem;

class FullRun : public ::testing::Test {
 protected:
  void SetUp() override {
    home = fs::current_path();
    dir = fs::temp_directory_path() / ("rx907_e2e_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    // The program keeps its files beside itself: here, a fresh folder.
    fs::current_path(dir);
    if (const char* d = std::getenv("RX_E2E_SHOTS")) shotdir = d;
    // As a freshly started program: no game held, every frame drawn.
    gameinprogress = 0;
    framedraws = 1;
  }
  void TearDown() override {
    fs::current_path(home);
    fs::remove_all(dir);
  }

  plat::RawInput at(int x, int y) const {
    plat::RawInput in;
    in.mousex = x, in.mousey = y;
    return in;
  }
  // One frame of the loop: snapshot, screen, status line, overlay, flip.
  void frame(const plat::RawInput& in) {
    updateinputfrom(in);
    runframe();
    plat::flip(false);
    plat::cls();
  }
  void idle(int frames) {
    for (int i = 0; i < frames; ++i) frame(at(mx, my));
  }
  // A key held for one frame, then released.
  void tap(int key) {
    plat::RawInput in = at(mx, my);
    in.key[key] = true;
    frame(in);
    frame(at(mx, my));
  }
  // How much of the frame is lit: the count of pixels that are not black.
  int litpixels() {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    if (!plat::read_back_buffer(px, w, h)) return -1;
    int lit = 0;
    for (uint32_t p : px)
      if ((p & 0xFFFFFF) != 0) ++lit;
    return lit;
  }
  // Draws one more frame of the current screen and keeps it when asked to.
  void shot(const std::string& name) {
    updateinputfrom(at(mx, my));
    runframe();
    if (!shotdir.empty()) plat::save_screenshot(shotdir + "/" + name + ".png");
    lastlit = litpixels();
    plat::flip(false);
    plat::cls();
  }

  fs::path home, dir;
  std::string shotdir;
  int mx = 900, my = 700;  // pointer parked away from every item
  int lastlit = 0;
};

TEST_F(FullRun, StartupMenusNewGameQuicksaveLoadSaveAndQuit) {
  // The start-up window: the pointer moves onto RUN GAME, then clicks it.
  std::deque<plat::RawInput> startup;
  startup.push_back(at(200, 130));
  plat::RawInput press = at(200, 130);
  press.mouse[1] = true;
  startup.push_back(press);
  int polled = 0;
  const auto poll = [&] {
    ++polled;
    updateinputfrom(startup.empty() ? at(200, 130) : startup.front());
    if (!startup.empty()) startup.pop_front();
  };
  int status = -1;
  ASSERT_TRUE(startprogram(true, poll, status));
  EXPECT_EQ(polled, 2);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(fs::is_regular_file("api.dat"));
  EXPECT_EQ(gamestate, stateafterload);
  resetmenuframe();

  // Loading done: the options are read and the main menu opens.
  idle(2);
  ASSERT_EQ(gamestate, statemainmenu);
  EXPECT_EQ(gameinprogress, 0);
  shot("e2e_mainmenu");
  EXPECT_GT(lastlit, 100000);

  // NEW GAME, ONE PLAYER, then Accept on SQUAD.
  tap(keyenter);
  idle(1);
  ASSERT_EQ(gamestate, stategamemode);
  tap(keyenter);
  idle(1);
  ASSERT_EQ(gamestate, statesquad);
  EXPECT_EQ(modeplayers, 1);
  tap(keyenter);
  idle(2);  // the new-game set-up runs for one frame, then play
  ASSERT_EQ(gamestate, stateplay);
  EXPECT_EQ(numplayers, 1);
  EXPECT_EQ(gameinprogress, 1);
  EXPECT_TRUE(fs::is_regular_file("opt.dat"));
  for (int s = 1; s <= 6; ++s) {
    EXPECT_GE(squadchar[s], 1) << "member " << s;
    for (int t = 1; t < s; ++t) EXPECT_NE(squadchar[s], squadchar[t]);
  }

  // The first game on this machine: the controls card waits for a key.
  EXPECT_EQ(controlscard, 1);
  EXPECT_TRUE(fs::is_regular_file("intro.dat"));
  tap(keyspace);
  EXPECT_EQ(controlscard, 0);

  idle(30);
  shot("e2e_play");
  EXPECT_EQ(gamestate, stateplay);
  EXPECT_GT(lastlit, 100000);

  // F5 in play writes the quicksave slot and says so.
  tap(keyf5);
  EXPECT_EQ(messagetext, "Quicksaved");
  ASSERT_TRUE(fs::is_regular_file(fs::path(savesdir) / "quick.nam"));
  ASSERT_TRUE(fs::is_regular_file(fs::path(savesdir) / "quick.907"));
  EXPECT_EQ(readsavename("quick"), "Quicksave");
  std::vector<uint8_t> packed, saved;
  ASSERT_TRUE(plat::read_whole(datafilepath("quick"), packed));
  ASSERT_TRUE(unpackbytes(packed, saved));
  ASSERT_TRUE(checkpayload(saved));

  // Play on so the live state moves away from the save.
  idle(60);
  EXPECT_NE(writepayload(rndseed), saved);

  // Escape to the main menu with the game kept; LOAD GAME (item 3) opens
  // on the quicksave, the only slot that can be chosen.
  tap(keyescape);
  ASSERT_EQ(gamestate, statemainmenu);
  shot("e2e_mainmenu_ingame");
  tap(keyarrowdown);
  tap(keyarrowdown);
  EXPECT_EQ(menusel, 3);
  tap(keyenter);
  idle(1);
  ASSERT_EQ(gamestate, stateloadgame);
  EXPECT_EQ(menusel, 7);
  EXPECT_EQ(menutext[7], "Quicksave");
  shot("e2e_loadgame");

  // Loading puts back exactly the saved state and returns to play.
  plat::RawInput enter = at(mx, my);
  enter.key[keyenter] = true;
  frame(enter);
  EXPECT_EQ(messagetext, "Game loaded");
  EXPECT_EQ(writepayload(rndseed), saved);
  frame(at(mx, my));
  ASSERT_EQ(gamestate, stateplay);
  idle(10);

  // Escape, CONTINUE GAME, play again.
  tap(keyescape);
  ASSERT_EQ(gamestate, statemainmenu);
  tap(keyarrowdown);
  EXPECT_EQ(menusel, 2);
  tap(keyenter);
  idle(1);
  ASSERT_EQ(gamestate, stateplay);
  idle(5);

  // SAVE GAME (item 4) into slot 1 under a typed name.
  tap(keyescape);
  ASSERT_EQ(gamestate, statemainmenu);
  for (int i = 0; i < 3; ++i) tap(keyarrowdown);
  EXPECT_EQ(menusel, 4);
  tap(keyenter);
  idle(1);
  ASSERT_EQ(gamestate, statesavegame);
  tap(keyenter);  // start typing on slot 1
  for (int key : {'E', '2', 'E'}) tap(key);
  shot("e2e_savegame_typing");
  tap(keyenter);
  EXPECT_EQ(messagetext, "Game saved");
  EXPECT_EQ(readsavename("save_1"), "E2E");
  idle(1);
  ASSERT_EQ(gamestate, stateplay);

  // Escape and QUIT (item 6, reached by going up from the top).
  tap(keyescape);
  ASSERT_EQ(gamestate, statemainmenu);
  tap(keyarrowup);
  EXPECT_EQ(menusel, 6);
  EXPECT_EQ(quitgame, 0);
  tap(keyenter);
  EXPECT_EQ(quitgame, 1);
  plat::shutdown();
}

}  // namespace
