// One pass over a room's band in drawing order: walls, doors, slime, floor,
// then the effect records and the creature of the room.
#include "render/room_pass.h"

#include "state/assets.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "world/machinery.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace {

// Wall panels repeat one loop on: slots 1..8 after the end, 54..64 before
// the start, so a window across the seam is filled on both sides.
void drawwalls(const RoomPass& rp) {
  plat::set_blend(plat::BlendMasked);
  for (int slot = 1; slot <= wallslots; ++slot) {
    const int t = rooms[rp.room][roomwall][slot];
    if (t < 1 || t > 50 || tileimg[t] == 0) continue;
    if (!tilewide[t] && rooms[rp.room][wallstate][slot] != 0) continue;  // covered by slime
    const float x = (slot - 1) * slotwidth;
    putimage(rp, tileimg[t], x, 67);
    if (slot <= 8) putimage(rp, tileimg[t], x + looplength, 67);
    if (slot >= 54) putimage(rp, tileimg[t], x - looplength, 67);
  }
}

// Door, slime and floor columns repeat slots 1..8 after the end and 57..64
// before the start.
void putcolumn(const RoomPass& rp, int image, int slot, float y) {
  const float x = (slot - 1) * slotwidth;
  putimage(rp, image, x, y);
  if (slot <= 8) putimage(rp, image, x + looplength, y);
  if (slot >= 57) putimage(rp, image, x - looplength, y);
}

void drawdoors(const RoomPass& rp) {
  plat::set_blend(plat::BlendMasked);
  const int* rec = rooms[rp.room][roomrecord];
  for (int d = 1; d <= 4; ++d) {
    if (rec[neighbourslot(d)] == 0) continue;
    const float x = rec[doorslot(d)] * slotwidth;
    const bool open = rec[dooropenslot(d)] != 0;
    putwrapped(rp, doorimg[open ? 3 : 1], x, 67);
    putwrapped(rp, doorimg[open ? 4 : 2], x + 156, 67);
  }
}

void drawslime(const RoomPass& rp) {
  const int* state = rooms[rp.room][wallstate];
  // Translucent layer first, then the solid growth over it.
  for (int sweep = 1; sweep <= 2; ++sweep) {
    plat::set_blend(sweep == 1 ? plat::BlendAlpha : plat::BlendMasked);
    for (int slot = 1; slot <= wallslots; ++slot) {
      const int n = state[slot];
      if (n >= 1 && n <= 3) putcolumn(rp, slimeimg[sweep][n], slot, 67);
    }
  }
}

void drawfloor(const RoomPass& rp) {
  plat::set_blend(plat::BlendMasked);
  for (int slot = 1; slot <= wallslots; ++slot) putcolumn(rp, img_floor, slot, 275);
}

void drawuseprompt(const RoomPass& rp) {
  const UsePrompt& u = useprompt[rp.player];
  if (!u.shown) return;
  int r, g, b;
  plat::get_colour(r, g, b);
  setcolourbright(255, 255, 255, rp.bright * 2);
  drawbracketbox(u.x, u.y, u.w, u.h, u.blink);
  plat::set_colour(r, g, b);
}

}  // namespace

void putimage(const RoomPass& rp, int image, float x, float y, float sx, float sy) {
  plat::set_scale(sx * rp.zx, sy * rp.zy);
  drawimageculled(image, x * rp.zx, y * rp.zy, 0);
}

void putwrapped(const RoomPass& rp, int image, float x, float y, float sx, float sy) {
  plat::set_scale(sx * rp.zx, sy * rp.zy);
  for (float shift : {-static_cast<float>(looplength), 0.0f, static_cast<float>(looplength)})
    drawimageculled(image, (x + shift) * rp.zx, y * rp.zy, 0);
}

void settintcolour(const RoomPass& rp) { setcolourbright(rp.tint.r, rp.tint.g, rp.tint.b, rp.bright); }

void setobjectcolour(const RoomPass& rp) {
  if (roomisdark(rp.room)) return;
  if (roomhasalarm(rp.room)) {
    const int grey = 255 * rooms[rp.room][roomrecord][alarmlevel] / 100;
    setcolourbright(grey, grey, grey, rp.bright);
  } else {
    setcolourbright(255, 255, 255, rp.bright);
  }
}

void redrawuseprompt(const RoomPass& rp) {
  if (rp.player) drawuseprompt(rp);
}

void drawroompass(const RoomPass& rp) {
  settintcolour(rp);
  plat::set_alpha(1);
  plat::set_rotation(0);
  drawwalls(rp);
  drawdoors(rp);
  drawslime(rp);
  drawfloor(rp);
  setobjectcolour(rp);
  drawacidpools(rp);
  drawcorpses(rp);
  if (rp.player) {
    drawuseprompt(rp);
    drawscorepopups(rp);
  }
  drawroomcreature(rp);
  drawdeaths(rp);
  drawshotflashes(rp);
  plat::set_scale(1, 1);
  plat::set_alpha(1);
  plat::set_rotation(0);
  plat::set_blend(plat::BlendMasked);
}
