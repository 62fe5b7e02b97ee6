#include "sounds/throat.h"

#include <algorithm>

#include "sounds/glottal_pulse.h"

namespace contentgen::sfx {

using namespace dsp;

namespace {

// Made at four times the rate, so the folds' sharp closing and the rasp
// fold nothing back into the band.
constexpr int over = 4;

}  // namespace

Buf throat(const Throat& t) {
  // The folds at four times the rate, then down to the mixer's rate
  // through a steep guard.
  const int rate = kRate * over;
  const size_t n = frames(t.seconds, rate);
  Buf src(frames(t.seconds, kRate), 0.0f), flow(src.size(), 0.0f);
  Rng rng(t.seed);
  // The pitch strays slowly and unevenly from its contour.
  Wander stray(t.seed * 13u + 7u, 0.05f, 0.16f, rate);
  Biquad g1, g2, g3, g4;
  for (Biquad* g : {&g1, &g2, &g3, &g4}) g->lowpass(16000.0f, 0.707f, rate);
  double phase = 0.0;
  float period_scale = 1.0f, strength = 1.0f;
  bool odd = false;
  const float close = std::clamp(t.tension, 0.04f, 0.5f), open = std::min(0.6f, 0.95f - close);
  for (size_t i = 0; i < n; ++i) {
    const float s = static_cast<float>(i) / rate, u = s / t.seconds;
    const float hz = t.pitch.at(s) * (1.0f + t.wander * stray.next());
    phase += hz * period_scale / rate;
    if (phase >= 1.0) {
      phase -= std::floor(phase);
      // A new pulse: its length and strength stray from the last, and in
      // a rough voice every other one sags and comes late.
      odd = !odd;
      const float rough = t.rough0 + (t.rough1 - t.rough0) * u;
      strength = (1.0f + t.shimmer * rng.bi()) * (odd ? 1.0f - rough * rng.range(0.5f, 1.0f) : 1.0f);
      period_scale = 1.0f / ((1.0f + t.jitter * rng.bi()) * (odd ? 1.0f + 0.2f * rough : 1.0f));
    }
    const float y = g4(g3(g2(g1(pulse_slope(phase, open, close) * strength))));
    if (i % over == 0 && i / over < src.size()) {
      src[i / over] = y;
      flow[i / over] = pulse_flow(phase, open, close) * std::max(0.3f, strength);
    }
  }
  // The mouth: four resonances moving along the vowel path, opening as the
  // cry climbs and never holding quite still. The voice and its breath go
  // through them together.
  float centre = 0.0f;
  for (int k = 0; k <= 16; ++k) centre += std::log(t.pitch.at(t.seconds * k / 16.0f)) / 17.0f;
  centre = std::exp(centre);
  Wander sway(t.seed * 17u + 5u, 0.06f, 0.2f, kRate / 32);
  Biquad f1, f2, f3, f4;
  // The lips: one gentle first-order roll-off per stage, so a thin mouth
  // leaves the breath's air trailing high above the voice and a muffling
  // one shuts it off; either way the air follows the voice's own pulses.
  const int lips = std::clamp(t.lips, 1, 4);
  OnePoleLP lip[4];
  for (OnePoleLP& l : lip) l.set(t.top_hz, kRate);
  OnePoleLP follow;
  follow.set(40.0f, kRate);
  const float peak_gain = 1.0f / std::tanh(t.drive);
  Buf out(src.size(), 0.0f), teeth(src.size(), 0.0f);
  Biquad gap1, gap2, gap3, gap4, gap5, gap6;
  if (t.air_hz > 0.0f) {
    // A broad band of air, each creature's own, the rush of the same
    // breath that voices the mouth.
    const float lo = std::min(t.air_lo_hz, 0.45f * kRate);
    gap1.highpass(lo, 0.707f, kRate);
    gap3.highpass(lo, 0.707f, kRate);
    gap5.highpass(lo, 0.707f, kRate);
    // Past 0.45 of the rate the air runs on to the top of the band.
    if (t.air_hz < 0.45f * kRate) {
      gap2.lowpass(t.air_hz, 0.707f, kRate);
      gap4.lowpass(t.air_hz, 0.707f, kRate);
      gap6.lowpass(t.air_hz, 0.707f, kRate);
    }
  }
  float level = 0.0f;
  for (size_t i = 0; i < src.size(); ++i) {
    const float s = static_cast<float>(seconds_at(i)), u = s / t.seconds;
    if (i % 32 == 0) {
      const float pos = u * static_cast<float>(t.mouth.size() - 1);
      const size_t k = std::min(static_cast<size_t>(pos), t.mouth.size() - 1), k2 = std::min(k + 1, t.mouth.size() - 1);
      const float v = pos - static_cast<float>(k);
      const float open_by = std::pow(t.pitch.at(s) / centre, t.sweep) * (1.0f + 0.15f * sway.next());
      auto mix = [&](float a, float z) { return (a + (z - a) * v) * t.mouth_scale; };
      const float m1 = mix(t.mouth[k].f1, t.mouth[k2].f1) * open_by, m2 = mix(t.mouth[k].f2, t.mouth[k2].f2) / std::sqrt(open_by);
      const float m3 = mix(t.mouth[k].f3, t.mouth[k2].f3) * std::sqrt(open_by);
      const float m4 = std::max(m3 * 1.35f, 3300.0f * t.mouth_scale);
      const float limit = 0.4f * kRate;
      f1.bandpass(std::min(m1, limit), 2.5f, kRate);
      f2.bandpass(std::min(m2, limit), 3.5f, kRate);
      f3.bandpass(std::min(m3, limit), 4.5f, kRate);
      f4.bandpass(std::min(m4, limit), 5.0f, kRate);
    }
    // Air torn through the folds while they are open.
    const float puff = rng.bi() * t.breath * (0.15f + flow[i]);
    const float x = src[i] + puff;
    // The same puffs of breath whistle past the teeth.
    if (t.air_hz > 0.0f) teeth[i] = gap6(gap5(gap4(gap3(gap2(gap1(puff))))));
    float y = f1(x) + 0.8f * f2(x) + 0.6f * t.bright * f3(x) + 0.4f * t.bright * f4(x);
    level = std::max(level, std::fabs(y));
    out[i] = y;
  }
  if (level <= 0.0f) return out;
  // The whistle measured against its own loudness, so `air` sets its share.
  const float teeth_rms = rms(teeth);
  if (teeth_rms > 0.0f) scale(teeth, 1.0f / teeth_rms);
  // The voice is set to full scale on its own, so the air rides on it
  // without pushing it down.
  float voice_top = 0.0f;
  Buf voice(out.size());
  for (size_t i = 0; i < out.size(); ++i) {
    float y = std::tanh(t.drive * out[i] / level) * peak_gain;
    for (int k = 0; k < lips; ++k) y = lip[k](y);
    voice[i] = y;
    voice_top = std::max(voice_top, std::fabs(y));
  }
  const float norm = voice_top > 0.0f ? 1.0f / voice_top : 1.0f;
  for (size_t i = 0; i < out.size(); ++i) {
    const float s = static_cast<float>(seconds_at(i));
    // The whistle follows the voice's own loudness: one breath, one body.
    const float y = voice[i] + teeth[i] * t.air * follow(std::fabs(out[i]) / level);
    const float env = std::min(1.0f, s / t.attack_s) * std::clamp((t.seconds - s) / t.release_s, 0.0f, 1.0f);
    out[i] = y * env * norm;
  }
  return out;
}

}  // namespace contentgen::sfx
