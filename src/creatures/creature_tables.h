// Constant tables of the six creature kinds: 1 warrior, 2 hugger, 3 queen,
// 4 egg, 5 colonist, 6 cocooned colonist. Indexed by kind; index 0 unused.
#pragma once

#include <array>

#include "world/room_fields.h"

extern const int cspeed[7];      // pixels moved per frame while roaming
extern const int cdamage[7];     // health taken by one blow
extern const int clunge[7];      // pixels added to cx when an attack starts
extern const float cscale[7][2]; // drawn size s = approach * [0] + [1]
extern const int cheady[7];      // base y of the attacking creature's hit box
extern const int cheadk[7];      // y shift of that box per unit of s
extern const int cpoints[7];     // credit points for a kill
extern const int killcounter[7]; // which teamstat[p][1..3] a kill counts in (0: none)
extern const int kindy[7];       // base y of roaming frames and corpses

// Shot box of a roaming creature relative to cx (x offsets per direction).
struct ShotBox {
  int xdir1, xdir2, y, w, h;
};
extern const ShotBox roambox[7];
// Size of the attacking creature's box before scaling by s.
extern const int attackw[7];
extern const int attackh[7];

inline constexpr int slimemax = 3;
inline constexpr int maxwave = 50;
extern const std::array<int, 51> wavestart;  // wavestart[i] = 10,800 * i

// Drawn size factor of a kind at an approach value (0 for kinds without one).
float creaturesize(int kind, float approach);
