// Placing a sound in the mix: where it sits between the speakers, how loud
// it plays, and the music stepping back under a sound that must be
// understood.
#pragma once

namespace plat {

// How one playback is placed: `pan` from -1 (left) to 1 (right), the far
// side lowered, the near side kept; `gain` scales its level (1 = as made).
struct Placing {
  float pan = 0.0f;
  float gain = 1.0f;
};
// As play_sound, placed.
int play_sound_placed(int sound, Placing placing);

// Lowers the music by `db` (negative) for the next `ms` milliseconds; it
// eases down within a few tens of ms and back up over a few hundred.
// Overlapping calls keep the deeper step and the later end.
void duck_music(int ms, float db);

}  // namespace plat
