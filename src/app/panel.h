// The side panel of play: pause board and mission board. While it is active
// only the panel moves; the game stays frozen until it has slid shut.
#pragma once

inline constexpr int panelopenpos = 422;

// Opens the panel (P, a new attack wave, a mission phase, the squad lost):
// the counters on it start again from 0.
void openpanel();
// One frame of the active panel.
void updatepanel();
