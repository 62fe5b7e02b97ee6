// The in-game music: a tense E Phrygian piece over drones on E, in four
// eight-bar phrases that each add something new and grow louder: the pulse
// with the motif whispered high above it, the motif on a low horn, a high
// string line over running hats, and the full band with the motif doubled.
// Every phrase's harmony comes home to E. The build is gentle and the last
// two bars ease back, so that coming round to the first phrase again is a
// turn of the piece, not a collapse.
#include "music/score.h"

namespace contentgen::music {

using dsp::midi_hz;

namespace {

constexpr int kHome = 40;  // E2: the drones and the home of every phrase
constexpr int kPhrases = 4;
constexpr int kBarsPerPhrase = 8;

// Bass roots per two bars of each phrase: a different turn each time,
// always leaning on the flat second (F) and ending on E.
const int kRoots[kPhrases][4] = {
    {40, 40, 41, 40},  // E  E  F  E
    {40, 41, 38, 40},  // E  F  D  E
    {40, 43, 41, 40},  // E  G  F  E
    {40, 36, 38, 41},  // E  C  D  F, and F falls to E at the top of the loop
};
// How hard each phrase plays: the loudness builds from one to the next.
const float kDrive[kPhrases] = {0.55f, 0.74f, 0.85f, 1.0f};

// The pulse in eighths, semitones over the root (3+3+2 accents).
const int kPulse[] = {0, 0, 0, 0, 0, 0, 12, 0};
const bool kAccent[] = {true, false, false, true, false, false, true, false};

struct Note {
  double beat;  // from the start of the two-bar span
  int midi;
  double beats;
};
// The horn motif, once per two bars from phrase two: E F G F, then down to E.
const Note kMotif[] = {{0, 52, 1.5}, {1.5, 53, 1.5}, {3, 55, 1}, {4, 53, 2}, {6, 52, 2}};
// The string line of phrases three and four, one bar-pair at a time.
const Note kLine[4][3] = {
    {{0, 76, 4}, {4, 77, 2}, {6, 79, 2}},
    {{0, 77, 6}, {6, 76, 2}, {8, 76, 0}},
    {{0, 72, 3}, {3, 74, 3}, {6, 77, 2}},
    {{0, 76, 4}, {4, 74, 2}, {6, 71, 2}},
};

}  // namespace

LoopCanvas game_track(bool enhanced) {
  const Timing tm{100, 4, kPhrases * kBarsPerPhrase};
  LoopCanvas c(tm.loop_frames());
  const double eighth = tm.beats_s(0.5);

  for (int bar = 0; bar < tm.bars; ++bar) {
    const int phrase = bar / kBarsPerPhrase, in_phrase = bar % kBarsPerPhrase, pair = in_phrase / 2;
    // The closing two bars of the loop ease back towards the opening.
    const float drive = kDrive[phrase] * (phrase == kPhrases - 1 && in_phrase >= 6 ? 0.7f : 1.0f);
    const int root = kRoots[phrase][pair];
    const float rise = static_cast<float>(in_phrase) / 7.0f;
    const uint32_t seed = 500u + static_cast<uint32_t>(bar);

    // Pulse ostinato, its filter opening through the phrase; sixteenths in
    // the last phrase until it eases back.
    const int per_bar = phrase == 3 && in_phrase < 7 ? 16 : 8;
    for (int e = 0; e < per_bar; ++e) {
      double beat = e * 4.0 / per_bar;
      bool accent = kAccent[(e * 8 / per_bar) % 8] && (per_bar == 8 || e % 2 == 0);
      float cutoff = 260.0f + (500.0f + 900.0f * rise) * drive;
      c.add(tm.at(bar, beat),
            pluck_bass(midi_hz(root + kPulse[(e * 8 / per_bar) % 8]), eighth * (per_bar == 16 ? 0.45 : 0.8), cutoff,
                       accent ? 1.0f : 0.3f),
            (accent ? 0.36f : 0.24f) * drive, 0.0f);
    }

    // Heartbeat kick, doubling up as the piece builds.
    c.add(tm.at(bar, 0.0), kick(), 0.6f * drive, 0.0f);
    c.add(tm.at(bar, 0.75), kick(), 0.35f * drive, 0.0f);
    c.add(tm.at(bar, 2.0), kick(), (phrase >= 2 ? 0.5f : 0.3f) * drive, 0.0f);
    if (phrase == 3) c.add(tm.at(bar, 2.75), kick(), 0.3f * drive, 0.0f);

    // Drones on E and its fifth, held through each two bars whatever the bass does.
    if (in_phrase % 2 == 0) {
      const double held = tm.beats_s(8);
      c.add(tm.at(bar, 0), pad({.hz = midi_hz(kHome), .seconds = held, .attack = 1.5, .release = 2.5,
                                .cutoff = 300.0f + 250.0f * drive, .voices = enhanced ? 3 : 2, .detune_cents = 7.0f,
                                .seed = seed}),
            0.24f, 0.0f);
      c.add(tm.at(bar, 0), pad({.hz = midi_hz(kHome + 12), .seconds = held, .attack = 2.0, .release = 2.5,
                                .cutoff = 500.0f, .cutoff_rise = 400.0f * drive, .voices = enhanced ? 3 : 2,
                                .detune_cents = 9.0f, .seed = seed + 3}),
            0.12f, enhanced ? -0.3f : 0.0f);
      c.add(tm.at(bar, 0), pad({.hz = midi_hz(kHome + 19), .seconds = held, .attack = 2.0, .release = 2.5,
                                .cutoff = 600.0f, .cutoff_rise = 400.0f * drive, .voices = 2, .detune_cents = 9.0f,
                                .seed = seed + 4}),
            0.06f, enhanced ? 0.3f : 0.0f);
    }

    // Metallic hits at the turn of each half-phrase, and one to mark the
    // top of the loop.
    if (in_phrase == 3 || in_phrase == 7 || bar == 0)
      c.add(tm.at(bar, 0.0), metal_hit(midi_hz(kHome + 24), 2.6, seed), 0.22f * drive, enhanced ? -0.4f : 0.0f);

    // Phrase one: the motif whispered two octaves up on a soft lead, every
    // other bar-pair, so the tune is there from the first bar.
    if (phrase == 0 && in_phrase % 4 == 0) {
      for (const Note& n : kMotif)
        c.add(tm.at(bar, n.beat), lead(midi_hz(n.midi + 24), tm.beats_s(n.beats) * 0.9, 0.8f), 0.1f,
              enhanced ? 0.25f : 0.0f);
    }

    // The horn motif, low, once per two bars: answering the whisper in the
    // first phrase, carrying the piece from the second.
    if (in_phrase % 2 == 0) {
      for (const Note& n : kMotif) {
        Buf horn = pad({.hz = midi_hz(n.midi), .seconds = tm.beats_s(n.beats) * 0.9, .attack = 0.04, .release = 0.3,
                        .cutoff = 700.0f + 900.0f * drive, .voices = 2, .detune_cents = 6.0f, .seed = seed + 7});
        c.add(tm.at(bar, n.beat), horn, 0.3f * drive, enhanced ? 0.2f : 0.0f);
        // The last phrase doubles it an octave up.
        if (phrase == 3) c.add(tm.at(bar, n.beat), lead(midi_hz(n.midi + 12), tm.beats_s(n.beats) * 0.9, 0.9f), 0.14f, -0.2f);
      }
    }

    // Phrases three and four: the high string line.
    if (phrase >= 2 && in_phrase % 2 == 0) {
      for (const Note& n : kLine[pair]) {
        if (n.beats <= 0) continue;
        c.add(tm.at(bar, n.beat), pad({.hz = midi_hz(n.midi), .seconds = tm.beats_s(n.beats), .attack = 0.3,
                                       .release = 0.8, .cutoff = 2200.0f, .voices = 3, .detune_cents = 10.0f,
                                       .seed = seed + 11}),
              0.11f * drive, enhanced ? 0.35f : 0.0f);
      }
    }

    // Ticking hats: a quiet tick from the start, running from phrase three.
    {
      for (int s = 0; s < 16; ++s) {
        bool on = s % 4 == 2 || (phrase >= 2 && s % 2 == 1);
        if (on) c.add(tm.at(bar, s * 0.25), hat(seed * 31 + s, s % 4 == 2 ? 0.03f : 0.012f), 0.08f * drive, 0.3f);
      }
    }

    // Noise swell into the downbeat of the next phrase.
    if (in_phrase == 6 && (enhanced || phrase % 2 == 1))
      c.add(tm.at(bar, 0), riser(tm.beats_s(8), 300.0f, 5000.0f, seed), 0.08f * drive, 0.0f);
  }

  if (enhanced) add_wind(c, 0.03f, 500.0f, 4, 0x6A1Du);
  loop_reverb(c, enhanced ? 0.7f : 0.45f, 0.45f, enhanced ? 0.4f : 0.2f);
  // Lighter in the bass, brighter on top, so small speakers keep the piece.
  tone(c, -7.5f, 10.5f);
  master(c);
  return c;
}

}  // namespace contentgen::music
