// The controls card of the first game: shown once per machine, noted in
// intro.dat, frozen play under it, closed by any key that does nothing else.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "app/demo.h"
#include "app_play/play_fixture.h"
#include "frontend/controls_card_file.h"
#include "render/controls_card.h"

namespace playtest {
namespace {

namespace fs = std::filesystem;

class ControlsCard : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    home = fs::current_path();
    dir = fs::temp_directory_path() / ("rx907_card_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::current_path(dir);
    controlscard = 0;
    newgame();
  }
  void TearDown() override {
    controlscard = 0;
    fs::current_path(home);
    fs::remove_all(dir);
  }
  fs::path home, dir;
};

TEST_F(ControlsCard, ShownOnceFreezesPlayAndTheClosingKeyDoesNothingElse) {
  offercontrolscard();
  ASSERT_EQ(controlscard, 1);
  // The file is exactly the magic and the version, little-endian.
  std::ifstream f(dir / controlscardfile, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, std::string("\xFF\x0B\0\0\x01\0\0\0", 8));

  const int clock = teamstat[teamrow][statclock];
  for (int i = 0; i < 50; ++i) playframe(none());
  EXPECT_EQ(teamstat[teamrow][statclock], clock) << "the mission clock waits for the card";
  playframe(with({keyescape}));
  EXPECT_EQ(controlscard, 0);
  EXPECT_EQ(gamestate, stateplay) << "the Escape that closed the card did not leave the game";
  playframe(none());
  EXPECT_EQ(teamstat[teamrow][statclock], clock + 1);

  offercontrolscard();
  EXPECT_EQ(controlscard, 0) << "a second game starts without it";
}

TEST_F(ControlsCard, ADamagedFileShowsItAgainAndADemoNeverDoes) {
  std::ofstream(dir / controlscardfile, std::ios::binary) << "RX";
  EXPECT_FALSE(controlscardshown(controlscardfile));
  fs::remove(dir / controlscardfile);
  demoplaying = 1;
  offercontrolscard();
  demoplaying = 0;
  EXPECT_EQ(controlscard, 0);
  EXPECT_FALSE(fs::exists(dir / controlscardfile)) << "a demo writes nothing";
}

TEST_F(ControlsCard, NamesTheKeysBoundNow) {
  settings[setmouseaiming] = 1;
  keys[1][actleft] = letterkey('J');
  keys[1][actright] = letterkey('L');
  const auto lines = controlscardlines(1);
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines[2], "TURN: J AND L");
  EXPECT_EQ(lines[3], "SHOOT: F");
  settings[setmouseaiming] = 0;
  EXPECT_EQ(controlscardlines(1)[1], "AIM: J W L S");
  // A shared first word is said once, so the line fits the card.
  resetbindings();
  numplayers = 2;
  EXPECT_EQ(controlscardlines(2)[1], "AIM: ARROW LEFT UP RIGHT DOWN");
  numplayers = 1;
}

}  // namespace
}  // namespace playtest
