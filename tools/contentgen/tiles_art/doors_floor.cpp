// Doorways, their control panels and the deck plating under the walls.
#include <algorithm>
#include <cmath>

#include "wall_parts.h"
#include "paint_kit/shapes.h"
#include "paint_kit/value_detail.h"
#include "room_art.h"

namespace contentgen::roomart {

namespace {

constexpr int kDoorWidth = 156;
constexpr double kOpeningTop = 30;     // underside of the lintel
constexpr double kOpeningBottom = 204; // threshold
constexpr double kPost = 14;           // frame post width

void door_frame(cairo_t* cr, Noise& n) {
  grey(cr, 0.2);
  cairo_paint(cr);
  // Posts and lintel with hazard edging.
  raised_plate(cr, 0, kTrimBottom, kPost, kWallHeight - kTrimBottom, 0.6, 2);
  raised_plate(cr, kDoorWidth - kPost, kTrimBottom, kPost, kWallHeight - kTrimBottom, 0.6, 2);
  raised_plate(cr, 0, kTrimBottom, kDoorWidth, kOpeningTop - kTrimBottom, 0.62, 2);
  hazard_stripes(cr, kPost + 4, kTrimBottom + 3, kDoorWidth - 2 * kPost - 8, 9, 12, kWallHazard);
  for (double x : {5.0, kDoorWidth - 5.0})
    for (double y = 40; y < 200; y += 26) rivet(cr, x + (x < 50 ? 2 : -2), y, 1.5, 0.55);
  // The lintel's status strip.
  lamp(cr, 8, kTrimBottom + 8, 2, 1.0, 0.8, 0.4, true);
  lamp(cr, kDoorWidth - 8, kTrimBottom + 8, 2, 1.0, 0.8, 0.4, true);
  (void)n;
}

void threshold(cairo_t* cr) {
  raised_plate(cr, kPost, kOpeningBottom, kDoorWidth - 2 * kPost, kWallHeight - kOpeningBottom, 0.5, 1);
}

void closed_leaves(cairo_t* cr, Noise& n) {
  const double x0 = kPost, x1 = kDoorWidth - kPost, mid = kDoorWidth / 2.0;
  const double h = kOpeningBottom - kOpeningTop;
  grey(cr, 0.05);
  cairo_rectangle(cr, x0, kOpeningTop, x1 - x0, h);
  cairo_fill(cr);
  // Two leaves meeting in a stepped seam.
  for (int side = 0; side < 2; ++side) {
    cairo_save(cr);
    if (side == 0) {
      cairo_move_to(cr, x0, kOpeningTop);
      cairo_line_to(cr, mid + 6, kOpeningTop);
      cairo_line_to(cr, mid + 6, 100);
      cairo_line_to(cr, mid - 6, 112);
      cairo_line_to(cr, mid - 6, kOpeningBottom);
      cairo_line_to(cr, x0, kOpeningBottom);
    } else {
      cairo_move_to(cr, x1, kOpeningTop);
      cairo_line_to(cr, mid + 7, kOpeningTop);
      cairo_line_to(cr, mid + 7, 100.5);
      cairo_line_to(cr, mid - 5, 112.5);
      cairo_line_to(cr, mid - 5, kOpeningBottom);
      cairo_line_to(cr, x1, kOpeningBottom);
    }
    cairo_close_path(cr);
    cairo_clip(cr);
    vgradient(cr, x0, kOpeningTop, x1 - x0, h, 0.74, 0.5);
    // Horizontal ribs and a reinforcing plate on each leaf.
    double lx = side == 0 ? x0 + 6 : mid + 12, lw = side == 0 ? mid - 18 - x0 : x1 - mid - 18;
    raised_plate(cr, lx, 44, lw, 40, 0.66, 2);
    for (double y = 126; y < 196; y += 14) raised_plate(cr, lx, y, lw, 8, 0.6, 1.5);
    // Viewing slot.
    sunken_plate(cr, lx + lw / 2 - 10, 54, 20, 12, 0.1, 2);
    grey(cr, 0.55, 0.35);
    cairo_rectangle(cr, lx + lw / 2 - 8, 56, 6, 8);
    cairo_fill(cr);
    for (double y = 92; y < 118; y += 12) {
      rivet(cr, lx + 3, y, 1.4, 0.6);
      rivet(cr, lx + lw - 3, y, 1.4, 0.6);
    }
    cairo_restore(cr);
  }
  // Hazard chevrons along the meeting edge.
  cairo_save(cr);
  cairo_rectangle(cr, mid - 14, kOpeningTop, 28, h);
  cairo_clip(cr);
  hazard_stripes(cr, mid - 14, 150, 28, 40, 12, kWallHazard);
  cairo_restore(cr);
  grey(cr, 0.02);
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, mid + 6.5, kOpeningTop);
  cairo_line_to(cr, mid + 6.5, 100);
  cairo_line_to(cr, mid - 5.5, 112);
  cairo_line_to(cr, mid - 5.5, kOpeningBottom);
  cairo_stroke(cr);
  // Stencilled door number.
  grey(cr, 0.2, 0.7);
  for (int i = 0; i < 2; ++i) cairo_rectangle(cr, mid - 30 + i * 42, 96, 12, 3);
  cairo_fill(cr);
  streaks(cr, n, x0, x1 - x0, 150, kOpeningBottom, 8, 0.4);
}

void open_passage(cairo_t* cr, Noise& n) {
  const double x0 = kPost, x1 = kDoorWidth - kPost, mid = kDoorWidth / 2.0;
  const double top = kOpeningTop, bottom = kOpeningBottom;
  cairo_save(cr);
  cairo_rectangle(cr, x0, top, x1 - x0, bottom - top);
  cairo_clip(cr);
  // Corridor walls, ceiling and floor converging on a far bulkhead.
  const double vx = mid, vy = 112, fw = 34, fh = 44;
  const double fx0 = vx - fw / 2, fx1 = vx + fw / 2, fy0 = vy - fh / 2, fy1 = vy + fh / 2;
  auto quad = [&](double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy, double g0,
                  double g1, double gx0, double gy0, double gx1, double gy1) {
    cairo_pattern_t* p = cairo_pattern_create_linear(gx0, gy0, gx1, gy1);
    cairo_pattern_add_color_stop_rgb(p, 0, g0, g0, g0);
    cairo_pattern_add_color_stop_rgb(p, 1, g1, g1, g1);
    cairo_set_source(cr, p);
    cairo_move_to(cr, ax, ay);
    cairo_line_to(cr, bx, by);
    cairo_line_to(cr, cx, cy);
    cairo_line_to(cr, dx, dy);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  };
  quad(x0, top, x1, top, fx1, fy0, fx0, fy0, 0.3, 0.08, 0, top, 0, fy0);              // ceiling
  quad(x0, bottom, x1, bottom, fx1, fy1, fx0, fy1, 0.55, 0.1, 0, bottom, 0, fy1);     // floor
  quad(x0, top, fx0, fy0, fx0, fy1, x0, bottom, 0.42, 0.07, x0, 0, fx0, 0);           // left wall
  quad(x1, top, fx1, fy0, fx1, fy1, x1, bottom, 0.38, 0.06, x1, 0, fx1, 0);           // right wall
  grey(cr, 0.03);
  cairo_rectangle(cr, fx0, fy0, fw, fh);
  cairo_fill(cr);
  // Ribs of the corridor receding into the dark.
  for (int i = 1; i <= 5; ++i) {
    double t = 1.0 - std::pow(0.62, i);
    double ax = x0 + (fx0 - x0) * t, bx = x1 + (fx1 - x1) * t;
    double ay = top + (fy0 - top) * t, by = bottom + (fy1 - bottom) * t;
    grey(cr, 0.5 * (1 - t) + 0.05, 0.9);
    cairo_set_line_width(cr, 2.5 * (1 - t) + 0.6);
    cairo_rectangle(cr, ax, ay, bx - ax, by - ay);
    cairo_stroke(cr);
    // Ceiling lamp of each rib.
    cairo_pattern_t* g = cairo_pattern_create_radial(vx, ay + 2, 0, vx, ay + 2, 14 * (1 - t) + 3);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.95, 0.9 * (1 - t * 0.7));
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 0.95, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
  }
  // Floor grating lines towards the vanishing point.
  grey(cr, 0.15, 0.7);
  cairo_set_line_width(cr, 1);
  for (double fx = x0 + 10; fx < x1; fx += 16) {
    cairo_move_to(cr, fx, bottom);
    cairo_line_to(cr, vx + (fx - vx) * fw / (x1 - x0), fy1);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  // Retracted leaf edges showing inside the frame.
  for (double x : {static_cast<double>(kPost), kDoorWidth - kPost - 7.0}) {
    raised_plate(cr, x, top, 7, bottom - top, 0.55, 1.5);
    hazard_stripes(cr, x + 1, 150, 5, 40, 8, kWallHazard);
  }
  (void)n;
}

void control_panel(cairo_t* cr, Noise& n, bool open) {
  wall_plates(cr, n, kSlot);
  // Conduit from the ceiling to the control box.
  vertical_pipe(cr, 26, kTrimBottom, 62, 3, 0.55);
  vertical_pipe(cr, 14, 150, kBaseTop, 2.5, 0.5);
  raised_plate(cr, 6, 60, 40, 92, 0.5, 3);
  // Status lamps: the top one lit while the door is shut, the lower one once it is open.
  lamp(cr, 19, 70, 3, 1.0, 0.45, 0.4, !open);
  lamp(cr, 33, 70, 3, 0.45, 1.0, 0.5, open);
  // The big release button in its guard, 82..128 from the top.
  sunken_plate(cr, 9, 82, 34, 46, 0.22, 3);
  hazard_stripes(cr, 12, 85, 28, 4, 8, kWallHazard);
  hazard_stripes(cr, 12, 121, 28, 4, 8, kWallHazard);
  const double bx = 26, by = 105, r = 12;
  grey(cr, 0.05);
  cairo_arc(cr, bx + 1, by + 1.5, r + 1.5, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(bx - 4, by - 4, 1, bx, by, r);
  if (open) {
    cairo_pattern_add_color_stop_rgb(p, 0, 0.75, 1.0, 0.7);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 0.25, 0.88, 0.3);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.04, 0.38, 0.08);
  } else {
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.65, 0.55);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 0.92, 0.2, 0.14);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.42, 0.04, 0.03);
  }
  cairo_set_source(cr, p);
  cairo_arc(cr, bx, by, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // A symbol on the cap: bars for shut, an arrow for open.
  grey(cr, 0.1, 0.7);
  if (open) {
    cairo_move_to(cr, bx - 6, by + 1);
    cairo_line_to(cr, bx, by - 6);
    cairo_line_to(cr, bx + 6, by + 1);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, bx - 2, by, 4, 6);
  } else {
    cairo_rectangle(cr, bx - 6, by - 5, 3, 10);
    cairo_rectangle(cr, bx + 3, by - 5, 3, 10);
  }
  cairo_fill(cr);
  // Keypad and read-out under the button.
  sunken_plate(cr, 12, 132, 28, 6, open ? 0.7 : 0.35, 1);
  for (int i = 0; i < 3; ++i) raised_plate(cr, 13 + i * 9, 141, 7, 6, 0.72, 1);
  for (double x : {8.5, 43.5})
    for (double y : {62.5, 149.5}) screw(cr, x, y, 1.3, 0.6, n.range(0, 3));
}

}  // namespace

Bytes make_door(bool open) {
  Canvas c(kDoorWidth, kWallHeight);
  cairo_t* cr = c.cr();
  Noise n(open ? 0xD003u : 0xD001u);
  door_frame(cr, n);
  if (open) open_passage(cr, n);
  else closed_leaves(cr, n);
  threshold(cr);
  // The ceiling trim runs over the door so it meets the walls either side.
  finish_wall(c, n, 0.3, false);
  finish_for_tint(c);
  finish_metal(c);
  return c.png();
}

Bytes make_panel(bool open) {
  Canvas c(kSlot, kWallHeight);
  Noise n(open ? 0xD004u : 0xD002u);
  control_panel(c.cr(), n, open);
  finish_wall(c, n, 0.35, true);
  finish_for_tint(c);
  finish_metal(c);
  return c.png();
}

Bytes make_door_assembly() {
  Canvas c(kDoorWidth + kSlot, kWallHeight);
  cairo_t* cr = c.cr();
  Noise n(0xD000u);
  door_frame(cr, n);
  closed_leaves(cr, n);
  threshold(cr);
  cairo_save(cr);
  cairo_translate(cr, kDoorWidth, 0);
  cairo_rectangle(cr, 0, 0, kSlot, kWallHeight);
  cairo_clip(cr);
  control_panel(cr, n, false);
  wall_trim(cr, n, kSlot);
  cairo_restore(cr);
  finish_wall(c, n, 0.3, false);
  finish_for_tint(c);
  finish_metal(c);
  return c.png_opaque();
}

namespace {

// One bar of the grating seen from above and in front: a lit top face, a
// darker front face and the shadow it throws on the pit below. `near` runs
// from 0 for the far rows by the wall to 1 at the deck's front edge: far
// bars lie in the wall's shadow under a film of trodden grime, dim and
// soft, so their close-set lines cannot shimmer when the view is scaled;
// near ones catch the lamps on their worn tops.
void grating_bar(cairo_t* cr, double w, double y, double top, double front, double near) {
  rgb(cr, 0, 0, 0, 0.45 + 0.2 * near);
  cairo_rectangle(cr, 0, y + top + front, w, front * 1.6);
  cairo_fill(cr);
  const double lit = 0.4 + 0.34 * near, under = 0.28 + 0.24 * near;
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + top);
  cairo_pattern_add_color_stop_rgb(p, 0, lit, lit, lit * 0.97);
  cairo_pattern_add_color_stop_rgb(p, 1, under, under, under * 0.98);
  cairo_set_source(cr, p);
  cairo_rectangle(cr, 0, y, w, top);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  grey(cr, 0.14 + 0.12 * near);
  cairo_rectangle(cr, 0, y + top, w, front);
  cairo_fill(cr);
}

// The light of the ceiling lamps on the deck: brightest on the plate by the
// wall, even over the grating, the same in every column so that the
// slot's width never shows as a pool of light repeated along the deck;
// the grime's broad patches wander across the slot instead, in waves a
// whole number of which fit across it, so they run on into the next copy
// without a seam. A pixel pass that keeps the order of values so the
// grating still reads under a room tint.
void deck_light(Canvas& c, Noise& n) {
  const double two_pi = 2 * M_PI / c.width();
  const double p1 = n.range(0, 6.3), p2 = n.range(0, 6.3), p3 = n.range(0, 6.3);
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      // The lamps light the plate by the wall; the grating's own rows
      // carry their depth already.
      const double near = y < 26 ? std::exp(-std::pow((y - 26.0) / 40.0, 2.0)) : 0.75;
      const double a = two_pi * x;
      const double patches = 0.5 * std::sin(a + 0.09 * y + p1) + 0.3 * std::sin(2 * a - 0.05 * y + p2) +
                             0.2 * std::sin(3 * a + 0.17 * y + p3);
      const double speck = n.unit();
      const double gain = (0.9 + 0.3 * near + 0.3 * patches) * (1 - 0.12 * speck * speck);
      uint8_t px[4];
      c.get_pixel(x, y, px);
      for (int i = 0; i < 3; ++i) px[i] = static_cast<uint8_t>(std::clamp(px[i] * gain, 0.0, 255.0));
      c.set_pixel(x, y, px);
    }
}

}  // namespace

// The deck in front of the wall: a worn tread plate at the wall's foot,
// then open grating over a dark pit with pipes in it, its bars lit from
// above and shadowing the pit; scuffed where boots pass, speckled with
// dirt, in broad patches of grime that wrap from one slot into the next.
Bytes make_floor() {
  const int w = kSlot, h = 67;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Noise n(0xF100u);
  // Tread plate near the wall, its diamond studs lit on the top edge.
  vgradient(cr, 0, 0, w, 22, 0.36, 0.5);
  for (int y = 5; y < 21; y += 5)
    for (int x = (y / 5) % 2 * 4; x < w; x += 8) {
      for (int lit = 0; lit < 2; ++lit) {
        cairo_save(cr);
        cairo_translate(cr, x + 2, y + (lit ? 0 : 0.7));
        cairo_rotate(cr, ((x / 8 + y / 5) % 2) ? 0.6 : -0.6);
        cairo_rectangle(cr, -2, -0.6, 4, 1.2);
        cairo_restore(cr);
        grey(cr, lit ? 0.74 : 0.14, lit ? 0.85 : 0.7);
        cairo_fill(cr);
      }
    }
  // Boots have worn the plate's studs bright in small scuffs spread evenly
  // over it, so no one worn spot marks the slot.
  rgb(cr, 0.85, 0.85, 0.82, 0.3);
  for (int i = 0; i < 10; ++i) {
    cairo_rectangle(cr, (i * 5.2 + n.range(0, 4)), n.range(4, 19), n.range(2, 5), n.range(0.8, 1.6));
    cairo_fill(cr);
  }
  // Shadow where the floor meets the wall.
  cairo_pattern_t* sh = cairo_pattern_create_linear(0, 0, 0, 9);
  cairo_pattern_add_color_stop_rgba(sh, 0, 0, 0, 0, 0.85);
  cairo_pattern_add_color_stop_rgba(sh, 1, 0, 0, 0, 0);
  cairo_set_source(cr, sh);
  cairo_rectangle(cr, 0, 0, w, 9);
  cairo_fill(cr);
  cairo_pattern_destroy(sh);
  // The plate's front lip: a dark seam, a lit edge, then its face.
  grey(cr, 0.1);
  cairo_rectangle(cr, 0, 21, w, 2);
  cairo_fill(cr);
  grey(cr, 0.82);
  cairo_rectangle(cr, 0, 23, w, 1);
  cairo_fill(cr);
  grey(cr, 0.3);
  cairo_rectangle(cr, 0, 24, w, 2);
  cairo_fill(cr);
  // The pit under the grating: dark, deepest far back under the plate,
  // with a pipe run and a cross beam catching a little light far below.
  vgradient(cr, 0, 26, w, h - 26, 0.015, 0.13);
  horizontal_pipe(cr, 0, w, 40, 3.2, 0.18);
  horizontal_pipe(cr, 0, w, 55, 2.2, 0.16);
  // Bearers under the bars at the slot's edge and middle, seen in the
  // gaps: dim far back, a little lit toward the viewer.
  for (double x : {0.0, 26.0}) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 26, 0, h);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.16, 0.16, 0.16);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.4, 0.4, 0.39);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.44, 0.44, 0.43);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x, 26, 2, h - 26);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  // The bars, closer together far off and wider toward the viewer.
  double y = 27, gap = 2.6;
  while (y < h) {
    const double top = gap * 0.55, front = std::max(1.0, gap * 0.35);
    // The view shows the deck down to about row 50: the rows from the
    // plate to there carry the change from far to near.
    grating_bar(cr, w, y, top, front, std::clamp((y - 27) / 22.0, 0.0, 1.0));
    y += top + front + gap;
    gap *= 1.13;
  }
  // Grime gathered in the far rows against the plate's lip, in broad
  // soft drifts that wrap into the next slot.
  for (int i = 0; i < 5; ++i) {
    const double sx = (i + n.range(0, 1)) * w / 5.0, sy = n.range(27, 34), r = n.range(6, 11);
    for (double dx : {-static_cast<double>(w), 0.0, static_cast<double>(w)}) {
      paint::soft_oval(cr, sx + dx, sy, 0, n.range(1.6, 2.4), 0.6, {0.07, 0.055, 0.035}, 0.55, 0, r);
    }
  }
  // Boots have polished the near bars' tops in long soft streaks.
  for (int i = 0; i < 6; ++i) {
    const double sx = n.range(0, w), sy = n.range(38, h - 3), len = n.range(6, 14);
    for (double dx : {-static_cast<double>(w), 0.0, static_cast<double>(w)}) {
      cairo_pattern_t* p = cairo_pattern_create_linear(sx + dx, 0, sx + dx + len, 0);
      cairo_pattern_add_color_stop_rgba(p, 0, 0.95, 0.95, 0.92, 0);
      cairo_pattern_add_color_stop_rgba(p, 0.5, 0.95, 0.95, 0.92, 0.3);
      cairo_pattern_add_color_stop_rgba(p, 1, 0.95, 0.95, 0.92, 0);
      cairo_set_source(cr, p);
      cairo_rectangle(cr, sx + dx, sy, len, 1.2);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
    }
  }
  for (double x : {13.0, 39.0}) rivet(cr, x, 15, 1.4, 0.55);
  // Oil and dirt trodden in: soft dark stains of every size, one in each
  // seventh of the slot on the plate and on the grating, so none marks the
  // slot; a stain reaching past an edge is drawn again a slot over, so the
  // deck joins.
  for (int i = 0; i < 14; ++i) {
    const double sx = (i % 7 + n.range(0, 1)) * w / 7.0;
    const double sy = i < 7 ? n.range(4, 20) : n.range(29, h - 3), r = n.range(2, 5.5);
    const double stretch = n.range(1.2, 2.2), dark = n.range(0.25, 0.5);
    for (double dx : {-static_cast<double>(w), 0.0, static_cast<double>(w)}) {
      paint::soft_oval(cr, sx + dx, sy, 0, stretch, 1, {0.05, 0.04, 0.03}, dark, 0, r);
    }
  }
  deck_light(c, n);
  // The bars' edges and the pit's pipes deepened alike in every channel, so
  // a tinted deck keeps its grating.
  paint::value_detail(c, 3, 0.7, 0.4);
  return c.png_opaque();
}

}  // namespace contentgen::roomart
