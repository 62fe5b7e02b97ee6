// Where the game keeps its own files (api.dat, opt.dat, saves/,
// screenshots/) and where it finds the music.
//
// Run from the source tree the files stay in the current folder (run/ for
// `make run`). An installed game, or any run with --user-files, keeps them
// in the player's data folder: $XDG_DATA_HOME/rx907, by default
// ~/.local/share/rx907. --data-dir=DIR names any other folder.
#pragma once

#include <string>

#include "app/command_line.h"

// The per-user folder from the two variables (either may be null or empty).
// A relative XDG_DATA_HOME is ignored, as the XDG base directories ask. ""
// when neither gives an absolute folder.
std::string userdatafolder(const char* xdgdatahome, const char* home);

// True when the program file lies in PREFIX/bin (or PREFIX/games) and
// PREFIX/share/rx907 is a folder: an installed game, whatever folder it was
// started from.
bool installedprogram(const std::string& executable);

// The folder the files go in, "" for the current folder: --data-dir first,
// then the per-user folder when asked for or installed.
std::string choosefilesfolder(const LaunchOptions& options, bool installed, const std::string& userfolder);

// The folder the music tracks are read from, ending in a separator:
// data/music/ in the files folder when it is there (as `make run` sets it
// up); else PREFIX/share/rx907/music/ of an installed program; else the
// tracks the build generated beside the program (BUILD/content/data/music/);
// else data/music/ in the files folder, where none will be found.
std::string choosemusicfolder(const std::string& executable);

// Settles both for this run: creates the files folder when needed (saying
// on the error output when it cannot be created or written: play goes on,
// and each write that fails is reported as with a read-only folder), points
// relative disk paths at it and sets the music folder.
void setupfiles(const LaunchOptions& options);
