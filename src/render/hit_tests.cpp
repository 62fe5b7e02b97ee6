#include "render/hit_tests.h"

#include <algorithm>
#include <cmath>

int rectsoverlap(float x1, float y1, float w1, float h1, float x2, float y2, float w2, float h2) {
  if (x1 > x2 + w2 || x1 + w1 < x2 || y1 > y2 + h2 || y1 + h1 < y2) return 0;
  return 1;
}

int wrappedrectsoverlap(float x1, float y1, float w1, float h1, float x2, float y2, float w2, float h2) {
  for (float shift : {-3328.0f, 0.0f, 3328.0f})
    if (rectsoverlap(x1, y1, w1, h1, x2 + shift, y2, w2, h2)) return 1;
  return 0;
}

int circlesoverlap(float x1, float y1, float r1, float x2, float y2, float r2) {
  r1 = std::max(r1, 8.0f);
  r2 = std::max(r2, 8.0f);
  float dx = x2 - x1, dy = y2 - y1;
  return std::sqrt(dx * dx + dy * dy) <= (r1 + r2) / 1.5f ? 1 : 0;
}
