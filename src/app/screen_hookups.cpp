// The screens and drawing steps the frame loop runs, tied to the modules
// that draw them.
#include "app/screens.h"
#include "app/mission_end.h"
#include "frontend/menu_screens.h"
#include "frontend/newgame.h"
#include "render/hud.h"

void screen_afterload() { runafterload(); }
void screen_mainmenu() { runmainmenu(); }
void screen_gamemode() { rungamemode(); }
void screen_squad() { runsquadscreen(); }
void screen_newgame() { newgame(); }
void screen_keys() { runkeysscreen(); }
void screen_options() { runoptions(); }
void screen_settings() { runsettings(); }
void screen_loadgame() { runloadgame(); }
void screen_savegame() { runsavegame(); }
void screen_missionend() { missionscreen(); }
void screen_squadlost() { failscreen(); }
void drawconsole() { drawhud(1); }
