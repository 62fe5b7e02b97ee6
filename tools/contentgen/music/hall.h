// One room for a whole track: a feedback-delay-network hall run over the
// finished mix, so every section and every instrument sits in the same
// space, and the ending's tail rings on over the opening.
#pragma once

#include "music/synth.h"

namespace contentgen::music {

struct HallSettings {
  double decay_s = 2.1;      // time for the tail to fall by 60 dB (mid band)
  double predelay_s = 0.02;  // gap before the first reflections
  double damp_hz = 5000.0;   // the tail darkens above about here
  double low_cut_hz = 220.0; // the bass is sent only lightly, so it stays clear
  float wet = 0.3f;          // tail level against the dry mix
};

// Adds the hall's tail to the loop. The network first runs over the loop's
// last seconds, so the tail that wraps into the opening is already in it
// when the real pass starts there.
void hall(LoopCanvas& c, const HallSettings& h);

}  // namespace contentgen::music
