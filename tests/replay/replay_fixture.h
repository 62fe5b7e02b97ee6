// Recordings made through the real frame step into a scratch files folder,
// read back and played back in the same process.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/harness/play_driver.h"
#include "app/harness/session.h"
#include "app/replay/event_reader.h"
#include "app/replay/playback.h"
#include "app/replay/reader.h"
#include "app/replay/recorder.h"
#include "app/replay/replay_files.h"
#include "app/replay/writer.h"
#include "platform/platform.h"

namespace replaytest {

namespace fs = std::filesystem;

class ReplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    dir = fs::temp_directory_path() / ("rx907_replay_" + std::to_string(::getpid()) + "_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    plat::set_files_folder(dir.string());
  }
  void TearDown() override {
    setrecording(false);
    setreplayplaying(false);
    plat::set_files_folder("");
    fs::remove_all(dir);
  }

  // One frame through the frame step, and a key pressed for one frame.
  static void frame(const plat::RawInput& in) { playframe(in); }
  static void tap(int key) {
    plat::RawInput in;
    in.key[key] = true;
    frame(in);
    frame(plat::RawInput{});
  }

  // Every recording in the scratch folder, oldest first.
  static std::vector<ReplayFile> recordings() {
    std::vector<ReplayFile> out;
    for (const std::string& path : listreplays()) {
      ReplayFile f;
      ReplayRefusal why;
      EXPECT_TRUE(loadreplay(path, f, why)) << path << ": " << why.text;
      out.push_back(std::move(f));
    }
    return out;
  }

  // Plays f back from a fresh session to its end (or to where it went out
  // of step).
  static ReplayPlayer::Step playback(const ReplayFile& f, ReplayPlayer& player, const SessionSetup& s) {
    startsession(s);
    setreplayplaying(true);
    ReplayPlayer::Step r = ReplayPlayer::outofstep;
    if (player.start(f)) {
      do r = player.step();
      while (r == ReplayPlayer::stepped);
    }
    setreplayplaying(false);
    return r;
  }

  // The file of a recording whose body and header are given (a changed
  // copy of a real one).
  static std::vector<uint8_t> pack(const ReplayHeader& h, const std::vector<uint8_t>& body) {
    ReplayWriter w;
    w.header = h;
    w.body() = body;
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(w.filebytes(bytes));
    return bytes;
  }

  fs::path dir;
};

}  // namespace replaytest
