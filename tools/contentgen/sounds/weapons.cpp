// Guns, the empty magazine, and the supply pickups.
#include "sounds/effects.h"

namespace contentgen::sfx {

using namespace dsp;

namespace {

// One rifle, three takes: the report itself is the same gun every time (the
// same crack, body and chest-deep thump, with a little natural variation),
// and what differs is the space that answers it and the action cycling.
struct Take {
  float body_hz;       // centre of the blast's bright body, around 1.8 kHz
  float low_hz;        // centre of its low-mid weight, 300..450 Hz
  float grit;          // drive into the saturator: texture
  float second_crack;  // seconds after the first; 0 for none
  float tail_s;        // how long the room answers
  float slap_at;       // a near wall's echo, seconds after the shot; 0 for none
  float slap_gain;
  float rattle_at;     // the action cycling
  float rattle_gain;
  float return_at;     // a far wall's echo rolling back; 0 for none
  uint32_t seed;
};

const Take takes[] = {
    // A small room: two quick slaps off near walls, the action late.
    {1800.0f, 370.0f, 2.2f, 0.0f, 0.06f, 0.08f, 0.6f, 0.30f, 1.1f, 0.0f, 0x5407u},
    // A long corridor: the report rolls away and comes back.
    {1750.0f, 360.0f, 2.5f, 0.0f, 0.3f, 0.0f, 0.0f, 0.44f, 1.0f, 0.2f, 0x5411u},
    // Close and dry: a double report, the action loud and early.
    {1800.0f, 370.0f, 2.0f, 0.014f, 0.03f, 0.0f, 0.0f, 0.15f, 1.3f, 0.0f, 0x541Bu},
};

// The supersonic crack: a few milliseconds of bright noise.
void add_crack(Buf& b, Rng& rng, double at, float gain) {
  Biquad hp, lp;
  hp.highpass(2000.0f, 0.7f, kRate);
  lp.lowpass(6000.0f, 0.7f, kRate);
  size_t s = frames(at, kRate);
  for (size_t i = s; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i - s));
    float env = std::exp(-t / 0.0045f);
    if (env < 1e-4f) break;
    b[i] += lp(hp(rng.bi())) * env * gain;
  }
}

// A copy of the opening of the shot, darkened, swelling in over 5 ms and
// dying away as a wall's answer does, by `decay_s`, long before the copy
// ends: no edge of it is ever heard.
Buf echo_of(const Buf& b, double seconds, float lowpass_hz, float decay_s) {
  Buf e(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(std::min(b.size(), frames(seconds, kRate))));
  e = lowpassed(e, kRate, lowpass_hz);
  for (size_t i = 0; i < e.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    e[i] *= std::min(1.0f, t / 0.005f) * std::exp(-t / decay_s);
  }
  return e;
}

}  // namespace

Buf gunshot(int variant) {
  // A sharp report: the crack, a bright body in the upper midrange, the
  // weight of the blast in the low midrange and a short thump under it,
  // then the room and the rifle's action.
  const Take& k = takes[std::clamp(variant, 1, 3) - 1];
  Rng rng(k.seed);
  // Long enough for the longest room to die away inside the file.
  Buf b = blank(0.75);
  add_crack(b, rng, 0.0, 1.2f);
  if (k.second_crack > 0.0f) add_crack(b, rng, k.second_crack, 0.6f);
  add_noise_burst(b, rng, 0.0005, k.body_hz, 1.2f, 0.026f, 3.2f);
  add_noise_burst(b, rng, 0.0, k.low_hz, 1.1f, 0.045f, 3.2f);
  add_noise_burst(b, rng, 0.0, k.low_hz * 1.7f, 1.3f, 0.03f, 1.6f);
  add_thump(b, 0.0, 240.0f, 140.0f, 0.03f, 0.35f);
  if (k.second_crack > 0.0f) {
    add_noise_burst(b, rng, k.second_crack, k.body_hz, 1.2f, 0.02f, 1.0f);
    add_noise_burst(b, rng, k.second_crack, k.low_hz, 1.1f, 0.03f, 1.1f);
  }
  for (float& s : b) s = std::tanh(s * k.grit) / std::tanh(k.grit);

  // The room: noise in the blast's own colour, decaying with the take's own
  // length. A long space swells a little before it dies away.
  Biquad room_lo, room_hi;
  room_lo.bandpass(k.low_hz * 1.2f, 0.8f, kRate);
  room_hi.bandpass(k.body_hz * 0.9f, 0.9f, kRate);
  const bool long_space = k.tail_s > 0.1f;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    float swell = std::min(1.0f, t / (long_space ? 0.03f : 0.005f));
    float n = room_lo(rng.bi()) * 1.2f + room_hi(rng.bi()) * 0.5f;
    b[i] += n * (long_space ? 0.8f : 0.5f) * swell * std::exp(-t / k.tail_s);
  }
  if (k.slap_gain > 0.0f) {
    Buf echo = echo_of(b, 0.12, 2000.0f, 0.02f);
    add(b, echo, frames(k.slap_at, kRate), k.slap_gain);
    add(b, echo, frames(k.slap_at * 2.0, kRate), k.slap_gain * 0.45f);
  }
  if (k.return_at > 0.0f) {
    // The corridor's answer: the blast smeared and darkened, swelling in.
    Buf far = echo_of(b, 0.12, 1800.0f, 0.04f);
    far = add_reverb(far, kRate, 0.7f, 0.5f, 0.8f, 0.15);
    for (size_t i = 0; i < far.size(); ++i) {
      float t = static_cast<float>(seconds_at(i));
      far[i] *= std::min(1.0f, t / 0.06f) * std::exp(-t / 0.06f);
    }
    add(b, far, frames(k.return_at, kRate), 1.4f);
  }
  // The bolt: two dull metallic clacks, more knock than ring: a short
  // broad tick on the resonances of the steel.
  for (int clack = 0; clack < 2; ++clack) {
    const double at = k.rattle_at + 0.035 * clack;
    const float g = k.rattle_gain * (clack == 0 ? 1.0f : 0.75f);
    add_noise_burst(b, rng, at, 1800.0f, 0.7f, 0.008f, 0.18f * g);
    add_ping(b, at, clack == 0 ? 1480.0f : 1320.0f, 0.014f, 0.12f * g);
    add_thump(b, at, 520.0f, 300.0f, 0.014f, 0.2f * g);
  }
  // The saturator leaves a slow offset under the blast; it is inaudible and
  // would only take headroom from the crack.
  Biquad hp;
  hp.highpass(60.0f, 0.7f, kRate);
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
