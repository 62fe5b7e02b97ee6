// Demo mode: after 30 seconds without input on MAIN MENU (with no game held
// in memory) a one-player game on a random seed starts and the machine
// player plays it, drawn as usual under a "DEMO" mark while the menu music
// goes on. Any key, click, mouse or stick movement ends it and returns to
// MAIN MENU with no game in progress. A demo writes nothing: no options, no
// saves, and the squad screen's picks and every setting are left as they
// were.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Frames without input on MAIN MENU before a demo starts: 30 s at 60 Hz.
inline constexpr int demoidleframes = 30 * 60;


// Starts a demo as soon as MAIN MENU shows (the --demo switch).
void requestdemo();
// Applies the input of one live frame: the devices' snapshot, or during a
// demo the machine player's, ending the demo on any real input. Counts the
// idle frames on MAIN MENU and starts a demo after demoidleframes.
void applyframeinput(const plat::RawInput& devices);
// True when this frame's device input ended a demo: that input does
// nothing else.
bool devicesendeddemo();
// Forgets the idle count and the devices' last snapshot (a fresh start).
void resetdemo();
// Starts a demo game on this seed / ends the demo (back to MAIN MENU).
void startdemo(uint32_t seed);
void enddemo();
// True when `now` shows a person at the controls compared with `before`:
// a key or button down, the mouse moved or its wheel turned, a stick
// pushed past the joystick threshold.
bool humaninput(const plat::RawInput& now, const plat::RawInput& before);
