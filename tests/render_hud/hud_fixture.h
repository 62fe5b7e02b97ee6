// A headless display with every game picture loaded, a squad of six set up
// from the roster, and helpers to press keys and read the screen back.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/ingame.h"
#include "state/archive.h"
#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "input/input.h"
#include "platform/platform.h"
#include "render/hud.h"
#include "render/messages.h"
#include "squad/roster.h"
#include "squad/squad.h"

namespace hudtest {

class Screen : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(plat::init(true));
    if (!plat::display_open()) {
      ASSERT_TRUE(plat::open_display(1024, 768, 0, 60, plat::RendererSoftware));
    }
    register_embedded_archive();
    load_fonts();
    load_all_assets();
    ASSERT_NE(img_font, 0);
    ASSERT_NE(boardimg[1], 0);
  }

  void SetUp() override {
    resetsettings();
    settings[setsound] = 0;
    initroster();
    resetinput();
    numplayers = 1;
    for (int m = 1; m <= 6; ++m) {
      squadchar[m] = m;
      setupmember(m);
    }
    curmember[1] = 1;
    curmember[2] = 4;
    gfxmissing = sfxmissing = 0;
    debugdisplay = 0;
    framedraws = 1;
    for (int& f : debugflags) f = 0;
    messagetimer = 0;
    for (auto& row : teamstat)
      for (int& v : row) v = 0;
    pausestate[panelactive] = pausestate[panelclosing] = 0;
    pausepos = 0;
    pausespeed = 75.0f;
    for (int& f : missionflags) f = 0;
    clear();
  }

  static void clear() {
    plat::reset_draw_state();
    plat::set_cls_colour(0, 0, 0);
    plat::cls();
  }

  // Feeds one frame of input: nothing held, or the key held down. A key
  // reads as hit on the first frame it is held after a frame without it.
  static void input(int key = 0) {
    plat::RawInput in;
    if (key > 0) in.key[key] = true;
    updateinputfrom(in);
  }

  static std::vector<uint32_t> pixels() {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    EXPECT_TRUE(plat::read_back_buffer(px, w, h));
    return px;
  }

  static uint32_t at(int x, int y) { return pixels()[static_cast<size_t>(y) * 1024 + x] & 0xFFFFFF; }

  // Sum of one colour channel (shift 16 red, 8 green, 0 blue) over a box.
  static long channelsum(int x0, int y0, int x1, int y1, int shift) {
    const std::vector<uint32_t> px = pixels();
    long sum = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) sum += (px[static_cast<size_t>(y) * 1024 + x] >> shift) & 0xFF;
    return sum;
  }
};

}  // namespace hudtest
