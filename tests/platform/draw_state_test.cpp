#include "platform_fixture.h"

namespace {

using plattest::HeadlessDisplay;
using DrawState = HeadlessDisplay;

TEST_F(DrawState, SettersClampToMeaningfulRanges) {
  int r, g, b;
  plat::set_colour(300, -5, 128);
  plat::get_colour(r, g, b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 0);
  EXPECT_EQ(b, 128);

  plat::set_alpha(1.5f);
  EXPECT_FLOAT_EQ(plat::get_alpha(), 1.0f);
  plat::set_alpha(-0.25f);
  EXPECT_FLOAT_EQ(plat::get_alpha(), 0.0f);
  plat::set_alpha(0.4f);
  EXPECT_FLOAT_EQ(plat::get_alpha(), 0.4f);

  plat::set_blend(plat::BlendLight);
  plat::set_blend(9);  // unknown modes leave the mode alone
  plat::set_blend(0);
  EXPECT_EQ(plat::get_blend(), plat::BlendLight);

  int x, y, w, h;
  plat::set_viewport(10, 20, -30, 40);
  plat::get_viewport(x, y, w, h);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 20);
  EXPECT_EQ(w, 0);
  EXPECT_EQ(h, 40);
}

TEST_F(DrawState, ResetRestoresEveryDefault) {
  plat::set_colour(1, 2, 3);
  plat::set_alpha(0.5f);
  plat::set_blend(plat::BlendShade);
  plat::set_scale(-2.0f, 3.0f);
  plat::set_rotation(45.0f);
  plat::set_origin(7.0f, 8.0f);
  plat::set_viewport(1, 2, 3, 4);
  float sx, sy, ox, oy;
  plat::get_scale(sx, sy);
  plat::get_origin(ox, oy);
  EXPECT_FLOAT_EQ(sx, -2.0f);
  EXPECT_FLOAT_EQ(sy, 3.0f);
  EXPECT_FLOAT_EQ(plat::get_rotation(), 45.0f);
  EXPECT_FLOAT_EQ(ox, 7.0f);
  EXPECT_FLOAT_EQ(oy, 8.0f);

  plat::reset_draw_state();
  int r, g, b, x, y, w, h;
  plat::get_colour(r, g, b);
  plat::get_scale(sx, sy);
  plat::get_origin(ox, oy);
  plat::get_viewport(x, y, w, h);
  EXPECT_EQ(r + g + b, 3 * 255);
  EXPECT_FLOAT_EQ(plat::get_alpha(), 1.0f);
  EXPECT_EQ(plat::get_blend(), plat::BlendMasked);
  EXPECT_FLOAT_EQ(sx, 1.0f);
  EXPECT_FLOAT_EQ(sy, 1.0f);
  EXPECT_FLOAT_EQ(plat::get_rotation(), 0.0f);
  EXPECT_FLOAT_EQ(ox + oy, 0.0f);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(w, 1024);
  EXPECT_EQ(h, 768);
}

}  // namespace
