#include "measure/fft.h"

#include <cmath>

namespace contentgen::measure {

void fft(std::vector<std::complex<double>>& a) {
  const double kPi = 3.14159265358979323846;
  size_t n = a.size();
  for (size_t i = 1, j = 0; i < n; ++i) {
    size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (size_t len = 2; len <= n; len <<= 1) {
    std::complex<double> w = std::polar(1.0, -2 * kPi / static_cast<double>(len));
    for (size_t i = 0; i < n; i += len) {
      std::complex<double> u = 1.0;
      for (size_t k = 0; k < len / 2; ++k, u *= w) {
        std::complex<double> x = a[i + k], y = a[i + k + len / 2] * u;
        a[i + k] = x + y;
        a[i + k + len / 2] = x - y;
      }
    }
  }
}

}  // namespace contentgen::measure
