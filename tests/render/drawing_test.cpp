// Text and warnings drawn through the real headless platform, read back
// from the screen.
#include <gtest/gtest.h>

#include <vector>

#include "state/archive.h"
#include "state/assets.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/file_warnings.h"
#include "render/font_tables.h"
#include "render/text.h"

namespace {

struct Ink {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
  int redmax = 0;
};

class Drawing : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(plat::init(true));
    ASSERT_TRUE(plat::open_display(1024, 768, 0, 60, plat::RendererSoftware));
    register_embedded_archive();
    plat::set_mask_colour(255, 0, 255);
    img_font = plat::load_anim_image("incbin::data\\gfx\\font.png", 29, 35, 0, 44, 3);
    img_font3 = plat::load_anim_image("incbin::data\\gfx\\font3.png", 9, 10, 0, 100, 1);
    ASSERT_NE(img_font, 0);
    ASSERT_NE(img_font3, 0);
  }
  static void TearDownTestSuite() {
    plat::free_image(img_font);
    plat::free_image(img_font3);
    img_font = img_font3 = 0;
    plat::close_display();
    plat::shutdown();
  }
  void SetUp() override {
    gfxmissing = sfxmissing = 0;
    plat::set_cls_colour(0, 0, 0);
    plat::cls();
    plat::set_colour(255, 255, 255);
    plat::set_alpha(1);
    plat::set_blend(plat::BlendMasked);
    plat::set_scale(1, 1);
    plat::set_rotation(0);
    plat::set_origin(0, 0);
    plat::set_viewport(0, 0, 1024, 768);
  }

  // Bounding box of every non-black pixel on screen.
  static Ink ink() {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    EXPECT_TRUE(plat::read_back_buffer(px, w, h));
    Ink k;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        uint32_t p = px[static_cast<size_t>(y) * w + x] & 0xFFFFFF;
        if (!p) continue;
        k.left = std::min(k.left, x);
        k.right = std::max(k.right, x);
        k.top = std::min(k.top, y);
        k.bottom = std::max(k.bottom, y);
        k.redmax = std::max(k.redmax, static_cast<int>(p >> 16));
        ++k.count;
      }
    return k;
  }
};

TEST_F(Drawing, GlyphsLandInsideTheirAdvanceFromTheirPosition) {
  drawbigtext(300, 200, "I", 0);
  Ink k = ink();
  ASSERT_GT(k.count, 20);
  EXPECT_GE(k.left, 300);
  EXPECT_LT(k.right, 300 + fonttab::widths_large[9]);
  EXPECT_GE(k.top, 200);
  EXPECT_LT(k.bottom, 200 + 35);
  EXPECT_EQ(gfxmissing, 0);
}

TEST_F(Drawing, CentredTextStraddlesItsX) {
  drawbigtext(512, 100, "AB", 1);
  Ink k = ink();
  ASSERT_GT(k.count, 50);
  EXPECT_GE(k.left, 486);
  EXPECT_LE(k.left, 490);
  EXPECT_LE(k.right, 514 + 20);
  EXPECT_GE(k.right, 530);
}

TEST_F(Drawing, DrawColourTintsTheGlyphs) {
  plat::set_colour(255, 0, 0);
  drawsmalltext(10, 10, "Graphic", 0, 1);
  Ink k = ink();
  ASSERT_GT(k.count, 10);
  EXPECT_EQ(k.redmax, 255);
  std::vector<uint32_t> px;
  int w, h;
  plat::read_back_buffer(px, w, h);
  for (uint32_t p : px) EXPECT_EQ(p & 0x00FFFF, 0u);  // no green or blue anywhere
}

TEST_F(Drawing, OffscreenTextIsCulledAndMissingFontsRaiseTheFlag) {
  drawbigtext(1100, 100, "OFF", 0);
  drawbigtext(100, -50, "OFF", 0);
  EXPECT_EQ(ink().count, 0);
  EXPECT_EQ(gfxmissing, 0);

  int saved = img_font;
  img_font = 0;
  drawbigtext(100, 100, "GONE", 1);
  img_font = saved;
  EXPECT_EQ(ink().count, 0);
  EXPECT_EQ(gfxmissing, 100);

  gfxmissing = 0;
  setimagehandle(0, 3, 3);
  EXPECT_EQ(gfxmissing, 100);
  EXPECT_EQ(imagewidth(0), 0);
  EXPECT_EQ(imageheight(0), 0);
}

TEST_F(Drawing, MissingFileWarningsFadeOverAHundredFrames) {
  gfxmissing = 100;
  sfxmissing = 50;
  EXPECT_EQ(drawfilewarnings(4), 4 + 24);
  Ink first = ink();
  ASSERT_GT(first.count, 0);
  EXPECT_EQ(first.left, 4);
  EXPECT_GE(first.top, 4);
  EXPECT_LT(first.bottom, 4 + 24);
  EXPECT_GT(first.redmax, 240);  // 0.99 strength
  EXPECT_EQ(gfxmissing, 99);
  EXPECT_EQ(sfxmissing, 49);

  // Frame by frame the red weakens; a warning that has run out frees its
  // line.
  int lastred = first.redmax;
  for (int frame = 2; frame <= 60; ++frame) {
    plat::cls();
    int next = drawfilewarnings(30);
    EXPECT_EQ(next, 30 + (frame <= 50 ? 24 : 12)) << frame;
    if (frame % 20 == 0) {
      Ink k = ink();
      EXPECT_LT(k.redmax, lastred);
      EXPECT_GE(k.top, 30);  // below the debug lines
      lastred = k.redmax;
    }
  }
  for (int frame = 61; frame <= 100; ++frame) drawfilewarnings(4);
  EXPECT_EQ(gfxmissing, 0);
  plat::cls();
  EXPECT_EQ(drawfilewarnings(4), 4);
  EXPECT_EQ(ink().count, 0);
  EXPECT_EQ(gfxmissing, 0);
  EXPECT_EQ(plat::get_alpha(), 1.0f);
  EXPECT_EQ(plat::get_blend(), plat::BlendMasked);
}

}  // namespace
