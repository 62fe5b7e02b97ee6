// A plain radix-2 FFT for the measuring tools.
#pragma once

#include <complex>
#include <vector>

namespace contentgen::measure {

// In place; the size must be a power of two.
void fft(std::vector<std::complex<double>>& a);

}  // namespace contentgen::measure
