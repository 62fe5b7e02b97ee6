// Our own sub-bass under the sound font's: the font's basses thin out
// below 60 Hz, so the climaxes get their floor from a synth of their own.
#pragma once

#include <vector>

#include "music/score.h"

namespace contentgen::music {

// A sine on `hz` with a little of its octave, from frame `at` for
// `frames`, easing in over 40 ms and out over 120 ms, in the middle of the
// stereo image, `gain` its peak; read round the wrap.
void sub_note(LoopCanvas& c, size_t at, size_t frames, double hz, float gain);

// A sub root under each bar from `first_bar`: each root (a MIDI key) sounds
// one or more octaves down, between 30 and 60 Hz, held for its bar, and
// peaking where a plain sine `below_db` under the mean level of the bars it
// sits under would peak.
void sub_roots(LoopCanvas& c, const Timing& tm, int first_bar, const std::vector<int>& roots, float below_db);

}  // namespace contentgen::music
