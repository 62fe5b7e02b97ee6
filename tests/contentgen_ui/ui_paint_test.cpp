// The pixel-level helpers behind the pictures: PNG output keeps the keying
// rules of the loader, and the mirror and alpha hardening passes move and
// keep the right pixels.
#include <gtest/gtest.h>

#include "paint_kit/canvas.h"
#include "rgba_image.h"
#include "ui_art/console_metal.h"

using contentgen::Canvas;

namespace {

void put(Canvas& c, int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  const uint8_t px[4] = {r, g, b, a};
  c.set_pixel(x, y, px);
}

}  // namespace

TEST(UiPaint, PngOutputKeysFaintPixelsAndNudgesDrawnKeyColour) {
  Canvas c(4, 1);
  put(c, 0, 0, 10, 200, 30, 255);   // ordinary opaque
  put(c, 1, 0, 200, 200, 200, 90);  // faint: becomes the key
  put(c, 2, 0, 255, 0, 255, 255);   // drawn magenta: must stay visible
  put(c, 3, 0, 0, 0, 0, 0);         // empty
  RgbaImage im = decode_rgba_png(c.png());
  ASSERT_TRUE(im.ok());
  EXPECT_EQ(im.at(0, 0)[1], 200);
  EXPECT_EQ(im.alpha(0, 0), 255);
  for (int x : {1, 3}) {
    EXPECT_EQ(im.alpha(x, 0), 0);
    EXPECT_EQ(im.at(x, 0)[0], 255);
    EXPECT_EQ(im.at(x, 0)[1], 0);
    EXPECT_EQ(im.at(x, 0)[2], 255);
  }
  EXPECT_EQ(im.alpha(2, 0), 255);
  EXPECT_NE(im.at(2, 0)[0], 255);

  // Keyed on black: a drawn black pixel is nudged, empty ones turn black.
  Canvas k(2, 1);
  put(k, 0, 0, 0, 0, 0, 255);
  RgbaImage kb = decode_rgba_png(k.png(contentgen::kBlack));
  EXPECT_EQ(kb.alpha(0, 0), 255);
  EXPECT_GT(kb.at(0, 0)[0] + kb.at(0, 0)[1] + kb.at(0, 0)[2], 0);
  EXPECT_EQ(kb.alpha(1, 0), 0);
  EXPECT_EQ(kb.at(1, 0)[0] + kb.at(1, 0)[1] + kb.at(1, 0)[2], 0);
}

TEST(UiPaint, OpaquePngCompositesOntoBlack) {
  Canvas c(2, 1);
  put(c, 0, 0, 200, 100, 50, 255);
  put(c, 1, 0, 200, 100, 50, 128);
  RgbaImage im = decode_rgba_png(c.png_opaque());
  ASSERT_TRUE(im.ok());
  EXPECT_EQ(im.alpha(1, 0), 255);
  EXPECT_EQ(im.at(0, 0)[0], 200);
  EXPECT_NEAR(im.at(1, 0)[0], 100, 2);
  EXPECT_NEAR(im.at(1, 0)[1], 50, 2);
}

TEST(UiPaint, MirrorAndHardenMoveAndKeepTheRightPixels) {
  Canvas c(5, 2);
  put(c, 0, 0, 255, 0, 0, 255);
  put(c, 1, 1, 0, 255, 0, 200);  // above half: kept, made opaque
  put(c, 3, 1, 0, 0, 255, 60);   // below half: dropped
  contentgen::ui::mirror_horizontally(c);
  contentgen::ui::harden_alpha(c);
  uint8_t px[4];
  c.get_pixel(4, 0, px);
  EXPECT_EQ(px[0], 255);
  EXPECT_EQ(px[3], 255);
  c.get_pixel(0, 0, px);
  EXPECT_EQ(px[3], 0);
  c.get_pixel(3, 1, px);
  EXPECT_EQ(px[3], 255);
  EXPECT_NEAR(px[1], 255, 2);
  c.get_pixel(1, 1, px);
  EXPECT_EQ(px[3], 0);
}
