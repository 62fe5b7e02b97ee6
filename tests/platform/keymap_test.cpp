// Physical keys to the game's virtual key codes.
#include <gtest/gtest.h>

#include <set>

#include "platform/keymap.h"

namespace {

using plat::key_code_for_key_name;

TEST(KeyCodes, LettersDigitsAndFunctionKeys) {
  for (char c = 'A'; c <= 'Z'; ++c) EXPECT_EQ(key_code_for_key_name(std::string(1, c)), c);
  for (char c = '0'; c <= '9'; ++c) EXPECT_EQ(key_code_for_key_name(std::string(1, c)), c);
  for (int f = 1; f <= 12; ++f) EXPECT_EQ(key_code_for_key_name(std::string("F").append(std::to_string(f))), 111 + f);
}

TEST(KeyCodes, ControlNavigationAndModifierKeys) {
  const std::pair<const char*, int> keys[] = {
      {"Escape", 27},     {"Return", 13},       {"Space", 32},       {"Backspace", 8},   {"Tab", 9},
      {"Left", 37},       {"Up", 38},           {"Right", 39},       {"Down", 40},       {"Insert", 45},
      {"Delete", 46},     {"Home", 36},         {"End", 35},         {"PageUp", 33},     {"PageDown", 34},
      {"Pause", 19},      {"CapsLock", 20},     {"Numlock", 144},    {"ScrollLock", 145}, {"Left Shift", 160},
      {"Right Shift", 161}, {"Left Ctrl", 162}, {"Right Ctrl", 163}, {"Left Alt", 164},  {"Right Alt", 165},
      {"Left GUI", 91},   {"Right GUI", 92},    {"Application", 93}};
  for (const auto& [name, code] : keys) EXPECT_EQ(key_code_for_key_name(name), code) << name;
}

TEST(KeyCodes, KeypadFollowsNumLock) {
  for (int d = 0; d <= 9; ++d) EXPECT_EQ(key_code_for_key_name(std::string("Keypad ").append(std::to_string(d))), 96 + d);
  EXPECT_EQ(key_code_for_key_name("Keypad *"), 106);
  EXPECT_EQ(key_code_for_key_name("Keypad +"), 107);
  EXPECT_EQ(key_code_for_key_name("Keypad -"), 109);
  EXPECT_EQ(key_code_for_key_name("Keypad ."), 110);
  EXPECT_EQ(key_code_for_key_name("Keypad /"), 111);
  EXPECT_EQ(key_code_for_key_name("Keypad Enter"), 14) << "a key of its own, apart from Return";
  EXPECT_EQ(key_code_for_key_name("Keypad 5", false), 12);
  EXPECT_EQ(key_code_for_key_name("Keypad 8", false), 38);
  EXPECT_EQ(key_code_for_key_name("Keypad .", false), 46);
  EXPECT_EQ(key_code_for_key_name("Keypad /", false), 111);  // unaffected
}

TEST(KeyCodes, PunctuationByNordicPosition) {
  const std::pair<const char*, int> keys[] = {{";", 192}, {"'", 222}, {"[", 221}, {"]", 186},
                                              {",", 188}, {".", 190}, {"/", 189}, {"`", 220},
                                              {"-", 187}, {"=", 219}, {"\\", 191}};
  for (const auto& [name, code] : keys) EXPECT_EQ(key_code_for_key_name(name), code) << name;
  EXPECT_EQ(plat::key_code_for_scancode(100, true), 226);  // the ISO key beside left shift
}

TEST(KeyCodes, EveryScancodeStaysInTheTableAndCodesAreNotShared) {
  std::set<int> seen;
  int duplicates = 0;
  for (int sc = -5; sc < 600; ++sc) {
    const int code = plat::key_code_for_scancode(sc, true);
    EXPECT_GE(code, 0);
    EXPECT_LE(code, 250);
    if (code && !seen.insert(code).second) ++duplicates;
  }
  // Shared on purpose: both menu keys, both ISO hash keys. The two Enter
  // keys have codes of their own.
  EXPECT_EQ(duplicates, 2);
  EXPECT_EQ(key_code_for_key_name("NoSuchKey"), 0);
}

}  // namespace
