// Lamps and alarm lights of every room, advanced once per frame of play.
#pragma once

#include "world/room_fields.h"

// Flickering lamps and the rare lamp failure where the players stand.
void updatelamps();
// Alarm light pulses of every alarm room.
void updatealarms();
// 1 while room r has an alarm and its light is on.
int litalarmroom(int r);
