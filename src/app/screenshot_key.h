// Print Screen saves the frame just drawn as a PNG beside the game, in
// screenshots/, and says so on the message line. Play goes on untouched and
// the key stays free for any binding that uses it.
#pragma once

#include <ctime>
#include <string>

#include "input/keycodes.h"  // keyprintscreen
inline constexpr const char* screenshotdir = "screenshots";

// "screenshots/rx907-YYYYMMDD-HHMMSS.png" for a local time; a second shot
// in the same second gets "-2", "-3", ... before ".png".
std::string screenshotname(std::time_t when, int repeat = 1);
// Takes the shot when the key was hit in this frame's snapshot.
void screenshotkey();
// Saves the frame drawn so far and says so on the message line. The frame
// loop reads the key before a screen runs (menus clear their hits) and
// calls this once the frame is drawn.
void takescreenshot();
