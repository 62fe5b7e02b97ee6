// The values play reads that a saved game does not keep: the screen, the
// side panel, the animation and tracker counters the state hash also
// covers, the panel's shown counters, the pointer of the last two frames,
// the use prompts, the controls card, and the fields of effect records a
// save leaves out. A recording holds them at its start and wherever play
// went on after the menus, so playback stands exactly where the game stood.
#pragma once

#include <cstdint>
#include <vector>

struct CarriedState {
  std::vector<int32_t> fixed;  // carriedcount() values
  std::vector<int32_t> lists;  // per effect list: count, then the unsaved fields of each record
};

// How many fixed values the block holds.
int carriedcount();
CarriedState capturecarried();
// Whether every fixed value is one play can run on (the screen is play or
// a mission-end screen, flags are 0 or 1, the panel within its travel, the
// pointer on a sane scale).
bool carriedusable(const CarriedState& c);
// Puts the values back. False, with the fixed values put back but no
// effect record touched, when the effect lists do not hold as many
// records as the block describes.
bool restorecarried(const CarriedState& c);
