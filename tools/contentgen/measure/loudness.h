// Loudness as a listener hears it, for levelling the effects and mastering
// the music. Two ear curves are offered: A-weighting (with a 40 Hz high-pass
// so rumble below hearing on small speakers counts for nothing) and the
// K-weighting of broadcast loudness meters. Levels are 10*log10 of the mean
// square of the weighted signal, so a full-scale 1 kHz sine in one channel
// reads -3 dB; the K-weighted music figures add the meters' -0.691 offset
// and read in LUFS.
#pragma once

#include <vector>

namespace contentgen::measure {

using Signal = std::vector<float>;

enum class Curve { A, K };

// The signal through the chosen ear curve, at `rate`.
std::vector<double> weighted(const Signal& s, int rate, Curve curve);

// Level of the loudest window of `window_s` seconds (A- or K-weighted). A
// sound shorter than the window is measured as if followed by silence.
double loudest_window_db(const Signal& s, int rate, Curve curve, double window_s);

// The two figures every effect is levelled and reported on.
struct EffectLevel {
  double loudest_100ms = -120.0;
  double loudest_400ms = -120.0;
  // What an effect is levelled on: short bangs are heard as louder than
  // their 400 ms mean but not as loud as their 100 ms peak, so the mean of
  // the two stands for the ear's integration over a fifth of a second.
  double heard() const { return 0.5 * (loudest_100ms + loudest_400ms); }
};
EffectLevel effect_level(const Signal& mono, int rate, Curve curve = Curve::A);

// Stereo programme loudness with K-weighting: integrated loudness (gated,
// LUFS), loudness range (LU, the spread of the 3 s short-term loudness from
// its 10th to its 95th percentile after gating) and the short-term values
// themselves, one per second.
struct ProgrammeLoudness {
  double integrated = -120.0;
  double range = 0.0;
  std::vector<double> short_term;
};
ProgrammeLoudness programme_loudness(const Signal& left, const Signal& right, int rate);

}  // namespace contentgen::measure
