// The console frame around the room views (one- and two-player layouts),
// the split-screen divider and the glass behind the clock, message line
// and minimap.
#include <cmath>

#include "paint_kit/canvas.h"
#include "console_metal.h"
#include "status_bed.h"
#include "ui_art.h"

namespace contentgen::ui {
namespace {

// A lip along one edge where the frame meets the view: a bright chamfer
// and a thin green trim line.
void view_lip_bottom(cairo_t* cr, double x, double y, double w) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y - 8, 0, y);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.30, 0.33, 0.35);
  cairo_pattern_add_color_stop_rgb(g, 0.7, 0.14, 0.15, 0.16);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.04, 0.04, 0.05);
  cairo_rectangle(cr, x, y - 8, w, 8);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  phosphor_line(cr, x + 4, y - 9.5, x + w - 4, y - 9.5, 1.0, kPhosphorDim);
}

void rivet_row(cairo_t* cr, double x0, double x1, double y, double pitch, double r = 2.4) {
  for (double x = x0; x <= x1 + 0.1; x += pitch) rivet(cr, x, y, r);
}

// A side pillar of height h; its right edge faces the view.
void draw_pillar(Canvas& c, double h, uint32_t seed, double split_y) {
  cairo_t* cr = c.cr();
  metal_plate(cr, 0, 0, 122, h, 0, seed, {0.18, 0.195, 0.21});
  // Inner edge: a deep chamfer towards the view.
  cairo_pattern_t* g = cairo_pattern_create_linear(104, 0, 122, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.32, 0.35, 0.37);
  cairo_pattern_add_color_stop_rgb(g, 0.4, 0.20, 0.22, 0.23);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.03, 0.03, 0.035);
  cairo_rectangle(cr, 104, 0, 18, h);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  phosphor_line(cr, 102.5, 6, 102.5, h - 6, 1.0, kPhosphorDim);
  // Conduit: a vertical pipe with clamps.
  cairo_pattern_t* p = cairo_pattern_create_linear(14, 0, 32, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.08, 0.09, 0.10);
  cairo_pattern_add_color_stop_rgb(p, 0.35, 0.42, 0.45, 0.47);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.07, 0.08, 0.08);
  cairo_rectangle(cr, 14, 0, 18, h);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (double y = 30; y < h - 10; y += 80) {
    metal_plate(cr, 10, y, 26, 10, 2, seed + static_cast<uint32_t>(y), {0.28, 0.30, 0.31});
    rivet(cr, 23, y + 5, 2);
  }
  // Instrument plate: vents and a column of status lamps.
  metal_plate(cr, 44, 16, 52, h - 32, 5, seed + 5, {0.21, 0.225, 0.24});
  double mid = split_y > 0 ? split_y : h / 2;
  vent(cr, 52, 28, 36, 60, 6, false);
  vent(cr, 52, h - 88, 36, 60, 6, false);
  Rgb lamps[4] = {kPhosphor, kPhosphor, {1.0, 0.75, 0.15}, kPhosphor};
  for (int i = 0; i < 4; ++i) led(cr, 70, mid - 36 + i * 24, 3.2, lamps[(i + seed) % 4]);
  for (double y : {22.0, h - 22}) {
    rivet(cr, 50, y, 2.2);
    rivet(cr, 90, y, 2.2);
  }
  if (split_y > 0) {
    // A cross brace level with the split between the two views.
    metal_plate(cr, 0, split_y - 9, 122, 18, 2, seed + 9, {0.24, 0.26, 0.27});
    hazard_stripes(cr, 40, split_y - 5, 60, 10, 12, kConsoleHazard);
    rivet(cr, 8, split_y, 2.4);
    rivet(cr, 112, split_y, 2.4);
  }
  grime(c, seed, 0, 0, 122, static_cast<int>(h), 1.0);
  speckle(c, seed, 0.05);
}

Bytes board_pillar() {
  Canvas c(122, 275);
  draw_pillar(c, 275, 21, 0);
  return c.png();
}

Bytes board_pillar_two() {
  Canvas c(122, 514);
  draw_pillar(c, 514, 22, 256);
  return c.png();
}

// A well the member tabs sit in (x, y, w, h).
void tab_bay(cairo_t* cr, double x, double y, double w, double h) {
  recess(cr, x, y, w, h, 8, {0.06, 0.065, 0.07});
  // Between the member tabs the bay is an idle monitor: a faint phosphor
  // glow in the middle under a fine measuring grid, fading into a dark
  // vignette at the glass's edge, all dim enough that the tabs and the
  // text laid over them read first.
  cairo_save(cr);
  rounded_rect(cr, x + 2, y + 2, w - 4, h - 4, 7);
  cairo_clip(cr);
  cairo_pattern_t* glow = cairo_pattern_create_radial(x + w / 2, y + h / 2, 0, x + w / 2, y + h / 2, h * 0.55);
  cairo_pattern_add_color_stop_rgba(glow, 0, kPhosphorDim.r, kPhosphorDim.g, kPhosphorDim.b, 0.10);
  cairo_pattern_add_color_stop_rgba(glow, 1, kPhosphorDim.r, kPhosphorDim.g, kPhosphorDim.b, 0.0);
  cairo_set_source(cr, glow);
  cairo_paint(cr);
  cairo_pattern_destroy(glow);
  cairo_set_line_width(cr, 1);
  set_rgb(cr, kPhosphorDim, 0.09);
  for (double gx = x + 9.5; gx < x + w; gx += 24) {
    cairo_move_to(cr, gx, y);
    cairo_line_to(cr, gx, y + h);
  }
  for (double gy = y + 14.5; gy < y + h; gy += 24) {
    cairo_move_to(cr, x, gy);
    cairo_line_to(cr, x + w, gy);
  }
  cairo_stroke(cr);
  cairo_pattern_t* vig = cairo_pattern_create_radial(x + w / 2, y + h / 2, h * 0.25, x + w / 2, y + h / 2, h * 0.62);
  cairo_pattern_add_color_stop_rgba(vig, 0, 0, 0, 0, 0.0);
  cairo_pattern_add_color_stop_rgba(vig, 1, 0, 0, 0, 0.55);
  cairo_set_source(cr, vig);
  cairo_paint(cr);
  cairo_pattern_destroy(vig);
  cairo_restore(cr);
  // Scanlines over all of it.
  cairo_set_line_width(cr, 1);
  set_rgb(cr, {0, 0, 0}, 0.5);
  for (double yy = y + 6.5; yy < y + h; yy += 6) {
    cairo_move_to(cr, x + 3, yy);
    cairo_line_to(cr, x + w - 3, yy);
  }
  cairo_stroke(cr);
}

Bytes board_top() {
  Canvas c(1024, 67);
  cairo_t* cr = c.cr();
  metal_plate(cr, 0, 0, 1024, 67, 0, 31, {0.18, 0.195, 0.21});
  // Compass socket in the middle.
  metal_plate(cr, 452, 2, 120, 56, 10, 32, {0.23, 0.25, 0.26});
  cairo_arc(cr, 512, 26, 21, 0, 2 * M_PI);
  set_rgb(cr, kScreenBlack);
  cairo_fill(cr);
  cairo_arc(cr, 512, 26, 22, 0, 2 * M_PI);
  cairo_set_line_width(cr, 2);
  set_rgb(cr, {0.5, 0.54, 0.56});
  cairo_stroke(cr);
  rivet(cr, 462, 12, 2.2);
  rivet(cr, 562, 12, 2.2);
  rivet(cr, 462, 46, 2.2);
  rivet(cr, 562, 46, 2.2);
  // Side banks: vents, lamps and hazard caps over the pillars.
  for (int side = 0; side < 2; ++side) {
    double x0 = side == 0 ? 0 : 902;
    hazard_stripes(cr, x0 + 6, 8, 110, 12, 16, kConsoleHazard);
    bevel(cr, x0 + 6, 8, 110, 12, 1, 1, false);
    double bx = side == 0 ? 140 : 594;
    metal_plate(cr, bx, 6, 290, 46, 6, 33 + side, {0.20, 0.215, 0.23});
    vent(cr, bx + 14, 14, 120, 30, 10, true);
    screen(cr, bx + 150, 14, 96, 30, 3, 0.10);
    for (int i = 0; i < 3; ++i) {
      double lx = bx + 168 + i * 30;
      phosphor_line(cr, lx - 8, 29, lx + 8, 29 - (i - 1) * 4.0, 1.2, kPhosphorDim);
    }
    led(cr, bx + 262, 22, 3, kPhosphor);
    led(cr, bx + 276, 22, 3, side ? Rgb{1.0, 0.2, 0.1} : Rgb{1.0, 0.75, 0.15});
    led(cr, bx + 269, 38, 3, kPhosphor);
    rivet_row(cr, x0 + 12, x0 + 110, 34, 24);
  }
  view_lip_bottom(cr, 122, 67, 780);
  // Bottom lip over the pillars continues their chamfer.
  grime(c, 34, 0, 0, 1024, 67, 1.0);
  speckle(c, 35, 0.05);
  return c.png();
}

// The bottom console of the one-player layout (screen y 342..768).
Bytes board_bottom() {
  Canvas c(1024, 426);
  cairo_t* cr = c.cr();
  metal_plate(cr, 0, 0, 1024, 426, 0, 41, {0.15, 0.165, 0.18});
  // Wings and centre plates.
  metal_plate(cr, 4, 10, 310, 414, 10, 42, {0.19, 0.205, 0.22});
  metal_plate(cr, 710, 10, 310, 414, 10, 43, {0.19, 0.205, 0.22});
  tab_bay(cr, 22, 18, 290, 404);
  tab_bay(cr, 712, 18, 290, 404);
  for (double x : {12.0, 1012.0})
    for (double y = 40; y < 420; y += 60) rivet(cr, x, y, 2.4);
  // The status bed, placed so that its name plate lands at (324, 401).
  cairo_save(cr);
  cairo_translate(cr, 324, 401 - 342);
  draw_status_bed(cr, 6, 86, 44);
  cairo_restore(cr);
  // Vent grille and hazard edge under the status bed.
  vent(cr, 344, 400, 336, 22, 28, true);
  hazard_stripes(cr, 316, 0, 392, 6, 14, kConsoleHazard);
  // Top rail where the console meets the view.
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 10);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.05, 0.05, 0.06);
  cairo_pattern_add_color_stop_rgb(g, 0.3, 0.38, 0.41, 0.43);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.18, 0.20, 0.21);
  cairo_rectangle(cr, 0, 0, 1024, 9);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  phosphor_line(cr, 130, 10.5, 894, 10.5, 1.0, kPhosphorDim);
  grime(c, 45, 0, 0, 1024, 426, 1.0);
  speckle(c, 46, 0.05);
  return c.png();
}

// The bottom console of the two-player layout (screen y 514..768).
Bytes board_bottom_two() {
  Canvas c(1024, 254);
  cairo_t* cr = c.cr();
  metal_plate(cr, 0, 0, 1024, 254, 0, 51, {0.15, 0.165, 0.18});
  metal_plate(cr, 4, 4, 216, 248, 8, 52, {0.19, 0.205, 0.22});
  metal_plate(cr, 804, 4, 216, 248, 8, 53, {0.19, 0.205, 0.22});
  tab_bay(cr, 24, 1, 182, 252);
  tab_bay(cr, 818, 1, 182, 252);
  // Two status beds at 0.6, name plates at (254, 543) and (546, 543).
  for (int p = 0; p < 2; ++p) {
    cairo_save(cr);
    cairo_translate(cr, (p == 0 ? 254 : 546), 543 - 514);
    cairo_scale(cr, 0.6, 0.6);
    draw_status_bed(cr, -9, 90, 54 + p);
    cairo_restore(cr);
  }
  // Centre divider between the two players' panels.
  metal_plate(cr, 497, 10, 30, 236, 4, 56, {0.24, 0.26, 0.27});
  hazard_stripes(cr, 503, 20, 18, 216, 14, kConsoleHazard);
  bevel(cr, 503, 20, 18, 216, 1, 1, false);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 8);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.05, 0.05, 0.06);
  cairo_pattern_add_color_stop_rgb(g, 0.3, 0.38, 0.41, 0.43);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.18, 0.20, 0.21);
  cairo_rectangle(cr, 122, 0, 780, 7);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  grime(c, 57, 0, 0, 1024, 254, 1.0);
  speckle(c, 58, 0.05);
  return c.png();
}

// Divider between the two views, tiled every 128 pixels; drawn blended.
Bytes splitter() {
  Canvas c(128, 11);
  cairo_t* cr = c.cr();
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 11);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.05, 0.05, 0.06);
  cairo_pattern_add_color_stop_rgb(g, 0.2, 0.42, 0.45, 0.47);
  cairo_pattern_add_color_stop_rgb(g, 0.55, 0.20, 0.22, 0.23);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.04, 0.04, 0.05);
  cairo_rectangle(cr, 0, 0, 128, 11);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  set_rgb(cr, kPhosphor, 0.9);
  cairo_rectangle(cr, 0, 5, 128, 1);
  cairo_fill(cr);
  rivet(cr, 64, 5.5, 2.2);
  rivet(cr, 0, 5.5, 2.2);
  rivet(cr, 128, 5.5, 2.2);
  return c.png();
}

// Backdrop of the clock, the message line and the minimap (drawn blended
// and stretched): dark glass with a soft edge.
Bytes musti() {
  Canvas c(84, 84);
  cairo_t* cr = c.cr();
  cairo_pattern_t* g = cairo_pattern_create_radial(42, 42, 4, 42, 42, 62);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.06, 0.11, 0.08);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.015, 0.03, 0.02);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_rectangle(cr, 0.5, 0.5, 83, 83);
  cairo_set_line_width(cr, 1);
  set_rgb(cr, {0.10, 0.22, 0.14});
  cairo_stroke(cr);
  return c.png();
}

}  // namespace

void add_console_frames(Registry& reg) {
  reg.add(gfx("board_1.png"), board_bottom);
  reg.add(gfx("board_2.png"), board_pillar);
  reg.add(gfx("board_3.png"), board_top);
  reg.add(gfx("board2_1.png"), board_bottom_two);
  reg.add(gfx("board2_2.png"), board_pillar_two);
  reg.add(gfx("splitter.png"), splitter);
  reg.add(gfx("musti.png"), musti);
}

}  // namespace contentgen::ui
