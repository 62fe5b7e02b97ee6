// The complex as shipped in the archive: every figure the game relies on.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <queue>
#include <set>

#include "state/archive.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace {

const ArchiveEntry* shipped() {
  register_embedded_archive();
  return archive_find("game.map");
}

class ShippedMap : public ::testing::Test {
 protected:
  void SetUp() override {
    const ArchiveEntry* e = shipped();
    ASSERT_NE(e, nullptr);
    loadmapbytes(e->data, e->size);
    initworldtables();
  }
  static const int* rec(int id) { return rooms[id][roomrecord]; }
  // Where each room id sits; -1 rows for ids not on the grid.
  static std::map<int, std::pair<int, int>> cells() {
    std::map<int, std::pair<int, int>> at;
    for (int r = 1; r <= maprows; ++r)
      for (int c = 1; c <= mapcols; ++c)
        if (mapgrid[r][c][cellid]) at[mapgrid[r][c][cellid]] = {r, c};
    return at;
  }
  // Passage distances from a room over the room table's neighbours.
  static std::map<int, int> distances(int from) {
    std::map<int, int> d{{from, 0}};
    std::queue<int> q;
    q.push(from);
    while (!q.empty()) {
      int r = q.front();
      q.pop();
      for (int dir = 1; dir <= 4; ++dir) {
        int n = rec(r)[neighbourslot(dir)];
        if (n >= 1 && n <= 255 && !d.count(n)) {
          d[n] = d[r] + 1;
          q.push(n);
        }
      }
    }
    return d;
  }
};

int read_int(const uint8_t* p) { return static_cast<int>(p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24); }

TEST_F(ShippedMap, FileHasTheExpectedSizeMagicAndRoomPlacement) {
  const ArchiveEntry* e = shipped();
  EXPECT_EQ(e->size, mapfilesize);
  EXPECT_EQ(e->size, 500004u);
  EXPECT_EQ(read_int(e->data), 414);

  auto at = cells();
  EXPECT_EQ(at.size(), 255u);
  std::multiset<int> ids;
  int empty = 0;
  for (int r = 1; r <= maprows; ++r)
    for (int c = 1; c <= mapcols; ++c) {
      int id = mapgrid[r][c][cellid];
      if (id == 0) {
        ++empty;
        continue;
      }
      ids.insert(id);
      EXPECT_TRUE(r >= 1 && r <= 24 && c >= 5 && c <= 50) << "room " << id << " at " << r << "," << c;
    }
  EXPECT_EQ(empty, 995);
  for (int id = 1; id <= 255; ++id) EXPECT_EQ(ids.count(id), 1u) << "room " << id;

  const std::pair<int, std::pair<int, int>> fixed[] = {
      {1, {14, 50}},  {2, {14, 49}},  {3, {14, 48}},   {89, {10, 22}}, {126, {18, 22}},
      {174, {2, 27}}, {176, {1, 27}}, {183, {24, 27}}, {248, {14, 9}}, {255, {14, 5}}};
  for (auto& [id, cell] : fixed) EXPECT_EQ(at[id], cell) << "room " << id;
  EXPECT_EQ(rec(1)[roomtype], 1);
  EXPECT_EQ(rec(1)[eastroom], 0);  // no way out until a game starts
  EXPECT_EQ(mapgridrot[1][14][cellid], 1);
  for (int r = 1; r <= maprows; ++r)
    for (int c = 1; c <= mapcols; ++c)
      for (int f : {1, 2, 4, 5, 30, 37, 100}) ASSERT_EQ(mapgridrot[51 - c][r][f], mapgrid[r][c][f]);
}

TEST_F(ShippedMap, RoomTypesHaveTheirCountsAndFormAreas) {
  std::map<int, int> count;
  for (int id = 1; id <= 255; ++id) ++count[rec(id)[roomtype]];
  EXPECT_EQ(count[1], 44);
  EXPECT_EQ(count[2], 107);
  EXPECT_EQ(count[3], 34);
  EXPECT_EQ(count[4], 33);
  EXPECT_EQ(count[5], 37);
  // Every room shares its type with at least one room next to it.
  for (int r = 1; r <= maprows; ++r)
    for (int c = 1; c <= mapcols; ++c) {
      if (!mapgrid[r][c][cellid]) continue;
      int t = mapgrid[r][c][celltype];
      bool alike = mapgrid[r - 1][c][celltype] == t || mapgrid[r + 1][c][celltype] == t ||
                   mapgrid[r][c - 1][celltype] == t || mapgrid[r][c + 1][celltype] == t;
      EXPECT_TRUE(alike) << "room " << mapgrid[r][c][cellid] << " stands alone in its type";
    }
}

TEST_F(ShippedMap, PassagesDoorsAndFillerFields) {
  int down = 0, right = 0, intoempty = 0;
  for (int r = 1; r <= maprows; ++r)
    for (int c = 1; c <= mapcols; ++c) {
      const int* cell = mapgrid[r][c];
      down += cell[cellopendown] == 1;
      right += cell[cellopenright] == 1;
      if (cell[cellopendown] == 1 && (!cell[cellid] || !mapgrid[r + 1][c][cellid])) {
        ++intoempty;
        EXPECT_TRUE(r == 24 && c == 27) << r << "," << c;
      }
      if (cell[cellopenright] == 1 && (!cell[cellid] || !mapgrid[r][c + 1][cellid])) {
        ++intoempty;
        EXPECT_TRUE(r == 14 && c == 4) << r << "," << c;
      }
      if (!cell[cellid]) continue;
      int id = cell[cellid];
      EXPECT_EQ(cell[cellbase], id <= 3 ? 1 : 0) << id;
      EXPECT_EQ(cell[cellnest], id == 248 ? 1 : 0) << id;
      // Door positions where there is a door, filler or 0 where there is not.
      bool s = cell[cellopendown] == 1, e = cell[cellopenright] == 1;
      bool n = mapgrid[r - 1][c][cellopendown] == 1, w = mapgrid[r][c - 1][cellopenright] == 1;
      if (s) EXPECT_TRUE(cell[cellsouthdoor] == 36 || cell[cellsouthdoor] == 40) << id;
      else EXPECT_TRUE(cell[cellsouthdoor] >= 1 && cell[cellsouthdoor] <= 5) << id;
      if (e) EXPECT_TRUE(cell[celleastdoor] == 56 || cell[celleastdoor] == 60) << id;
      else EXPECT_TRUE(cell[celleastdoor] >= 1 && cell[celleastdoor] <= 5) << id;
      if (n) EXPECT_TRUE(cell[cellnorthdoor] == 4 || cell[cellnorthdoor] == 8) << id;
      else EXPECT_EQ(cell[cellnorthdoor], 0) << id;
      if (w) EXPECT_TRUE(cell[cellwestdoor] == 24 || cell[cellwestdoor] == 28) << id;
      else EXPECT_EQ(cell[cellwestdoor], 0) << id;
    }
  EXPECT_EQ(down, 134);
  EXPECT_EQ(right, 136);
  EXPECT_EQ(intoempty, 2);
  EXPECT_EQ(rec(183)[southroom], 0);
  EXPECT_EQ(rec(183)[southdoor], 36);
  EXPECT_EQ(rec(255)[westdoor], 28);

  int doors = 0;
  for (int id = 1; id <= 255; ++id)
    for (int d = 1; d <= 4; ++d) {
      int n = rec(id)[neighbourslot(d)];
      if (!n) continue;
      ++doors;
      // The room behind the door leads back through the same door.
      ASSERT_TRUE(n >= 1 && n <= 255);
      EXPECT_EQ(rooms[n][roomrecord][oppositeslot[2 + d] - 8], id) << id << " dir " << d;
    }
  EXPECT_EQ(doors, 536);
}

TEST_F(ShippedMap, EveryRoomIsReachableFromTheBase) {
  auto d = distances(1);
  EXPECT_EQ(d.size(), 255u);
}

TEST_F(ShippedMap, PopulationRisesFromTheBaseTowardsTheNest) {
  int full = 0;
  for (int id = 1; id <= 255; ++id) {
    int p = rec(id)[spawnchance];
    EXPECT_TRUE(p >= 0 && p <= 170) << id;
    EXPECT_EQ(p == 0, id == 1 || id == 2) << id;
    full += p == 170;
  }
  EXPECT_EQ(full, 13);
  EXPECT_EQ(rec(248)[spawnchance], 170);
  auto frombase = distances(1), fromnest = distances(248);
  double nearbase = 0, nearnest = 0;
  int nb = 0, nn = 0;
  for (int id = 1; id <= 255; ++id) {
    if (frombase[id] <= 6) nearbase += rec(id)[spawnchance], ++nb;
    if (fromnest[id] <= 6) nearnest += rec(id)[spawnchance], ++nn;
  }
  EXPECT_LT(nearbase / nb * 3, nearnest / nn);
}

TEST_F(ShippedMap, SpecialRoomsSitWhereTheyBelong) {
  auto frombase = distances(1);
  auto linkedto = [](int a, int b) {
    for (int d = 1; d <= 4; ++d)
      if (rooms[a][roomrecord][neighbourslot(d)] == b) return true;
    return false;
  };
  for (int id : {28, 177, 178, 179, 180, 181, 182}) {
    ASSERT_TRUE(frombase.count(id)) << id;
    for (int b : {1, 2, 3}) EXPECT_FALSE(linkedto(id, b)) << id << " is beside the base";
    EXPECT_GE(frombase[id], 4) << id;
  }
  int ways = 0;
  for (int d = 1; d <= 4; ++d) ways += rec(69)[neighbourslot(d)] != 0;
  EXPECT_EQ(ways, 1) << "the bonus room is a dead end";
  EXPECT_GE(frombase[69], 15);
  // The north exit room opens only onto the generator room.
  EXPECT_EQ(rec(176)[southroom], 174);
  EXPECT_EQ(rec(176)[westroom] | rec(176)[eastroom] | rec(176)[northroom], 0);
}

// Counts of tile t in a room's wall loop.
int tiles(int id, int t) {
  int n = 0;
  for (int s = 1; s <= wallslots; ++s) n += rooms[id][roomwall][s] == t;
  return n;
}

TEST_F(ShippedMap, WallLoopsKeepDoorsAndWideTilesClear) {
  openexits();
  for (int id = 1; id <= 255; ++id) {
    const int* wall = rooms[id][roomwall];
    std::set<int> markers;
    for (int s = 1; s <= wallslots; ++s) {
      int t = wall[s];
      ASSERT_TRUE((t >= 0 && t <= 25) || t == doormarker) << "room " << id << " slot " << s;
      if (t == doormarker) markers.insert(s);
      int width = (t == 12 || t == 13 || t == 19 || t == 20 || t == 23) ? 3 : (t == 17 || t == 18) ? 2 : 1;
      if (t == doormarker) width = 4;
      ASSERT_LE(s + width - 1, wallslots) << "room " << id << " slot " << s;
      for (int k = 1; k < width; ++k) EXPECT_EQ(wall[s + k], 0) << "room " << id << " slot " << s + k;
    }
    std::set<int> doors;
    for (int d = 1; d <= 4; ++d) {
      int n = rec(id)[neighbourslot(d)], p = rec(id)[doorslot(d)];
      if (n == outsideroom) {
        for (int s = p + 1; s <= p + 4; ++s) EXPECT_EQ(wall[s], 0) << "exit of room " << id;
      } else if (n != 0) {
        EXPECT_EQ(wall[p + 1], doormarker) << "room " << id << " door " << d;
        doors.insert(p + 1);
      }
    }
    EXPECT_EQ(markers, doors) << "room " << id;
  }
  // Rooms are fitted out for what they are.
  EXPECT_GE(tiles(28, 14), 6);
  for (int id = 177; id <= 182; ++id) EXPECT_GE(tiles(id, 20) + tiles(id, 15), 2) << id;
  EXPECT_GE(tiles(174, 13), 1);
  EXPECT_GE(tiles(248, 21) + tiles(248, 22) + tiles(248, 23), 20);
  int racks = 0;
  for (int id = 1; id <= 255; ++id) racks += id != 28 && tiles(id, 14) > 0;
  EXPECT_EQ(racks, 0) << "ammunition racks only in the armoury";
}

TEST_F(ShippedMap, DoorAtFiftySixSpansItsThreeSlots) {
  int room = 0;
  for (int id = 1; id <= 255 && !room; ++id)
    if (rec(id)[eastroom] && rec(id)[eastdoor] == 56) room = id;
  ASSERT_NE(room, 0);
  EXPECT_EQ(rooms[room][roomwall][57], doormarker);
  EXPECT_FALSE(indoorspan(56, 2912));
  EXPECT_TRUE(indoorspan(56, 2913));
  EXPECT_TRUE(indoorspan(56, 3067));
  EXPECT_FALSE(indoorspan(56, 3068));
}

TEST_F(ShippedMap, ExitsOpenOnlyWhenAGameStarts) {
  EXPECT_EQ(rec(255)[westroom], 0);
  for (int c = 1; c <= mapcols; ++c)
    if (int id = mapgrid[1][c][cellid]) {
      EXPECT_EQ(rec(id)[northroom], 0) << id;
    }
  openexits();
  for (const ExitDoor& e : exitdoors) {
    EXPECT_EQ(rec(e.room)[neighbourslot(e.dir)], outsideroom) << e.room;
    EXPECT_EQ(rec(e.room)[doorslot(e.dir)], e.pos) << e.room;
    EXPECT_EQ(rec(e.room)[doorlockedslot(e.dir)], 1) << e.room;
  }
  EXPECT_EQ(rec(1)[dooropenslot(4)], 1);
  EXPECT_EQ(rec(176)[northdoor], 4);
  EXPECT_EQ(rec(89)[northdoor], 8);
  EXPECT_EQ(rec(126)[southdoor], 40);
  // The exits replace no passage of the map.
  EXPECT_EQ(mapgrid[9][22][cellid], 0);
  EXPECT_EQ(mapgrid[19][22][cellid], 0);
}

}  // namespace
