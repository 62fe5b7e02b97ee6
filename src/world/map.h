// The complex: the cell grid read from game.map, the room table built from
// it and the rotated grid the minimap reads.
#pragma once

#include <cstddef>
#include <cstdint>

#include "world/room_fields.h"

// Cell grid [row 0..26][column 0..51][field 0..100]. Rows 1..25 and columns
// 1..50 come from the map; the border rows and columns stay empty so that a
// neighbour lookup at the edge of the complex reads an empty cell.
extern int mapgrid[27][52][101];
// The grid turned a quarter turn: mapgridrot[51 - column][row][field].
extern int mapgridrot[51][26][101];
// Room table [room id 0..300][record 1..5][slot 1..100]. Index 0 is not a
// room: empty cells write into it while the table is built.
extern int rooms[301][6][101];

// Map file layout.
constexpr int mapmagic = 414;
constexpr int maprows = 25;
constexpr int mapcols = 50;
constexpr int mapfields = 100;
constexpr size_t mapfilesize = 4 + 4ull * maprows * mapcols * mapfields;

// Cell fields.
constexpr int cellid = 1;
constexpr int celltype = 2;
constexpr int cellopendown = 4;
constexpr int cellopenright = 5;
constexpr int cellsouthdoor = 6;
constexpr int celleastdoor = 7;
constexpr int cellbase = 8;
constexpr int cellnest = 9;
constexpr int cellnorthdoor = 22;
constexpr int cellwestdoor = 23;
constexpr int cellpopulation = 30;
constexpr int cellwall = 37;  // fields 37..100 hold wall slots 1..64

// Fixed room ids.
constexpr int outsideroom = 300;
constexpr int baseroom = 1;
constexpr int nestroom = 248;
constexpr int generatorroom = 174;

// Wall loop geometry.
constexpr int wallslots = 64;
constexpr int slotwidth = 52;
constexpr int looplength = wallslots * slotwidth;  // 3,328
constexpr int doormarker = 50;

// True when position x along the loop lies within the door at position p
// (strictly between 52p and 52p + 156).
constexpr bool indoorspan(int p, int x) { return x > p * slotwidth && x < p * slotwidth + 156; }

// Reads game.map from the archive ("incbin::game.map") and builds the grid,
// the rotated grid and the room table; then sets gamestate to 2000.
void loadmap();
// The same from bytes held in memory (a map file image). Missing bytes at
// the end read as 0; a wrong magic number leaves the complex empty.
void loadmapbytes(const uint8_t* data, size_t size);
