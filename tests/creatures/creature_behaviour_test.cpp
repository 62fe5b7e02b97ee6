// Creatures roaming, attacking, being shot, hatching, bursting and being lost.
#include "creature_world.h"

#include "creatures/creature_tables.h"
#include "creatures/closeup.h"
#include "state/assets.h"

namespace creaturetest {
namespace {

constexpr int R = 40;

class Hunters : public CreatureWorld {};

TEST_F(Hunters, QueenTakesFiveHitsWhileAttackingAndShrugsOffHitsWhileRoaming) {
  putmember(2, R);
  placecreature(R, kindqueen, 1000, 1, 5);
  // Roaming: no box to hit, but the shot turns her on the shooter.
  EXPECT_EQ(shootcreature(1, 2, 1010, 150), 0);
  EXPECT_EQ(creature(R)[cmode], attacking);
  EXPECT_EQ(creature(R)[ctarget], 2);
  EXPECT_EQ(creature(R)[cposx], 1032);
  EXPECT_EQ(creature(R)[chp], 5);
  EXPECT_EQ(creature(R)[ckiller], 0);

  // Attacking at approach 0 her box is about 39 x 72 around (1032, 93..165).
  for (int hit = 1; hit <= 4; ++hit) {
    EXPECT_EQ(shootcreature(1, 2, 1032, 120), 1);
    EXPECT_EQ(creature(R)[chp], 5 - hit);
    EXPECT_EQ(creature(R)[ckiller], 0) << "hit " << hit;
  }
  EXPECT_EQ(shootcreature(1, 2, 1200, 120), 0) << "a miss beside the box";
  EXPECT_EQ(shootcreature(1, 2, 1032, 120), 1);
  EXPECT_EQ(creature(R)[ckiller], 1);

  updatecreatures();
  EXPECT_EQ(creature(R)[ckind], 0);
  EXPECT_EQ(creature(R)[ccooldown], 100);
  EXPECT_EQ(teamstat[1][statqueens], 1);
  EXPECT_EQ(teamstat[1][statcredit], 1000);
  EXPECT_EQ(teamstat[teamrow][statwarriors], 15);
  ASSERT_EQ(deathlist.size(), 1u);
  EXPECT_EQ(deathlist.front().id, kindqueen);
  EXPECT_TRUE(corlist.empty());
}

TEST_F(Hunters, RoamingWarriorReachesTheSquadIn330FramesWithTwoAnd440WithOne) {
  for (int members : {1, 2, 3}) {
    SetUp();
    for (int m = 1; m <= members; ++m) putmember(m, R);
    placecreature(R, kindwarrior, 500, 1);
    int n = 0;
    while (creature(R)[cmode] == roaming && n < 2000) {
      updatecreatures();
      ++n;
    }
    int expected = members == 1 ? 440 : (members == 2 ? 330 : 264);
    EXPECT_EQ(n, expected) << members << " members";
    EXPECT_EQ(creature(R)[ctarget], 1);
    EXPECT_EQ(creature(R)[capproach], 0);
  }
}

TEST_F(Hunters, HuggerClosesInFasterAndNobodyInTheRoomResetsTheApproach) {
  putmember(1, R);
  placecreature(R, kindhugger, 500, 2);
  frames(10);
  EXPECT_EQ(creature(R)[capproach], 20);  // steps 1 + 2t alternate 3 and 1
  EXPECT_EQ(creature(R)[cposx], 450);
  putmember(1, R + 1);
  frames(1);
  EXPECT_EQ(creature(R)[capproach], 0);
}

TEST_F(Hunters, RoamingCreatureWrapsAroundTheLoop) {
  placecreature(R, kindwarrior, 1, 2);
  frames(1);
  EXPECT_EQ(creature(R)[cposx], 1 - 3 + looplength);
  placecreature(R, kindwarrior, looplength - 1, 1);
  frames(1);
  EXPECT_EQ(creature(R)[cposx], 2);
}

TEST_F(Hunters, AttackerTurnsToAnotherMemberOrRoamsWhenItsTargetLeaves) {
  putmember(1, R);
  putmember(3, R);
  putmember(5, R);
  placecreature(R, kindwarrior, 800, 1);
  creature(R)[cmode] = attacking;
  creature(R)[ctarget] = 1;
  putmember(1, R + 1);
  frames(1);
  EXPECT_EQ(creature(R)[ctarget], 5) << "the last member in squad order";
  EXPECT_EQ(creature(R)[cmode], attacking);
  putmember(5, R + 1);
  squad[3][mdead] = 1;  // dead members do not count
  squad[3][mroom] = 275;
  frames(1);
  EXPECT_EQ(creature(R)[cmode], roaming);
  EXPECT_EQ(creature(R)[ctarget], 0);
  EXPECT_EQ(creature(R)[capproach], 0);
}

TEST_F(Hunters, BlowLandsAfterSeventyFramesAndSendsTheCreatureBackToRoaming) {
  putmember(4, R);
  squad[4][mhealth] = 5;
  placecreature(R, kindqueen, 800, 1, 5);
  creature(R)[cmode] = attacking;
  creature(R)[ctarget] = 4;
  frames(69);
  EXPECT_EQ(squad[4][mhealth], 5);
  frames(1);
  EXPECT_EQ(squad[4][mhealth], 0);
  EXPECT_EQ(squad[4][mhurtflash], 75);
  EXPECT_EQ(creature(R)[cmode], roaming);
  EXPECT_EQ(creature(R)[ctarget], 0);
}

TEST_F(Hunters, ShotRoamingHuggerDiesInItsBoxAndMissesProvokeIt) {
  putmember(1, R);
  placecreature(R, kindhugger, 1000, 1);
  EXPECT_EQ(shootcreature(1, 1, 1060, 268), 1);  // box x 1029..1074, y 265..275
  updatecreatures();
  EXPECT_EQ(creature(R)[ckind], 0);
  EXPECT_EQ(teamstat[1][statbrood], 1);
  EXPECT_EQ(teamstat[1][statcredit], 200);
  ASSERT_EQ(corlist.size(), 1u);
  EXPECT_EQ(corlist.front().id, kindhugger);

  placecreature(R, kindhugger, 1000, 2);  // box now x 927..972
  EXPECT_EQ(shootcreature(2, 1, 1060, 268), 0);
  EXPECT_EQ(creature(R)[cmode], attacking);
  EXPECT_EQ(creature(R)[ckiller], 0);
}

TEST_F(Hunters, EggNearTheSeamIsHitFromTheOtherSide) {
  placecreature(R, kindegg, 3320, 1);  // box 3284..3356 reaches past the seam
  putmember(1, R);
  EXPECT_EQ(shootcreature(1, 1, 10, 250), 1);
  EXPECT_EQ(creature(R)[ckiller], 1);
}

class Hatching : public CreatureWorld {};

TEST_F(Hatching, UnattendedEggHatchesAfter900Frames) {
  placecreature(R, kindegg, 520, 1);
  frames(899);
  EXPECT_EQ(creature(R)[ckind], kindegg);
  frames(1);
  EXPECT_EQ(creature(R)[ckind], kindhugger);
  EXPECT_EQ(creature(R)[cposx], 520);
  EXPECT_EQ(creature(R)[cmode], roaming);
  ASSERT_EQ(corlist.size(), 1u);
  EXPECT_EQ(corlist.front().id, kindegg);
  EXPECT_EQ(corlist.front().timer, 0);
}

TEST_F(Hatching, NoticedCocoonBurstsTwoHundredFramesLaterOnlyWhileSomeoneStays) {
  placecreature(R, kindcocoon, 1000, 1, 1);
  putmember(1, R);
  squad[1][mscroll] = 2000;  // looking the other way
  creaturenotice(1, 1);
  EXPECT_EQ(creature(R)[cseen], 0);
  squad[1][mscroll] = 1078 - 782;  // the cocoon's middle at the right edge of the view
  creaturenotice(1, 1);
  EXPECT_EQ(creature(R)[cseen], 1);
  EXPECT_EQ(creature(R)[cage], 3400);
  EXPECT_EQ(closeups, 1);
  creaturenotice(1, 1);
  EXPECT_EQ(closeups, 1) << "noticed once only";

  frames(100);
  putmember(1, R + 1);
  frames(500);
  EXPECT_EQ(creature(R)[ckind], kindcocoon) << "nobody there: the count stops";
  EXPECT_EQ(creature(R)[cage], 3500);
  putmember(2, R);
  frames(99);
  EXPECT_EQ(creature(R)[ckind], kindcocoon);
  frames(1);
  EXPECT_EQ(creature(R)[ckind], kindwarrior);
  EXPECT_EQ(creature(R)[cposx], 1078);
  // The warrior starts with a clean record: no hit point or noticed flag
  // left over from the cocoon.
  EXPECT_EQ(creature(R)[chp], 0);
  EXPECT_EQ(creature(R)[cseen], 0);
  ASSERT_EQ(corlist.size(), 1u);
  EXPECT_EQ(corlist.front().timer, 200);
  EXPECT_EQ(corlist.front().corpsetype, 2);
}

TEST_F(Hatching, CocoonAcrossTheSeamIsNoticed) {
  placecreature(R, kindcocoon, 3300, 1, 1);  // middle at 3378, that is 50
  putmember(1, R);
  squad[1][mscroll] = -300;
  creaturenotice(1, 1);
  EXPECT_EQ(creature(R)[cseen], 1);
}

TEST_F(Hatching, ShotCocoonLeavesAShortCorpseAndCredit) {
  placecreature(R, kindcocoon, 1000, 1, 1);
  putmember(1, R);
  EXPECT_EQ(shootcreature(1, 1, 1080, 170), 1);  // box 1057..1098, 146..190
  updatecreatures();
  EXPECT_EQ(creature(R)[ckind], 0);
  EXPECT_EQ(teamstat[1][statbrood], 1);
  EXPECT_EQ(teamstat[1][statcredit], 200);
  ASSERT_EQ(corlist.size(), 1u);
  EXPECT_EQ(corlist.front().corpsetype, 0);
  EXPECT_EQ(corlist.front().timer, 200);
}

class Colonists : public CreatureWorld {};

TEST_F(Colonists, AnyShotInTheRoomLosesTheColonistAndTheShotFliesOn) {
  placecreature(R, kindcolonist, 1000, 1);
  putmember(3, R);
  EXPECT_EQ(shootcreature(1, 3, 2500, 100), 0);
  updatecreatures();
  EXPECT_EQ(creature(R)[ckind], 0);
  EXPECT_EQ(colonistlost, 1);
  EXPECT_EQ(teamstat[1][statcredit], 0);
}

TEST_F(Colonists, ColonistWaits480FramesAndIsReplacedAThousandFramesLater) {
  putmember(1, 2);  // the player stands in room 2
  placecreature(R, kindcolonist, 1000, 1);
  frames(479);
  EXPECT_EQ(creature(R)[ckind], kindcolonist);
  EXPECT_EQ(creature(R)[capproach], 200);
  frames(1);
  EXPECT_EQ(creature(R)[ckind], 0);
  for (int i = 0; i < 999; ++i) updatenest();
  EXPECT_EQ(colonistlost, 1);
  updatenest();
  EXPECT_EQ(colonistlost, 0);
  int found = 0;
  for (int r = 1; r <= 255; ++r)
    if (creature(r)[ckind] == kindcolonist) {
      ++found;
      EXPECT_NE(r, 2) << "never in the player's room";
      EXPECT_NE(r, 1);
      EXPECT_NE(r, 248);
    }
  EXPECT_EQ(found, 1);
}

}  // namespace
}  // namespace creaturetest

TEST(CocoonCloseUp, ReachesFullWhiteAndWarnsWhenItsPictureIsMissing) {
  EXPECT_EQ(closeuplevel(100), 255) << "not 254";
  EXPECT_EQ(closeuplevel(5), 13);
  EXPECT_EQ(closeuplevel(0), 0);
  const int kept = img_colonist_big;
  img_colonist_big = 0;
  gfxmissing = 0;
  drawcloseup(100);
  EXPECT_EQ(gfxmissing, 100);
  img_colonist_big = kept;
}
