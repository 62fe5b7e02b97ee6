// The fittings the machinery wall tiles are built from: lockers, windows,
// valve wheels, gauges, printed decals, stencilled letters and crates.
#pragma once

#include <cairo.h>

#include "wall_tile_painters.h"

namespace contentgen::roomart::wall_tiles {

// A full-height locker door in the column x .. x + w.
void locker(cairo_t* cr, Noise& n, double x, double w);
// A framed window onto the storm outside, split by `mullions` bars.
void window(cairo_t* cr, Noise& n, double x, double y, double w, double h, int mullions);
void valve_wheel(cairo_t* cr, double cx, double cy, double r);
void gauge(cairo_t* cr, Noise& n, double cx, double cy, double r);
// Lines of small printed words in one grey tone.
void decal_text(cairo_t* cr, Noise& n, double x, double y, double w, int lines, double tone);
// Block letters from a 3 x 5 grid, enough for stencilled markings.
void stencil(cairo_t* cr, double x, double y, double px, const char* text);
// A crate with cross braces and a label.
void crate(cairo_t* cr, Noise& n, double x, double y, double w, double h);

}  // namespace contentgen::roomart::wall_tiles
