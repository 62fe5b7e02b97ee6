// The program's screen state, shared by the frame loop, the menus and play.
#pragma once

// Current screen: 2000 after loading, 1 main menu, 2 game mode, 13 squad,
// 40 new-game set-up, 4 play, 5 mission message or results, 15 squad lost,
// 11 load game, 12 save game, 6 options, 7 settings, 3 and 8 keys.
extern int gamestate;
