// Points and the small vector arithmetic the brushes bend limbs and
// curves with. Angles are radians, 0 = +x, growing clockwise on screen.
#pragma once

namespace contentgen::paint {

// Every picture is lit from the upper left: the unit vector towards the light.
inline constexpr double kLightX = -0.48, kLightY = -0.877;

struct Pt {
  double x = 0, y = 0;
};
inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }
Pt lerp(Pt a, Pt b, double t);
double dist(Pt a, Pt b);
// Point at an angle and distance from another.
Pt polar(Pt from, double angle, double length);
// Knee of a two-bone limb from hip to foot with bone lengths l1, l2;
// side picks which way it bends (+1 or -1).
Pt knee(Pt hip, Pt foot, double l1, double l2, int side);

}  // namespace contentgen::paint
