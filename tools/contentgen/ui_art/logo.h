// The plain "RX-907" logo: flat metal letters with a green glow on a dark
// plate, crisp at the window icon's sizes (the title and start-up window
// use the worn name plate in logotype.h).
#pragma once

#include <cairo.h>

namespace contentgen::ui {

// Width and height of the lettering at scale 1, glow excluded.
inline constexpr double kLogoWidth = 458;
inline constexpr double kLogoHeight = 110;

// Draws the logo with its top-left corner at (x, y).
void draw_logo(cairo_t* cr, double x, double y, double scale);

}  // namespace contentgen::ui
