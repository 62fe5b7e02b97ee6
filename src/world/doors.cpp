#include "world/doors.h"

#include "state/assets.h"
#include "state/play_state.h"
#include "audio/sound.h"
#include "creatures/effects.h"
#include "input/bindings.h"
#include "squad/member_update.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace {

// Wall slot s of a room, wrapped onto 1..64.
int wallslot(int s) { return (s - 1 + wallslots) % wallslots + 1; }

bool validroom(int r) { return r >= 1 && r <= 255; }

}  // namespace

int crosshairatdoor(int r, int d, int shotx, int shoty) {
  if (!validroom(r) || rooms[r][roomrecord][neighbourslot(d)] <= 0) return 0;
  const int p = rooms[r][roomrecord][doorslot(d)];
  return indoorspan(p, shotx) && shoty < 274 ? 1 : 0;
}

int doorusable(int m, int d) {
  const int r = squad[m][mroom];
  if (!validroom(r)) return 0;
  const int* rec = rooms[r][roomrecord];
  const int next = rec[neighbourslot(d)];
  if (next <= 0 || next == outsideroom) return 0;
  if (squad[m][mstamina] < doorstamina) return 0;
  const int open = rec[dooropenslot(d)];
  if (rec[doorlockedslot(d)] != 0 && open != 1) return 0;
  const int p = rec[doorslot(d)];
  const int* wall = rooms[r][wallstate];
  for (int s = p + 1; s <= p + 3; ++s)
    if (wall[wallslot(s)] > 0) return 0;
  // Slime just past the doorway only jams a door that still has to slide.
  if (wall[wallslot(p + 4)] > 0 && open != 1) return 0;
  return 1;
}

int shootdoors(int m, int shotx, int shoty) {
  const int r = squad[m][mroom];
  if (!validroom(r)) return 0;
  int* rec = rooms[r][roomrecord];
  for (int d = 1; d <= 4; ++d) {
    const int next = rec[neighbourslot(d)];
    if (next <= 0) continue;
    const int p = rec[doorslot(d)];
    if (crosshairatdoor(r, d, shotx, shoty)) {
      rec[dooropenslot(d)] = 1;
      if (next <= 300) rooms[next][roomrecord][oppositeslot[2 + d]] = 1;
      return 1;
    }
    if (shotx > p * slotwidth + 156 && shotx < p * slotwidth + 208 && shoty > 149 && shoty < 195) {
      rec[doorlockedslot(d)] = 1;
      return 1;
    }
  }
  return 0;
}

void doorcheck(int p, int m, int shotx, int shoty) {
  const int r = squad[m][mroom];
  if (!validroom(r)) return;
  for (int d = 1; d <= 4; ++d) {
    if (!crosshairatdoor(r, d, shotx, shoty) || !doorusable(m, d)) continue;
    const int pos = rooms[r][roomrecord][doorslot(d)];
    UsePrompt& u = useprompt[p];
    u.shown = 1;
    u.x = pos * slotwidth - 5;
    u.y = 72;
    u.w = 166;
    u.h = 193;
    if (actionflags[p][actuse] == 0) continue;
    squad[m][mbusydoor] = d;
    for (int a = 0; a <= 8; ++a) actionflags[p][a] = 0;
    if (rooms[r][roomrecord][dooropenslot(d)] == 0) playsound(snd_door);
    for (const t_acid& acid : acidlist) {
      if (acid.rnum != r || acid.doorid != d) continue;
      squad[m][mhealth] -= 1;
      squad[m][mhurtflash] = 75;
      const int sex = squad[m][msex];
      playsound(sex >= 1 && sex <= 2 ? painsounds[sex] : 0);
    }
    return;
  }
}

int passdoor(int m) {
  const int d = squad[m][mbusydoor];
  if (d < 1 || d > 4) return 0;
  squad[m][mdoortime] += 1;
  if (squad[m][mbrightness] > 0)
    squad[m][mbrightness] = squad[m][mbrightness] > 10 ? squad[m][mbrightness] - 10 : 0;
  if (squad[m][mdoortime] < doorframes) return 0;
  const int r = squad[m][mroom];
  const int next = validroom(r) ? rooms[r][roomrecord][neighbourslot(d)] : 0;
  if (validroom(next)) squad[m][mroom] = next;
  squad[m][mbusydoor] = 0;
  squad[m][mdoortime] = 0;
  return 1;
}
