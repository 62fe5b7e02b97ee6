#include "measure/meters.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "measure/fft.h"
#include "measure/loudness.h"

namespace contentgen::measure {

namespace {

constexpr double pi = 3.14159265358979323846;

double to_db(double power) { return power > 1e-20 ? 10.0 * std::log10(power) : -200.0; }

// Interpolation filter for four times the rate: a Hann-windowed sinc of 16
// input samples per phase.
constexpr int over = 4, taps_per_phase = 16;

std::array<std::array<double, taps_per_phase>, over> interpolation_phases() {
  std::array<std::array<double, taps_per_phase>, over> h{};
  const int len = over * taps_per_phase;
  const double centre = (len - 1) / 2.0 - (over - 1) / 2.0;
  for (int p = 0; p < over; ++p)
    for (int k = 0; k < taps_per_phase; ++k) {
      int n = k * over + p;
      double x = (n - centre) / over;
      double sinc = std::fabs(x) < 1e-12 ? 1.0 : std::sin(pi * x) / (pi * x);
      double w = 0.5 - 0.5 * std::cos(2 * pi * (n + 0.5) / len);
      h[p][k] = sinc * w;
    }
  // Each phase passes a steady level unchanged.
  for (auto& phase : h) {
    double sum = 0;
    for (double v : phase) sum += v;
    for (double& v : phase) v /= sum;
  }
  return h;
}

double critical_band_hz(double hz) { return 25.0 + 75.0 * std::pow(1.0 + 1.4 * (hz / 1000.0) * (hz / 1000.0), 0.69); }

}  // namespace

std::vector<float> true_peak_envelope(const Signal& s) {
  static const auto h = interpolation_phases();
  const long n = static_cast<long>(s.size());
  std::vector<float> env(s.size(), 0.0f);
  for (size_t i = 0; i < s.size(); ++i) {
    env[i] = std::fabs(s[i]);
    if (i + 1 < s.size()) env[i] = std::max(env[i], std::fabs(s[i + 1]));
  }
  // Output i of phase p rebuilds the waveform at i - 7.5 + p / 4: in the
  // interval that starts at input i - 8 or i - 7 (one sample either way is
  // close enough for an envelope).
  const long lag = taps_per_phase / 2 - 1;
  for (long i = 0; i < n + taps_per_phase; ++i) {
    long at = i - lag;
    if (at < 0 || at >= n) continue;
    for (int p = 0; p < over; ++p) {
      double y = 0.0;
      for (int k = 0; k < taps_per_phase; ++k) {
        long j = i - k;
        if (j >= 0 && j < n) y += s[static_cast<size_t>(j)] * h[p][k];
      }
      float& e = env[static_cast<size_t>(at)];
      e = std::max(e, static_cast<float>(std::fabs(y)));
    }
  }
  return env;
}

double true_peak_db(const Signal& s) {
  double top = 0.0;
  for (float v : true_peak_envelope(s)) top = std::max(top, static_cast<double>(v));
  return 20.0 * std::log10(std::max(top, 1e-10));
}

std::vector<double> power_spectrum(const Signal& s, int fft_size) {
  const long n = fft_size, hop = n / 2, len = static_cast<long>(s.size());
  std::vector<double> out(static_cast<size_t>(n / 2 + 1), 0.0);
  std::vector<std::complex<double>> buf(static_cast<size_t>(n));
  // The first frame starts half a frame before the sound and the last ends
  // after it: half-overlapped Hann windows then add up to one at every
  // sample, so the opening of a short sound (a gunshot's crack, a shriek's
  // attack) counts in full instead of being faded out by the window.
  for (long at = -hop; at < len; at += hop) {
    for (long i = 0; i < n; ++i) {
      double w = 0.5 - 0.5 * std::cos(2 * pi * (i + 0.5) / n);
      long j = at + i;
      buf[static_cast<size_t>(i)] = j >= 0 && j < len ? s[static_cast<size_t>(j)] * w : 0.0;
    }
    fft(buf);
    for (size_t b = 0; b <= static_cast<size_t>(n / 2); ++b) out[b] += std::norm(buf[b]);
  }
  return out;
}

double a_weight_power(double hz) {
  auto ra = [](double f) {
    double f2 = f * f;
    return 12194.0 * 12194.0 * f2 * f2 /
           ((f2 + 20.6 * 20.6) * std::sqrt((f2 + 107.7 * 107.7) * (f2 + 737.9 * 737.9)) * (f2 + 12194.0 * 12194.0));
  };
  double g = ra(hz) / ra(1000.0);
  return g * g;
}

double band_share(const Signal& s, int rate, double lo, double hi, bool a_weighted) {
  const int n = 4096;
  std::vector<double> p = power_spectrum(s, n);
  double in = 0, all = 0;
  for (size_t b = 1; b < p.size(); ++b) {
    double hz = static_cast<double>(b) * rate / n, v = p[b] * (a_weighted ? a_weight_power(hz) : 1.0);
    all += v;
    if (hz >= lo && hz < hi) in += v;
  }
  return all > 0 ? in / all : 0.0;
}

std::array<double, 20> third_octave_shape(const Signal& s, int rate) {
  const int n = 4096;
  std::vector<double> p = power_spectrum(s, n);
  std::array<double, 20> bands{};
  for (int k = 0; k < 20; ++k) {
    double centre = 100.0 * std::pow(2.0, k / 3.0), lo = centre * std::pow(2.0, -1.0 / 6), hi = centre * std::pow(2.0, 1.0 / 6);
    double acc = 0;
    for (size_t b = 1; b < p.size(); ++b) {
      double hz = static_cast<double>(b) * rate / n;
      if (hz >= lo && hz < hi) acc += p[b];
    }
    bands[static_cast<size_t>(k)] = to_db(acc);
  }
  double top = *std::max_element(bands.begin(), bands.end());
  for (double& b : bands) b = std::max(b - top, -60.0);
  return bands;
}

double shape_correlation(const std::array<double, 20>& a, const std::array<double, 20>& b) {
  double ma = 0, mb = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    ma += a[i] / a.size();
    mb += b[i] / b.size();
  }
  double num = 0, da = 0, db = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    num += (a[i] - ma) * (b[i] - mb);
    da += (a[i] - ma) * (a[i] - ma);
    db += (b[i] - mb) * (b[i] - mb);
  }
  return da > 0 && db > 0 ? num / std::sqrt(da * db) : 0.0;
}

Tone strongest_tone(const Signal& s, int rate, double lo, double hi) {
  const int n = 8192;
  std::vector<double> p = power_spectrum(s, n);
  const double bin_hz = static_cast<double>(rate) / n;
  size_t best = 0;
  for (size_t b = 1; b < p.size(); ++b) {
    double hz = b * bin_hz;
    if (hz >= lo && hz <= hi && (best == 0 || p[b] > p[best])) best = b;
  }
  Tone t;
  if (best == 0) return t;
  // The tone: its Hann main lobe; a wavering tone spreads a little wider.
  const size_t lobe = 3;
  double tone = 0;
  for (size_t b = best - std::min(best - 1, lobe); b <= std::min(p.size() - 1, best + lobe); ++b) tone += p[b];
  t.hz = best * bin_hz;
  double width = critical_band_hz(t.hz), noise = 0;
  size_t counted = 0;
  for (size_t b = 1; b < p.size(); ++b) {
    double hz = b * bin_hz;
    if (std::fabs(hz - t.hz) > width / 2 || (b + lobe + 2 >= best && b <= best + lobe + 2)) continue;
    noise += p[b];
    ++counted;
  }
  // The noise of the whole critical band, as if it went on under the tone.
  double band_noise = counted ? noise / counted * (width / bin_hz) : 1e-30;
  t.above_noise_db = to_db(tone) - to_db(band_noise);
  double all_a = 0;
  for (size_t b = 1; b < p.size(); ++b) all_a += p[b] * a_weight_power(b * bin_hz);
  t.a_share = all_a > 0 ? tone * a_weight_power(t.hz) / all_a : 0.0;
  return t;
}

namespace {
// The squared magnitude of the analytic signal: the energy envelope, free of
// the ripple a low tone's own cycles put into a short window.
std::vector<double> energy_envelope(const Signal& s) {
  size_t n = 1;
  while (n < s.size() * 2) n <<= 1;
  std::vector<std::complex<double>> a(n);
  for (size_t i = 0; i < s.size(); ++i) a[i] = s[i];
  fft(a);
  // Keep the positive frequencies, doubled; the inverse by conjugation.
  for (size_t b = 1; b < n / 2; ++b) a[b] *= 2.0;
  for (size_t b = n / 2 + 1; b < n; ++b) a[b] = 0.0;
  for (auto& v : a) v = std::conj(v);
  fft(a);
  std::vector<double> e(s.size());
  for (size_t i = 0; i < s.size(); ++i) e[i] = std::norm(a[i]) / (static_cast<double>(n) * n) / 2.0;
  return e;
}
}  // namespace

double largest_tail_step_db(const Signal& s, int rate, double floor_db) {
  const size_t win = static_cast<size_t>(0.003 * rate);
  const std::vector<double> env = energy_envelope(s);
  std::vector<double> lv;
  for (size_t at = 0; at + win <= s.size(); at += win) {
    double acc = 0;
    for (size_t i = at; i < at + win; ++i) acc += env[i];
    lv.push_back(to_db(acc / win));
  }
  if (lv.size() < 2) return 0.0;
  size_t top = static_cast<size_t>(std::max_element(lv.begin(), lv.end()) - lv.begin());
  double worst = 0.0;
  // A fall that lasts, from a level that was there: a window is taken no
  // louder than the louder of the two before it, and compared with the
  // louder of the two after it. A single window caught high or low in the
  // grain of a noise then makes no step; an edge cut into a sound stays
  // down and does; a steady decay reads as its own 3 ms fall.
  for (size_t k = top + 2; k + 2 < lv.size(); ++k) {
    double before = std::min(lv[k], std::max(lv[k - 1], lv[k - 2])), after = std::max(lv[k + 1], lv[k + 2]);
    if (before < lv[top] - floor_db) continue;
    worst = std::max(worst, before - after);
  }
  return worst;
}

double onset_s(const Signal& s, int rate) {
  std::vector<double> w = weighted(s, rate, Curve::A);
  const size_t win = static_cast<size_t>(0.01 * rate), hop = static_cast<size_t>(0.001 * rate);
  if (w.size() < win || hop == 0) return 0.0;
  std::vector<double> prefix(w.size() + 1, 0.0);
  for (size_t i = 0; i < w.size(); ++i) prefix[i + 1] = prefix[i] + w[i] * w[i];
  std::vector<double> lv;
  for (size_t at = 0; at + win <= w.size(); at += hop) lv.push_back(to_db((prefix[at + win] - prefix[at]) / win));
  const double top = *std::max_element(lv.begin(), lv.end());
  size_t start = 0, full = 0;
  while (lv[start] < top - 30.0) ++start;
  while (lv[full] < top - 3.0) ++full;
  return static_cast<double>(full - start) * hop / rate;
}

double band_duration_s(const Signal& s, int rate, double lo, double hi) {
  const int n = 512;
  const size_t hop = static_cast<size_t>(0.01 * rate);
  std::vector<std::complex<double>> buf(n);
  std::vector<double> lv;
  for (size_t at = 0; at < s.size(); at += hop) {
    for (int i = 0; i < n; ++i) {
      double w = 0.5 - 0.5 * std::cos(2 * pi * (i + 0.5) / n);
      size_t j = at + static_cast<size_t>(i);
      buf[static_cast<size_t>(i)] = j < s.size() ? s[j] * w : 0.0;
    }
    fft(buf);
    double acc = 0;
    for (int b = 1; b < n / 2; ++b) {
      double hz = static_cast<double>(b) * rate / n;
      if (hz >= lo && hz < hi) acc += std::norm(buf[static_cast<size_t>(b)]);
    }
    lv.push_back(to_db(acc));
  }
  if (lv.empty()) return 0.0;
  double top = *std::max_element(lv.begin(), lv.end());
  size_t count = 0;
  for (double l : lv) count += l >= top - 20.0;
  return count * static_cast<double>(hop) / rate;
}

std::array<double, 8> octave_levels(const Signal& s, int rate) {
  const int n = 8192;
  std::vector<double> p = power_spectrum(s, n);
  std::array<double, 8> out{};
  for (int k = 0; k < 8; ++k) {
    double centre = 62.5 * std::pow(2.0, k), lo = centre / std::sqrt(2.0), hi = centre * std::sqrt(2.0);
    double acc = 0;
    for (size_t b = 1; b < p.size(); ++b) {
      double hz = static_cast<double>(b) * rate / n;
      if (hz >= lo && hz < hi) acc += p[b];
    }
    out[static_cast<size_t>(k)] = to_db(acc);
  }
  return out;
}

double octave_4k_below_loudest_db(const Signal& s, int rate) {
  std::array<double, 8> o = octave_levels(s, rate);
  return *std::max_element(o.begin(), o.end()) - o[6];
}

Seam seam_loudness(const Signal& left, const Signal& right, int rate) {
  Seam r;
  const size_t n = std::min(left.size(), right.size()), term = static_cast<size_t>(3.0 * rate);
  const size_t lead = std::min(n, static_cast<size_t>(10.0 * rate));
  if (n < term * 2) return r;
  // The end of the loop followed by its start, as it plays round; the ear
  // curve runs over the lead-in first so it has settled at the seam.
  Signal l(left.end() - static_cast<std::ptrdiff_t>(lead), left.begin() + static_cast<std::ptrdiff_t>(n));
  Signal rr(right.end() - static_cast<std::ptrdiff_t>(lead), right.begin() + static_cast<std::ptrdiff_t>(n));
  l.insert(l.end(), left.begin(), left.begin() + static_cast<std::ptrdiff_t>(term));
  rr.insert(rr.end(), right.begin(), right.begin() + static_cast<std::ptrdiff_t>(term));
  std::vector<double> wl = weighted(l, rate, Curve::K), wr = weighted(rr, rate, Curve::K);
  auto window = [&](size_t from) {
    double acc = 0;
    for (size_t i = from; i < from + term; ++i) acc += wl[i] * wl[i] + wr[i] * wr[i];
    return -0.691 + to_db(acc / term);
  };
  r.before = window(lead - term);
  r.after = window(lead);
  return r;
}

}  // namespace contentgen::measure
