// Names for the entries of the play state's small flag tables that the
// machine player reads (see app/state/play_state.h).
#pragma once

// missionflags[]: the mission phase, and whether the squad is back at base.
inline constexpr int missionphase = 1, missionhome = 2;
// Values of missionflags[missionphase].
inline constexpr int phaseopen = 0, phaseannounced = 1, phasehome = 2;
// pausestate[]: the side panel active.
inline constexpr int panelactive = 1;
// debugflags[]: cheat mode and its switches F1..F3.
inline constexpr int cheatmode = 0, cheatammo = 1, cheatstamina = 2, cheatinvulnerable = 3;
