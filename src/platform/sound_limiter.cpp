#include "platform/sound_limiter.h"

#include <algorithm>
#include <cmath>

namespace plat {

namespace {
constexpr double pi = 3.14159265358979323846;
constexpr float look_ahead_s = 0.0015f, release_s = 0.08f;
// A peak found between samples belongs to one of the last span samples.
constexpr size_t span = 8;
}  // namespace

MixLimiter::MixLimiter(int rate, float ceiling)
    : ceiling_(ceiling),
      release_(1.0f - std::exp(-1.0f / (release_s * static_cast<float>(rate)))),
      ahead_(static_cast<size_t>(std::lround(look_ahead_s * rate))) {
  // Windowed-sinc interpolation to four points per sample interval, each
  // phase normalised to pass a steady level unchanged.
  const int len = phases * taps;
  const double centre = (len - 1) / 2.0 - (phases - 1) / 2.0;
  for (int p = 0; p < phases; ++p) {
    double sum = 0;
    for (int k = 0; k < taps; ++k) {
      int n = k * phases + p;
      double x = (n - centre) / phases;
      double sinc = std::fabs(x) < 1e-12 ? 1.0 : std::sin(pi * x) / (pi * x);
      double w = 0.5 - 0.5 * std::cos(2 * pi * (n + 0.5) / len);
      interp_[p][k] = static_cast<float>(sinc * w);
      sum += sinc * w;
    }
    for (float& v : interp_[p]) v = static_cast<float>(v / sum);
  }
  reset();
}

void MixLimiter::reset() {
  for (auto& h : history_) h.fill(0.0f);
  hist_at_ = 0;
  // The sound leaves ahead_ + span frames late; the needs are looked at
  // over the same span, the gains averaged over ahead_ + 1 frames.
  delay_.assign(2 * (ahead_ + span + 1), 0.0f);
  need_.assign(ahead_ + span + 2, 1.0f);
  held_.assign(ahead_ + 1, 1.0f);
  at_ = 0;
  gain_ = 1.0f;
  held_sum_ = static_cast<double>(held_.size());
}

float MixLimiter::peak_between(int channel, float x) {
  auto& h = history_[static_cast<size_t>(channel)];
  h[hist_at_] = x;
  float top = std::fabs(x);
  for (int p = 0; p < phases; ++p) {
    float y = 0.0f;
    for (int k = 0; k < taps; ++k) y += interp_[p][k] * h[(hist_at_ + taps - k) % taps];
    top = std::max(top, std::fabs(y));
  }
  return top;
}

void MixLimiter::process(float* frames, size_t count) {
  const size_t delay_frames = delay_.size() / 2;
  for (size_t i = 0; i < count; ++i) {
    float* f = frames + 2 * i;
    const float peak = std::max(peak_between(0, f[0]), peak_between(1, f[1]));
    hist_at_ = (hist_at_ + 1) % taps;
    need_[at_ % need_.size()] = peak > ceiling_ ? ceiling_ / peak : 1.0f;
    float least = 1.0f;
    for (float n : need_) least = std::min(least, n);
    // Falls at once to what the coming peaks need, recovers slowly.
    gain_ = std::min(least, gain_ + (1.0f - gain_) * release_);
    float& slot = held_[at_ % held_.size()];
    held_sum_ += gain_ - slot;
    slot = gain_;
    const float g = static_cast<float>(held_sum_ / static_cast<double>(held_.size()));
    if (g < deepest_.load(std::memory_order_relaxed)) deepest_.store(g, std::memory_order_relaxed);
    // Swap the incoming frame into the delay line, take out the oldest.
    const size_t d = at_ % delay_frames;
    const float l = delay_[2 * d], r = delay_[2 * d + 1];
    delay_[2 * d] = f[0];
    delay_[2 * d + 1] = f[1];
    f[0] = std::clamp(l * g, -ceiling_, ceiling_);
    f[1] = std::clamp(r * g, -ceiling_, ceiling_);
    ++at_;
  }
  // Rounding in the running sum is renewed now and then.
  if (at_ % 65536 < count) {
    held_sum_ = 0;
    for (float v : held_) held_sum_ += v;
  }
}

}  // namespace plat
