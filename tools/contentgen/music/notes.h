// The music as note data: which instrument plays on each channel and every
// note, pedal and swell of the score, placed on the bar-and-beat grid.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "music/score.h"

namespace contentgen::music {

// General MIDI channel 10 (index 9) plays the percussion kit.
constexpr int kDrumChannel = 9;

struct MidiEvent {
  size_t at;  // sample frame from the start of the loop
  uint8_t status, a, b;
};

// A score on a fixed tempo grid. Notes that run past the end of the loop
// ring on over its opening, as they would if the piece simply went on.
class NoteScore {
 public:
  explicit NoteScore(const Timing& tm) : tm_(tm) { std::fill(std::begin(double_of_), std::end(double_of_), -1); }
  const Timing& timing() const { return tm_; }
  size_t loop_frames() const { return tm_.loop_frames(); }

  // Instrument (General MIDI program, 0-based), channel volume and pan
  // (-1 .. 1), set at the start of the loop.
  void instrument(int channel, int program, int volume, float pan);
  // A new General MIDI program on `channel` from (bar, beat): notes struck
  // before it keep their old sound, so a channel free in one section can
  // play another instrument in the next.
  void program(int channel, int bar, double beat, int program);
  // Every pitched note written from here on sounds `semitones` higher, so
  // a piece composed round one home note can be placed in another key.
  void transpose(int semitones) { transpose_ = semitones; }
  // A note of `beats` beats at `velocity` (1..127).
  void note(int channel, int bar, double beat, int key, int velocity, double beats);
  // Expression (0..127), moved in steps of an eighth of a beat from `from`
  // to `to` over `beats` beats: swells and fades within a channel.
  void swell(int channel, int bar, double beat, double beats, int from, int to);
  void expression(int channel, int bar, double beat, int value);
  void sustain(int channel, int bar, double beat, bool down);

  // A bowed or blown section: each note swells in and eases off on the
  // channel's volume, by up to `depth` of it, instead of sounding at one
  // flat level, and slurs a little into the note after it. Call after
  // instrument(), before the notes are written.
  void breathe(int channel, double depth);
  // A second desk: every note and swell of `from` is played again on `to`,
  // `cents` out of tune, a few milliseconds late, a little softer and at
  // `pan`, so a section is heard as several players rather than one sample.
  // Call after instrument(from).
  void double_on(int from, int to, int cents, float pan);
  // A second sound under a section: whenever `channel` plays General MIDI
  // program `over`, its notes, swells, pedal and bends are played again on
  // `program`, at `volume` against the channel's own, `cents` out of tune
  // and `late_s` seconds late, through a synth of its own. Two patches a
  // little apart in time and tune are heard as one section, the later one
  // swelling in under the first one's attack. One layer a channel.
  void layer(int channel, int over, int program, int volume, int cents, double late_s);
  bool layered() const { return !layers_.empty(); }
  // What the layers play, each on its channel's number, in time order.
  std::vector<MidiEvent> layer_events() const;

  // A singer's or string player's vibrato: every note (or chord) held past
  // about half a second starts, after a third of a second of plain tone, to
  // waver `cents` either way at about five and a half times a second, the
  // depth easing in. A second desk of the channel wavers at its own slightly
  // slower rate, so the two never move together. Played with pitch bends.
  void vibrato(int channel, double cents) { vibrato_[channel & 15] = std::clamp(cents, 0.0, 50.0); }

  // A player's touch: from here on every note's velocity varies by up to
  // +-`velocity` and its start by up to +-`beats`, from a fixed seed. The
  // bar's strong beats lean a little harder than its off-beats, and each
  // section (channel) sits a touch ahead of or behind the beat and drifts
  // slowly round it, as players in a band do; the kit keeps closer time.
  // A note struck again on its channel varies more still, leaning
  // alternately harder and softer, as a bow or a picking hand goes down
  // and up, so ostinatos and repeated chords never sound like one sample.
  // Each four-bar phrase also swells and eases in velocity (by about
  // +-`velocity`) and, with any spread in time, is pushed ahead towards its
  // middle and settles back at its end, by up to about 20 ms; a chord's
  // inner notes are played softer than its outer.
  void humanise(uint32_t seed, int velocity, double beats);
  // Where a section sits against the beat, in seconds (negative ahead):
  // a lead a little ahead, a pad a little behind.
  void place(int channel, double seconds) { place_s_[channel & 15] = seconds; }

  // Every event in time order (note-offs before note-ons at the same frame).
  // A note struck again on its channel before it was let go is let go just
  // as it is struck again, so a late release never silences the new note.
  std::vector<MidiEvent> events() const;

 private:
  void push(size_t at, uint8_t status, int a, int b);
  struct Held {
    size_t on, off;
    uint8_t channel, key, velocity;
  };
  Timing tm_;
  std::vector<MidiEvent> ev_;  // everything but the notes
  std::vector<Held> notes_;
  // The time a channel's notes span, with notes struck together (a chord)
  // taken as one.
  struct Span {
    size_t on, off;
  };
  std::vector<Span> chord_spans(const std::vector<Held>& notes, int channel) const;
  void breath_events(std::vector<MidiEvent>& out, const std::vector<Held>& notes) const;
  void vibrato_events(std::vector<MidiEvent>& out, const std::vector<Held>& notes) const;
  struct Layer {
    int channel, over, program, volume, cents;
    double late_s;
  };
  std::vector<Layer> layers_;
  uint32_t feel_ = 0;
  int transpose_ = 0;
  int volume_[16] = {};      // each channel's volume as instrument() set it
  double breath_[16] = {};   // how deep each note's swell goes, 0 for none
  double vibrato_[16] = {};  // each channel's vibrato depth in cents, 0 for none
  int double_of_[16];        // the channel a second desk copies, or -1
  int double_cents_[16] = {};
  bool doubled_ = false;
  int feel_velocity_ = 0;
  double feel_beats_ = 0.0;
  double lean_[16] = {};   // each channel's constant place round the beat
  double drift_[16] = {};  // and its slow wander from it
  int last_key_[16] = {};  // each channel's last key, to spot a repeated note
  bool upstroke_[16] = {};  // a repeated note's alternating lean
  double place_s_[16] = {};  // each section's set place round the beat
  bool humanised_ = false;
};

}  // namespace contentgen::music
