#include "app/replay/playback.h"

#include "app/frame_loop.h"
#include "app/replay/play_settings.h"
#include "app/replay/state_hash.h"
#include "frontend/menu_frame.h"
#include "frontend/newgame.h"
#include "frontend/save_fields.h"
#include "input/input.h"
#include "platform/random.h"
#include "squad/squad.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"

namespace {
bool playing = false;
}  // namespace

bool replayplaying() { return playing; }
void setreplayplaying(bool on) { playing = on; }

void replayquicksave() { rndseed = static_cast<int>(plat::random_seed()); }
void replayquickload() { plat::seed_random(static_cast<uint32_t>(rndseed)); }

ReplayPlayer::Step ReplayPlayer::diverged() {
  outofstep_ = true;
  outclock_ = teamstat[teamrow][statclock];
  return outofstep;
}

bool ReplayPlayer::start(const ReplayFile& file, bool listening) {
  file_ = &file;
  listening_ = listening;
  frames_ = matched_ = 0;
  idle_ = 0;
  outofstep_ = ended_ = false;
  const StartPoint& s = file.start;
  applyplaysettings(s.settings, listening);
  if (s.kind == startnewgame) {
    // The new-game set-up again, from the same generator state and choices.
    modeplayers = s.players;
    splitoption = s.split;
    for (int m = 1; m <= 6; ++m) squadchar[m] = s.squad[m];
    plat::seed_random(s.seed);
    resetgame();
    placegame();
  } else {
    readpayload(s.payload);
    plat::seed_random(static_cast<uint32_t>(rndseed));
  }
  gameinprogress = 1;
  nextstate = 0;
  events_ = std::make_unique<EventReader>(file.body, file.events, s.leadin[1]);
  resetinput();
  updateinputfrom(inputof(s.leadin[0]));
  updateinputfrom(inputof(s.leadin[1]));
  if (!restorecarried(s.carried) || quickstatehash() != s.hash) {
    diverged();
    return false;
  }
  return true;
}

ReplayPlayer::Step ReplayPlayer::step() {
  if (outofstep_) return outofstep;
  if (ended_) return finished;
  ReplayEvent e;
  while (idle_ == 0) {
    if (!events_->next(e)) {
      ended_ = true;
      if (events_->damaged() || quickstatehash() != file_->header.finalhash) return diverged();
      return finished;
    }
    if (e.tag == tagframe) break;
    switch (e.tag) {
      case tagidle: idle_ = e.frames; break;
      case taginput: updateinputfrom(inputof(events_->snapshot())); break;
      case tagsettings: applyplaysettings(e.values, listening_); break;
      case tagcarried:
        if (!restorecarried(e.carried)) return diverged();
        break;
      case tagcheck:
        if (quickstatehash() != e.hash) return diverged();
        matched_ += 1;
        break;
      default: break;
    }
  }
  if (idle_ > 0) idle_ -= 1;
  updateinputfrom(inputof(events_->snapshot()));
  stepframe();
  frames_ += 1;
  // A stored hash right after this frame is compared at once, so playback
  // stops on the frame where the difference shows.
  while (idle_ == 0 && events_->checknext()) {
    events_->next(e);
    if (quickstatehash() != e.hash) return diverged();
    matched_ += 1;
  }
  return stepped;
}
