// Playing a recording back through the real frame step: the game is set up
// at the recording's starting point and every recorded frame runs with its
// own input snapshot, the play settings changed where they changed. Each
// stored state hash is compared as playback passes it; the first that
// differs stops playback.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/replay/event_reader.h"
#include "app/replay/reader.h"

// True while a recording is being played (nothing is then recorded).
bool replayplaying();
void setreplayplaying(bool on);
// F5 and F9 met in a recorded frame: what they did to the game, with no
// file touched. F5 took the generator's seed for the save; a recording
// holds only quickloads that failed (one that worked began the next
// recording), and a failed one reseeds the generator from that seed.
void replayquicksave();
void replayquickload();

class ReplayPlayer {
 public:
  enum Step { stepped, finished, outofstep };

  // Sets the game up where the recording begins; the state there must hash
  // as it did when it was recorded, else outofstep() holds. The file must
  // stay alive while it plays. With listening false the player's own music
  // and sound switches stay as they are.
  bool start(const ReplayFile& file, bool listening = false);
  // One recorded frame (with the events before it, and the stored hash
  // after it). finished after the last frame when the final state hashes
  // as recorded.
  Step step();

  int frames() const { return frames_; }          // frames played
  int checksmatched() const { return matched_; }  // stored hashes that matched
  bool isoutofstep() const { return outofstep_; }
  // The mission clock where playback went out of step.
  int outofstepclock() const { return outclock_; }

 private:
  Step diverged();

  const ReplayFile* file_ = nullptr;
  std::unique_ptr<EventReader> events_;
  bool listening_ = false;
  uint32_t idle_ = 0;
  int frames_ = 0;
  int matched_ = 0;
  bool outofstep_ = false;
  bool ended_ = false;
  int outclock_ = 0;
};
