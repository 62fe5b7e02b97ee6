// Credit points and the question "is this room being watched".
#pragma once

// Adds points to player p's credit and restarts that player's score flash.
void givecredit(int p, int points);
// 1 when a player-controlled member is in room r.
int iscontrolledroom(int r);
