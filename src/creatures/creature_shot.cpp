// A member's shot against the room's creature: the roaming boxes, the
// warrior's head by pixel overlap, the attack box that grows as the creature
// closes in, and the colonist that any shot in its room loses.
#include "state/assets.h"
#include "creatures/creature_tables.h"
#include "creatures/creatures.h"
#include "creatures/nest_state.h"
#include "platform/platform.h"
#include "squad/squad.h"
#include "world/map.h"

namespace {

// The crosshair is a 2 x 2 box; touching edges count as a hit. The box is
// tried at -3328, 0 and +3328 so a creature astride the seam can be hit from
// either side.
bool crosshairinbox(int shotx, int shoty, int bx, int by, int bw, int bh) {
  for (int shift = -looplength; shift <= looplength; shift += looplength) {
    int x = bx + shift;
    if (!(shotx > x + bw || shotx + 2 < x || shoty > by + bh || shoty + 2 < by)) return true;
  }
  return false;
}

bool headhit(const int* c, int shotx, int shoty) {
  bool mirrored = c[cdirection] == 2;
  int hx = c[cposx] + (mirrored ? roambox[kindwarrior].xdir2 : roambox[kindwarrior].xdir1);
  for (int shift = -looplength; shift <= looplength; shift += looplength) {
    if (plat::images_collide(img_reaver, static_cast<float>(shotx), static_cast<float>(shoty), 0,
                             1.0f, 1.0f, img_alien_head, static_cast<float>(hx + shift), 120.0f, 0,
                             mirrored ? -1.0f : 1.0f, 1.0f))
      return true;
  }
  return false;
}

bool roamhit(const int* c, int shotx, int shoty) {
  int kind = c[ckind];
  if (kind == kindwarrior) return headhit(c, shotx, shoty);
  const ShotBox& b = roambox[kind];
  int x = c[cposx] + (c[cdirection] == 2 ? b.xdir2 : b.xdir1);
  return crosshairinbox(shotx, shoty, x, b.y, b.w, b.h);
}

bool attackhit(const int* c, int shotx, int shoty) {
  int kind = c[ckind];
  float s = creaturesize(kind, static_cast<float>(c[capproach]));
  int w = static_cast<int>(attackw[kind] * s);
  int h = static_cast<int>(attackh[kind] * s);
  int left = static_cast<int>(c[cposx] - w / 2.0f);
  int top = static_cast<int>(cheady[kind] - cheadk[kind] * s);
  return crosshairinbox(shotx, shoty, left, top, w, h);
}

}  // namespace

int shootcreature(int p, int m, int shotx, int shoty) {
  if (m < 1 || m > 6) return 0;
  int r = squad[m][mroom];
  if (r < 1 || r > 255) return 0;
  int* c = rooms[r][roomcreature];
  int kind = c[ckind];

  if (kind == kindcolonist) {
    // Any shot fired near a colonist loses it; the shot itself flies on.
    c[ckiller] = m;
    return 0;
  }
  if (kind < kindwarrior || kind > kindcocoon) return 0;

  if (c[cmode] == attacking) {
    if (kind > kindqueen || !attackhit(c, shotx, shoty)) return 0;
    if (kind == kindqueen) {
      if (--c[chp] <= 0) c[ckiller] = p;
    } else {
      c[ckiller] = p;
    }
    return 1;
  }

  int took = 0;
  if (kind != kindqueen && roamhit(c, shotx, shoty)) {
    c[ckiller] = p;
    took = 1;
  }
  // Every shot in the room, hit or miss, turns a roaming hunter on the shooter.
  if (kind <= kindqueen && !took) {
    c[cposx] += clunge[kind];
    c[capproach] = 0;
    c[cmode] = attacking;
    c[ctarget] = m;
  }
  return took;
}
