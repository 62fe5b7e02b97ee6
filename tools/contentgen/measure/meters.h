// The finer meters of the listening sheet and the sound tests: true peak,
// where a sound's energy lies in frequency, the tonal part of a noise, the
// steps of a decay, and the octave balance of music.
#pragma once

#include <array>
#include <vector>

namespace contentgen::measure {

using Signal = std::vector<float>;

// The highest level the waveform reaches between its samples, as a
// converter rebuilds it: the peak of the signal at four times the rate
// (windowed-sinc interpolation), in dBFS. Never below the sample peak.
double true_peak_db(const Signal& s);
// The same per sample: the largest magnitude the rebuilt waveform reaches
// from sample i to sample i + 1 (linear, never below |s[i]| or |s[i+1]|).
std::vector<float> true_peak_envelope(const Signal& s);

// The long-term power spectrum: Hann-windowed frames of `fft_size`
// samples, half overlapped, power per bin summed over the whole signal.
// The frames reach half a frame past both ends, so every sample, the
// onset too, carries the same weight.
// Bin b lies at b * rate / fft_size Hz.
std::vector<double> power_spectrum(const Signal& s, int fft_size);

// The A curve's power gain at `hz` (1 at 1 kHz).
double a_weight_power(double hz);

// Share (0..1) of the signal's energy between lo and hi Hz; with `a_weighted`
// the share of its A-weighted energy.
double band_share(const Signal& s, int rate, double lo, double hi, bool a_weighted);

// Levels in dB of the third-octave bands from 100 Hz to 8 kHz (20 bands),
// each relative to the loudest; for comparing the colour of two sounds.
std::array<double, 20> third_octave_shape(const Signal& s, int rate);
// Pearson correlation of two such shapes.
double shape_correlation(const std::array<double, 20>& a, const std::array<double, 20>& b);

// The strongest steady tone in [lo, hi] Hz: its frequency, how far it
// stands above the noise of its critical band (dB, both as power in the
// band's width), and its share of the whole A-weighted energy.
struct Tone {
  double hz = 0.0;
  double above_noise_db = 0.0;
  double a_share = 0.0;
};
Tone strongest_tone(const Signal& s, int rate, double lo, double hi);

// The largest fall of level from one 3 ms window to the next after the
// sound's loudest window, in dB, counting only falls that last (a window,
// taken no louder than the louder of the two before it, against the louder
// of the two after it); windows more than
// `floor_db` below the loudest are left out (the fade into silence of a
// finished sound).
double largest_tail_step_db(const Signal& s, int rate, double floor_db = 40.0);

// How long a sound takes to reach its full strength: the time from the
// first 10 ms window within 30 dB of its loudest (A-weighted) to the first
// within 3 dB of it, in seconds.
double onset_s(const Signal& s, int rate);

// Seconds during which the given band (lo..hi Hz) stays within 20 dB of its
// own loudest 10 ms: how long a hiss or a tone lasts.
double band_duration_s(const Signal& s, int rate, double lo, double hi);

// Octave bands of a piece of music centred on 63 Hz .. 8 kHz (8 bands),
// in dB of power; and the level of the 4 kHz band below the loudest band.
std::array<double, 8> octave_levels(const Signal& s, int rate);
double octave_4k_below_loudest_db(const Signal& s, int rate);

// Loudness of a loop across its seam: the K-weighted short-term (3 s)
// loudness of the last 3 s before the end and of the first 3 s after the
// start, as a listener hears them played round.
struct Seam {
  double before = -120.0, after = -120.0;
};
Seam seam_loudness(const Signal& left, const Signal& right, int rate);

}  // namespace contentgen::measure
