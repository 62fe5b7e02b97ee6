// The hall every track is played in: its tail rings on over the loop's
// opening, dies away at the decay it was set to, and leaves the bass dry.
#include <gtest/gtest.h>

#include <cmath>

#include "music/hall.h"

namespace {

using contentgen::music::HallSettings;
using contentgen::music::kRate;
using contentgen::music::LoopCanvas;

size_t at_s(double s) { return static_cast<size_t>(s * kRate); }

// RMS of what the hall added over [from, from + span) frames, left side.
double tail_rms(const LoopCanvas& wet, const LoopCanvas& dry, size_t from, size_t span) {
  double sum = 0.0;
  for (size_t i = from; i < from + span; ++i) {
    const double d = wet.left()[i % wet.size()] - dry.left()[i % wet.size()];
    sum += d * d;
  }
  return std::sqrt(sum / static_cast<double>(span));
}

double db(double ratio) { return 20.0 * std::log10(ratio); }

}  // namespace

TEST(Hall, ATailWrapsIntoTheOpeningAndFallsAtItsDecay) {
  // A 1 kHz burst a quarter second long, ending half a second before the
  // loop does.
  const size_t n = at_s(10.0), from = n - at_s(0.75), to = n - at_s(0.5);
  LoopCanvas dry(n);
  for (size_t i = from; i < to; ++i)
    dry.left()[i] = dry.right()[i] = 0.5f * std::sin(2.0f * 3.14159265f * 1000.0f * static_cast<float>(i) / kRate);
  LoopCanvas wet = dry;
  HallSettings h;
  h.decay_s = 2.0;
  contentgen::music::hall(wet, h);
  const size_t w = at_s(0.1);
  const double just_after = tail_rms(wet, dry, to + at_s(0.05), w);
  ASSERT_GT(just_after, 1e-4);
  // Over the wrap: a second after the burst the tail sounds in the loop's
  // opening, about 60 dB per decay time down (two decays' worth over one
  // second would be a hall twice as dry; none, a hall that never fades).
  const double a_second_on = tail_rms(wet, dry, to + at_s(1.05), w);
  EXPECT_NEAR(db(a_second_on / just_after), -30.0, 8.0);
  // Nothing rings before the burst has sounded, bar the tail of the tail
  // from the previous time round, long dead.
  EXPECT_LT(tail_rms(wet, dry, from - at_s(1.0), w), just_after * 1e-3);
}

TEST(Hall, TheBassIsSentOnlyLightly) {
  const size_t n = at_s(6.0);
  // A band of a dozen tones from `hz` up half an octave, so no single
  // resonance of the room decides the reading.
  auto tail_of = [&](double hz) {
    LoopCanvas dry(n);
    for (int k = 0; k < 12; ++k) {
      const double f = std::round(hz * std::pow(2.0, k / 24.0) * 6.0) / 6.0;  // whole cycles round the loop
      for (size_t i = 0; i < n; ++i) {
        const auto v = static_cast<float>(0.05 * std::sin(2.0 * 3.14159265358979 * f * static_cast<double>(i) / kRate + k * 1.7));
        dry.left()[i] += v;
        dry.right()[i] += v;
      }
    }
    LoopCanvas wet = dry;
    contentgen::music::hall(wet, HallSettings{});
    return tail_rms(wet, dry, 0, n);
  };
  // The room round 50 Hz is well under the room round 1 kHz.
  EXPECT_LT(db(tail_of(45.0) / tail_of(900.0)), -8.0);
}
