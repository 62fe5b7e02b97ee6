// Tinted drawing: the pixels of tinted copies must be exactly those of SDL's
// own colour modulation, whatever colours follow one another on the same
// frame, and after the renderer is opened again.
#include "platform_fixture.h"

namespace {

using namespace plattest;
using TintedDraw = HeadlessDisplay;

// What colour modulation gives for channel c under m.
int modulated(int c, int m) { return c * m / 255; }

TEST_F(TintedDraw, TintedCopiesRoundAsColourModulationInEveryOpaqueBlend) {
  // Opaque channels chosen to round differently, a keyed-out pixel, and a
  // half-transparent one that masked drawing shows fully.
  const uint32_t cols[3] = {0xFFC80164u, kMagenta, 0x90FF80FFu};
  const int img = plat::load_image(write_png(dir, "t.png", 3, 1, [&](int x, int) { return cols[x]; }), 1);
  ASSERT_NE(img, 0);
  clear_to(0, 0, 40);
  plat::set_colour(100, 254, 128);
  plat::set_blend(plat::BlendMasked);
  plat::draw_image(img, 10, 10, 0);
  EXPECT_TRUE(near_rgb(at(10, 10), modulated(200, 100), modulated(1, 254), modulated(100, 128), 0));
  EXPECT_TRUE(near_rgb(at(11, 10), 0, 0, 40, 0));
  EXPECT_TRUE(near_rgb(at(12, 10), modulated(255, 100), modulated(128, 254), modulated(255, 128), 0));

  const int opaque = plat::load_image(solid_png(dir, "o.png", 2, 2, 0xFFC80164u), 0);
  ASSERT_NE(opaque, 0);
  for (int blend : {plat::BlendSolid, plat::BlendAlpha}) {
    plat::set_blend(blend);
    plat::draw_image(opaque, 20, 10, 0);
    EXPECT_TRUE(near_rgb(at(21, 11), modulated(200, 100), modulated(1, 254), modulated(100, 128), 0))
        << "blend " << blend;
  }
}

TEST_F(TintedDraw, EachDrawUsesItsOwnColourAcrossManyColoursOfOneFrame) {
  const int img = plat::load_image(solid_png(dir, "w.png", 1, 1, 0xFFF0B478u), 0);  // 240, 180, 120
  ASSERT_NE(img, 0);
  // More colours than the frame keeps tinted copies of, with repeats.
  const int tints[][3] = {{255, 0, 0}, {0, 255, 0}, {255, 0, 0}, {10, 20, 30},
                          {200, 200, 200}, {0, 0, 255}, {255, 0, 0}, {255, 255, 255}, {0, 255, 0}};
  int x = 100;
  for (const auto& t : tints) {
    plat::set_colour(t[0], t[1], t[2]);
    plat::draw_image(img, static_cast<float>(x++), 50, 0);
  }
  x = 100;
  for (const auto& t : tints)
    EXPECT_TRUE(near_rgb(at(x++, 50), modulated(240, t[0]), modulated(180, t[1]), modulated(120, t[2]), 0))
        << "tint " << t[0] << "," << t[1] << "," << t[2];
}

TEST_F(TintedDraw, ScaledAndRotatedTintedDrawsStillTint) {
  const int img = plat::load_image(solid_png(dir, "s.png", 4, 4, kWhite), 0);
  ASSERT_NE(img, 0);
  plat::set_colour(0, 128, 255);
  plat::set_scale(2, 2);
  plat::draw_image(img, 200, 200, 0);
  EXPECT_TRUE(near_rgb(at(205, 205), 0, 128, 255));
  plat::set_scale(1, 1);
  plat::set_rotation(90);
  plat::draw_image(img, 300, 200, 0);
  EXPECT_TRUE(near_rgb(at(298, 201), 0, 128, 255));
}

TEST_F(TintedDraw, TintedCopiesAreRebuiltForANewRenderer) {
  const int img = plat::load_image(solid_png(dir, "r.png", 2, 2, 0xFF808080u), 0);
  ASSERT_NE(img, 0);
  plat::set_colour(255, 0, 0);
  plat::draw_image(img, 40, 40, 0);
  ASSERT_TRUE(near_rgb(at(40, 40), 128, 0, 0, 0));
  plat::close_display();
  ASSERT_TRUE(plat::open_display(1024, 768, 32, 60, 0));
  plat::reset_draw_state();
  clear_to(0, 0, 0);
  plat::set_colour(255, 0, 0);
  plat::draw_image(img, 40, 40, 0);
  EXPECT_TRUE(near_rgb(at(40, 40), 128, 0, 0, 0));
}

}  // namespace
