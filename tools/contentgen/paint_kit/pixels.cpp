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
