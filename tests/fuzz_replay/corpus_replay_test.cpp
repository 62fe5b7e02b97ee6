// Every stored fuzz input (the seeds taken from files the game writes and
// any input that once broke a loader) run through its loader's handler.
// RX_UPDATE_CORPUS=1 first writes the seeds afresh from the game's writers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/harness/play_driver.h"
#include "app/harness/session.h"
#include "app/replay/reader.h"
#include "app/replay/recorder.h"
#include "app/replay/replay_files.h"
#include "state/settings.h"
#include "frontend/api_file.h"
#include "frontend/options_file.h"
#include "frontend/packfile.h"
#include "frontend/savegame.h"
#include "fuzz_inputs.h"
#include "input/bindings.h"
#include "input/keycodes.h"
#include "platform/random.h"
#include "session/random_player.h"

namespace fs = std::filesystem;

namespace {

const fs::path corpus = fs::path(RX_SOURCE_DIR) / "tests" / "fuzz_corpus";

std::vector<uint8_t> readbytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::vector<fs::path> inputs(const std::string& loader) {
  std::vector<fs::path> out;
  if (fs::is_directory(corpus / loader))
    for (const auto& e : fs::directory_iterator(corpus / loader))
      if (e.is_regular_file()) out.push_back(e.path());
  std::sort(out.begin(), out.end());
  return out;
}

// Seeds: the files the game itself writes, in a few states.
void writeseeds() {
  const fs::path work = fs::temp_directory_path() / "rx907_corpus_seeds";
  fs::create_directories(work);
  for (const char* d : {"options", "api", "savename", "container", "payload", "replay", "replaybody"})
    fs::create_directories(corpus / d);
  resetoptions();
  writeoptions((corpus / "options" / "default.dat").string());
  settings[setmouseaiming] = 1, settings[setjoysensitivity] = 40, keys[2][actshoot] = 412, splitoption = 1;
  writeoptions((corpus / "options" / "changed.dat").string());
  resetoptions();
  for (int mode : {0, 1}) {
    apimode = mode;
    writeapi((corpus / "api" / ("mode" + std::to_string(mode) + ".dat")).string());
  }
  savesdir = work.string();
  int n = 0;
  for (int players : {1, 2}) {
    SessionSetup setup;
    setup.seed = 600 + players;
    setup.players = players;
    startsession(setup);
    RandomPlayer player(players, players);
    for (int f = 0; f < 400 * players; ++f) sessionframe(player.next());
    const std::string slot = "seed" + std::to_string(++n);
    savegame(slot, static_cast<int>(plat::random_seed()), players == 1 ? "Solo" : "Two \xC4rzte");
    fs::copy_file(namefilepath(slot), corpus / "savename" / (slot + ".nam"), fs::copy_options::overwrite_existing);
    fs::copy_file(datafilepath(slot), corpus / "container" / (slot + ".907"), fs::copy_options::overwrite_existing);
  }
  savesdir = "saves";
  // Recordings: one player, and two players who leave for the menu and
  // come back (a gap with the carried values); each file and its body.
  plat::set_files_folder(work.string());
  for (int players : {1, 2}) {
    SessionSetup setup;
    setup.seed = 700 + players;
    setup.players = players;
    startsession(setup);
    setrecording(true);
    RandomPlayer player(players, players);
    for (int f = 0; f < 650; ++f) {
      plat::RawInput in = player.next();
      in.key[keyescape] = players == 2 && (f == 300 || f == 302);
      playframe(in);
    }
    const std::string path = plat::disk_path(recordingpath());
    setrecording(false);
    const std::string name = "seed" + std::to_string(players);
    fs::copy_file(path, corpus / "replay" / (name + ".rxreplay"), fs::copy_options::overwrite_existing);
    ReplayFile file;
    ReplayRefusal why;
    if (loadreplay(path, file, why))
      std::ofstream(corpus / "replaybody" / (name + ".body"), std::ios::binary)
          .write(reinterpret_cast<const char*>(file.body.data()), static_cast<std::streamsize>(file.body.size()));
  }
  plat::set_files_folder("");
  fs::remove_all(work);
}

void replay(const std::string& loader, void (*handler)(const uint8_t*, size_t), size_t atleast) {
  if (std::getenv("RX_UPDATE_CORPUS") && loader == "options") writeseeds();
  const std::vector<fs::path> files = inputs(loader);
  EXPECT_GE(files.size(), atleast) << "corpus of " << loader;
  for (const fs::path& f : files) {
    SCOPED_TRACE(f.string());
    const std::vector<uint8_t> bytes = readbytes(f);
    handler(bytes.data(), bytes.size());
  }
}

TEST(FuzzCorpus, Options) { replay("options", fuzz_options, 2); }
TEST(FuzzCorpus, Api) { replay("api", fuzz_api, 2); }
TEST(FuzzCorpus, SaveName) { replay("savename", fuzz_savename, 2); }
TEST(FuzzCorpus, Container) { replay("container", fuzz_container, 2); }
TEST(FuzzCorpus, Payload) {
  // The container seeds' payloads, then whatever is stored for the payload.
  int seeds = 0;
  for (const fs::path& f : inputs("container")) {
    std::vector<uint8_t> raw;
    const bool unpacked = unpackbytes(readbytes(f), raw);
    // The saved seeds are whole; inputs kept from fuzzing may be damaged.
    if (f.filename().string().rfind("seed", 0) == 0) {
      EXPECT_TRUE(unpacked) << f;
      seeds += 1;
    }
    if (unpacked) fuzz_payload(raw.data(), raw.size());
  }
  EXPECT_GE(seeds, 2);
  replay("payload", fuzz_payload, 0);
}

// The stored recordings and bodies (made by another build's content they
// are refused, which is a path of their own), and the same read again cut
// and damaged.
TEST(FuzzCorpus, Replay) {
  replay("replay", fuzz_replay, 2);
  replay("replaybody", fuzz_replaybody, 2);
  for (const fs::path& f : inputs("replay")) {
    const std::vector<uint8_t> bytes = readbytes(f);
    for (size_t keep : {size_t{0}, size_t{7}, bytes.size() / 2, bytes.size() - 1}) {
      if (keep > bytes.size()) continue;
      fuzz_replay(bytes.data(), keep);
    }
  }
  for (const fs::path& f : inputs("replaybody")) {
    std::vector<uint8_t> bytes = readbytes(f);
    for (size_t at = 0; at < bytes.size(); at += 1 + bytes.size() / 23) {
      bytes[at] ^= 0x41;
      fuzz_replaybody(bytes.data(), bytes.size());
      bytes[at] ^= 0x41;
    }
  }
}

}  // namespace
