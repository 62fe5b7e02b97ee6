// Ogg Vorbis encoding of the music with libvorbisenc.
#pragma once

#include "registry.h"
#include "sounds/dsp.h"

namespace contentgen::music {

// Encodes a stereo pair (equal lengths, -1..1) at `rate` with VBR
// `quality` (-0.1..1). The stream serial number is fixed so the same
// samples always give the same bytes. Returns empty bytes on failure.
//
// For a loop, the encoder's look-behind before the first sample (normally
// silence) is filled with the end of the piece, so the opening is coded as
// the continuation it is; after the end the encoder is fed the opening
// again, and the stream is closed on the first packet that reaches the
// end, its granule position cutting the surplus. Both edges are thus coded
// in context and the ending joins the opening without a click.
//
// A loud attack early in the opening can still spread codec noise back
// over the last samples (they share a long block with it); a nonzero
// `lead_out_fade` fades the fed-again opening out over that many samples so
// the closing blocks see a quieter continuation. It only shapes what the
// decoder discards.
Bytes encode_ogg(const dsp::Buf& left, const dsp::Buf& right, int rate, float quality, bool loop,
                 size_t lead_out_fade = 0);

}  // namespace contentgen::music
