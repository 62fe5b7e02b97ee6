// The blocking close-up of a cocooned colonist first noticed by a member.
#pragma once

// Draws colonist_big.png full screen: 20 frames fading in, 60 held, 20
// fading out, each frame paced like the main loop. Frozen while the
// application is in the background; ends early if the program is closed.
void runcloseup();
// What creaturenotice runs for the close-up. Starts as runcloseup; tests
// put a non-blocking function here.
extern void (*closeuprunner)();
// The grey level of a close-up frame at a brightness in percent, rounded,
// so that full brightness is 255.
int closeuplevel(int brightness);
// One close-up frame at that brightness.
void drawcloseup(int brightness);
