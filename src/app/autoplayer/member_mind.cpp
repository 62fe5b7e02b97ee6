#include "app/autoplayer/member_mind.h"

#include <algorithm>

#include "app/autoplayer/aim.h"
#include "app/autoplayer/route.h"
#include "app/autoplayer/targets.h"
#include "state/play_state.h"
#include "creatures/creature_tables.h"
#include "creatures/nest_state.h"
#include "input/bindings.h"
#include "squad/member_fields.h"
#include "squad/member_update.h"
#include "squad/squad.h"
#include "world/doors.h"
#include "world/map.h"

namespace {

// A member rests once its stamina falls below a quarter of its maximum (or
// what a door needs, with room to turn), and walks on at two thirds: above
// a fifth of its maximum it still aims at full speed.
constexpr int restpercent = 25, resumepercent = 66;
constexpr int restfloor = doorstamina + 300;

bool unlimitedammo() { return debugflags[cheatmode] == 1 && debugflags[cheatammo] == 1; }
bool unlimitedstamina() { return debugflags[cheatmode] == 1 && debugflags[cheatstamina] == 1; }

bool canshoot(int m) {
  const int* s = squad[m];
  return s[mstamina] >= shotstamina && (s[mammo] > 0 || unlimitedammo());
}

int restbelow(int m) { return std::max(restfloor, squad[m][mmaxstamina] * restpercent / 100); }
int resumeat(int m) { return squad[m][mmaxstamina] * resumepercent / 100; }

}  // namespace

const char* taskname(Task t) {
  switch (t) {
    case Task::travel: return "travel";
    case Task::door: return "door";
    case Task::fight: return "fight";
    case Task::rescue: return "rescue";
    case Task::clean: return "clean";
    case Task::opendoor: return "open door";
    case Task::rest: return "rest";
    case Task::idle: return "idle";
  }
  return "";
}

void MemberMind::fire(Hands& hands, int p, int m) {
  if (canshoot(m)) hands.tap(keys[p][actshoot]);
}

// Anything that will make a shot in this room: the nest to clean, slime in
// the doorway ahead, the door ahead locked shut.
bool MemberMind::mustshoothere(int m, const Orders& orders, int door) const {
  const int r = squad[m][mroom];
  if (orders.cleannest && r == nestroom && nearestslime(r, 0) != 0) return true;
  if (orders.clearroom && r == orders.goal) return true;
  if (door == 0) return false;
  const int* rec = rooms[r][roomrecord];
  if (rec[doorlockedslot(door)] == 1 && rec[dooropenslot(door)] != 1) return true;
  return doorwayslime(r, door) != 0;
}

void MemberMind::step(Hands& hands, int p, int m, const Orders& orders) {
  const int* s = squad[m];
  if (s[mbusydoor] != 0) {
    task_ = Task::door;
    return;
  }
  const int r = s[mroom];
  const int* c = rooms[r][roomcreature];
  const int kind = c[ckind];

  // Something lunging at the squad comes first.
  if (hunterkind(kind) && c[cmode] == attacking && canshoot(m)) {
    task_ = Task::fight;
    if (steer(hands, p, m, creatureaim(r))) fire(hands, p, m);
    return;
  }
  // Any shot in the colonist's room would lose it: take it along first.
  if (kind == kindcolonist) {
    task_ = Task::rescue;
    const bool aimed = steer(hands, p, m, colonistaim(r));
    const AimPoint at = crosshair(m);
    if (aimed || onrescuebox(r, at.x, at.y)) hands.tap(keys[p][actuse]);
    return;
  }

  const int next = nextroom(r, orders.goal, !canshoot(m));
  const int door = doortoward(r, next);
  const bool shootingahead = mustshoothere(m, orders, door);

  if (!unlimitedstamina()) {
    if (!resting_ && s[mstamina] < restbelow(m)) resting_ = true;
    if (resting_ && s[mstamina] >= resumeat(m)) resting_ = false;
    // A hunter would catch a resting member: deal with it before standing
    // still.
    if (resting_ && !(hunterkind(kind) && canshoot(m))) {
      task_ = Task::rest;
      return;
    }
  }

  // Eggs and cocoons never fight back but hatch or burst in time; a roaming
  // hunter is provoked on purpose before any shot, so it comes at the
  // crosshair rather than at the member's back.
  const bool target = kind == kindegg || kind == kindcocoon ||
                      (hunterkind(kind) && (shootingahead || resting_));
  if (target && canshoot(m)) {
    task_ = Task::fight;
    if (steer(hands, p, m, creatureaim(r))) fire(hands, p, m);
    return;
  }
  if (orders.cleannest && r == nestroom) {
    const int slot = nearestslime(r, crosshair(m).x);
    if (slot != 0) {
      task_ = Task::clean;
      if (steer(hands, p, m, slimeaim(slot))) fire(hands, p, m);
      return;
    }
  }
  travel(hands, p, m, orders);
}

void MemberMind::travel(Hands& hands, int p, int m, const Orders& orders) {
  const int r = squad[m][mroom];
  // Out of rounds, only doors that need no shot lead anywhere.
  const int next = nextroom(r, orders.goal, !canshoot(m));
  const int door = doortoward(r, next);
  if (door == 0) {
    task_ = Task::idle;
    return;
  }
  const int slot = doorwayslime(r, door);
  if (slot != 0) {
    task_ = Task::clean;
    if (steer(hands, p, m, slimeaim(slot))) fire(hands, p, m);
    return;
  }
  const int* rec = rooms[r][roomrecord];
  AimPoint at = dooraim(r, door);
  if (rec[doorlockedslot(door)] == 1 && rec[dooropenslot(door)] != 1) {
    // A door locked by a stray shot at its panel opens to a shot at it.
    task_ = Task::opendoor;
    at.y = slimeaim(1).y;
    if (steer(hands, p, m, at)) fire(hands, p, m);
    return;
  }
  task_ = Task::travel;
  if (steer(hands, p, m, at) && doorusable(m, door)) hands.tap(keys[p][actuse]);
}
