#include "paint_kit/canvas.h"

#include <cstring>

namespace contentgen {

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cr_ = cairo_create(surface_);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void Canvas::get_pixel(int x, int y, uint8_t rgba[4]) const {
  cairo_surface_flush(surface_);
  const uint8_t* data = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  uint32_t p;
  std::memcpy(&p, data + y * stride + x * 4, 4);
  uint8_t a = p >> 24;
  uint8_t r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
  if (a > 0 && a < 255) {
    r = static_cast<uint8_t>((r * 255 + a / 2) / a);
    g = static_cast<uint8_t>((g * 255 + a / 2) / a);
    b = static_cast<uint8_t>((b * 255 + a / 2) / a);
  }
  rgba[0] = r;
  rgba[1] = g;
  rgba[2] = b;
  rgba[3] = a;
}

void Canvas::set_pixel(int x, int y, const uint8_t rgba[4]) {
  cairo_surface_flush(surface_);
  uint8_t* data = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  uint32_t a = rgba[3];
  uint32_t r = rgba[0] * a / 255, g = rgba[1] * a / 255, b = rgba[2] * a / 255;
  uint32_t p = (a << 24) | (r << 16) | (g << 8) | b;
  std::memcpy(data + y * stride + x * 4, &p, 4);
  cairo_surface_mark_dirty(surface_);
}

}  // namespace contentgen
