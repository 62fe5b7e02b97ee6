// Populating empty rooms: which kind a draw gives, how likely a spawn is in
// the current wave, and where the new creature is put.
#pragma once

// Fills kindtable[1..100] for room r at the current wave.
void fillkindtable(int r);
// The draw range and the threshold a draw must not exceed.
int spawnrange(int r);
int spawnthreshold(int r);
// One frame of an empty room r: cooldown, then perhaps a new creature.
void spawnroom(int r);
