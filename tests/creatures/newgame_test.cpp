// Starting a new game on the shipped complex after a game that left every
// table dirty.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "app/replay/state_hash.h"
#include "state/archive.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "audio/music.h"
#include "creatures/creature_tables.h"
#include "creatures/effects.h"
#include "creatures/nest_state.h"
#include "frontend/newgame.h"
#include "platform/random.h"
#include "squad/display_anim.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace {

bool keptclear(int r) {
  return r == 1 || r == 2 || r == 3 || r == 28 || r == 78 || r == 174 || r == 248 ||
         (r >= 177 && r <= 182);
}

class NewGame : public ::testing::Test {
 protected:
  void SetUp() override {
    register_embedded_archive();
    const ArchiveEntry* e = archive_find("game.map");
    ASSERT_NE(e, nullptr);
    loadmapbytes(e->data, e->size);
    initworldtables();
    initroster();
    for (int m = 1; m <= 6; ++m) squadchar[m] = m + 2;
    modeplayers = 1;
    settings[setmouseaiming] = 0;
    std::memcpy(pristine, rooms, sizeof rooms);
  }
  // What a finished game leaves behind.
  static void dirty() {
    for (int r = 1; r <= 300; ++r) {
      for (int s : {11, 14, 19, 22, 25, 28, 29, 30, 98, 99, 100}) rooms[r][roomrecord][s] = 1;
      for (int s = 1; s <= 99; ++s) rooms[r][wallstate][s] = 2;
      for (int s = 1; s <= 11; ++s) rooms[r][roomcreature][s] = 3;
    }
    explist.push_back(t_exp{});
    deathlist.push_back(t_death{});
    corlist.push_back(t_cor{});
    acidlist.push_back(t_acid{});
    scorelist.push_back(t_score{});
    for (int p = 0; p <= 2; ++p)
      for (int k = 0; k <= 5; ++k) teamstat[p][k] = statshown[p][k] = 77;
    for (int m = 1; m <= 6; ++m) {
      for (int f = 0; f <= 50; ++f) squad[m][f] = 9;
    }
    missionflags[missionphase] = missionflags[missionhome] = missionflags[resultspage] = resultssecond;
    pausestate[panelactive] = 1;
    pausepos = 300;
    queentimer = 12;
    powerslime = -1;
    colonistlost = 1;
    colonisttimer = 500;
    alldead = 1;
    newwave = 1;
    gameinprogress = 0;
    tickertext[5] = 50;
    playerticker[2][188] = 1;
  }
  static int count(int kind) {
    int n = 0;
    for (int r = 1; r <= 275; ++r) n += rooms[r][roomcreature][ckind] == kind;
    return n;
  }
  static int slots(int r, int from, int to) {
    int n = 0;
    for (int s = from; s <= to; ++s) n += rooms[r][wallstate][s] > 0;
    return n;
  }
  static inline int pristine[301][6][101];
};

TEST_F(NewGame, EveryTableStartsFresh) {
  dirty();
  plat::seed_random(99);
  newgame();
  EXPECT_TRUE(explist.empty() && deathlist.empty() && corlist.empty() && acidlist.empty() &&
              scorelist.empty());
  EXPECT_EQ(gamestate, stateplay);
  EXPECT_EQ(gameinprogress, 1);
  EXPECT_EQ(alldead, 0);
  EXPECT_EQ(newwave, 0);
  EXPECT_EQ(queentimer, 0);
  EXPECT_EQ(powerslime, 0);
  EXPECT_EQ(colonistlost, 0);
  EXPECT_EQ(colonisttimer, 0);
  EXPECT_EQ(missionflags[missionphase] + missionflags[missionhome] + missionflags[resultspage], 0);
  EXPECT_EQ(pausestate[panelactive], 0);
  EXPECT_EQ(pausepos, 0);
  EXPECT_FLOAT_EQ(pausespeed, 75.0f);
  for (int p = 0; p <= 2; ++p)
    for (int k = 0; k <= 5; ++k) {
      EXPECT_EQ(teamstat[p][k], (p > 0 && k == 4) ? 1 : 0) << p << "," << k;
      EXPECT_EQ(statshown[p][k], 0);
    }
  EXPECT_EQ(tickertext[5], 32);
  EXPECT_EQ(playerticker[2][188], 0);
  EXPECT_EQ(numplayers, 1);
  EXPECT_EQ(splitview, 1);
  EXPECT_EQ(curmember[1], 1);
  EXPECT_EQ(curmember[2], 0);
  EXPECT_EQ(trackcount[1], 800);
  for (int m = 1; m <= 6; ++m) {
    EXPECT_EQ(squad[m][mscroll], 400 * m);
    EXPECT_EQ(squad[m][mroom], 1);
    EXPECT_EQ(squad[m][mdead], 0);
    EXPECT_EQ(squad[m][mfacing], 0) << "fields the roster does not set start at 0";
    EXPECT_EQ(squad[m][mammoflash], 0);
    EXPECT_EQ(squad[m][mhealth], rosterattr[m + 2][4]);
    EXPECT_EQ(squadname[m], rostername[m + 2]);
  }
}

TEST_F(NewGame, TheResetLeavesTheSameStateWhateverCameBeforeAndDrawsNoRandomNumbers) {
  plat::seed_random(5);
  resetgame();
  EXPECT_EQ(plat::random_seed(), 5u) << "the random placement is placegame's alone";
  const uint64_t clean = statehash();

  dirty();
  // Rooms past 275 keep their map values through a new game; put them back.
  for (int r = 276; r <= 300; ++r) std::memcpy(rooms[r], pristine[r], sizeof rooms[r]);
  powertimer = 40, powerdelay = 900, frametoggle = 1;
  walktick = 5, walkframe = 2, cyclecount = 4, cyclephase = 2, pulselevel = 60, pulsedir = 1;
  blinkphase = 1, eventflags[eventgenerator] = 1, curmember[1] = 5, trackcount[2] = 3;
  pausestate[panelclosing] = 1;
  plat::seed_random(5);
  resetgame();
  EXPECT_EQ(statehash(), clean);
}

TEST_F(NewGame, RoomsBeyond275KeepTheirMapValues) {
  dirty();
  std::memcpy(rooms[276], pristine[276], sizeof rooms[0] * 25);
  newgame();
  EXPECT_EQ(std::memcmp(rooms[276], pristine[276], sizeof rooms[0] * 25), 0);
  // Map data of the rooms below survives too.
  for (int r = 1; r <= 255; ++r) {
    ASSERT_EQ(rooms[r][roomrecord][roomid], pristine[r][roomrecord][roomid]);
    ASSERT_EQ(rooms[r][roomrecord][spawnchance], pristine[r][roomrecord][spawnchance]);
    ASSERT_EQ(std::memcmp(rooms[r][roomwall], pristine[r][roomwall], sizeof rooms[0][0]), 0);
  }
}

TEST_F(NewGame, ExitsOpenAndLampsAndAlarmsArePlaced) {
  dirty();
  newgame();
  for (const ExitDoor& e : exitdoors) {
    EXPECT_EQ(rooms[e.room][roomrecord][neighbourslot(e.dir)], outsideroom);
    EXPECT_EQ(rooms[e.room][roomrecord][doorslot(e.dir)], e.pos);
    EXPECT_EQ(rooms[e.room][roomrecord][doorlockedslot(e.dir)], 1);
  }
  EXPECT_EQ(rooms[1][roomrecord][dooropenslot(4)], 1);
  int alarms = 0, flickers = 0, broken = 0;
  for (int r = 1; r <= 275; ++r) {
    const int* rec = rooms[r][roomrecord];
    alarms += rec[alarmroom] == 1;
    flickers += rec[flickerlamp] == 1;
    broken += rec[lampbroken] == 1;
    if (rec[alarmroom] == 1) {
      EXPECT_TRUE(!keptclear(r) || r == 2 || r == 3) << r;
      EXPECT_EQ(rec[alarmlevel], 20);
      EXPECT_EQ(rec[flickerlamp], 0) << "no flicker in an alarm room";
    }
    if (rec[flickerlamp] == 1) {
      EXPECT_FALSE(keptclear(r));
      EXPECT_GE(rec[flickerperiod], 2);
      EXPECT_LE(rec[flickerperiod], 20);
    }
    if (rec[lampbroken] == 1) {
      EXPECT_FALSE(keptclear(r));
      EXPECT_EQ(rec[roomdark], 1);
    }
    EXPECT_EQ(rec[visited], 0) << "no room visited yet";
    EXPECT_EQ(rec[powercut], 0);
  }
  EXPECT_EQ(alarms, 17);
  EXPECT_GE(flickers, 1);
  EXPECT_LE(flickers, 15);
  EXPECT_GE(broken, 1);
  EXPECT_LE(broken, 10);
}

TEST_F(NewGame, CreaturesAndSlimeArePlaced) {
  for (uint32_t seed = 1; seed <= 30; ++seed) {
    dirty();
    plat::seed_random(seed);
    newgame();
    ASSERT_EQ(count(kindcocoon), 9) << "seed " << seed;
    ASSERT_EQ(count(kindcolonist), 1) << "seed " << seed;
    EXPECT_EQ(count(kindwarrior) + count(kindhugger) + count(kindqueen) + count(kindegg), 0);
    EXPECT_EQ(slots(248, 1, 64), 64);
    EXPECT_EQ(slots(174, 1, 32), 32);
    EXPECT_EQ(slots(174, 33, 64), 0);
    int slimed = 0;
    for (int r = 1; r <= 275; ++r) {
      const int* c = rooms[r][roomcreature];
      if (c[ckind] == kindcolonist) {
        EXPECT_NE(r, 1);
        EXPECT_NE(r, 248);
        // Its room is never slimed: a cocoon placed there would replace it.
        if (r != 174) {
          EXPECT_EQ(slots(r, 1, 64), 0) << "seed " << seed;
        }
      }
      if (r == 174 || r == 248) continue;
      int n = slots(r, 1, 64);
      if (n == 0) {
        EXPECT_NE(c[ckind], kindcocoon);
        continue;
      }
      ++slimed;
      EXPECT_GE(r, 4);
      ASSERT_EQ(n, 16) << "one whole wall in room " << r;
      int q = 1;
      while (rooms[r][wallstate][16 * q] == 0) ++q;
      EXPECT_EQ(slots(r, 16 * q - 15, 16 * q), 16);
      if (c[ckind] == kindcocoon) {
        EXPECT_GE(c[cposx], 52 * (16 * q - 15) + 16);
        EXPECT_LE(c[cposx], 52 * 16 * q - 172);
        EXPECT_EQ(c[chp], 1);
        EXPECT_EQ(c[cseen], 0);
      }
      for (int s = 1; s <= 64; ++s) ASSERT_LE(rooms[r][wallstate][s], slimemax);
    }
    EXPECT_EQ(slimed, 50) << "seed " << seed;
    for (int r = 1; r <= 275; ++r) {
      const int* c = rooms[r][roomcreature];
      ASSERT_GE(c[cposx], 0);
      ASSERT_LE(c[cposx], looplength);
      ASSERT_TRUE(c[cdirection] == 1 || c[cdirection] == 2);
      if (c[ckind] == 0) {
        ASSERT_EQ(c[ccooldown] + c[ckiller] + c[capproach], 0);
      }
    }
  }
}

TEST_F(NewGame, HostilePicksAndModesStayInBounds) {
  dirty();
  squadchar[1] = -4;
  squadchar[2] = 16;
  squadchar[3] = 1 << 30;
  modeplayers = 9;
  splitoption = 5;
  newgame();
  EXPECT_EQ(numplayers, 1);
  EXPECT_EQ(curmember[2], 0);
  for (int m = 1; m <= 3; ++m) {
    EXPECT_FALSE(squadname[m].empty());
    EXPECT_GE(squad[m][mhealth], 1);
  }
  modeplayers = 2;
  newgame();
  EXPECT_EQ(numplayers, 2);
  EXPECT_EQ(splitview, 5) << "any value but 1 means split command";
  EXPECT_EQ(curmember[2], 4);
  splitoption = 0;
}

}  // namespace
