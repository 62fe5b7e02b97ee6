// Where a recording begins: a new game's set-up, or a whole saved game; in
// both cases with the carried values, the play settings and the two input
// snapshots applied just before the first recorded frame.
#pragma once

#include <cstdint>
#include <vector>

#include "app/replay/byte_io.h"
#include "app/replay/carried_state.h"
#include "app/replay/format.h"
#include "app/replay/input_delta.h"

struct StartPoint {
  int32_t kind = startnewgame;
  // A new game: the generator's state before the set-up drew from it, the
  // players, the split choice and the six roster characters.
  uint32_t seed = 0;
  int32_t players = 1;
  int32_t split = 0;
  int32_t squad[7] = {};
  // A saved game: the payload as a save holds it, the generator's state in
  // place of the stored seed.
  std::vector<uint8_t> payload;
  uint64_t hash = 0;  // the state hash at the start
  CarriedState carried;
  std::vector<int32_t> settings;
  // The two snapshots applied before the first frame, older first.
  SnapshotWords leadin[2]{};
};

void writestart(std::vector<uint8_t>& out, const StartPoint& s);
// Reads and checks a starting point; false on anything damaged or out of
// range (the payload is checked as a saved game's is).
bool readstart(replayio::Cursor& c, StartPoint& s);

// A list of integers: count, then each as a signed variable-length number.
void putints(std::vector<uint8_t>& out, const std::vector<int32_t>& v);
bool readints(replayio::Cursor& c, std::vector<int32_t>& v, size_t maxcount);
