// Includes point down the layers, never up: the platform knows nothing of
// the game, the shared tables know nothing of the rules, the rules nothing
// of the screens, and only the test harness sees everything. The order is
// written once, here and in docs/ARCHITECTURE.md:
//
//   platform -> app/state -> input, audio -> world, squad, creatures
//            -> render, frontend -> app -> app/harness, main
//
// The shared tables sit just above the platform because the input and
// sound layers read them (settings, asset handles, action flags).
//
// Folders on one rung may include each other; tools, tests, benchmarks and
// the fuzzers sit above everything.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Rung {
  const char* prefix;  // a path under src/, longest prefixes first
  int level;
};

// Longer prefixes first, so state/ and app/harness/ win over app/.
const Rung rungs[] = {
    {"src/app/harness/", 6}, {"src/state/", 1}, {"src/app/", 5},
    {"src/platform/", 0},    {"src/input/", 2},     {"src/audio/", 2},
    {"src/world/", 3},       {"src/squad/", 3},     {"src/creatures/", 3},
    {"src/render/", 4},      {"src/frontend/", 4},  {"src/main.cpp", 6},
};

// The rung of a path relative to the source root; -1 for files outside src/.
int rungof(const std::string& rel) {
  for (const Rung& r : rungs)
    if (rel.rfind(r.prefix, 0) == 0) return r.level;
  return -1;
}

// Every include in src/ that climbs a rung, as "file:line: include".
std::vector<std::string> upwardincludes(const fs::path& root) {
  const std::regex include_line(R"re(^\s*#\s*include\s*"([^"]+)")re");
  std::vector<std::string> offenders;
  for (const auto& e : fs::recursive_directory_iterator(root / "src")) {
    if (!e.is_regular_file()) continue;
    const auto ext = e.path().extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    const std::string rel = fs::relative(e.path(), root).generic_string();
    const int from = rungof(rel);
    std::ifstream f(e.path());
    std::string line;
    int lineno = 0;
    while (std::getline(f, line)) {
      ++lineno;
      std::smatch m;
      if (!std::regex_search(line, m, include_line)) continue;
      const int to = rungof("src/" + m[1].str());
      if (to > from) offenders.push_back(rel + ":" + std::to_string(lineno) + ": " + line);
    }
  }
  return offenders;
}

}  // namespace

TEST(IncludeOrder, EveryIncludeInSrcPointsDownTheLayers) {
  const auto offenders = upwardincludes(RX_SOURCE_DIR);
  std::string list;
  for (const auto& o : offenders) list += "\n  " + o;
  EXPECT_TRUE(offenders.empty()) << "includes that point up a layer:" << list;
}

TEST(IncludeOrder, EveryFolderUnderSrcHasARung) {
  // A new folder must be placed in the order before it can be checked.
  for (const auto& e : fs::recursive_directory_iterator(fs::path(RX_SOURCE_DIR) / "src")) {
    if (!e.is_regular_file()) continue;
    const std::string rel = fs::relative(e.path(), RX_SOURCE_DIR).generic_string();
    EXPECT_GE(rungof(rel), 0) << rel << " lies in no layer";
  }
}
