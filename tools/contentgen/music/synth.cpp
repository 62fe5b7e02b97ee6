#include "music/synth.h"

#include <algorithm>
#include <vector>

#include "measure/loudness.h"
#include "sounds/levelling.h"

namespace contentgen::music {

using namespace dsp;

void LoopCanvas::add(size_t at, const Buf& mono, float gain, float pan) {
  float angle = static_cast<float>((std::clamp(pan, -1.0f, 1.0f) + 1.0f) * kPi / 4.0);
  float gl = gain * std::cos(angle), gr = gain * std::sin(angle);
  size_t n = size();
  size_t pos = at % n;
  for (float s : mono) {
    l_[pos] += s * gl;
    r_[pos] += s * gr;
    if (++pos == n) pos = 0;
  }
}

void LoopCanvas::add_stereo(const Buf& l, const Buf& r, float gain) {
  for (size_t i = 0; i < size() && i < l.size() && i < r.size(); ++i) {
    l_[i] += l[i] * gain;
    r_[i] += r[i] * gain;
  }
}

namespace {
// Linear attack, hold, then an exponential-looking release to silence.
float note_env(double t, double held, double attack, double release) {
  double a = attack > 0 ? std::min(1.0, t / attack) : 1.0;
  double r = t <= held ? 1.0 : std::max(0.0, 1.0 - (t - held) / release);
  return static_cast<float>(a * r * r);
}
}  // namespace

Buf pad(const PadParams& p) {
  Buf out(frames(p.seconds + p.release, kRate), 0.0f);
  Rng rng(p.seed);
  std::vector<Phase> osc(static_cast<size_t>(p.voices));
  std::vector<float> hz(osc.size());
  for (size_t v = 0; v < osc.size(); ++v) {
    osc[v].p = rng.uni();
    float spread = osc.size() == 1 ? 0.0f : (static_cast<float>(v) / (osc.size() - 1) * 2.0f - 1.0f);
    hz[v] = p.hz * std::pow(2.0f, spread * p.detune_cents / 1200.0f);
  }
  Biquad lp;
  float norm = 1.0f / std::sqrt(static_cast<float>(osc.size()));
  double total = p.seconds + p.release;
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    if (i % 64 == 0) lp.lowpass(p.cutoff + p.cutoff_rise * static_cast<float>(t / total), 0.8f, kRate);
    float s = 0.0f;
    for (size_t v = 0; v < osc.size(); ++v) s += blep_saw(osc[v].step(hz[v], kRate), hz[v] / kRate);
    out[i] = lp(s * norm) * note_env(t, p.seconds, p.attack, p.release);
  }
  return out;
}

Buf piano(float hz, double ring_s, float brightness) {
  Buf out(frames(ring_s, kRate), 0.0f);
  Phase c1, c2, m;
  for (size_t i = 0; i < out.size(); ++i) {
    float t = static_cast<float>(i) / kRate;
    float idx = brightness * (0.3f + 2.2f * std::exp(-t / 0.15f));
    float mod = sine(m.step(hz, kRate)) * idx;
    float a = static_cast<float>(std::sin(kTwoPi * c1.step(hz, kRate) + mod));
    float b = sine(c2.step(hz * 2.003f, kRate)) * 0.25f * std::exp(-t / 0.6f);
    float env = std::min(1.0f, t / 0.004f) * std::exp(-t / static_cast<float>(ring_s * 0.3));
    out[i] = (a + b) * env;
  }
  size_t tail = std::min(out.size(), frames(0.05, kRate));
  for (size_t i = 0; i < tail; ++i) out[out.size() - 1 - i] *= static_cast<float>(i) / tail;
  return out;
}

Buf bell(float hz, double ring_s, float ratio, float index) {
  Buf out(frames(ring_s, kRate), 0.0f);
  Phase c, m;
  for (size_t i = 0; i < out.size(); ++i) {
    float t = static_cast<float>(i) / kRate;
    float mod = sine(m.step(hz * ratio, kRate)) * index * std::exp(-t / static_cast<float>(ring_s * 0.2));
    float env = std::min(1.0f, t / 0.003f) * std::exp(-t / static_cast<float>(ring_s * 0.28));
    out[i] = static_cast<float>(std::sin(kTwoPi * c.step(hz, kRate) + mod)) * env;
  }
  size_t tail = std::min(out.size(), frames(0.05, kRate));
  for (size_t i = 0; i < tail; ++i) out[out.size() - 1 - i] *= static_cast<float>(i) / tail;
  return out;
}

Buf pluck_bass(float hz, double seconds, float cutoff, float accent) {
  Buf out(frames(seconds + 0.06, kRate), 0.0f);
  Phase a, b;
  Biquad lp;
  for (size_t i = 0; i < out.size(); ++i) {
    float t = static_cast<float>(i) / kRate;
    if (i % 32 == 0) lp.lowpass(cutoff * (1.0f + 3.0f * accent * std::exp(-t / 0.05f)), 1.6f, kRate);
    float s = blep_saw(a.step(hz, kRate), hz / kRate) * 0.6f + blep_square(b.step(hz * 0.5f, kRate), hz * 0.5 / kRate) * 0.5f;
    out[i] = lp(s) * note_env(t, seconds, 0.003, 0.06);
  }
  return out;
}

Buf metal_hit(float hz, double ring_s, uint32_t seed) {
  Buf out(frames(ring_s, kRate), 0.0f);
  Rng rng(seed);
  Phase c1, m1, c2, m2;
  Biquad hp;
  hp.highpass(3000.0f, 0.7f, kRate);
  for (size_t i = 0; i < out.size(); ++i) {
    float t = static_cast<float>(i) / kRate;
    float env = std::min(1.0f, t / 0.002f) * std::exp(-t / static_cast<float>(ring_s * 0.25));
    float i1 = 3.0f * std::exp(-t / 0.4f) + 0.8f;
    float a = static_cast<float>(std::sin(kTwoPi * c1.step(hz, kRate) + sine(m1.step(hz * 1.414f, kRate)) * i1));
    float b = static_cast<float>(std::sin(kTwoPi * c2.step(hz * 2.76f, kRate) + sine(m2.step(hz * 3.9f, kRate)) * i1 * 0.5f));
    float clang = hp(rng.bi()) * std::exp(-t / 0.03f);
    out[i] = (a * 0.6f + b * 0.3f) * env + clang * 0.5f;
  }
  size_t tail = std::min(out.size(), frames(0.05, kRate));
  for (size_t i = 0; i < tail; ++i) out[out.size() - 1 - i] *= static_cast<float>(i) / tail;
  return out;
}

Buf kick(float base_hz) {
  Buf out(frames(0.35, kRate), 0.0f);
  Phase ph;
  for (size_t i = 0; i < out.size(); ++i) {
    float t = static_cast<float>(i) / kRate;
    float hz = base_hz + base_hz * 1.8f * std::exp(-t / 0.03f);
    float env = std::min(1.0f, t / 0.002f) * std::exp(-t / 0.09f);
    out[i] = sine(ph.step(hz, kRate)) * env;
  }
  return out;
}

Buf hat(uint32_t seed, float decay_s) {
  Buf out(frames(decay_s * 6.0, kRate), 0.0f);
  Rng rng(seed);
  Biquad hp;
  hp.highpass(7000.0f, 0.7f, kRate);
  for (size_t i = 0; i < out.size(); ++i) {
    float t = static_cast<float>(i) / kRate;
    out[i] = hp(rng.bi()) * std::exp(-t / decay_s) * std::min(1.0f, t / 0.001f);
  }
  return out;
}

Buf riser(double seconds, float lo_hz, float hi_hz, uint32_t seed) {
  Buf out(frames(seconds + 0.08, kRate), 0.0f);
  Rng rng(seed);
  Biquad bp;
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    float u = static_cast<float>(std::min(1.0, t / seconds));
    if (i % 32 == 0) bp.bandpass(lo_hz * std::pow(hi_hz / lo_hz, u), 3.0f, kRate);
    // Swells to the end, then cuts away in a few milliseconds at the downbeat.
    float env = u * u * (t > seconds ? static_cast<float>(1.0 - (t - seconds) / 0.08) : 1.0f);
    out[i] = bp(rng.bi()) * env * 2.0f;
  }
  return out;
}

void add_wind(LoopCanvas& c, float gain, float centre_hz, int sweeps_per_loop, uint32_t seed) {
  size_t n = c.size();
  for (int ch = 0; ch < 2; ++ch) {
    Rng rng(seed + 97u * ch);
    Buf noise(n);
    for (float& s : noise) s = rng.bi();
    Buf out(n);
    Biquad bp;
    double offset = ch * 0.31;
    for (int pass = 0; pass < 2; ++pass) {
      for (size_t i = 0; i < n; ++i) {
        double u = static_cast<double>(i) / n;  // position in the loop, 0..1
        if (i % 64 == 0) {
          double sweep = 0.5 + 0.3 * std::sin(kTwoPi * (sweeps_per_loop * u + offset)) +
                         0.2 * std::sin(kTwoPi * (sweeps_per_loop * 3 * u + offset * 2));
          bp.bandpass(centre_hz * static_cast<float>(0.5 + sweep), 2.5f, kRate);
        }
        double gust = 0.6 + 0.4 * std::sin(kTwoPi * (sweeps_per_loop * 2 * u + 0.17 + offset));
        out[i] = bp(noise[i]) * static_cast<float>(gust);
      }
    }
    Buf& dst = ch == 0 ? c.left() : c.right();
    for (size_t i = 0; i < n; ++i) dst[i] += out[i] * gain;
  }
}

void loop_reverb(LoopCanvas& c, float size, float damping, float wet) {
  Reverb rl(kRate, size, damping, 0), rr(kRate, size, damping, 23);
  size_t n = c.size();
  Buf wl(n), wr(n);
  for (int pass = 0; pass < 2; ++pass) {
    for (size_t i = 0; i < n; ++i) {
      float mid = (c.left()[i] + c.right()[i]) * 0.5f;
      wl[i] = rl(c.left()[i] * 0.7f + mid * 0.3f);
      wr[i] = rr(c.right()[i] * 0.7f + mid * 0.3f);
    }
  }
  for (size_t i = 0; i < n; ++i) {
    c.left()[i] += wl[i] * wet;
    c.right()[i] += wr[i] * wet;
  }
}

Buf lead(float hz, double seconds, float brightness) {
  const double release = 0.25;
  Buf out(frames(seconds + release, kRate), 0.0f);
  Phase ph, vib;
  const float harmonics[] = {1.0f, 0.45f * brightness, 0.22f * brightness, 0.1f * brightness};
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    float depth = 0.006f * static_cast<float>(std::min(1.0, std::max(0.0, (t - 0.25) / 0.5)));
    float f = hz * (1.0f + depth * sine(vib.step(5.2, kRate)));
    double p = ph.step(f, kRate);
    float s = 0.0f;
    for (int h = 0; h < 4; ++h) s += harmonics[h] * sine(p * (h + 1));
    out[i] = s * 0.6f * note_env(t, seconds, 0.06, release);
  }
  return out;
}

namespace {

// RBJ shelving filter in double precision (the low corner sits close to
// z = 1), for the tone of the whole mix.
struct Shelf {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  Shelf(bool high, double hz, double gain_db) {
    double a = std::pow(10.0, gain_db / 40.0), w = kTwoPi * hz / kRate, c = std::cos(w);
    double al = std::sin(w) / 2.0 * std::sqrt(2.0), sa = 2.0 * std::sqrt(a) * al;
    double sign = high ? 1.0 : -1.0;
    double a0 = (a + 1) - sign * (a - 1) * c + sa;
    b0 = a * ((a + 1) + sign * (a - 1) * c + sa) / a0;
    b1 = -2.0 * sign * a * ((a - 1) + sign * (a + 1) * c) / a0;
    b2 = a * ((a + 1) + sign * (a - 1) * c - sa) / a0;
    a1 = 2.0 * sign * ((a - 1) - sign * (a + 1) * c) / a0;
    a2 = ((a + 1) - sign * (a - 1) * c - sa) / a0;
  }
  float operator()(float x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return static_cast<float>(y);
  }
};

}  // namespace

void tone(LoopCanvas& c, float low_db, float high_db) {
  for (Buf* ch : {&c.left(), &c.right()}) {
    Shelf lo(false, 160.0, low_db), hi(true, 3200.0, high_db);
    Buf out(ch->size());
    for (int pass = 0; pass < 2; ++pass)
      for (size_t i = 0; i < ch->size(); ++i) out[i] = hi(lo((*ch)[i]));
    *ch = std::move(out);
  }
}

void master(LoopCanvas& c) {
  const Buf l0 = c.left(), r0 = c.right();
  const float ceiling = db_to_gain(kCeilingDb);
  double gain_db = 0.0, slope = 1.0, last_gain = 0.0;
  double last = measure::programme_loudness(l0, r0, kRate).integrated;
  if (last < -100.0) return;
  for (int pass = 0; pass < 8; ++pass) {
    double miss = kTargetLufs - last;
    if (pass > 0 && std::fabs(miss) < 0.05) return;
    gain_db = std::clamp(gain_db + miss / slope, -40.0, 40.0);
    float g = db_to_gain(static_cast<float>(gain_db));
    c.left() = l0;
    c.right() = r0;
    scale(c.left(), g);
    scale(c.right(), g);
    sfx::limit_loop(c.left(), c.right(), kRate, ceiling, 2.0f, 80.0f);
    double now = measure::programme_loudness(c.left(), c.right(), kRate).integrated;
    if (std::fabs(gain_db - last_gain) > 1e-3) slope = std::clamp((now - last) / (gain_db - last_gain), 0.2, 1.0);
    last_gain = gain_db;
    last = now;
  }
}

}  // namespace contentgen::music
