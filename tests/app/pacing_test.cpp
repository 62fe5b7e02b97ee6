// Frame pacing without timed assertions: the present schedule is checked
// on a simulated clock, and the frame loop's presents are counted through
// the platform layer.
#include <gtest/gtest.h>

#include "app/frame_loop.h"
#include "state/game_state.h"
#include "platform/pace_schedule.h"
#include "platform/platform.h"

namespace {

// Frames that draw in no time: the waits alone set the pace.
TEST(PaceSchedule, InstantFramesAreHeldToSixtyASecond) {
  plat::PaceSchedule schedule(60);
  double now = 5000.0;
  const double start = now;
  // 601 presents: the first at once, then 600 a sixtieth of a second apart.
  for (int frame = 0; frame <= 600; ++frame) now += schedule.wait_before_present(now);
  EXPECT_NEAR(now - start, 10000.0, 1.0) << "600 frames must take 10 s";
}

TEST(PaceSchedule, SlowFramesDoNotWaitAndAStallDoesNotBurst) {
  plat::PaceSchedule schedule(60);
  double now = 1000.0;
  EXPECT_EQ(schedule.wait_before_present(now), 0.0) << "the first present waits for nothing";
  // Frames of 20 ms are slower than the schedule: no wait at all, also
  // when the schedule restarts after falling behind.
  for (int frame = 0; frame < 30; ++frame) {
    now += 20.0;
    EXPECT_EQ(schedule.wait_before_present(now), 0.0) << "at " << now << " frame " << frame;
  }
  // After a one-second stall, instant frames run at 60 again, not faster.
  now += 1000.0;
  const double resumed = now;
  for (int frame = 0; frame <= 60; ++frame) now += schedule.wait_before_present(now);
  EXPECT_NEAR(now - resumed, 1000.0, 1.0);
}

// Every pass of the loop presents once, on the schedule.
TEST(FrameLoopPacing, EveryLoopFramePresentsOnTheSchedule) {
  ASSERT_TRUE(plat::init(true));
  if (!plat::display_open()) {
    ASSERT_TRUE(plat::open_display(1024, 768, 0, 60, plat::RendererSoftware));
  }
  const int savedstate = gamestate;
  gamestate = 0;  // no screen: only the message line and overlay
  const int pacer = plat::create_timer(60), idler = plat::create_timer(5);
  const plat::PresentCounts before = plat::present_counts();
  constexpr int kFrames = 12;
  for (int i = 0; i < kFrames; ++i) loopstep(pacer, idler);
  const plat::PresentCounts after = plat::present_counts();
  plat::free_timer(pacer);
  plat::free_timer(idler);
  gamestate = savedstate;
  EXPECT_EQ(after.presents - before.presents, kFrames);
  EXPECT_EQ(after.paced - before.paced, kFrames) << "an unpaced present lets play run too fast";
  EXPECT_LE(after.sleeps - before.sleeps, kFrames);
}

}  // namespace
