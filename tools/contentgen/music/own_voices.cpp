#include "music/own_voices.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>

namespace contentgen::music {

using dsp::kPi;

namespace {

struct Struck {
  size_t on, off;
  int key, velocity;
};

// The channel's notes as on/off pairs, in the order struck.
std::vector<Struck> struck(const std::vector<MidiEvent>& events, int channel, size_t loop) {
  std::vector<Struck> notes;
  std::deque<size_t> open[128];
  for (const MidiEvent& e : events) {
    if ((e.status & 0x0F) != channel) continue;
    const int type = e.status & 0xF0, key = e.a & 0x7F;
    if (type == 0x90 && e.b > 0) {
      if (e.at >= loop) continue;  // the next round starts nothing
      open[key].push_back(notes.size());
      notes.push_back({e.at, e.at, key, e.b});
    } else if ((type == 0x80 || type == 0x90) && !open[key].empty()) {
      notes[open[key].front()].off = e.at;
      open[key].pop_front();
    }
  }
  // A note never let go rings two seconds.
  for (auto& q : open)
    for (size_t i : q) notes[i].off = notes[i].on + 2 * kRate;
  return notes;
}

// A saw with its step smoothed over one sample either side (poly-BLEP), so
// high notes do not fold back into the audible band.
struct Saw {
  double phase = 0.0, dt = 0.0;
  double operator()() {
    phase += dt;
    if (phase >= 1.0) phase -= 1.0;
    double v = 2.0 * phase - 1.0;
    if (phase < dt) {
      const double t = phase / dt;
      v -= t + t - t * t - 1.0;
    } else if (phase > 1.0 - dt) {
      const double t = (phase - 1.0) / dt;
      v -= t * t + t + t + 1.0;
    }
    return v;
  }
};

// A two-pole low pass (trapezoidal state-variable form), its corner moved
// every few samples.
struct LowPass {
  double g = 0.0, k = 1.2, a1 = 0.0, a2 = 0.0, a3 = 0.0, s1 = 0.0, s2 = 0.0;
  void set(double hz) {
    g = std::tan(kPi * std::clamp(hz, 20.0, 18000.0) / kRate);
    a1 = 1.0 / (1.0 + g * (g + k));
    a2 = g * a1;
    a3 = g * a2;
  }
  double operator()(double x) {
    const double v3 = x - s2, v1 = a1 * s1 + a2 * v3, v2 = s2 + a2 * s1 + a3 * v3;
    s1 = 2.0 * v1 - s1;
    s2 = 2.0 * v2 - s2;
    return v2;
  }
};

// Noise between about 6 and 10 kHz, falling away steeply above, so it is
// air, not hiss.
struct Air {
  uint32_t state;
  double lo1 = 0.0, lo2 = 0.0;
  LowPass top;
  explicit Air(uint32_t seed) : state(seed | 1u) { top.set(10000.0); }
  double operator()() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    const double x = static_cast<double>(state) / 2147483648.0 - 1.0;
    constexpr double k_lo = 0.58;  // one-pole corners near 6 kHz
    lo1 += k_lo * (x - lo1);
    const double high = x - lo1;
    lo2 += k_lo * (high - lo2);
    return top(high - lo2);
  }
};

double hz_of(int key) { return 440.0 * std::pow(2.0, (key - 69) / 12.0); }

// Attack, then held, then released: a raised-cosine rise and an exponential
// fall after the note is let go.
double envelope(size_t i, size_t hold, size_t attack, double release_per_sample, double& level) {
  if (i < hold) {
    const double rise = i < attack ? 0.5 * (1.0 - std::cos(kPi * static_cast<double>(i) / static_cast<double>(attack))) : 1.0;
    level = rise;
    return rise;
  }
  level *= release_per_sample;
  return level;
}

void play_note(const Struck& n, const OwnVoice& v, Buf& l, Buf& r, std::vector<uint8_t>& sounding) {
  const size_t loop = l.size();
  const size_t hold = std::max<size_t>(n.off > n.on ? n.off - n.on : 0, kRate / 50);
  const double vel = std::pow(n.velocity / 127.0, 1.5), f = hz_of(n.key);
  const uint32_t seed = static_cast<uint32_t>(n.on * 2654435761u) ^ static_cast<uint32_t>(n.key * 40503u);
  double attack_s = 0.01, release_s = 0.15;
  switch (v.voice) {
    case Voice::saw_lead: attack_s = 0.012; release_s = 0.12; break;
    case Voice::bowed_pad: attack_s = 0.35; release_s = 0.6; break;
    case Voice::breath: attack_s = 0.07; release_s = 0.2; break;
  }
  const auto attack = static_cast<size_t>(attack_s * kRate);
  // The release runs to -60 dB.
  const size_t tail = static_cast<size_t>(release_s * kRate);
  const size_t total = hold + tail;
  const double fall = tail > 0 ? std::pow(1e-3, 1.0 / static_cast<double>(tail)) : 0.0;
  for (size_t i = 0; i < std::min(hold, loop); ++i) sounding[(n.on + i) % loop] = 1;

  double level = 0.0;
  if (v.voice == Voice::saw_lead) {
    static const double cents[3] = {-9.0, 0.0, 8.0};
    Saw saw[3];
    for (int s = 0; s < 3; ++s) saw[s].phase = std::fmod(0.37 * s + (seed % 97) / 97.0, 1.0);
    LowPass fl, fr;
    for (size_t i = 0; i < total; ++i) {
      if (i % 32 == 0) {
        const double t = static_cast<double>(i) / kRate;
        // A slow vibrato once the note has settled.
        const double depth = t < 0.3 ? 0.0 : std::min(1.0, (t - 0.3) / 0.4) * 7.0;
        const double bend = depth * std::sin(2.0 * kPi * 5.3 * t);
        for (int s = 0; s < 3; ++s) saw[s].dt = f * std::pow(2.0, (cents[s] + bend) / 1200.0) / kRate;
        // The filter opens on the attack and settles lower.
        const double open = 0.35 + 0.65 * std::exp(-t / 0.18);
        const double corner = std::min(9000.0, f * (1.5 + 9.0 * vel * open));
        fl.set(corner);
        fr.set(corner * 1.06);
      }
      const double a = saw[0](), b = saw[1](), c = saw[2]();
      const double env = envelope(i, hold, attack, fall, level) * vel;
      const size_t at = (n.on + i) % loop;
      l[at] += static_cast<float>(fl(a + 0.7 * b) * env);
      r[at] += static_cast<float>(fr(c + 0.7 * b) * env);
    }
  } else if (v.voice == Voice::bowed_pad) {
    Saw sl, sr, mid;
    sl.phase = (seed % 89) / 89.0;
    sr.phase = (seed % 83) / 83.0;
    sl.dt = f * std::pow(2.0, -11.0 / 1200.0) / kRate;
    sr.dt = f * std::pow(2.0, 10.0 / 1200.0) / kRate;
    mid.dt = f / kRate;
    LowPass fl, fr;
    Air al(seed), ar(seed * 7919u + 1u);
    const double corner = std::min(3200.0, f * 2.5 + 500.0);
    for (size_t i = 0; i < total; ++i) {
      const double env = envelope(i, hold, attack, fall, level) * vel;
      if (i % 32 == 0) {
        // The bow leans in: the tone brightens with the swell.
        fl.set(corner * (0.55 + 0.45 * level));
        fr.set(corner * (0.6 + 0.45 * level));
      }
      const double m = 0.5 * mid();
      const size_t at = (n.on + i) % loop;
      l[at] += static_cast<float>((fl(sl() + m) + v.air * al()) * env);
      r[at] += static_cast<float>((fr(sr() + m) + v.air * ar()) * env);
    }
  } else {
    Air al(seed), ar(seed * 7919u + 1u);
    for (size_t i = 0; i < total; ++i) {
      const double env = envelope(i, hold, attack, fall, level) * vel;
      const size_t at = (n.on + i) % loop;
      l[at] += static_cast<float>(al() * env);
      r[at] += static_cast<float>(ar() * env);
    }
  }
}

}  // namespace

void own_layer(LoopCanvas& c, const std::vector<MidiEvent>& events, int channel, const OwnVoice& v) {
  const size_t loop = c.size();
  if (loop == 0) return;
  const std::vector<Struck> notes = struck(events, channel, loop);
  if (notes.empty()) return;
  Buf l(loop, 0.0f), r(loop, 0.0f);
  std::vector<uint8_t> sounding(loop, 0);
  for (const Struck& n : notes) play_note(n, v, l, r, sounding);
  double mix = 0.0, own = 0.0;
  for (size_t i = 0; i < loop; ++i) {
    if (!sounding[i]) continue;
    mix += static_cast<double>(c.left()[i]) * c.left()[i] + static_cast<double>(c.right()[i]) * c.right()[i];
    own += static_cast<double>(l[i]) * l[i] + static_cast<double>(r[i]) * r[i];
  }
  if (own <= 0.0 || mix <= 0.0) return;
  const double gain = std::sqrt(mix / own) * std::pow(10.0, -v.below_db / 20.0);
  const double angle = (std::clamp(v.pan, -1.0f, 1.0f) + 1.0) * kPi / 4.0;
  const auto gl = static_cast<float>(gain * std::cos(angle) * std::sqrt(2.0));
  const auto gr = static_cast<float>(gain * std::sin(angle) * std::sqrt(2.0));
  for (size_t i = 0; i < loop; ++i) {
    c.left()[i] += l[i] * gl;
    c.right()[i] += r[i] * gr;
  }
}

}  // namespace contentgen::music
