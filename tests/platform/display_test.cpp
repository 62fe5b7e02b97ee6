// The headless display, read-back and screenshots, input polling, timers.
#include "platform_fixture.h"

namespace {

using namespace plattest;
using Display = HeadlessDisplay;

TEST_F(Display, HeadlessRunsOnTheSoftwareRendererAtLogicalSize) {
  EXPECT_TRUE(plat::is_headless());
  EXPECT_TRUE(plat::display_open());
  EXPECT_EQ(plat::renderer_in_use(), plat::RendererSoftware);
  EXPECT_EQ(plat::renderer_name(), "Software") << "the debug lines name what really draws";
  EXPECT_TRUE(plat::mode_exists(1024, 768, 32, 0));
  EXPECT_FALSE(plat::mode_exists(1024, 768, 7, 0));
  EXPECT_FALSE(plat::mode_exists(0, 768, 32, 0));
  clear_to(10, 20, 30);
  std::vector<uint32_t> px;
  int w = 0, h = 0;
  ASSERT_TRUE(plat::read_back_buffer(px, w, h));
  EXPECT_EQ(w, 1024);
  EXPECT_EQ(h, 768);
  EXPECT_TRUE(near_rgb(px[0], 10, 20, 30, 0));
  EXPECT_TRUE(near_rgb(px.back(), 10, 20, 30, 0));
}

TEST_F(Display, ScreenshotIsAnRgbPngOfTheBackBuffer) {
  const int img = plat::load_image(solid_png(dir, "r.png", 3, 3, kRed), 1);
  clear_to(0, 0, 80);
  plat::draw_image(img, 500, 400, 0);
  const std::string shot = dir.file("shot.png");
  ASSERT_TRUE(plat::save_screenshot(shot));
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(plat::read_whole(shot, bytes));
  plat::detail::RgbaImage pic;
  ASSERT_TRUE(plat::detail::decode_png(bytes.data(), bytes.size(), pic));
  EXPECT_EQ(pic.width, 1024);
  EXPECT_EQ(pic.height, 768);
  EXPECT_EQ(pic.pixels[400 * 1024 + 501], kRed);
  EXPECT_EQ(pic.pixels[0], 0xFF000050u);
  EXPECT_FALSE(plat::save_screenshot(dir.file("no/folder/shot.png")));
}

TEST_F(Display, ImagesSurviveReopeningTheDisplay) {
  const int img = plat::load_image(solid_png(dir, "g.png", 4, 4, kGreen), 1);
  plat::draw_image(img, 0, 0, 0);
  ASSERT_TRUE(plat::open_display(480, 360, 0, 60, 1));
  int x, y, w, h;
  plat::get_viewport(x, y, w, h);
  EXPECT_EQ(w, 480);
  EXPECT_EQ(h, 360);
  plat::draw_image(img, 470, 350, 0);
  std::vector<uint32_t> px;
  ASSERT_TRUE(plat::read_back_buffer(px, w, h));
  EXPECT_EQ(w, 480);
  EXPECT_EQ(px[351 * 480 + 471] & 0xFFFFFF, 0x00FF00u);

  plat::close_display();
  EXPECT_FALSE(plat::display_open());
  EXPECT_FALSE(plat::read_back_buffer(px, w, h));
  plat::draw_image(img, 0, 0, 0);  // harmless without a display
  plat::draw_text("x", 0, 0);
  ASSERT_TRUE(plat::open_display(1024, 768, 32, 60, 0));
  plat::draw_image(img, 10, 10, 0);
  EXPECT_EQ(at(11, 11), 0x00FF00u);
}

TEST_F(Display, HeadlessInputIsQuietAndThePointerIsVirtual) {
  plat::move_pointer(100, 200);
  plat::RawInput in;
  in.key[65] = true;
  plat::poll_input(in);
  EXPECT_EQ(in.mousex, 100);
  EXPECT_EQ(in.mousey, 200);
  for (bool k : in.key) EXPECT_FALSE(k);
  EXPECT_FALSE(in.mouse[1]);
  EXPECT_LE(in.joycount, 21);
  EXPECT_FALSE(plat::app_suspended());
  EXPECT_FALSE(plat::close_requested());

  plat::move_window(30, 40);
  int gx, gy;
  plat::global_mouse(gx, gy);
  EXPECT_EQ(gx, 130);
  EXPECT_EQ(gy, 240);
}

TEST(Timers, TicksAreCountedAndBadHandlesAreHarmless) {
  const int t = plat::create_timer(1000);
  ASSERT_NE(t, 0);
  const uint32_t before = plat::millisecs();
  EXPECT_GE(plat::wait_timer(t), 1);
  plat::delay(20);
  EXPECT_GE(plat::wait_timer(t), 2);  // missed ticks are reported, not lost
  EXPECT_GE(plat::millisecs() - before, 20u);
  plat::free_timer(t);
  EXPECT_EQ(plat::wait_timer(t), 0);
  EXPECT_EQ(plat::wait_timer(999), 0);
  EXPECT_EQ(plat::create_timer(0), 0);
}

}  // namespace
