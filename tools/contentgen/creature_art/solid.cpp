#include "creature_art/solid.h"

#include <algorithm>

namespace contentgen::creatures::solid {

V3 joint(V3 root, V3 target, float l1, float l2, V3 hint) {
  V3 d = target - root;
  float l = std::clamp(len(d), std::fabs(l1 - l2) + 0.01f, l1 + l2 - 0.01f);
  V3 dir = model::normalised(d);
  float a = (l1 * l1 - l2 * l2 + l * l) / (2 * l);
  float h = std::sqrt(std::max(0.0f, l1 * l1 - a * a));
  V3 perp = model::normalised(hint - dir * model::dot(hint, dir));
  return root + dir * a + perp * h;
}

V3 reach(V3 root, V3 target, float l1, float l2) {
  V3 d = target - root;
  float l = len(d);
  if (l <= l1 + l2 - 0.01f) return target;
  return root + model::normalised(d) * (l1 + l2 - 0.01f);
}

int lowest_solid_row(const Model& m, int width, int height) {
  std::vector<uint8_t> cov = model::coverage(m, width, height, 2);
  for (int y = height - 1; y >= 0; --y)
    for (int x = 0; x < width; ++x)
      if (cov[static_cast<size_t>(y) * width + x]) return y;
  return -1;
}

int top_solid_row(const Model& m, int width, int height) {
  std::vector<uint8_t> cov = model::coverage(m, width, height, 1);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (cov[static_cast<size_t>(y) * width + x]) return y;
  return height;
}

Xf fit(const Builder& build, const Xf& view, int width, int height, V3 pivot, int top, int margin) {
  const int pad = 400;
  Model probe;
  build(probe, model::place({static_cast<float>(pad), static_cast<float>(pad), 0}) * view);
  const int w = width + 2 * pad, h = height + 2 * pad;
  std::vector<uint8_t> cov = model::coverage(probe, w, h, 1);
  int minx = w, maxx = -1, miny = h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (cov[static_cast<size_t>(y) * w + x]) {
        minx = std::min(minx, x - pad), maxx = std::max(maxx, x - pad), miny = std::min(miny, y - pad);
      }
  if (maxx < 0) return view;
  float s = 1;
  if (minx < margin) s = std::min(s, (pivot.x - margin) / (pivot.x - minx));
  if (maxx > width - 1 - margin) s = std::min(s, (width - 1 - margin - pivot.x) / (maxx - pivot.x));
  if (miny < top) s = std::min(s, (pivot.y - top) / (pivot.y - miny));
  if (s >= 1) return view;
  s *= 0.985f;  // the estimate is one sample per pixel
  return model::place(pivot * (1 - s), {}, s) * view;
}

void drool(Model& m, V3 from, float length, float sway, float width) {
  // Three tapering segments, the last swelling into the drop.
  V3 p1 = from + V3{sway * 0.3f, length * 0.35f, 0};
  V3 p2 = from + V3{sway * 0.8f, length * 0.72f, 0};
  V3 p3 = from + V3{sway, length, 0};
  m.capsule(from, p1, width * 0.75f, width * 0.45f, kDrool, width * 0.6f);
  m.capsule(p1, p2, width * 0.45f, width * 0.55f, kDrool, width * 0.5f);
  m.capsule(p2, p3, width * 0.55f, width * 1.1f, kDrool, width * 0.8f);
  m.sphere(p3 + V3{0, width * 0.6f, 0}, width * 1.5f, kDrool, width * 1.2f);
}

void strand(Model& m, V3 a, V3 b, float sag, float width) {
  V3 mid = model::lerp3(a, b, 0.5f) + V3{0, sag, 0};
  V3 q1 = model::lerp3(a, mid, 0.55f) + V3{0, sag * 0.25f, 0};
  V3 q2 = model::lerp3(mid, b, 0.45f) + V3{0, sag * 0.25f, 0};
  m.capsule(a, q1, width * 1.1f, width * 0.55f, kDrool, width);
  m.capsule(q1, mid, width * 0.55f, width * 0.9f, kDrool, width);
  m.capsule(mid, q2, width * 0.9f, width * 0.55f, kDrool, width);
  m.capsule(q2, b, width * 0.55f, width * 1.1f, kDrool, width);
}

}  // namespace contentgen::creatures::solid
