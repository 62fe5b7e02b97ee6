// The screens the frame loop runs by gamestate, and the drawing and saving
// steps of play that belong to the presentation and front end. Each is
// run by its own module (screen_hookups.cpp ties them together).
#pragma once

void screen_afterload();   // 2000: read the options, start the menu music, go to 1
void screen_mainmenu();    // 1
void screen_gamemode();    // 2
void screen_squad();       // 13
void screen_newgame();     // 40: set up a new game, go to 4
void screen_keys();        // 3 and 8
void screen_options();     // 6
void screen_settings();    // 7
void screen_loadgame();    // 11
void screen_savegame();    // 12
void screen_missionend();  // 5: objective message or results
void screen_squadlost();   // 15

void drawviews();        // one room view per player
void drawconsole();      // the console around the views
void drawmessageline();  // the status message line, every screen
void drawoverlay();      // debug, cheat and missing-file lines, last

void quicksave();  // F5 in play
void quickload();  // F9 in play
