#include "sounds/dsp.h"

#include <algorithm>

namespace contentgen::dsp {

namespace {
double poly_blep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}
}  // namespace

float blep_saw(double phase, double inc) {
  return static_cast<float>(2.0 * phase - 1.0 - poly_blep(phase, inc));
}

float blep_square(double phase, double inc) {
  double q = phase + 0.5;
  q -= std::floor(q);
  return 0.5f * (blep_saw(phase, inc) - blep_saw(q, inc));
}

void Biquad::lowpass(float hz, float q, int rate) {
  double w = kTwoPi * std::min<double>(hz, rate * 0.45) / rate, c = std::cos(w), al = std::sin(w) / (2 * q);
  double a0 = 1 + al;
  b0 = static_cast<float>((1 - c) / 2 / a0);
  b1 = static_cast<float>((1 - c) / a0);
  b2 = b0;
  a1 = static_cast<float>(-2 * c / a0);
  a2 = static_cast<float>((1 - al) / a0);
}

void Biquad::highpass(float hz, float q, int rate) {
  double w = kTwoPi * std::min<double>(hz, rate * 0.45) / rate, c = std::cos(w), al = std::sin(w) / (2 * q);
  double a0 = 1 + al;
  b0 = static_cast<float>((1 + c) / 2 / a0);
  b1 = static_cast<float>(-(1 + c) / a0);
  b2 = b0;
  a1 = static_cast<float>(-2 * c / a0);
  a2 = static_cast<float>((1 - al) / a0);
}

void Biquad::bandpass(float hz, float q, int rate) {
  double w = kTwoPi * std::min<double>(hz, rate * 0.45) / rate, c = std::cos(w), al = std::sin(w) / (2 * q);
  double a0 = 1 + al;
  b0 = static_cast<float>(al / a0);
  b1 = 0;
  b2 = static_cast<float>(-al / a0);
  a1 = static_cast<float>(-2 * c / a0);
  a2 = static_cast<float>((1 - al) / a0);
}

Reverb::Reverb(int rate, float size, float damping, int spread) {
  // Classic tunings at 44.1 kHz, scaled to the rate and the room size.
  static const int kComb[] = {1116, 1188, 1277, 1356, 1422, 1491};
  static const int kAllpass[] = {556, 441, 341};
  double k = rate / 44100.0;
  for (int c : kComb) {
    Line l;
    l.d.assign(static_cast<size_t>(std::max(8.0, (c + spread) * k * (0.5 + size))), 0.0f);
    combs_.push_back(std::move(l));
  }
  for (int a : kAllpass) {
    Line l;
    l.d.assign(static_cast<size_t>(std::max(4.0, (a + spread / 2) * k)), 0.0f);
    allpasses_.push_back(std::move(l));
  }
  feedback_ = 0.70f + 0.26f * std::clamp(size, 0.0f, 1.0f);
  damp_ = std::clamp(damping, 0.0f, 0.95f);
}

float Reverb::operator()(float x) {
  float in = x * 0.12f, out = 0.0f;
  for (Line& l : combs_) {
    float y = l.d[l.i];
    l.store = y * (1.0f - damp_) + l.store * damp_;
    l.d[l.i] = in + l.store * feedback_;
    if (++l.i == l.d.size()) l.i = 0;
    out += y;
  }
  for (Line& l : allpasses_) {
    float b = l.d[l.i];
    l.d[l.i] = out + b * 0.5f;
    if (++l.i == l.d.size()) l.i = 0;
    out = b - out;
  }
  return out;
}

float peak(const Buf& b) {
  float m = 0.0f;
  for (float s : b) m = std::max(m, std::fabs(s));
  return m;
}

float rms(const Buf& b) {
  if (b.empty()) return 0.0f;
  double acc = 0.0;
  for (float s : b) acc += static_cast<double>(s) * s;
  return static_cast<float>(std::sqrt(acc / b.size()));
}

void scale(Buf& b, float g) {
  for (float& s : b) s *= g;
}

void add(Buf& dst, const Buf& src, size_t at, float gain) {
  if (dst.size() < at + src.size()) dst.resize(at + src.size(), 0.0f);
  for (size_t i = 0; i < src.size(); ++i) dst[at + i] += src[i] * gain;
}

void remove_dc(Buf& b, int rate) {
  OnePoleHP hp;
  hp.set(20.0f, rate);
  for (float& s : b) s = hp(s);
  if (b.empty()) return;
  double mean = 0.0;
  for (float s : b) mean += s;
  mean /= b.size();
  for (float& s : b) s -= static_cast<float>(mean);
}

void fade(Buf& b, int rate, float in_ms, float out_ms) {
  size_t n_in = std::min(b.size(), frames(in_ms / 1000.0, rate));
  size_t n_out = std::min(b.size(), frames(out_ms / 1000.0, rate));
  for (size_t i = 0; i < n_in; ++i) b[i] *= static_cast<float>(i) / n_in;
  for (size_t i = 0; i < n_out; ++i) b[b.size() - 1 - i] *= static_cast<float>(i) / n_out;
}

void rise_in(Buf& b, int rate, float ms) {
  const size_t n = std::min(b.size(), frames(ms / 1000.0, rate));
  for (size_t i = 0; i < n; ++i) b[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / n));
}

void decay_out(Buf& b, int rate, float seconds) {
  size_t n = std::min(b.size(), frames(seconds, rate));
  size_t s = b.size() - n;
  for (size_t i = 0; i < n; ++i) {
    // Exponential, as a ringing body dies, closed by a squared taper so the
    // very last samples reach zero.
    float u = static_cast<float>(i) / n;
    b[s + i] *= std::exp(-5.0f * u) * (1.0f - u) * (1.0f - u);
  }
}

void soften_falls(Buf& b, int rate, float db_per_3ms, float floor_db) {
  const size_t win = frames(0.003, rate);
  const size_t n = b.size() / std::max<size_t>(win, 1);
  if (win == 0 || n < 3) return;
  std::vector<float> level(n);
  for (size_t k = 0; k < n; ++k) {
    double acc = 0.0;
    for (size_t i = k * win; i < (k + 1) * win; ++i) acc += static_cast<double>(b[i]) * b[i];
    level[k] = 10.0f * std::log10(static_cast<float>(acc / win) + 1e-20f);
  }
  const float loudest = *std::max_element(level.begin(), level.end());
  const float floor = loudest - floor_db;
  // From the first moment near full strength: an opening crack that falls
  // into a louder body keeps its bite.
  size_t top = 0;
  while (level[top] < loudest - 6.0f) ++top;
  // From the end backwards: each window may stand at most one step over
  // the (already eased) window after it; the end itself is silence.
  std::vector<float> cut(n, 0.0f);
  float next = floor;
  for (size_t k = n; k-- > top;) {
    const float allowed = std::max(next, floor) + db_per_3ms;
    const float eased = std::min(level[k], allowed);
    cut[k] = eased - level[k];
    next = eased;
  }
  // The cut glides from window centre to window centre, so no step is made.
  auto gain_at = [&](size_t k) { return std::pow(10.0f, cut[k] / 20.0f); };
  for (size_t i = top * win; i < b.size(); ++i) {
    const float pos = (static_cast<float>(i) + 0.5f) / win - 0.5f;
    const size_t k = std::min(static_cast<size_t>(std::max(pos, 0.0f)), n - 1), k2 = std::min(k + 1, n - 1);
    const float v = std::clamp(pos - static_cast<float>(k), 0.0f, 1.0f);
    b[i] *= gain_at(k) + (gain_at(k2) - gain_at(k)) * v;
  }
}

void soft_clip(Buf& b, float drive) {
  float norm = 1.0f / std::tanh(drive);
  for (float& s : b) s = std::tanh(s * drive) * norm;
}

Buf add_reverb(const Buf& dry, int rate, float size, float damping, float wet, float tail_s) {
  Buf out(dry.size() + frames(tail_s, rate), 0.0f);
  Reverb rv(rate, size, damping);
  for (size_t i = 0; i < out.size(); ++i) {
    float x = i < dry.size() ? dry[i] : 0.0f;
    out[i] = x * (1.0f - wet * 0.5f) + rv(x) * wet;
  }
  return out;
}

Buf lowpassed(const Buf& b, int rate, float hz) {
  Biquad f;
  f.lowpass(hz, 0.707f, rate);
  Buf out(b.size());
  for (size_t i = 0; i < b.size(); ++i) out[i] = f(b[i]);
  return out;
}

Buf stretched(const Buf& b, double factor) {
  if (b.empty()) return {};
  Buf out(static_cast<size_t>(b.size() * factor));
  for (size_t i = 0; i < out.size(); ++i) {
    double pos = i / factor;
    size_t j = static_cast<size_t>(pos);
    double f = pos - j;
    float a = b[std::min(j, b.size() - 1)], c = b[std::min(j + 1, b.size() - 1)];
    out[i] = static_cast<float>(a + (c - a) * f);
  }
  return out;
}

void normalise(Buf& b, float rms_db, float peak_db) {
  float p = peak(b), r = rms(b);
  if (p <= 0.0f || r <= 0.0f) return;
  float g = std::min(db_to_gain(rms_db) / r, db_to_gain(peak_db) / p);
  scale(b, g);
}

}  // namespace contentgen::dsp
