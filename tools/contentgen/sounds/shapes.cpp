#include "sounds/shapes.h"

#include <algorithm>
#include <vector>

namespace contentgen::sfx {

using namespace dsp;

namespace {
size_t start_frame(const Buf& b, double at) { return std::min(b.size(), frames(at, kRate)); }
}  // namespace

void add_thump(Buf& b, double at, float f0, float f1, float decay_s, float gain) {
  Phase ph;
  size_t s = start_frame(b, at);
  for (size_t i = s; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i - s));
    float env = std::exp(-t / decay_s);
    if (env < 1e-4f) break;
    float hz = f1 + (f0 - f1) * std::exp(-t / (decay_s * 0.5f));
    float att = std::min(1.0f, t / 0.002f);
    b[i] += gain * env * att * sine(ph.step(hz, kRate));
  }
}

void add_noise_burst(Buf& b, Rng& rng, double at, float centre_hz, float q, float decay_s, float gain) {
  Biquad f;
  f.bandpass(centre_hz, q, kRate);
  size_t s = start_frame(b, at);
  for (size_t i = s; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i - s));
    float env = std::exp(-t / decay_s);
    if (env < 1e-4f) break;
    float att = std::min(1.0f, t / 0.001f);
    b[i] += gain * env * att * f(rng.bi());
  }
}

void add_ping(Buf& b, double at, float hz, float decay_s, float gain) {
  Phase a, c;
  size_t s = start_frame(b, at);
  for (size_t i = s; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i - s));
    float env = std::exp(-t / decay_s);
    if (env < 1e-4f) break;
    float att = std::min(1.0f, t / 0.0005f);
    b[i] += gain * env * att * (sine(a.step(hz, kRate)) + 0.35f * std::exp(-t / (decay_s * 0.4f)) * sine(c.step(hz * 2.76f, kRate)));
  }
}

void add_bell(Buf& b, double at, float hz, float ratio, float index, float decay_s, float gain) {
  Phase car, mod;
  size_t s = start_frame(b, at);
  for (size_t i = s; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i - s));
    float env = std::exp(-t / decay_s);
    if (env < 1e-4f) break;
    float att = std::min(1.0f, t / 0.002f);
    float m = sine(mod.step(hz * ratio, kRate)) * index * std::exp(-t / (decay_s * 0.35f));
    double cp = car.step(hz, kRate);
    b[i] += gain * env * att * static_cast<float>(std::sin(kTwoPi * cp + m));
  }
}

void colour(Buf& b, std::initializer_list<Colour> chain) {
  for (const Colour& c : chain) {
    Biquad f;
    if (c.kind == Colour::LowPass) f.lowpass(c.hz, c.q, kRate);
    if (c.kind == Colour::HighPass) f.highpass(c.hz, c.q, kRate);
    if (c.kind == Colour::Peak) f.bandpass(c.hz, c.q, kRate);
    for (float& x : b) x = c.kind == Colour::Peak ? x + c.gain * f(x) : f(x);
  }
}

Wander::Wander(uint32_t seed, float min_s, float max_s, int rate)
    : rng_(seed), min_(frames(min_s, rate)), max_(std::max(min_ + 1, frames(max_s, rate))) {
  to_ = rng_.bi();
}

float Wander::next() {
  if (left_ == 0) {
    from_ = to_;
    to_ = rng_.bi();
    len_ = left_ = min_ + rng_.next() % (max_ - min_);
  }
  const float u = 1.0f - static_cast<float>(left_--) / static_cast<float>(len_);
  return from_ + (to_ - from_) * (0.5f - 0.5f * static_cast<float>(std::cos(kPi * u)));
}

void restless(Buf& b, uint32_t seed, float lo_hz, float hi_hz, float depth, float breath) {
  Wander where(seed, 0.04f, 0.16f, kRate), swell(seed * 7u + 3u, 0.03f, 0.12f, kRate);
  Rng rng(seed ^ 0xB4EAu);
  Biquad res;
  OnePoleLP level;
  level.set(30.0f, kRate);
  const float span = std::log(hi_hz / lo_hz);
  for (size_t i = 0; i < b.size(); ++i) {
    if (i % 32 == 0) res.bandpass(lo_hz * std::exp(span * (0.5f + 0.5f * where.next())), 2.0f, kRate);
    const float lv = level(std::fabs(b[i]));
    const float x = b[i] + breath * lv * 2.0f * rng.bi();
    b[i] = (b[i] + 1.2f * res(x)) * (1.0f + depth * swell.next());
  }
}

void open_at_peak(Buf& b, float hold_s, float fall_s) {
  // The 10 ms loudness around every sample, from a running sum of squares.
  const size_t n = b.size(), w = frames(0.01, kRate), h = w / 2;
  if (n <= w) return;
  std::vector<double> sq(n + 1, 0.0);
  for (size_t i = 0; i < n; ++i) sq[i + 1] = sq[i] + static_cast<double>(b[i]) * b[i];
  auto level = [&](size_t i) {
    const size_t lo = i > h ? i - h : 0, hi = std::min(n, i + h);
    return static_cast<float>(std::sqrt((sq[hi] - sq[lo]) / std::max<size_t>(1, hi - lo)));
  };
  const size_t hold = std::min(n, frames(hold_s, kRate));
  float early = 1e-9f, loudest = 1e-9f;
  for (size_t i = 0; i < n; i += 16) {
    loudest = std::max(loudest, level(i));
    if (i < hold) early = std::max(early, level(i));
  }
  // A quiet opening is lifted toward the body's loudest.
  const float lift = std::max(0.0f, 0.8f * loudest / early - 1.0f);
  for (size_t i = 0; i < n; ++i) b[i] *= 1.0f + lift * std::exp(-static_cast<float>(seconds_at(i)) / (hold_s * 2.0f));
  for (size_t i = 0; i < n; ++i) sq[i + 1] = sq[i] + static_cast<double>(b[i]) * b[i];
  early = 1e-9f;
  for (size_t i = 0; i < hold; i += 16) early = std::max(early, level(i));
  // Past the opening, a falling ceiling; the gain closes fast and opens slowly.
  float g = 1.0f;
  const float close = 1.0f - std::exp(-1.0f / (0.001f * kRate)), open = 1.0f - std::exp(-1.0f / (0.03f * kRate));
  for (size_t i = 0; i < n; ++i) {
    float want = 1.0f;
    if (i >= hold) {
      const float t = static_cast<float>(seconds_at(i - hold));
      want = std::min(1.0f, early * 0.88f * std::exp(-t / fall_s) / std::max(1e-9f, level(std::min(n - 1, i + h))));
    }
    g += (want < g ? close : open) * (want - g);
    b[i] *= g;
  }
}

float Contour::at(float t) const {
  auto it = points.begin();
  if (t <= it->first) return it->second;
  for (auto prev = it++; it != points.end(); prev = it++) {
    if (t <= it->first) {
      float u = (t - prev->first) / std::max(1e-6f, it->first - prev->first);
      return prev->second * std::pow(it->second / prev->second, u);
    }
  }
  return points.back().second;
}

namespace {
// Attack, hold and release in one gain curve.
float envelope(float t, float len, float attack, float release) {
  float a = std::min(1.0f, t / attack);
  float r = std::clamp((len - t) / release, 0.0f, 1.0f);
  return a * r * r;
}
}  // namespace

Buf voice(const VoiceParams& p) {
  Buf out = blank(p.seconds);
  Rng rng(p.seed);
  Phase glottis;
  Biquad f1, f2, f3;
  OnePoleLP tilt, jit;
  tilt.set(2500.0f, kRate);
  jit.set(30.0f, kRate);
  const std::vector<Vowel>& path = p.vowels;
  Wander drift(p.seed * 31u + 7u, 0.05f, 0.14f, kRate);
  const float vib_hz = p.vibrato > 0.0f ? 5.2f + 0.8f * rng.uni() : 0.0f;
  float pulse_gain = 1.0f;
  double last_phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    if (i % 32 == 0) {
      float pos = t / p.seconds * (path.size() - 1);
      size_t k = std::min(static_cast<size_t>(pos), path.size() - 1);
      size_t k2 = std::min(k + 1, path.size() - 1);
      float u = pos - k;
      auto mix = [&](float a, float b) { return (a + (b - a) * u) * p.formant_scale; };
      f1.bandpass(mix(path[k].f1, path[k2].f1), 5.0f, kRate);
      f2.bandpass(mix(path[k].f2, path[k2].f2), 8.0f, kRate);
      f3.bandpass(mix(path[k].f3, path[k2].f3), 12.0f, kRate);
    }
    float hz = p.pitch.at(t) * (1.0f + p.jitter * jit(rng.bi()) * 8.0f);
    if (p.vibrato > 0.0f || p.drift > 0.0f) {
      hz *= (1.0f + p.vibrato * sine(vib_hz * t)) * (1.0f + p.drift * drift.next());
    }
    double inc = hz / kRate;
    const double ph = glottis.step(hz, kRate);
    if (p.shimmer > 0.0f && ph < last_phase) pulse_gain = 1.0f + p.shimmer * rng.bi();
    last_phase = ph;
    float pulse = blep_saw(ph, inc) * pulse_gain;
    float src = tilt(pulse) + p.rasp * rng.bi();
    float y = f1(src) * 1.0f + f2(src) * 0.6f + f3(src) * 0.3f;
    out[i] = y * 3.0f * envelope(t, p.seconds, p.attack_s, p.release_s);
  }
  return out;
}

}  // namespace contentgen::sfx
