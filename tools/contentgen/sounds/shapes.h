// Building blocks for the sound effects: short events that are dropped
// into a buffer (thumps, clicks, pings, noise bursts) and the two voiced
// sources, the creature shriek and the human formant voice.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "sounds/dsp.h"

namespace contentgen::sfx {

using dsp::Buf;

// Every effect is mono 16-bit at the mixer's own rate: made at half of it,
// the mixer's conversion left mirror images of the top octave above 11 kHz.
constexpr int kRate = 44100;

inline Buf blank(double seconds) { return Buf(dsp::frames(seconds, kRate), 0.0f); }
inline double seconds_at(size_t i) { return static_cast<double>(i) / kRate; }

// A sine whose pitch falls exponentially from f0 to f1: kicks, clunks, bloops.
void add_thump(Buf& b, double at, float f0, float f1, float decay_s, float gain);
// A band-passed noise burst with an exponential decay.
void add_noise_burst(Buf& b, dsp::Rng& rng, double at, float centre_hz, float q, float decay_s, float gain);
// A decaying sine with a little inharmonic partial: glass, metal, bells.
void add_ping(Buf& b, double at, float hz, float decay_s, float gain);
// An FM bell (two-operator, modulator ratio `ratio`).
void add_bell(Buf& b, double at, float hz, float ratio, float index, float decay_s, float gain);

// A sound's colour: filters run in order over the finished sound. A peak
// adds the band around `hz` scaled by `gain` (negative gains carve a dip).
struct Colour {
  enum Kind { LowPass, HighPass, Peak } kind;
  float hz;
  float gain = 0.0f;
  float q = 0.707f;
};
void colour(Buf& b, std::initializer_list<Colour> chain);

// Pitch contour through (time, Hz) points, interpolated in log frequency.
struct Contour {
  std::vector<std::pair<float, float>> points;
  float at(float t) const;
};

// A slow random walk between -1 and 1: a new point every `min_s`..`max_s`
// seconds, eased between points, so what it drives drifts without a rate
// the ear could lock onto.
class Wander {
 public:
  Wander(uint32_t seed, float min_s, float max_s, int rate);
  float next();

 private:
  dsp::Rng rng_;
  size_t min_, max_, left_ = 0, len_ = 1;
  float from_ = 0.0f, to_ = 0.0f;
};

// Keeps a cry alive: a resonance that wanders between lo_hz and hi_hz, an
// uneven swell in loudness of up to `depth`, and breath blown through the
// same resonance at `breath` of the cry's own level, so no steady stack of
// overtones is left standing.
void restless(Buf& b, uint32_t seed, float lo_hz, float hi_hz, float depth, float breath);

// Brings a cry to its full strength within its first `hold_s`: a quiet
// opening is lifted toward the cry's loudest moment, and past the opening
// the 10 ms loudness is held under a ceiling that falls away from the
// opening's peak over `fall_s`, so however the body swells the cry opens
// at its loudest. Under the ceiling every movement is kept.
void open_at_peak(Buf& b, float hold_s, float fall_s);

// Vowel formants (Hz) for the human voice.
struct Vowel {
  float f1, f2, f3;
};
constexpr Vowel kVowelA{730, 1090, 2440};
constexpr Vowel kVowelU{640, 1190, 2390};  // as in "uh"
constexpr Vowel kVowelO{570, 840, 2410};
constexpr Vowel kVowelE{530, 1840, 2480};
constexpr Vowel kVowelI{390, 1990, 2550};
constexpr Vowel kNasalM{280, 1100, 2300};

// A glottal voice: pitch contour, a vowel path (evenly spaced over the
// sound), formant scale (1 for a man, ~1.17 for a woman), rasp = noise.
struct VoiceParams {
  float seconds;
  Contour pitch;
  std::vector<Vowel> vowels;
  float formant_scale = 1.0f;
  float rasp = 0.2f;
  float jitter = 0.02f;
  float vibrato = 0.0f;  // depth of a 5-6 Hz tremble in pitch
  float drift = 0.0f;    // depth of a slow uneven wander in pitch
  float shimmer = 0.0f;  // each glottal pulse's loudness varies by up to this share
  float attack_s = 0.02f;
  float release_s = 0.12f;
  uint32_t seed = 1;
};
Buf voice(const VoiceParams& p);

}  // namespace contentgen::sfx
