// Sound effects: one play operation under the sound option, and the three
// looping effects (alarm, low alert, generator) that run on stored channels
// for as long as their world condition holds.
#pragma once

// A channel that never plays; returned whenever nothing was played.
extern int sparechannel;
// loopchannel[1..3]: the alarm, low-alert and generator channels.
extern int loopchannel[4];

// Allocates the spare channel and the three looping channels (start-up,
// after the mixer opened).
void initsounds();

// Plays sound on a new channel and returns it while sound playback is on.
// An absent sound (0) raises the "Sound file missing!" warning instead (only
// with sound on); absent or off, nothing plays and the spare channel is
// returned.
int playsound(int sound);

// As playsound, placed across the listener's view: `across` is where the
// sound comes from, -1 at the view's left edge, 0 in its middle, 1 at its
// right edge (further out counts as the edge). It is never put wholly on
// one side.
int playsoundat(int sound, float across);

// A shot of the player's own gun: placed a little toward where it is
// aimed, and each round a touch louder or softer than the last, as no two
// rounds sound alike. The variation has a generator of its own, never the
// game's, so play runs the same with sound on or off.
int playshot(int sound, float across);

// As playsound, but the mixer plays the sound round and round without a gap
// until the channel is stopped.
int playloopsound(int sound);

// Once per frame of the simulation: each looping effect is stopped when its
// condition is 0, and started looping (or started again, should its channel
// have been stopped) while it is 1.
void updateloopsounds(int alarm, int alertlow, int generator);

// The end of every frame of the program: a looping effect sounds only while
// play runs, so when this frame did not update the loops (a menu, the pause
// panel, the application in the background) their channels are stopped.
void endloopframe();
