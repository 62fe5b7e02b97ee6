// `rx907 --play FILE`: the recording plays in the game's own window at
// normal speed, once MAIN MENU has shown, with "REPLAY" and the mission
// clock on screen. Space pauses, F (or a pad's right shoulder button)
// plays four times as fast, N steps one frame while paused, Escape ends.
// At the end, or on Escape, the game is back at MAIN MENU with no game in
// progress and the player's own settings, squad and cheats back. Playback
// writes nothing but the screenshots Print Screen takes.
#pragma once

#include <string>

#include "platform/platform.h"

// Reads and checks the recording at path and plays it as soon as MAIN MENU
// shows. A refused file is named with the reason on the error output and
// on the message line, and the game goes on as usual.
void startplayback(const std::string& path);
// A recording already read and checked, to play as soon as MAIN MENU shows.
struct ReplayFile;
void requestplayback(ReplayFile&& file);
// One pass of the frame loop while a playback is requested or running:
// true when playback took the frame (the devices then only steer it),
// false when the loop runs the frame as usual.
bool playbackframe(const plat::RawInput& devices);
// The right shoulder button of a pad as the joystick interface numbers it.
inline constexpr int padfastbutton = 5;
