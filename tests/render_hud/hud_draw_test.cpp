// The console drawn through the real headless display and read back.
#include "hud_fixture.h"
#include "squad/squad_pass.h"
#include "input/keycodes.h"
#include "squad/member_fields.h"

namespace {

using Console = hudtest::Screen;

int red(uint32_t rgb) { return (rgb >> 16) & 0xFF; }
int green(uint32_t rgb) { return (rgb >> 8) & 0xFF; }

TEST_F(Console, AmmunitionGaugeFillsFromTheBottomInItsRatioColour) {
  squad[1][mmaxammo] = 40;
  squad[1][mammo] = 40;
  drawhud(1);
  const uint32_t full = at(655, 620);
  EXPECT_GT(green(full), 150);
  EXPECT_LT(red(full), 20);

  // A quarter left: the fill stops 43 px above the bottom and turns orange,
  // full red with half the green.
  squad[1][mammo] = 10;
  clear();
  drawhud(1);
  const uint32_t low = at(655, 630);
  EXPECT_GT(red(low), 150);
  EXPECT_NEAR(static_cast<double>(green(low)) / red(low), 0.5, 0.05);
  const uint32_t above = at(655, 560);
  EXPECT_LT(red(above), 60) << "only the dark empty gauge above the fill";
}

TEST_F(Console, AlarmIconShowsOnlyWithVisualAlarmsAndDanger) {
  pulselevel = 100;
  const int x0 = 0, x1 = 29;
  const int y0 = 497 + 66 - 28, y1 = y0 + 56;
  settings[setvisualalarms] = 1;
  drawhud(1);
  const long quiet = channelsum(x0, y0, x1, y1, 16);

  squad[2][mdanger] = 1;
  clear();
  drawhud(1);
  const long alarmed = channelsum(x0, y0, x1, y1, 16);
  EXPECT_GT(alarmed, quiet);

  settings[setvisualalarms] = 0;
  clear();
  drawhud(1);
  EXPECT_EQ(channelsum(x0, y0, x1, y1, 16), quiet);
}

TEST_F(Console, CreditPointsFlashWhiteAfterAScore) {
  teamstat[1][statcredit] = 88888888;
  drawhud(1);
  const long blue_rest = channelsum(324, 670, 700, 730, 0);
  const long green_rest = channelsum(324, 670, 700, 730, 8);
  teamstat[teamrow][statwarriors] = 15;
  clear();
  drawhud(1);
  const long blue_flash = channelsum(324, 670, 700, 730, 0);
  const long green_flash = channelsum(324, 670, 700, 730, 8);
  // The resting digits are green; the flash adds red and blue and grows.
  EXPECT_GT(blue_flash, blue_rest + 1000);
  EXPECT_GT(green_flash, green_rest);
}

TEST_F(Console, MiniCamsOffMoveTabContentsToTheLargerLayout) {
  // Member 2's stamina bar: strip along the top with a camera, low wide bar
  // without. Compare the bar's rows between the two layouts.
  const int tx = tabpos[1][2][1], ty = tabpos[1][2][2];
  settings[setminicams] = 1;
  drawhud(0);
  const long topcam = channelsum(tx + 8, ty + 36, tx + 150, ty + 42, 8);
  const long lowcam = channelsum(tx + 16, ty + 110, tx + 150, ty + 116, 8);
  settings[setminicams] = 0;
  clear();
  drawhud(0);
  const long topplain = channelsum(tx + 8, ty + 36, tx + 150, ty + 42, 8);
  const long lowplain = channelsum(tx + 16, ty + 110, tx + 150, ty + 116, 8);
  EXPECT_GT(topcam, topplain);
  EXPECT_GT(lowplain, lowcam);
}

TEST_F(Console, DeadMemberShowsDashesAndNoBarsOrHearts) {
  settings[setminicams] = 0;
  const int tx = tabpos[1][5][1], ty = tabpos[1][5][2];
  drawhud(0);
  const long hearts_alive = channelsum(tx + 201, ty + 107, tx + 261, ty + 119, 0);
  EXPECT_GT(hearts_alive, 0);
  squad[5][mdead] = 1;
  squad[5][mhealth] = 0;
  squad[5][mdeathroom] = squad[5][mroom];
  squad[5][mroom] = 275;
  clear();
  drawhud(0);
  const long hearts_dead = channelsum(tx + 201, ty + 107, tx + 261, ty + 119, 0);
  EXPECT_LT(hearts_dead, hearts_alive);
  EXPECT_EQ(gfxmissing, 0) << "a dead member's tab draws without missing pictures";
}

TEST_F(Console, AMemberKilledWhileAttackedNoLongerShowsDanger) {
  // Member 2's tab name: red at rest, yellow (red and green) while attacked.
  settings[setvisualalarms] = 1;
  pulselevel = 100;
  const int tx = tabpos[1][2][1], ty = tabpos[1][2][2];
  const auto namegreen = [&] { return channelsum(tx + 6, ty + 6, tx + 150, ty + 22, 8); };
  drawhud(1);
  const long resting = namegreen();
  squad[2][mdanger] = 1;
  clear();
  drawhud(1);
  ASSERT_GT(namegreen(), resting + 1000) << "an attacked member's name is yellow";

  // The creature kills it: the squad pass marks it dead.
  squad[2][mhealth] = 0;
  updatesquad();
  ASSERT_EQ(squad[2][mdead], 1);
  EXPECT_EQ(squad[2][mdanger], 0);
  clear();
  drawhud(1);
  EXPECT_EQ(namegreen(), resting) << "the dead member's name is back to red";
  const long icon = channelsum(0, ty + 66 - 28, 29, ty + 66 + 28, 16);
  clear();
  squad[2][mdanger] = 0;
  drawhud(1);
  EXPECT_EQ(channelsum(0, ty + 66 - 28, 29, ty + 66 + 28, 16), icon) << "no alarm icon either";
}

}  // namespace

namespace {

using LeavingFrame = hudtest::Screen;

TEST_F(LeavingFrame, TheFrameEscapeIsPressedInIsStillDrawn) {
  gamestate = stateplay;
  const int stamina = squad[1][mstamina];
  input();
  input(keyescape);
  ingameframe();
  EXPECT_EQ(gamestate, statemainmenu);
  EXPECT_EQ(squad[1][mstamina], stamina) << "nothing moves in that frame";
  // The console around the view is there, not a black screen.
  EXPECT_GT(channelsum(0, 400, 1024, 768, 8) + channelsum(0, 400, 1024, 768, 16), 0);
}

}  // namespace
