// The replays folder in the game's files folder: a recording's file name
// by the date and time its game began, and the clearing out of all but the
// newest recordings. Only names the game gives its recordings are ever
// removed, so a recording renamed (or moved elsewhere) is kept for good.
#pragma once

#include <ctime>
#include <string>
#include <vector>

inline constexpr const char* replaysdir = "replays";
inline constexpr const char* replayextension = ".rxreplay";
// Recordings kept; the oldest beyond these are removed.
inline constexpr int replayskept = 20;

// "replays/rx907-YYYYMMDD-HHMMSS.rxreplay" for that local time, "-2", "-3"
// ... before the extension for later ones in the same second.
std::string replayname(std::time_t when, int repeat = 1);
// A free name for a recording that begins now ("" when the folder cannot
// be made).
std::string newreplaypath();
// Whether a file name (no folder) is one the game gives a recording.
bool gamereplayname(const std::string& name);
// The game's own recordings in the folder, oldest first.
std::vector<std::string> listreplays();
// Removes the oldest of the game's own recordings beyond replayskept.
void prunereplays();
