// Reading a recording file: everything is checked before anything plays.
// A file that is too large, cut short, damaged, from another build, or that
// describes anything play could not take is refused with a sentence that
// says which.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/replay/format.h"
#include "app/replay/start_point.h"

struct ReplayFile {
  ReplayHeader header;
  std::vector<uint8_t> body;  // unpacked
  StartPoint start;
  size_t events = 0;          // where the events begin in body
  int checks = 0;             // state hashes stored
};

// The version this program records as (and accepts).
const char* replayversion();

// Why a file was refused: a sentence for the error output, and a short line
// in capitals for the game's message line.
struct ReplayRefusal {
  std::string text;
  std::string line;
};

// From the bytes of a file; why says why not.
bool readreplay(const std::vector<uint8_t>& file, ReplayFile& out, ReplayRefusal& why);
// From a file on disk (size-checked before it is read).
bool loadreplay(const std::string& path, ReplayFile& out, ReplayRefusal& why);
