// numbers.png: counter digits made of thick bevelled segments, every glyph
// the full 31-pixel cell wide. Three layers, chosen by how the sheet is
// drawn:
// - a soft dark halo around the lit segments, under half opaque: the masked
//   console counters drop it, while a score drawn alone over the room with
//   alpha blending keeps it as a shadow that lifts the digits off slime and
//   bright walls;
// - the unlit segments, dark and just over half opaque: solid and faint on
//   the console, as on a real display, so "012" cannot read as "0 :2";
// - the lit segments: near-white with a lit upper/left edge and a shaded
//   lower/right one, inside a thin opaque dark outline.
// Thick strokes keep the counters drawn at half size solid rather than
// hollow.
#include <cairo.h>

#include "fonts/sheet.h"
#include "render/font_tables.h"

namespace contentgen::fonts {

namespace {

constexpr int kCellW = 31, kCellH = 40;
constexpr double kLeft = 4.5, kRight = 26.5, kTop = 4, kBottom = 36;
constexpr double kThick = 6.0, kGap = 0.8;
constexpr double kOutline = 1.5;
// The halo stays under the masked draw's cut (128) everywhere: one stroke
// of all lit segments at once, wide enough to cover them, so overlaps
// between segments do not add up.
constexpr double kHaloWidth = 9.0, kHaloAlpha = 124 / 255.0;
constexpr double kUnlitAlpha = 140 / 255.0;

enum : unsigned { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };
constexpr unsigned kAllSegments = A | B | C | D | E | F | G;

struct Segment {
  double x0, y0, x1, y1;
  bool horizontal() const { return y0 == y1; }
};

// A segment from (x0, y0) to (x1, y1) along one axis, pointed at both ends.
void segment_path(cairo_t* cr, const Segment& s) {
  double t = kThick / 2;
  if (s.horizontal()) {
    cairo_move_to(cr, s.x0, s.y0);
    cairo_line_to(cr, s.x0 + t, s.y0 - t);
    cairo_line_to(cr, s.x1 - t, s.y0 - t);
    cairo_line_to(cr, s.x1, s.y0);
    cairo_line_to(cr, s.x1 - t, s.y0 + t);
    cairo_line_to(cr, s.x0 + t, s.y0 + t);
  } else {
    cairo_move_to(cr, s.x0, s.y0);
    cairo_line_to(cr, s.x0 + t, s.y0 + t);
    cairo_line_to(cr, s.x0 + t, s.y1 - t);
    cairo_line_to(cr, s.x1, s.y1);
    cairo_line_to(cr, s.x0 - t, s.y1 - t);
    cairo_line_to(cr, s.x0 - t, s.y0 + t);
  }
  cairo_close_path(cr);
}

// The seven segments of a digit in the cell at ox, in the bit order A..G.
void segments(double ox, Segment out[7]) {
  double t = kThick / 2;
  double xl = ox + kLeft + t, xr = ox + kRight - t;
  double yt = kTop + t, yb = kBottom - t, ym = (yt + yb) / 2;
  out[0] = {xl + kGap, yt, xr - kGap, yt};  // A
  out[1] = {xr, yt + kGap, xr, ym - kGap};  // B
  out[2] = {xr, ym + kGap, xr, yb - kGap};  // C
  out[3] = {xl + kGap, yb, xr - kGap, yb};  // D
  out[4] = {xl, ym + kGap, xl, yb - kGap};  // E
  out[5] = {xl, yt + kGap, xl, ym - kGap};  // F
  out[6] = {xl + kGap, ym, xr - kGap, ym};  // G
}

void digit_path(cairo_t* cr, const Segment segs[7], unsigned mask) {
  for (int i = 0; i < 7; ++i)
    if (mask & (1u << i)) segment_path(cr, segs[i]);
}

// One lit segment: a bevel across its width, light on the upper or left
// side, shaded on the lower or right one.
void lit_segment(cairo_t* cr, const Segment& s) {
  double t = kThick / 2;
  cairo_pattern_t* g = s.horizontal()
                           ? cairo_pattern_create_linear(0, s.y0 - t, 0, s.y0 + t)
                           : cairo_pattern_create_linear(s.x0 - t, 0, s.x0 + t, 0);
  cairo_pattern_add_color_stop_rgb(g, 0.0, 1.00, 1.00, 1.00);
  cairo_pattern_add_color_stop_rgb(g, 0.45, 0.98, 0.98, 0.99);
  cairo_pattern_add_color_stop_rgb(g, 1.0, 0.76, 0.76, 0.79);
  segment_path(cr, s);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

}  // namespace

Bytes digit_sheet() {
  static const unsigned kDigits[fonttab::digitframes] = {
      A | B | C | D | E | F, B | C,         A | B | G | E | D, A | B | G | C | D,
      F | G | B | C,         A | F | G | C | D, A | F | G | E | C | D, A | B | C,
      A | B | C | D | E | F | G, A | B | C | D | F | G, G};
  Canvas c(kCellW * fonttab::digitframes, kCellH);
  cairo_t* cr = c.cr();
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  constexpr int kDash = 10;
  for (int f = 0; f < fonttab::digitframes; ++f) {
    Segment segs[7];
    segments(f * kCellW, segs);
    const unsigned lit = kDigits[f];
    // The halo reaches the cell's edges and no further.
    digit_path(cr, segs, lit);
    cairo_set_line_width(cr, kHaloWidth);
    cairo_set_source_rgba(cr, 0.02, 0.02, 0.03, kHaloAlpha);
    cairo_stroke(cr);
    if (f != kDash) {
      digit_path(cr, segs, kAllSegments & ~lit);
      cairo_set_source_rgba(cr, 0.13, 0.13, 0.15, kUnlitAlpha);
      cairo_fill(cr);
    }
    digit_path(cr, segs, lit);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_width(cr, kOutline * 2);
    cairo_set_source_rgb(cr, 0.03, 0.03, 0.04);
    cairo_stroke(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int i = 0; i < 7; ++i)
      if (lit & (1u << i)) lit_segment(cr, segs[i]);
  }
  return c.png_soft();
}

}  // namespace contentgen::fonts
