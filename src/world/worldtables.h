// Constant tables of the world, filled once at start-up, and the parts of
// the new-game reset that belong to the room table.
#pragma once

// 1 for wall tiles drawn three or two slots wide (drawn whatever the slime).
extern int tilewide[51];
// Tint per room type 0..6 (6 = dark room): [type][set][component 1..3];
// set 0 channel mask, 1 wall tint, 2 flash tint, 3 minimap tint.
extern int roomcolour[7][4][4];
// oppositeslot[2 + d]: the dooropen slot of the neighbour that belongs to
// the same door as direction d of this room.
extern int oppositeslot[7];
// 1 where slime may grow back.
extern int respawnok[301];

void initworldtables();

// Clears the run-time slots of rooms 1..275 (doors, lamps, alarms, power,
// visits and the wall-slot state); the map data of every room stays.
void clearroomstate();
// Opens the six ways out of the complex to the outside (room 300).
void openexits();

// The six exits: room, door direction (1 N, 2 W, 3 S, 4 E), door position.
struct ExitDoor {
  int room, dir, pos;
};
extern const ExitDoor exitdoors[6];
