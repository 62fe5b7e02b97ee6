// Standard pads in play and in the menus: which pad each player holds by
// default, the default layout read beside the player's bindings, the pad's
// menu moves folded into the menu keys, and pads arriving and going.
//
// A player none of whose actions is bound to a joystick plays with a pad
// at once, if one that no binding names is connected: player 1 with pad 1,
// player 2 with pad 2 (or pad 1, when player 1 holds none). The
// default layout: left stick or D-pad aims, A shoots, B uses, LB and RB
// switch members, Start opens the mission board. Nothing of it is stored.
#pragma once

#include <string>

#include "input/input.h"

// JoyKind (plat) of every slot in the last snapshot, and the last kind a
// slot held this run (a binding keeps its pad's names while unplugged).
extern int joykindnow[21];
extern int joykindseen[21];
// Pads that arrived (+1) or were lost (-1) with the last snapshot, per slot.
extern int joychange[21];
// Connected joysticks and pads in the last snapshot (the debug lines).
extern int joyconnected;

// Notes the kinds of a snapshot's slots (the snapshot calls it).
void notejoykinds(const unsigned char (&kinds)[maxjoysticks], int count);

// Whether any of player p's actions is bound to a joystick.
bool haspadbinding(int p);
// The pad slot player p plays with by the default layout, -1 for none.
int defaultpad(int p);
// The pad or joystick slot player p plays with: the default pad, else the
// first joystick the player's bindings name; -1 for none (rumble, loss).
int playerpad(int p);
// ORs the default layout of player p's pad into flags[1..8] (held for the
// four moves, hit for the other four).
void readdefaultpad(int p, int (&flags)[9]);

// Menus: every standard pad's D-pad or stick hit is an arrow key hit, A is
// ENTER and B is ESCAPE, for this frame's snapshot.
void padmenukeys();
// Play: Back on any standard pad is ESCAPE; Start on a player's default
// pad is P (the mission board).
void padplaykeys(int players);
// A or Start of any standard pad was hit this frame (pages that go on).
bool padconfirmhit();

// The printed name of a standard pad's button ("A", "LB", "D-LEFT");
// "" for an entry the pad does not have.
std::string padbuttonname(int b);
