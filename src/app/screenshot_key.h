// Print Screen saves the frame just drawn as a PNG beside the game, in
// screenshots/, and says so on the message line, on every screen. F12 does
// the same where no action of either player is bound to it (a desktop may
// keep Print Screen for itself). In play a key bound to a player's action
// is that action only; play goes on untouched.
#pragma once

#include <ctime>
#include <string>

#include "input/keycodes.h"  // keyprintscreen, keyf12
inline constexpr const char* screenshotdir = "screenshots";

// "screenshots/rx907-YYYYMMDD-HHMMSS.png" for a local time; a second shot
// in the same second gets "-2", "-3", ... before ".png".
std::string screenshotname(std::time_t when, int repeat = 1);
// How many pictures this frame owes: one per press of a screenshot key
// since the last frame, however quick the taps, and one for a hit in the
// snapshot. Read before a screen runs (menus clear their hits).
int screenshotsowed();
// Takes the pictures owed for this frame's snapshot.
void screenshotkey();
// Saves the frame drawn so far and says so on the message line. The frame
// loop reads screenshotsowed before a screen runs and calls this once per
// picture when the frame is drawn.
void takescreenshot();
// Where the message line says it on the screen now showing.
int screenshotmessagerow();
