// opt.dat and api.dat: layout, defaults kept for anything missing or out
// of range, and writes that never lose the previous file.
#include "state/settings.h"
#include "frontend/api_file.h"
#include "frontend/atomic_file.h"
#include "frontend/options_file.h"
#include "frontend/savegame.h"
#include "input/bindings.h"
#include "saves_fixture.h"

namespace {

class OptionsTest : public SavesTest {
 protected:
  void SetUp() override {
    SavesTest::SetUp();
    resetoptions();
    path = (dir / "opt.dat").string();
  }
  std::string path;
};

std::vector<int32_t> asints(const std::vector<uint8_t>& b) {
  std::vector<int32_t> out;
  for (size_t i = 0; i + 4 <= b.size(); i += 4) out.push_back(getint(b, i));
  return out;
}

}  // namespace

TEST_F(OptionsTest, WritesSeventyIntegersInOrder) {
  settings[setjoysensitivity] = 40;  // shown as 70, stored as 40
  settings[setminimap] = 0;
  keys[2][8] = 402;
  splitoption = 1;
  squadpick[6][pickbar(2)] = 99;
  ASSERT_EQ(writeoptions(path), 1);
  const auto v = asints(filebytes(path));
  ASSERT_EQ(v.size(), 70u);
  EXPECT_EQ(v[0], 2442);
  EXPECT_EQ(v[setjoysensitivity], 40);
  EXPECT_EQ(v[setminimap], 0);
  EXPECT_EQ(v[10 + 16], 402);
  EXPECT_EQ(v[27], 1);
  EXPECT_EQ(v[28 + 6 * 6 + 3], 99);
  EXPECT_EQ(v[28 + 1 * 6 + 1], 12);  // first default pick

  resetoptions();
  readoptions(path);
  EXPECT_EQ(settings[setjoysensitivity], 40);
  EXPECT_EQ(keys[2][8], 402);
  EXPECT_EQ(splitoption, 1);
  EXPECT_EQ(squadpick[6][pickbar(2)], 99);
}

TEST_F(OptionsTest, WrongMagicOrMissingFileKeepsDefaults) {
  auto bytes = optionbytes();
  for (size_t i = 4; i < bytes.size(); ++i) bytes[i] = 0;  // well formed apart from the magic
  bytes[0] = 0x8b;
  putfile(path, bytes);
  readoptions(path);
  EXPECT_EQ(settings[setmusic], 1);
  EXPECT_EQ(settings[setjoysensitivity], 20);
  EXPECT_EQ(squadpick[1][pickroster], 12);
  readoptions((dir / "none.dat").string());
  readoptions(dir.string());
  EXPECT_EQ(settings[setjoysensitivity], 20);
}

TEST_F(OptionsTest, ShortOrOutOfRangeFieldsKeepDefaults) {
  putfile(path, ints({2442, 0, 0, 1}));  // three settings, then nothing
  readoptions(path);
  EXPECT_EQ(settings[setmusic], 0);
  EXPECT_EQ(settings[setsound], 0);
  EXPECT_EQ(settings[setshowtime], 1);
  EXPECT_EQ(squadpick[1][pickroster], 12);

  resetoptions();
  auto v = asints(optionbytes());
  v[setjoysensitivity] = 0;    // below the range
  v[setmouseaiming] = 2;       // not a switch
  v[setcompass] = 0;           // good
  v[11] = -7;                  // binding that names nothing
  v[27] = 5;                   // split choice
  v[28 + 3 * 6 + 1] = 16;      // roster number beyond 15
  v[28 + 4 * 6 + 2] = 66;      // a bar: taken only with the picks
  std::vector<uint8_t> bytes;
  for (int32_t x : v) putint(bytes, x);
  putfile(path, bytes);
  readoptions(path);
  EXPECT_EQ(settings[setjoysensitivity], 20);
  EXPECT_EQ(settings[setmouseaiming], 1);
  EXPECT_EQ(settings[setcompass], 0);
  EXPECT_NE(keys[1][1], -7);
  EXPECT_EQ(splitoption, 0);
  EXPECT_EQ(squadpick[3][pickroster], 10);
  EXPECT_EQ(squadpick[4][pickbar(1)], 0);

  v[28 + 3 * 6 + 1] = 9;  // the same character twice
  bytes.clear();
  for (int32_t x : v) putint(bytes, x);
  putfile(path, bytes);
  readoptions(path);
  EXPECT_EQ(squadpick[3][pickroster], 10);
  v[28 + 3 * 6 + 1] = 1;  // now a valid pick
  bytes.clear();
  for (int32_t x : v) putint(bytes, x);
  putfile(path, bytes);
  readoptions(path);
  EXPECT_EQ(squadpick[3][pickroster], 1);
  EXPECT_EQ(squadpick[4][pickbar(1)], 66);
}

TEST_F(OptionsTest, FailedWriteKeepsPreviousFile) {
  ASSERT_EQ(writeoptions(path), 1);
  const auto before = filebytes(path);
  settings[setmusic] = 0;
  std::filesystem::create_directory(stagedpath(path));
  EXPECT_EQ(writeoptions(path), 0);
  EXPECT_EQ(filebytes(path), before);
  EXPECT_EQ(writeoptions(dir.string()), 0);  // a folder is not replaced
  EXPECT_TRUE(std::filesystem::is_directory(dir));
}

TEST_F(OptionsTest, ApiFile) {
  const std::string api = (dir / "api.dat").string();
  apimode = 1;
  ASSERT_EQ(writeapi(api), 1);
  EXPECT_EQ(filebytes(api), ints({4421, 1}));
  apimode = 0;
  readapi(api);
  EXPECT_EQ(apimode, 1);
  putfile(api, ints({4422, 1}));
  readapi(api);
  EXPECT_EQ(apimode, 0);
  EXPECT_EQ(parseapi(ints({4421, 7}), 0), 0);
  EXPECT_EQ(parseapi(ints({4421}), 1), 1);
  apimode = 1;
  readapi((dir / "none").string());
  EXPECT_EQ(apimode, 0);
  // A failed write keeps the old choice on disk.
  putfile(api, ints({4421, 1}));
  apimode = 0;
  std::filesystem::create_directory(stagedpath(api));
  EXPECT_EQ(writeapi(api), 0);
  EXPECT_EQ(filebytes(api), ints({4421, 1}));
}

TEST_F(OptionsTest, MakingFilesWritableAddsOwnerWriteOnly) {
  namespace fs = std::filesystem;
  std::filesystem::create_directory(saves);
  const auto quick = saves / "quick.907";
  putfile(quick, {1});
  fs::permissions(quick, fs::perms::owner_read | fs::perms::group_read);
  const auto cwd = fs::current_path();
  fs::current_path(dir);
  savesdir = "saves";
  makefileswritable();
  fs::current_path(cwd);
  EXPECT_EQ(fs::status(quick).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
