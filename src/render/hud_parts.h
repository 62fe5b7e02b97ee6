// The console's drawing steps, shared between its source files.
#pragma once

// Whether member m is the one player 1 or (with two players) player 2 holds.
bool hudcontrolled(int m);
// Room type of the member's room, or of the room it died in.
int hudroomtype(int m);
// Back to origin 0, the whole screen, white, alpha 1, scale 1, masked.
void hudreset();

void drawhudstatusone();
void drawhudstatustwo();
void drawhudtabs();
