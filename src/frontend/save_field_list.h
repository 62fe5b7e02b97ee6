// The one list of the game's state. savefields() walks every field a saved
// game holds, in file order; unsavedfields() walks what the state hash also
// covers but a save does not keep. The save writer, checker, loader and
// reset, the state hash, the session reset and the tests all walk these two
// lists, so a field added here is saved, checked, restored, reset and hashed
// alike.
//
// A visitor offers:
//   ints(int* p, size_t n, Check)   n ints, each checked with its index
//   str(std::string&)               a name
//   seed(int&)                      the generator's seed
//   list(std::list<T>&, fn)         an effect list; fn(f, record) calls
//     f.num(int&, check), f.real(float&) for stored fields and
//     f.unsavednum(int&), f.unsavedreal(float&) for fields a save leaves out.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <list>
#include <string>

#include "state/game_state.h"
#include "state/play_state.h"
#include "creatures/effects.h"
#include "creatures/nest_state.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/map.h"

// The seed stored with the game; every load reseeds the generator with it.
extern int rndseed;

namespace savelist {

// ------------------------------------------------------------ value checks
// A check sees a value and its index in the block it was stored with.
using Check = bool (*)(size_t index, int value);

inline bool anyvalue(size_t, int) { return true; }
inline bool roomnumber(int v) { return v >= 0 && v <= outsideroom; }
inline bool creaturekind(int v) { return v >= 0 && v <= 6; }
inline bool anyint(int) { return true; }
inline bool roomfield(int v) { return roomnumber(v); }
inline bool kindfield(int v) { return creaturekind(v); }

// Member fields 4 (room) and 14 (room at death) index the room table.
inline bool squadvalue(size_t i, int v) {
  const size_t field = i % 51;
  return (field == 4 || field == 14) ? roomnumber(v) : true;
}
inline bool rosternumber(size_t, int v) { return v >= 0 && v <= rostercount; }
inline bool membernumber(size_t, int v) { return v >= 0 && v <= 6; }
inline bool playercount(size_t, int v) { return v == 1 || v == 2; }
// The neighbour slots of the room record hold room numbers; slot 1 of the
// creature record is the creature's kind.
inline bool roomvalue(size_t i, int v) {
  const size_t slot = i % 101, record = (i / 101) % 6;
  if (record == roomrecord && slot >= northroom && slot <= eastroom) return roomnumber(v);
  if (record == roomcreature && slot == 1) return creaturekind(v);
  return true;
}

// ------------------------------------------------------------ the field list
template <class V>
void savefields(V& v) {
  v.ints(&squad[0][mslotzero], 7 * memberrecordsize, squadvalue);
  v.ints(squadchar, 7, rosternumber);
  for (std::string& name : squadname) v.str(name);
  v.ints(&rooms[0][0][0], 301 * 6 * 101, roomvalue);
  v.ints(&teamstat[teamrow][statclock], 3 * 6, anyvalue);
  v.ints(missionflags, 4, anyvalue);
  for (int i = 0; i <= 190; ++i) {
    v.ints(&tickertext[i], 1, anyvalue);
    for (int p = 0; p <= 2; ++p) v.ints(&playerticker[p][i], 1, anyvalue);
  }
  v.ints(curmember, 3, membernumber);
  v.ints(eventflags, 11, anyvalue);
  v.seed(rndseed);
  v.ints(&numplayers, 1, playercount);
  v.ints(&splitview, 1, anyvalue);
  for (int* timer : {&queentimer, &powertimer, &powerdelay, &colonistlost, &colonisttimer,
                     &blinkphase, &cyclecount, &cyclephase, &pulsedir, &pulselevel})
    v.ints(timer, 1, anyvalue);
  // movetimer and des of t_death and corpsetype of t_cor are not stored;
  // a restored record has them at 0.
  v.list(explist, [](auto& f, t_exp& r) {
    f.num(r.rnum, roomfield);
    f.num(r.x, anyint);
    f.num(r.y, anyint);
    f.num(r.timer, anyint);
    f.num(r.rota, anyint);
  });
  v.list(deathlist, [](auto& f, t_death& r) {
    f.num(r.rnum, roomfield);
    f.num(r.x, anyint);
    f.real(r.y);
    f.real(r.size);
    f.num(r.timer, anyint);
    f.num(r.id, kindfield);
    f.unsavednum(r.movetimer);
    f.unsavedreal(r.des);
  });
  v.list(corlist, [](auto& f, t_cor& r) {
    f.num(r.rnum, roomfield);
    f.num(r.x, anyint);
    f.num(r.y, anyint);
    f.num(r.timer, anyint);
    f.num(r.id, kindfield);
    f.num(r.dir, anyint);
    f.unsavednum(r.corpsetype);
  });
  v.list(acidlist, [](auto& f, t_acid& r) {
    f.num(r.rnum, roomfield);
    f.num(r.x, anyint);
    f.num(r.timer, anyint);
    f.num(r.doorid, anyint);
    f.num(r.anim, anyint);
    f.num(r.dorp, anyint);
  });
  v.list(scorelist, [](auto& f, t_score& r) {
    f.num(r.rnum, roomfield);
    f.num(r.x, anyint);
    f.num(r.timer, anyint);
  });
}

// What the state hash covers beyond the save: the slime counter of the
// generator room, the creature pass's toggle, the walk animation, the
// screen, the squad-lost and new-wave flags, the panel and the tracker
// counters. None of it needs keeping: a load or a new game sets it afresh.
template <class V>
void unsavedfields(V& v) {
  for (int* value : {&powerslime, &frametoggle, &walktick, &walkframe, &gamestate, &alldead,
                     &newwave, &pausestate[panelactive], &pausestate[panelclosing], &pausepos})
    v.ints(value, 1, anyvalue);
  v.ints(trackcount, 3, anyvalue);
}

}  // namespace savelist
