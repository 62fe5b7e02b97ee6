#include <png.h>

#include <cstring>
#include <stdexcept>

#include "paint_kit/canvas.h"

// The one PNG writer of the generator: every picture leaves through here.
namespace contentgen {

std::vector<uint8_t> straight_rgba(cairo_surface_t* surface, int width, int height) {
  cairo_surface_flush(surface);
  const uint8_t* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint32_t p;
      std::memcpy(&p, data + y * stride + x * 4, 4);
      uint8_t a = p >> 24;
      uint32_t r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
      if (a > 0 && a < 255) {
        r = (r * 255 + a / 2) / a;
        g = (g * 255 + a / 2) / a;
        b = (b * 255 + a / 2) / a;
      }
      uint8_t* px = &rgba[(static_cast<size_t>(y) * width + x) * 4];
      px[0] = static_cast<uint8_t>(r > 255 ? 255 : r);
      px[1] = static_cast<uint8_t>(g > 255 ? 255 : g);
      px[2] = static_cast<uint8_t>(b > 255 ? 255 : b);
      px[3] = a;
    }
  }
  return rgba;
}

Bytes Canvas::png(Colour mask) const {
  std::vector<uint8_t> rgba = straight_rgba(surface_, width_, height_);
  for (size_t i = 0; i < rgba.size(); i += 4) {
    uint8_t* px = &rgba[i];
    if (px[3] < 128) {
      px[0] = static_cast<uint8_t>(mask.r);
      px[1] = static_cast<uint8_t>(mask.g);
      px[2] = static_cast<uint8_t>(mask.b);
      px[3] = 0;
    } else if (px[0] == mask.r && px[1] == mask.g && px[2] == mask.b) {
      // An opaque pixel that happens to be the mask colour would vanish.
      px[0] = static_cast<uint8_t>(mask.r > 0 ? mask.r - 1 : 1);
    }
  }
  return encode_png(width_, height_, rgba, true);
}

Bytes Canvas::png_dithered() const {
  static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  std::vector<uint8_t> rgba = straight_rgba(surface_, width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      uint8_t* px = &rgba[(static_cast<size_t>(y) * width_ + x) * 4];
      if (px[3] < 128) {
        // Keep a share of a/128 of these pixels at half alpha: same coverage on average.
        double threshold = (bayer[y & 3][x & 3] + 0.5) / 16.0;
        if (px[3] / 128.0 > threshold) {
          px[3] = 128;
        } else {
          px[0] = 255;
          px[1] = 0;
          px[2] = 255;
          px[3] = 0;
          continue;
        }
      }
      if (px[0] == 255 && px[1] == 0 && px[2] == 255) px[0] = 254;
    }
  }
  return encode_png(width_, height_, rgba, true);
}

Bytes Canvas::png_soft() const {
  std::vector<uint8_t> rgba = straight_rgba(surface_, width_, height_);
  for (size_t i = 0; i < rgba.size(); i += 4) {
    uint8_t* px = &rgba[i];
    if (px[3] == 0) {
      px[0] = 255, px[1] = 0, px[2] = 255;
    } else if (px[0] == 255 && px[1] == 0 && px[2] == 255) {
      px[0] = 254;
    }
  }
  return encode_png(width_, height_, rgba, true);
}

Bytes Canvas::png_opaque() const {
  std::vector<uint8_t> rgba = straight_rgba(surface_, width_, height_);
  for (size_t i = 0; i < rgba.size(); i += 4) {
    uint8_t* px = &rgba[i];
    // Composite onto black.
    for (int c = 0; c < 3; ++c) px[c] = static_cast<uint8_t>(px[c] * px[3] / 255);
    px[3] = 255;
  }
  return encode_png(width_, height_, rgba, false);
}

namespace {
void write_to_vector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}
void flush_nothing(png_structp) {}
}  // namespace

Bytes encode_png(int width, int height, const std::vector<uint8_t>& rgba, bool with_alpha) {
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
      png_write_row(png, const_cast<png_bytep>(src));
    } else {
      for (int x = 0; x < width; ++x) {
        row[x * 3 + 0] = src[x * 4 + 0];
        row[x * 3 + 1] = src[x * 4 + 1];
        row[x * 3 + 2] = src[x * 4 + 2];
      }
      png_write_row(png, row.data());
    }
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

}  // namespace contentgen
