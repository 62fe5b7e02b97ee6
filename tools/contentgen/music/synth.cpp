#include "music/synth.h"

#include <algorithm>
#include <vector>

#include "measure/loudness.h"
#include "sounds/levelling.h"

namespace contentgen::music {

using namespace dsp;

void LoopCanvas::add(size_t at, const Buf& mono, float gain, float pan) {
  float angle = static_cast<float>((std::clamp(pan, -1.0f, 1.0f) + 1.0f) * kPi / 4.0);
  float gl = gain * std::cos(angle), gr = gain * std::sin(angle);
  size_t n = size();
  size_t pos = at % n;
  for (float s : mono) {
    l_[pos] += s * gl;
    r_[pos] += s * gr;
    if (++pos == n) pos = 0;
  }
}

void LoopCanvas::add_stereo(const Buf& l, const Buf& r, float gain) {
  for (size_t i = 0; i < size() && i < l.size() && i < r.size(); ++i) {
    l_[i] += l[i] * gain;
    r_[i] += r[i] * gain;
  }
}

void loop_reverb(LoopCanvas& c, float size, float damping, float wet) {
  Reverb rl(kRate, size, damping, 0), rr(kRate, size, damping, 23);
  size_t n = c.size();
  Buf wl(n), wr(n);
  for (int pass = 0; pass < 2; ++pass) {
    for (size_t i = 0; i < n; ++i) {
      float mid = (c.left()[i] + c.right()[i]) * 0.5f;
      wl[i] = rl(c.left()[i] * 0.7f + mid * 0.3f);
      wr[i] = rr(c.right()[i] * 0.7f + mid * 0.3f);
    }
  }
  for (size_t i = 0; i < n; ++i) {
    c.left()[i] += wl[i] * wet;
    c.right()[i] += wr[i] * wet;
  }
}


namespace {

// RBJ shelving filter in double precision (the low corner sits close to
// z = 1), for the tone of the whole mix.
struct Shelf {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  Shelf(bool high, double hz, double gain_db) {
    double a = std::pow(10.0, gain_db / 40.0), w = kTwoPi * hz / kRate, c = std::cos(w);
    double al = std::sin(w) / 2.0 * std::sqrt(2.0), sa = 2.0 * std::sqrt(a) * al;
    double sign = high ? 1.0 : -1.0;
    double a0 = (a + 1) - sign * (a - 1) * c + sa;
    b0 = a * ((a + 1) + sign * (a - 1) * c + sa) / a0;
    b1 = -2.0 * sign * a * ((a - 1) + sign * (a + 1) * c) / a0;
    b2 = a * ((a + 1) + sign * (a - 1) * c - sa) / a0;
    a1 = 2.0 * sign * ((a - 1) - sign * (a + 1) * c) / a0;
    a2 = ((a + 1) - sign * (a - 1) * c - sa) / a0;
  }
  float operator()(float x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return static_cast<float>(y);
  }
};

}  // namespace

void tone(LoopCanvas& c, float low_db, float high_db) {
  for (Buf* ch : {&c.left(), &c.right()}) {
    Shelf lo(false, 160.0, low_db), hi(true, 3200.0, high_db);
    Buf out(ch->size());
    for (int pass = 0; pass < 2; ++pass)
      for (size_t i = 0; i < ch->size(); ++i) out[i] = hi(lo((*ch)[i]));
    *ch = std::move(out);
  }
}

void master(LoopCanvas& c) {
  // A loop has no start to settle from, so any offset (some sampled drums
  // carry one) is taken out as the mean of the whole loop.
  for (Buf* ch : {&c.left(), &c.right()}) {
    double sum = 0.0;
    for (float v : *ch) sum += v;
    const auto mean = static_cast<float>(sum / static_cast<double>(std::max<size_t>(1, ch->size())));
    for (float& v : *ch) v -= mean;
  }
  const Buf l0 = c.left(), r0 = c.right();
  const float ceiling = db_to_gain(kCeilingDb);
  double gain_db = 0.0, slope = 1.0, last_gain = 0.0;
  double last = measure::programme_loudness(l0, r0, kRate).integrated;
  if (last < -100.0) return;
  for (int pass = 0; pass < 8; ++pass) {
    double miss = kTargetLufs - last;
    if (pass > 0 && std::fabs(miss) < 0.05) return;
    gain_db = std::clamp(gain_db + miss / slope, -40.0, 40.0);
    float g = db_to_gain(static_cast<float>(gain_db));
    c.left() = l0;
    c.right() = r0;
    scale(c.left(), g);
    scale(c.right(), g);
    sfx::limit_loop(c.left(), c.right(), kRate, ceiling, 2.0f, 80.0f);
    double now = measure::programme_loudness(c.left(), c.right(), kRate).integrated;
    if (std::fabs(gain_db - last_gain) > 1e-3) slope = std::clamp((now - last) / (gain_db - last_gain), 0.2, 1.0);
    last_gain = gain_db;
    last = now;
  }
}

}  // namespace contentgen::music
