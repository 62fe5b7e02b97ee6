// The recessed bed of the status panel on the bottom console: windows for
// the heartbeat trace, the portrait and the ammunition gauge, and slots for
// the name and credit plates. Drawn in one-player panel units (origin at
// the name plate's corner); the two-player console draws it at 0.6.
#pragma once

#include <cairo.h>

#include <cstdint>

namespace contentgen::ui {

// trace_x0..trace_x1: the heartbeat window's horizontal extent in panel
// units (the two layouts place the trace differently).
void draw_status_bed(cairo_t* cr, double trace_x0, double trace_x1, uint32_t seed);

}  // namespace contentgen::ui
