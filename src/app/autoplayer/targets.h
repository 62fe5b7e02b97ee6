// Where to put the crosshair: aim points on the room loop (x along the
// 3,328-pixel loop, y in view pixels) for creatures, slime, doors and the
// colonist, read from the room table.
#pragma once

struct AimPoint {
  int x = 0, y = 0;
};

// Kinds that hunt the squad: warriors, huggers and queens.
bool hunterkind(int kind);
// The middle of the box a shot must touch to hit room r's creature now:
// the attack box while it attacks (it grows as the creature closes in),
// else its roaming box (a roaming queen's body, which only provokes it).
AimPoint creatureaim(int r);
// The colonist's rescue box, where the use action rescues it.
AimPoint colonistaim(int r);
// True when (x, y) lies inside the box that lets the use action rescue
// room r's colonist.
bool onrescuebox(int r, int x, int y);
// Middle of wall slot s (1..64) at a height below the doors' control
// panels, where a shot takes the slime of that slot.
AimPoint slimeaim(int s);
// Middle of door d of room r, where the use action takes it.
AimPoint dooraim(int r, int d);
// Wall slots of room r's door d that must be clean before it can be used
// (the three under the door, and the one after it while the door is shut);
// returns the first slimed one, or 0 when the doorway is clear.
int doorwayslime(int r, int d);
// The slimed wall slot of room r nearest to loop position x; 0 when clean.
int nearestslime(int r, int x);
// Signed distance from a to b around the loop, -1664..1664.
int loopdelta(int a, int b);
// Wall slot s brought back into 1..64 round the loop (0 is slot 64).
int wrapslot(int s);
// The ammunition cheat is on: shots cost nothing, so nobody runs dry.
bool unlimitedammo();
