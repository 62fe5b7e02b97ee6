// The squad screen's six slots: stepping a slot through the roster so that
// no two slots hold the same character, and the attribute bars that slide
// toward the picked character's values.
#pragma once

// Next (dir +1) or previous (dir -1) character for slot s that no other
// slot holds.
int stepsquadpick(int s, int dir);
// Characters slot s can change to: those no slot holds.
int squadchoices(int s);
// Moves every bar 10 pixels toward its target, attribute x 33.
void movesquadbars();
// Makes the six picks roster numbers 1..15, each held once (a foreign
// options file may hold anything).
void sanitisesquadpicks();
