#include "music/sub_bass.h"

#include <algorithm>
#include <cmath>

namespace contentgen::music {

using dsp::kPi;
using dsp::kTwoPi;

void sub_note(LoopCanvas& c, size_t at, size_t frames, double hz, float gain) {
  const size_t n = c.size();
  if (n == 0 || frames == 0 || hz <= 0.0) return;
  const size_t rise = std::min<size_t>(frames / 2, kRate / 25), fall = std::min<size_t>(frames / 2, kRate * 12 / 100);
  const double w = kTwoPi * hz / kRate;
  for (size_t i = 0; i < frames; ++i) {
    double env = 1.0;
    if (i < rise) env = 0.5 * (1.0 - std::cos(kPi * static_cast<double>(i) / static_cast<double>(rise)));
    else if (frames - i < fall) env = 0.5 * (1.0 - std::cos(kPi * static_cast<double>(frames - i) / static_cast<double>(fall)));
    const double t = static_cast<double>(i);
    const auto v = static_cast<float>(gain * env * (std::sin(w * t) + 0.2 * std::sin(2.0 * w * t)) / 1.2);
    const size_t pos = (at + i) % n;
    c.left()[pos] += v;
    c.right()[pos] += v;
  }
}

void sub_roots(LoopCanvas& c, const Timing& tm, int first_bar, const std::vector<int>& roots, float below_db) {
  if (roots.empty() || c.size() == 0) return;
  const size_t from = tm.at(first_bar, 0.0), to = std::min(c.size(), tm.at(first_bar + static_cast<int>(roots.size()), 0.0));
  if (to <= from) return;
  double sum = 0.0;
  for (size_t i = from; i < to; ++i) sum += 0.5 * (c.left()[i] * c.left()[i] + c.right()[i] * c.right()[i]);
  const double rms = std::sqrt(sum / static_cast<double>(to - from));
  // A sine's peak is root two over its RMS.
  const auto gain = static_cast<float>(rms * std::sqrt(2.0) * std::pow(10.0, -below_db / 20.0));
  for (size_t b = 0; b < roots.size(); ++b) {
    double hz = 440.0 * std::pow(2.0, (roots[b] - 69) / 12.0);
    while (hz >= 60.0) hz *= 0.5;
    if (hz < 30.0) hz *= 2.0;
    const int bar = first_bar + static_cast<int>(b);
    sub_note(c, tm.at(bar, 0.0), tm.bar_frames(), hz, gain);
  }
}

}  // namespace contentgen::music
