// What a player hears: a demo game played through the game's own mixer
// with SDL's disk audio driver, which writes the mixed output to a file.
// Play is paced by the sound (a frame for every 1/60 s of mixed output), so
// shots, doors and shrieks land in the mix where they would in real time,
// and the run takes a fraction of the minute it captures.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "disk_capture.h"

#include "state/archive.h"
#include "state/asset_plan.h"
#include "app/demo.h"
#include "app/frame_loop.h"
#include "app/ingame.h"
#include "state/play_state.h"
#include "app/harness/session.h"
#include "state/game_state.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "frontend/menu_frame.h"
#include "state/settings.h"
#include "measure/loudness.h"
#include "measure/meters.h"
#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;

constexpr int rate = 44100;
constexpr double capture_seconds = 60.0;
constexpr uint64_t frames_per_tick = rate / 60;  // mixed frames per game frame
constexpr uint64_t device_buffer = 2048;

struct Capture {
  std::vector<float> left, right;
  float deepest_limit = 1.0f;
  uint64_t game_frames = 0;
};

// Plays a demo from MAIN MENU with the menu music on, for capture_seconds of mixed
// output, and reads back what the disk driver wrote (32-bit float stereo).
bool capture_demo(const fs::path& file, Capture& out) {
  disk_capture::use_disk_driver(file);
  if (!plat::init(true)) return false;
  register_embedded_archive();
  if (!plat::audio_open()) return false;
  for (const SoundLoad& s : sound_load_plan()) *s.slot = plat::load_sound(sfx_path(s.file), 0);
  initsounds();

  startsession(SessionSetup{});
  gamestate = statemainmenu;
  gameinprogress = 0;
  nextstate = 0;
  framedraws = 0;
  resetdemo();
  resetsettings();
  settings[setmusic] = 1;
  settings[setsound] = 1;
  startmenumusic();
  requestdemo();

  const plat::RawInput still{};
  const uint64_t start = plat::audio_frames_mixed();
  const uint64_t wanted = static_cast<uint64_t>(capture_seconds * rate);
  uint64_t ticks = 0;
  while (plat::audio_frames_mixed() - start < wanted) {
    // Keep play one device buffer ahead of the mixer, never further (a
    // slow build, under the sanitizers, simply falls behind the sound).
    uint64_t mixed = plat::audio_frames_mixed() - start;
    while (mixed < wanted && (ticks + 1) * frames_per_tick < mixed + device_buffer) {
      // As the game's frame loop does: music paused for a close-up comes
      // back on the next frame the game runs.
      if (!musicfocusstep(false)) {
        applyframeinput(still);
        stepframe();
      }
      endloopframe();
      ++ticks;
      mixed = plat::audio_frames_mixed() - start;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_EQ(demoplaying, 1) << "the demo went on for the whole capture";
  out.deepest_limit = plat::audio_deepest_limit();
  out.game_frames = ticks;
  stopmusic();
  disk_capture::back_to_silent_driver();
  disk_capture::read_capture(file, out.left, out.right);
  return out.left.size() >= wanted;
}

}  // namespace

TEST(MixCapture, AMinuteOfDemoNeverReachesFullScale) {
  const fs::path file = fs::temp_directory_path() / ("rx907-mix-" + std::to_string(::getpid()) + ".raw");
  const fs::path home = fs::current_path();
  // The music tracks are read from data/music under the working directory.
  fs::current_path(RX_CONTENT_DIR);
  Capture cap;
  const bool ok = capture_demo(file, cap);
  fs::current_path(home);
  // RX907_KEEP_MIX=FILE keeps the capture (32-bit float stereo at 44.1 kHz)
  // for listening and for the meters outside the test.
  if (const char* keep = std::getenv("RX907_KEEP_MIX")) {
    std::error_code ec;
    fs::copy_file(file, keep, fs::copy_options::overwrite_existing, ec);
  }
  fs::remove(file);
  ASSERT_TRUE(ok) << "the disk audio driver gave no capture";

  size_t full_scale = 0;
  for (const std::vector<float>* ch : {&cap.left, &cap.right})
    for (float v : *ch) full_scale += std::fabs(v) >= 32767.0f / 32768.0f;
  const double peak = std::max(contentgen::measure::true_peak_db(cap.left), contentgen::measure::true_peak_db(cap.right));
  // The loudest 400 ms, K-weighted over both channels, in LUFS.
  const auto wl = contentgen::measure::weighted(cap.left, rate, contentgen::measure::Curve::K);
  const auto wr = contentgen::measure::weighted(cap.right, rate, contentgen::measure::Curve::K);
  const size_t win = static_cast<size_t>(0.4 * rate);
  double acc = 0, best = 0;
  for (size_t i = 0; i < wl.size(); ++i) {
    acc += wl[i] * wl[i] + wr[i] * wr[i];
    if (i >= win) acc -= wl[i - win] * wl[i - win] + wr[i - win] * wr[i - win];
    best = std::max(best, acc);
  }
  const double loudest = -0.691 + 10.0 * std::log10(std::max(best / win, 1e-12));
  const double all = contentgen::measure::programme_loudness(cap.left, cap.right, rate).integrated;
  // Sounds placed aside in the room reach the two channels unequally; the
  // music is the same in both, and so is every unplaced effect.
  double mid = 0.0, side = 0.0;
  for (size_t i = 0; i < cap.left.size(); ++i) {
    mid += 0.25 * (cap.left[i] + cap.right[i]) * (cap.left[i] + cap.right[i]);
    side += 0.25 * (cap.left[i] - cap.right[i]) * (cap.left[i] - cap.right[i]);
  }
  const double side_db = 10.0 * std::log10(std::max(side, 1e-12) / std::max(mid, 1e-12));
  // The longest stretch of digital silence (under -90 dBFS in both
  // channels): music that stopped and never came back.
  size_t run = 0, longest_quiet = 0;
  for (size_t i = 0; i < cap.left.size(); ++i) {
    run = std::fabs(cap.left[i]) < 3e-5f && std::fabs(cap.right[i]) < 3e-5f ? run + 1 : 0;
    longest_quiet = std::max(longest_quiet, run);
  }
  std::printf("mix capture: %.1f s over %llu game frames, %zu full-scale samples, true peak %.2f dBTP, loudest 400 ms %.1f LUFS, "
              "whole %.1f LUFS, deepest limiting %.1f dB, sides %.1f dB under the middle, longest silence %.2f s\n",
              static_cast<double>(cap.left.size()) / rate, static_cast<unsigned long long>(cap.game_frames), full_scale, peak, loudest, all,
              20.0 * std::log10(cap.deepest_limit), -side_db, static_cast<double>(longest_quiet) / rate);
  // A pause for a close-up lasts a frame or two; seconds of silence mean
  // the music stopped and did not come back.
  EXPECT_LT(longest_quiet, static_cast<size_t>(3 * rate)) << "the music stopped and did not come back";
  EXPECT_EQ(full_scale, 0u);
  EXPECT_LE(peak, -1.0);
  // Something was heard: the music and the play, not a silent file.
  EXPECT_GT(all, -40.0);
  // The shots and the creatures are placed: some of the mix is in its sides.
  EXPECT_GT(side_db, -40.0);
}
