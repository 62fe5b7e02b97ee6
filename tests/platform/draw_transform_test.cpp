// Placement by handle and origin, scale and mirroring, rotation about the
// handle, viewport clipping, frame ranges and partial draws.
#include "platform_fixture.h"

namespace {

using namespace plattest;
using Placement = HeadlessDisplay;

// 8 x 4, green with a red top-left pixel: shows where the corner went.
int marked_image(const TempDir& dir) {
  return plat::load_image(write_png(dir, "mark.png", 8, 4, [](int x, int y) {
    return x == 0 && y == 0 ? kRed : kGreen;
  }), 1);
}

TEST_F(Placement, HandleLandsOnPositionPlusOrigin) {
  const int img = marked_image(dir);
  plat::set_image_handle(img, 2, 1);
  plat::set_origin(50, 20);
  plat::draw_image(img, 100, 100, 0);  // handle at (150, 120)
  EXPECT_EQ(at(148, 119), 0xFF0000u);
  EXPECT_EQ(at(149, 119), 0x00FF00u);
  EXPECT_EQ(at(155, 122), 0x00FF00u);
  EXPECT_EQ(at(147, 119), 0u);
  EXPECT_EQ(at(156, 119), 0u);
  EXPECT_EQ(at(148, 123), 0u);
}

TEST_F(Placement, ScaleGrowsAboutTheHandle) {
  const int img = marked_image(dir);
  plat::set_image_handle(img, 2, 1);
  plat::set_scale(2, 2);
  plat::draw_image(img, 150, 120, 0);  // top-left at (146, 118), 16 x 8
  EXPECT_EQ(at(146, 118), 0xFF0000u);
  EXPECT_EQ(at(147, 119), 0xFF0000u);
  EXPECT_EQ(at(148, 118), 0x00FF00u);
  EXPECT_EQ(at(161, 125), 0x00FF00u);
  EXPECT_EQ(at(162, 125), 0u);
  EXPECT_EQ(at(145, 118), 0u);
}

TEST_F(Placement, NegativeScaleMirrorsAcrossTheHandle) {
  const int img = marked_image(dir);
  plat::set_image_handle(img, 2, 1);
  plat::set_scale(-1, 1);
  plat::draw_image(img, 150, 120, 0);
  EXPECT_EQ(at(151, 119), 0xFF0000u);  // left of the handle became right
  EXPECT_EQ(at(150, 119), 0x00FF00u);
  EXPECT_EQ(at(144, 119), 0x00FF00u);
  EXPECT_EQ(at(143, 119), 0u);
  EXPECT_EQ(at(152, 119), 0u);

  clear_to(0, 0, 0);
  plat::set_scale(1, -1);
  plat::draw_image(img, 150, 120, 0);
  EXPECT_EQ(at(148, 120), 0xFF0000u);  // top row became the row below the handle
  EXPECT_EQ(at(148, 117), 0x00FF00u);
  EXPECT_EQ(at(148, 116), 0u);
}

TEST_F(Placement, RotationTurnsClockwiseAboutTheHandle) {
  // 16 x 8 green with a red 4 x 4 block at the top-left; handle at (8, 4).
  const int img = plat::load_image(write_png(dir, "rot.png", 16, 8, [](int x, int y) {
    return x < 4 && y < 4 ? kRed : kGreen;
  }), 1);
  plat::set_image_handle(img, 8, 4);
  plat::set_rotation(90);
  plat::draw_image(img, 300, 300, 0);
  // The block, 8..4 px left of and 4..0 px above the handle, turns to
  // 0..4 px right of and 8..4 px above it.
  EXPECT_EQ(at(302, 294), 0xFF0000u);
  EXPECT_EQ(at(294, 298), 0u);     // where it would be unrotated
  EXPECT_EQ(at(298, 296), 0x00FF00u);
  EXPECT_EQ(at(309, 300), 0u);     // the long side now runs vertically
  EXPECT_EQ(at(300, 306), 0x00FF00u);
}

TEST_F(Placement, ViewportClipsDrawing) {
  const int img = plat::load_image(solid_png(dir, "big.png", 100, 100, kWhite), 1);
  plat::set_viewport(100, 100, 50, 50);
  plat::draw_image(img, 80, 80, 0);
  EXPECT_EQ(at(100, 100), 0xFFFFFFu);
  EXPECT_EQ(at(149, 149), 0xFFFFFFu);
  EXPECT_EQ(at(99, 120), 0u);
  EXPECT_EQ(at(150, 149), 0u);
  EXPECT_EQ(at(120, 150), 0u);

  plat::set_viewport(100, 100, 0, 0);  // an empty viewport draws nothing
  plat::draw_image(img, 300, 300, 0);
  EXPECT_EQ(at(350, 350), 0u);
}

TEST_F(Placement, OnlyFramesInsideTheStripDraw) {
  const uint32_t cells[3] = {kRed, kGreen, kBlue};
  const int strip = plat::load_anim_image(write_png(dir, "strip.png", 12, 4, [&](int x, int) {
    return cells[x / 4];
  }), 4, 4, 0, 3, 1);
  ASSERT_EQ(plat::image_frames(strip), 3);
  plat::draw_image(strip, 10, 10, 3);
  plat::draw_image(strip, 10, 10, -1);
  plat::draw_image(0, 10, 10, 0);
  EXPECT_EQ(at(11, 11), 0u);
  plat::draw_image(strip, 10, 10, 2);
  EXPECT_EQ(at(11, 11), 0x0000FFu);
}

TEST_F(Placement, PartOfAFrameIsPlacedLikeTheFrame) {
  const uint32_t cols[8] = {kRed, kRed, kRed, kRed, kGreen, kBlue, kWhite, kWhite};
  const int img = plat::load_image(write_png(dir, "cols.png", 8, 4, [&](int x, int) { return cols[x]; }), 1);
  plat::draw_image_rect(img, 200, 200, 4, 0, 2, 2, 0);
  EXPECT_EQ(at(200, 200), 0x00FF00u);
  EXPECT_EQ(at(201, 201), 0x0000FFu);
  EXPECT_EQ(at(202, 200), 0u);
  EXPECT_EQ(at(200, 202), 0u);

  plat::set_image_handle(img, 1, 1);
  plat::draw_image_rect(img, 300, 300, 4, 0, 2, 2, 0);
  EXPECT_EQ(at(299, 299), 0x00FF00u);
  EXPECT_EQ(at(301, 299), 0u);
}

TEST_F(Placement, TextDrawsInTheCurrentColour) {
  plat::set_colour(255, 255, 0);
  plat::draw_text("H", 10, 10);
  int lit = 0, other = 0;
  for (int y = 10; y < 18; ++y)
    for (int x = 10; x < 16; ++x) {
      const uint32_t p = at(x, y);
      if (p == 0xFFFF00u) ++lit;
      else if (p != 0) ++other;
    }
  EXPECT_GT(lit, 10);
  EXPECT_EQ(other, 0);
  EXPECT_EQ(at(10, 10), 0xFFFF00u);  // the H's left stem
  EXPECT_EQ(at(12, 10), 0u);
}

}  // namespace
