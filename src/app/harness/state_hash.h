// A 64-bit fingerprint of the running game: every field a saved game holds
// (squad, names, rooms, team counters, mission flags, traces, controlled
// members, event flags, the generator state, players and split, the nest and
// wave timers, the animation counters and the five effect lists) plus the
// screen and the panel. Two runs that hash alike after the same frames have
// played the same game.
#pragma once

#include <cstdint>

uint64_t statehash();
