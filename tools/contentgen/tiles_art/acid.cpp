// Acid on the floor and in the air: the pool a dying creature leaves and
// the splash and spray of its blood.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "wall_parts.h"
#include "paint_kit/acid.h"
#include "paint_kit/geometry.h"
#include "paint_kit/goo.h"
#include "room_art.h"

namespace contentgen::roomart {

using paint::Pt;

Bytes make_acid_blast(int frame) {
  // Frames 1 and 2 are the spurt over a fresh corpse, 3 and 4 the spray of
  // a dying creature; each second frame is a moment later, broken up
  // further and falling. Drawn over the creature with alpha blending, so it
  // is translucent goo lit like the creatures: a small torn knot, droplets
  // streaking out along falling arcs, beads dropping and a mist, kept dark
  // and grey-green so that over a head it reads as spray in the room's
  // light rather than a bright sticker.
  static const int kW[5] = {0, 180, 220, 250, 290}, kH[5] = {0, 160, 200, 230, 268};
  const int w = kW[frame], h = kH[frame];
  Canvas c(w, h);
  const bool late = frame == 2 || frame == 4;
  const double reach = std::min(w, h) * (late ? 0.44 : 0.4);
  paint::GooLook look;
  look.blur = 2.0;
  look.depth = 3.0;
  look.thin[0] = 0.50, look.thin[1] = 0.56, look.thin[2] = 0.32;
  look.deep[0] = 0.20, look.deep[1] = 0.26, look.deep[2] = 0.09;
  look.alpha_thin = 0.6;
  look.alpha_deep = 0.88;
  look.shine = 0.9;
  paint::acid_spray(c.cr(), {w / 2.0, h * 0.42}, reach, 0xB1A5u + static_cast<uint32_t>(frame) * 97u,
                    frame <= 2 ? 0.7 : 0.4, late ? 0.9 : 0.2, look);
  return c.png_soft();
}

}  // namespace contentgen::roomart
