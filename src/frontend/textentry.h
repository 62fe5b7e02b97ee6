// Typing into the edit lines: typable keys append their name, SPACE a
// space, BACKSPACE removes the last character; a held key repeats after
// 16 frames.
#pragma once

#include <array>
#include <string>

constexpr int editlines = 8;
extern std::string editline[editlines];

// This frame's keyboard: hit and held flags of key codes 1..250.
struct KeyFrame {
  bool hit[251] = {};
  bool down[251] = {};
};

// Key tables the entry needs: which codes type, and their names; with
// Shift held a typable key types its shifted name (nothing where that is
// empty: the keyboard gives a character the font lacks).
struct TypingTables {
  const std::array<int, 251>* typable;
  const std::array<std::string, 301>* names;
  const std::array<std::string, 301>* shiftednames = nullptr;
};

constexpr int keyrepeatdelay = 16;

// Edits lines first..last of editline (the cursor on the last non-empty
// one). Several lines flow into each other at maxlen; the last line is cut
// to maxlen.
void textentry(const KeyFrame& keys, int first, int last, int maxlen, const TypingTables& tables);
// Forgets the repeat key (a new entry starts).
void resettextentry();
// A blank editline[0] (0 to 16 spaces) becomes "-".
void blankname();
