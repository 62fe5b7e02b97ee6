// The in-game music: a tense E Phrygian ostinato with a heartbeat kick,
// metallic hits and swells that build through four eight-bar phrases.
#include "music/score.h"

namespace contentgen::music {

using dsp::midi_hz;

namespace {

// Bass roots per two bars of each phrase: the flat second pulls back home.
const int kRoots[] = {40, 36, 38, 41};
// The ostinato in eighths, as semitones above the root (3+3+2 accents).
const int kPulse[] = {0, 0, 0, 0, 0, 0, 12, 0};
const bool kAccent[] = {true, false, false, true, false, false, true, false};
// Each phrase pushes harder than the last.
const float kIntensity[] = {0.55f, 0.7f, 0.85f, 1.0f};

}  // namespace

LoopCanvas game_track(bool enhanced) {
  const Timing tm{100, 4, 32};
  LoopCanvas c(tm.loop_frames());
  const double eighth = tm.beats_s(0.5);

  for (int bar = 0; bar < tm.bars; ++bar) {
    int phrase = bar / 8, in_phrase = bar % 8;
    float drive = kIntensity[phrase];
    int root = kRoots[in_phrase / 2];
    float rise = static_cast<float>(in_phrase) / 7.0f;
    uint32_t seed = 500u + static_cast<uint32_t>(bar);

    // Pulse ostinato, its filter opening through the phrase.
    for (int e = 0; e < 8; ++e) {
      float cutoff = 260.0f + (500.0f + 900.0f * rise) * drive;
      c.add(tm.at(bar, e * 0.5), pluck_bass(midi_hz(root + kPulse[e]), eighth * 0.8, cutoff, kAccent[e] ? 1.0f : 0.3f),
            kAccent[e] ? 0.36f : 0.26f, 0.0f);
    }

    // Heartbeat kick.
    c.add(tm.at(bar, 0.0), kick(), 0.6f, 0.0f);
    c.add(tm.at(bar, 0.75), kick(), 0.35f, 0.0f);
    if (enhanced && in_phrase >= 4) c.add(tm.at(bar, 2.0), kick(), 0.45f, 0.0f);

    // Metallic hits at the turn of each half-phrase.
    if (in_phrase == 3 || in_phrase == 7)
      c.add(tm.at(bar, 0.0), metal_hit(midi_hz(root + 12), 2.6, seed), 0.28f * drive, enhanced ? -0.4f : 0.0f);
    if (enhanced && in_phrase == 5)
      c.add(tm.at(bar, 2.5), metal_hit(midi_hz(root + 19), 2.0, seed + 1), 0.16f, 0.5f);

    // Ticking hats in the richer mix.
    if (enhanced) {
      for (int s = 0; s < 16; ++s) {
        bool on = s % 4 == 2 || (phrase >= 2 && s % 2 == 1);
        if (on) c.add(tm.at(bar, s * 0.25), hat(seed * 31 + s, s % 4 == 2 ? 0.03f : 0.012f), 0.05f * drive, 0.3f);
      }
    }

    // Drones: fifth on the root, changing with the bass every two bars.
    if (in_phrase % 2 == 0) {
      const double held = tm.beats_s(8);
      c.add(tm.at(bar, 0), pad({.hz = midi_hz(root - 12), .seconds = held, .attack = 1.5, .release = 2.5,
                                .cutoff = 300.0f + 200.0f * drive, .voices = enhanced ? 3 : 2, .detune_cents = 7.0f,
                                .seed = seed}),
            0.22f, 0.0f);
      c.add(tm.at(bar, 0), pad({.hz = midi_hz(root + 7), .seconds = held, .attack = 2.0, .release = 2.5,
                                .cutoff = 500.0f, .cutoff_rise = 400.0f * drive, .voices = enhanced ? 3 : 2,
                                .detune_cents = 9.0f, .seed = seed + 3}),
            0.09f, enhanced ? 0.3f : 0.0f);
    }

    // High strings grinding a semitone apart in the second half of a phrase.
    if (in_phrase == 4) {
      const double held = tm.beats_s(14);
      c.add(tm.at(bar, 0), pad({.hz = midi_hz(76), .seconds = held, .attack = 6.0, .release = 1.2,
                                .cutoff = 1200.0f, .cutoff_rise = 1500.0f * drive, .voices = 3, .detune_cents = 10.0f,
                                .seed = seed + 5}),
            0.05f * drive, -0.4f);
      if (enhanced)
        c.add(tm.at(bar, 0), pad({.hz = midi_hz(77), .seconds = held, .attack = 6.0, .release = 1.2,
                                  .cutoff = 1200.0f, .cutoff_rise = 1500.0f * drive, .voices = 3, .detune_cents = 10.0f,
                                  .seed = seed + 6}),
              0.045f * drive, 0.4f);
    }

    // Noise swell into the downbeat of the next phrase.
    if (in_phrase == 6 && (enhanced || phrase % 2 == 1))
      c.add(tm.at(bar, 0), riser(tm.beats_s(8), 300.0f, 5000.0f, seed), 0.08f * drive, 0.0f);
  }

  if (enhanced) add_wind(c, 0.03f, 500.0f, 4, 0x6A1Du);
  loop_reverb(c, enhanced ? 0.7f : 0.45f, 0.45f, enhanced ? 0.4f : 0.2f);
  master(c);
  return c;
}

}  // namespace contentgen::music
