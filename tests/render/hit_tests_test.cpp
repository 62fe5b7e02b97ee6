#include <gtest/gtest.h>

#include "render/draw_helpers.h"
#include "render/hit_tests.h"
#include "render/panel.h"
#include "render/text.h"

TEST(HitTests, RectanglesThatTouchOverlap) {
  EXPECT_EQ(rectsoverlap(0, 0, 10, 10, 10, 0, 10, 10), 1);  // shared edge
  EXPECT_EQ(rectsoverlap(0, 0, 10, 10, 0, 10, 10, 10), 1);
  EXPECT_EQ(rectsoverlap(0, 0, 10, 10, 10.5f, 0, 10, 10), 0);
  EXPECT_EQ(rectsoverlap(0, 0, 10, 10, 0, -11, 10, 10), 0);
  EXPECT_EQ(rectsoverlap(0, 0, 100, 100, 40, 40, 5, 5), 1);  // one inside the other
}

TEST(HitTests, WrappedOverlapCrossesTheRoomLoop) {
  // A box at the loop's end meets one at its start.
  EXPECT_EQ(rectsoverlap(3320, 0, 20, 10, 5, 0, 10, 10), 0);
  EXPECT_EQ(wrappedrectsoverlap(3320, 0, 20, 10, 5, 0, 10, 10), 1);
  EXPECT_EQ(wrappedrectsoverlap(5, 0, 10, 10, 3320, 0, 20, 10), 1);
  EXPECT_EQ(wrappedrectsoverlap(1000, 0, 20, 10, 5, 0, 10, 10), 0);
  // Different heights never meet, wrapped or not.
  EXPECT_EQ(wrappedrectsoverlap(3320, 0, 20, 10, 5, 50, 10, 10), 0);
}

TEST(HitTests, CirclesCountSmallSizesAsEight) {
  // Radii 1 and 1 count as 8 and 8: reach 16 / 1.5 = 10.67.
  EXPECT_EQ(circlesoverlap(0, 0, 1, 10, 0, 1), 1);
  EXPECT_EQ(circlesoverlap(0, 0, 1, 11, 0, 1), 0);
  EXPECT_EQ(circlesoverlap(0, 0, 30, 0, 40, 30), 1);  // 60 / 1.5 = 40, inclusive
  EXPECT_EQ(circlesoverlap(0, 0, 30, 0, 40.5f, 30), 0);
}

TEST(Tooltip, WidthFollowsTextAndBoxStaysOnScreen) {
  std::string t = "Ammunition";
  int w = smalltextwidth(t) + 16;
  TooltipBox b = tooltipbox(500, t, 1);
  EXPECT_EQ(b.w, w);
  EXPECT_EQ(b.h, 42);
  EXPECT_FLOAT_EQ(b.x, 500.0f - w / 2);
  EXPECT_FLOAT_EQ(tooltipbox(10, t, 1).x, 0);
  EXPECT_FLOAT_EQ(tooltipbox(1020, t, 0).x, 1024.0f - w);
  EXPECT_FLOAT_EQ(tooltipbox(-50, t, 0).x, 0);
  // Wider than the screen: pinned to the left edge.
  EXPECT_FLOAT_EQ(tooltipbox(300, std::string(300, 'W'), 1).x, 0);
}

TEST(Culling, DrawnBoxFollowsHandleScaleAndMirroring) {
  ScreenBox b = drawnbox(100, 50, 40, 20, 10, 5, 1, 1, 0);
  EXPECT_FLOAT_EQ(b.left, 90);
  EXPECT_FLOAT_EQ(b.right, 130);
  EXPECT_FLOAT_EQ(b.top, 45);
  EXPECT_FLOAT_EQ(b.bottom, 65);
  // Mirrored about the handle: an image drawn at the right screen edge
  // with scale -1 lies left of it, inside the screen.
  ScreenBox m = drawnbox(1024, 0, 122, 514, 0, 0, -1, 1, 0);
  EXPECT_FLOAT_EQ(m.left, 902);
  EXPECT_FLOAT_EQ(m.right, 1024);
  EXPECT_TRUE(boxinviewport(m, 0, 0, 1024, 768));
  // Rotated boxes are bounded generously about the handle.
  ScreenBox r = drawnbox(500, 500, 32, 4, 0, 0, 3, 1, 90);
  EXPECT_LE(r.top, 500);
  EXPECT_GE(r.bottom, 500 + 96);
  EXPECT_FALSE(boxinviewport({1030, 0, 1060, 10}, 0, 0, 1024, 768));
  EXPECT_FALSE(boxinviewport({-40, 0, 0, 10}, 0, 0, 1024, 768));
  EXPECT_TRUE(boxinviewport({-40, 0, 1, 10}, 0, 0, 1024, 768));
}
