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

}  // namespace

void draw_logo(cairo_t* cr, double x, double y, double scale) {
  cairo_save(cr);
  cairo_translate(cr, x, y + kStroke / 2 * scale);
  cairo_scale(cr, scale, scale);
  // A dark bevelled backing plate, so the lettering stands on its own
  // rather than over whatever is behind it.
  const double plate_w = kLogoWidth + 24, plate_h = 90 + kStroke + 10;
  metal_plate(cr, -12, -15, plate_w, plate_h, 8, 77, kGunmetalDark);
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
  logo_path(cr);
  cairo_set_line_width(cr, kStroke);
  lit_metal(cr);
  cairo_stroke(cr);
  cairo_restore(cr);
}

}  // namespace contentgen::ui
