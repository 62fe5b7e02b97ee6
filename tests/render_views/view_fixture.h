// A headless display with every game picture loaded, and a clean complex:
// one room band to draw, a squad of six, empty effect lists.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "state/archive.h"
#include "state/assets.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "creatures/effects.h"
#include "platform/platform.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace viewtest {

constexpr int kRoom = 10;

class ViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(plat::init(true));
    register_embedded_archive();
    if (!plat::display_open()) {
      ASSERT_TRUE(plat::open_display(1024, 768, 0, 60, plat::RendererSoftware));
    }
    load_fonts();
    load_all_assets();
    initworldtables();
    initroster();
  }
  void SetUp() override {
    std::memset(rooms, 0, sizeof rooms);
    std::memset(mapgridrot, 0, sizeof mapgridrot);
    clearlists();
    for (UsePrompt& u : useprompt) u = UsePrompt{};
    for (int m = 1; m <= 6; ++m) {
      squadchar[m] = m;
      setupmember(m);
    }
    for (int i = 1; i <= 10; ++i) settings[i] = 0;
    debugflags[cheatmode] = debugflags[cheatnightvision] = 0;
    numplayers = 1;
    curmember[1] = 1;
    curmember[2] = 0;
    walkframe = 0;
    cyclephase = 1;
    pulselevel = 0;
    gfxmissing = 0;
    rooms[kRoom][roomrecord][roomid] = kRoom;
    place(1, kRoom, 0, 512, 200);
    clear();
  }
  static void place(int m, int room, int scroll, int x, int y) {
    squad[m][mroom] = room;
    squad[m][mscroll] = scroll;
    squad[m][mcrossx] = x;
    squad[m][mcrossy] = y;
  }
  static void clear() {
    plat::reset_draw_state();
    plat::set_cls_colour(0, 0, 0);
    plat::cls();
  }
  // The screen as 0xRRGGBB.
  static std::vector<uint32_t> screen() {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    EXPECT_TRUE(plat::read_back_buffer(px, w, h));
    for (uint32_t& p : px) p &= 0xFFFFFF;
    return px;
  }
  static uint32_t at(const std::vector<uint32_t>& px, int x, int y) { return px[static_cast<size_t>(y) * 1024 + x]; }
  static int level(uint32_t p) { return std::max({int(p >> 16 & 255), int(p >> 8 & 255), int(p & 255)}); }
  // Brightest channel over a screen rectangle.
  static int brightest(const std::vector<uint32_t>& px, int x0, int y0, int x1, int y1) {
    int best = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) best = std::max(best, level(at(px, x, y)));
    return best;
  }
  // Pixels brighter than `min` in a screen rectangle.
  static int lit(const std::vector<uint32_t>& px, int x0, int y0, int x1, int y1, int min = 8) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += level(at(px, x, y)) > min;
    return n;
  }
};

}  // namespace viewtest
