// The tint of a room: its type's wall colour, brightened to white by shot
// flashes (coloured by the room's channels), night vision, and the alarm
// pulse of a lit alarm room.
#include <algorithm>

#include "state/play_state.h"
#include "creatures/effects.h"
#include "render/room_pass.h"
#include "world/map.h"
#include "world/worldtables.h"

bool roomisdark(int room) { return rooms[room][roomrecord][roomdark] == 1; }
bool roomhasalarm(int room) { return rooms[room][roomrecord][alarmroom] == 1; }

RoomTint roomtint(int room, bool flashlightpass) {
  const bool dark = roomisdark(room);
  int type = std::clamp(rooms[room][roomrecord][roomtype], 0, 5);
  float fr = 1, fg = 1, fb = 1;
  bool flash = false;

  const int masktype = dark ? 6 : type;
  for (const t_exp& e : explist) {
    if (e.rnum != room || e.timer > 10) continue;
    fr = fg = fb = 0.7f + e.timer * 0.04f;
    if (roomcolour[masktype][0][1] == 0) fr /= 2;
    if (roomcolour[masktype][0][2] == 0) fg /= masktype == 5 ? 2 : 1.25f;
    if (roomcolour[masktype][0][3] == 0) fb /= masktype == 5 ? 1.5f : 2;
    flash = true;
  }
  if (dark && debugflags[cheatmode] == 1 && debugflags[cheatnightvision] == 1) {
    fr = fg = fb = 0.33f;
    flash = true;
  }

  int row = type;
  if (dark) row = flashlightpass ? 0 : 6;
  const int set = flash ? 2 : 1;
  int r = std::min(roomcolour[row][set][1], 255);
  int g = std::min(roomcolour[row][set][2], 255);
  int b = std::min(roomcolour[row][set][3], 255);
  if (roomhasalarm(room) && !dark) {
    const int pulse = rooms[room][roomrecord][alarmlevel];
    r = r * pulse / 100;
    g = g * pulse / 100;
    b = b * pulse / 100;
  }
  RoomTint t;
  t.r = static_cast<int>(r * fr);
  t.g = static_cast<int>(g * fg);
  t.b = static_cast<int>(b * fb);
  t.flash = flash;
  t.wantsflashlight = dark && !flash;
  return t;
}
