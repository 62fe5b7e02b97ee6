// Pixel-exact overlap of two frames placed on screen, each with its own
// handle and scale. Screen pixels are sampled at their centres and mapped
// back into each frame, so touching edges do not count as overlap.
#include <algorithm>
#include <cmath>

#include "platform/image_store.h"
#include "platform/platform.h"

namespace plat {
namespace {

struct Placed {
  const detail::Image* im;
  const detail::Frame* fr;
  float x, y, sx, sy;
  float x0, y0, x1, y1;  // screen bounds

  bool place(int image, float px, float py, int frame, float scalex, float scaley) {
    im = detail::find_image(image);
    if (!im || frame < 0 || frame >= static_cast<int>(im->frames.size())) return false;
    if (scalex == 0.0f || scaley == 0.0f || !std::isfinite(scalex) || !std::isfinite(scaley)) return false;
    fr = &im->frames[frame];
    x = px, y = py, sx = scalex, sy = scaley;
    const float ax = px - im->hx * scalex, bx = px + (im->width - im->hx) * scalex;
    const float ay = py - im->hy * scaley, by = py + (im->height - im->hy) * scaley;
    x0 = std::min(ax, bx), x1 = std::max(ax, bx);
    y0 = std::min(ay, by), y1 = std::max(ay, by);
    return true;
  }

  bool solid_at(float X, float Y) const {
    const int u = static_cast<int>(std::floor((X - x) / sx + im->hx));
    const int v = static_cast<int>(std::floor((Y - y) / sy + im->hy));
    if (u < 0 || v < 0 || u >= im->width || v >= im->height) return false;
    return fr->solid[static_cast<size_t>(v) * im->width + u] != 0;
  }
};

}  // namespace

bool images_collide(int a, float ax, float ay, int aframe, float asx, float asy,
                    int b, float bx, float by, int bframe, float bsx, float bsy) {
  Placed pa{}, pb{};
  if (!pa.place(a, ax, ay, aframe, asx, asy) || !pb.place(b, bx, by, bframe, bsx, bsy)) return false;
  const float left = std::max(pa.x0, pb.x0), right = std::min(pa.x1, pb.x1);
  const float top = std::max(pa.y0, pb.y0), bottom = std::min(pa.y1, pb.y1);
  if (left >= right || top >= bottom) return false;
  // Screen pixels whose centre lies inside both boxes.
  const int px0 = static_cast<int>(std::ceil(left - 0.5f)), px1 = static_cast<int>(std::ceil(right - 0.5f));
  const int py0 = static_cast<int>(std::ceil(top - 0.5f)), py1 = static_cast<int>(std::ceil(bottom - 0.5f));
  for (int py = py0; py < py1; ++py)
    for (int px = px0; px < px1; ++px) {
      const float X = px + 0.5f, Y = py + 0.5f;
      if (pa.solid_at(X, Y) && pb.solid_at(X, Y)) return true;
    }
  return false;
}

}  // namespace plat
