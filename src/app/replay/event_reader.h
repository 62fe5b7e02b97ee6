// Walks the events of a recording's body one at a time. The validator
// walks every one before a recording is accepted; playback walks them
// again as it plays.
#pragma once

#include <cstdint>
#include <vector>

#include "app/replay/byte_io.h"
#include "app/replay/carried_state.h"
#include "app/replay/format.h"
#include "app/replay/input_delta.h"

struct ReplayEvent {
  Tag tag = tagframe;
  uint32_t frames = 0;          // tagidle: how many unchanged frames
  uint64_t hash = 0;            // tagcheck
  std::vector<int32_t> values;  // tagsettings
  CarriedState carried;         // tagcarried
};

class EventReader {
 public:
  // Over body bytes from offset on, the snapshot starting as start.
  EventReader(const std::vector<uint8_t>& body, size_t offset, const SnapshotWords& start);
  // The next event: tagframe and taginput have moved snapshot(). False at
  // the end of the body, or on damage (damaged() then says so).
  bool next(ReplayEvent& e);
  // Whether the next event is a stored state hash.
  bool checknext() const { return !damaged_ && c_.left() > 0 && c_.peek() == tagcheck; }
  const SnapshotWords& snapshot() const { return snap_; }
  bool damaged() const { return damaged_; }

 private:
  bool fail() {
    damaged_ = true;
    return false;
  }

  replayio::Cursor c_;
  SnapshotWords snap_;
  std::vector<uint16_t> set_;
  bool haveset_ = false;
  bool damaged_ = false;
};
