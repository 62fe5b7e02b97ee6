#include "paint_kit/shapes.h"

#include <algorithm>
#include <cmath>

namespace contentgen::paint {

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min(r, std::min(w, h) / 2);
  cairo_new_sub_path(cr);
  if (r <= 0) {
    cairo_rectangle(cr, x, y, w, h);
    return;
  }
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void stripe_bands(cairo_t* cr, double x, double y, double w, double h, double period) {
  for (double s = x - h - period; s < x + w + period; s += period) {
    cairo_move_to(cr, s, y + h);
    cairo_line_to(cr, s + h, y);
    cairo_line_to(cr, s + h + period / 2, y);
    cairo_line_to(cr, s + period / 2, y + h);
    cairo_close_path(cr);
  }
}

}  // namespace contentgen::paint
