// Running the generator again must give the very same sounds and music.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {
std::string slurp(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}
}  // namespace

TEST(ContentRepeat, SoundsAndMusicAreByteIdenticalFromRunToRun) {
  fs::path out = fs::temp_directory_path() / ("rx907-sound-repeat-" + std::to_string(::getpid()));
  fs::remove_all(out);
  std::string cmd = std::string("\"") + RX_CONTENTGEN + "\" --out \"" + out.string() + "\" >/dev/null 2>&1";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  int compared = 0;
  for (const char* dir : {"data/sfx", "data/music"}) {
    for (const auto& e : fs::directory_iterator(fs::path(RX_CONTENT_DIR) / dir)) {
      if (e.path().extension() != ".wav" && e.path().extension() != ".ogg") continue;
      fs::path again = out / dir / e.path().filename();
      ASSERT_TRUE(fs::exists(again)) << again;
      EXPECT_TRUE(slurp(e.path()) == slurp(again)) << e.path().filename() << " differs between runs";
      ++compared;
    }
  }
  EXPECT_EQ(compared, 38 + 4);
  fs::remove_all(out);
}
