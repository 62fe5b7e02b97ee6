#include "sounds/larynx.h"

#include <algorithm>

#include "sounds/glottal_pulse.h"

namespace contentgen::sfx {

using namespace dsp;

namespace {

// Made at four times the rate, so the folds' sharp closing folds nothing
// back into the band at a growl's or a cry's pitch. (A squeal near 1.8 kHz
// still leaves partials folded back between its overtones some 60 dB
// under its loudest.)
constexpr int over = 4;

Mouth mouth_at(const std::vector<std::pair<float, Mouth>>& path, float t) {
  if (path.empty()) return {600.0f, 1200.0f, 2500.0f, 3500.0f};
  if (t <= path.front().first) return path.front().second;
  for (size_t k = 1; k < path.size(); ++k) {
    if (t > path[k].first) continue;
    const float span = std::max(1e-4f, path[k].first - path[k - 1].first), v = (t - path[k - 1].first) / span;
    const Mouth& a = path[k - 1].second;
    const Mouth& z = path[k].second;
    return {a.f1 + (z.f1 - a.f1) * v, a.f2 + (z.f2 - a.f2) * v, a.f3 + (z.f3 - a.f3) * v, a.f4 + (z.f4 - a.f4) * v};
  }
  return path.back().second;
}

float level_at(const std::vector<std::pair<float, float>>& path, float t) {
  if (path.empty()) return 0.0f;
  if (t <= path.front().first) return path.front().second;
  for (size_t k = 1; k < path.size(); ++k) {
    if (t > path[k].first) continue;
    const float span = std::max(1e-4f, path[k].first - path[k - 1].first), v = (t - path[k - 1].first) / span;
    return path[k - 1].second + (path[k].second - path[k - 1].second) * v;
  }
  return path.back().second;
}

}  // namespace

Buf larynx(const Larynx& l) {
  const int rate = kRate * over;
  const size_t n = frames(l.seconds, rate);
  Buf src(frames(l.seconds, kRate), 0.0f), flow(src.size(), 0.0f);
  if (src.empty()) return src;
  Rng rng(l.seed);
  // The pitch wanders slowly, and trembles a little faster, both unevenly.
  Wander stray(l.seed * 13u + 7u, 0.05f, 0.16f, rate), tremble(l.seed * 29u + 3u, 0.012f, 0.04f, rate);
  // When the folds split into an undertone and when they hold together.
  Wander split(l.seed * 31u + 11u, 0.04f, 0.18f, rate);
  Biquad g1, g2, g3, g4;
  for (Biquad* g : {&g1, &g2, &g3, &g4}) g->lowpass(16000.0f, 0.707f, rate);
  const float close = std::clamp(l.tension, 0.04f, 0.5f), open = std::min(0.6f, 0.95f - close);
  double phase = 0.0;
  float period_scale = 1.0f, strength = 1.0f;
  bool odd = false;
  const float fry_span = std::max(0.05f, 1.0f - l.fry_from);
  for (size_t i = 0; i < n; ++i) {
    const float s = static_cast<float>(i) / rate, u = s / l.seconds;
    const float fry = std::clamp((u - l.fry_from) / fry_span, 0.0f, 1.0f);
    const float aim = l.pitch.at(s) * (1.0f + l.drift * stray.next() + 0.3f * l.drift * tremble.next());
    // A failing voice sinks into the creak's own slow rate.
    const float hz = std::exp(std::log(aim) * (1.0f - fry) + std::log(l.fry_hz) * fry);
    // Stepped every sample, as it was made to be: stepped once a cycle, its
    // 40-180 ms turns took minutes and a cry split all through or never.
    const float split_now = split.next();
    phase += hz * period_scale / rate;
    if (phase >= 1.0) {
      phase -= std::floor(phase);
      odd = !odd;
      // Each cycle strays in length and strength; while the folds split,
      // every other one sags and comes late by its own amount, and as the
      // voice creaks apart some cycles fail outright.
      const float rough = l.rough0 + (l.rough1 - l.rough0) * u;
      const float sag = std::clamp(rough * (0.5f + 1.5f * split_now), 0.0f, 0.95f);
      const float j = l.jitter * (1.0f + 4.0f * fry);
      strength = (1.0f + l.shimmer * (1.0f + fry) * rng.bi()) * (odd ? 1.0f - sag * rng.range(0.6f, 1.0f) : 1.0f);
      if (rng.uni() < 0.4f * fry) strength *= 0.1f;
      period_scale = 1.0f / ((1.0f + j * rng.bi()) * (odd ? 1.0f + 0.25f * sag : 1.0f));
    }
    const float y = g4(g3(g2(g1(pulse_slope(phase, open, close) * strength))));
    if (i % over == 0 && i / over < src.size()) {
      src[i / over] = y;
      flow[i / over] = pulse_flow(phase, open, close) * std::max(0.2f, strength);
    }
  }
  // The voice and its air go through the same chest and mouth, each
  // through its own bank so the air's share can be set against the voice.
  struct Bank {
    Biquad f[4], chest;
  } voiced, air;
  Wander roam[4] = {Wander(l.seed * 5u + 1u, 0.06f, 0.18f, kRate / 16), Wander(l.seed * 7u + 2u, 0.04f, 0.13f, kRate / 16),
                    Wander(l.seed * 11u + 3u, 0.08f, 0.22f, kRate / 16), Wander(l.seed * 17u + 4u, 0.03f, 0.11f, kRate / 16)};
  Wander rasp(l.seed * 43u + 9u, 0.03f, 0.12f, kRate);
  const float widths[4] = {110.0f, 150.0f, 220.0f, 320.0f};
  const float gains[4] = {1.0f, 0.8f, 0.55f * l.bright, 0.4f * l.bright};
  for (Bank* b : {&voiced, &air}) b->chest.bandpass(l.chest_hz, 1.3f, kRate);
  Buf v(src.size()), a(src.size());
  for (size_t i = 0; i < src.size(); ++i) {
    const float s = static_cast<float>(seconds_at(i)), u = s / l.seconds;
    if (i % 16 == 0) {
      const Mouth m = mouth_at(l.mouth, s);
      const float f[4] = {m.f1, m.f2, m.f3, m.f4};
      for (int k = 0; k < 4; ++k) {
        const float hz = std::min(f[k] * (1.0f + l.roam * roam[k].next()), 0.42f * kRate);
        const float q = std::clamp(hz / widths[k], 1.2f, 14.0f);
        voiced.f[k].bandpass(hz, q, kRate);
        air.f[k].bandpass(hz, q * 0.6f, kRate);
      }
    }
    const float breath = (l.breath0 + (l.breath1 - l.breath0) * u) * (1.0f + 0.6f * rasp.next());
    const float x = src[i], noise = rng.bi() * std::max(0.0f, breath) * (0.25f + 0.75f * flow[i]);
    float yv = l.chest * voiced.chest(x), ya = l.chest * air.chest(noise);
    for (int k = 0; k < 4; ++k) {
      yv += gains[k] * voiced.f[k](x);
      ya += gains[k] * air.f[k](noise);
    }
    v[i] = yv;
    a[i] = ya;
  }
  // The hiss: air torn past the tongue and teeth, puffed out with each
  // opening of the folds and swelling with the voice, in the band where the
  // ear is keenest; smooth-edged, so it gives presence without a tick.
  Buf h(src.size(), 0.0f);
  if (l.hiss > 0.0f) {
    Biquad lo1, lo2, hi1, hi2;
    lo1.highpass(l.hiss_hz * 0.55f, 0.707f, kRate);
    lo2.highpass(l.hiss_hz * 0.55f, 0.707f, kRate);
    hi1.lowpass(std::min(l.hiss_hz * 1.6f, 0.45f * kRate), 0.707f, kRate);
    hi2.lowpass(std::min(l.hiss_hz * 1.6f, 0.45f * kRate), 0.707f, kRate);
    OnePoleLP follow;
    follow.set(30.0f, kRate);
    Rng air_rng(l.seed * 53u + 17u);
    for (size_t i = 0; i < h.size(); ++i) {
      const float env = follow(std::fabs(v[i]));
      h[i] = hi2(hi1(lo2(lo1(air_rng.bi())))) * env * (0.35f + 0.65f * flow[i]);
    }
  }
  // The air set to its share of the voice over the whole cry.
  const float vr = rms(v), ar = rms(a), hr = rms(h);
  const float mean_breath = std::max(0.0f, 0.5f * (l.breath0 + l.breath1));
  const float air_gain = ar > 0.0f && mean_breath > 0.0f ? mean_breath * vr / ar : 0.0f;
  const float hiss_gain = hr > 0.0f ? l.hiss * vr / hr : 0.0f;
  float level = 0.0f;
  for (size_t i = 0; i < v.size(); ++i) {
    v[i] += a[i] * air_gain + h[i] * hiss_gain;
    level = std::max(level, std::fabs(v[i]));
  }
  if (level <= 0.0f) return v;
  // Strained, then closed off at the lips; its loudness follows the drawn
  // gesture and strays on a random walk.
  OnePoleLP lip1, lip2;
  lip1.set(l.top_hz, kRate);
  lip2.set(l.top_hz, kRate);
  Wander swell(l.seed * 47u + 13u, 0.03f, 0.14f, kRate);
  const float norm = 1.0f / std::tanh(l.drive);
  float top = 0.0f;
  for (size_t i = 0; i < v.size(); ++i) {
    const float s = static_cast<float>(seconds_at(i));
    const float strained = lip2(lip1(std::tanh(l.drive * v[i] / level) * norm));
    const float rise = s < l.attack_s ? 0.5f - 0.5f * std::cos(static_cast<float>(kPi) * s / l.attack_s) : 1.0f;
    v[i] = strained * rise * db_to_gain(level_at(l.level, s) + l.swell_db * swell.next());
    top = std::max(top, std::fabs(v[i]));
  }
  if (top > 0.0f) scale(v, 1.0f / top);
  return v;
}

}  // namespace contentgen::sfx
