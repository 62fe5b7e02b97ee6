// The key codes the game tests by name: the index of a key in keydownstate
// and keyhitstate, and a key binding's code. The codes follow the Windows
// virtual-key table, OEM keys by their Nordic-layout codes (see keynames).
#pragma once

enum KeyCode : int {
  keybackspace = 8,
  keytab = 9,
  keyenter = 13,       // Return; menus read either Enter key through it
  keynumenter = 14,    // the keypad's Enter (NUM ENTER)
  keyescape = 27,
  keyspace = 32,
  keyarrowleft = 37,
  keyarrowup = 38,
  keyarrowright = 39,
  keyarrowdown = 40,
  keyprintscreen = 44,
  key0 = 48,           // digit keys 0..9 are 48..57
  key1 = 49,
  keya = 65,           // letter keys A..Z are 65..90
  keyp = 80,
  keyf1 = 112,         // function keys F1..F12 are 112..123
  keyf2 = 113,
  keyf3 = 114,
  keyf4 = 115,
  keyf5 = 116,
  keyf6 = 117,
  keyf7 = 118,
  keyf8 = 119,
  keyf9 = 120,
  keyf10 = 121,
  keyf11 = 122,
  keyf12 = 123,
  keylshift = 160,
  keyrshift = 161,
  keylctrl = 162,
  keyrctrl = 163,
  keylalt = 164,
  keyralt = 165,
  keyslash = 189,      // named SLASH on the KEYS screen
  keyperiod = 190,
};

// The digit key for n = 0..9.
constexpr int digitkey(int n) { return key0 + n; }
// The letter key for 'A'..'Z'.
constexpr int letterkey(char c) { return keya + (c - 'A'); }
// The function key Fn for n = 1..12.
constexpr int functionkey(int n) { return keyf1 - 1 + n; }
