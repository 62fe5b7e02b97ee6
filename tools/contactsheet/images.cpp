#include "images.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

namespace contactsheet {

ImageSet::ImageSet(const std::string& dir) {
  namespace fs = std::filesystem;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(dir, ec)) {
    if (e.path().extension() != ".png") continue;
    cairo_surface_t* s = cairo_image_surface_create_from_png(e.path().c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
      cairo_surface_destroy(s);
      continue;
    }
    images_[e.path().filename().string()] = s;
  }
}

ImageSet::~ImageSet() {
  for (auto& [name, s] : images_) cairo_surface_destroy(s);
}

cairo_surface_t* ImageSet::get(const std::string& name) const {
  auto it = images_.find(name);
  return it == images_.end() ? nullptr : it->second;
}

namespace {

// A copy of (part of) a picture with every pixel multiplied by the colour.
cairo_surface_t* tinted(cairo_surface_t* src, int x0, int y0, int w, int h, double r, double g,
                        double b) {
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(out);
  cairo_set_source_surface(cr, src, -x0, -y0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(out);
  uint8_t* data = cairo_image_surface_get_data(out);
  int stride = cairo_image_surface_get_stride(out);
  const double k[3] = {b, g, r};  // memory order B, G, R, A
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = data + y * stride + x * 4;
      for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>(std::clamp(p[c] * k[c], 0.0, 255.0));
    }
  cairo_surface_mark_dirty(out);
  return out;
}

}  // namespace

void draw(cairo_t* cr, const ImageSet& set, const std::string& name, double x, double y,
          const Draw& d) {
  cairo_surface_t* src = set.get(name);
  if (!src) return;
  int iw = cairo_image_surface_get_width(src), ih = cairo_image_surface_get_height(src);
  int x0 = 0, y0 = 0, w = iw, h = ih;
  if (d.frame >= 0 && d.cellw > 0) {
    int per_row = std::max(1, iw / d.cellw);
    x0 = (d.frame % per_row) * d.cellw;
    y0 = (d.frame / per_row) * d.cellh;
    w = d.cellw;
    h = d.cellh;
    if (y0 + h > ih) return;
  }
  cairo_surface_t* part = tinted(src, x0, y0, w, h, d.r, d.g, d.b);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, d.sx, d.sy);
  cairo_translate(cr, -d.hx, -d.hy);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_clip(cr);
  cairo_set_source_surface(cr, part, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_paint_with_alpha(cr, d.alpha);
  cairo_restore(cr);
  cairo_surface_destroy(part);
}

}  // namespace contactsheet
