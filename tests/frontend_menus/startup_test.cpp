// The start-up window (renderer toggle, quitting, dragging, hover) and the
// loading screen's fade.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/startup.h"
#include "frontend/menu_links.h"
#include "input/keycodes.h"
#include "menu_fixture.h"

namespace menutest {
namespace {

namespace fs = std::filesystem;

class StartupTest : public MenuTest {
 protected:
  // One frame: the snapshot (pointer in window pixels of the window's
  // first position) and the step.
  void step(int x, int y, bool left = false, bool esc = false) {
    plat::RawInput in;
    in.mousex = x, in.mousey = y;
    in.mouse[1] = left;
    in.key[keyescape] = esc;
    updateinputfrom(in);
    startupstep(m, StartupPointer{x, y, true, kOriginX + x, kOriginY + y}, [this] { return modeok; });
  }
  static constexpr int kOriginX = 400, kOriginY = 300;
  StartupMenu m{.winx = kOriginX, .winy = kOriginY};
  bool modeok = true;
};

TEST_F(StartupTest, ArrowKeysEnterAndAPadChooseAsTheMouseDoes) {
  apimode = 0;
  const auto press = [this](int key, int padbutton = -1) {
    plat::RawInput in;
    in.mousex = 20, in.mousey = 20;  // resting over no control
    if (key) in.key[key] = true;
    in.joycount = 1;
    in.joykind[0] = plat::joykindpad;
    if (padbutton >= 0) in.joybutton[0][padbutton] = true;
    updateinputfrom(in);
    startupstep(m, StartupPointer{20, 20, true, kOriginX + 20, kOriginY + 20}, [] { return true; });
    in.key[key] = false;
    if (padbutton >= 0) in.joybutton[0][padbutton] = false;
    updateinputfrom(in);
    startupstep(m, StartupPointer{20, 20, true, kOriginX + 20, kOriginY + 20}, [] { return true; });
  };
  press(0);
  press(keyarrowdown);
  press(keyarrowdown);
  EXPECT_EQ(smhover[2], 1) << "DOWN twice: CHANGE MODE is lit";
  EXPECT_EQ(smhover[1], 0);
  press(keyenter);
  EXPECT_EQ(apimode, 1);
  EXPECT_EQ(m.action, 0);
  press(0, plat::paddpadup);
  EXPECT_EQ(smhover[1], 1) << "the D-pad moves the highlight too";
  press(0, plat::padbuttona);
  EXPECT_EQ(m.action, 1) << "A runs the game";
}

TEST_F(StartupTest, ChangeModeTwiceLeavesTheDefault) {
  apimode = 0;
  step(200, 190);
  step(200, 190, true);
  EXPECT_EQ(apimode, 1);
  step(200, 190);
  step(200, 190, true);
  EXPECT_EQ(apimode, 0);
  EXPECT_EQ(m.action, 0);
}

TEST_F(StartupTest, RunGameNeedsTheDisplayMode) {
  modeok = false;
  step(200, 130);
  step(200, 130, true);
  EXPECT_EQ(m.action, 0);
  EXPECT_EQ(m.modeerror, 1);
  modeok = true;
  step(200, 130);
  step(200, 130, true);
  EXPECT_EQ(m.action, 1);
}

TEST_F(StartupTest, QuitCloseBoxAndEscape) {
  step(200, 300);
  step(200, 300, true);
  EXPECT_EQ(m.action, 3);
  m = StartupMenu{.winx = kOriginX, .winy = kOriginY};
  step(0, 0);
  step(465, 14, true);
  EXPECT_EQ(m.action, 3) << "close box";
  m = StartupMenu{.winx = kOriginX, .winy = kOriginY};
  step(0, 0, false, true);
  EXPECT_EQ(m.action, 3) << "Escape";
}

TEST_F(StartupTest, DraggingTheBackgroundMovesTheWindow) {
  step(30, 330);
  step(30, 330, true);
  step(70, 310, true);
  EXPECT_EQ(m.winx, kOriginX + 40);
  EXPECT_EQ(m.winy, kOriginY - 20);
  step(90, 330, true);
  EXPECT_EQ(m.winx, kOriginX + 60);
  EXPECT_EQ(m.winy, kOriginY);
  step(120, 330);  // released
  EXPECT_EQ(m.dragging, 0);
  EXPECT_EQ(m.winx, kOriginX + 60);
}

TEST_F(StartupTest, PressingOnAControlStartsNoDrag) {
  apimode = 0;
  step(200, 190);
  step(200, 190, true);  // CHANGE MODE
  step(260, 250, true);
  EXPECT_EQ(m.dragging, 0);
  EXPECT_EQ(m.winx, kOriginX);
  EXPECT_EQ(m.winy, kOriginY);
  apimode = 0;
}

TEST_F(StartupTest, NoHighlightWithTheCursorOutside) {
  step(200, 130);
  EXPECT_EQ(smhover[1], 1);
  // The window system reports the pointer outside the window although the
  // last position kept in the window lies on RUN GAME.
  plat::RawInput in;
  in.mousex = 200, in.mousey = 130;
  updateinputfrom(in);
  startupstep(m, StartupPointer{200, 130, false, kOriginX - 50, kOriginY + 130}, [] { return true; });
  for (int c = 1; c <= 4; ++c) EXPECT_EQ(smhover[c], 0);
  // Window pixels beyond the window's edges highlight nothing either.
  startupstep(m, StartupPointer{200, -3, true, 0, 0}, [] { return true; });
  for (int c = 1; c <= 4; ++c) EXPECT_EQ(smhover[c], 0);
}

// The hit test reads the pointer in the window's own pixels: a window
// manager that put the drawing area 29 px below where the window was asked
// to go shifts nothing, and the lower half of RUN GAME runs the game.
TEST_F(StartupTest, ControlsReactWhereTheyAreDrawnWhereverTheWindowStands) {
  apimode = 0;
  const int framex = 3, framey = 29;  // the drawing area below a title bar
  auto at = [&](int x, int y, bool left) {
    plat::RawInput in;
    in.mousex = x, in.mousey = y;
    in.mouse[1] = left;
    updateinputfrom(in);
    startupstep(m, StartupPointer{x, y, true, kOriginX + framex + x, kOriginY + framey + y}, [] { return true; });
  };
  at(240, 160, false);  // the lower half of RUN GAME (109..164)
  EXPECT_EQ(smhover[1], 1);
  EXPECT_EQ(smhover[2], 0);
  at(240, 160, true);
  EXPECT_EQ(m.action, 1);
  EXPECT_EQ(apimode, 0) << "the click must not reach CHANGE MODE";
}

TEST_F(StartupTest, QuittingLeavesApiDatAlone) {
  const fs::path old = fs::current_path();
  const fs::path dir = fs::temp_directory_path() / ("rx907_startup_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  fs::current_path(dir);
  const std::vector<char> bytes = {0x45, 0x11, 0, 0, 1, 0, 0, 0};
  {
    std::ofstream f("api.dat", std::ios::binary);
    f.write(bytes.data(), bytes.size());
  }
  const auto stamp = fs::last_write_time("api.dat");
  for (int how = 0; how < 3; ++how) {
    int frames = 0;
    const int action = runstartupmenu([&] {
      plat::RawInput in;
      in.mousex = how == 2 ? 465 : 200;
      in.mousey = how == 2 ? 14 : 300;
      in.key[keyescape] = how == 0 && frames > 0;
      in.mouse[1] = how != 0 && frames == 2;
      ++frames;
      updateinputfrom(in);
    });
    EXPECT_EQ(action, 3);
    EXPECT_LE(frames, 4);
  }
  std::ifstream f("api.dat", std::ios::binary);
  const std::vector<char> after{std::istreambuf_iterator<char>(f), {}};
  EXPECT_EQ(after, bytes);
  EXPECT_EQ(fs::last_write_time("api.dat"), stamp);
  fs::current_path(old);
  fs::remove_all(dir);
}

TEST_F(StartupTest, LoadingGreenRisesBySevenAndFallsBack) {
  load_fonts();
  std::vector<int> greens;
  auto record = [&] {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    ASSERT_TRUE(plat::read_back_buffer(px, w, h));
    int top = 0;
    for (uint32_t p : px) {
      EXPECT_EQ(p & 0x00FF00FFu, 0u) << "only green is drawn";
      top = std::max<int>(top, (p >> 8) & 0xFF);
    }
    greens.push_back(top);
    plat::cls();
  };
  plat::cls();
  const int n = loadingfadein(record);
  EXPECT_EQ(n, 40);
  ASSERT_EQ(greens.size(), 40u);
  // The glyphs' brightest pixels sit a shade under full white.
  for (int i = 0; i < 40; ++i) EXPECT_NEAR(greens[i], std::min(255, 7 * (i + 1)), 1) << "frame " << i + 1;
  greens.clear();
  loadingfadeout(n, record);
  ASSERT_EQ(greens.size(), 40u);
  EXPECT_NEAR(greens.front(), 255, 1);
  EXPECT_NEAR(greens[3], 252, 1);
  EXPECT_NEAR(greens[30], 63, 1);
  EXPECT_EQ(greens.back(), 0);
}

TEST(FrameProbe, PacedDisplayStaysUntimed) {
  // 60 frames a second: 31 frames in a half second gives 62.
  resetprobe(0);
  int last = 0;
  for (int f = 1; f <= 61; ++f) last = probecounter(f * 1000 / 60);
  EXPECT_GT(last, 50);
  EXPECT_LE(last, 70);
  resetprobe(0);
  for (int f = 1; f <= 1000; ++f) last = probecounter(f);  // 1,000 frames a second
  EXPECT_GT(last, 70);
}

}  // namespace
}  // namespace menutest
