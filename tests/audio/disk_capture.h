// Hearing what the game's own mixer plays: SDL's disk audio driver writes
// the mixed output (32-bit float stereo) to a file, and the tests read it
// back. Shared by the tests that capture the mix.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/platform.h"

namespace disk_capture {

// Shuts whatever driver an earlier test opened and points the next audio
// open at the disk driver, writing to `file` at about four times real time
// (the driver waits 12 ms per buffer of 46 ms).
inline void use_disk_driver(const std::filesystem::path& file) {
  plat::shutdown();
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
  setenv("SDL_DISKAUDIODELAY", "12", 1);
}

// Puts the silent dummy driver back, open, as later tests in this process
// expect to find it.
inline void back_to_silent_driver() {
  plat::shutdown();
  unsetenv("SDL_DISKAUDIOFILE");
  unsetenv("SDL_DISKAUDIODELAY");
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  plat::init(true);
  plat::audio_open();
}

// The two channels of a capture file.
inline void read_capture(const std::filesystem::path& file, std::vector<float>& left, std::vector<float>& right) {
  std::ifstream f(file, std::ios::binary);
  float pair[2];
  while (f.read(reinterpret_cast<char*>(pair), sizeof pair)) {
    left.push_back(pair[0]);
    right.push_back(pair[1]);
  }
}

}  // namespace disk_capture
