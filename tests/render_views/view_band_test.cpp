// The views drawn headless and read back: walls across the seam of the
// loop, slime over narrow and wide panels, mirrored creatures, the
// flashlight of a dark room, the no-signal view and the tired crosshair.
#include <algorithm>

#include "render/room_pass.h"
#include "render/views.h"
#include "view_fixture.h"

namespace {

using viewtest::kRoom;

class ViewBand : public viewtest::ViewTest {
 protected:
  static void walls(int tile) {
    for (int s = 1; s <= wallslots; ++s) rooms[kRoom][roomwall][s] = tile;
  }
  std::vector<uint32_t> render() {
    clear();
    drawviews();
    return screen();
  }
};

TEST_F(ViewBand, WallPanelsShowAcrossTheSeamOfTheLoop) {
  // Only the first panel: seen one loop on when the window passes the end.
  rooms[kRoom][roomwall][1] = 1;
  squad[1][mcrossy] = 316;  // crosshair below the rows looked at
  squad[1][mscroll] = 2938;
  auto px = render();
  const int x1 = 122 - 2938 + looplength;  // 512
  EXPECT_GT(lit(px, x1, 80, x1 + 52, 260), 52 * 150);
  // (a pixel of filtering either side)
  EXPECT_EQ(lit(px, 122, 80, x1 - 2, 260), 0);
  EXPECT_EQ(lit(px, x1 + 54, 80, 902, 260), 0);

  // Only the last panel: seen one loop back when the window starts before 0.
  rooms[kRoom][roomwall][1] = 0;
  rooms[kRoom][roomwall][64] = 1;
  squad[1][mscroll] = -390;
  px = render();
  const int x64 = 122 + 390 + 63 * 52 - looplength;  // 460
  EXPECT_GT(lit(px, x64, 80, x64 + 52, 260), 52 * 150);
  EXPECT_EQ(lit(px, x64 + 54, 80, 902, 260), 0);
  EXPECT_EQ(lit(px, 122, 80, x64 - 2, 260), 0);
}

TEST_F(ViewBand, SlimeHidesANarrowPanelButNotAWideOne) {
  // Slime pictures left out, so only the panels under them can show.
  int saved[3][4];
  std::copy(&slimeimg[0][0], &slimeimg[0][0] + 12, &saved[0][0]);
  std::fill(&slimeimg[0][0], &slimeimg[0][0] + 12, 0);
  const int slot = 10, sx = 122 + (slot - 1) * 52;
  auto panel = [&](int tile, int slime) {
    rooms[kRoom][roomwall][slot] = tile;
    rooms[kRoom][wallstate][slot] = slime;
    return lit(render(), sx + 2, 80, sx + 50, 260);
  };
  const int full = 48 * 180 * 8 / 10;
  EXPECT_GT(panel(1, 0), full);
  EXPECT_EQ(panel(1, 2), 0) << "a slimed narrow panel still shows through";
  EXPECT_GT(panel(12, 2), full) << "a wide panel must draw under slime";
  std::copy(&saved[0][0], &saved[0][0] + 12, &slimeimg[0][0]);
}

TEST_F(ViewBand, RoamingCreatureFacingBackIsMirrored) {
  int* c = rooms[kRoom][roomcreature];
  c[ckind] = 1, c[cposx] = 390, c[cmode] = 1;
  const int X = 122 + 390;
  c[cdirection] = 1;
  auto right = render();
  c[cdirection] = 2;
  auto left = render();
  // Only the creature's own pixels count: the wall behind it is not
  // symmetric about its position.
  c[ckind] = 0;
  const auto empty = render();
  c[ckind] = 1;
  int same = 0, inked = 0;
  for (int y = 120; y < 330; y += 3)
    for (int d = 0; d < 100; ++d) {
      if (at(right, X + d, y) == at(empty, X + d, y) || at(left, X - 1 - d, y) == at(empty, X - 1 - d, y)) continue;
      ++inked;
      const uint32_t a = at(right, X + d, y), b = at(left, X - 1 - d, y);
      same += std::abs(level(a) - level(b)) <= 24;
    }
  ASSERT_GT(inked, 200);
  EXPECT_GT(same, inked * 9 / 10);
  EXPECT_NE(right, left);
}

TEST_F(ViewBand, DarkRoomIsLitOnlyInTheFlashlightWindow) {
  walls(1);
  rooms[kRoom][roomrecord][roomdark] = 1;
  place(1, kRoom, 0, 500, 200);
  auto px = render();
  // Outside the window only the dim tint: 12 of 255 at most.
  EXPECT_LE(brightest(px, 122, 67, 405, 342), 13);
  EXPECT_LE(brightest(px, 595, 67, 902, 342), 13);
  EXPECT_LE(brightest(px, 410, 295, 590, 342), 13);
  EXPECT_GT(brightest(px, 410, 110, 480, 190), 60);

  // A shot flash lights the whole room.
  explist.push_back({kRoom, 100, 150, 10, 0});
  px = render();
  EXPECT_GT(brightest(px, 600, 67, 902, 275), 60);
}

TEST_F(ViewBand, EachViewsFlashlightStaysInItsOwnBand) {
  walls(1);
  rooms[kRoom][roomrecord][roomdark] = 1;
  numplayers = 2;
  curmember[2] = 4;
  place(4, kRoom, 0, 500, 93);
  clear();
  drawview(2);
  auto px = screen();
  EXPECT_EQ(brightest(px, 0, 0, 1024, 258), 0);
  EXPECT_GT(brightest(px, 410, 258, 590, 284), 60);

  place(1, kRoom, 0, 500, 316);
  clear();
  drawview(1);
  px = screen();
  EXPECT_EQ(brightest(px, 0, 258, 1024, 768), 0);
  EXPECT_GT(brightest(px, 410, 160, 590, 258), 60);
}

TEST_F(ViewBand, DeadMemberSeesOnlyStaticUnderTheHurtFlash) {
  walls(1);
  squad[1][mdead] = 1;
  for (int d = 1; d <= 500; ++d) setstaticdot(d, {100, 130 + d % 250, 80 + d % 200});
  auto px = render();
  EXPECT_GT(lit(px, 126, 70, 400, 290, 100), 300);
  walls(0);
  EXPECT_EQ(render(), px) << "the room must not show through the static";
  EXPECT_EQ(render(), px) << "the same frame's state draws the same snow";
  // The snow fills the whole box (not only round the dots) but never spills
  // onto the console round the view.
  EXPECT_GT(lit(px, 450, 67, 902, 342, 40), 5000);
  EXPECT_EQ(brightest(px, 0, 0, 1024, 67), 0);
  EXPECT_EQ(brightest(px, 0, 342, 1024, 768), 0);
  EXPECT_EQ(brightest(px, 0, 67, 122, 342) + brightest(px, 902, 67, 1024, 342), 0);
  // Next frame's dots bring new snow.
  setstaticdot(1, {99, 131, 81});
  EXPECT_NE(render(), px);
  walls(1);

  squad[1][mhurtflash] = 50;
  px = render();
  const uint32_t p = at(px, 700, 200);
  EXPECT_GT(int(p >> 16 & 255), 40);
  EXPECT_EQ(int(p >> 8 & 255), 0);
}

TEST_F(ViewBand, CrosshairBlinksOnlyWhenTired) {
  place(1, kRoom, 0, 500, 150);  // no panels: black behind it
  auto crosshair = [&](int stamina) {
    squad[1][mstamina] = stamina;
    return brightest(render(), 470, 120, 530, 180);
  };
  const int max = squad[1][mmaxstamina];
  const int rested = crosshair(max);
  ASSERT_GT(rested, 200);
  EXPECT_EQ(crosshair(max * 21 / 100), rested);
  EXPECT_LT(crosshair(max / 10), rested * 6 / 10);
}

TEST_F(ViewBand, ACorpseWithoutItsPictureRaisesTheMissingGraphicWarning) {
  corlist.push_back(t_cor{kRoom, 300, 0, 0, 1, 1, 0});
  render();
  EXPECT_EQ(gfxmissing, 0) << "a warrior corpse draws from its own picture";

  const int kept = creatureimg[1][3][1];
  creatureimg[1][3][1] = 0;
  render();
  creatureimg[1][3][1] = kept;
  EXPECT_EQ(gfxmissing, 100);
}

TEST_F(ViewBand, AWarriorCorpsesSplashFacesTheWayTheCorpseDoes) {
  // Only the splash: the corpse picture itself is taken away.
  const int kept = creatureimg[1][3][1];
  creatureimg[1][3][1] = 0;
  const int X = 122 + 300;
  const auto bare = render();
  corlist.push_back(t_cor{kRoom, 300, 0, 0, 1, 1, 0});
  auto right = render();
  corlist.front().dir = 2;
  auto left = render();
  creatureimg[1][3][1] = kept;
  // Where the splash shows: the pixels it changes. The lit walls and floor
  // behind it are not mirror images, so the splash is compared by where it
  // covers, not by the level it leaves over the background.
  auto splashed = [&](const std::vector<uint32_t>& im, int x, int y) {
    return std::abs(level(at(im, x, y)) - level(at(bare, x, y))) > 20;
  };
  int same = 0, inked = 0;
  for (int y = 67; y < 342; y += 2)
    for (int d = 0; d < 200; ++d) {
      if (!splashed(right, X + d, y)) continue;
      ++inked;
      same += splashed(left, X - 1 - d, y);
    }
  ASSERT_GT(inked, 50);
  EXPECT_GT(same, inked * 9 / 10) << "the left-facing splash is the right-facing one mirrored";
}

TEST_F(ViewBand, TheMinimapHidesNeitherADoorsBoxNorAMembersName) {
  settings[setminimap] = 1;
  // The minimap's corner of the view: x 802.., y 69..
  // Pixels of the minimap's corner (x 802.., y 69..) that are bright in b
  // and not in a: seen at full strength, not through the map's dark box.
  auto brighter = [](const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int over) {
    int n = 0;
    for (int y = 75; y < 165; ++y)
      for (int x = 810; x < 895; ++x) n += level(at(b, x, y)) > over && level(at(a, x, y)) <= over;
    return n;
  };
  const auto bare = render();
  UsePrompt& u = useprompt[1];
  u.shown = 1, u.x = 708, u.y = 90, u.w = 60, u.h = 60, u.blink = 100;
  const auto boxed = render();
  EXPECT_GT(brighter(bare, boxed, 150), 40) << "the door's box shows over the minimap";
  u = UsePrompt{};
  place(2, kRoom, 0, 850, 150);  // its name at y 118
  const auto named = render();
  EXPECT_GT(brighter(bare, named, 70), 40) << "the member's mark and name show over the minimap";
}

TEST_F(ViewBand, TheViewsAlarmIconBlinksWithThePulse) {
  settings[setvisualalarms] = 1;
  squad[1][mcrossy] = 316;
  const auto icon = [&](int danger, int pulse) {
    squad[1][mdanger] = danger;
    pulselevel = pulse;
    const auto px = render();
    long sum = 0;
    for (int y = 60; y < 340; ++y)
      for (int x = 126; x < 200; ++x) sum += level(at(px, x, y));
    return sum;
  };
  const long none = icon(0, 100), dim = icon(1, 30), full = icon(1, 100);
  EXPECT_GT(dim, none);
  EXPECT_GT(full, dim + (full - none) / 2) << "the icon does not fade with the pulse";
}

}  // namespace
