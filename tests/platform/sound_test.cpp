// Sound effects and the music stream on the dummy audio driver.
#include <fstream>

#include <chrono>
#include <thread>

#include "platform/synthetic_input.h"
#include "platform_fixture.h"

namespace {

using namespace plattest;

// A 16-bit mono PCM WAV of the given length (a quiet square wave).
std::string write_wav(const TempDir& dir, const std::string& name, int rate, int samples) {
  std::vector<uint8_t> b;
  auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i))); };
  auto u16 = [&](uint16_t v) { b.push_back(uint8_t(v)), b.push_back(uint8_t(v >> 8)); };
  auto tag = [&](const char* t) { b.insert(b.end(), t, t + 4); };
  tag("RIFF"), u32(36 + samples * 2), tag("WAVE");
  tag("fmt "), u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
  tag("data"), u32(samples * 2);
  for (int i = 0; i < samples; ++i) u16(static_cast<uint16_t>((i / 50) % 2 ? 2000 : -2000));
  const std::string path = dir.file(name);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
  return path;
}

class Audio : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(plat::init(true));
    register_embedded_archive();
    ASSERT_TRUE(plat::audio_open());
  }
  // Closing the mixer frees the loaded sounds, as the game does at exit.
  static void TearDownTestSuite() { plat::shutdown(); }
  TempDir dir;
};

TEST_F(Audio, SoundsLoadFromDiskAndArchiveWithTheirLength) {
  const int half_second = plat::load_sound(write_wav(dir, "s.wav", 44100, 22050), 0);
  ASSERT_NE(half_second, 0);
  EXPECT_EQ(plat::sound_length_ms(half_second), 500);
  EXPECT_EQ(plat::sound_length_ms(plat::load_sound(write_wav(dir, "t.wav", 11025, 2205), 0)), 200);

  const int shot = plat::load_sound("incbin::data\\sfx\\shoot_1.wav", 0);
  EXPECT_NE(shot, 0);
  EXPECT_GT(plat::sound_length_ms(shot), 0);

  EXPECT_EQ(plat::load_sound(dir.file("missing.wav"), 0), 0);
  EXPECT_EQ(plat::load_sound("incbin::data\\sfx\\attack_4.wav", 0), 0);
  std::ofstream(dir.file("junk.wav")) << "RIFF not really";
  EXPECT_EQ(plat::load_sound(dir.file("junk.wav"), 0), 0);
  EXPECT_EQ(plat::sound_length_ms(0), 0);
  plat::free_sound(half_second);
  EXPECT_EQ(plat::sound_length_ms(half_second), 0);
}

TEST_F(Audio, ChannelsReportTheirOwnPlayback) {
  const int snd = plat::load_sound(write_wav(dir, "long.wav", 44100, 88200), 0);
  ASSERT_NE(snd, 0);
  const int spare = plat::alloc_channel();
  EXPECT_NE(spare, 0);
  EXPECT_FALSE(plat::channel_playing(spare));
  plat::stop_channel(spare);

  const int a = plat::play_sound(snd);
  const int b = plat::play_sound(snd);
  ASSERT_NE(a, 0);
  ASSERT_NE(b, 0);
  EXPECT_NE(a, b);
  EXPECT_TRUE(plat::channel_playing(a));
  plat::stop_channel(a);
  EXPECT_FALSE(plat::channel_playing(a));
  EXPECT_TRUE(plat::channel_playing(b));
  EXPECT_FALSE(plat::channel_playing(spare));

  // A channel freed and taken by a new sound no longer speaks for the old handle.
  const int c = plat::play_sound(snd);
  EXPECT_TRUE(plat::channel_playing(c));
  EXPECT_FALSE(plat::channel_playing(a));
  plat::free_sound(snd);  // halts what it was playing
  EXPECT_FALSE(plat::channel_playing(b));
  EXPECT_FALSE(plat::channel_playing(c));
  EXPECT_EQ(plat::play_sound(0), 0);
  EXPECT_FALSE(plat::channel_playing(0));
}

TEST_F(Audio, MusicRemembersWhereItStopsAndStartsWhereItWasSet) {
  EXPECT_EQ(plat::music_open(dir.file("none.ogg")), 0);
  plat::music_stop(0);
  plat::music_close(0);

  const int m = plat::music_open(write_wav(dir, "track.wav", 44100, 44100 * 3));
  ASSERT_NE(m, 0);
  EXPECT_FALSE(plat::music_playing());
  // Whole seconds: the mixer seeks WAV files (unlike Ogg) only to those.
  plat::music_set_position(m, 2.0);
  EXPECT_DOUBLE_EQ(plat::music_get_position(m), 2.0);
  plat::music_play(m);
  EXPECT_TRUE(plat::music_playing());
  const double at_start = plat::music_get_position(m);
  EXPECT_GE(at_start, 1.9);
  EXPECT_LT(at_start, 3.0);
  plat::music_stop(m);
  EXPECT_FALSE(plat::music_playing());
  EXPECT_GE(plat::music_get_position(m), at_start);
  plat::music_play(m);  // without a new position it starts over
  EXPECT_LT(plat::music_get_position(m), 1.0);
  plat::music_close(m);
  EXPECT_FALSE(plat::music_playing());
  EXPECT_DOUBLE_EQ(plat::music_get_position(m), 0.0);
}

TEST_F(Audio, ALostDeviceIsOpenedAgainAndTheMusicGoesOnWhereItWas) {
  // The sound server restarting takes the output device away: the next
  // event pump opens it again, a track that was playing plays on from where
  // it was, and sounds play as before.
  const int snd = plat::load_sound(write_wav(dir, "long.wav", 44100, 88200), 0);
  const int m = plat::music_open(write_wav(dir, "track.wav", 44100, 44100 * 4));
  ASSERT_NE(snd, 0);
  ASSERT_NE(m, 0);
  plat::music_set_position(m, 2.0);
  plat::music_play(m);
  const int ch = plat::play_sound(snd);
  ASSERT_TRUE(plat::channel_playing(ch));
  const double before = plat::music_get_position(m);
  ASSERT_GE(before, 1.9);

  ASSERT_TRUE(plat::synthetic::audio_device_removed());
  plat::close_requested();  // the event pump sees the loss
  EXPECT_TRUE(plat::music_playing());
  EXPECT_GE(plat::music_get_position(m), before - 0.05) << "not from the start";
  EXPECT_LT(plat::music_get_position(m), 3.5);
  EXPECT_FALSE(plat::channel_playing(ch)) << "what was playing went with the old device";
  const int again = plat::play_sound(snd);
  EXPECT_TRUE(plat::channel_playing(again));
  // The new device is being fed.
  const uint64_t mixed = plat::audio_frames_mixed();
  for (int i = 0; i < 100 && plat::audio_frames_mixed() == mixed; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_GT(plat::audio_frames_mixed(), mixed);

  // Stopped while the device is away, a track stays stopped once it is back.
  plat::music_stop(m);
  EXPECT_FALSE(plat::music_playing());
  plat::music_close(m);
  plat::free_sound(snd);
}

}  // namespace
