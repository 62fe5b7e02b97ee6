// The rules that turn game values into what the console shows.
#include <gtest/gtest.h>

#include "render/hud.h"

namespace {

TEST(MissionClock, FormatsHoursMinutesSecondsFromFrames) {
  EXPECT_EQ(missionclocktext(0), "Mission Time: 00:00:00");
  EXPECT_EQ(missionclocktext(216000 + 2 * 3600 + 3 * 60), "Mission Time: 01:02:03");
  // Partial seconds are dropped, never rounded up.
  EXPECT_EQ(missionclocktext(59), "Mission Time: 00:00:00");
  EXPECT_EQ(missionclocktext(3599), "Mission Time: 00:00:59");
  // Exact boundaries land on the new minute and hour.
  EXPECT_EQ(missionclocktext(3600), "Mission Time: 00:01:00");
  EXPECT_EQ(missionclocktext(216000), "Mission Time: 01:00:00");
  EXPECT_EQ(missionclocktext(12 * 216000 + 59 * 3600 + 59 * 60 + 59), "Mission Time: 12:59:59");
}

TEST(CreditFlash, RestsGreenAndFlashesWhiteShrinkingBack) {
  const CreditFlash rest = creditflash(0);
  EXPECT_FLOAT_EQ(rest.x, 512);
  EXPECT_FLOAT_EQ(rest.scale, 1);
  EXPECT_EQ(rest.colour.r, 0);
  EXPECT_EQ(rest.colour.g, 255);
  EXPECT_EQ(rest.colour.b, 0);

  const CreditFlash peak = creditflash(15);
  EXPECT_FLOAT_EQ(peak.x, 509);
  EXPECT_NEAR(peak.scale, 1 + 15 / 45.0, 1e-5);
  EXPECT_EQ(peak.colour.r, 255);
  EXPECT_EQ(peak.colour.b, 255);

  // Half way the white has faded in proportion and the digits are smaller.
  const CreditFlash mid = creditflash(7);
  EXPECT_EQ(mid.colour.r, 119);  // int(7 / 15 * 255)
  EXPECT_EQ(mid.colour.g, 255);
  EXPECT_LT(mid.scale, peak.scale);
  EXPECT_GT(mid.scale, 1.0f);
}

TEST(GaugeColour, RunsFromGreenThroughYellowToRed) {
  const HudColour full = gaugecolour(1.0f);
  EXPECT_EQ(full.r, 0);
  EXPECT_EQ(full.g, 255);
  const HudColour half = gaugecolour(0.5f);
  EXPECT_EQ(half.r, 255);
  EXPECT_EQ(half.g, 255);
  const HudColour quarter = gaugecolour(0.25f);
  EXPECT_EQ(quarter.r, 255);
  EXPECT_EQ(quarter.g, 127);
  const HudColour empty = gaugecolour(0.0f);
  EXPECT_EQ(empty.r, 255);
  EXPECT_EQ(empty.g, 0);
  EXPECT_EQ(empty.b, 0);
}

TEST(HeartStrip, GrowsAboutItsMiddleAndClampsTheFrame) {
  EXPECT_FLOAT_EQ(popscale(0, 10), 1.0f);
  EXPECT_FLOAT_EQ(popscale(15, 10), 2.5f);
  EXPECT_FLOAT_EQ(popscale(15, 5), 1.75f);
  int dx = 7, dy = 7;
  heartshift(1.0f, 3, 12, dx, dy);
  EXPECT_EQ(dx, 0);
  EXPECT_EQ(dy, 0);
  // Three hearts of 12 at double size move left by half their width and
  // up by half a heart, so the strip grows about its centre.
  heartshift(2.0f, 3, 12, dx, dy);
  EXPECT_EQ(dx, -18);
  EXPECT_EQ(dy, -6);
  EXPECT_EQ(heartframe(0), 0);
  EXPECT_EQ(heartframe(3), 2);
  EXPECT_EQ(heartframe(9), 4);
}

TEST(HudLayout, TheGamesTabTableHoldsTwoColumnsOfThree) {
  // The table the console draws from: members 1..3 down the left column,
  // 4..6 down the right, each row one step below the last, every tab on
  // screen and clear of the other column.
  const int leftx[3] = {0, 30, 30}, rightx[3] = {0, 721, 824};
  const int firsty[3] = {0, 367, 519}, step[3] = {0, 130, 81};
  for (int np = 1; np <= 2; ++np) {
    for (int m = 1; m <= 6; ++m) {
      const int row = (m - 1) % 3;
      EXPECT_EQ(tabpos[np][m][1], m <= 3 ? leftx[np] : rightx[np]) << np << " players, member " << m;
      EXPECT_EQ(tabpos[np][m][2], firsty[np] + row * step[np]) << np << " players, member " << m;
      EXPECT_LE(tabpos[np][m][1] + tabsize[np][1], 1024);
      EXPECT_LE(tabpos[np][m][2] + tabsize[np][2], 768);
    }
    EXPECT_LT(leftx[np] + tabsize[np][1], rightx[np]);
  }
  EXPECT_FLOAT_EQ(hudscale[1], 1.0f);
  EXPECT_FLOAT_EQ(hudscale[2], 0.6f);
  EXPECT_EQ(portraitcolour(5).r, 100);
  EXPECT_EQ(portraitcolour(9).r, 175);
}

}  // namespace
