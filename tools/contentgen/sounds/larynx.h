// A beast's larynx: the source of the creatures' cries. Folds that flap
// with a pitch that strays cycle by cycle, split now and then into a
// rough undertone, and creak apart into slow irregular clicks as a dying
// voice fails; air torn through them and hissed past them; a chest that
// booms at a few hundred hertz; and a mouth of four resonances, each
// wandering on its own path and at its own pace, never locked to the
// pitch. Its loudness follows a drawn gesture and a random walk, never a
// steady wobble.
#pragma once

#include <utility>
#include <vector>

#include "sounds/shapes.h"

namespace contentgen::sfx {

// Four resonances of a mouth at one moment (Hz).
struct Mouth {
  float f1, f2, f3, f4;
};

struct Larynx {
  float seconds;
  Contour pitch;                                // where the folds aim, Hz over time
  std::vector<std::pair<float, Mouth>> mouth;   // (seconds, resonances), glided between
  std::vector<std::pair<float, float>> level;   // (seconds, dB), glided between: the gesture
  float jitter = 0.02f;    // how far one cycle's length strays from the aim
  float shimmer = 0.3f;    // how far one cycle's strength strays
  float drift = 0.04f;     // how far the pitch wanders, slowly, from its contour
  float rough0 = 0.3f, rough1 = 0.5f;  // how often and how deeply the folds split, start to end
  float breath0 = 0.3f, breath1 = 0.5f;  // air through the mouth as a share of the voice, start to end
  float tension = 0.12f;   // the share of a cycle the folds take to snap shut: short is bright
  float fry_from = 2.0f;   // from this share of the cry on the folds creak apart (over 1: never)
  float fry_hz = 45.0f;    // the creak's own slow rate
  float chest_hz = 480.0f; // the chest's boom, 300-1000 Hz
  float chest = 0.6f;      // its strength beside the mouth
  float bright = 1.0f;     // how strongly the upper two resonances ring: the voice's edge
  float roam = 0.12f;      // how far each resonance strays on its own from its path
  float swell_db = 4.0f;   // how far the loudness strays, up or down, on its random walk
  float drive = 1.6f;      // how hard the voice is pushed into a strain
  float top_hz = 9000.0f;  // where the lips close off the sound
  float hiss = 0.0f;       // air hissed past the tongue and teeth, 2-6 kHz, as a share of the voice
  float hiss_hz = 3800.0f; // the hiss's centre
  float attack_s = 0.006f;
  uint32_t seed = 1;
};

// The cry, `seconds` long at kRate, peaking near 1.
Buf larynx(const Larynx& l);

}  // namespace contentgen::sfx
