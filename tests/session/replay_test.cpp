// Recording and replaying play: a recording made through the real frame
// step replays to the same state, and the state hash notices a difference.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include <unistd.h>

#include "app/harness/session.h"
#include "app/replay/state_hash.h"
#include "frontend/save_fields.h"
#include "frontend/savegame.h"
#include "input/keycodes.h"
#include "platform/random.h"
#include "session/random_player.h"
#include "squad/squad.h"

namespace {

SessionSetup twoplayers(uint32_t seed) {
  SessionSetup s;
  s.seed = seed;
  s.players = 2;
  s.split = 2;
  return s;
}

// Plays n frames of scripted input while recording, noting the hash every
// 1,000 frames as the live game saw it.
std::vector<uint64_t> recordplay(Recording& rec, const SessionSetup& setup, uint32_t inputseed, int n) {
  startrecording(rec, setup);
  RandomPlayer player(inputseed, setup.players);
  std::vector<uint64_t> live;
  for (int f = 1; f <= n; ++f) {
    sessionframe(player.next());
    if (f % 1000 == 0 || f == n) live.push_back(statehash());
  }
  stoprecording();
  return live;
}

TEST(Replay, ARecordingReplaysToTheSameStateAtEveryCheckpoint) {
  Recording rec;
  const std::vector<uint64_t> live = recordplay(rec, twoplayers(4242), 77, 6500);
  ASSERT_EQ(rec.frames.size(), 6500u);
  const std::vector<uint64_t> again = replayhashes(rec);
  EXPECT_EQ(again, live);
  // The game moved on between checkpoints: the hashes are not all alike.
  std::set<uint64_t> distinct(live.begin(), live.end());
  EXPECT_EQ(distinct.size(), live.size());
  // Replaying twice in a row gives the same again (nothing leaks between runs).
  EXPECT_EQ(replayhashes(rec), live);
}

TEST(Replay, ADifferentSeedOrOneChangedFrameDiverges) {
  Recording rec;
  const std::vector<uint64_t> live = recordplay(rec, twoplayers(99), 5, 3000);

  Recording reseeded = rec;
  reseeded.setup.seed = 100;
  EXPECT_NE(replayhashes(reseeded).front(), live.front());

  // Player 1 turns away for a moment just before the first checkpoint.
  Recording changed = rec;
  for (int f = 900; f < 960; ++f) changed.frames[f].key[keya] = !changed.frames[f].key[keya];
  const std::vector<uint64_t> after = replayhashes(changed);
  ASSERT_EQ(after.size(), live.size());
  EXPECT_NE(after.front(), live.front());
}

TEST(Replay, TheHashCoversSavedFieldsOneByOne) {
  startsession(twoplayers(1));
  const uint64_t base = statehash();
  auto differs = [&](auto change, auto undo) {
    change();
    const uint64_t h = statehash();
    undo();
    return h != base && statehash() == base;
  };
  EXPECT_TRUE(differs([] { squad[6][memberrecordsize - 1] += 1; },
                      [] { squad[6][memberrecordsize - 1] -= 1; }));
  EXPECT_TRUE(differs([] { squadname[3] += "x"; }, [] { squadname[3].pop_back(); }));
  EXPECT_TRUE(differs([] { curmember[2] ^= 1; }, [] { curmember[2] ^= 1; }));
}

}  // namespace

namespace {

// Plays recorded frames [from, to) and notes the hash at every 1,000th.
void playrecorded(const Recording& rec, int from, int to, std::vector<uint64_t>& hashes) {
  for (int f = from; f < to; ++f) {
    sessionframe(rec.frames[f]);
    if ((f + 1) % 1000 == 0 || f + 1 == static_cast<int>(rec.frames.size())) hashes.push_back(statehash());
  }
}

}  // namespace

TEST(Replay, SavingAndLoadingMidwayLeavesTheReplayUnchanged) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("rx907_replaysave_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  savesdir = dir.string();

  Recording rec;
  const std::vector<uint64_t> live = recordplay(rec, twoplayers(2024), 31, 4000);

  // Replay half, save, wipe the live game, load it back and play on.
  std::vector<uint64_t> hashes;
  startsession(rec.setup);
  playrecorded(rec, 0, 2000, hashes);
  rndseed = static_cast<int>(plat::random_seed());
  ASSERT_EQ(savegame("replay", rndseed, "Replay"), 1);
  resetsavedstate();
  plat::seed_random(12345);
  ASSERT_EQ(loadgame("replay"), 1);
  plat::seed_random(static_cast<uint32_t>(rndseed));
  playrecorded(rec, 2000, 4000, hashes);
  EXPECT_EQ(hashes, live);

  savesdir = "saves";
  fs::remove_all(dir);
}
