// A direct-form biquad in double precision, and the second-order Butterworth
// high-pass built from it: the meters' ear curves and the music's exciter
// both use it. Double precision because the low-frequency poles lie close
// to z = 1, where float rounding would drift.
#pragma once

#include <cmath>

namespace contentgen::measure {

struct Biquad2 {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  double operator()(double x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
  }
};

// Second-order Butterworth high-pass at hz for a stream at rate.
inline Biquad2 highpass(double hz, int rate) {
  constexpr double pi = 3.14159265358979323846;
  double w = 2 * pi * hz / rate, c = std::cos(w), al = std::sin(w) / (2 * std::sqrt(0.5));
  double a0 = 1 + al;
  Biquad2 f;
  f.b0 = (1 + c) / 2 / a0;
  f.b1 = -(1 + c) / a0;
  f.b2 = f.b0;
  f.a1 = -2 * c / a0;
  f.a2 = (1 - al) / a0;
  return f;
}

}  // namespace contentgen::measure
