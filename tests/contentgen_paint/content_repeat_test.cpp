// Running the generator again, in a process of its own, must give the very
// same files the build made: every picture, sound, track, icon and the map.
// This one run is the repeat check for all content; the picture tests that
// read the built files therefore check what the generators make.
#include <gtest/gtest.h>

#include <unistd.h>

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

TEST(ContentRepeat, EveryGeneratedFileIsByteIdenticalFromRunToRun) {
  fs::path out = fs::temp_directory_path() / ("rx907-content-repeat-" + std::to_string(::getpid()));
  fs::remove_all(out);
  std::string cmd = std::string("\"") + RX_CONTENTGEN + "\" --out \"" + out.string() + "\" >/dev/null 2>&1";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  int compared = 0, sounds = 0, tracks = 0, pictures = 0;
  const fs::path built = RX_CONTENT_DIR;
  for (const auto& e : fs::recursive_directory_iterator(out)) {
    if (!e.is_regular_file()) continue;
    const fs::path rel = fs::relative(e.path(), out);
    // The assembler listing names the files by absolute path, so it differs
    // with the output folder; the files it embeds are compared one by one.
    if (rel == "embed.S") continue;
    const fs::path first = built / rel;
    ASSERT_TRUE(fs::exists(first)) << rel << " is missing from the build's content";
    EXPECT_TRUE(slurp(first) == slurp(e.path())) << rel << " differs between runs";
    ++compared;
    const std::string ext = rel.extension().string();
    sounds += ext == ".wav";
    tracks += ext == ".ogg";
    pictures += ext == ".png" && rel.parent_path() == fs::path("data/gfx");
  }
  // A generator dropped from the run would pass unnoticed without the counts.
  EXPECT_EQ(sounds, 38);
  EXPECT_EQ(tracks, 4);
  EXPECT_EQ(pictures, 175);
  EXPECT_GE(compared, 38 + 4 + 175);
  fs::remove_all(out);
}
