// The per-frame input snapshot: held and hit flags of every key, mouse
// button, wheel direction and joystick entry. Menus and play read only these
// tables, never the devices, so a frame is a function of the snapshot and a
// recorded stream of snapshots replays exactly.
#pragma once

#include "platform/platform.h"

// Table sizes. Keys 1..250, mouse entries 1..10 (4 wheel down, 5 wheel up),
// joysticks 0..20 with entries 0..35 (0..20 buttons, 31..34 stick
// left/up/right/down).
constexpr int keycodecount = 251;
constexpr int mouseentries = 11;
constexpr int maxjoysticks = 21;
constexpr int joyentries = 36;
constexpr int joybuttons = 21;  // buttons read from each device

// Stick directions as joystick entries.
constexpr int joyleft = 31, joyup = 32, joyright = 33, joydown = 34;

// [..][1] hit this frame, [..][2] armed (released since the last hit).
extern int keydownstate[keycodecount];
extern int keyhitstate[keycodecount][3];
extern int mousedownstate[mouseentries];
extern int mousehitstate[mouseentries][3];
extern int joydownstate[maxjoysticks][joyentries];
extern int joyhitstate[maxjoysticks][joyentries][3];
extern int lastmousez;  // wheel position of the previous frame
extern int joycount;    // joystick slots in the last snapshot, 0..21

// Mouse position of the last snapshot, in logical display pixels.
extern int inputmousex, inputmousey;
// The last snapshot's pointer stayed put on the screen (see plat::RawInput).
extern bool inputpointerstill;

// Polls every device into a snapshot and applies it. Called once at the
// top of every frame.
void updateinput();
// Polls every device into a snapshot without applying it.
void pollinput(plat::RawInput& in);
// Applies one snapshot (live, scripted or replayed).
void updateinputfrom(const plat::RawInput& in);
// The snapshot applied last (what a recorder stores for this frame), and
// the two applied before it (back 1 and 2): the tables' edges and the
// wheel depend on those, so a recording that begins mid-run applies them
// first.
const plat::RawInput& lastinput();
const plat::RawInput& earlierinput(int back);

// Counts the attached joysticks and pads into joyconnected (start-up).
void countjoysticks();
// Clears every flag and the wheel memory (start of a replay or a test).
void resetinput();

// Clears the hit flags of keys 1..250, mouse buttons 1 and 2 and every
// joystick entry, so a hit is seen by one menu screen only.
void flushhits();

// Table look-ups; an index outside the tables reads 0.
int gamekeyhit(int k);
int gamekeydown(int k);
int gamemousehit(int b);
int gamemousedown(int b);
