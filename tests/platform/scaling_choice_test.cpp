// Which side scales the picture: the X server while its presents keep pace,
// the game once they keep coming late, the server again on trial.
#include <gtest/gtest.h>

#include "platform/scaling_choice.h"

namespace {

using plat::ScalingChoice;

constexpr double period = 1000.0 / 60;

// Presents `count` frames, every `late_every`-th one late by a half period
// (0: none late); returns how many times the side changed.
int run(ScalingChoice& c, double& now, int count, int late_every) {
  int changes = 0;
  for (int i = 0; i < count; ++i) {
    now += period;
    const bool late = late_every > 0 && i % late_every == 0;
    changes += c.note_present(late ? period / 2 : 0.0, period, now);
  }
  return changes;
}

TEST(ScalingChoice, AServerThatKeepsPaceKeepsTheScalingAndSmallSlipsDoNotMoveIt) {
  ScalingChoice c;
  double now = 0;
  EXPECT_EQ(run(c, now, 60 * 600, 0), 0);
  // One present in ten a little late: within what the pacing absorbs.
  EXPECT_EQ(run(c, now, 60 * 600, 10), 0);
  EXPECT_TRUE(c.server());
  // Late by less than a quarter period counts as on time.
  for (int i = 0; i < 600; ++i) c.note_present(period / 5, period, now += period);
  EXPECT_TRUE(c.server());
}

TEST(ScalingChoice, LatePresentsMoveTheScalingIntoTheGameAndTrialsComeBackLessOften) {
  ScalingChoice c;
  double now = 0;
  run(c, now, 23, 2);  // every other present late: the twelfth moves it
  EXPECT_FALSE(c.server());
  // On time in the game: the server is tried again after the first wait.
  run(c, now, static_cast<int>(ScalingChoice::first_trial_ms / period) - 2, 0);
  EXPECT_FALSE(c.server());
  run(c, now, 3, 0);
  EXPECT_TRUE(c.server()) << "the server is tried again";
  // Still late there: back to the game, and the next trial waits twice as
  // long.
  run(c, now, 23, 2);
  EXPECT_FALSE(c.server());
  const double back = now;
  while (!c.server()) c.note_present(0, period, now += period);
  EXPECT_NEAR(now - back, 2 * ScalingChoice::first_trial_ms, 2 * period);
  // A trial that keeps pace stays.
  EXPECT_EQ(run(c, now, 60 * 600, 0), 0);
  EXPECT_TRUE(c.server());
}

TEST(ScalingChoice, AGameNoFasterWithItsOwnScalingGivesItBack) {
  ScalingChoice c;
  double now = 0;
  run(c, now, 23, 2);
  ASSERT_FALSE(c.server());
  // As late in the game as with the server: the scaling goes back at once,
  // and stays there a while, late or not.
  run(c, now, 60, 2);
  EXPECT_TRUE(c.server());
  EXPECT_EQ(run(c, now, static_cast<int>(ScalingChoice::first_trial_ms / period), 2), 0);
}

}  // namespace
