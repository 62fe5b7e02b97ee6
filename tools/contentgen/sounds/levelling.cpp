#include "sounds/levelling.h"

#include <algorithm>
#include <cmath>

#include "measure/loudness.h"

namespace contentgen::sfx {

namespace {
double heard(const dsp::Buf& b, int rate) { return measure::effect_level(b, rate).heard(); }
}  // namespace

void limit(dsp::Buf& b, int rate, float ceiling, float lookahead_ms, float release_ms) {
  const size_t n = b.size();
  if (n == 0) return;
  const size_t ahead = std::max<size_t>(1, dsp::frames(lookahead_ms / 1000.0, rate));
  // The gain each sample needs on its own.
  std::vector<float> need(n);
  for (size_t i = 0; i < n; ++i) need[i] = std::fabs(b[i]) > ceiling ? ceiling / std::fabs(b[i]) : 1.0f;
  // Looking ahead: the smallest gain needed soon, then a slow recovery.
  const float rel = 1.0f - std::exp(-1.0f / (release_ms / 1000.0f * rate));
  std::vector<float> held(n);
  float g = 1.0f;
  for (size_t i = 0; i < n; ++i) {
    float m = 1.0f;
    for (size_t j = i; j < std::min(n, i + ahead + 1); ++j) m = std::min(m, need[j]);
    g = std::min(m, g + (1.0f - g) * rel);
    held[i] = g;
  }
  // Averaging over the look-ahead turns the steps into ramps; every value
  // averaged at a peak already covered that peak, so the peak stays down.
  double acc = 0.0;
  for (size_t i = 0; i < n; ++i) {
    acc += held[i];
    if (i >= ahead) acc -= held[i - ahead];
    float smooth = static_cast<float>(acc / static_cast<double>(std::min(i + 1, ahead)));
    b[i] = std::clamp(b[i] * smooth, -ceiling, ceiling);
  }
}

void level_effect(dsp::Buf& b, int rate, float heard_db, float ceiling_db) {
  const float ceiling = dsp::db_to_gain(ceiling_db);
  const dsp::Buf source = b;
  // Even a sound already at its loudness goes through the limiter once.
  limit(b, rate, ceiling, 1.5f, 60.0f);
  double gain_db = 0.0, last_gain = 0.0, last_heard = heard(b, rate);
  double slope = 1.0;  // heard dB per gain dB; falls as the limiter takes over
  for (int pass = 0; pass < 12; ++pass) {
    double miss = heard_db - last_heard;
    if (std::fabs(miss) < 0.1) return;
    gain_db = std::clamp(gain_db + miss / slope, -60.0, 30.0);
    // Each pass starts from the untouched sound so the limiter works once.
    b = source;
    dsp::scale(b, dsp::db_to_gain(static_cast<float>(gain_db)));
    limit(b, rate, ceiling, 1.5f, 60.0f);
    double now = heard(b, rate);
    if (std::fabs(gain_db - last_gain) > 1e-3) slope = std::clamp((now - last_heard) / (gain_db - last_gain), 0.1, 1.0);
    last_gain = gain_db;
    last_heard = now;
  }
}

void level_loop(dsp::Buf& b, int rate, float heard_db, float ceiling_db) {
  double now = heard(b, rate);
  float p = dsp::peak(b);
  if (p <= 0.0f) return;
  float g = std::min(dsp::db_to_gain(static_cast<float>(heard_db - now)), dsp::db_to_gain(ceiling_db) / p);
  dsp::scale(b, g);
}

}  // namespace contentgen::sfx
