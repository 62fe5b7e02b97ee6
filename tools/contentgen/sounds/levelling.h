// Levelling of the effects by how loud they sound, not by their average
// power: a short crack and a long drone with the same mean square are far
// apart to the ear, and bass that small speakers cannot play counts for
// nothing on the A curve.
#pragma once

#include "sounds/dsp.h"

namespace contentgen::sfx {

// Brings the sound to `heard_db` (the mean of its loudest 100 ms and 400 ms
// levels, on the A or the K curve, whichever reads louder). Peaks are held at or below `ceiling_db` dBFS by a
// look-ahead limiter, so a sharp sound reaches its loudness by growing
// denser rather than by clipping. Converges to within 0.1 dB unless the
// limiter runs out of room.
void level_effect(dsp::Buf& b, int rate, float heard_db, float ceiling_db);

// The same for a loop, by gain alone: a limiter's memory would differ at
// the two ends and break the seam. If the loudness would push a peak past
// the ceiling, the gain stops there.
void level_loop(dsp::Buf& b, int rate, float heard_db, float ceiling_db);

// Scales the whole sound down, if need be, so that its true peak (4x
// oversampled) is at or under `ceiling_db`: the last word after fades.
void hold_true_peak(dsp::Buf& b, float ceiling_db);

// The look-ahead limiter on its own: every peak ends at or below `ceiling`
// (linear), gain falls over `lookahead_ms` before a peak and recovers with
// `release_ms`.
void limit(dsp::Buf& b, int rate, float ceiling, float lookahead_ms, float release_ms);

// The same over a stereo loop, both channels on one gain (so the image does
// not shift) and run round the loop, so that its state at the end carries
// into the opening and the seam stays whole.
void limit_loop(dsp::Buf& left, dsp::Buf& right, int rate, float ceiling, float lookahead_ms, float release_ms);

}  // namespace contentgen::sfx
