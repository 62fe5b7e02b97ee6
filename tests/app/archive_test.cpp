#include <gtest/gtest.h>

#include "state/archive.h"

TEST(Archive, EmbeddedEntriesRegisterOnceAndLookUpExactly) {
  register_embedded_archive();
  register_embedded_archive();
  EXPECT_EQ(archive_entries().size(), 214u);
  const ArchiveEntry* map = archive_find("game.map");
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(map->size, 500004u);
  EXPECT_EQ(archive_find("GAME.MAP"), nullptr);
  EXPECT_NE(archive_find("data\\gfx\\font.png"), nullptr);
  EXPECT_EQ(archive_find("data/gfx/font.png"), nullptr);
  static const uint8_t bytes[1] = {7};
  EXPECT_FALSE(archive_register("game.map", bytes, 1));
  EXPECT_EQ(archive_find("game.map")->size, 500004u);
}
