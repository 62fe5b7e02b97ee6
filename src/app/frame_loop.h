// The program's frame loop: frame counting, focus loss, pacing, the input
// snapshot, cheat keys and the debug display switch, the current screen,
// overlays and the display flip.
#pragma once

// Cheat keys (F1..F4 while cheat mode is on) and the debug display switch
// (Ctrl + F12, on every screen), read from the input snapshot of this frame.
void framekeys();
// Runs the screen of the current gamestate.
void runscreen();
// One frame after the input snapshot has been taken: keys and the screen.
void stepframe();
// One whole frame after the input snapshot: stepframe, then the status
// line and the overlay on top (the caller flips the display).
void runframe();
// Presents the frame on the display's refresh schedule; the back buffer
// keeps it until the next frame clears it.
void endframe();
// One pass of the loop. In the background: the idle wait, and the last frame
// held on screen, dimmed with a PAUSED line. Otherwise the clear, the
// optional timer wait, the input snapshot and the frame; then endframe.
void loopstep(int pacer, int idler);
// Runs frames until the program is asked to close or the player quits.
void runframeloop();
