#include "app_play/play_fixture.h"
#include "squad/member_update.h"
#include "squad/squad_pass.h"

namespace playtest {
namespace {

class MemberTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    newgame();
  }
  // Crosshair x movement of one frame of holding "right" at a stamina share.
  int stepat(int percent) {
    squad[1][mstamina] = squad[1][mmaxstamina] * percent / 100;
    squad[1][mcrossx] = 500;
    playframe(with({bindright}));
    return squad[1][mcrossx] - 500;
  }
};

TEST_F(MemberTest, AimingSpeedFollowsStamina) {
  EXPECT_EQ(stepat(100), 14);
  EXPECT_EQ(stepat(20), 14);
  EXPECT_EQ(stepat(19), 7);
  EXPECT_EQ(stepat(3), 7);
  EXPECT_EQ(stepat(2), 3);
  squad[1][mmaxstamina] = 0;  // a member without a maximum does not divide by zero
  EXPECT_EQ(aimspeed(1), 3);
}

TEST_F(MemberTest, TurningAllTheWayRoundShowsTheSameWall) {
  debugflags[cheatmode] = 1;
  debugflags[cheatstamina] = 1;  // stamina kept full so the speed stays 14
  squad[1][mcrossx] = 876;
  const int start = loopposition(squad[1][mscroll], squad[1][mcrossx]);
  // 1,664 frames at 14 pixels are seven whole turns of 3,328.
  for (int f = 0; f < 1664; ++f) {
    playframe(with({bindright}));
    ASSERT_GE(squad[1][mscroll], scrollmin);
    ASSERT_LE(squad[1][mscroll], scrollmax);
    ASSERT_EQ(squad[1][mcrossx], 876);
  }
  EXPECT_EQ(loopposition(squad[1][mscroll], squad[1][mcrossx]), start);
  EXPECT_EQ(loopposition(-500, 148), 3328 - 474);
  EXPECT_EQ(loopposition(2938, 876), 2938 + 876 - 122 - 3328);
  EXPECT_EQ(loopposition(2574, 876), 0);  // never 3,328: that is slot 65
}

TEST_F(MemberTest, FiringSpendsAmmunitionAndStaminaAndLeavesAFlash) {
  squad[1][maccuracy] = 5;
  aimat(1, 1000, 290);
  const int ammo = squad[1][mammo], stamina = squad[1][mstamina];
  playframe(with({bindfire}));
  EXPECT_EQ(squad[1][mammo], ammo - 1);
  EXPECT_EQ(squad[1][mstamina], stamina - 60);
  EXPECT_EQ(squad[1][mmuzzleflash], 9);  // 10, one frame counted off in the squad pass
  EXPECT_EQ(squad[1][mfired], 1);
  EXPECT_EQ(squad[1][mexerted], 1);
  ASSERT_EQ(explist.size(), 1u);
  EXPECT_EQ(explist.front().rnum, kRoomA);
  EXPECT_EQ(explist.front().x, 1000);
  EXPECT_EQ(explist.front().y, 290);
  EXPECT_EQ(sfxmissing, 100);
  // Holding the key does not fire again.
  playframe(with({bindfire}));
  EXPECT_EQ(squad[1][mammo], ammo - 1);
}

TEST_F(MemberTest, EmptyMagazineOnlyClicks) {
  squad[1][mammo] = 0;
  const int stamina = squad[1][mstamina];
  squad[1][mstamina] = stamina - 1000;
  playframe(with({bindfire}));
  EXPECT_EQ(sfxmissing, 100);
  EXPECT_TRUE(explist.empty());
  EXPECT_EQ(squad[1][mammo], 0);
  EXPECT_EQ(squad[1][mexerted], 0);
  EXPECT_GT(squad[1][mstamina], stamina - 1000);  // rested: nothing was spent
}

TEST_F(MemberTest, TooTiredToFireDoesNothingAtAll) {
  squad[1][mstamina] = 59;
  const int ammo = squad[1][mammo];
  playframe(with({bindfire}));
  EXPECT_EQ(sfxmissing, 0);
  EXPECT_TRUE(explist.empty());
  EXPECT_EQ(squad[1][mammo], ammo);
  EXPECT_EQ(squad[1][mmuzzleflash], 0);
}

TEST_F(MemberTest, RecoilFollowsAccuracy) {
  debugflags[cheatmode] = debugflags[cheatammo] = debugflags[cheatstamina] = 1;
  squad[1][maccuracy] = 5;
  for (int i = 0; i < 20; ++i) {
    aimat(1, 1600, 200);
    tap({bindfire});
    ASSERT_EQ(squad[1][mcrossx], 512);
    ASSERT_EQ(squad[1][mcrossy], 200);
  }
  squad[1][maccuracy] = 1;
  int moved = 0, widest = 0;
  for (int i = 0; i < 200; ++i) {
    aimat(1, 1600, 200);
    playframe(with({bindfire}));
    const int dx = squad[1][mcrossx] - 512, dy = squad[1][mcrossy] - 200;
    ASSERT_LE(std::abs(dx), 36);
    ASSERT_LE(std::abs(dy), 36);
    moved += dx != 0 || dy != 0;
    widest = std::max({widest, std::abs(dx), std::abs(dy)});
    playframe(none());
  }
  EXPECT_GT(moved, 150);
  EXPECT_GT(widest, 30);
}

TEST_F(MemberTest, ShootingSlimeCleansTheSlotUnderTheCrosshair) {
  rooms[kRoomA][wallstate][20] = 2;
  rooms[kRoomA][wallstate][slimevalidslot] = 1;
  aimat(1, 19 * 52 + 10, 280);  // too low: under the slime band
  tap({bindfire});
  EXPECT_EQ(rooms[kRoomA][wallstate][20], 2);
  aimat(1, 19 * 52 + 10, 200);
  tap({bindfire});
  EXPECT_EQ(rooms[kRoomA][wallstate][20], 0);
  // The shot marked the count stale; the same frame's recount finds no slime.
  EXPECT_EQ(rooms[kRoomA][wallstate][slimecountslot], 0);
  EXPECT_EQ(rooms[kRoomA][wallstate][slimevalidslot], 1);
  EXPECT_EQ(teamstat[1][statcredit], 5);
}

TEST_F(MemberTest, ABusyMemberIgnoresInputUntilThroughTheDoor) {
  aimat(1, 56 * 52 + 70, 200);
  playframe(with({binduse}));
  ASSERT_EQ(squad[1][mbusydoor], 4);
  const int crossx = squad[1][mcrossx];
  int frames = 1;
  while (squad[1][mbusydoor] != 0 && frames < 40) {
    playframe(with({bindleft, bindfire}));
    EXPECT_EQ(squad[1][mcrossx], crossx);
    ++frames;
  }
  EXPECT_EQ(frames, 20);
  EXPECT_EQ(squad[1][mroom], kRoomB);
  EXPECT_EQ(squad[1][mbrightness], 10);  // dark in the door, brightening again
  EXPECT_TRUE(explist.empty());
  playframe(with({bindleft}));
  EXPECT_LT(squad[1][mcrossx], crossx);
  EXPECT_EQ(squad[1][mbrightness], 20);
}

TEST_F(MemberTest, AMemberLeftAfterSprintingDoesNotRecover) {
  squad[1][mstamina] = 5000;
  playframe(with({bindright}));
  EXPECT_EQ(squad[1][mexerted], 1);
  tap({key1 + 1});
  const int tired = squad[1][mstamina];
  const int other = squad[2][mstamina] = 4000;
  for (int i = 0; i < 50; ++i) playframe(none());
  EXPECT_EQ(squad[1][mexerted], 1);
  EXPECT_EQ(squad[1][mstamina], tired);
  EXPECT_GT(squad[2][mstamina], other);
}

TEST_F(MemberTest, RestingRecoversHalfPointsForEvenRatings) {
  squad[1][mexerted] = 0, squad[1][mstaminarating] = 2, squad[1][mstaminaregen] = 2;
  EXPECT_EQ(staminagain(1, 10) + staminagain(1, 11), 5);
  squad[1][mstaminarating] = 3, squad[1][mstaminaregen] = 3;
  EXPECT_EQ(staminagain(1, 10) + staminagain(1, 11), 6);
  squad[1][mexerted] = 1;
  EXPECT_EQ(staminagain(1, 11), 0);
  // Recovery never passes the maximum.
  squad[2][mstamina] = squad[2][mmaxstamina] - 1;
  squad[2][mexerted] = 0;
  playframe(none());
  EXPECT_EQ(squad[2][mstamina], squad[2][mmaxstamina]);
}

}  // namespace
}  // namespace playtest

namespace playtest {
namespace {

class MouseAimTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    newgame();
    settings[setmouseaiming] = 1;
  }
  static plat::RawInput at(int x, int y, std::initializer_list<int> held = {}) {
    plat::RawInput in = with(held);
    in.mousex = x;
    in.mousey = y;
    return in;
  }
};

TEST_F(MouseAimTest, ThePointerIsHeldInItsBoxAndTravelCostsStamina) {
  playframe(at(512, 172));
  const int stamina = squad[1][mstamina];
  playframe(at(962, 40));  // 450 + 132 pixels of travel
  EXPECT_EQ(squad[1][mcrossx], 876);
  EXPECT_EQ(squad[1][mcrossy], 93);
  EXPECT_EQ(mousepos[mousenowx], 880);  // pulled back to the box edge
  EXPECT_EQ(mousepos[mousenowy], 89);
  EXPECT_EQ(squad[1][mstamina], stamina - 4 * (582 / 15));
  // Left and right still turn the view while the mouse aims.
  const int scroll = squad[1][mscroll];
  playframe(at(880, 89, {bindright}));
  EXPECT_EQ(squad[1][mscroll], scroll + 14);
}

TEST_F(MouseAimTest, PointerMovesMadeByTheGameCostNoTravel) {
  // Pulled back into its box, the pointer then stands still there.
  playframe(at(512, 172));
  playframe(at(962, 40));
  playframe(at(880, 89));
  EXPECT_EQ(moveflags[1], 0) << "the pull back into the box is not travel";

  // A change of member puts the pointer on the new member's crosshair.
  squad[2][mcrossx] = 300, squad[2][mcrossy] = 250;
  playframe(at(880, 89, {bindnext}));
  ASSERT_EQ(curmember[1], 2);
  playframe(at(300, 250));
  EXPECT_EQ(moveflags[1], 0) << "the jump to the new crosshair is not travel";

  // The gun's kick moves the pointer with the crosshair.
  squad[2][maccuracy] = 1;  // poor accuracy: a kick of up to 36 pixels
  playframe(at(300, 250, {bindfire}));
  ASSERT_FALSE(explist.empty()) << "the shot was fired";
  playframe(at(mousepos[mousenowx], mousepos[mousenowy]));
  EXPECT_EQ(moveflags[1], 0) << "the kick is not travel";
}

}  // namespace
}  // namespace playtest
