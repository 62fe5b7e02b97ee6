// The KEYS screens: the player choice (statekeysplayer) and one player's binding
// list (statekeysbindings) with the capture of a new binding.
#pragma once

extern int keysplayer;     // player whose bindings the list shows
extern int capturing;      // 1 while a row waits for a key
extern int captureaction;  // the action being captured

// One frame of capture from the snapshot tables: a key hit, a held
// joystick button or stick direction, or a mouse button or wheel hit ends
// it. ESC cancels; while AltGr is held the first key hit is ignored.
void capturestep();
