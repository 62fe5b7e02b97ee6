// Where the flashlight window falls in each layout, and how a room is
// tinted by its type, shot flashes, darkness, night vision and alarms.
#include <gtest/gtest.h>

#include <cstring>

#include "state/play_state.h"
#include "creatures/effects.h"
#include "render/room_pass.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace {

TEST(FlashlightWindow, CentresOnTheCrosshairAndStaysInsideItsOwnView) {
  const Rect one = flashlightwindow(viewlayout(1, 1), 500, 200);
  EXPECT_EQ(one.x, 410);
  EXPECT_EQ(one.y, 110);
  EXPECT_EQ(one.w, 180);
  EXPECT_EQ(one.h, 180);

  // View 2 with the crosshair at its top: the window starts at the view's
  // top edge and loses the rows above it.
  const Rect low = flashlightwindow(viewlayout(2, 2), 500, 93);
  EXPECT_EQ(low.y, 258);
  EXPECT_EQ(low.h, 180 - (258 - (93 - 90 + 191)));

  // View 1 with the crosshair at its bottom never lights view 2's band.
  const Rect high = flashlightwindow(viewlayout(1, 2), 500, 316);
  EXPECT_EQ(high.y, 316 - 90 - 67);
  EXPECT_EQ(high.y + high.h, 258);

  // Near the side edges the window is cut at the view's sides.
  const Rect left = flashlightwindow(viewlayout(1, 1), 148, 200);
  EXPECT_EQ(left.x, 122);
  EXPECT_EQ(left.w, 148 + 90 - 122);
}

class Tint : public ::testing::Test {
 protected:
  void SetUp() override {
    initworldtables();
    std::memset(rooms, 0, sizeof rooms);
    clearlists();
    debugflags[cheatmode] = debugflags[cheatnightvision] = 0;
  }
};

TEST_F(Tint, TypeDarknessAndNightVision) {
  rooms[5][roomrecord][roomtype] = 1;
  RoomTint t = roomtint(5, false);
  EXPECT_EQ(t.r, 150);
  EXPECT_EQ(t.g, 0);
  EXPECT_FALSE(t.flash);
  EXPECT_FALSE(t.wantsflashlight);

  rooms[5][roomrecord][roomdark] = 1;
  t = roomtint(5, false);
  EXPECT_EQ(t.r, 12);
  EXPECT_EQ(t.g, 12);
  EXPECT_TRUE(t.wantsflashlight);
  // The lit pass shows the neutral walls, whatever the room's type.
  t = roomtint(5, true);
  EXPECT_EQ(t.r, 150);
  EXPECT_EQ(t.b, 150);

  // Night vision only with the cheat mode on as well.
  debugflags[cheatnightvision] = 1;
  EXPECT_TRUE(roomtint(5, false).wantsflashlight);
  debugflags[cheatmode] = 1;
  t = roomtint(5, false);
  EXPECT_FALSE(t.wantsflashlight);
  EXPECT_EQ(t.r, static_cast<int>(255 * 0.33f));
}

TEST_F(Tint, ShotFlashesOfThisRoomOnlyAndTheLastOneDecides) {
  rooms[5][roomrecord][roomtype] = 3;  // green: red and blue channels damped
  explist.push_back({6, 0, 0, 10, 0});  // another room
  EXPECT_FALSE(roomtint(5, false).flash);

  explist.push_back({5, 0, 0, 0, 0});
  explist.push_back({5, 0, 0, 5, 0});
  const RoomTint t = roomtint(5, false);
  EXPECT_TRUE(t.flash);
  const float f = 0.7f + 5 * 0.04f;
  EXPECT_EQ(t.r, static_cast<int>(255 * (f / 2)));
  EXPECT_EQ(t.g, static_cast<int>(255 * f));
  EXPECT_EQ(t.b, static_cast<int>(255 * (f / 2)));

  // A flash lights a dark room completely: no flashlight pass.
  rooms[5][roomrecord][roomdark] = 1;
  EXPECT_FALSE(roomtint(5, false).wantsflashlight);
}

TEST_F(Tint, AlarmPulsesOnlyALitRoom) {
  rooms[5][roomrecord][roomtype] = 2;
  rooms[5][roomrecord][alarmroom] = 1;
  rooms[5][roomrecord][alarmlevel] = 40;
  EXPECT_EQ(roomtint(5, false).b, 150 * 40 / 100);
  rooms[5][roomrecord][roomdark] = 1;
  EXPECT_EQ(roomtint(5, false).b, 12);
}

}  // namespace
