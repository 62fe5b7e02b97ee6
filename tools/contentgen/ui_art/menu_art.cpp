// Front-end pictures: the menu logo (the background is menu_backer.cpp), the pointer and text
// cursor, the framed-panel borders and the squad screen's parts.
#include <algorithm>
#include <cmath>

#include "paint_kit/canvas.h"
#include "logotype.h"
#include "menu_backer.h"
#include "console_metal.h"
#include "ui_art.h"

namespace contentgen::ui {
namespace {

// The title logo, drawn centred at (512, 70) with alpha blending.
Bytes title() {
  Canvas c(560, 136);
  cairo_t* cr = c.cr();
  // Mounting brackets either side, bolted to the wall behind and reaching
  // under the plate: the logo is a fitted part, not a sticker.
  for (double x : {4.0, 526.0}) {
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    rounded_rect(cr, x + 1.5, 40, 30, 54, 6);
    cairo_fill(cr);
    metal_plate(cr, x, 38, 30, 54, 6, 31, kGunmetal);
    recess(cr, x + 8, 44, 14, 42, 4, {0.05, 0.06, 0.06});
    screw(cr, x + 15, 54, 4.2, x < 100 ? 0.6 : 2.1);
    screw(cr, x + 15, 76, 4.2, x < 100 ? 1.9 : 0.3);
  }
  draw_logotype(cr, (560 - kLogotypeWidth) / 2, 4, 1);
  // A rule under the lettering with end brackets.
  double y = 128.5;
  phosphor_line(cr, 60, y, 500, y, 1.2);
  cairo_set_line_width(cr, 2);
  set_rgb(cr, kPhosphor);
  cairo_move_to(cr, 52, y - 6);
  cairo_line_to(cr, 52, y);
  cairo_line_to(cr, 60, y);
  cairo_move_to(cr, 508, y - 6);
  cairo_line_to(cr, 508, y);
  cairo_line_to(cr, 500, y);
  cairo_stroke(cr);
  return c.png();
}

// Menu pointer: an arrow whose tip is the image's (0, 0).
Bytes mouse() {
  Canvas c(24, 24);
  cairo_t* cr = c.cr();
  auto arrow = [&](double inset) {
    cairo_move_to(cr, 1 + inset * 0.6, 1 + inset * 1.4);
    cairo_line_to(cr, 1 + inset * 0.6, 20 - inset * 1.6);
    cairo_line_to(cr, 6.5 + inset * 0.3, 15 - inset * 0.3);
    cairo_line_to(cr, 11 - inset * 0.2, 23 - inset * 1.4);
    cairo_line_to(cr, 14.5 - inset * 1.2, 21.5 - inset * 0.8);
    cairo_line_to(cr, 10.5 - inset * 0.3, 13.5 - inset * 0.4);
    cairo_line_to(cr, 17 - inset * 1.6, 13.5 - inset * 0.4);
    cairo_close_path(cr);
  };
  arrow(0);
  cairo_set_source_rgb(cr, 0.02, 0.05, 0.03);
  cairo_fill(cr);
  arrow(1.2);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 12, 20);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.75, 1.0, 0.8);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.15, 0.7, 0.3);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  harden_alpha(c);
  return c.png();
}

// Text cursor: a bar as tall as a large-font line plus the 2 pixels it is
// raised by and a little below (6 x 38); brightness pulses in the game.
Bytes caret() {
  Canvas c(6, 38);
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, 0, 0, 6, 38);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 6, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.2, 0.7, 0.35);
  cairo_pattern_add_color_stop_rgb(g, 0.45, 0.8, 1.0, 0.85);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.7, 0.35);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  return c.png();
}

Bytes solid_black() {
  Canvas c(32, 32);
  cairo_set_source_rgb(c.cr(), 0, 0, 0);
  cairo_paint(c.cr());
  return c.png();
}

// The row of a border rail that carries its green trim.
int trim_row(int thickness) { return thickness - 1; }

// Panel border line: 'length' pixels along (stretched), 'thickness' across,
// outer edge at row 0: a raised steel rail like the console's plates (dark
// outer lip, a bright polished crest falling through steel into the shade
// of its inner bevel, then a dark groove where the rail meets the panel),
// then, with the trim, a thin green phosphor line on the panel's side.
// Turned for each side, so every side reads as the same bevelled rail.
Bytes border_line(int length, int thickness, bool trim) {
  Canvas c(length, thickness);
  cairo_t* cr = c.cr();
  const int metal = trim ? trim_row(thickness) : thickness;
  for (int row = 0; row < thickness; ++row) {
    Rgb col;
    if (row == 0) {
      col = {0.04, 0.045, 0.05};
    } else if (metal > 4 && row == metal - 1) {
      col = {0.07, 0.075, 0.08};
    } else if (row < metal) {
      const int steel = metal > 4 ? metal - 1 : metal;
      const double t = steel > 2 ? (row - 1) / double(steel - 2) : 0;
      col = metal > 3 ? mix({0.93, 0.95, 0.95}, {0.36, 0.385, 0.40}, t) : mix({0.72, 0.75, 0.76}, {0.27, 0.29, 0.31}, t);
    } else {
      col = metal > 3 ? Rgb{0.24, 0.78, 0.42} : Rgb{0.32, 0.96, 0.52};
    }
    set_rgb(cr, col);
    cairo_rectangle(cr, 0, row, length, 1);
    cairo_fill(cr);
  }
  return c.png();
}

// Panel corner (size x size, placed at the corner and rotated for the
// others): a steel gusset plate over the rails' ends, its inner corner cut
// off on the diagonal and trimmed in green like the rails, bevelled, worn
// bright at its outer corner and held by a screw. Transparent inside the
// diagonal.
Bytes border_corner(int size, int thickness, uint32_t seed) {
  Canvas c(size, size);
  cairo_t* cr = c.cr();
  const double k = size / 16.0;  // the drawing is laid out for 16 px
  const double arm = thickness, cut = 10 * k;
  auto outline = [&](double inset) {
    cairo_new_path(cr);
    cairo_move_to(cr, inset, inset);
    cairo_line_to(cr, size, inset);
    cairo_line_to(cr, size, arm - inset);
    cairo_line_to(cr, cut - inset * 0.4, arm - inset);
    cairo_line_to(cr, arm - inset, cut - inset * 0.4);
    cairo_line_to(cr, arm - inset, size);
    cairo_line_to(cr, inset, size);
    cairo_close_path(cr);
  };
  // The plate: dark lip, then steel lit from the upper left.
  outline(0);
  cairo_set_source_rgb(cr, 0.04, 0.045, 0.05);
  cairo_fill(cr);
  outline(1);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, cut, cut);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.88, 0.91, 0.92);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.50, 0.53, 0.55);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.24, 0.26, 0.28);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Green trim along the inner edge, meeting the rails' trim row.
  set_rgb(cr, thickness > 3 ? Rgb{0.24, 0.78, 0.42} : Rgb{0.32, 0.96, 0.52});
  cairo_set_line_width(cr, 1);
  const double trim = trim_row(thickness) + 0.5;
  cairo_move_to(cr, size, trim);
  cairo_line_to(cr, cut - (arm - trim) * 0.4, trim);
  cairo_line_to(cr, trim, cut - (arm - trim) * 0.4);
  cairo_line_to(cr, trim, size);
  cairo_stroke(cr);
  // Wear: the paint rubbed bright off the outer corner, a few scratches.
  Noise n(seed);
  cairo_set_source_rgba(cr, 0.95, 0.97, 0.95, 0.8);
  cairo_rectangle(cr, 1, 1, 2 * k, 1);
  cairo_rectangle(cr, 1, 1, 1, 2 * k);
  cairo_fill(cr);
  cairo_set_line_width(cr, 0.6);
  for (int i = 0; i < static_cast<int>(3 * k); ++i) {
    const double x = n.range(2, size - 2), y = n.range(1.5, arm - 2);
    const bool across = n.unit() < 0.5;
    cairo_set_source_rgba(cr, 0.9, 0.92, 0.92, 0.45);
    if (across)
      cairo_move_to(cr, y, x), cairo_line_to(cr, y + n.range(-1, 1), x + n.range(1.5, 3));
    else
      cairo_move_to(cr, x, y), cairo_line_to(cr, x + n.range(1.5, 3), y + n.range(-1, 1));
    cairo_stroke(cr);
  }
  if (size >= 12) screw(cr, 4.6 * k, 4.6 * k, 2.7 * k, n.range(0, M_PI));
  harden_alpha(c);
  return c.png();
}

// Squad-screen portrait frame (98 x 98): the half-scale portrait (92 x 92)
// is centred in it.
Bytes facebord() {
  Canvas c(98, 98);
  cairo_t* cr = c.cr();
  metal_plate(cr, 0, 0, 98, 98, 6, 111, {0.28, 0.30, 0.31});
  recess(cr, 3, 3, 92, 92, 1, kScreenBlack);
  for (double x : {3.0, 95.0})
    for (double y : {3.0, 95.0}) rivet(cr, x, y, 1.6);
  harden_alpha(c);
  return c.png();
}

// Attribute bar (166 x 11) and the frame drawn over it (172 x 17, a 3 px
// rim open in the middle) and the cover that hides the unearned part
// (166 x 11, the panel's near-black).
Bytes statbar() {
  Canvas c(166, 11);
  cairo_t* cr = c.cr();
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 166, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.10, 0.45, 0.20);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.35, 1.0, 0.50);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_pattern_t* s = cairo_pattern_create_linear(0, 0, 0, 11);
  cairo_pattern_add_color_stop_rgba(s, 0, 1, 1, 1, 0.35);
  cairo_pattern_add_color_stop_rgba(s, 0.4, 1, 1, 1, 0.0);
  cairo_pattern_add_color_stop_rgba(s, 1, 0, 0, 0, 0.35);
  cairo_set_source(cr, s);
  cairo_paint(cr);
  cairo_pattern_destroy(s);
  // Segment gaps every 33 pixels (one attribute point) and fine ticks.
  cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
  for (int i = 1; i < 5; ++i) cairo_rectangle(cr, i * 33 - 1, 0, 2, 11);
  cairo_fill(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
  for (int x = 5; x < 166; x += 6) cairo_rectangle(cr, x, 0, 1, 11);
  cairo_fill(cr);
  return c.png();
}

Bytes statborder() {
  Canvas c(172, 17);
  cairo_t* cr = c.cr();
  rounded_rect(cr, 0, 0, 172, 17, 3);
  rounded_rect(cr, 3, 3, 166, 11, 0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 17);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.62, 0.66, 0.67);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.22, 0.24, 0.25);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, 1);
  cairo_set_source_rgb(cr, 0.04, 0.05, 0.05);
  cairo_rectangle(cr, 2.5, 2.5, 167, 12);
  cairo_stroke(cr);
  harden_alpha(c);
  return c.png();
}

Bytes blocker() {
  Canvas c(166, 11);
  cairo_set_source_rgb(c.cr(), 0.035, 0.045, 0.04);
  cairo_paint(c.cr());
  return c.png();
}

// Attribute icons (20 x 20), green phosphor on transparent:
// 1 ammunition, 2 accuracy, 3 stamina, 4 endurance.
Bytes icon(int which) {
  Canvas c(20, 20);
  cairo_t* cr = c.cr();
  auto glow_fill = [&] {
    cairo_set_source_rgb(cr, 0.02, 0.06, 0.03);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 20);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.7, 1.0, 0.75);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.15, 0.75, 0.32);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  };
  switch (which) {
    case 1:  // three cartridges
      for (int i = 0; i < 3; ++i) {
        double x = 3 + i * 5.2;
        cairo_new_path(cr);
        cairo_move_to(cr, x, 18);
        cairo_line_to(cr, x, 8);
        cairo_curve_to(cr, x, 4, x + 1.9, 2, x + 1.9, 2);
        cairo_curve_to(cr, x + 1.9, 2, x + 3.8, 4, x + 3.8, 8);
        cairo_line_to(cr, x + 3.8, 18);
        cairo_close_path(cr);
        glow_fill();
      }
      break;
    case 2:  // crosshair
      cairo_arc(cr, 10, 10, 6.5, 0, 2 * M_PI);
      cairo_set_line_width(cr, 4.2);
      cairo_set_source_rgb(cr, 0.02, 0.06, 0.03);
      cairo_stroke(cr);
      cairo_arc(cr, 10, 10, 6.5, 0, 2 * M_PI);
      cairo_set_line_width(cr, 2.0);
      set_rgb(cr, kPhosphor);
      cairo_stroke(cr);
      for (int i = 0; i < 4; ++i) {
        double a = i * M_PI / 2;
        cairo_move_to(cr, 10 + std::cos(a) * 3, 10 + std::sin(a) * 3);
        cairo_line_to(cr, 10 + std::cos(a) * 9.5, 10 + std::sin(a) * 9.5);
      }
      cairo_set_line_width(cr, 2);
      set_rgb(cr, {0.8, 1.0, 0.85});
      cairo_stroke(cr);
      break;
    case 3:  // lightning bolt
      cairo_move_to(cr, 12, 1);
      cairo_line_to(cr, 4, 11);
      cairo_line_to(cr, 9.5, 11);
      cairo_line_to(cr, 7, 19);
      cairo_line_to(cr, 16, 8);
      cairo_line_to(cr, 10.5, 8);
      cairo_close_path(cr);
      glow_fill();
      break;
    default:  // shield with a cross
      cairo_move_to(cr, 10, 1.5);
      cairo_line_to(cr, 17, 4);
      cairo_curve_to(cr, 17, 12, 14, 16, 10, 18.5);
      cairo_curve_to(cr, 6, 16, 3, 12, 3, 4);
      cairo_close_path(cr);
      glow_fill();
      cairo_set_source_rgb(cr, 0.03, 0.12, 0.05);
      cairo_rectangle(cr, 8.8, 5, 2.4, 9);
      cairo_rectangle(cr, 6, 8, 8, 2.4);
      cairo_fill(cr);
      break;
  }
  harden_alpha(c);
  return c.png();
}

}  // namespace

void add_menu_art(Registry& reg) {
  reg.add(gfx("backer.png"), menu_backer);
  reg.add(gfx("title.png"), title);
  reg.add(gfx("mouse.png"), mouse);
  reg.add(gfx("caret.png"), caret);
  reg.add(gfx("black.png"), solid_black);
  reg.add(gfx("bord_line.png"), [] { return border_line(5, 6, true); });
  reg.add(gfx("bord_corner.png"), [] { return border_corner(16, 6, 0xC0A1u); });
  reg.add(gfx("minibord.png"), [] { return border_line(3, 3, true); });
  reg.add(gfx("minicorn.png"), [] { return border_corner(8, 3, 0xC0A2u); });
  reg.add(gfx("minibord_1.png"), [] { return border_line(3, 3, false); });
  reg.add(gfx("facebord.png"), facebord);
  reg.add(gfx("statbar.png"), statbar);
  reg.add(gfx("statborder.png"), statborder);
  reg.add(gfx("blocker.png"), blocker);
  for (int i = 1; i <= 4; ++i)
    reg.add(gfx("icon_" + std::to_string(i) + ".png"), [i] { return icon(i); });
}

}  // namespace contentgen::ui
