#include "app_play/play_fixture.h"
#include "world/doors.h"

namespace playtest {
namespace {

// Member 1 stands in room A aiming at the doorway of its east door (56).
class DoorTest : public PlayTest {
 protected:
  static constexpr int kPos = 56;
  void SetUp() override {
    PlayTest::SetUp();
    newgame();
    aimat(1, kPos * 52 + 70, 200);
  }
  int* wall() { return rooms[kRoomA][wallstate]; }
  int* rec() { return rooms[kRoomA][roomrecord]; }
};

TEST_F(DoorTest, SlimeInTheDoorwayBlocksIt) {
  EXPECT_EQ(doorusable(1, 4), 1);
  for (int s = kPos + 1; s <= kPos + 3; ++s) {
    wall()[s] = 1;
    EXPECT_EQ(doorusable(1, 4), 0) << s;
    rec()[dooropenslot(4)] = 1;
    EXPECT_EQ(doorusable(1, 4), 0) << "open door, slot " << s;
    rec()[dooropenslot(4)] = 0;
    wall()[s] = 0;
  }
  wall()[kPos + 4] = 3;
  EXPECT_EQ(doorusable(1, 4), 0);
  rec()[dooropenslot(4)] = 1;
  EXPECT_EQ(doorusable(1, 4), 1);
  squad[1][mstamina] = 599;
  EXPECT_EQ(doorusable(1, 4), 0);
}

TEST_F(DoorTest, ShootingOpensTheDoorOnBothSidesAndThePanelLocksIt) {
  tap({bindfire});
  EXPECT_EQ(rec()[dooropenslot(4)], 1);
  EXPECT_EQ(rooms[kRoomB][roomrecord][dooropenslot(2)], 1);
  EXPECT_EQ(rec()[doorlockedslot(4)], 0);

  aimat(1, kPos * 52 + 180, 170);  // the control panel right of the door
  tap({bindfire});
  EXPECT_EQ(rec()[doorlockedslot(4)], 1);
  // Locked, but shot open: still usable.
  aimat(1, kPos * 52 + 70, 200);
  playframe(none());
  EXPECT_EQ(useprompt[1].shown, 1);
  EXPECT_EQ(useprompt[1].x, kPos * 52 - 5);
  playframe(with({binduse}));
  EXPECT_EQ(squad[1][mbusydoor], 4);
}

TEST_F(DoorTest, ALockedClosedDoorAndTheWayOutCannotBeUsed) {
  rec()[doorlockedslot(4)] = 1;
  playframe(with({binduse}));
  EXPECT_EQ(useprompt[1].shown, 0);
  EXPECT_EQ(squad[1][mbusydoor], 0);
  rec()[doorlockedslot(4)] = 0;
  rec()[neighbourslot(4)] = outsideroom;
  tap({binduse});
  EXPECT_EQ(squad[1][mbusydoor], 0);
}

TEST_F(DoorTest, PassingCostsStaminaAndAcidBurns) {
  acidlist.push_back(t_acid{kRoomA, kPos * 52 + 60, 0, 4, 0, 0});
  acidlist.push_back(t_acid{kRoomA, 200, 0, 1, 0, 0});  // another door's acid
  const int health = squad[1][mhealth];
  squad[1][mstamina] = 5000;
  squad[1][mstaminarating] = 3;  // no every-other-frame recovery bonus
  playframe(with({binduse}));
  EXPECT_EQ(squad[1][mhealth], health - 1);
  EXPECT_GT(squad[1][mhurtflash], 0);
  EXPECT_EQ(sfxmissing, 100);
  for (int i = 0; i < 19; ++i) playframe(none());
  EXPECT_EQ(squad[1][mroom], kRoomB);
  // Resting in the doorway, then 600 paid on the frame out.
  EXPECT_EQ(squad[1][mstamina], 5000 + 19 * squad[1][mstaminaregen] - 600);
  EXPECT_EQ(squad[1][mexerted], 1);
}

TEST_F(DoorTest, ARescuePromptHidesTheDoorPrompt) {
  int* c = rooms[kRoomA][roomcreature];
  c[ckind] = 5;
  c[cposx] = kPos * 52 + 70;
  playframe(none());
  EXPECT_EQ(useprompt[1].shown, 1);
  EXPECT_EQ(useprompt[1].x, c[cposx] - 24 - 20);
  EXPECT_EQ(useprompt[1].w, 89);
  playframe(with({binduse}));
  EXPECT_EQ(squad[1][mbusydoor], 0);  // the door was not used
  EXPECT_EQ(c[ckind], 0);
  EXPECT_EQ(c[ccooldown], 99);  // emptied for 100 frames; the creature pass already counted one
  EXPECT_EQ(teamstat[1][statcredit], 5000);
  ASSERT_EQ(scorelist.size(), 1u);
  EXPECT_EQ(scorelist.front().x, kPos * 52 + 70);
}

TEST_F(DoorTest, AColonistAcrossTheSeamCanBeRescued) {
  int* c = rooms[kRoomA][roomcreature];
  c[ckind] = 5;
  c[cposx] = 3320;
  aimat(1, 5, 200);
  playframe(none());
  EXPECT_EQ(useprompt[1].shown, 1);
}

}  // namespace
}  // namespace playtest
