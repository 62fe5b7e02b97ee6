// The packed container: its layout, and refusal of anything that is not
// exactly what it declares.
#include <zlib.h>

#include "frontend/atomic_file.h"
#include "frontend/packfile.h"
#include "saves_fixture.h"

namespace {

std::vector<uint8_t> container(int32_t magic, int32_t rawsize, const std::vector<uint8_t>& raw) {
  std::vector<uint8_t> out = ints({magic, rawsize});
  uLongf len = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> z(len);
  compress2(z.data(), &len, raw.data(), static_cast<uLong>(raw.size()), Z_DEFAULT_COMPRESSION);
  out.insert(out.end(), z.begin(), z.begin() + static_cast<long>(len));
  return out;
}

}  // namespace

TEST_F(SavesTest, PackedBytesAreTheDocumentedContainer) {
  std::vector<uint8_t> raw(5000);
  for (size_t i = 0; i < raw.size(); ++i) raw[i] = static_cast<uint8_t>(i * 7 % 13);
  std::vector<uint8_t> packed, back;
  ASSERT_TRUE(packbytes(raw, packed));
  EXPECT_EQ(packed, container(4192, 5000, raw));  // default-level zlib, magic, raw size
  ASSERT_TRUE(unpackbytes(packed, back));
  EXPECT_EQ(back, raw);
}

TEST_F(SavesTest, UnpackRefusesWhatItCannotTrust) {
  const std::vector<uint8_t> raw(1000, 42);
  std::vector<uint8_t> out;
  ASSERT_TRUE(unpackbytes(container(4192, 1000, raw), out));
  EXPECT_EQ(out, raw);
  EXPECT_FALSE(unpackbytes(container(4193, 1000, raw), out)) << "foreign magic";
  EXPECT_FALSE(unpackbytes(container(4192, 999, raw), out)) << "stream longer than declared";
  EXPECT_FALSE(unpackbytes(container(4192, 1001, raw), out)) << "stream shorter than declared";
  EXPECT_FALSE(unpackbytes(container(4192, -1, raw), out)) << "negative size";
  // A stream that truly holds more than 64 MiB is refused all the same.
  const std::vector<uint8_t> huge((64 << 20) + 1, 0);
  EXPECT_FALSE(unpackbytes(container(4192, (64 << 20) + 1, huge), out)) << "beyond 64 MiB";
  auto cut = container(4192, 1000, raw);
  cut.resize(cut.size() - 6);
  EXPECT_FALSE(unpackbytes(cut, out)) << "cut stream";
  EXPECT_FALSE(unpackbytes(ints({4192}), out)) << "no size";
  auto garbage = ints({4192, 10, 1, 2, 3});
  EXPECT_FALSE(unpackbytes(garbage, out)) << "not zlib";
  EXPECT_TRUE(out.empty());
}

TEST_F(SavesTest, ReplacingAFileIsAllOrNothing) {
  const auto target = dir / "file.dat";
  putfile(target, {1, 2, 3});
  EXPECT_TRUE(replacefile(target.string(), {4, 5}));
  EXPECT_EQ(filebytes(target), (std::vector<uint8_t>{4, 5}));
  EXPECT_FALSE(std::filesystem::exists(stagedpath(target.string())));
  // The staged copy cannot be written: the old file stays.
  std::filesystem::create_directory(stagedpath(target.string()));
  EXPECT_FALSE(replacefile(target.string(), {6}));
  EXPECT_EQ(filebytes(target), (std::vector<uint8_t>{4, 5}));
  // The target is a folder: nothing is left behind.
  const auto folder = dir / "folder";
  std::filesystem::create_directory(folder);
  EXPECT_FALSE(replacefile(folder.string(), {6}));
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_FALSE(std::filesystem::exists(stagedpath(folder.string())));
  EXPECT_FALSE(replacefile((dir / "no" / "such").string(), {6}));
}
