// Guns, the empty magazine, and the supply pickups.
#include "sounds/effects.h"

namespace contentgen::sfx {

using namespace dsp;

namespace {

// One rifle in one short, neutral space, three takes. Each take is its own
// shot: its own grain in the crack and the blast, a few per cent of pitch,
// a slightly different body and tail, as one round differs from the next.
// What stays the same is the rifle itself: its action, which cycles within
// the first 50 ms (a burst fires every 90-140 ms, so nothing lands among
// the next shot), and its room.
struct Take {
  float pitch;      // scales every frequency of the report
  float crack_hz;   // centre of the crack's band
  float body;       // level of the bright body against the blast
  float blast_s;    // how long the low blast rings
  float room;       // how much of the room answers
  uint32_t crack_seed, blast_seed;
};

const Take takes[] = {
    {1.00f, 3600.0f, 1.00f, 0.045f, 0.55f, 0x5407u, 0x5400u},
    {1.05f, 3350.0f, 0.80f, 0.043f, 0.50f, 0x9C23u, 0x5EEDu},
    {0.95f, 3850.0f, 1.20f, 0.050f, 0.60f, 0x2B6Du, 0x3E91u},
};

// The supersonic crack: a few milliseconds of bright noise.
void add_crack(Buf& b, Rng& rng, float centre_hz, float gain) {
  Biquad hp, lp;
  hp.highpass(centre_hz * 0.55f, 0.7f, kRate);
  lp.lowpass(centre_hz * 1.7f, 0.7f, kRate);
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    float env = std::exp(-t / 0.0035f);
    if (env < 1e-4f) break;
    b[i] += lp(hp(rng.bi())) * env * gain;
  }
}

// The crack's top edge, 5-8 kHz, dying within a few milliseconds: the snap
// that small speakers play and the ear places at once. It is added after
// the saturator, which would otherwise flatten it into the blast.
void add_crack_edge(Buf& b, Rng& rng, float gain) {
  Biquad hp, lp;
  hp.highpass(5000.0f, 0.7f, kRate);
  lp.lowpass(8500.0f, 0.7f, kRate);
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    float env = std::min(1.0f, t / 0.0003f) * std::exp(-t / 0.012f);
    if (t > 0.06f) break;
    b[i] += lp(hp(rng.bi())) * env * gain;
  }
}

// The weight of the shot in the chest: a clean low sine falling from about
// 120 to 80 Hz and gone within some 60 ms. It is added after the saturator
// so it stays a low weight rather than turning into midrange grit, and is
// softly held so its first swing cannot take the crack's headroom.
void add_chest_thump(Buf& b, float gain) {
  Buf t = blank(0.12);
  add_thump(t, 0.0, 122.0f, 80.0f, 0.022f, gain);
  for (size_t i = 0; i < t.size() && i < b.size(); ++i) b[i] += std::tanh(t[i] * 1.2f) / 1.2f;
}

// The action: the bolt carrier slams back and rams the next round home, two
// short metallic knocks, the same on every shot because it is one rifle.
void add_action(Buf& b) {
  Rng rng(0xB017u);
  add_noise_burst(b, rng, 0.019, 1250.0f, 2.5f, 0.004f, 0.55f);
  add_ping(b, 0.019, 940.0f, 0.010f, 0.10f);
  add_noise_burst(b, rng, 0.041, 1500.0f, 2.5f, 0.005f, 0.75f);
  add_ping(b, 0.041, 1210.0f, 0.012f, 0.14f);
  add_thump(b, 0.041, 260.0f, 170.0f, 0.012f, 0.18f);
}

// The levels of the crack's edge and the thump against the report: the
// edge about a tenth of the shot's energy, the thump about a sixth.
constexpr float edge_gain = 2.6f;
constexpr float thump_gain = 1.2f;

}  // namespace

Buf gunshot(int variant) {
  // A sharp report: the crack, a bright body in the upper midrange, the
  // weight of the blast in the low midrange and a short chest thump at
  // 80-120 Hz under it, the action cycling, then a small, evenly coloured
  // room.
  const Take& k = takes[std::clamp(variant, 1, 3) - 1];
  const float p = k.pitch;
  Rng crack(k.crack_seed), rng(k.blast_seed);
  Buf b = blank(0.42);
  add_crack(b, crack, k.crack_hz, 0.7f);
  add_noise_burst(b, rng, 0.0005, 1800.0f * p, 1.8f, 0.024f, 3.0f * k.body);
  add_noise_burst(b, rng, 0.0, 420.0f * p, 1.6f, k.blast_s, 5.2f);
  add_noise_burst(b, rng, 0.0, 680.0f * p, 1.4f, 0.032f * k.blast_s / 0.045f, 2.4f);
  add_action(b);
  for (float& s : b) s = std::tanh(s * 1.8f) / std::tanh(1.8f);
  add_crack_edge(b, crack, edge_gain);
  add_chest_thump(b, thump_gain);
  // Rounded off once more, sample by sample: the shot's first peaks are
  // then no longer left for the leveller's limiter, whose slower gain
  // would flatten the start of the report into its body.
  for (float& s : b) s = std::tanh(s * 1.2f) / std::tanh(1.2f);

  // The room: a short, dense answer in the blast's own colour, rising over
  // a few milliseconds and gone within a quarter of a second.
  Buf dry = b;
  Buf room = add_reverb(dry, kRate, 0.28f, 0.45f, 1.0f, 0.0);
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    b[i] += (room[i] - dry[i] * 0.5f) * k.room * std::min(1.0f, t / 0.004f) * std::exp(-t / 0.07f);
  }
  // The saturator leaves a slow offset under the blast; it is inaudible and
  // would only take headroom from the crack.
  Biquad hp;
  hp.highpass(45.0f, 0.7f, kRate);
  for (float& s : b) s = hp(s);
  return b;
}

Buf dry_click() {
  // The trigger falls on an empty chamber: the sear lets go with a faint
  // tick, then the hammer strikes the firing pin with nothing behind it, a
  // hard, dead knock of steel with a few damped body modes and no ring,
  // and the hammer's small rebound.
  Rng rng(0xD2Bu);
  Buf b = blank(0.16);
  add_noise_burst(b, rng, 0.0, 5200.0f, 1.2f, 0.0012f, 0.35f);
  const double strike = 0.012;
  add_noise_burst(b, rng, strike, 2600.0f, 0.6f, 0.0018f, 1.4f);
  add_noise_burst(b, rng, strike, 6500.0f, 1.0f, 0.0008f, 0.6f);
  add_thump(b, strike, 260.0f, 170.0f, 0.008f, 0.15f);
  // The frame's modes, inharmonic and damped by the grip within a few ms.
  const float modes[][3] = {{910.0f, 0.006f, 0.22f}, {1480.0f, 0.004f, 0.16f}, {3150.0f, 0.0025f, 0.12f}};
  for (const auto& m : modes) add_ping(b, strike, m[0], m[1], m[2]);
  add_noise_burst(b, rng, strike + 0.011, 3800.0f, 1.0f, 0.0012f, 0.45f);
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
  // The injector's hiss and a warm rising triad. Each note is a small
  // struck glass: its overtones ring out faster than its fundamental, a
  // partner a few cents sharp shimmers against it, and a breath of noise
  // marks its start.
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
    Phase a, shimmer, h2, h3, h5;
    float hz = midi_hz(notes[k]);
    const double at = 0.10 + 0.09 * k;
    size_t s = frames(at, kRate);
    for (size_t i = s; i < b.size(); ++i) {
      float t = static_cast<float>(seconds_at(i - s));
      float env = std::min(1.0f, t / 0.006f) * std::exp(-t / 0.22f);
      float bright = std::exp(-t / 0.07f);
      float tone = sine(a.step(hz, kRate)) + 0.5f * sine(shimmer.step(hz * 1.006f, kRate)) +
                   0.45f * bright * sine(h2.step(hz * 2.0f, kRate)) + 0.3f * bright * sine(h3.step(hz * 3.0f, kRate)) +
                   0.15f * bright * bright * sine(h5.step(hz * 5.02f, kRate));
      b[i] += 0.22f * env * tone;
    }
    add_noise_burst(b, rng, at, hz * 4.0f, 2.0f, 0.012f, 0.35f);
  }
  return b;
}

}  // namespace contentgen::sfx
