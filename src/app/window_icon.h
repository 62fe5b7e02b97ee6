// The game's icon, embedded beside the archive in every size the content
// generator paints (16 to 256 pixels, square PNGs).
#pragma once

#include <vector>

#include "platform/platform.h"

struct GameIcon {
  int size;             // width and height in pixels
  plat::IconPng png;
};

// Every embedded size, smallest first.
std::vector<GameIcon> gameicons();
// Gives the windows the game opens from now on its icon.
void setgameicon();
