// Only the platform layer may talk to SDL: every other source file must stay
// free of SDL headers so the game can be tested and ported through one seam.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace fs = std::filesystem;

TEST(PlatformBoundary, NoSdlIncludeOutsidePlatform) {
  const fs::path root = RX_SOURCE_DIR;
  const std::regex include_sdl(R"(^\s*#\s*include\s*[<"]SDL)");
  std::vector<std::string> offenders;
  for (const char* dir : {"src", "tools", "tests", "bench"}) {
    if (!fs::exists(root / dir)) continue;
    for (const auto& e : fs::recursive_directory_iterator(root / dir)) {
      if (!e.is_regular_file()) continue;
      auto rel = fs::relative(e.path(), root).generic_string();
      if (rel.rfind("src/platform/", 0) == 0) continue;
      auto ext = e.path().extension().string();
      if (ext != ".cpp" && ext != ".h" && ext != ".hpp" && ext != ".c") continue;
      std::ifstream f(e.path());
      std::string line;
      while (std::getline(f, line))
        if (std::regex_search(line, include_sdl)) offenders.push_back(rel);
    }
  }
  EXPECT_TRUE(offenders.empty()) << "SDL included in: " << ::testing::PrintToString(offenders);
}
