#include "sounds/repitch.h"

#include <algorithm>
#include <cmath>

namespace contentgen::dsp {

namespace {

constexpr double kHop = 0.005;          // one period estimate every 5 ms
constexpr double kWindow = 0.024;       // over 24 ms, two periods of the lowest voice
constexpr double kLowestHz = 95.0, kHighestHz = 420.0;
constexpr double kVoicedLikeness = 0.4;  // how alike two periods must be to call it voiced
constexpr float kQuiet = 0.015f;         // below this share of the peak: silence

// The period in samples at every hop, 0 where the sound is unvoiced or quiet.
std::vector<int> periods(const Buf& x, int rate, size_t hop) {
  const size_t w = frames(kWindow, rate);
  const int shortest = static_cast<int>(rate / kHighestHz), longest = static_cast<int>(rate / kLowestHz);
  const float floor = kQuiet * peak(x);
  std::vector<int> out(x.size() / hop + 1, 0);
  for (size_t j = 0; j < out.size(); ++j) {
    const size_t at = j * hop;
    if (at < w / 2 || at + w / 2 + static_cast<size_t>(longest) >= x.size()) continue;
    const float* s = &x[at - w / 2];
    double energy = 0.0;
    for (size_t i = 0; i < w; ++i) energy += static_cast<double>(s[i]) * s[i];
    if (std::sqrt(energy / static_cast<double>(w)) < floor) continue;
    // Every other lag over every other sample first, then the best one's
    // neighbours in full: a quarter of the work for the same period.
    const auto likeness = [&](int lag, size_t stride) {
      double ac = 0.0;
      for (size_t i = 0; i < w; i += stride) ac += static_cast<double>(s[i]) * s[i + static_cast<size_t>(lag)];
      return ac * static_cast<double>(stride);
    };
    int rough = shortest;
    double rough_ac = 0.0;
    for (int lag = shortest; lag <= longest; lag += 2) {
      const double ac = likeness(lag, 2);
      if (ac > rough_ac) {
        rough_ac = ac;
        rough = lag;
      }
    }
    int best = 0;
    double best_ac = 0.0;
    for (int lag = std::max(shortest, rough - 2); lag <= std::min(longest, rough + 2); ++lag) {
      const double ac = likeness(lag, 1);
      if (ac > best_ac) {
        best_ac = ac;
        best = lag;
      }
    }
    if (best_ac > kVoicedLikeness * energy) out[j] = best;
  }
  return out;
}

struct Mark {
  size_t at;
  int period;  // 0: an unvoiced stretch, cut in fixed grains
};

// One mark on each glottal pulse (the waveform's peak) through voiced
// sound, and one every hop through the rest.
std::vector<Mark> pulse_marks(const Buf& x, const std::vector<int>& period, size_t hop) {
  std::vector<Mark> marks;
  size_t t = 0;
  bool in_voice = false;
  while (t + 1 < x.size()) {
    const int p = period[std::min(t / hop, period.size() - 1)];
    if (p == 0) {
      marks.push_back({t, 0});
      t += hop;
      in_voice = false;
      continue;
    }
    // Entering the voice, look one whole period ahead for its first pulse;
    // within it, only near where the next pulse is due.
    const size_t reach = in_voice ? static_cast<size_t>(p / 3) : 0;
    const size_t lo = t > reach ? t - reach : 0;
    const size_t hi = std::min(x.size(), t + (in_voice ? reach : static_cast<size_t>(p)));
    size_t c = static_cast<size_t>(std::max_element(x.begin() + static_cast<std::ptrdiff_t>(lo),
                                                    x.begin() + static_cast<std::ptrdiff_t>(hi)) - x.begin());
    if (!marks.empty() && c <= marks.back().at) c = marks.back().at + static_cast<size_t>(p);
    marks.push_back({c, p});
    t = c + static_cast<size_t>(p);
    in_voice = true;
  }
  return marks;
}

}  // namespace

Buf repitched(const Buf& voice, int rate, const std::function<double(double)>& factor) {
  const size_t hop = frames(kHop, rate);
  if (voice.size() < 4 * hop) return voice;
  const std::vector<Mark> marks = pulse_marks(voice, periods(voice, rate, hop), hop);
  if (marks.size() < 3) return voice;
  Buf out(voice.size(), 0.0f);
  // Walk the output: at each moment lay down the grain of the nearest mark,
  // reaching back to the mark before it and on to the one after (each side
  // half a Hann window, so consecutive grains sum to one), then step on by
  // the distance to the next mark, shortened by the wanted factor through
  // voiced sound. At a factor of one every grain falls back in its place.
  size_t k = 0;
  double t = static_cast<double>(marks.front().at);
  while (t < static_cast<double>(voice.size()) && k + 1 < marks.size()) {
    while (k + 2 < marks.size() &&
           std::fabs(static_cast<double>(marks[k + 1].at) - t) < std::fabs(static_cast<double>(marks[k].at) - t))
      ++k;
    const size_t c = marks[k].at;
    const size_t left = k ? c - marks[k - 1].at : marks[k + 1].at - c, right = marks[k + 1].at - c;
    const auto place = static_cast<ptrdiff_t>(std::lround(t)) - static_cast<ptrdiff_t>(c);
    for (size_t i = c > left ? c - left : 0; i < std::min(voice.size(), c + right); ++i) {
      const ptrdiff_t o = static_cast<ptrdiff_t>(i) + place;
      if (o < 0 || o >= static_cast<ptrdiff_t>(out.size())) continue;
      const double u = i < c ? static_cast<double>(c - i) / static_cast<double>(left)
                             : static_cast<double>(i - c) / static_cast<double>(right);
      out[static_cast<size_t>(o)] += voice[i] * static_cast<float>(0.5 + 0.5 * std::cos(kPi * u));
    }
    const double f = marks[k].period ? std::max(0.25, factor(t / rate)) : 1.0;
    t += static_cast<double>(right) / f;
  }
  return out;
}

}  // namespace contentgen::dsp
