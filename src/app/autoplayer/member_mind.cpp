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
// Below this share of its maximum (and a door's cost) a member rests
// before going through a door.
constexpr int entrypercent = 30;
// A member standing still (resting, or with nothing to do) looks up or
// down now and then, a few frames of aiming that cost next to nothing, so
// that a demo never seems to hang.
constexpr int glanceafter = 8 * 60, glanceframes = 12, glancereach = 60;

bool unlimitedstamina() { return debugflags[cheatmode] == 1 && debugflags[cheatstamina] == 1; }

bool canshoot(int m) {
  const int* s = squad[m];
  return s[mstamina] >= shotstamina && (s[mammo] > 0 || unlimitedammo());
}

// A hunter shares the room and the member has no shot at it, but breath
// enough for a door.
bool mustflee(int m) {
  const int kind = rooms[squad[m][mroom]][roomcreature][ckind];
  return hunterkind(kind) && !canshoot(m) && squad[m][mstamina] >= doorstamina + 100;
}

int restbelow(int m) { return std::max(restfloor, squad[m][mmaxstamina] * restpercent / 100); }
int resumeat(int m) { return squad[m][mmaxstamina] * resumepercent / 100; }

// The breath a member keeps for the room behind a door: what the door
// costs and what fighting there needs, more for the nest and for a hunter
// known to be there.
int enterwith(int m, int next, int kind) {
  const int max = squad[m][mmaxstamina];
  if (next == nestroom || hunterkind(kind)) return doorstamina + max / 2;
  return doorstamina + max * entrypercent / 100;
}

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

void MemberMind::standstill(Hands& hands, int p, int m, Task task) {
  task_ = task;
  ++stillframes_;
  if (stillframes_ < glanceafter) return;
  const AimPoint at = crosshair(m);
  if (stillframes_ == glanceafter) glancey_ = at.y < (aimtop + aimbottom) / 2 ? at.y + glancereach : at.y - glancereach;
  steer(hands, p, m, {at.x, glancey_});
  if (stillframes_ >= glanceafter + glanceframes) stillframes_ = 0;
}

void MemberMind::step(Hands& hands, int p, int m, const Orders& orders) {
  const int* s = squad[m];
  if (s[mbusydoor] != 0) {
    task_ = Task::door;
    return;
  }
  if (task_ != Task::rest && task_ != Task::idle) stillframes_ = 0;
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
    if (resting_ && !(hunterkind(kind) && canshoot(m)) && !mustflee(m)) {
      standstill(hands, p, m, Task::rest);
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
  int door = doortoward(r, next);
  // A hunter the member cannot shoot: out by any door that needs no shot.
  if (mustflee(m) && (door == 0 || !doorclear(r, door))) door = cleardoor(r);
  if (door == 0) {
    standstill(hands, p, m, Task::idle);
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
  if (!steer(hands, p, m, at) || !doorusable(m, door)) return;
  // Whatever waits behind the door is met with breath to fight it: short
  // of that the member gets its breath back here first, where nothing
  // hunts it (a hunter here is left behind at once).
  const int behind = rooms[next > 0 ? next : r][roomcreature][ckind];
  const bool hunterhere = hunterkind(rooms[r][roomcreature][ckind]);
  if (!hunterhere && !unlimitedstamina() && squad[m][mstamina] < enterwith(m, next, behind)) {
    resting_ = true;
    standstill(hands, p, m, Task::rest);
    return;
  }
  hands.tap(keys[p][actuse]);
}
