#include "app/replay/start_point.h"

#include "app/replay/play_settings.h"
#include "frontend/save_fields.h"
#include "squad/roster.h"

using replayio::put32;
using replayio::put64;

namespace {
// A saved game's payload is about 730 KB; this leaves room to grow.
constexpr size_t payloadmax = 16u << 20;
// The effect lists' unsaved fields: a few per record.
constexpr size_t listvaluesmax = 1u << 22;
}  // namespace

void putints(std::vector<uint8_t>& out, const std::vector<int32_t>& v) {
  replayio::putvar(out, v.size());
  for (int32_t x : v) replayio::putsigned(out, x);
}

bool readints(replayio::Cursor& c, std::vector<int32_t>& v, size_t maxcount) {
  const uint64_t n = c.var(32);
  // Each value takes at least a byte.
  if (!c.ok() || n > maxcount || n > c.left()) return false;
  v.resize(static_cast<size_t>(n));
  for (int32_t& x : v) {
    const int64_t s = c.sgn(32);
    x = static_cast<int32_t>(s);
  }
  return c.ok();
}

void writestart(std::vector<uint8_t>& out, const StartPoint& s) {
  put32(out, static_cast<uint32_t>(s.kind));
  if (s.kind == startnewgame) {
    put32(out, s.seed);
    put32(out, static_cast<uint32_t>(s.players));
    put32(out, static_cast<uint32_t>(s.split));
    for (int m = 1; m <= 6; ++m) put32(out, static_cast<uint32_t>(s.squad[m]));
  } else {
    put32(out, static_cast<uint32_t>(s.payload.size()));
    out.insert(out.end(), s.payload.begin(), s.payload.end());
  }
  put64(out, s.hash);
  putints(out, s.carried.fixed);
  putints(out, s.carried.lists);
  putints(out, s.settings);
  for (const SnapshotWords& snap : s.leadin)
    for (uint32_t w : snap) put32(out, w);
}

bool readstart(replayio::Cursor& c, StartPoint& s) {
  s.kind = c.i32();
  if (s.kind == startnewgame) {
    s.seed = c.u32();
    s.players = c.i32();
    s.split = c.i32();
    if (s.players != 1 && s.players != 2) return false;
    if (s.split != 0 && s.split != 1) return false;
    for (int m = 1; m <= 6; ++m) {
      s.squad[m] = c.i32();
      if (s.squad[m] < 1 || s.squad[m] > rostercount) return false;
    }
  } else if (s.kind == startsaved) {
    const uint32_t n = c.u32();
    if (!c.ok() || n > payloadmax) return false;
    s.payload = c.bytes(n);
    if (!c.ok() || !checkpayload(s.payload)) return false;
  } else {
    return false;
  }
  s.hash = c.u64();
  if (!readints(c, s.carried.fixed, static_cast<size_t>(carriedcount())) ||
      !readints(c, s.carried.lists, listvaluesmax) || !readints(c, s.settings, 1024))
    return false;
  if (!carriedusable(s.carried) || !playsettingsusable(s.settings)) return false;
  for (SnapshotWords& snap : s.leadin) {
    for (uint32_t& w : snap) w = c.u32();
    if (!c.ok() || !snapshotusable(snap)) return false;
  }
  return true;
}
