// Headless sessions on the shipped complex: a new game started from a seed,
// then frames of play driven by input snapshots through the loop's own frame
// step. A recording is the set-up plus one snapshot per frame; replaying it
// plays the same game again, which the state hash shows.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/platform.h"

struct SessionSetup {
  uint32_t seed = 907;
  int players = 1;                          // 1 or 2
  int split = 1;                            // splitview with two players
  int chars[7] = {0, 3, 5, 8, 11, 13, 15};  // roster number per member
  int mouseaiming = 0;
  // 1: every frame is drawn as in the running program (an open display and
  // loaded pictures are the caller's); 0: nothing is drawn.
  int draws = 0;
  // Frames already on the mission clock when the first game starts, so a
  // short session can reach the attack waves.
  int startframes = 0;
};

// Loads the shipped complex (once per process), puts every table back to
// a fresh state, seeds the generator and starts a new game: gamestate stateplay.
// The colonist close-up does not block a session; frames are drawn only
// when the set-up asks for it.
void startsession(const SessionSetup& setup);
// One frame of play with this snapshot. When the game has gone back to the
// main menu (the results or squad-lost screen was left, or the player quit),
// the next game starts on the same generator, as a player choosing NEW GAME
// would.
void sessionframe(const plat::RawInput& in);
// Games started in this session, the first included.
int sessiongames();

struct Recording {
  SessionSetup setup;
  std::vector<plat::RawInput> frames;
};

// Starts recording: the session starts and every sessionframe is kept.
void startrecording(Recording& rec, const SessionSetup& setup);
// Stops keeping frames (the recording stays as it is).
void stoprecording();
// Replays a recording from its start; after every `every` frames (and after
// the last) the state hash is noted.
std::vector<uint64_t> replayhashes(const Recording& rec, int every = 1000);
