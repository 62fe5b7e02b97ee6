// State and calls the save and options files share with the creature, input,
// audio and message code. Declared here with the names and types their
// owners use, so the file layer compiles on its own.
#pragma once

#include <string>

// Nest and wave timers (creature code).
extern int queentimer;
extern int powertimer;
extern int powerdelay;
extern int colonistlost;
extern int colonisttimer;

// Preferences (options): settings[1..10], bindings keys[player][action],
// the squad screen's split choice and picks.
extern int settings[11];
extern int keys[3][9];
extern int splitoption;
extern int squadpick[7][6];

// Music: what is playing (0 nothing, 1 menu track, 2 game track).
extern int musicmode;
void startgamemusic();

// One status line shown for 100 frames.
void postmessage(const std::string& text, int y, int iserror);
