// A wound eaten into a creature's plate by its own acid blood: a dark
// hole with a bright wet rim, scorched chitin round it, smoke curling off
// its edge and drips running straight down from its lower lip.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "paint_kit/geometry.h"

namespace contentgen::paint {

// r is the hole's radius; fresh (0..1) how newly it was opened: a fresh
// wound smokes and runs more.
void acid_wound(cairo_t* cr, Pt at, double r, uint32_t seed, double fresh);

}  // namespace contentgen::paint
