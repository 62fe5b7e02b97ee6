// The wound a dying creature carries through its death frames, and the acid
// it leaves on the floor.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

#include "paint_kit/geometry.h"

namespace contentgen::creatures {

// What the shot opened, by the body it hit.
enum class WoundKind {
  torn_chitin,  // a warrior's plate torn open: ragged shards round a wet hole
  burst_sac,    // a hugger's soft body burst: flaps of skin peeled back
  split,        // the queen's plate split along its length
};

struct WoundShape {
  WoundKind kind = WoundKind::torn_chitin;
  double along = 0;  // the split's direction in the picture (radians)
  // Which way the body is moving in this frame, in picture pixels per
  // frame: the spray trails behind it as it falls.
  paint::Pt fall{0, 0};
};

// The wound at `at` on a body already drawn, `stage` 0 at the hit to 1 at
// the last frame: the entry burst on the first frame, then the tear opened
// wider frame by frame, acid droplets spraying off it and trailing the
// fall, its runs lengthening down the body until they reach `floor_y`. r
// is the wound's size when it has finished opening; one seed keeps one
// tear from frame to frame.
void death_wound(cairo_t* cr, paint::Pt at, double r, uint32_t seed, double stage, double floor_y,
                 const WoundShape& shape);

// The acid pooling on the floor under a falling body, drawn before the
// body: nothing before `start`, then spreading from a small puddle to
// rx_full wide by stage 1.
void death_pool(cairo_t* cr, double cx, double floor_y, double rx_full, uint32_t seed, double stage, double start);

}  // namespace contentgen::creatures
