// Oversized files: each kind of file the game reads has a size limit, and a
// longer file is treated as damaged without being read (sparse files here,
// so the sizes cost no disk).
#include <gtest/gtest.h>

#include "app/replay/state_hash.h"
#include "state/settings.h"
#include "frontend/api_file.h"
#include "frontend/options_file.h"
#include "frontend/save_screens.h"
#include "frontend/savegame.h"
#include "hostile_files/played_save.h"
#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;

class FileLimits : public PlayedSaveTest {
 protected:
  // The file at p grown (sparsely) to n bytes.
  static void growto(const fs::path& p, uintmax_t n) { fs::resize_file(p, n); }
};

TEST_F(FileLimits, ReadWholeRefusesAFileLongerThanItsLimitUnread) {
  const fs::path p = dir / "blob";
  putfile(p, ints({1, 2, 3}));
  growto(p, 1000);
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(plat::read_whole(p.string(), bytes, 1000));
  EXPECT_EQ(bytes.size(), 1000u);
  EXPECT_FALSE(plat::read_whole(p.string(), bytes, 999));
  EXPECT_TRUE(bytes.empty());
}

TEST_F(FileLimits, SettingsAndRendererFilesUpToTheirLimitOnly) {
  const fs::path api = dir / "api.dat";
  putfile(api, ints({apimagic, 1}));
  growto(api, apifilemax);
  readapi(api.string());
  EXPECT_EQ(apimode, 1);
  growto(api, apifilemax + 1);
  readapi(api.string());
  EXPECT_EQ(apimode, 0) << "an oversized api.dat reads as foreign";

  const fs::path opt = dir / "opt.dat";
  resetoptions();
  settings[setmouseaiming] = 1 - settings[setmouseaiming];
  const int changed = settings[setmouseaiming];
  ASSERT_EQ(writeoptions(opt.string()), 1);
  growto(opt, optfilemax);
  resetoptions();
  readoptions(opt.string());
  EXPECT_EQ(settings[setmouseaiming], changed);
  growto(opt, optfilemax + 1);
  resetoptions();
  readoptions(opt.string());
  EXPECT_EQ(settings[setmouseaiming], 1 - changed) << "an oversized opt.dat is ignored";
}

TEST_F(FileLimits, AnOversizedNameFileListsItsSlotAsEmpty) {
  growto(namefile, namefilemax);
  EXPECT_EQ(readsavename("victim"), "Victim");
  growto(namefile, namefilemax + 1);
  EXPECT_EQ(readsavename("victim"), "");

  // A name file far larger than memory: the slot list still opens.
  putfile(saves / "save_3.nam", namebytes);
  growto(saves / "save_3.nam", uintmax_t{1} << 40);
  listsaveslots();
  EXPECT_EQ(menuskip[3], 1);
  EXPECT_EQ(menutext[3], "--EMPTY--");
}

TEST_F(FileLimits, AnOversizedDataFileFailsToLoadAndChangesNothing) {
  const uint64_t before = statehash();
  growto(datafile, datafilemax + 1);
  EXPECT_EQ(loadgame("victim"), 3);
  growto(datafile, uintmax_t{1} << 40);
  EXPECT_EQ(loadgame("victim"), 3);
  EXPECT_EQ(statehash(), before);
}

}  // namespace
