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
  volume_[ch] = std::clamp(volume, 0, 127);
  push(0, 0xB0 | ch, 10, static_cast<int>(std::lround(64 + 63 * std::clamp(pan, -1.0f, 1.0f))));
  push(0, 0xB0 | ch, 11, 127);
}

void NoteScore::humanise(uint32_t seed, int velocity, double beats) {
  feel_ = seed;
  humanised_ = true;
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
  if (frac > 1e-3 && frac < 1.0 - 1e-3) return std::fabs(frac - 0.5) < 1e-3 ? -1 : -6;
  const int whole = static_cast<int>(std::lround(beat));
  if (whole % beats_per_bar == 0) return 8;
  return 2 * whole == beats_per_bar ? 5 : 2;
}

// A fixed number in [0, 1) for each phrase, so a phrase's shape does not
// depend on how many notes came before it.
double phrase_hash(int phrase) {
  uint32_t h = static_cast<uint32_t>(phrase) * 2654435761u + 0x9E37u;
  h ^= h >> 15;
  h *= 2246822519u;
  h ^= h >> 13;
  return static_cast<double>(h >> 8) / 16777216.0;
}
}  // namespace

void NoteScore::note(int channel, int bar, double beat, int key, int velocity, double beats) {
  const auto ch = static_cast<uint8_t>(channel & 15);
  if (feel_ != 0) {
    dsp::Rng rng(feel_);
    feel_ = rng.next();
    velocity += metric_accent(beat, tm_.beats_per_bar);
    velocity += static_cast<int>(std::lround(rng.bi() * feel_velocity_));
    if (key == last_key_[ch]) {
      velocity += (upstroke_[ch] ? -3 : 2) + static_cast<int>(std::lround(rng.bi() * feel_velocity_ * 0.6));
      upstroke_[ch] = !upstroke_[ch];
    } else {
      upstroke_[ch] = false;
    }
    last_key_[ch] = key;
    // The phrase's arc: four bars that swell to past their middle and
    // ease off, each a little stronger or weaker than the last.
    const double phrase_beats = 4.0 * tm_.beats_per_bar;
    const double where = (bar * tm_.beats_per_bar + beat) / phrase_beats;
    const int phrase = static_cast<int>(std::floor(where));
    const double u = where - phrase;
    const double size = 0.7 + 0.6 * phrase_hash(phrase);
    velocity += static_cast<int>(
        std::lround(size * feel_velocity_ * (2.0 * std::sin(dsp::kPi * std::pow(u, 0.8)) - 1.0)));
    double& drift = drift_[ch];
    drift = 0.92 * drift + 0.08 * rng.bi() * feel_beats_ * 4.0;
    const double loose = ch == kDrumChannel ? 0.5 : 1.0;
    // The band pushes into a phrase and settles back at its end, together;
    // each section keeps its own place round that (a lead ahead, a pad
    // behind). The kit follows the push more lightly, as the time keeper.
    const double push = feel_beats_ > 0.0 ? 0.016 : 0.0;
    const double push_s = -push * size * std::sin(2.0 * dsp::kPi * u) * (ch == kDrumChannel ? 0.6 : 1.0);
    const double shift_beats = (push_s + place_s_[ch]) / tm_.beats_s(1.0);
    beat = std::max(bar == 0 ? 0.0 : -1.0,
                    beat + lean_[ch] + shift_beats + drift * loose + rng.bi() * feel_beats_ * 0.6 * loose);
  }
  size_t on = tm_.at(bar, beat);
  size_t off = on + std::max<size_t>(1, static_cast<size_t>(beats * tm_.beat_frames()));
  if (ch != kDrumChannel) key += transpose_;  // drum keys name instruments, not pitches
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

void NoteScore::program(int channel, int bar, double beat, int program) {
  push(tm_.at(bar, beat), 0xC0 | static_cast<uint8_t>(channel & 15), program, 0);
}

void NoteScore::sustain(int channel, int bar, double beat, bool down) {
  push(tm_.at(bar, beat), 0xB0 | static_cast<uint8_t>(channel & 15), 64, down ? 127 : 0);
}

void NoteScore::breathe(int channel, double depth) { breath_[channel & 15] = std::clamp(depth, 0.0, 0.9); }

void NoteScore::double_on(int from, int to, int cents, float pan) {
  from &= 15;
  to &= 15;
  int program = 0;
  for (const MidiEvent& e : ev_)
    if (e.status == (0xC0 | from)) program = e.a;
  instrument(to, program, volume_[from], pan);
  // The default bend range is two semitones either way.
  const int bend = std::clamp(8192 + cents * 8192 / 200, 0, 16383);
  push(0, 0xE0 | static_cast<uint8_t>(to), bend & 127, bend >> 7);
  double_of_[to] = from;
  double_cents_[to] = cents;
  doubled_ = true;
}

std::vector<NoteScore::Span> NoteScore::chord_spans(const std::vector<Held>& notes, int channel) const {
  const size_t together = tm_.beat_frames() / 16;
  std::vector<Span> spans;
  for (const Held& n : notes) {
    if (n.channel != channel) continue;
    if (!spans.empty() && n.on <= spans.back().on + together)
      spans.back().off = std::max(spans.back().off, n.off);
    else
      spans.push_back({n.on, n.off});
  }
  return spans;
}

void NoteScore::breath_events(std::vector<MidiEvent>& out, const std::vector<Held>& notes) const {
  const double beat = static_cast<double>(tm_.beat_frames());
  const size_t step = tm_.beat_frames() / 8;
  for (int ch = 0; ch < 16; ++ch) {
    const double depth = double_of_[ch] >= 0 ? breath_[double_of_[ch]] : breath_[ch];
    if (depth <= 0.0) continue;
    // Notes struck together (a chord) breathe as one.
    const std::vector<Span> groups = chord_spans(notes, ch);
    const double full = volume_[ch];
    for (size_t g = 0; g < groups.size(); ++g) {
      const size_t on = groups[g].on, off = groups[g].off;
      const size_t until = g + 1 < groups.size() ? std::min(off, groups[g + 1].on) : off;
      const double length = static_cast<double>(off - on);
      if (length < 0.9 * beat) {
        // Short notes are played out at full volume.
        out.push_back({on, static_cast<uint8_t>(0xB0 | ch), 7, clamp7(static_cast<int>(full))});
        continue;
      }
      // In from below, full by a third of the note (two beats at most),
      // then easing off towards its end.
      const double rise = std::min(length / 3.0, 2.0 * beat);
      for (size_t at = on; at < until; at += step) {
        const double t = static_cast<double>(at - on);
        double level;
        if (t < rise) {
          level = 1.0 - depth * 0.5 * (1.0 + std::cos(dsp::kPi * t / rise));
        } else {
          const double u = (t - rise) / std::max(1.0, length - rise);
          level = 1.0 - depth * 0.45 * 0.5 * (1.0 - std::cos(dsp::kPi * std::min(1.0, u)));
        }
        out.push_back({at, static_cast<uint8_t>(0xB0 | ch), 7, clamp7(static_cast<int>(std::lround(full * level)))});
      }
    }
  }
}

void NoteScore::vibrato_events(std::vector<MidiEvent>& out, const std::vector<Held>& notes) const {
  const size_t delay = dsp::frames(0.3, kRate), ease = dsp::frames(0.4, kRate);
  const size_t min_length = dsp::frames(0.55, kRate), step = kRate / 60;
  auto bend_at = [](double cents) { return std::clamp(static_cast<int>(std::lround(8192 + cents * 8192 / 200)), 0, 16383); };
  for (int ch = 0; ch < 16; ++ch) {
    const bool desk = double_of_[ch] >= 0;
    const double depth = vibrato_[desk ? double_of_[ch] : ch];
    if (depth <= 0.0) continue;
    const double base = desk ? double_cents_[ch] : 0.0;
    // A second desk wavers a little slower and shallower than the first.
    const double rate = desk ? 5.1 : 5.6, cents = desk ? depth * 0.85 : depth;
    const std::vector<Span> groups = chord_spans(notes, ch);
    uint32_t h = 0x71B5u + static_cast<uint32_t>(ch);
    for (size_t g = 0; g < groups.size(); ++g) {
      const size_t on = groups[g].on;
      const size_t until = g + 1 < groups.size() ? std::min(groups[g].off, groups[g + 1].on) : groups[g].off;
      if (until < on + min_length) continue;
      // Each note's vibrato runs a touch faster or slower than the last.
      h = h * 1664525u + 1013904223u;
      const double hz = rate * (0.94 + 0.12 * static_cast<double>(h >> 24) / 255.0);
      bool moved = false;
      for (size_t at = on + delay; at + step < until; at += step) {
        const double t = static_cast<double>(at - on - delay);
        const double in = std::min(1.0, t / static_cast<double>(ease));
        const double wave = std::sin(2.0 * dsp::kPi * hz * t / kRate);
        const int bend = bend_at(base + cents * in * wave);
        out.push_back({at, static_cast<uint8_t>(0xE0 | ch), static_cast<uint8_t>(bend & 127),
                       static_cast<uint8_t>(bend >> 7)});
        moved = true;
      }
      if (moved) {
        // Back in tune before the next note is struck.
        const int bend = bend_at(base);
        out.push_back({until > on + 1 ? until - 1 : until, static_cast<uint8_t>(0xE0 | ch),
                       static_cast<uint8_t>(bend & 127), static_cast<uint8_t>(bend >> 7)});
      }
    }
  }
}

std::vector<MidiEvent> NoteScore::events() const {
  std::vector<Held> notes = notes_;
  if (doubled_) {
    // The second desk comes in 4 to 12 ms late and a little softer, note
    // by note, as another player would.
    uint32_t h = 0x2D35u;
    for (const Held& n : notes_) {
      for (int to = 0; to < 16; ++to) {
        if (double_of_[to] != n.channel) continue;
        h = h * 1664525u + 1013904223u;
        const size_t late = dsp::frames(0.004 + 0.008 * static_cast<double>(h >> 24) / 255.0, kRate);
        notes.push_back({n.on + late, n.off + late, static_cast<uint8_t>(to), n.key,
                         clamp7(std::max(1, n.velocity - 5 - static_cast<int>((h >> 20) & 7)))});
      }
    }
  }
  if (humanised_) {
    // A chord's inner notes are played softer than its top and bottom, as
    // a player's hand weights the outer fingers.
    std::vector<size_t> order(notes.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
      if (notes[a].channel != notes[b].channel) return notes[a].channel < notes[b].channel;
      return notes[a].on < notes[b].on;
    });
    const size_t together = tm_.beat_frames() / 16;
    for (size_t i = 0; i < order.size();) {
      size_t j = i + 1;
      while (j < order.size() && notes[order[j]].channel == notes[order[i]].channel &&
             notes[order[j]].on <= notes[order[i]].on + together)
        ++j;
      if (j - i >= 3 && notes[order[i]].channel != kDrumChannel) {
        int lo = 127, hi = 0;
        for (size_t k = i; k < j; ++k) {
          lo = std::min<int>(lo, notes[order[k]].key);
          hi = std::max<int>(hi, notes[order[k]].key);
        }
        for (size_t k = i; k < j; ++k) {
          Held& n = notes[order[k]];
          if (n.key != lo && n.key != hi) n.velocity = clamp7(std::max(1, n.velocity - 7));
        }
      }
      i = j;
    }
  }
  // Bowed and blown lines slur: each note is held a touch into the next.
  const size_t slur = tm_.beat_frames() / 8;
  for (Held& n : notes) {
    const int src = double_of_[n.channel] >= 0 ? double_of_[n.channel] : n.channel;
    if (breath_[src] > 0.0) n.off += slur;
  }
  std::stable_sort(notes.begin(), notes.end(), [](const Held& a, const Held& b) {
    if (a.channel != b.channel) return a.channel < b.channel;
    if (a.key != b.key) return a.key < b.key;
    return a.on < b.on;
  });
  std::vector<MidiEvent> out = ev_;
  // A second desk follows its section's swells and pedal.
  for (const MidiEvent& e : ev_) {
    const int ch = e.status & 0x0F;
    if ((e.status & 0xF0) != 0xB0 || (e.a != 11 && e.a != 64)) continue;
    for (int to = 0; to < 16; ++to)
      if (double_of_[to] == ch) out.push_back({e.at, static_cast<uint8_t>(0xB0 | to), e.a, e.b});
  }
  {
    std::vector<Held> by_time = notes;
    std::stable_sort(by_time.begin(), by_time.end(), [](const Held& a, const Held& b) { return a.on < b.on; });
    breath_events(out, by_time);
    vibrato_events(out, by_time);
  }
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

void NoteScore::layer(int channel, int over, int program, int volume, int cents, double late_s) {
  channel &= 15;
  layers_.erase(std::remove_if(layers_.begin(), layers_.end(), [&](const Layer& l) { return l.channel == channel; }),
                layers_.end());
  layers_.push_back({channel, over, program, volume, cents, std::max(0.0, late_s)});
}

std::vector<MidiEvent> NoteScore::layer_events() const {
  std::vector<MidiEvent> out;
  const Layer* of[16] = {};
  for (const Layer& l : layers_) of[l.channel] = &l;
  auto bend_by = [](int bend, int cents) { return std::clamp(bend + cents * 8192 / 200, 0, 16383); };
  for (const Layer& l : layers_) {
    const auto ch = static_cast<uint8_t>(l.channel);
    out.push_back({0, static_cast<uint8_t>(0xC0 | ch), clamp7(l.program), 0});
    const int bend = bend_by(8192, l.cents);
    out.push_back({0, static_cast<uint8_t>(0xE0 | ch), static_cast<uint8_t>(bend & 127), static_cast<uint8_t>(bend >> 7)});
  }
  int program[16] = {};
  bool sounding[16][128] = {};
  for (const MidiEvent& e : events()) {
    const int ch = e.status & 0x0F, kind = e.status & 0xF0;
    if (kind == 0xC0) {
      program[ch] = e.a;
      continue;
    }
    const Layer* l = of[ch];
    if (!l) continue;
    MidiEvent m = e;
    m.at = e.at + dsp::frames(l->late_s, kRate);
    if (kind == 0x90) {
      // Only what the channel plays on the program the layer sits under.
      if (program[ch] != l->over) continue;
      sounding[ch][e.a & 127] = true;
    } else if (kind == 0x80) {
      if (!sounding[ch][e.a & 127]) continue;
      sounding[ch][e.a & 127] = false;
    } else if (kind == 0xB0 && e.a == 7) {
      m.b = clamp7(static_cast<int>(std::lround(e.b * static_cast<double>(l->volume) / std::max(1, volume_[ch]))));
    } else if (kind == 0xE0) {
      const int bend = bend_by(e.a | (e.b << 7), l->cents);
      m.a = static_cast<uint8_t>(bend & 127);
      m.b = static_cast<uint8_t>(bend >> 7);
    }
    out.push_back(m);
  }
  std::stable_sort(out.begin(), out.end(), [](const MidiEvent& a, const MidiEvent& b) { return a.at < b.at; });
  return out;
}

}  // namespace contentgen::music
