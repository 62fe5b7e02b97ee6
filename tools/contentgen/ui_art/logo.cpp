#include "logo.h"

#include "paint.h"

namespace contentgen::ui {
namespace {

constexpr double kStroke = 20;

// Centre lines of the letters in a 56 x 90 box, origin at the top left.
void letter_path(cairo_t* cr, char ch, double ox) {
  auto m = [&](double x, double y) { cairo_move_to(cr, ox + x, y); };
  auto l = [&](double x, double y) { cairo_line_to(cr, ox + x, y); };
  switch (ch) {
    case 'R':
      m(0, 90); l(0, 0); l(42, 0); l(56, 13); l(56, 33); l(42, 46); l(0, 46);
      m(28, 46); l(58, 90);
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
  const double advance[] = {80, 80, 62, 80, 80, 0};
  double x = kStroke / 2;
  for (int i = 0; text[i]; ++i) {
    letter_path(cr, text[i], x);
    x += advance[i];
  }
}

}  // namespace

void draw_logo(cairo_t* cr, double x, double y, double scale) {
  cairo_save(cr);
  cairo_translate(cr, x, y + kStroke / 2 * scale);
  cairo_scale(cr, scale, scale);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  // Glow, then a dark outline, then the metal, then a lit top edge.
  for (int i = 4; i >= 1; --i) {
    logo_path(cr);
    cairo_set_line_width(cr, kStroke + i * 7);
    set_rgb(cr, kPhosphor, 0.07);
    cairo_stroke(cr);
  }
  logo_path(cr);
  cairo_set_line_width(cr, kStroke + 5);
  cairo_set_source_rgb(cr, 0.02, 0.04, 0.03);
  cairo_stroke(cr);
  logo_path(cr);
  cairo_set_line_width(cr, kStroke);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, -8, 0, 98);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.86, 0.90, 0.90);
  cairo_pattern_add_color_stop_rgb(g, 0.45, 0.44, 0.48, 0.50);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.24, 0.27, 0.28);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.40, 0.44, 0.46);
  cairo_set_source(cr, g);
  cairo_stroke(cr);
  cairo_pattern_destroy(g);
  // Phosphor core line through every stroke.
  logo_path(cr);
  cairo_set_line_width(cr, 2.2);
  set_rgb(cr, kPhosphor, 0.9);
  cairo_stroke(cr);
  // Stencil breaks: thin dark bars across the letters at two heights.
  cairo_set_source_rgba(cr, 0.02, 0.03, 0.02, 0.85);
  cairo_rectangle(cr, -10, 21, 480, 2);
  cairo_rectangle(cr, -10, 70, 480, 2);
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace contentgen::ui
