// Pads in the frame loop: their menu moves and play keys folded into the
// key tables, a pad's arrival or loss said on the message line in play (a
// lost pad that a player holds pauses the game), and the rumble of a
// player's pad when one of the player's members is hurt or dies.
#pragma once

// Before the screen runs: the snapshot's pad presses as menu or play keys,
// and the arrivals and losses of this snapshot.
void padframe();
// After a frame of play: shakes the pads of players whose members were hurt
// (short) or died (longer) in it.
void padrumble();
