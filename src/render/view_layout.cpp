// Screen placement of the one or two views and of the flashlight window.
#include <algorithm>

#include "render/room_pass.h"

ViewLayout viewlayout(int view, int nviews) {
  if (nviews != 2) return {122, 67, 780, 275, 0, 275, 67, 86, 81};
  if (view == 2) return {122, 258, 780, 258, 191, 251, 72, 91, 272};
  return {122, 0, 780, 258, -67, 253, 67, 86, 14};
}

Rect cliprect(const Rect& a, const Rect& b) {
  const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  const int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
  if (x1 <= x0 || y1 <= y0) return {x0, y0, 0, 0};
  return {x0, y0, x1 - x0, y1 - y0};
}

Rect flashlightwindow(const ViewLayout& v, int cx, int cy) {
  // Centred on the crosshair; never reaches outside its own view, so view
  // 1's light cannot show in view 2's band or the other way round.
  const Rect lit{cx - 90, cy - 90 + v.roomoy, 180, 180};
  return cliprect(lit, {v.vx, v.vy, v.vw, v.vh});
}
