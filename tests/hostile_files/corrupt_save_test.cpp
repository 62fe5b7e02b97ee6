// Damaged saved games: truncated, bit-flipped, with a wrong declared size or
// with bytes added. Every one is refused and the live game stays exactly as
// it was.
#include <gtest/gtest.h>

#include <cstring>

#include "app/replay/state_hash.h"
#include "frontend/atomic_file.h"
#include "frontend/packfile.h"
#include "frontend/save_fields.h"
#include "frontend/savegame.h"
#include "hostile_files/played_save.h"

namespace {

class CorruptSave : public PlayedSaveTest {
 protected:
  // Puts bytes in the slot's data file and loads it; true when the load
  // was refused and the live game is untouched.
  ::testing::AssertionResult refused(const std::vector<uint8_t>& bytes, const std::string& what) {
    const uint64_t before = statehash();
    putfile(datafile, bytes);
    const int r = loadgame("victim");
    if (r != 3) return ::testing::AssertionFailure() << what << ": loadgame gave " << r;
    if (statehash() != before) return ::testing::AssertionFailure() << what << ": live game changed";
    return ::testing::AssertionSuccess();
  }
};

TEST_F(CorruptSave, TheUndamagedFileLoadsBackExactly) {
  putfile(datafile, packed);
  ASSERT_EQ(loadgame("victim"), 1);
  EXPECT_EQ(livepayload(), payload);
}

TEST_F(CorruptSave, TruncationAtEveryHeaderOffsetAndThroughTheBody) {
  std::vector<size_t> cuts;
  for (size_t n = 0; n < 64 && n < packed.size(); ++n) cuts.push_back(n);
  for (size_t k = 1; k <= 200; ++k) cuts.push_back(64 + (packed.size() - 65) * k / 200);
  for (size_t n : cuts) {
    const std::vector<uint8_t> cut(packed.begin(), packed.begin() + static_cast<long>(n));
    EXPECT_TRUE(refused(cut, "cut at " + std::to_string(n)));
  }
}

TEST_F(CorruptSave, BitFlipsAreRefusedOrChangeNothing) {
  const std::vector<uint8_t> live = livepayload();
  int refusedcount = 0, harmless = 0;
  for (size_t k = 0; k < 400; ++k) {
    // Every bit of the first 16 bytes, then spread over the rest.
    const size_t bit = k < 128 ? k : 128 + (packed.size() * 8 - 129) * (k - 128) / 271;
    std::vector<uint8_t> bad = packed;
    bad[bit / 8] ^= static_cast<uint8_t>(1u << (bit % 8));
    const uint64_t before = statehash();
    putfile(datafile, bad);
    if (loadgame("victim") == 3) {
      EXPECT_EQ(statehash(), before) << "flip of bit " << bit;
      refusedcount += 1;
      continue;
    }
    // Only the padding bits after the last compressed block are ignored by
    // zlib: the game must then have loaded exactly what was saved.
    EXPECT_EQ(livepayload(), payload) << "flip of bit " << bit << " loaded other data";
    harmless += 1;
    ASSERT_TRUE(readpayload(live));
  }
  EXPECT_GE(refusedcount, 390);
  EXPECT_EQ(refusedcount + harmless, 400);
}

TEST_F(CorruptSave, AWrongDeclaredSizeIsRefused) {
  const int32_t real = static_cast<int32_t>(payload.size());
  for (int32_t size : {real - 1, real + 1, real * 2, 0, -1, -real, static_cast<int32_t>(packmaxraw),
                       static_cast<int32_t>(packmaxraw + 1), INT32_MAX, INT32_MIN}) {
    std::vector<uint8_t> bad = packed;
    std::vector<uint8_t> field;
    putint(field, size);
    std::memcpy(bad.data() + 4, field.data(), 4);
    EXPECT_TRUE(refused(bad, "declared size " + std::to_string(size)));
  }
  std::vector<uint8_t> bad = packed;
  bad[0] ^= 1;
  EXPECT_TRUE(refused(bad, "foreign magic"));
}

TEST_F(CorruptSave, BytesAfterTheCompressedStreamAreRefused) {
  for (size_t extra : {1u, 4u, 7u, 1000u}) {
    std::vector<uint8_t> bad = packed;
    for (size_t i = 0; i < extra; ++i) bad.push_back(static_cast<uint8_t>(i * 37));
    EXPECT_TRUE(refused(bad, std::to_string(extra) + " trailing bytes"));
  }
  // A second copy of the whole stream after the first.
  std::vector<uint8_t> twice = packed;
  twice.insert(twice.end(), packed.begin() + 8, packed.end());
  EXPECT_TRUE(refused(twice, "stream twice"));
}

TEST_F(CorruptSave, DamagedPayloadsInAnIntactContainerAreRefused) {
  // Truncated or lengthened payloads, packed properly.
  for (size_t n : {size_t{0}, size_t{4}, payload.size() / 2, payload.size() - 1}) {
    std::vector<uint8_t> raw(payload.begin(), payload.begin() + static_cast<long>(n)), bad;
    ASSERT_TRUE(packbytes(raw, bad));
    EXPECT_TRUE(refused(bad, "payload of " + std::to_string(n) + " bytes"));
  }
  std::vector<uint8_t> longer = payload, bad;
  longer.push_back(0);
  ASSERT_TRUE(packbytes(longer, bad));
  EXPECT_TRUE(refused(bad, "payload one byte long"));
}

TEST_F(CorruptSave, AMissingOrEmptyDataFileIsRefusedAndTheNameSurvivesDamage) {
  EXPECT_TRUE(refused({}, "empty file"));
  std::filesystem::remove(datafile);
  const uint64_t before = statehash();
  EXPECT_EQ(loadgame("victim"), 3);
  EXPECT_EQ(statehash(), before);
  // A name file cut anywhere reads as no name, never as garbage.
  for (size_t n = 0; n < namebytes.size(); ++n) {
    putfile(namefile, std::vector<uint8_t>(namebytes.begin(), namebytes.begin() + static_cast<long>(n)));
    EXPECT_EQ(readsavename("victim"), "") << "cut at " << n;
  }
  putfile(namefile, namebytes);
  EXPECT_EQ(readsavename("victim"), "Victim");
}

}  // namespace
