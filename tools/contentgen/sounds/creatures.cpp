// The creatures' attack shrieks and death cries, the egg, and the cocoon.
#include "sounds/effects.h"
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

// An attacking creature's cry, one gesture: a throat whose pitch follows
// `pitch` (each take rises and falls in its own way), through a mouth whose
// resonances glide along `mouth` (the vowel changing as the jaw opens and
// closes), broken by a growl: every other glottal pulse weakened and moved
// by a random amount, so the voice splits into rough undertones instead of
// holding a steady stack of overtones. Breath runs through the same mouth.
struct Cry {
  float seconds;
  Contour pitch;
  std::vector<Vowel> mouth;  // evenly spaced over the cry
  float mouth_scale = 1.0f;  // a creature's mouth is not a man's
  float growl0, growl1;      // how rough the throat is at the start and the end
  float breath;              // air through the mouth, as a share of the voice
  float flutter;             // depth of an uneven 15-40 Hz shudder in loudness
  float gain = 1.0f;
  float attack_s = 0.004f;
  float release_s = 0.1f;
  uint32_t seed;
  float wander = 0.25f;  // how far the pitch strays, slowly, from the contour
  float stray = 0.18f;   // how far one rough pulse's length strays from the next
  float aspiration = 0.35f;  // air hissed through the mouth with each pulse, as a share of the voice
  float breaks = 3.0f;       // how many times a second the voice swells and catches
  float undertone = 0.75f;   // how far every other pulse sags in a growl burst (0: no bursts)
  float jitter = 0.035f;     // the least any pulse's length strays from the last, however smooth the voice
  float turbulence = 0.6f;   // air torn through the folds with each pulse, voicing the mouth as noise does
  float sweep = 0.5f;        // how far the mouth follows the pitch: it opens as the cry climbs
  float dropout = 0.05f;     // the chance that a pulse fails, the folds slapping shut half-blown
};

// Where a cry's loudness swells and catches: a slow surge, and every so
// often a catch of the breath that drops the voice 8-12 dB for a few tens
// of ms before it comes back, so the cry never holds one level.
struct Swell {
  explicit Swell(Rng& rng, float per_second) : rng_(rng), rate_(per_second) {}
  float at(float t) {
    if (t >= next_) {
      start_ = t;
      len_ = rng_.range(0.07f, 0.12f);
      depth_ = rng_.range(0.7f, 0.82f);
      next_ = t + rng_.range(0.5f, 1.5f) / rate_;
    }
    const float u = (t - start_) / len_;
    const float dip = u < 1.0f ? depth_ * std::sin(static_cast<float>(kPi) * u) : 0.0f;
    surge_ += (rng_.bi() - surge_) * 0.0004f;
    return (1.0f - dip) * (1.0f + 0.35f * std::sin(static_cast<float>(kTwoPi) * 2.3f * t + 6.0f * surge_));
  }

 private:
  Rng& rng_;
  float rate_, start_ = -1.0f, len_ = 0.05f, depth_ = 0.0f, surge_ = 0.0f;
  float next_ = 0.08f;
};

void add_cry(Buf& b, double at, const Cry& c) {
  Buf out = blank(c.seconds);
  Rng rng(c.seed);
  Phase glottis;
  Biquad f1, f2, f3, a1, a2, a3, air_lo, air_hi;
  OnePoleLP jitter, shudder, drift;
  jitter.set(40.0f, kRate);
  shudder.set(28.0f, kRate);
  drift.set(4.0f, kRate);
  // The aspiration's own band above the formants: the air at the teeth.
  air_lo.highpass(2500.0f, 0.707f, kRate);
  air_hi.lowpass(14000.0f, 0.707f, kRate);
  Swell swell(rng, c.breaks);
  const std::vector<Vowel>& path = c.mouth;
  double last = 0.0;
  float pulse_gain = 1.0f, stretch = 1.0f, puff = 0.0f;
  bool odd = false;
  // The pitch the cry is centred on, so the mouth can open as it climbs.
  float centre = 0.0f;
  for (int k = 0; k <= 16; ++k) centre += std::log(c.pitch.at(c.seconds * k / 16.0f)) / 17.0f;
  centre = std::exp(centre);
  // Growl bursts: stretches where every other pulse collapses and lags,
  // dropping the voice into an undertone an octave down.
  float growl_until = 0.0f, next_growl = rng.range(0.05f, 0.25f);
  for (size_t i = 0; i < out.size(); ++i) {
    const float t = static_cast<float>(seconds_at(i)), u = t / c.seconds;
    if (i % 32 == 0) {
      const float pos = u * static_cast<float>(path.size() - 1);
      const size_t k = std::min(static_cast<size_t>(pos), path.size() - 1), k2 = std::min(k + 1, path.size() - 1);
      const float v = pos - static_cast<float>(k);
      // The jaw and tongue never hold still: each formant drifts on its own.
      const float sway = (1.0f + 0.8f * drift(rng.bi())) * std::pow(c.pitch.at(t) / centre, c.sweep);
      auto mix = [&](float a, float z) { return (a + (z - a) * v) * c.mouth_scale; };
      const float m1 = mix(path[k].f1, path[k2].f1) * sway, m2 = mix(path[k].f2, path[k2].f2) / sway,
                  m3 = mix(path[k].f3, path[k2].f3) * sway;
      f1.bandpass(m1, 3.0f, kRate);
      f2.bandpass(m2, 4.5f, kRate);
      f3.bandpass(m3, 6.0f, kRate);
      // The breath takes the same mouth, more loosely.
      a1.bandpass(m1, 1.2f, kRate);
      a2.bandpass(m2, 1.5f, kRate);
      a3.bandpass(m3, 2.0f, kRate);
    }
    if (t >= next_growl) {
      growl_until = t + rng.range(0.06f, 0.16f);
      next_growl = growl_until + rng.range(0.12f, 0.4f);
    }
    const bool growling = t < growl_until;
    const float rough = c.growl0 + (c.growl1 - c.growl0) * u;
    const float hz = c.pitch.at(t) * stretch * (1.0f + c.wander * jitter(rng.bi()));
    const double ph = glottis.step(hz, kRate);
    if (ph < last) {
      // A new glottal pulse: the odd ones sag and every one strays in length.
      odd = !odd;
      const float usual = rough * (0.4f + 0.6f * rng.uni());
      const float sag = growling ? std::max(usual, c.undertone) : usual;
      pulse_gain = (odd ? 1.0f - sag : 1.0f) * (1.0f + 0.3f * rng.bi());
      // Now and then a pulse fails outright, and the next comes late.
      const bool fails = rng.uni() < c.dropout;
      if (fails) pulse_gain *= 0.15f;
      stretch = (1.0f + std::max(rough * c.stray, c.jitter) * rng.bi()) *
                (growling && odd ? 1.0f + 0.16f * c.undertone : 1.0f) * (fails ? 1.25f : 1.0f);
      puff = 1.0f;
    }
    last = ph;
    puff *= 0.9985f;
    const float n = rng.bi();
    // Turbulence: the air through the folds is torn into noise strongest
    // as each pulse opens them, so the voice is half tone and half rush.
    const float torn = c.turbulence * rng.bi() * (0.3f + 0.7f * puff) * std::max(0.3f, pulse_gain);
    const float src = blep_saw(ph, hz / kRate) * pulse_gain + c.breath * 2.0f * n + torn;
    // Air puffs out with each pulse as the folds part, then thins.
    const float asp = n * c.aspiration * (0.35f + 0.65f * puff);
    const float y = f1(src) * 1.2f + f2(src) * 0.9f + f3(src) * 0.5f + a1(asp) * 0.8f + a2(asp) * 0.9f +
                    a3(asp) * 0.7f + air_hi(air_lo(asp)) * 0.25f;
    const float env = std::min(1.0f, t / c.attack_s) * std::clamp((c.seconds - t) / c.release_s, 0.0f, 1.0f);
    const float shake = std::max(0.0f, 1.0f + c.flutter * shudder(rng.bi()) * 8.0f);
    out[i] = std::tanh(y * 2.5f) * env * shake * swell.at(t) * c.gain;
  }
  add(b, out, frames(at, kRate));
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
        Buf yelp = throat({.seconds = len,
                           .pitch = {{{0.0f, rise[k]}, {len * 0.6f, crest[k]}, {len, crest[k] * 1.25f}}},
                           .mouth = {kVowelU, kVowelE, kVowelI, kVowelI},
                           .mouth_scale = 1.9f,
                           .wander = 0.04f,
                           .jitter = 0.04f,
                           .shimmer = 0.35f,
                           .rough0 = 0.5f,
                           .rough1 = 0.8f,
                           .breath = 0.2f,
                           .tension = 0.14f,
                           .top_hz = 5000.0f,
                           .lips = 4,
                           .air_lo_hz = 7000.0f,
                           .air_hz = 22000.0f,
                           .air = 0.04f,
                           .sweep = 0.6f,
                           .drive = 2.0f,
                           .attack_s = 0.003f,
                           .release_s = 0.02f,
                           .seed = 0x2A0u + static_cast<uint32_t>(k)});
        add(b, yelp, frames(yelp_at[k], kRate), k == 0 ? 1.0f : 0.8f);
        // A snap of the mandibles between the yelps.
        add_noise_burst(b, rng, yelp_at[k] + len, 3000.0f, 2.0f, 0.006f, 0.4f);
      }
      // The yelps shrill at 2-3 kHz, the top of their leap: the hugger's
      // cry is its high end, where the far warrior's is only a muffled middle.
      colour(b, {{Colour::Peak, 2600.0f, 1.5f, 1.0f}});
      // Under the yelps a small throat rattles, quick and uneven, and
      // nothing of it reaches the air above the yelps.
      Buf rattle = blank(0.5);
      add_growl(rattle, rng, 0.0, {.seconds = 0.5f, .hz0 = 130.0f, .hz1 = 100.0f, .gain = 1.0f, .formant = 600.0f,
                                   .rattle_hz = 45.0f, .rattle_spread = 0.6f, .rasp = 0.3f});
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
      // One great throat: slack folds, so the voice is rough and full of
      // undertones, through a deep mouth that opens from "oh" to "ah" as
      // she swells; strained, its rasp reaches up to 2-5 kHz, and her
      // breath is torn from the same pulses rather than hissed beside them.
      Buf roar = throat({.seconds = 1.3f,
                         // It swells, its voice cracks down a step at the top,
                         // climbs once more and sinks back.
                         .pitch = {{{0.0f, 110.0f}, {0.12f, 196.0f}, {0.55f, 218.0f}, {0.61f, 170.0f},
                                    {0.9f, 178.0f}, {1.1f, 128.0f}, {1.3f, 100.0f}}},
                         .mouth = {kVowelO, kVowelA, kVowelA, kVowelE, kVowelU},
                         .mouth_scale = 0.62f,
                         .wander = 0.04f,
                         .jitter = 0.02f,
                         .shimmer = 0.4f,
                         .rough0 = 0.1f,
                         .rough1 = 0.3f,
                         .breath = 0.3f,
                         .tension = 0.1f,
                         .top_hz = 6500.0f,
                         .lips = 4,
                         .air_lo_hz = 9000.0f,
                         .air_hz = 22000.0f,
                         .air = 1.1f,
                         .sweep = 0.4f,
                         .bright = 1.6f,
                         .drive = 2.5f,
                         .attack_s = 0.01f,
                         .release_s = 0.5f,
                         .seed = 0x3A0u});
      add(b, roar, 0, 1.0f);
      for (size_t i = 0; i < b.size(); ++i) b[i] *= 1.0f + 0.5f * std::exp(-static_cast<float>(seconds_at(i)) / 0.09f);
      add_thump(b, 0.0, 90.0f, 40.0f, 0.25f, 0.5f);
      // Her chest thinned under 260 Hz (the attack is thrown forward, the
      // growl's middle carries it) and nothing much past her rasp: a roar,
      // never a whistle.
      colour(b, {{Colour::HighPass, 180.0f}, {Colour::HighPass, 180.0f}, {Colour::Peak, 300.0f, 2.0f, 1.0f}});
      // The strain in her throat rings at 2.5-4 kHz, the edge that carries
      // her roar over the guns.
      colour(b, {{Colour::Peak, 2700.0f, 2.0f, 1.2f}, {Colour::Peak, 3800.0f, 1.2f, 1.5f}});
      heave(b, 0x3B0u, 24.0f, 4.0f);
      Buf wet = add_reverb(b, kRate, 0.5f, 0.5f, 0.3f, 0.2);
      open_at_peak(wet, 0.04f, 0.9f);
      return wet;
    }
    default: {  // warrior: a snarl through its teeth that climbs into a screech and breaks
      Buf b = blank(0.8);
      add_cry(b, 0.0, {.seconds = 0.8f,
                       .pitch = {{{0.0f, 240.0f}, {0.12f, 480.0f}, {0.32f, 900.0f}, {0.45f, 1050.0f}, {0.8f, 420.0f}}},
                       .mouth = {kVowelU, kVowelA, kVowelE, kVowelI, kVowelA, kVowelO},
                       .mouth_scale = 1.15f,
                       .growl0 = 1.0f,
                       .growl1 = 0.6f,
                       .breath = 0.3f,
                       .flutter = 0.3f,
                       .attack_s = 0.005f,
                       .release_s = 0.3f,
                       .seed = 0x1A0u,
                       .aspiration = 0.2f});
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
                           .air_lo_hz = 7000.0f,
                           .air_hz = 18000.0f,
                           .air = 1.2f,
                           .sweep = 0.5f,
                           .drive = 2.5f,
                           .attack_s = 0.004f,
                           .release_s = 0.3f,
                           .seed = 0x2D0u});
      add(b, squeal, 0, 1.2f);
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
      Buf b = shriek({.seconds = 1.1f,
                      .pitch = {{{0.0f, 950.0f}, {0.12f, 1150.0f}, {1.1f, 360.0f}}},
                      .ratio = 2.2f, .index = 3.0f, .breath = 0.45f, .roughness = 0.9f,
                      .attack_s = 0.01f, .release_s = 0.5f, .seed = 12});
      scale(b, 0.65f);
      // Open-throated and sobbing: a higher chest, breath through it, and a
      // slow rattle that falls apart as the cry drowns.
      add_growl(b, rng, 0.0, {.seconds = 1.0f, .hz0 = 210.0f, .hz1 = 85.0f, .gain = 0.9f, .release_s = 0.45f,
                              .formant = 600.0f, .rattle_hz = 14.0f, .rattle_spread = 0.45f, .rasp = 0.55f});
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
      colour(b, {{Colour::Peak, 1500.0f, -0.85f, 0.9f}, {Colour::Peak, 12000.0f, 3.0f, 0.9f}});
      // The gasp has no bite of teeth in it: the band at 6-10 kHz, where
      // the attack's snarl hisses, is hollowed out.
      colour(b, {{Colour::Peak, 6500.0f, -0.9f, 0.8f}, {Colour::Peak, 8500.0f, -0.9f, 0.8f},
                 {Colour::Peak, 7500.0f, -0.9f, 0.6f}});
      // Under the open throat its great chest still heaves: a low, rough
      // groan under 300 Hz, falling as the cry drowns.
      add_chest(b, 0xD1Cu, 0.0, {.seconds = 1.0f, .hz0 = 95.0f, .hz1 = 55.0f, .gain = 0.45f, .release_s = 0.45f,
                                 .formant = 150.0f, .rattle_hz = 13.0f, .rattle_spread = 0.5f, .rasp = 0.4f});
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
  Buf b = blank(kind == 2 ? 0.75 : 1.1);
  if (kind == 2) {
    // The hugger: a thin squeal that jumps, snaps down and sinks.
    add_cry(b, 0.0, {.seconds = 0.7f,
                     .pitch = {{{0.0f, 820.0f}, {0.06f, 1200.0f}, {0.3f, 1320.0f}, {0.32f, 950.0f}, {0.7f, 640.0f}}},
                     .mouth = {kVowelE, kVowelI, kVowelE, kVowelU},
                     .mouth_scale = 1.5f,
                     .growl0 = 0.2f,
                     .growl1 = 0.5f,
                     .breath = 0.1f,
                     .flutter = 0.1f,
                     .attack_s = 0.004f,
                     .release_s = 0.3f,
                     .seed = 0x2F0u,
                     .wander = 0.05f,
                     .stray = 0.03f,
                     .aspiration = 0.2f,
                     .undertone = 0.0f,
                     .turbulence = 0.25f});
    return b;
  }
  // The warrior: an open-throated howl that bursts out at its highest,
  // breaks and sinks the whole way down as it drowns: a death falls.
  add_cry(b, 0.0, {.seconds = 1.05f,
                   .pitch = {{{0.0f, 400.0f}, {0.06f, 430.0f}, {0.3f, 380.0f}, {0.33f, 300.0f}, {0.7f, 250.0f},
                              {1.05f, 180.0f}}},
                   .mouth = {kVowelA, kVowelO, kVowelA, kVowelO, kVowelU},
                   .mouth_scale = 0.9f,
                   .growl0 = 0.3f,
                   .growl1 = 0.6f,
                   .breath = 0.12f,
                   .flutter = 0.1f,
                   .attack_s = 0.006f,
                   .release_s = 0.4f,
                   .seed = 0x1F0u,
                   .wander = 0.05f,
                   .stray = 0.03f,
                   .aspiration = 0.1f,
                   .undertone = 0.0f,
                   .turbulence = 0.15f});
  return b;
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
  // is the band from 400 Hz to about 2 kHz, a throat's rattle in it, and
  // the bare metal ringing at 1.8 and 3 kHz, so it is muffled yet still
  // a cry, and darker than any near death.
  Buf near = far_cry(1);
  Rng rng(0xFA41u);
  add_growl(near, rng, 0.0, {.seconds = 1.0f, .hz0 = 150.0f, .hz1 = 70.0f, .gain = 0.3f, .release_s = 0.5f,
                             .formant = 330.0f, .rattle_hz = 12.0f, .rattle_spread = 0.5f, .rasp = 0.4f});
  colour(near, {{Colour::Peak, 3000.0f, 6.5f, 1.4f}});
  Buf far = heard_down_the_ship(near, 400.0f, 2200.0f, 1800.0f, 1.0f,
                                {{0.085f, 0.3f, 3500.0f}, {0.16f, 0.2f, 2800.0f}, {0.26f, 0.12f, 2200.0f}},
                                0.85f, 0.3f, 0.6);
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
  add_teeth(far, rng, 11000.0f, 18000.0f, 0.2f);
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
  // Muffled by the shell and the fluid: nothing much above 6 kHz, where a
  // man's dying cry still rasps.
  colour(b, {{Colour::LowPass, 6000.0f}, {Colour::LowPass, 6000.0f}, {Colour::LowPass, 6000.0f}});
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
  for (int k = 0; k < 70; ++k) {
    // Tearing grains come closer together as the flesh gives way.
    double u = std::sqrt((k + rng.uni()) / 70.0);
    double at = 0.1 + 1.75 * u;
    add_noise_burst(b, rng, at, rng.range(350.0f, 1600.0f), rng.range(2.0f, 6.0f), rng.range(0.008f, 0.03f),
                    0.5f + 0.6f * static_cast<float>(u));
    // The skin's fibres part with a wet crackle high above the tearing.
    add_noise_burst(b, rng, at + 0.004, rng.range(1800.0f, 4500.0f), 3.0f, rng.range(0.002f, 0.006f),
                    1.4f * static_cast<float>(u));
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
  add_noise_burst(b, spray, 0.0, 4200.0f, 1.2f, 0.012f, 1.2f);
  add_noise_burst(b, spray, 0.002, 7500.0f, 1.5f, 0.006f, 0.6f);
  for (int k = 0; k < 90; ++k) {
    const double at = 0.01 + 0.95 * std::pow(spray.uni(), 1.5);
    const float g = 0.8f * static_cast<float>(1.0 - at);
    add_noise_burst(b, spray, at, spray.range(2800.0f, 9000.0f), spray.range(2.0f, 4.0f), spray.range(0.0015f, 0.005f), g);
  }
  return add_reverb(b, kRate, 0.3f, 0.5f, 0.2f, 0.1);
}

}  // namespace contentgen::sfx
