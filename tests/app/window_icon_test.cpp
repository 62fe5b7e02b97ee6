// The game's icon: embedded in every size the desktop and the window
// manager ask for, the same files the install puts in the icon theme, and
// legible (light lettering on a dark plate, a transparent surround).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/window_icon.h"
#include "platform/platform.h"
#include "platform/png_codec.h"

namespace {

int lightness(uint32_t argb) { return (((argb >> 16) & 255) + ((argb >> 8) & 255) + (argb & 255)) / 3; }

TEST(WindowIcon, EverySizeDecodesSquareWithLightLettersOnADarkPlate) {
  const std::vector<GameIcon> icons = gameicons();
  std::vector<int> sizes;
  for (const GameIcon& icon : icons) sizes.push_back(icon.size);
  EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48, 64, 128, 256}));

  for (const GameIcon& icon : icons) {
    SCOPED_TRACE(icon.size);
    plat::detail::RgbaImage image;
    ASSERT_TRUE(plat::detail::decode_png(icon.png.data, icon.png.size, image));
    EXPECT_EQ(image.width, icon.size);
    EXPECT_EQ(image.height, icon.size);
    // Rounded corners: the corner pixel is (nearly) clear, the middle opaque.
    EXPECT_LT(image.pixels[0] >> 24, 64u);
    const int mid = icon.size / 2;
    EXPECT_EQ(image.pixels[static_cast<size_t>(mid) * icon.size + mid] >> 24, 255u);
    // The lettering stands out: a fair share of light pixels over dark ones.
    int light = 0, dark = 0, opaque = 0;
    for (uint32_t p : image.pixels) {
      if ((p >> 24) < 255) continue;
      ++opaque;
      if (lightness(p) > 150) ++light;
      if (lightness(p) < 40) ++dark;
    }
    EXPECT_GT(light, opaque / 10) << "too little lettering";
    EXPECT_GT(dark, opaque / 5) << "too little dark plate around it";
    // Centred with a margin: the light lettering keeps clear of the edges on
    // every side (nothing cut off) and balances left and right.
    int x0 = icon.size, x1 = -1, y0 = icon.size, y1 = -1;
    for (int y = 0; y < icon.size; ++y)
      for (int x = 0; x < icon.size; ++x) {
        const uint32_t p = image.pixels[static_cast<size_t>(y) * icon.size + x];
        if ((p >> 24) < 255 || lightness(p) <= 150) continue;
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
      }
    const int margin = icon.size / 10;
    EXPECT_GE(x0, margin);
    EXPECT_GE(y0, margin);
    EXPECT_LT(x1, icon.size - margin);
    EXPECT_LT(y1, icon.size - margin);
    EXPECT_NEAR(x0 + x1, icon.size - 1, std::max(2, icon.size / 32)) << "off centre";
  }
}

TEST(WindowIcon, EmbeddedIconsAreTheFilesTheInstallUses) {
  for (const GameIcon& icon : gameicons()) {
    const std::string path = std::string(RX_CONTENT_DIR) + "/icons/rx907-" + std::to_string(icon.size) + ".png";
    std::ifstream f(path, std::ios::binary);
    ASSERT_TRUE(f) << path;
    const std::vector<uint8_t> file((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    EXPECT_EQ(file, std::vector<uint8_t>(icon.png.data, icon.png.data + icon.png.size)) << path;
  }
}

TEST(WindowIcon, PlatformTakesOnlyDecodableSquarePictures) {
  std::vector<plat::IconPng> pngs;
  for (const GameIcon& icon : gameicons()) pngs.push_back(icon.png);
  EXPECT_TRUE(plat::set_window_icon(pngs));
  const uint8_t junk[] = {1, 2, 3, 4};
  EXPECT_FALSE(plat::set_window_icon({{junk, sizeof junk}}));
  EXPECT_FALSE(plat::set_window_icon({}));
}

}  // namespace
