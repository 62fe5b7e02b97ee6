// Headless play: a game set up directly in memory, then driven frame by
// frame with scripted input snapshots through the loop's own frame step
// (keys, screen dispatch, in-game frame), with no display work.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct PlaySetup {
  int players = 1;
  int split = 1;                         // splitview with two players
  int chars[7] = {0, 12, 9, 10, 2, 14, 3};  // roster number per member
  uint32_t seed = 907;
};

// Resets the game state (rooms' run-time slots, effect lists, counters,
// panel, input) and sets up the squad, every member in the base room;
// gamestate becomes 4. The creature placement is left to the caller.
void playnewgame(const PlaySetup& setup);
// One frame of the running program with this input snapshot; drawn in full
// (status line and overlay too) while framedraws is 1.
void playframe(const plat::RawInput& in);
// n frames with the same held input (hits register on the first only).
void playframes(const plat::RawInput& in, int n);
