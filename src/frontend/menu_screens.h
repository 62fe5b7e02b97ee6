// The menu screens the frame loop runs by gamestate. Each runs one frame:
// input from the snapshot tables, its action, drawing, and the hit flush.
#pragma once

void screen_mainmenu();  // 1
void screen_gamemode();  // 2
void screen_squad();     // 13
void screen_options();   // 6
void screen_settings();  // 7
void screen_keys();      // 3 (player choice) and 8 (binding list)

// The hidden cheat-mode switch of the main menu: a left click on the
// version tag in the bottom-left corner with either Ctrl key held.
constexpr int kCheatX = 0, kCheatY = 752, kCheatW = 40, kCheatH = 16;

// Changes a SETTINGS entry as its row does: dir +1 for ENTER, RIGHT and a
// left click, -1 for LEFT and a right click. Music follows at once.
void changesetting(int index, int dir);
