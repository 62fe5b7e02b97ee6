// Scenes for judging the art in play: a roaming queen, each creature
// attacking far off and close up, a room of each tint, deaths in progress
// and the three slime stages side by side.
#include "state/assets.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "creatures/creature_tables.h"
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

// A lit room with member 1 looking into it, one player.
void setup(int players) {
  shot::load_scene_complex();
  shot::place_scene_squad(players);
}

void look(int m, int room, int scroll, int cx, int cy) {
  squad[m][mroom] = room;
  squad[m][mscroll] = scroll;
  squad[m][mcrossx] = cx;
  squad[m][mcrossy] = cy;
  squad[m][mfacing] = (scroll + cx - 122 + 3328) % 3328 / 832 + 1;
}

void creature(int room, int kind, int x, int dir, int mode, int approach) {
  int* c = rooms[room][roomcreature];
  c[ckind] = kind, c[cposx] = x, c[cdirection] = dir, c[cmode] = mode, c[capproach] = approach;
}

// Creature x on the band so that it stands in the middle of the view.
constexpr int kMiddle = 390 + 122;

// Top view: the creature far off; bottom view: the same creature close up.
void attack_pair(int kind, int frame_phase) {
  setup(2);
  cyclephase = frame_phase;
  look(1, 5, 0, 300, 120);
  look(4, 8, 0, 300, 120);
  for (int r : {5, 8}) rooms[r][roomrecord][roomdark] = 0;
  creature(5, kind, kMiddle, 1, attacking, 8);
  creature(8, kind, kMiddle, 1, attacking, kind == kindhugger ? 64 : 62);
  drawviews();
}

}  // namespace

SHOT_SCENE("art_queen_roaming", "a roaming queen in a lit room, crown in view") {
  setup(1);
  look(1, 5, 0, 300, 120);
  rooms[5][roomrecord][roomdark] = 0;
  creature(5, kindqueen, kMiddle, 1, roaming, 0);
  walkframe = 2;
  drawviews();
}

SHOT_SCENE("art_warrior_attack", "a warrior lunging: far off above, close up below") { attack_pair(kindwarrior, 2); }
SHOT_SCENE("art_hugger_attack", "a hugger leaping: far off above, close up below") { attack_pair(kindhugger, 1); }
SHOT_SCENE("art_queen_attack", "a queen lunging: far off above, close up below") { attack_pair(kindqueen, 2); }

SHOT_SCENE("art_tints", "the six room tints, each with a warrior and slime") {
  setup(1);
  // Six mini-cameras, one per tint, each looking at a wall with slime.
  const int rooms_used[7] = {0, 5, 7, 8, 9, 10, 11};
  for (int m = 1; m <= 6; ++m) {
    const int r = rooms_used[m];
    rooms[r][roomrecord][roomtype] = m - 1;
    rooms[r][roomrecord][roomdark] = 0;
    rooms[r][roomrecord][alarmroom] = 0;
    look(m, r, 0, 512, 180);
    creature(r, kindwarrior, 300, m % 2 ? 1 : 2, roaming, 0);
    for (int s = 8; s <= 9; ++s) rooms[r][wallstate][s] = 2;
    rooms[r][wallstate][11] = 3;
  }
  drawviews();
  for (int m = 1; m <= 6; ++m) {
    const float x = 40 + ((m - 1) % 3) * 330, y = 380 + ((m - 1) / 3) * 190;
    minicam(m, x, y, 312, 110, 0, 0);
  }
}

SHOT_SCENE("art_deaths", "deaths in progress: a warrior above, a queen below") {
  setup(2);
  look(1, 5, 0, 300, 120);
  look(4, 8, 0, 300, 120);
  for (int r : {5, 8}) rooms[r][roomrecord][roomdark] = 0;
  t_death w;
  w.rnum = 5, w.x = kMiddle, w.id = kindwarrior, w.timer = 5, w.size = creaturesize(kindwarrior, 40);
  deathlist.push_back(w);
  t_death q;
  q.rnum = 8, q.x = kMiddle, q.id = kindqueen, q.timer = 9, q.size = creaturesize(kindqueen, 30);
  deathlist.push_back(q);
  drawviews();
}

SHOT_SCENE("art_slime",
           "slime stages 1, 2 and 3 side by side and a row of stage 3 in a grey room above; rows of stage 2 and of mixed stages in a red room below") {
  setup(2);
  look(1, 5, 0, 300, 120);
  look(4, 8, 0, 300, 120);
  for (int r : {5, 8}) rooms[r][roomrecord][roomdark] = 0;
  rooms[5][roomrecord][roomtype] = 0;  // grey above, the room's own red below
  rooms[5][wallstate][3] = 1;
  rooms[5][wallstate][5] = 2;
  rooms[5][wallstate][7] = 3;
  for (int s = 10; s <= 13; ++s) rooms[5][wallstate][s] = 3;
  for (int s = 2; s <= 5; ++s) rooms[8][wallstate][s] = 2;
  const int mixed[6] = {1, 2, 3, 3, 2, 3};
  for (int i = 0; i < 6; ++i) rooms[8][wallstate][8 + i] = mixed[i];
  drawviews();
}
