// Route planning over the room table: which doors join which rooms, and the
// shortest walk from one room to another through doors a member can use.
#pragma once

#include <vector>

// Door direction (1 north, 2 west, 3 south, 4 east) of room r that leads into
// room next, or 0 when no door joins them (or next is no room).
int doortoward(int r, int next);
// True when room r's door d leads to another room of the complex a member
// could ever walk through: not the outside, not a locked door still shut.
bool doorwalkable(int r, int d);
// True when nothing has to be shot before room r's door d can be used: no
// slime in its doorway, and not locked shut.
bool doorclear(int r, int d);
// Rooms from `from` to `to`, both included, along the fewest doors; empty
// when `to` cannot be reached. A route to the room itself is just {from}.
// With clearonly the route keeps to doors that need no shot (for a member
// out of rounds).
std::vector<int> findroute(int from, int to, bool clearonly = false);
// The next room on the way from `from` to `to`; 0 when there is none.
int nextroom(int from, int to, bool clearonly = false);
// Doors to walk from `from` to `to`; -1 when unreachable.
int routelength(int from, int to);
// Shots the shortest walk from `from` to `to` asks for as the rooms stand:
// one for each slimed slot of a doorway on it and each locked door still
// shut; -1 when unreachable.
int routeshots(int from, int to);
// A door of room r that leads on without a shot (0 when there is none):
// the way out for a member who cannot fight what is in the room.
int cleardoor(int r);
