// The choices that play reads and that a player may change between two
// frames of a game, in the menus: the SETTINGS values, both players'
// bindings, and cheat mode with its four switches. A recording holds them
// at its start and again at every frame where they changed.
#pragma once

#include <cstdint>
#include <vector>

// How many values the block holds.
int playsettingscount();
// The live values.
std::vector<int32_t> captureplaysettings();
// Whether every value is one the live tables can hold.
bool playsettingsusable(const std::vector<int32_t>& values);
// Puts the values into the live tables. With listening false, the music,
// sound and music-variant switches keep the player's own values (playback
// sounds as this player set it up; play does not read them).
void applyplaysettings(const std::vector<int32_t>& values, bool listening);
