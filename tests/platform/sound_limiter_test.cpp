// The limiter at the end of the mix: loud sums come out under the ceiling,
// between the samples too, and anything below it passes untouched.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "measure/meters.h"
#include "platform/sound_limiter.h"

namespace {

constexpr int rate = 44100;
constexpr double pi = 3.14159265358979323846;

// Interleaved stereo: a tone in each channel, `amplitude` linear.
std::vector<float> tones(double hz_l, double hz_r, double amplitude, double seconds) {
  std::vector<float> s(static_cast<size_t>(seconds * rate) * 2);
  for (size_t i = 0; i < s.size() / 2; ++i) {
    s[2 * i] = static_cast<float>(amplitude * std::sin(2 * pi * hz_l * i / rate));
    s[2 * i + 1] = static_cast<float>(amplitude * std::sin(2 * pi * hz_r * i / rate + 0.7));
  }
  return s;
}

std::vector<float> channel(const std::vector<float>& s, int c) {
  std::vector<float> out(s.size() / 2);
  for (size_t i = 0; i < out.size(); ++i) out[i] = s[2 * i + c];
  return out;
}

// Runs the limiter over the signal in device-sized blocks.
void run(plat::MixLimiter& lim, std::vector<float>& s, size_t block = 2048) {
  for (size_t at = 0; at < s.size() / 2; at += block) lim.process(s.data() + 2 * at, std::min(block, s.size() / 2 - at));
}

}  // namespace

TEST(MixLimiter, LoudSumsStayUnderTheCeilingBetweenSamplesToo) {
  const float ceiling = std::pow(10.0f, -1.5f / 20.0f);
  // A quiet passage, then sounds that sum far over full scale (a high tone
  // whose peaks fall between samples among them), then quiet again.
  std::vector<float> s = tones(440, 554, 0.2, 0.5);
  std::vector<float> loud = tones(9973, 11025.0 * 0.98, 2.5, 0.3);
  std::vector<float> bang = tones(120, 180, 4.0, 0.2);
  s.insert(s.end(), loud.begin(), loud.end());
  s.insert(s.end(), bang.begin(), bang.end());
  std::vector<float> after = tones(440, 554, 0.2, 1.0);
  s.insert(s.end(), after.begin(), after.end());
  plat::MixLimiter lim(rate, ceiling);
  run(lim, s, 1000);
  for (int c = 0; c < 2; ++c) EXPECT_LE(contentgen::measure::true_peak_db(channel(s, c)), -1.0) << "channel " << c;
  EXPECT_LT(lim.deepest_gain(), 0.25f);
  // A second after the bang the quiet tone is back at its own level.
  std::vector<float> tail(s.end() - rate / 4 * 2, s.end());
  float top = 0;
  for (float v : tail) top = std::max(top, std::fabs(v));
  EXPECT_NEAR(top, 0.2f, 0.01f);
}

TEST(MixLimiter, BelowTheCeilingTheSoundOnlyArrivesALittleLater) {
  std::vector<float> in = tones(1000, 250, 0.7, 0.5);
  std::vector<float> out = in;
  plat::MixLimiter lim(rate, std::pow(10.0f, -1.5f / 20.0f));
  run(lim, out, 333);
  EXPECT_FLOAT_EQ(lim.deepest_gain(), 1.0f);
  // The same samples, a fixed few milliseconds late.
  size_t delay = 0;
  while (delay < 1000 && out[2 * delay] == 0.0f && out[2 * delay + 1] == 0.0f) ++delay;
  EXPECT_GT(delay, 0u);
  EXPECT_LT(delay, static_cast<size_t>(rate * 0.003));
  for (size_t i = delay; i < in.size() / 2; i += 97) {
    EXPECT_FLOAT_EQ(out[2 * i], in[2 * (i - delay)]);
    EXPECT_FLOAT_EQ(out[2 * i + 1], in[2 * (i - delay) + 1]);
  }
}
