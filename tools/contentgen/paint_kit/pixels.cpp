#include "paint_kit/pixels.h"

namespace contentgen::paint {

void harden_alpha(Canvas& c, int threshold, Unpremultiply how) {
  const uint32_t round = how == Unpremultiply::Round;
  each_pixel(c, [&](int, int, uint32_t& p) {
    uint32_t a = p >> 24;
    if (a == 255 || a == 0) return;
    if (a < static_cast<uint32_t>(threshold)) {
      p = 0;
      return;
    }
    uint32_t out = 0xFF000000u;
    for (int shift : {16, 8, 0})
      out |= std::min(255u, (channel(p, shift) * 255 + round * (a / 2)) / a) << shift;
    p = out;
  });
}

namespace {
constexpr uint32_t kOpaqueAlpha = 128;
template <class Fn>
void each_opaque(const Canvas& c, Fn fn) {
  cairo_surface_t* s = c.surface();
  cairo_surface_flush(s);
  const uint8_t* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < c.height(); ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < c.width(); ++x)
      if ((row[x] >> 24) >= kOpaqueAlpha) fn(x, y);
  }
}
}  // namespace

Extent opaque_extent(const Canvas& c) {
  Extent e{c.width(), c.height(), -1, -1};
  each_opaque(c, [&](int x, int y) {
    e.x0 = std::min(e.x0, x), e.y0 = std::min(e.y0, y);
    e.x1 = std::max(e.x1, x), e.y1 = std::max(e.y1, y);
  });
  if (e.x1 < 0) return Extent{};
  return e;
}

Extent opaque_extent_of_row(const Canvas& c, int y) {
  cairo_surface_t* s = c.surface();
  cairo_surface_flush(s);
  const uint32_t* row =
      reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s));
  Extent e;
  for (int x = 0; x < c.width(); ++x) {
    if ((row[x] >> 24) < kOpaqueAlpha) continue;
    if (e.empty()) e.x0 = x, e.y0 = e.y1 = y;
    e.x1 = x;
  }
  return e;
}

EdgeCount opaque_edge_pixels(const Canvas& c) {
  EdgeCount n;
  each_opaque(c, [&](int x, int y) {
    n.left += x == 0;
    n.right += x == c.width() - 1;
    n.top += y == 0;
    n.bottom += y == c.height() - 1;
  });
  return n;
}

void mirror_horizontally(Canvas& c) {
  cairo_surface_t* s = c.surface();
  cairo_surface_flush(s);
  uint8_t* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < c.height(); ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
    std::reverse(row, row + c.width());
  }
  cairo_surface_mark_dirty(s);
}

}  // namespace contentgen::paint
