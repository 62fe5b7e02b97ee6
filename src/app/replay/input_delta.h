// A frame's input snapshot as the 32-bit words of its bytes, whatever
// fields it holds (added devices are recorded without a change here), and
// the coding of one snapshot against the one before: the words that
// changed, each as its position and its difference.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "app/replay/byte_io.h"
#include "platform/platform.h"

inline constexpr size_t snapshotwords = (sizeof(plat::RawInput) + 3) / 4;
using SnapshotWords = std::array<uint32_t, snapshotwords>;

SnapshotWords wordsof(const plat::RawInput& in);
plat::RawInput inputof(const SnapshotWords& w);
// Whether a decoded snapshot is one a device could give: every flag 0 or
// 1, the joystick count within the tables, the sticks finite and within
// their travel, the pointer on a sane scale. Checked before any snapshot
// read from a file becomes a RawInput.
bool snapshotusable(const SnapshotWords& w);

// Codes snapshots frame by frame into a body (the tags of format.h).
class InputEncoder {
 public:
  explicit InputEncoder(const SnapshotWords& start) : last_(start) {}
  // One frame's snapshot. Unchanged frames are only counted until
  // something else is written (flushidle).
  void frame(std::vector<uint8_t>& out, const SnapshotWords& now);
  // A snapshot applied without a frame.
  void input(std::vector<uint8_t>& out, const SnapshotWords& now);
  // Writes the run of unchanged frames counted so far.
  void flushidle(std::vector<uint8_t>& out);
  const SnapshotWords& last() const { return last_; }

 private:
  void changes(std::vector<uint8_t>& out, const SnapshotWords& now, const std::vector<uint16_t>& at);

  SnapshotWords last_;
  std::vector<uint16_t> lastset_;  // words the last tagframe changed
  std::vector<uint16_t> scratch_;
  uint32_t idle_ = 0;
};

// Reads the changes of a tagframe / taginput (after its tag) or the
// differences of a tagsameframe into a snapshot; false on damage.
bool readchanges(replayio::Cursor& c, SnapshotWords& snap, std::vector<uint16_t>& set);
bool readsamechanges(replayio::Cursor& c, SnapshotWords& snap, const std::vector<uint16_t>& set);
