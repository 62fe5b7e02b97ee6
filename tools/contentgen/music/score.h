// Bars and beats: where in the loop a note falls.
#pragma once

#include <algorithm>
#include <cmath>

#include "music/synth.h"

namespace contentgen::music {

struct Timing {
  int bpm;
  int beats_per_bar;
  int bars;

  // Tempos are chosen so that a beat is a whole number of samples, which
  // keeps every bar (and so the loop) exactly on the sample grid.
  size_t beat_frames() const { return static_cast<size_t>(kRate) * 60 / bpm; }
  size_t bar_frames() const { return beat_frames() * beats_per_bar; }
  size_t loop_frames() const { return bar_frames() * bars; }
  // A beat may be negative (a pickup into the bar) but never before the loop.
  size_t at(int bar, double beat) const {
    double f = static_cast<double>(bar_frames()) * bar + beat * static_cast<double>(beat_frames());
    return static_cast<size_t>(std::llround(std::max(0.0, f)));
  }
  double beats_s(double beats) const { return beats * 60.0 / bpm; }
};

// A track: the two variants share the score; the enhanced one gets more voices.
LoopCanvas menu_track(bool enhanced);
LoopCanvas game_track(bool enhanced);

}  // namespace contentgen::music
