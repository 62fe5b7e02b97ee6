// Acid blood: the lumpy glistening splash of a wound, the runs it leaves
// down a surface, and the puddle it makes. Shared by the creature frames
// and the effect pictures.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

#include "paint_kit/canvas.h"
#include "paint_kit/geometry.h"
#include "paint_kit/goo.h"

namespace contentgen::paint {

// The outline of a splat, as a radius for each direction: 1 wandering by a
// few harmonics (each up to amp_max, the higher ones less), plus lobes
// torn out in random directions, each up to lobe_max long and
// lobe_w_min..lobe_w_max radians wide. Drawn from `noise` in a fixed order,
// so a seed always gives the same splat.
class SplatRim {
 public:
  SplatRim(Noise& noise, int lobes, double amp_max, double lobe_max, double lobe_w_min, double lobe_w_max);
  double operator()(double angle) const;

 private:
  double amp_[5], phase_[5];
  std::vector<double> lobe_angle_, lobe_length_, lobe_width_;
};

// Acid blood spurting from a wound on a body: a small torn knot of goo with
// runs down the body, droplets streaking along arcs that fall, beads
// dropping below and a mist. size is the spurt's reach; lift (0..1) how
// much of it is thrown upward, as on impact.
void acid_splash(cairo_t* cr, Pt origin, double size, uint32_t seed, double lift);
// The same spurt alone in the air, in a given goo look; scatter (0..1) is
// how far it has broken up (a later moment: a smaller knot, more drops
// further out and falling).
void acid_spray(cairo_t* cr, Pt origin, double size, uint32_t seed, double lift, double scatter, const GooLook& look);
// Acid ichor running down a surface from around `from`: n wobbly trails,
// spread over +-spread horizontally, each ending in a hanging bead.
void acid_runs(cairo_t* cr, Pt from, double spread, double length, int n, double width, uint32_t seed);
// An acid puddle on the deck, seen low across the floor: a thin ragged
// ellipse with a scorched ring, a dark rim and a bright highlight along its
// far edge, and bubbles filled and lit. `phase` picks which bubbles are up:
// consecutive phases of one seed keep the puddle and move the bubbles, so
// two frames of it bubble.
void acid_pool(cairo_t* cr, double cx, double cy, double rx, double ry, uint32_t seed, int phase = 0);

}  // namespace contentgen::paint
