// The squad's warning sounds: motion-tracker beeps per player and the three
// looping sounds (alarm, low alert, generator) driven by eventflags.
#pragma once

// 1 for creature kinds the squad has to worry about (warrior, hugger,
// queen) and the colonist, whose presence the tracker also reports.
int trackedkind(int kind);
// Trackers of both players, then the looping sounds.
void updatesignals();
