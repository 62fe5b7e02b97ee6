// Blend modes and colour modulation, checked on the pixels they produce.
#include "platform_fixture.h"

namespace {

using namespace plattest;
using Blend = HeadlessDisplay;

TEST_F(Blend, MaskedDiscardsLowAlphaAndReplacesTheRestIgnoringAlpha) {
  // Columns: opaque red, alpha 200 green, alpha 100 green, keyed magenta.
  const uint32_t cols[4] = {kRed, 0xC800FF00u, 0x6400FF00u, kMagenta};
  const int img = plat::load_image(write_png(dir, "m.png", 4, 1, [&](int x, int) { return cols[x]; }), 1);
  ASSERT_NE(img, 0);
  clear_to(0, 0, 255);
  plat::set_blend(plat::BlendMasked);
  plat::set_alpha(0.3f);  // masked drawing is opaque whatever the alpha
  plat::draw_image(img, 10, 10, 0);
  EXPECT_TRUE(near_rgb(at(10, 10), 255, 0, 0, 0));
  EXPECT_TRUE(near_rgb(at(11, 10), 0, 255, 0, 0));
  EXPECT_TRUE(near_rgb(at(12, 10), 0, 0, 255, 0));
  EXPECT_TRUE(near_rgb(at(13, 10), 0, 0, 255, 0));
}

TEST_F(Blend, AlphaMixesImageAndScreenWithGlobalAndPixelAlpha) {
  const int img = plat::load_image(write_png(dir, "a.png", 2, 1, [](int x, int) {
    return x == 0 ? kWhite : 0x80FFFFFFu;  // second pixel half transparent
  }), 0);
  ASSERT_NE(img, 0);
  clear_to(0, 0, 100);
  plat::set_blend(plat::BlendAlpha);
  plat::set_alpha(0.5f);
  plat::draw_image(img, 20, 20, 0);
  EXPECT_TRUE(near_rgb(at(20, 20), 128, 128, 178));
  EXPECT_TRUE(near_rgb(at(21, 20), 64, 64, 139, 3));
  plat::set_alpha(1.0f);
  plat::draw_image(img, 30, 20, 0);
  EXPECT_TRUE(near_rgb(at(30, 20), 255, 255, 255));
  EXPECT_TRUE(near_rgb(at(31, 20), 128, 128, 178));
}

TEST_F(Blend, LightAddsWeightedByAlphaAndSaturates) {
  const int img = plat::load_image(solid_png(dir, "l.png", 1, 1, 0xFF643200u), 0);  // 100, 50, 0
  clear_to(100, 100, 220);
  plat::set_blend(plat::BlendLight);
  plat::draw_image(img, 5, 5, 0);
  EXPECT_TRUE(near_rgb(at(5, 5), 200, 150, 220));
  plat::set_alpha(0.5f);
  plat::draw_image(img, 6, 5, 0);
  EXPECT_TRUE(near_rgb(at(6, 5), 150, 125, 220));
  plat::set_alpha(1.0f);
  plat::draw_image(img, 7, 5, 0);
  plat::draw_image(img, 7, 5, 0);
  plat::draw_image(img, 7, 5, 0);
  EXPECT_TRUE(near_rgb(at(7, 5), 255, 250, 220));
}

TEST_F(Blend, ShadeMultipliesAndLeavesTransparentPixelsAlone) {
  const int img = plat::load_image(write_png(dir, "s.png", 2, 1, [](int x, int) {
    return x == 0 ? 0xFF80FF00u : kMagenta;  // 128, 255, 0 then keyed out
  }), 1);
  clear_to(200, 100, 50);
  plat::set_blend(plat::BlendShade);
  plat::draw_image(img, 40, 40, 0);
  EXPECT_TRUE(near_rgb(at(40, 40), 100, 100, 0));
  EXPECT_TRUE(near_rgb(at(41, 40), 200, 100, 50));
}

TEST_F(Blend, SolidReplacesTheScreenEvenWhereTheImageIsTransparent) {
  const int img = plat::load_image(write_png(dir, "o.png", 2, 1, [](int x, int) {
    return x == 0 ? kGreen : kMagenta;
  }), 1);
  clear_to(0, 0, 255);
  plat::set_blend(plat::BlendSolid);
  plat::set_alpha(0.2f);
  plat::draw_image(img, 50, 50, 0);
  EXPECT_TRUE(near_rgb(at(50, 50), 0, 255, 0, 0));
  EXPECT_NE(at(51, 50), 0x0000FFu);
}

TEST_F(Blend, ColourModulatesTheImage) {
  const int img = plat::load_image(solid_png(dir, "w.png", 2, 2, 0xFFFFFF80u), 0);  // 255, 255, 128
  plat::set_colour(255, 128, 200);
  plat::draw_image(img, 60, 60, 0);
  EXPECT_TRUE(near_rgb(at(61, 61), 255, 128, 100));
  plat::set_colour(255, 255, 255);
  plat::draw_image(img, 60, 60, 0);
  EXPECT_TRUE(near_rgb(at(61, 61), 255, 255, 128, 0));
}

}  // namespace
