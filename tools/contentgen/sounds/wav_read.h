// Reads a PCM WAV (8 or 16 bit, mono or stereo) into mono float samples.
#pragma once

#include "registry.h"
#include "sounds/dsp.h"

namespace contentgen::sfx {

struct WavData {
  int rate = 0;
  int channels = 0;
  int bits = 0;
  dsp::Buf samples;  // channels averaged
};

// False on anything that is not a PCM WAV of those formats. A streamed
// header whose data size is unknown (0 or too large) is read to the end.
bool read_wav(const Bytes& bytes, WavData& out);

}  // namespace contentgen::sfx
