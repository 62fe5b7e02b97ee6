// Shared brushes for the creature pictures: glossy carapace tubes and
// shells, ribbing, teeth, slime and acid. Light falls from the upper left.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "paint_kit/canvas.h"
#include "paint_kit/geometry.h"
#include "paint_kit/pixels.h"

namespace contentgen::creatures {

using paint::dist;
using paint::knee;
using paint::lerp;
using paint::polar;
using paint::Pt;

// Carapace ramp: t in 0..1 from shadow to highlight, times a shade factor
// (far limbs are drawn darker).
void set_shell(cairo_t* cr, double t, double shade, double alpha = 1.0);
void add_shell_stop(cairo_pattern_t* p, double offset, double t, double shade);

// A tapered, shaded tube from a (radius ra) to b (radius rb), with ribs
// across it and a specular streak along its lit side.
void tube(cairo_t* cr, Pt a, Pt b, double ra, double rb, double shade = 1.0, int ribs = 0);
// Tubes through a chain of points; radii per point.
void limb(cairo_t* cr, const Pt* pts, const double* radii, int n, double shade, int ribs);
// Fills the current path with a glossy radial shading sized by its extents,
// outlines it, and clears the path.
void gloss_fill(cairo_t* cr, double shade = 1.0);
// A glossy ellipse (angle in radians).
void gloss_ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double angle, double shade = 1.0);
// A soft white highlight stroke along a quadratic curve.
void specular(cairo_t* cr, Pt a, Pt ctrl, Pt b, double width, double alpha);
// Curved ridges across a shell: n arcs from side l to side r, stepping by d.
void ridges(cairo_t* cr, Pt l, Pt r, Pt step, double bulge, int n, double width, double shade);

// Pointed teeth from a to b, tips toward dir (+1 down, -1 up).
void teeth(cairo_t* cr, Pt a, Pt b, int n, double length, int dir);
// A hanging string of slime ending in a drop.
void drool(cairo_t* cr, Pt from, double length, double sway, double width);
// A heavy splash of yellow-green acid blood bursting from a wound: a lumpy
// glistening blob, thick lobes flung out and bending down under their own
// weight, teardrop droplets, and runs dripping from the blob. size is the
// blob's reach; lift (0..1) how much of it is thrown upward, as on impact.
void acid_splash(cairo_t* cr, Pt origin, double size, uint32_t seed, double lift);
// Acid ichor running down a surface from around `from`: n wobbly trails,
// spread over +-spread horizontally, each ending in a hanging bead.
void acid_runs(cairo_t* cr, Pt from, double spread, double length, int n, double width, uint32_t seed);
// A glistening acid puddle.
void acid_pool(cairo_t* cr, double cx, double cy, double rx, double ry, uint32_t seed);

// Light per-pixel grain over the opaque pixels.
void grain(Canvas& c, uint32_t seed, double amount);

// Translucent edge pixels become either opaque or gone in masked images:
// this makes the outcome explicit (alpha >= 128 kept opaque, others cleared).
inline void harden_alpha(Canvas& c) { paint::harden_alpha(c, 128, paint::Unpremultiply::Round); }

}  // namespace contentgen::creatures
