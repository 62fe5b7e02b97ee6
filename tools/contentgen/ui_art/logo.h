// The "RX-907" logo as stencilled metal letters with a green glow; shared
// by the menu title and the start-up window.
#pragma once

#include <cairo.h>

namespace contentgen::ui {

// Width and height of the lettering at scale 1, glow excluded.
inline constexpr double kLogoWidth = 458;
inline constexpr double kLogoHeight = 110;

// Draws the logo with its top-left corner at (x, y). Weathered letters are
// chamfered and worn (the title and the start-up window); plain ones keep
// to flat shapes that stay crisp at icon sizes.
void draw_logo(cairo_t* cr, double x, double y, double scale, bool weathered = false);

}  // namespace contentgen::ui
