// The cocooned colonist's plea comes from one chosen voice per run and is
// the same every time it is made.
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "sounds/effects.h"

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
  // With no espeak-ng to be found the plea cannot be made in that voice,
  // and the generator must say so rather than ship the other voice.
  const char* path = std::getenv("PATH");
  const std::string saved = path ? path : "";
  setenv("PATH", "/nonexistent-rx907", 1);
  EXPECT_EQ(contentgen::sfx::detect_plea_voice(), contentgen::sfx::PleaVoice::Formant);
  contentgen::sfx::use_plea_voice(contentgen::sfx::PleaVoice::Espeak);
  EXPECT_THROW(contentgen::sfx::cocoon_plea(), std::runtime_error);
  setenv("PATH", saved.c_str(), 1);
  contentgen::sfx::use_plea_voice(contentgen::sfx::PleaVoice::Formant);
}
