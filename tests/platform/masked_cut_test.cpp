// Masked drawing cuts hard: a filtered masked image that is scaled or
// rotated leaves no half-transparent fringe. Every screen pixel it touches
// is either the image's own colour or the untouched background.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "platform_fixture.h"

namespace {

using plattest::kMagenta;
using plattest::kWhite;

constexpr uint32_t kBackground = 0xFF0000;  // red, as 0xRRGGBB
constexpr int kFlagsMasked = 1;
constexpr int kFlagsMaskedFiltered = 3;

class MaskedCut : public plattest::HeadlessDisplay {
 protected:
  // A white disc on the mask colour: its rim is where a fringe would show.
  int disc() {
    const std::string path = plattest::write_png(dir, "disc.png", 16, 16, [](int x, int y) {
      const int dx = 2 * x - 15, dy = 2 * y - 15;
      return dx * dx + dy * dy <= 14 * 14 ? kWhite : kMagenta;
    });
    const int img = plat::load_image(path, kFlagsMaskedFiltered);
    plat::centre_image_handle(img);
    return img;
  }
  // Pixels of the box that are neither white nor the background.
  int fringe(int x0, int y0, int x1, int y1, int& white) {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    EXPECT_TRUE(plat::read_back_buffer(px, w, h));
    int mixed = 0;
    white = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) {
        const uint32_t c = px[static_cast<size_t>(y) * w + x] & 0xFFFFFF;
        if (c == 0xFFFFFF) ++white;
        else if (c != kBackground) ++mixed;
      }
    return mixed;
  }
};

TEST_F(MaskedCut, ScaledAndRotatedMaskedImagesHaveNoFringe) {
  const int img = disc();
  ASSERT_NE(img, 0);
  struct Case {
    float sx, sy, degrees;
  };
  for (const Case c : {Case{2.5f, 2.5f, 0.0f}, Case{0.66f, 0.66f, 0.0f}, Case{3.0f, 1.7f, 0.0f},
                       Case{2.0f, 2.0f, 30.0f}, Case{-2.2f, 2.2f, 45.0f}}) {
    clear_to(255, 0, 0);
    plat::set_blend(plat::BlendMasked);
    plat::set_scale(c.sx, c.sy);
    plat::set_rotation(c.degrees);
    plat::draw_image(img, 200.3f, 150.6f, 0);
    plat::reset_draw_state();
    int white = 0;
    EXPECT_EQ(fringe(120, 70, 280, 230, white), 0) << "scale " << c.sx << "x" << c.sy << " rotation " << c.degrees;
    EXPECT_GT(white, 20) << "the disc itself is drawn";
  }
}

TEST_F(MaskedCut, AlphaBlendedScaledDrawsStaySmooth) {
  // Only the masked blend cuts: an alpha-blended scaled draw keeps its
  // filtered, soft edge.
  const int img = disc();
  clear_to(255, 0, 0);
  plat::set_blend(plat::BlendAlpha);
  plat::set_scale(3.0f, 3.0f);
  plat::draw_image(img, 200.3f, 150.6f, 0);
  plat::reset_draw_state();
  int white = 0;
  EXPECT_GT(fringe(120, 70, 280, 230, white), 0);
}

TEST_F(MaskedCut, MagnifiedDiscFollowsItsCircle) {
  // A magnified masked image cuts where its filtered mask crosses one half,
  // so an edge drawn with partial coverage follows its true line rather
  // than the stairs of whole texels. The same disc drawn with the nearest
  // texel (unfiltered) is the stairs to beat.
  constexpr float kRadius = 6.5f;  // about the 16 x 16 image's centre (8, 8)
  const std::string path = plattest::write_png(dir, "coverage.png", 16, 16, [](int x, int y) {
    int inside = 0;
    for (int j = 0; j < 4; ++j)
      for (int i = 0; i < 4; ++i) {
        const float dx = x + (i + 0.5f) / 4 - 8.0f, dy = y + (j + 0.5f) / 4 - 8.0f;
        inside += dx * dx + dy * dy <= kRadius * kRadius;
      }
    return inside ? static_cast<uint32_t>(inside * 255 / 16) << 24 | 0xFFFFFFu : 0u;
  });
  const int smooth = plat::load_image(path, kFlagsMaskedFiltered);
  const int blocky = plat::load_image(path, kFlagsMasked);
  for (const int img : {smooth, blocky}) plat::centre_image_handle(img);
  // Pixels on the wrong side of the circle, and pixels neither white nor
  // background (there must be none).
  const auto off_circle = [this](int img, float scale) {
    clear_to(255, 0, 0);
    plat::set_blend(plat::BlendMasked);
    plat::set_scale(scale, scale);
    plat::draw_image(img, 200.0f, 150.0f, 0);
    plat::reset_draw_state();
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    EXPECT_TRUE(plat::read_back_buffer(px, w, h));
    // The image lands on whole pixels: its corner and size are truncated.
    const int x0 = static_cast<int>(200.0f - 8 * scale), y0 = static_cast<int>(150.0f - 8 * scale);
    const int side = static_cast<int>(16 * scale);
    const float cx = x0 + side / 2.0f, cy = y0 + side / 2.0f, r = kRadius * side / 16.0f;
    int off = 0, mixed = 0;
    for (int y = 100; y < 200; ++y)
      for (int x = 150; x < 250; ++x) {
        const uint32_t c = px[static_cast<size_t>(y) * w + x] & 0xFFFFFF;
        if (c != 0xFFFFFF && c != kBackground) ++mixed;
        const float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
        if ((c == 0xFFFFFF) != (dx * dx + dy * dy <= r * r)) ++off;
      }
    EXPECT_EQ(mixed, 0) << "scale " << scale;
    return off;
  };
  for (const float scale : {1.3f, 2.0f, 3.4f, 5.0f}) {
    const int stairs = off_circle(blocky, scale), smoothed = off_circle(smooth, scale);
    EXPECT_LT(smoothed * 2, stairs) << "scale " << scale << ": " << smoothed << " off the circle, nearest " << stairs;
  }
}
}  // namespace
