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
struct Take {
  float pitch;      // scales every frequency of the report
  float crack_hz;   // centre of the crack's band
  float body;       // level of the bright body against the blast
  float blast_s;    // how long the low blast rings
  float thump;      // the chest thump's level: a heavier report for a brighter crack
  float chamber;    // how hard the barrel and chamber ring after the blast
  float edge;       // the strength of the crack's top edge
  float edge_lo_hz, edge_hi_hz;  // the band of the crack's edge: each round snaps in its own colour
  float lead_ms;    // how far the crack runs ahead of the blast
  float snap_ms;    // the length of the shock wave's N
  float sizzle_lo_hz, sizzle_hi_hz;  // the band of the shock wave's grain
  uint32_t crack_seed, blast_seed, room_seed;
  float room = 1.0f;  // how hard the take's report drives the corridor
  float bite = 1.0f;  // the crack's bite at 1.5-3 kHz against the others'
  float boom = 1.0f;  // the blast's low midrange against the others'
  float low_trim = 0.0f;  // how much of its 130-300 Hz is taken out: a round that booms less
};

// The first take snaps wide and even, the second lower and rounder, the
// third high and thin; each has its own lead of the crack over the blast.
// All three are fired in the one corridor (the first take's answers).
const Take takes[] = {
    {1.00f, 3600.0f, 1.6f, 0.045f, 2.0f, 2.0f, 1.0f, 5000.0f, 8000.0f, 1.2f,
     0.55f, 5500.0f, 8500.0f, 0x5407u, 0x03F9u, 0x11D3u, 1.0f, 1.15f},
    {1.03f, 3800.0f, 2.65f, 0.041f, 2.5f, 2.55f, 1.1f, 4700.0f, 7500.0f, 1.8f,
     0.7f, 5000.0f, 8000.0f, 0x9C23u, 0x7A11u, 0x52E9u},
    {0.97f, 4100.0f, 1.6f, 0.052f, 1.8f, 1.7f, 1.0f, 5300.0f, 8500.0f, 2.4f,
     0.45f, 6000.0f, 9000.0f, 0x2B6Du, 0x3E91u, 0x7F05u, 1.0f, 1.0f, 0.6f, 0.5f},
};

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

// The crack's top edge, some 4.7-8.5 kHz by the take: the snap that
// small speakers play and the ear places at once, the shot's sharpest
// detail, ringing on for a few tens of milliseconds as a hiss of the
// corridor's hard walls. Its noise is held to about twice its own
// typical swing and filtered once more, so it carries its energy as a
// dense even grain rather than as a few tall spikes that would leap in
// one sample. Its grain differs from take to take, as one round's crack
// from the next.
constexpr float bite_hz = 2200.0f, bite_s = 0.02f;
constexpr float edge_ring_s = 0.04f, edge_rise_s = 0.0015f, edge_hold = 2.5f, edge_dip = 0.7f, edge_snap = 0.4f;

void add_crack_edge(Buf& b, Rng& rng, float lo_hz, float hi_hz, float gain) {
  Biquad hp1, hp2, lp1, lp2, lp3, lp4;
  hp1.highpass(lo_hz, 0.7f, kRate);
  hp2.highpass(lo_hz, 0.7f, kRate);
  lp1.lowpass(hi_hz, 0.7f, kRate);
  lp2.lowpass(hi_hz, 0.7f, kRate);
  lp3.lowpass(hi_hz, 0.7f, kRate);
  lp4.lowpass(hi_hz * 1.2f, 0.7f, kRate);
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    float env = std::min(1.0f, t / edge_rise_s) * (edge_snap * std::exp(-t / 0.003f) + 0.6f * (1.0f - edge_dip * std::exp(-t / 0.008f)) * std::exp(-t / edge_ring_s));
    if (t > edge_rise_s && env < 1e-4f) break;
    const float x = lp3(lp2(lp1(hp2(hp1(rng.bi())))));
    b[i] += lp4(std::tanh(x * edge_hold) / edge_hold) * env * gain;
  }
}

// How long the chest thump rings: it holds the shot's weight at 50-90 Hz
// for some 70 ms now that the corridor no longer carries the low midrange.
constexpr float thump_s = 0.035f;

// The weight of the shot in the chest: a clean low sine falling from about
// 88 to 58 Hz, strongest for its first 30 ms and 20 dB down by about 80 ms,
// so most of it lands in the 50-90 Hz band the body feels. It is added after the
// saturator so it stays a low weight rather than turning into midrange
// grit, and is softly held so its first swing cannot take the crack's
// headroom.
void add_chest_thump(Buf& b, float pitch, float gain) {
  // Long enough that the sine has died away by itself: a shorter buffer
  // cut its last 30 dB off in one step.
  Buf t = blank(0.4);
  Phase ph;
  for (size_t i = 0; i < t.size(); ++i) {
    const float s = static_cast<float>(seconds_at(i));
    const float env = std::min(1.0f, s / 0.002f) * std::exp(-s / thump_s);
    const float hz = pitch * (58.0f + 30.0f * std::exp(-s / 0.015f));
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

// The low end of the report does not stop with the blast: the corridor's
// steel and the air in it carry 55-140 Hz on for a few tenths of a second,
// swelling over 15 ms and dying by e every 90 ms, so the shot's weight
// fades away rather than ending. It is added after the report lets go,
// which would otherwise halve its decay, and is kept under 150 Hz so the
// low midrange still leaves the corridor quickly.
constexpr float low_decay_s = 0.09f;

void add_low_decay(Buf& b, Rng& rng, double lead, float gain) {
  Biquad hp, lp1, lp2;
  hp.highpass(55.0f, 0.7f, kRate);
  lp1.lowpass(140.0f, 0.7f, kRate);
  lp2.lowpass(140.0f, 0.7f, kRate);
  const size_t s = frames(lead, kRate);
  for (size_t i = s; i < b.size(); ++i) {
    const float t = static_cast<float>(seconds_at(i - s));
    const float fall = std::exp(-t / low_decay_s);
    if (fall < 1e-4f) break;
    b[i] += lp2(lp1(hp(rng.bi()))) * std::min(1.0f, t / 0.015f) * fall * gain;
  }
}

// The shock wave's grain against its N, and the corridor's answer in each
// band against the shot.
constexpr float sizzle_level = 0.6f, sizzle_s = 0.0015f, sizzle_hold = 0.12f;
constexpr float saturated_top_hz = 6000.0f;
constexpr int grain_snaps = 6;
constexpr float room_low = 0.02f, room_mid = 0.03f, room_high = 0.05f;

// The shock wave of the round going by: an N, rising in a third of a
// millisecond, falling straight through zero to as far below and
// returning. Riding on it is the crack's own grain: a few tiny snaps in
// its first 3 ms, each a fraction of a millisecond of bright noise cut off
// above 8-9 kHz, so the top of the shot comes from the crack's material
// and no single sample leaps (a one-sample edge was a digital tick, heard
// on top of the report and full band to 22 kHz). It starts a millisecond
// in, so the file's first sample stays quiet.
void add_shock_wave(Buf& b, Rng& rng, const Take& k, float gain) {
  // The back of the N is lower and softer than its front, as the wave
  // reaches the ear: two equal edges would notch the crack evenly.
  const size_t at = frames(0.001, kRate), n = std::max<size_t>(frames(k.snap_ms / 1000.0, kRate), 2);
  const size_t rise = frames(0.0003, kRate), close = frames(0.00025, kRate);
  const float back = 0.55f;
  for (size_t i = 0; i < rise + n + close && at + i < b.size(); ++i) {
    float v;
    if (i < rise) {
      v = 0.5f - 0.5f * std::cos(static_cast<float>(kPi) * static_cast<float>(i) / static_cast<float>(rise));
    } else if (i < rise + n) {
      v = 1.0f - (1.0f + back) * static_cast<float>(i - rise) / static_cast<float>(n);
    } else {
      const float u = static_cast<float>(i - rise - n) / static_cast<float>(close);
      v = -back * 0.5f * (1.0f + std::cos(static_cast<float>(kPi) * u));
    }
    b[at + i] += gain * v;
  }
  // The grain: where each tiny snap lands and how hard, drawn per round.
  struct Snap {
    float at_s, len_s, level;
  };
  std::vector<Snap> snaps;
  for (int s = 0; s < grain_snaps; ++s)
    snaps.push_back({rng.range(0.0f, 0.003f), rng.range(0.00025f, 0.0005f), rng.range(0.5f, 1.0f)});
  Biquad hp1, hp2, lp1, lp2, lp3;
  hp1.highpass(k.sizzle_lo_hz, 0.7f, kRate);
  hp2.highpass(k.sizzle_lo_hz, 0.7f, kRate);
  lp1.lowpass(k.sizzle_hi_hz, 0.7f, kRate);
  lp2.lowpass(k.sizzle_hi_hz, 0.7f, kRate);
  lp3.lowpass(k.sizzle_hi_hz, 0.7f, kRate);
  for (size_t i = at; i < b.size(); ++i) {
    const float t = static_cast<float>(seconds_at(i - at));
    if (t > 0.03f) break;
    float env = std::min(1.0f, t / 0.0003f) * (std::exp(-t / sizzle_s) + sizzle_hold * std::exp(-t / 0.006f));
    for (const Snap& s : snaps) {
      const float u = (t - s.at_s) / s.len_s;
      if (u > 0.0f && u < 1.0f) env += s.level * (0.5f - 0.5f * std::cos(static_cast<float>(kTwoPi) * u));
    }
    b[i] += lp3(lp2(lp1(hp2(hp1(rng.bi()))))) * env * gain * sizzle_level;
  }
}

// The corridor the rifle is fired in: a cloud of answers from every
// surface, none of them strong, at uneven times and of either sign, sparse
// at first and ever denser, so no one delay colours the shot as a comb
// would. The corridor is one; its answers fall a little differently for
// each round, as the muzzle points elsewhere. Each band has its own answers and dies at its
// own pace: the low midrange within a tenth of a second (a hard corridor
// does not boom), the upper midrange slowest, the top a little sooner as
// the walls swallow it. It all sits far enough under the report that a
// burst keeps every shot distinct.
struct RoomBand {
  float lo_hz, hi_hz;
  float decay_s;   // the answers' amplitude falls by e over this
  float length_s;  // and end here
  float gain;
};
constexpr RoomBand room_bands[] = {
    {170.0f, 800.0f, 0.022f, 0.12f, room_low},
    {1000.0f, 4000.0f, 0.17f, 0.9f, room_mid},
    {4000.0f, 12000.0f, 0.11f, 0.75f, room_high},
};

void add_corridor(Buf& out, const Buf& dry, uint32_t seed, float drive) {
  Rng rng(seed);
  for (const RoomBand& band : room_bands) {
    Biquad hp, lp;
    hp.highpass(band.lo_hz, 0.7f, kRate);
    lp.lowpass(band.hi_hz, 0.7f, kRate);
    Buf part(dry.size());
    for (size_t i = 0; i < dry.size(); ++i) part[i] = lp(hp(dry[i]));
    // The first answer a couple of milliseconds behind the shot; the gaps
    // shrink from about a millisecond to a fifth of one as the corridor
    // fills, each drawn at random.
    double t = 0.0022 + 0.0015 * rng.uni();
    while (t < band.length_s) {
      const float u = static_cast<float>(t / band.length_s);
      const float g = drive * band.gain * rng.range(0.4f, 1.0f) * (rng.uni() < 0.5f ? -1.0f : 1.0f) *
                      std::exp(-static_cast<float>(t) / band.decay_s) * (1.0f - u * u);
      const size_t d = frames(t, kRate);
      for (size_t i = 0; i < part.size() && d + i < out.size(); ++i) out[d + i] += g * part[i];
      const double gap = 0.0002 + 0.0011 * std::exp(-t / 0.03);
      t += gap * (0.3 + 1.4 * rng.uni());
    }
  }
}

// The saturators square the report off, and a square's edges are
// one-sample leaps: ticks over the whole band, a stripe to 22 kHz on every
// shot. They are rounded above the body's own band; the crack's edge and
// its grain, added after, carry the top.
void round_edges(Buf& b) {
  Biquad lp1, lp2, lp3;
  lp1.lowpass(saturated_top_hz, 0.6f, kRate);
  lp2.lowpass(saturated_top_hz, 0.6f, kRate);
  lp3.lowpass(saturated_top_hz, 0.6f, kRate);
  for (float& s : b) s = lp3(lp2(lp1(s)));
}

// The crack proper: the few milliseconds a listener knows a rifle by. A
// run of small, bright chirps, each rising in a fraction of a millisecond
// and sweeping down from the top of the band through 3 kHz, over a bed of
// 2-8 kHz noise, all within the first 7 ms: the shot's first 10 ms are
// bright, made of many small peaks, none of them a one-sample step.
constexpr int crack_chirps = 12;
constexpr float crack_bed = 0.8f;

void add_crack_layer(Buf& b, Rng& rng, float pitch, float gain) {
  const size_t at = frames(0.0008, kRate);
  for (int c = 0; c < crack_chirps; ++c) {
    const float start = c == 0 ? 0.0f : rng.range(0.0002f, 0.0055f);
    const float len = rng.range(0.0006f, 0.0012f), rise = rng.range(0.0003f, 0.0006f);
    const float from = pitch * rng.range(4200.0f, 5800.0f), to = pitch * rng.range(2400.0f, 3200.0f);
    const float level = (c == 0 ? 0.6f : rng.range(0.35f, 0.6f)) * (rng.uni() < 0.5f ? -1.0f : 1.0f);
    Phase ph;
    const size_t s = at + frames(start, kRate), n = frames(len * 3.0f, kRate);
    for (size_t i = 0; i < n && s + i < b.size(); ++i) {
      const float t = static_cast<float>(seconds_at(i));
      const float hz = to + (from - to) * std::exp(-t / (len * 0.5f));
      const float up = t < rise ? 0.5f - 0.5f * std::cos(static_cast<float>(kPi) * t / rise) : 1.0f;
      const float env = up * std::exp(-std::max(0.0f, t - rise) / (len * 0.6f));
      b[s + i] += gain * level * env * sine(ph.step(hz, kRate));
    }
  }
  Biquad hp1, hp2, lp1, lp2;
  hp1.highpass(2000.0f, 0.7f, kRate);
  hp2.highpass(2000.0f, 0.7f, kRate);
  lp1.lowpass(8000.0f, 0.7f, kRate);
  lp2.lowpass(8000.0f, 0.7f, kRate);
  for (size_t i = at; i < b.size(); ++i) {
    const float t = static_cast<float>(seconds_at(i - at));
    if (t > 0.03f) break;
    const float env = std::min(1.0f, t / 0.0005f) * std::exp(-t / 0.004f);
    b[i] += gain * crack_bed * lp2(lp1(hp2(hp1(rng.bi())))) * env;
  }
}

// The corridor's first answers: the near wall and the floor send the
// report back 19 and 31 ms later, duller than it left (the walls swallow
// the top), each a distinct slap rather than part of the wash. The same
// corridor for every take.
struct Slap {
  double at_s;
  float gain;
};
constexpr Slap slaps[] = {{0.019, 0.26f}, {0.031, -0.17f}};
constexpr float slap_top_hz = 2600.0f, slap_low_hz = 180.0f;

void add_slaps(Buf& out, const Buf& dry) {
  Buf dull(dry.size());
  Biquad lp1, lp2, hp;
  lp1.lowpass(slap_top_hz, 0.7f, kRate);
  lp2.lowpass(slap_top_hz, 0.7f, kRate);
  hp.highpass(slap_low_hz, 0.7f, kRate);
  for (size_t i = 0; i < dry.size(); ++i) dull[i] = hp(lp2(lp1(dry[i])));
  for (const Slap& s : slaps) {
    const size_t d = frames(s.at_s, kRate);
    for (size_t i = 0; i < dull.size() && d + i < out.size(); ++i) out[d + i] += s.gain * dull[i];
  }
}

// The report's boxy 400 Hz-1 kHz taken down by some 3.5 dB: the body's
// weight stays, the shot no longer honks like a closed box.
constexpr float box_hz = 640.0f, box_q = 0.75f, box_cut = -0.33f;

// Where two bright layers meet in phase, one sample may still leap far
// more than the rest: just those few samples are smoothed with their
// neighbours until no step exceeds `most` of the shot's peak, so no full-band
// tick rides on the crack. Everything else is left as it is.
void tame_steps(Buf& b, float most) {
  const float limit = most * peak(b);
  for (int pass = 0; pass < 8; ++pass) {
    bool any = false;
    for (size_t i = 1; i + 1 < b.size(); ++i) {
      if (std::fabs(b[i] - b[i - 1]) <= limit) continue;
      const float a = b[i - 1], c = b[i], d = b[i + 1];
      b[i - 1] = 0.25f * (i >= 2 ? b[i - 2] : a) + 0.5f * a + 0.25f * c;
      b[i] = 0.25f * a + 0.5f * c + 0.25f * d;
      any = true;
    }
    if (!any) break;
  }
}

// The levels of the crack's edge, the thump and the clean blast against
// the report: the edge and the shock wave make the shot's first 10 ms
// bright up to the top of the band, the thump gives about a tenth at
// 80-120 Hz, and the blast with the chamber's ring holds over a third of
// what the ear weighs at 150-800 Hz.
constexpr float edge_gain = 5.0f;
constexpr float thump_gain = 3.3f;
constexpr float snap_gain = 0.6f;
constexpr float bite_gain = 3.0f;
constexpr float blast_gain = 6.6f;
constexpr float bright_gain = 20.0f;
constexpr float body_gain = 8.1f;
constexpr float honk_cut = 1.0f;
constexpr float front_lift = 0.8f;
constexpr float round_drive = 1.2f;
constexpr float let_go_s = 0.1f;
constexpr float snap_knee = 1.0f;
constexpr float low_decay_gain = 6.0f;
constexpr float crack_gain = 0.7f;
constexpr float blast_top_hz = 2000.0f, blast_arrive_s = 0.012f, blast_early = 0.2f;
// The report's own bright front under the crack: the crack takes its place.
constexpr float old_crack = 1.0f;
constexpr float step_most = 0.4f;

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
  add(b, front);
  add_noise_burst(b, rng, lead + 0.0005, 1850.0f * p, 2.5f, 0.024f, bright_gain * k.body);
  add_noise_burst(b, rng, lead, 260.0f * p, 1.6f, k.blast_s, 5.2f * k.boom);
  add_noise_burst(b, rng, lead, 640.0f * p, 1.4f, 0.032f * k.blast_s / 0.045f, 4.0f);
  for (float& s : b) s = std::tanh(s * 1.8f) / std::tanh(1.8f);
  round_edges(b);
  // The saturator smears the blast up into 0.8-1.5 kHz, a honk between
  // the body and the crack; it is taken down so the two stay apart.
  Biquad honk;
  honk.bandpass(1100.0f, 1.6f, kRate);
  for (float& s : b) s -= honk_cut * honk(s);
  add_chest_thump(b, 1.0f + (p - 1.0f) * 0.5f, thump_gain * k.thump);
  add_action(b);
  // The blast's weight in the low midrange, kept clean of the saturator so
  // the brighter crack does not thin the shot out.
  add_noise_burst(b, rng, lead, 230.0f * p, 1.2f, 0.03f, blast_gain * k.boom);
  Rng ring(k.blast_seed ^ 0xC4A3u);
  add_chamber_body(b, ring, lead, p, body_gain * k.chamber);
  // The report's first 10 ms stand above its ring, so the shot has one
  // sharp front rather than a flat plateau the body holds up.
  for (size_t i = 0; i < b.size(); ++i)
    b[i] *= 1.0f + front_lift * std::exp(-std::max(0.0f, static_cast<float>(seconds_at(i) - lead)) / 0.009f);
  // Rounded off once more, sample by sample: the shot's first peaks are
  // then no longer left for the leveller's limiter, whose slower gain
  // would flatten the start of the report into its body.
  for (float& s : b) s = std::tanh(s * round_drive) / std::tanh(1.2f);
  round_edges(b);
  // The report lets go after its first 12 ms, so its front stands over its
  // body and the fastest burst still drops between its shots.
  for (size_t i = 0; i < b.size(); ++i) {
    const float t = static_cast<float>(seconds_at(i));
    if (t > 0.012f) b[i] *= std::exp(-(t - 0.012f) / let_go_s);
  }
  // The shock wave comes after every saturator, which would round its
  // edges off and take the snap's top with them.
  add_shock_wave(b, crack, k, snap_gain);
  // Its peaks are rounded to the body's own, so the leveller's limiter,
  // which recovers slowly, does not duck the blast behind it.
  for (float& s : b) {
    const float over = std::fabs(s) - snap_knee;
    if (over > 0.0f) s = std::copysign(snap_knee + 0.25f * std::tanh(over * 4.0f), s);
  }
  // The crack's edge comes after every saturator and the knee, so its top
  // is its own bright noise, neither squared off nor pressed flat on the
  // report's peaks.
  add_crack_edge(edge, crack, k.edge_lo_hz, k.edge_hi_hz, edge_gain * k.edge);
  add(b, edge);
  // The crack's bite at 1.5-3 kHz, clean of the saturators so it keeps its
  // own grain: the part of the snap the ear is keenest for.
  add_noise_burst(b, crack, lead + 0.0005, bite_hz * p, 1.4f, bite_s, bite_gain * k.bite);
  colour(b, {{Colour::Peak, box_hz * p, box_cut, box_q}, {Colour::Peak, 200.0f, -k.low_trim, 0.8f}});
  // The crack reaches the ear ahead of the muzzle's blast: the report's
  // low part swells in over its first milliseconds, so the shot opens on
  // the crack and the weight lands just behind it.
  {
    // Split without a phase shift (run forward, then backward), so taking
    // the low part away does not lift the band around its edge.
    const size_t n = std::min(b.size(), frames(blast_arrive_s, kRate)), m = std::min(b.size(), n + frames(0.03, kRate));
    Buf low(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(m));
    Biquad fwd, back;
    fwd.lowpass(blast_top_hz, 0.7f, kRate);
    back.lowpass(blast_top_hz, 0.7f, kRate);
    for (float& x : low) x = fwd(x);
    for (size_t i = m; i-- > 0;) low[i] = back(low[i]);
    for (size_t i = 0; i < n; ++i) {
      const float u = std::clamp((static_cast<float>(i) - static_cast<float>(n) * 0.4f) / (static_cast<float>(n) * 0.6f), 0.0f, 1.0f);
      const float g = blast_early + (1.0f - blast_early) * (0.5f - 0.5f * std::cos(static_cast<float>(kPi) * u));
      const float g_top = old_crack + (1.0f - old_crack) * (g - blast_early) / (1.0f - blast_early);
      b[i] = g_top * (b[i] - low[i]) + g * low[i];
    }
  }
  // The crack itself comes last, over everything, so nothing rounds it.
  add_crack_layer(b, crack, p, crack_gain);

  // The corridor answers; the report itself is over by 0.42 s, its tail
  // falls 40 dB in about 0.6 s and is gone by 0.95 s.
  Buf shot = blank(0.95);
  std::copy(b.begin(), b.end(), shot.begin());
  add_slaps(shot, b);
  add_corridor(shot, b, takes[0].room_seed, k.room);
  add_low_decay(shot, ring, lead, low_decay_gain);
  b = std::move(shot);
  // The saturator leaves a slow offset under the blast; it is inaudible and
  // would only take headroom from the crack.
  Biquad hp;
  hp.highpass(32.0f, 0.7f, kRate);
  for (float& s : b) s = hp(s);
  // The report swells in over its first 1.2 ms: a shaped transient, where
  // a first sample at a quarter of full scale was a click ahead of it.
  rise_in(b, kRate, 1.2f);
  tame_steps(b, step_most);
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
  add_noise_burst(b, rng, strike, 2600.0f, 0.6f, 0.0025f, 1.0f);
  add_noise_burst(b, rng, strike, 6500.0f, 1.0f, 0.0008f, 0.6f);
  // The knock is small steel, not a drum: no weight under 300 Hz.
  add_thump(b, strike, 520.0f, 380.0f, 0.006f, 0.1f);
  // The frame's modes, inharmonic and damped by the grip within a few ms.
  const float modes[][3] = {{910.0f, 0.008f, 0.22f}, {1480.0f, 0.006f, 0.16f}, {3150.0f, 0.0035f, 0.12f}};
  for (const auto& m : modes) add_ping(b, strike, m[0], m[1], m[2]);
  add_noise_burst(b, rng, strike + 0.011, 3800.0f, 1.0f, 0.0012f, 0.45f);
  // Its noise kept under about 8 kHz: above, the strike leapt 0.7 of full
  // scale in one sample, a digital tick on top of the knock. The noise
  // bursts' filters leave a slow swell under the click; a click has no body
  // down there to keep.
  colour(b, {{Colour::LowPass, 8000.0f}, {Colour::LowPass, 8000.0f}, {Colour::HighPass, 220.0f}});
  return b;
}

Buf ammo_pickup() {
  // A fresh magazine: slide in, latch clack, the bolt racked, a small ready tone.
  Rng rng(0xA770u);
  Buf b = blank(0.75);
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
  // Each metal contact has its bright edge of air, over 8 kHz.
  for (double at : {0.12, 0.26, 0.33}) add_noise_burst(b, rng, at, 10000.0f, 1.2f, 0.004f, 0.5f);
  // The feed lips scrape along the magazine as it goes home, a fine hiss
  // over the slide, and the bolt's steel rings briefly and high.
  for (double at : {0.04, 0.07, 0.1}) add_noise_burst(b, rng, at, 6500.0f, 1.5f, 0.012f, 0.7f);
  add_ping(b, 0.26, 5870.0f, 0.02f, 0.06f);
  add_ping(b, 0.331, 6930.0f, 0.015f, 0.05f);
  add_bell(b, 0.40, 1318.5f, 2.0f, 1.0f, 0.08f, 0.22f);
  add_bell(b, 0.46, 1760.0f, 2.0f, 1.0f, 0.09f, 0.22f);
  // The ready tone rings out to silence instead of stopping mid-ring.
  decay_out(b, kRate, 0.2f);
  return b;
}

Buf heal_pickup() {
  // The injector's short hiss, then a soft medical bell: four notes rising
  // quickly up a major chord, each a two-operator FM bell whose bright
  // opening (the modulator at 1.4 times the note, its depth dying fast)
  // softens to a warm, round tone with a hum an octave down, the top note
  // held longest. Breath runs through every note, and over the top note a
  // breathy shimmer of air, glittering above 5 kHz, fades into the room.
  // Soft and airy, nothing like the machinery's hum, the brass call of a
  // rescue or the cheats' chip and glitch.
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
    const float ring = k == 3 ? 0.5f : 0.2f, gain = k == 3 ? 0.2f : 0.15f;
    Phase car, mod, sub;
    // The breath around the note: noise in a band a little wider than the
    // note's own, following its ring.
    Biquad breath;
    breath.bandpass(hz, 6.0f, kRate);
    OnePoleLP shake;
    shake.set(90.0f, kRate);
    const size_t s = frames(at, kRate);
    for (size_t i = s; i < b.size(); ++i) {
      const float t = static_cast<float>(seconds_at(i - s));
      const float env = std::exp(-t / ring);
      if (env < 1e-4f) break;
      const float att = std::min(1.0f, t / 0.003f);
      const float index = 0.3f + 1.5f * std::exp(-t / 0.05f);
      const float m = sine(mod.step(hz * 1.4f, kRate)) * index;
      // The tone wavers a little with the breath, so it is no steady line.
      const float w = 1.0f + 0.004f * shake(rng.bi()) * 12.0f;
      const double cp = car.step(hz * w, kRate);
      const float x = static_cast<float>(std::sin(kTwoPi * cp + m)) + 1.0f * sine(sub.step(hz * 0.5f, kRate)) +
                      1.6f * breath(rng.bi());
      b[i] += gain * env * att * x;
    }
  }
  // The shimmer: air glittering above 5 kHz, shaken into sparkles, swelling
  // in as the top note lands and fading slowly; a faint pair of high tones
  // a few hertz apart twinkles inside it.
  {
    Biquad band, band_hi;
    band.bandpass(6200.0f, 2.5f, kRate);
    band_hi.bandpass(8300.0f, 3.0f, kRate);
    OnePoleLP sparkle;
    sparkle.set(30.0f, kRate);
    Phase p1, p2;
    const size_t s = frames(0.2, kRate);
    for (size_t i = s; i < b.size(); ++i) {
      const float t = static_cast<float>(seconds_at(i - s));
      const float env = (1.0f - std::exp(-t / 0.04f)) * std::exp(-t / 0.3f);
      const float glint = std::clamp(0.6f + 14.0f * sparkle(rng.bi()), 0.0f, 1.6f);
      const float x = rng.bi();
      b[i] += env * (0.7f * glint * (band(x) + 0.7f * band_hi(x)) +
                     0.04f * (sine(p1.step(6645.0, kRate)) + sine(p2.step(6653.5, kRate))));
    }
  }
  // A small bright room, so the bell hangs in the air a moment.
  Buf out = add_reverb(b, kRate, 0.35f, 0.2f, 0.3f, 0.15f);
  decay_out(out, kRate, 0.3f);
  return out;
}

}  // namespace contentgen::sfx
