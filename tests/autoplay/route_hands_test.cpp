// The machine player's route planning on the shipped complex, and its hands:
// what it asks for arrives in the input tables exactly as a person's keys,
// buttons, wheel and stick would put it there.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/autoplayer/hands.h"
#include "app/autoplayer/member_mind.h"
#include "app/autoplayer/route.h"
#include "app/autoplayer/targets.h"
#include "app/harness/play_driver.h"
#include "app/harness/session.h"
#include "squad/member_fields.h"
#include "squad/squad.h"
#include "input/bindings.h"
#include "input/input.h"
#include "world/map.h"

namespace {

class Route : public ::testing::Test {
 protected:
  void SetUp() override { startsession(SessionSetup{}); }
};

TEST_F(Route, TheNestLiesFiftyFiveDoorsFromTheBaseOverRealDoors) {
  const std::vector<int> path = findroute(baseroom, nestroom);
  ASSERT_EQ(path.size(), 56u);
  EXPECT_EQ(path.front(), baseroom);
  EXPECT_EQ(path.back(), nestroom);
  for (size_t i = 0; i + 1 < path.size(); ++i) {
    EXPECT_NE(doortoward(path[i], path[i + 1]), 0) << path[i] << " to " << path[i + 1];
    EXPECT_NE(doortoward(path[i + 1], path[i]), 0) << "doors work both ways";
  }
  EXPECT_EQ(routelength(nestroom, ammoroom), 49);
  EXPECT_EQ(nextroom(baseroom, baseroom), 0);
  // Every room of the complex can be reached; the outside never.
  for (int r = 1; r <= 255; ++r) EXPECT_GE(routelength(baseroom, r), 0) << "room " << r;
  EXPECT_TRUE(findroute(baseroom, outsideroom).empty());
  EXPECT_EQ(rooms[baseroom][roomrecord][eastroom], outsideroom);
  EXPECT_EQ(doortoward(baseroom, outsideroom), 0) << "the east exit leads nowhere to go";
  EXPECT_EQ(doortoward(baseroom, 0), 0) << "a wall without a door is no way either";
}

TEST_F(Route, WithoutRoundsTheRouteKeepsToDoorsThatNeedNoShot) {
  const int first = nextroom(baseroom, nestroom);
  const int d = doortoward(baseroom, first);
  ASSERT_NE(d, 0);
  EXPECT_TRUE(doorclear(baseroom, d));
  const int p = rooms[baseroom][roomrecord][doorslot(d)];
  rooms[baseroom][wallstate][p + 2] = 1;  // slime in the doorway
  EXPECT_EQ(doorwayslime(baseroom, d), p + 2);
  EXPECT_FALSE(doorclear(baseroom, d));
  EXPECT_EQ(nextroom(baseroom, nestroom), first) << "a member with rounds shoots it away";
  const int detour = nextroom(baseroom, nestroom, true);
  EXPECT_NE(detour, first);
  if (detour != 0) {
    EXPECT_GE(routelength(detour, nestroom), 55);
  }
  // A locked door needs a shot too.
  rooms[baseroom][wallstate][p + 2] = 0;
  rooms[baseroom][roomrecord][doorlockedslot(d)] = 1;
  EXPECT_FALSE(doorclear(baseroom, d));
}

// The rounds a way needs are what decide when the party turns back for
// more: every slimed doorway slot and every locked door on it.
TEST_F(Route, TheShotsAWayNeedsCountItsSlimeAndLockedDoors) {
  const std::vector<int> path = findroute(baseroom, ammoroom);
  ASSERT_GE(path.size(), 3u);
  for (int r : path)
    for (int s = 1; s <= wallslots; ++s) rooms[r][wallstate][s] = 0;
  for (int r : path)
    for (int d = 1; d <= 4; ++d) rooms[r][roomrecord][doorlockedslot(d)] = 0;
  EXPECT_EQ(routeshots(baseroom, ammoroom), 0);
  const int d0 = doortoward(path[0], path[1]), d1 = doortoward(path[1], path[2]);
  const int p0 = rooms[path[0]][roomrecord][doorslot(d0)], p1 = rooms[path[1]][roomrecord][doorslot(d1)];
  rooms[path[0]][wallstate][p0 + 1] = 2;
  rooms[path[0]][wallstate][p0 + 3] = 1;
  rooms[path[1]][roomrecord][doorlockedslot(d1)] = 1;
  rooms[path[1]][roomrecord][dooropenslot(d1)] = 0;
  EXPECT_EQ(routeshots(baseroom, ammoroom), 3);
  rooms[path[1]][wallstate][p1 + 4] = 1;  // the slot after a shut door counts too
  EXPECT_EQ(routeshots(baseroom, ammoroom), 4);
  EXPECT_EQ(routeshots(baseroom, outsideroom), -1);
}

// A member getting its breath back stands still, but never so long that a
// demo seems to hang: it glances now and then.
TEST_F(Route, ARestingMemberStillMovesWithinTenSeconds) {
  const int m = curmember[1];
  ASSERT_GE(m, 1);
  squad[m][mstamina] = 1000;
  MemberMind mind;
  Hands hands;
  Orders orders;
  orders.goal = nestroom;
  int still = 0, longest = 0, rested = 0;
  int cross[2] = {squad[m][mcrossx], squad[m][mcrossy]};
  for (int f = 0; f < 30 * 60 && squad[m][mroom] == baseroom; ++f) {
    hands.begin();
    mind.step(hands, 1, m, orders);
    playframe(hands.finish());
    rested += mind.task() == Task::rest;
    const bool moved = squad[m][mcrossx] != cross[0] || squad[m][mcrossy] != cross[1];
    cross[0] = squad[m][mcrossx], cross[1] = squad[m][mcrossy];
    still = moved ? 0 : still + 1;
    longest = std::max(longest, still);
  }
  EXPECT_GT(rested, 10 * 60) << "it did rest";
  EXPECT_LE(longest, 10 * 60);
}

TEST(Targets, LoopDistancesTakeTheShortWayRound) {
  EXPECT_EQ(loopdelta(100, 300), 200);
  EXPECT_EQ(loopdelta(3300, 20), 48);
  EXPECT_EQ(loopdelta(20, 3300), -48);
  EXPECT_EQ(slimeaim(1).x, 26);
  EXPECT_LT(slimeaim(64).y, 270) << "low enough to take the slime";
}

// Applies the hands' snapshot as the frame loop would.
void apply(Hands& h) { updateinputfrom(h.finish()); }

// Input tables fresh, every entry released (and so ready for a press).
void freshinput() {
  resetinput();
  updateinputfrom(plat::RawInput{});
}

TEST(Hands, TapsPressEveryOtherFrameSoEachCountsAsAHit) {
  freshinput();
  resetbindings();
  Hands h;
  int hits = 0;
  for (int f = 0; f < 10; ++f) {
    h.begin();
    h.tap(keys[1][actshoot]);  // mouse button 1
    apply(h);
    hits += bindinghit(keys[1][actshoot]);
  }
  EXPECT_EQ(hits, 5);
  // Held moves stay down frame after frame.
  for (int f = 0; f < 3; ++f) {
    h.begin();
    h.hold(keys[1][actleft]);
    apply(h);
    EXPECT_EQ(bindingdown(keys[1][actleft]), 1);
  }
}

TEST(Hands, WheelAndStickBindingsReadLikeTheRealDevices) {
  freshinput();
  Hands h;
  constexpr int wheelup = 305, joyone = 400;
  int hits = 0;
  for (int f = 0; f < 6; ++f) {
    h.begin();
    h.tap(wheelup);
    apply(h);
    hits += bindinghit(wheelup);
  }
  EXPECT_EQ(hits, 3);
  h.begin();
  h.hold(joyone + joyright);
  h.hold(joyone + 2);  // button 3
  apply(h);
  EXPECT_EQ(bindingdown(joyone + joyright), 1);
  EXPECT_EQ(bindingdown(joyone + 2), 1);
  EXPECT_EQ(bindingdown(joyone + joyleft), 0);
  h.begin();
  apply(h);
  EXPECT_EQ(bindingdown(joyone + joyright), 0) << "released when not asked for";
}

}  // namespace
