// The bounce light on a portrait's skin: a black pixel of skin comes up to
// the skin's own dark colour, the darker of two pixels stays the darker,
// and nothing outside the skin's mask moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "paint_kit/canvas.h"
#include "ui_art/portrait_finish.h"
#include "ui_art/portrait_skin.h"

namespace {

using namespace contentgen;

TEST(PortraitSkin, ShadowLiftRaisesBlackKeepsOrderAndStaysOnTheSkin) {
  constexpr int w = 64;
  Canvas c(w, 2);
  // Row 0 a ramp from black to mid grey on the skin, row 1 the same off it.
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t v = static_cast<uint8_t>(x * 2);
      const uint8_t p[4] = {v, v, v, 255};
      c.set_pixel(x, y, p);
    }
  std::vector<float> mask(2 * w, 0.0f);
  std::fill(mask.begin(), mask.begin() + w, 1.0f);
  ui::portrait_skin::lift_shadows(c, mask, {0.5, 0.3, 0.2}, 0.2);
  uint8_t p[4];
  c.get_pixel(0, 0, p);
  EXPECT_GE(p[0], 45) << "black skin was not lifted to the floor";
  EXPECT_GT(p[0], p[2]) << "the lift lost the skin's warmth";
  int last = -1;
  for (int x = 0; x < w; ++x) {
    c.get_pixel(x, 0, p);
    EXPECT_GE(p[0] + 1, last) << "tones swapped order at " << x;
    last = p[0];
    c.get_pixel(x, 1, p);
    EXPECT_EQ(p[0], x * 2) << "a pixel off the skin moved at " << x;
  }
}

// The skin's texture is a soft mottling, not a speckle: a speck a pixel
// wide shimmers when the console draws the portrait at twice its size.
// On an even skin, neighbouring pixels stay within a few levels while the
// skin as a whole still varies.
TEST(PortraitSkin, GrainMottlesBroadlyWithoutPixelSpecks) {
  constexpr int w = 64;
  Canvas c(w, w);
  for (int y = 0; y < w; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t p[4] = {170, 120, 95, 255};
      c.set_pixel(x, y, p);
    }
  const std::vector<float> mask(w * w, 1.0f);
  ui::portrait_skin::grain(c, mask, 7);
  double step = 0, sum = 0, squares = 0;
  int worst = 0;
  for (int y = 0; y < w; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t p[4], q[4];
      c.get_pixel(x, y, p);
      sum += p[0], squares += p[0] * p[0];
      if (x + 1 == w) continue;
      c.get_pixel(x + 1, y, q);
      const int d = std::abs(p[0] - q[0]);
      step += d, worst = std::max(worst, d);
    }
  const double n = w * w, mean = sum / n;
  EXPECT_LT(step / (w * (w - 1)), 1.2) << "the grain speckles pixel by pixel";
  EXPECT_LE(worst, 5) << "a single speck stands out of the skin";
  EXPECT_GT(std::sqrt(squares / n - mean * mean), 0.8) << "the skin has no mottling at all";
}

// The passes that finish a portrait work on each pixel alone. A step that
// weighs a pixel against its neighbours (an unsharp mask, a local
// contrast) rings every contour in a light and a dark halo, which at the
// portrait's size reads as doubled outlines round the eyes and the jaw.
// Across a hard edge, the pixels next to it must come out as the ones far
// from it do.
TEST(PortraitSkin, FinishingPassesLeaveNoRingBesideAnEdge) {
  constexpr int w = 64, h = 16;
  auto edge_picture = [&](Canvas& c) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const uint8_t v = x < w / 2 ? 60 : 200;
        const uint8_t p[4] = {v, static_cast<uint8_t>(v * 0.8), static_cast<uint8_t>(v * 0.6), 255};
        c.set_pixel(x, y, p);
      }
  };
  auto expect_flat_halves = [&](const Canvas& c, const char* pass) {
    uint8_t far_dark[4], near_dark[4], near_bright[4], far_bright[4];
    c.get_pixel(2, h / 2, far_dark);
    c.get_pixel(w / 2 - 1, h / 2, near_dark);
    c.get_pixel(w / 2, h / 2, near_bright);
    c.get_pixel(w - 3, h / 2, far_bright);
    for (int k = 0; k < 3; ++k) {
      EXPECT_NEAR(near_dark[k], far_dark[k], 1) << pass << ": a dark ring along the edge";
      EXPECT_NEAR(near_bright[k], far_bright[k], 1) << pass << ": a light ring along the edge";
    }
  };
  {
    Canvas c(w, h);
    edge_picture(c);
    ui::portrait_finish::settle_for_tints(c, 0.9, 0.37);
    expect_flat_halves(c, "tone pass");
  }
  {
    Canvas c(w, h);
    edge_picture(c);
    const std::vector<float> skin(static_cast<size_t>(w) * h, 1.0f);
    ui::portrait_skin::spread_tones(c, skin, 1.5);
    expect_flat_halves(c, "skin spread");
  }
}

// Spreading the skin's tones pulls the lit and the shaded skin apart about
// their mean, in every channel alike, keeps their order, and leaves every
// pixel off the skin as it was.
TEST(PortraitSkin, ToneSpreadWidensTheSkinOnlyAndKeepsOrder) {
  constexpr int w = 32;
  Canvas c(w, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t v = static_cast<uint8_t>(80 + x * 3);
      const uint8_t p[4] = {v, v, v, 255};
      c.set_pixel(x, y, p);
    }
  std::vector<float> mask(2 * w, 0.0f);
  std::fill(mask.begin(), mask.begin() + w, 1.0f);
  ui::portrait_skin::spread_tones(c, mask, 1.5);
  uint8_t lo[4], hi[4], p[4];
  c.get_pixel(0, 0, lo);
  c.get_pixel(w - 1, 0, hi);
  EXPECT_GT(hi[0] - lo[0], (w - 1) * 3 * 1.4) << "the skin's tones were not spread";
  EXPECT_EQ(lo[0], lo[2]) << "the spread tinted the skin";
  int last = -1;
  for (int x = 0; x < w; ++x) {
    c.get_pixel(x, 0, p);
    EXPECT_GE(p[0], last) << "tones swapped order at " << x;
    last = p[0];
    c.get_pixel(x, 1, p);
    EXPECT_EQ(p[0], 80 + x * 3) << "a pixel off the skin moved at " << x;
  }
}

}  // namespace
