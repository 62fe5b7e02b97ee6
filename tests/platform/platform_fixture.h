// Shared helpers for the platform tests: a headless 1024 x 768 display,
// a scratch folder, and small PNG files built pixel by pixel.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "state/archive.h"
#include "platform/platform.h"
#include "platform/png_codec.h"

namespace plattest {

namespace fs = std::filesystem;

constexpr uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu;
constexpr uint32_t kWhite = 0xFFFFFFFFu, kMagenta = 0xFFFF00FFu, kClear = 0x00000000u;

// A fresh folder under the system temp dir, removed with everything in it.
class TempDir {
 public:
  TempDir() {
    static int counter = 0;
    path_ = fs::temp_directory_path() /
            ("rx907_plat_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

// Writes a w x h RGBA PNG whose pixels come from fn(x, y) as 0xAARRGGBB.
inline std::string write_png(const TempDir& dir, const std::string& name, int w, int h,
                             const std::function<uint32_t(int, int)>& fn) {
  std::vector<uint32_t> px(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) px[static_cast<size_t>(y) * w + x] = fn(x, y);
  const std::string path = dir.file(name);
  EXPECT_TRUE(plat::detail::write_png_rgba(path, w, h, px.data()));
  return path;
}

inline std::string solid_png(const TempDir& dir, const std::string& name, int w, int h, uint32_t colour) {
  return write_png(dir, name, w, h, [colour](int, int) { return colour; });
}

// Every drawing test starts on a black screen with the default draw state.
class HeadlessDisplay : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(plat::init(true));
    register_embedded_archive();
    if (!plat::display_open()) {
      ASSERT_TRUE(plat::open_display(1024, 768, 32, 60, 0));
    }
  }
  void SetUp() override {
    if (!plat::display_open()) {
      ASSERT_TRUE(plat::open_display(1024, 768, 32, 60, 0));
    }
    plat::reset_draw_state();
    plat::set_mask_colour(255, 0, 255);
    clear_to(0, 0, 0);
  }
  void clear_to(int r, int g, int b) {
    plat::set_cls_colour(r, g, b);
    plat::cls();
  }
  // The screen pixel as 0xRRGGBB.
  uint32_t at(int x, int y) {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    if (!plat::read_back_buffer(px, w, h) || x < 0 || y < 0 || x >= w || y >= h) return 0xDEADBEEF;
    return px[static_cast<size_t>(y) * w + x] & 0xFFFFFF;
  }
  TempDir dir;
};

inline int channel(uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

// Colour match within a tolerance per channel (blending rounds).
inline ::testing::AssertionResult near_rgb(uint32_t got, int r, int g, int b, int tol = 2) {
  if (std::abs(channel(got, 16) - r) <= tol && std::abs(channel(got, 8) - g) <= tol &&
      std::abs(channel(got, 0) - b) <= tol)
    return ::testing::AssertionSuccess();
  char buf[96];
  std::snprintf(buf, sizeof buf, "got %d,%d,%d expected %d,%d,%d", channel(got, 16), channel(got, 8),
                channel(got, 0), r, g, b);
  return ::testing::AssertionFailure() << buf;
}

}  // namespace plattest
