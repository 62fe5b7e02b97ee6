// Mission phases: clean the nest room, then bring everyone home.
#pragma once

// Slime slots left in the nest room.
int nestslime();
// Objective met once the nest room is clean: announce it on the panel.
void checkobjective();
// On the way home: every living member back in the base room ends the
// mission (once).
void checkreturntobase();
