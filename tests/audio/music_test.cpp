#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "state/settings.h"
#include "audio/music.h"
#include "audio_fixture.h"

namespace fs = std::filesystem;

namespace {

// Runs in a scratch folder holding data/music/ with a menu and a game track
// in the first variant (generated with sox), so the tracks are real files.
class Music : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(audio_ready());
    old = fs::current_path();
    dir = fs::temp_directory_path() / ("rx907_music_" + std::to_string(::getpid()));
    fs::create_directories(dir / "data" / "music");
    for (const char* name : {"track0_0.ogg", "track1_0.ogg"}) {
      const std::string cmd = "sox -q -n -r 44100 -c 2 '" + (dir / "data" / "music" / name).string() +
                              "' synth 8 sine 330 >/dev/null 2>&1";
      ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    fs::current_path(dir);
  }
  static void TearDownTestSuite() {
    stopmusic();
    fs::current_path(old);
    fs::remove_all(dir);
  }
  void SetUp() override {
    resetsettings();
    stopmusic();
  }
  // Moves the playing track to pos as a listener would hear it.
  static void seek(double pos) {
    plat::music_stop(musicstream);
    plat::music_set_position(musicstream, pos);
    plat::music_play(musicstream);
  }
  static inline fs::path old, dir;
};

TEST_F(Music, TrackNamesFollowTheVariant) {
  EXPECT_EQ(musictrack(musicmenu), "data\\music\\track0_0.ogg");
  EXPECT_EQ(musictrack(musicgame), "data\\music\\track1_0.ogg");
  settings[setmusicvariant] = 1;
  EXPECT_EQ(musictrack(musicmenu), "data\\music\\track0_1.ogg");
  EXPECT_EQ(musictrack(musicgame), "data\\music\\track1_1.ogg");
}

TEST_F(Music, StartsAndStopsUnderTheMusicOption) {
  startmenumusic();
  EXPECT_EQ(musicmode, musicmenu);
  EXPECT_NE(musicstream, 0);
  EXPECT_TRUE(plat::music_playing());

  startgamemusic();
  EXPECT_EQ(musicmode, musicgame);
  EXPECT_TRUE(plat::music_playing());

  stopmusic();
  EXPECT_EQ(musicmode, musicnone);
  EXPECT_EQ(musicstream, 0);
  EXPECT_FALSE(plat::music_playing());

  settings[setmusic] = 0;
  startmenumusic();
  EXPECT_EQ(musicmode, musicnone);
  EXPECT_FALSE(plat::music_playing());
}

TEST_F(Music, MissingTrackLeavesSilenceButTheMode) {
  settings[setmusicvariant] = 1;  // no track*_1.ogg in the folder
  startgamemusic();
  EXPECT_EQ(musicmode, musicgame);
  EXPECT_EQ(musicstream, 0);
  EXPECT_FALSE(plat::music_playing());
  // Losing and regaining focus without a stream is harmless.
  EXPECT_TRUE(musicfocusstep(true));
  EXPECT_FALSE(musicfocusstep(false));
  EXPECT_EQ(musicpaused, 0);
  EXPECT_FALSE(plat::music_playing());
}

TEST_F(Music, FocusLossResumesWhereItStopped) {
  startmenumusic();
  ASSERT_NE(musicstream, 0);
  seek(3.0);

  EXPECT_TRUE(musicfocusstep(true));
  EXPECT_EQ(musicpaused, 1);
  EXPECT_GE(musicpos, 3.0);
  EXPECT_FALSE(plat::music_playing());
  const double pos = musicpos;
  // Further suspended frames, or a creature surprise meanwhile, keep the
  // first position.
  EXPECT_TRUE(musicfocusstep(true));
  pausemusic();
  EXPECT_EQ(musicpos, pos);

  EXPECT_FALSE(musicfocusstep(false));
  EXPECT_EQ(musicpaused, 0);
  EXPECT_TRUE(plat::music_playing());
  EXPECT_GE(plat::music_get_position(musicstream), pos);
  // An active frame with nothing paused changes nothing.
  EXPECT_FALSE(musicfocusstep(false));
  EXPECT_TRUE(plat::music_playing());
}

TEST_F(Music, SwitchingOffAndOnRestartsFromTheBeginning) {
  startmenumusic();
  seek(4.0);
  stopmusic();
  startmenumusic();
  EXPECT_TRUE(plat::music_playing());
  EXPECT_LT(plat::music_get_position(musicstream), 1.0);

  // A new track started while paused is not resumed at the old position.
  seek(4.0);
  pausemusic();
  startgamemusic();
  EXPECT_EQ(musicpaused, 0);
  EXPECT_FALSE(musicfocusstep(false));
  EXPECT_LT(plat::music_get_position(musicstream), 1.0);
}

}  // namespace
