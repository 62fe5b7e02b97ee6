// The cocooned colonist's plea comes from one chosen voice per run and is
// the same every time it is made.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>

#include "state/archive.h"
#include "contentgen_sound/pcm_probe.h"
#include "sounds/effects.h"
#include "sounds/repitch.h"

TEST(PleaVoice, TheFormantVoiceGivesTheSameWordsEveryTime) {
  contentgen::sfx::use_plea_voice(contentgen::sfx::PleaVoice::Formant);
  contentgen::sfx::Buf a = contentgen::sfx::cocoon_plea(), b = contentgen::sfx::cocoon_plea();
  ASSERT_EQ(a.size(), b.size());
  EXPECT_TRUE(a == b);
  // Two words and the room after them: well over two seconds of sound.
  EXPECT_GT(static_cast<double>(a.size()) / contentgen::sfx::kRate, 2.0);
  EXPECT_GT(contentgen::dsp::rms(a), 0.05f);
}

TEST(PleaVoice, AChosenSynthesiserThatFailsIsAnErrorNotASilentSwitch) {
  // With no Festival to be found the plea cannot be made in that voice,
  // and the generator must say so rather than ship the other voice.
  const char* path = std::getenv("PATH");
  const std::string saved = path ? path : "";
  setenv("PATH", "/nonexistent-rx907", 1);
  EXPECT_EQ(contentgen::sfx::detect_plea_voice(), contentgen::sfx::PleaVoice::Formant);
  contentgen::sfx::use_plea_voice(contentgen::sfx::PleaVoice::Festival);
  EXPECT_THROW(contentgen::sfx::cocoon_plea(), std::runtime_error);
  setenv("PATH", saved.c_str(), 1);
  contentgen::sfx::use_plea_voice(contentgen::sfx::PleaVoice::Formant);
}

TEST(PleaVoice, ARecogniserHearsTheShippedWordsAsSpoken) {
  // A speech recogniser given a forced choice among phrases that sound
  // alike must pick the colonist's own words from the shipped file, heard
  // after a moment of quiet as in the game. (The plea stretched longer and
  // lower, as it once was, is heard as nothing or as "kill him".)
  if (contentgen::sfx::detect_plea_voice() != contentgen::sfx::PleaVoice::Festival)
    GTEST_SKIP() << "the plea was made by the formant voice; it speaks no words";
  ASSERT_EQ(std::system("pocketsphinx_continuous -h >/dev/null 2>&1 || command -v pocketsphinx_continuous >/dev/null"), 0)
      << "pocketsphinx is installed by scripts/install-deps";
  register_embedded_archive();
  const ArchiveEntry* e = archive_find("data\\sfx\\killme.wav");
  ASSERT_NE(e, nullptr);
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("rx907-plea-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "plea.wav", std::ios::binary).write(reinterpret_cast<const char*>(e->data), static_cast<std::streamsize>(e->size));
  std::ofstream(dir / "plea.gram") << "#JSGF V1.0;\ngrammar plea;\npublic <plea> = please kill me | please kiss me | "
                                      "please fill me | please kill him | police kill me | please keep me | "
                                      "please feel me | please kick me | please call me | please tell me;\n";
  const std::string cmd = "cd '" + dir.string() + "' && sox plea.wav -r 16000 -b 16 -c 1 plea16.wav pad 0.3 0.3 && "
                          "pocketsphinx_continuous -infile plea16.wav -jsgf plea.gram -remove_silence no "
                          "-logfn /dev/null > heard.txt 2>/dev/null && "
                          "pocketsphinx_continuous -infile plea16.wav -logfn /dev/null > free.txt 2>/dev/null && "
                          "sox plea.wav -r 16000 -b 16 -c 1 bare16.wav && "
                          "pocketsphinx_continuous -infile bare16.wav -logfn /dev/null > bare.txt 2>/dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
  std::ifstream in(dir / "heard.txt");
  std::string words;
  std::getline(in, words);
  // Free decoding, with the recogniser's general English model and no
  // grammar, must hear the two words that carry the plea.
  std::ifstream free_in(dir / "free.txt");
  std::string heard((std::istreambuf_iterator<char>(free_in)), std::istreambuf_iterator<char>());
  // And so must the file as it is, with no quiet added around it: a plea
  // that decodes only when padded is on the edge of "please tell me", and
  // a sob close behind "me" is heard as one more word.
  std::ifstream bare_in(dir / "bare.txt");
  std::string bare((std::istreambuf_iterator<char>(bare_in)), std::istreambuf_iterator<char>());
  fs::remove_all(dir);
  EXPECT_EQ(words, "please kill me");
  EXPECT_NE(heard.find("please"), std::string::npos) << heard;
  EXPECT_NE(heard.find("kill"), std::string::npos) << heard;
  EXPECT_NE(bare.find("please"), std::string::npos) << bare;
  EXPECT_NE(bare.find("kill"), std::string::npos) << bare;
  // Nothing after the words is taken for another word.
  std::istringstream bare_words(bare);
  EXPECT_LE(std::distance(std::istream_iterator<std::string>(bare_words), std::istream_iterator<std::string>()), 3) << bare;
}

namespace {

// A voiced sound: a resonance near 800 Hz struck at every glottal pulse.
contentgen::dsp::Buf pulsed_voice(double hz, double seconds) {
  const int rate = contentgen::sfx::kRate;
  contentgen::dsp::Buf b(static_cast<size_t>(seconds * rate), 0.0f);
  const double period = rate / hz;
  for (double at = 0.0; at < static_cast<double>(b.size()); at += period)
    for (size_t i = static_cast<size_t>(at); i < std::min(b.size(), static_cast<size_t>(at) + 200); ++i) {
      const double t = static_cast<double>(i) - at;
      b[i] += static_cast<float>(0.5 * std::exp(-t / 40.0) * std::sin(2.0 * 3.14159265358979 * 800.0 * t / rate));
    }
  return b;
}

// The lag of the strongest self-likeness over the middle of the buffer.
double period_of(const contentgen::dsp::Buf& b) {
  const size_t from = b.size() / 3, n = b.size() / 3;
  size_t best = 0;
  double best_ac = -1.0;
  for (size_t lag = 100; lag < 400; ++lag) {
    double ac = 0.0;
    for (size_t i = from; i < from + n; ++i) ac += static_cast<double>(b[i]) * b[i + lag];
    if (ac > best_ac) {
      best_ac = ac;
      best = lag;
    }
  }
  return static_cast<double>(best);
}

}  // namespace

TEST(PleaVoice, TheRepitcherMovesOnlyThePitch) {
  const int rate = contentgen::sfx::kRate;
  const contentgen::dsp::Buf voice = pulsed_voice(180.0, 0.6);
  // Left alone, every pulse falls back in its place.
  const contentgen::dsp::Buf same = contentgen::dsp::repitched(voice, rate, [](double) { return 1.0; });
  ASSERT_EQ(same.size(), voice.size());
  double err = 0.0, sig = 0.0;
  for (size_t i = voice.size() / 10; i < voice.size() * 9 / 10; ++i) {
    err += (same[i] - voice[i]) * (same[i] - voice[i]);
    sig += voice[i] * voice[i];
  }
  EXPECT_LT(err, sig * 1e-3);
  // Raised by a third: the pulses come a third faster, the length is kept.
  const contentgen::dsp::Buf raised = contentgen::dsp::repitched(voice, rate, [](double) { return 4.0 / 3.0; });
  ASSERT_EQ(raised.size(), voice.size());
  EXPECT_NEAR(period_of(raised), rate / 240.0, 2.0);
  EXPECT_NEAR(period_of(voice), rate / 180.0, 2.0);
}
