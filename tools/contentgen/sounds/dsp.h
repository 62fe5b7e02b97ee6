// Small signal-processing kit shared by the sound effects and the music:
// a seeded noise source, oscillators, filters, a reverb and level tools.
// Everything works on float buffers in -1..1 and is fully deterministic.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace contentgen::dsp {

using Buf = std::vector<float>;

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

// xorshift32: the same seed always gives the same noise.
class Rng {
 public:
  explicit Rng(uint32_t seed) : s_(seed ? seed : 0x9E3779B9u) {}
  uint32_t next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
  }
  float uni() { return static_cast<float>(next() >> 8) * (1.0f / 16777216.0f); }  // 0..1
  float bi() { return uni() * 2.0f - 1.0f; }                                      // -1..1
  float range(float lo, float hi) { return lo + (hi - lo) * uni(); }

 private:
  uint32_t s_;
};

inline size_t frames(double seconds, int rate) { return static_cast<size_t>(std::lround(seconds * rate)); }
inline float db_to_gain(float db) { return std::pow(10.0f, db / 20.0f); }
inline float midi_hz(float note) { return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f); }

// Phase accumulator in cycles (0..1). The waveforms take the frequency of
// the current sample, so sweeps and vibrato need no extra state.
struct Phase {
  double p = 0.0;
  double step(double hz, int rate) {
    double cur = p;
    p += hz / rate;
    p -= std::floor(p);
    return cur;
  }
};

inline float sine(double cycles) { return static_cast<float>(std::sin(kTwoPi * cycles)); }

// Band-limited sawtooth (polyBLEP) to keep the buzzy voices free of aliasing.
float blep_saw(double phase, double inc);
// Band-limited square from two sawtooths.
float blep_square(double phase, double inc);

struct OnePoleLP {
  float a = 1.0f, z = 0.0f;
  void set(float hz, int rate) { a = 1.0f - std::exp(static_cast<float>(-kTwoPi * hz / rate)); }
  float operator()(float x) { return z += a * (x - z); }
};

struct OnePoleHP {
  OnePoleLP lp;
  void set(float hz, int rate) { lp.set(hz, rate); }
  float operator()(float x) { return x - lp(x); }
};

// RBJ biquad; coefficients may be reset every few samples for sweeps.
struct Biquad {
  float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
  float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  void lowpass(float hz, float q, int rate);
  void highpass(float hz, float q, int rate);
  void bandpass(float hz, float q, int rate);  // 0 dB peak gain
  float operator()(float x) {
    float y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
  }
};

// Mono Schroeder reverb: parallel damped combs into series allpasses.
// `spread` offsets the delay lengths so two instances make a stereo pair.
class Reverb {
 public:
  Reverb(int rate, float size, float damping, int spread = 0);
  float operator()(float x);

 private:
  struct Line {
    std::vector<float> d;
    size_t i = 0;
    float store = 0.0f;
  };
  std::vector<Line> combs_, allpasses_;
  float feedback_, damp_;
};

// Levels and tidy-up.
float peak(const Buf& b);
float rms(const Buf& b);
void scale(Buf& b, float g);
void add(Buf& dst, const Buf& src, size_t at = 0, float gain = 1.0f);  // grows dst as needed
void remove_dc(Buf& b, int rate);                                       // 20 Hz high-pass, then zero mean
void fade(Buf& b, int rate, float in_ms, float out_ms);
// Shapes a sound's first `ms` into a rise (raised cosine from silence), so
// a sharp start lands as a transient and not as a step.
void rise_in(Buf& b, int rate, float ms);
// Lets the last `seconds` die away as a natural decay (about 60 dB, then
// silence), so a sound ends by fading out rather than being cut off.
void decay_out(Buf& b, int rate, float seconds);
// Eases every sudden fall after the loudest moment: no 3 ms stretch ends
// more than `db_per_3ms` under the one before it, down to `floor_db` under
// the peak, and the very end counts as silence. Gain is only taken away,
// ahead of each fall, so a sound cut short or gated now closes smoothly.
void soften_falls(Buf& b, int rate, float db_per_3ms = 4.5f, float floor_db = 46.0f);
void soft_clip(Buf& b, float drive);
Buf add_reverb(const Buf& dry, int rate, float size, float damping, float wet, float tail_s);
Buf lowpassed(const Buf& b, int rate, float hz);
Buf stretched(const Buf& b, double factor);  // longer and lower, linear interpolation

// Brings a sound to the wanted loudness without letting any peak reach
// `peak_db` (dBFS): the gain is the smaller of the two that meet them.
void normalise(Buf& b, float rms_db, float peak_db);

}  // namespace contentgen::dsp
