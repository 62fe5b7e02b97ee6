// The picture under a dead member's static dots: the look of a video feed
// whose camera is gone.
#pragma once

// Fine snow on alternate scan lines, a few torn bands where lines slip
// sideways and a soft bright band rolling down, over the view box (x, y, w,
// h) in the current origin. Everything comes from the dots' own values of
// this frame and the mission clock, so each frame is new and the same state
// always draws the same picture. Leaves alpha 1, scale 1 and white.
void drawnosignal(int x, int y, int w, int h);
