// Long random play by two players with every invariant checked after every
// frame and a save and reload every 10,000 frames. The short runs are part
// of the suite; RX_LONGPLAY=1 runs the long one (a million frames over ten
// seeds).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include <unistd.h>

#include "app/harness/session.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "frontend/save_fields.h"
#include "frontend/savegame.h"
#include "platform/random.h"
#include "session/invariants.h"
#include "session/random_player.h"
#include "squad/squad.h"

namespace {

namespace fs = std::filesystem;

// Saves the running game and loads it straight back: the saved fields come
// back exactly and play goes on from the loaded game.
void saveroundtrip(long frame) {
  const std::vector<uint8_t> before = writepayload(static_cast<int32_t>(plat::random_seed()));
  rndseed = static_cast<int>(plat::random_seed());
  ASSERT_EQ(savegame("longplay", rndseed, "Long play"), 1) << "frame " << frame;
  rndseed = 0;
  ASSERT_EQ(loadgame("longplay"), 1) << "frame " << frame;
  plat::seed_random(static_cast<uint32_t>(rndseed));
  EXPECT_EQ(writepayload(rndseed), before) << "frame " << frame;
}

struct Played {
  long frames = 0;
  int games = 0;
};

// Plays n frames from this seed; stops at the first broken invariant.
Played playchecked(uint32_t seed, int split, long n) {
  SessionSetup setup;
  setup.seed = seed;
  setup.players = 2;
  setup.split = split;
  startsession(setup);
  RandomPlayer player(seed * 2654435761u + 1, 2);
  Played p;
  bool visited[301] = {};
  std::string broken = checkinvariants();
  EXPECT_EQ(broken, "") << "at the start, seed " << seed;
  for (; p.frames < n && broken.empty(); ++p.frames) {
    sessionframe(player.nextplaying());
    if ((p.frames + 1) % 10000 == 0) saveroundtrip(p.frames + 1);
    for (int m = 1; m <= 6; ++m) visited[squad[m][mroom]] = true;
    broken = checkinvariants();
    if (!broken.empty()) ADD_FAILURE() << broken << " after frame " << p.frames + 1 << ", seed " << seed;
  }
  p.games = sessiongames();
  int rooms = 0;
  for (bool v : visited) rooms += v;
  std::printf("seed %u: %ld frames, %d games, %d rooms visited, last game's kills %d/%d/%d\n", seed, p.frames,
              p.games, rooms, teamstat[1][statwarriors] + teamstat[2][statwarriors], teamstat[1][statbrood] + teamstat[2][statbrood],
              teamstat[1][statqueens] + teamstat[2][statqueens]);
  return p;
}

class LongPlay : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("rx907_longplay_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    savesdir = dir.string();
  }
  void TearDown() override {
    savesdir = "saves";
    fs::remove_all(dir);
  }
  fs::path dir;
};

TEST_F(LongPlay, TwentyThousandFramesOfTwoPlayersKeepEveryInvariant) {
  for (uint32_t seed : {7u, 8u}) {
    const Played p = playchecked(seed, seed % 2 ? 2 : 1, 20000);
    EXPECT_EQ(p.frames, 20000) << "seed " << seed;
  }
}

TEST_F(LongPlay, MillionFramesOverTenSeeds) {
  if (!std::getenv("RX_LONGPLAY")) GTEST_SKIP() << "set RX_LONGPLAY=1 to run";
  const auto start = std::chrono::steady_clock::now();
  long total = 0;
  int games = 0;
  for (uint32_t seed = 1001; seed <= 1010; ++seed) {
    const Played p = playchecked(seed, seed % 2 ? 2 : 1, 100000);
    total += p.frames;
    games += p.games;
    if (HasFailure()) break;
  }
  const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("long play: %ld frames, %d games, %.1f s\n", total, games, secs);
  EXPECT_EQ(total, 1000000);
}

}  // namespace
