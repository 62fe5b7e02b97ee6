#include "paint_kit/geometry.h"

#include <algorithm>
#include <cmath>

namespace contentgen::paint {

Pt lerp(Pt a, Pt b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }
double dist(Pt a, Pt b) { return std::hypot(b.x - a.x, b.y - a.y); }
Pt polar(Pt from, double angle, double length) {
  return {from.x + std::cos(angle) * length, from.y + std::sin(angle) * length};
}

Pt knee(Pt hip, Pt foot, double l1, double l2, int side) {
  double d = std::clamp(dist(hip, foot), 0.01, l1 + l2 - 0.01);
  double a = (l1 * l1 - l2 * l2 + d * d) / (2 * d);
  double h = std::sqrt(std::max(0.0, l1 * l1 - a * a));
  Pt dir{(foot.x - hip.x) / d, (foot.y - hip.y) / d};
  Pt base = hip + dir * a;
  Pt n{-dir.y, dir.x};
  return base + n * (h * side);
}

}  // namespace contentgen::paint
