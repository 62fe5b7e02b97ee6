#include <gtest/gtest.h>

#include <vector>

#include "state/settings.h"
#include "frontend/options_file.h"
#include "input/input.h"
#include "input/keycodes.h"

namespace {

class Snapshot : public ::testing::Test {
 protected:
  void SetUp() override {
    resetinput();
    resetoptions();
    in.joycount = 2;
    frame();  // every device at rest first, which arms each entry
  }
  void frame() { updateinputfrom(in); }
  plat::RawInput in;
};

TEST(SnapshotStart, HeldBeforeTheFirstReleaseIsNoHit) {
  // A key still held from launching the program does not act on the first
  // screen; it counts once it has been released and pressed again.
  resetinput();
  plat::RawInput in;
  in.key[keyenter] = true;
  updateinputfrom(in);
  EXPECT_EQ(gamekeydown(keyenter), 1);
  EXPECT_EQ(gamekeyhit(keyenter), 0);
  in.key[keyenter] = false;
  updateinputfrom(in);
  in.key[keyenter] = true;
  updateinputfrom(in);
  EXPECT_EQ(gamekeyhit(keyenter), 1);
}

TEST_F(Snapshot, HeldKeyAndButtonHitOncePerPress) {
  in.key[keya] = true;
  in.mouse[1] = true;
  int keyhits = 0, mousehits = 0;
  for (int f = 0; f < 30; ++f) {
    frame();
    EXPECT_EQ(gamekeydown(keya), 1);
    EXPECT_EQ(gamemousedown(1), 1);
    keyhits += gamekeyhit(keya);
    mousehits += gamemousehit(1);
  }
  EXPECT_EQ(keyhits, 1);
  EXPECT_EQ(mousehits, 1);

  in.key[keya] = false;
  in.mouse[1] = false;
  frame();
  EXPECT_EQ(gamekeydown(keya), 0);
  EXPECT_EQ(gamekeyhit(keya), 0);
  in.key[keya] = true;
  in.mouse[1] = true;
  frame();
  EXPECT_EQ(gamekeyhit(keya), 1);
  EXPECT_EQ(gamemousehit(1), 1);
}

TEST_F(Snapshot, WheelTurnGivesOneHeldFrameWhateverTheNotches) {
  in.mousez = -5;  // five notches down in one frame
  frame();
  EXPECT_EQ(gamemousedown(4), 1);
  EXPECT_EQ(gamemousehit(4), 1);
  EXPECT_EQ(gamemousedown(5), 0);
  frame();  // no further turn
  EXPECT_EQ(gamemousedown(4), 0);
  EXPECT_EQ(gamemousehit(4), 0);

  in.mousez = -2;  // three notches up
  frame();
  EXPECT_EQ(gamemousedown(5), 1);
  EXPECT_EQ(gamemousehit(5), 1);
  EXPECT_EQ(gamemousedown(4), 0);
  // Turning on in the next frame keeps it held without a second hit.
  in.mousez = 4;
  frame();
  EXPECT_EQ(gamemousedown(5), 1);
  EXPECT_EQ(gamemousehit(5), 0);
  EXPECT_EQ(lastmousez, 4);
}

TEST_F(Snapshot, StickMustPassTheThresholdStrictly) {
  in.joycount = 1;
  struct Case {
    float x, y;
    int left, up, right, down;
  } cases[] = {
      {-0.2f, 0.0f, 0, 0, 0, 0},  // exactly at t = 0.2: not pushed
      {0.2f, 0.2f, 0, 0, 0, 0},
      {0.0f, -0.2f, 0, 0, 0, 0},
      {-0.21f, 0.0f, 1, 0, 0, 0},
      {0.0f, -0.21f, 0, 1, 0, 0},
      {0.21f, 0.21f, 0, 0, 1, 1},
      {-1.0f, 1.0f, 1, 0, 0, 1},
  };
  for (const Case& c : cases) {
    in.joyx[0] = c.x;
    in.joyy[0] = c.y;
    frame();
    EXPECT_EQ(joydownstate[0][joyleft], c.left) << c.x << "," << c.y;
    EXPECT_EQ(joydownstate[0][joyup], c.up) << c.x << "," << c.y;
    EXPECT_EQ(joydownstate[0][joyright], c.right) << c.x << "," << c.y;
    EXPECT_EQ(joydownstate[0][joydown], c.down) << c.x << "," << c.y;
  }

  // Every sensitivity step holds exactly at its own threshold too.
  for (int s = 10; s <= 100; s += 10) {
    settings[setjoysensitivity] = s;
    in.joyx[0] = s / 100.0f;
    in.joyy[0] = 0;
    frame();
    EXPECT_EQ(joydownstate[0][joyright], 0) << s;
  }
  settings[setjoysensitivity] = 50;
  in.joyx[0] = 0.3f;
  frame();
  EXPECT_EQ(joydownstate[0][joyright], 0);
}

TEST_F(Snapshot, JoystickCountIsClampedToTheTables) {
  for (int j = 0; j < maxjoysticks; ++j) in.joybutton[j][0] = true;
  in.joycount = 50;
  frame();
  EXPECT_EQ(joydownstate[20][0], 1);
  in.joycount = -4;
  frame();
  // Joysticks beyond the snapshot's count are not read.
  in.joycount = 1;
  for (int j = 0; j < maxjoysticks; ++j) in.joybutton[j][0] = true;
  resetinput();
  frame();
  EXPECT_EQ(joydownstate[0][0], 1);
  EXPECT_EQ(joydownstate[1][0], 0);
}

TEST_F(Snapshot, FlushhitsClearsHitsButKeepsHeldAndDisarmed) {
  in.key[keyenter] = true;
  in.mouse[1] = in.mouse[2] = in.mouse[3] = true;
  in.joycount = 1;
  in.joybutton[0][3] = true;
  in.joyy[0] = 1.0f;
  frame();
  ASSERT_EQ(gamekeyhit(keyenter), 1);
  flushhits();
  EXPECT_EQ(gamekeyhit(keyenter), 0);
  EXPECT_EQ(gamemousehit(1), 0);
  EXPECT_EQ(gamemousehit(2), 0);
  EXPECT_EQ(gamemousehit(3), 1);  // only the two menu buttons are flushed
  EXPECT_EQ(joyhitstate[0][3][1], 0);
  EXPECT_EQ(joyhitstate[0][joydown][1], 0);
  EXPECT_EQ(gamekeydown(keyenter), 1);
  EXPECT_EQ(gamemousedown(1), 1);
  // Still held next frame: the flushed press is not reported again.
  frame();
  EXPECT_EQ(gamekeyhit(keyenter), 0);
  EXPECT_EQ(gamemousehit(1), 0);
}

TEST_F(Snapshot, RecordedSnapshotsReplayToTheSameTables) {
  std::vector<plat::RawInput> recording;
  in.joycount = 2;
  for (int f = 0; f < 40; ++f) {
    in.key[keya + f % 7] = f % 3 != 0;
    in.mouse[1 + f % 3] = f % 2 == 0;
    in.mousez += (f % 5) - 2;
    in.mousex = f * 7;
    in.joyx[1] = (f % 9) / 4.0f - 1.0f;
    in.joybutton[0][f % 21] = !in.joybutton[0][f % 21];
    frame();
    recording.push_back(lastinput());
  }
  auto tables = [] {
    std::vector<int> t(std::begin(keydownstate), std::end(keydownstate));
    t.insert(t.end(), &keyhitstate[0][0], &keyhitstate[0][0] + sizeof keyhitstate / sizeof(int));
    t.insert(t.end(), std::begin(mousedownstate), std::end(mousedownstate));
    t.insert(t.end(), &mousehitstate[0][0], &mousehitstate[0][0] + sizeof mousehitstate / sizeof(int));
    t.insert(t.end(), &joydownstate[0][0], &joydownstate[0][0] + sizeof joydownstate / sizeof(int));
    t.insert(t.end(), &joyhitstate[0][0][0], &joyhitstate[0][0][0] + sizeof joyhitstate / sizeof(int));
    t.push_back(lastmousez);
    t.push_back(inputmousex);
    return t;
  };
  const std::vector<int> live = tables();
  resetinput();
  for (const plat::RawInput& r : recording) updateinputfrom(r);
  EXPECT_EQ(tables(), live);
}

}  // namespace
