// The effect records of a room as the views draw them: acid pools on the
// floor, corpses with their splashes, credit pop-ups, dying creatures and
// shot flashes. Records of other rooms are passed over at the first test.
#include <algorithm>
#include <string>

#include "state/assets.h"
#include "creatures/creature_tables.h"
#include "creatures/effects.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/room_pass.h"
#include "render/text.h"
#include "world/map.h"

namespace {

// A creature picture, or 0 past the end of its row.
int creaturepicture(int kind, int row, int frame) {
  if (kind < 1 || kind > 6 || row < 1 || row > 4 || frame < 1 || frame > 5) return 0;
  return creatureimg[kind][row][frame];
}

// Where corpses of a kind lie and how many frames they fall through.
struct CorpseLook {
  int basey, frames, row;
};
CorpseLook corpselook(int id) {
  switch (id) {
    case 1: return {80, 4, 3};
    case 2: return {kindy[2], 3, 3};
    case 4: return {kindy[4], 3, 3};
    case 6: return {kindy[6], 1, 2};
    // Queens and colonists leave no remains of their own.
    default: return {id >= 1 && id <= 6 ? kindy[id] : 0, 0, 3};
  }
}

int corpseframe(int timer, int frames) { return std::min(std::min(timer / 5 + 1, 6), frames); }

}  // namespace

void drawacidpools(const RoomPass& rp) {
  const bool dark = roomisdark(rp.room);
  const bool alarm = roomhasalarm(rp.room);
  const int pulse = rooms[rp.room][roomrecord][alarmlevel];
  for (const t_acid& a : acidlist) {
    if (a.rnum != rp.room) continue;
    plat::set_blend(plat::BlendAlpha);
    const float s = a.timer > 100 ? 1.0f : a.timer / 100.0f;
    if (a.timer >= 2900) plat::set_alpha((3000 - a.timer) / 100.0f);
    if (!dark) {
      const int q = static_cast<int>(155 + a.dorp / 10.0f * 100);
      const int c = alarm ? q * pulse / 100 : q;
      setcolourbright(c, c, c, rp.bright);
    }
    putwrapped(rp, acidimg[1], a.x, 288, s, s);
    if (!dark) {
      if (alarm) settintcolour(rp);
      else setcolourbright(255, 255, 255, rp.bright);
    }
    plat::set_alpha(1);
  }
  plat::set_scale(1, 1);
}

void drawcorpses(const RoomPass& rp) {
  for (const t_cor& c : corlist) {
    if (c.rnum != rp.room) continue;
    const CorpseLook look = corpselook(c.id);
    const int frame = corpseframe(c.timer, look.frames);
    const float mirror = c.dir == 2 ? -1.0f : 1.0f;
    if (c.timer < 300) {
      plat::set_blend(plat::BlendMasked);
    } else {
      plat::set_blend(plat::BlendAlpha);
      plat::set_alpha((400 - c.timer) / 100.0f);
    }
    if (look.frames > 0) {
      // A missing picture still goes through the draw, which raises the warning.
      putwrapped(rp, creaturepicture(c.id, look.row, std::max(frame, 1)), c.x, look.basey, mirror, 1);
    }

    // Splashes of the first frames.
    plat::set_blend(plat::BlendAlpha);
    const float side = c.dir == 1 ? 1.0f : -1.0f;
    if (c.id == 1 && (frame == 1 || frame == 2)) {
      // A warrior's splash faces the way its corpse does.
      putwrapped(rp, acidblastimg[frame], c.x + 38 * side, look.basey + (frame == 1 ? 62 : 56), mirror, 1);
    } else if (c.id == 2 && (frame == 1 || frame == 2)) {
      putwrapped(rp, acidblastimg[frame], c.x + 62 * side, look.basey + (frame == 1 ? 18 : 12), 0.8f,
                 0.8f);
    } else if (c.id == 4 && (frame == 1 || frame == 2)) {
      putwrapped(rp, acidblastimg[frame + 2], c.x, look.basey + 24, 0.5f, 0.5f);
    } else if (c.id == 6 && c.timer <= 209) {
      int r, g, b;
      plat::get_colour(r, g, b);
      setcolourbright(255, 0, 0, rp.bright);
      putwrapped(rp, acidblastimg[c.timer <= 204 ? 3 : 4], c.x + 71, look.basey + 69, 0.5f, 0.5f);
      plat::set_colour(r, g, b);
    }
    plat::set_alpha(1);
  }
  plat::set_scale(1, 1);
}

void drawscorepopups(const RoomPass& rp) {
  for (const t_score& s : scorelist) {
    if (s.rnum != rp.room) continue;
    plat::set_blend(plat::BlendAlpha);
    plat::set_alpha(1 - s.timer / 60.0f);
    const float y = 170 - s.timer / 1.5f;
    for (int shift : {-looplength, 0, looplength}) drawnumber(s.x + shift, y, "5000", 1, 4, 0, 1);
  }
  plat::set_alpha(1);
}

void drawdeaths(const RoomPass& rp) {
  for (const t_death& d : deathlist) {
    if (d.rnum != rp.room || d.id < 1 || d.id > 3) continue;
    const int frame = d.id == 1 || d.id == 3 ? d.timer / 4 + 1 : d.timer / 5 + 1;
    const float y = cheady[d.id] + d.y;
    plat::set_blend(plat::BlendMasked);
    if (int image = creaturepicture(d.id, 4, frame)) putwrapped(rp, image, d.x, y, d.size, d.size);

    plat::set_blend(plat::BlendAlpha);
    auto splash = [&](int n, float offset) { putwrapped(rp, acidblastimg[n], d.x, y + offset, d.size, d.size); };
    if (d.id == 1 || d.id == 2) {
      const float offset = d.id == 1 ? static_cast<int>(100 * d.size) : static_cast<int>(d.size * 10);
      if (frame == 1) splash(3, offset);
      if (frame == 2) splash(4, offset);
    } else {
      const float low = static_cast<int>(d.size * 110);
      if (frame == 1) splash(3, 40);
      if (frame == 2) {
        splash(4, 40);
        splash(3, low);
      }
      if (frame == 3) splash(4, low);
    }
  }
  plat::set_scale(1, 1);
}

void drawshotflashes(const RoomPass& rp) {
  for (const t_exp& e : explist) {
    if (e.rnum != rp.room) continue;
    plat::set_blend(plat::BlendAlpha);
    setcolourbright(255, 255, 255, rp.bright);
    plat::set_rotation(static_cast<float>(e.rota));
    const float s = (10 - e.timer) * 0.2f;
    putwrapped(rp, img_blast, e.x, e.y, s, s);
    plat::set_rotation(0);
  }
  plat::set_scale(1, 1);
}
