// The message line and the debug/cheat overlay, drawn through the real
// headless display.
#include "hud_fixture.h"
#include "render/overlay.h"
#include "render/text.h"

namespace {

using hudtest::Screen;

using MessageLine = Screen;

TEST_F(MessageLine, ShowsForAHundredFramesFadingAndANewPostReplacesIt) {
  postmessage("Game saved", 300, 0);
  EXPECT_EQ(messagetimer, 100);
  drawmessageline();
  countdownmessage();
  // Yellow text on the middle of the screen at full strength.
  const long red1 = channelsum(400, 300, 624, 335, 16);
  const long blue1 = channelsum(400, 300, 624, 335, 0);
  EXPECT_GT(red1, 0);
  EXPECT_GT(red1, blue1 * 3);
  for (int i = 0; i < 70; ++i) drawmessageline(), countdownmessage();
  clear();
  drawmessageline();
  // Dimmer after 71 frames.
  const long red2 = channelsum(400, 300, 624, 335, 16);
  EXPECT_GT(red2, 0);
  EXPECT_LT(red2, red1 / 2);

  postmessage("ERROR: Unable to save options", 500, 1);
  EXPECT_EQ(messagetimer, 100);
  EXPECT_EQ(messagetext, "ERROR: Unable to save options");
  clear();
  drawmessageline();
  countdownmessage();
  EXPECT_EQ(channelsum(0, 290, 1024, 340, 16), 0) << "old message still drawn";
  EXPECT_GT(channelsum(200, 500, 824, 535, 16), 0);
  EXPECT_EQ(channelsum(200, 500, 824, 535, 8), 0) << "an error is pure red";

  for (int i = 0; i < 99; ++i) drawmessageline(), countdownmessage();
  EXPECT_EQ(messagetimer, 0);
  clear();
  drawmessageline();
  EXPECT_EQ(channelsum(0, 0, 1024, 768, 16), 0);
}

TEST_F(MessageLine, BackdropIsCentredAndFitsTheText) {
  const MessageBox box = messagebox("Game saved");
  const int w = bigtextwidth("Game saved") + 8;
  EXPECT_FLOAT_EQ(box.w, static_cast<float>(w));
  EXPECT_NEAR(box.x + box.w / 2, 512, 1.5);
}

TEST_F(MessageLine, AnErrorReadsOverARedRoomAndALongOneFitsTheView) {
  // A red room behind the line: the backing and outline keep dark pixels
  // around the red letters.
  plat::set_cls_colour(150, 0, 0);
  plat::cls();
  postmessage("ERROR: Unable to quicksave", 192, 1);
  drawmessageline();
  const std::vector<uint32_t> px = pixels();
  int dark = 0, bright = 0;
  for (int y = 188; y < 232; ++y)
    for (int x = 300; x < 724; ++x) {
      const int red = (px[static_cast<size_t>(y) * 1024 + x] >> 16) & 0xFF;
      dark += red < 50;
      bright += red > 200;
    }
  EXPECT_GT(dark, 2000) << "the letters stand on a dark ground";
  EXPECT_GT(bright, 200);

  const MessageBox wide = messagebox("ERROR: Unable to save screenshot");
  EXPECT_LE(wide.w, 760.0f);
  EXPECT_GE(wide.x, 122) << "inside the 780-pixel view";
}

using Overlay = Screen;

TEST(OverlayLines, ReportTheReadings) {
  const auto lines = debuglines(59, "OpenGL", false, 2);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "FPS: 59");
  EXPECT_EQ(lines[1], "MODE: OpenGL");
  EXPECT_EQ(lines[2], "Timer-Limited: No");
  EXPECT_EQ(lines[3], "Joysticks Detected: 2");
  EXPECT_EQ(debuglines(60, "Software", true, 0)[1], "MODE: Software");
  EXPECT_EQ(debuglines(60, "Software", true, 0)[2], "Timer-Limited: Yes");
}

TEST_F(Overlay, DrawsNothingUnlessDebugOrCheatModeIsOn) {
  overlayheight = 4;
  drawoverlay();
  EXPECT_EQ(channelsum(0, 0, 200, 120, 8), 0);
  EXPECT_EQ(overlayheight, 4);

  debugflags[cheatmode] = 1;
  drawoverlay();
  // Five red cheat lines and no debug lines.
  EXPECT_EQ(overlayheight, 4 + 5 * 12);
  EXPECT_GT(channelsum(4, 4, 120, 14, 16), 0);

  debugflags[cheatmode] = 0;
  debugdisplay = 1;
  drawoverlay();
  EXPECT_EQ(overlayheight, 4 + 4 * 12);
}

TEST_F(Overlay, BackdropFollowsThePreviousFramesLinesAndWarningsComeLast) {
  debugdisplay = 1;
  overlayheight = 4;
  gfxmissing = 100;
  drawoverlay();
  // Four debug lines, then the warning on the fifth.
  EXPECT_EQ(overlayheight, 4 + 5 * 12);
  EXPECT_EQ(gfxmissing, 99);
  EXPECT_GT(channelsum(4, 52, 140, 62, 16), 0);
  // The first frame's backdrop was only as tall as the frame before it.
  EXPECT_EQ(channelsum(140, 20, 147, 60, 8), 0);

  clear();
  drawoverlay();
  // Now the backdrop reaches down past the debug lines to the warning.
  EXPECT_GT(channelsum(140, 20, 147, 60, 8), 0);
  EXPECT_EQ(channelsum(150, 20, 160, 60, 8), 0) << "backdrop wider than 147";
}

}  // namespace
