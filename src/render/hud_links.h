// The console's calls into the orientation aids drawn by the view code:
// the compass of a view and the live mini-camera inside a member's tab.
#pragma once

// Compass of a view at the given y (x is always the screen centre).
void hudcompass(int view, int y);
// Live picture of member m's room in the tab box (x, y, w, h), clipped top
// and bottom by the given margins.
void hudminicam(int m, int x, int y, int w, int h, int top, int bottom);
