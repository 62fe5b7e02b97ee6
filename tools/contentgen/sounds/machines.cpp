// Machinery of the complex: the alarm klaxon and generator loops, doors,
// acid, breaking lamps, power failing and returning, the console panel.
#include "sounds/effects.h"

namespace contentgen::sfx {

using namespace dsp;

Buf loop_through(const Buf& period, int passes, const std::function<float(float)>& filter) {
  std::function<float(float)> f = filter;
  Buf out(period.size());
  for (int p = 0; p < passes; ++p)
    for (size_t i = 0; i < period.size(); ++i) out[i] = f(period[i]);
  return out;
}

namespace {

// Phase increments that add up to a whole number of cycles over the file,
// so a waveform built on them ends exactly where it began.
std::vector<double> whole_cycle_steps(const std::vector<double>& hz) {
  double total = 0.0;
  for (double f : hz) total += f / kRate;
  double k = std::max(1.0, std::round(total)) / total;
  std::vector<double> inc(hz.size());
  for (size_t i = 0; i < hz.size(); ++i) inc[i] = hz[i] / kRate * k;
  return inc;
}

// Turns a periodic loop round so that it starts, within the first
// `within_s`, where the wave stands still (at a crest or a trough): the
// mixer's jump from the last sample to the first is then the smallest step
// of the sound, not a step across the steep flank of a loud cycle.
Buf start_at_stillest(const Buf& loop, double within_s) {
  const size_t n = loop.size();
  if (n < 3) return loop;
  const size_t limit = std::min(n, frames(within_s, kRate));
  size_t best = 0;
  float least = std::fabs(loop[0] - loop[n - 1]);
  for (size_t k = 1; k < limit; ++k) {
    const float step = std::fabs(loop[k] - loop[k - 1]);
    if (step < least) least = step, best = k;
  }
  Buf out(n);
  for (size_t i = 0; i < n; ++i) out[i] = loop[(i + best) % n];
  return out;
}

}  // namespace

namespace {
constexpr double kHornSeries[] = {1.0, 0.62, 0.46, 0.3, 0.18, 0.09, 0.05};
constexpr double kHornAir = 0.12;      // a breath of air only: more and the wail turns grainy
constexpr double kHornDrift = 0.006;   // about 10 cents either way over the file
constexpr double kHornSwell = 0.2;     // about 1.6 dB either way over the file
constexpr double kReedDetune = 0.0016;  // beats at 1.3-1.7 Hz
constexpr double kReedLevel = 0.3;
constexpr double body_level = 0.35;     // the horn a fifth below, a body, not a second voice
constexpr double kHornWhoop = 0.26;     // a note winds up four semitones: a warble at 2.5 Hz
constexpr int pulses_per_note = 3;      // 7.5 blasts a second: a call to act, not a tone to bear
constexpr double pulse_gap_s = 0.03;    // each blast stops short of the next
constexpr double pulse_floor = 0.15;    // the gaps dip some 16 dB, not to silence
constexpr double rasp_hz = 70.0;        // the horn's flutter: rough, as a scream is, not a buzz
constexpr double rasp_depth = 0.35;
}  // namespace

Buf alarm_loop() {
  // Two-tone siren: high and low notes a fourth apart, four notes a file,
  // each gliding into the next over a few milliseconds. It sits up in the
  // 1-4 kHz band the ear is keenest in, above the music's midrange and the
  // generator's hum, so it is heard at once without being played loud.
  const double note = 0.4;
  const int notes = 4;
  const double hi_hz = 1050.0, lo_hz = 787.5, glide = 0.018;
  size_t n = frames(note * notes, kRate);
  std::vector<double> hz(n);
  Buf amp(n), pulse(n);
  for (size_t i = 0; i < n; ++i) {
    const double t = seconds_at(i), u = std::fmod(t, 2.0 * note);
    // Smoothstep glides at both note changes of the high-low pair.
    auto step = [&](double x) { x = std::clamp(x / glide, 0.0, 1.0); return x * x * (3.0 - 2.0 * x); };
    const double to_low = step(u - note), to_high = step(u);
    const double high_share = u < note ? to_high : 1.0 - to_low;
    // Over the whole file the siren drifts a few cents sharp and back, and
    // swells and eases once, so one pair of notes is never quite the next:
    // a horn driven by a motor, not a tone generator. Both movements make
    // whole cycles over the file, so the loop still joins.
    const double drift = std::sin(kTwoPi * t / (note * notes));
    // Each note whoops: it winds up four semitones over its first third,
    // as a motor siren spins up, holds there as a clean tone, and drops
    // back as the next note takes over, so with the two tones the warning
    // warbles two and a half times a second and still rings as a pitch.
    const double v = std::fmod(t, note) / note;
    const double climb = std::clamp(v / 0.32, 0.0, 1.0), fall = std::clamp((v - 0.94) / 0.06, 0.0, 1.0);
    const double rise = climb * climb * (3.0 - 2.0 * climb) * (1.0 - fall);
    const double whoop = 1.0 + kHornWhoop * rise;
    hz[i] = (lo_hz + (hi_hz - lo_hz) * high_share) * (1.0 + kHornDrift * drift) * whoop;
    // Each note swells to its middle and dips at the change, so the warble
    // is heard in the level as well as the pitch.
    const double swell = 1.0 + kHornSwell * std::sin(kTwoPi * t / (note * notes) + 0.8);
    // And each note is cut into three quick blasts, the pulse of an
    // emergency rather than a steady wail: every blast stops short, over
    // rounded 6 ms edges, and the next starts on the same rising pitch.
    const double blast = note / pulses_per_note, q = std::fmod(t, blast), edge = 0.006;
    const double off = std::clamp((q - (blast - pulse_gap_s)) / edge, 0.0, 1.0) *
                       std::clamp((blast - q) / edge, 0.0, 1.0);
    const double gate = 1.0 - (1.0 - pulse_floor) * (0.5 - 0.5 * std::cos(kPi * off));
    // The horn flutters fast enough to be heard as roughness, the grain
    // that makes a scream urgent; whole cycles over the file, so it joins.
    const double rasp = 1.0 + rasp_depth * std::sin(kTwoPi * rasp_hz * t);
    pulse[i] = static_cast<float>(gate);
    amp[i] = static_cast<float>((0.7 + 0.3 * std::sin(kPi * v)) * swell * rasp);
  }
  std::vector<double> inc = whole_cycle_steps(hz);
  // A second reed a little flat of the first: the two beat slowly, once or
  // twice a second, so the tone itself moves. Its own phase also closes on
  // a whole number of cycles over the file.
  std::vector<double> flat_hz(hz);
  for (double& f : flat_hz) f *= 1.0 - kReedDetune;
  std::vector<double> inc_b = whole_cycle_steps(flat_hz);
  double ph_b = 0.0;
  // A second horn a fifth below the first gives the siren a body under
  // its edge, in the 500-1500 Hz the first horn leaves thin.
  std::vector<double> low_hz(hz);
  for (double& f : low_hz) f *= 2.0 / 3.0;
  std::vector<double> inc_c = whole_cycle_steps(low_hz);
  double ph_c = 0.0;
  Buf raw(n);
  double ph = 0.0;
  // The horn's air: a little noise in the siren's own band riding on the
  // tone, the same noise every period so the loop still joins.
  Rng rng(0xA1A2u);
  Buf air(n);
  for (float& s : air) s = rng.bi();
  Biquad air_band;
  air_band.bandpass(1300.0f, 0.9f, kRate);
  air = loop_through(air, 3, [air_band](float x) mutable { return air_band(x); });
  for (size_t i = 0; i < n; ++i) {
    // A horn's series: every harmonic, the odd ones a little stronger, all
    // falling off fast enough to bray without a buzz.
    double s = 0.0;
    for (int h = 1; h <= 7; ++h) s += std::sin(kTwoPi * h * ph) * kHornSeries[h - 1];
    for (int h = 1; h <= 3; ++h) s += kReedLevel * std::sin(kTwoPi * h * ph_b) * kHornSeries[h - 1];
    for (int h = 1; h <= 3; ++h) s += body_level * std::sin(kTwoPi * h * ph_c) * kHornSeries[h - 1];
    // The air in the horn comes and goes a little with the swell.
    const double air_now = kHornAir * (1.0 + 0.35 * std::sin(kTwoPi * seconds_at(i) / (note * notes) + 2.4));
    raw[i] = static_cast<float>(s + air_now * air[i]) * amp[i];
    ph += inc[i];
    ph -= std::floor(ph);
    ph_b += inc_b[i];
    ph_b -= std::floor(ph_b);
    ph_c += inc_c[i];
    ph_c -= std::floor(ph_c);
  }
  // The horn's bell rings its notes around 2.8 and 3.6 kHz, the brassy
  // edge that carries over the music at the alarm's modest level, and the
  // body under 500 Hz is taken away, so the siren does not crowd the
  // music's midrange.
  Biquad bell, bell_hi, top;
  bell.bandpass(2800.0f, 1.2f, kRate);
  bell_hi.bandpass(3600.0f, 1.6f, kRate);
  top.lowpass(6500.0f, 0.7f, kRate);
  OnePoleHP hp;
  hp.set(380.0f, kRate);
  // It sounds in a small steel room: a short, bright answer from the walls,
  // run round the loop with the rest so the wrap carries its tail.
  Reverb steel(kRate, 0.15f, 0.2f);
  Buf horned = loop_through(raw, 3, [bell, bell_hi, top, hp, steel](float x) mutable {
    float driven = std::tanh(x * 3.0f);
    const float dry = top(hp(x + bell(driven) * 1.6f + bell_hi(driven) * 1.3f));
    return dry + 0.25f * steel(dry);
  });
  // The blasts are cut after the horn's drive, which would otherwise
  // squeeze the gaps back up to the blasts' level.
  for (size_t i = 0; i < n; ++i) horned[i] *= pulse[i];
  // The file starts (and so wraps) at a crest of the horn's wave a few
  // milliseconds into the note, where the wave barely moves.
  return start_at_stillest(horned, 0.006);
}

namespace {

// A slow random walk between -1 and 1 that comes back to its start at the
// end of the loop: points at uneven spacing, eased from one to the next and
// the last into the first, so whatever it drives wanders without a rate the
// ear could lock onto and still joins at the seam.
Buf looped_walk(uint32_t seed, size_t n, double min_s, double max_s) {
  Rng rng(seed);
  std::vector<size_t> at;
  std::vector<float> value;
  for (size_t t = 0; t + frames(min_s, kRate) < n; t += frames(rng.range(float(min_s), float(max_s)), kRate)) {
    at.push_back(t);
    value.push_back(rng.bi());
  }
  Buf out(n, 0.0f);
  for (size_t k = 0; k < at.size(); ++k) {
    const size_t s = at[k], e = k + 1 < at.size() ? at[k + 1] : n;
    const float a = value[k], b = value[(k + 1) % value.size()];
    for (size_t i = s; i < e; ++i) {
      const float u = static_cast<float>(i - s) / static_cast<float>(e - s);
      out[i] = a + (b - a) * u * u * (3.0f - 2.0f * u);
    }
  }
  return out;
}

// Adds `part` to the loop `raw` round its seam: whatever runs past the end
// carries on from the start, so an event near the end rings across the join.
void add_round(Buf& raw, const Buf& part) {
  for (size_t i = 0; i < part.size(); ++i) raw[i % raw.size()] += part[i];
}

// What moves in the machine besides its hum: a worn bearing ticking at an
// uneven pace, small and many, each tick a bright contact of steel with a
// little knock of the housing under it, so no one tick marks a place in
// the loop.
void add_moving_parts(Buf& events, double len) {
  Rng rng(0xBEA2u);
  double at = 0.03;
  while (at < len) {
    const float lift = rng.range(0.4f, 1.0f);
    add_noise_burst(events, rng, at, rng.range(5000.0f, 7000.0f), 2.5f, 0.0018f, 0.45f * lift);
    add_noise_burst(events, rng, at, rng.range(950.0f, 1300.0f), 1.5f, 0.008f, 0.35f * lift);
    at += rng.uni() < 0.2f ? rng.range(0.16f, 0.3f) : rng.range(0.05f, 0.11f);
  }
}

// The machine's controls act at uneven times: a relay drops in (its
// contacts' bright snap, a short ring of its frame and a light knock), a
// second answers it a moment later, and once a loop a relief valve lets off
// a hiss of air through a narrow seat.
void add_controls(Buf& events) {
  Rng rng(0x7E1Au);
  for (double at : {1.62, 1.71, 5.43}) {
    add_noise_burst(events, rng, at, 5200.0f, 1.8f, 0.003f, 5.0f);
    add_noise_burst(events, rng, at, 2600.0f, 2.0f, 0.006f, 4.0f);
    add_ping(events, at + 0.0007, 2350.0f, 0.025f, 0.2f);
    add_ping(events, at + 0.0011, 3720.0f, 0.012f, 0.12f);
    add_thump(events, at, 260.0f, 150.0f, 0.02f, 0.6f);
  }
  const size_t at = frames(6.55, kRate), len = frames(0.9, kRate);
  Biquad seat, seat_hi;
  seat.bandpass(4200.0f, 1.2f, kRate);
  seat_hi.bandpass(7200.0f, 1.5f, kRate);
  for (size_t i = 0; i < len; ++i) {
    const double u = static_cast<double>(i) / len;
    const double shape = std::sin(kPi * std::sqrt(u)) * (1.0 - u);
    const float x = rng.bi();
    events[at + i] += static_cast<float>(1.2 * shape) * (seat(x) + 0.6f * seat_hi(x));
  }
}

}  // namespace

Buf generator_loop() {
  // A running power plant heard from its room. Its weight is a motor's hum
  // at 100-400 Hz, the even turns of the shaft (multiples of 100 Hz, never
  // the odd 50 Hz ones, whose beating throbbed at the mains rate), with a
  // second machine a few cents off so the two beat slowly; the housing's
  // 500-850 Hz is only a trace, so the hum leaves the midrange to the
  // music and the creatures. Over it the machine's detail lies above 2 kHz:
  // two fans whose blade beats drift in and out of step, a bearing
  // ticking, relays and a relief valve. The load wanders as a random walk
  // that closes on itself: the hum's strength and the motor's speed follow
  // it, so no second of the loop is quite like another. Every tone makes
  // whole cycles over the 8 s and every noise repeats, so the file is one
  // whole period and plays round without a seam.
  const double len = 8.0;
  const size_t n = frames(len, kRate);
  const Buf load = looped_walk(0x10ADu, n, 0.35, 1.1);
  const Buf drift = looped_walk(0x5EEDu, n, 0.9, 2.2);
  std::vector<double> hz(n), hz_b(n);
  for (size_t i = 0; i < n; ++i) {
    // The motor drags a little under load.
    hz[i] = 100.0 * (1.0 - 0.003 * load[i] + 0.0015 * drift[i]);
    hz_b[i] = 100.0 * 1.0042 * (1.0 + 0.002 * drift[i]);
  }
  const std::vector<double> inc = whole_cycle_steps(hz), inc_b = whole_cycle_steps(hz_b);
  // The shaft's turns: strongest at 100 and 200 Hz, fading upward, the
  // housing's band a trace.
  const double series[] = {1.0, 0.7, 0.34, 0.24, 0.1, 0.09, 0.07, 0.05};
  const double series_b[] = {0.45, 0.3, 0.12};
  Rng phases(0x6E5u);
  double offset[8], offset_b[3];
  for (double& o : offset) o = phases.uni();
  for (double& o : offset_b) o = phases.uni();
  Buf raw(n);
  double ph = 0.0, ph_b = 0.0;
  for (size_t i = 0; i < n; ++i) {
    double s = 0.0, s_b = 0.0;
    for (int h = 0; h < 8; ++h) s += series[h] * std::sin(kTwoPi * ((h + 1) * ph + offset[h]));
    for (int h = 0; h < 3; ++h) s_b += series_b[h] * std::sin(kTwoPi * ((h + 1) * ph_b + offset_b[h]));
    // Under load the hum swells and the second machine takes up the slack.
    const double strain = 1.0 + 0.4 * load[i];
    raw[i] = static_cast<float>(0.25 * (s * strain + s_b * (1.0 - 0.15 * load[i])));
    ph += inc[i];
    ph -= std::floor(ph);
    ph_b += inc_b[i];
    ph_b -= std::floor(ph_b);
  }
  // The fans' air, bright and soft: noise above 2.5 kHz, pulsing with two
  // sets of blades at 12.5 and 13.375 Hz, so the flutter drifts in and out
  // of step about once a second, and swelling with the load.
  Rng rng(0x6E4u);
  Buf noise(n);
  for (float& s : noise) s = rng.bi();
  Biquad hp1, hp2, lp, sheen;
  hp1.highpass(4500.0f, 0.7f, kRate);
  hp2.highpass(4500.0f, 0.7f, kRate);
  lp.lowpass(10000.0f, 0.7f, kRate);
  sheen.bandpass(1300.0f, 1.8f, kRate);
  const Buf air = loop_through(noise, 3, [hp1, hp2, lp](float x) mutable { return lp(hp2(hp1(x))); });
  const Buf rush = loop_through(noise, 3, [sheen](float x) mutable { return sheen(x); });
  for (size_t i = 0; i < n; ++i) {
    const double t = seconds_at(i);
    const double blades = 0.7 + 0.18 * std::sin(kTwoPi * 12.5 * t) + 0.12 * std::sin(kTwoPi * 13.375 * t + 1.1);
    raw[i] += static_cast<float>(blades * (1.0 + 0.6 * load[i])) * (0.35f * air[i] + 1.0f * rush[i]);
  }
  // The bearing, the relays and the valve, run round the seam.
  Buf events(n + frames(1.0, kRate), 0.0f);
  add_moving_parts(events, len);
  add_controls(events);
  for (float& s : events) s *= 0.1f;
  add_round(raw, events);
  // The file starts (and so wraps) where the hum's wave stands still.
  return start_at_stillest(raw, 0.02);
}

namespace {

// Adds `part` to `b`, faded in over `rise_s` from `at`, so its first
// edge is rounded rather than a click.
void add_swelling_in(Buf& b, const Buf& part, double at, double rise_s) {
  const size_t s = frames(at, kRate), rise = std::max<size_t>(1, frames(rise_s, kRate));
  for (size_t i = s; i < part.size() && i < b.size(); ++i) {
    const float u = std::min(1.0f, static_cast<float>(i - s) / static_cast<float>(rise));
    b[i] += part[i] * u * u * (3.0f - 2.0f * u);
  }
}

// A heavy latch letting go or dropping home: steel bolt on steel keeper.
// A dull knock with weight under it (the door's mass in the frame), a
// short metallic ring of the bolt and a soft tick of the contact. The
// whole latch swells in over `rise_s`, so it lands as a rounded clunk
// rather than a click: a door heard at every passage, often twice within
// a second, must not tick at the ear each time.
void add_latch(Buf& b, Rng& rng, double at, float weight, float tick, double rise_s) {
  Buf l(b.size(), 0.0f);
  add_thump(l, at, 170.0f, 95.0f, 0.03f, 0.2f * weight);
  add_noise_burst(l, rng, at, 800.0f, 1.4f, 0.018f, 1.8f * weight);
  add_ping(l, at, 1180.0f, 0.022f, 0.22f);
  add_ping(l, at + 0.0015, 1730.0f, 0.014f, 0.12f);
  add_noise_burst(l, rng, at, 3300.0f, 2.0f, 0.004f, tick);
  add_swelling_in(b, l, at, rise_s);
}

// The bolt's own click as it clears or meets the keeper: two small, hard
// steel modes at 2.4 and 3.6 kHz and a snap of noise between them, over
// within a few ms. It sits where the ear is keenest and the music is
// thinnest, so the door is told at once even when the music is busy.
void add_latch_click(Buf& b, Rng& rng, double at, float gain) {
  add_ping(b, at, 2450.0f, 0.005f, 0.22f * gain);
  add_ping(b, at + 0.0008, 3620.0f, 0.0035f, 0.15f * gain);
  add_noise_burst(b, rng, at, 2900.0f, 1.6f, 0.003f, 0.9f * gain);
}

}  // namespace

Buf door() {
  // The latch clunks open, the door's servo drives it aside, whining up as
  // it gathers speed and down as it brakes, its gears and rails under the
  // whine, then the door settles into the frame and the latch drops home,
  // all in under 0.6 s. It is the sound heard most often, at every passage
  // and in quick succession when the squad files through, so its weight
  // is at the front: the opening clunk is the loudest part, the run fades
  // as the door slows, and the close is a soft seat rather than a slam, so
  // a second door 0.3 s behind the first lands on a tail, not a peak, and
  // the two never pile up into a chatter. No part of it is a steady tone.
  Rng rng(0xD00Au);
  Buf b = blank(0.58);
  add_latch(b, rng, 0.0, 1.5f, 0.45f, 0.004);
  add_latch_click(b, rng, 0.002, 1.8f);
  // The seal lets go: the door's air spring vents in a bright pneumatic
  // hiss, a hard puff as the valve opens and a long, thinning exhale that
  // lasts most of the run, mostly above 4 kHz so it is air, not a rush.
  {
    Biquad hp1, hp2, lp, sheen;
    hp1.highpass(3600.0f, 0.7f, kRate);
    hp2.highpass(3600.0f, 0.7f, kRate);
    lp.lowpass(12000.0f, 0.7f, kRate);
    sheen.bandpass(7000.0f, 1.2f, kRate);
    OnePoleLP flutter;
    flutter.set(40.0f, kRate);
    const double from = 0.008, to = 0.5;
    for (size_t i = frames(from, kRate); i < frames(to, kRate); ++i) {
      const float t = static_cast<float>(seconds_at(i) - from);
      const float span = static_cast<float>(to - from);
      const float env = std::min(1.0f, t / 0.004f) * (0.5f * std::exp(-t / 0.05f) + 0.5f * std::exp(-t / 0.45f)) *
                        (0.5f + 0.5f * std::cos(static_cast<float>(kPi) * std::pow(t / span, 3.0f)));
      const float x = rng.bi();
      const float air = lp(hp2(hp1(x))) + 0.8f * sheen(x);
      // The valve flutters a little as the pressure falls.
      b[i] += air * env * 0.2f * (1.0f + 2.0f * flutter(rng.bi()));
    }
  }
  Biquad gears, rails;
  gears.bandpass(1100.0f, 1.5f, kRate);
  rails.bandpass(420.0f, 1.1f, kRate);
  OnePoleLP motor_lp;
  motor_lp.set(700.0f, kRate);
  Phase motor, whine, whine_b;
  const double run_from = 0.03, run_to = 0.41;
  const size_t s = frames(run_from, kRate), e = frames(run_to, kRate);
  for (size_t i = s; i < e; ++i) {
    // Speed: up quickly, a short cruise, a long easing to a stop.
    const float u = static_cast<float>(i - s) / static_cast<float>(e - s);
    const float speed = std::sin(static_cast<float>(kPi) * std::pow(u, 0.65f));
    const float hz = 110.0f + 90.0f * speed;
    const float body = motor_lp(blep_saw(motor.step(hz, kRate), hz / kRate));
    // The servo's whine: the gear mesh seven times the motor, with its
    // octave, swept with the speed, so it rises and falls, never a line.
    // The second gear of the pair meshes a few cents off the first, so the
    // two beat slowly against each other like worn teeth, not a test tone.
    const double w = whine.step(hz * 7.0f, kRate), w2 = whine_b.step(hz * 7.0f * 1.0035f, kRate);
    const float sing = (0.6f * sine(w) + 0.5f * sine(w2) + 0.3f * sine(2.0 * w)) * 0.13f * speed * speed;
    const float grind = gears(rng.bi()) * 0.25f * speed;
    const float rumble = rails(rng.bi()) * 0.2f * speed;
    const float fade_in = std::min(1.0f, u * 20.0f);
    // The run loses strength as it goes: the door's push is at the start.
    const float push = 1.0f - 0.6f * u;
    b[i] += (body * 0.04f * speed + sing + grind + rumble) * fade_in * push;
  }
  // The door meets the frame: a heavy thud with the weight of the slab in
  // it, the frame's damped ring and the steel edge's bright clang, then the
  // latch drops home, all still under the opening.
  Buf seat(b.size(), 0.0f);
  add_thump(seat, 0.405, 160.0f, 70.0f, 0.04f, 0.17f);
  add_noise_burst(seat, rng, 0.405, 480.0f, 1.0f, 0.025f, 0.8f);
  add_ping(seat, 0.41, 340.0f, 0.04f, 0.1f);
  add_ping(seat, 0.406, 2870.0f, 0.03f, 0.05f);
  add_ping(seat, 0.407, 4310.0f, 0.02f, 0.035f);
  add_noise_burst(seat, rng, 0.405, 5200.0f, 1.5f, 0.006f, 0.35f);
  add_swelling_in(b, seat, 0.405, 0.006);
  add_latch(b, rng, 0.435, 0.55f, 0.3f, 0.004);
  add_latch_click(b, rng, 0.437, 1.0f);
  // The door stands in the corridor: a short, soft answer from the walls,
  // let ring a moment past the latch and dying away to silence.
  Buf out = add_reverb(b, kRate, 0.2f, 0.5f, 0.12f, 0.07f);
  decay_out(out, kRate, 0.13f);
  return out;
}

Buf acid() {
  // Corrosive sizzle: a frying crackle in the upper midrange over slow
  // bubbling. The hiss is held under 5 kHz, so it reads as something
  // eating into metal, not as a radio between stations; only a faint fizz
  // of spray and the bubbles' spits rise above it, for presence.
  Rng rng(0xAC1Du);
  Buf b = blank(1.3);
  Biquad hp, lp1, lp2, fry;
  hp.highpass(1100.0f, 0.7f, kRate);
  lp1.lowpass(3800.0f, 0.6f, kRate);
  lp2.lowpass(3800.0f, 0.9f, kRate);
  fry.bandpass(1700.0f, 1.2f, kRate);
  Biquad spray, spray_lp;
  spray.highpass(5200.0f, 0.7f, kRate);
  spray_lp.lowpass(9000.0f, 0.7f, kRate);
  OnePoleLP crackle, boil;
  crackle.set(400.0f, kRate);
  boil.set(4.0f, kRate);
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    float env = std::min(1.0f, t / 0.03f) * std::exp(-t / 0.7f);
    // The pops bunch and thin out as the boiling surges, never a steady patter.
    float surge = std::clamp(0.5f + boil(rng.bi()) * 40.0f, 0.05f, 2.5f);
    float pops = rng.uni() < 0.004f * surge ? rng.range(1.5f, 5.5f) : 0.0f;
    float dens = 0.6f + std::fabs(crackle(rng.bi())) * 6.0f;
    float x = rng.bi() * dens + pops;
    // A fine fizz of spray rides over the sizzle, well under it.
    b[i] += (lp2(lp1(hp(x))) * 0.8f + fry(x) * 0.6f + spray_lp(spray(x)) * 0.22f) * env;
  }
  // Bubbles burst in uneven clusters, each its own size and pitch, and a
  // few bright chirps of escaping gas among them.
  double at = 0.04;
  for (int k = 0; k < 14 && at < 1.0; ++k) {
    at += rng.uni() < 0.4f ? rng.range(0.01f, 0.035f) : rng.range(0.05f, 0.16f);
    add_thump(b, at, rng.range(300.0f, 700.0f), rng.range(120.0f, 240.0f), rng.range(0.012f, 0.03f),
              rng.range(0.15f, 0.32f));
    if (rng.uni() < 0.35f) add_noise_burst(b, rng, at + rng.range(0.003f, 0.02f), rng.range(2200.0f, 4200.0f), 5.0f,
                                           rng.range(0.004f, 0.012f), rng.range(0.5f, 1.2f));
    // Each bubble's skin tears with a tiny spit of spray.
    add_noise_burst(b, rng, at + rng.range(0.0f, 0.004f), rng.range(5500.0f, 8000.0f), 2.0f, rng.range(0.002f, 0.005f),
                    rng.range(0.4f, 0.8f));
  }
  // The sizzle dies down as the acid spends itself.
  decay_out(b, kRate, 0.4f);
  return b;
}

// How loud the lamp's buzzing body is against its breaking glass.
constexpr float kLampBuzz = 3.6f;
// The glass rains softer than the lamp's first buzz, so the break is heard
// as a lamp going, not a glass dropped.
constexpr float kLampGlass = 0.7f;

Buf lamp_break() {
  // The bulb pops with an electric fizz, then glass rains and tinkles
  // while the ballast buzzes on, faltering, and dies away under it.
  Rng rng(0x1A3Bu);
  Buf b = blank(1.05);
  add_noise_burst(b, rng, 0.0, 1100.0f, 0.8f, 0.02f, 1.8f);
  add_thump(b, 0.0, 180.0f, 70.0f, 0.05f, 0.7f);
  // The lamp's body: its relay clacks, and the ballast buzzes warm and low
  // as the dying lamp tries to strike, faltering on and off more and more
  // slowly as it fails, so the break has weight under the glass. The buzz
  // dies as a ringing body does, never stopped: it sinks under the last
  // of the glass and fades with it.
  add_noise_burst(b, rng, 0.0, 700.0f, 1.5f, 0.012f, 1.2f);
  add_thump(b, 0.0, 320.0f, 140.0f, 0.03f, 0.5f);
  {
    Phase mains, falter;
    Biquad housing, warm;
    housing.bandpass(650.0f, 0.8f, kRate);
    warm.lowpass(1600.0f, 0.7f, kRate);
    // Blocks what little offset the faltering leaves in the buzz.
    OnePoleHP settle;
    settle.set(60.0f, kRate);
    const double buzz_s = 0.98;
    for (size_t i = 0; i < frames(buzz_s, kRate); ++i) {
      const double t = seconds_at(i);
      // A square hum, as even above the line as below it: a saw's lopsided
      // spikes would be flattened on one side only when the sound is
      // levelled, and leave the file off centre.
      const float hum = blep_square(mains.step(120.0, kRate), 120.0 / kRate);
      // Strikes and drop-outs: eleven a second at first, slowing to five
      // as the lamp gives up. Each edge is rounded over a few ms, so the
      // faltering is heard as the lamp's and never as a gate.
      const double rate_hz = 11.0 - 6.0 * std::min(1.0, t / buzz_s);
      const float edge = static_cast<float>(std::tanh(3.0 * (std::sin(kTwoPi * falter.step(rate_hz, kRate)) + 0.3)));
      const float stutter = 0.75f + 0.25f * edge;
      // A fast fall from the strike, then a long, slow one to the end.
      const double body = 0.75 * std::exp(-t / 0.18) + 0.25 * std::exp(-t / 0.45);
      const double close = 0.5 + 0.5 * std::cos(kPi * std::clamp((t - (buzz_s - 0.3)) / 0.3, 0.0, 1.0));
      const float env = static_cast<float>(std::min(1.0, t / 0.004) * body * close);
      const float x = warm(hum);
      b[i] += settle((x * 0.35f + housing(x) * 0.9f) * stutter * env * kLampBuzz);
    }
  }
  Biquad fizz;
  fizz.highpass(4000.0f, 0.7f, kRate);
  for (size_t i = 0; i < frames(0.14, kRate); ++i) {
    float t = static_cast<float>(seconds_at(i));
    float buzz = 0.5f + 0.5f * sine(t * 120.0);
    b[i] += fizz(rng.bi()) * buzz * std::exp(-t / 0.05f) * 0.9f;
  }
  // The glass: a shower at first, then pieces settling ever more sparsely
  // and softly up to the very end, so the rain thins out rather than stops.
  for (int k = 0; k < 34; ++k) {
    double at = 0.02 + 0.9 * std::pow((k + rng.uni()) / 34.0, 1.6);
    float g = 0.55f * static_cast<float>(std::exp(-at / 0.4)) + 0.04f;
    add_ping(b, at, rng.range(2600.0f, 8000.0f), rng.range(0.012f, 0.05f), g * kLampGlass);
    add_noise_burst(b, rng, at, rng.range(5000.0f, 9000.0f), 2.0f, 0.004f, g * 0.8f * kLampGlass);
  }
  // The room holds the last of it a moment.
  Buf out = add_reverb(b, kRate, 0.3f, 0.5f, 0.15f, 0.1f);
  decay_out(out, kRate, 0.12f);
  return out;
}

namespace {

// The power coming back: a starter relay, the motor dragged up to speed
// with its gears whining and its housing rattling, a second relay as the
// load is switched in and the mains hum steadies under the lights.
Buf power_returning() {
  Rng rng(0x9A0Bu);
  Buf b = blank(1.6);
  add_noise_burst(b, rng, 0.0, 1500.0f, 2.0f, 0.008f, 1.0f);
  add_noise_burst(b, rng, 0.0, 6500.0f, 1.5f, 0.004f, 1.2f);
  add_thump(b, 0.0, 200.0f, 80.0f, 0.04f, 0.5f);
  Phase motor, gear, gear_b, gear2, mains;
  // The brushes on the commutator: a fine hiss above 5 kHz that grows with
  // the speed and flickers with every segment that passes under them.
  Biquad brush_hp, brush_hp2, brush_lp;
  brush_hp.highpass(5000.0f, 0.7f, kRate);
  brush_hp2.highpass(5000.0f, 0.7f, kRate);
  brush_lp.lowpass(11000.0f, 0.7f, kRate);
  Biquad lp, rattle, air;
  rattle.bandpass(900.0f, 2.0f, kRate);
  const float spin_s = 1.05f, latch_s = 1.1f;
  for (size_t i = frames(0.04, kRate); i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    // The motor labours at first, then catches: speed 0..1 over spin_s.
    float u = std::min(1.0f, (t - 0.04f) / spin_s);
    float speed = u < 0.3f ? 0.8f * u * u / 0.09f * 0.3f : 0.24f + 0.76f * std::sqrt((u - 0.3f) / 0.7f);
    float hz = 25.0f + 95.0f * speed;
    if (i % 32 == 0) {
      lp.lowpass(200.0f + 1600.0f * speed, 1.0f, kRate);
      air.bandpass(hz * 14.0f, 4.0f, kRate);
    }
    float body = lp(blep_saw(motor.step(hz, kRate), hz / kRate));
    // Gear whine on the 14th and 23rd orders: rises, and is not a pure tone.
    // The 14th comes from two meshes a few cents apart, and the gear's own
    // windage hisses around it.
    float whine = (0.6f * sine(gear.step(hz * 14.0f, kRate)) + 0.5f * sine(gear_b.step(hz * 14.0f * 1.004f, kRate)) +
                   0.5f * sine(gear2.step(hz * 23.0f, kRate)) + 1.2f * air(rng.bi())) * 0.4f * speed;
    // The housing rattles as the motor passes through its resonance.
    float shake = std::exp(-std::pow((speed - 0.45f) / 0.15f, 2.0f));
    float clatter = rattle(rng.bi()) * shake * (0.5f + 0.5f * sine(motor.p)) * 1.6f;
    // Once the load is in, the hum of the mains holds steady.
    float hum = t > latch_s ? 0.35f * std::min(1.0f, (t - latch_s) / 0.05f) *
                                  (sine(mains.step(100.0, kRate)) + 0.5f * sine(mains.p * 3.0)) : 0.0f;
    float env = std::min(1.0f, (1.6f - t) / 0.25f);
    const float segments = 0.6f + 0.4f * sine(motor.p * 8.0);
    const float brushes = brush_lp(brush_hp2(brush_hp(rng.bi()))) * 0.7f * speed * segments;
    b[i] += (body * 0.4f + whine + clatter + hum + brushes) * env;
  }
  add_noise_burst(b, rng, latch_s, 1900.0f, 2.5f, 0.01f, 1.3f);
  add_noise_burst(b, rng, latch_s, 6800.0f, 1.5f, 0.004f, 1.4f);
  add_thump(b, latch_s, 240.0f, 110.0f, 0.035f, 0.5f);
  add_ping(b, latch_s, 1320.0f, 0.03f, 0.12f);
  // The machine room answers softly, and its answer dies away to silence.
  Buf out = add_reverb(b, kRate, 0.35f, 0.5f, 0.15f, 0.2f);
  decay_out(out, kRate, 0.35f);
  return out;
}

// The power failing: the breaker trips with a hard bang, the mains hum is
// gone at once and the machine runs down freely, slowing fastest at first,
// its bearings knocking more and more slowly, until it stops with a clunk
// while its gears are still faintly singing, and the housing rings on.
Buf power_failing() {
  Rng rng(0x9D0Au);
  Buf b = blank(1.8);
  add_noise_burst(b, rng, 0.0, 1200.0f, 1.5f, 0.015f, 1.8f);
  add_thump(b, 0.0, 160.0f, 60.0f, 0.06f, 0.45f);
  add_ping(b, 0.0, 760.0f, 0.05f, 0.15f);
  // The contacts arc as the breaker opens: a spray of bright crackles over
  // the first third of a second, thinning out.
  for (int k = 0; k < 14; ++k) {
    double at = 0.004 + 0.3 * (k / 14.0) * (k / 14.0) + rng.range(0.0f, 0.012f);
    add_noise_burst(b, rng, at, rng.range(2800.0f, 5200.0f), 2.5f, rng.range(0.002f, 0.005f), 1.6f * (1.0f - k / 18.0f));
    // Each spark's own snap, bright and brief, up where the air is.
    add_noise_burst(b, rng, at, rng.range(6000.0f, 8500.0f), 2.0f, rng.range(0.0015f, 0.003f), 1.5f * (1.0f - k / 18.0f));
  }
  Phase motor, gear;
  Biquad lp, scrape, brush_hp, brush_hp2, brush_lp;
  scrape.bandpass(1400.0f, 1.5f, kRate);
  brush_hp.highpass(5000.0f, 0.7f, kRate);
  brush_hp2.highpass(5000.0f, 0.7f, kRate);
  brush_lp.lowpass(11000.0f, 0.7f, kRate);
  const float stop_s = 1.45f;
  double turns = 0.0;
  int knocked = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    // Free run-down: friction slows it in proportion to its speed at first,
    // and the last turns drag to a halt.
    float speed = t < stop_s ? std::exp(-t / 0.55f) * std::sqrt(1.0f - t / stop_s) : 0.0f;
    float hz = 110.0f * speed;
    turns += hz / kRate;
    if (i % 32 == 0) lp.lowpass(120.0f + 1400.0f * speed, 0.9f, kRate);
    float body = hz > 1.0f ? lp(blep_saw(motor.step(hz, kRate), hz / kRate)) : lp(0.0f);
    // The gears sing with an overtone; small speakers keep this when the
    // run-down itself has sunk below them.
    // Its level sinks more slowly than its pitch, so the whine is heard
    // falling right through the midrange, from 2 kHz to a few hundred Hz.
    double gp = gear.step(hz * 17.0f, kRate);
    float whine = (sine(gp) + 0.6f * sine(2.0 * gp)) * 0.5f * std::sqrt(speed);
    // The shaft drags in its bearings: a dry scrape in the housing's band
    // that fades more slowly than the machine slows, and grinds up again
    // over its last turns, so the machine is heard right up to its stop.
    const float grind = t < stop_s ? std::clamp((t - (stop_s - 0.4f)) / 0.4f, 0.0f, 1.0f) : 0.0f;
    float drag = scrape(rng.bi()) * 0.35f * (std::sqrt(speed) + 1.1f * grind * grind);
    // The brushes hiss on the slowing commutator, fading with the speed.
    drag += brush_lp(brush_hp2(brush_hp(rng.bi()))) * 1.1f * speed * (0.6f + 0.4f * sine(turns * 8.0));
    // The rotor's own turning sinks away as it slows, before its last slow
    // turns could thump.
    b[i] += (body * 0.4f * std::min(1.0f, speed * 5.0f) + whine + drag) * std::min(1.0f, t / 0.01f);
    // A loose bearing knocks once a turn, slower and slower, to the end.
    if (static_cast<int>(turns / 6.0) > knocked && speed > 0.004f) {
      knocked = static_cast<int>(turns / 6.0);
      const float force = 0.35f + std::sqrt(speed);
      add_noise_burst(b, rng, t, 900.0f, 3.0f, 0.008f, 0.6f * force);
      add_noise_burst(b, rng, t, 2600.0f, 3.0f, 0.005f, 0.4f * force);
    }
  }
  // The brushes spark as the field collapses: a crackle in the midrange,
  // thick at the trip and thinning as the machine runs down, pitched with
  // the falling whine, so laptop speakers hear the failing as well as the
  // rumble.
  for (int k = 0; k < 46; ++k) {
    const double u = k / 46.0, at = 0.03 + 1.35 * std::pow(u, 1.6) + rng.range(0.0f, 0.02f);
    const float speed = std::exp(-static_cast<float>(at) / 0.55f);
    add_noise_burst(b, rng, at, 350.0f + 1500.0f * speed * rng.range(0.7f, 1.2f), 3.0f, rng.range(0.007f, 0.014f),
                    0.9f * (1.0f - 0.6f * static_cast<float>(u)));
    // The spark itself: a thin crackle of air over the brush's knock.
    add_noise_burst(b, rng, at, rng.range(5500.0f, 8000.0f), 2.0f, rng.range(0.004f, 0.007f), 0.6f * speed + 0.08f);
  }
  // The rotor settles against its stop, and the housing rings on after it.
  add_thump(b, stop_s, 140.0f, 70.0f, 0.05f, 0.3f);
  add_noise_burst(b, rng, stop_s, 500.0f, 2.0f, 0.02f, 0.7f);
  add_noise_burst(b, rng, stop_s, 2200.0f, 2.5f, 0.006f, 0.8f);
  add_ping(b, stop_s, 610.0f, 0.12f, 0.08f);
  add_ping(b, stop_s + 0.001, 1270.0f, 0.08f, 0.05f);
  // The machine room answers softly, and everything dies away in it.
  Buf out = add_reverb(b, kRate, 0.35f, 0.5f, 0.15f, 0.0f);
  decay_out(out, kRate, 0.25f);
  return out;
}

}  // namespace

Buf power(bool up) { return up ? power_returning() : power_failing(); }

Buf panel(bool opening) {
  // The console panel slides on its rails and locks with a clack.
  Rng rng(opening ? 0x9A4Eu : 0x9A4Fu);
  Buf b = blank(0.48);
  Biquad slide, rails, rails_hp;
  // The steel runners' own hiss, high over the slide's body.
  rails.bandpass(6500.0f, 1.0f, kRate);
  rails_hp.highpass(4500.0f, 0.7f, kRate);
  OnePoleLP rattle;
  rattle.set(60.0f, kRate);
  size_t s = frames(opening ? 0.0 : 0.06, kRate), e = frames(opening ? 0.34 : 0.42, kRate);
  for (size_t i = s; i < e; ++i) {
    float u = static_cast<float>(i - s) / (e - s);
    float sweep = opening ? u : 1.0f - u;
    if (i % 32 == 0) slide.bandpass(700.0f + 1500.0f * sweep, 2.2f, kRate);
    float env = std::sin(static_cast<float>(kPi) * u);
    float chatter = 0.6f + 0.4f * sine(u * 14.0) + std::fabs(rattle(rng.bi())) * 4.0f;
    const float x = rng.bi();
    b[i] += (slide(x) * 1.2f + rails(rails_hp(x)) * 0.25f) * env * chatter;
  }
  double clack = opening ? 0.34 : 0.0;
  add_noise_burst(b, rng, clack, 1800.0f, 2.0f, 0.01f, 1.5f);
  add_thump(b, clack, 320.0f, 120.0f, 0.035f, 0.5f);
  add_ping(b, clack, 1450.0f, 0.04f, 0.15f);
  // The latch's steel edge: a short breath of air over 8 kHz.
  add_noise_burst(b, rng, clack, 10000.0f, 1.2f, 0.005f, 0.5f);
  // The clack's ring dies away within the file rather than being cut.
  decay_out(b, kRate, 0.12f);
  return b;
}

}  // namespace contentgen::sfx
