// Electronic signals: motion-tracker beeps, menu click, chimes, the sting.
#include "sounds/effects.h"
#include "sounds/throat.h"

namespace contentgen::sfx {

using namespace dsp;

namespace {
// A tracker ping: a tone struck into a resonance. The pitch lands a
// little sharp and settles within a few ms, an edge of filtered noise and
// a fast odd harmonic give the start its bite, and a resonance just above
// the octave rings on briefly after the tone stops, so the ping is an
// instrument and not a test tone.
void add_beep(Buf& b, Rng& rng, double at, float hz, float hold_s, float gain) {
  Phase a, c, d, r, m;
  size_t s = frames(at, kRate);
  for (size_t i = s; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i - s));
    float ring = t < hold_s ? 1.0f : std::exp(-(t - hold_s) / 0.025f);
    if (ring < 1e-4f) break;
    // The pitch lands sharp, settles, then sags a few cents as the ping
    // rings out; a partner a little flat of the octave slowly beats
    // against it, so the ping moves as it fades.
    float f = hz * (1.0f + 0.05f * std::exp(-t / 0.006f) - 0.008f * std::min(1.0f, t / 0.12f));
    float body = sine(a.step(f, kRate)) + 0.35f * sine(c.step(f * 2.0f, kRate)) +
                 0.35f * std::exp(-t / 0.03f) * sine(d.step(f * 3.0f, kRate)) +
                 0.25f * std::min(1.0f, t / 0.03f) * sine(m.step(f * 1.994f, kRate));
    float res = 0.45f * std::exp(-t / 0.05f) * sine(r.step(hz * 2.13f, kRate));
    b[i] += gain * std::min(1.0f, t / 0.002f) * (ring * body + res);
  }
  add_noise_burst(b, rng, at, hz * 3.0f, 1.2f, 0.004f, gain * 2.0f);
}

// What makes a chime struck rather than switched on: the mallet's click, a
// few milliseconds of noise tuned to the note, and the struck body's
// inharmonic modes (bar and bell ratios) that ring out well before the
// note itself, so each strike opens bright and rough and settles to tone.
void add_strike(Buf& b, Rng& rng, double at, float hz, float gain) {
  add_noise_burst(b, rng, at, std::min(9000.0f, hz * 3.2f), 1.1f, 0.0025f, gain * 1.6f);
  add_noise_burst(b, rng, at, hz, 5.0f, 0.007f, gain * 1.2f);
  const float ratio[] = {2.76f, 4.07f, 5.40f, 8.93f}, level[] = {0.5f, 0.3f, 0.3f, 0.15f}, decay[] = {0.07f, 0.04f, 0.03f, 0.015f};
  for (int k = 0; k < 4; ++k) {
    const float f = hz * ratio[k];
    if (f > 16000.0f) break;
    Phase ph;
    const size_t s = frames(at, kRate);
    for (size_t i = s; i < b.size(); ++i) {
      const float t = static_cast<float>(seconds_at(i - s));
      const float env = std::exp(-t / decay[k]);
      if (env < 1e-4f) break;
      b[i] += gain * level[k] * env * std::min(1.0f, t / 0.0008f) * sine(ph.step(f, kRate));
    }
  }
}

// Breath in a tone: its level shaken by noise low-passed at `hz`, so every
// partial grows a soft band of air around it, as a blown or struck body
// has, instead of standing as a bare line.
void breathe(Buf& b, Rng& rng, float depth, float hz) {
  OnePoleLP lp, lp2;
  lp.set(hz, kRate);
  lp2.set(hz, kRate);
  // Scaled so the shaking noise swings by about half (its standard
  // deviation) whatever `hz`, before `depth` sets how much of it is heard.
  const float norm = 0.66f / std::sqrt(static_cast<float>(hz / kRate));
  for (float& x : b) x *= 1.0f + depth * std::clamp(lp2(lp(rng.bi())) * norm, -1.0f, 1.0f);
}

// The room a chime hangs in: a soft, diffuse tail a little under the
// strike, its onset kept back a few ms so it reads as space and not as a
// thicker note, fading out within `tail_s`.
Buf in_room(const Buf& dry, float wet, double tail_s) {
  Buf out = add_reverb(dry, kRate, 0.55f, 0.45f, wet, tail_s);
  decay_out(out, kRate, static_cast<float>(tail_s));
  return out;
}
}  // namespace

Buf tracker_low() {
  // Another squad member's tracker: a low, reedy blip of two notes, the
  // second a tone under the first, then quiet until it repeats. Its pitch
  // stays low (440 Hz), under the players' own beeps, but its strength is
  // in its 3rd to 9th harmonics (1.3-4 kHz), where the ear is keenest and
  // the music thinnest. The reed is blown, not switched: breath shakes
  // every partial into a band of air, a noisy click marks the start and
  // each note change, and a short tail from the room follows, so it is
  // heard as a signal from a device and not a test tone.
  Rng rng(0xA10Bu);
  Buf b = blank(0.8);
  const float partials[] = {0.25f, 0.3f, 0.7f, 0.8f, 0.6f, 0.45f, 0.32f, 0.22f, 0.14f};
  const float first_s = 0.085f, hold_s = 0.17f;
  // The reed swells a little through its hold and sags a few cents as it
  // does, and the round partial sits a little sharp of the octave, so the
  // two beat slowly: the blip moves, as a struck reed does.
  Phase ph, octave;
  OnePoleLP glide;
  glide.set(180.0f, kRate);
  glide.z = 1.0f;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    float ring = t < hold_s ? 1.0f : std::exp(-(t - hold_s) / 0.03f);
    float round = std::exp(-t / 0.09f);
    if (ring < 1e-4f && round < 1e-4f) break;
    const float held = std::min(1.0f, t / hold_s);
    // The second note a whole tone down, reached by a quick slur.
    const float note = glide(t < first_s ? 1.0f : 0.8909f);
    double cycle = ph.step(440.0 * note * (1.0 - 0.006 * held), kRate);
    float tone = 0.0f;
    for (int k = 0; k < 9; ++k) tone += partials[k] * sine(cycle * (k + 1));
    const float swell = 0.85f + 0.15f * held;
    b[i] = 0.4f * std::min(1.0f, t / 0.003f) *
           (ring * swell * tone + 0.5f * round * sine(octave.step(880.0 * 1.004, kRate)));
  }
  breathe(b, rng, 0.55f, 260.0f);
  // Air through the reed's own band, following the blip.
  Biquad air, air_lp, edge;
  air.bandpass(2200.0f, 0.8f, kRate);
  air_lp.lowpass(5000.0f, 0.7f, kRate);
  // The grille's breath: a thin hiss of the same air above 5 kHz.
  edge.bandpass(6800.0f, 1.2f, kRate);
  for (size_t i = 0; i < frames(0.26, kRate); ++i) {
    const float t = static_cast<float>(seconds_at(i));
    const float env = std::min(1.0f, t / 0.004f) * (t < hold_s ? 1.0f : std::exp(-(t - hold_s) / 0.025f));
    const float x = rng.bi();
    b[i] += (air_lp(air(x)) * 0.13f + edge(x) * 0.35f) * env;
  }
  add_noise_burst(b, rng, 0.0, 2400.0f, 1.5f, 0.003f, 0.6f);
  add_noise_burst(b, rng, first_s, 3000.0f, 1.5f, 0.002f, 0.3f);
  // A short tail from the room, over long before the blip repeats; the
  // file keeps its length, which sets how often the blip comes round.
  Buf out = add_reverb(b, kRate, 0.3f, 0.45f, 0.15f, 0.0);
  decay_out(out, kRate, 0.3f);
  return out;
}

Buf tracker_high(int player) {
  // The players' own trackers, one pitch each so the two can tell them apart.
  Rng rng(0xB1Bu + player);
  Buf b = blank(0.14);
  add_beep(b, rng, 0.0, player == 2 ? 1318.5f : 1760.0f, 0.04f, 0.8f);
  // The ring dies away inside the file instead of being cut at its end.
  decay_out(b, kRate, 0.06f);
  return b;
}

constexpr float tick_top_hz = 5500.0f;

Buf menu_tick() {
  // A small hard click on a hollow body: a crisp edge of noise, then a
  // damped, slightly inharmonic knock, over as quickly as a key press.
  Rng rng(0x71Cu);
  Buf b = blank(0.07);
  add_noise_burst(b, rng, 0.0, 4200.0f, 0.8f, 0.0025f, 2.6f);
  add_ping(b, 0.0, 2100.0f, 0.006f, 0.3f);
  add_ping(b, 0.0, 1270.0f, 0.005f, 0.25f);
  // A crisp second edge at 3-4 kHz, where the music is thinnest, so the
  // click cuts through a busy passage without being any louder.
  add_noise_burst(b, rng, 0.0004, 3600.0f, 1.2f, 0.004f, 1.6f);
  add_ping(b, 0.0003, 3150.0f, 0.004f, 0.18f);
  // Its noise kept under about 5.5 kHz: above, the click leapt three
  // quarters of full scale in one sample, a digital tick rather than a tap.
  colour(b, {{Colour::LowPass, tick_top_hz}, {Colour::LowPass, tick_top_hz}});
  // A rise of a millisecond and a half, so the click is a tap and not a step.
  rise_in(b, kRate, 1.5f);
  return b;
}

Buf rescue_chime() {
  // Someone saved: a bright call of two notes a fourth apart, as a brass
  // section plays it, the first short and the second held with a little
  // vibrato, breath audible in the tone and a struck bell under each note. Each note is a rich buzzing tone that brightens as it is
  // blown harder: it scoops up to its pitch and its tone opens within a few
  // milliseconds, then mellows a little as it is held.
  Rng rng(0x5E5Cu);
  Buf b = blank(1.1);
  struct Note {
    double at, len;
    float hz;
  };
  const Note call[] = {{0.0, 0.15, midi_hz(67)}, {0.16, 0.62, midi_hz(72)}};
  for (const Note& n : call) {
    // Two players a few cents apart, as a section blends.
    for (float detune : {1.0f, 1.004f}) {
      Phase ph, vib;
      Biquad bell;
      const size_t s = frames(n.at, kRate), e = std::min(b.size(), s + frames(n.len + 0.12, kRate));
      for (size_t i = s; i < e; ++i) {
        const float t = static_cast<float>(seconds_at(i - s));
        const float blow = std::min(1.0f, t / 0.025f) * (t < n.len ? 1.0f - 0.25f * std::min(1.0f, t / 0.4f)
                                                                     : 0.75f * std::exp(-(t - static_cast<float>(n.len)) / 0.04f));
        const float wobble = 1.0f + 0.005f * std::min(1.0f, t / 0.2f) * sine(vib.step(5.5, kRate));
        const float hz = n.hz * detune * (1.0f - 0.04f * std::exp(-t / 0.02f)) * wobble;
        // The harder it is blown the brighter: the bell's opening follows the breath.
        if ((i - s) % 32 == 0) bell.lowpass(500.0f + 3400.0f * blow, 1.1f, kRate);
        // Breath rides through the bell with the buzz, a hiss of air
        // under each note.
        b[i] += bell(blep_saw(ph.step(hz, kRate), hz / kRate) + 0.2f * rng.bi()) * blow * 0.3f;
      }
    }
    // The tongue's attack: a breath of noise at the mouthpiece.
    add_noise_burst(b, rng, n.at, 1800.0f, 1.0f, 0.012f, 0.5f);
    // Under the brass a struck bell doubles each note, its metal ringing
    // off fast, so the call opens with a strike.
    add_strike(b, rng, n.at, n.hz * 2.0f, 0.2f);
    // And a high inharmonic glint of the bell's metal, far over the brass
    // (near 8 and 10 kHz), ringing on a little after the strike.
    Phase glint;
    const size_t g = frames(n.at, kRate);
    for (size_t i = g; i < b.size(); ++i) {
      const float t = static_cast<float>(seconds_at(i - g));
      const float env = std::exp(-t / 0.12f);
      if (env < 1e-4f) break;
      b[i] += 0.25f * std::min(1.0f, t / 0.001f) * env * sine(glint.step(n.hz * 19.7f, kRate));
    }
  }
  // The lips buzz unevenly: the call's level is shaken by breath, so each
  // harmonic is a band of air and not a line.
  breathe(b, rng, 0.6f, 220.0f);
  // The hall's answer dies away to silence rather than being cut.
  Buf out = add_reverb(b, kRate, 0.45f, 0.4f, 0.3f, 0.25);
  decay_out(out, kRate, 0.4f);
  return out;
}

Buf cheat_chime() {
  // A cheat taken: an arpeggio from an old machine's sound chip, square
  // waves stepping up a diminished chord and back, crushed to a few bits
  // and held at a low sample rate, so it grits and aliases like a toy.
  Buf b = blank(0.9);
  const float notes[] = {84, 87, 90, 93, 96, 93, 90, 96, 99};
  const double step = 0.055;
  Phase ph;
  float held = 0.0f;
  for (int k = 0; k < 9; ++k) {
    const size_t s = frames(step * k, kRate), e = std::min(b.size(), s + frames(k == 8 ? 0.6 : step, kRate));
    const float hz = midi_hz(notes[k]);
    for (size_t i = s; i < e; ++i) {
      const float t = static_cast<float>(seconds_at(i - s));
      const float env = k == 8 ? std::exp(-t / 0.12f) : 1.0f - 0.4f * t / static_cast<float>(step);
      // A quarter-duty pulse over a triangle, the chip's nasal voice, its
      // wave crushed to four bits and held for four samples at a time: the
      // grit. The crushing is of the wave, not of the fading level, so the
      // last note still dies away smoothly.
      const double p = ph.step(hz, kRate);
      const float tri = static_cast<float>(p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p);
      if (i % 4 == 0) held = std::round(((p < 0.25 ? 0.6f : -0.2f) + 0.5f * tri) * 8.0f) / 8.0f;
      b[i] = held * env * 0.35f;
    }
  }
  // The chip's noise channel ticks each note in, a short burst of its
  // crushed noise, so every step has an edge.
  Rng rng(0xC4E7u);
  for (int k = 0; k < 9; ++k) {
    const size_t s = frames(step * k, kRate), e = std::min(b.size(), s + frames(0.012, kRate));
    float tick = 0.0f;
    for (size_t i = s; i < e; ++i) {
      if (i % 4 == 0) tick = std::round(rng.bi() * 4.0f) / 4.0f;
      b[i] += tick * 0.3f * std::exp(-static_cast<float>(seconds_at(i - s)) / 0.004f);
    }
  }
  // Its little speaker: no deep bass, the fizz of the top tamed.
  colour(b, {{Colour::HighPass, 250.0f}, {Colour::LowPass, 7000.0f}});
  Buf out = in_room(b, 0.2f, 0.35);
  // The chip's first step eased in over 1.5 ms, so it ticks without a click.
  rise_in(out, kRate, 1.5f);
  return out;
}

Buf cheat_toggle() {
  // A cheat switched: a glassy digital glitch. A bright, inharmonic glass
  // tone is caught in a broken buffer: a slice of it repeats, stuttering
  // faster and faster and stepping up in pitch, then lets go and rings.
  Buf b = blank(0.55);
  const float hz = 2093.0f;  // C7
  Buf glass = blank(0.3);
  add_bell(glass, 0.0, hz, 1.414f, 2.2f, 0.2f, 0.5f);
  add_bell(glass, 0.0, hz * 1.5f, 2.76f, 1.0f, 0.12f, 0.2f);
  // The stutter: slices of the strike's first moments, each shorter and
  // pitched a little higher than the last (read faster).
  double at = 0.0;
  float len = 0.045f, speed = 1.0f;
  for (int k = 0; k < 6; ++k) {
    const size_t s = frames(at, kRate), n = frames(len, kRate);
    for (size_t i = 0; i < n && s + i < b.size(); ++i) {
      const double pos = i * static_cast<double>(speed);
      const size_t j = static_cast<size_t>(pos);
      if (j + 1 >= glass.size()) break;
      const float x = glass[j] + (glass[j + 1] - glass[j]) * static_cast<float>(pos - j);
      // Each slice is cut with a 2 ms edge: a glitch, not a click.
      const float edge = std::min({1.0f, i / (0.002f * kRate), (n - i) / (0.002f * kRate)});
      b[s + i] += x * edge;
    }
    at += len + 0.008;
    len *= 0.8f;
    speed *= 1.06f;
  }
  // A tick where the broken buffer jumps back, each slice a glitch.
  Rng rng(0xC4E8u);
  for (double t = 0.0, l = 0.045; t < at; t += l + 0.008, l *= 0.8)
    add_noise_burst(b, rng, t, 6000.0f, 1.5f, 0.002f, 0.5f);
  // The glass let go: the whole strike rings out, a fifth above.
  const size_t s = frames(at, kRate);
  for (size_t i = 0; s + i < b.size(); ++i) {
    const double pos = i * 1.5;
    const size_t j = static_cast<size_t>(pos);
    if (j + 1 >= glass.size()) break;
    b[s + i] += glass[j] + (glass[j + 1] - glass[j]) * static_cast<float>(pos - j);
  }
  add_strike(b, rng, at, hz * 1.5f, 0.12f);
  return in_room(b, 0.25f, 0.35);
}

Buf surprise_sting() {
  // The shock of the cocoon: a boom, a dark brass-like cluster that swells
  // open under it, and over them a creature's scream torn from a throat:
  // it leaps up, wavers at the top of its voice, cracks and falls. The
  // scream carries the sting; nothing but its own breath is hiss.
  Rng rng(0x5071u);
  Buf b = blank(2.4);
  // The boom is short and the hit sits in the midrange, where it is heard;
  // both stay under the scream, so the sting opens on the throat and not
  // on a spike the mix's limiter must catch.
  add_thump(b, 0.0, 90.0f, 40.0f, 0.12f, 0.35f);
  add_noise_burst(b, rng, 0.0, 700.0f, 1.0f, 0.05f, 0.8f);
  const float cluster[] = {36, 37, 42, 48, 49, 55, 61};
  size_t n = b.size();
  Buf pad(n, 0.0f);
  for (float note : cluster) {
    for (int d = -1; d <= 1; d += 2) {
      Phase ph;
      ph.p = rng.uni();
      float hz = midi_hz(note) * (1.0f + 0.004f * d);
      for (size_t i = 0; i < n; ++i) pad[i] += blep_saw(ph.step(hz, kRate), hz / kRate) * 0.12f;
    }
  }
  Biquad lp;
  for (size_t i = 0; i < n; ++i) {
    float t = static_cast<float>(seconds_at(i));
    if (i % 32 == 0) lp.lowpass(300.0f + 1800.0f * std::exp(-t / 0.5f) + 300.0f * t, 1.4f, kRate);
    float env = std::min(1.0f, t / 0.01f) * std::exp(-t / 0.9f);
    b[i] += lp(pad[i]) * env * 0.7f;
  }
  // The scream: a tense, bright throat with a wide-open mouth, its pitch
  // leaping from a bark to a shriek, wavering and cracking down at the end.
  Buf scream = throat({.seconds = 1.9f,
                       .pitch = {{{0.0f, 520.0f}, {0.06f, 1150.0f}, {0.3f, 1420.0f}, {0.55f, 1300.0f},
                                  {0.8f, 1480.0f}, {1.05f, 1250.0f}, {1.12f, 900.0f}, {1.5f, 780.0f},
                                  {1.9f, 520.0f}}},
                       .mouth = {kVowelA, kVowelE, kVowelA, kVowelI, kVowelE, kVowelA, kVowelO},
                       .mouth_scale = 1.45f,
                       .jitter = 0.025f,
                       .shimmer = 0.3f,
                       .rough0 = 0.35f,
                       .rough1 = 0.6f,
                       .breath = 0.25f,
                       .tension = 0.12f,
                       .top_hz = 6500.0f,
                       .sweep = 0.4f,
                       .drive = 2.5f,
                       .attack_s = 0.01f,
                       .release_s = 0.6f,
                       .seed = 0x5072u});
  // Under the shriek the same beast roars from the chest, an octave and
  // more down, so the scream has a body and is no whistle.
  Buf roar = throat({.seconds = 1.6f,
                     .pitch = {{{0.0f, 180.0f}, {0.1f, 290.0f}, {0.9f, 260.0f}, {1.6f, 150.0f}}},
                     .mouth = {kVowelO, kVowelA, kVowelA, kVowelU},
                     .mouth_scale = 0.9f,
                     .jitter = 0.04f,
                     .shimmer = 0.35f,
                     .rough0 = 0.6f,
                     .rough1 = 0.8f,
                     .breath = 0.3f,
                     .tension = 0.2f,
                     .top_hz = 4000.0f,
                     .drive = 3.0f,
                     .attack_s = 0.008f,
                     .release_s = 0.5f,
                     .seed = 0x5073u});
  // The scream swells and shudders as it is forced out.
  OnePoleLP shake;
  shake.set(14.0f, kRate);
  for (size_t i = 0; i < scream.size(); ++i) {
    const float t = static_cast<float>(seconds_at(i));
    scream[i] *= (0.75f + 0.25f * std::min(1.0f, t / 0.25f)) * std::max(0.3f, 1.0f + 2.5f * shake(rng.bi()));
  }
  add(b, scream, frames(0.02, kRate), 0.9f);
  add(b, roar, frames(0.01, kRate), 0.45f);
  soft_clip(b, 1.5f);
  // A jump scare hits at once: the boom, the hit and the scream's bark are
  // lifted to the sting's full strength within 30 ms, and from there the
  // sting sinks away rather than holding its level.
  open_at_peak(b, 0.03f, 1.0f);
  // The brass cluster is still sounding as the scream dies; the whole
  // sting and its room fade out together, to silence at the end.
  Buf out = add_reverb(b, kRate, 0.8f, 0.5f, 0.3f, 0.3);
  decay_out(out, kRate, 0.7f);
  return out;
}

}  // namespace contentgen::sfx
