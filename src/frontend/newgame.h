// Starting a new game: every table of the running game is reset and the
// complex is populated afresh; play begins on the next frame.
#pragma once

#include <cstdint>

// Games begun in this run (new, loaded from a slot or quickloaded), whether
// the last one was a new game, and the generator's state just before that
// new game's set-up drew from it: a recorder sees from the count that a
// game has begun, and what it needs to set the same game up again.
extern int gamesbegun;
extern int lastbeginnew;
extern uint32_t newgameseed;

// Every table a game holds back to its start: effect lists, nest and wave
// timers, rooms' run-time slots and creatures, the squad set up from
// squadchar, counters, panel, traces and per-frame state. Players and split
// come from modeplayers and splitoption. Draws no random numbers.
void resetgame();
// The random placement of a new game: creatures' start positions, lamps
// and alarms, the exits, the colonist and the slime.
void placegame();
// resetgame, placegame, then play (stateplay) with the game music.
void newgame();
