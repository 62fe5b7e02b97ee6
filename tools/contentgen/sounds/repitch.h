// Moving a recorded voice's pitch while keeping its mouth: the formants,
// the consonants and the timing stay where the speaker put them.
#pragma once

#include <functional>

#include "sounds/dsp.h"

namespace contentgen::dsp {

// The voice re-sung with its pitch multiplied by factor(t), t in seconds
// from its start. Each glottal pulse is cut out, two periods wide, and laid
// down again at the new spacing (pitch-synchronous overlap-add); unvoiced
// sound is copied through unchanged. Same length as the input.
Buf repitched(const Buf& voice, int rate, const std::function<double(double)>& factor);

}  // namespace contentgen::dsp
