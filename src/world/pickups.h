// What a room does for the members in it: first visits, the ammunition and
// medical rooms, the danger flags; and rescuing the lone colonist.
#pragma once

// Room checks of member m for this frame (living members only).
void roomchecks(int m);
// The rescue prompt and action of player p's member m. Returns 1 when the
// colonist is under the crosshair, so the door prompts are skipped.
int rescuecheck(int p, int m, int shotx, int shoty);
