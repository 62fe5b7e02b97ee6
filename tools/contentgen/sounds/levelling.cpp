#include "sounds/levelling.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "measure/loudness.h"
#include "measure/meters.h"

namespace contentgen::sfx {

namespace {
// The A curve all but ignores bass; in headphones the bass of a thud or a
// heartbeat is heard in full, as the K curve weighs it. A sound is levelled
// on whichever of the two calls it louder, so nothing bass-heavy comes out
// too loud.
double heard(const dsp::Buf& b, int rate) {
  return std::max(measure::effect_level(b, rate, measure::Curve::A).heard(),
                  measure::effect_level(b, rate, measure::Curve::K).heard());
}
}  // namespace

namespace {

// The gain that holds every sample under the ceiling: the least gain needed
// within the look-ahead (a sliding minimum), recovering by `rel` per sample,
// then averaged over the look-ahead into ramps. Every value averaged at a
// peak already covered that peak, so the peak stays down. On a loop the
// window wraps and the recovery runs twice round to settle at the seam.
std::vector<float> gain_curve(const std::vector<float>& need, size_t ahead, float rel, bool circular) {
  const size_t n = need.size();
  std::vector<float> soon(n);
  std::deque<size_t> window;  // indices (unwrapped) of rising needs
  const size_t span = circular ? n + ahead : n;
  auto at = [&](size_t i) { return need[i % n]; };
  for (size_t j = 0; j < std::min(span, ahead + 1); ++j) {
    while (!window.empty() && at(window.back()) >= at(j)) window.pop_back();
    window.push_back(j);
  }
  for (size_t i = 0; i < n; ++i) {
    while (window.front() < i) window.pop_front();
    soon[i] = at(window.front());
    size_t j = i + ahead + 1;
    if (j < span) {
      while (!window.empty() && at(window.back()) >= at(j)) window.pop_back();
      window.push_back(j);
    }
  }
  std::vector<float> held(n);
  float g = 1.0f;
  for (int pass = 0; pass < (circular ? 2 : 1); ++pass)
    for (size_t i = 0; i < n; ++i) held[i] = g = std::min(soon[i], g + (1.0f - g) * rel);
  std::vector<float> out(n);
  double acc = 0.0;
  size_t count = 0;
  if (circular) {
    for (size_t j = n - std::min(ahead, n); j < n; ++j) acc += held[j];
    count = std::min(ahead, n);
  }
  for (size_t i = 0; i < n; ++i) {
    acc += held[i];
    if (count == ahead) acc -= held[(i + n - ahead) % n];
    else ++count;
    out[i] = static_cast<float>(acc / static_cast<double>(count));
  }
  return out;
}

float release_step(int rate, float release_ms) { return 1.0f - std::exp(-1.0f / (release_ms / 1000.0f * rate)); }

}  // namespace

void limit(dsp::Buf& b, int rate, float ceiling, float lookahead_ms, float release_ms) {
  if (b.empty()) return;
  // The peaks between samples count: a converter rebuilds them.
  std::vector<float> env = measure::true_peak_envelope(b);
  std::vector<float> need(b.size());
  for (size_t i = 0; i < b.size(); ++i) {
    float p = std::max({env[i], env[i > 0 ? i - 1 : 0], env[std::min(i + 1, b.size() - 1)]});
    need[i] = p > ceiling ? ceiling / p : 1.0f;
  }
  const size_t ahead = std::max<size_t>(1, dsp::frames(lookahead_ms / 1000.0, rate));
  std::vector<float> g = gain_curve(need, ahead, release_step(rate, release_ms), false);
  for (size_t i = 0; i < b.size(); ++i) b[i] = std::clamp(b[i] * g[i], -ceiling, ceiling);
}

void limit_loop(dsp::Buf& left, dsp::Buf& right, int rate, float ceiling, float lookahead_ms, float release_ms) {
  const size_t n = std::min(left.size(), right.size());
  const size_t ahead = std::max<size_t>(1, dsp::frames(lookahead_ms / 1000.0, rate));
  if (n <= ahead) return;
  std::vector<float> need(n);
  for (size_t i = 0; i < n; ++i) {
    float p = std::max(std::fabs(left[i]), std::fabs(right[i]));
    need[i] = p > ceiling ? ceiling / p : 1.0f;
  }
  std::vector<float> g = gain_curve(need, ahead, release_step(rate, release_ms), true);
  for (size_t i = 0; i < n; ++i) {
    left[i] = std::clamp(left[i] * g[i], -ceiling, ceiling);
    right[i] = std::clamp(right[i] * g[i], -ceiling, ceiling);
  }
}

// The gain falls over 4 ms before a peak, smoothly enough that a decay
// never drops a step, and recovers over 50 ms.
constexpr float look_ahead_ms = 4.0f, release_ms = 50.0f;

void level_effect(dsp::Buf& b, int rate, float heard_db, float ceiling_db) {
  const float ceiling = dsp::db_to_gain(ceiling_db);
  const dsp::Buf source = b;
  // Even a sound already at its loudness goes through the limiter once.
  limit(b, rate, ceiling, look_ahead_ms, release_ms);
  double gain_db = 0.0, last_gain = 0.0, last_heard = heard(b, rate);
  double slope = 1.0;  // heard dB per gain dB; falls as the limiter takes over
  for (int pass = 0; pass < 12; ++pass) {
    double miss = heard_db - last_heard;
    if (std::fabs(miss) < 0.1) return;
    gain_db = std::clamp(gain_db + miss / slope, -60.0, 30.0);
    // Each pass starts from the untouched sound so the limiter works once.
    b = source;
    dsp::scale(b, dsp::db_to_gain(static_cast<float>(gain_db)));
    limit(b, rate, ceiling, look_ahead_ms, release_ms);
    double now = heard(b, rate);
    if (std::fabs(gain_db - last_gain) > 1e-3) slope = std::clamp((now - last_heard) / (gain_db - last_gain), 0.1, 1.0);
    last_gain = gain_db;
    last_heard = now;
  }
}

void hold_true_peak(dsp::Buf& b, float ceiling_db) {
  double over = measure::true_peak_db(b) - ceiling_db;
  if (over > 0.0) dsp::scale(b, dsp::db_to_gain(static_cast<float>(-over - 0.05)));
}

void level_loop(dsp::Buf& b, int rate, float heard_db, float ceiling_db) {
  double now = heard(b, rate);
  float p = std::pow(10.0f, static_cast<float>(measure::true_peak_db(b)) / 20.0f);
  if (p <= 0.0f) return;
  float g = std::min(dsp::db_to_gain(static_cast<float>(heard_db - now)), dsp::db_to_gain(ceiling_db) / p);
  dsp::scale(b, g);
}

}  // namespace contentgen::sfx
