// Human voices: pain grunts, a dying colonist, and the cocooned colonist's
// plea, spoken by espeak-ng or by our formant voice (see use_plea_voice)
// and then roughened.
#include <unistd.h>

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
  // A short forced "uhh!" with the breath knocked out: pitch drops, rasp rises.
  VoiceParams p{.seconds = female ? 0.38f : 0.36f,
                .pitch = {{{0.0f, 125.0f}, {0.05f, 140.0f}, {0.36f, 92.0f}}},
                .vowels = {kVowelA, kVowelU, kVowelU},
                .rasp = 0.35f,
                .jitter = 0.05f,
                .attack_s = 0.015f,
                .release_s = 0.15f,
                .seed = 0x9A1Du};
  if (female) {
    p.pitch = {{{0.0f, 270.0f}, {0.05f, 310.0f}, {0.38f, 215.0f}}};
    p.vowels = {kVowelA, kVowelE, kVowelU};
    p.formant_scale = 1.17f;
    p.seed = 0x9A1Fu;
  }
  Buf b = voice(p);
  // The exhale that follows.
  Rng rng(p.seed);
  Biquad breath;
  breath.bandpass(female ? 2000.0f : 1500.0f, 1.0f, kRate);
  size_t s = frames(p.seconds * 0.55, kRate);
  Buf tail = blank(p.seconds * 0.45 + 0.12);
  for (size_t i = 0; i < tail.size(); ++i) {
    float u = static_cast<float>(i) / tail.size();
    tail[i] = breath(rng.bi()) * 0.35f * std::sin(static_cast<float>(kPi) * u);
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
  for (int k = 0; k < 10; ++k)
    add_noise_burst(b, rng, 0.9 + 0.05 * k, rng.range(300.0f, 700.0f), 4.0f, 0.02f, 0.35f);
  return b;
}

namespace {

const char* const kPlea = "Please... kill me.";

// The spoken words from espeak-ng, or nothing when it is absent or fails.
Buf spoken_plea() {
  char path[] = "/tmp/rx907-plea-XXXXXX";
  int fd = mkstemp(path);
  if (fd < 0) return {};
  close(fd);
  // A fixed voice, speed and pitch so the words come out the same every
  // build: a low, slow, worn-out man's voice, lowered and slowed by the
  // synthesiser itself so the words stay as clear as it speaks them.
  std::string cmd = std::string("espeak-ng -v en+m3 -s 112 -p 4 -a 160 -g 6 -w '") + path + "' '" + kPlea +
                    "' >/dev/null 2>&1";
  int rc = std::system(cmd.c_str());
  Buf out;
  if (rc == 0) {
    std::ifstream f(path, std::ios::binary);
    Bytes bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    WavData w;
    if (read_wav(bytes, w) && !w.samples.empty()) {
      out = w.rate == kRate ? std::move(w.samples) : stretched(w.samples, static_cast<double>(kRate) / w.rate);
    }
  }
  std::remove(path);
  // Trim the synthesiser's leading and trailing silence.
  size_t first = 0, last = out.size();
  while (first < last && std::fabs(out[first]) < 0.01f) ++first;
  while (last > first && std::fabs(out[last - 1]) < 0.01f) --last;
  return Buf(out.begin() + static_cast<std::ptrdiff_t>(first), out.begin() + static_cast<std::ptrdiff_t>(last));
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
  return std::system("espeak-ng --version >/dev/null 2>&1") == 0 ? PleaVoice::Espeak : PleaVoice::Formant;
}

Buf cocoon_plea() {
  Buf words;
  if (plea_voice == PleaVoice::Espeak) {
    words = spoken_plea();
    if (words.empty()) throw std::runtime_error("espeak-ng did not speak the plea");
  } else {
    words = moaned_plea();
  }
  // A rasping throat: a touch of ring modulation, grit and breath. The
  // words keep their own speed and pitch, and their consonants up to 5.5 kHz.
  Buf b = words;
  float env_peak = peak(b);
  if (env_peak > 0.0f) scale(b, 1.0f / env_peak);
  Rng rng(0x4B3u);
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
