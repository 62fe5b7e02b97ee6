// The creature side of a frame of play, called by the simulation update in
// its fixed order. The squad and world code call in here at these points:
//   member update:  creaturenotice (first thing for each controlled member),
//                   shootcreature (first target of every shot);
//   after the lamps and alarms: updatewaves;
//   after that:     updatecreatures, then updatenest;
//   then:           updateeffects.
#pragma once

// A cocooned colonist of the member's room coming into player p's view.
void creaturenotice(int p, int m);
// Tests a shot by player p's member m at (shotx, shoty) against the room's
// creature; also provokes roaming creatures and loses a colonist. Returns 1
// when the creature took the shot (nothing else may then be hit).
int shootcreature(int p, int m, int shotx, int shoty);
// Power restoration check, slime counts, attack waves and power failures.
void updatewaves();
// Every room's creature, room 1 to 255 in order, and spawning in empty rooms.
void updatecreatures();
// Queen timer, colonist replacement and slime regrowth.
void updatenest();
// Advances the five effect lists.
void updateeffects();

// New-game reset of the nest and wave state is resetneststate() in
// nest_state.h; the start placement is in start_placement.h.
