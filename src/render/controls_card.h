// The controls card: shown over the views the first time a game starts,
// naming the keys bound now. Any key closes it (the app's in-game frame).
#pragma once

#include <string>
#include <vector>

// The card's lines for player p (1 or 2), with the bindings in force.
std::vector<std::string> controlscardlines(int p);
// The mission's goal in the game's words: on the card, and on the mission
// board once its counters stand.
std::vector<std::string> missiongoallines();
// Draws player 1's card over the first view and, in two-player play,
// player 2's over the second.
void drawcontrolscard();
