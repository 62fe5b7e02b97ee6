// Doors and their control panels, seen from the member a player controls:
// shooting them, the use prompt, using them and walking through.
#pragma once

// How long a member takes to pass through a door, in frames.
inline constexpr int doorframes = 20;

// 1 when the crosshair at (shotx, shoty) lies on door d of room r.
int crosshairatdoor(int r, int d, int shotx, int shoty);
// 1 when member m could use door d of its room right now (stamina, lock,
// slime in the doorway, not the way out of the complex).
int doorusable(int m, int d);
// A shot that nothing else took: opens the door under the crosshair or
// locks the door whose control panel is under it. Returns 1 when taken.
int shootdoors(int m, int shotx, int shoty);
// Use prompt over a usable door under the crosshair, and the use action.
void doorcheck(int p, int m, int shotx, int shoty);
// One frame inside a door for a busy member. Returns 1 on the frame the
// member comes out in the next room.
int passdoor(int m);
