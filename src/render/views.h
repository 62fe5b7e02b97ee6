// The room views: one first-person window onto the room band per player,
// the minimap drawn in each view's corner, the compass and the live
// mini-cameras of the member tabs.
#pragma once

// Draws view 1 and, with two players, view 2; leaves the origin at (0, 0),
// the viewport on the whole screen and the colour white.
void drawviews();
// One view (1 or 2) of the current layout, leaving the 2D state as drawviews
// does.
void drawview(int view);

// The 3 x 3 minimap of the rooms around view `view`'s member, in the view's
// top right corner. Draws nothing while the MINIMAP option is off.
void drawminimap(int view);

// The facing needle of view `view`'s member over its dial at (512, y).
void drawcompass(int view, float y);
// Compass heights: [1] one view, [2] view 1 of two, [3] view 2 of two.
extern const int compassy[4];

// The live picture of member m's room inside a member tab: (x, y, w, h) is
// the camera's box, top and bottom trim the visible window. Draws nothing
// while the MINI-CAMS option is off.
void minicam(int m, float x, float y, float w, float h, float top, float bottom);

// Size of the lit window around the crosshair in a dark room.
extern int flashw, flashh;
