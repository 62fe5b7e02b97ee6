// game.map: the colony complex, built from a fixed seed and written as the
// grid of cells the game loads.
#include <cstdio>

#include "plan.h"

namespace contentgen {

namespace mapgen {

Plan build_complex() {
  // Some layouts cannot meet every figure of the complex (room count,
  // passage counts, areas); the seeds are tried in order until one does.
  for (uint64_t seed = 1;; ++seed) {
    Rng rng(seed);
    Plan plan;
    if (!lay_out(plan, rng)) continue;
    if (!assign_rooms(plan, rng)) continue;
    fit_walls(plan, rng);
    return plan;
  }
}

Bytes write_map(const Plan& plan) {
  Bytes out;
  out.reserve(500004);
  auto put = [&](int32_t v) {
    uint32_t u = static_cast<uint32_t>(v);
    for (int b = 0; b < 4; ++b) out.push_back(static_cast<uint8_t>(u >> (8 * b)));
  };
  put(414);
  for (int r = 1; r <= keyrows; ++r)
    for (int c = 1; c <= keycols; ++c) {
      const Cell& cell = plan.at(r, c);
      int32_t f[101] = {};
      if (cell.room) {
        f[1] = cell.id;
        f[2] = cell.type;
        f[8] = cell.id >= 1 && cell.id <= 3;
        f[9] = cell.id == 248;
        f[30] = cell.population;
        for (int s = 1; s <= 64; ++s) f[36 + s] = cell.wall[s];
      }
      f[4] = cell.down;
      f[5] = cell.right;
      f[6] = cell.southdoor;
      f[7] = cell.eastdoor;
      f[22] = cell.northdoor;
      f[23] = cell.westdoor;
      for (int i = 1; i <= 100; ++i) put(f[i]);
    }
  return out;
}

}  // namespace mapgen

void register_map(Registry& reg) {
  reg.add("game.map", [] { return mapgen::write_map(mapgen::build_complex()); });
}

}  // namespace contentgen
