// The designed "RX-907" name plate of the title and the start-up window:
// stencil-cut raised letters in worn paint on a brushed steel plate, with
// the colony's claw emblem lit green beside them.
#pragma once

#include <cairo.h>

namespace contentgen::ui {

// The plate's size at scale 1.
inline constexpr double kLogotypeWidth = 520;
inline constexpr double kLogotypeHeight = 120;

// Draws the plate with its top-left corner at (x, y).
void draw_logotype(cairo_t* cr, double x, double y, double scale);

}  // namespace contentgen::ui
