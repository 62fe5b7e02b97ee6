// Saved games: six named slots "save_1".."save_6" and the quicksave slot
// "quick". A slot is two files in the saves folder: base + ".nam" (magic
// 624, the display name) and base + ".907" (the packed payload).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t namemagic = 624;
constexpr int savenamemax = 14;
// Longer name files and data files are treated as damaged, unread.
constexpr size_t namefilemax = 64 << 10;
constexpr size_t datafilemax = 64 << 20;

// The folder the slots live in ("saves" beside the program).
extern std::string savesdir;

std::string namefilepath(const std::string& base);
std::string datafilepath(const std::string& base);

// Writes the live state, with seed as its random seed, and the display
// name. Both files are staged and then renamed into place, data first, so
// a failed save leaves the slot's previous name and data together.
// 1 on success, 3 on failure.
int savegame(const std::string& base, int seed, const std::string& name);
// Replaces the live state with the slot's payload. A missing or damaged
// data file, or a payload that is incomplete, too long or out of range,
// fails with nothing changed. With MOUSE AIMING on, the pointer is put on
// player 1's crosshair. 1 on success, 3 on failure.
int loadgame(const std::string& base);
// The slot's display name, "" when the name file is missing or foreign.
std::string readsavename(const std::string& base);
// The display name held in name-file bytes, "" when they are not one.
std::string parsesavename(const std::vector<uint8_t>& bytes);

// A message for the status line.
struct StatusMessage {
  std::string text;
  int y = 0;
  int iserror = 0;
};

// F5 and F9 in play (no panel open): save to / load from the quicksave
// slot, post the outcome and return it.
StatusMessage quicksavegame();
StatusMessage quickloadgame();
// The same, for the in-game keys, which need no outcome.
// Where the save and load messages stand: lower on a two-player screen.
int savestatusy();

void quicksave();
void quickload();

// Adds the owner's write permission to the game's own files that exist:
// api.dat, opt.dat and every slot's two files.
void makefileswritable();
