// Human voices: pain grunts, a dying colonist, and the cocooned colonist's
// plea, spoken by Festival's HTS voice or moaned by our formant voice (see
// use_plea_voice).
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "sounds/effects.h"
#include "sounds/larynx.h"
#include "sounds/repitch.h"
#include "sounds/wav_read.h"

namespace contentgen::sfx {

using namespace dsp;

namespace {

// The gasp drawn in before the cry, and how much of it the cry's start overlaps.
constexpr double kBreathInS = 0.09, kBreathOverlapS = 0.015;

// How one person cries out when hit: the whole shape of the cry.
struct Grunt {
  float seconds;
  Contour pitch;                               // a catch low, a leap up on the blow, then a fall into creak
  std::vector<std::pair<float, Mouth>> mouth;  // the mouth opening on the blow and closing as it is spent
  float chest_hz;                              // where the chest booms under the voice
  float breath;                                // air through the cry and the gasp after it
  float creak_hz;                              // how slowly the tired voice creaks at its end
  float catch_s;                               // where the throat catches: the voice chokes off for a moment
  float mouth_scale;                           // his mouth and throat, or her smaller ones
  float bright;                                // how strongly the upper resonances ring
  uint32_t seed;
};

Buf grunt(const Grunt& g) {
  // The throat clenched by the blow: a pressed voice that snaps shut hard
  // (bright), strained into a rasp, with its own breath and the air hissed
  // past the tongue, its third and fourth resonances drawn together near
  // 3 kHz, the ring that makes a shout carry. It catches once, is forced on
  // and creaks apart as the breath runs out.
  const float c = g.catch_s;
  Buf b = larynx({.seconds = g.seconds,
                  .pitch = g.pitch,
                  .mouth = g.mouth,
                  .level = {{0.0f, 0.0f}, {c - 0.014f, -1.0f}, {c - 0.002f, -17.0f}, {c + 0.012f, -15.0f},
                            {c + 0.03f, -2.0f}, {g.seconds * 0.7f, -7.0f}, {g.seconds, -32.0f}},
                  .jitter = 0.006f,
                  .shimmer = 0.1f,
                  .drift = 0.015f,
                  .rough0 = 0.03f,
                  .rough1 = 0.12f,
                  .breath0 = g.breath,
                  .breath1 = g.breath * 1.4f,
                  .tension = 0.08f,
                  .fry_from = 0.8f,
                  .fry_hz = g.creak_hz,
                  .chest_hz = g.chest_hz,
                  .chest = 0.3f,
                  .bright = g.bright,
                  .roam = 0.05f,
                  .swell_db = 2.0f,
                  .drive = 1.7f,
                  .top_hz = 12000.0f,
                  .hiss = 0.05f,
                  .hiss_hz = 3600.0f * g.mouth_scale,
                  .attack_s = 0.012f,
                  .seed = g.seed});
  Rng rng(g.seed ^ 0x5A5Au);
  const float fs = g.mouth_scale;
  // The breath let out after the blow: ragged, shaking, dying away.
  Biquad gasp, gasp_hi;
  gasp.bandpass(1500.0f * fs, 1.2f, kRate);
  gasp_hi.bandpass(3000.0f * fs, 1.5f, kRate);
  OnePoleLP shake;
  shake.set(12.0f, kRate);
  Buf tail = blank(0.24);
  for (size_t i = 0; i < tail.size(); ++i) {
    const float u = static_cast<float>(i) / tail.size();
    const float n = rng.bi();
    const float trembling = std::max(0.0f, 1.0f + 3.0f * shake(rng.bi()));
    tail[i] = (gasp(n) + 0.5f * gasp_hi(n)) * g.breath * 0.9f * std::sin(static_cast<float>(kPi) * std::sqrt(u)) *
              (1.0f - u) * (1.0f - u) * trembling;
  }
  add(b, tail, frames(g.seconds * 0.9, kRate));
  // The sharp breath in as the blow lands: a rising hiss just ahead of
  // the cry, through the same open mouth.
  Biquad in_mouth, in_teeth;
  in_mouth.bandpass(2200.0f * fs, 1.2f, kRate);
  in_teeth.bandpass(4200.0f * fs, 1.5f, kRate);
  Buf in = blank(kBreathInS);
  for (size_t i = 0; i < in.size(); ++i) {
    const float u = static_cast<float>(i) / in.size();
    const float n = rng.bi();
    in[i] = (in_mouth(n) + 0.6f * in_teeth(n)) * g.breath * 0.8f * u * u * std::min(1.0f, (1.0f - u) * 8.0f);
  }
  const size_t lead = frames(kBreathInS - kBreathOverlapS, kRate);
  Buf out(lead, 0.0f);
  out.insert(out.end(), b.begin(), b.end());
  add(out, in, 0);
  return out;
}

// A cry heard close, as a shout is: the open vowel's low first resonance
// eased back, the second and the ring near 3 kHz brought forward by
// `lift`, where a voice's character carries, and a little of the breath's
// air above them. `scale` sets them for a smaller mouth.
void presence(Buf& b, float scale, float lift) {
  colour(b, {{Colour::Peak, 620.0f * scale, -0.3f, 0.8f},
             {Colour::Peak, 1750.0f * scale, 0.3f * lift, 1.0f},
             {Colour::Peak, 3000.0f * scale, 0.7f * lift, 1.2f},
             {Colour::Peak, 6500.0f, 0.5f, 0.7f}});
}

}  // namespace

Buf pain(bool female) {
  // A cry forced out by a blow: the breath snatched in, the pitch leaping
  // and falling, the mouth flung open to a bright "a" and closing, a catch
  // of the throat, and a gasp after. Both keep a clear voiced core under
  // the air, so the pitch is heard (and tracked): it leaps, cracks down
  // several semitones at the catch, is forced back up and falls away. He
  // is low (100-160 Hz), from the chest, his mouth long; she is higher
  // (170-310 Hz), her mouth smaller, so every resonance sits higher and
  // her cry rings nearer 3.5 kHz than his near 3.
  if (female) {
    Buf b = grunt({.seconds = 0.36f,
                   .pitch = {{{0.0f, 205.0f}, {0.04f, 295.0f}, {0.07f, 310.0f}, {0.088f, 300.0f}, {0.094f, 212.0f},
                              {0.12f, 218.0f}, {0.128f, 282.0f}, {0.17f, 262.0f}, {0.23f, 212.0f}, {0.29f, 180.0f},
                              {0.36f, 165.0f}}},
                   .mouth = {{0.0f, {650.0f, 2000.0f, 3000.0f, 3700.0f}},
                             {0.05f, {900.0f, 2250.0f, 3100.0f, 3800.0f}},
                             {0.2f, {860.0f, 2000.0f, 3050.0f, 3700.0f}},
                             {0.36f, {680.0f, 1700.0f, 2950.0f, 3600.0f}}},
                   .chest_hz = 420.0f,
                   .breath = 0.14f,
                   .creak_hz = 60.0f,
                   .catch_s = 0.09f,
                   .mouth_scale = 1.15f,
                   .bright = 1.1f,
                   .seed = 0x9A1Fu});
    colour(b, {{Colour::HighPass, 110.0f}});
    presence(b, 1.15f, 1.0f);
    return b;
  }
  Buf b = grunt({.seconds = 0.42f,
                 .pitch = {{{0.0f, 118.0f}, {0.02f, 152.0f}, {0.08f, 158.0f}, {0.105f, 152.0f}, {0.112f, 112.0f},
                            {0.145f, 116.0f}, {0.153f, 148.0f}, {0.22f, 136.0f}, {0.3f, 118.0f}, {0.42f, 104.0f}}},
                 .mouth = {{0.0f, {520.0f, 1400.0f, 2450.0f, 2950.0f}},
                           {0.05f, {700.0f, 1600.0f, 2550.0f, 3050.0f}},
                           {0.22f, {680.0f, 1450.0f, 2500.0f, 3000.0f}},
                           {0.42f, {540.0f, 1200.0f, 2400.0f, 2900.0f}}},
                 .chest_hz = 300.0f,
                 .breath = 0.06f,
                 .creak_hz = 40.0f,
                 .catch_s = 0.11f,
                 .mouth_scale = 1.0f,
                 .bright = 1.9f,
                 .seed = 0x9A1Du});
  colour(b, {{Colour::HighPass, 90.0f}, {Colour::HighPass, 90.0f}});
  presence(b, 1.0f, 1.35f);
  return b;
}

Buf colonist_death() {
  // A man's cry of pain that chokes into a falling moan and a wet rattle.
  Buf b = voice({.seconds = 1.4f,
                 .pitch = {{{0.0f, 190.0f}, {0.1f, 330.0f}, {0.22f, 300.0f}, {0.36f, 220.0f}, {0.5f, 255.0f},
                            {0.62f, 170.0f}, {0.9f, 125.0f}, {1.4f, 76.0f}}},
                 .vowels = {kVowelA, kVowelE, kVowelA, kVowelO, kVowelU, kNasalM},
                 .rasp = 0.5f,
                 .jitter = 0.09f,
                 .vibrato = 0.04f,
                 .drift = 0.08f,
                 .shimmer = 0.4f,
                 .attack_s = 0.01f,
                 .release_s = 0.6f,
                 .seed = 0xC01u});
  Rng rng(0xC02u);
  // The rattle comes in uneven catches of the throat, not a steady tick.
  double at = 0.85;
  for (int k = 0; k < 10; ++k) {
    at += rng.uni() < 0.4f ? rng.range(0.015f, 0.035f) : rng.range(0.045f, 0.09f);
    add_noise_burst(b, rng, at, rng.range(300.0f, 700.0f), 4.0f, rng.range(0.012f, 0.03f), rng.range(0.25f, 0.45f));
    add_noise_burst(b, rng, at + rng.range(0.002f, 0.01f), rng.range(1800.0f, 3600.0f), 3.0f, 0.008f,
                    rng.range(2.0f, 3.5f));
  }
  // The breath torn out of the throat over the cry: a hoarse rush at the
  // voice's upper formants, strongest at the start and gliding down.
  Biquad gasp;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    if (i % 64 == 0) gasp.bandpass(3200.0f - 900.0f * std::min(1.0f, t / 0.8f), 1.2f, kRate);
    b[i] += gasp(rng.bi()) * 1.4f * std::min(1.0f, t / 0.02f) * std::exp(-t / 0.45f);
  }
  // A man's voice from the chest, its top rolled off gently above 12 kHz
  // (his breath's hiss kept, where the queen's roar has none) and hollowed
  // at 1 kHz, where the creatures' cries are fullest.
  // His cry breaks up high and sobs once before it falls: it is carried
  // by its strain at 2-4 kHz, the chest under 400 Hz kept light so the
  // pitch, not a muddy body, is what is heard.
  colour(b, {{Colour::LowPass, 12000.0f}, {Colour::Peak, 1000.0f, -0.8f, 0.9f}, {Colour::HighPass, 200.0f},
             {Colour::Peak, 400.0f, -0.5f, 0.8f}, {Colour::Peak, 3000.0f, 0.8f, 0.9f}});
  // The rattle dies away with the last breath.
  decay_out(b, kRate, 0.5f);
  restless(b, 0xC03u, 350.0f, 900.0f, 0.3f, 0.2f);
  open_at_peak(b, 0.05f, 0.6f);
  return b;
}

namespace {

// The comma gives the short, natural break Festival makes between the
// two phrases; an ellipsis makes a longer one that a listener (and a
// recogniser) hears as "please tell me".
const char* const kPlea = "Please, kill me.";
const char* const kFestivalVoice = "cmu_us_slt_arctic_hts";

// The spoken words from Festival's HTS voice, at our rate (sox converts
// from the voice's own 32 kHz, repeatably and without dither, so the file
// is the same every build), or nothing when either fails.
Buf spoken_plea() {
  char text[] = "/tmp/rx907-plea-XXXXXX";
  int fd = mkstemp(text);
  if (fd < 0) return {};
  close(fd);
  const std::string raw = std::string(text) + "-raw.wav", wav = std::string(text) + ".wav";
  std::ofstream(text) << kPlea << "\n";
  // The voice reads the line plainly, with its own timing; only the pitch
  // is moved afterwards (see pleading).
  std::string cmd = std::string("text2wave -eval '(voice_") + kFestivalVoice + ")' -o '" + raw + "' '" + text +
                    "' >/dev/null 2>&1 && sox -R -D '" + raw + "' -r " + std::to_string(kRate) + " -b 16 -c 1 '" + wav +
                    "' >/dev/null 2>&1";
  int rc = std::system(cmd.c_str());
  Buf out;
  if (rc == 0) {
    std::ifstream f(wav, std::ios::binary);
    Bytes bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    WavData w;
    if (read_wav(bytes, w) && w.rate == kRate) out = std::move(w.samples);
  }
  std::remove(text);
  std::remove(raw.c_str());
  std::remove(wav.c_str());
  // Trim the synthesiser's leading and trailing silence.
  size_t first = 0, last = out.size();
  while (first < last && std::fabs(out[first]) < 0.003f) ++first;
  while (last > first && std::fabs(out[last - 1]) < 0.003f) --last;
  return Buf(out.begin() + static_cast<std::ptrdiff_t>(first), out.begin() + static_cast<std::ptrdiff_t>(last));
}

// A shaky breath drawn in through the mouth, `seconds` long, its noise
// coloured like an open throat.
Buf drawn_breath(Rng& rng, double seconds, float gain) {
  Buf b = blank(seconds);
  Biquad throat, mouth;
  throat.bandpass(900.0f, 0.9f, kRate);
  mouth.bandpass(2100.0f, 1.3f, kRate);
  OnePoleLP shake;
  shake.set(9.0f, kRate);
  for (size_t i = 0; i < b.size(); ++i) {
    float u = static_cast<float>(i) / static_cast<float>(b.size());
    float env = std::sin(static_cast<float>(kPi) * std::pow(u, 0.7f)) * (1.0f + 2.5f * shake(rng.bi()));
    float n = rng.bi();
    b[i] = (throat(n) + mouth(n) * 0.6f) * env * gain;
  }
  return b;
}

// A sobbing breath in before the words: the intake catches kSobs times,
// and the wet mouth clicks softly as it opens. It stays soft: louder, a
// recogniser takes "please" for "fleece".
constexpr int kSobs = 3, kWetClicks = 5;
constexpr float kWetClickLift = 4.0f;
Buf sobbing_breath(Rng& rng, double seconds, float gain) {
  Buf b = drawn_breath(rng, seconds, gain);
  for (size_t i = 0; i < b.size(); ++i) {
    const double u = static_cast<double>(i) / static_cast<double>(b.size());
    const double c = 0.5 - 0.5 * std::cos(kTwoPi * kSobs * u);
    b[i] *= static_cast<float>(0.3 + 0.7 * c * c);
  }
  Biquad wet;
  wet.bandpass(1800.0f, 2.5f, kRate);
  for (int k = 0; k < kWetClicks; ++k) {
    const size_t at = static_cast<size_t>(rng.range(0.05f, 0.85f) * static_cast<float>(b.size()));
    const size_t len = frames(0.004, kRate);
    for (size_t i = 0; i < len && at + i < b.size(); ++i)
      b[at + i] += wet(rng.bi()) * gain * kWetClickLift * std::exp(-static_cast<float>(i) / static_cast<float>(len / 4));
  }
  return b;
}

// Without a speech synthesiser: a formant moan shaped like the two words.
Buf moaned_plea() {
  Buf b = voice({.seconds = 0.9f,
                 .pitch = {{{0.0f, 105.0f}, {0.5f, 112.0f}, {0.9f, 88.0f}}},
                 .vowels = {kVowelI, kVowelI, kVowelE, kNasalM, kVowelI, kVowelI},
                 .rasp = 0.4f, .jitter = 0.06f, .attack_s = 0.05f, .release_s = 0.3f, .seed = 0x4B1u});
  Buf again = voice({.seconds = 1.2f,
                     .pitch = {{{0.0f, 118.0f}, {0.4f, 108.0f}, {1.2f, 80.0f}}},
                     .vowels = {kVowelE, kVowelI, kVowelI, kNasalM, kNasalM},
                     .rasp = 0.5f, .jitter = 0.08f, .attack_s = 0.05f, .release_s = 0.5f, .seed = 0x4B2u});
  add(b, again, frames(1.2, kRate));
  return b;
}

PleaVoice plea_voice = PleaVoice::Formant;

}  // namespace

void use_plea_voice(PleaVoice v) { plea_voice = v; }

PleaVoice detect_plea_voice() {
  const std::string probe = std::string("command -v text2wave >/dev/null 2>&1 && command -v sox >/dev/null 2>&1 && "
                                        "test -d /usr/share/festival/voices/us/") +
                            kFestivalVoice;
  return std::system(probe.c_str()) == 0 ? PleaVoice::Festival : PleaVoice::Formant;
}

namespace {

// Where "please" ends and "kill" begins: the middle of the quietest 20 ms
// (the held breath before the "k"), looked for in the line's middle three
// fifths.
size_t line_break(const Buf& words) {
  const size_t win = frames(0.02, kRate);
  size_t best = words.size() / 3;
  double quietest = 1e30;
  for (size_t at = words.size() / 5; at + win < words.size() * 3 / 5; at += win / 4) {
    double e = 0.0;
    for (size_t i = at; i < at + win; ++i) e += static_cast<double>(words[i]) * words[i];
    if (e < quietest) {
      quietest = e;
      best = at + win / 2;
    }
  }
  return best;
}

// "kill" is the word the plea turns on, and the plain reading rushes it
// and a recogniser (a listener too) takes it for "tell": a moment more of
// held breath before it, its "k" released with a stronger burst low in
// the band, where a "k" before this vowel has it (a "t" has its burst
// high), and the word stressed over "please", as someone begging would.
constexpr double kGapBeforeKill = 0.04;  // seconds added to the held breath
constexpr float kBurstHz = 1000.0f;      // centre of the lifted band of the burst
constexpr float kBurstLift = 4.0f;       // that band added again, this many times
constexpr float kKillStress = 2.0f;      // "kill" this many times as loud
constexpr double kKillS = 0.3;           // how long "kill" lasts from its burst

Buf kill_made_clear(const Buf& words) {
  const size_t split = line_break(words);
  // The k's release: the first sound after the held breath to rise clearly
  // out of it.
  const float floor = 0.04f * peak(words);
  size_t k = split;
  while (k < words.size() && std::fabs(words[k]) < floor) ++k;
  const size_t kill_len = frames(kKillS, kRate);
  if (k + kill_len >= words.size()) return words;
  Buf out = words;
  Biquad burst;
  burst.bandpass(kBurstHz, 0.8f, kRate);
  const size_t burst_from = k - std::min(k, frames(0.003, kRate)), burst_to = k + frames(0.03, kRate);
  for (size_t i = burst_from; i < burst_to; ++i) {
    const float u = static_cast<float>(i - burst_from) / static_cast<float>(burst_to - burst_from);
    out[i] += burst(words[i]) * kBurstLift * std::sin(static_cast<float>(kPi) * u);
  }
  // The stress rises over 10 ms at the burst and eases off over the last
  // 50 ms of the word, into "me".
  const float rise = static_cast<float>(frames(0.01, kRate)), ease = static_cast<float>(frames(0.05, kRate));
  for (size_t i = k; i < k + kill_len; ++i) {
    const float u = std::min({1.0f, static_cast<float>(i - k) / rise, static_cast<float>(k + kill_len - i) / ease});
    out[i] *= 1.0f + (kKillStress - 1.0f) * u;
  }
  // The longer held breath, silence let in at the quietest point with a
  // few milliseconds' fade either side.
  const size_t fade = frames(0.003, kRate);
  for (size_t i = 0; i < fade && i < split; ++i) {
    const float g = static_cast<float>(i) / static_cast<float>(fade);
    out[split - 1 - i] *= g;
    out[split + i] *= g;
  }
  out.insert(out.begin() + static_cast<std::ptrdiff_t>(split), frames(kGapBeforeKill, kRate), 0.0f);
  return out;
}

// How far the pleading voice moves from the synthesiser's plain reading,
// as a factor on its pitch: the plain "please" falls, the begging one is
// lifted more and more, from below where it began to well above, so it
// climbs to the end as a begging question does; "kill" breaks in high
// (near 280 Hz) and falls through "me", which sinks, spent, below where
// the line began. A slow tremor shakes it throughout. Points are (share
// of the word or words, factor).
struct ContourPoint {
  double at, factor;
};
constexpr ContourPoint kBegging[] = {{0.0, 0.85}, {0.5, 1.2}, {1.0, 1.75}};
constexpr ContourPoint kBreaking[] = {{0.0, 1.45}, {0.15, 1.5}, {0.45, 1.15}, {0.75, 1.0}, {1.0, 0.78}};
constexpr double kTremorHz = 5.5, kTremorDepth = 0.022;
// A second, slower and uneven waver on top: the voice of someone too weak
// to hold a note, never a regular vibrato.
constexpr double kWaverHz = 2.3, kWaverDepth = 0.018;
// "me", the spent end of the line, trembles hard, over a semitone either
// way at five a second, as a voice about to break into tears; "kill"
// before it stays steady so its consonants keep their shape. The tremble
// fades in over the share of the words after "kill" where "me" begins.
constexpr double kMeTrembleHz = 5.0, kMeTrembleDepth = 0.08;
constexpr double kMeFrom = 0.45, kMeFull = 0.6;

template <size_t N>
double along(const ContourPoint (&c)[N], double u) {
  if (u <= c[0].at) return c[0].factor;
  for (size_t i = 1; i < N; ++i)
    if (u <= c[i].at) return c[i - 1].factor + (c[i].factor - c[i - 1].factor) * (u - c[i - 1].at) / (c[i].at - c[i - 1].at);
  return c[N - 1].factor;
}

// The plain reading re-sung to the pleading contour; the mouth, the
// consonants and the timing stay the synthesiser's, which keeps the words
// clear.
Buf pleading(const Buf& words) {
  const double split = static_cast<double>(line_break(words)) / kRate;
  const double end = static_cast<double>(words.size()) / kRate;
  return repitched(words, kRate, [&](double t) {
    const double tremor = 1.0 + kTremorDepth * std::sin(kTwoPi * kTremorHz * t) +
                          kWaverDepth * std::sin(kTwoPi * kWaverHz * t + 1.7 * std::sin(kTwoPi * 0.9 * t));
    if (t < split) return tremor * along(kBegging, t / split);
    const double u = (t - split) / (end - split);
    const double me = std::clamp((u - kMeFrom) / (kMeFull - kMeFrom), 0.0, 1.0);
    const double me_at = split + kMeFrom * (end - split);
    const double tremble = 1.0 + kMeTrembleDepth * me * std::sin(kTwoPi * kMeTrembleHz * std::max(0.0, t - me_at));
    return tremor * tremble * along(kBreaking, u);
  });
}

}  // namespace

// How strongly the upper formants are lifted against the plain voice.
constexpr float kPresence = 2.5f, kAir = 2.0f;
// How long after "me" the gasp comes: close behind it a recogniser hears
// the gasp as one more word.
constexpr double kGaspAfterS = 0.5;

Buf cocoon_plea() {
  Rng rng(0x4B3u);
  if (plea_voice == PleaVoice::Festival) {
    Buf words = spoken_plea();
    if (words.empty()) throw std::runtime_error("Festival did not speak the plea");
    words = pleading(kill_made_clear(words));
    // A weak, shaky breath in, then the words, then the breath let go; in
    // the small, damp chamber of the cocoon.
    // Presence: the upper formants (2-5 kHz) lifted strongly and the chest
    // under 180 Hz thinned, so the consonants, the breathy edge of a
    // frightened voice and the vowels' colour carry over the music rather
    // than the voice's low hum.
    Biquad presence, air, chest;
    presence.bandpass(2800.0f, 0.9f, kRate);
    air.bandpass(4000.0f, 1.2f, kRate);
    chest.highpass(180.0f, 0.7f, kRate);
    for (float& s : words) {
      float x = chest(s);
      s = x + presence(x) * kPresence + air(x) * kAir;
    }
    float top = peak(words);
    if (top > 0.0f) scale(words, 1.0f / top);
    Buf b = sobbing_breath(rng, 0.5, 0.042f);
    const size_t speak_at = b.size() - frames(0.06, kRate);
    add(b, words, speak_at);
    // After the words, a pause, then a catching gasp in and the breath let
    // go: air only, never voiced, so nothing after "me" is heard as a word.
    const size_t done = speak_at + words.size();
    add(b, sobbing_breath(rng, 0.3, 0.045f), done + frames(kGaspAfterS, kRate));
    Buf out = drawn_breath(rng, 0.5, 0.015f);
    std::reverse(out.begin(), out.end());
    add(b, out, done + frames(kGaspAfterS + 0.3, kRate));
    return add_reverb(b, kRate, 0.2f, 0.6f, 0.06f, 0.2);
  }
  // The formant moan: a rasping throat, a touch of ring modulation, grit
  // and breath.
  Buf b = moaned_plea();
  float env_peak = peak(b);
  if (env_peak > 0.0f) scale(b, 1.0f / env_peak);
  OnePoleLP follow;
  follow.set(30.0f, kRate);
  Biquad breath;
  breath.bandpass(1800.0f, 0.8f, kRate);
  Phase ring;
  for (size_t i = 0; i < b.size(); ++i) {
    float x = b[i];
    float env = follow(std::fabs(x));
    float rm = x * sine(ring.step(41.0, kRate));
    b[i] = 0.8f * x + 0.3f * rm + breath(rng.bi()) * env * 0.8f;
  }
  soft_clip(b, 2.0f);
  b = lowpassed(b, kRate, 5500.0f);
  return add_reverb(b, kRate, 0.35f, 0.5f, 0.22f, 0.25);
}

}  // namespace contentgen::sfx
