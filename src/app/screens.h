// The screens the frame loop runs by gamestate, and the drawing and saving
// steps of play that belong to the presentation and front end. Each is
// run by its own module (screen_hookups.cpp ties them together).
#pragma once

void screenafterload();   // 2000: read the options, start the menu music, go to 1
void screenmainmenu();    // 1
void screengamemode();    // 2
void screensquad();       // 13
void screennewgame();     // 40: set up a new game, go to 4
void screenkeys();        // 3 and 8
void screenoptions();     // 6
void screensettings();    // 7
void screenloadgame();    // 11
void screensavegame();    // 12
void screenmissionend();  // 5: objective message or results
void screensquadlost();   // 15

void drawviews();        // one room view per player
void drawconsole();      // the console around the views
void drawmessageline();  // the status message line, every screen
void countdownmessage();  // one frame of the message line's life
void drawoverlay();      // debug, cheat and missing-file lines, last
