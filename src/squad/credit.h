// Credit points and the questions "is this room being watched" and "where
// across the watching view does a point of it lie".
#pragma once

// Adds points to player p's credit and restarts that player's score flash.
void givecredit(int p, int points);
// 1 when a player-controlled member is in room r.
int iscontrolledroom(int r);
// Where loop position x of room r lies across the view of the first
// player whose member is in that room: -1 at the view's left edge, 0 in its
// middle, 1 at its right edge, beyond them for what is out of sight (up to
// about 4.3 behind); 0 when no player watches the room.
float acrossview(int r, int x);
// Where a crosshair at view x (display pixels) lies across its view, as
// acrossview.
float acrosscrosshair(int crossx);
