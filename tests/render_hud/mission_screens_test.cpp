// The mission-end screens: panel motion, keys only once it has shut, the
// way back to the main menu and the names on the results.
#include "app/mission_end.h"
#include "state/game_state.h"
#include "audio/music.h"
#include "hud_fixture.h"
#include "input/bindings.h"
#include "render/mission_screens.h"

namespace {

using hudtest::Screen;

class MissionEnd : public Screen {
 protected:
  void SetUp() override {
    Screen::SetUp();
    settings[setmusic] = 1;
    musicmode = musicgame;
    pausestate[panelactive] = 1;
  }
  // Runs frames with no key until the panel has shut; returns how many.
  int runtillshut(void (*screen)()) {
    int frames = 0;
    while (pausepos > 0 && frames < 200) {
      input();
      screen();
      ++frames;
    }
    return frames;
  }
};

TEST_F(MissionEnd, ResultsIgnoreKeysWhileThePanelSlidesThenTakeTwoPresses) {
  gamestate = statemissionend;
  missionflags[missionphase] = phasehome;
  missionflags[missionhome] = homereached;
  pausestate[panelclosing] = 1;
  pausepos = 422;
  int frames = 0;
  while (pausepos > 0 && frames < 200) {
    // Keys pressed on every other frame while the panel moves (not on the
    // frame that shuts it, where a key would rightly act).
    input((frames % 2) && pausepos > 75 ? 32 : 0);
    missionscreen();
    ++frames;
    EXPECT_EQ(missionflags[resultspage], 0) << "key taken while the panel was at " << pausepos;
  }
  ASSERT_EQ(pausepos, 0);
  EXPECT_GT(frames, 3) << "the panel slides over several frames";
  EXPECT_EQ(gamestate, statemissionend);

  input();
  missionscreen();
  input(13);
  missionscreen();
  EXPECT_EQ(missionflags[resultspage], 1);
  EXPECT_EQ(gamestate, statemissionend);
  EXPECT_EQ(musicmode, musicgame);

  input();
  missionscreen();
  input(27);
  missionscreen();
  EXPECT_EQ(missionflags[resultspage], 2);
  EXPECT_EQ(gamestate, statemainmenu);
  EXPECT_EQ(musicmode, musicmenu);
}

TEST_F(MissionEnd, PlayersFireBindingLeavesToo) {
  gamestate = statemissionend;
  missionflags[missionhome] = homereached;
  missionflags[resultspage] = resultssecond;
  pausestate[panelclosing] = 1;
  pausepos = 0;
  input();
  missionscreen();
  EXPECT_EQ(gamestate, statemissionend);
  plat::RawInput in;
  const int code = keys[2][actshoot];
  ASSERT_GT(code, 0);
  ASSERT_LT(code, 251) << "player 2 fires with a key by default";
  in.key[code] = true;
  updateinputfrom(in);
  missionscreen();
  EXPECT_EQ(gamestate, statemainmenu);
}

TEST_F(MissionEnd, ObjectiveMessageClosesWaitsForAKeyAndReopensIntoPlay) {
  gamestate = statemissionend;
  missionflags[missionphase] = phaseannounced;
  pausestate[panelclosing] = 0;
  pausepos = 422;  // handed over by the fully open panel
  input();
  missionscreen();
  EXPECT_EQ(pausestate[panelclosing], 1) << "the panel starts closing at once";
  runtillshut(missionscreen);
  ASSERT_EQ(pausepos, 0);
  EXPECT_EQ(gamestate, statemissionend);
  EXPECT_EQ(missionflags[missionphase], 1);

  input(80);
  missionscreen();
  EXPECT_EQ(pausestate[panelclosing], 0) << "a key opens the panel again";
  int frames = 0;
  while (gamestate == statemissionend && frames < 200) {
    input();
    missionscreen();
    ++frames;
  }
  EXPECT_EQ(gamestate, stateplay);
  EXPECT_EQ(pausepos, 422);
  EXPECT_EQ(missionflags[missionphase], 2);
  EXPECT_EQ(pausestate[panelclosing], 1) << "the panel closes again in play";
  EXPECT_EQ(musicmode, musicgame) << "the game track keeps playing";
}

TEST_F(MissionEnd, FailureNoticeWaitsForThePanelThenGoesToTheMenu) {
  gamestate = statesquadlost;
  pausestate[panelclosing] = 1;
  pausepos = 300;
  input(32);
  failscreen();
  EXPECT_EQ(gamestate, statesquadlost);
  runtillshut(failscreen);
  input(32);
  failscreen();
  EXPECT_EQ(gamestate, statemainmenu);
  EXPECT_EQ(musicmode, musicmenu);
}

TEST_F(MissionEnd, WithMusicOffTheMenuStartsSilent) {
  settings[setmusic] = 0;
  musicmode = musicnone;
  gamestate = statesquadlost;
  pausestate[panelclosing] = 1;
  input();
  failscreen();
  input(32);
  failscreen();
  EXPECT_EQ(gamestate, statemainmenu);
  EXPECT_EQ(musicmode, musicnone);
}

TEST_F(MissionEnd, ResultsListTheSurvivorsInOrderAndCloseUp) {
  squadname[1] = "ANNA";
  squadname[2] = "BO";
  squadname[3] = "CY";
  squadname[4] = "DEE";
  squadname[5] = "ED";
  squadname[6] = "FAY";
  squad[2][mdead] = 1;
  squad[5][mdead] = 1;
  buildfinalists();
  EXPECT_EQ(finalists[1], "ANNA");
  EXPECT_EQ(finalists[2], "CY");
  EXPECT_EQ(finalists[3], "DEE");
  EXPECT_EQ(finalists[4], "FAY");
  EXPECT_EQ(finalists[5], "");
  EXPECT_EQ(finalists[6], "");
  EXPECT_EQ(finalistline(1), "ANNA  CY  DEE");

  // A later rebuild forgets names that have since dropped out.
  squad[1][mdead] = 1;
  buildfinalists();
  EXPECT_EQ(finalists[1], "CY");
  EXPECT_EQ(finalists[4], "");
}

TEST_F(MissionEnd, ResultsPageShowsEachPlayersOwnCredits) {
  numplayers = 2;
  gamestate = statemissionend;
  missionflags[missionhome] = homereached;
  pausestate[panelclosing] = 1;
  teamstat[1][statcredit] = 11111111;
  teamstat[2][statcredit] = 0;
  input();
  missionscreen();
  // The digit rows (blue-white) of each half: player 1's "1"s and player
  // 2's "0"s differ in how much ink they leave.
  const long upper = channelsum(140, 206, 440, 246, 0);
  const long lower = channelsum(140, 464, 440, 504, 0);
  EXPECT_GT(upper, 0);
  EXPECT_GT(lower, 0);
  EXPECT_NE(upper, lower);
  // The same with the scores swapped swaps the halves.
  teamstat[1][statcredit] = 0;
  teamstat[2][statcredit] = 11111111;
  clear();
  missionscreen();
  EXPECT_EQ(channelsum(140, 206, 440, 246, 0), lower);
  EXPECT_EQ(channelsum(140, 464, 440, 504, 0), upper);
}

}  // namespace
