// File operations on disk paths.
#include <sys/stat.h>

#include <fstream>

#include "platform_fixture.h"

namespace {

using namespace plattest;

void write_text(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

std::string read_text(const std::string& path) {
  std::vector<uint8_t> bytes;
  return plat::read_whole(path, bytes) ? std::string(bytes.begin(), bytes.end()) : "<none>";
}

TEST(Files, TypesSizesAndDeletion) {
  TempDir dir;
  write_text(dir.file("a.txt"), "hello");
  EXPECT_EQ(plat::file_type(dir.file("a.txt")), 1);
  EXPECT_EQ(plat::file_type(dir.file("")), 2);
  EXPECT_EQ(plat::file_type(dir.file("b.txt")), 0);
  EXPECT_EQ(plat::file_size(dir.file("a.txt")), 5);
  EXPECT_EQ(plat::file_size(dir.file("b.txt")), 0);

  EXPECT_TRUE(plat::delete_file(dir.file("a.txt")));
  EXPECT_EQ(plat::file_type(dir.file("a.txt")), 0);
  EXPECT_FALSE(plat::delete_file(dir.file("a.txt")));
  EXPECT_FALSE(plat::delete_file(dir.file("")));  // never a folder
  EXPECT_EQ(plat::file_type(dir.file("")), 2);
}

TEST(Files, FoldersAndBackslashPaths) {
  TempDir dir;
  EXPECT_EQ(plat::disk_path("saves\\quick.907"), "saves/quick.907");
  EXPECT_TRUE(plat::create_dir(dir.file("saves") + "\\deep"));
  EXPECT_EQ(plat::file_type(dir.file("saves/deep")), 2);
  EXPECT_TRUE(plat::create_dir(dir.file("saves")));  // already there is fine
  write_text(dir.file("clash"), "x");
  EXPECT_FALSE(plat::create_dir(dir.file("clash")));
}

TEST(Files, RenameReplacesTheTargetWhole) {
  TempDir dir;
  write_text(dir.file("save.tmp"), "new data");
  write_text(dir.file("slot.907"), "old data, longer than the new");
  EXPECT_TRUE(plat::rename_file(dir.file("save.tmp"), dir.file("slot.907")));
  EXPECT_EQ(read_text(dir.file("slot.907")), "new data");
  EXPECT_EQ(plat::file_type(dir.file("save.tmp")), 0);
  EXPECT_FALSE(plat::rename_file(dir.file("save.tmp"), dir.file("slot.907")));
  EXPECT_EQ(read_text(dir.file("slot.907")), "new data");
  EXPECT_FALSE(plat::rename_file("incbin::game.map", dir.file("map")));
}

TEST(Files, OwnerWritableAddsOnlyTheOwnersWriteBit) {
  TempDir dir;
  const std::string path = dir.file("opt.dat");
  write_text(path, "x");
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  EXPECT_TRUE(plat::make_owner_writable(path));
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
  EXPECT_FALSE(plat::make_owner_writable(dir.file("missing.dat")));
}

TEST(Files, WholeFileReadsFromDiskAndArchive) {
  TempDir dir;
  write_text(dir.file("w.bin"), std::string("a\0b", 3));
  EXPECT_EQ(read_text(dir.file("w.bin")), std::string("a\0b", 3));
  write_text(dir.file("empty"), "");
  EXPECT_EQ(read_text(dir.file("empty")), "");
  EXPECT_EQ(read_text(dir.file("none")), "<none>");
  EXPECT_EQ(read_text(dir.file("")), "<none>");

  register_embedded_archive();
  std::vector<uint8_t> map;
  ASSERT_TRUE(plat::read_whole("incbin::game.map", map));
  EXPECT_EQ(map.size(), archive_find("game.map")->size);
  EXPECT_FALSE(plat::read_whole("incbin::nothing", map));
  EXPECT_TRUE(map.empty());
}

}  // namespace
