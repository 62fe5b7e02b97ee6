// Pitch-class content of a piece of music (a chromagram summed over time)
// and the key it implies, for checking that a track sits where it was
// written.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace contentgen::measure {

using Chroma = std::array<double, 12>;  // energy per pitch class, 0 = C

// Magnitude spectra of Hann-windowed frames, each bin between 55 Hz and
// 2 kHz credited to its nearest pitch class; normalised to sum 1.
Chroma chromagram(const std::vector<float>& mono, int rate);

// The key whose major or minor profile (Krumhansl's probe-tone ratings)
// best matches the chroma.
struct Key {
  int tonic = 0;  // pitch class, 0 = C
  bool minor = false;
  double score = 0.0;  // correlation with the profile
};
Key key_of(const Chroma& c);

// "C", "C#", ... "B".
std::string pitch_class_name(int pc);

}  // namespace contentgen::measure
