// The metalwork of the console and menu pictures: gunmetal plates, bevels,
// recessed screens, rivets, vents, grime and phosphor lines.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "paint_kit/canvas.h"
#include "paint_kit/colour.h"
#include "paint_kit/pixels.h"
#include "paint_kit/shapes.h"

namespace contentgen::ui {

using paint::harden_alpha;
using paint::hazard_stripes;
using paint::kConsoleHazard;
using paint::mirror_horizontally;
using paint::mix;
using paint::Rgb;
using paint::rounded_rect;
using paint::scaled;
using paint::set_rgb;

// The console palette.
inline constexpr Rgb kGunmetal{0.20, 0.22, 0.235};
inline constexpr Rgb kGunmetalDark{0.10, 0.11, 0.12};
inline constexpr Rgb kSteelLight{0.46, 0.50, 0.52};
inline constexpr Rgb kPhosphor{0.30, 1.00, 0.48};
inline constexpr Rgb kPhosphorDim{0.10, 0.42, 0.20};
inline constexpr Rgb kScreenBlack{0.02, 0.05, 0.035};

// A raised gunmetal plate: vertical gradient, brushed streaks, a light top
// and left edge and a dark bottom and right edge.
void metal_plate(cairo_t* cr, double x, double y, double w, double h, double r, uint32_t seed,
                 Rgb base = kGunmetal);
// Light and shadow lines along a rounded rectangle; raised or sunken.
void bevel(cairo_t* cr, double x, double y, double w, double h, double r, double width,
           bool raised);
// A sunken well: dark fill with an inner shadow along the top and left.
void recess(cairo_t* cr, double x, double y, double w, double h, double r,
            Rgb fill = kGunmetalDark);
// A dark phosphor screen with faint scanlines and a glow towards its centre.
void screen(cairo_t* cr, double x, double y, double w, double h, double r,
            double glow = 0.12);
void rivet(cairo_t* cr, double x, double y, double radius);
// A countersunk screw head with its slot turned to `angle` (radians).
void screw(cairo_t* cr, double x, double y, double radius, double angle);
// A row of slots cut into the plate.
void vent(cairo_t* cr, double x, double y, double w, double h, int slots, bool vertical);
// A glowing green line (halo, then core).
void phosphor_line(cairo_t* cr, double x1, double y1, double x2, double y2, double width,
                   Rgb colour = kPhosphor);
void led(cairo_t* cr, double x, double y, double radius, Rgb colour);
// Soft dark stains and fine speckle over the painted (non-transparent)
// pixels of the canvas inside the rectangle.
void grime(Canvas& c, uint32_t seed, int x, int y, int w, int h, double amount);
// Fine luminance speckle per pixel (cheap pass over the raw surface).
void speckle(Canvas& c, uint32_t seed, double strength);

}  // namespace contentgen::ui
