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
  // The snapshot of the next frame, made from the seed alone.
  plat::RawInput next();
  // The same, but each player also looks at the game as a person would:
  // turns towards a creature in the room and fires, or walks to a door and
  // goes through it. Replays of such play need the recording.
  plat::RawInput nextplaying();

 private:
  uint32_t bits();
  bool chance(int one_in) { return bits() % static_cast<uint32_t>(one_in) == 0; }
  static void press(plat::RawInput& in, int code);
  static void release(plat::RawInput& in, int code);
  // Steers player p's crosshair towards loop position x.
  void steer(plat::RawInput& in, int p, int x);

  uint32_t state_;
  int players_;
  bool held_[3][5] = {};  // [player][move 1..4]
  int mousex_ = 512, mousey_ = 200, wheel_ = 0;
  int door_[3] = {};  // door each player is heading for, 0 none
};
