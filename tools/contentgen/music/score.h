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

// The tracks. Each music variant is a piece of its own, so a player who
// switches variants hears new music, not a new arrangement.
LoopCanvas menu_track();  // a song in D minor
LoopCanvas menu_waltz();  // a waltz in D for guitar and winds
LoopCanvas game_track();  // an orchestral piece in E Phrygian
LoopCanvas game_pulse();  // a band-and-synth hunt in E minor

}  // namespace contentgen::music
