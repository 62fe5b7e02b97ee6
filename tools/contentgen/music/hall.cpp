#include "music/hall.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace contentgen::music {

namespace {

constexpr int lines = 8;
// Delay lengths at 44.1 kHz, 25 to 62 ms, no two sharing a factor, so the
// echoes never line up into a flutter.
constexpr std::array<int, lines> line_frames = {1109, 1327, 1559, 1789, 2029, 2251, 2473, 2749};
// Short diffusers ahead of the network smear each attack into a cloud
// before it reaches the lines; left and right use different lengths.
constexpr std::array<int, 2> diffuse_left = {142, 379}, diffuse_right = {163, 331};
constexpr float diffuse_gain = 0.6f;

struct Delay {
  std::vector<float> d;
  size_t i = 0;
  float operator()(float x) {
    const float y = d[i];
    d[i] = x;
    if (++i == d.size()) i = 0;
    return y;
  }
};

struct Allpass {
  std::vector<float> d;
  size_t i = 0;
  float operator()(float x) {
    const float b = d[i];
    const float v = x + b * diffuse_gain;
    d[i] = v;
    if (++i == d.size()) i = 0;
    return b - v * diffuse_gain;
  }
};

// In-place fast Hadamard transform of 8 values, scaled to keep energy.
void hadamard(std::array<float, lines>& v) {
  for (int h = 1; h < lines; h *= 2)
    for (int i = 0; i < lines; i += 2 * h)
      for (int j = i; j < i + h; ++j) {
        const float a = v[j], b = v[j + h];
        v[j] = a + b;
        v[j + h] = a - b;
      }
  const float norm = 1.0f / std::sqrt(static_cast<float>(lines));
  for (float& x : v) x *= norm;
}

class Network {
 public:
  explicit Network(const HallSettings& h) {
    for (int k = 0; k < lines; ++k) {
      delay_[k].assign(static_cast<size_t>(line_frames[k]), 0.0f);
      // Each pass round line k loses 60 dB * length / decay.
      gain_[k] = static_cast<float>(std::pow(10.0, -3.0 * line_frames[k] / (h.decay_s * kRate)));
    }
    const size_t pre = std::max<size_t>(1, static_cast<size_t>(h.predelay_s * kRate));
    pre_mid_.d.assign(pre, 0.0f);
    pre_side_.d.assign(pre, 0.0f);
    for (int k = 0; k < 2; ++k) {
      left_[k].d.assign(static_cast<size_t>(diffuse_left[k]), 0.0f);
      right_[k].d.assign(static_cast<size_t>(diffuse_right[k]), 0.0f);
    }
    damp_ = static_cast<float>(std::exp(-2.0 * 3.14159265358979 * h.damp_hz / kRate));
    low_ = static_cast<float>(std::exp(-2.0 * 3.14159265358979 * h.low_cut_hz / kRate));
  }

  // One stereo frame in, the tail's frame out.
  void operator()(float l, float r, float& out_l, float& out_r) {
    // The send: bass taken out with a gentle one-pole high-pass.
    lp_l_ = l + (lp_l_ - l) * low_;
    lp_r_ = r + (lp_r_ - r) * low_;
    float sl = l - lp_l_, sr = r - lp_r_;
    // Pre-delayed as mid and side, then each side diffused on its own.
    const float mid = pre_mid_(0.5f * (sl + sr)), side = pre_side_(0.5f * (sl - sr));
    sl = left_[1](left_[0](mid + side));
    sr = right_[1](right_[0](mid - side));
    std::array<float, lines> v;
    for (int k = 0; k < lines; ++k) v[k] = delay_[k][at_[k]];
    out_l = v[0] - v[2] + v[4] - v[6] + v[1] * 0.5f - v[5] * 0.5f;
    out_r = v[1] - v[3] + v[5] - v[7] + v[2] * 0.5f - v[6] * 0.5f;
    hadamard(v);
    for (int k = 0; k < lines; ++k) {
      // Damped above damp_hz: the highs die sooner than the body.
      store_[k] = v[k] * gain_[k] * (1.0f - damp_) + store_[k] * damp_;
      delay_[k][at_[k]] = store_[k] + (k % 2 ? sr : sl);
      if (++at_[k] == delay_[k].size()) at_[k] = 0;
    }
  }

 private:
  std::array<std::vector<float>, lines> delay_;
  std::array<size_t, lines> at_{};
  std::array<float, lines> gain_{}, store_{};
  Delay pre_mid_, pre_side_;
  std::array<Allpass, 2> left_, right_;
  float damp_ = 0.0f, low_ = 0.0f, lp_l_ = 0.0f, lp_r_ = 0.0f;
};

}  // namespace

void hall(LoopCanvas& c, const HallSettings& h) {
  Network net(h);
  const size_t n = c.size();
  // Three decay times and a second: whatever the warm-up's cold start
  // leaves has died 180 dB away by the time the real pass begins.
  const size_t warm = std::min(n, static_cast<size_t>(3.0 * h.decay_s * kRate) + kRate);
  Buf wl(n), wr(n);
  float l = 0.0f, r = 0.0f;
  for (size_t i = n - warm; i < n; ++i) net(c.left()[i], c.right()[i], l, r);
  for (size_t i = 0; i < n; ++i) net(c.left()[i], c.right()[i], wl[i], wr[i]);
  // Each side sums four lines and two at half level: scaled back so `wet`
  // reads as the tail's level against the send.
  const float g = h.wet * 0.45f;
  for (size_t i = 0; i < n; ++i) {
    c.left()[i] += wl[i] * g;
    c.right()[i] += wr[i] * g;
  }
}

}  // namespace contentgen::music
