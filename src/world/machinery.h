// The complex's machinery state: per-frame event flags, motion-tracker
// counters and the players' use prompts.
#pragma once

// eventflags[], cleared every frame before the squad-wide pass.
enum EventFlag {
  eventalarm = 0,      // a controlled member stands in a lit alarm room
  eventcontact = 1,    // a controlled member shares a room with a creature of kind 1, 2, 3 or 5
  eventunguarded = 2,  // a member nobody controls does
  eventgenerator = 3,  // a controlled member is in the generator room
};
extern int eventflags[11];
extern int trackcount[3];  // per player: frames since the last tracker beep

struct UsePrompt {
  int shown = 0;
  int x = 0, y = 0, w = 0, h = 0;  // x along the room loop, y in view pixels
  int blink = 100, blinkdir = 1;
};
extern UsePrompt useprompt[3];

// Rooms whose lamp never fails and which get no alarm or flicker at start.
bool blackoutproof(int room);

// Game-start placement: 15 alarms (plus rooms 2 and 3), 15 flickering lamps
// and 10 broken lamps in random rooms that are not blackout-proof.
void placeworldfeatures();
