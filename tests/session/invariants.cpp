#include "session/invariants.h"

#include <list>

#include "state/game_state.h"
#include "state/play_state.h"
#include "creatures/effects.h"
#include "creatures/nest_state.h"
#include "squad/display_anim.h"
#include "squad/member_update.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/map.h"

namespace {

// Effect lists grow with shots and kills and shrink as their timers run out;
// a list this long means records are no longer being removed.
constexpr size_t listlimit = 5000;
// Counters that only ever count up during one game stay far below this.
constexpr int counterlimit = 100000000;

struct Checker {
  std::string broken;

  bool within(const char* what, int index, int v, int lo, int hi) {
    if (!broken.empty()) return false;
    if (v >= lo && v <= hi) return true;
    broken = std::string(what) + "[" + std::to_string(index) + "] = " + std::to_string(v) +
             " outside " + std::to_string(lo) + ".." + std::to_string(hi);
    return false;
  }
};

void members(Checker& c) {
  for (int m = 1; m <= 6; ++m) {
    const int* s = squad[m];
    c.within("squadchar", m, squadchar[m], 1, rostercount);
    c.within("member room", m, s[mroom], 1, outsideroom);
    c.within("member scroll", m, s[mscroll], scrollmin, scrollmax);
    c.within("member aim x", m, s[mcrossx], aimleft, aimright);
    c.within("member aim y", m, s[mcrossy], aimtop, aimbottom);
    c.within("member stamina", m, s[mstamina], 0, s[mmaxstamina]);
    c.within("member ammo", m, s[mammo], 0, s[mmaxammo]);
    // A blow lands after the squad pass, so a member can end a frame below
    // zero; the next pass turns that into death at exactly 0.
    c.within("member health", m, s[mhealth], s[mdead] == 0 ? -5 : 0,
             s[mdead] == 0 ? s[mmaxhealth] : 0);
    c.within("member room at death", m, s[mdeathroom], 0, outsideroom);
    if (squadname[m].empty() || squadname[m].size() > 40) c.within("member name length", m, 0, 1, 40);
  }
  c.within("numplayers", 0, numplayers, 1, 2);
  c.within("splitview", 0, splitview, 0, 2);
  c.within("curmember", 1, curmember[1], 1, 6);
  if (numplayers == 2) {
    c.within("curmember", 2, curmember[2], 1, 6);
    // In shared command the two players never steer the same member.
    if (curmember[1] == curmember[2]) c.within("both players on member", curmember[1], 1, 0, 0);
  } else {
    c.within("curmember", 2, curmember[2], 0, 0);
  }
}

void roomtable(Checker& c) {
  for (int r = 1; r <= outsideroom; ++r) {
    const int* rec = rooms[r][roomrecord];
    for (int d = 1; d <= 4; ++d) c.within("neighbour", r * 10 + d, rec[neighbourslot(d)], 0, outsideroom);
    for (int s = 1; s <= wallslots; ++s) c.within("wall state", r * 100 + s, rooms[r][wallstate][s], 0, 3);
    const int* cr = rooms[r][roomcreature];
    // One creature record per room; rooms past the complex hold none.
    c.within("creature kind", r, cr[ckind], 0, r <= 275 ? 6 : 0);
    if (cr[ckind] == 0) continue;
    c.within("creature x", r, cr[cposx], -looplength, 2 * looplength);
    c.within("creature direction", r, cr[cdirection], 1, 2);
    c.within("creature mode", r, cr[cmode], 0, attacking);
    c.within("creature target", r, cr[ctarget], 0, 6);
    c.within("creature approach", r, cr[capproach], 0, counterlimit);
  }
}

template <class T>
void roomsof(Checker& c, const char* what, const std::list<T>& l) {
  c.within(what, 0, static_cast<int>(l.size()), 0, static_cast<int>(listlimit));
  int i = 0;
  for (const T& r : l) {
    c.within(what, ++i, r.rnum, 1, outsideroom);
    c.within(what, i, r.timer, -1, counterlimit);
  }
}

void counters(Checker& c) {
  c.within("gamestate", 0, gamestate, stateplay, statesquadlost);
  c.within("missionflags", 1, missionflags[missionphase], 0, 2);
  c.within("missionflags", 2, missionflags[missionhome], 0, 1);
  for (int p = 0; p <= 2; ++p)
    for (int k = 0; k <= 5; ++k) c.within("teamstat", p * 10 + k, teamstat[p][k], 0, counterlimit);
  for (int i = 0; i <= 10; ++i) c.within("eventflags", i, eventflags[i], 0, 1);
  for (int p = 1; p <= 2; ++p) c.within("trackcount", p, trackcount[p], 0, counterlimit);
  for (int i = 1; i <= tracelen; ++i) {
    c.within("tickertext", i, tickertext[i], 0, 64);
    c.within("playerticker 1", i, playerticker[1][i], 0, 64);
    c.within("playerticker 2", i, playerticker[2][i], 0, 64);
  }
  c.within("queentimer", 0, queentimer, 0, counterlimit);
  c.within("powertimer", 0, powertimer, 0, counterlimit);
  c.within("colonistlost", 0, colonistlost, 0, 1);
  c.within("colonisttimer", 0, colonisttimer, 0, counterlimit);
  c.within("frametoggle", 0, frametoggle, 0, 1);
  c.within("pausepos", 0, pausepos, 0, 422);
  c.within("pausestate", 1, pausestate[panelactive], 0, 1);
  c.within("blinkphase", 0, blinkphase, 0, 2);
}

}  // namespace

std::string checkinvariants() {
  Checker c;
  members(c);
  roomtable(c);
  roomsof(c, "explist", explist);
  roomsof(c, "deathlist", deathlist);
  roomsof(c, "corlist", corlist);
  roomsof(c, "acidlist", acidlist);
  roomsof(c, "scorelist", scorelist);
  for (const t_death& d : deathlist) c.within("dying kind", d.rnum, d.id, 1, 6);
  for (const t_cor& d : corlist) c.within("corpse kind", d.rnum, d.id, 0, 6);
  counters(c);
  return c.broken;
}
