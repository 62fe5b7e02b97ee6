// The records of a room and the slots of each: rooms[room][record][slot].
// The table stays a plain int array because saved games and the state hash
// walk it whole; these names are the only way code indexes into it.
#pragma once

// Records of a room.
enum RoomRecord : int {
  roomrecord = 1,    // doors, lamps, alarms and the run-time flags (slots below)
  roomwall = 2,      // slots 1..64: the wall loop, a tile number, doormarker or 0
  wallstate = 3,     // slots 1..64: slime 0..slimemax per wall slot; slots below
  roomcreature = 4,  // the room's single creature (CreatureSlot below)
};

// Slots of the room record (record 1). Slots 1..10 and 20 come from the map;
// the rest are run-time state, 0 at game start unless the set-up places
// something. Slots 23, 24, 31..97 are not used.
enum RoomSlot : int {
  roomid = 1,         // the room's own id
  roomtype = 2,       // wall tint 1..5
  northroom = 3,      // room behind the north door; 0 no door, 300 the outside
  westroom = 4,       // same for the west door
  southroom = 5,      // same for the south door
  eastroom = 6,       // same for the east door
  northdoor = 7,      // north door position p: the door spans 52p..52p+156
  westdoor = 8,       // west door position
  southdoor = 9,      // south door position
  eastdoor = 10,      // east door position
  dooropen = 11,      // 11..14 north, west, south, east: 1 once shot open
  doorlocked = 15,    // 15..18 north, west, south, east: 1 while locked
  roomdark = 19,      // 1 while the room's lights are out
  spawnchance = 20,   // creature population value from the map
  regrowtick = 21,    // frames towards the next slime regrowth try, 0..59
  flickerperiod = 22, // frames the flickering lamp stays in its phase
  flickerlamp = 25,   // 1 when the room has a flickering lamp
  flickerphase = 26,  // 0 dark, 1 lit
  flickercount = 27,  // frames spent in the phase
  alarmroom = 28,     // 1 when the room has an alarm
  alarmdir = 29,      // alarm pulse direction: 0 rising, 1 falling
  alarmlevel = 30,    // alarm pulse value, 20..100
  powercut = 98,      // 1 while the wave's power failure holds the room dark
  visited = 99,       // 1 once any member has been in the room
  lampbroken = 100,   // 1 for good once the lamp has broken
};

// Door directions 1 north, 2 west, 3 south, 4 east, and their slots.
constexpr int neighbourslot(int d) { return northroom - 1 + d; }
constexpr int doorslot(int d) { return northdoor - 1 + d; }
constexpr int dooropenslot(int d) { return dooropen - 1 + d; }
constexpr int doorlockedslot(int d) { return doorlocked - 1 + d; }

// Slots of the wall-slot record (record 3) beyond the 64 wall slots.
inline constexpr int slimecountslot = 80;  // slime slots counted by the last count
inline constexpr int slimevalidslot = 99;  // 1 while slimecountslot is current

// Slots of the creature record (record 4).
enum CreatureSlot : int {
  ckind = 1,       // creature kind (CreatureKind), 0 = the room is empty
  cposx = 2,       // position along the wall loop, 0..3328
  cdirection = 3,  // 1 moving towards larger x, 2 towards smaller (mirrors the image)
  cmode = 4,       // roaming or attacking
  capproach = 5,   // closeness: grows while roaming, from 0 in each attack; colonist 200
  ctarget = 6,     // member under attack, 0 = none
  ckiller = 7,     // player whose shot killed it, 0 while alive
  ccooldown = 8,   // frames before the empty room may be populated again
  cage = 9,        // frame counter of eggs, cocoons and the colonist
  chp = 10,        // hit points of a queen or a cocooned colonist
  cseen = 11,      // cocooned colonist: 1 once a player has seen it
};
// cmode values.
inline constexpr int roaming = 1, attacking = 2;
