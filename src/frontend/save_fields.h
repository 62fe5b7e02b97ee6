// Saved games' payloads, written, checked, read and reset by walking the
// field list of frontend/save_field_list.h.
//
// Payload layout: magic 907, squad[0..6][0..50], squadchar[0..6],
// squadname[0..6] (length + bytes), rooms[0..300][0..5][0..100],
// teamstat[0..2][0..5], missionflags[0..3], the tickers interleaved
// (tickertext[i], playerticker[0..2][i] for i 0..190), curmember[0..2],
// eventflags[0..10], the random seed, numplayers, splitview, ten timers and
// animation counters, then the five effect lists (count, then records).
// Integers are 32-bit little-endian; the reals of t_death are doubles.
#pragma once

#include <cstdint>
#include <vector>

#include "frontend/save_field_list.h"

constexpr int32_t savemagic = 907;

// The payload of the live state, with seed stored in place of rndseed.
std::vector<uint8_t> writepayload(int32_t seed);
// Whether bytes are a complete, in-range payload: right magic, nothing
// missing, nothing left over, and every room number, member number,
// creature kind, roster number, list count and string length usable.
bool checkpayload(const std::vector<uint8_t>& bytes);
// checkpayload, then replaces the live state with the payload. On false
// the live state is untouched.
bool readpayload(const std::vector<uint8_t>& bytes);
// Every saved field back to its start value: zeros, empty names and lists,
// one player, animation cycle phase 1.
void resetsavedstate();
// The fields that the state hash covers beyond the save back to 0.
void resetunsavedstate();
