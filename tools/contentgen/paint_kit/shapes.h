// Paths every art module builds: rounded plates and the diagonal bands of
// warning stripes, the painted warning stripes themselves, and soft oval
// shades.
#pragma once

#include <cairo.h>

#include "paint_kit/colour.h"

namespace contentgen::paint {

// Adds a rounded rectangle as a new sub-path (a plain one when r <= 0).
void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r);
// Adds one parallelogram per stripe, leaning right, `period` apart, across
// the rectangle (the caller clips to it and fills).
void stripe_bands(cairo_t* cr, double x, double y, double w, double h, double period);

// How a strip of warning stripes is painted: the ground colour, the bands
// laid over it, and how the paint is worn.
struct HazardPaint {
  enum class Wear {
    shaded_edges,  // darkened towards the top and bottom (console plates)
    edge_lines,    // a light top line and a dark bottom line (wall fittings)
  };
  Rgb ground, bands;
  Wear wear;
};
// Ochre with black bands, shaded: the console and menu plates.
inline constexpr HazardPaint kConsoleHazard{{0.62, 0.50, 0.10}, {0.07, 0.07, 0.07}, HazardPaint::Wear::shaded_edges};
// Near-black with pale yellow bands and edge lines: the room walls, which
// the room's tint multiplies, so the bands are painted light.
inline constexpr HazardPaint kWallHazard{{0.12, 0.11, 0.09}, {0.93, 0.82, 0.42}, HazardPaint::Wear::edge_lines};

// A soft oval shade of colour c, alpha at its heart fading to nothing at its
// rim: a circle of radius r scaled by (sx, sy) and turned by angle round
// (x, y), its heart moved by focus_dy radii so the shade can sit under an
// edge.
void soft_oval(cairo_t* cr, double x, double y, double angle, double sx, double sy, Rgb c, double alpha,
               double focus_dy = 0, double r = 1);

// Diagonal warning stripes clipped to the rectangle, `period` apart.
void hazard_stripes(cairo_t* cr, double x, double y, double w, double h, double period, const HazardPaint& paint);

}  // namespace contentgen::paint
