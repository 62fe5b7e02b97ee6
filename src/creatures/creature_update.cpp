// One frame of every room's creature, rooms 1 to 255 in order; empty rooms
// are handed to the spawner.
#include "state/assets.h"
#include "state/play_state.h"
#include "audio/sound.h"
#include "creatures/creature_tables.h"
#include "creatures/creatures.h"
#include "creatures/effects.h"
#include "creatures/nest_state.h"
#include "creatures/spawning.h"
#include "platform/random.h"
#include "squad/credit.h"
#include "squad/squad.h"
#include "world/map.h"

namespace {

// Credit, score flash and kill counter for the player whose shot killed.
void creditkill(int p, int kind) {
  if (p < 1 || p > 2) return;
  givecredit(p, cpoints[kind]);
  if (killcounter[kind] > 0) teamstat[p][killcounter[kind]] += 1;
}

void addcorpse(int r, const int* c, int id, int timer, int corpsetype) {
  t_cor k;
  k.rnum = r;
  k.x = c[cposx];
  k.timer = timer;
  k.id = id;
  k.dir = c[cdirection];
  k.corpsetype = corpsetype;
  corlist.push_back(k);
}

int painsound(int m) {
  int sex = squad[m][msex] == 2 ? 2 : 1;
  return painsounds[sex];
}

void roam(int r, int* c) {
  int kind = c[ckind];
  c[cposx] += c[cdirection] == 1 ? cspeed[kind] : -cspeed[kind];

  int first = 0;
  int n = membersinroom(r, &first);
  int t = frametoggle;
  int step = n == 1 ? t + 1 : (n == 2 ? 2 : t + 2);
  if (kind == kindhugger) step += t;
  if (n > 0) {
    c[capproach] += step;
    if (c[capproach] >= 660) {
      c[cposx] += clunge[kind];
      c[capproach] = 0;
      c[cmode] = attacking;
      c[ctarget] = first;
    }
  } else {
    c[capproach] = 0;
  }

  if (c[cposx] < 0) c[cposx] += looplength;
  if (c[cposx] > looplength) c[cposx] -= looplength;

  if (c[ckiller] != 0) {
    creditkill(c[ckiller], kind);
    c[ckiller] = 0;
    playsoundat(kind <= kindhugger ? deathsounds[kind][deathfar] : deathsounds[kind][deathnear], acrossview(r, c[cposx]));
    addcorpse(r, c, kind, 0, 0);
    emptyroom(r);
  }
}

void attack(int r, int* c) {
  int kind = c[ckind];
  if (c[capproach] == 0 && iscontrolledroom(r)) playsoundat(attacksounds[kind], acrossview(r, c[cposx]));

  int tg = c[ctarget];
  if (tg < 1 || tg > 6 || squad[tg][mroom] != r || squad[tg][mdead] != 0) {
    int last = 0;
    membersinroom(r, nullptr, &last);
    c[ctarget] = last;
    if (last == 0) {
      c[cmode] = roaming;
      c[capproach] = 0;
    }
  }

  if (c[cmode] == attacking) {
    c[capproach] += kind == kindhugger ? 2 : 1;
    if (c[capproach] >= 70 && c[ckiller] == 0) {
      int m = c[ctarget];
      squad[m][mhealth] -= cdamage[kind];
      squad[m][mhurtflash] = 75;
      playsound(painsound(m));
      c[cmode] = roaming;
      c[capproach] = 0;
      c[ctarget] = 0;
    }
  }

  if (c[ckiller] != 0) {
    creditkill(c[ckiller], kind);
    c[ckiller] = 0;
    playsoundat(deathsounds[kind][deathnear], acrossview(r, c[cposx]));
    t_death d;
    d.rnum = r;
    d.x = c[cposx];
    d.id = kind;
    d.des = static_cast<float>(c[capproach]);
    d.size = creaturesize(kind, static_cast<float>(c[capproach]));
    deathlist.push_back(d);
    emptyroom(r);
  }
}

void egg(int r, int* c) {
  c[cage] += 1;
  if (c[cage] >= 900) {
    addcorpse(r, c, kindegg, 0, 0);
    placecreature(r, kindhugger, c[cposx], Rand(1, 2));
    return;
  }
  if (c[ckiller] != 0) {
    creditkill(c[ckiller], kindegg);
    c[ckiller] = 0;
    playsoundat(deathsounds[kindegg][deathnear], acrossview(r, c[cposx]));
    addcorpse(r, c, kindegg, 0, 0);
    emptyroom(r);
  }
}

void cocoon(int r, int* c) {
  if (membersinroom(r) > 0) c[cage] += 1;
  bool watched = c[cseen] == 1 && iscontrolledroom(r);
  if (watched && c[cage] == 3405) playsoundat(snd_killme, acrossview(r, c[cposx]));
  if (watched && c[cage] == 3500) playsoundat(snd_bursting, acrossview(r, c[cposx]));
  if (c[cage] >= 3600) {
    if (watched) playsoundat(snd_burst, acrossview(r, c[cposx]));
    addcorpse(r, c, kindcocoon, 200, 2);
    int x = c[cposx] + 78;
    placecreature(r, kindwarrior, x, Rand(1, 2));
    return;
  }
  if (c[ckiller] != 0) {
    creditkill(c[ckiller], kindcocoon);
    c[ckiller] = 0;
    playsoundat(deathsounds[kindcocoon][deathnear], acrossview(r, c[cposx]));
    addcorpse(r, c, kindcocoon, 200, 0);
    emptyroom(r);
  }
}

void colonist(int r, int* c) {
  c[capproach] = 200;
  c[cage] += 1;
  if (c[cage] >= 480 || c[ckiller] != 0) {
    c[ckiller] = 0;
    emptyroom(r);
    colonistlost = 1;
    colonisttimer = 0;
  }
}

}  // namespace

void updatecreatures() {
  frametoggle = 1 - frametoggle;
  for (int r = 1; r <= 255; ++r) {
    int* c = rooms[r][roomcreature];
    switch (c[ckind]) {
      case kindnone: spawnroom(r); break;
      case kindwarrior:
      case kindhugger:
      case kindqueen:
        if (c[cmode] == attacking) attack(r, c);
        else roam(r, c);
        break;
      case kindegg: egg(r, c); break;
      case kindcolonist: colonist(r, c); break;
      case kindcocoon: cocoon(r, c); break;
      default: break;  // an unknown kind is left alone
    }
  }
}
