#include "logo.h"

#include <cmath>

#include "console_metal.h"
#include "paint_kit/canvas.h"

namespace contentgen::ui {
namespace {

constexpr double kStroke = 20;
// The lettering's size inside its backing plate.
constexpr double kInset = 0.86;

// Centre lines of the letters in a 56 x 90 box, origin at the top left.
void letter_path(cairo_t* cr, char ch, double ox) {
  auto m = [&](double x, double y) { cairo_move_to(cr, ox + x, y); };
  auto l = [&](double x, double y) { cairo_line_to(cr, ox + x, y); };
  switch (ch) {
    case 'R':
      m(0, 90); l(0, 0); l(42, 0); l(56, 13); l(56, 33); l(42, 46); l(0, 46);
      m(26, 46); l(52, 90);
      break;
    case 'X':
      m(0, 0); l(58, 90);
      m(58, 0); l(0, 90);
      break;
    case '-':
      m(2, 48); l(38, 48);
      break;
    case '9':
      m(56, 46); l(12, 46); l(0, 35); l(0, 11); l(12, 0); l(44, 0); l(56, 11); l(56, 78); l(44, 90);
      l(2, 90);
      break;
    case '0':
      m(12, 0); l(44, 0); l(56, 11); l(56, 79); l(44, 90); l(12, 90); l(0, 79); l(0, 11);
      cairo_close_path(cr);
      break;
    case '7':
      m(0, 0); l(56, 0); l(56, 14); l(22, 90);
      break;
  }
}

void logo_path(cairo_t* cr) {
  const char* text = "RX-907";
  // R's leg and X's lower left arm both reach for the baseline, so R gets
  // more room; the X and the dash fit closer.
  const double advance[] = {88, 76, 62, 78, 78, 0};
  double x = kStroke / 2;
  for (int i = 0; text[i]; ++i) {
    letter_path(cr, text[i], x);
    x += advance[i];
  }
}

// The letters' face: brushed metal lit from above.
void lit_metal(cairo_t* cr) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, -10, 0, 100);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.95, 0.97, 0.95);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.74, 0.78, 0.77);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.52, 0.56, 0.56);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
}

// Scratches, chipped paint and grime settled toward the baseline, drawn
// only where the letters already are.
void wear(cairo_t* cr) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  Noise n(907);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 70; ++i) {
    const double x = n.range(0, kLogoWidth), y = n.range(-10, 100), a = n.range(-0.6, 0.6), len = n.range(4, 16);
    const bool bright = n.unit() < 0.4;
    cairo_set_source_rgba(cr, bright ? 1 : 0.1, bright ? 1 : 0.11, bright ? 1 : 0.1, bright ? 0.45 : 0.5);
    cairo_set_line_width(cr, n.range(0.5, 1.1));
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + std::cos(a) * len, y + std::sin(a) * len);
    cairo_stroke(cr);
  }
  for (int i = 0; i < 45; ++i) {
    const double x = n.range(0, kLogoWidth), y = n.range(-10, 100), r = n.range(0.8, 2.6);
    cairo_set_source_rgba(cr, 0.12, 0.11, 0.09, 0.75);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);  // the chip's lit lower lip
    cairo_arc(cr, x + 0.5, y + 0.6, r, 0.2, M_PI - 0.2);
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
  }
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 40, 0, 100);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.16, 0.14, 0.08, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.16, 0.14, 0.08, 0.45);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

// The backing plate's service life: a second, wider bevel so its rim reads
// as a thick machined edge, paint rubbed bright along the top edge and off
// the corners, fine scratches on the rim and a screw in each corner.
void plate_wear(cairo_t* cr, double x, double y, double w, double h) {
  bevel(cr, x + 1.5, y + 1.5, w - 3, h - 3, 7, 2.5, true);
  Noise n(0x1090u);
  cairo_save(cr);
  rounded_rect(cr, x, y, w, h, 8);
  cairo_clip(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  // Rubbed edges: short bright runs along the top and round the corners.
  for (int i = 0; i < 14; ++i) {
    const double sx = x + n.range(10, w - 40), len = n.range(6, 30);
    cairo_set_source_rgba(cr, 0.85, 0.88, 0.88, n.range(0.18, 0.4));
    cairo_set_line_width(cr, n.range(0.6, 1.2));
    cairo_move_to(cr, sx, y + 1.2);
    cairo_line_to(cr, sx + len, y + 1.2);
    cairo_stroke(cr);
  }
  for (double cx : {x + 3.0, x + w - 3.0})
    for (double cy : {y + 3.0, y + h - 3.0}) {
      cairo_arc(cr, cx, cy, 4.5, 0, 2 * M_PI);
      cairo_set_source_rgba(cr, 0.7, 0.73, 0.74, 0.3);
      cairo_fill(cr);
    }
  // Scratches on the rim: thin, mostly along the edge.
  for (int i = 0; i < 40; ++i) {
    const bool top = n.unit() < 0.6;
    const double sx = x + n.range(4, w - 4);
    const double sy = top ? y + n.range(2, 6) : y + h - n.range(2, 6);
    const double len = n.range(2, 8), tilt = n.range(-0.5, 0.5);
    const bool light = n.unit() < 0.6;
    cairo_set_source_rgba(cr, light ? 0.9 : 0.0, light ? 0.92 : 0.0, light ? 0.92 : 0.0, n.range(0.2, 0.45));
    cairo_set_line_width(cr, 0.5);
    cairo_move_to(cr, sx, sy);
    cairo_line_to(cr, sx + len, sy + tilt * len * 0.3);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  int k = 0;
  for (double cy : {y + 4.1, y + h - 4.1})
    for (double cx : {x + 4.8, x + w - 4.8}) screw(cr, cx, cy, 2.0, 0.5 + 0.9 * k++);
}

}  // namespace

void draw_logo(cairo_t* cr, double x, double y, double scale, bool weathered) {
  cairo_save(cr);
  cairo_translate(cr, x, y + kStroke / 2 * scale);
  cairo_scale(cr, scale, scale);
  // A dark bevelled backing plate, so the lettering stands on its own
  // rather than over whatever is behind it.
  const double plate_w = kLogoWidth + 24, plate_h = 90 + kStroke + 10;
  metal_plate(cr, -12, -15, plate_w, plate_h, 8, 77, kGunmetalDark);
  if (weathered) plate_wear(cr, -12, -15, plate_w, plate_h);
  recess(cr, -5, -9, kLogoWidth + 10, 90 + kStroke - 2, 5, {0.03, 0.045, 0.04});
  // The lettering sits inset in the plate with room for its outline and
  // glow, and its strokes end flat on the cap line and the baseline rather
  // than poking out diagonally.
  cairo_translate(cr, kLogoWidth / 2, 45);
  cairo_scale(cr, kInset, kInset);
  cairo_translate(cr, -kLogoWidth / 2, -45);
  cairo_rectangle(cr, -40, -kStroke / 2 - 3, kLogoWidth + 80, 90 + kStroke + 6);
  cairo_clip(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  // Glow, then a dark outline, then solid lit metal letters.
  for (int i = 3; i >= 1; --i) {
    logo_path(cr);
    cairo_set_line_width(cr, kStroke + i * 5);
    set_rgb(cr, kPhosphor, 0.08);
    cairo_stroke(cr);
  }
  logo_path(cr);
  cairo_set_line_width(cr, kStroke + 4);
  cairo_set_source_rgb(cr, 0.01, 0.02, 0.015);
  cairo_stroke(cr);
  if (!weathered) {
    logo_path(cr);
    cairo_set_line_width(cr, kStroke);
    lit_metal(cr);
    cairo_stroke(cr);
  } else {
    // Chamfered letters: a dark lower right edge, a bright upper left one,
    // and the face between them; then wear laid only on the letters.
    cairo_push_group(cr);
    logo_path(cr);
    cairo_set_line_width(cr, kStroke);
    cairo_set_source_rgb(cr, 0.22, 0.24, 0.24);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, -1.6, -1.6);
    logo_path(cr);
    cairo_set_line_width(cr, kStroke - 3);
    cairo_set_source_rgb(cr, 1.0, 1.0, 0.98);
    cairo_stroke(cr);
    cairo_restore(cr);
    logo_path(cr);
    cairo_set_line_width(cr, kStroke - 6.5);
    lit_metal(cr);
    cairo_stroke(cr);
    wear(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
  }
  cairo_restore(cr);
}

}  // namespace contentgen::ui
