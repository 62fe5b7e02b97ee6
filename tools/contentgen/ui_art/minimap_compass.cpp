// The minimap's parts (bezel, room cell, passages, markers) and the
// compass dial and needle.
#include <cmath>
#include <initializer_list>
#include <utility>

#include "paint_kit/canvas.h"
#include "console_metal.h"
#include "ui_art.h"

namespace contentgen::ui {
namespace {

// Fills the closed outline through `points` in one flat colour.
void fill_polygon(cairo_t* cr, std::initializer_list<std::pair<double, double>> points, double r, double g, double b) {
  bool first = true;
  for (const auto& [x, y] : points) {
    if (first) cairo_move_to(cr, x, y);
    else cairo_line_to(cr, x, y);
    first = false;
  }
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, r, g, b);
  cairo_fill(cr);
}

// Minimap bezel: a frame whose 84-pixel opening shows the view through the
// blended backdrop.
Bytes mm_back() {
  Canvas c(98, 98);
  cairo_t* cr = c.cr();
  metal_plate(cr, 0, 0, 98, 98, 7, 61, {0.22, 0.24, 0.25});
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_rectangle(cr, 7, 7, 84, 84);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  bevel(cr, 5, 5, 88, 88, 1, 2, false);
  for (double x : {3.5, 94.5})
    for (double y : {3.5, 94.5}) rivet(cr, x, y, 1.8);
  // Tick marks on the bezel at the cell centres.
  cairo_set_line_width(cr, 1);
  set_rgb(cr, kPhosphor, 0.8);
  for (double t : {22.0, 48.0, 74.0}) {
    cairo_move_to(cr, t + 0.5, 0.5);
    cairo_line_to(cr, t + 0.5, 4);
    cairo_move_to(cr, t + 0.5, 94);
    cairo_line_to(cr, t + 0.5, 97.5);
    cairo_move_to(cr, 0.5, t + 0.5);
    cairo_line_to(cr, 4, t + 0.5);
    cairo_move_to(cr, 94, t + 0.5);
    cairo_line_to(cr, 97.5, t + 0.5);
  }
  cairo_stroke(cr);
  harden_alpha(c);
  return c.png();
}

// A room cell, multiplied by the room type's colour: a lit panel with a
// bright upper-left bevel, a shaded lower-right one and a darker inset face
// with a faint deck-plate seam and speckle, so a tinted cell reads as
// lit hardware rather than a flat square of full colour.
Bytes mm_room() {
  Canvas c(20, 20);
  cairo_t* cr = c.cr();
  // Dark rim, then the bevel: light from the upper left.
  rounded_rect(cr, 0, 0, 20, 20, 2);
  cairo_set_source_rgb(cr, 0.14, 0.14, 0.14);
  cairo_fill(cr);
  fill_polygon(cr, {{1, 19}, {1, 1}, {19, 1}, {16, 4}, {4, 4}, {4, 16}}, 0.98, 0.98, 0.98);
  fill_polygon(cr, {{19, 1}, {19, 19}, {1, 19}, {4, 16}, {16, 16}, {16, 4}}, 0.42, 0.42, 0.42);
  // The inset face: darker than the bevel's lit edge, brighter at the top.
  cairo_rectangle(cr, 4, 4, 12, 12);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 4, 0, 16);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.74, 0.74, 0.74);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.56, 0.56, 0.56);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // A deck-plate seam across the face and a thin shadow under the bevel.
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, 4, 10.5);
  cairo_line_to(cr, 16, 10.5);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.22);
  cairo_stroke(cr);
  cairo_move_to(cr, 4, 11.5);
  cairo_line_to(cr, 16, 11.5);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
  cairo_stroke(cr);
  cairo_move_to(cr, 4.5, 16);
  cairo_line_to(cr, 4.5, 4.5);
  cairo_line_to(cr, 16, 4.5);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.28);
  cairo_stroke(cr);
  speckle(c, 29, 0.06);
  harden_alpha(c);
  return c.png();
}

// Passage marks filling the 6-pixel gaps between cells: a narrow corridor
// of deck between two dark walls, in the grey of the cells' frames, so it
// reads as a way through rather than a bright bar.
Bytes mm_passage(bool horizontal) {
  const int w = horizontal ? 6 : 20, h = horizontal ? 20 : 6;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  // Across the corridor (y for a horizontal mark, x for a vertical one).
  constexpr double kFrom = 7, kWidth = 6;
  auto band = [&](double from, double size) {
    if (horizontal)
      cairo_rectangle(cr, 0, from, w, size);
    else
      cairo_rectangle(cr, from, 0, size, h);
  };
  band(kFrom - 1, kWidth + 2);
  cairo_set_source_rgb(cr, 0.10, 0.11, 0.12);
  cairo_fill(cr);
  band(kFrom, kWidth);
  cairo_set_source_rgb(cr, 0.50, 0.53, 0.55);
  cairo_fill(cr);
  band(kFrom, 1);
  cairo_set_source_rgb(cr, 0.70, 0.73, 0.74);
  cairo_fill(cr);
  return c.png();
}

// Another member in that room: a ringed blip.
Bytes mm_someone() {
  Canvas c(20, 20);
  cairo_t* cr = c.cr();
  cairo_arc(cr, 10, 10, 6.5, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.05, 0.1, 0.06);
  cairo_fill(cr);
  cairo_arc(cr, 10, 10, 5, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.3, 1.0, 0.45);
  cairo_fill(cr);
  cairo_arc(cr, 9, 9, 2, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.85, 1.0, 0.88);
  cairo_fill(cr);
  harden_alpha(c);
  return c.png();
}

// The player's own marker (centred, rotated by facing): white so that it
// takes the player's colour. Unturned it points left, to the east as the
// map draws the complex; the game turns it a quarter clockwise per wall
// (north up, west right, south down), so it points at the room behind the
// wall the member faces.
Bytes mm_you() {
  Canvas c(14, 14);
  cairo_t* cr = c.cr();
  cairo_translate(cr, 0, 14);
  cairo_rotate(cr, -M_PI / 2);  // the arrow below is drawn pointing up
  fill_polygon(cr, {{7, 0.5}, {13.5, 13}, {7, 10}, {0.5, 13}}, 0.05, 0.05, 0.05);
  fill_polygon(cr, {{7, 2.5}, {12, 11.6}, {7, 8.8}, {2, 11.6}}, 1, 1, 1);
  harden_alpha(c);
  return c.png();
}

// Compass dial (drawn at half alpha, centred).
Bytes bald() {
  Canvas c(32, 32);
  cairo_t* cr = c.cr();
  cairo_arc(cr, 16, 16, 15.5, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.04, 0.10, 0.06);
  cairo_fill(cr);
  cairo_arc(cr, 16, 16, 14.5, 0, 2 * M_PI);
  cairo_set_line_width(cr, 1.6);
  set_rgb(cr, kPhosphor);
  cairo_stroke(cr);
  for (int i = 0; i < 16; ++i) {
    double a = i * M_PI / 8;
    double r0 = i % 4 == 0 ? 9.5 : 11.5;
    cairo_move_to(cr, 16 + std::sin(a) * r0, 16 - std::cos(a) * r0);
    cairo_line_to(cr, 16 + std::sin(a) * 13.5, 16 - std::cos(a) * 13.5);
  }
  cairo_set_line_width(cr, 1.2);
  set_rgb(cr, kPhosphor, 0.85);
  cairo_stroke(cr);
  // A notch marking north.
  fill_polygon(cr, {{16, 1}, {19, 6}, {13, 6}}, 0.9, 1.0, 0.9);
  harden_alpha(c);
  return c.png();
}

// Compass needle, centred. Unturned it points left (east, as the minimap
// draws it), so that the game's quarter turn per wall puts north at the
// dial's notch and the needle agrees with the minimap's arrow.
Bytes indicator() {
  Canvas c(32, 32);
  cairo_t* cr = c.cr();
  cairo_translate(cr, 0, 32);
  cairo_rotate(cr, -M_PI / 2);  // the needle below is drawn pointing up
  cairo_move_to(cr, 16, 3);
  cairo_line_to(cr, 20, 16);
  cairo_line_to(cr, 16, 29);
  cairo_line_to(cr, 12, 16);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.02, 0.02, 0.02);
  cairo_set_line_width(cr, 2);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);
  fill_polygon(cr, {{16, 4.5}, {19, 16}, {13, 16}}, 1.0, 0.35, 0.2);
  fill_polygon(cr, {{16, 27.5}, {19, 16}, {13, 16}}, 0.75, 0.8, 0.8);
  cairo_arc(cr, 16, 16, 2.2, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.95, 0.95, 0.95);
  cairo_fill(cr);
  harden_alpha(c);
  return c.png();
}

}  // namespace

void add_minimap_and_compass(Registry& reg) {
  reg.add(gfx("mm_back.png"), mm_back);
  reg.add(gfx("mm_room.png"), mm_room);
  reg.add(gfx("mm_hori.png"), [] { return mm_passage(true); });
  reg.add(gfx("mm_vert.png"), [] { return mm_passage(false); });
  reg.add(gfx("mm_someone.png"), mm_someone);
  reg.add(gfx("mm_you.png"), mm_you);
  reg.add(gfx("bald.png"), bald);
  reg.add(gfx("indicator.png"), indicator);
}

}  // namespace contentgen::ui
