// The present's scaling against plain reference scalers: smooth scaling is
// bilinear with the pixel centres spread evenly and the edges held, within 2
// per channel (the scaler works in 256ths and rounds once per pass); sharp
// scaling takes the source pixel under each target pixel's centre, exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "platform/platform.h"
#include "platform/presented.h"
#include "platform/scaler.h"
#include "platform_fixture.h"

namespace {

using plat::detail::PixelRect;

struct Picture {
  int w = 0, h = 0, pitch_px = 0;
  std::vector<uint32_t> px;
  Picture(int w_, int h_, int pad) : w(w_), h(h_), pitch_px(w_ + pad), px(static_cast<size_t>(pitch_px) * h_, 0xDEADBEEFu) {}
  PixelRect rect() { return PixelRect{px.data(), w, h, pitch_px * 4}; }
  uint32_t at(int x, int y) const { return px[static_cast<size_t>(y) * pitch_px + x]; }
};

int channel(uint32_t p, int c) { return static_cast<int>(p >> (8 * c) & 0xFF); }

// Source position of target pixel i's centre, held inside the picture.
double centre(int i, int s, int n) { return std::clamp((i + 0.5) * s / n - 0.5, 0.0, s - 1.0); }

uint32_t bilinear(const Picture& src, double u, double v) {
  const int x0 = static_cast<int>(u), y0 = static_cast<int>(v);
  const int x1 = std::min(x0 + 1, src.w - 1), y1 = std::min(y0 + 1, src.h - 1);
  const double fx = u - x0, fy = v - y0;
  uint32_t out = 0;
  for (int c = 0; c < 4; ++c) {
    const double top = channel(src.at(x0, y0), c) * (1 - fx) + channel(src.at(x1, y0), c) * fx;
    const double bottom = channel(src.at(x0, y1), c) * (1 - fx) + channel(src.at(x1, y1), c) * fx;
    out |= static_cast<uint32_t>(std::lround(top * (1 - fy) + bottom * fy)) << (8 * c);
  }
  return out;
}

void fill_random(Picture& p, std::mt19937& rng, bool smooth_areas) {
  for (int y = 0; y < p.h; ++y)
    for (int x = 0; x < p.w; ++x) p.px[static_cast<size_t>(y) * p.pitch_px + x] = rng();
  if (!smooth_areas) return;
  // Flat patches too, where any error shows as a step.
  for (int y = 0; y < p.h / 2; ++y)
    for (int x = 0; x < p.w / 2; ++x) p.px[static_cast<size_t>(y) * p.pitch_px + x] = 0xFF808080u;
}

TEST(Scaler, SmoothMatchesBilinearWithinTwoUpAndDownAtEverySize) {
  std::mt19937 rng(25);
  plat::detail::SmoothScaler scaler;  // one scaler across sizes, as the present keeps it
  const int sizes[][4] = {{64, 48, 90, 67},  {64, 48, 64, 48},  {33, 17, 100, 91}, {50, 40, 31, 29},
                          {2, 2, 9, 7},      {1, 5, 7, 11},     {7, 1, 3, 4},      {128, 96, 360, 270},
                          {17, 13, 17, 40},  {100, 3, 250, 3}};
  for (const auto& s : sizes) {
    for (int round = 0; round < 3; ++round) {
      Picture src(s[0], s[1], round), dst(s[2], s[3], 3);
      fill_random(src, rng, round == 1);
      scaler.scale(src.rect(), dst.rect());
      int worst = 0;
      for (int y = 0; y < dst.h; ++y)
        for (int x = 0; x < dst.w; ++x) {
          const uint32_t want = bilinear(src, centre(x, src.w, dst.w), centre(y, src.h, dst.h));
          for (int c = 0; c < 4; ++c) worst = std::max(worst, std::abs(channel(dst.at(x, y), c) - channel(want, c)));
        }
      EXPECT_LE(worst, 2) << s[0] << "x" << s[1] << " -> " << s[2] << "x" << s[3];
      // Nothing beyond each row's pixels is written.
      for (int y = 0; y < dst.h; ++y)
        for (int x = dst.w; x < dst.pitch_px; ++x) ASSERT_EQ(dst.at(x, y), 0xDEADBEEFu);
    }
  }
}

TEST(Scaler, SmoothKeepsFlatColoursAndTheSameSizeExactly) {
  std::mt19937 rng(7);
  plat::detail::SmoothScaler scaler;
  Picture flat(40, 30, 0), big(137, 101, 0);
  std::fill(flat.px.begin(), flat.px.end(), 0xFF3A7FC2u);
  scaler.scale(flat.rect(), big.rect());
  for (uint32_t p : big.px) ASSERT_EQ(p, 0xFF3A7FC2u);
  Picture src(40, 30, 0), same(40, 30, 0);
  fill_random(src, rng, false);
  scaler.scale(src.rect(), same.rect());
  EXPECT_EQ(same.px, src.px);
}

TEST(Scaler, SharpTakesThePixelUnderEachCentre) {
  std::mt19937 rng(9);
  const int sizes[][4] = {{64, 48, 128, 96}, {64, 48, 192, 144}, {64, 48, 80, 60}, {64, 48, 50, 37}, {5, 3, 64, 48}};
  for (const auto& s : sizes) {
    Picture src(s[0], s[1], 1), dst(s[2], s[3], 2);
    fill_random(src, rng, false);
    plat::detail::scale_sharp(src.rect(), dst.rect());
    for (int y = 0; y < dst.h; ++y)
      for (int x = 0; x < dst.w; ++x)
        ASSERT_EQ(dst.at(x, y), src.at((2 * x + 1) * src.w / (2 * dst.w), (2 * y + 1) * src.h / (2 * dst.h)))
            << x << "," << y << " of " << s[2] << "x" << s[3];
  }
}

using PresentedPicture = plattest::HeadlessDisplay;

// The letterboxed picture a 1920 x 1080 window shows: black bars left and
// right, the frame scaled between them.
TEST_F(PresentedPicture, LetterboxesTheFrameBetweenBlackBars) {
  clear_to(200, 40, 10);
  std::vector<uint32_t> px;
  ASSERT_TRUE(plat::presented_picture(px, 1920, 1080));
  ASSERT_EQ(px.size(), 1920u * 1080u);
  const auto at = [&](int x, int y) { return px[static_cast<size_t>(y) * 1920 + x] & 0xFFFFFFu; };
  EXPECT_EQ(at(0, 0), 0u);
  EXPECT_EQ(at(239, 540), 0u);
  EXPECT_EQ(at(240, 540), 0xC8280Au);
  EXPECT_EQ(at(1679, 1079), 0xC8280Au);
  EXPECT_EQ(at(1680, 0), 0u);
  EXPECT_EQ(at(1919, 1079), 0u);
}

}  // namespace
