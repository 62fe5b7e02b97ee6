// The screens and drawing steps the frame loop runs, tied to the modules
// that draw them.
#include "app/screens.h"
#include "render/hud.h"
#include "render/mission_screens.h"
#include "frontend/newgame.h"

void screen_missionend() { missionscreen(); }
void screen_squadlost() { failscreen(); }
void drawconsole() { drawhud(1); }

void screen_newgame() { newgame(); }
