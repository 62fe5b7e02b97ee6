// The minimap's cells, passages and exits, the compass needle and the
// mini-cameras, drawn headless and read back.
#include <algorithm>

#include "render/room_pass.h"
#include "render/views.h"
#include "view_fixture.h"

namespace {

using viewtest::kRoom;

class ConsoleAids : public viewtest::ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    settings[setminimap] = 1;
    cell(10, 10, kRoom);
  }
  static void cell(int c, int r, int room, int type = 3) {
    mapgridrot[c][r][cellid] = room;
    mapgridrot[c][r][celltype] = type;
  }
  std::vector<uint32_t> map() {
    clear();
    drawminimap(1);
    return screen();
  }
  // Screen rectangle of a minimap position (i, j) in one-view play.
  static int sx(int x) { return 814 + x; }
  static int sy(int y) { return 81 + y; }
  bool same(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int x0, int y0, int w, int h) {
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x)
        if (at(a, x, y) != at(b, x, y)) return false;
    return true;
  }
};

TEST_F(ConsoleAids, MinimapMarksPassagesOfTheRightCells) {
  cell(10, 11, 11);
  cell(11, 10, 12);
  auto bare = map();
  // A passage down from this room fills the gap below the centre cell.
  mapgridrot[10][10][cellopendown] = 1;
  auto down = map();
  EXPECT_FALSE(same(bare, down, sx(26), sy(46), 20, 6));
  EXPECT_TRUE(same(bare, down, sx(46), sy(26), 6, 20));
  // The cell to the right opening towards this one marks the gap on the right.
  mapgridrot[10][10][cellopendown] = 0;
  mapgridrot[11][10][cellopenright] = 1;
  auto right = map();
  EXPECT_FALSE(same(bare, right, sx(46), sy(26), 6, 20));
  EXPECT_TRUE(same(bare, right, sx(26), sy(46), 20, 6));
}

TEST_F(ConsoleAids, MinimapMarksTheWayOutAndLeavesTheEdgeEmpty) {
  cell(10, 10, 12);
  place(1, 12, 0, 512, 200);
  auto plain = map();
  cell(10, 10, baseroom);
  place(1, baseroom, 0, 512, 200);
  auto base = map();
  EXPECT_FALSE(same(plain, base, sx(20), sy(26), 6, 20)) << "base room exit on the left";

  // At the map's first column nothing is drawn left of the room, even if
  // the border column holds something.
  cell(10, 10, 0, 0);
  cell(1, 10, kRoom);
  place(1, kRoom, 0, 512, 200);
  auto edge = map();
  cell(0, 10, 99);
  auto junk = map();
  EXPECT_TRUE(same(edge, junk, sx(0), sy(26), 20, 20));
  EXPECT_GT(brightest(edge, sx(26), sy(26), sx(46), sy(46)), 100) << "the room's own cell";

  settings[setminimap] = 0;
  EXPECT_EQ(brightest(map(), 780, 0, 1024, 300), 0);
}

TEST_F(ConsoleAids, CompassNeedlePointsByTheFacingWall) {
  auto centre = [&](int facing) {
    squad[1][mfacing] = facing;
    clear();
    drawcompass(1, 300);
    auto px = screen();
    double sx = 0, sy = 0, n = 0;
    for (int y = 260; y < 340; ++y)
      for (int x = 472; x < 552; ++x) {
        const uint32_t p = at(px, x, y);
        const int red = int(p >> 16 & 255);
        if (red > 150 && red > int(p >> 8 & 255) + 60) sx += x, sy += y, ++n;  // needle tip
      }
    EXPECT_GT(n, 3) << "facing " << facing;
    return std::pair<double, double>{sx / std::max(n, 1.0), sy / std::max(n, 1.0)};
  };
  const auto east = centre(1), west = centre(3), south = centre(2), north = centre(4);
  // Opposite facings put the needle on opposite sides of the dial's centre.
  EXPECT_NEAR(east.first + west.first, 2 * 512, 3);
  EXPECT_NEAR(east.second + west.second, 2 * 300, 3);
  EXPECT_GT(std::abs(east.first - west.first) + std::abs(east.second - west.second), 8);
  EXPECT_NEAR(north.first + south.first, 2 * 512, 3);
  EXPECT_GT(std::abs(north.second - south.second) + std::abs(north.first - south.first), 8);
  // A quarter turn apart: the needle moves off the first axis.
  EXPECT_GT(std::abs(east.first - south.first) + std::abs(east.second - south.second), 4);
}

// The map draws north up and, since a member turning right from the north
// wall comes to the west wall, west on the right and east on the left. The
// arrow and the needle must point the way the faced door leads on it.
TEST_F(ConsoleAids, ArrowAndNeedlePointWhereTheFacedDoorLeadsOnTheMap) {
  enum Side { up, right, down, left };
  const Side expected[5] = {up, up, right, down, left};  // by facing wall 1..4
  for (int facing = 1; facing <= 4; ++facing) {
    squad[1][mfacing] = facing;
    // The arrow's white face reaches furthest from its own middle at the
    // tip: the side where its extent beyond the centroid is largest.
    const auto px = map();
    double sumx = 0, sumy = 0, n = 0;
    int x0 = 1024, x1 = 0, y0 = 768, y1 = 0;
    for (int y = sy(26); y < sy(46); ++y)
      for (int x = sx(26); x < sx(46); ++x) {
        const uint32_t p = at(px, x, y);
        if ((p >> 16 & 255) < 220 || (p >> 8 & 255) < 220 || (p & 255) < 220) continue;
        sumx += x, sumy += y, ++n;
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
      }
    ASSERT_GT(n, 8) << "facing " << facing;
    const double mx = sumx / n, my = sumy / n;
    const double reach[4] = {my - y0, x1 - mx, y1 - my, mx - x0};  // up, right, down, left
    EXPECT_EQ(std::max_element(reach, reach + 4) - reach, expected[facing])
        << "minimap arrow, facing " << facing << ": reach up " << reach[up] << " right " << reach[right]
        << " down " << reach[down] << " left " << reach[left];

    // The needle's red tip lies on the side it points to.
    clear();
    drawcompass(1, 300);
    const auto dial = screen();
    double tx = 0, ty = 0, reds = 0;
    for (int y = 260; y < 340; ++y)
      for (int x = 472; x < 552; ++x) {
        const uint32_t p = at(dial, x, y);
        const int red = int(p >> 16 & 255);
        if (red > 150 && red > int(p >> 8 & 255) + 60) tx += x - 512, ty += y - 300, ++reds;
      }
    ASSERT_GT(reds, 3);
    tx /= reds, ty /= reds;
    const Side needle = std::abs(tx) > std::abs(ty) ? (tx > 0 ? right : left) : (ty > 0 ? down : up);
    EXPECT_EQ(needle, expected[facing]) << "compass needle, facing " << facing;
  }
}

TEST_F(ConsoleAids, MiniCameraDrawsInsideItsTabOrNotAtAll) {
  for (int s = 1; s <= wallslots; ++s) rooms[kRoom][roomwall][s] = 1;
  place(2, kRoom, 0, 512, 200);
  clear();
  minicam(2, 300, 400, 261, 92, 11, 5);
  EXPECT_EQ(brightest(screen(), 0, 0, 1024, 768), 0) << "MINI-CAMS is off";

  settings[setminicams] = 1;
  clear();
  minicam(2, 300, 400, 261, 92, 11, 5);
  auto px = screen();
  const int top = 400 + 11 - 5, bottom = top + 92 - 11 - 5;  // the trimmed viewport
  EXPECT_GT(lit(px, 300, top, 561, bottom), 261 * 40);
  EXPECT_EQ(lit(px, 0, 0, 1024, top, 0), 0);
  EXPECT_EQ(lit(px, 0, bottom, 1024, 768, 0), 0);
  EXPECT_EQ(lit(px, 0, top, 300, bottom, 0) + lit(px, 561, top, 1024, bottom, 0), 0);

  // Dead: a hundred dots and no room.
  squad[2][mdead] = 1;
  for (int d = 1; d <= 500; ++d) setstaticdot(d, {100, d <= 100 ? 200 : 800, 150});
  clear();
  minicam(2, 300, 400, 261, 92, 11, 5);
  px = screen();
  const int dotx = 300 + (200 - 122) * 261 / 780;
  EXPECT_GT(lit(px, dotx - 3, top, dotx + 4, bottom), 0);
  // The static ignores where the member last looked.
  squad[2][mscroll] = 1500;
  clear();
  minicam(2, 300, 400, 261, 92, 11, 5);
  EXPECT_EQ(screen(), px) << "a dead member's scroll moved its static";
  EXPECT_EQ(lit(px, 300, top, dotx - 4, bottom) + lit(px, dotx + 5, top, 561, bottom), 0);
}

}  // namespace
