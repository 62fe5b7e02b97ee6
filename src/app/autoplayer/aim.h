// Moving a player's crosshair onto a point of the room with the player's
// own aiming scheme: the four move bindings (pushing against a side of the
// view turns the member), or the mouse with the left and right bindings
// turning the view.
#pragma once

#include "app/autoplayer/hands.h"
#include "app/autoplayer/targets.h"

// The crosshair of member m as a point on the room loop.
AimPoint crosshair(int m);
// Steers player p's member m towards the point for this frame. Returns true
// when the crosshair is already on it (within what one step can resolve),
// so a shot or a use now lands there.
bool steer(Hands& hands, int p, int m, AimPoint target);
