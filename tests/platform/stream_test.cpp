// Little-endian streams: disk round trips, exact byte layout, reads past
// the end, hostile lengths, archive entries and memory.
#include <climits>
#include <cmath>
#include <fstream>

#include "platform_fixture.h"

namespace {

using namespace plattest;

struct StreamCloser {
  void operator()(plat::Stream* s) const { plat::close_stream(s); }
};
using StreamPtr = std::unique_ptr<plat::Stream, StreamCloser>;

TEST(Streams, DiskRoundTripKeepsEveryValue) {
  TempDir dir;
  ASSERT_TRUE(plat::create_dir(dir.file("sub")));
  const std::string path = dir.file("sub") + "\\data.bin";  // backslash separator
  const std::string bytes("ab\0\xC4\xFF", 5);
  {
    StreamPtr out(plat::open_write(path));
    ASSERT_TRUE(out);
    out->write_int(4421);
    out->write_int(-1);
    out->write_int(INT_MIN);
    out->write_double(-3.25);
    out->write_double(1e300);
    out->write_bytes(bytes);
    EXPECT_TRUE(out->close());
  }
  EXPECT_EQ(plat::file_type(dir.file("sub/data.bin")), 1);
  EXPECT_EQ(plat::file_size(path), 3 * 4 + 2 * 8 + 5);

  StreamPtr in(plat::open_read(path));
  ASSERT_TRUE(in);
  EXPECT_EQ(in->size(), 33);
  EXPECT_EQ(in->read_int(), 4421);
  EXPECT_EQ(in->read_int(), -1);
  EXPECT_EQ(in->read_int(), INT_MIN);
  EXPECT_EQ(in->read_double(), -3.25);
  EXPECT_EQ(in->read_double(), 1e300);
  EXPECT_FALSE(in->eof());
  EXPECT_EQ(in->read_bytes(5), bytes);
  EXPECT_TRUE(in->eof());
  EXPECT_FALSE(in->failed());
  EXPECT_EQ(in->read_int(), 0);
  EXPECT_TRUE(in->failed());
}

TEST(Streams, ValuesAreLittleEndianOnDisk) {
  TempDir dir;
  StreamPtr out(plat::open_write(dir.file("le.bin")));
  ASSERT_TRUE(out);
  out->write_int(0x01020304);
  out->write_double(1.0);
  ASSERT_TRUE(out->close());
  std::vector<uint8_t> got;
  ASSERT_TRUE(plat::read_whole(dir.file("le.bin"), got));
  const std::vector<uint8_t> want = {4, 3, 2, 1, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
  EXPECT_EQ(got, want);
}

TEST(Streams, ShortAndHostileReadsFailCleanly) {
  StreamPtr s(plat::open_memory({1, 2, 3}));
  EXPECT_EQ(s->read_int(), 0);
  EXPECT_TRUE(s->failed());

  StreamPtr d(plat::open_memory({1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(d->read_double(), 0.0);
  EXPECT_TRUE(d->failed());

  StreamPtr neg(plat::open_memory({1, 2, 3, 4}));
  EXPECT_EQ(neg->read_bytes(-1), "");
  EXPECT_TRUE(neg->failed());

  StreamPtr big(plat::open_memory({'x', 'y'}));
  EXPECT_EQ(big->read_bytes(INT32_MAX), "");
  EXPECT_TRUE(big->failed());

  StreamPtr raw(plat::open_memory({9, 9}));
  uint8_t buf[4] = {7, 7, 7, 7};
  EXPECT_FALSE(raw->read_raw(buf, 4));
  EXPECT_EQ(buf[0] + buf[1] + buf[2] + buf[3], 0);  // never half-filled garbage

  StreamPtr ok(plat::open_memory({0xFE, 0xFF, 0xFF, 0xFF, 'h', 'i'}));
  EXPECT_EQ(ok->read_int(), -2);
  EXPECT_EQ(ok->read_bytes(2), "hi");
  EXPECT_EQ(ok->read_bytes(0), "");
  EXPECT_FALSE(ok->failed());
  ok->write_int(5);  // memory streams are read-only
  EXPECT_TRUE(ok->failed());
}

TEST(Streams, ArchiveEntriesAreReadOnlyAndExactlyNamed) {
  register_embedded_archive();
  StreamPtr map(plat::open_read("incbin::game.map"));
  ASSERT_TRUE(map);
  EXPECT_EQ(map->size(), 500004);
  const uint8_t* raw = archive_find("game.map")->data;
  const uint32_t le = raw[0] | raw[1] << 8 | raw[2] << 16 | uint32_t(raw[3]) << 24;
  EXPECT_EQ(map->read_int(), static_cast<int32_t>(le));
  std::string rest = map->read_bytes(500000);
  EXPECT_EQ(rest.size(), 500000u);
  EXPECT_TRUE(map->eof());
  EXPECT_FALSE(map->failed());
  map->write_int(1);
  EXPECT_TRUE(map->failed());

  EXPECT_EQ(plat::open_read("incbin::GAME.MAP"), nullptr);
  EXPECT_EQ(plat::open_write("incbin::game.map"), nullptr);
  EXPECT_EQ(plat::file_type("incbin::game.map"), 1);
  EXPECT_EQ(plat::file_size("incbin::game.map"), 500004);
}

TEST(Streams, UnopenablePathsGiveNoStream) {
  TempDir dir;
  EXPECT_EQ(plat::open_read(dir.file("none.bin")), nullptr);
  EXPECT_EQ(plat::open_read(dir.file("")), nullptr);  // a folder
  EXPECT_EQ(plat::open_write(dir.file("")), nullptr);
  EXPECT_EQ(plat::open_write(dir.file("no/such/folder/x.bin")), nullptr);
  plat::close_stream(nullptr);
}

}  // namespace
