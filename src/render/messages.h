// The status message line: one line of text across the middle of the
// screen that fades out over 100 frames, drawn in every screen.
#pragma once

#include <string>

extern std::string messagetext;
extern int messagey;
extern int messageerror;  // 1: drawn in red
extern int messagetimer;  // frames left, 100 when posted

// Shows text at y for 100 frames, replacing any message still showing.
void postmessage(const std::string& text, int y, int iserror);

// Draws the line, if one is showing; reads the state only.
void drawmessageline();
// One frame of the line's life: the frame step calls it once a frame, after
// drawing, so a message posted in a frame shows at full strength first.
void countdownmessage();

// Left edge and width of the backdrop behind a message.
struct MessageBox {
  int x;
  float w;
};
MessageBox messagebox(const std::string& text);
