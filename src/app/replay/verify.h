// `rx907 --verify FILE`: plays a recording headless as fast as it can and
// says how it went: the frames, the mission result and the final state
// hash. 0 when every stored hash matched, 1 otherwise (a refused file too).
#pragma once

#include <cstdio>
#include <string>

#include "app/replay/reader.h"

// Everything play needs, without a display: the archive, every picture and
// sound as the game loads them, the tables and the complex. Done once.
void loadforreplay();
// Plays an already checked file; writes the account to out.
int verifyreplay(const ReplayFile& file, std::FILE* out);
// Reads, checks and plays path; a refusal goes to err.
int runverify(const std::string& path, std::FILE* out, std::FILE* err);
