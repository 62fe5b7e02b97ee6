#include "paint_kit/goo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace contentgen::paint {

namespace {

// One box blur pass along rows then columns; three passes approximate a
// Gaussian of the same width.
void box_blur(std::vector<float>& v, int w, int h, int r) {
  if (r < 1) return;
  std::vector<float> tmp(v.size());
  const float inv = 1.0f / (2 * r + 1);
  for (int y = 0; y < h; ++y) {
    const float* row = &v[static_cast<size_t>(y) * w];
    float acc = 0;
    for (int x = -r; x <= r; ++x) acc += row[std::clamp(x, 0, w - 1)];
    for (int x = 0; x < w; ++x) {
      tmp[static_cast<size_t>(y) * w + x] = acc * inv;
      acc += row[std::min(x + r + 1, w - 1)] - row[std::max(x - r, 0)];
    }
  }
  for (int x = 0; x < w; ++x) {
    float acc = 0;
    for (int y = -r; y <= r; ++y) acc += tmp[static_cast<size_t>(std::clamp(y, 0, h - 1)) * w + x];
    for (int y = 0; y < h; ++y) {
      v[static_cast<size_t>(y) * w + x] = acc * inv;
      acc += tmp[static_cast<size_t>(std::min(y + r + 1, h - 1)) * w + x] -
             tmp[static_cast<size_t>(std::max(y - r, 0)) * w + x];
    }
  }
}

inline double smooth(double a, double b, double v) {
  const double t = std::clamp((v - a) / (b - a), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

}  // namespace

void lit_goo(cairo_t* cr, const std::function<void(cairo_t*)>& shapes, const GooLook& look) {
  cairo_surface_t* target = cairo_get_target(cr);
  const int w = cairo_image_surface_get_width(target), h = cairo_image_surface_get_height(target);
  if (w <= 0 || h <= 0) return;

  // Coverage of the shapes.
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
  cairo_t* mc = cairo_create(mask);
  cairo_set_source_rgba(mc, 1, 1, 1, 1);
  shapes(mc);
  cairo_destroy(mc);
  cairo_surface_flush(mask);
  const uint8_t* md = cairo_image_surface_get_data(mask);
  const int mstride = cairo_image_surface_get_stride(mask);
  std::vector<float> cover(static_cast<size_t>(w) * h), height(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) cover[static_cast<size_t>(y) * w + x] = md[y * mstride + x] / 255.0f;
  cairo_surface_destroy(mask);

  // Height: the blurred coverage, so a blob rises from its lip to a
  // plateau about `blur` pixels in, and a wider blur on top swells a big
  // blob into a dome; narrow runs and drops stay low.
  height = cover;
  const int r = std::max(1, static_cast<int>(std::lround(look.blur)));
  for (int pass = 0; pass < 3; ++pass) box_blur(height, w, h, r);
  std::vector<float> swell = height;
  for (int pass = 0; pass < 2; ++pass) box_blur(swell, w, h, r * 3);
  for (size_t i = 0; i < height.size(); ++i) height[i] = 0.6f * height[i] + 0.4f * swell[i] * cover[i];

  // The creatures' light: key from the upper left and toward the viewer,
  // a cool rim from behind on the right.
  const double kx = -0.45, ky = -0.72, kz = 0.55;
  const double kl = std::sqrt(kx * kx + ky * ky + kz * kz);
  const double lx = kx / kl, ly = ky / kl, lz = kz / kl;
  double hx = lx, hy = ly, hz = lz + 1;
  const double hl = std::sqrt(hx * hx + hy * hy + hz * hz);
  hx /= hl, hy /= hl, hz /= hl;

  cairo_surface_t* lit = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_surface_flush(lit);
  uint8_t* ld = cairo_image_surface_get_data(lit);
  const int lstride = cairo_image_surface_get_stride(lit);
  auto at = [&](int x, int y) {
    return height[static_cast<size_t>(std::clamp(y, 0, h - 1)) * w + std::clamp(x, 0, w - 1)];
  };
  for (int y = 0; y < h; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(ld + y * lstride);
    for (int x = 0; x < w; ++x) {
      const double c = cover[static_cast<size_t>(y) * w + x];
      if (c <= 0.004) {
        row[x] = 0;
        continue;
      }
      const double t = std::clamp(static_cast<double>(at(x, y)), 0.0, 1.0);
      // Slope of the surface (a dome over the height field).
      double nx = -(at(x + 1, y) - at(x - 1, y)) * look.depth * r * 0.5;
      double ny = -(at(x, y + 1) - at(x, y - 1)) * look.depth * r * 0.5;
      double nz = 1;
      const double nl = std::sqrt(nx * nx + ny * ny + nz * nz);
      nx /= nl, ny /= nl, nz /= nl;
      const double ndl = nx * lx + ny * ly + nz * lz;
      const double diff = std::clamp((ndl + 0.2) / 1.2, 0.0, 1.0);
      const double ndh = std::max(0.0, nx * hx + ny * hy + nz * hz);
      const double glint = look.shine * (0.95 * std::pow(ndh, 70.0) + 0.18 * std::pow(ndh, 9.0));
      const double fres = std::pow(1 - nz, 3.0);
      const double rim = 0.45 * fres * std::clamp(0.6 * nx - 0.3 * ny + 0.4, 0.0, 1.0);
      // Thick goo is deep and dark; thin goo glows with the light through it.
      const double thick = smooth(0.15, 0.9, t);
      // The lip darkens where the surface turns away (the meniscus).
      const double lip = 0.55 + 0.45 * smooth(0.05, 0.45, t);
      const double alpha =
          std::clamp(c * (look.alpha_thin + (look.alpha_deep - look.alpha_thin) * thick) + glint * 0.6 * c, 0.0, 1.0);
      const double rimc[3] = {0.35, 0.55, 0.80};
      const double spc[3] = {1.0, 1.0, 0.88};
      uint32_t out = static_cast<uint32_t>(std::lround(alpha * 255)) << 24;
      for (int i = 0; i < 3; ++i) {
        const double base = look.thin[i] + (look.deep[i] - look.thin[i]) * thick;
        double v = base * (0.30 + 0.85 * diff) * lip + glint * spc[i] + rim * rimc[i];
        v = std::clamp(v, 0.0, 1.0) * alpha;  // premultiplied
        out |= static_cast<uint32_t>(std::lround(v * 255)) << (16 - 8 * i);
      }
      row[x] = out;
    }
  }
  cairo_surface_mark_dirty(lit);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_set_source_surface(cr, lit, 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(lit);
}

}  // namespace contentgen::paint
