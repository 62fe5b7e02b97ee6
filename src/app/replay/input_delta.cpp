#include "app/replay/input_delta.h"

#include <cmath>
#include <cstddef>
#include <cstring>

#include "app/replay/format.h"

using replayio::putsigned;
using replayio::putvar;

SnapshotWords wordsof(const plat::RawInput& in) {
  SnapshotWords w{};
  std::memcpy(w.data(), &in, sizeof in);
  return w;
}

plat::RawInput inputof(const SnapshotWords& w) {
  plat::RawInput in;
  std::memcpy(static_cast<void*>(&in), w.data(), sizeof in);
  return in;
}

namespace {

// The snapshot's bytes, read as bytes (never as its typed fields).
const uint8_t* bytesof(const SnapshotWords& w) { return reinterpret_cast<const uint8_t*>(w.data()); }

bool flagsat(const SnapshotWords& w, size_t offset, size_t count) {
  const uint8_t* b = bytesof(w) + offset;
  for (size_t i = 0; i < count; ++i)
    if (b[i] > 1) return false;
  return true;
}

template <class T>
T valueat(const SnapshotWords& w, size_t offset) {
  T v;
  std::memcpy(&v, bytesof(w) + offset, sizeof v);
  return v;
}

bool stickat(const SnapshotWords& w, size_t offset, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const float f = valueat<float>(w, offset + i * sizeof(float));
    if (!std::isfinite(f) || std::fabs(f) > 2.0f) return false;
  }
  return true;
}

bool pointerat(const SnapshotWords& w, size_t offset) {
  const int v = valueat<int>(w, offset);
  return v > -(1 << 16) && v < (1 << 16);
}

}  // namespace

bool snapshotusable(const SnapshotWords& w) {
  using plat::RawInput;
  if (!flagsat(w, offsetof(RawInput, key), sizeof(RawInput::key))) return false;
  if (!flagsat(w, offsetof(RawInput, mouse), sizeof(RawInput::mouse))) return false;
  if (!flagsat(w, offsetof(RawInput, pointerstill), sizeof(RawInput::pointerstill))) return false;
  if (!flagsat(w, offsetof(RawInput, joybutton), sizeof(RawInput::joybutton))) return false;
  if (!pointerat(w, offsetof(RawInput, mousex)) || !pointerat(w, offsetof(RawInput, mousey))) return false;
  const int joys = valueat<int>(w, offsetof(RawInput, joycount));
  if (joys < 0 || joys > 21) return false;
  constexpr size_t sticks = sizeof(RawInput::joyx) / sizeof(float);
  return stickat(w, offsetof(RawInput, joyx), sticks) && stickat(w, offsetof(RawInput, joyy), sticks);
}

void InputEncoder::changes(std::vector<uint8_t>& out, const SnapshotWords& now, const std::vector<uint16_t>& at) {
  putvar(out, at.size());
  int next = 0;
  for (uint16_t i : at) {
    putvar(out, static_cast<uint64_t>(i - next));
    putsigned(out, static_cast<int32_t>(now[i] - last_[i]));
    next = i + 1;
  }
}

void InputEncoder::flushidle(std::vector<uint8_t>& out) {
  if (idle_ == 0) return;
  out.push_back(tagidle);
  putvar(out, idle_);
  idle_ = 0;
}

void InputEncoder::frame(std::vector<uint8_t>& out, const SnapshotWords& now) {
  if (now == last_) {
    idle_ += 1;
    return;
  }
  scratch_.clear();
  for (size_t i = 0; i < snapshotwords; ++i)
    if (now[i] != last_[i]) scratch_.push_back(static_cast<uint16_t>(i));
  flushidle(out);
  if (scratch_ == lastset_) {
    // The common case while the pointer moves: the same two words again.
    out.push_back(tagsameframe);
    for (uint16_t i : scratch_) putsigned(out, static_cast<int32_t>(now[i] - last_[i]));
  } else {
    out.push_back(tagframe);
    changes(out, now, scratch_);
    lastset_.swap(scratch_);
  }
  last_ = now;
}

void InputEncoder::input(std::vector<uint8_t>& out, const SnapshotWords& now) {
  flushidle(out);
  scratch_.clear();
  for (size_t i = 0; i < snapshotwords; ++i)
    if (now[i] != last_[i]) scratch_.push_back(static_cast<uint16_t>(i));
  out.push_back(taginput);
  changes(out, now, scratch_);
  last_ = now;
}

bool readchanges(replayio::Cursor& c, SnapshotWords& snap, std::vector<uint16_t>& set) {
  const uint64_t n = c.var(16);
  if (!c.ok() || n > snapshotwords) return false;
  set.clear();
  uint64_t at = 0;
  for (uint64_t k = 0; k < n; ++k) {
    at += c.var(16);
    const int64_t diff = c.sgn(32);
    if (!c.ok() || at >= snapshotwords) return false;
    snap[at] += static_cast<uint32_t>(diff);
    set.push_back(static_cast<uint16_t>(at));
    at += 1;
  }
  return true;
}

bool readsamechanges(replayio::Cursor& c, SnapshotWords& snap, const std::vector<uint16_t>& set) {
  for (uint16_t i : set) {
    const int64_t diff = c.sgn(32);
    if (!c.ok()) return false;
    snap[i] += static_cast<uint32_t>(diff);
  }
  return true;
}
