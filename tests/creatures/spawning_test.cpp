// Spawning odds, the queen timer, waves, the power and slime regrowth.
#include "creature_world.h"

#include "creatures/creature_tables.h"
#include "creatures/spawning.h"

namespace creaturetest {
namespace {

constexpr int R = 70;

class Spawning : public CreatureWorld {
 protected:
  static void slime(int r, int slots) {
    for (int s = 1; s <= 64; ++s) rooms[r][wallstate][s] = s <= slots ? 2 : 0;
    rooms[r][wallstate][slimecountslot] = slots;
    rooms[r][wallstate][slimevalidslot] = 1;
  }
  static int eggs() {
    int n = 0;
    for (int i = 1; i <= 100; ++i) n += kindtable[i] == kindegg;
    return n;
  }
};

TEST_F(Spawning, EggShareGrowsWithSlimeFromWaveTwoAndStopsAtNinety) {
  teamstat[1][statwave] = 2;
  struct Case { int slots, eggs; } cases[] = {{5, 0}, {6, 37}, {20, 65}, {32, 89}, {40, 90}, {64, 90}};
  for (auto c : cases) {
    slime(R, c.slots);
    fillkindtable(R);
    EXPECT_EQ(eggs(), c.eggs) << c.slots << " slots";
    for (int i = 1; i <= 100; ++i) ASSERT_EQ(kindtable[i], i <= c.eggs ? kindegg : kindwarrior);
  }
  teamstat[1][statwave] = 1;
  slime(R, 40);
  fillkindtable(R);
  EXPECT_EQ(eggs(), 0) << "wave 1 breeds warriors only";
}

TEST_F(Spawning, RangeAndThresholdFollowTheWaveAndTheSlime) {
  rooms[R][roomrecord][spawnchance] = 170;
  slime(R, 20);
  EXPECT_EQ(spawnrange(R), 100000);
  EXPECT_EQ(spawnthreshold(R), 25);  // 170 x 0.15
  teamstat[1][statwave] = 2;
  EXPECT_EQ(spawnrange(R), 33000);
  EXPECT_EQ(spawnthreshold(R), 38);
  slime(R, 8);
  EXPECT_EQ(spawnrange(R), 66000);
  slime(R, 3);
  EXPECT_EQ(spawnrange(R), 100000);
  teamstat[1][statwave] = 5;
  EXPECT_EQ(spawnthreshold(R), 127);
  teamstat[1][statwave] = 17;
  EXPECT_EQ(spawnthreshold(R), 170);
  slime(248, 20);
  rooms[248][roomrecord][spawnchance] = 170;
  EXPECT_EQ(spawnrange(248), 100000);
}

TEST_F(Spawning, WaveOneSpawnRateIs25In100000) {
  rooms[R][roomrecord][spawnchance] = 170;
  int spawned = 0;
  const int tries = 400000;
  for (int i = 0; i < tries; ++i) {
    rooms[R][roomcreature][ckind] = 0;
    spawnroom(R);
    if (rooms[R][roomcreature][ckind] != 0) {
      EXPECT_EQ(rooms[R][roomcreature][ckind], kindwarrior);
      ++spawned;
    }
  }
  // Expected 100; far outside 55..150 would mean the wrong odds.
  EXPECT_GT(spawned, 55);
  EXPECT_LT(spawned, 150);
}

TEST_F(Spawning, CleanedNestNeverBreedsAQueenButASlimedOneDoes) {
  rooms[248][roomrecord][spawnchance] = 1000000;  // every draw succeeds
  teamstat[1][statwave] = 6;
  slime(248, 0);
  for (int i = 0; i < 1000; ++i) spawnroom(248);
  EXPECT_EQ(creature(248)[ckind], 0);
  slime(248, 1);
  spawnroom(248);
  EXPECT_EQ(creature(248)[ckind], kindqueen);
  EXPECT_EQ(creature(248)[chp], 5);
}

TEST_F(Spawning, CooldownAndLowRoomsKeepRoomsEmpty) {
  rooms[R][roomrecord][spawnchance] = 1000000;
  creature(R)[ccooldown] = 3;
  for (int i = 0; i < 3; ++i) spawnroom(R);
  EXPECT_EQ(creature(R)[ckind], 0);
  spawnroom(R);
  EXPECT_EQ(creature(R)[ckind], kindwarrior);
  rooms[3][roomrecord][spawnchance] = 1000000;
  spawnroom(3);
  EXPECT_EQ(creature(3)[ckind], 0);
}

TEST_F(Spawning, EggsAreLaidOnSlimedSlots) {
  rooms[R][roomrecord][spawnchance] = 1000000;
  teamstat[1][statwave] = 6;
  for (int s = 1; s <= 64; ++s) rooms[R][wallstate][s] = 0;
  for (int s : {10, 11, 30, 31, 32, 33, 34, 35, 50, 51})
    rooms[R][wallstate][s] = 1;
  rooms[R][wallstate][slimecountslot] = 10;
  rooms[R][wallstate][slimevalidslot] = 1;
  int eggsseen = 0;
  for (int i = 0; i < 200; ++i) {
    creature(R)[ckind] = 0;
    spawnroom(R);
    if (creature(R)[ckind] != kindegg) continue;
    ++eggsseen;
    int slot = creature(R)[cposx] / slotwidth;
    EXPECT_GT(rooms[R][wallstate][slot], 0) << creature(R)[cposx];
  }
  EXPECT_GT(eggsseen, 50);
}

TEST_F(Spawning, QueenTimerOnlyUsesEmptyRoomsOtherThanTheNest) {
  for (int seed = 1; seed <= 20; ++seed) {
    SetUp();
    plat::seed_random(seed);
    for (int r = 1; r <= 255; ++r)
      if (r != 90 && r != 248) placecreature(r, kindwarrior, 100, 1);
    queentimer = 1;
    updatenest();
    EXPECT_EQ(queentimer, 0);
    EXPECT_EQ(creature(90)[ckind], kindqueen);
    EXPECT_EQ(creature(90)[chp], 5);
    EXPECT_EQ(creature(248)[ckind], 0);
    for (int r = 1; r <= 255; ++r) {
      if (r != 90 && r != 248) {
        ASSERT_EQ(creature(r)[ckind], kindwarrior);
      }
    }
  }
  // No empty room: nothing is placed or overwritten.
  placecreature(90, kindegg, 100, 1);
  queentimer = 1;
  updatenest();
  EXPECT_EQ(creature(90)[ckind], kindegg);
  EXPECT_EQ(creature(248)[ckind], 0);
}

class Waves : public CreatureWorld {};

TEST_F(Waves, NewWaveEvery10800FramesOpensThePanel) {
  statshown[1][statbrood] = 7;
  statshown[2][statwave] = 3;
  powerslime = -1;
  teamstat[teamrow][statclock] = 10798;
  updatewaves();
  EXPECT_EQ(teamstat[1][statwave], 1);
  EXPECT_EQ(pausestate[panelactive], 0);
  updatewaves();
  EXPECT_EQ(teamstat[teamrow][statclock], 10800);
  EXPECT_EQ(teamstat[1][statwave], 2);
  EXPECT_EQ(teamstat[2][statwave], 2);
  EXPECT_EQ(pausestate[panelactive], 1);
  EXPECT_EQ(pausestate[panelclosing], 0);
  EXPECT_EQ(statshown[1][statbrood], 0);
  EXPECT_EQ(statshown[2][statwave], 0);
  EXPECT_EQ(newwave, 1);
  EXPECT_GE(powerdelay, 500);
  EXPECT_LE(powerdelay, 1500);
  EXPECT_EQ(powertimer, 0);

  teamstat[1][statwave] = 50;
  teamstat[teamrow][statclock] = 10800 * 60;
  updatewaves();
  EXPECT_EQ(teamstat[1][statwave], 50) << "the last wave";
}

TEST_F(Waves, WaveFourCutsThePowerOfGreenAndBrownRoomsAfterItsDelay) {
  rooms[174][wallstate][5] = 1;
  rooms[174][wallstate][slimevalidslot] = 0;
  for (int r = 1; r <= 255; ++r) rooms[r][roomrecord][roomtype] = 1 + r % 5;
  teamstat[1][statwave] = 4;
  powertimer = 0;
  powerdelay = 50;
  teamstat[teamrow][statclock] = 100;
  for (int i = 0; i < 49; ++i) updatewaves();
  EXPECT_EQ(rooms[3][roomrecord][roomdark], 0);
  updatewaves();
  for (int r = 1; r <= 255; ++r) {
    int t = rooms[r][roomrecord][roomtype];
    int expect = (t == 3 || t == 5) ? 1 : 0;
    ASSERT_EQ(rooms[r][roomrecord][roomdark], expect) << r;
    ASSERT_EQ(rooms[r][roomrecord][powercut], expect) << r;
  }
}

TEST_F(Waves, CleaningTheGeneratorRoomRelightsEveryUnbrokenRoom) {
  for (int r = 1; r <= 255; ++r) {
    rooms[r][roomrecord][roomdark] = 1;
    rooms[r][roomrecord][powercut] = 1;
  }
  rooms[77][roomrecord][lampbroken] = 1;  // a broken lamp stays dark
  rooms[174][wallstate][3] = 2;
  updatewaves();
  EXPECT_EQ(powerslime, 1);
  EXPECT_EQ(rooms[5][roomrecord][roomdark], 1);
  rooms[174][wallstate][3] = 0;
  updatewaves();
  EXPECT_EQ(powerslime, -1);
  for (int r = 1; r <= 255; ++r) {
    ASSERT_EQ(rooms[r][roomrecord][powercut], 0);
    ASSERT_EQ(rooms[r][roomrecord][roomdark], r == 77 ? 1 : 0) << r;
  }
  // Once restored, new slime there no longer matters and wave 5 cuts nothing.
  rooms[174][wallstate][3] = 2;
  teamstat[1][statwave] = 5;
  powertimer = 0;
  powerdelay = 1;
  updatewaves();
  EXPECT_EQ(powerslime, -1);
  EXPECT_EQ(rooms[5][roomrecord][roomdark], 0);
}

TEST_F(Waves, SlimeCountsAreRecountedOnlyWhenMarkedInvalid) {
  rooms[R][wallstate][1] = 3;
  rooms[R][wallstate][2] = 1;
  updatewaves();
  EXPECT_EQ(rooms[R][wallstate][slimecountslot], 2);
  EXPECT_EQ(rooms[R][wallstate][slimevalidslot], 1);
  rooms[R][wallstate][3] = 1;
  updatewaves();
  EXPECT_EQ(rooms[R][wallstate][slimecountslot], 2);
  rooms[R][wallstate][slimevalidslot] = 0;
  updatewaves();
  EXPECT_EQ(rooms[R][wallstate][slimecountslot], 3);
}

TEST_F(Waves, SlimeGrowsBackOnlyWhereNobodyWatches) {
  putmember(1, R);
  const int frames = 60 * 3000;  // 3,000 tries per room
  for (int i = 0; i < frames; ++i) updatenest();
  int grown = 0;
  for (int r = 4; r <= 255; ++r) {
    int n = 0;
    for (int s = 1; s <= 64; ++s) n += rooms[r][wallstate][s] > 0;
    if (r == R || r == 174 || r == 248) {
      EXPECT_EQ(n, 0) << r;
    } else if (n > 0) {
      ++grown;
      EXPECT_EQ(n % 16, 0) << "whole walls only";
      EXPECT_EQ(rooms[r][wallstate][slimevalidslot], 0);
    }
  }
  EXPECT_GT(grown, 100);
  for (int r = 1; r <= 3; ++r) EXPECT_EQ(rooms[r][wallstate][1] + rooms[r][wallstate][17], 0);
}

}  // namespace
}  // namespace creaturetest
