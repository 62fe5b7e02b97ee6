// The menu screens the frame loop runs by gamestate. Each runs one frame:
// input from the snapshot tables, its action, drawing, and the hit flush.
#pragma once

void runafterload();  // 2000 (below)
void runmainmenu();  // 1
void rungamemode();  // 2
void runsquadscreen();     // 13
void runoptions();   // 6
void runsettings();  // 7
void runkeysscreen();      // 3 (player choice) and 8 (binding list)
void runloadgame();  // 11
void runsavegame();  // 12

// The hidden cheat-mode switch of the main menu: a left click on the
// version tag in the bottom-left corner with either Ctrl key held.
constexpr int cheatx = 0, cheaty = 752, cheatw = 40, cheath = 16;

// Changes a SETTINGS entry as its row does: dir +1 for ENTER, RIGHT and a
// left click, -1 for LEFT and a right click. Music follows at once.
void changesetting(int index, int dir);

// The first frame after loading (stateafterload): the options file is read, the
// main menu comes next and, with music on, the menu track starts.
void runafterload();
