// The start that the room, art and first-hour scenes share.
#include "state/assets.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "creatures/effects.h"
#include "platform/random.h"
#include "scene.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace shot {

void load_scene_complex() {
  load_fonts();
  load_all_assets();
  initworldtables();
  initroster();
  loadmap();
  clearroomstate();
  clearlists();
  openexits();
  plat::seed_random(907);
}

void place_scene_squad(int players) {
  for (int m = 1; m <= 6; ++m) {
    squadchar[m] = m;
    setupmember(m);
  }
  numplayers = players;
  curmember[1] = 1;
  curmember[2] = players == 2 ? 4 : 0;
  for (int i = 1; i <= 10; ++i) settings[i] = 1;
  walkframe = 1;
  cyclephase = 1;
  pulselevel = 80;
}

}  // namespace shot
