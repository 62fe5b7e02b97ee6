#include "creatures/creature_tables.h"

#include <array>

const int cspeed[7] = {0, 3, 5, 4, 0, 0, 0};
const int cdamage[7] = {0, 2, 2, 5, 0, 0, 0};
const int clunge[7] = {0, 0, 32, 32, 0, 0, 0};
const float cscale[7][2] = {{0, 0}, {0.015f, 0.33f}, {0.02f, 0.2f}, {0.02f, 0.33f},
                            {0, 0}, {0, 0},          {0, 0}};
const int cheady[7] = {0, 130, 240, 100, 0, 0, 0};
const int cheadk[7] = {0, 40, 40, 20, 0, 0, 0};
const int cpoints[7] = {0, 100, 200, 1000, 50, 0, 200};
const int killcounter[7] = {0, 1, 2, 3, 2, 0, 2};
const int kindy[7] = {0, 110, 264, 12, 216, 154, 100};

const ShotBox roambox[7] = {
    {0, 0, 0, 0, 0},       {18, -18, 120, 50, 50}, {29, -73, 265, 45, 10}, {0, 0, 0, 0, 0},
    {-36, -36, 216, 72, 85}, {0, 0, 0, 0, 0},      {57, 57, 146, 41, 44},
};
const int attackw[7] = {0, 110, 100, 120, 0, 0, 0};
const int attackh[7] = {0, 260, 110, 220, 0, 0, 0};

namespace {
constexpr std::array<int, 51> makewavestart() {
  std::array<int, 51> t{};
  for (int i = 0; i <= 50; ++i) t[i] = 10800 * i;
  return t;
}
}  // namespace

const std::array<int, 51> wavestart = makewavestart();

float creaturesize(int kind, float approach) {
  if (kind < 1 || kind > 6) return 0;
  return approach * cscale[kind][0] + cscale[kind][1];
}
