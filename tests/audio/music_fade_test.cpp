// The music stopping and starting again, as around the cocooned colonist's
// close-up, heard through the game's own mixer on SDL's disk audio driver:
// each stop is a short fade, each start a short fade in, never a cut; and
// the music stepping back under a sound, a shot too.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "disk_capture.h"

#include "audio/sound.h"
#include "platform/platform.h"
#include "platform/sound_placing.h"
#include "state/assets.h"
#include "state/settings.h"

namespace {

namespace fs = std::filesystem;

constexpr int rate = 44100;

// A steady 16-bit stereo sine: any cut in it is a jump far larger than the
// step from one sample to the next.
void write_sine_wav(const fs::path& path, double seconds, double level = 16000.0) {
  const uint32_t frames = static_cast<uint32_t>(seconds * rate);
  std::vector<uint8_t> b;
  auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i))); };
  auto u16 = [&](uint16_t v) { b.push_back(uint8_t(v)), b.push_back(uint8_t(v >> 8)); };
  auto tag = [&](const char* t) { b.insert(b.end(), t, t + 4); };
  tag("RIFF"), u32(36 + frames * 4), tag("WAVE");
  tag("fmt "), u32(16), u16(1), u16(2), u32(rate), u32(rate * 4), u16(4), u16(16);
  tag("data"), u32(frames * 4);
  for (uint32_t i = 0; i < frames; ++i) {
    const auto v = static_cast<uint16_t>(static_cast<int16_t>(std::lround(level * std::sin(2 * M_PI * 220.0 * i / rate))));
    u16(v), u16(v);
  }
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

void wait_mixed(uint64_t frames) {
  const uint64_t start = plat::audio_frames_mixed();
  for (int i = 0; i < 20000 && plat::audio_frames_mixed() - start < frames; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

// Reopens the audio on SDL's disk driver, writing what the mixer plays to
// `capture`.
bool start_disk_capture(const fs::path& capture) {
  disk_capture::use_disk_driver(capture);
  return plat::init(true) && plat::audio_open();
}

// Puts the silent dummy driver back for the tests that follow and returns
// the left channel of what was captured.
std::vector<float> finish_disk_capture(const fs::path& capture) {
  disk_capture::back_to_silent_driver();
  std::vector<float> left, right;
  disk_capture::read_capture(capture, left, right);
  return left;
}

}  // namespace

TEST(MusicFade, StoppingAndResumingTheMusicFadesInsteadOfCutting) {
  const fs::path dir = fs::temp_directory_path() / ("rx907-fade-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path track = dir / "sine.wav", capture = dir / "out.raw";
  write_sine_wav(track, 4.0);

  ASSERT_TRUE(start_disk_capture(capture));
  const int m = plat::music_open(track.string());
  ASSERT_NE(m, 0);
  plat::music_play(m);
  wait_mixed(rate / 4);
  plat::music_stop(m);  // the close-up
  const double at = plat::music_get_position(m);
  wait_mixed(rate / 4);
  plat::music_set_position(m, at);  // and back
  plat::music_play(m);
  wait_mixed(rate / 4);
  plat::music_close(m);
  wait_mixed(rate / 4);
  const std::vector<float> left = finish_disk_capture(capture);
  fs::remove_all(dir);
  ASSERT_GT(left.size(), static_cast<size_t>(rate / 2));

  // The sine's own largest step at full level, and the largest in the
  // capture: a cut would jump by up to the whole amplitude.
  float top = 0.0f, step = 0.0f;
  for (size_t i = 1; i < left.size(); ++i) {
    top = std::max(top, std::fabs(left[i]));
    step = std::max(step, std::fabs(left[i] - left[i - 1]));
  }
  ASSERT_GT(top, 0.1f) << "the music was heard";
  const float sine_step = top * static_cast<float>(2 * M_PI * 220.0 / rate);
  EXPECT_LE(step, sine_step * 1.2f);

  // Every fade out and in lasts 20-50 ms: from the last cycle at full level
  // to the first silent one, or back.
  std::vector<float> cycle_peak;
  const size_t period = rate / 220;
  for (size_t at = 0; at + period <= left.size(); at += period) {
    float p = 0.0f;
    for (size_t i = at; i < at + period; ++i) p = std::max(p, std::fabs(left[i]));
    cycle_peak.push_back(p);
  }
  int fades = 0;
  for (size_t k = 1; k < cycle_peak.size(); ++k) {
    const bool full_before = cycle_peak[k - 1] > top * 0.95f, falling = cycle_peak[k] <= top * 0.95f;
    if (!(full_before && falling)) continue;
    size_t end = k;
    while (end < cycle_peak.size() && cycle_peak[end] > top * 0.01f) ++end;
    if (end == cycle_peak.size()) break;
    const double ms = 1000.0 * static_cast<double>((end - k + 1) * period) / rate;
    EXPECT_GE(ms, 15.0);
    EXPECT_LE(ms, 55.0);
    ++fades;
  }
  EXPECT_GE(fades, 2) << "the stop and the close";
}

TEST(MusicFade, TheMusicStepsBackUnderASoundAndComesBackAfter) {
  // Stepped back by 12 dB for 400 ms: the music falls to a quarter of its
  // level without a jump, holds there, and is back at full level once the
  // step has passed; it does not stay down.
  const fs::path dir = fs::temp_directory_path() / ("rx907-duck-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path track = dir / "sine.wav", capture = dir / "out.raw";
  write_sine_wav(track, 4.0);

  ASSERT_TRUE(start_disk_capture(capture));
  const int m = plat::music_open(track.string());
  ASSERT_NE(m, 0);
  plat::music_play(m);
  wait_mixed(rate / 2);
  plat::duck_music(400, -12.0f);
  wait_mixed(rate * 2);
  plat::music_close(m);
  const std::vector<float> left = finish_disk_capture(capture);
  fs::remove_all(dir);
  ASSERT_GT(left.size(), static_cast<size_t>(rate * 2));

  std::vector<float> cycle_peak;
  const size_t period = rate / 220;
  float top = 0.0f, step = 0.0f;
  for (size_t at = 0; at + period <= left.size(); at += period) {
    float p = 0.0f;
    for (size_t i = at; i < at + period; ++i) p = std::max(p, std::fabs(left[i]));
    cycle_peak.push_back(p);
    top = std::max(top, p);
  }
  for (size_t i = 1; i < left.size(); ++i) step = std::max(step, std::fabs(left[i] - left[i - 1]));
  ASSERT_GT(top, 0.1f) << "the music was heard";
  EXPECT_LE(step, top * static_cast<float>(2 * M_PI * 220.0 / rate) * 1.2f) << "no jump into or out of the step";
  // Find the step: its lowest cycle is about -12 dB (0.25 of full level).
  const auto low = std::min_element(cycle_peak.begin() + static_cast<long>(cycle_peak.size() / 8), cycle_peak.end() - 4);
  EXPECT_GT(*low, top * 0.2f);
  EXPECT_LT(*low, top * 0.3f);
  // Within a second after the step ends (its last cycle at the low level)
  // the music is back at full level: the return is slow, not instant.
  size_t end = static_cast<size_t>(low - cycle_peak.begin());
  while (end + 1 < cycle_peak.size() && cycle_peak[end + 1] < top * 0.3f) ++end;
  const size_t back = end + 220;
  ASSERT_LT(back, cycle_peak.size());
  EXPECT_GT(cycle_peak[back], top * 0.95f);
}

TEST(MusicFade, AShotStepsTheMusicBackOnlyWhenSoundIsOn) {
  // A shot (silent here, so only the music is heard) steps the music back
  // firmly, about 7 dB; with SOUND off nothing plays and the music stays
  // where it is.
  const fs::path dir = fs::temp_directory_path() / ("rx907-shotduck-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path track = dir / "sine.wav", shot = dir / "shot.wav", capture = dir / "out.raw";
  write_sine_wav(track, 6.0);
  write_sine_wav(shot, 0.3, 0.0);

  ASSERT_TRUE(start_disk_capture(capture));
  initsounds();
  const int kept_shot = shotsounds[1], kept_sound = settings[setsound];
  shotsounds[1] = plat::load_sound(shot.string(), 0);
  ASSERT_NE(shotsounds[1], 0);
  const int m = plat::music_open(track.string());
  ASSERT_NE(m, 0);
  plat::music_play(m);
  wait_mixed(rate / 2);
  settings[setsound] = 1;
  playshot(shotsounds[1], 0.0f);
  wait_mixed(rate * 2);
  settings[setsound] = 0;
  playshot(shotsounds[1], 0.0f);
  wait_mixed(rate * 2);
  plat::music_close(m);
  plat::free_sound(shotsounds[1]);
  shotsounds[1] = kept_shot;
  settings[setsound] = kept_sound;
  const std::vector<float> left = finish_disk_capture(capture);
  fs::remove_all(dir);
  ASSERT_GT(left.size(), static_cast<size_t>(rate * 4));

  // Peak of every 220 Hz cycle, over the two halves: shot with sound on,
  // then shot with sound off.
  std::vector<float> cycle_peak;
  const size_t period = rate / 220;
  float top = 0.0f;
  for (size_t at = 0; at + period <= left.size(); at += period) {
    float p = 0.0f;
    for (size_t i = at; i < at + period; ++i) p = std::max(p, std::fabs(left[i]));
    cycle_peak.push_back(p);
    top = std::max(top, p);
  }
  ASSERT_GT(top, 0.1f) << "the music was heard";
  // The capture starts when the device opens, not when the music does: on a
  // busy machine opening the track can take a while, so the halves are
  // counted from the music's first full cycle and end at its last one.
  const long first = std::find_if(cycle_peak.begin(), cycle_peak.end(), [&](float p) { return p > top * 0.9f; }) - cycle_peak.begin();
  const long last = static_cast<long>(cycle_peak.rend() - std::find_if(cycle_peak.rbegin(), cycle_peak.rend(), [&](float p) { return p > top * 0.9f; })) - 1;
  const long half = first + static_cast<long>((rate / 2 + rate * 2) / period);
  ASSERT_LT(half + 20, last);
  const auto on_low = std::min_element(cycle_peak.begin() + first, cycle_peak.begin() + half);
  EXPECT_GT(*on_low, top * 0.40f) << "about 7 dB, not more";
  EXPECT_LT(*on_low, top * 0.50f) << "stepped back under the shot";
  // The last full cycles may already be in the close's short fade; leave
  // them out so only a step back could pull the second half down.
  const long settled_end = last - 15;
  ASSERT_LT(half + 20, settled_end);
  const auto off_low = std::min_element(cycle_peak.begin() + half + 20, cycle_peak.begin() + settled_end);
  EXPECT_GT(*off_low, top * 0.95f) << "SOUND off: no shot, no step back";
}

TEST(MusicFade, StepsTakeTheDeepestAndAShallowOneDoesNotHoldADeepOneDown) {
  // A deep step (12 dB, 300 ms) with shallow ones (2.5 dB) repeated every
  // 100 ms over it and a second past it, like shots under a shriek: the
  // music goes no deeper than the deep step, and once that has passed it
  // comes up to the shallow step's level, not staying at the deep one.
  const fs::path dir = fs::temp_directory_path() / ("rx907-duckstack-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path track = dir / "sine.wav", capture = dir / "out.raw";
  write_sine_wav(track, 5.0);

  ASSERT_TRUE(start_disk_capture(capture));
  const int m = plat::music_open(track.string());
  ASSERT_NE(m, 0);
  plat::music_play(m);
  wait_mixed(rate / 2);
  plat::duck_music(300, -12.0f);
  for (int k = 0; k < 15; ++k) {
    plat::duck_music(250, -2.5f);
    wait_mixed(rate / 10);
  }
  wait_mixed(rate * 2);
  plat::music_close(m);
  const std::vector<float> left = finish_disk_capture(capture);
  fs::remove_all(dir);
  ASSERT_GT(left.size(), static_cast<size_t>(rate * 3));

  std::vector<float> cycle_peak;
  const size_t period = rate / 220;
  float top = 0.0f;
  for (size_t at = 0; at + period <= left.size(); at += period) {
    float p = 0.0f;
    for (size_t i = at; i < at + period; ++i) p = std::max(p, std::fabs(left[i]));
    cycle_peak.push_back(p);
    top = std::max(top, p);
  }
  ASSERT_GT(top, 0.1f) << "the music was heard";
  const auto from = cycle_peak.begin() + static_cast<long>(cycle_peak.size() / 10);
  const auto low = std::min_element(from, cycle_peak.end() - 4);
  EXPECT_GT(*low, top * 0.2f) << "no deeper than the deepest step";
  EXPECT_LT(*low, top * 0.3f) << "the deep step was taken";
  // A second after the deep step's lowest point the shallow steps are
  // still held, and the music is up near their level (0.75).
  const size_t later = static_cast<size_t>(low - cycle_peak.begin()) + 220;
  ASSERT_LT(later, cycle_peak.size());
  EXPECT_GT(cycle_peak[later], top * 0.6f) << "a shallow step kept the deep one down";
}
