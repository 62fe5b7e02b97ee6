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

}  // namespace
