// The sub root under the climaxes: whatever key it is given, it sounds
// between 30 and 60 Hz, at the level asked against the music it sits
// under, and only under the bars it was given.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "music/sub_bass.h"

namespace {

using contentgen::music::kRate;
using contentgen::music::LoopCanvas;
using contentgen::music::sub_roots;
using contentgen::music::Timing;

}  // namespace

TEST(SubBass, EveryRootSoundsBetweenThirtyAndSixtyHertzAtItsLevelAndOnlyInItsBars) {
  const Timing tm{120, 4, 8};  // two seconds a bar
  // Keys from a low C to a high one, and a bed of a steady 1 kHz tone.
  const std::vector<int> roots = {24, 31, 40, 47, 52, 59, 64, 72};
  LoopCanvas bed(tm.loop_frames());
  for (size_t i = 0; i < bed.size(); ++i)
    bed.left()[i] = bed.right()[i] = 0.1f * static_cast<float>(std::sin(2.0 * 3.14159265358979 * 1000.0 * i / kRate));
  LoopCanvas c = bed;
  sub_roots(c, tm, 1, std::vector<int>(roots.begin(), roots.begin() + 6), 12.0f);
  const double bed_rms = 0.1 / std::sqrt(2.0);
  for (int bar = 0; bar < tm.bars; ++bar) {
    SCOPED_TRACE(bar);
    // What the sub added, over the middle of the bar, clear of its ramps.
    const size_t from = tm.at(bar, 0.5), to = tm.at(bar, 3.5);
    double sum = 0.0;
    int crossings = 0;
    float last = 0.0f;
    for (size_t i = from; i < to; ++i) {
      const float d = c.left()[i] - bed.left()[i];
      sum += static_cast<double>(d) * d;
      if (i > from && (last < 0.0f) != (d < 0.0f)) ++crossings;
      last = d;
    }
    const double rms = std::sqrt(sum / static_cast<double>(to - from));
    if (bar < 1 || bar > 6) {
      EXPECT_LT(rms, 1e-6) << "a bar without a root";
      continue;
    }
    const double hz = crossings / 2.0 / (static_cast<double>(to - from) / kRate);
    EXPECT_GE(hz, 29.0);
    EXPECT_LE(hz, 61.0);
    // The octave on top is held under the same peak, so the pair sits
    // 1.4 dB under a plain sine's level.
    EXPECT_NEAR(20.0 * std::log10(rms / bed_rms), -12.0 + 20.0 * std::log10(std::sqrt(1.04) / 1.2), 0.5);
  }
}
