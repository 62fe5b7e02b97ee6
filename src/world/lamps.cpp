#include "world/lamps.h"

#include "state/assets.h"
#include "state/play_state.h"
#include "audio/sound.h"
#include "platform/random.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/map.h"

namespace {

void flicker(int* rec) {
  if (rec[flickerlamp] != 1 || rec[lampbroken] != 0 || rec[powercut] != 0) return;
  rec[flickercount] += 1;
  if (rec[flickercount] < rec[flickerperiod]) return;
  rec[flickercount] = 0;
  if (rec[flickerphase] == 0) {
    rec[roomdark] = 0;
    rec[flickerphase] = 1;
    rec[flickerperiod] = Rand(2, 20);
  } else {
    rec[roomdark] = 1;
    rec[flickerphase] = 0;
    rec[flickerperiod] = Rand(4, 60);
  }
}

// A lamp where a player stands may give out; it stays broken.
void maybebreak(int r) {
  if (r < 1 || r > 255 || blackoutproof(r)) return;
  int* rec = rooms[r][roomrecord];
  if (rec[roomdark] != 0) return;
  if (Rand(1, 50000) != 24927) return;
  rec[roomdark] = 1;
  rec[lampbroken] = 1;
  playsound(snd_lamp);
}

int memberroom(int p) {
  const int m = curmember[p];
  return m >= 1 && m <= 6 ? squad[m][mroom] : 0;
}

}  // namespace

void updatelamps() {
  for (int r = 1; r <= 255; ++r) flicker(rooms[r][roomrecord]);
  maybebreak(memberroom(1));
  maybebreak(memberroom(numplayers == 2 ? 2 : 1));
}

void updatealarms() {
  for (int r = 1; r <= 255; ++r) {
    int* rec = rooms[r][roomrecord];
    if (rec[alarmroom] != 1) continue;
    if (rec[alarmdir] == 0) {
      rec[alarmlevel] += 2;
      if (rec[alarmlevel] >= 100) {
        rec[alarmlevel] = 100;
        rec[alarmdir] = 1;
      }
    } else {
      rec[alarmlevel] -= 2;
      if (rec[alarmlevel] <= 20) {
        rec[alarmlevel] = 20;
        rec[alarmdir] = 0;
      }
    }
  }
}

int litalarmroom(int r) {
  if (r < 1 || r > 255) return 0;
  const int* rec = rooms[r][roomrecord];
  return rec[alarmroom] == 1 && rec[roomdark] == 0 ? 1 : 0;
}
