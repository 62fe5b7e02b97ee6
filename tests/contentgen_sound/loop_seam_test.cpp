// Matching a loop's ending to its opening in level must not cut the
// waveform where the loop wraps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "music/synth.h"

namespace {

using contentgen::music::kRate;
using contentgen::music::LoopCanvas;

TEST(LoopSeam, TheLevelMatchRaisesAQuietEndingYetLeavesTheWrapSampleContinuous) {
  // A steady 110 Hz tone, 8 dB quieter over the last four seconds; the
  // loop is a whole number of periods, so untouched it wraps seamlessly.
  const size_t n = static_cast<size_t>(kRate) * 12;
  LoopCanvas c(n);
  const size_t quiet_from = n - static_cast<size_t>(kRate) * 4;
  for (size_t i = 0; i < n; ++i) {
    const float v = 0.3f * std::sin(2.0f * 3.14159265f * 110.0f * static_cast<float>(i) / kRate);
    const float g = i >= quiet_from ? std::pow(10.0f, -8.0f / 20.0f) : 1.0f;
    c.left()[i] = c.right()[i] = v * g;
  }
  const LoopCanvas before = c;
  contentgen::music::level_seam(c, 6.0);
  // The ending is brought up (a second before the end, well past unity)...
  const size_t probe = n - static_cast<size_t>(kRate);
  double raised = 0.0, was = 0.0;
  for (size_t i = probe - 2000; i < probe; ++i) {
    raised += std::fabs(c.left()[i]);
    was += std::fabs(before.left()[i]);
  }
  EXPECT_GT(raised / was, 1.8);
  // ...but the last samples are back at their own level, so the step into
  // sample 0 is no larger than the tone's own step between samples.
  const float max_step = 0.3f * 2.0f * 3.14159265f * 110.0f / kRate;
  for (const auto* ch : {&c.left(), &c.right()}) {
    EXPECT_NEAR((*ch)[n - 1], before.left()[n - 1], 1e-4f);
    EXPECT_LE(std::fabs((*ch)[0] - (*ch)[n - 1]), max_step * 1.05f);
  }
}

TEST(LoopSeam, TheQuietLiftRaisesTheSoftHalfAloneAndGlidesRoundTheWrap) {
  // 20 s of a steady tone, then 20 s of it 14 dB softer, looped: the lift
  // must raise the soft half, leave the loud half be, and change the gain
  // smoothly everywhere, across the wrap from the soft end into the loud
  // opening as well.
  const size_t n = static_cast<size_t>(kRate) * 40, half = n / 2;
  LoopCanvas c(n);
  for (size_t i = 0; i < n; ++i) {
    const float v = 0.3f * std::sin(2.0f * 3.14159265f * 110.0f * static_cast<float>(i) / kRate);
    c.left()[i] = c.right()[i] = i >= half ? v * std::pow(10.0f, -14.0f / 20.0f) : v;
  }
  const LoopCanvas before = c;
  contentgen::music::lift_quiet(c, 2.0f, 3.0f, 8.0f);
  auto gain_db = [&](size_t i) { return 20.0 * std::log10(std::fabs(c.left()[i] / before.left()[i])); };
  auto mid_gain = [&](size_t at) {
    double sum = 0.0, was = 0.0;
    for (size_t i = at - 4410; i < at + 4410; ++i) {
      sum += std::fabs(c.left()[i]);
      was += std::fabs(before.left()[i]);
    }
    return 20.0 * std::log10(sum / was);
  };
  EXPECT_NEAR(mid_gain(half / 2), 0.0, 0.5) << "loud half";
  const double lifted = mid_gain(half + half / 2);
  EXPECT_GT(lifted, 4.0) << "soft half";
  EXPECT_LE(lifted, 8.0 + 1e-3) << "never past the cap";
  // Gain steps between neighbouring samples away from zero crossings, the
  // pair across the wrap included.
  double worst = 0.0;
  size_t last = n;  // the previous sample loud enough to read a gain from
  for (size_t k = 0; k <= n; ++k) {
    const size_t i = k % n;
    if (std::fabs(before.left()[i]) < 0.02f) continue;
    if (last != n) worst = std::max(worst, std::fabs(gain_db(i) - gain_db(last)));
    last = i;
  }
  EXPECT_LT(worst, 0.01);
}

}  // namespace
