// One glottal pulse, shared by both throat models: the folds' flow and its
// slope through one period.
#pragma once

#include <cmath>

#include "sounds/dsp.h"

namespace contentgen::sfx {

// The flow's slope through one pulse at `p` (0..1 of the period): a slow
// rise as the folds part, then a sharp negative lobe over `close` of the
// period as they snap shut, then rest. Smooth at every joint, so its
// overtones fall away steadily above the closing's own rate.
inline float pulse_slope(double p, float open, float close) {
  if (p < open) return static_cast<float>(std::sin(dsp::kPi * p / open)) * (close / open);
  if (p < open + close) return -static_cast<float>(std::sin(dsp::kPi * (p - open) / close));
  return 0.0f;
}

// The flow itself, 0 shut to 1 wide open, for the breath it lets through.
inline float pulse_flow(double p, float open, float close) {
  if (p < open) return 0.5f - 0.5f * static_cast<float>(std::cos(dsp::kPi * p / open));
  if (p < open + close) return 0.5f + 0.5f * static_cast<float>(std::cos(dsp::kPi * (p - open) / close));
  return 0.0f;
}

}  // namespace contentgen::sfx
