// Paths every art module builds: rounded plates and the diagonal bands of
// warning stripes.
#pragma once

#include <cairo.h>

namespace contentgen::paint {

// Adds a rounded rectangle as a new sub-path (a plain one when r <= 0).
void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r);
// Adds one parallelogram per stripe, leaning right, `period` apart, across
// the rectangle (the caller clips to it and fills).
void stripe_bands(cairo_t* cr, double x, double y, double w, double h, double period);

}  // namespace contentgen::paint
