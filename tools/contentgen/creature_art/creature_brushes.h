// Shared brushes for the creature pictures: glossy carapace tubes and
// shells, ribbing, teeth, slime and acid. Light falls from the upper left.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>

#include "paint_kit/acid.h"
#include "paint_kit/acid_wound.h"
#include "paint_kit/canvas.h"
#include "paint_kit/geometry.h"
#include "paint_kit/pixels.h"

namespace contentgen::creatures {

using paint::acid_pool;
using paint::acid_runs;
using paint::acid_splash;
using paint::acid_wound;
using paint::dist;
using paint::knee;
using paint::lerp;
using paint::polar;
using paint::Pt;

// The material the shell brushes paint: the warrior's and queen's glossy
// black carapace, or the hugger's pale bone. A scope switches it for the
// brushes drawn inside it.
enum class Skin { Carapace, Bone };
class SkinScope {
 public:
  explicit SkinScope(Skin s);
  ~SkinScope();
  SkinScope(const SkinScope&) = delete;
  SkinScope& operator=(const SkinScope&) = delete;

 private:
  Skin previous_;
};

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
// A hanging string of slime ending in a drop. It hangs straight down in the
// picture whatever transform the head it leaves is drawn with.
void drool(cairo_t* cr, Pt from, double length, double sway, double width);
// Light per-pixel grain over the opaque pixels.
void grain(Canvas& c, uint32_t seed, double amount);

// Translucent edge pixels become either opaque or gone in masked images:
// this makes the outcome explicit (alpha >= 128 kept opaque, others cleared).
inline void harden_alpha(Canvas& c) { paint::harden_alpha(c, 128, paint::Unpremultiply::Round); }

// Draws a pose into its frame so that nothing reaches the frame's left,
// right or top edge: the pose is measured first, then drawn scaled about
// the pivot (the frame's handle, or the feet for roaming frames) just
// enough to keep a margin. A pose that already fits is drawn unscaled.
void draw_fitted(Canvas& c, Pt pivot, const std::function<void(cairo_t*)>& draw, int margin = 2);

// Throws when a creature frame has opaque pixels on its left, right or top
// edge: the game draws whole sprites on screen, so a straight cut shows.
void require_clear_edges(const Canvas& c, const std::string& what);

}  // namespace contentgen::creatures
