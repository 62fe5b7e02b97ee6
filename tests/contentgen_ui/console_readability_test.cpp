// How the console and menu pictures read once drawn: counter digits are
// heavy, outlined and kept in their cells, large text starts at the top of
// its cell, the controlled member's tab stands out by its rim rather than a
// muddy plate, the title's letters are solid on a backing of their own,
// the camera's standby word stays readable and the menu backdrop shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

TEST(ConsoleReadability, CounterDigitsAreHeavyAndStayInsideTheirCells) {
  // Every digit advances the full cell, so ink that strays over a cell's
  // edge lands on its neighbour; and a counter drawn at half size keeps
  // only strokes that are thick in the picture. Under the masked draw (the
  // console) a glyph's solid pixels are its outline and face alone.
  constexpr int kCellW = 31;
  RgbaImage im = decode_rgba_png(read_gfx("numbers.png"));
  ASSERT_TRUE(im.ok());
  ASSERT_EQ(im.width, kCellW * 11);
  for (int f = 0; f <= 10; ++f) {
    SCOPED_TRACE(f);
    const int x0 = f * kCellW;
    int left = kCellW, right = -1, widest_face_run = 0;
    for (int y = 0; y < im.height; ++y) {
      int run = 0;
      for (int x = x0; x < x0 + kCellW; ++x) {
        if (im.alpha(x, y) >= 128) left = std::min(left, x - x0), right = std::max(right, x - x0);
        const bool face = im.alpha(x, y) == 255 && luma(im.at(x, y)) > 150;
        run = face ? run + 1 : 0;
        widest_face_run = std::max(widest_face_run, run);
      }
    }
    EXPECT_GE(left, 1) << "clear of the cell to the left";
    EXPECT_LE(right, kCellW - 2) << "clear of the cell to the right";
    EXPECT_NEAR((left + right) / 2.0, kCellW / 2.0, 2.5) << "centred in its cell";
    EXPECT_GE(widest_face_run, 4) << "strokes thick enough to survive half size";
  }
  const CellInk one = ink(im, 1, kCellW), eight = ink(im, 8, kCellW);
  EXPECT_GT(eight.lit, 150) << "a bold face, not hairlines";
  EXPECT_LT(one.lit, eight.lit) << "digits are told apart by their shapes";
}

TEST(ConsoleReadability, ScoreDrawnAloneOverTheRoomCarriesItsOwnContrast) {
  // The score that rises from a pickup is the counter font drawn blended
  // over slime, walls or the dark at a fading alpha, so the picture itself
  // must hold the contrast: a bright warm face, every edge of it ringed in
  // near black, and a soft shadow falling down and right that the masked
  // console draw cuts away (under half opaque).
  constexpr int kCellW = 31, kFive = 5;
  RgbaImage im = decode_rgba_png(read_gfx("numbers.png"));
  ASSERT_TRUE(im.ok());
  auto lit = [&](int x, int y) { return im.alpha(x, y) == 255 && luma(im.at(x, y)) > 150; };
  const int x0 = kFive * kCellW, x1 = x0 + kCellW;
  int face = 0, warm = 0, edges = 0, ringed = 0;
  for (int y = 0; y < im.height; ++y)
    for (int x = x0; x < x1; ++x) {
      if (lit(x, y)) {
        ++face;
        const uint8_t* p = im.at(x, y);
        warm += p[0] >= 230 && p[0] > p[2] + 40;
      }
      for (int d : {-1, 1}) {
        if (!lit(x, y) || x + d < x0 || x + d >= x1 || lit(x + d, y)) continue;
        ++edges;
        for (int k = 1; k <= 3 && x + k * d >= x0 && x + k * d < x1; ++k)
          if (luma(im.at(x + k * d, y)) < 40 && im.alpha(x + k * d, y) >= 128) {
            ++ringed;
            break;
          }
      }
    }
  EXPECT_GT(face, 120);
  EXPECT_GT(warm * 2, face) << "a warm face, not grey";
  EXPECT_GT(edges, 20);
  EXPECT_GT(ringed * 10, edges * 9) << "the face ringed in near black";
  // The shadow: translucent dark pixels, lying mostly below and right of
  // the glyph's middle.
  long shadow = 0, below_right = 0;
  for (int y = 0; y < im.height; ++y)
    for (int x = x0; x < x1; ++x)
      if (im.alpha(x, y) >= 40 && im.alpha(x, y) < 128 && luma(im.at(x, y)) < 40) {
        ++shadow;
        below_right += (x - x0 > kCellW / 2) + (y > im.height / 2);
      }
  EXPECT_GT(shadow, 40) << "a soft shadow under the digit";
  EXPECT_GT(below_right, shadow) << "the shadow falls down and to the right";
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

TEST(ConsoleReadability, CameraWindowShowsADimStandbyPlateNotDeadSnow) {
  // With no feed drawn over it, the camera window must show something: a
  // trace and labels lit clearly above the snow; yet it stays dark as a
  // whole, so a feed or the text drawn over it reads first.
  RgbaImage im = decode_rgba_png(read_gfx("tab.png"));
  ASSERT_TRUE(im.ok());
  constexpr int x0 = 8, y0 = 53, w = 256, h = 58;  // above the strip the console lays at the foot
  int lit = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) lit += im.at(x, y)[1] > 110;
  EXPECT_GE(lit, 30) << "a lit trace and labels";
  EXPECT_LT(mean_luma(im, x0, y0, w, h), 40) << "a dark plate";
}

TEST(ConsoleReadability, StandbyWordReadsOnBothCameraTabs) {
  // The standby plate's word must stand at least 8 bright rows tall on the
  // one- and the two-player tab alike; a label drawn in tab units shrinks to
  // a 5-pixel smear on the small tab.
  struct Window {
    const char* file;
    int x0, y0, w, h;  // left part of the camera window, above its foot strip
  };
  for (const Window& win : {Window{"tab.png", 8, 53, 112, 58}, Window{"tab2.png", 5, 33, 70, 36}}) {
    RgbaImage im = decode_rgba_png(read_gfx(win.file));
    ASSERT_TRUE(im.ok()) << win.file;
    int run = 0, tallest = 0;
    for (int y = win.y0; y < win.y0 + win.h; ++y) {
      int bright = 0;
      for (int x = win.x0; x < win.x0 + win.w; ++x) bright += im.at(x, y)[1] > 150;
      run = bright >= 3 ? run + 1 : 0;
      tallest = std::max(tallest, run);
    }
    EXPECT_GE(tallest, 8) << win.file;
  }
}

TEST(ConsoleReadability, MenuBackdropShowsItsLeftSideWhileThePanelsPlaceStaysDark) {
  // The corridor's left side must show lit ribs rather than near-black, so
  // the menus do not float on nothing, while the middle the panel covers
  // stays dark enough for the edges of its text to read.
  RgbaImage im = decode_rgba_png(read_gfx("backer.png"));
  ASSERT_TRUE(im.ok());
  std::vector<int> left;
  for (int y = 0; y < im.height; ++y)
    for (int x = 0; x < 128; ++x) left.push_back(luma(im.at(x, y)));
  std::nth_element(left.begin(), left.begin() + left.size() * 95 / 100, left.end());
  EXPECT_GE(left[left.size() * 95 / 100], 50) << "the brightest twentieth of the left side";
  EXPECT_LT(mean_luma(im, 176, 120, 160, 180), 24) << "the panel's place";
}
