// The meters the effects are levelled and the music mastered with, checked
// against signals whose loudness is known, and the limiter that holds the
// peaks.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "measure/chroma.h"
#include "measure/loudness.h"
#include "sounds/levelling.h"

namespace {

using contentgen::measure::Curve;

constexpr double kPi = 3.14159265358979323846;

std::vector<float> sine(double hz, double amplitude, double seconds, int rate) {
  std::vector<float> s(static_cast<size_t>(seconds * rate));
  for (size_t i = 0; i < s.size(); ++i) s[i] = static_cast<float>(amplitude * std::sin(2 * kPi * hz * i / rate));
  return s;
}

void append(std::vector<float>& a, const std::vector<float>& b) { a.insert(a.end(), b.begin(), b.end()); }

}  // namespace

TEST(LoudnessMeter, ReadsKnownTonesAsTheEarCurvesSay) {
  // A full-scale 1 kHz sine is 0 dB on the A curve: a mean square of -3 dB.
  for (int rate : {22050, 44100}) {
    SCOPED_TRACE(rate);
    auto tone = sine(1000, 1.0, 1.0, rate);
    EXPECT_NEAR(contentgen::measure::loudest_window_db(tone, rate, Curve::A, 0.4), -3.01, 0.15);
    // 100 Hz lies 19 dB down the A curve; 30 Hz is cut by the high-pass as well.
    EXPECT_NEAR(contentgen::measure::loudest_window_db(sine(100, 1.0, 1.0, rate), rate, Curve::A, 0.4), -3.01 - 19.1, 0.6);
    EXPECT_LT(contentgen::measure::loudest_window_db(sine(30, 1.0, 1.0, rate), rate, Curve::A, 0.4), -45.0);
  }
  // A stereo 997 Hz sine of amplitude 0.1 reads -20 LUFS on the K curve.
  auto tone = sine(997, 0.1, 10.0, 44100);
  EXPECT_NEAR(contentgen::measure::programme_loudness(tone, tone, 44100).integrated, -20.0, 0.1);
}

TEST(LoudnessMeter, ShortSoundsAreMeasuredAgainstTheWholeWindow) {
  // 50 ms of tone fills half of a 100 ms window and an eighth of 400 ms.
  const int rate = 22050;
  std::vector<float> burst = sine(1000, 1.0, 0.05, rate);
  append(burst, std::vector<float>(rate, 0.0f));
  auto lv = contentgen::measure::effect_level(burst, rate);
  EXPECT_NEAR(lv.loudest_100ms, -3.01 - 3.01, 0.3);
  EXPECT_NEAR(lv.loudest_400ms, -3.01 - 9.03, 0.3);
  EXPECT_NEAR(lv.heard(), 0.5 * (lv.loudest_100ms + lv.loudest_400ms), 1e-9);
}

TEST(LoudnessMeter, GatingAndRangeFollowTheBroadcastRules) {
  // 10 s at -36, 60 s at -23, 10 s at -36 LUFS: the quiet ends fall under
  // the relative gate and the programme reads -23.
  const int rate = 44100;
  auto quiet = sine(997, std::pow(10.0, -36.0 / 20), 10.0, rate);
  auto loud = sine(997, std::pow(10.0, -23.0 / 20), 60.0, rate);
  std::vector<float> prog = quiet;
  append(prog, loud);
  append(prog, quiet);
  EXPECT_NEAR(contentgen::measure::programme_loudness(prog, prog, rate).integrated, -23.0, 0.1);
  // 20 s at -20 then 20 s at -30: a range of 10 LU.
  std::vector<float> steps = sine(997, 0.1, 20.0, rate);
  append(steps, sine(997, std::pow(10.0, -30.0 / 20), 20.0, rate));
  EXPECT_NEAR(contentgen::measure::programme_loudness(steps, steps, rate).range, 10.0, 1.0);
  // A steady tone has no range at all.
  EXPECT_NEAR(contentgen::measure::programme_loudness(loud, loud, rate).range, 0.0, 0.2);
}

TEST(KeyFinder, FindsTheTonicOfPlainChords) {
  const int rate = 44100;
  auto chord = [&](std::initializer_list<int> notes) {
    std::vector<float> s(static_cast<size_t>(4 * rate), 0.0f);
    double weight = 1.0;
    for (int midi : notes) {
      auto t = sine(440.0 * std::pow(2.0, (midi - 69) / 12.0), 0.2 * weight, 4.0, rate);
      for (size_t i = 0; i < s.size(); ++i) s[i] += t[i];
      weight *= 0.7;  // the root sounds loudest
    }
    return s;
  };
  auto c_major = contentgen::measure::key_of(contentgen::measure::chromagram(chord({48, 60, 64, 67}), rate));
  EXPECT_EQ(c_major.tonic, 0);
  EXPECT_FALSE(c_major.minor);
  auto e_minor = contentgen::measure::key_of(contentgen::measure::chromagram(chord({40, 52, 55, 59}), rate));
  EXPECT_EQ(e_minor.tonic, 4);
  EXPECT_TRUE(e_minor.minor);
}

TEST(Levelling, TheLimiterHoldsPeaksAndLetsTheRestBe) {
  const int rate = 22050;
  std::vector<float> s = sine(500, 0.3, 1.0, rate);
  for (size_t i = 11000; i < 11020; ++i) s[i] *= 3.0f;  // a spike to 0.9
  std::vector<float> before = s;
  contentgen::sfx::limit(s, rate, 0.5f, 1.5f, 60.0f);
  float peak = 0;
  for (float v : s) peak = std::max(peak, std::fabs(v));
  EXPECT_LE(peak, 0.5f);
  // Well before the spike and long after it the sound is untouched.
  for (size_t i = 0; i < 10900; ++i) ASSERT_FLOAT_EQ(s[i], before[i]) << i;
  EXPECT_NEAR(s[21000], before[21000], 1e-3);
}

TEST(Levelling, EffectsReachTheirLoudnessWithoutPassingTheCeiling) {
  const int rate = 22050;
  // A tone and a sharp click, the click needing the limiter to get there.
  std::vector<float> tone = sine(1000, 0.05, 0.6, rate);
  std::vector<float> click(static_cast<size_t>(0.3 * rate), 0.0f);
  for (size_t i = 0; i < click.size(); ++i)
    click[i] = static_cast<float>(std::exp(-static_cast<double>(i) / (0.015 * rate)) * std::sin(0.9 * i));
  // And a bass thud, which the A curve all but ignores: it is levelled on
  // the K curve, as headphones play it, so it does not come out too loud.
  std::vector<float> thud(static_cast<size_t>(0.4 * rate), 0.0f);
  for (size_t i = 0; i < thud.size(); ++i)
    thud[i] = static_cast<float>(0.2 * std::exp(-static_cast<double>(i) / (0.08 * rate)) * std::sin(2 * kPi * 70.0 * i / rate));
  for (auto* s : {&tone, &click, &thud}) {
    contentgen::sfx::level_effect(*s, rate, -14.0f, -1.0f);
    float peak = 0;
    for (float v : *s) peak = std::max(peak, std::fabs(v));
    EXPECT_LE(peak, std::pow(10.0f, -1.0f / 20.0f) + 1e-6f);
    const double a = contentgen::measure::effect_level(*s, rate).heard();
    const double k = contentgen::measure::effect_level(*s, rate, Curve::K).heard();
    EXPECT_NEAR(std::max(a, k), -14.0, 0.3);
  }
  EXPECT_LT(contentgen::measure::effect_level(thud, rate).heard(), -14.0 - 6.0) << "the thud levelled on its bass";
  // A loop is only scaled, so it stays periodic.
  std::vector<float> loop = sine(441, 0.01, 1.0, rate);
  std::vector<float> orig = loop;
  contentgen::sfx::level_loop(loop, rate, -18.0f, -1.0f);
  double ratio = loop[100] / orig[100];
  for (size_t i = 1; i < loop.size(); i += 997) EXPECT_NEAR(loop[i], orig[i] * ratio, 1e-4);
}
