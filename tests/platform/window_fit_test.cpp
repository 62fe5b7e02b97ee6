// Where the game's window goes on a desktop: whole where it fits with the
// window manager's frame, scaled down in shape where it does not, always
// inside the work area.
#include <gtest/gtest.h>

#include "platform/window_fit.h"

namespace {

using plat::fit_window;
using plat::FrameSize;
using plat::WindowBox;

void expect_inside(const WindowBox& b, const WindowBox& work, const FrameSize& f) {
  EXPECT_GE(b.x - f.left, work.x);
  EXPECT_GE(b.y - f.top, work.y);
  EXPECT_LE(b.x + b.w + f.right, work.x + work.w);
  EXPECT_LE(b.y + b.h + f.bottom, work.y + work.h);
}

TEST(WindowFit, AWindowThatFitsKeepsThePictureSizeCentred) {
  const WindowBox work{0, 0, 1920, 1080};
  const FrameSize frame{20, 1, 1, 1};
  const WindowBox b = fit_window(work, frame, 1024, 768);
  EXPECT_EQ(b.w, 1024);
  EXPECT_EQ(b.h, 768);
  EXPECT_EQ(b.x, 1 + (1918 - 1024) / 2);
  EXPECT_EQ(b.y, 20 + (1059 - 768) / 2);
  expect_inside(b, work, frame);
}

// 800 x 600 with a 24 px panel at the bottom and a 29 px title bar: the
// whole frame, title bar included, stays on the desktop, 4:3 kept.
TEST(WindowFit, ASmallDesktopGetsAScaledWindowWithItsTitleBarOnScreen) {
  const WindowBox work{0, 0, 800, 576};
  const FrameSize frame{29, 4, 4, 4};
  const WindowBox b = fit_window(work, frame, 1024, 768);
  EXPECT_EQ(b.h, 576 - 29 - 4);
  EXPECT_EQ(b.w, b.h * 4 / 3);
  expect_inside(b, work, frame);
  EXPECT_GE(b.y - frame.top, 0) << "the title bar must not leave the screen";

  // A narrow, tall area is limited by its width instead.
  const WindowBox tall{100, 50, 600, 1000};
  const WindowBox t = fit_window(tall, FrameSize{}, 1024, 768);
  EXPECT_EQ(t.w, 600);
  EXPECT_EQ(t.h, 450);
  expect_inside(t, tall, FrameSize{});
}

// Wayland and Xwayland tell neither the frame nor the panels: a 1024 x 768
// picture on a 1024 x 768 output still gets a window with room round it.
TEST(WindowFit, AnUnknownFrameLeavesRoomOnTheOutput) {
  const WindowBox output{0, 0, 1024, 768};
  const WindowBox b = fit_window(output, plat::unknown_frame, 1024, 768);
  expect_inside(b, output, plat::unknown_frame);
  EXPECT_GE(b.y, 32 + 24) << "room for a panel and a title bar above";
  EXPECT_LT(b.h, 768 - 64);
  EXPECT_EQ(b.w * 3, b.h * 4);
}

TEST(WindowFit, AnOffsetWorkAreaPlacesTheWindowWithinIt) {
  // A panel on the left and one at the top of a second monitor.
  const WindowBox work{1920 + 48, 30, 1280 - 48, 1024 - 30};
  const WindowBox b = fit_window(work, FrameSize{}, 1024, 768);
  EXPECT_EQ(b.w, 1024);
  expect_inside(b, work, FrameSize{});
}

}  // namespace
