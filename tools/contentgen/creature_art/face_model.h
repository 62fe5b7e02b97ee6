// The screaming colonist's head, modelled in the round: shared by the
// full-screen close-up and the small cocooned colonist on the wall, so both
// show the same face under the same light.
#pragma once

#include "creature_art/solid.h"

namespace contentgen::creatures::face_model {

// Drained skin and the lips.
inline constexpr solid::Material kSkin{0.70f, 0.58f, 0.52f, 0.55f, 30, 0.55f, 0};
inline constexpr solid::Material kLip{0.58f, 0.30f, 0.28f, 0.8f, 40, 0.4f, 0};

// Head-local: origin mid-face at the eyes' depth, y down, z toward the
// viewer; the head is about 130 units wide and 190 tall. With eyes_open
// false the lids are shut over them; `skin` lets a smaller head be drawn
// paler so it still reads against the dark.
void screaming_head(solid::Model& m, bool eyes_open = true, const solid::Material& skin = kSkin);

}  // namespace contentgen::creatures::face_model
