// Decodes generated PNG bytes for the creature picture checks.
#pragma once

#include <png.h>

#include <cstdint>
#include <vector>

namespace creature_checks {

struct Picture {
  int w = 0, h = 0;
  std::vector<uint8_t> rgba;  // straight alpha, row-major
  bool ok = false;

  const uint8_t* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * w + x) * 4]; }
  // What the game's colour-key mask keeps: opaque and not pure magenta.
  bool solid(int x, int y) const {
    if (x < 0 || y < 0 || x >= w || y >= h) return false;
    const uint8_t* p = at(x, y);
    return p[3] >= 128 && !(p[0] == 255 && p[1] == 0 && p[2] == 255);
  }
};

inline Picture decode(const std::vector<uint8_t>& bytes) {
  Picture pic;
  png_image img{};
  img.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&img, bytes.data(), bytes.size())) return pic;
  img.format = PNG_FORMAT_RGBA;
  pic.w = static_cast<int>(img.width);
  pic.h = static_cast<int>(img.height);
  pic.rgba.resize(PNG_IMAGE_SIZE(img));
  pic.ok = png_image_finish_read(&img, nullptr, pic.rgba.data(), 0, nullptr) != 0;
  png_image_free(&img);
  return pic;
}

}  // namespace creature_checks
