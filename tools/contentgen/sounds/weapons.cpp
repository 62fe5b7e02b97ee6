// Guns, the empty magazine, and the supply pickups.
#include "sounds/effects.h"

namespace contentgen::sfx {

using namespace dsp;

namespace {

// What makes one take of the rifle differ from the next.
struct Take {
  float body_hz;      // centre of the blast's body, 1.5..3 kHz
  float body_decay;   // seconds
  float thump_hz;     // the short low kick under it
  float grit;         // drive into the saturator: texture
  float second_crack; // seconds after the first; 0 for none
  float tail_s;       // how long the room answers
  float slap_at;      // a wall's echo, seconds after the shot
  float slap_gain;
  float rattle_at;    // the action cycling
  float return_at;    // a far wall's echo rolling back; 0 for none
  bool casing;        // the spent case heard bouncing on the floor
  uint32_t seed;
};

const Take kTakes[] = {
    // Bright and tight, answered by two hard slaps off near walls.
    {2300.0f, 0.028f, 120.0f, 2.4f, 0.0f, 0.05f, 0.075f, 0.8f, 0.30f, 0.0f, false, 0x5407u},
    // Lower and rougher, rolling down a long corridor and back.
    {1650.0f, 0.045f, 95.0f, 3.4f, 0.0f, 0.16f, 0.0f, 0.0f, 0.44f, 0.21f, false, 0x5411u},
    // High and clipped, a double report, the action loud and dry, the case
    // ringing on the deck.
    {2600.0f, 0.018f, 140.0f, 1.8f, 0.016f, 0.02f, 0.0f, 0.0f, 0.13f, 0.0f, true, 0x541Bu},
};

// The supersonic crack: a few milliseconds of bright noise.
void add_crack(Buf& b, Rng& rng, double at, float gain) {
  Biquad hp;
  hp.highpass(2500.0f, 0.7f, kRate);
  size_t s = frames(at, kRate);
  for (size_t i = s; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i - s));
    float env = std::exp(-t / 0.0025f);
    if (env < 1e-4f) break;
    b[i] += hp(rng.bi()) * env * gain;
  }
}

}  // namespace

Buf gunshot(int variant) {
  // A sharp report: the crack, the blast's body in the upper midrange, a
  // short low kick (felt, not a boom), then the room and the rifle's action.
  const Take& k = kTakes[std::clamp(variant, 1, 3) - 1];
  Rng rng(k.seed);
  Buf b = blank(0.55);
  add_crack(b, rng, 0.0, 2.0f);
  if (k.second_crack > 0.0f) add_crack(b, rng, k.second_crack, 1.4f);
  add_noise_burst(b, rng, 0.0005, k.body_hz, 1.1f, k.body_decay, 3.0f);
  add_noise_burst(b, rng, 0.001, k.body_hz * 1.6f, 1.8f, k.body_decay * 0.6f, 1.4f);
  add_noise_burst(b, rng, 0.0, k.body_hz * 0.55f, 1.4f, k.body_decay * 0.8f, 1.0f);
  add_thump(b, 0.0, k.thump_hz * 2.2f, k.thump_hz, 0.022f, 0.5f);
  for (float& s : b) s = std::tanh(s * k.grit) / std::tanh(k.grit);

  // The room: band-limited noise decaying with the take's own length.
  Biquad room_bp;
  room_bp.bandpass(k.body_hz * 0.7f, 0.7f, kRate);
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    // A long space swells a little before it dies away; a small one is gone at once.
    float swell = std::min(1.0f, t / (k.tail_s > 0.2f ? 0.03f : 0.004f));
    b[i] += room_bp(rng.bi()) * (k.tail_s > 0.2f ? 1.0f : 0.45f) * swell * std::exp(-t / k.tail_s);
  }
  if (k.slap_gain > 0.0f) {
    Buf echo = lowpassed(Buf(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(frames(0.06, kRate))), kRate, 3000.0f);
    add(b, echo, frames(k.slap_at, kRate), k.slap_gain);
    add(b, echo, frames(k.slap_at * 2.0, kRate), k.slap_gain * 0.45f);
  }
  if (k.return_at > 0.0f) {
    // The corridor's answer: the blast smeared and darkened, swelling in.
    Buf far = lowpassed(Buf(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(frames(0.12, kRate))), kRate, 1800.0f);
    far = add_reverb(far, kRate, 0.7f, 0.5f, 0.8f, 0.15);
    for (size_t i = 0; i < far.size(); ++i) {
      float u = static_cast<float>(i) / far.size();
      far[i] *= std::min(1.0f, u * 4.0f) * (1.0f - u);
    }
    add(b, far, frames(k.return_at, kRate), 0.9f);
  }
  if (k.casing) {
    const float bounces[][2] = {{0.30f, 1.0f}, {0.37f, 0.6f}, {0.42f, 0.35f}};
    for (const auto& bounce : bounces) {
      add_ping(b, bounce[0], 3300.0f, 0.03f, 0.35f * bounce[1]);
      add_ping(b, bounce[0], 3900.0f, 0.02f, 0.2f * bounce[1]);
    }
  }
  // The bolt: two metallic clicks.
  add_noise_burst(b, rng, k.rattle_at, 3400.0f, 5.0f, 0.005f, 0.5f);
  add_ping(b, k.rattle_at, 2750.0f, 0.02f, 0.12f);
  add_noise_burst(b, rng, k.rattle_at + 0.035, 2900.0f, 5.0f, 0.004f, 0.35f);
  // The saturator leaves a slow offset under the blast; it is inaudible and
  // would only take headroom from the crack.
  Biquad hp;
  hp.highpass(50.0f, 0.7f, kRate);
  for (float& s : b) s = hp(s);
  return b;
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
