// Doors and wall panels: where each door sits in its wall, and the tiles
// that furnish the rest of the loop according to what the room is for.
#include <vector>

#include "plan.h"
#include "tile_catalogue.h"

namespace contentgen::mapgen {

namespace {

struct Weighted {
  int tile, weight;
};
using Palette = std::vector<Weighted>;

int tile_width(int tile) {
  for (const TileInfo& t : kTiles)
    if (t.number == tile) return t.slots;
  return 1;
}

// Tiles the catalogue allows for a use, each with the same weight.
Palette by_use(int uses, int weight) {
  Palette p;
  for (const TileInfo& t : kTiles)
    if (t.uses & uses) p.push_back({t.number, weight});
  return p;
}

Palette join(Palette a, const Palette& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

int pick(Rng& rng, const Palette& p) {
  int total = 0;
  for (const Weighted& w : p) total += w.weight;
  int r = rng.range(1, total);
  for (const Weighted& w : p)
    if ((r -= w.weight) <= 0) return w.tile;
  return p.back().tile;
}

// The features a room shows on its walls, and how many per wall.
struct Fitting {
  Palette features;
  int perwall_min, perwall_max;
  int must = 0, mustcount = 0;  // a tile the room must show, how many times
};

Fitting fitting_for(const Cell& c) {
  // Rooms close to the nest are overgrown in proportion to their threat.
  int hive = c.type == 5 ? 2 + c.population / 25 : 0;
  switch (c.purpose) {
    case Base: return {{{12, 3}, {9, 4}, {17, 3}, {11, 3}, {5, 2}, {10, 1}}, 1, 2, 12, 1};
    case Armoury: return {{{14, 10}, {16, 3}, {5, 2}, {17, 2}, {8, 2}}, 4, 6, 14, 10};
    case Medical: return {{{15, 6}, {20, 4}, {25, 3}, {7, 2}}, 2, 3, 20, 2};
    case Generator: return {{{13, 5}, {19, 4}, {12, 3}, {10, 3}, {6, 3}, {5, 3}}, 2, 3, 13, 2};
    case Nest: return {{{21, 6}, {22, 6}, {23, 5}, {24, 2}}, 5, 7, 23, 3};
    case Bonus: return {{{25, 6}, {12, 2}, {9, 3}, {18, 2}, {15, 1}}, 2, 3, 25, 3};
    case ExitRoom: return {{{5, 5}, {11, 3}, {17, 3}, {4, 2}, {10, 1}}, 1, 2};
    default: break;
  }
  Fitting f{{}, 1, 2};
  switch (c.type) {
    case 1: f.features = join(by_use(UseStorage, 2), {{9, 2}, {5, 2}}); break;
    case 3: f.features = join(by_use(UseLiving, 3), {{25, 1}, {15, 1}}); break;
    case 4: f.features = join(by_use(UseTechnical, 3), {{12, 1}, {19, 1}}); break;
    case 5: f.features = join(by_use(UseDamaged | UseTechnical, 2), by_use(UseHive, hive)); break;
    default: f.features = join(by_use(UseLiving, 2), by_use(UseTechnical, 1)); break;
  }
  // Remove the tiles that belong to the special rooms only.
  Palette kept;
  for (const Weighted& w : f.features)
    if (w.tile != 14 && w.tile != 20 && w.tile != 13) kept.push_back(w);
  f.features = kept;
  if (c.corridor) f.perwall_min = 0, f.perwall_max = 1;
  if (c.purpose == Corridor && c.population >= 90) f.features.push_back({24, 2});
  return f;
}

// Plain panels that fill the rest of a wall.
Palette filler_for(const Cell& c) {
  Palette p = {{1, 50}, {2, 14}, {4, 12}, {3, 8}, {7, 7}};
  if (c.type != 5 && c.purpose != Nest) p.push_back({11, 4});
  if (c.type == 5) {
    p.push_back({24, 6 + c.population / 20});
    p.push_back({21, c.population / 15});
  }
  if (c.purpose == Nest) p = {{21, 5}, {22, 5}, {24, 1}};
  return p;
}

bool fits(const int* wall, const bool* reserved, int slot, int width) {
  int wallend = ((slot - 1) / 16 + 1) * 16;  // keep a tile on one wall
  if (slot + width - 1 > wallend) return false;
  for (int s = slot; s < slot + width; ++s)
    if (reserved[s] || wall[s] != 0) return false;
  return true;
}

void put(int* wall, bool* reserved, int slot, int tile) {
  int w = tile_width(tile);
  wall[slot] = tile;
  for (int s = slot; s < slot + w; ++s) reserved[s] = true;
}

void furnish(Cell& c, Rng& rng, bool* reserved) {
  Fitting f = fitting_for(c);
  int* wall = c.wall;
  // Required pieces first, each on the first wall with room for it.
  for (int n = 0; n < f.mustcount; ++n) {
    int w = tile_width(f.must);
    for (int tries = 0; tries < 40; ++tries) {
      int slot = rng.range(1, 64);
      if (fits(wall, reserved, slot, w)) {
        put(wall, reserved, slot, f.must);
        break;
      }
    }
  }
  for (int side = 0; side < 4; ++side) {
    int count = rng.range(f.perwall_min, f.perwall_max);
    for (int n = 0; n < count; ++n) {
      int tile = pick(rng, f.features);
      int w = tile_width(tile);
      for (int tries = 0; tries < 12; ++tries) {
        int slot = side * 16 + rng.range(1, 16);
        if (fits(wall, reserved, slot, w)) {
          put(wall, reserved, slot, tile);
          break;
        }
      }
    }
  }
  Palette filler = filler_for(c);
  for (int s = 1; s <= 64; ++s)
    if (!reserved[s] && wall[s] == 0) put(wall, reserved, s, pick(rng, filler));
}

int door(Rng& rng, int a, int b) { return rng.chance(50) ? a : b; }

}  // namespace

void fit_walls(Plan& plan, Rng& rng) {
  // Door positions. A passage into an empty cell is stored as usual; the
  // two there are become exits when a game starts.
  plan.at(24, 27).down = true;
  plan.at(14, 4).right = true;
  for (int r = 1; r <= keyrows; ++r)
    for (int c = 1; c <= keycols; ++c) {
      Cell& cell = plan.at(r, c);
      if (!cell.room && !cell.down && !cell.right) continue;
      cell.southdoor = cell.down ? door(rng, 36, 40) : rng.range(1, 5);
      cell.eastdoor = cell.right ? door(rng, 56, 60) : rng.range(1, 5);
      if (cell.down) plan.at(r + 1, c).northdoor = door(rng, 4, 8);
      if (cell.right) plan.at(r, c + 1).westdoor = door(rng, 24, 28);
      if (!cell.room) cell.southdoor = cell.down ? cell.southdoor : 0;
      if (!cell.room) cell.eastdoor = cell.right ? cell.eastdoor : 0;
    }
  plan.at(24, 27).southdoor = 36;
  plan.at(25, 27).northdoor = 0;  // nothing below the south exit
  plan.at(14, 4).eastdoor = 56;
  plan.at(14, 5).westdoor = 28;

  struct Exit {
    int row, col, pos;
  };
  static const Exit exits[] = {{1, 27, 4}, {14, 5, 28}, {24, 27, 36}, {14, 50, 56}, {10, 22, 8}, {18, 22, 40}};

  for (int r = 1; r <= keyrows; ++r)
    for (int c = 1; c <= keycols; ++c) {
      Cell& cell = plan.at(r, c);
      if (!cell.room) continue;
      bool reserved[66] = {};
      for (int& w : cell.wall) w = 0;
      // The ways out of the complex are bare wall where the exit door goes.
      for (const Exit& e : exits)
        if (e.row == r && e.col == c)
          for (int s = e.pos + 1; s <= e.pos + 4; ++s) reserved[s] = true;
      auto mark = [&](int p) {
        if (reserved[p + 1]) return;
        cell.wall[p + 1] = 50;
        for (int s = p + 1; s <= p + 4; ++s) reserved[s] = true;
      };
      if (r > 1 && plan.at(r - 1, c).down && plan.at(r - 1, c).room) mark(cell.northdoor);
      if (c > 1 && plan.at(r, c - 1).right && plan.at(r, c - 1).room) mark(cell.westdoor);
      if (cell.down && plan.at(r + 1, c).room) mark(cell.southdoor);
      if (cell.right && plan.at(r, c + 1).room) mark(cell.eastdoor);
      furnish(cell, rng, reserved);
    }
}

}  // namespace contentgen::mapgen
