// A creature's throat: one body for every cry. Folds that open and snap
// shut on each pulse, their pitch gliding along a contour and straying
// pulse by pulse (jitter) and in strength (shimmer), through a mouth whose
// resonances move along a vowel path. The breath is torn from the same
// pulses and blown through the same mouth, so the hiss and the buzz are
// one sound with one envelope rather than two layers.
#pragma once

#include <vector>

#include "sounds/shapes.h"

namespace contentgen::sfx {

struct Throat {
  float seconds;
  Contour pitch;
  std::vector<Vowel> mouth;  // evenly spaced over the cry
  float mouth_scale = 1.0f;  // a creature's mouth is not a man's
  float wander = 0.03f;      // how far the pitch strays, slowly, from the contour
  float jitter = 0.03f;      // how far one pulse's length strays from the last
  float shimmer = 0.25f;     // how far one pulse's strength strays from the last
  float rough0 = 0.3f, rough1 = 0.3f;  // every other pulse sags and lags, start to end: an undertone
  float breath = 0.3f;       // air torn with each pulse, as a share of the voice
  float tension = 0.15f;     // the share of each period the folds take to snap shut: short is bright
  float top_hz = 7000.0f;    // where the lips start to close off the voice
  int lips = 2;              // how steeply above it, 1 (a thin, airy mouth) to 4 (a muffling one)
  float air_lo_hz = 4000.0f; // the breath's rush past the teeth, from here
  float air_hz = 0.0f;       // up to here (0: no air; 0.45 of the rate or more: the top of the band)
  float air = 0.0f;          // its strength, as a share of the voice; it is torn from the same pulses
  float sweep = 0.3f;        // how far the mouth opens as the pitch climbs
  float bright = 1.0f;       // how strongly the upper resonances ring: the voice's edge
  float drive = 1.5f;        // how hard the voice is pushed into a strained rasp
  float attack_s = 0.004f;
  float release_s = 0.1f;
  uint32_t seed = 1;
};

// The cry alone, `seconds` long at kRate, its voice peaking near 1 and
// its air riding on top.
Buf throat(const Throat& t);

}  // namespace contentgen::sfx
