// Colours of the painting kit: a straight RGB triple in 0..1 and the few
// ways every art module sets and blends it.
#pragma once

#include <cairo.h>

#include <algorithm>

namespace contentgen::paint {

struct Rgb {
  double r, g, b;
};

inline void set_rgb(cairo_t* cr, Rgb c, double alpha = 1.0) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }
inline void rgb(cairo_t* cr, double r, double g, double b, double a = 1.0) { cairo_set_source_rgba(cr, r, g, b, a); }
inline void grey(cairo_t* cr, double v, double a = 1.0) { cairo_set_source_rgba(cr, v, v, v, a); }

inline Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
// Brighter or darker by a factor, saturating at white.
inline Rgb scaled(Rgb c, double k) {
  return {std::min(1.0, c.r * k), std::min(1.0, c.g * k), std::min(1.0, c.b * k)};
}

}  // namespace contentgen::paint
