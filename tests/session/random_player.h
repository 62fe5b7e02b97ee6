// Scripted play: a deterministic stream of input snapshots from a seed, as
// one or two restless players would make them. Moves are held for a while,
// shots and uses come in taps, members are switched now and then, the pause
// panel is opened and closed, and the mouse wanders when it aims.
#pragma once

#include <cstdint>

#include "platform/platform.h"

class RandomPlayer {
 public:
  RandomPlayer(uint32_t seed, int players) : state_(seed ? seed : 1), players_(players) {}
  // The snapshot of the next frame.
  plat::RawInput next();

 private:
  uint32_t bits();
  bool chance(int one_in) { return bits() % static_cast<uint32_t>(one_in) == 0; }
  static void press(plat::RawInput& in, int code);

  uint32_t state_;
  int players_;
  bool held_[3][5] = {};  // [player][move 1..4]
  int mousex_ = 512, mousey_ = 200, wheel_ = 0;
};
