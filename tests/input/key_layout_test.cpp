// Key names and typed characters follow the player's keyboard layout: a US
// and a German layout, given to the platform as SDL would report them.
#include <gtest/gtest.h>

#include "frontend/keys_screen.h"
#include "frontend/save_screens.h"
#include "frontend/textentry.h"
#include "input/bindings.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "input/keynames.h"
#include "platform/keymap.h"
#include "platform/platform.h"

namespace {

const plat::KeyboardLayout us{{{"-", '-'}, {"=", '='}, {"[", '['}, {"]", ']'}, {";", ';'}, {"'", '\''},
                               {"`", '`'}, {"\\", '\\'}, {",", ','}, {".", '.'}, {"/", '/'}, {"Z", 'z'},
                               {"Y", 'y'}},
                              false};
const plat::KeyboardLayout german{{{"-", 0xDF}, {"=", 0xB4}, {"[", 0xFC}, {"]", '+'}, {";", 0xF6},
                                   {"'", 0xE4}, {"`", '^'}, {"\\", '#'}, {",", ','}, {".", '.'},
                                   {"/", '-'}, {"Z", 'y'}, {"Y", 'z'}},
                                  true};

class KeyLayout : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(plat::init(true)); }
  void TearDown() override { plat::use_keyboard_layout(nullptr); }

  // What one tap of key code k types into an empty save name.
  static std::string typed(int k) {
    resettextentry();
    editline[0].clear();
    KeyFrame f;
    f.hit[k] = f.down[k] = true;
    textentry(f, 0, 0, 14, livetypingtables());
    return editline[0];
  }
};

TEST_F(KeyLayout, AUsKeyboardShowsAndTypesItsOwnCaps) {
  plat::use_keyboard_layout(&us);
  // The Nordic table's numbers and misnamed keys give way to the caps.
  EXPECT_EQ(bindingname(187), "MINUS");
  EXPECT_EQ(bindingname(219), "EQUALS");
  EXPECT_EQ(bindingname(186), "R BRACKET");
  EXPECT_EQ(bindingname(220), "GRAVE");
  EXPECT_EQ(bindingname(191), "BACKSLASH");
  EXPECT_EQ(bindingname(192), "SEMICOLON");
  EXPECT_EQ(bindingname(222), "APOSTROPHE");
  // Names that match the caps stay as the table has them.
  EXPECT_EQ(bindingname(188), "COMMA");
  EXPECT_EQ(bindingname(189), "SLASH");
  EXPECT_EQ(bindingname('Z'), "Z");
  EXPECT_EQ(bindingname(keyspace), "SPACE");
  EXPECT_EQ(bindingname(keyf5), "F5");

  EXPECT_EQ(typed(192), "") << "; is not \xD6";
  EXPECT_EQ(typed(222), "") << "' is not \xC4";
  EXPECT_EQ(typed(187), "-");
  EXPECT_EQ(typed(190), ".");
  EXPECT_EQ(typed('Z'), "Z");
  EXPECT_EQ(typed('7'), "7");
}

// Shift gives the character the keyboard gives with it, where the font has
// it: "Run 1: A&B" on a US keyboard, ':' from a German one's period key.
TEST_F(KeyLayout, ShiftTypesTheShiftedCharacter) {
  plat::use_keyboard_layout(&us);
  resettextentry();
  editline[0].clear();
  const struct { int key; bool shift; } taps[] = {
      {'R', true}, {'U', false}, {'N', false}, {keyspace, false}, {'1', false}, {192, true},
      {keyspace, false}, {'A', true}, {'7', true}, {'B', true}, {'1', true}};
  for (const auto& t : taps) {
    KeyFrame up, f;
    f.hit[t.key] = f.down[t.key] = true;
    f.down[keylshift] = up.down[keylshift] = t.shift;
    textentry(f, 0, 0, 20, livetypingtables());
    textentry(up, 0, 0, 20, livetypingtables());
  }
  EXPECT_EQ(editline[0], "RUN 1: A&B") << "Shift+1 gives '!', which the font lacks";

  plat::KeyboardLayout german2 = german;
  german2.shifted = {{".", ':'}, {"6", '&'}, {"7", '/'}};
  plat::use_keyboard_layout(&german2);
  resettextentry();
  editline[0].clear();
  for (int k : {190, static_cast<int>('6')}) {
    KeyFrame up, f;
    f.hit[k] = f.down[k] = f.down[keyrshift] = up.down[keyrshift] = true;
    textentry(f, 0, 0, 20, livetypingtables());
    textentry(up, 0, 0, 20, livetypingtables());
  }
  EXPECT_EQ(editline[0], ":&");
}

TEST_F(KeyLayout, AGermanKeyboardShowsAndTypesItsOwnCaps) {
  plat::use_keyboard_layout(&german);
  EXPECT_EQ(bindingname('Z'), "Y") << "Y and Z change places";
  EXPECT_EQ(bindingname('Y'), "Z");
  EXPECT_EQ(bindingname(192), "\xD6");
  EXPECT_EQ(bindingname(222), "\xC4");
  EXPECT_EQ(bindingname(221), "U UMLAUT");
  EXPECT_EQ(bindingname(187), "SHARP S");
  EXPECT_EQ(bindingname(189), "MINUS");
  EXPECT_EQ(bindingname(191), "HASH");

  EXPECT_EQ(typed('Z'), "Y");
  EXPECT_EQ(typed(192), "\xD6");
  EXPECT_EQ(typed(222), "\xC4");
  EXPECT_EQ(typed(189), "-");
  EXPECT_EQ(typed(221), "") << "the font has no \xDC";
}

TEST_F(KeyLayout, AltGrIsLeftCtrlWithRightAltAndBindsNothing) {
  plat::use_keyboard_layout(&german);
  plat::RawInput in;
  in.key[keyralt] = true;
  plat::altgr_as_ctrl_alt(in);
  EXPECT_TRUE(in.key[keylctrl]);
  plat::use_keyboard_layout(&us);
  plat::RawInput plain;
  plain.key[keyralt] = true;
  plat::altgr_as_ctrl_alt(plain);
  EXPECT_FALSE(plain.key[keylctrl]) << "a US right Alt is just right Alt";
}

}  // namespace

namespace {

// The keypad's Enter binds and is named apart from Return; a menu still
// takes either as Enter.
TEST(KeypadEnter, IsAKeyOfItsOwnThatMenusStillTakeAsEnter) {
  EXPECT_EQ(plat::key_code_for_key_name("Keypad Enter"), keynumenter);
  EXPECT_EQ(plat::key_code_for_key_name("Return"), keyenter);
  EXPECT_EQ(bindingname(keynumenter), "NUM ENTER");
  EXPECT_EQ(bindingname(keyenter), "ENTER");
  resetinput();
  plat::RawInput in;
  updateinputfrom(in);
  in.key[keynumenter] = true;
  updateinputfrom(in);
  EXPECT_TRUE(gamekeyhit(keyenter));
  EXPECT_TRUE(gamekeydown(keyenter));
  resetinput();
}

}  // namespace
