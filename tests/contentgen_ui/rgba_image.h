// Decodes PNG bytes or files into straight RGBA for the picture tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RgbaImage {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;  // RGBA, row-major

  bool ok() const { return width > 0 && height > 0; }
  const uint8_t* at(int x, int y) const { return &pixels[(static_cast<size_t>(y) * width + x) * 4]; }
  uint8_t alpha(int x, int y) const { return at(x, y)[3]; }
};

RgbaImage decode_rgba_png(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> read_file(const std::string& path);
// A picture of the generated archive, by file name ("board_1.png").
std::vector<uint8_t> read_gfx(const std::string& file);
