// The effect lists: corpses bleeding acid onto doors, dying creatures
// growing, flashes and pop-ups running out, removal while walking.
#include "creature_world.h"

#include "creatures/creature_tables.h"

namespace creaturetest {
namespace {

constexpr int R = 80;

class Effects : public CreatureWorld {
 protected:
  static void door(int r, int d, int pos) {
    rooms[r][roomrecord][neighbourslot(d)] = r + 1;
    rooms[r][roomrecord][doorslot(d)] = pos;
  }
  // A roaming warrior at x facing dir, killed by player 1 this frame.
  static void killwarrior(int x, int dir) {
    placecreature(R, kindwarrior, x, dir);
    creature(R)[ckiller] = 1;
    updatecreatures();
    updateeffects();
  }
};

TEST_F(Effects, WarriorKilledBesideADoorLeavesAcidThere3000Frames) {
  door(R, 1, 10);  // spans 520..676
  killwarrior(460, 1);  // moves to 463; acid point 506
  ASSERT_EQ(corlist.size(), 1u);
  ASSERT_EQ(acidlist.size(), 1u);
  EXPECT_EQ(acidlist.front().doorid, 1);
  EXPECT_EQ(acidlist.front().x, 506);
  EXPECT_EQ(acidlist.front().rnum, R);
  for (int i = 1; i < 2999; ++i) updateeffects();
  EXPECT_EQ(acidlist.size(), 1u);
  EXPECT_TRUE(corlist.empty()) << "corpses go after 400 frames";
  updateeffects();
  EXPECT_TRUE(acidlist.empty());
}

TEST_F(Effects, WarriorKilledMidWallOrBeyondReachLeavesNoAcid) {
  door(R, 1, 10);
  killwarrior(1500, 1);
  EXPECT_TRUE(acidlist.empty());
  // Facing away: the acid point is 43 to the left, 48 short of the door.
  corlist.clear();
  killwarrior(420, 2);  // moves to 417, point 374: 374 + 48 < 520
  EXPECT_TRUE(acidlist.empty());
  // Doors to nowhere never get acid.
  rooms[R][roomrecord][neighbourslot(1)] = 0;
  killwarrior(460, 1);
  EXPECT_TRUE(acidlist.empty());
}

TEST_F(Effects, CorpseAtTheSeamBleedsOnTheDoorsOnBothSides) {
  door(R, 4, 61);  // 3172..3328
  door(R, 1, 0);   // 0..156
  killwarrior(3317, 1);  // moves to 3320, point 3363 (that is 35)
  ASSERT_EQ(acidlist.size(), 2u);
  EXPECT_EQ(acidlist.front().doorid, 1);
  EXPECT_EQ(acidlist.back().doorid, 4);
}

TEST_F(Effects, OnlyFreshWarriorAndQueenCorpsesBleed) {
  door(R, 1, 10);
  for (int id : {kindhugger, kindegg, kindcocoon}) {
    corlist.push_back(t_cor{R, 480, 0, 0, id, 1, 0});
  }
  corlist.push_back(t_cor{R, 480, 0, 5, kindwarrior, 1, 0});  // already old
  updateeffects();
  EXPECT_TRUE(acidlist.empty());
  corlist.push_back(t_cor{R, 480, 0, 0, kindqueen, 1, 0});
  updateeffects();
  EXPECT_EQ(acidlist.size(), 1u);
}

TEST_F(Effects, AcidDripsUpAndDown) {
  acidlist.push_back(t_acid{R, 0, 0, 1, 0, 0});
  std::vector<int> seen;
  for (int i = 0; i < 22; ++i) {
    updateeffects();
    seen.push_back(acidlist.front().dorp);
  }
  EXPECT_EQ(seen[9], 10);
  EXPECT_EQ(seen[10], 9);
  EXPECT_EQ(seen[19], 0);
  EXPECT_EQ(seen[20], 1);
}

TEST_F(Effects, DyingHuggerGrowsTwiceAsFastAsADyingWarrior) {
  putmember(1, R);
  placecreature(R, kindwarrior, 1000, 1);
  creature(R)[cmode] = attacking;
  creature(R)[ctarget] = 1;
  creature(R)[capproach] = 9;
  creature(R)[ckiller] = 1;
  updatecreatures();
  placecreature(R, kindhugger, 1000, 1);
  creature(R)[cmode] = attacking;
  creature(R)[ctarget] = 1;
  creature(R)[capproach] = 9;
  creature(R)[ckiller] = 1;
  updatecreatures();
  ASSERT_EQ(deathlist.size(), 2u);
  t_death& w = deathlist.front();
  t_death& h = deathlist.back();
  EXPECT_FLOAT_EQ(w.des, 10);  // it stepped in before it died
  EXPECT_FLOAT_EQ(h.size, 11 * 0.02f + 0.2f);
  for (int i = 0; i < 10; ++i) updateeffects();
  EXPECT_EQ(w.movetimer - 10, 10);
  EXPECT_EQ(h.movetimer - 11, 20);
  EXPECT_FLOAT_EQ(h.size, h.movetimer * 0.02f + 0.2f);
  EXPECT_GT(w.y, 0);
  EXPECT_FLOAT_EQ(h.y, 0);
  for (int i = 0; i < 9; ++i) updateeffects();
  EXPECT_EQ(deathlist.size(), 2u);
  updateeffects();
  EXPECT_TRUE(deathlist.empty()) << "deaths last 20 frames";
}

TEST_F(Effects, RecordsInOneRoomAllAdvanceAndExpiredOnesGoMidWalk) {
  for (int t : {1, 5, 1, 3, 1}) explist.push_back(t_exp{R, 0, 0, t, 0});
  for (int t : {59, 0, 58}) scorelist.push_back(t_score{R, 0, t});
  updateeffects();
  std::vector<int> left;
  for (const t_exp& e : explist) left.push_back(e.timer);
  EXPECT_EQ(left, (std::vector<int>{4, 2}));
  ASSERT_EQ(scorelist.size(), 2u);
  EXPECT_EQ(scorelist.front().timer, 1);
  EXPECT_EQ(scorelist.back().timer, 59);
  updateeffects();
  EXPECT_EQ(scorelist.size(), 1u);
  for (int i = 0; i < 3; ++i) updateeffects();
  EXPECT_TRUE(explist.empty());
}

TEST_F(Effects, BurstCocoonCorpseLastsTwoHundredFrames) {
  corlist.push_back(t_cor{R, 100, 0, 200, kindcocoon, 1, 2});
  corlist.push_back(t_cor{R, 100, 0, 0, kindhugger, 1, 0});
  for (int i = 0; i < 199; ++i) updateeffects();
  EXPECT_EQ(corlist.size(), 2u);
  updateeffects();
  ASSERT_EQ(corlist.size(), 1u);
  EXPECT_EQ(corlist.front().id, kindhugger);
}

}  // namespace
}  // namespace creaturetest
