#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "state/play_state.h"
#include "state/settings.h"
#include "frontend/options_file.h"
#include "input/bindings.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "input/keynames.h"
#include "platform/keymap.h"

namespace {

class Bindings : public ::testing::Test {
 protected:
  void SetUp() override {
    resetinput();
    resetoptions();
    in.joycount = 2;
    frame();  // every device at rest first, which arms each entry
  }
  void frame() { updateinputfrom(in); }
  plat::RawInput in;
};

TEST_F(Bindings, DisplayNames) {
  // The fixed names hold where the keyboard's caps agree with them: a
  // Nordic layout.
  const plat::KeyboardLayout nordic{{{";", 0xF6}, {"[", 0xE5}, {"'", 0xE4}}, false};
  plat::use_keyboard_layout(&nordic);
  struct Case {
    int code;
    const char* name;
  } cases[] = {
      {65, "A"},           {37, "ARROW LEFT"},    {163, "RIGHT CTRL"}, {104, "NUM 8"},
      {123, "F12"},        {192, "\xD6"},         {221, "\xC5"},       {222, "\xC4"},
      {95, ""},            {0, ""},               {250, ""},           {300, ""},
      {301, "Mouse 1"},    {303, "Mouse 3"},      {304, "Wheel Down"}, {305, "Wheel Up"},
      {306, ""},           {310, ""},             {311, ""},           {399, ""},
      {400, "Joy 1 btn 1"}, {420, "Joy 1 btn 21"}, {430, "Joy 1 btn 31"},
      {431, "Joy 1 Left"}, {531, "Joy 2 Left"},   {532, "Joy 2 Up"},   {533, "Joy 2 Right"},
      {534, "Joy 2 Down"}, {2434, "Joy 21 Down"}, {535, ""},           {499, ""},
      // Codes beyond every table name nothing.
      {2500, ""},          {5400, ""},            {-1, ""},            {-400, ""},
      {INT_MAX, ""},       {INT_MIN, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(bindingname(c.code), c.name) << c.code;
  plat::use_keyboard_layout(nullptr);
}

TEST_F(Bindings, KeyNameAndTypableTables) {
  int named = 0, typed = 0;
  for (const std::string& n : keyname) named += !n.empty();
  for (int t : typable) typed += t;
  EXPECT_EQ(named, 105);  // NUM ENTER among them
  EXPECT_EQ(typed, 41);
  EXPECT_EQ(typable[8], 1);
  EXPECT_EQ(typable[222], 1);
  EXPECT_EQ(typable[13], 0);
  EXPECT_EQ(typable[96], 0);  // the number pad does not type
}

TEST_F(Bindings, EachCodeReadsItsDevice) {
  in.key[95] = true;  // a key without a name can still be bound
  in.mouse[2] = true;
  in.mousez = 1;
  in.joycount = 2;
  in.joyx[1] = -0.5f;
  in.joybutton[0][4] = true;
  frame();
  for (int code : {95, 302, 305, 531, 404}) {
    EXPECT_EQ(bindingdown(code), 1) << code;
    EXPECT_EQ(bindinghit(code), 1) << code;
  }
  for (int code : {96, 301, 304, 533, 405, 504}) EXPECT_EQ(bindingdown(code), 0) << code;
  frame();
  EXPECT_EQ(bindingdown(531), 1);
  EXPECT_EQ(bindinghit(531), 0);
  EXPECT_EQ(bindingdown(305), 0);  // the wheel did not turn again
}

// Every table entry held and hit: a code that reads past the end of a table
// would pick up a neighbour's 1.
TEST_F(Bindings, CodesNamingNothingReadZeroEvenWithEverythingHeld) {
  std::fill(&keydownstate[0], &keydownstate[0] + keycodecount, 1);
  std::fill(&keyhitstate[0][0], &keyhitstate[0][0] + keycodecount * 3, 1);
  std::fill(&mousedownstate[0], &mousedownstate[0] + mouseentries, 1);
  std::fill(&mousehitstate[0][0], &mousehitstate[0][0] + mouseentries * 3, 1);
  std::fill(&joydownstate[0][0], &joydownstate[0][0] + maxjoysticks * joyentries, 1);
  std::fill(&joyhitstate[0][0][0], &joyhitstate[0][0][0] + maxjoysticks * joyentries * 3, 1);
  for (int code : {251, 299, 300, 311, 350, 399, 436, 499, 2436, 2500, 5400, 100000, INT_MAX, -1,
                   -399, INT_MIN}) {
    EXPECT_EQ(bindingdown(code), 0) << code;
    EXPECT_EQ(bindinghit(code), 0) << code;
  }
  EXPECT_EQ(gamekeydown(251), 0);
  EXPECT_EQ(gamemousehit(11), 0);
  // The last entries inside the tables still read.
  for (int code : {250, 310, 2435}) EXPECT_EQ(bindingdown(code), 1) << code;
}

TEST_F(Bindings, ReadcontrolsHoldsMovesAndHitsTheRest) {
  in.key[keya] = true;    // player 1 left
  in.mouse[1] = true;   // player 1 shoot
  in.key[keyarrowright] = true;    // player 2 right
  in.key[keyrctrl] = true;   // player 2 shoot
  int shots1 = 0, shots2 = 0;
  for (int f = 0; f < 4; ++f) {
    frame();
    readcontrols(1, false);
    readcontrols(2, false);
    EXPECT_EQ(actionflags[1][actleft], 1);
    EXPECT_EQ(actionflags[1][actright], 0);
    EXPECT_EQ(actionflags[2][actright], 1);
    shots1 += actionflags[1][actshoot];
    shots2 += actionflags[2][actshoot];
  }
  EXPECT_EQ(shots1, 1);
  EXPECT_EQ(shots2, 1);

  // Wheel down selects the next member for player 1, once per turn.
  in.mousez = -1;
  frame();
  readcontrols(1, false);
  EXPECT_EQ(actionflags[1][actnext], 1);
  EXPECT_EQ(actionflags[1][actprev], 0);

  // Blocked: everything reads 0, including the held move.
  readcontrols(1, true);
  for (int a = 0; a <= actioncount; ++a) EXPECT_EQ(actionflags[1][a], 0) << a;
  EXPECT_EQ(actionflags[2][actright], 1);  // the other player is untouched
}

TEST_F(Bindings, OneCodeMayDriveSeveralActionsAndBothPlayers) {
  keys[1][actuse] = 32;
  keys[2][actshoot] = 32;
  keys[2][actup] = 32;
  in.key[keyspace] = true;
  frame();
  readcontrols(1, false);
  readcontrols(2, false);
  EXPECT_EQ(actionflags[1][actuse], 1);
  EXPECT_EQ(actionflags[2][actshoot], 1);
  EXPECT_EQ(actionflags[2][actup], 1);
}

TEST_F(Bindings, StartValuesAndTheirReset) {
  const char* p1[] = {"A", "W", "D", "S", "Mouse 1", "Mouse 2", "Wheel Up", "Wheel Down"};
  const char* p2[] = {"ARROW LEFT", "ARROW UP", "ARROW RIGHT", "ARROW DOWN",
                      "RIGHT CTRL", "RIGHT SHIFT", "PERIOD", "SLASH"};
  keys[1][3] = 999;
  settings[setmusic] = 0;
  settings[setjoysensitivity] = 70;
  splitoption = 1;
  squadpick[2][pickroster] = 5;
  squadpick[0][pickroster] = 9;  // slot 0 is no slot
  resetoptions();
  for (int a = 1; a <= actioncount; ++a) {
    EXPECT_EQ(bindingname(keys[1][a]), p1[a - 1]) << a;
    EXPECT_EQ(bindingname(keys[2][a]), p2[a - 1]) << a;
  }
  const int want[11] = {0, 1, 1, 1, 1, 1, 0, 20, 1, 1, 1};
  EXPECT_EQ(std::memcmp(settings, want, sizeof want), 0);
  EXPECT_EQ(splitoption, 0);
  const int squad[7] = {0, 12, 9, 10, 2, 14, 3};
  for (int s = 0; s < 7; ++s)
    for (int c = 0; c < 6; ++c) EXPECT_EQ(squadpick[s][c], c == pickroster ? squad[s] : 0) << s << "," << c;
  EXPECT_EQ(actionlabel[actleft], "LEFT.................");
  EXPECT_EQ(actionlabel[actnext], "NEXT CHAR.......");
}

}  // namespace
