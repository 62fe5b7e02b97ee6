// The LOAD GAME (stateloadgame) and SAVE GAME (statesavegame) screens: the
// slot list, selection, loading a slot, typing a name and saving. The common menu
// frame feeds each frame's input in and calls the drawing afterwards.
#pragma once

#include <string>

#include "state/game_state.h"
#include "frontend/menu_frame.h"
#include "frontend/textentry.h"

// Slot rows 1..7 (7 is the quicksave slot) are menutext[1..7]; menuskip
// tells whether each is skipped.
extern int menuskip[21];
// The SAVE GAME row being named, 0 while not typing.
extern int typingslot;

// One frame of slot-screen input (hits) and the pointer.
struct SlotInput {
  bool esc = false, enter = false, up = false, down = false;
  int mousex = 0, mousey = 0;
  bool mousemoved = false;
  bool leftclick = false;
};

// Fills menutext[1..7] and menuskip[1..7] from the slots' name files.
void listsaveslots();
// Entering stateloadgame or statesavegame: rebuilds the list, ends any typing and selects
// the first row that can be chosen.
void enterslotscreen(int state);
// Slot base name of row n: "save_1".."save_6", "quick" for 7.
std::string slotbase(int n);

// Screen geometry: items on the screen, the y of item i, and whether the
// pointer is on item i.
int slotitems(int state);
int slotitemy(int state, int item);
// Where the slot screens post their load and save errors: under the
// panel, clear of the slot rows.
int slotmessagey(int state);
bool onslotitem(int state, int item, int x, int y);

// One frame of the LOAD GAME screen. Returns the item activated, 0 none.
int loadscreenframe(const SlotInput& in);
// One frame of the SAVE GAME screen; keys and tables feed the name entry.
// Returns the item activated, 0 none (ENTER while typing saves instead).
int savescreenframe(const SlotInput& in, const KeyFrame& keys, const TypingTables& tables);
// Loads row n as the LOAD GAME screen does; true on success.
bool loadslot(int n);

// Draws the panel, title and rows of the current slot screen.
void drawslotscreen(int state);

// This frame's keys, menu input and typing tables from the live input
// snapshot (the menu frame passes these in).
KeyFrame livekeyframe();
SlotInput liveslotinput(int lastmousex, int lastmousey);
TypingTables livetypingtables();
