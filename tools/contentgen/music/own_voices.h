// Our own synth voices, played from one channel of a score and laid over
// the sound font's rendering of it, so a lead or a pad is heard as more
// than one stock preset.
#pragma once

#include <vector>

#include "music/notes.h"
#include "music/synth.h"

namespace contentgen::music {

enum class Voice {
  // Three saws a few cents apart through a low pass that opens on the
  // attack and closes as the note settles, with a slow vibrato.
  saw_lead,
  // Two saws a wider step apart, one each side, dark and slow to swell
  // like a bowed section, with a breath of noise high above.
  bowed_pad,
  // The breath alone: noise above about 6 kHz that follows each note, the
  // air over a wind player or a bow.
  breath,
};

struct OwnVoice {
  Voice voice;
  // RMS level under the mix's own over the frames where the layer sounds.
  float below_db;
  float pan;  // -1 (left) .. 1 (right)
  // How much breath the bowed pad carries against its saws (0 for none).
  float air = 0.0f;
};

// Plays every note the channel strikes in `events` (note-ons at or past the
// loop's end are left to the next round) with our own voice onto `c`, read
// round the wrap, at `below_db` under the canvas's level where it sounds.
// Deterministic: its noise comes from a fixed seed per note.
void own_layer(LoopCanvas& c, const std::vector<MidiEvent>& events, int channel, const OwnVoice& v);

}  // namespace contentgen::music
