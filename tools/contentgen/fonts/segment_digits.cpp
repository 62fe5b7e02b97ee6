// numbers.png: counter digits made of bevelled segments, every glyph the
// full 31-pixel cell wide. The unlit segments are dark and half clear: the
// console's counters draw the sheet masked, where they come out solid and
// faintly visible as on a real display; a score drawn alone over the room
// at fading alpha shows them only as a slight shadow, and its lit segments
// keep a dark outline that holds them against slime and bright walls.
#include <cairo.h>

#include "fonts/sheet.h"
#include "render/font_tables.h"

namespace contentgen::fonts {

namespace {

constexpr int kCellW = 31, kCellH = 40;
constexpr double kLeft = 4, kRight = 27, kTop = 3, kBottom = 37;
constexpr double kThick = 5.4, kGap = 1.2;
constexpr double kUnlitAlpha = 132 / 255.0;

enum : unsigned { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };

// A segment from (x0, y0) to (x1, y1) along one axis, pointed at both ends.
void segment(cairo_t* cr, double x0, double y0, double x1, double y1) {
  double t = kThick / 2;
  if (y0 == y1) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x0 + t, y0 - t);
    cairo_line_to(cr, x1 - t, y0 - t);
    cairo_line_to(cr, x1, y0);
    cairo_line_to(cr, x1 - t, y0 + t);
    cairo_line_to(cr, x0 + t, y0 + t);
  } else {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x0 + t, y0 + t);
    cairo_line_to(cr, x0 + t, y1 - t);
    cairo_line_to(cr, x1, y1);
    cairo_line_to(cr, x0 - t, y1 - t);
    cairo_line_to(cr, x0 - t, y0 + t);
  }
  cairo_close_path(cr);
}

void digit_path(cairo_t* cr, double ox, unsigned segs) {
  double t = kThick / 2;
  double xl = ox + kLeft + t, xr = ox + kRight - t;
  double yt = kTop + t, yb = kBottom - t, ym = (yt + yb) / 2;
  if (segs & A) segment(cr, xl + kGap, yt, xr - kGap, yt);
  if (segs & G) segment(cr, xl + kGap, ym, xr - kGap, ym);
  if (segs & D) segment(cr, xl + kGap, yb, xr - kGap, yb);
  if (segs & F) segment(cr, xl, yt + kGap, xl, ym - kGap);
  if (segs & B) segment(cr, xr, yt + kGap, xr, ym - kGap);
  if (segs & E) segment(cr, xl, ym + kGap, xl, yb - kGap);
  if (segs & C) segment(cr, xr, ym + kGap, xr, yb - kGap);
}

}  // namespace

Bytes digit_sheet() {
  static const unsigned kDigits[fonttab::digitframes] = {
      A | B | C | D | E | F, B | C,         A | B | G | E | D, A | B | G | C | D,
      F | G | B | C,         A | F | G | C | D, A | F | G | E | C | D, A | B | C,
      A | B | C | D | E | F | G, A | B | C | D | F | G, G};
  Canvas c(kCellW * fonttab::digitframes, kCellH);
  cairo_t* cr = c.cr();
  constexpr unsigned kAllSegments = A | B | C | D | E | F | G;
  constexpr int kDash = 10;
  for (int f = 0; f < fonttab::digitframes; ++f) {
    // The unlit segments of a digit show faintly, as on a real display,
    // so "012" cannot be read as "0 :2". The dash stands alone.
    if (f != kDash) {
      // Just over half opaque: the masked draw keeps a texel from 128 up.
      digit_path(cr, f * kCellW, kAllSegments & ~kDigits[f]);
      cairo_set_source_rgba(cr, 0.15, 0.15, 0.17, kUnlitAlpha);
      cairo_fill(cr);
    }
    digit_path(cr, f * kCellW, kDigits[f]);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_width(cr, 2.6);
    cairo_set_source_rgb(cr, 0.03, 0.03, 0.04);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* grad = cairo_pattern_create_linear(0, kTop, 0, kBottom);
    cairo_pattern_add_color_stop_rgb(grad, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(grad, 0.5, 0.96, 0.96, 0.97);
    cairo_pattern_add_color_stop_rgb(grad, 1, 0.86, 0.86, 0.88);
    cairo_set_source(cr, grad);
    cairo_fill(cr);
    cairo_pattern_destroy(grad);
  }
  return c.png();
}

}  // namespace contentgen::fonts
