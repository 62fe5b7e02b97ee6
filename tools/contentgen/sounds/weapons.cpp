// Guns, the empty magazine, and the supply pickups.
#include "sounds/effects.h"

namespace contentgen::sfx {

using namespace dsp;

namespace {

// One rifle in one short, neutral space, three takes. Each take is its own
// shot: its own grain in the crack and the blast, a few per cent of pitch,
// a slightly different body, as one round differs from the next. What
// stays the same is the rifle itself: its action, which cycles within the
// first 50 ms (a burst fires every 90-140 ms, so nothing lands among the
// next shot), and the corridor it is fired in.
struct Reflection {
  double at_s;
  float gain;
};

struct Take {
  float pitch;      // scales every frequency of the report
  float crack_hz;   // centre of the crack's band
  float body;       // level of the bright body against the blast
  float blast_s;    // how long the low blast rings
  float bounce_ms;  // the crack's bounce off the floor, a fraction of a ms behind it
  float bounce;     // and its strength
  float thump;      // the chest thump's level: a heavier report for a brighter crack
  float chamber;    // how hard the barrel and chamber ring after the blast
  float edge;       // the strength of the crack's top edge
  float edge_lo_hz, edge_hi_hz;  // the band of the crack's edge: each round snaps in its own colour
  float lead_ms;    // how far the crack runs ahead of the blast
  Reflection near[2];            // the nearest surfaces, which move as the muzzle points elsewhere
  uint32_t crack_seed, blast_seed;
};

// The bounce depends on where the muzzle points: its delay sets where the
// crack's colour is notched (one notch every 1/delay), so each round's
// crack has its own fine colour while the shot's broad balance stays.
// The first take snaps wide and even, the second lower and rounder, the
// third high and thin, a hair behind its blast's lead.
const Take takes[] = {
    {1.00f, 3600.0f, 1.3f, 0.045f, 0.37f, 0.9f, 1.5f, 1.35f, 1.0f, 2400.0f, 9000.0f, 0.0f,
     {{0.0042, 0.55f}, {0.0071, 0.35f}}, 0x5407u, 0x03F9u},
    {1.03f, 3800.0f, 1.6f, 0.041f, 0.24f, 0.9f, 1.5f, 1.5f, 1.0f, 2300.0f, 7500.0f, 0.6f,
     {{0.0028, 0.45f}, {0.0093, 0.5f}}, 0x9C23u, 0x7A11u},
    {0.97f, 4100.0f, 1.6f, 0.052f, 0.93f, 0.9f, 1.8f, 1.5f, 1.0f, 3400.0f, 9500.0f, 1.2f,
     {{0.0056, 0.6f}, {0.0124, 0.3f}}, 0x2B6Du, 0x3E91u},
};

// Adds `part` to `b` with the floor's answer `delay_ms` behind it. The
// direct crack keeps its full strength, so the shot's front stays sharp;
// the bounce is scaled so the pair is only a little stronger than the part.
void add_with_bounce(Buf& b, const Buf& part, float delay_ms, float gain) {
  const size_t d = frames(delay_ms / 1000.0, kRate);
  const float keep = 1.0f / std::sqrt(1.0f + gain * gain);
  for (size_t i = 0; i < b.size() && i < part.size(); ++i) {
    b[i] += part[i];
    if (i >= d) b[i] += keep * gain * part[i - d];
  }
}

// The supersonic crack: a few milliseconds of bright noise.
void add_crack(Buf& b, Rng& rng, float centre_hz, float gain) {
  Biquad hp, lp;
  hp.highpass(centre_hz * 0.7f, 0.7f, kRate);
  lp.lowpass(centre_hz * 1.7f, 0.7f, kRate);
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    float env = std::exp(-t / 0.0035f);
    if (env < 1e-4f) break;
    b[i] += lp(hp(rng.bi())) * env * gain;
  }
}

// The crack's top edge, some 2.3-9.5 kHz by the take: the snap that
// small speakers play and the ear places at once, the shot's sharpest
// detail. It is added after
// the saturator, which would otherwise flatten it into the blast. Its
// grain differs from take to take, as one round's crack from the next.
void add_crack_edge(Buf& b, Rng& rng, float lo_hz, float hi_hz, float gain) {
  Biquad hp1, hp2, lp1, lp2;
  hp1.highpass(lo_hz, 0.7f, kRate);
  hp2.highpass(lo_hz, 0.7f, kRate);
  lp1.lowpass(hi_hz, 0.7f, kRate);
  lp2.lowpass(hi_hz, 0.7f, kRate);
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    float env = std::min(1.0f, t / 0.0003f) * (0.75f * std::exp(-t / 0.003f) + 0.25f * std::exp(-t / 0.02f));
    if (t > 0.08f) break;
    b[i] += lp2(lp1(hp2(hp1(rng.bi())))) * env * gain;
  }
}

// The weight of the shot in the chest: a clean low sine falling from about
// 115 to 85 Hz, strongest for its first 30 ms and gone within about 90 ms, so most
// of it lands in the 60-120 Hz band the body feels. It is added after the
// saturator so it stays a low weight rather than turning into midrange
// grit, and is softly held so its first swing cannot take the crack's
// headroom.
void add_chest_thump(Buf& b, float pitch, float gain) {
  Buf t = blank(0.16);
  Phase ph;
  for (size_t i = 0; i < t.size(); ++i) {
    const float s = static_cast<float>(seconds_at(i));
    const float env = std::min(1.0f, s / 0.002f) * std::exp(-s / 0.029f);
    const float hz = pitch * (84.0f + 32.0f * std::exp(-s / 0.012f));
    t[i] = gain * env * sine(ph.step(hz, kRate));
  }
  for (size_t i = 0; i < t.size() && i < b.size(); ++i) b[i] += std::tanh(t[i] * 1.2f) / 1.2f;
}

// The action: some 55 ms after the report the bolt carrier slams back and
// rams the next round home, two short, bright knocks of steel on steel,
// the same on every shot because it is one rifle. They come after the
// report has fallen away, so they are heard as the rifle's own mechanism
// and not as part of the blast, and are over well before the next shot of
// the fastest burst. Added after the saturator, so they keep their ring.
void add_action(Buf& b) {
  Rng rng(0xB017u);
  const double back = 0.052, home = 0.066;
  add_noise_burst(b, rng, back, 3200.0f, 1.6f, 0.0022f, 0.9f);
  add_ping(b, back, 2310.0f, 0.006f, 0.12f);
  add_ping(b, back, 3730.0f, 0.004f, 0.05f);
  add_noise_burst(b, rng, home, 2700.0f, 1.6f, 0.0028f, 1.1f);
  add_ping(b, home, 1870.0f, 0.007f, 0.14f);
  add_ping(b, home, 4410.0f, 0.004f, 0.05f);
  add_thump(b, home, 300.0f, 220.0f, 0.006f, 0.08f);
}

// The rifle's own body: the chamber and the barrel ring for a few tens of
// milliseconds after the blast, damped modes low (240 Hz) and high
// (620-720 Hz), thin between them so the shot is no box, that give the
// report its weight as the ear hears it (the thump below is felt more
// than heard). Each mode is noise through a
// narrow resonance, so the ring has the grain of a struck tube rather than
// the purity of a tone; the modes scale with the take's pitch, a round
// fired a little hotter or cooler.
struct BodyMode {
  float hz, q, decay_s, gain;
};
constexpr BodyMode kBody[] = {
    {240.0f, 2.5f, 0.030f, 1.4f}, {350.0f, 3.0f, 0.030f, 0.5f}, {620.0f, 3.5f, 0.027f, 3.8f}, {720.0f, 4.0f, 0.021f, 3.3f}};

void add_chamber_body(Buf& b, Rng& rng, double lead, float pitch, float gain) {
  for (const BodyMode& m : kBody) add_noise_burst(b, rng, lead + 0.0004, m.hz * pitch, m.q, m.decay_s, m.gain * gain);
}

// The surfaces nearest the muzzle throw the crack straight back within a
// few milliseconds, a little duller each: the glint that places the shot
// in a hard corridor before its body has ended. They move with the
// muzzle, so each round has its own.
void add_near_answers(Buf& edge, const Take& k) {
  const Buf dry = edge;
  for (const Reflection& r : k.near) {
    OnePoleLP dull;
    dull.set(8000.0f, kRate);
    const size_t d = frames(r.at_s, kRate);
    for (size_t i = d; i < edge.size(); ++i) edge[i] += dull(dry[i - d]) * r.gain;
  }
}

// The muzzle's pressure wave: one sharp swing up and back through zero in
// about a millisecond, the broadband snap at the very front of the shot
// that reads as a crack before anything else is heard.
void add_muzzle_snap(Buf& b, float gain) {
  const double width = 0.0011;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = seconds_at(i);
    if (t > 2.0 * width) break;
    const double u = t / width;  // 0..2: positive lobe, then negative lobe
    b[i] += gain * static_cast<float>(std::sin(kPi * u) * std::exp(-0.6 * u));
  }
}

// The corridor the rifle is fired in, the same for every shot. First the
// nearest surfaces answer one by one, floor, near wall, far wall and
// ceiling between 10 and 40 ms, each later one fainter and darker; then
// the two walls throw the shot back and forth, a short flutter that dies
// in a tenth of a second; then the corridor's tail dies away over about
// half a second, darker than the shot (the walls swallow the crack) and
// without the thump (which would boom). It all sits far enough under the
// report that a burst keeps every shot distinct.
constexpr float corridor_gain = 0.16f;

constexpr Reflection kEarly[] = {{0.011, 1.0f}, {0.017, 0.8f}, {0.026, 0.65f}, {0.038, 0.5f}};
// The walls stand some 2.4 m apart: one round trip every 14 ms, each
// bounce losing a little and its top.
constexpr double kFlutterS = 0.014;
constexpr float kFlutterFeedback = 0.5f, kFlutterGain = 1.0f;
// The tail's level as the report leaves it, and once the corridor is full.
constexpr float kTailStart = 0.35f, kTailBloom = 1.5f;

void add_corridor(Buf& out, const Buf& dry) {
  // Two sets of walls a little apart make the tail dense enough to die
  // away smoothly.
  Reverb walls(kRate, 0.4f, 0.5f), far_walls(kRate, 0.4f, 0.5f, 37);
  Biquad no_boom, dark, darker;
  no_boom.highpass(170.0f, 0.7f, kRate);
  dark.lowpass(4000.0f, 0.7f, kRate);
  darker.lowpass(2200.0f, 0.7f, kRate);
  Buf wet(out.size(), 0.0f);
  for (size_t i = 0; i < out.size(); ++i) wet[i] = no_boom(i < dry.size() ? dry[i] : 0.0f);
  // The early reflections, each taken through its own low pass (the
  // farther surfaces darker).
  Buf early(out.size(), 0.0f);
  for (size_t k = 0; k < std::size(kEarly); ++k) {
    OnePoleLP surface;
    surface.set(5000.0f - 800.0f * static_cast<float>(k), kRate);
    const size_t d = frames(kEarly[k].at_s, kRate);
    for (size_t i = d; i < out.size(); ++i) early[i] += surface(wet[i - d]) * kEarly[k].gain;
  }
  // The flutter: a comb whose loop loses its top on every bounce.
  const size_t fd = frames(kFlutterS, kRate);
  Buf flutter(out.size(), 0.0f);
  OnePoleLP bounce;
  bounce.set(3000.0f, kRate);
  for (size_t i = fd; i < out.size(); ++i)
    flutter[i] = bounce(wet[i - fd] + flutter[i - fd] * kFlutterFeedback);
  // The tail blooms a little as the corridor fills, some 90-220 ms after
  // the shot, after the report's fast fall: the shot drops away at once,
  // then the corridor's darker answer swells and dies slowly.
  for (size_t i = 0; i < out.size(); ++i) {
    const float u = std::clamp((static_cast<float>(seconds_at(i)) - 0.085f) / 0.14f, 0.0f, 1.0f);
    const float bloom = kTailStart + (kTailBloom - kTailStart) * u * u * (3.0f - 2.0f * u);
    const float tail = darker(walls(wet[i]) + far_walls(wet[i])) * bloom;
    out[i] += (dark(early[i] + flutter[i] * kFlutterGain) + tail) * corridor_gain;
  }
}

// The levels of the crack's edge, the thump and the clean blast against
// the report: the edge gives the shot's first 30 ms a fifth to a quarter
// of their energy above 3 kHz, the thump about a tenth at 80-120 Hz, and
// the blast with the chamber's ring holds over a third of what the ear
// weighs at 150-800 Hz.
constexpr float edge_gain = 8.0f;
constexpr float thump_gain = 2.6f;
constexpr float snap_gain = 0.8f;
constexpr float blast_gain = 4.8f;
constexpr float body_gain = 7.8f;
constexpr float honk_cut = 1.0f;
constexpr float front_lift = 0.5f;

}  // namespace

Buf gunshot(int variant) {
  // A sharp report: the crack, a bright body in the upper midrange, the
  // weight of the blast in the low midrange and a short chest thump at
  // 80-120 Hz under it, the action cycling, then the corridor's answer.
  const Take& k = takes[std::clamp(variant, 1, 3) - 1];
  const float p = k.pitch;
  Rng crack(k.crack_seed), rng(k.blast_seed);
  // The crack runs a little ahead of the blast, by a different hair on
  // every round.
  const double lead = k.lead_ms / 1000.0;
  Buf b = blank(0.42), front = blank(0.42), edge = blank(0.42);
  add_crack(front, crack, k.crack_hz, 0.7f);
  add_with_bounce(b, front, k.bounce_ms, k.bounce);
  add_noise_burst(b, rng, lead + 0.0005, 2000.0f * p, 2.5f, 0.024f, 12.0f * k.body);
  add_noise_burst(b, rng, lead, 260.0f * p, 1.6f, k.blast_s, 5.2f);
  add_noise_burst(b, rng, lead, 640.0f * p, 1.4f, 0.032f * k.blast_s / 0.045f, 4.0f);
  for (float& s : b) s = std::tanh(s * 1.8f) / std::tanh(1.8f);
  add_muzzle_snap(edge, snap_gain);
  add_crack_edge(edge, crack, k.edge_lo_hz, k.edge_hi_hz, edge_gain * k.edge);
  add_near_answers(edge, k);
  add_with_bounce(b, edge, k.bounce_ms, k.bounce);
  // The saturator smears the blast up into 0.8-1.5 kHz, a honk between
  // the body and the crack; it is taken down so the two stay apart.
  Biquad honk;
  honk.bandpass(1100.0f, 1.6f, kRate);
  for (float& s : b) s -= honk_cut * honk(s);
  add_chest_thump(b, 1.0f + (p - 1.0f) * 0.5f, thump_gain * k.thump);
  add_action(b);
  // The blast's weight in the low midrange, kept clean of the saturator so
  // the brighter crack does not thin the shot out.
  add_noise_burst(b, rng, lead, 230.0f * p, 1.2f, 0.03f, blast_gain);
  Rng ring(k.blast_seed ^ 0xC4A3u);
  add_chamber_body(b, ring, lead, p, body_gain * k.chamber);
  // The report's first 10 ms stand above its ring, so the shot has one
  // sharp front rather than a flat plateau the body holds up.
  for (size_t i = 0; i < b.size(); ++i) b[i] *= 1.0f + front_lift * std::exp(-static_cast<float>(seconds_at(i)) / 0.007f);
  // Rounded off once more, sample by sample: the shot's first peaks are
  // then no longer left for the leveller's limiter, whose slower gain
  // would flatten the start of the report into its body.
  for (float& s : b) s = std::tanh(s * 1.2f) / std::tanh(1.2f);

  // The corridor answers; the report itself is over by 0.42 s, its tail
  // by about 0.75 s.
  Buf shot = blank(0.75);
  std::copy(b.begin(), b.end(), shot.begin());
  add_corridor(shot, b);
  b = std::move(shot);
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
  // The injector's short hiss, then a bright medical chime: four struck
  // glass bars rising quickly up a major chord, each ringing with its
  // inharmonic overtones (2.76 and 5.4 times its note) that reach 6-8 kHz,
  // the top note held longest, and a soft glittering shimmer above it that
  // fades into the room. Clean and high, nothing like the machinery's hum,
  // the brass call of a rescue or the cheats' chip and glitch.
  Rng rng(0x4EA1u);
  Buf b = blank(1.1);
  Biquad hiss, hiss_lo;
  hiss.bandpass(7000.0f, 1.2f, kRate);
  hiss_lo.highpass(3000.0f, 0.7f, kRate);
  for (size_t i = 0; i < frames(0.09, kRate); ++i) {
    const float t = static_cast<float>(seconds_at(i));
    b[i] += hiss_lo(hiss(rng.bi())) * 0.35f * std::min(1.0f, t / 0.006f) * std::exp(-t / 0.025f);
  }
  // A5, C#6, E6, A6: the rise of a quick arpeggio.
  const float notes[] = {81.0f, 85.0f, 88.0f, 93.0f};
  for (int k = 0; k < 4; ++k) {
    const float hz = midi_hz(notes[k]);
    const double at = 0.03 + 0.055 * k;
    const float ring = k == 3 ? 0.55f : 0.22f, gain = k == 3 ? 0.2f : 0.15f;
    Phase p0, p1, p2, p3, p4;
    const size_t s = frames(at, kRate);
    for (size_t i = s; i < b.size(); ++i) {
      const float t = static_cast<float>(seconds_at(i - s));
      const float env = std::exp(-t / ring);
      if (env < 1e-4f) break;
      const float att = std::min(1.0f, t / 0.0015f);
      // The bar's modes: the higher the mode the sooner it dies. Under
      // them a soft hum an octave down, a bell's warm body.
      const float x = 0.6f * sine(p0.step(hz * 0.5f, kRate)) + sine(p1.step(hz, kRate)) + 0.5f * std::exp(-t / (ring * 0.45f)) * sine(p2.step(hz * 2.756f, kRate)) +
                      0.45f * std::exp(-t / (ring * 0.2f)) * sine(p3.step(hz * 5.404f, kRate)) +
                      0.12f * std::exp(-t / 0.03f) * sine(p4.step(hz * 8.933f, kRate));
      b[i] += gain * env * att * x;
    }
  }
  // The shimmer: a cluster of soft high tones a few hertz apart, so they
  // twinkle against each other, swelling in as the top note lands and
  // fading slowly.
  const float glitter[] = {5274.0f, 5281.0f, 6645.0f, 6653.5f, 7902.0f};
  for (int k = 0; k < 5; ++k) {
    Phase ph;
    const size_t s = frames(0.2, kRate);
    for (size_t i = s; i < b.size(); ++i) {
      const float t = static_cast<float>(seconds_at(i - s));
      const float env = (1.0f - std::exp(-t / 0.04f)) * std::exp(-t / 0.3f);
      b[i] += 0.15f * env * sine(ph.step(glitter[k], kRate));
    }
  }
  // A small bright room, so the chime hangs in the air a moment.
  Buf out = add_reverb(b, kRate, 0.35f, 0.2f, 0.22f, 0.15f);
  decay_out(out, kRate, 0.3f);
  return out;
}

}  // namespace contentgen::sfx
