// Binding codes: one integer naming a key (1..300), a mouse entry
// (301..310; 304 wheel down, 305 wheel up) or a joystick entry
// (400 + 100 * joystick + entry; entries 0..30 buttons, 31..34 stick
// left/up/right/down). Each player's eight actions are bound to one code.
#pragma once

#include <array>
#include <string>

// Actions, in the order of the KEYS screen.
enum Action {
  actleft = 1, actup, actright, actdown,  // read held
  actshoot, actuse, actprev, actnext      // read once per press
};
constexpr int actioncount = 8;

// keys[p][a]: binding code of action a (1..8) for player p (1..2).
extern int keys[3][9];

// The KEYS screen's row label of each action, index 1..8.
extern const std::array<std::string, 9> actionlabel;

// Both players' default bindings (used until the options file is read).
void resetbindings();

// Held / hit flag of whatever the code names; 0 for a code that names
// nothing or lies outside the tables.
int bindingdown(int code);
int bindinghit(int code);
// The code's display name ("" for codes that name nothing); a standard
// pad's entries are named as printed ("JOY 1 A", "JOY 2 LEFT").
std::string bindingname(int code);
// Joystick and entry of a code from 400 on; (0, 0) below.
void joybinding(int code, int& j, int& b);
// Mouse entry of a code 301..310, else 0.
int mousebinding(int code);

// Fills actionflags[p][0..8] (the play state's table): the four moves while their binding is held,
// the other four on the frame their binding is hit; all 0 when blocked. A
// player with no joystick binding also reads the default layout of the
// pad held (pad_controls.h).
void readcontrols(int p, bool blocked);
// Shifts this frame's mouse position into the play state's mousepos (the
// previous frame's moves to [3], [4]).
void trackmouse();
