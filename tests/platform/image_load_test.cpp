// Loading: mask-colour keying at load time, PNG alpha, strips and cells,
// handles, and refusal of absent or hostile files.
#include <zlib.h>

#include <fstream>

#include "platform_fixture.h"

namespace {

using namespace plattest;

std::vector<uint8_t> file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void write_bytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

TEST(ImageLoad, MaskColourInForceAtLoadTimeIsKeyedOut) {
  TempDir dir;
  const std::string path = write_png(dir, "k.png", 2, 1, [](int x, int) { return x ? kWhite : kMagenta; });
  plat::set_mask_colour(255, 0, 255);
  const int magenta_keyed = plat::load_image(path, 1);
  plat::set_mask_colour(255, 255, 255);  // later changes do not touch it
  EXPECT_EQ(plat::image_pixel(magenta_keyed, 0, 0, 0) >> 24, 0u);
  EXPECT_EQ(plat::image_pixel(magenta_keyed, 0, 1, 0), kWhite);

  const int white_keyed = plat::load_image(path, -1);  // default flags mask
  EXPECT_EQ(plat::image_pixel(white_keyed, 0, 0, 0), kMagenta);
  EXPECT_EQ(plat::image_pixel(white_keyed, 0, 1, 0) >> 24, 0u);

  const int unmasked = plat::load_image(path, 2);
  EXPECT_EQ(plat::image_pixel(unmasked, 0, 0, 0), kMagenta);
  EXPECT_EQ(plat::image_pixel(unmasked, 0, 1, 0), kWhite);
}

TEST(ImageLoad, PngAlphaIsKeptWithoutMasking) {
  TempDir dir;
  const int img = plat::load_image(write_png(dir, "a.png", 3, 1, [](int x, int) {
    return x == 0 ? kClear : x == 1 ? 0x7F112233u : kBlue;
  }), 0);
  EXPECT_EQ(plat::image_pixel(img, 0, 0, 0) >> 24, 0u);
  EXPECT_EQ(plat::image_pixel(img, 0, 1, 0), 0x7F112233u);
  EXPECT_EQ(plat::image_pixel(img, 0, 2, 0), kBlue);
  EXPECT_EQ(plat::image_pixel(img, 0, 3, 0), 0u);  // outside
}

TEST(ImageLoad, StripCellsRunLeftToRightThenTopToBottom) {
  TempDir dir;
  // 3 x 2 cells of 4 x 5; cell n is filled with the colour 0xFF0000nn.
  const std::string path = write_png(dir, "s.png", 12, 10, [](int x, int y) {
    return 0xFF000000u | static_cast<uint32_t>((y / 5) * 3 + x / 4);
  });
  const int all = plat::load_anim_image(path, 4, 5, 0, 6, 0);
  ASSERT_EQ(plat::image_frames(all), 6);
  EXPECT_EQ(plat::image_width(all), 4);
  EXPECT_EQ(plat::image_height(all), 5);
  for (int f = 0; f < 6; ++f) EXPECT_EQ(plat::image_pixel(all, f, 3, 4) & 0xFF, static_cast<uint32_t>(f));

  const int tail = plat::load_anim_image(path, 4, 5, 2, 3, 0);
  ASSERT_EQ(plat::image_frames(tail), 3);
  EXPECT_EQ(plat::image_pixel(tail, 0, 0, 0) & 0xFF, 2u);
  EXPECT_EQ(plat::image_pixel(tail, 1, 0, 0) & 0xFF, 3u);  // wraps to the second row

  EXPECT_EQ(plat::image_frames(plat::load_anim_image(path, 4, 5, 4, 10, 0)), 2);  // only what exists
  EXPECT_EQ(plat::load_anim_image(path, 4, 5, 6, 1, 0), 0);
  EXPECT_EQ(plat::load_anim_image(path, 13, 5, 0, 1, 0), 0);
  EXPECT_EQ(plat::load_anim_image(path, 0, 5, 0, 1, 0), 0);
}

TEST(ImageLoad, ArchiveStripAndHandles) {
  register_embedded_archive();
  const ArchiveEntry* entry = archive_find("data\\gfx\\font.png");
  ASSERT_NE(entry, nullptr);
  plat::detail::RgbaImage pic;
  ASSERT_TRUE(plat::detail::decode_png(entry->data, entry->size, pic));
  ASSERT_GE(pic.width, 2);
  ASSERT_GE(pic.height, 2);

  const int whole = plat::load_image("incbin::data\\gfx\\font.png", -1);
  EXPECT_EQ(plat::image_width(whole), pic.width);
  EXPECT_EQ(plat::image_height(whole), pic.height);
  EXPECT_EQ(plat::image_frames(whole), 1);

  const int quarters = plat::load_anim_image("incbin::data\\gfx\\font.png", pic.width / 2, pic.height / 2, 0, 4, -1);
  ASSERT_NE(quarters, 0);
  EXPECT_EQ(plat::image_frames(quarters), 4);
  EXPECT_EQ(plat::image_width(quarters), pic.width / 2);
  EXPECT_EQ(plat::image_handle_x(quarters), 0);
  plat::centre_image_handle(quarters);
  EXPECT_EQ(plat::image_handle_x(quarters), pic.width / 4);
  EXPECT_EQ(plat::image_handle_y(quarters), pic.height / 4);
  plat::set_image_handle(quarters, -3, 40);
  EXPECT_EQ(plat::image_handle_x(quarters), -3);
  EXPECT_EQ(plat::image_handle_y(quarters), 40);
  plat::free_image(quarters);
  EXPECT_FALSE(plat::image_exists(quarters));
  EXPECT_EQ(plat::image_width(quarters), 0);
  EXPECT_TRUE(plat::image_exists(whole));
  EXPECT_EQ(plat::load_image("incbin::data/gfx/font.png", 1), 0);  // archive names are exact
}

TEST(ImageLoad, AbsentOrHostileFilesGiveNoImage) {
  TempDir dir;
  EXPECT_EQ(plat::load_image(dir.file("missing.png"), 1), 0);
  EXPECT_EQ(plat::load_image(dir.file(""), 1), 0);

  write_bytes(dir.file("text.png"), {'h', 'e', 'l', 'l', 'o'});
  EXPECT_EQ(plat::load_image(dir.file("text.png"), 1), 0);

  const auto good = file_bytes(solid_png(dir, "good.png", 64, 64, kRed));
  ASSERT_NE(plat::load_image(dir.file("good.png"), 1), 0);
  for (size_t cut : {size_t(8), size_t(33), good.size() / 2, good.size() - 13}) {
    write_bytes(dir.file("cut.png"), std::vector<uint8_t>(good.begin(), good.begin() + cut));
    EXPECT_EQ(plat::load_image(dir.file("cut.png"), 1), 0) << cut;
  }

  // Valid headers claiming 100000 and 16000 pixels a side (CRC fixed up).
  for (uint32_t side : {100000u, 16000u}) {
    auto huge = good;
    for (int i = 0; i < 4; ++i) huge[16 + i] = huge[20 + i] = static_cast<uint8_t>(side >> (24 - 8 * i));
    const uLong crc = crc32(0, huge.data() + 12, 17);
    for (int i = 0; i < 4; ++i) huge[29 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    write_bytes(dir.file("huge.png"), huge);
    EXPECT_EQ(plat::load_image(dir.file("huge.png"), 1), 0) << side;
  }

  // Flipped bytes through the compressed data must never crash.
  for (size_t i = 40; i < good.size(); i += 7) {
    auto bad = good;
    bad[i] ^= 0x5A;
    write_bytes(dir.file("bad.png"), bad);
    plat::free_image(plat::load_image(dir.file("bad.png"), 1));
  }
}

}  // namespace
