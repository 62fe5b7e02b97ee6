// Which member each player controls: direct choice with keys 1..6 (one
// player) and stepping with the previous/next actions.
#pragma once

// The member after (dir +1) or before (dir -1) member cur for player p,
// under the current player count and split: shared squad skips the other
// player's member, split command keeps to the player's own three.
int stepmember(int p, int cur, int dir);
// Member switching of this frame, for every player.
void switchmembers();
