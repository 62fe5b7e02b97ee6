// The ship's machinery walls: panels, pipes, lockers, consoles, cabinets,
// windows, the torn panel and the specimen tank. Each sits between the
// shared ceiling trim and baseboard.
#include <algorithm>
#include <cmath>

#include "paint_kit/shapes.h"
#include "tile_fittings.h"
#include "wall_tile_painters.h"

namespace contentgen::roomart::wall_tiles {

namespace {

// A black-edged yellow warning triangle with an exclamation mark, its
// apex at (cx, ty) and 30 px tall.
void warning_triangle(cairo_t* cr, double cx, double ty) {
  rgb(cr, 0.1, 0.1, 0.08);
  cairo_move_to(cr, cx, ty - 2);
  cairo_line_to(cr, cx + 17, ty + 28);
  cairo_line_to(cr, cx - 17, ty + 28);
  cairo_close_path(cr);
  cairo_fill(cr);
  rgb(cr, 0.95, 0.85, 0.45);
  cairo_move_to(cr, cx, ty + 2);
  cairo_line_to(cr, cx + 13.5, ty + 26);
  cairo_line_to(cr, cx - 13.5, ty + 26);
  cairo_close_path(cr);
  cairo_fill(cr);
  rgb(cr, 0.1, 0.1, 0.08);
  cairo_rectangle(cr, cx - 1.5, ty + 9, 3, 10);
  cairo_rectangle(cr, cx - 1.5, ty + 21, 3, 3);
  cairo_fill(cr);
}

// Paint worn off a marking: small bare flecks of the plate's own grey.
void paint_wear(cairo_t* cr, Noise& n, double x, double y, double w, double h, int flecks) {
  for (int i = 0; i < flecks; ++i) {
    grey(cr, n.range(0.45, 0.7), 0.8);
    cairo_arc(cr, n.range(x, x + w), n.range(y, y + h), n.range(0.5, 1.4), 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

// Four claws raked across the plate from (x, y) down to the right: each
// groove a tapering cut, black inside with its far wall faintly lit, the
// metal torn up into a bright lip along its upper edge and a shadow along
// its lower one.
void claw_gouges(cairo_t* cr, Noise& n, double x, double y) {
  const double dx = 0.56, dy = 0.83, px = 0.83, py = -0.56;
  // The paint round the rake bruised dark, so the torn lips stand out.
  paint::soft_oval(cr, x + 20, y + 14, 0.98, 2.4, 1, {0.05, 0.05, 0.04}, 0.45, 0, 14);
  for (int i = 0; i < 4; ++i) {
    const double sx = x + px * 6.5 * i + n.range(-1, 1), sy = y + py * 6.5 * i + 4 * i;
    const double len = (i == 1 || i == 2 ? 44 : 36) + n.range(-3, 3), wide = n.range(2.6, 3.3);
    const double bend = n.range(-2, 2);
    auto at = [&](double t, double off, double& ox, double& oy) {
      const double curve = bend * std::sin(M_PI * t);
      ox = sx + dx * len * t + px * (off + curve);
      oy = sy + dy * len * t + py * (off + curve);
    };
    auto edge_path = [&](double a, double b) {  // a cut of width a at its widest, shifted b across
      double ox, oy;
      for (int k = 0; k <= 16; ++k) {
        const double t = k / 16.0, half = a / 2 * std::pow(std::sin(M_PI * t), 0.6);
        at(t, b - half, ox, oy);
        k == 0 ? cairo_move_to(cr, ox, oy) : cairo_line_to(cr, ox, oy);
      }
      for (int k = 16; k >= 0; --k) {
        const double t = k / 16.0, half = a / 2 * std::pow(std::sin(M_PI * t), 0.6);
        at(t, b + half, ox, oy);
        cairo_line_to(cr, ox, oy);
      }
      cairo_close_path(cr);
    };
    // Shadow thrown by the lip onto the plate below the cut.
    rgb(cr, 0.02, 0.02, 0.02, 0.5);
    edge_path(wide + 2.2, -1.4);
    cairo_fill(cr);
    // The torn lip, bright where the metal was bent up toward the lamps.
    grey(cr, 0.97);
    edge_path(wide + 1.6, 0.9);
    cairo_fill(cr);
    // The groove itself, and the far wall's dull sheen.
    grey(cr, 0.03);
    edge_path(wide, 0);
    cairo_fill(cr);
    grey(cr, 0.3, 0.8);
    edge_path(wide * 0.3, -wide * 0.28);
    cairo_fill(cr);
  }
}

}  // namespace

// The wall's filler, which stands in long runs: nothing on it marks one
// slot out from the next. The joint, the groove, the cable and its clamp
// sit at fixed heights and run edge to edge, so a row of these panels
// reads as one long riveted wall with a cable along it.
void plain_panel(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  // The plate joint, drawn over whatever height the plate chose, so it
  // lines up with the next panel's.
  grey(cr, 0.08);
  cairo_rectangle(cr, 0, 64, w, 1.4);
  cairo_fill(cr);
  grey(cr, 0.78);
  cairo_rectangle(cr, 0, 65.4, w, 1);
  cairo_fill(cr);
  sunken_plate(cr, 0, 100, w, 3, 0.45, 1);
  for (double y = 32; y < 180; y += 24) {
    rivet(cr, 6, y, 1.5, 0.55);
    rivet(cr, w - 6, y, 1.5, 0.55);
  }
  // A cable run along the wall, held by one clamp a slot.
  horizontal_pipe(cr, 0, w, 150, 2.6, 0.5);
  raised_plate(cr, w / 2.0 - 3, 145, 6, 10, 0.6, 1);
  screw(cr, w / 2.0, 150, 1.1, 0.6, n.range(0, 3));
}

// The marked panel, which stands in runs of up to four: a deep seam with
// a rivet row, the corridor's guide stripe with an arrow a slot, and hazard
// chevrons along the foot. Each runs edge to edge on a period that divides
// the slot, so side by side the panels read as one stretch of wall with a
// row of arrows, not one stamp repeated.
void seam_decal(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  sunken_plate(cr, 0, 112, w, 4, 0.4, 1);
  for (double x = 6.5; x < w; x += 13) rivet(cr, x, 108, 1.2, 0.55);
  // The guide stripe and its arrowhead, in pale worn paint.
  const double ay = 62;
  grey(cr, 0.85);
  cairo_rectangle(cr, 0, ay, w, 3);
  cairo_move_to(cr, w - 24, ay - 5);
  cairo_line_to(cr, w - 12, ay + 1.5);
  cairo_line_to(cr, w - 24, ay + 8);
  cairo_close_path(cr);
  cairo_fill(cr);
  grey(cr, 0.1, 0.7);  // its shadow, so it reads as paint on a lit plate
  cairo_rectangle(cr, 0, ay + 3, w, 1);
  cairo_fill(cr);
  paint_wear(cr, n, 0, ay - 2, w, 8, 8);
  // Hazard chevrons along the foot, scuffed by boots and crates.
  hazard_stripes(cr, 0, 170, w, 7, 13, kWallHazard);
  paint_wear(cr, n, 0, 169, w, 9, 26);
}

void pipes(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  sunken_plate(cr, 4, kTop + 2, w - 8, kBottom - kTop - 4, 0.3, 2);
  vertical_pipe(cr, 14, kTop, kBottom, 7, 0.6);
  vertical_pipe(cr, 31, kTop, kBottom, 5, 0.5);
  vertical_pipe(cr, 43, kTop, kBottom, 3, 0.7);
  for (double y : {48.0, 150.0}) {
    pipe_clamp_v(cr, 14, y, 7, 0.55);
    pipe_clamp_v(cr, 31, y + 6, 5, 0.55);
    pipe_clamp_v(cr, 43, y + 3, 3, 0.55);
  }
  // A flange joint.
  raised_plate(cr, 5, 98, 18, 6, 0.62, 1.5);
  rivet(cr, 8, 101, 1.2, 0.6);
  rivet(cr, 20, 101, 1.2, 0.6);
  rgb(cr, 0.9, 0.8, 0.4);  // flow label
  cairo_rectangle(cr, 26, 118, 10, 8);
  cairo_fill(cr);
  rgb(cr, 0.1, 0.1, 0.1);
  cairo_move_to(cr, 27, 122);
  cairo_line_to(cr, 33, 118.5);
  cairo_line_to(cr, 33, 125.5);
  cairo_fill(cr);
  lamp(cr, 31, 80, 1.8, 1.0, 0.75, 0.3, true);  // a flow sensor on the middle pipe
  // A pale label band round the big pipe with its flow arrow.
  grey(cr, 0.88);
  cairo_rectangle(cr, 7, 128, 14, 9);
  cairo_fill(cr);
  grey(cr, 0.08);
  cairo_move_to(cr, 14, 135);
  cairo_line_to(cr, 10.5, 130.5);
  cairo_line_to(cr, 17.5, 130.5);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_pattern_t* band = cairo_pattern_create_linear(7, 0, 21, 0);
  cairo_pattern_add_color_stop_rgba(band, 0, 0, 0, 0, 0.45);
  cairo_pattern_add_color_stop_rgba(band, 0.4, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(band, 1, 0, 0, 0, 0.55);
  cairo_set_source(cr, band);
  cairo_rectangle(cr, 7, 128, 14, 9);
  cairo_fill(cr);
  cairo_pattern_destroy(band);
}

void grille(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  raised_plate(cr, 5, 40, w - 10, 116, 0.6, 3);
  sunken_plate(cr, 10, 45, w - 20, 106, 0.12, 2);
  // Fan blades glimpsed behind the louvres.
  grey(cr, 0.22);
  for (int i = 0; i < 5; ++i) {
    double a = i * 2 * M_PI / 5 + 0.4;
    cairo_move_to(cr, w / 2.0, 98);
    cairo_arc(cr, w / 2.0, 98, 15, a, a + 0.6);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
  for (double y = 48; y < 148; y += 8) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + 5);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.85, 0.85, 0.85);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.35, 0.35, 0.35);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 10, y, w - 20, 5);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  for (double x : {8.0, w - 8.0})
    for (double y : {43.0, 153.0}) screw(cr, x, y, 1.8, 0.6, n.range(0, 3));
  streaks(cr, n, 12, w - 24, 156, 186, 5, 0.5);
  lamp(cr, w - 11, 28, 2, 0.4, 1.0, 0.5, true);  // the fan's running light
}

void hazard_panel(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  raised_plate(cr, 3, 58, w - 6, 84, 0.5, 2);
  hazard_stripes(cr, 6, 61, w - 12, 78, 16, kWallHazard);
  for (double x : {9.0, w - 9.0})
    for (double y : {66.0, 134.0}) rivet(cr, x, y, 1.6, 0.55);
  // Wear on the stripes.
  for (int i = 0; i < 14; ++i) {
    grey(cr, n.range(0.1, 0.6), 0.6);
    cairo_arc(cr, n.range(8, w - 8), n.range(64, 136), n.range(0.8, 2.2), 0, 2 * M_PI);
    cairo_fill(cr);
  }
  warning_triangle(cr, w / 2.0, 20);
  decal_text(cr, n, 9, 148, w - 18, 2, 0.3);
}

void trunking(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  // Open cable channel down the left side.
  sunken_plate(cr, 5, kTop, 18, kBottom - kTop, 0.18, 2);
  const double cols[4][3] = {{0.8, 0.2, 0.15}, {0.2, 0.35, 0.8}, {0.85, 0.75, 0.2}, {0.2, 0.2, 0.2}};
  for (int i = 0; i < 4; ++i) {
    double x = 9 + i * 3.5;
    rgb(cr, cols[i][0], cols[i][1], cols[i][2]);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, x, kTop);
    cairo_curve_to(cr, x + n.range(-1, 1), 60, x + n.range(-1, 1), 80, x, 95);
    cairo_curve_to(cr, x + 4, 105, 22 + i * 1.5, 100, 27, 92 + i * 3);
    cairo_stroke(cr);
    grey(cr, 1, 0.3);
    cairo_set_line_width(cr, 0.8);
    cairo_move_to(cr, x - 0.8, kTop);
    cairo_line_to(cr, x - 0.8, 95);
    cairo_stroke(cr);
  }
  for (double y = 30; y < 185; y += 30) raised_plate(cr, 4, y, 20, 4, 0.55, 1);
  // Junction box.
  raised_plate(cr, 22, 78, 26, 40, 0.62, 2);
  sunken_plate(cr, 26, 82, 18, 8, 0.85, 1);
  lamp(cr, 30, 106, 2.3, 0.6, 1.0, 0.6, true);
  lamp(cr, 40, 106, 2.3, 1.0, 0.5, 0.4, false);
  for (double x : {24.5, 45.5})
    for (double y : {80.5, 115.5}) screw(cr, x, y, 1.3, 0.6, n.range(0, 3));
  vertical_pipe(cr, 36, 118, kBottom, 3, 0.55);  // conduit down to the floor
  vertical_pipe(cr, 36, kTop, 78, 3, 0.55);
  // The box's circuit code between its window and its lamps.
  grey(cr, 0.25);
  stencil(cr, 27, 94, 1.1, "D-14");
  paint_wear(cr, n, 26, 93, 19, 7, 4);
}

void wall_lamp(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  // Light pooled on the wall below the fitting.
  cairo_pattern_t* pool = cairo_pattern_create_radial(w / 2.0, 62, 4, w / 2.0, 90, 80);
  cairo_pattern_add_color_stop_rgba(pool, 0, 1, 1, 1, 0.15);
  cairo_pattern_add_color_stop_rgba(pool, 1, 1, 1, 1, 0);
  cairo_set_source(cr, pool);
  cairo_rectangle(cr, 0, kTop, w, kBottom - kTop);
  cairo_fill(cr);
  cairo_pattern_destroy(pool);
  raised_plate(cr, w / 2.0 - 13, 36, 26, 10, 0.6, 2);
  // Bulb and glow.
  cairo_pattern_t* g = cairo_pattern_create_radial(w / 2.0, 60, 2, w / 2.0, 60, 22);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.95, 1);
  cairo_pattern_add_color_stop_rgba(g, 0.4, 1, 0.97, 0.85, 0.6);
  cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.95, 0.8, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, w / 2.0, 60, 22, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  rgb(cr, 1, 1, 0.96);
  cairo_save(cr);
  cairo_translate(cr, w / 2.0, 60);
  cairo_scale(cr, 9, 12);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_fill(cr);
  // Wire cage.
  grey(cr, 0.2);
  cairo_set_line_width(cr, 1.6);
  for (double dx : {-8.0, 0.0, 8.0}) {
    cairo_move_to(cr, w / 2.0 + dx * 0.6, 46);
    cairo_curve_to(cr, w / 2.0 + dx * 1.6, 52, w / 2.0 + dx * 1.6, 70, w / 2.0 + dx * 0.5, 76);
  }
  cairo_stroke(cr);
  for (double y : {54.0, 66.0}) {
    cairo_move_to(cr, w / 2.0 - 12, y);
    cairo_line_to(cr, w / 2.0 + 12, y);
  }
  cairo_stroke(cr);
  raised_plate(cr, w / 2.0 - 6, 74, 12, 5, 0.5, 1);
  // Power conduit up to the ceiling.
  vertical_pipe(cr, w / 2.0, kTop, 36, 2.5, 0.55);
}

void tall_locker(cairo_t* cr, Noise& n, int w) {
  grey(cr, 0.2);
  cairo_paint(cr);
  for (int x = 0; x < w; x += kSlot) locker(cr, n, x, kSlot);
  // The lock's status light above the handle: a small self-lit point that
  // still shows where the room's own light is out.
  lamp(cr, w - 10.5, 104, 2, 1.0, 0.3, 0.2, true);
  // The locker's number stencilled big under the vents, and a torn
  // sticker half peeled off the door.
  grey(cr, 0.22);
  stencil(cr, 13, 72, 2.4, "17");
  paint_wear(cr, n, 12, 71, 18, 13, 12);
  cairo_save(cr);
  cairo_translate(cr, 20, 138);
  cairo_rotate(cr, -0.12);
  grey(cr, 0.9);
  cairo_move_to(cr, -7, -5);
  cairo_line_to(cr, 7, -5);
  cairo_line_to(cr, 7, 2);
  cairo_line_to(cr, 3, 5);
  cairo_line_to(cr, -7, 5);
  cairo_close_path(cr);
  cairo_fill(cr);
  grey(cr, 0.2);
  cairo_rectangle(cr, -5, -3, 10, 1.2);
  cairo_rectangle(cr, -5, 0, 7, 1.2);
  cairo_fill(cr);
  cairo_restore(cr);
}

void terminal(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  raised_plate(cr, 4, 46, w - 8, 94, 0.5, 3);
  phosphor_screen(cr, n, 10, 54, w - 20, 36, 0);
  // Keypad.
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) raised_plate(cr, 11 + c * 8, 100 + r * 8, 6, 6, 0.75, 1);
  lamp(cr, 12, 132, 2, 0.5, 1.0, 0.5, true);
  lamp(cr, 20, 132, 2, 1.0, 0.7, 0.3, n.unit() > 0.5);
  streaks(cr, n, 8, w - 16, 140, 185, 4, 0.35);
  vertical_pipe(cr, w / 2.0, kTop, 46, 2.5, 0.5);
}

void fuse_cabinet(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  raised_plate(cr, 4, 34, w - 8, 124, 0.6, 3);
  sunken_plate(cr, 9, 50, w - 18, 84, 0.2, 2);
  // Rows of breakers behind the glass.
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 3; ++c) {
      double x = 12 + c * 10, y = 54 + r * 13;
      raised_plate(cr, x, y, 8, 10, 0.7, 1);
      bool down = n.unit() < 0.25;
      grey(cr, 0.15);
      cairo_rectangle(cr, x + 2.5, down ? y + 5 : y + 2, 3, 3);
      cairo_fill(cr);
    }
  grey(cr, 1, 0.12);
  cairo_move_to(cr, 9, 50);
  cairo_line_to(cr, 25, 50);
  cairo_line_to(cr, 9, 100);
  cairo_fill(cr);
  // Lightning label.
  rgb(cr, 0.95, 0.85, 0.4);
  cairo_rectangle(cr, w / 2.0 - 8, 38, 16, 10);
  cairo_fill(cr);
  rgb(cr, 0.1, 0.1, 0.1);
  cairo_move_to(cr, w / 2.0 + 2, 39);
  cairo_line_to(cr, w / 2.0 - 3, 44);
  cairo_line_to(cr, w / 2.0 + 1, 43);
  cairo_line_to(cr, w / 2.0 - 2, 47.5);
  cairo_line_to(cr, w / 2.0 + 4, 42);
  cairo_line_to(cr, w / 2.0, 43);
  cairo_close_path(cr);
  cairo_fill(cr);
  raised_plate(cr, w - 12, 138, 4, 14, 0.8, 1);  // latch
  rivet(cr, 10, 145, 2, 0.6);
  vertical_pipe(cr, 16, 158, kBottom, 3, 0.55);
  vertical_pipe(cr, 36, 158, kBottom, 3, 0.55);
  // The circuit's code over the cabinet, half worn away.
  grey(cr, 0.26);
  stencil(cr, 14, 21, 1.3, "P-21");
  paint_wear(cr, n, 13, 20, 22, 8, 10);
}

void viewport(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  window(cr, n, 14, 34, w - 28, 130, 0);
}

void control_console(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  // Upper housing with three screens.
  raised_plate(cr, 4, 24, w - 8, 96, 0.5, 3);
  phosphor_screen(cr, n, 12, 32, 40, 34, 1);
  phosphor_screen(cr, n, 60, 32, 36, 34, 2);
  phosphor_screen(cr, n, 104, 32, 40, 34, 0);
  for (int i = 0; i < 12; ++i) lamp(cr, 14 + i * 11.5, 78, 2.2, i % 3 == 0 ? 1.0 : 0.5, 1.0, 0.5, n.unit() > 0.35);
  for (int i = 0; i < 6; ++i) {  // rotary dials
    rivet(cr, 18 + i * 24, 100, 5, 0.55);
    grey(cr, 0.15);
    cairo_set_line_width(cr, 1.2);
    double a = n.range(0, 2 * M_PI);
    cairo_move_to(cr, 18 + i * 24, 100);
    cairo_line_to(cr, 18 + i * 24 + std::cos(a) * 4, 100 + std::sin(a) * 4);
    cairo_stroke(cr);
  }
  // Slanted desk with switches.
  cairo_pattern_t* desk = cairo_pattern_create_linear(0, 120, 0, 146);
  cairo_pattern_add_color_stop_rgb(desk, 0, 0.78, 0.78, 0.78);
  cairo_pattern_add_color_stop_rgb(desk, 1, 0.42, 0.42, 0.42);
  cairo_set_source(cr, desk);
  cairo_move_to(cr, 8, 120);
  cairo_line_to(cr, w - 8, 120);
  cairo_line_to(cr, w - 1, 146);
  cairo_line_to(cr, 1, 146);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_pattern_destroy(desk);
  for (int i = 0; i < 16; ++i) {
    double x = 14 + i * 8.2;
    raised_plate(cr, x, 127, 5, 6, 0.3, 1);
    grey(cr, 0.9);
    cairo_rectangle(cr, x + 1.5, n.unit() > 0.5 ? 127.5 : 130.5, 2, 2.5);
    cairo_fill(cr);
  }
  for (int i = 0; i < 5; ++i) raised_plate(cr, 20 + i * 26, 137, 16, 5, i == 2 ? 0.85 : 0.6, 1);
  // Pedestal.
  raised_plate(cr, 4, 146, w - 8, 44, 0.42, 2);
  for (int i = 0; i < 6; ++i) sunken_plate(cr, 20 + i * 20, 156, 12, 24, 0.25, 1);
  grey(cr, 0, 0.5);
  cairo_rectangle(cr, 1, 146, w - 2, 2);
  cairo_fill(cr);
}

void generator(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  sunken_plate(cr, 3, kTop + 2, w - 6, kBottom - kTop - 4, 0.22, 2);
  horizontal_pipe(cr, 0, w, 40, 7, 0.5);
  horizontal_pipe(cr, 0, w, 166, 5, 0.5);
  // Turbine housing: a big drum with cooling fins.
  const double cx = w / 2.0, cy = 104, r = 56;
  grey(cr, 0, 0.5);
  cairo_arc(cr, cx + 4, cy + 5, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_t* drum = cairo_pattern_create_radial(cx - 20, cy - 22, 5, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(drum, 0, 0.9, 0.9, 0.9);
  cairo_pattern_add_color_stop_rgb(drum, 0.6, 0.5, 0.5, 0.5);
  cairo_pattern_add_color_stop_rgb(drum, 1, 0.22, 0.22, 0.22);
  cairo_set_source(cr, drum);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(drum);
  for (int i = 0; i < 24; ++i) {
    double a = i * 2 * M_PI / 24;
    cairo_move_to(cr, cx + std::cos(a) * 30, cy + std::sin(a) * 30);
    cairo_line_to(cr, cx + std::cos(a) * (r - 3), cy + std::sin(a) * (r - 3));
  }
  grey(cr, 0.15, 0.75);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  grey(cr, 0.2);
  cairo_arc(cr, cx, cy, 28, 0, 2 * M_PI);
  cairo_fill(cr);
  // Hub with rotor blades.
  for (int i = 0; i < 7; ++i) {
    double a = i * 2 * M_PI / 7;
    cairo_move_to(cr, cx, cy);
    cairo_curve_to(cr, cx + std::cos(a) * 20, cy + std::sin(a) * 20, cx + std::cos(a + 0.5) * 26,
                   cy + std::sin(a + 0.5) * 26, cx + std::cos(a + 0.7) * 26, cy + std::sin(a + 0.7) * 26);
    cairo_line_to(cr, cx + std::cos(a + 0.3) * 10, cy + std::sin(a + 0.3) * 10);
    cairo_close_path(cr);
  }
  grey(cr, 0.62);
  cairo_fill(cr);
  rivet(cr, cx, cy, 8, 0.6);
  for (int i = 0; i < 12; ++i) {
    double a = i * 2 * M_PI / 12;
    rivet(cr, cx + std::cos(a) * (r - 2), cy + std::sin(a) * (r - 2), 1.6, 0.5);
  }
  // Side gauges and control boxes.
  raised_plate(cr, 8, 60, 26, 60, 0.55, 2);
  gauge(cr, n, 21, 76, 8);
  lamp(cr, 15, 100, 2.4, 0.6, 1, 0.6, true);
  lamp(cr, 27, 100, 2.4, 1, 0.4, 0.3, false);
  raised_plate(cr, w - 34, 60, 26, 60, 0.55, 2);
  gauge(cr, n, w - 21, 76, 8);
  decal_text(cr, n, w - 30, 96, 18, 4, 0.25);
  hazard_stripes(cr, 4, 174, w - 8, 12, 12, kWallHazard);
}

void ammo_rack(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  sunken_plate(cr, 4, 30, w - 8, 150, 0.2, 2);
  for (int shelf = 0; shelf < 4; ++shelf) {
    double y = 40 + shelf * 36;
    for (int i = 0; i < 5; ++i) {
      if (n.unit() < 0.12) continue;  // a gap where a magazine was taken
      double x = 8 + i * 8;
      double h = 22;
      raised_plate(cr, x, y + 2, 6.5, h, 0.42, 1);
      grey(cr, 0.85);
      cairo_rectangle(cr, x + 1, y, 4.5, 3);  // rounds showing at the top
      cairo_fill(cr);
      rgb(cr, 0.9, 0.8, 0.35);
      cairo_rectangle(cr, x + 1.2, y + 10, 4, 2);
      cairo_fill(cr);
    }
    raised_plate(cr, 5, y + 25, w - 10, 5, 0.65, 1);
  }
  rgb(cr, 0.92, 0.84, 0.45);
  cairo_rectangle(cr, 10, 18, w - 20, 10);
  cairo_fill(cr);
  rgb(cr, 0.1, 0.1, 0.1);
  stencil(cr, 12, 20, 1.2, "AMMO");
}

void medical_cabinet(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  raised_plate(cr, 5, 34, w - 10, 110, 0.86, 3);
  grey(cr, 0.4, 0.6);
  cairo_rectangle(cr, w / 2.0 - 0.5, 37, 1, 104);
  cairo_fill(cr);
  // Red cross on a white disc.
  grey(cr, 0.97);
  cairo_arc(cr, w / 2.0, 70, 14, 0, 2 * M_PI);
  cairo_fill(cr);
  rgb(cr, 0.85, 0.12, 0.1);
  cairo_rectangle(cr, w / 2.0 - 4, 60, 8, 20);
  cairo_rectangle(cr, w / 2.0 - 10, 66, 20, 8);
  cairo_fill(cr);
  for (double x : {w / 2.0 - 6, w / 2.0 + 4}) raised_plate(cr, x, 104, 2, 14, 0.6, 0.8);
  decal_text(cr, n, 12, 124, w - 24, 2, 0.4);
  lamp(cr, w / 2.0, 138, 2, 0.5, 1, 0.5, true);
  streaks(cr, n, 8, w - 16, 144, 186, 4, 0.3);
}

void shelves(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  sunken_plate(cr, 3, 22, w - 6, 166, 0.22, 2);
  for (double y : {70.0, 122.0, 174.0}) {
    double x = 6;
    while (x < w - 14) {
      double cw = n.range(12, 22), ch = n.range(16, 34);
      cw = std::min(cw, w - 6 - x);
      crate(cr, n, x, y - ch, cw, ch);
      x += cw + n.range(1, 4);
    }
    raised_plate(cr, 3, y, w - 6, 4, 0.7, 1);
  }
  for (double x : {4.0, w - 8.0}) raised_plate(cr, x, 22, 4, 166, 0.6, 1);
}

void two_lockers(cairo_t* cr, Noise& n, int w) { tall_locker(cr, n, w); }

void observation(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  window(cr, n, 14, 34, w - 28, 118, 1);
  raised_plate(cr, 8, 160, w - 16, 8, 0.7, 2);  // sill
}

void manifold(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  sunken_plate(cr, 3, kTop + 2, w - 6, kBottom - kTop - 4, 0.24, 2);
  for (double x : {18.0, 78.0, 138.0}) vertical_pipe(cr, x, kTop, kBottom, 6, 0.55);
  horizontal_pipe(cr, 0, w, 62, 9, 0.62);
  horizontal_pipe(cr, 0, w, 128, 7, 0.5);
  // Flanges where pipes meet the headers.
  for (double x : {18.0, 78.0, 138.0}) {
    raised_plate(cr, x - 10, 50, 20, 24, 0.65, 2);
    raised_plate(cr, x - 9, 119, 18, 18, 0.55, 2);
    for (double dy : {52.5, 71.5}) {
      rivet(cr, x - 7, dy, 1.2, 0.6);
      rivet(cr, x + 7, dy, 1.2, 0.6);
    }
  }
  valve_wheel(cr, 48, 95, 11);
  valve_wheel(cr, 108, 95, 11);
  vertical_pipe(cr, 48, 70, 120, 3, 0.6);
  vertical_pipe(cr, 108, 70, 120, 3, 0.6);
  gauge(cr, n, 48, 160, 9);
  gauge(cr, n, 108, 160, 9);
  rgb(cr, 0.92, 0.84, 0.45);
  cairo_rectangle(cr, 60, 28, 36, 10);
  cairo_fill(cr);
  decal_text(cr, n, 63, 31, 30, 1, 0.1);
}

void medical_station(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  // Scanner arch over the bed.
  raised_plate(cr, 10, 30, w - 20, 14, 0.7, 2);
  for (int i = 0; i < 9; ++i) lamp(cr, 22 + i * 14, 37, 2, 0.7, 1, 0.8, true);
  cairo_pattern_t* beam = cairo_pattern_create_linear(0, 44, 0, 130);
  cairo_pattern_add_color_stop_rgba(beam, 0, 0.8, 1, 0.9, 0.35);
  cairo_pattern_add_color_stop_rgba(beam, 1, 0.8, 1, 0.9, 0);
  cairo_set_source(cr, beam);
  cairo_move_to(cr, 20, 44);
  cairo_line_to(cr, w - 20, 44);
  cairo_line_to(cr, w - 8, 130);
  cairo_line_to(cr, 8, 130);
  cairo_fill(cr);
  cairo_pattern_destroy(beam);
  // Vital-signs monitor.
  raised_plate(cr, w - 52, 52, 44, 34, 0.45, 2);
  phosphor_screen(cr, n, w - 48, 56, 36, 26, 3);
  // Bed: frame, mattress and pillow.
  raised_plate(cr, 8, 140, w - 16, 8, 0.6, 2);
  for (double x : {14.0, w - 20.0}) raised_plate(cr, x, 148, 6, 40, 0.5, 1);
  cairo_pattern_t* m = cairo_pattern_create_linear(0, 120, 0, 140);
  cairo_pattern_add_color_stop_rgb(m, 0, 0.95, 0.95, 0.95);
  cairo_pattern_add_color_stop_rgb(m, 1, 0.62, 0.62, 0.62);
  cairo_set_source(cr, m);
  rounded_rect(cr, 10, 124, w - 20, 17, 6);
  cairo_fill(cr);
  cairo_pattern_destroy(m);
  grey(cr, 0.98);
  rounded_rect(cr, 16, 117, 30, 11, 5);
  cairo_fill(cr);
  grey(cr, 0.5, 0.6);
  cairo_set_line_width(cr, 1);
  rounded_rect(cr, 16, 117, 30, 11, 5);
  cairo_stroke(cr);
  // Drip stand.
  grey(cr, 0.7);
  cairo_rectangle(cr, 60, 52, 2, 70);
  cairo_fill(cr);
  rgb(cr, 0.8, 0.9, 0.95, 0.8);
  rounded_rect(cr, 55, 56, 12, 18, 3);
  cairo_fill(cr);
}

void torn_panel(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  // The plate's upper corner wrenched off its bolts and bent out: the
  // dark cavity behind it shows a strut and a conduit, the bent lip catches
  // the light along its edge and throws a shadow down the plate.
  const double cx = w - 6.0, cy = 40;
  auto flap = [&](double shift) {
    cairo_move_to(cr, cx - 30 + shift, cy - 16 + shift);
    cairo_line_to(cr, cx + 2 + shift, cy - 16 + shift);
    cairo_line_to(cr, cx + 2 + shift, cy + 30 + shift);
    cairo_line_to(cr, cx - 8 + shift, cy + 18 + shift);
    cairo_line_to(cr, cx - 14 + shift, cy + 22 + shift);
    cairo_line_to(cr, cx - 18 + shift, cy + 8 + shift);
    cairo_line_to(cr, cx - 26 + shift, cy + 4 + shift);
    cairo_close_path(cr);
  };
  flap(0);
  grey(cr, 0.05);
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  grey(cr, 0.22);
  cairo_rectangle(cr, cx - 20, cy - 16, 4, 50);
  cairo_fill(cr);
  horizontal_pipe(cr, cx - 34, cx + 4, cy + 2, 3, 0.3);
  vertical_pipe(cr, cx - 6, cy - 16, cy + 34, 2, 0.28);
  cairo_restore(cr);
  // The bent lip: a lit torn edge round the hole and a shadow below it.
  flap(0);
  grey(cr, 0.85);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_move_to(cr, cx - 26, cy + 6);
  cairo_line_to(cr, cx - 18, cy + 10);
  cairo_line_to(cr, cx - 14, cy + 24);
  cairo_line_to(cr, cx - 8, cy + 20);
  cairo_line_to(cr, cx + 2, cy + 32);
  grey(cr, 0.02, 0.6);
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
  // Dents hammered into the plate: each a shaded hollow with a lit rim
  // on its lower side, where the light from the ceiling meets its slope.
  for (int i = 0; i < 3; ++i) {
    const double x = n.range(12, w - 12.0), y = n.range(118, 170), r = n.range(4, 7);
    paint::soft_oval(cr, x, y, n.range(-0.6, 0.6), 1.3, 1.0, {0.03, 0.03, 0.03}, 0.55, 0, r);
    cairo_arc(cr, x, y + 0.5, r * 0.9, M_PI * 0.15, M_PI * 0.85);
    grey(cr, 0.85, 0.6);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  // Acid pitting under the rake: small dark pits with pale burned rims.
  for (int i = 0; i < 10; ++i) {
    const double x = n.range(6, w - 6.0), y = n.range(84, 120), r = n.range(0.5, 1.4);
    grey(cr, 0.75, 0.5);
    cairo_arc(cr, x + 0.4, y + 0.4, r + 0.7, 0, 2 * M_PI);
    cairo_fill(cr);
    grey(cr, 0.04);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  // The claws: one long rake across the middle and a shorter second one
  // below it, from the same beast's other hand.
  claw_gouges(cr, n, 4, 58);
  cairo_save(cr);
  cairo_translate(cr, 10, 128);
  cairo_scale(cr, 0.75, 0.75);
  claw_gouges(cr, n, 0, 0);
  cairo_restore(cr);
}

void specimen_tank(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  // A glass cylinder stood in a recess: a dark niche behind, the tube's
  // fluid lit faintly from the base, an air gap and a meniscus under the
  // top cap, and a dim curled shape hanging in the murk.
  const double x = 9, tw = w - 18.0, y0 = 38, y1 = 164, mid = w / 2.0;
  sunken_plate(cr, x - 5, y0 - 18, tw + 10, y1 - y0 + 38, 0.12, 2.5);
  // The fluid: dark at the top, lit from a lamp in the base.
  const double surface = y0 + 10;
  cairo_pattern_t* liquid = cairo_pattern_create_linear(0, surface, 0, y1);
  cairo_pattern_add_color_stop_rgb(liquid, 0, 0.3, 0.36, 0.32);
  cairo_pattern_add_color_stop_rgb(liquid, 0.7, 0.4, 0.48, 0.42);
  cairo_pattern_add_color_stop_rgb(liquid, 1, 0.6, 0.68, 0.58);
  cairo_set_source(cr, liquid);
  cairo_rectangle(cr, x, surface, tw, y1 - surface);
  cairo_fill(cr);
  cairo_pattern_destroy(liquid);
  // The air above the fluid and its meniscus.
  grey(cr, 0.1);
  cairo_rectangle(cr, x, y0, tw, surface - y0);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_scale(cr, 1, 0.25);
  cairo_arc(cr, mid, surface * 4, tw / 2, 0, M_PI);
  cairo_restore(cr);
  grey(cr, 0.62, 0.7);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // The specimen: a soft, dim, curled body with a long skull and folded
  // limbs, drawn in several passes from a wide faint halo to a darker
  // core, so it reads as something seen through murky fluid.
  cairo_save(cr);
  cairo_rectangle(cr, x, surface + 1, tw, y1 - surface - 1);
  cairo_clip(cr);
  auto body = [&](double grow) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, mid, 104);
    cairo_move_to(cr, -3, -44 - grow);
    cairo_curve_to(cr, 8 + grow, -50 - grow, 13 + grow, -40, 8 + grow, -28);
    cairo_curve_to(cr, 12 + grow, -12, 11 + grow, 10, 4 + grow, 26);
    cairo_curve_to(cr, 7 + grow, 36 + grow, -2, 42 + grow, -8 - grow, 32);
    cairo_curve_to(cr, -12 - grow, 18, -11 - grow, -2, -7 - grow, -16);
    cairo_curve_to(cr, -10 - grow, -28, -9 - grow, -40, -3, -44 - grow);
    cairo_close_path(cr);
    cairo_restore(cr);
  };
  // The long skull, tipped back over the curled body.
  auto skull = [&](double grow) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, mid + 2, 66);
    cairo_rotate(cr, -0.5);
    cairo_scale(cr, 1, 2.1);
    cairo_arc(cr, 0, 0, 5.5 + grow, 0, 2 * M_PI);
    cairo_restore(cr);
  };
  for (int pass = 0; pass < 4; ++pass) {
    const double a = pass == 3 ? 0.55 : 0.26;
    body(4.5 - pass * 1.5);
    rgb(cr, 0.03, 0.045, 0.04, a);
    cairo_fill(cr);
    skull(3 - pass);
    rgb(cr, 0.03, 0.045, 0.04, a);
    cairo_fill(cr);
  }
  // The tail curled under it.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  rgb(cr, 0.03, 0.045, 0.04, 0.45);
  cairo_set_line_width(cr, 2.2);
  cairo_move_to(cr, mid - 4, 140);
  cairo_curve_to(cr, mid - 12, 152, mid + 10, 158, mid + 10, 144);
  cairo_stroke(cr);
  // Tubes from the cap feeding it.
  rgb(cr, 0.05, 0.06, 0.05, 0.6);
  cairo_set_line_width(cr, 1.3);
  cairo_move_to(cr, mid - 5, surface);
  cairo_curve_to(cr, mid - 8, 62, mid - 1, 62, mid - 2, 68);
  cairo_move_to(cr, mid + 6, surface);
  cairo_curve_to(cr, mid + 9, 64, mid + 4, 66, mid + 3, 70);
  cairo_stroke(cr);
  // A few bubbles rising from the base lamp, small and faint.
  for (int i = 0; i < 7; ++i) {
    const double bx = mid + n.range(-tw * 0.35, tw * 0.35), by = n.range(surface + 8, y1 - 6), r = n.range(0.6, 1.3);
    grey(cr, 0.85, 0.45);
    cairo_set_line_width(cr, 0.6);
    cairo_arc(cr, bx, by, r, 0, 2 * M_PI);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  // The glass: dark at both sides where it curves away, one bright
  // reflection down the left and a thin one on the right.
  cairo_pattern_t* glass = cairo_pattern_create_linear(x, 0, x + tw, 0);
  cairo_pattern_add_color_stop_rgba(glass, 0, 0, 0, 0, 0.6);
  cairo_pattern_add_color_stop_rgba(glass, 0.12, 0, 0, 0, 0.1);
  cairo_pattern_add_color_stop_rgba(glass, 0.2, 1, 1, 1, 0.35);
  cairo_pattern_add_color_stop_rgba(glass, 0.27, 1, 1, 1, 0.05);
  cairo_pattern_add_color_stop_rgba(glass, 0.8, 0, 0, 0, 0.05);
  cairo_pattern_add_color_stop_rgba(glass, 0.86, 1, 1, 1, 0.18);
  cairo_pattern_add_color_stop_rgba(glass, 0.9, 0, 0, 0, 0.2);
  cairo_pattern_add_color_stop_rgba(glass, 1, 0, 0, 0, 0.65);
  cairo_set_source(cr, glass);
  cairo_rectangle(cr, x, y0, tw, y1 - y0);
  cairo_fill(cr);
  cairo_pattern_destroy(glass);
  // Caps: heavy collars seen a little from above, bolted, the lower one
  // holding the lamp that lights the fluid.
  raised_plate(cr, x - 3, y0 - 14, tw + 6, 14, 0.5, 2.5);
  raised_plate(cr, x - 3, y1, tw + 6, 18, 0.45, 2.5);
  for (double bx : {x + 1.0, x + tw - 1.0}) {
    rivet(cr, bx, y0 - 7, 1.4, 0.6);
    rivet(cr, bx, y1 + 9, 1.4, 0.6);
  }
  grey(cr, 0.02);
  cairo_rectangle(cr, x + 2, y1 - 1, tw - 4, 2);
  cairo_fill(cr);
  lamp(cr, mid - 7, y1 + 9, 2, 0.6, 1, 0.6, true);
  lamp(cr, mid + 7, y1 + 9, 2, 1, 0.5, 0.4, false);
  vertical_pipe(cr, mid, kTop, y0 - 14, 3.5, 0.45);
  pipe_clamp_v(cr, mid, kTop + 8, 3.5, 0.5);
}

}  // namespace contentgen::roomart::wall_tiles
