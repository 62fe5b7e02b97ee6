#include "music/notes.h"

#include <algorithm>
#include <cmath>

namespace contentgen::music {

namespace {
uint8_t clamp7(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 127)); }
}  // namespace

void NoteScore::push(size_t at, uint8_t status, int a, int b) { ev_.push_back({at, status, clamp7(a), clamp7(b)}); }

void NoteScore::instrument(int channel, int program, int volume, float pan) {
  const auto ch = static_cast<uint8_t>(channel & 15);
  push(0, 0xC0 | ch, program, 0);
  push(0, 0xB0 | ch, 7, volume);
  push(0, 0xB0 | ch, 10, static_cast<int>(std::lround(64 + 63 * std::clamp(pan, -1.0f, 1.0f))));
  push(0, 0xB0 | ch, 11, 127);
}

void NoteScore::humanise(uint32_t seed, int velocity, double beats) {
  feel_ = seed;
  feel_velocity_ = velocity;
  feel_beats_ = beats;
  dsp::Rng rng(seed ^ 0x5EC7u);
  for (int ch = 0; ch < 16; ++ch) {
    lean_[ch] = ch == kDrumChannel ? 0.0 : rng.bi() * beats * 0.8;
    drift_[ch] = 0.0;
  }
}

namespace {
// Velocity added by where a note falls in the bar: the downbeat leans
// hardest, the middle of the bar next, other beats a little, off-beat
// eighths not at all and the sixteenths between them least.
int metric_accent(double beat, int beats_per_bar) {
  const double frac = beat - std::floor(beat);
  if (frac > 1e-3 && frac < 1.0 - 1e-3) return std::fabs(frac - 0.5) < 1e-3 ? 0 : -3;
  const int whole = static_cast<int>(std::lround(beat));
  if (whole % beats_per_bar == 0) return 5;
  return 2 * whole == beats_per_bar ? 3 : 1;
}
}  // namespace

void NoteScore::note(int channel, int bar, double beat, int key, int velocity, double beats) {
  const auto ch = static_cast<uint8_t>(channel & 15);
  if (feel_ != 0) {
    dsp::Rng rng(feel_);
    feel_ = rng.next();
    velocity += metric_accent(beat, tm_.beats_per_bar);
    velocity += static_cast<int>(std::lround(rng.bi() * feel_velocity_));
    double& drift = drift_[ch];
    drift = 0.92 * drift + 0.08 * rng.bi() * feel_beats_ * 4.0;
    const double loose = ch == kDrumChannel ? 0.5 : 1.0;
    beat = std::max(bar == 0 ? 0.0 : -1.0, beat + lean_[ch] + drift * loose + rng.bi() * feel_beats_ * 0.6 * loose);
  }
  size_t on = tm_.at(bar, beat);
  size_t off = on + std::max<size_t>(1, static_cast<size_t>(beats * tm_.beat_frames()));
  notes_.push_back({on, off, ch, clamp7(key), clamp7(std::max(1, velocity))});
}

void NoteScore::expression(int channel, int bar, double beat, int value) {
  push(tm_.at(bar, beat), 0xB0 | static_cast<uint8_t>(channel & 15), 11, value);
}

void NoteScore::swell(int channel, int bar, double beat, double beats, int from, int to) {
  const int steps = std::max(1, static_cast<int>(beats * 8));
  for (int s = 0; s <= steps; ++s) {
    double u = static_cast<double>(s) / steps;
    expression(channel, bar, beat + beats * u, static_cast<int>(std::lround(from + (to - from) * u)));
  }
}

void NoteScore::sustain(int channel, int bar, double beat, bool down) {
  push(tm_.at(bar, beat), 0xB0 | static_cast<uint8_t>(channel & 15), 64, down ? 127 : 0);
}

std::vector<MidiEvent> NoteScore::events() const {
  std::vector<Held> notes = notes_;
  std::stable_sort(notes.begin(), notes.end(), [](const Held& a, const Held& b) {
    if (a.channel != b.channel) return a.channel < b.channel;
    if (a.key != b.key) return a.key < b.key;
    return a.on < b.on;
  });
  std::vector<MidiEvent> out = ev_;
  for (size_t i = 0; i < notes.size(); ++i) {
    const Held& n = notes[i];
    size_t off = n.off;
    if (i + 1 < notes.size() && notes[i + 1].channel == n.channel && notes[i + 1].key == n.key)
      off = std::min(off, notes[i + 1].on);
    out.push_back({n.on, static_cast<uint8_t>(0x90 | n.channel), n.key, n.velocity});
    out.push_back({std::max(off, n.on + 1), static_cast<uint8_t>(0x80 | n.channel), n.key, 0});
  }
  // Stable: events at one frame keep the order they were written in, except
  // that releases come first so a repeated key restrikes cleanly.
  std::stable_sort(out.begin(), out.end(), [](const MidiEvent& a, const MidiEvent& b) {
    if (a.at != b.at) return a.at < b.at;
    bool a_off = (a.status & 0xF0) == 0x80, b_off = (b.status & 0xF0) == 0x80;
    return a_off && !b_off;
  });
  return out;
}

}  // namespace contentgen::music
