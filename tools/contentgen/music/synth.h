// The looping canvas the music is rendered onto, and the loop-aware
// tone and mastering applied to the whole mix (the room is in hall.h).
#pragma once

#include <cstdint>
#include <vector>

#include "sounds/dsp.h"

namespace contentgen::music {

using dsp::Buf;

constexpr int kRate = 44100;

// Stereo loop of fixed length. Anything written past the end wraps round
// to the start, so a note still ringing when the track loops sounds over
// the opening exactly as it would if the piece simply went on.
class LoopCanvas {
 public:
  explicit LoopCanvas(size_t frames) : l_(frames, 0.0f), r_(frames, 0.0f) {}
  size_t size() const { return l_.size(); }
  // pan -1 (left) .. 1 (right), equal-power.
  void add(size_t at, const Buf& mono, float gain, float pan);
  void add_stereo(const Buf& l, const Buf& r, float gain);  // full-length layers
  Buf& left() { return l_; }
  Buf& right() { return r_; }
  const Buf& left() const { return l_; }
  const Buf& right() const { return r_; }

 private:
  Buf l_, r_;
};


// The tone of the whole mix: a low shelf below 160 Hz, a high shelf above
// 3.2 kHz, an air shelf above 7 kHz, a presence bell an octave and a half
// wide round 3.5 kHz and a body bell two octaves wide round 400 Hz (dB
// each; a small cut there clears the sound font's boxy low mids), and a
// broad bell round 850 Hz, across 500 Hz to 1.5 kHz where creatures, voices and
// footsteps carry, so that a cut there leaves the effects a pocket in the
// game music; an optional octave-wide bell round 50 Hz gives the bass
// weight under the low shelf without filling the octave above it, and an
// optional sheen bell round 7.5 kHz lifts bows, reeds and cymbals between
// the 4 kHz octave and the air shelf; the filters' state at the end is
// carried into the opening.
void tone(LoopCanvas& c, float low_db, float high_db, float air_db = 0.0f, float presence_db = 0.0f,
          float body_db = 0.0f, float effects_room_db = 0.0f, float weight_db = 0.0f, float sheen_db = 0.0f);

// Widens the mix: the side (left minus right) above `above_hz` is scaled
// by `side_gain`, the bass's side and the middle left as they are. The sum
// of the two channels is unchanged, so the mix folds to mono exactly as
// before. The filter's state at the end is carried into the opening.
void widen(LoopCanvas& c, float side_gain, double above_hz);

// Shapes the loop's level over time: a gain in dB at each point (frame,
// dB, in order), joined by raised-cosine ramps, the last ramp running round
// the wrap to the first point. Quiet passages and climaxes keep this shape
// after mastering brings the whole loop to its loudness.
struct LevelPoint {
  size_t at;
  float db;
};
void contour(LoopCanvas& c, const std::vector<LevelPoint>& points);

// Slow upward compression for a bed under play: where the loop's 3 s
// loudness falls more than `below_lu` under its mean, the gain lifts by
// (1 - 1/ratio) of the shortfall, at most `max_lift_db`, smoothed over
// several seconds so the lift swells in and out with the phrase instead of
// pumping. Loud passages and the climax keep their level and shape; the
// quiet ones no longer sink under the effects. Runs round the loop.
void lift_quiet(LoopCanvas& c, float below_lu, float ratio, float max_lift_db);

// Brings the last `span_s` seconds of the loop, on a smooth ramp, to the
// loudness of its first seconds, so that the wrap back to the opening
// neither drops nor jumps; the gain is back at unity on the last sample,
// so the waveform runs on into the opening without a step. Leaves the loop
// alone when the two sides already match within a quarter of a decibel.
void level_seam(LoopCanvas& c, double span_s);

// Evens out the last and the first `window_s` seconds at the wrap, which
// a listener hears back to back at every return: a downbeat's attack makes
// the opening louder than the release before it. The gain swells a little
// over the last tenth of a second and dips by as much over the first,
// passing through unity at the wrap itself, so the waveform runs on without
// a step. Leaves the loop alone when the two already match within 0.3 dB.
void level_wrap(LoopCanvas& c, double window_s);

// Every track is mastered to this integrated loudness, so that switching
// between the menu and the game, or between the two variants, changes
// nothing in level.
constexpr float kTargetLufs = -16.0f;
constexpr float kCeilingDb = -1.0f;
// The limiter holds sample peaks this far under the ceiling: the waveform
// rebuilt between samples, and the Vorbis coder's ringing, overshoot them
// by up to two and a half decibels on bright, dense passages.
constexpr float kLimiterMarginDb = 3.0f;

// Brings the loop to kTargetLufs (K-weighted, gated) with a look-ahead
// limiter that keeps every true peak of the decoded file at or below
// kCeilingDb. The limiter runs
// round the loop, so its state at the end carries into the opening.
void master(LoopCanvas& c);

}  // namespace contentgen::music
