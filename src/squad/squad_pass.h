// Every member of the squad, controlled or not, once per frame after the
// players' members: cheats, timers, deaths, room checks, stamina recovery.
#pragma once

// Room the dead are moved to, so that they leave every map room.
inline constexpr int deadroom = 275;

// 1 while at least one member is alive.
int squadalive();
// Stamina regained this frame by a resting member (frame = mission clock).
int staminagain(int m, int frame);
void updatesquad();
