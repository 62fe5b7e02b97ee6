// The room's creature: a roaming creature walks along the band facing its
// way; an attacking one fills the view as it comes closer.
#include "app/assets.h"
#include "app/play_state.h"
#include "creatures/creature_tables.h"
#include "platform/platform.h"
#include "render/room_pass.h"
#include "world/map.h"

namespace {
constexpr int ckindslot = 1, cxslot = 2, cdirslot = 3, cstateslot = 4, capproachslot = 5;
}

void drawroomcreature(const RoomPass& rp) {
  const int* c = rooms[rp.room][roomcreature];
  const int kind = c[ckindslot];
  if (kind < 1 || kind > 6) return;
  plat::set_blend(plat::BlendMasked);
  if (c[cstateslot] == 1) {
    int frame = 1;
    if (kind <= 3) {
      // Walk cycle 1, 2, 3, 2.
      const int a = walkframe == 3 ? 1 : walkframe;
      frame = a + 1;
    }
    const float mirror = c[cdirslot] == 1 ? 1.0f : -1.0f;
    if (frame >= 1 && frame <= 5)
      putwrapped(rp, creatureimg[kind][1][frame], c[cxslot], kindy[kind], mirror, 1);
  } else if (c[cstateslot] == 2 && kind <= 3) {
    const float s = c[capproachslot] * cscale[kind][0] + cscale[kind][1];
    const int frame = kind == 2 ? 1 : (cyclephase == 2 ? 2 : 1);
    float y = cheady[kind];
    if (kind == 3) y -= 2 * c[capproachslot];
    putwrapped(rp, creatureimg[kind][2][frame], c[cxslot], y, s, s);
  }
  plat::set_scale(1, 1);
}
