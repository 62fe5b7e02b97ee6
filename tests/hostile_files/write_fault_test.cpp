// Writes that fail part way: each write runs in a child process whose file
// size limit cuts it off after a given number of bytes. The write must say
// it failed, leave the previous file exactly as it was (it still loads to
// the same values) and leave no staged file behind.
#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "state/settings.h"
#include "frontend/api_file.h"
#include "frontend/atomic_file.h"
#include "frontend/options_file.h"
#include "frontend/packfile.h"
#include "frontend/save_fields.h"
#include "frontend/savegame.h"
#include "hostile_files/played_save.h"
#include "input/bindings.h"

namespace fs = std::filesystem;

namespace {

// Runs write in a child allowed to write files of at most limit bytes;
// returns what write returned (-1 when the child did not end normally).
int limitedwrite(rlim_t limit, const std::function<int()>& write) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);  // an over-long write fails with EFBIG instead
    rlimit r{limit, limit};
    if (setrlimit(RLIMIT_FSIZE, &r) != 0) _exit(100);
    _exit(write());
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

class WriteFault : public PlayedSaveTest {
 protected:
  int points = 0;  // fault points tried in this test

  // The file at path after a write cut at limit: unchanged, and nothing
  // staged beside it.
  void expectkept(const fs::path& path, const std::vector<uint8_t>& old, rlim_t limit) {
    EXPECT_EQ(filebytes(path), old) << path << " with limit " << limit;
    EXPECT_FALSE(fs::exists(stagedpath(path.string()))) << path << " with limit " << limit;
    points += 1;
  }
};

TEST_F(WriteFault, OptionsFileCutAtEveryByte) {
  const fs::path path = dir / "opt.dat";
  resetoptions();
  settings[setminimap] = 0;
  keys[1][actshoot] = 70;
  ASSERT_EQ(writeoptions(path.string()), 1);
  const std::vector<uint8_t> old = filebytes(path);
  ASSERT_EQ(old.size(), 4u * optcount);
  settings[setminimap] = 1;
  keys[1][actshoot] = 71;
  for (rlim_t limit = 0; limit < old.size(); ++limit) {
    EXPECT_EQ(limitedwrite(limit, [&] { return writeoptions(path.string()); }), 0) << limit;
    expectkept(path, old, limit);
  }
  // The old file still reads back to the old options.
  resetoptions();
  readoptions(path.string());
  EXPECT_EQ(settings[setminimap], 0);
  EXPECT_EQ(keys[1][actshoot], 70);
  // With room for the whole file the write goes through.
  settings[setminimap] = 1;
  EXPECT_EQ(limitedwrite(old.size(), [&] { return writeoptions(path.string()); }), 1);
  EXPECT_EQ(filebytes(path), optionbytes());
  EXPECT_EQ(points, static_cast<int>(old.size()));
}

TEST_F(WriteFault, ApiFileCutAtEveryByte) {
  const fs::path path = dir / "api.dat";
  apimode = 1;
  ASSERT_EQ(writeapi(path.string()), 1);
  const std::vector<uint8_t> old = filebytes(path);
  apimode = 0;
  for (rlim_t limit = 0; limit < old.size(); ++limit) {
    EXPECT_EQ(limitedwrite(limit, [&] { return writeapi(path.string()); }), 0) << limit;
    expectkept(path, old, limit);
  }
  readapi(path.string());
  EXPECT_EQ(apimode, 1);
  apimode = 0;
  EXPECT_EQ(limitedwrite(old.size(), [&] { return writeapi(path.string()); }), 1);
  readapi(path.string());
  EXPECT_EQ(apimode, 0);
}

TEST_F(WriteFault, SavedGameCutAnywhereKeepsThePreviousSaveWhole) {
  // The live game now differs from the slot; saving it over the slot fails
  // at each of these sizes.
  const std::vector<uint8_t> newpayload = livepayload();
  std::vector<uint8_t> newpacked;
  ASSERT_TRUE(packbytes(newpayload, newpacked));
  const rlim_t first = namebytes.size() + 2, last = newpacked.size() - 1;
  std::vector<rlim_t> limits;
  for (rlim_t n = 0; n <= first; ++n) limits.push_back(n);
  for (rlim_t k = 1; k <= 60; ++k) limits.push_back(first + (last - first) * k / 60);
  for (rlim_t limit : limits) {
    EXPECT_EQ(limitedwrite(limit, [&] { return savegame("victim", rndseed, "Second"); }), 3) << limit;
    expectkept(datafile, packed, limit);
    expectkept(namefile, namebytes, limit);
  }
  // The slot still loads to exactly what was first saved.
  ASSERT_EQ(loadgame("victim"), 1);
  EXPECT_EQ(writepayload(rndseed), payload);
  EXPECT_EQ(readsavename("victim"), "Victim");
  // And a save with room enough replaces both files.
  ASSERT_TRUE(readpayload(newpayload));
  EXPECT_EQ(limitedwrite(newpacked.size(), [&] { return savegame("victim", rndseed, "Second"); }), 1);
  EXPECT_EQ(readsavename("victim"), "Second");
}

}  // namespace
