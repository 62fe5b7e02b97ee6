// Golden scenes: every scene of the screenshot tool is rendered headless in a
// process of its own and the hash of its pixels is compared with the stored
// one in tests/golden/scenes.txt. A deliberate change to the pictures renews
// the file with RX_UPDATE_GOLDEN=1 (after looking at the shots).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kGoldenFile = std::string(RX_SOURCE_DIR) + "/tests/golden/scenes.txt";

// Runs a command and returns what it printed; false when it failed.
bool run_capture(const std::string& command, std::string& out) {
  out.clear();
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return false;
  char buf[512];
  while (std::fgets(buf, sizeof buf, pipe)) out += buf;
  return ::pclose(pipe) == 0;
}

std::vector<std::string> scene_names() {
  std::string listing;
  EXPECT_TRUE(run_capture(std::string(RX_SHOT) + " --list", listing));
  std::vector<std::string> names;
  std::istringstream lines(listing);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string name;
    if (words >> name) names.push_back(name);
  }
  return names;
}

std::map<std::string, std::string> read_golden() {
  std::map<std::string, std::string> golden;
  std::ifstream in(kGoldenFile);
  std::string name, hash, size;
  while (in >> name >> hash >> size) golden[name] = hash + " " + size;
  return golden;
}

// Renders one scene in a process of its own; "hash size", or a failure.
std::string render_scene(const std::string& name) {
  std::string out;
  EXPECT_TRUE(run_capture(std::string(RX_SHOT) + " --hash " + name, out)) << "scene " << name;
  std::istringstream words(out);
  std::string hash, size;
  EXPECT_TRUE(words >> hash >> size) << "scene " << name << " printed: " << out;
  EXPECT_EQ(size, "1024x768") << "scene " << name;
  return hash + " " + size;
}

bool updating() {
  const char* update = std::getenv("RX_UPDATE_GOLDEN");
  return update && std::string(update) == "1";
}

// The scenes are dealt round shards that the test runner runs side by side;
// each shard compares its own scenes, and the first also checks that every
// stored scene is still in the tool.
constexpr int kShards = 4;

class GoldenScenes : public ::testing::TestWithParam<int> {};

TEST_P(GoldenScenes, EveryShotSceneMatchesItsStoredHash) {
  const int shard = GetParam();
  const std::vector<std::string> names = scene_names();
  ASSERT_GE(names.size(), 10u) << "the screenshot tool lists too few scenes";

  if (updating()) {
    // Renewing writes the whole file at once, from the first shard.
    if (shard != 0) GTEST_SKIP() << "the first shard renews the file";
    std::map<std::string, std::string> rendered;
    for (const std::string& name : names) rendered[name] = render_scene(name);
    std::ofstream out(kGoldenFile);
    for (const auto& [name, line] : rendered) out << name << " " << line << "\n";
    ASSERT_TRUE(out.good()) << "cannot write " << kGoldenFile;
    GTEST_SKIP() << "renewed " << kGoldenFile;
  }

  const auto golden = read_golden();
  ASSERT_FALSE(golden.empty()) << kGoldenFile << " is missing; RX_UPDATE_GOLDEN=1 writes it";
  for (size_t i = static_cast<size_t>(shard); i < names.size(); i += kShards) {
    const std::string& name = names[i];
    const std::string line = render_scene(name);
    auto it = golden.find(name);
    if (it == golden.end()) {
      ADD_FAILURE() << "scene " << name << " has no stored hash; RX_UPDATE_GOLDEN=1 adds it";
      continue;
    }
    EXPECT_EQ(line, it->second) << "scene " << name << " changed its pixels";
  }
  if (shard == 0) {
    for (const auto& [name, line] : golden)
      EXPECT_NE(std::find(names.begin(), names.end(), name), names.end())
          << "stored scene " << name << " is no longer in the tool";
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, GoldenScenes, ::testing::Range(0, kShards));

}  // namespace
