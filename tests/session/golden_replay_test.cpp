// Golden sessions: scripted play from fixed seeds whose state hashes, taken
// every 1,000 frames, are kept under tests/golden/. A change to the rules of
// play shows up here as a different hash; after checking that the change is
// meant, RX_UPDATE_GOLDEN=1 rewrites the files.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app/harness/session.h"
#include "app/replay/state_hash.h"
#include "session/random_player.h"

namespace {

struct Golden {
  const char* name;
  uint32_t seed, inputseed;
  int players, split, mouseaiming, frames;
};

const Golden sessions[] = {
    {"replay_solo", 31, 301, 1, 1, 0, 20000},
    {"replay_duo_split", 32, 302, 2, 2, 0, 20000},
    {"replay_duo_shared_mouse", 33, 303, 2, 1, 1, 12000},
};

std::string goldenpath(const Golden& g) {
  return std::string(RX_SOURCE_DIR) + "/tests/golden/" + g.name + ".txt";
}

// Plays the session live, noting the hash every 1,000 frames, then checks
// that its recording replays to the same hashes.
std::vector<uint64_t> play(const Golden& g) {
  SessionSetup setup;
  setup.seed = g.seed;
  setup.players = g.players;
  setup.split = g.split;
  setup.mouseaiming = g.mouseaiming;
  Recording rec;
  startrecording(rec, setup);
  RandomPlayer player(g.inputseed, g.players);
  std::vector<uint64_t> live;
  for (int f = 1; f <= g.frames; ++f) {
    sessionframe(player.nextplaying());
    if (f % 1000 == 0) live.push_back(statehash());
  }
  stoprecording();
  EXPECT_EQ(replayhashes(rec, 1000), live) << g.name << " does not replay";
  return live;
}

std::vector<uint64_t> readgolden(const std::string& path) {
  std::vector<uint64_t> out;
  std::ifstream f(path);
  std::string line;
  while (std::getline(f, line)) {
    if (line.empty() || line[0] == '#') continue;
    out.push_back(std::strtoull(line.c_str(), nullptr, 16));
  }
  return out;
}

void writegolden(const std::string& path, const Golden& g, const std::vector<uint64_t>& hashes) {
  std::ofstream f(path);
  f << "# state hash every 1000 frames: seed " << g.seed << ", input seed " << g.inputseed << ", "
    << g.players << " player(s), split " << g.split << ", mouse aiming " << g.mouseaiming << "\n";
  for (uint64_t h : hashes) {
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, h);
    f << text << "\n";
  }
}

class GoldenReplay : public ::testing::TestWithParam<Golden> {};

TEST_P(GoldenReplay, HashesMatchTheKeptSession) {
  const Golden& g = GetParam();
  const std::vector<uint64_t> hashes = play(g);
  ASSERT_EQ(hashes.size(), static_cast<size_t>(g.frames / 1000));
  if (std::getenv("RX_UPDATE_GOLDEN")) writegolden(goldenpath(g), g, hashes);
  const std::vector<uint64_t> want = readgolden(goldenpath(g));
  ASSERT_EQ(want.size(), hashes.size()) << goldenpath(g);
  for (size_t i = 0; i < want.size(); ++i)
    EXPECT_EQ(hashes[i], want[i]) << g.name << " first differs after frame " << (i + 1) * 1000;
}

INSTANTIATE_TEST_SUITE_P(Sessions, GoldenReplay, ::testing::ValuesIn(sessions),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
