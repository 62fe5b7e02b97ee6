// Checks, after encoding, that a looped track's last decoded sample runs
// into its first one as smoothly as the music runs anywhere near it, and
// encodes loops until that holds.
#pragma once

#include "registry.h"
#include "sounds/dsp.h"

namespace contentgen::music {

// Samples on either side of the wrap that set the bound: 25 ms at 44.1 kHz.
constexpr long kJoinSpan = 1102;

// True when, in every channel of the decoded stream, the step from the last
// sample to the first is no larger than the largest step within kJoinSpan
// of the wrap, and so is the bend (second difference) across it. False also
// when the bytes do not decode.
bool decoded_join_is_smooth(const Bytes& ogg);

// Encodes a loop (see encode_ogg) and checks its decoded join. What the
// codec gets wrong at the last samples depends mostly on the continuation
// it is shown past the end, so when the join is rough the loop is encoded
// again with the fed-again opening faded out sooner or later. The attempts
// are fixed, so the output is deterministic; if none is smooth, the one
// with the smallest excess is kept.
Bytes encode_loop_ogg(const dsp::Buf& left, const dsp::Buf& right, int rate, float quality);

}  // namespace contentgen::music
