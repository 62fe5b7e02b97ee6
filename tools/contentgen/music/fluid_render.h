// Plays a note score through FluidSynth with the General MIDI sound font,
// onto a loop canvas.
#pragma once

#include <string>

#include "music/notes.h"
#include "music/synth.h"

namespace contentgen::music {

// Where Debian's fluid-soundfont-gm installs the General MIDI bank.
inline const char* const kSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

// Renders the score at kRate on one thread with the synth's own reverb and
// chorus off (the tracks add their own loop-aware reverb), so the same
// score always gives the same samples. The render runs `tail_s` seconds
// past the loop and that tail is laid over the opening, so notes and
// releases that cross the loop point carry on over the start. Throws
// std::runtime_error when the synth or the sound font cannot be loaded.
LoopCanvas render(const NoteScore& score, double tail_s = 5.0);

}  // namespace contentgen::music
