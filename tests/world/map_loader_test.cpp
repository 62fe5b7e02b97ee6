// Loading crafted map images: edges of the grid, wrong magic numbers,
// short files and damaged values; and the start-up tables of the world.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "world/map.h"
#include "world/worldtables.h"

namespace {

// A map file image built cell by cell.
struct MapImage {
  std::vector<int32_t> values = std::vector<int32_t>(1 + maprows * mapcols * mapfields, 0);
  MapImage() { values[0] = mapmagic; }
  int32_t& field(int row, int col, int f) { return values[1 + ((row - 1) * mapcols + (col - 1)) * mapfields + (f - 1)]; }
  std::vector<uint8_t> bytes() const {
    std::vector<uint8_t> b;
    for (int32_t v : values)
      for (int k = 0; k < 4; ++k) b.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * k)));
    return b;
  }
  void load() const {
    auto b = bytes();
    loadmapbytes(b.data(), b.size());
  }
};

bool all_rooms_zero(int from, int to) {
  for (int r = from; r <= to; ++r)
    for (int rec = 0; rec <= 5; ++rec)
      for (int s = 0; s <= 100; ++s)
        if (rooms[r][rec][s]) return false;
  return true;
}

TEST(MapLoader, NeighboursComeFromPassagesAndStopAtTheEdges) {
  MapImage m;
  // A room in row 1 under nothing, a room in row 25 opening down off the
  // grid, one in column 50 opening right off it, and a pair joined east-west.
  m.field(1, 10, cellid) = 7;
  m.field(1, 10, cellopendown) = 1;
  m.field(1, 10, cellsouthdoor) = 40;
  m.field(2, 10, cellid) = 8;
  m.field(2, 10, cellnorthdoor) = 8;
  m.field(25, 3, cellid) = 9;
  m.field(25, 3, cellopendown) = 1;
  m.field(5, 50, cellid) = 10;
  m.field(5, 50, cellopenright) = 1;
  m.field(5, 49, cellid) = 11;
  m.field(5, 49, cellopenright) = 1;
  m.field(5, 49, celltype) = 4;
  m.field(5, 49, cellpopulation) = 120;
  m.field(5, 49, cellwall) = 3;       // wall slot 1
  m.field(5, 49, cellwall + 63) = 5;  // wall slot 64
  m.load();
  EXPECT_EQ(rooms[7][roomrecord][northroom], 0);
  EXPECT_EQ(rooms[7][roomrecord][southroom], 8);
  EXPECT_EQ(rooms[7][roomrecord][southdoor], 40);
  EXPECT_EQ(rooms[8][roomrecord][northroom], 7);
  EXPECT_EQ(rooms[8][roomrecord][northdoor], 8);
  EXPECT_EQ(rooms[9][roomrecord][southroom], 0);
  EXPECT_EQ(rooms[10][roomrecord][eastroom], 0);
  EXPECT_EQ(rooms[10][roomrecord][westroom], 11);
  EXPECT_EQ(rooms[11][roomrecord][eastroom], 10);
  EXPECT_EQ(rooms[11][roomrecord][roomtype], 4);
  EXPECT_EQ(rooms[11][roomrecord][spawnchance], 120);
  EXPECT_EQ(rooms[11][roomwall][1], 3);
  EXPECT_EQ(rooms[11][roomwall][64], 5);
  EXPECT_EQ(rooms[11][roomrecord][roomid], 11);
  EXPECT_EQ(mapgridrot[1][5][cellid], 10);
  EXPECT_EQ(mapgridrot[2][5][cellid], 11);
  EXPECT_EQ(mapgridrot[41][1][cellid], 7);
  // The border of the grid stays empty.
  EXPECT_EQ(mapgrid[0][10][cellopendown], 0);
  EXPECT_EQ(mapgrid[26][3][cellid], 0);
}

TEST(MapLoader, WrongMagicLoadsNoRoomButExitsStillOpen) {
  MapImage good;
  good.field(14, 50, cellid) = 1;
  good.load();
  ASSERT_EQ(rooms[1][roomrecord][roomid], 1);

  MapImage m;
  m.values[0] = 413;
  m.field(14, 50, cellid) = 1;
  m.field(14, 50, celltype) = 1;
  m.load();
  EXPECT_TRUE(all_rooms_zero(0, 300));
  EXPECT_EQ(mapgrid[14][50][cellid], 0);

  initworldtables();
  openexits();
  for (const ExitDoor& e : exitdoors) {
    EXPECT_EQ(rooms[e.room][roomrecord][neighbourslot(e.dir)], outsideroom);
    EXPECT_EQ(rooms[e.room][roomrecord][doorslot(e.dir)], e.pos);
    EXPECT_EQ(rooms[e.room][roomrecord][doorlockedslot(e.dir)], 1);
  }
  EXPECT_EQ(rooms[1][roomrecord][dooropenslot(4)], 1);

  loadmapbytes(nullptr, 0);
  EXPECT_TRUE(all_rooms_zero(0, 300));
}

TEST(MapLoader, ShortFileReadsMissingValuesAsZero) {
  MapImage m;
  m.field(1, 1, cellid) = 5;
  m.field(1, 1, celltype) = 2;
  m.field(3, 1, cellid) = 6;
  auto b = m.bytes();
  b.resize(4 + 4 * 101 + 2);  // the first cell and a stub of the second
  loadmapbytes(b.data(), b.size());
  EXPECT_EQ(rooms[5][roomrecord][roomtype], 2);
  EXPECT_EQ(mapgrid[3][1][cellid], 0);
  EXPECT_TRUE(all_rooms_zero(6, 300));
}

TEST(MapLoader, DamagedValuesStayInsideTheTables) {
  MapImage m;
  m.field(2, 2, cellid) = 5000;  // not a room index: treated as empty
  m.field(2, 2, cellopendown) = 1;
  m.field(3, 2, cellid) = 12;
  m.field(4, 4, cellid) = -7;
  m.field(4, 4, cellopenright) = 1;
  m.field(4, 5, cellid) = 13;
  m.field(6, 6, cellid) = 300;  // the last index the table holds
  m.field(8, 8, cellid) = 14;
  m.field(8, 8, celltype) = 99;
  m.field(8, 8, cellnorthdoor) = 70;
  m.field(8, 8, cellsouthdoor) = -3;
  m.field(8, 8, celleastdoor) = 60;
  m.field(8, 8, cellwall) = 51;
  m.field(8, 8, cellwall + 1) = -1;
  m.field(8, 8, cellwall + 2) = 50;
  m.load();
  EXPECT_EQ(rooms[12][roomrecord][northroom], 0);
  EXPECT_EQ(rooms[13][roomrecord][westroom], 0);
  EXPECT_EQ(rooms[300][roomrecord][roomid], 300);
  EXPECT_EQ(rooms[14][roomrecord][roomtype], 0);
  EXPECT_EQ(rooms[14][roomrecord][northdoor], 0);
  EXPECT_EQ(rooms[14][roomrecord][southdoor], 0);
  EXPECT_EQ(rooms[14][roomrecord][eastdoor], 60);
  EXPECT_EQ(rooms[14][roomwall][1], 0);
  EXPECT_EQ(rooms[14][roomwall][2], 0);
  EXPECT_EQ(rooms[14][roomwall][3], 50);
  // The cells keep what the file said; only the room table is guarded.
  EXPECT_EQ(mapgrid[2][2][cellid], 5000);
}

TEST(WorldTables, StartUpValues) {
  initworldtables();
  for (int t = 0; t <= 50; ++t)
    EXPECT_EQ(tilewide[t], t == 12 || t == 13 || t == 17 || t == 18 || t == 19 || t == 20 || t == 23) << t;
  EXPECT_EQ(oppositeslot[3], 13);
  EXPECT_EQ(oppositeslot[4], 14);
  EXPECT_EQ(oppositeslot[5], 11);
  EXPECT_EQ(oppositeslot[6], 12);
  for (int r = 0; r <= 300; ++r)
    EXPECT_EQ(respawnok[r], r >= 4 && r <= 255 && r != 174 && r != 248) << r;
  // Brown rooms: red channel only, a brown tint and an orange minimap cell.
  EXPECT_EQ(roomcolour[5][0][1], 1);
  EXPECT_EQ(roomcolour[5][0][3], 0);
  EXPECT_EQ(roomcolour[5][1][2], 70);
  EXPECT_EQ(roomcolour[5][3][1], 225);
  EXPECT_EQ(roomcolour[6][1][3], 12);
  EXPECT_EQ(roomcolour[4][3][2], 255);
  for (int t = 0; t <= 6; ++t) EXPECT_EQ(roomcolour[t][2][2], 255);
}

TEST(WorldReset, ClearsRunTimeSlotsAndKeepsTheMap) {
  MapImage m;
  m.field(3, 3, cellid) = 20;
  m.field(3, 3, celltype) = 3;
  m.field(3, 3, cellpopulation) = 90;
  m.field(3, 3, cellwall + 4) = 7;
  m.load();
  for (int r : {20, 275, 276})
    for (int s = 11; s <= 100; ++s)
      if (s != spawnchance) rooms[r][roomrecord][s] = 1;
  rooms[20][wallstate][64] = 3;
  rooms[20][wallstate][slimecountslot] = 9;
  rooms[276][wallstate][5] = 2;
  clearroomstate();
  for (int s = 11; s <= 100; ++s) {
    bool runtime = (s >= 11 && s <= 19) || (s >= 21 && s <= 31) || s >= 98;
    if (s == spawnchance) continue;
    EXPECT_EQ(rooms[20][roomrecord][s], runtime ? 0 : 1) << s;
    EXPECT_EQ(rooms[276][roomrecord][s], 1) << "rooms above 275 keep their values";
  }
  EXPECT_EQ(rooms[20][roomrecord][roomtype], 3);
  EXPECT_EQ(rooms[20][roomrecord][spawnchance], 90);
  EXPECT_EQ(rooms[20][roomwall][5], 7);
  EXPECT_EQ(rooms[20][wallstate][64], 0);
  EXPECT_EQ(rooms[20][wallstate][slimecountslot], 0);
  EXPECT_EQ(rooms[276][wallstate][5], 2);
}

}  // namespace
