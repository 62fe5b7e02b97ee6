// The LOAD GAME and SAVE GAME screens, name entry, and the quick keys.
#include "state/game_state.h"
#include "state/play_state.h"
#include "frontend/linked_state.h"
#include "frontend/save_fields.h"
#include "frontend/save_screens.h"
#include "frontend/savegame.h"
#include "input/keynames.h"
#include "platform/random.h"
#include "render/text.h"
#include "saves_fixture.h"
#include "squad/squad.h"
#include "world/machinery.h"

namespace {

class ScreensTest : public SavesTest {
 protected:
  void SetUp() override {
    SavesTest::SetUp();
    editline[0].clear();
    nextstate = 0;
  }
  // One frame of the save screen with these keys hit (and held).
  void typeframe(std::initializer_list<int> hits, std::initializer_list<int> held = {}) {
    KeyFrame k;
    for (int c : hits) k.hit[c] = k.down[c] = true;
    for (int c : held) k.down[c] = true;
    savescreenframe(SlotInput{}, k, livetypingtables());
  }
  void press(int state, SlotInput in) {
    if (state == stateloadgame) loadscreenframe(in);
    else savescreenframe(in, KeyFrame{}, livetypingtables());
  }
};

SlotInput key(bool SlotInput::*which) {
  SlotInput in;
  in.*which = true;
  return in;
}

}  // namespace

TEST_F(ScreensTest, SlotListShowsNamesEmptiesAndQuicksave) {
  ASSERT_EQ(savegame("save_3", 1, "THIRD"), 1);
  listsaveslots();
  EXPECT_EQ(menutext[3], "THIRD");
  EXPECT_EQ(menuskip[3], 0);
  EXPECT_EQ(menutext[1], "--EMPTY--");
  EXPECT_EQ(menuskip[1], 1);
  EXPECT_EQ(menutext[7], "QUICKSAVE");
  EXPECT_EQ(menuskip[7], 1);
  quicksavegame();
  putfile(saves / "save_4.nam", ints({625, 1, 65}));  // foreign magic
  listsaveslots();
  EXPECT_EQ(menutext[7], "Quicksave");
  EXPECT_EQ(menuskip[7], 0);
  EXPECT_EQ(menuskip[4], 1);
}

TEST_F(ScreensTest, LoadScreenSkipsEmptySlots) {
  ASSERT_EQ(savegame("save_2", 1, "B"), 1);
  ASSERT_EQ(savegame("save_5", 1, "E"), 1);
  enterslotscreen(stateloadgame);
  EXPECT_EQ(menusel, 2);
  press(stateloadgame, key(&SlotInput::down));
  EXPECT_EQ(menusel, 5);
  press(stateloadgame, key(&SlotInput::down));
  EXPECT_EQ(menusel, 8);  // the quicksave row is empty: straight to CANCEL
  press(stateloadgame, key(&SlotInput::down));
  EXPECT_EQ(menusel, 2);
  press(stateloadgame, key(&SlotInput::up));
  EXPECT_EQ(menusel, 8);
  // The mouse cannot pick an empty row but can pick a full one.
  SlotInput m;
  m.mousemoved = true;
  m.mousex = 200, m.mousey = slotitemy(stateloadgame, 1) + 5;
  press(stateloadgame, m);
  EXPECT_EQ(menusel, 8);
  m.mousey = slotitemy(stateloadgame, 5) + 5;
  m.leftclick = true;
  press(stateloadgame, m);
  EXPECT_EQ(menusel, 5);
  EXPECT_EQ(nextstate, stateplay);
  EXPECT_EQ(posted().text, "Game loaded");
}

TEST_F(ScreensTest, LoadingASlotStartsPlay) {
  numplayers = 2;
  rndseed = 4711;
  ASSERT_EQ(savegame("save_1", 4711, "TWO"), 1);
  resetsavedstate();
  gameinprogress = 0, alldead = 1, trackcount[1] = trackcount[2] = 3;
  enterslotscreen(stateloadgame);
  press(stateloadgame, key(&SlotInput::enter));
  EXPECT_EQ(nextstate, stateplay);
  EXPECT_EQ(numplayers, 2);
  EXPECT_EQ(posted().text, "Game loaded");
  EXPECT_EQ(posted().y, 240);
  EXPECT_EQ(gameinprogress, 1);
  EXPECT_EQ(alldead, 0);
  EXPECT_EQ(trackcount[1], 800);
  EXPECT_EQ(trackcount[2], 800);
  EXPECT_EQ(plat::random_seed(), 4711u);
  // A slot whose data went missing stays on the screen with an error.
  std::filesystem::remove(saves / "save_1.907");
  nextstate = 0;
  press(stateloadgame, key(&SlotInput::enter));
  EXPECT_EQ(nextstate, 0);
  EXPECT_EQ(posted().text, "ERROR: Unable to load game");
  EXPECT_EQ(posted().y, slotmessagey(stateloadgame));
  EXPECT_GT(posted().y, slotitemy(stateloadgame, 8) + 35) << "under the rows, not over one";
  EXPECT_EQ(posted().iserror, 0);
}

TEST_F(ScreensTest, SaveScreenNeverOffersTheQuicksaveSlot) {
  quicksavegame();
  enterslotscreen(statesavegame);
  EXPECT_EQ(slotitems(statesavegame), 7);
  EXPECT_EQ(menusel, 1);  // empty rows can be chosen for saving
  for (int i = 0; i < 7; ++i) press(statesavegame, key(&SlotInput::down));
  EXPECT_EQ(menusel, 1);
  for (int i = 1; i <= 6; ++i) {
    menusel = i;
    press(statesavegame, key(&SlotInput::enter));
    EXPECT_EQ(typingslot, i);
    press(statesavegame, key(&SlotInput::esc));  // ends typing without saving
    EXPECT_EQ(typingslot, 0);
  }
  menusel = 7;
  press(statesavegame, key(&SlotInput::enter));
  EXPECT_EQ(typingslot, 0);
  EXPECT_EQ(nextstate, statemainmenu);
  EXPECT_FALSE(std::filesystem::exists(saves / "save_1.nam"));
}

TEST_F(ScreensTest, TypingAndSavingAName) {
  enterslotscreen(statesavegame);
  menusel = 2;
  press(statesavegame, key(&SlotInput::enter));
  ASSERT_EQ(typingslot, 2);
  EXPECT_EQ(editline[0], "");
  typeframe({'A'});
  typeframe({}, {'A'});  // held: no repeat yet
  typeframe({32});
  typeframe({'7', 'B'});
  EXPECT_EQ(editline[0], "A 7B");
  typeframe({8});
  EXPECT_EQ(editline[0], "A 7");
  // Held for 16 frames, the key repeats every frame.
  for (int f = 1; f <= 15; ++f) typeframe({}, {8});
  EXPECT_EQ(editline[0], "A 7");
  typeframe({}, {8});
  EXPECT_EQ(editline[0], "A ");
  typeframe({}, {8});
  typeframe({}, {8});
  EXPECT_EQ(editline[0], "");
  for (int i = 0; i < 15; ++i) typeframe({'Q'});
  EXPECT_EQ(editline[0], std::string(14, 'Q'));
  press(statesavegame, key(&SlotInput::enter));
  EXPECT_EQ(typingslot, 0);
  EXPECT_EQ(nextstate, stateplay);
  EXPECT_EQ(posted().text, "Game saved");
  EXPECT_EQ(posted().y, 192);
  EXPECT_EQ(readsavename("save_2"), std::string(14, 'Q'));
  EXPECT_EQ(menutext[2], std::string(14, 'Q'));
}

TEST_F(ScreensTest, BlankNameSavesAsDashAndReopensEmpty) {
  enterslotscreen(statesavegame);
  press(statesavegame, key(&SlotInput::enter));
  typeframe({32});
  typeframe({32});
  press(statesavegame, key(&SlotInput::enter));
  EXPECT_EQ(readsavename("save_1"), "-");
  editline[0] = std::string(17, ' ');
  blankname();
  EXPECT_EQ(editline[0], std::string(17, ' '));
  enterslotscreen(statesavegame);
  EXPECT_EQ(menutext[1], "-");
  press(statesavegame, key(&SlotInput::enter));
  EXPECT_EQ(editline[0], "");
}

TEST_F(ScreensTest, FailedSaveReportsAnError) {
  std::filesystem::create_directories(saves / "save_1.907");
  enterslotscreen(statesavegame);
  press(statesavegame, key(&SlotInput::enter));
  typeframe({'X'});
  press(statesavegame, key(&SlotInput::enter));
  EXPECT_EQ(nextstate, 0);
  EXPECT_EQ(posted().text, "ERROR: Unable to save game");
  EXPECT_EQ(posted().y, slotmessagey(statesavegame));
  EXPECT_GT(posted().y, slotitemy(statesavegame, 7) + 35) << "under the rows, not over one";
  EXPECT_EQ(posted().iserror, 1);
  EXPECT_EQ(menutext[1], "--EMPTY--");
}

TEST_F(ScreensTest, MultiLineEntryFlowsBetweenLines) {
  for (auto& l : editline) l.clear();
  KeyFrame k;
  const TypingTables t = livetypingtables();
  for (char c : std::string("ABCD")) {
    KeyFrame f;
    f.hit[static_cast<int>(c)] = true;
    textentry(f, 0, 1, 3, t);
  }
  EXPECT_EQ(editline[0], "ABC");
  EXPECT_EQ(editline[1], "D");
  k.hit[8] = true;
  textentry(k, 0, 1, 3, t);
  EXPECT_EQ(editline[1], "");
  textentry(KeyFrame{}, 0, 1, 3, t);
  KeyFrame again;
  again.hit[8] = true;
  textentry(again, 0, 1, 3, t);
  EXPECT_EQ(editline[0], "AB");  // the emptied line hands the cursor back
}

TEST_F(ScreensTest, QuickSaveAndQuickLoad) {
  numplayers = 1;
  squad[2][mreserved] = 31;
  plat::seed_random(99);
  StatusMessage m = quicksavegame();
  EXPECT_EQ(m.text, "Quicksaved");
  EXPECT_EQ(m.y, 192);
  EXPECT_EQ(m.iserror, 0);
  EXPECT_EQ(posted().text, "Quicksaved");
  EXPECT_EQ(rndseed, 99);
  EXPECT_EQ(readsavename("quick"), "Quicksave");
  const int first = Rand(1, 1000000);
  squad[2][mreserved] = 0;
  trackcount[1] = 0;
  m = quickloadgame();
  EXPECT_EQ(m.text, "Quickloaded");
  EXPECT_EQ(squad[2][mreserved], 31);
  EXPECT_EQ(trackcount[1], 800);
  EXPECT_EQ(Rand(1, 1000000), first);  // the same sequence as after the save

  std::filesystem::remove(saves / "quick.907");
  numplayers = 2;
  m = quickloadgame();
  EXPECT_EQ(m.text, "ERROR: Unable to quickload");
  EXPECT_EQ(m.y, 240);
  EXPECT_EQ(m.iserror, 1);
  std::filesystem::create_directories(saves / "quick.907");
  m = quicksavegame();
  EXPECT_EQ(m.text, "ERROR: Unable to quicksave");
  EXPECT_EQ(m.iserror, 1);
}

// A name made by hand, far longer than a row, is cut to the slot panel's
// row instead of running across the screen.
TEST_F(ScreensTest, AHandMadeLongNameIsCutToItsRow) {
  ASSERT_EQ(savegame("save_2", 1, std::string(5000, 'W')), 1);
  listsaveslots();
  ASSERT_FALSE(menutext[2].empty());
  EXPECT_EQ(menutext[2].find_first_not_of('W'), std::string::npos);
  EXPECT_LE(bigtextwidth(menutext[2]), 640);
  EXPECT_GT(bigtextwidth(menutext[2]), 500) << "the row is used, not emptied";
}
