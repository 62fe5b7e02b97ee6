// Calls and state the menus share with the frame loop, the options and
// renderer files, the status line and the new-game set-up.
#pragma once

#include <string>

// Frame loop: set by QUIT; the loop ends after this frame.
extern int quitgame;
// Runs frames until the program is asked to close or the player quits.
void runframeloop();

// Options file "opt.dat": 1 written, 0 failed.
int writeoptions(const std::string& path);
void readoptions(const std::string& path);
// Renderer file "api.dat".
extern int apimode;
void readapi(const std::string& path);
int writeapi(const std::string& path);

// One status line shown for 100 frames.
void postmessage(const std::string& text, int y, int iserror);

// The new-game set-up (state 40).
void newgame();
