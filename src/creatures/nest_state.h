// Creature-side game state: the nest and wave timers, and small helpers
// shared by the creature, spawning and set-up code. The creature record's
// slots are in world/room_fields.h.
#pragma once

#include "world/room_fields.h"

extern int queentimer;     // frames until a queen is placed, 0 = none pending
extern int powertimer;     // frames since the wave began
extern int powerdelay;     // frame of the wave at which the power fails
extern int powerslime;     // slime in the generator room; -1 once cleaned for good
extern int colonistlost;   // 1 while a lost colonist waits to be replaced
extern int colonisttimer;  // frames since it was lost
extern int kindtable[101]; // creature kind for spawn draws 1..100
extern int frametoggle;    // 0/1, flips once per creature pass

// Every value above back to the start of a game.
void resetneststate();

// Puts a fresh creature into room r: cstate roaming, slots 5..9 cleared.
void placecreature(int r, int kind, int x, int dir, int hp = 0, int seen = 0);
// Empties room r and keeps it empty for 100 frames.
void emptyroom(int r);
// Number of living members standing in room r; first and last of them in
// squad order (0 when none).
int membersinroom(int r, int* first = nullptr, int* last = nullptr);
// Slime slots of room r (slots above 0 among 1..64).
int countslime(int r);
// Sets wall w (1..4) of room r to fresh slime and marks the count invalid.
void slimewall(int r, int w);
