#include "frontend/squad_pick.h"

#include "state/settings.h"
#include "squad/roster.h"

namespace {
bool heldbyother(int s, int n) {
  for (int o = 1; o <= 6; ++o)
    if (o != s && squadpick[o][pickroster] == n) return true;
  return false;
}

bool validpick(int n) { return n >= 1 && n <= rostercount; }
}  // namespace

int stepsquadpick(int s, int dir) {
  int n = validpick(squadpick[s][pickroster]) ? squadpick[s][pickroster] : 1;
  // Six slots among fifteen characters: a free one is always found.
  for (int tries = 0; tries < rostercount; ++tries) {
    n += dir;
    if (n > rostercount) n = 1;
    if (n < 1) n = rostercount;
    if (!heldbyother(s, n)) break;
  }
  squadpick[s][pickroster] = n;
  return n;
}

int squadchoices(int s) {
  int count = 0;
  for (int n = 1; n <= rostercount; ++n)
    if (!heldbyother(s, n) && squadpick[s][pickroster] != n) ++count;
  return count;
}

void movesquadbars() {
  for (int s = 1; s <= 6; ++s) {
    const int n = validpick(squadpick[s][pickroster]) ? squadpick[s][pickroster] : 0;
    for (int a = 1; a <= 4; ++a) {
      const int target = rosterattr[n][a] * 33;
      int& bar = squadpick[s][pickbar(a)];
      if (bar < target) bar = bar + 10 > target ? target : bar + 10;
      else if (bar > target) bar = bar - 10 < target ? target : bar - 10;
    }
  }
}

void sanitisesquadpicks() {
  for (int s = 1; s <= 6; ++s) {
    bool clash = !validpick(squadpick[s][pickroster]);
    for (int o = 1; o < s && !clash; ++o) clash = squadpick[o][pickroster] == squadpick[s][pickroster];
    if (!clash) continue;
    for (int n = 1; n <= rostercount; ++n) {
      bool used = false;
      for (int o = 1; o <= 6; ++o) used = used || (o != s && squadpick[o][pickroster] == n);
      if (!used) {
        squadpick[s][pickroster] = n;
        break;
      }
    }
  }
}
