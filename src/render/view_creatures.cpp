// The room's creature: a roaming creature walks along the band facing its
// way; an attacking one fills the view as it comes closer.
#include "state/assets.h"
#include "state/play_state.h"
#include "creatures/creature_tables.h"
#include "platform/platform.h"
#include "render/room_pass.h"
#include "world/map.h"

void drawroomcreature(const RoomPass& rp) {
  const int* c = rooms[rp.room][roomcreature];
  const int kind = c[ckind];
  if (kind < 1 || kind > 6) return;
  plat::set_blend(plat::BlendMasked);
  if (c[cmode] == roaming) {
    int frame = 1;
    if (kind <= kindqueen) {
      // Walk cycle 1, 2, 3, 2.
      const int a = walkframe == 3 ? 1 : walkframe;
      frame = a + 1;
    }
    const float mirror = c[cdirection] == 1 ? 1.0f : -1.0f;
    if (frame >= 1 && frame <= 5)
      putwrapped(rp, creatureimg[kind][1][frame], c[cposx], kindy[kind], mirror, 1);
  } else if (c[cmode] == attacking && kind <= kindqueen) {
    const float s = c[capproach] * cscale[kind][0] + cscale[kind][1];
    const int frame = kind == kindhugger ? 1 : (cyclephase == 2 ? 2 : 1);
    float y = cheady[kind];
    if (kind == kindqueen) y -= 2 * c[capproach];
    putwrapped(rp, creatureimg[kind][2][frame], c[cposx], y, s, s);
  }
  plat::set_scale(1, 1);
}
