#include "measure/chroma.h"

#include <cmath>
#include <complex>

#include "measure/fft.h"

namespace contentgen::measure {

namespace {

constexpr double kPi = 3.14159265358979323846;

double correlation(const Chroma& c, const double* profile, int shift) {
  double mc = 0, mp = 0;
  for (int i = 0; i < 12; ++i) {
    mc += c[i] / 12;
    mp += profile[i] / 12;
  }
  double num = 0, dc = 0, dp = 0;
  for (int i = 0; i < 12; ++i) {
    double x = c[(i + shift) % 12] - mc, y = profile[i] - mp;
    num += x * y;
    dc += x * x;
    dp += y * y;
  }
  return dc > 0 && dp > 0 ? num / std::sqrt(dc * dp) : 0.0;
}

}  // namespace

Chroma chromagram(const std::vector<float>& mono, int rate) {
  Chroma c{};
  const size_t kFrame = 8192, kHop = 4096;
  std::vector<double> window(kFrame);
  for (size_t i = 0; i < kFrame; ++i) window[i] = 0.5 - 0.5 * std::cos(2 * kPi * i / kFrame);
  std::vector<int> bin_class(kFrame / 2, -1);
  for (size_t b = 1; b < kFrame / 2; ++b) {
    double hz = static_cast<double>(b) * rate / kFrame;
    if (hz < 55.0 || hz > 2000.0) continue;
    int midi = static_cast<int>(std::lround(69.0 + 12.0 * std::log2(hz / 440.0)));
    bin_class[b] = ((midi % 12) + 12) % 12;
  }
  std::vector<std::complex<double>> buf(kFrame);
  for (size_t at = 0; at + kFrame <= mono.size(); at += kHop) {
    for (size_t i = 0; i < kFrame; ++i) buf[i] = mono[at + i] * window[i];
    fft(buf);
    for (size_t b = 1; b < kFrame / 2; ++b)
      if (bin_class[b] >= 0) c[static_cast<size_t>(bin_class[b])] += std::abs(buf[b]);
  }
  double total = 0;
  for (double v : c) total += v;
  if (total > 0)
    for (double& v : c) v /= total;
  return c;
}

Key key_of(const Chroma& c) {
  static const double kMajor[12] = {6.35, 2.23, 3.48, 2.33, 4.38, 4.09, 2.52, 5.19, 2.39, 3.66, 2.29, 2.88};
  static const double kMinor[12] = {6.33, 2.68, 3.52, 5.38, 2.60, 3.53, 2.54, 4.75, 3.98, 2.69, 3.34, 3.17};
  Key best{0, false, -2.0};
  for (int tonic = 0; tonic < 12; ++tonic) {
    for (bool minor : {false, true}) {
      double r = correlation(c, minor ? kMinor : kMajor, tonic);
      if (r > best.score) best = {tonic, minor, r};
    }
  }
  return best;
}

std::string pitch_class_name(int pc) {
  static const char* const kNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
  return kNames[((pc % 12) + 12) % 12];
}

}  // namespace contentgen::measure
