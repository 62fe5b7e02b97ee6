#include "world/map.h"

#include <cstring>

int mapgrid[27][52][101];
int mapgridrot[51][26][101];
int rooms[outsideroom + 1][roomrecords][roomslots];

namespace {

// A cell's room id as an index into the room table. Ids the table cannot
// hold are treated as empty cells, so a damaged map never writes outside it.
int cellroom(int row, int col) {
  int id = mapgrid[row][col][cellid];
  return (id >= 0 && id <= 300) ? id : 0;
}

// Values that other code uses as indices are kept inside what they index:
// room types index the tint table, door positions the wall loop and wall
// slots the tile images. Anything else reads as 0.
int safetype(int v) { return (v >= 0 && v <= 6) ? v : 0; }
int safedoor(int v) { return (v >= 0 && v <= wallslots - 4) ? v : 0; }
int safetile(int v) { return (v >= 0 && v <= 50) ? v : 0; }

void buildrotated() {
  for (int i = 1; i <= mapcols; ++i)
    for (int j = 1; j <= maprows; ++j)
      for (int k = 1; k <= mapfields; ++k) mapgridrot[51 - i][j][k] = mapgrid[j][i][k];
}

void buildrooms() {
  for (int row = 1; row <= maprows; ++row) {
    for (int col = 1; col <= mapcols; ++col) {
      const int* cell = mapgrid[row][col];
      int id = cellroom(row, col);
      int* rec = rooms[id][roomrecord];
      rec[roomid] = id;
      rec[roomtype] = safetype(cell[celltype]);
      if (mapgrid[row - 1][col][cellopendown] == 1) rec[northroom] = cellroom(row - 1, col);
      if (mapgrid[row][col - 1][cellopenright] == 1) rec[westroom] = cellroom(row, col - 1);
      if (cell[cellopendown] == 1) rec[southroom] = cellroom(row + 1, col);
      if (cell[cellopenright] == 1) rec[eastroom] = cellroom(row, col + 1);
      rec[northdoor] = safedoor(cell[cellnorthdoor]);
      rec[westdoor] = safedoor(cell[cellwestdoor]);
      rec[southdoor] = safedoor(cell[cellsouthdoor]);
      rec[eastdoor] = safedoor(cell[celleastdoor]);
      rec[spawnchance] = cell[cellpopulation];
      for (int s = 1; s <= wallslots; ++s) rooms[id][roomwall][s] = safetile(cell[cellwall + s - 1]);
    }
  }
}

}  // namespace

void loadmapbytes(const uint8_t* data, size_t size) {
  // Every load starts from a clean slate, so nothing of an earlier map
  // lingers in the grid or the room table.
  std::memset(mapgrid, 0, sizeof mapgrid);
  std::memset(rooms, 0, sizeof rooms);
  size_t pos = 0;
  auto next = [&]() -> int32_t {
    uint32_t v = 0;
    for (int b = 0; b < 4; ++b, ++pos)
      if (pos < size) v |= static_cast<uint32_t>(data[pos]) << (8 * b);
    return static_cast<int32_t>(v);
  };
  if (data && size >= 4 && next() == mapmagic) {
    for (int row = 1; row <= maprows; ++row)
      for (int col = 1; col <= mapcols; ++col)
        for (int f = 1; f <= mapfields; ++f) mapgrid[row][col][f] = next();
  }
  buildrotated();
  buildrooms();
}
