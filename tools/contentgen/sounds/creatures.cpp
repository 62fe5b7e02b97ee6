// The creatures' attack shrieks and death cries, the egg, and the cocoon.
#include "sounds/effects.h"
#include "sounds/larynx.h"
#include "sounds/throat.h"

namespace contentgen::sfx {

using namespace dsp;

namespace {

// A hiss that opens an attack: the creature's breath through its teeth.
void add_hiss(Buf& b, Rng& rng, double at, float len, float centre, float gain) {
  Biquad f;
  f.bandpass(centre, 1.2f, kRate);
  size_t s = frames(at, kRate), e = std::min(b.size(), s + frames(len, kRate));
  for (size_t i = s; i < e; ++i) {
    float u = static_cast<float>(i - s) / (e - s);
    float env = std::min(1.0f, u * 8.0f) * (1.0f - u) * (1.0f - u);
    b[i] += f(rng.bi()) * env * gain;
  }
}

// Wet gurgling: low noise chopped by a fast irregular flutter.
void add_gurgle(Buf& b, Rng& rng, double at, float len, float gain) {
  Biquad f;
  f.bandpass(380.0f, 1.5f, kRate);
  OnePoleLP flutter;
  flutter.set(25.0f, kRate);
  size_t s = frames(at, kRate), e = std::min(b.size(), s + frames(len, kRate));
  for (size_t i = s; i < e; ++i) {
    float u = static_cast<float>(i - s) / (e - s);
    float chop = std::max(0.0f, flutter(rng.bi()) * 12.0f);
    b[i] += f(rng.bi()) * chop * gain * std::sin(static_cast<float>(kPi) * u);
  }
}

// The throat under every shriek: a rough voiced growl whose energy sits
// at 300-1000 Hz, choked off by a rattle. It gives the cry a body and a
// chest, so the shriek is not all whistle, and it starts at once, so the
// cry is at full strength within a few tens of ms. Each creature and each
// event has its own throat: pitch, resonance, rattle rate and how uneven
// the rattle is, so no two cries share one pulse.
struct Growl {
  float seconds;
  float hz0, hz1;   // the throat's pitch from start to end
  float gain;
  float attack_s = 0.008f;
  float release_s = 0.15f;
  float formant = 520.0f;  // the centre of the chest's resonance
  float rattle_hz = 34.0f;    // how often the voice is choked off
  float rattle_spread = 0.5f; // each cycle's length varies by up to this share
  float rasp = 0.25f;         // noise through the throat
};

void add_growl(Buf& b, Rng& rng, double at, const Growl& g) {
  Buf out = blank(g.seconds);
  Phase glottis, rattle;
  Biquad low, high;
  low.bandpass(g.formant, 0.9f, kRate);
  high.bandpass(g.formant * 1.75f, 1.4f, kRate);
  OnePoleLP wobble;
  wobble.set(18.0f, kRate);
  float rattle_hz = g.rattle_hz;
  double last_rp = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    float u = t / g.seconds;
    float hz = g.hz0 * std::pow(g.hz1 / g.hz0, u) * (1.0f + 0.6f * wobble(rng.bi()));
    float saw = blep_saw(glottis.step(hz, kRate), hz / kRate);
    // The rattle: each cycle draws its own length, so the choking has no
    // steady rate for the ear (or a meter) to lock onto.
    double rp = rattle.step(rattle_hz, kRate);
    if (rp < last_rp) rattle_hz = g.rattle_hz * (1.0f + g.rattle_spread * rng.bi());
    last_rp = rp;
    float r = 0.5f - 0.5f * static_cast<float>(std::cos(kTwoPi * rp));
    float x = saw * (0.35f + 0.65f * r * r) + g.rasp * rng.bi();
    float env = std::min(1.0f, t / g.attack_s) * std::clamp((g.seconds - t) / g.release_s, 0.0f, 1.0f);
    out[i] = (low(x) * 1.6f + high(x) * 0.7f) * env * g.gain;
  }
  add(b, out, frames(at, kRate));
}

// A chest under a cry: a rough throat pitched low and kept under 300 Hz,
// so a dying creature has a body and not only a voice.
void add_chest(Buf& b, uint32_t seed, double at, const Growl& g) {
  Rng rng(seed);
  Buf chest = blank(g.seconds);
  add_growl(chest, rng, 0.0, g);
  colour(chest, {{Colour::LowPass, 280.0f}, {Colour::LowPass, 280.0f}});
  add(b, chest, frames(at, kRate));
}

// A chest groan from the larynx: a low, rough voice kept under 300 Hz, its
// pulses straying and splitting so it rumbles rather than buzzes.
void add_groan(Buf& b, double at, float seconds, float hz0, float hz1, float gain, uint32_t seed) {
  Buf chest = larynx({.seconds = seconds,
                      .pitch = {{{0.0f, hz0}, {seconds, hz1}}},
                      .mouth = {{0.0f, {420.0f, 900.0f, 2300.0f, 3200.0f}}},
                      .level = {{0.0f, 0.0f}, {seconds * 0.55f, -3.0f}, {seconds, -40.0f}},
                      .jitter = 0.04f,
                      .shimmer = 0.5f,
                      .drift = 0.06f,
                      .rough0 = 0.6f,
                      .rough1 = 0.9f,
                      .breath0 = 0.4f,
                      .breath1 = 0.6f,
                      .fry_from = 0.6f,
                      .fry_hz = 30.0f,
                      .chest_hz = 300.0f,
                      .chest = 1.2f,
                      .swell_db = 5.0f,
                      .drive = 2.0f,
                      .seed = seed});
  colour(chest, {{Colour::LowPass, 280.0f}, {Colour::LowPass, 280.0f}});
  add(b, chest, frames(at, kRate), gain);
}

// Air hissed through bared teeth: noise from `lo_hz` to `hi_hz` that
// follows the cry's own loudness, so it snarls with the voice.
void add_teeth(Buf& b, Rng& rng, float lo_hz, float hi_hz, float gain) {
  Biquad lo1, lo2, hi1, hi2;
  lo1.highpass(lo_hz, 0.707f, kRate);
  lo2.highpass(lo_hz, 0.707f, kRate);
  hi1.lowpass(hi_hz, 0.707f, kRate);
  hi2.lowpass(hi_hz, 0.707f, kRate);
  OnePoleLP follow;
  follow.set(20.0f, kRate);
  for (float& x : b) {
    const float env = follow(std::fabs(x));
    x += hi2(hi1(lo2(lo1(rng.bi())))) * env * gain;
  }
}

// The throat overdriven into a screech: the cry's own voice clipped hard,
// so its harmonics climb into `lo_hz`-`hi_hz` and follow its pitch, and
// only that band kept, at `share` of the cry's power. It gives a growl the
// bite of a shriek at 2-5 kHz, where the ear is keenest, without a hiss
// that would lose the voice.
void add_screech(Buf& b, float lo_hz, float hi_hz, float drive, float share) {
  // Steep on both sides: the clipped voice itself must not leak in under
  // the band, nor its spray fill in the air each cry leaves empty in its
  // own way.
  Biquad lo1, lo2, lo3, lo4, hi1, hi2, hi3, hi4;
  lo1.highpass(lo_hz, 0.707f, kRate);
  lo2.highpass(lo_hz, 0.707f, kRate);
  lo3.highpass(lo_hz, 0.707f, kRate);
  lo4.highpass(lo_hz, 0.707f, kRate);
  hi1.lowpass(hi_hz, 0.707f, kRate);
  hi2.lowpass(hi_hz, 0.707f, kRate);
  hi3.lowpass(hi_hz, 0.707f, kRate);
  hi4.lowpass(hi_hz, 0.707f, kRate);
  // Clipped against its own level, so the screech is as raw when the cry
  // is soft as at its peak, and follows its swell.
  OnePoleLP follow;
  follow.set(30.0f, kRate);
  Buf edge(b.size());
  double cry = 0.0, bite = 0.0;
  for (size_t i = 0; i < b.size(); ++i) {
    const float x = b[i], env = follow(std::fabs(x)) + 1e-6f;
    edge[i] = hi4(hi3(hi2(hi1(lo4(lo3(lo2(lo1(std::tanh(drive * x / env))))))))) * env;
    cry += static_cast<double>(x) * x;
    bite += static_cast<double>(edge[i]) * edge[i];
  }
  if (bite <= 0.0) return;
  const float g = static_cast<float>(std::sqrt(share * cry / bite));
  for (size_t i = 0; i < b.size(); ++i) b[i] += edge[i] * g;
}

// How a cry spends its breath: it is loudest as it bursts out and sinks
// by `fall_db` over its length, and `per_second` times a second it gasps:
// the voice drops 14-26 dB (now and then 40 dB) for 25-90 ms and comes
// back. The cry heaves rather than holding one level, so its loudest
// moments stand well above its middle. The throat is never silent while
// the voice is caught: what is left of it rattles wetly, chopped by an
// uneven 18-40 Hz flutter, at about `rattle` of its level before the
// catch, so the gap is a choking gurgle in the cry's own colour.
void heave(Buf& b, uint32_t seed, float fall_db, float per_second, float rattle = 0.45f) {
  Rng rng(seed);
  const float len = static_cast<float>(b.size()) / kRate;
  float next = rng.range(0.06f, 0.14f), start = -1.0f, gap = 0.0f, depth_db = 0.0f;
  // The rattle draws from its own stream, so the catches fall where they did.
  Rng wet(seed ^ 0x7A77u);
  Phase flutter;
  double last = 0.0;
  float flutter_hz = 28.0f, strength = 1.0f;
  for (size_t i = 0; i < b.size(); ++i) {
    const float t = static_cast<float>(seconds_at(i));
    if (t >= next) {
      start = t;
      gap = rng.range(0.025f, 0.09f);
      depth_db = rng.uni() < 0.25f ? 40.0f : rng.range(14.0f, 26.0f);
      next = t + gap + 0.04f + rng.range(0.4f, 1.6f) / per_second;
    }
    // The breath catches over 40 ms (in dB, so the fall is never sudden)
    // and the voice comes back within 8 ms.
    const float in = t - start;
    const float closing = std::clamp(in / 0.04f, 0.0f, 1.0f), opening = std::clamp((gap + 0.04f - in) / 0.008f, 0.0f, 1.0f);
    const float dip_db = start >= 0.0f && in < gap + 0.04f ? depth_db * std::min(closing, opening) : 0.0f;
    const float fall_at = fall_db * std::pow(t / len, 0.8f);
    // The rattle: each flutter cycle draws its own length and strength.
    const double fp = flutter.step(flutter_hz, kRate);
    if (fp < last) {
      flutter_hz = wet.range(18.0f, 40.0f);
      strength = wet.range(0.5f, 1.0f);
    }
    last = fp;
    const float chop = 0.35f + 0.65f * strength * static_cast<float>(0.5 - 0.5 * std::cos(kTwoPi * fp));
    const float kept = std::pow(10.0f, -dip_db / 20.0f);
    b[i] *= (kept + (1.0f - kept) * rattle * chop) * std::pow(10.0f, -fall_at / 20.0f);
  }
}

}  // namespace

Buf creature_attack(int kind) {
  Rng rng(0xA77Au + kind);
  switch (kind) {
    case 2: {  // hugger: three quick chittering yelps, each its own leap
      Buf b = blank(0.55);
      const float yelp_at[] = {0.0f, 0.15f, 0.31f}, yelp_len[] = {0.13f, 0.14f, 0.22f};
      const float rise[] = {1500.0f, 1700.0f, 1600.0f}, crest[] = {2100.0f, 2400.0f, 2250.0f};
      for (int k = 0; k < 3; ++k) {
        const float len = yelp_len[k];
        // Each yelp one throat: the pitch climbs all the way to its crest
        // and is bitten off there, an attack that rises and cuts, never a
        // fall; the small mouth snaps from "oo" to "ee" as it does, so the
        // resonances bend with the voice. Its breath is the throat's own.
        Buf yelp = larynx({.seconds = len,
                           .pitch = {{{0.0f, rise[k]}, {len * 0.6f, crest[k]}, {len, crest[k] * 1.25f}}},
                           .mouth = {{0.0f, {820.0f, 1900.0f, 3300.0f, 4400.0f}},
                                     {len * 0.5f, {1000.0f, 2700.0f, 3800.0f, 4900.0f}},
                                     {len, {1150.0f, 3100.0f, 4100.0f, 5200.0f}}},
                           .level = {{0.0f, 0.0f}, {len * 0.7f, -1.0f}, {len, -6.0f}},
                           .jitter = 0.03f,
                           .shimmer = 0.35f,
                           .drift = 0.04f,
                           .rough0 = 0.0f,
                           .rough1 = 0.0f,
                           .breath0 = 0.25f,
                           .breath1 = 0.4f,
                           .tension = 0.14f,
                           .chest_hz = 900.0f,
                           .chest = 0.4f,
                           .roam = 0.1f,
                           .swell_db = 2.0f,
                           .drive = 2.0f,
                           .top_hz = 5000.0f,
                           .attack_s = 0.003f,
                           .seed = 0x2A1u + static_cast<uint32_t>(k)});
        add(b, yelp, frames(yelp_at[k], kRate), k == 0 ? 1.0f : 0.8f);
        // A snap of the mandibles between the yelps.
        add_noise_burst(b, rng, yelp_at[k] + len, 3000.0f, 2.0f, 0.006f, 0.4f);
      }
      // The yelps shrill at 2-3 kHz, the top of their leap: the hugger's
      // cry is its high end, where the far warrior's is only a muffled middle.
      colour(b, {{Colour::Peak, 2600.0f, 0.8f, 1.0f}});
      // Its breath whistles thinly through the mandibles, far above the yelps.
      add_teeth(b, rng, 9000.0f, 21000.0f, 0.15f);
      // Under the yelps a small throat rattles, quick and uneven, and
      // nothing of it reaches the air above the yelps.
      Buf rattle = larynx({.seconds = 0.5f,
                           .pitch = {{{0.0f, 130.0f}, {0.5f, 100.0f}}},
                           .mouth = {{0.0f, {600.0f, 1100.0f, 2400.0f, 3300.0f}}, {0.5f, {520.0f, 980.0f, 2300.0f, 3200.0f}}},
                           .level = {{0.0f, 0.0f}, {0.35f, -2.0f}, {0.5f, -40.0f}},
                           .jitter = 0.04f,
                           .shimmer = 0.5f,
                           .rough0 = 0.0f,
                           .rough1 = 0.0f,
                           .breath0 = 0.5f,
                           .breath1 = 0.6f,
                           .chest_hz = 260.0f,
                           .chest = 1.0f,
                           .swell_db = 5.0f,
                           .drive = 2.0f,
                           .seed = 0x2B1u});
      scale(rattle, 0.7f);
      colour(rattle, {{Colour::LowPass, 5000.0f}, {Colour::LowPass, 5000.0f}, {Colour::LowPass, 5000.0f}});
      add(b, rattle);
      // Small and thin: little chest under 250 Hz, the small throat's
      // rattle kept at 650 Hz, and its mouth lets little past 7 kHz.
      colour(b, {{Colour::HighPass, 100.0f}, {Colour::Peak, 650.0f, 1.5f, 0.8f}});
      // Its small throat rattles more faintly between the yelps.
      heave(b, 0x2B0u, 18.0f, 5.0f, 0.3f);
      open_at_peak(b, 0.03f, 0.35f);
      return b;
    }
    case 3: {  // queen: a slow, deep roar that swells up and sinks back
      Buf b = blank(1.3);
      // One great throat: slack folds that split into undertones as she
      // swells, a deep chest booming under them, and a dark, rounded mouth
      // ("oh" opening to "aw" and closing to "oo") that moves at its own
      // slow pace, not with her voice, which cracks down a step at the top,
      // climbs once more and sinks back.
      Buf roar = larynx({.seconds = 1.3f,
                         .pitch = {{{0.0f, 105.0f}, {0.12f, 190.0f}, {0.55f, 214.0f}, {0.61f, 168.0f},
                                    {0.9f, 176.0f}, {1.1f, 128.0f}, {1.3f, 98.0f}}},
                         .mouth = {{0.0f, {430.0f, 760.0f, 2350.0f, 3300.0f}},
                                   {0.3f, {560.0f, 900.0f, 2500.0f, 3500.0f}},
                                   {0.75f, {620.0f, 1020.0f, 2650.0f, 3650.0f}},
                                   {1.05f, {470.0f, 820.0f, 2400.0f, 3350.0f}},
                                   {1.3f, {360.0f, 700.0f, 2250.0f, 3200.0f}}},
                         .level = {{0.0f, 0.0f}, {0.15f, 0.0f}, {0.6f, -1.5f}, {0.95f, -6.0f}, {1.15f, -14.0f},
                                   {1.3f, -40.0f}},
                         .jitter = 0.022f,
                         .shimmer = 0.4f,
                         .drift = 0.04f,
                         .rough0 = 0.12f,
                         .rough1 = 0.3f,
                         .breath0 = 0.2f,
                         .breath1 = 0.35f,
                         .tension = 0.1f,
                         .chest_hz = 340.0f,
                         .chest = 0.7f,
                         .bright = 2.8f,
                         .roam = 0.08f,
                         .swell_db = 3.5f,
                         .drive = 2.5f,
                         .top_hz = 4500.0f,
                         .attack_s = 0.01f,
                         .seed = 0x3A1u});
      add(b, roar, 0, 1.0f);
      // Her voice closed off above 5 kHz, and her breath rushing high over
      // it, following it.
      colour(b, {{Colour::LowPass, 5500.0f}, {Colour::LowPass, 5500.0f}, {Colour::LowPass, 5500.0f}});
      add_teeth(b, rng, 12000.0f, 21000.0f, 0.95f);
      for (size_t i = 0; i < b.size(); ++i) b[i] *= 1.0f + 0.5f * std::exp(-static_cast<float>(seconds_at(i)) / 0.09f);
      add_thump(b, 0.0, 90.0f, 40.0f, 0.25f, 0.5f);
      // Her chest thinned under 260 Hz (the attack is thrown forward, the
      // growl's middle carries it) and nothing much past her rasp: a roar,
      // never a whistle.
      colour(b, {{Colour::HighPass, 180.0f}, {Colour::HighPass, 180.0f}});
      // The strain in her throat rings at 2.5-4 kHz, the edge that carries
      // her roar over the guns; her mouth's upper resonances give most of it.
      colour(b, {{Colour::Peak, 2700.0f, 0.6f, 1.2f}});
      heave(b, 0x3B0u, 24.0f, 4.0f);
      Buf wet = add_reverb(b, kRate, 0.5f, 0.5f, 0.15f, 0.2);
      open_at_peak(wet, 0.04f, 0.9f);
      return wet;
    }
    default: {  // warrior: a snarl through its teeth that climbs into a screech and breaks
      // A lunge: the snarl bursts out at once, climbs into a screech and
      // breaks down. A wide, bared mouth ("a" spreading to "e" and
      // slackening) whose resonances drift on their own while the voice
      // climbs; the folds split into a growl most at the start.
      Buf b = blank(0.8);
      add(b, larynx({.seconds = 0.8f,
                     .pitch = {{{0.0f, 230.0f}, {0.07f, 420.0f}, {0.22f, 640.0f}, {0.36f, 720.0f},
                                {0.46f, 560.0f}, {0.62f, 470.0f}, {0.8f, 330.0f}}},
                     .mouth = {{0.0f, {820.0f, 1550.0f, 2750.0f, 3700.0f}},
                               {0.18f, {980.0f, 1900.0f, 3100.0f, 4200.0f}},
                               {0.4f, {900.0f, 2250.0f, 3300.0f, 4500.0f}},
                               {0.6f, {760.0f, 1600.0f, 2900.0f, 3900.0f}},
                               {0.8f, {640.0f, 1250.0f, 2700.0f, 3600.0f}}},
                     .level = {{0.0f, 0.0f}, {0.06f, 0.0f}, {0.3f, -2.0f}, {0.5f, -5.0f}, {0.68f, -12.0f},
                               {0.8f, -45.0f}},
                     .jitter = 0.04f,
                     .shimmer = 0.35f,
                     .drift = 0.05f,
                     .rough0 = 0.8f,
                     .rough1 = 0.35f,
                     .breath0 = 0.7f,
                     .breath1 = 1.0f,
                     .tension = 0.1f,
                     .chest_hz = 520.0f,
                     .chest = 0.7f,
                     .roam = 0.12f,
                     .swell_db = 3.0f,
                     .drive = 2.2f,
                     .top_hz = 9000.0f,
                     .attack_s = 0.005f,
                     .seed = 0x1A1u}));
      add_hiss(b, rng, 0.0, 0.2f, 3300.0f, 0.45f);
      add_teeth(b, rng, 8000.0f, 13000.0f, 4.0f);
      // The snarl starts deep in the chest.
      colour(b, {{Colour::HighPass, 120.0f}, {Colour::Peak, 170.0f, 1.05f, 1.0f}, {Colour::Peak, 1000.0f, 2.0f, 1.0f}});
      // A big mouth: its hiss is strongest at 6-9 kHz and nothing above it
      // gets past the lips, where the hugger's tiny mandibles tick on high.
      colour(b, {{Colour::LowPass, 13500.0f}, {Colour::LowPass, 13500.0f}, {Colour::LowPass, 13500.0f},
                 {Colour::LowPass, 13500.0f}});
      // The snarl's bite: its own voice torn into a rasp at 2-3.2 kHz, over
      // the growl and under the death's higher scream, so it cuts through
      // the music's loud middle.
      add_screech(b, 2000.0f, 3200.0f, 3.0f, 0.13f);
      heave(b, 0x1B0u, 22.0f, 5.0f);
      open_at_peak(b, 0.04f, 0.5f);
      return b;
    }
  }
}

Buf creature_death(int kind) {
  Rng rng(0xDEA7u + kind);
  switch (kind) {
    case 2: {  // hugger: a squeal collapsing into clicks
      // Short and twitching where the queen's death is a long slow arc: the
      // squeal leaps, then breaks down in jerks, each spasm knocking the
      // pitch down a step before it sags into a croak.
      Buf b = blank(0.62);
      Buf squeal = throat({.seconds = 0.6f,
                           .pitch = {{{0.0f, 1500.0f}, {0.03f, 1950.0f}, {0.1f, 1800.0f}, {0.115f, 1350.0f},
                                      {0.19f, 1450.0f}, {0.205f, 1020.0f}, {0.29f, 1120.0f}, {0.305f, 780.0f},
                                      {0.45f, 820.0f}, {0.6f, 700.0f}}},
                           .mouth = {kVowelE, kVowelI, kVowelE, kVowelA, kVowelU, kVowelU},
                           .mouth_scale = 1.7f,
                           .wander = 0.05f,
                           .jitter = 0.05f,
                           .shimmer = 0.4f,
                           .rough0 = 0.4f,
                           .rough1 = 0.9f,
                           .breath = 0.3f,
                           .tension = 0.13f,
                           .top_hz = 5000.0f,
                           .lips = 4,
                           .sweep = 0.5f,
                           .drive = 2.5f,
                           .attack_s = 0.004f,
                           .release_s = 0.3f,
                           .seed = 0x2D0u});
      add(b, squeal, 0, 1.2f);
      // A thin hiss of air over the squeal, following it, enough to set it
      // apart from the other cries; it swells in with the squeal, so it
      // never ticks.
      add_teeth(b, rng, 7000.0f, 16000.0f, 1.8f);
      // The throat gives out in a few slow, wet spasms.
      add_growl(b, rng, 0.0, {.seconds = 0.6f, .hz0 = 170.0f, .hz1 = 110.0f, .gain = 0.5f, .release_s = 0.3f,
                              .formant = 700.0f, .rattle_hz = 11.0f, .rattle_spread = 0.3f, .rasp = 0.5f});
      add_gurgle(b, rng, 0.3, 0.3f, 0.5f);
      // The shot knocks the small body down: a dull thud under the squeal.
      add_thump(b, 0.0, 150.0f, 70.0f, 0.15f, 0.4f);
      // The mandibles click dryly at each spasm as the small body twitches.
      for (double at : {0.11, 0.2, 0.3, 0.41, 0.47})
        add_noise_burst(b, rng, at, rng.range(3500.0f, 5000.0f), 3.0f, 0.003f, 0.8f);
      // A small chest, still a chest: a croak under 300 Hz as it dies.
      add_chest(b, 0xD2Cu, 0.0, {.seconds = 0.6f, .hz0 = 120.0f, .hz1 = 70.0f, .gain = 0.15f, .release_s = 0.3f,
                                 .formant = 200.0f, .rattle_hz = 17.0f, .rattle_spread = 0.5f, .rasp = 0.4f});
      heave(b, 0xD20u, 22.0f, 6.0f);
      open_at_peak(b, 0.04f, 0.45f);
      return b;
    }
    case 3: {  // queen: a long falling roar that breaks into a dying wail
      Buf b = blank(2.0);
      // Her voice still climbs once in anger before it sinks and breaks;
      // the jaw falls open and slowly shuts. One throat, slack and torn,
      // its breath through the same mouth as its voice.
      Buf wail = throat({.seconds = 2.0f,
                         .pitch = {{{0.0f, 250.0f}, {0.1f, 320.0f}, {0.42f, 300.0f}, {0.45f, 212.0f},
                                    {0.95f, 192.0f}, {1.4f, 140.0f}, {2.0f, 96.0f}}},
                         .mouth = {kVowelA, kVowelO, kVowelA, kVowelO, kVowelU, kVowelU},
                         .mouth_scale = 0.7f,
                         .wander = 0.05f,
                         .jitter = 0.03f,
                         .shimmer = 0.4f,
                         .rough0 = 0.2f,
                         .rough1 = 0.45f,
                         .breath = 0.35f,
                         .tension = 0.12f,
                         .top_hz = 3000.0f,
                         .lips = 2,
                         .air_lo_hz = 5000.0f,
                         .air_hz = 22000.0f,
                         .air = 1.2f,
                         .sweep = 0.3f,
                         .bright = 1.4f,
                         .drive = 3.0f,
                         .attack_s = 0.008f,
                         .release_s = 0.9f,
                         .seed = 0x3D0u});
      add(b, wail, 0, 1.0f);
      add_growl(b, rng, 0.0, {.seconds = 1.9f, .hz0 = 85.0f, .hz1 = 55.0f, .gain = 0.3f, .release_s = 0.8f,
                              .formant = 330.0f, .rattle_hz = 19.0f, .rattle_spread = 0.6f});
      add_thump(b, 0.0, 110.0f, 35.0f, 0.35f, 0.6f);
      add_gurgle(b, rng, 0.9, 1.0f, 0.35f);
      // Her dying strain rings at 2.5-4 kHz, lower and duller than her
      // attack, over a chest that still carries the weight of the cry.
      colour(b, {{Colour::Peak, 2500.0f, 1.5f, 1.2f}, {Colour::Peak, 230.0f, 1.5f, 1.0f},
                 {Colour::Peak, 560.0f, -0.6f, 1.0f}});
      // Dark, but not muffled and not boomy: the hollow at 400 Hz makes the
      // roar cavernous, and her chest is kept tight above 150 Hz so the
      // weight does not smear under the music; her rasp and her breath
      // carry on above it from the same throat.
      colour(b, {{Colour::Peak, 400.0f, -0.6f, 0.9f}, {Colour::Peak, 300.0f, 0.5f, 1.2f}, {Colour::HighPass, 150.0f}, {Colour::HighPass, 150.0f}});
      // Her breath's air eased off in the last kilohertz, which her thinner
      // chest no longer covers.
      colour(b, {{Colour::LowPass, 21000.0f}});
      for (size_t i = 0; i < b.size(); ++i) b[i] *= 1.0f + 0.8f * std::exp(-static_cast<float>(seconds_at(i)) / 0.12f);
      // Her dying wail tears low in the bite band, 2.2-3.6 kHz, under the
      // warrior's higher scream.
      add_screech(b, 2200.0f, 3600.0f, 4.0f, 0.05f);
      restless(b, 0xD3u, 200.0f, 700.0f, 0.3f, 0.25f);
      heave(b, 0xD30u, 20.0f, 1.2f);
      Buf wet = add_reverb(b, kRate, 0.7f, 0.45f, 0.2f, 0.35);
      decay_out(wet, kRate, 0.5f);
      open_at_peak(wet, 0.04f, 1.2f);
      // The ceiling's quick closes eased, so the long wail never drops
      // off a step.
      soften_falls(wet, kRate, 3.0f);
      return wet;
    }
    default: {  // warrior: a scream that breaks and drowns
      // It bursts out at its highest, cracks down, and sinks the whole way
      // as the jaw sags from "a" to "oo"; the folds split more and more
      // and at the last creak apart into a wet rattle.
      Buf b = larynx({.seconds = 1.1f,
                      .pitch = {{{0.0f, 780.0f}, {0.08f, 930.0f}, {0.28f, 740.0f}, {0.32f, 540.0f},
                                 {0.6f, 470.0f}, {0.85f, 340.0f}, {1.1f, 260.0f}}},
                      .mouth = {{0.0f, {1050.0f, 1750.0f, 3000.0f, 4000.0f}},
                                {0.3f, {920.0f, 1500.0f, 2850.0f, 3800.0f}},
                                {0.65f, {760.0f, 1150.0f, 2650.0f, 3600.0f}},
                                {1.1f, {560.0f, 950.0f, 2500.0f, 3400.0f}}},
                      .level = {{0.0f, 0.0f}, {0.12f, 0.0f}, {0.35f, -3.0f}, {0.7f, -9.0f}, {0.95f, -20.0f},
                                {1.1f, -50.0f}},
                      .jitter = 0.03f,
                      .shimmer = 0.4f,
                      .drift = 0.05f,
                      .rough0 = 0.4f,
                      .rough1 = 0.9f,
                      .breath0 = 0.35f,
                      .breath1 = 0.75f,
                      .tension = 0.14f,
                      .fry_from = 0.72f,
                      .fry_hz = 55.0f,
                      .chest_hz = 620.0f,
                      .chest = 0.6f,
                      .roam = 0.14f,
                      .swell_db = 4.0f,
                      .drive = 2.0f,
                      .top_hz = 16000.0f,
                      .attack_s = 0.008f,
                      .seed = 0x1D1u});
      scale(b, 1.3f);
      add_gurgle(b, rng, 0.3, 0.75f, 1.3f);
      // The dying warrior has no chest left: the cry is all open throat,
      // its weight above 350 Hz and hollowed around 2 kHz, which is what
      // tells it from the snarl of its attack (deep in the chest) and from
      // the hugger's squeal, thin and bright, near or down a duct.
      Biquad a, c, hollow;
      a.highpass(350.0f, 0.707f, kRate);
      c.highpass(350.0f, 0.707f, kRate);
      hollow.bandpass(2100.0f, 0.9f, kRate);
      for (float& s : b) {
        const float x = c(a(s));
        s = x - 0.6f * hollow(x);
      }
      // Its voice breaking: the middle at 1.5 kHz carved out and a raw hiss
      // of air high above it.
      colour(b, {{Colour::Peak, 1500.0f, -0.85f, 0.9f}, {Colour::Peak, 12000.0f, 9.0f, 0.9f}});
      // The gasp has no bite of teeth in it: the band at 6-10 kHz, where
      // the attack's snarl hisses, is hollowed out.
      colour(b, {{Colour::Peak, 6500.0f, -0.9f, 0.8f}, {Colour::Peak, 8500.0f, -0.9f, 0.8f},
                 {Colour::Peak, 7500.0f, -0.9f, 0.6f}});
      // Under the open throat its great chest still heaves: a low, rough
      // groan under 300 Hz, falling as the cry drowns.
      add_groan(b, 0.0, 1.0f, 95.0f, 55.0f, 1.5f, 0xD1Cu);
      restless(b, 0xD1u, 500.0f, 1300.0f, 0.35f, 0.3f);
      // The scream tears high, 3-4.8 kHz, over the snarl's bite and the
      // queen's lower wail: the edge that carries it over the music.
      add_screech(b, 3000.0f, 4800.0f, 3.0f, 0.07f);
      heave(b, 0xD10u, 26.0f, 5.0f);
      open_at_peak(b, 0.04f, 0.6f);
      return b;
    }
  }
}

namespace {

// One wall's echo of a far cry: the cry again, `delay_s` later, quieter and
// a little darker for each bounce.
struct Echo {
  float delay_s, gain, top_hz;
};

// A cry heard from far down the ship: what distance keeps of it (the band
// from `low_hz` to `high_hz`, a metal corridor's ring at `ring_hz` lifted),
// the walls' echoes, then the space's own tail. The upper band survives,
// as it does in a hard-walled corridor, so a far cry is still a cry and
// not a hum; it has lost its chest and its air.
Buf heard_down_the_ship(const Buf& near, float low_hz, float high_hz, float ring_hz, float ring_gain,
                        std::initializer_list<Echo> echoes, float size, float wet, double tail_s) {
  Buf far = near;
  colour(far, {{Colour::HighPass, low_hz}, {Colour::HighPass, low_hz}, {Colour::LowPass, high_hz},
               {Colour::LowPass, high_hz}, {Colour::Peak, ring_hz, ring_gain, 1.4f}});
  Buf out = far;
  for (const Echo& e : echoes) add(out, lowpassed(far, kRate, e.top_hz), frames(e.delay_s, kRate), e.gain);
  return add_reverb(out, kRate, size, 0.45f, wet, tail_s);
}


// The cry a dying creature gives when it is heard from far off: the same
// kind of voiced throat as the near cries, each creature with its own
// contour (a rise, a crack down, a long fall), so a far death is still a
// voice and not a band of noise.
Buf far_cry(int kind) {
  if (kind == 2) {
    // The hugger: a thin squeal that jumps, snaps down and sinks, through
    // a small mouth that pinches from "ee" to "oo".
    Buf b = larynx({.seconds = 0.75f,
                    .pitch = {{{0.0f, 820.0f}, {0.06f, 1200.0f}, {0.3f, 1320.0f}, {0.32f, 950.0f}, {0.7f, 640.0f},
                               {0.75f, 600.0f}}},
                    .mouth = {{0.0f, {900.0f, 2700.0f, 3600.0f, 4600.0f}},
                              {0.25f, {1050.0f, 3000.0f, 3900.0f, 4900.0f}},
                              {0.5f, {850.0f, 2300.0f, 3500.0f, 4500.0f}},
                              {0.75f, {700.0f, 1500.0f, 3300.0f, 4300.0f}}},
                    .level = {{0.0f, 0.0f}, {0.3f, -2.0f}, {0.55f, -8.0f}, {0.75f, -45.0f}},
                    .jitter = 0.02f,
                    .shimmer = 0.3f,
                    .drift = 0.05f,
                    .rough0 = 0.0f,
                    .rough1 = 0.0f,
                    .breath0 = 0.2f,
                    .breath1 = 0.35f,
                    .tension = 0.12f,
                    .chest_hz = 700.0f,
                    .chest = 0.5f,
                    .roam = 0.2f,
                    .swell_db = 3.0f,
                    .drive = 1.8f,
                    .top_hz = 9000.0f,
                    .attack_s = 0.004f,
                    .seed = 0x2F1u});
    return b;
  }
  // The warrior: an open-throated howl that bursts out at its highest,
  // breaks and sinks the whole way down as it drowns: a death falls.
  return larynx({.seconds = 1.1f,
                 .pitch = {{{0.0f, 400.0f}, {0.06f, 430.0f}, {0.3f, 380.0f}, {0.33f, 300.0f}, {0.7f, 250.0f},
                            {1.1f, 175.0f}}},
                 .mouth = {{0.0f, {700.0f, 1150.0f, 2500.0f, 3400.0f}},
                           {0.35f, {600.0f, 950.0f, 2400.0f, 3300.0f}},
                           {0.7f, {660.0f, 1080.0f, 2450.0f, 3350.0f}},
                           {1.1f, {420.0f, 800.0f, 2300.0f, 3200.0f}}},
                 .level = {{0.0f, 0.0f}, {0.12f, 0.0f}, {0.3f, -3.0f}, {0.75f, -4.0f}, {0.95f, -10.0f}, {1.1f, -45.0f}},
                 .jitter = 0.006f,
                 .shimmer = 0.1f,
                 .drift = 0.025f,
                 .rough0 = 0.0f,
                 .rough1 = 0.0f,
                 .breath0 = 0.08f,
                 .breath1 = 0.15f,
                 .tension = 0.12f,
                 .fry_from = 0.85f,
                 .fry_hz = 60.0f,
                 .chest_hz = 450.0f,
                 .chest = 0.6f,
                 .roam = 0.2f,
                 .swell_db = 3.0f,
                 .drive = 1.8f,
                 .top_hz = 8000.0f,
                 .attack_s = 0.006f,
                 .seed = 0x1F1u});
}

}  // namespace

Buf creature_death_far(int kind) {
  // Each far death by its own way: the warrior's down a long hall, thinned
  // to the band between its throat and its voice's ring and followed by a
  // few slap echoes off the far bulkheads; the hugger's down a narrow metal
  // duct, thin and ringing, in a tighter space.
  if (kind == 2) {
    // The duct's length cancels its own echo around 1.25 kHz: a hollow
    // under its ring at 2.6 kHz, where a man's grunt would be fullest.
    Buf near = far_cry(2);
    colour(near, {{Colour::Peak, 1250.0f, -0.9f, 1.0f}});
    Buf far = heard_down_the_ship(near, 480.0f, 3600.0f, 2600.0f, 0.3f,
                                  {{0.021f, 0.3f, 3000.0f}, {0.043f, 0.2f, 2400.0f}}, 0.35f, 0.3f, 0.35);
    // The duct's own higher modes whistle thinly over the squeal, and
    // nothing above them gets through the metal.
    Rng rng(0xFA42u);
    add_teeth(far, rng, 5000.0f, 6500.0f, 0.5f);
    colour(far, {{Colour::LowPass, 6500.0f}, {Colour::LowPass, 6500.0f}, {Colour::LowPass, 6500.0f}});
    // Only a faint singing of the duct's metal rides high over the cut.
    add_teeth(far, rng, 17500.0f, 20000.0f, 1.0f);
    colour(far, {{Colour::LowPass, 20000.0f}, {Colour::LowPass, 20000.0f}, {Colour::LowPass, 20000.0f}});
    // The small body's death croak carries through the duct's metal as a
    // dull throb under 300 Hz, where the walls let the low end through.
    add_chest(far, 0xF2Cu, 0.0, {.seconds = 0.7f, .hz0 = 110.0f, .hz1 = 65.0f, .gain = 0.3f, .release_s = 0.35f,
                                 .formant = 190.0f, .rattle_hz = 16.0f, .rattle_spread = 0.5f, .rasp = 0.4f});
    // Heard far off, the cry still heaves, echoes and all.
    heave(far, 0xF20u, 22.0f, 2.0f);
    open_at_peak(far, 0.05f, 0.6f);
    return far;
  }
  // Down the long hall the howl loses its chest and its air: what is left
  // is the band from 400 Hz to about 2.7 kHz, a throat's rattle in it, and
  // the bare metal ringing at 1.8 and 3 kHz, so it is muffled yet still
  // a cry, and darker than any near death.
  Buf near = far_cry(1);
  // The howl carries over the deck's rumble.
  scale(near, 2.5f);
  Rng rng(0xFA41u);
  colour(near, {{Colour::Peak, 3000.0f, 6.5f, 1.4f}});
  Buf far = heard_down_the_ship(near, 400.0f, 2700.0f, 1800.0f, 1.0f,
                                {{0.085f, 0.3f, 3500.0f}, {0.16f, 0.2f, 2800.0f}, {0.26f, 0.12f, 2200.0f}},
                                0.85f, 0.22f, 0.6);
  // The hall's tail dies away within the sound's length.
  decay_out(far, kRate, 0.5f);
  // The big body's fall carries through the deck plates where the air
  // keeps nothing low: a dull thud and the chest's last groan under 250 Hz,
  // rolling on in the hall.
  Buf deck = blank(1.1);
  add_thump(deck, 0.35, 120.0f, 55.0f, 0.12f, 0.3f);
  add_chest(deck, 0xF1Cu, 0.0, {.seconds = 1.0f, .hz0 = 100.0f, .hz1 = 60.0f, .gain = 0.15f, .release_s = 0.5f,
                                .formant = 160.0f, .rattle_hz = 11.0f, .rattle_spread = 0.5f, .rasp = 0.4f});
  colour(deck, {{Colour::LowPass, 250.0f}, {Colour::LowPass, 250.0f}});
  add(far, add_reverb(deck, kRate, 0.85f, 0.6f, 0.3f, 0.0), 0);
  // The hall's own air hangs faintly over the cry, following it.
  add_teeth(far, rng, 11000.0f, 18000.0f, 0.05f);
  // Far off, the rattle in its catches is still heard, so the sinking
  // howl never drops out before it has died.
  heave(far, 0xF10u, 20.0f, 1.0f, 0.5f);
  open_at_peak(far, 0.06f, 0.8f);
  return far;
}

Buf egg_death() {
  // A shell cracking open and its contents slopping out.
  Rng rng(0xE66u);
  Buf b = blank(0.75);
  add_noise_burst(b, rng, 0.0, 2400.0f, 1.5f, 0.012f, 1.5f);
  add_noise_burst(b, rng, 0.018, 1700.0f, 2.0f, 0.01f, 1.0f);
  add_thump(b, 0.01, 300.0f, 160.0f, 0.06f, 0.25f);
  double at = 0.03;
  // Each slop its own: a short high splat or a long low glug, bunched
  // close behind the last or after a pause, and each weaker as the
  // contents run out. How high (0 low, 1 high), how long it lasts and the
  // pause before it are set out slop by slop, so no two sound alike.
  struct Slop {
    float gap_s, high, len_s;
  };
  const Slop slops[] = {{0.02f, 0.2f, 0.07f},  {0.015f, 0.9f, 0.015f}, {0.11f, 0.5f, 0.035f},
                        {0.03f, 0.05f, 0.09f}, {0.14f, 0.75f, 0.02f},  {0.02f, 0.95f, 0.012f},
                        {0.06f, 0.3f, 0.05f},  {0.17f, 0.1f, 0.08f},   {0.04f, 0.6f, 0.025f}};
  for (int k = 0; k < 9; ++k) {
    const Slop& s = slops[k];
    at += s.gap_s;
    const float fade = std::pow(0.8f, static_cast<float>(k));
    add_noise_burst(b, rng, at, 260.0f + 1300.0f * s.high, rng.range(3.0f, 6.0f), s.len_s, 1.4f * fade);
    add_thump(b, at, 180.0f + 450.0f * s.high, 110.0f + 150.0f * s.high, s.len_s * 0.6f, 0.22f * fade);
    // Each slop spatters: a few wet ticks high above it.
    add_noise_burst(b, rng, at + rng.range(0.005f, 0.02f), rng.range(2200.0f, 4200.0f), 3.0f, 0.004f,
                    1.0f * (1.0f - k / 11.0f));
  }
  // The shell's splinters settle after the crack.
  // They fall unevenly: some together, some after a pause.
  double splinter = 0.02;
  for (int k = 0; k < 5; ++k) {
    splinter += rng.uni() < 0.5f ? rng.range(0.004f, 0.015f) : rng.range(0.03f, 0.07f);
    add_noise_burst(b, rng, splinter, rng.range(2800.0f, 5500.0f), 4.0f, rng.range(0.003f, 0.006f),
                    rng.range(0.7f, 1.2f));
  }
  // Wet and low: the slops' body kept, the crack's top rolled off steeply
  // and the shell's ring at 900 Hz hollowed, so the egg is no shriek.
  colour(b, {{Colour::HighPass, 150.0f}, {Colour::LowPass, 10000.0f}, {Colour::LowPass, 10000.0f},
             {Colour::LowPass, 10000.0f}, {Colour::LowPass, 10000.0f}, {Colour::Peak, 900.0f, -0.85f, 0.9f}});
  // The thing inside dies as it spills out: a small wet throat that
  // bubbles up, squeals once and sinks, its mouth gaping and closing, so
  // the egg's death is a creature's and not a hiss.
  Buf squeal = throat({.seconds = 0.5f,
                       .pitch = {{{0.0f, 380.0f}, {0.08f, 720.0f}, {0.16f, 610.0f}, {0.2f, 820.0f},
                                  {0.34f, 460.0f}, {0.5f, 260.0f}}},
                       .mouth = {kVowelU, kVowelA, kVowelE, kVowelO, kVowelU},
                       .mouth_scale = 1.3f,
                       .wander = 0.06f,
                       .jitter = 0.06f,
                       .shimmer = 0.45f,
                       .rough0 = 0.6f,
                       .rough1 = 0.9f,
                       .breath = 0.35f,
                       .tension = 0.2f,
                       .top_hz = 5000.0f,
                       .sweep = 0.5f,
                       .drive = 2.0f,
                       .attack_s = 0.01f,
                       .release_s = 0.2f,
                       .seed = 0xE67u});
  // It gurgles: its voice choked by the fluid at an uneven 15-30 Hz.
  Phase choke;
  double choke_last = 0.0;
  float choke_hz = 20.0f;
  for (float& x : squeal) {
    const double cp = choke.step(choke_hz, kRate);
    if (cp < choke_last) choke_hz = rng.range(15.0f, 30.0f);
    choke_last = cp;
    x *= 0.35f + 0.65f * static_cast<float>(0.5 - 0.5 * std::cos(kTwoPi * cp));
  }
  add(b, squeal, frames(0.05, kRate), 0.3f);
  // Muffled by the shell and the fluid: little above 7 kHz, where a man's
  // dying cry still rasps. Its wet crackle and the squeal's bite at 2-4 kHz
  // are brought forward and the shell's dull middle eased back, so the egg
  // is a wet, near splatter and not the queen's dark roar.
  colour(b, {{Colour::LowPass, 7000.0f}, {Colour::LowPass, 7000.0f}, {Colour::LowPass, 7000.0f},
             {Colour::Peak, 650.0f, -0.5f, 0.8f}, {Colour::Peak, 3000.0f, 1.2f, 0.8f}});
  // A late slop dies away rather than being cut off at the end, and the
  // splinters' quick ticks, bare now that no fizz covers them, fall away
  // rather than stopping.
  decay_out(b, kRate, 0.15f);
  soften_falls(b, kRate, 3.0f);
  return b;
}

Buf cocoon_bursting() {
  // The chest stretching: a racing heartbeat under wet tearing that thickens.
  Rng rng(0xB0B5u);
  Buf b = blank(1.9);
  const double beats[] = {0.0, 0.52, 0.96, 1.32, 1.6, 1.8};
  for (double at : beats) {
    // Each beat is a low thud with a dull knock on top, which is what small
    // speakers can play of it.
    add_thump(b, at, 120.0f, 65.0f, 0.06f, 0.2f);
    add_noise_burst(b, rng, at, 420.0f, 2.0f, 0.025f, 1.1f);
    add_thump(b, at + 0.16, 105.0f, 60.0f, 0.05f, 0.12f);
    add_noise_burst(b, rng, at + 0.16, 380.0f, 2.0f, 0.02f, 0.7f);
  }
  size_t n = b.size();
  Rng glitter(0xB0B6u);
  for (int k = 0; k < 70; ++k) {
    // Tearing grains come closer together as the flesh gives way.
    double u = std::sqrt((k + rng.uni()) / 70.0);
    double at = 0.1 + 1.75 * u;
    add_noise_burst(b, rng, at, rng.range(350.0f, 1600.0f), rng.range(2.0f, 6.0f), rng.range(0.008f, 0.03f),
                    0.5f + 0.5f * static_cast<float>(u));
    // The skin's fibres part with a wet crackle high above the tearing.
    add_noise_burst(b, rng, at + 0.004, rng.range(1800.0f, 4500.0f), 3.0f, rng.range(0.002f, 0.006f),
                    1.4f * static_cast<float>(u));
    // And the finest of them snap higher still, a wet glitter of air.
    add_noise_burst(b, glitter, at + 0.006, glitter.range(5500.0f, 8500.0f), 2.0f, glitter.range(0.0015f, 0.004f),
                    0.6f * static_cast<float>(u));
  }
  // The skin creaks as it stretches: a buzz whose ring climbs from 400 Hz
  // to 1.3 kHz as the membrane tightens, the midrange of the stretching.
  Biquad creak;
  Phase ph;
  for (size_t i = 0; i < n; ++i) {
    float t = static_cast<float>(seconds_at(i));
    if (i % 32 == 0) creak.bandpass(400.0f + 480.0f * t, 2.5f, kRate);
    float hz = 70.0f + 20.0f * t + 6.0f * rng.bi();
    float x = blep_saw(ph.step(hz, kRate), hz / kRate);
    b[i] += creak(x) * 0.3f * std::min(1.0f, 0.3f + t / 0.8f);
  }
  // A presence lift at 2-3 kHz brings the wet crackle and the knocks up
  // where the music leaves room, so the stretching is heard over the score.
  Biquad presence;
  presence.bandpass(2400.0f, 0.8f, kRate);
  for (float& x : b) x += 1.2f * presence(x);
  // The last beat and tearing die away rather than stopping mid-grain.
  decay_out(b, kRate, 0.3f);
  return b;
}

Buf cocoon_burst() {
  // A gory splash: the burst itself, then flesh and fluid raining down.
  Rng rng(0xB057u);
  Buf b = blank(1.3);
  Biquad blast;
  blast.lowpass(2200.0f, 0.8f, kRate);
  for (size_t i = 0; i < frames(1.2, kRate); ++i) {
    float t = static_cast<float>(seconds_at(i));
    // It swells over a few milliseconds and carries its weight a while,
    // so its level lies in its body rather than in one first peak.
    b[i] += blast(rng.bi()) * 1.05f * std::min(1.0f, t / 0.004f) * std::exp(-t / 0.2f);
  }
  add_thump(b, 0.0, 90.0f, 40.0f, 0.12f, 0.6f);
  for (int k = 0; k < 45; ++k) {
    double at = 0.05 + 1.0 * std::pow(rng.uni(), 1.6);
    float g = 0.9f * static_cast<float>(1.0 - at);
    add_noise_burst(b, rng, at, rng.range(250.0f, 1400.0f), rng.range(3.0f, 7.0f), rng.range(0.01f, 0.04f), g * 1.5f);
    if (k % 3 == 0) add_thump(b, at, rng.range(400.0f, 700.0f), 150.0f, 0.025f, g * 0.4f);
  }
  // The wet top of it: the membrane splits with a bright snap, then a
  // spray of fine droplets spatters on metal, thinning as it falls.
  Rng spray(0xB058u);
  add_noise_burst(b, spray, 0.0, 4200.0f, 1.2f, 0.012f, 0.7f);
  add_noise_burst(b, spray, 0.002, 7500.0f, 1.5f, 0.006f, 0.6f);
  for (int k = 0; k < 90; ++k) {
    const double at = 0.01 + 0.95 * std::pow(spray.uni(), 1.5);
    const float g = 0.8f * static_cast<float>(1.0 - at);
    add_noise_burst(b, spray, at, spray.range(2800.0f, 9000.0f), spray.range(2.0f, 4.0f), spray.range(0.0015f, 0.005f), g);
  }
  // The snap's noise kept under about 10 kHz: above, it leapt 0.58 of full
  // scale in one sample, a digital tick on top of the split.
  colour(b, {{Colour::LowPass, 10000.0f}, {Colour::LowPass, 10000.0f}});
  return add_reverb(b, kRate, 0.3f, 0.5f, 0.2f, 0.1);
}

}  // namespace contentgen::sfx
