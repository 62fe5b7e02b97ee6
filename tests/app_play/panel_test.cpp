#include "app/ingame.h"
#include "state/game_state.h"
#include "state/panel.h"
#include "app_play/play_fixture.h"

namespace playtest {
namespace {

class PanelTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    newgame();
  }
  // Runs frames without input until the panel is fully open.
  static int openfully() {
    int frames = 0;
    while (pausepos < panelopenpos && frames < 200) playframe(none()), ++frames;
    return frames;
  }
};

TEST_F(PanelTest, KeysOfPlayAreInertWhileThePanelIsActive) {
  EXPECT_EQ(gamestate, stateplay);
  playframe(with({keyf5}));
  EXPECT_EQ(ingamekey(), ingamequicksave);
  playframe(with({keyf9}));
  EXPECT_EQ(ingamekey(), ingamequickload);

  tap({keyp});
  ASSERT_EQ(pausestate[panelactive], 1);
  for (int k : {keyescape, keyf5, keyf9}) {
    playframe(with({k}));
    EXPECT_EQ(ingamekey(), ingamenone) << k;
    EXPECT_EQ(gamestate, stateplay) << k;
    playframe(none());
  }
}

TEST_F(PanelTest, EscapeLeavesForTheMenuWithTheGameKept) {
  squad[1][mstamina] = 1234;
  playframe(with({keyescape}));
  EXPECT_EQ(gamestate, statemainmenu);
  EXPECT_EQ(squad[1][mstamina], 1234);  // the leaving frame runs no simulation
}

TEST_F(PanelTest, SlidesOpenEasingAndFreezesTheGame) {
  tap({keyp});
  const int walk = walktick, stamina = squad[1][mstamina];
  squad[1][mstamina] = stamina - 600;
  int last = pausepos, lastgain = 1000;
  for (int i = 0; i < 200 && pausepos < panelopenpos; ++i) {
    playframe(none());
    const int gain = pausepos - last;
    EXPECT_GT(gain, 0);
    EXPECT_LE(gain, lastgain);  // it slows as it opens
    lastgain = gain, last = pausepos;
  }
  EXPECT_EQ(pausepos, panelopenpos);
  EXPECT_EQ(pausetabx, panelopenpos - 300);
  EXPECT_EQ(pausetabx2, 1324 - panelopenpos);
  EXPECT_EQ(walktick, walk);
  EXPECT_EQ(squad[1][mstamina], stamina - 600);  // no recovery while frozen
}

TEST_F(PanelTest, ClosesOnlyAfterItsCountersStop) {
  teamstat[1][statwarriors] = 6;
  teamstat[2][statqueens] = 2;
  tap({keyp});
  EXPECT_EQ(statshown[1][statwarriors], 0);
  openfully();
  // Counting: a close key is refused while anything moved this frame.
  int frames = 0;
  while (statshown[1][statwarriors] < 6 && frames < 20) {
    playframe(with({keyspace}));
    playframe(none());
    EXPECT_EQ(pausestate[panelclosing], 0) << "closed while counting";
    frames += 2;
  }
  EXPECT_EQ(statshown[1][statwarriors], 6);
  EXPECT_EQ(statshown[2][statqueens], 2);
  playframe(none());  // a frame in which nothing moves
  playframe(with({keyspace}));
  EXPECT_EQ(pausestate[panelclosing], 1);
  // Closing takes several frames, with the game frozen until pausepos is 0.
  int closing = 0;
  const int walk = walktick;
  while (pausestate[panelactive] == 1 && closing < 50) {
    EXPECT_EQ(walktick, walk);
    playframe(none());
    ++closing;
  }
  EXPECT_GT(closing, 2);
  EXPECT_EQ(pausepos, 0);
  EXPECT_FLOAT_EQ(pausespeed, 75.0f);
  playframe(none());
  EXPECT_NE(walktick, walk);
}

TEST_F(PanelTest, ClosingLeadsToTheMissionEndScreens) {
  openpanel();
  openfully();
  alldead = 1;
  playframe(with({bindfire}));
  EXPECT_EQ(gamestate, statesquadlost);

  newgame();
  missionflags[missionhome] = homereached;
  openpanel();
  openfully();
  playframe(with({keyescape}));
  EXPECT_EQ(gamestate, statemissionend);

  newgame();
  missionflags[missionphase] = phaseannounced;
  openpanel();
  openfully();
  EXPECT_EQ(gamestate, statemissionend);
}

TEST_F(PanelTest, TheMissionScreenRunsInTheFrameThePanelHandsOverToIt) {
  // The objective met: in the frame the open panel hands over to state 5,
  // the message screen already starts the panel closing.
  missionflags[missionphase] = phaseannounced;
  openpanel();
  while (gamestate == stateplay && pausepos < panelopenpos) playframe(none());
  if (gamestate == stateplay) playframe(none());
  ASSERT_EQ(gamestate, statemissionend);
  EXPECT_EQ(pausestate[panelclosing], 1);
  EXPECT_LT(pausepos, panelopenpos) << "the closing slide starts in this frame";

  // The squad home: the key that closes the panel hands over to the
  // results, whose first frame already moves the panel and the flash timer.
  newgame();
  missionflags[missionhome] = homereached;
  openpanel();
  openfully();
  playframe(none());
  teamstat[teamrow][statwarriors] = 10;
  playframe(with({keyspace}));
  ASSERT_EQ(gamestate, statemissionend);
  EXPECT_EQ(pausestate[panelclosing], 1);
  EXPECT_LT(pausepos, panelopenpos);
  EXPECT_EQ(teamstat[teamrow][statwarriors], 8) << "counted down by the panel and by the results screen";
}

}  // namespace
}  // namespace playtest
