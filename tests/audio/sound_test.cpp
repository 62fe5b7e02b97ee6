#include <gtest/gtest.h>

#include "state/assets.h"
#include "state/settings.h"
#include "audio/sound.h"
#include "audio_fixture.h"

namespace {

class Sound : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(audio_ready());
    initsounds();
    snd_alarm = plat::load_sound("incbin::data\\sfx\\alarm.wav", 0);
    alertsounds[0] = plat::load_sound("incbin::data\\sfx\\alert_low.wav", 0);
    snd_generator = plat::load_sound("incbin::data\\sfx\\generator.wav", 0);
    snd_tick = plat::load_sound("incbin::data\\sfx\\tick.wav", 0);
    attacksounds[4] = plat::load_sound("incbin::data\\sfx\\attack_4.wav", 0);  // not shipped
  }
  void SetUp() override {
    resetsettings();
    sfxmissing = 0;
    updateloopsounds(0, 0, 0);
  }
  void TearDown() override { updateloopsounds(0, 0, 0); }
};

TEST_F(Sound, PlaysOnlyWithSoundOnAndWarnsOnlyThen) {
  ASSERT_NE(snd_tick, 0);
  ASSERT_EQ(attacksounds[4], 0);
  EXPECT_NE(sparechannel, 0);

  const int ch = playsound(snd_tick);
  EXPECT_NE(ch, sparechannel);
  EXPECT_TRUE(plat::channel_playing(ch));
  plat::stop_channel(ch);
  EXPECT_EQ(sfxmissing, 0);

  EXPECT_EQ(playsound(attacksounds[4]), sparechannel);
  EXPECT_EQ(sfxmissing, 100);

  settings[setsound] = 0;
  sfxmissing = 0;
  EXPECT_EQ(playsound(attacksounds[4]), sparechannel);
  EXPECT_EQ(sfxmissing, 0);
  EXPECT_EQ(playsound(snd_tick), sparechannel);
  EXPECT_FALSE(plat::channel_playing(sparechannel));
}

TEST_F(Sound, LoopingChannelsFollowTheirConditions) {
  ASSERT_NE(snd_alarm, 0);
  updateloopsounds(1, 0, 1);
  EXPECT_TRUE(plat::channel_playing(loopchannel[1]));
  EXPECT_FALSE(plat::channel_playing(loopchannel[2]));
  EXPECT_TRUE(plat::channel_playing(loopchannel[3]));

  // Still wanted and still playing: the same channel keeps it.
  const int alarm = loopchannel[1];
  updateloopsounds(1, 1, 1);
  EXPECT_EQ(loopchannel[1], alarm);
  EXPECT_TRUE(plat::channel_playing(loopchannel[2]));

  // A sound that has ended starts again while its condition holds.
  plat::stop_channel(loopchannel[1]);
  updateloopsounds(1, 1, 0);
  EXPECT_TRUE(plat::channel_playing(loopchannel[1]));
  EXPECT_FALSE(plat::channel_playing(loopchannel[3]));

  updateloopsounds(0, 0, 0);
  for (int i = 1; i <= 3; ++i) EXPECT_FALSE(plat::channel_playing(loopchannel[i])) << i;
}

TEST_F(Sound, LoopingChannelsStaySilentWithSoundOff) {
  settings[setsound] = 0;
  for (int f = 0; f < 3; ++f) {
    updateloopsounds(1, 1, 1);
    for (int i = 1; i <= 3; ++i) {
      EXPECT_EQ(loopchannel[i], sparechannel) << i;
      EXPECT_FALSE(plat::channel_playing(loopchannel[i])) << i;
    }
  }
  EXPECT_EQ(sfxmissing, 0);
  // Sound back on: the loops pick up on the next frame.
  settings[setsound] = 1;
  updateloopsounds(1, 0, 0);
  EXPECT_TRUE(plat::channel_playing(loopchannel[1]));
}

TEST_F(Sound, LoopingChannelsPlayRoundWithoutEndingWhileWanted) {
  // The low alert lasts 0.8 s; held for longer, it is still the same
  // playback, looped by the mixer rather than started again after a gap.
  const int tick_channel = playsound(snd_tick);
  updateloopsounds(0, 1, 0);
  const int alert = loopchannel[2];
  ASSERT_TRUE(plat::channel_playing(alert));
  const int alert_ms = plat::sound_length_ms(alertsounds[0]);
  ASSERT_GT(alert_ms, 0);
  plat::delay(alert_ms + 400);
  // The mixer did advance: the one-shot tick has long ended.
  EXPECT_FALSE(plat::channel_playing(tick_channel));
  updateloopsounds(0, 1, 0);
  EXPECT_EQ(loopchannel[2], alert);
  EXPECT_TRUE(plat::channel_playing(alert));
}

TEST_F(Sound, LoopsStopWithinAFrameOfSoundOffOrPlayEnding) {
  updateloopsounds(1, 1, 1);
  for (int i = 1; i <= 3; ++i) ASSERT_TRUE(plat::channel_playing(loopchannel[i])) << i;

  // A frame that updates the loops keeps them; one that does not (a menu,
  // the pause panel, the game in the background) stops them at its end.
  endloopframe();
  for (int i = 1; i <= 3; ++i) EXPECT_TRUE(plat::channel_playing(loopchannel[i])) << i;
  endloopframe();
  for (int i = 1; i <= 3; ++i) EXPECT_FALSE(plat::channel_playing(loopchannel[i])) << i;

  // Back in play they start again; sound switched off silences them at once.
  updateloopsounds(1, 1, 1);
  for (int i = 1; i <= 3; ++i) ASSERT_TRUE(plat::channel_playing(loopchannel[i])) << i;
  settings[setsound] = 0;
  const int held[] = {loopchannel[1], loopchannel[2], loopchannel[3]};
  updateloopsounds(1, 1, 1);
  for (int i = 1; i <= 3; ++i) EXPECT_FALSE(plat::channel_playing(held[i - 1])) << i;
}

}  // namespace
