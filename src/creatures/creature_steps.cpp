// Creature behaviour for the simulation update. The creature, nest and effect
// rules live in this folder; these entry points are what play calls.
#include "creatures/creatures.h"

void creaturenotice(int, int) {}
int shootcreature(int, int, int, int) { return 0; }
void updatepowerandwaves() {}
void updatecreatures() {}
void updatequeencolonistslime() {}
void updateeffects() {}
