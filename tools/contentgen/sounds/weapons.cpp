// Guns, the empty magazine, and the supply pickups.
#include "sounds/effects.h"

namespace contentgen::sfx {

using namespace dsp;

Buf gunshot(int variant) {
  // Three takes of the same rifle: the crack, the body of the blast, a low
  // kick and a short room tail, each take tuned a little differently.
  static const float kBody[] = {1100.0f, 1400.0f, 850.0f};
  static const float kKick[] = {150.0f, 125.0f, 175.0f};
  static const float kTail[] = {0.16f, 0.20f, 0.13f};
  int v = std::clamp(variant, 1, 3) - 1;
  Rng rng(0x5407u + 77u * variant);
  Buf b = blank(0.42);

  Biquad crack_hp;
  crack_hp.highpass(1800.0f, 0.7f, kRate);
  Biquad tail_lp;
  tail_lp.lowpass(1600.0f + 300.0f * v, 0.7f, kRate);
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    float n = rng.bi();
    float crack = crack_hp(n) * std::exp(-t / 0.005f) * 1.6f;
    float tail = tail_lp(n) * std::exp(-t / kTail[v]) * 0.35f;
    b[i] = crack + tail;
  }
  add_noise_burst(b, rng, 0.0, kBody[v], 1.2f, 0.035f, 2.2f);
  add_noise_burst(b, rng, 0.004, kBody[v] * 2.3f, 2.0f, 0.02f, 1.0f);
  add_thump(b, 0.0, kKick[v] * 2.0f, kKick[v] * 0.35f, 0.07f, 0.9f);
  // A bolt rattle after the shot distinguishes the takes a little more.
  add_noise_burst(b, rng, 0.09 + 0.02 * v, 3200.0f, 6.0f, 0.006f, 0.25f);
  soft_clip(b, 2.2f);
  return add_reverb(b, kRate, 0.25f, 0.4f, 0.25f, 0.05);
}

Buf dry_click() {
  // The trigger falls on an empty chamber: a sharp click and a lighter rebound.
  Rng rng(0xD2Bu);
  Buf b = blank(0.16);
  add_noise_burst(b, rng, 0.002, 3600.0f, 3.0f, 0.004f, 1.0f);
  add_ping(b, 0.002, 2300.0f, 0.012f, 0.35f);
  add_noise_burst(b, rng, 0.052, 2800.0f, 3.0f, 0.003f, 0.55f);
  add_ping(b, 0.052, 1750.0f, 0.01f, 0.2f);
  return b;
}

Buf ammo_pickup() {
  // A fresh magazine: slide in, latch clack, the bolt racked, a small ready tone.
  Rng rng(0xA770u);
  Buf b = blank(0.62);
  Biquad slide;
  size_t s0 = frames(0.02, kRate), s1 = frames(0.12, kRate);
  for (size_t i = s0; i < s1; ++i) {
    float u = static_cast<float>(i - s0) / (s1 - s0);
    if (i % 32 == 0) slide.bandpass(900.0f + 1400.0f * u, 3.0f, kRate);
    b[i] += slide(rng.bi()) * 1.4f * std::sin(static_cast<float>(kPi) * u);
  }
  add_noise_burst(b, rng, 0.12, 1400.0f, 2.0f, 0.012f, 1.6f);
  add_thump(b, 0.12, 300.0f, 120.0f, 0.03f, 0.6f);
  add_ping(b, 0.12, 1900.0f, 0.03f, 0.25f);
  add_noise_burst(b, rng, 0.26, 2200.0f, 2.5f, 0.01f, 1.2f);
  add_noise_burst(b, rng, 0.33, 1600.0f, 2.0f, 0.014f, 1.5f);
  add_thump(b, 0.33, 260.0f, 110.0f, 0.03f, 0.5f);
  add_bell(b, 0.40, 1318.5f, 2.0f, 1.0f, 0.08f, 0.22f);
  add_bell(b, 0.46, 1760.0f, 2.0f, 1.0f, 0.09f, 0.22f);
  return b;
}

Buf heal_pickup() {
  // The injector's hiss and a warm rising triad with a slow shimmer.
  Rng rng(0x4EA1u);
  Buf b = blank(0.95);
  Biquad hiss;
  hiss.bandpass(5200.0f, 1.5f, kRate);
  for (size_t i = 0; i < frames(0.18, kRate); ++i) {
    float t = static_cast<float>(seconds_at(i));
    b[i] += hiss(rng.bi()) * 0.9f * std::min(1.0f, t / 0.01f) * std::exp(-t / 0.06f);
  }
  const float notes[] = {69.0f, 73.0f, 76.0f, 81.0f};
  for (int k = 0; k < 4; ++k) {
    Phase a, c;
    float hz = midi_hz(notes[k]);
    size_t s = frames(0.10 + 0.09 * k, kRate);
    for (size_t i = s; i < b.size(); ++i) {
      float t = static_cast<float>(seconds_at(i - s));
      float env = std::min(1.0f, t / 0.02f) * std::exp(-t / 0.22f);
      float trem = 1.0f + 0.25f * sine(t * 9.0);
      b[i] += 0.3f * env * trem * (sine(a.step(hz, kRate)) + 0.2f * sine(c.step(hz * 2.0f, kRate)));
    }
  }
  return b;
}

}  // namespace contentgen::sfx
