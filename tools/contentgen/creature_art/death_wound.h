// The wound a dying creature carries through its death frames, and the acid
// it leaves on the floor.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "paint_kit/geometry.h"

namespace contentgen::creatures {

// The wound at `at` on a body already drawn, `stage` 0 at the hit to 1 at
// the last frame: the entry burst on the first frame, then one hole (the
// same tear for one seed) eaten wider frame by frame, ragged pits opening
// round it, smoking, its runs lengthening down the body until they reach
// `floor_y`. r is the hole's radius when the acid has finished.
void death_wound(cairo_t* cr, paint::Pt at, double r, uint32_t seed, double stage, double floor_y);

// The acid pooling on the floor under a falling body, drawn before the
// body: nothing before `start`, then spreading from a small puddle to
// rx_full wide by stage 1.
void death_pool(cairo_t* cr, double cx, double floor_y, double rx_full, uint32_t seed, double stage, double start);

}  // namespace contentgen::creatures
