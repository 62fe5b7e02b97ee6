// The member a player controls, once per frame: aiming, turning, firing,
// the shot's targets, doors and rescue, and what it all costs in stamina.
#pragma once

// The crosshair's place in the room for the member being updated: along
// the 3,328-pixel loop (0..3327) and in view pixels.
extern int shotx, shoty;
// This frame's exertion: [1] crosshair movement, [2] a shot, [3] a door passed.
extern int moveflags[4];

// Crosshair limits in the view, and the scroll range of a view's left edge.
inline constexpr int aimleft = 148, aimright = 876, aimtop = 93, aimbottom = 316;
inline constexpr int scrollmin = -390, scrollmax = 2938;
// Stamina a shot needs and costs; a door needs and costs doorstamina.
inline constexpr int shotstamina = 60;
inline constexpr int doorstamina = 600;

// Aiming speed in pixels per frame from the member's stamina.
int aimspeed(int m);
// Position along the loop of a view's crosshair, brought into 0..3327.
int loopposition(int scroll, int crossx);
// Player p's member for this frame.
void updatemember(int p);
