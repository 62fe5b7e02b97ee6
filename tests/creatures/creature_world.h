// A small hand-made complex for the creature tests: every room numbered as
// itself with no doors, slime or creatures, the squad alive and outside.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "state/play_state.h"
#include "creatures/closeup.h"
#include "creatures/creature_tables.h"
#include "creatures/creatures.h"
#include "creatures/effects.h"
#include "creatures/nest_state.h"
#include "platform/random.h"
#include "squad/squad.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace creaturetest {

inline int closeups = 0;
inline void countcloseup() { ++closeups; }

class CreatureWorld : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(rooms, 0, sizeof rooms);
    for (int r = 1; r <= 300; ++r) rooms[r][roomrecord][roomid] = r;
    std::memset(squad, 0, sizeof squad);
    for (int m = 1; m <= 6; ++m) {
      squad[m][mroom] = 100 + m;  // each member alone in a quiet room
      squad[m][mhealth] = squad[m][mmaxhealth] = 5;
      squad[m][msex] = 1;
    }
    std::memset(teamstat, 0, sizeof teamstat);
    std::memset(statshown, 0, sizeof statshown);
    teamstat[1][statwave] = teamstat[2][statwave] = 1;
    pausestate[panelactive] = pausestate[panelclosing] = 0;
    newwave = 0;
    numplayers = 1;
    curmember[1] = 1;
    curmember[2] = 0;
    clearlists();
    resetneststate();
    initworldtables();
    plat::seed_random(12345);
    closeups = 0;
    closeuprunner = countcloseup;
  }
  static int* creature(int r) { return rooms[r][roomcreature]; }
  static void putmember(int m, int r) { squad[m][mroom] = r; }
  // Runs n frames of the creature pass only.
  static void frames(int n) {
    for (int i = 0; i < n; ++i) updatecreatures();
  }
};

}  // namespace creaturetest

