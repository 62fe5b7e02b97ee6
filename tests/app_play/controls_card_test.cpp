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
#include "render/text.h"

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

TEST_F(ControlsCard, HoldsThePointerSoPlayStartsWithNoTravelCharged) {
  // The devices are polled as the frame loop polls them, so they must be up.
  ASSERT_TRUE(plat::init(true));
  settings[setmouseaiming] = 1;
  newgame();
  offercontrolscard();
  ASSERT_EQ(controlscard, 1);
  const int m = curmember[1];
  const int stamina = squad[m][mstamina];
  // The devices as the frame loop polls them (headless: the pointer is
  // where the game or the hand last put it).
  auto polled = [] {
    plat::RawInput in;
    plat::poll_input(in);
    return in;
  };
  for (int i = 0; i < 12; ++i) {
    plat::move_pointer(150 + 60 * i, 300);  // the hand wanders while reading
    playframe(polled());
  }
  plat::RawInput close = polled();
  close.key[keyspace] = true;
  playframe(close);
  ASSERT_EQ(controlscard, 0);
  playframe(polled());
  EXPECT_GE(squad[m][mstamina], stamina) << "the pointer's travel under the card was charged as stamina";
  EXPECT_EQ(squad[m][mcrossx], mousepos[mousenowx]);
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
  ASSERT_GE(lines.size(), 12u);
  // The goal first, in the game's words; doors go by USE, Escape leaves.
  EXPECT_NE(lines[2].find("ROOM 248"), std::string::npos);
  EXPECT_NE(lines[3].find("BASE IN ROOM 1"), std::string::npos);
  EXPECT_EQ(lines[8], "USE - DOORS AND THE COLONIST: G");
  EXPECT_EQ(lines[lines.size() - 2], "ESCAPE: LEAVE TO THE MENU");
  // Every line fits inside the card (740 wide, 20 of margin each side),
  // with the longest bindings of both players.
  for (int p = 1; p <= 2; ++p)
    for (const std::string& line : controlscardlines(p))
      EXPECT_LE(text::text_total(text::style_bigtextsmall(), line), 700) << line;
  EXPECT_EQ(lines[6], "TURN: J AND L");
  EXPECT_EQ(lines[7], "SHOOT: F");
  settings[setmouseaiming] = 0;
  EXPECT_EQ(controlscardlines(1)[5], "AIM: J W L S");
  // A shared first word is said once, so the line fits the card.
  resetbindings();
  numplayers = 2;
  EXPECT_EQ(controlscardlines(2)[5], "AIM: ARROW LEFT UP RIGHT DOWN");
  numplayers = 1;
}

}  // namespace
}  // namespace playtest
