// The shared painting kit: the pixel passes touch only the pixels they are
// given, and the two ways of hardening alpha keep their rounding.
#include <gtest/gtest.h>

#include "paint_kit/canvas.h"
#include "paint_kit/geometry.h"
#include "paint_kit/goo.h"
#include "paint_kit/pixels.h"
#include "paint_kit/value_detail.h"
#include "contentgen_ui/rgba_image.h"

using contentgen::Canvas;
namespace paint = contentgen::paint;

namespace {

void put(Canvas& c, int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  const uint8_t px[4] = {r, g, b, a};
  c.set_pixel(x, y, px);
}

}  // namespace

TEST(PaintKit, EachPixelVisitsTheClippedRectangleOnly) {
  Canvas c(5, 4);
  int visited = 0;
  paint::each_pixel(c, 3, -2, 10, 4, [&](int x, int y, uint32_t& p) {
    EXPECT_GE(x, 3);
    EXPECT_LT(x, 5);
    EXPECT_GE(y, 0);
    EXPECT_LT(y, 2);
    p = 0xFFFFFFFFu;
    ++visited;
  });
  EXPECT_EQ(visited, 4);
  uint8_t px[4];
  c.get_pixel(4, 1, px);
  EXPECT_EQ(px[3], 255);
  c.get_pixel(2, 1, px);  // outside the rectangle: untouched
  EXPECT_EQ(px[3], 0);
  c.get_pixel(4, 2, px);
  EXPECT_EQ(px[3], 0);
}

TEST(PaintKit, HardenAlphaRoundsOrTruncatesAsAsked) {
  // Premultiplied red 100 at alpha 200 is straight 127.5: truncation gives
  // 127, rounding 128; a pixel under the threshold is cleared either way.
  for (auto how : {paint::Unpremultiply::Truncate, paint::Unpremultiply::Round}) {
    Canvas c(2, 1);
    paint::each_pixel(c, [](int x, int, uint32_t& p) { p = x == 0 ? (200u << 24) | (100u << 16) : (90u << 24) | 90u; });
    paint::harden_alpha(c, 128, how);
    uint8_t px[4];
    c.get_pixel(0, 0, px);
    EXPECT_EQ(px[3], 255);
    EXPECT_EQ(px[0], how == paint::Unpremultiply::Round ? 128 : 127);
    c.get_pixel(1, 0, px);
    EXPECT_EQ(px[3], 0);
  }
}

TEST(PaintKit, EvenColumnsLiftsAColumnOfBlackSeamsAndClippedHighlights) {
  // Period 2: the even columns are half black, half white, so a gain could
  // not move them; the odd columns are a light grey. After one pass both
  // groups sit at the common mean, and the white pixels stay white.
  Canvas c(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const uint8_t v = x % 2 ? 200 : (y < 2 ? 0 : 255);
      put(c, x, y, v, v, v, 255);
    }
  paint::even_columns(c, 0, 2, 1.0);
  double group[2] = {};
  uint8_t px[4];
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      c.get_pixel(x, y, px);
      group[x % 2] += px[1] / 8.0;
      if (x % 2 == 0 && y >= 2) EXPECT_EQ(px[1], 255);
    }
  EXPECT_NEAR(group[0], group[1], 2.0);
  EXPECT_NEAR(group[0], (127.5 + 200) / 2, 3.0);
}

TEST(PaintKit, ShineAndShadeMovesDrawnEdgesButNotTheGrainOfAFlatFace) {
  // A mid-grey plate with faint grain, one bright bevel line and one dark
  // seam: the bevel goes toward white and the seam toward black in every
  // channel alike, while the grain (a few levels) is left as it was.
  Canvas c(20, 12);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 20; ++x) {
      uint8_t v = (x + y) % 3 ? 130 : 138;
      if (x == 5) v = 200;
      if (x == 14) v = 60;
      put(c, x, y, v, v, static_cast<uint8_t>(v * 0.9), 255);
    }
  paint::shine_and_shade(c, 2, 0.6, 0.7);
  uint8_t bevel[4], seam[4], face[4], grain[4];
  c.get_pixel(5, 6, bevel);
  c.get_pixel(14, 6, seam);
  c.get_pixel(10, 7, face);
  c.get_pixel(10, 8, grain);
  EXPECT_GT(bevel[0], 212);
  EXPECT_GT(bevel[2], 195) << "the blue channel shines too";
  EXPECT_LT(seam[0], 35);
  EXPECT_LT(seam[2], 35);
  EXPECT_EQ(face[0], 130);
  EXPECT_EQ(grain[0], 138);
}

TEST(PaintKit, DitheredPngKeepsFaintCoverageAsHalfAlpha) {
  Canvas c(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) put(c, x, y, 40, 200, 40, 64);  // a half-strength glow edge
  auto count_half = [](const RgbaImage& im) {
    int n = 0;
    for (int y = 0; y < im.height; ++y)
      for (int x = 0; x < im.width; ++x) n += im.at(x, y)[3] == 128;
    return n;
  };
  RgbaImage dithered = decode_rgba_png(c.png_dithered());
  RgbaImage hard = decode_rgba_png(c.png());
  ASSERT_TRUE(dithered.ok());
  ASSERT_TRUE(hard.ok());
  EXPECT_EQ(count_half(dithered), 32);  // alpha 64 of 128: every other threshold
  EXPECT_EQ(count_half(hard), 0);       // the hard cut drops the glow
}

TEST(PaintKit, SoftPngKeepsPartialAlphaAndMarksOnlyClearPixels) {
  Canvas c(3, 1);
  put(c, 0, 0, 200, 120, 40, 64);   // a faint glow
  put(c, 1, 0, 0, 0, 0, 0);         // clear
  put(c, 2, 0, 255, 0, 255, 255);   // an opaque pixel that happens to be the mask colour
  RgbaImage im = decode_rgba_png(c.png_soft());
  ASSERT_TRUE(im.ok());
  EXPECT_NEAR(im.at(0, 0)[3], 64, 1);
  const uint8_t* clear = im.at(1, 0);
  EXPECT_TRUE(clear[0] == 255 && clear[1] == 0 && clear[2] == 255 && clear[3] == 0);
  const uint8_t* solid = im.at(2, 0);
  EXPECT_FALSE(solid[0] == 255 && solid[1] == 0 && solid[2] == 255) << "would be keyed out by the loader";
}

TEST(PaintKit, LitGooStaysInsideItsShapesAndTheCallersClip) {
  Canvas c(40, 20);
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, 0, 0, 20, 20);  // only the left half may be painted
  cairo_clip(cr);
  cairo_translate(cr, 100, 100);      // the shapes are given in device pixels whatever the transform
  paint::lit_goo(cr, [](cairo_t* m) {
    cairo_rectangle(m, 5, 5, 30, 10);
    cairo_fill(m);
  });
  uint8_t px[4];
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) {
      c.get_pixel(x, y, px);
      const bool inside = x >= 5 && x < 20 && y >= 5 && y < 15;
      if (inside)
        EXPECT_GE(px[3], 128) << x << "," << y;
      else
        EXPECT_EQ(px[3], 0) << x << "," << y;
    }
}

TEST(PaintKit, KneeBendsToTheAskedSideAndKeepsBoneLengths) {
  const paint::Pt hip{0, 0}, foot{0, 10};
  for (int side : {1, -1}) {
    paint::Pt k = paint::knee(hip, foot, 8, 8, side);
    EXPECT_NEAR(paint::dist(hip, k), 8, 1e-9);
    EXPECT_NEAR(paint::dist(k, foot), 8, 1e-9);
    EXPECT_LT(k.x * side, 0);  // (0, 1) turned a quarter: +1 bends towards -x
  }
}
