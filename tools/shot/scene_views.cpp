// Room view scenes: a seeded squad in the shipped complex with creatures,
// slime and effect records placed where the view looks.
#include <cstring>

#include "state/assets.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "creatures/effects.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "render/room_pass.h"
#include "render/views.h"
#include "scene.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "squad/squad_pass.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace {

void loadgame(int players) {
  shot::load_scene_complex();
  shot::place_scene_squad(players);
  for (int d = 1; d <= 500; ++d) {
    const int alpha = Rand(25, 100), x = Rand(126, 897), y = Rand(71, 337);
    setstaticdot(d, {alpha, x, y});
  }
}

void putmember(int m, int room, int scroll, int cx, int cy) {
  squad[m][mroom] = room;
  squad[m][mscroll] = scroll;
  squad[m][mcrossx] = cx;
  squad[m][mcrossy] = cy;
  squad[m][mfacing] = (scroll + cx - 122 + 3328) % 3328 / 832 + 1;
}

void putcreature(int room, int kind, int x, int dir, int state, int approach) {
  int* c = rooms[room][roomcreature];
  c[ckind] = kind, c[cposx] = x, c[cdirection] = dir, c[cmode] = state, c[capproach] = approach;
}

void slime(int room, int from, int to, int n) {
  for (int s = from; s <= to; ++s) rooms[room][wallstate][s] = n;
}

// The views, then the compass as the console would place it.
void drawall() {
  drawviews();
  if (numplayers == 2) {
    for (int v = 1; v <= 2; ++v)
      if (squad[curmember[v]][mdead] != 1) drawcompass(v, compassy[v + 1]);
  } else if (squad[curmember[1]][mdead] != 1) {
    drawcompass(1, compassy[1]);
  }
}

}  // namespace

SHOT_SCENE("view_lit", "one player in a lit room: warrior attacking, slime, acid, corpse, flash") {
  loadgame(1);
  const int r = 5;
  putmember(1, r, 400, 520, 190);
  putmember(2, r, 0, 300, 150);  // another member in the room
  putcreature(r, 1, 800, 1, 2, 40);
  slime(r, 9, 11, 2);
  slime(r, 20, 21, 3);
  acidlist.push_back({r, 560, 400, 0, 0, 5});
  corlist.push_back({r, 1000, 0, 7, 1, 2, 0});
  scorelist.push_back({r, 1050, 20});
  explist.push_back({r, 700, 150, 6, 45});
  squad[1][mdanger] = 1;
  drawall();
}

SHOT_SCENE("view_dark", "a dark room lit only by the flashlight") {
  loadgame(1);
  const int r = 6;
  rooms[r][roomrecord][roomdark] = 1;
  putmember(1, r, 200, 480, 200);
  putcreature(r, 1, 640, 2, 1, 100);
  slime(r, 10, 12, 1);
  drawall();
}

SHOT_SCENE("view_alarm", "an alarm room at half pulse with the visual alarm") {
  loadgame(1);
  const int r = 2;
  rooms[r][roomrecord][alarmroom] = 1;
  rooms[r][roomrecord][alarmlevel] = 55;
  putmember(1, r, 100, 500, 180);
  putcreature(r, 2, 520, 1, 1, 100);
  squad[1][mdanger] = 1;
  squad[1][mstamina] = squad[1][mmaxstamina] / 10;  // tired: the crosshair blinks
  drawall();
}

SHOT_SCENE("view_split", "two players: a lit room above, a dark room with acid and corpses below") {
  loadgame(2);
  putmember(1, 5, 2938, 400, 180);  // across the seam of the loop
  putcreature(5, 3, 3400 - 3328, 1, 2, 60);
  const int r = 6;
  rooms[r][roomrecord][roomdark] = 1;
  putmember(4, r, 300, 600, 120);
  putmember(5, r, 300, 400, 200);
  acidlist.push_back({r, 700, 600, 0, 0, 3});
  corlist.push_back({r, 900, 0, 40, 2, 1, 0});
  putcreature(r, 4, 760, 1, 1, 0);
  squad[1][mhurtflash] = 40;  // hurt flash
  drawall();
}

SHOT_SCENE("view_dead", "a dead member's view: static and the fading hurt flash") {
  loadgame(1);
  squad[1][mdead] = 1;
  squad[1][mroom] = deadroom;
  squad[1][mhurtflash] = 50;
  drawall();
}

SHOT_SCENE("view_kinds", "mini-cameras of each creature kind, roaming and attacking") {
  loadgame(1);
  // Member 1 watches a roaming warrior; members 2..6 each face another kind.
  const int rooms_used[7] = {0, 5, 7, 8, 9, 10, 11};
  const int kinds[7] = {0, 1, 2, 3, 4, 5, 6};
  for (int m = 1; m <= 6; ++m) {
    putmember(m, rooms_used[m], 0, 512, 180);
    putcreature(rooms_used[m], kinds[m], 390, m % 2 ? 1 : 2, 1, 0);
  }
  putcreature(rooms_used[3], 3, 390, 1, 2, 80);  // queen attacking
  drawviews();
  for (int m = 1; m <= 6; ++m) {
    const float x = 40 + ((m - 1) % 3) * 330, y = 380 + ((m - 1) / 3) * 190;
    minicam(m, x, y, 312, 110, 0, 0);
  }
}

SHOT_SCENE("view_splash", "warrior corpses just shot: facing right (left) and left (right), splashes mirrored") {
  loadgame(1);
  const int r = 5;
  putmember(1, r, 400, 520, 190);
  corlist.push_back({r, 700, 0, 0, 1, 1, 0});
  corlist.push_back({r, 1000, 0, 0, 1, 2, 0});
  drawall();
}
