// The 3 x 3 map of the rooms around a view's member: room cells in their
// type colour, passage marks between them, the ways out of the complex,
// other members' rooms and the players' facing arrows.
#include "state/assets.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/room_pass.h"
#include "render/views.h"
#include "squad/squad.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace {

constexpr int keycols = 50, keyrows = 25;

bool controlled(int m) { return curmember[1] == m || (numplayers == 2 && curmember[2] == m); }

bool watched(int room) {
  for (int p = 1; p <= numplayers && p <= 2; ++p) {
    const int m = curmember[p];
    if (m >= 1 && m <= 6 && squad[m][mroom] == room) return true;
  }
  return false;
}

bool someoneelse(int room) {
  for (int m = 1; m <= 6; ++m)
    if (!controlled(m) && squad[m][mdead] != 1 && squad[m][mroom] == room) return true;
  return false;
}

float facingangle(int facing) {
  switch (facing) {
    case 1: return 90;
    case 2: return 180;
    case 3: return 270;
    default: return 0;
  }
}

void drawarrow(int m, int player, float x, float y) {
  if (numplayers != 2) plat::set_colour(255, 255, 255);
  else if (player == 1) plat::set_colour(255, 255, 100);
  else plat::set_colour(100, 255, 255);
  plat::set_rotation(facingangle(squad[m][mfacing]));
  drawimageculled(minimapimg[3], x + 10, y + 10, 0);
  plat::set_rotation(0);
}

// The grey mark of a room whose door leads out of the complex.
void drawexitmark(int room, float x, float y) {
  int image = 0;
  float dx = 0, dy = 0;
  switch (room) {
    case 176: case 89: image = minimapimg[5], dy = -6; break;
    case 183: case 126: image = minimapimg[5], dy = 20; break;
    case 255: image = minimapimg[4], dx = 20; break;
    case 1: image = minimapimg[4], dx = -6; break;
    default: return;
  }
  plat::set_colour(100, 100, 100);
  drawimageculled(image, x + dx, y + dy, 0);
}

}  // namespace

void drawminimap(int view) {
  if (settings[setminimap] != 1) return;
  const int nviews = numplayers == 2 ? 2 : 1;
  const ViewLayout v = viewlayout(view, nviews);
  const int m = curmember[view];
  if (m < 1 || m > 6) return;

  float ox, oy;
  plat::get_origin(ox, oy);
  plat::set_origin(0, v.roomoy);
  plat::set_blend(plat::BlendMasked);
  plat::set_colour(255, 255, 255);
  drawimageculled(minimapimg[1], 802, 69, 0);
  plat::set_blend(plat::BlendAlpha);
  plat::set_alpha(0.75f);
  drawimageculled(minimapimg[6], 809, 76, 0);
  plat::set_alpha(1);
  plat::set_blend(plat::BlendMasked);
  plat::set_origin(814, v.minimapoy);

  const int here = squad[m][mroom];
  int c0 = 0, r0 = 0;
  for (int c = 1; c <= keycols; ++c)
    for (int r = 1; r <= keyrows; ++r)
      if (mapgridrot[c][r][cellid] == here) c0 = c, r0 = r;
  if (c0 != 0 && here != 0) {
    for (int c = c0 - 1; c <= c0 + 1; ++c) {
      for (int r = r0 - 1; r <= r0 + 1; ++r) {
        if (c < 1 || c > keycols || r < 1 || r > keyrows) continue;
        const int* cell = mapgridrot[c][r];
        const int room = cell[cellid];
        if (room == 0) continue;
        const float x = (c - c0 + 1) * 26.0f, y = (r - r0 + 1) * 26.0f;
        const int type = cell[celltype] >= 0 && cell[celltype] <= 6 ? cell[celltype] : 0;
        setcolourbright(roomcolour[type][3][1], roomcolour[type][3][2], roomcolour[type][3][3], 100);
        drawimageculled(minimapimg[2], x, y, 0);

        plat::set_colour(255, 255, 255);
        if (cell[cellopendown] == 1) drawimageculled(minimapimg[5], x, y + 20, 0);
        if (cell[cellopenright] == 1) drawimageculled(minimapimg[4], x - 6, y, 0);
        if (mapgridrot[c][r - 1][cellopendown] == 1) drawimageculled(minimapimg[5], x, y - 6, 0);
        if (c + 1 <= keycols && mapgridrot[c + 1][r][cellopenright] == 1)
          drawimageculled(minimapimg[4], x + 20, y, 0);
        drawexitmark(room, x, y);

        plat::set_colour(255, 255, 255);
        if (someoneelse(room) && !watched(room)) drawimageculled(minimapimg[7], x, y, 0);
        if (room == here) drawarrow(m, view, x, y);
        if (nviews == 2) {
          const int other = view == 1 ? 2 : 1;
          const int om = curmember[other];
          if (om >= 1 && om <= 6 && squad[om][mdead] != 1 && squad[om][mroom] == room &&
              room != here)
            drawarrow(om, other, x, y);
        }
      }
    }
  }
  plat::set_colour(255, 255, 255);
  plat::set_origin(ox, oy);
}
