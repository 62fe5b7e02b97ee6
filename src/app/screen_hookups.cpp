// The screens and drawing steps the frame loop runs, tied to the modules
// that draw them.
#include "app/screens.h"
#include "app/ingame.h"
#include "app/mission_end.h"
#include "frontend/menu_screens.h"
#include "frontend/newgame.h"
#include "render/hud.h"

void screenafterload() { runafterload(); }
void screenmainmenu() { runmainmenu(); }
void screengamemode() { rungamemode(); }
void screensquad() { runsquadscreen(); }
void screennewgame() {
  newgame();
  offercontrolscard();
}
void screenkeys() { runkeysscreen(); }
void screenoptions() { runoptions(); }
void screensettings() { runsettings(); }
void screenloadgame() { runloadgame(); }
void screensavegame() { runsavegame(); }
void screenmissionend() { missionscreen(); }
void screensquadlost() { failscreen(); }
void drawconsole() { drawhud(1); }
