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
#include "sounds/wav_read.h"

namespace contentgen::sfx {

using namespace dsp;

Buf pain(bool female) {
  // A short forced grunt, "uh!", from the chest: a hard glottal onset, the
  // vowel held open and falling in pitch, the voice cracking into creak at
  // its end, then a short exhale. Voiced all the way, with little noise.
  VoiceParams p{.seconds = female ? 0.34f : 0.32f,
                .pitch = {{{0.0f, 150.0f}, {0.04f, 158.0f}, {0.22f, 118.0f}, {0.32f, 72.0f}}},
                .vowels = {kVowelA, kVowelU, kVowelU, kVowelU},
                .rasp = 0.08f,
                .jitter = 0.03f,
                .attack_s = 0.008f,
                .release_s = 0.1f,
                .seed = 0x9A1Du};
  if (female) {
    p.pitch = {{{0.0f, 300.0f}, {0.04f, 320.0f}, {0.22f, 250.0f}, {0.34f, 170.0f}}};
    p.vowels = {kVowelA, kVowelA, kVowelU, kVowelU};
    p.formant_scale = 1.17f;
    p.seed = 0x9A1Fu;
  }
  Buf b = voice(p);
  // The vowel's second and third formants lifted, so the grunt is heard as
  // an "uh" of a voice and not as a hum.
  const float fs = p.formant_scale;
  Biquad f2, f3;
  f2.bandpass(kVowelU.f2 * fs, 2.5f, kRate);
  f3.bandpass(kVowelU.f3 * fs, 3.0f, kRate);
  for (float& s : b) s += f2(s) * 2.5f + f3(s) * 1.5f;
  // The exhale that follows, short and soft.
  Rng rng(p.seed);
  Biquad breath;
  breath.bandpass(female ? 1700.0f : 1300.0f, 1.5f, kRate);
  size_t s = frames(p.seconds * 0.7, kRate);
  Buf tail = blank(0.16);
  for (size_t i = 0; i < tail.size(); ++i) {
    float u = static_cast<float>(i) / tail.size();
    tail[i] = breath(rng.bi()) * 0.12f * std::sin(static_cast<float>(kPi) * u);
  }
  add(b, tail, s);
  return b;
}

Buf colonist_death() {
  // A choked, falling moan with a wet rattle at the end.
  Buf b = voice({.seconds = 1.4f,
                 .pitch = {{{0.0f, 150.0f}, {0.2f, 165.0f}, {1.4f, 78.0f}}},
                 .vowels = {kVowelA, kVowelA, kVowelO, kVowelU, kNasalM},
                 .rasp = 0.45f,
                 .jitter = 0.08f,
                 .attack_s = 0.03f,
                 .release_s = 0.5f,
                 .seed = 0xC01u});
  Rng rng(0xC02u);
  for (int k = 0; k < 10; ++k) {
    add_noise_burst(b, rng, 0.9 + 0.05 * k, rng.range(300.0f, 700.0f), 4.0f, 0.02f, 0.35f);
    add_noise_burst(b, rng, 0.905 + 0.05 * k, rng.range(1800.0f, 3200.0f), 3.0f, 0.008f, 3.0f);
  }
  // The breath torn out of the throat over the moan: a hoarse rush at the
  // voice's upper formants, strongest at the start.
  Biquad gasp;
  gasp.bandpass(2600.0f, 1.2f, kRate);
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(seconds_at(i));
    b[i] += gasp(rng.bi()) * 2.6f * std::min(1.0f, t / 0.02f) * std::exp(-t / 0.35f);
  }
  // A man's moan from the chest: held under 2 kHz, so it never takes
  // on the hugger's thin squeal.
  b = lowpassed(lowpassed(b, kRate, 2000.0f), kRate, 2400.0f);
  // The rattle dies away with the last breath.
  decay_out(b, kRate, 0.45f);
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
  // The voice reads the line plainly, with its own natural pitch contour
  // and timing; nothing is stretched or shifted afterwards.
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

Buf cocoon_plea() {
  Rng rng(0x4B3u);
  if (plea_voice == PleaVoice::Festival) {
    Buf words = spoken_plea();
    if (words.empty()) throw std::runtime_error("Festival did not speak the plea");
    // A weak, shaky breath in, then the words, then the breath let go; in
    // the small, damp chamber of the cocoon.
    // Presence: the upper formants (1.5-4 kHz) lifted by about 12 dB and
    // the chest under 180 Hz thinned, so the consonants and the vowels' colour
    // carry over the music rather than the voice's low hum.
    Biquad presence, chest;
    presence.bandpass(2600.0f, 0.7f, kRate);
    chest.highpass(180.0f, 0.7f, kRate);
    for (float& s : words) {
      float x = chest(s);
      s = x + presence(x) * 0.6f;
    }
    float top = peak(words);
    if (top > 0.0f) scale(words, 1.0f / top);
    Buf b = drawn_breath(rng, 0.42, 0.045f);
    const size_t speak_at = b.size() - frames(0.06, kRate);
    add(b, words, speak_at);
    Buf out = drawn_breath(rng, 0.5, 0.02f);
    std::reverse(out.begin(), out.end());
    add(b, out, speak_at + words.size() - frames(0.05, kRate));
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
