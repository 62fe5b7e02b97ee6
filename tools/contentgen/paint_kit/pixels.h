// Passes over a canvas's raw pixels. Cairo keeps them premultiplied, one
// 32-bit word each (alpha in the top byte, then red, green, blue).
#pragma once

#include <algorithm>
#include <cstdint>

#include "paint_kit/canvas.h"

namespace contentgen::paint {

// Calls fn(x, y, word) for every pixel of the rectangle (clipped to the
// canvas), row by row, then tells Cairo the surface changed.
template <class Fn>
void each_pixel(Canvas& c, int x0, int y0, int w, int h, Fn fn) {
  cairo_surface_t* s = c.surface();
  cairo_surface_flush(s);
  uint8_t* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  const int x1 = std::min(c.width(), x0 + w), y1 = std::min(c.height(), y0 + h);
  for (int y = std::max(0, y0); y < y1; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = std::max(0, x0); x < x1; ++x) fn(x, y, row[x]);
  }
  cairo_surface_mark_dirty(s);
}
template <class Fn>
void each_pixel(Canvas& c, Fn fn) {
  each_pixel(c, 0, 0, c.width(), c.height(), fn);
}

inline uint32_t channel(uint32_t word, int shift) { return (word >> shift) & 255u; }

// How translucent pixels are made opaque by harden_alpha.
enum class Unpremultiply { Truncate, Round };

// Makes every pixel fully opaque or fully transparent, so masked loading and
// alpha loading agree on the outline: alpha below the threshold is cleared,
// the rest is un-premultiplied to full opacity.
void harden_alpha(Canvas& c, int threshold = 128, Unpremultiply how = Unpremultiply::Truncate);

// Bounding box of the opaque pixels (alpha at least one half, the ones a
// masked PNG keeps); x1, y1 inclusive.
struct Extent {
  int x0 = 0, y0 = 0, x1 = -1, y1 = -1;
  bool empty() const { return x1 < x0; }
};
Extent opaque_extent(const Canvas& c);
// The same for one row (y0 = y1 = the row when it has any).
Extent opaque_extent_of_row(const Canvas& c, int y);

// Opaque pixels on each edge of the canvas.
struct EdgeCount {
  int left = 0, right = 0, top = 0, bottom = 0;
};
EdgeCount opaque_edge_pixels(const Canvas& c);

// Mirrors the canvas horizontally (for the right-hand copies of pictures).
void mirror_horizontally(Canvas& c);

}  // namespace contentgen::paint
