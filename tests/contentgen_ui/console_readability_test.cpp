// How the console and menu pictures read once drawn: counters show their
// unlit segments, large text starts at the top of its cell, the controlled
// member's tab stands out by its rim rather than a muddy plate, and the
// title's letters are solid on a backing of their own.
#include <gtest/gtest.h>

#include <string>

#include "rgba_image.h"

namespace {

int luma(const uint8_t* p) { return (p[0] * 299 + p[1] * 587 + p[2] * 114) / 1000; }

// Opaque pixels of one cell of a strip, split into bright (lit) and dim.
struct CellInk {
  int lit = 0, dim = 0;
};
CellInk ink(const RgbaImage& im, int cell, int cell_w) {
  CellInk c;
  for (int y = 0; y < im.height; ++y)
    for (int x = cell * cell_w; x < (cell + 1) * cell_w; ++x) {
      if (im.alpha(x, y) < 128) continue;
      (luma(im.at(x, y)) > 150 ? c.lit : c.dim) += 1;
    }
  return c;
}

double mean_luma(const RgbaImage& im, int x0, int y0, int w, int h) {
  double sum = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) sum += luma(im.at(x, y));
  return sum / (w * h);
}

}  // namespace

TEST(ConsoleReadability, CounterDigitsShowTheirUnlitSegments) {
  constexpr int kCellW = 31, kOne = 1, kEight = 8, kDash = 10;
  RgbaImage im = decode_rgba_png(read_gfx("numbers.png"));
  ASSERT_TRUE(im.ok());
  // A "1" lights two segments and shows the other five faintly, about as
  // much ink as an "8" lights; the dash stands alone.
  const CellInk one = ink(im, kOne, kCellW), eight = ink(im, kEight, kCellW), dash = ink(im, kDash, kCellW);
  EXPECT_GT(one.dim, eight.lit / 2);
  EXPECT_LT(one.lit, eight.lit / 2);
  EXPECT_LT(dash.dim * 3, one.dim) << "no ghost segments around the dash, only its rim";
}

TEST(ConsoleReadability, ScoreDrawnAloneOverTheRoomShowsOnlyItsLitSegments) {
  // The score that rises from a pickup is the counter font drawn blended
  // over the room: its unlit segments must be about half clear (kept by the
  // counters' masked draw, a faint shadow when blended) and every lit
  // segment ringed by a dark outline that holds it against bright walls.
  constexpr int kCellW = 31, kOne = 1;
  RgbaImage im = decode_rgba_png(read_gfx("numbers.png"));
  ASSERT_TRUE(im.ok());
  auto lit = [&](int x, int y) { return im.alpha(x, y) == 255 && luma(im.at(x, y)) > 150; };
  int ghost = 0, edges = 0, ringed = 0;
  for (int y = 0; y < im.height; ++y)
    for (int x = kOne * kCellW; x < (kOne + 1) * kCellW; ++x) {
      const int a = im.alpha(x, y);
      ghost += a >= 128 && a <= 170 && luma(im.at(x, y)) < 100;
      // Going out sideways from a lit segment's edge, near black comes
      // before the clear background.
      for (int d : {-1, 1}) {
        if (!lit(x, y) || x + d < 0 || x + d >= im.width || lit(x + d, y)) continue;
        ++edges;
        for (int k = 1; k <= 3 && x + k * d >= 0 && x + k * d < im.width; ++k) {
          if (luma(im.at(x + k * d, y)) < 40 && im.alpha(x + k * d, y) >= 128) {
            ++ringed;
            break;
          }
        }
      }
    }
  EXPECT_GT(ghost, 200) << "the unlit segments of a 1, about half clear";
  EXPECT_GT(edges, 20);
  EXPECT_GT(ringed * 10, edges * 9) << "lit segments ringed in near black";
  // Beyond the outline a dark shadow under half opaque: the blended score
  // keeps it against slime, the masked counters cut it away.
  int shadow = 0;
  for (int y = 0; y < im.height; ++y)
    for (int x = kOne * kCellW; x < (kOne + 1) * kCellW; ++x)
      shadow += im.alpha(x, y) >= 64 && im.alpha(x, y) < 128 && luma(im.at(x, y)) < 40;
  EXPECT_GT(shadow, 40) << "a soft shadow around the lit segments";
}

TEST(ConsoleReadability, LargeCapitalsStartNearTheTopOfTheirCell) {
  // Text is placed by the top of its cell; empty rows above the capitals
  // push names down into the frames under them.
  constexpr int kCellW = 29, kLetterH = 8;
  RgbaImage im = decode_rgba_png(read_gfx("font.png"));
  ASSERT_TRUE(im.ok());
  int top = im.height;
  for (int y = 0; y < im.height && top == im.height; ++y)
    for (int x = kLetterH * kCellW; x < (kLetterH + 1) * kCellW; ++x)
      if (im.alpha(x, y) >= 128) top = y;
  EXPECT_LE(top, 3);
}

TEST(ConsoleReadability, ControlledTabIsADarkPlateWithANearWhiteRim) {
  for (const char* pair : {"", "2"}) {
    SCOPED_TRACE(pair);
    RgbaImage plain = decode_rgba_png(read_gfx(std::string("tab") + pair + "x.png"));
    RgbaImage lit = decode_rgba_png(read_gfx(std::string("tab") + pair + "z.png"));
    ASSERT_TRUE(plain.ok() && lit.ok());
    // The plate under the name strip, between the vents.
    const int w = lit.width, h = lit.height;
    EXPECT_LT(mean_luma(lit, w / 3, h * 3 / 4, w / 3, h / 8), mean_luma(plain, w / 3, h * 3 / 4, w / 3, h / 8));
    // The rim along the top edge, a couple of pixels in.
    int bright = 0;
    for (int x = w / 4; x < w * 3 / 4; ++x)
      for (int y = 1; y <= 3; ++y) bright += luma(lit.at(x, y)) > 200;
    EXPECT_GT(bright, w / 2 * 0.8);
  }
}

TEST(ConsoleReadability, TitleLettersAreSolidOnABacking) {
  RgbaImage im = decode_rgba_png(read_gfx("title.png"));
  ASSERT_TRUE(im.ok());
  // The backing covers the whole lettering box, so the hazard stripes of
  // the menu never show through between the letters.
  for (int x = 40; x < 520; x += 20) EXPECT_GE(im.alpha(x, 60), 128) << "x " << x;
  // The stem of the R (inset from the plate's edge) is filled metal,
  // bright across its whole width.
  int bright = 0;
  for (int x = 60; x < 110; ++x) bright += luma(im.at(x, 60)) > 120;
  EXPECT_GE(bright, 16);
}
