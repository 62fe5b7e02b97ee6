// PCM WAV encoding for the generated sound effects.
#pragma once

#include <cstdint>
#include <vector>

#include "registry.h"

namespace contentgen {

// Mono 16-bit PCM; samples are in -1..1 and are clipped to full scale.
Bytes encode_wav(const std::vector<float>& samples, int rate);

}  // namespace contentgen
