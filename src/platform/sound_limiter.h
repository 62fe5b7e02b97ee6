// The last stage of the mix: a look-ahead limiter on the summed stereo
// output, so that however many sounds meet (a door, a shot and a shriek on a
// loud bar of music) the output never reaches full scale, not even between
// its samples. It delays the sound by 1.70 ms (1.5 ms of look-ahead and the
// nine samples over which a peak between samples is placed: 75 frames at
// 44.1 kHz), lowers the gain smoothly before a peak arrives and lets it
// recover over 80 ms. Below the ceiling it
// changes nothing. Plain C++, run in the audio thread.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <vector>

namespace plat {

class MixLimiter {
 public:
  // `ceiling` is linear (1 = full scale); the waveform as a converter
  // rebuilds it stays under it.
  MixLimiter(int rate, float ceiling);

  // Limits interleaved stereo frames in place.
  void process(float* frames, size_t count);
  // Forgets the sound in flight (a reopened device starts from silence).
  void reset();

  // The largest gain reduction applied so far, as a gain (1 = none).
  // (Read from any thread.)
  float deepest_gain() const { return deepest_.load(std::memory_order_relaxed); }

 private:
  float peak_between(int channel, float x);

  static constexpr int phases = 4, taps = 8;
  float ceiling_;
  float release_;
  size_t ahead_;
  std::array<std::array<float, taps>, phases> interp_{};
  std::array<std::array<float, taps>, 2> history_{};
  size_t hist_at_ = 0;
  // Delay line of frames and the gains each frame needs, in rings.
  std::vector<float> delay_;
  std::vector<float> need_;
  std::vector<float> held_;
  size_t at_ = 0;
  float gain_ = 1.0f;
  double held_sum_;
  std::atomic<float> deepest_{1.0f};
};

}  // namespace plat
