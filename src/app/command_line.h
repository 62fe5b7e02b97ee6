// The program's command-line flags. Parsing is separate from acting on them
// so it can be tested; runprogram() acts.
#pragma once

#include <string>

struct LaunchOptions {
  bool help = false;
  bool version = false;
  bool demo = false;     // --demo: a demo starts as soon as MAIN MENU shows
  bool rumble = true;    // --no-rumble: pads never shake
  int windowmode = -1;  // -1 as usual (full screen), 0 a window, 1 full screen
  int renderer = -1;    // -1 the start-up window's choice, else a plat::Renderer
  int scale = -1;       // -1 smooth, else a plat::ScaleQuality
  bool userfiles = false;  // --user-files: files in the per-user data folder
  std::string datadir;     // --data-dir=DIR: files in DIR ("" not given)
  std::string playfile;    // --play FILE: play a recording in the window
  std::string verifyfile;  // --verify FILE: play a recording headless and report
  std::string error;    // set when a flag was not understood
};

// Reads argv[1..argc-1]; on a bad flag, error names it.
LaunchOptions parsecommandline(int argc, const char* const* argv);
// The text of --help.
std::string usagetext();
// The text of --version: the name and the version the build was given.
std::string versiontext();
