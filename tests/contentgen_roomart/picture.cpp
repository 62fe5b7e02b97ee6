#include "picture.h"

#include <png.h>

#include <cstring>
#include <set>

Picture decode_png(const std::vector<uint8_t>& bytes) {
  Picture pic;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return pic;
  image.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> buf(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, buf.data(), 0, nullptr)) return pic;
  pic.width = static_cast<int>(image.width);
  pic.height = static_cast<int>(image.height);
  pic.rgba = std::move(buf);
  return pic;
}

double Picture::coverage(int x0, int y0, int w, int h) const {
  int n = 0, total = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x, ++total) n += opaque(x, y);
  return total ? static_cast<double>(n) / total : 0.0;
}

int Picture::distinct_colours() const {
  std::set<uint32_t> seen;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (opaque(x, y)) {
        const uint8_t* p = at(x, y);
        seen.insert(static_cast<uint32_t>(p[0]) << 16 | p[1] << 8 | p[2]);
      }
  return static_cast<int>(seen.size());
}
