// Reading the back buffer at the logical size, and writing it as a PNG.
#include <cmath>

#include "platform/internal.h"
#include "platform/platform.h"
#include "platform/png_codec.h"

namespace plat {

bool read_back_buffer(std::vector<uint32_t>& pixels, int& w, int& h) {
  const auto& d = detail::display();
  if (!d.renderer) return false;
  // The logical picture covers viewport x scale output pixels (letterboxed
  // on a real monitor, one to one headless).
  SDL_Rect vp;
  float sx = 1.0f, sy = 1.0f;
  SDL_RenderGetViewport(d.renderer, &vp);
  SDL_RenderGetScale(d.renderer, &sx, &sy);
  SDL_Rect area{static_cast<int>(std::lround(vp.x * sx)), static_cast<int>(std::lround(vp.y * sy)),
                static_cast<int>(std::lround(vp.w * sx)), static_cast<int>(std::lround(vp.h * sy))};
  if (area.w <= 0 || area.h <= 0) return false;
  std::vector<uint32_t> raw(static_cast<size_t>(area.w) * area.h);
  if (SDL_RenderReadPixels(d.renderer, &area, SDL_PIXELFORMAT_ARGB8888, raw.data(), area.w * 4) != 0) return false;

  w = d.width, h = d.height;
  pixels.assign(static_cast<size_t>(w) * h, 0);
  for (int y = 0; y < h; ++y) {
    const int ry = std::min(area.h - 1, static_cast<int>(static_cast<long long>(y) * area.h / h));
    for (int x = 0; x < w; ++x) {
      const int rx = std::min(area.w - 1, static_cast<int>(static_cast<long long>(x) * area.w / w));
      pixels[static_cast<size_t>(y) * w + x] = raw[static_cast<size_t>(ry) * area.w + rx] | 0xFF000000u;
    }
  }
  return true;
}

bool save_screenshot(const std::string& path) {
  std::vector<uint32_t> pixels;
  int w = 0, h = 0;
  if (!read_back_buffer(pixels, w, h)) return false;
  return detail::write_png_rgb(disk_path(path), w, h, pixels.data());
}

}  // namespace plat
