#include "creatures/effects.h"

std::list<t_exp> explist;
std::list<t_death> deathlist;
std::list<t_cor> corlist;
std::list<t_acid> acidlist;
std::list<t_score> scorelist;

void clearlists() {
  explist.clear();
  deathlist.clear();
  corlist.clear();
  acidlist.clear();
  scorelist.clear();
}
