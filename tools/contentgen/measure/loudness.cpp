#include "measure/loudness.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "measure/biquad.h"

namespace contentgen::measure {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSilenceDb = -120.0;

// The two stages of the K curve (a high shelf of +4 dB above ~1.7 kHz and
// the revised low-frequency high-pass near 38 Hz), derived for any rate
// from their analogue prototypes.
Biquad2 k_shelf(int rate) {
  const double f0 = 1681.974450955533, gain_db = 3.999843853973347, q = 0.7071752369554196;
  double k = std::tan(kPi * f0 / rate), vh = std::pow(10.0, gain_db / 20.0), vb = std::pow(vh, 0.4996667741545416);
  double a0 = 1 + k / q + k * k;
  Biquad2 f;
  f.b0 = (vh + vb * k / q + k * k) / a0;
  f.b1 = 2 * (k * k - vh) / a0;
  f.b2 = (vh - vb * k / q + k * k) / a0;
  f.a1 = 2 * (k * k - 1) / a0;
  f.a2 = (1 - k / q + k * k) / a0;
  return f;
}

Biquad2 k_highpass(int rate) {
  const double f0 = 38.13547087602444, q = 0.5003270373238773;
  double k = std::tan(kPi * f0 / rate);
  double a0 = 1 + k / q + k * k;
  Biquad2 f;
  f.b0 = 1;
  f.b1 = -2;
  f.b2 = 1;
  f.a1 = 2 * (k * k - 1) / a0;
  f.a2 = (1 - k / q + k * k) / a0;
  return f;
}

// The A curve as six first-order sections, (1 - zero/z) / (1 - pole/z),
// mapped from the analogue poles by the bilinear transform and scaled to
// 0 dB at 1 kHz.
class AWeight {
 public:
  explicit AWeight(int rate) {
    const double f[] = {20.598997, 20.598997, 107.65265, 737.86223, 12194.217, 12194.217};
    const double zeros[] = {1, 1, 1, 1, -1, -1};
    for (int i = 0; i < 6; ++i) {
      double w = 2 * kPi * f[i], fs2 = 2.0 * rate;
      sec_[i].pole = (fs2 - w) / (fs2 + w);
      sec_[i].zero = zeros[i];
    }
    std::complex<double> zinv = std::polar(1.0, -2 * kPi * 1000.0 / rate), h = 1.0;
    for (const Section& s : sec_) h *= (1.0 - s.zero * zinv) / (1.0 - s.pole * zinv);
    gain_ = 1.0 / std::abs(h);
  }
  double operator()(double x) {
    x *= gain_;
    for (Section& s : sec_) {
      double y = x - s.zero * s.x1 + s.pole * s.y1;
      s.x1 = x;
      s.y1 = y;
      x = y;
    }
    return x;
  }

 private:
  struct Section {
    double zero = 0, pole = 0, x1 = 0, y1 = 0;
  };
  Section sec_[6];
  double gain_ = 1.0;
};

double to_db(double mean_square) { return mean_square > 1e-12 ? 10.0 * std::log10(mean_square) : kSilenceDb; }

// Running sums of squares, so any window's energy is one subtraction.
std::vector<double> prefix_energy(const std::vector<double>& a, const std::vector<double>* b = nullptr) {
  std::vector<double> p(a.size() + 1, 0.0);
  for (size_t i = 0; i < a.size(); ++i) p[i + 1] = p[i] + a[i] * a[i] + (b ? (*b)[i] * (*b)[i] : 0.0);
  return p;
}

double window_mean(const std::vector<double>& prefix, size_t start, size_t len) {
  size_t n = prefix.size() - 1, end = std::min(n, start + len);
  return (prefix[end] - prefix[start]) / static_cast<double>(len);
}

double power_mean_db(const std::vector<double>& levels_db, double offset) {
  double acc = 0;
  for (double l : levels_db) acc += std::pow(10.0, (l - offset) / 10.0);
  return offset + 10.0 * std::log10(acc / static_cast<double>(levels_db.size()));
}

}  // namespace

std::vector<double> weighted(const Signal& s, int rate, Curve curve) {
  std::vector<double> out(s.size());
  if (curve == Curve::A) {
    AWeight a(rate);
    Biquad2 hp = highpass(40.0, rate);
    for (size_t i = 0; i < s.size(); ++i) out[i] = a(hp(s[i]));
  } else {
    Biquad2 shelf = k_shelf(rate), hp = k_highpass(rate);
    for (size_t i = 0; i < s.size(); ++i) out[i] = hp(shelf(s[i]));
  }
  return out;
}

double loudest_window_db(const Signal& s, int rate, Curve curve, double window_s) {
  if (s.empty()) return kSilenceDb;
  std::vector<double> p = prefix_energy(weighted(s, rate, curve));
  size_t len = std::max<size_t>(1, static_cast<size_t>(std::lround(window_s * rate)));
  double best = 0.0;
  for (size_t i = 0; i < s.size(); ++i) best = std::max(best, window_mean(p, i, len));
  return to_db(best);
}

EffectLevel effect_level(const Signal& mono, int rate, Curve curve) {
  return {loudest_window_db(mono, rate, curve, 0.1), loudest_window_db(mono, rate, curve, 0.4)};
}

ProgrammeLoudness programme_loudness(const Signal& left, const Signal& right, int rate) {
  ProgrammeLoudness r;
  size_t n = std::min(left.size(), right.size());
  if (n == 0) return r;
  std::vector<double> wl = weighted(Signal(left.begin(), left.begin() + static_cast<std::ptrdiff_t>(n)), rate, Curve::K);
  std::vector<double> wr = weighted(Signal(right.begin(), right.begin() + static_cast<std::ptrdiff_t>(n)), rate, Curve::K);
  std::vector<double> p = prefix_energy(wl, &wr);
  const double kOffset = -0.691, kAbsGate = -70.0;

  // Integrated: 400 ms blocks every 100 ms, absolute then relative gate.
  size_t block = static_cast<size_t>(0.4 * rate), hop = static_cast<size_t>(0.1 * rate);
  std::vector<double> blocks;
  for (size_t i = 0; i + block <= n; i += hop) {
    double l = kOffset + to_db(window_mean(p, i, block));
    if (l > kAbsGate) blocks.push_back(l);
  }
  if (!blocks.empty()) {
    double gate = power_mean_db(blocks, 0.0) - 10.0;
    std::vector<double> kept;
    for (double l : blocks)
      if (l > gate) kept.push_back(l);
    r.integrated = power_mean_db(kept, 0.0);
  }

  // Range: 3 s short-term loudness every 100 ms, gated 20 LU below its mean.
  size_t term = static_cast<size_t>(3.0 * rate);
  std::vector<double> st;
  for (size_t i = 0, k = 0; i + term <= n; i += hop, ++k) {
    double l = kOffset + to_db(window_mean(p, i, term));
    if (k % 10 == 0) r.short_term.push_back(l);
    if (l > kAbsGate) st.push_back(l);
  }
  if (st.size() >= 2) {
    double gate = power_mean_db(st, 0.0) - 20.0;
    std::vector<double> kept;
    for (double l : st)
      if (l > gate) kept.push_back(l);
    std::sort(kept.begin(), kept.end());
    auto pct = [&](double q) { return kept[static_cast<size_t>(std::lround(q * (kept.size() - 1)))]; };
    r.range = pct(0.95) - pct(0.10);
  }
  return r;
}

}  // namespace contentgen::measure
