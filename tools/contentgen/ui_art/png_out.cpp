#include "png_out.h"

#include <png.h>

#include <cstring>
#include <stdexcept>
#include <vector>

namespace contentgen::ui {
namespace {

// Straight RGBA rows of the canvas (Cairo stores premultiplied BGRA words).
std::vector<uint8_t> straight_rgba(const Canvas& c) {
  cairo_surface_t* s = c.surface();
  cairo_surface_flush(s);
  const uint8_t* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  std::vector<uint8_t> out(static_cast<size_t>(c.width()) * c.height() * 4);
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      uint32_t p;
      std::memcpy(&p, data + y * stride + x * 4, 4);
      uint32_t a = p >> 24, r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
      if (a > 0 && a < 255) {
        r = (r * 255 + a / 2) / a;
        g = (g * 255 + a / 2) / a;
        b = (b * 255 + a / 2) / a;
      }
      uint8_t* o = &out[(static_cast<size_t>(y) * c.width() + x) * 4];
      o[0] = static_cast<uint8_t>(r > 255 ? 255 : r);
      o[1] = static_cast<uint8_t>(g > 255 ? 255 : g);
      o[2] = static_cast<uint8_t>(b > 255 ? 255 : b);
      o[3] = static_cast<uint8_t>(a);
    }
  return out;
}

void write_to_vector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}
void flush_nothing(png_structp) {}

Bytes encode(int width, int height, const std::vector<uint8_t>& rgba, bool with_alpha) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("PNG encoding failed");
  }
  png_set_write_fn(png, &out, write_to_vector, flush_nothing);
  png_set_compression_level(png, 6);
  png_set_IHDR(png, info, width, height, 8, with_alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<uint8_t> row(static_cast<size_t>(width) * 4);
  for (int y = 0; y < height; ++y) {
    const uint8_t* src = &rgba[static_cast<size_t>(y) * width * 4];
    if (with_alpha) {
      std::memcpy(row.data(), src, row.size());
    } else {
      for (int x = 0; x < width; ++x) std::memcpy(&row[x * 3], &src[x * 4], 3);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

}  // namespace

Bytes to_png(const Canvas& c, Colour mask) {
  std::vector<uint8_t> rgba = straight_rgba(c);
  for (size_t i = 0; i < rgba.size(); i += 4) {
    uint8_t* px = &rgba[i];
    if (px[3] < 128) {
      px[0] = static_cast<uint8_t>(mask.r);
      px[1] = static_cast<uint8_t>(mask.g);
      px[2] = static_cast<uint8_t>(mask.b);
      px[3] = 0;
    } else if (px[0] == mask.r && px[1] == mask.g && px[2] == mask.b) {
      px[0] = static_cast<uint8_t>(mask.r > 0 ? mask.r - 1 : 1);
    }
  }
  return encode(c.width(), c.height(), rgba, true);
}

Bytes to_png_opaque(const Canvas& c) {
  std::vector<uint8_t> rgba = straight_rgba(c);
  for (size_t i = 0; i < rgba.size(); i += 4)
    for (int ch = 0; ch < 3; ++ch) rgba[i + ch] = static_cast<uint8_t>(rgba[i + ch] * rgba[i + 3] / 255);
  return encode(c.width(), c.height(), rgba, false);
}

}  // namespace contentgen::ui
