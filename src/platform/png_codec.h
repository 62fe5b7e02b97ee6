// PNG decoding and encoding on libpng. Decoding never trusts its input:
// corrupt or oversized files are refused with false, never a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plat::detail {

// Largest picture accepted, per side and in total pixels.
constexpr int max_png_side = 16384;
constexpr long long max_png_pixels = 16LL * 1024 * 1024;

struct RgbaImage {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0xAARRGGBB, row by row
};

// Any 8- or 16-bit PNG (grey, RGB, palette, with or without alpha).
bool decode_png(const uint8_t* data, size_t size, RgbaImage& out);
// Writes an 8-bit RGB PNG from 0xAARRGGBB pixels (alpha dropped).
bool write_png_rgb(const std::string& path, int width, int height, const uint32_t* argb);
// The same with the alpha channel kept (RGBA PNG).
bool write_png_rgba(const std::string& path, int width, int height, const uint32_t* argb);

}  // namespace plat::detail
