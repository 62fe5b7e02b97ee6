#include "app/replay/event_reader.h"

#include "app/replay/play_settings.h"
#include "app/replay/start_point.h"

EventReader::EventReader(const std::vector<uint8_t>& body, size_t offset, const SnapshotWords& start)
    : c_(body.data() + offset, offset <= body.size() ? body.size() - offset : 0), snap_(start) {}

bool EventReader::next(ReplayEvent& e) {
  if (damaged_ || c_.atend()) return false;
  e.tag = static_cast<Tag>(c_.byte());
  switch (e.tag) {
    case tagframe:
    case taginput: {
      std::vector<uint16_t> set;
      if (!readchanges(c_, snap_, set) || !snapshotusable(snap_)) return fail();
      if (e.tag == tagframe) {
        set_.swap(set);
        haveset_ = true;
      }
      return true;
    }
    case tagsameframe:
      if (!haveset_ || !readsamechanges(c_, snap_, set_) || !snapshotusable(snap_)) return fail();
      e.tag = tagframe;
      return true;
    case tagidle: {
      const uint64_t n = c_.var(32);
      if (!c_.ok() || n == 0 || n > static_cast<uint64_t>(replayframemax)) return fail();
      e.frames = static_cast<uint32_t>(n);
      return true;
    }
    case tagsettings:
      if (!readints(c_, e.values, 1024) || !playsettingsusable(e.values)) return fail();
      return true;
    case tagcarried:
      if (!readints(c_, e.carried.fixed, static_cast<size_t>(carriedcount())) ||
          !readints(c_, e.carried.lists, 1u << 22) || !carriedusable(e.carried))
        return fail();
      return true;
    case tagcheck:
      e.hash = c_.u64();
      return c_.ok() ? true : fail();
  }
  return fail();
}
