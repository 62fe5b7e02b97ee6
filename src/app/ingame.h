// The in-game screen (stateplay): leaving for the menu, quicksave and
// quickload, the panel, and the simulation in its fixed order.
#pragma once

// 0 for drawing-free frames (the headless play driver); 1 otherwise.
extern int framedraws;

// What the in-game keys ask for this frame.
enum IngameKey { ingamenone = 0, ingamemenu, ingamequicksave, ingamequickload };
IngameKey ingamekey();

void ingameframe();
// One frame of the simulation proper (the panel is not active).
void simulationupdate();

// 1 while the controls card covers the views (the first game on this
// machine): the game stands still until any key, click or button closes it.
extern int controlscard;
// At a new game: puts up the card if it has never been shown here and
// notes that it has. A demo neither shows nor notes it.
void offercontrolscard();
