#include "rgba_image.h"

#include <png.h>

#include <fstream>
#include <iterator>

RgbaImage decode_rgba_png(const std::vector<uint8_t>& bytes) {
  RgbaImage out;
  if (bytes.empty()) return out;
  png_image img{};
  img.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&img, bytes.data(), bytes.size())) return out;
  img.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> px(PNG_IMAGE_SIZE(img));
  if (!png_image_finish_read(&img, nullptr, px.data(), 0, nullptr)) {
    png_image_free(&img);
    return out;
  }
  out.width = static_cast<int>(img.width);
  out.height = static_cast<int>(img.height);
  out.pixels = std::move(px);
  return out;
}

std::vector<uint8_t> read_file(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return {};
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

std::vector<uint8_t> read_gfx(const std::string& file) {
  return read_file(std::string(RX_CONTENT_DIR) + "/data/gfx/" + file);
}
