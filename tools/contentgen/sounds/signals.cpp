// Electronic signals: motion-tracker beeps, menu click, chimes, the sting.
#include "sounds/effects.h"

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
// A chime struck rather than switched on: the FM bell, its octave ringing
// shorter, and a brief breath of noise where the mallet meets the metal,
// so the note has a grain and a start of its own.
void add_struck(Buf& b, Rng& rng, double at, float hz, float ratio, float index, float decay_s, float gain) {
  add_bell(b, at, hz, ratio, index, decay_s, gain);
  add_ping(b, at, hz * 2.0f, decay_s * 0.4f, gain * 0.3f);
  add_noise_burst(b, rng, at, std::min(hz * 3.0f, 9000.0f), 1.0f, 0.02f, gain * 1.2f);
}
}  // namespace

Buf tracker_low() {
  // Another squad member's tracker: a low, reedy blip with a body, then
  // quiet until it repeats. Its pitch stays low (440 Hz), under the
  // players' own beeps, but its strength is in its 3rd to 6th harmonics
  // (1.3-2.6 kHz), where the ear is keenest and the music thinnest. A
  // second, rounder partial an octave up rings on a little after the reed
  // stops, and a soft click marks the start, so it is heard as a struck
  // signal rather than a test tone.
  Rng rng(0xA10Bu);
  Buf b = blank(0.8);
  const float partials[] = {0.25f, 0.3f, 0.7f, 0.8f, 0.5f, 0.3f};
  const float hold_s = 0.17f;
  // The reed swells a little through its hold and sags a few cents as it
  // does, and the round partial sits a little sharp of the octave, so the
  // two beat slowly: the blip moves, as a struck reed does.
  Phase ph, octave;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    float ring = t < hold_s ? 1.0f : std::exp(-(t - hold_s) / 0.03f);
    float round = std::exp(-t / 0.09f);
    if (ring < 1e-4f && round < 1e-4f) break;
    const float held = std::min(1.0f, t / hold_s);
    double cycle = ph.step(440.0 * (1.0 - 0.006 * held), kRate);
    float tone = 0.0f;
    for (int k = 0; k < 6; ++k) tone += partials[k] * sine(cycle * (k + 1));
    const float swell = 0.85f + 0.15f * held;
    b[i] = 0.4f * std::min(1.0f, t / 0.003f) *
           (ring * swell * tone + 0.5f * round * sine(octave.step(880.0 * 1.004, kRate)));
  }
  add_noise_burst(b, rng, 0.0, 2400.0f, 1.5f, 0.003f, 0.5f);
  return b;
}

Buf tracker_high(int player) {
  // The players' own trackers, one pitch each so the two can tell them apart.
  Rng rng(0xB1Bu + player);
  Buf b = blank(0.14);
  add_beep(b, rng, 0.0, player == 2 ? 1318.5f : 1760.0f, 0.04f, 0.8f);
  return b;
}

Buf menu_tick() {
  // A small hard click on a hollow body: a crisp edge of noise, then a
  // damped, slightly inharmonic knock, over as quickly as a key press.
  Rng rng(0x71Cu);
  Buf b = blank(0.07);
  add_noise_burst(b, rng, 0.0, 4200.0f, 0.8f, 0.0025f, 2.6f);
  add_ping(b, 0.0, 2100.0f, 0.006f, 0.3f);
  add_ping(b, 0.0, 1270.0f, 0.005f, 0.25f);
  return b;
}

Buf rescue_chime() {
  // A bright rising major arpeggio: someone saved.
  Rng rng(0x5E5Cu);
  Buf b = blank(1.4);
  const float notes[] = {72, 76, 79, 84, 88};
  // Each note is two chimes a few cents apart, so it shimmers, and a soft
  // breath of noise swells under the run.
  for (int k = 0; k < 5; ++k) {
    add_struck(b, rng, 0.08 * k, midi_hz(notes[k]), 3.0f, 1.4f, 0.35f, 0.3f);
    add_bell(b, 0.08 * k, midi_hz(notes[k]) * 1.0045f, 3.0f, 1.1f, 0.3f, 0.12f);
  }
  Biquad breath;
  breath.bandpass(2600.0f, 0.8f, kRate);
  for (size_t i = 0; i < frames(0.7, kRate); ++i) {
    const float t = static_cast<float>(seconds_at(i));
    b[i] += breath(rng.bi()) * 0.05f * std::min(1.0f, t / 0.05f) * std::exp(-t / 0.2f);
  }
  return add_reverb(b, kRate, 0.5f, 0.4f, 0.3f, 0.2);
}

Buf cheat_chime() {
  // An eerie whole-tone run up and back down.
  Rng rng(0xC4EAu);
  Buf b = blank(1.2);
  const float notes[] = {74, 76, 78, 80, 82, 80, 78};
  // Each chime has a partner a few cents flat that beats slowly against
  // it, so the run wavers as it rises and falls.
  for (int k = 0; k < 7; ++k) {
    add_struck(b, rng, 0.07 * k, midi_hz(notes[k]), 3.5f, 2.0f, 0.25f, 0.3f);
    add_bell(b, 0.07 * k, midi_hz(notes[k]) * 0.996f, 3.5f, 1.2f, 0.3f, 0.1f);
  }
  return add_reverb(b, kRate, 0.6f, 0.3f, 0.35f, 0.2);
}

Buf cheat_toggle() {
  // Two quick chimes a fifth apart.
  Rng rng(0x7066u);
  Buf b = blank(0.5);
  // A partner a few cents sharp under each shimmers against it.
  add_struck(b, rng, 0.0, midi_hz(81), 3.5f, 1.5f, 0.15f, 0.4f);
  add_bell(b, 0.0, midi_hz(81) * 1.005f, 3.5f, 1.0f, 0.17f, 0.12f);
  add_struck(b, rng, 0.07, midi_hz(88), 3.5f, 1.5f, 0.18f, 0.4f);
  add_bell(b, 0.07, midi_hz(88) * 1.005f, 3.5f, 1.0f, 0.2f, 0.12f);
  return b;
}

Buf surprise_sting() {
  // The shock of the cocoon: a boom, a dissonant brass-like cluster that
  // swells open, and a screech sliding over it.
  Rng rng(0x5071u);
  Buf b = blank(2.4);
  // The boom is short and the hit sits in the midrange, where it is heard.
  add_thump(b, 0.0, 90.0f, 40.0f, 0.25f, 0.5f);
  add_noise_burst(b, rng, 0.0, 900.0f, 0.7f, 0.15f, 1.6f);
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
    if (i % 32 == 0) lp.lowpass(300.0f + 2500.0f * std::exp(-t / 0.5f) + 400.0f * t, 1.4f, kRate);
    float env = std::min(1.0f, t / 0.01f) * std::exp(-t / 0.9f);
    b[i] += lp(pad[i]) * env;
  }
  Buf scream = shriek({.seconds = 1.2f,
                       .pitch = {{{0.0f, 1400.0f}, {1.2f, 2600.0f}}},
                       .ratio = 1.41f, .index = 2.0f, .breath = 0.5f, .roughness = 0.5f,
                       .attack_s = 0.25f, .release_s = 0.6f, .seed = 51});
  add(b, scream, frames(0.05, kRate), 0.6f);
  // Strings stabbing high over the brass: a tight cluster at 2-3 kHz bowed
  // in ragged tremolo, the shrill edge that tells the scare from any roar.
  const float stab[] = {96, 97, 99, 102};
  OnePoleLP bow;
  bow.set(30.0f, kRate);
  for (float note : stab) {
    Phase ph;
    ph.p = rng.uni();
    const float hz = midi_hz(note);
    for (size_t i = 0; i < frames(1.4, kRate) && i < n; ++i) {
      const float t = static_cast<float>(seconds_at(i));
      const float trem = std::max(0.0f, 0.6f + 6.0f * bow(rng.bi()));
      const float env = std::min(1.0f, t / 0.004f) * std::exp(-t / 0.45f);
      b[i] += blep_saw(ph.step(hz, kRate), hz / kRate) * 0.09f * trem * env;
    }
  }
  // A cymbal's wash swells behind the hit: air from 12 kHz up, where no
  // creature's throat reaches.
  Biquad wash_lo1, wash_lo2;
  wash_lo1.highpass(12000.0f, 0.707f, kRate);
  wash_lo2.highpass(12000.0f, 0.707f, kRate);
  for (size_t i = 0; i < n; ++i) {
    const float t = static_cast<float>(seconds_at(i));
    b[i] += wash_lo2(wash_lo1(rng.bi())) * 1.2f * std::min(1.0f, t / 0.3f) * std::exp(-t / 0.9f);
  }
  soft_clip(b, 1.5f);
  return add_reverb(b, kRate, 0.8f, 0.4f, 0.4f, 0.3);
}

}  // namespace contentgen::sfx
