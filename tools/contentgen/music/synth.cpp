#include "music/synth.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "measure/biquad.h"
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

namespace {

// RBJ shelving filter in double precision (the low corner sits close to
// z = 1), for the tone of the whole mix.
measure::Biquad2 shelf(bool high, double hz, double gain_db) {
  double a = std::pow(10.0, gain_db / 40.0), w = kTwoPi * hz / kRate, c = std::cos(w);
  double al = std::sin(w) / 2.0 * std::sqrt(2.0), sa = 2.0 * std::sqrt(a) * al;
  double sign = high ? 1.0 : -1.0;
  double a0 = (a + 1) - sign * (a - 1) * c + sa;
  measure::Biquad2 f;
  f.b0 = a * ((a + 1) + sign * (a - 1) * c + sa) / a0;
  f.b1 = -2.0 * sign * a * ((a - 1) + sign * (a + 1) * c) / a0;
  f.b2 = a * ((a + 1) + sign * (a - 1) * c - sa) / a0;
  f.a1 = 2.0 * sign * ((a - 1) - sign * (a + 1) * c) / a0;
  f.a2 = ((a + 1) - sign * (a - 1) * c - sa) / a0;
  return f;
}

// RBJ peaking filter: `gain_db` at `hz`, falling away over about
// `octaves` octaves either side.
measure::Biquad2 bell(double hz, double gain_db, double octaves) {
  double a = std::pow(10.0, gain_db / 40.0), w = kTwoPi * hz / kRate;
  double al = std::sin(w) * std::sinh(std::log(2.0) / 2.0 * octaves * w / std::sin(w));
  double a0 = 1 + al / a;
  measure::Biquad2 f;
  f.b0 = (1 + al * a) / a0;
  f.b1 = -2 * std::cos(w) / a0;
  f.b2 = (1 - al * a) / a0;
  f.a1 = f.b1;
  f.a2 = (1 - al / a) / a0;
  return f;
}

// One stage of the tone chain: each stage hands the next a float sample.
float stage(measure::Biquad2& f, float x) { return static_cast<float>(f(x)); }

}  // namespace

void tone(LoopCanvas& c, float low_db, float high_db, float air_db, float presence_db, float body_db,
          float effects_room_db, float weight_db, float sheen_db) {
  for (Buf* ch : {&c.left(), &c.right()}) {
    measure::Biquad2 lo = shelf(false, 160.0, low_db), hi = shelf(true, 3200.0, high_db),
                     air = shelf(true, 7000.0, air_db), presence = bell(3500.0, presence_db, 1.5),
                     body = bell(400.0, body_db, 2.0), room = bell(850.0, effects_room_db, 1.8),
                     weight = bell(50.0, weight_db, 1.0), sheen = bell(7500.0, sheen_db, 1.2);
    // Pieces without the weight or the sheen bell skip its stage.
    const bool weighted = weight_db != 0.0f, sheened = sheen_db != 0.0f;
    Buf out(ch->size());
    // The shelves settle within milliseconds: a second of the ending sets
    // their state for the opening.
    const size_t n = ch->size(), warm = std::min<size_t>(n, kRate);
    for (int pass = 0; pass < 2; ++pass)
      for (size_t i = pass == 0 ? n - warm : 0; i < n; ++i) {
        const float low = stage(lo, weighted ? stage(weight, (*ch)[i]) : (*ch)[i]);
        const float top = stage(presence, stage(air, stage(hi, low)));
        out[i] = stage(room, stage(body, sheened ? stage(sheen, top) : top));
      }
    *ch = std::move(out);
  }
}

void widen(LoopCanvas& c, float side_gain, double above_hz) {
  Buf& l = c.left();
  Buf& r = c.right();
  const size_t n = l.size(), warm = std::min<size_t>(n, kRate / 10);
  if (n == 0) return;
  const double k = 1.0 - std::exp(-2.0 * dsp::kPi * above_hz / kRate);
  // A one-pole low pass splits the side into the bass's part, left alone,
  // and the rest, scaled.
  double low = 0.0;
  for (size_t i = n - warm; i < n; ++i) low += k * (0.5 * (l[i] - r[i]) - low);
  for (size_t i = 0; i < n; ++i) {
    const double mid = 0.5 * (l[i] + r[i]), side = 0.5 * (l[i] - r[i]);
    low += k * (side - low);
    const double out = low + side_gain * (side - low);
    l[i] = static_cast<float>(mid + out);
    r[i] = static_cast<float>(mid - out);
  }
}

namespace {

// K-weighted mean square of frames [from, from + n) of the loop, read round
// the wrap; the filters settle on the second before.
double k_power(const LoopCanvas& c, size_t from, size_t n) {
  const size_t size = c.size(), settle = std::min<size_t>(kRate, size), lead = settle + n;
  Buf l(lead), r(lead);
  for (size_t i = 0; i < lead; ++i) {
    size_t at = (from + size * 2 - settle + i) % size;
    l[i] = c.left()[at];
    r[i] = c.right()[at];
  }
  std::vector<double> kl = measure::weighted(l, kRate, measure::Curve::K);
  std::vector<double> kr = measure::weighted(r, kRate, measure::Curve::K);
  double sum = 0.0;
  for (size_t i = settle; i < lead; ++i) sum += kl[i] * kl[i] + kr[i] * kr[i];
  return sum / static_cast<double>(n);
}

}  // namespace

void contour(LoopCanvas& c, const std::vector<LevelPoint>& points) {
  const size_t n = c.size();
  if (points.empty() || n == 0) return;
  for (size_t p = 0; p < points.size(); ++p) {
    const LevelPoint& a = points[p];
    const LevelPoint& b = points[(p + 1) % points.size()];
    const size_t from = a.at % n;
    size_t span = (b.at % n + n - from) % n;
    if (span == 0) span = n;  // one point: a flat gain round the whole loop
    for (size_t i = 0; i < span; ++i) {
      const double u = static_cast<double>(i) / static_cast<double>(span);
      const double db = a.db + (b.db - a.db) * 0.5 * (1.0 - std::cos(kPi * u));
      const auto g = static_cast<float>(std::pow(10.0, db / 20.0));
      const size_t at = (from + i) % n;
      c.left()[at] *= g;
      c.right()[at] *= g;
    }
  }
}

void lift_quiet(LoopCanvas& c, float below_lu, float ratio, float max_lift_db) {
  const size_t n = c.size(), block = kRate / 10;
  const size_t blocks = n / block;
  if (blocks < 40 || ratio <= 1.0f) return;
  // K-weighted power of each tenth of a second, the filters settled on the
  // loop's last second so the opening reads as it sounds after the wrap.
  std::vector<double> power(blocks, 0.0);
  {
    const size_t settle = std::min<size_t>(kRate, n);
    Buf l(settle + n), r(settle + n);
    for (size_t i = 0; i < settle + n; ++i) {
      const size_t at = (n - settle + i) % n;
      l[i] = c.left()[at];
      r[i] = c.right()[at];
    }
    const std::vector<double> kl = measure::weighted(l, kRate, measure::Curve::K);
    const std::vector<double> kr = measure::weighted(r, kRate, measure::Curve::K);
    for (size_t i = 0; i < n; ++i) {
      const size_t b = std::min(i / block, blocks - 1);
      power[b] += kl[settle + i] * kl[settle + i] + kr[settle + i] * kr[settle + i];
    }
  }
  // Short-term level: 3 s centred on each block, read round the wrap.
  const size_t half = 15;
  std::vector<double> level(blocks);
  double mean = 0.0;
  for (size_t b = 0; b < blocks; ++b) {
    double sum = 0.0;
    for (size_t k = 0; k <= 2 * half; ++k) sum += power[(b + blocks - half + k) % blocks];
    level[b] = 10.0 * std::log10(sum / static_cast<double>(2 * half + 1) + 1e-20);
    mean += sum;
  }
  const double floor_db = 10.0 * std::log10(mean / static_cast<double>(blocks * (2 * half + 1)) + 1e-20) - below_lu;
  std::vector<double> lift(blocks);
  for (size_t b = 0; b < blocks; ++b)
    lift[b] = std::min<double>(max_lift_db, std::max(0.0, floor_db - level[b]) * (1.0 - 1.0 / ratio));
  // Two rounds of a 4 s moving mean: the lift rises and falls over seconds,
  // and a lone quiet bar barely moves it.
  for (int round = 0; round < 2; ++round) {
    std::vector<double> smooth(blocks);
    const size_t w = 20;
    for (size_t b = 0; b < blocks; ++b) {
      double sum = 0.0;
      for (size_t k = 0; k <= 2 * w; ++k) sum += lift[(b + blocks - w + k) % blocks];
      smooth[b] = sum / static_cast<double>(2 * w + 1);
    }
    lift = std::move(smooth);
  }
  // Each block's gain sits at its centre; samples between two centres
  // blend them, round the wrap as well.
  std::vector<double> gain(blocks);
  for (size_t b = 0; b < blocks; ++b) gain[b] = std::pow(10.0, lift[b] / 20.0);
  for (size_t i = 0; i < n; ++i) {
    const double pos = (static_cast<double>(i) + 0.5) / static_cast<double>(block) - 0.5;
    const double base = std::floor(pos);
    const double u = pos - base;
    const auto b0 = static_cast<size_t>((static_cast<long long>(base) + static_cast<long long>(blocks)) % static_cast<long long>(blocks));
    const size_t b1 = (b0 + 1) % blocks;
    const auto g = static_cast<float>(gain[b0] * (1.0 - u) + gain[b1] * u);
    c.left()[i] *= g;
    c.right()[i] *= g;
  }
}

void level_seam(LoopCanvas& c, double span_s) {
  // Compared over 3 s, as a loudness meter's short-term reading hears it.
  const size_t n = c.size(), window = std::min<size_t>(3 * kRate, n / 4);
  const size_t span = std::min(std::max(dsp::frames(span_s, kRate), window), n / 2);
  const size_t back = std::min(dsp::frames(0.2, kRate), span / 4);
  // The ramp reaches only part of the compared window at full gain, so
  // the match is made in a few rounds.
  for (int round = 0; round < 3; ++round) {
    const double before = k_power(c, n - window, window), after = k_power(c, 0, window);
    if (before <= 0.0 || after <= 0.0) return;
    const double step_db = std::clamp(10.0 * std::log10(after / before), -6.0, 6.0);
    if (std::fabs(step_db) < 0.25) return;
    // A raised-cosine ramp: no corner where it starts, level by the wrap.
    // In the last fifth of a second the gain eases back to unity, so the
    // final sample runs on into the untouched opening without a step (a
    // gain still raised at the wrap would cut the waveform and tick).
    const size_t rise = span - back;
    for (size_t i = 0; i < span; ++i) {
      double shape = 1.0;
      if (i < rise) shape = 0.5 * (1.0 - std::cos(kPi * static_cast<double>(i + 1) / static_cast<double>(rise)));
      else shape = 0.5 * (1.0 + std::cos(kPi * static_cast<double>(i - rise + 1) / static_cast<double>(back)));
      double g = std::pow(10.0, step_db * shape / 20.0);
      size_t at = n - span + i;
      c.left()[at] = static_cast<float>(c.left()[at] * g);
      c.right()[at] = static_cast<float>(c.right()[at] * g);
    }
  }
}

void level_wrap(LoopCanvas& c, double window_s) {
  const size_t n = c.size(), w = std::min(dsp::frames(window_s, kRate), n / 8);
  const size_t half = std::min(dsp::frames(0.1, kRate), n / 8);
  if (w == 0 || half < w) return;
  auto power = [&](size_t from) {
    double sum = 0.0;
    for (size_t i = from; i < from + w; ++i)
      sum += static_cast<double>(c.left()[i]) * c.left()[i] + static_cast<double>(c.right()[i]) * c.right()[i];
    return sum / static_cast<double>(w);
  };
  // The correction follows one sine period over [-half, half) round the
  // wrap: up before it, down after it, unity at the wrap and at both ends.
  for (int round = 0; round < 4; ++round) {
    const double before = power(n - w), after = power(0);
    if (before <= 0.0 || after <= 0.0) return;
    const double step_db = 10.0 * std::log10(after / before);
    if (std::fabs(step_db) < 0.3) return;
    const double depth_db = std::clamp(step_db * 0.8, -6.0, 6.0);
    for (size_t k = 0; k < 2 * half; ++k) {
      const double t = (static_cast<double>(k) - static_cast<double>(half)) / static_cast<double>(half);
      const auto g = static_cast<float>(std::pow(10.0, -depth_db * std::sin(kPi * t) / 20.0));
      const size_t at = (n - half + k) % n;
      c.left()[at] *= g;
      c.right()[at] *= g;
    }
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
  const float ceiling = db_to_gain(kCeilingDb - kLimiterMarginDb);
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
