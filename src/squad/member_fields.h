// The fields of a squad member's record, squad[m][field] for members 1..6.
// The record stays a plain int array because saved games and the state hash
// walk it whole; these names are the only way code indexes into it.
#pragma once

enum MemberField : int {
  mscroll = 1,        // view scroll: loop position of the view's left edge, -390..2938
  mcrossx = 2,        // crosshair x in the view, 148..876
  mcrossy = 3,        // crosshair y in the view, 93..316
  mroom = 4,          // room the member is in; deadroom (275) while dead
  mreserved = 5,      // always 0; nothing reads it, only copied at death
  mmuzzleflash = 6,   // muzzle-flash timer: 10 on a shot, -1 per frame
  mfacing = 7,        // wall the crosshair faces: 1 north, 2 west, 3 south, 4 east
  mstamina = 8,       // stamina, 0..mmaxstamina
  mammo = 9,          // rounds carried, 0..mmaxammo
  mdead = 10,         // 1 once dead
  mexerted = 11,      // 1 when the member moved, fired or passed a door: no recovery
  mdanger = 12,       // 1 while sharing a room with a warrior, hugger, queen or colonist
  mfired = 13,        // 1 in the frame the member fired
  mdeathroom = 14,    // mroom at the moment of death (the console names it)
  mdeathreserved = 15,// mreserved at the moment of death
  mammorating = 16,   // Ammo Capacity attribute 1..5; the four ratings are in roster order
  maccuracy = 17,     // Accuracy attribute 1..5: recoil shrinks as it grows
  mstaminarating = 18,// Stamina attribute 1..5: ratings 2 and 4 recover half a point more
  mendurance = 19,    // Endurance attribute 1..5
  mmaxammo = 20,      // 6 * Ammo Capacity + 32
  mmaxstamina = 21,   // 1200 * Stamina + 5000
  mstaminaregen = 22, // stamina regained per resting frame, 2..4
  mhealth = 23,       // health; 0 or less kills the member
  msex = 24,          // 1 male, 2 female: picks the pain sound
  mhurtflash = 25,    // red hurt flash: 75 when hurt, -5 per frame
  mmaxhealth = 26,    // Endurance
  mbusydoor = 27,     // door 1..4 the member is passing through, 0 when free; busy members take no input
  mdoortime = 28,     // frames spent in that door, 0..doorframes
  mbrightness = 29,   // view brightness 0..100: falls in a door, rises outside
  mammoflash = 30,    // ammunition refill flash: 15 on a refill, -1 per frame
  mhealthflash = 31,  // health refill flash: 15 on a refill, -1 per frame
};

// Record size: squad[m][0..50]. Fields past mhealthflash are unused but are
// saved and hashed with the rest.
inline constexpr int memberrecordsize = 51;
// The four attributes lie in roster order from here (see rosterattr).
inline constexpr int mfirstrating = mammorating;
