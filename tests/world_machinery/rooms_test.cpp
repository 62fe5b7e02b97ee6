#include "app_play/play_fixture.h"
#include "world/lamps.h"
#include "world/signals.h"
#include "world/worldtables.h"

namespace playtest {
namespace {

class RoomTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    newgame();
  }
};

TEST_F(RoomTest, AmmunitionRoomRefillsOnlyWhatIsMissing) {
  place(1, 28);
  playframe(none());
  EXPECT_EQ(sfxmissing, 0);  // full: nothing to hear
  squad[1][mammo] = 3;
  playframe(none());
  EXPECT_EQ(squad[1][mammo], squad[1][mmaxammo]);
  EXPECT_EQ(sfxmissing, 100);
  EXPECT_EQ(squad[1][mammoflash], 15);
}

TEST_F(RoomTest, MedicalRoomsHealOnlyWithoutHostiles) {
  place(2, 177);
  squad[2][mhealth] = 1;
  for (int kind : {1, 2, 3}) {
    rooms[177][roomcreature][ckind] = kind;
    playframe(none());
    EXPECT_EQ(squad[2][mhealth], 1) << kind;
    EXPECT_EQ(squad[2][mdanger], 1) << kind;
  }
  rooms[177][roomcreature][ckind] = 4;  // an egg does not stop the medics
  playframe(none());
  EXPECT_EQ(squad[2][mhealth], squad[2][mmaxhealth]);
  EXPECT_EQ(squad[2][mhealthflash], 15);
  EXPECT_EQ(squad[2][mdanger], 0);
}

TEST_F(RoomTest, FirstVisitsAreRecordedAndRoom69PaysOnce) {
  rooms[69][roomrecord][visited] = 0;
  rooms[kRoomB][roomrecord][visited] = 0;
  place(3, kRoomB);
  place(4, 69);
  playframe(none());
  EXPECT_EQ(rooms[kRoomB][roomrecord][visited], 1);
  EXPECT_EQ(teamstat[1][statcredit], 2000);
  playframe(none());
  EXPECT_EQ(teamstat[1][statcredit], 2000);
}

TEST_F(RoomTest, EventFlagsTellControlledFromUnwatchedMembers) {
  rooms[kRoomB][roomcreature][ckind] = 1;
  place(3, kRoomB);
  playframe(none());
  EXPECT_EQ(eventflags[eventunguarded], 1);
  EXPECT_EQ(eventflags[eventcontact], 0);
  place(1, generatorroom);
  rooms[kRoomA][roomrecord][alarmroom] = 1;
  place(2, kRoomA);
  playframe(none());
  EXPECT_EQ(eventflags[eventgenerator], 1);
  EXPECT_EQ(eventflags[eventalarm], 0);  // the alarm room holds nobody a player controls
  place(1, kRoomA);
  playframe(none());
  EXPECT_EQ(eventflags[eventalarm], 1);
  rooms[kRoomA][roomrecord][roomdark] = 1;
  playframe(none());
  EXPECT_EQ(eventflags[eventalarm], 0);
}

TEST_F(RoomTest, TrackerBeepsFasterWhenTheCreatureAttacks) {
  int* c = rooms[kRoomA][roomcreature];
  c[ckind] = 1;
  c[cmode] = 1;
  c[capproach] = 20;  // far away: (820 - 20) * 0.075 = 60 frames between beeps
  // The tracker step alone, so the creature holds still at this distance.
  updatesignals();  // first sight beeps at once
  EXPECT_EQ(trackcount[1], 0);
  int beeps = 0;
  for (int f = 0; f < 120; ++f) {
    updatesignals();
    beeps += trackcount[1] == 0;
  }
  EXPECT_EQ(beeps, 2);
  c[cmode] = 2;
  beeps = 0;
  for (int f = 0; f < 120; ++f) {
    updatesignals();
    beeps += trackcount[1] == 0;
  }
  EXPECT_EQ(beeps, 10);
  c[ckind] = 0;
  updatesignals();
  EXPECT_EQ(trackcount[1], 900);
}

TEST_F(RoomTest, AlarmLightsPulseBetween20And100) {
  rooms[kRoomC][roomrecord][alarmroom] = 1;
  rooms[kRoomC][roomrecord][alarmlevel] = 20;
  int lo = 1000, hi = 0;
  for (int f = 0; f < 200; ++f) {
    updatealarms();
    const int v = rooms[kRoomC][roomrecord][alarmlevel];
    lo = std::min(lo, v), hi = std::max(hi, v);
  }
  EXPECT_EQ(lo, 20);
  EXPECT_EQ(hi, 100);
}

TEST_F(RoomTest, FlickeringLampsAlternateUntilThePowerGoes) {
  int* r = rooms[kRoomC][roomrecord];
  r[flickerlamp] = 1;
  r[flickerperiod] = 5;
  r[roomdark] = 1;
  int changes = 0, last = 1;
  for (int f = 0; f < 400; ++f) {
    updatelamps();
    changes += r[roomdark] != last;
    last = r[roomdark];
    ASSERT_GE(r[flickerperiod], 2);
    ASSERT_LE(r[flickerperiod], 60);
  }
  EXPECT_GT(changes, 10);
  r[powercut] = 1;
  r[roomdark] = 1;
  for (int f = 0; f < 100; ++f) updatelamps();
  EXPECT_EQ(r[roomdark], 1);
}

TEST_F(RoomTest, GameStartPlacementSparesTheProtectedRooms) {
  clearroomstate();
  placeworldfeatures();
  int alarms = 0, flicker = 0, broken = 0;
  for (int r = 1; r <= 255; ++r) {
    const int* rec = rooms[r][roomrecord];
    alarms += rec[alarmroom];
    flicker += rec[flickerlamp];
    broken += rec[lampbroken];
    if (r == 2 || r == 3) {
      EXPECT_EQ(rec[alarmroom], 1);
      EXPECT_EQ(rec[alarmlevel], 20);
      continue;
    }
    if (blackoutproof(r)) {
      EXPECT_EQ(rec[alarmroom] + rec[flickerlamp] + rec[lampbroken], 0) << r;
    }
    if (rec[flickerlamp]) {
      EXPECT_EQ(rec[alarmroom], 0) << r;
    }
    if (rec[lampbroken]) {
      EXPECT_EQ(rec[roomdark], 1) << r;
    }
  }
  EXPECT_EQ(alarms, 17);
  EXPECT_GE(flicker, 1);
  EXPECT_LE(flicker, 15);
  EXPECT_GE(broken, 1);
  EXPECT_LE(broken, 10);
}

}  // namespace
}  // namespace playtest
