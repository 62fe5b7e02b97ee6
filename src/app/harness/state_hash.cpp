#include "app/harness/state_hash.h"

#include <cstring>
#include <string>

#include "app/state/game_state.h"
#include "app/state/play_state.h"
#include "creatures/effects.h"
#include "creatures/nest_state.h"
#include "platform/random.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/map.h"

namespace {

// FNV-1a over the bytes of each value, in a fixed order.
struct Hasher {
  uint64_t h = 1469598103934665603ull;

  void bytes(const void* p, size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i) {
      h ^= b[i];
      h *= 1099511628211ull;
    }
  }
  void num(int64_t v) { bytes(&v, sizeof v); }
  void real(double v) {
    // Hash the value, not the representation of a negative zero.
    if (v == 0) v = 0;
    bytes(&v, sizeof v);
  }
  void str(const std::string& s) {
    num(static_cast<int64_t>(s.size()));
    bytes(s.data(), s.size());
  }
  template <class T, size_t N>
  void ints(const T (&a)[N]) {
    bytes(a, sizeof a);
  }
};

}  // namespace

uint64_t statehash() {
  Hasher h;
  h.ints(squad);
  h.ints(squadchar);
  for (const std::string& name : squadname) h.str(name);
  h.ints(rooms);
  h.ints(teamstat);
  h.ints(missionflags);
  h.ints(tickertext);
  h.ints(playerticker);
  h.ints(curmember);
  h.ints(eventflags);
  h.num(RndSeed());
  h.num(numplayers);
  h.num(splitview);
  for (int v : {queentimer, powertimer, powerdelay, powerslime, colonistlost, colonisttimer,
                frametoggle, blinkphase, walktick, walkframe, cyclecount, cyclephase, pulselevel,
                pulsedir, gamestate, alldead, newwave, pausestate[panelactive], pausestate[panelclosing], pausepos})
    h.num(v);
  h.ints(trackcount);
  h.num(static_cast<int64_t>(explist.size()));
  for (const t_exp& r : explist)
    for (int v : {r.rnum, r.x, r.y, r.timer, r.rota}) h.num(v);
  h.num(static_cast<int64_t>(deathlist.size()));
  for (const t_death& r : deathlist) {
    for (int v : {r.rnum, r.x, r.timer, r.id, r.movetimer}) h.num(v);
    h.real(r.y), h.real(r.size), h.real(r.des);
  }
  h.num(static_cast<int64_t>(corlist.size()));
  for (const t_cor& r : corlist)
    for (int v : {r.rnum, r.x, r.y, r.timer, r.id, r.dir, r.corpsetype}) h.num(v);
  h.num(static_cast<int64_t>(acidlist.size()));
  for (const t_acid& r : acidlist)
    for (int v : {r.rnum, r.x, r.timer, r.doorid, r.anim, r.dorp}) h.num(v);
  h.num(static_cast<int64_t>(scorelist.size()));
  for (const t_score& r : scorelist)
    for (int v : {r.rnum, r.x, r.timer}) h.num(v);
  return h.h;
}
