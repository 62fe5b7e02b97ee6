// Where the game keeps its files and finds its music: the per-user folder
// of an installed game, --user-files and --data-dir, and the files folder
// that every relative disk path is taken in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/user_files.h"
#include "frontend/options_file.h"
#include "frontend/savegame.h"
#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;

LaunchOptions parse(std::vector<const char*> args) {
  args.insert(args.begin(), "rx907");
  return parsecommandline(static_cast<int>(args.size()), args.data());
}

struct Scratch {
  fs::path root;
  Scratch() {
    static int n = 0;
    root = fs::temp_directory_path() / ("rx907_userfiles_" + std::to_string(::getpid()) + "_" + std::to_string(++n));
    fs::remove_all(root);
    fs::create_directories(root);
  }
  ~Scratch() {
    plat::set_files_folder("");
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  void touch(const fs::path& p) const {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "x";
  }
};

TEST(UserFiles, FlagsAndTheFolderTheyChoose) {
  const LaunchOptions none = parse({});
  EXPECT_FALSE(none.userfiles);
  EXPECT_TRUE(none.datadir.empty());
  EXPECT_TRUE(parse({"--user-files"}).userfiles);
  EXPECT_EQ(parse({"--data-dir=/tmp/x y"}).datadir, "/tmp/x y");
  EXPECT_FALSE(parse({"--data-dir="}).error.empty()) << "an empty folder name is refused";
  EXPECT_FALSE(parse({"--data-dir"}).error.empty());

  const std::string user = "/home/p/.local/share/rx907";
  EXPECT_EQ(choosefilesfolder(none, false, user), "") << "from the tree: the current folder";
  EXPECT_EQ(choosefilesfolder(none, true, user), user) << "installed: the per-user folder";
  EXPECT_EQ(choosefilesfolder(parse({"--user-files"}), false, user), user);
  EXPECT_EQ(choosefilesfolder(parse({"--user-files", "--data-dir=saved"}), true, user), "saved")
      << "a named folder wins";
}

TEST(UserFiles, PerUserFolderFollowsTheXdgRules) {
  EXPECT_EQ(userdatafolder("/data/x", "/home/p"), "/data/x/rx907");
  EXPECT_EQ(userdatafolder(nullptr, "/home/p"), "/home/p/.local/share/rx907");
  EXPECT_EQ(userdatafolder("", "/home/p"), "/home/p/.local/share/rx907") << "empty counts as unset";
  EXPECT_EQ(userdatafolder("relative/dir", "/home/p"), "/home/p/.local/share/rx907")
      << "a relative XDG_DATA_HOME is ignored";
  EXPECT_EQ(userdatafolder(nullptr, nullptr), "");
  EXPECT_EQ(userdatafolder(nullptr, "not/absolute"), "");
}

TEST(UserFiles, InstalledProgramAndItsMusic) {
  Scratch s;
  // An installed layout: PREFIX/bin/rx907 beside PREFIX/share/rx907/music.
  const fs::path prefix = s.root / "usr";
  s.touch(prefix / "bin" / "rx907");
  EXPECT_FALSE(installedprogram((prefix / "bin" / "rx907").string())) << "no share/rx907 yet";
  s.touch(prefix / "share" / "rx907" / "music" / "track0_0.ogg");
  EXPECT_TRUE(installedprogram((prefix / "bin" / "rx907").string()));
  EXPECT_FALSE(installedprogram(""));
  s.touch(prefix / "games" / "rx907");
  EXPECT_TRUE(installedprogram((prefix / "games" / "rx907").string())) << "Debian's place for games";
  // A build folder: BUILD/rx907 with BUILD/content/data/music.
  const fs::path build = s.root / "build";
  s.touch(build / "rx907");
  s.touch(build / "content" / "data" / "music" / "track0_0.ogg");
  EXPECT_FALSE(installedprogram((build / "rx907").string()));

  // The files folder holds no data/music: the installed or built tracks.
  plat::set_files_folder((s.root / "files").string());
  EXPECT_EQ(choosemusicfolder((prefix / "bin" / "rx907").string()),
            (prefix / "share" / "rx907" / "music").string() + "/");
  EXPECT_EQ(choosemusicfolder((build / "rx907").string()),
            (build / "content" / "data" / "music").string() + "/");
  EXPECT_EQ(choosemusicfolder(""), "data\\music\\");
  // Tracks in the files folder (run/ of make run) come first.
  s.touch(s.root / "files" / "data" / "music" / "track0_0.ogg");
  EXPECT_EQ(choosemusicfolder((prefix / "bin" / "rx907").string()), "data\\music\\");
}

TEST(UserFiles, RelativePathsGoToTheFilesFolderAndAMissingOneFailsLikeReadOnly) {
  Scratch s;
  const fs::path folder = s.root / "rx907";
  fs::create_directories(folder);
  plat::set_files_folder(folder.string() + "/");
  EXPECT_EQ(plat::disk_path("saves\\quick.907"), (folder / "saves" / "quick.907").string());
  EXPECT_EQ(plat::disk_path("/abs/music.ogg"), "/abs/music.ogg") << "absolute paths stay";
  EXPECT_EQ(writeoptions("opt.dat"), 1);
  EXPECT_TRUE(fs::exists(folder / "opt.dat"));
  EXPECT_EQ(plat::file_type("opt.dat"), 1);
  EXPECT_EQ(savegame("save_1", 7, "ONE"), 1);
  EXPECT_TRUE(fs::exists(folder / "saves" / "save_1.907"));

  // A folder that could not be made (a file stands in its way): every write
  // fails as it does in a read-only folder, and nothing lands elsewhere.
  s.touch(s.root / "blocked");
  plat::set_files_folder((s.root / "blocked" / "rx907").string());
  EXPECT_EQ(writeoptions("opt.dat"), 0);
  EXPECT_EQ(savegame("save_1", 7, "ONE"), 3);
  EXPECT_FALSE(fs::exists(s.root / "opt.dat"));
}

}  // namespace

namespace {

// Run from the tree in a folder that cannot be written, the game says so
// on the error output, as it does for a --data-dir it cannot write.
TEST(UserFiles, AReadOnlyRunFolderIsNamedOnTheErrorOutput) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  Scratch s;
  const fs::path home = fs::current_path();
  fs::permissions(s.root, fs::perms::owner_read | fs::perms::owner_exec);
  fs::current_path(s.root);
  ::testing::internal::CaptureStderr();
  setupfiles(parse({}));
  const std::string said = ::testing::internal::GetCapturedStderr();
  fs::current_path(home);
  fs::permissions(s.root, fs::perms::owner_all);
  EXPECT_NE(said.find("cannot be written"), std::string::npos) << said;
}

}  // namespace
