// Shared set-up for the audio suites: the real platform, headless, with the
// dummy audio driver, and the embedded archive registered.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

#include "state/archive.h"
#include "platform/platform.h"

inline bool audio_ready() {
  static const bool ready = [] {
    plat::init(true);
    register_embedded_archive();
    // Close the mixer at exit, as the game does, so its sounds are freed.
    std::atexit([] { plat::shutdown(); });
    return plat::audio_open();
  }();
  return ready;
}
