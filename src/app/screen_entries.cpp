// Screens and steps not built yet. Each module that builds one removes its
// line here.
#include "app/screens.h"

void screen_afterload() {}
void screen_mainmenu() {}
void screen_gamemode() {}
void screen_squad() {}
void screen_keys() {}
void screen_options() {}
void screen_settings() {}
void screen_loadgame() {}
void screen_savegame() {}


void quicksave() {}
void quickload() {}
