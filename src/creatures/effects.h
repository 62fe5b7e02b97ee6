// Short-lived things in the rooms: shot flashes, dying creatures, corpses,
// acid on doors and credit pop-ups. Each record names the room it lies in.
// Lists are walked front to back and a record may be removed mid-walk.
#pragma once

#include <list>

struct t_exp {
  int rnum = 0, x = 0, y = 0, timer = 0, rota = 0;
};
struct t_death {
  int rnum = 0, x = 0;
  float y = 0, size = 0;
  int timer = 0, id = 0, movetimer = 0;
  float des = 0;
};
struct t_cor {
  int rnum = 0, x = 0, y = 0, timer = 0, id = 0, dir = 0, corpsetype = 0;
};
struct t_acid {
  int rnum = 0, x = 0, timer = 0, doorid = 0, anim = 0, dorp = 0;
};
struct t_score {
  int rnum = 0, x = 0, timer = 0;
};

extern std::list<t_exp> explist;
extern std::list<t_death> deathlist;
extern std::list<t_cor> corlist;
extern std::list<t_acid> acidlist;
extern std::list<t_score> scorelist;

void clearlists();  // empties all five lists (new game, load)
