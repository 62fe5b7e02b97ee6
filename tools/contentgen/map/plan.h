// The colony complex as the map generator builds it: which cells hold rooms,
// how they connect, what each room is for and how its walls are fitted.
#pragma once

#include <cstdint>
#include <vector>

#include "registry.h"

namespace contentgen::mapgen {

constexpr int keyrows = 25;  // grid rows 1..25 (north to south)
constexpr int keycols = 50;  // grid columns 1..50 (west to east)
constexpr int kRooms = 255;

// Small deterministic generator so that the map never depends on the
// standard library's distributions.
class Rng {
 public:
  explicit Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x907) {}
  uint32_t next() {
    s_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = s_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
  }
  int range(int a, int b) { return a + static_cast<int>(next() % static_cast<uint32_t>(b - a + 1)); }
  bool chance(int percent) { return range(1, 100) <= percent; }

 private:
  uint64_t s_;
};

// What a room is for; decides its furnishing.
enum Purpose {
  Ordinary,
  Corridor,
  Base,        // rooms 1, 2, 3 at the east entrance
  Armoury,     // room 28, ammunition
  Medical,     // rooms 177..182
  Generator,   // room 174
  Nest,        // room 248
  Bonus,       // room 69
  ExitRoom,    // the other ways out
};

struct Cell {
  bool room = false;
  int id = 0;
  int type = 0;
  int population = 0;
  bool down = false;   // passage to the cell below
  bool right = false;  // passage to the cell to the right
  int southdoor = 0, eastdoor = 0, northdoor = 0, westdoor = 0;
  int wall[65] = {};
  // Generator bookkeeping.
  int group = 0;       // corridor or cluster the cell was laid out with
  bool corridor = false;
  Purpose purpose = Ordinary;
};

struct Plan {
  Cell cell[keyrows + 2][keycols + 2];  // border rows and columns stay empty
  Cell& at(int r, int c) { return cell[r][c]; }
  const Cell& at(int r, int c) const { return cell[r][c]; }
};

// Fixed cells of the complex.
struct Spot {
  int id, row, col;
};
inline constexpr Spot kFixedRooms[] = {
    {1, 14, 50},  {2, 14, 49},  {3, 14, 48},   {89, 10, 22},  {126, 18, 22},
    {174, 2, 27}, {176, 1, 27}, {183, 24, 27}, {248, 14, 9},  {255, 14, 5},
};

// Lays out the rooms and their passages. Returns false when this seed
// cannot meet the figures (the caller tries the next seed).
bool lay_out(Plan& plan, Rng& rng);
// Gives every room its purpose, type, id and population.
bool assign_rooms(Plan& plan, Rng& rng);
// Door positions and wall loops.
void fit_walls(Plan& plan, Rng& rng);
// The whole complex, deterministic.
Plan build_complex();
// The game.map file image.
Bytes write_map(const Plan& plan);

// Rooms joined to cell (r, c) by a passage, as (row, col) pairs.
std::vector<std::pair<int, int>> linked(const Plan& plan, int r, int c);

}  // namespace contentgen::mapgen
