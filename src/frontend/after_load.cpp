#include "state/game_state.h"
#include "state/settings.h"
#include "audio/music.h"
#include "frontend/menu_frame.h"
#include "frontend/menu_links.h"
#include "frontend/menu_screens.h"

void runafterload() {
  readoptions("opt.dat");
  gamestate = statemainmenu;
  menusel = 1;
  if (settings[setmusic] == 1) startmenumusic();
}
