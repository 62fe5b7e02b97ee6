#include "tile_fittings.h"

#include <cmath>

namespace contentgen::roomart::wall_tiles {

void locker(cairo_t* cr, Noise& n, double x, double w) {
  sunken_plate(cr, x + 2, kTop + 3, w - 4, kBottom - kTop - 5, 0.3, 2);
  raised_plate(cr, x + 4, kTop + 5, w - 8, kBottom - kTop - 9, 0.66, 2);
  // Vent slots at the top and bottom.
  for (double y : {kTop + 14.0, kBottom - 30.0})
    for (int i = 0; i < 4; ++i) sunken_plate(cr, x + 12, y + i * 5, w - 24, 3, 0.35, 1);
  // Name card and handle.
  sunken_plate(cr, x + w / 2 - 11, kTop + 40, 22, 11, 0.85, 1);
  grey(cr, 0.35);
  cairo_rectangle(cr, x + w / 2 - 8, kTop + 44, n.range(8, 15), 1.5);
  cairo_fill(cr);
  raised_plate(cr, x + w - 13, 92, 5, 26, 0.8, 1.5);
  rivet(cr, x + w - 10.5, 105, 1.6, 0.4);
  // Hinges.
  for (double y : {kTop + 20.0, kBottom - 22.0}) raised_plate(cr, x + 4, y, 4, 10, 0.5, 1);
  // A dent and scuffs.
  cairo_pattern_t* d = cairo_pattern_create_radial(x + n.range(14, w - 14), n.range(120, 150), 0, x + w / 2, 135, 12);
  cairo_pattern_add_color_stop_rgba(d, 0, 0, 0, 0, 0.25);
  cairo_pattern_add_color_stop_rgba(d, 1, 0, 0, 0, 0);
  cairo_set_source(cr, d);
  cairo_paint(cr);
  cairo_pattern_destroy(d);
}

void window(cairo_t* cr, Noise& n, double x, double y, double w, double h, int mullions) {
  raised_plate(cr, x - 6, y - 6, w + 12, h + 12, 0.62, 3);
  // The dark exterior: a storm-lit sky over a rocky horizon.
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.02, 0.03, 0.05);
  cairo_pattern_add_color_stop_rgb(sky, 0.6, 0.16, 0.17, 0.2);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.05, 0.05, 0.06);
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);
  for (int i = 0; i < w * h / 150; ++i) {
    grey(cr, n.range(0.5, 1.0), n.range(0.4, 0.9));
    cairo_rectangle(cr, x + n.unit() * w, y + n.unit() * h * 0.5, 1, 1);
    cairo_fill(cr);
  }
  // Clouds lit from below.
  for (int i = 0; i < 5; ++i) {
    double cy = y + h * n.range(0.35, 0.6);
    cairo_pattern_t* c = cairo_pattern_create_radial(x + n.unit() * w, cy, 0, x + w / 2, cy, w * 0.6);
    cairo_pattern_add_color_stop_rgba(c, 0, 0.5, 0.5, 0.55, 0.25);
    cairo_pattern_add_color_stop_rgba(c, 1, 0.5, 0.5, 0.55, 0);
    cairo_set_source(cr, c);
    cairo_paint(cr);
    cairo_pattern_destroy(c);
  }
  // Jagged ridge.
  rgb(cr, 0.03, 0.03, 0.035);
  cairo_move_to(cr, x, y + h);
  double ry = y + h * 0.72;
  for (double lx = x; lx <= x + w + 4; lx += 4) {
    ry = std::clamp(ry + n.range(-3.5, 3.5), y + h * 0.6, y + h * 0.85);
    cairo_line_to(cr, lx, ry);
  }
  cairo_line_to(cr, x + w + 4, y + h);
  cairo_close_path(cr);
  cairo_fill(cr);
  // Glass reflections.
  grey(cr, 1, 0.12);
  cairo_move_to(cr, x + w * 0.15, y);
  cairo_line_to(cr, x + w * 0.35, y);
  cairo_line_to(cr, x + w * 0.05, y + h);
  cairo_line_to(cr, x - w * 0.15, y + h);
  cairo_fill(cr);
  grey(cr, 1, 0.07);
  cairo_move_to(cr, x + w * 0.5, y);
  cairo_line_to(cr, x + w * 0.56, y);
  cairo_line_to(cr, x + w * 0.26, y + h);
  cairo_line_to(cr, x + w * 0.2, y + h);
  cairo_fill(cr);
  cairo_restore(cr);
  // Inner frame shadow, mullions and bolts.
  grey(cr, 0, 0.5);
  cairo_rectangle(cr, x, y, w, 3);
  cairo_rectangle(cr, x, y, 3, h);
  cairo_fill(cr);
  for (int i = 1; i <= mullions; ++i) {
    double mx = x + w * i / (mullions + 1);
    raised_plate(cr, mx - 3, y, 6, h, 0.6, 1.5);
  }
  for (double bx : {x - 3, x + w + 3})
    for (double by = y; by <= y + h; by += h / 4) rivet(cr, bx, by, 1.4, 0.55);
}

void valve_wheel(cairo_t* cr, double cx, double cy, double r) {
  cairo_set_line_width(cr, 3);
  grey(cr, 0.08);
  cairo_arc(cr, cx + 1, cy + 1.5, r, 0, 2 * M_PI);
  cairo_stroke(cr);
  grey(cr, 0.75);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 2);
  for (int i = 0; i < 5; ++i) {
    double a = i * 2 * M_PI / 5 + 0.3;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
  }
  grey(cr, 0.6);
  cairo_stroke(cr);
  grey(cr, 1, 0.5);
  cairo_set_line_width(cr, 1);
  cairo_arc(cr, cx, cy, r, M_PI * 1.1, M_PI * 1.5);
  cairo_stroke(cr);
  rivet(cr, cx, cy, 3, 0.6);
}

void gauge(cairo_t* cr, Noise& n, double cx, double cy, double r) {
  rivet(cr, cx, cy, r + 2, 0.5);
  grey(cr, 0.92);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_fill(cr);
  grey(cr, 0.2);
  cairo_set_line_width(cr, 0.8);
  for (int i = 0; i <= 6; ++i) {
    double a = M_PI * 0.75 + i * M_PI * 1.5 / 6;
    cairo_move_to(cr, cx + std::cos(a) * r * 0.7, cy + std::sin(a) * r * 0.7);
    cairo_line_to(cr, cx + std::cos(a) * r * 0.92, cy + std::sin(a) * r * 0.92);
  }
  cairo_stroke(cr);
  rgb(cr, 0.8, 0.15, 0.1);
  cairo_set_line_width(cr, 1.3);
  double a = M_PI * 0.75 + n.range(0.2, 0.9) * M_PI * 1.5;
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx + std::cos(a) * r * 0.85, cy + std::sin(a) * r * 0.85);
  cairo_stroke(cr);
}

void decal_text(cairo_t* cr, Noise& n, double x, double y, double w, int lines, double tone) {
  grey(cr, tone);
  for (int i = 0; i < lines; ++i)
    for (double lx = x; lx < x + w * n.range(0.5, 1.0);) {
      double word = n.range(2, 6);
      cairo_rectangle(cr, lx, y + i * 4, word, 2);
      lx += word + 1.5;
    }
  cairo_fill(cr);
}

void stencil(cairo_t* cr, double x, double y, double px, const char* text) {
  auto rows = [](char ch) -> const char* {
    switch (ch) {
      case 'A': return "010101111101101";
      case 'M': return "101111111101101";
      case 'O': return "111101101101111";
      case 'C': return "111100100100111";
      case '0': return "111101101101111";
      case '7': return "111001010010010";
      case '1': return "010110010010111";
      case '2': return "111001111100111";
      case '3': return "111001111001111";
      case '4': return "101101111001001";
      case '5': return "111100111001111";
      case '6': return "111100111101111";
      case '8': return "111101111101111";
      case '9': return "111101111001111";
      case 'B': return "110101110101110";
      case 'D': return "110101101101110";
      case 'E': return "111100110100111";
      case 'F': return "111100110100100";
      case 'L': return "100100100100111";
      case 'P': return "111101111100100";
      case 'R': return "110101110101101";
      case 'V': return "101101101101010";
      case '-': return "000000111000000";
      default: return "000000000000000";
    }
  };
  for (const char* t = text; *t; ++t, x += 4 * px) {
    const char* g = rows(*t);
    for (int i = 0; i < 15; ++i)
      if (g[i] == '1') cairo_rectangle(cr, x + (i % 3) * px, y + (i / 3) * px, px, px);
  }
  cairo_fill(cr);
}

void crate(cairo_t* cr, Noise& n, double x, double y, double w, double h) {
  double base = n.range(0.45, 0.75);
  raised_plate(cr, x, y, w, h, base, 2);
  grey(cr, base * 0.6);
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, x + 2, y + 2);
  cairo_line_to(cr, x + w - 2, y + h - 2);
  cairo_move_to(cr, x + w - 2, y + 2);
  cairo_line_to(cr, x + 2, y + h - 2);
  cairo_stroke(cr);
  grey(cr, 0.9);
  cairo_rectangle(cr, x + w / 2 - 4, y + h / 2 - 3, 8, 6);
  cairo_fill(cr);
}

}  // namespace contentgen::roomart::wall_tiles
