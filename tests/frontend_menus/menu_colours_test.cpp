// Row colours read back from the screen: the slot lists of LOAD GAME and
// SAVE GAME, the name caret, and the KEYS row waiting for a key.
#include <algorithm>
#include <filesystem>
#include <random>

#include "frontend/save_screens.h"
#include "frontend/savegame.h"
#include "frontend/textentry.h"
#include "input/keycodes.h"
#include "menu_fixture.h"

namespace menutest {
namespace {

namespace fs = std::filesystem;

class MenuColours : public MenuTest {
 protected:
  static void SetUpTestSuite() {
    MenuTest::SetUpTestSuite();
    if (!plat::display_open()) plat::open_display(1024, 768, 0, 60, plat::RendererSoftware);
    load_fonts();
    load_all_assets();
  }
  void SetUp() override {
    MenuTest::SetUp();
    std::random_device rd;
    dir = fs::temp_directory_path() / ("rx907_colours_" + std::to_string(rd()));
    savesdir = (dir / "saves").string();
    typingslot = 0;
  }
  void TearDown() override {
    savesdir = "saves";
    std::error_code ec;
    fs::remove_all(dir, ec);
  }

  static void clear() {
    plat::reset_draw_state();
    plat::set_cls_colour(0, 0, 0);
    plat::cls();
  }
  // Brightest red, green and blue over a row of the panel's inside.
  struct Peak {
    int r = 0, g = 0, b = 0;
  };
  static Peak peak(int x0, int x1, int y) {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    EXPECT_TRUE(plat::read_back_buffer(px, w, h));
    Peak p;
    for (int yy = y; yy < y + itemheight; ++yy)
      for (int x = x0; x < x1; ++x) {
        const uint32_t c = px[static_cast<size_t>(yy) * 1024 + x];
        p.r = std::max(p.r, int(c >> 16 & 255));
        p.g = std::max(p.g, int(c >> 8 & 255));
        p.b = std::max(p.b, int(c & 255));
      }
    return p;
  }
  static int rowpeak(int state, int item) { return peak(200, 824, slotitemy(state, item)).r; }

  fs::path dir;
};

TEST_F(MenuColours, LoadGameRowsShowSelectedPlainAndSkippedApart) {
  ASSERT_EQ(savegame("save_1", 1, "FIRST"), 1);
  ASSERT_EQ(savegame("save_3", 1, "THIRD"), 1);
  enterslotscreen(stateloadgame);
  ASSERT_EQ(menusel, 1);
  selpulse = 0, seldir = 0;
  clear();
  drawslotscreen(stateloadgame);
  EXPECT_NEAR(rowpeak(stateloadgame, 1), 165, 3) << "selected, at the bottom of its pulse";
  EXPECT_NEAR(rowpeak(stateloadgame, 3), 100, 3) << "selectable";
  EXPECT_NEAR(rowpeak(stateloadgame, 2), 33, 3) << "empty slot, skipped";
  EXPECT_NEAR(rowpeak(stateloadgame, 8), 100, 3) << "CANCEL";

  // The pulse brightens the selected row up to full white.
  selpulse = 20;
  clear();
  drawslotscreen(stateloadgame);
  EXPECT_NEAR(rowpeak(stateloadgame, 1), 225, 3);
  selpulse = 40;  // just after a change of selection
  clear();
  drawslotscreen(stateloadgame);
  EXPECT_NEAR(rowpeak(stateloadgame, 1), 255, 1);
}

TEST_F(MenuColours, SaveGameCaretPulsesFromDimToFull) {
  enterslotscreen(statesavegame);
  typingslot = 2;
  editline[0].clear();  // the caret alone in its row
  const int y = slotitemy(statesavegame, 2);
  const auto caret = [&](int pulse) {
    selpulse = pulse;
    clear();
    drawslotscreen(statesavegame);
    return peak(500, 540, y - 2).r;
  };
  // The caret picture is not pure white: compare with its full brightness.
  const int full = caret(30);
  ASSERT_GT(full, 100);
  EXPECT_NEAR(caret(0), full * 45 / 255, 3);
  EXPECT_NEAR(caret(15), full * 150 / 255, 3);
  EXPECT_EQ(caret(40), full) << "held at full just after a change of selection";
}

TEST_F(MenuColours, TheKeysRowWaitingForAKeyIsPureYellow) {
  keysplayer = 1;
  enter(8);
  tap(keyenter);
  ASSERT_EQ(capturing, 1);
  frame(still());
  const int y = menuitemy(menulayout(9), 1);
  const Peak row = peak(180, 840, y);
  EXPECT_GE(row.r, 254);
  EXPECT_GE(row.g, 254);
  EXPECT_LT(row.b, 40) << "only the panel's dark inside";
}

// Two actions on one key: both rows stay orange for as long as they share
// it (the message line's warning fades within two seconds), and only they.
TEST_F(MenuColours, KeysRowsThatShareAKeyStayOrangeWhileTheyShare) {
  keysplayer = 1;
  enter(8);  // player 1's binding list
  ASSERT_EQ(gamestate, statekeysbindings);
  auto orange = [&](int action) {
    const Peak row = peak(180, 840, menuitemy(menulayout(9), action));
    return row.r > 60 && row.g * 10 > row.r * 4 && row.g * 10 < row.r * 8 && row.b * 10 < row.r * 3;
  };
  resetbindings();
  keys[1][actuse] = keys[1][actup];
  frame(still());
  EXPECT_TRUE(orange(actup));
  EXPECT_TRUE(orange(actuse));
  EXPECT_FALSE(orange(actleft));
  keys[1][actuse] = letterkey('Q');
  frame(still());
  EXPECT_FALSE(orange(actup));
  EXPECT_FALSE(orange(actuse));
  resetbindings();
}

}  // namespace
}  // namespace menutest
