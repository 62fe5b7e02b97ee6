// The menu music: a slow, brooding D minor song. A pedal D and the chords'
// own basses carry the harmony, a soft pulse on the eighths keeps it
// moving, and a singing lead plays the tune over a sparse low piano,
// distant bells and wind in the ducts.
#include "music/score.h"

namespace contentgen::music {

using dsp::midi_hz;

namespace {

struct Chord {
  int root;      // bass note
  int tones[3];  // pad voicing
};

// Two bars each; the last chord (the dominant) leads back into the first.
const Chord kChords[] = {
    {38, {50, 53, 57}},  // Dm
    {34, {46, 50, 53}},  // Bb
    {31, {43, 46, 50}},  // Gm
    {33, {45, 49, 52}},  // A
    {38, {50, 53, 57}},  // Dm
    {29, {53, 57, 60}},  // F
    {36, {48, 52, 55}},  // C
    {31, {43, 46, 50}},  // Gm
    {33, {45, 49, 52}},  // A
};
constexpr int kPedal = 38;  // D2, under every chord

// The tune: notes of each chord's eight beats (beat, MIDI note, length in
// beats), between B flat 4 and A 5, so it sings in the 400 Hz to 1 kHz band.
struct Note {
  double beat;
  int midi;
  double beats;
};
const std::vector<Note> kTune[] = {
    {{0, 74, 2}, {2, 72, 1}, {3, 74, 1}, {4, 77, 3}, {7, 76, 1}},  // Dm
    {{0, 74, 3}, {3, 70, 1}, {4, 72, 2}, {6, 74, 2}},              // Bb
    {{0, 70, 2}, {2, 74, 2}, {4, 79, 3}, {7, 77, 1}},              // Gm
    {{0, 76, 4}, {4, 73, 2}, {6, 76, 2}},                          // A
    {{0, 77, 2}, {2, 76, 1}, {3, 74, 1}, {4, 81, 3}, {7, 79, 1}},  // Dm, higher
    {{0, 77, 3}, {3, 76, 1}, {4, 72, 4}},                          // F
    {{0, 76, 2}, {2, 79, 2}, {4, 76, 2}, {6, 72, 2}},              // C
    {{0, 74, 3}, {3, 70, 1}, {4, 79, 2}, {6, 77, 2}},              // Gm
    {{0, 76, 6}, {6, 73, 2}},                                      // A, home to D
};

// Piano figures over a chord, in beats from the chord's first bar, as
// offsets into the pad voicing (0..2) plus octave shifts.
struct Figure {
  double beat;
  int tone;
  int octave;
};
const Figure kFigureA[] = {{0.0, 0, 0}, {3.0, 2, 0}, {5.5, 1, 0}};
const Figure kFigureB[] = {{1.0, 2, 0}, {2.5, 1, 0}, {4.0, 0, 0}, {7.0, 2, -1}};

}  // namespace

LoopCanvas menu_track(bool enhanced) {
  const Timing tm{60, 4, 18};
  LoopCanvas c(tm.loop_frames());
  const double chord_s = tm.beats_s(8);
  const int count = static_cast<int>(std::size(kChords));

  for (int k = 0; k < count; ++k) {
    const Chord& ch = kChords[k];
    int bar = 2 * k;
    uint32_t seed = 100u + static_cast<uint32_t>(k);

    // The pedal D under everything, and the chord's own bass in the richer mix.
    c.add(tm.at(bar, 0), pad({.hz = midi_hz(kPedal), .seconds = chord_s, .attack = 4.0, .release = 4.0,
                              .cutoff = 420.0f, .voices = 3, .detune_cents = 6.0f, .seed = seed}),
          0.32f, 0.0f);
    if (enhanced)
      c.add(tm.at(bar, 0), pad({.hz = midi_hz(ch.root + 12), .seconds = chord_s, .attack = 2.5, .release = 3.0,
                                .cutoff = 520.0f, .voices = 2, .detune_cents = 5.0f, .seed = seed + 50}),
            0.2f, 0.0f);

    // The chord pad, opening slowly.
    for (int t = 0; t < 3; ++t) {
      float pan = enhanced ? (t - 1) * 0.5f : 0.0f;
      c.add(tm.at(bar, 0),
            pad({.hz = midi_hz(ch.tones[t]), .seconds = chord_s, .attack = 2.2, .release = 3.0,
                 .cutoff = 500.0f, .cutoff_rise = enhanced ? 700.0f : 300.0f, .voices = enhanced ? 4 : 2,
                 .detune_cents = 8.0f, .seed = seed * 7 + t}),
            enhanced ? 0.13f : 0.15f, pan);
    }
    if (enhanced && k % 2 == 0) {
      // A thin high string an octave above, on every other chord.
      c.add(tm.at(bar, 2), pad({.hz = midi_hz(ch.tones[2] + 12), .seconds = chord_s - 2.0, .attack = 3.0,
                                .release = 3.0, .cutoff = 1400.0f, .voices = 3, .detune_cents = 12.0f, .seed = seed + 9}),
            0.05f, 0.35f);
    }

    // The pulse: a muted pluck on every eighth, the chord's root an octave
    // above the pedal, leaning on each beat. It rests under the opening chord.
    if (k > 0) {
      for (int e = 0; e < 16; ++e) {
        bool beat = e % 2 == 0;
        c.add(tm.at(bar, e * 0.5), pluck_bass(midi_hz(ch.root + 12), 0.22, 380.0f, beat ? 0.6f : 0.2f),
              beat ? 0.16f : 0.09f, enhanced ? 0.15f : 0.0f);
      }
      if (enhanced)
        for (int b = 0; b < 8; b += 2) c.add(tm.at(bar, b), kick(58.0f), 0.22f, 0.0f);
    }

    // The tune.
    for (const Note& n : kTune[k]) {
      c.add(tm.at(bar, n.beat), lead(midi_hz(n.midi), tm.beats_s(n.beats) * 0.95, enhanced ? 0.8f : 0.6f),
            0.28f, enhanced ? -0.1f : 0.0f);
      // In the richer mix a softer voice answers a sixth below, a beat late.
      if (enhanced && n.beats >= 2)
        c.add(tm.at(bar, n.beat + 1.0), lead(midi_hz(n.midi - 9), tm.beats_s(n.beats - 1) * 0.9, 0.4f), 0.07f, 0.45f);
    }

    // The low piano figure, alternating two shapes.
    const Figure* fig = k % 2 == 0 ? kFigureA : kFigureB;
    int nfig = k % 2 == 0 ? 3 : 4;
    for (int f = 0; f < nfig; ++f) {
      int note = ch.tones[fig[f].tone] + 12 * fig[f].octave - 12;
      c.add(tm.at(bar, fig[f].beat), piano(midi_hz(note), 4.0, 0.8f), enhanced ? 0.18f : 0.22f,
            enhanced ? -0.2f : 0.0f);
    }

    // Distant bells: one on every chord in the richer mix, every third otherwise.
    if (enhanced || k % 3 == 1) {
      int note = ch.tones[(k * 2) % 3] + 24;
      c.add(tm.at(bar + 1, 1.0), bell(midi_hz(note), 5.0, 3.5f, 1.6f), 0.06f, enhanced ? 0.5f : 0.0f);
      if (enhanced) c.add(tm.at(bar + 1, 2.5), bell(midi_hz(note + 7), 4.0, 3.5f, 1.2f), 0.04f, -0.5f);
    }
  }

  add_wind(c, enhanced ? 0.06f : 0.045f, 700.0f, 3, 0x3117u);
  if (enhanced) add_wind(c, 0.03f, 2200.0f, 5, 0x3119u);
  // Air high in the ducts: a thin hiss that gives the song its top.
  add_wind(c, enhanced ? 0.045f : 0.06f, 4600.0f, 2, 0x311Bu);
  loop_reverb(c, enhanced ? 0.85f : 0.6f, 0.5f, enhanced ? 0.5f : 0.3f);
  // Lighter in the bass, brighter on top, so small speakers keep the song.
  tone(c, -7.5f, 12.0f);
  master(c);
  return c;
}

}  // namespace contentgen::music
