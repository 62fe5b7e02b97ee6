// Doorways, their control panels and the deck plating under the walls.
#include <algorithm>
#include <cmath>
#include <vector>

#include "ceiling_light.h"
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

// A strip of amber guide lights set in a dark channel down a door post:
// the doorway is told by its own light, not by being paler than the wall.
void light_strip(cairo_t* cr, double x, double y0, double y1) {
  sunken_plate(cr, x - 3, y0 - 2, 6, y1 - y0 + 4, 0.08, 1);
  for (double y = y0 + 2; y + 6 <= y1; y += 11) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y + 3, 0, x, y + 3, 7);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.7, 0.25, 0.45);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1.0, 0.7, 0.25, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, x, y + 3, 7, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    rgb(cr, 1.0, 0.8, 0.45);
    cairo_rectangle(cr, x - 1.5, y, 3, 6);
    cairo_fill(cr);
    rgb(cr, 1.0, 0.97, 0.85);
    cairo_rectangle(cr, x - 0.5, y + 1, 1, 4);
    cairo_fill(cr);
  }
}

// The guide lights go on over the finished picture, so the wall's grey
// finish leaves their amber alone.
void door_lights(cairo_t* cr) {
  for (double x : {kPost / 2.0, kDoorWidth - kPost / 2.0}) light_strip(cr, x, 44, 186);
}

void door_frame(cairo_t* cr, Noise& n) {
  grey(cr, 0.16);
  cairo_paint(cr);
  // Posts and lintel in the walls' own grey, with hazard edging.
  raised_plate(cr, 0, kTrimBottom, kPost, kWallHeight - kTrimBottom, 0.46, 2);
  raised_plate(cr, kDoorWidth - kPost, kTrimBottom, kPost, kWallHeight - kTrimBottom, 0.46, 2);
  raised_plate(cr, 0, kTrimBottom, kDoorWidth, kOpeningTop - kTrimBottom, 0.48, 2);
  hazard_stripes(cr, kPost + 4, kTrimBottom + 3, kDoorWidth - 2 * kPost - 8, 9, 12, kWallHazard);
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
    vgradient(cr, x0, kOpeningTop, x1 - x0, h, 0.38, 0.25);
    // Horizontal ribs and a reinforcing plate on each leaf.
    double lx = side == 0 ? x0 + 6 : mid + 12, lw = side == 0 ? mid - 18 - x0 : x1 - mid - 18;
    raised_plate(cr, lx, 44, lw, 40, 0.4, 2.5);
    for (double y = 126; y < 196; y += 14) raised_plate(cr, lx, y, lw, 8, 0.36, 2);
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
  light_from_ceiling(c, true);
  door_lights(cr);
  return c.png();
}

Bytes make_panel(bool open) {
  Canvas c(kSlot, kWallHeight);
  Noise n(open ? 0xD004u : 0xD002u);
  control_panel(c.cr(), n, open);
  // The plates round the control box a shade darker, as the door beside
  // it, so the doorway's lights and button carry it rather than its paint;
  // the box and its button keep their colour.
  cairo_set_fill_rule(c.cr(), CAIRO_FILL_RULE_EVEN_ODD);
  cairo_rectangle(c.cr(), 0, kTrimBottom, kSlot, kBaseTop - kTrimBottom);
  cairo_rectangle(c.cr(), 6, 60, 40, 92);
  cairo_set_source_rgba(c.cr(), 0, 0, 0, 0.14);
  cairo_fill(c.cr());
  cairo_set_fill_rule(c.cr(), CAIRO_FILL_RULE_WINDING);
  finish_wall(c, n, 0.35, true);
  finish_for_tint(c);
  finish_metal(c);
  light_from_ceiling(c, true);
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
  light_from_ceiling(c, true);
  door_lights(cr);
  return c.png_opaque();
}

namespace {

// Smooth value noise that repeats every `period` pixels across, so a deck
// drawn slot by slot joins at the slot's edges.
class WrapNoise {
 public:
  WrapNoise(Noise& n, int period, int cell, int rows) : gw_(period / cell), gh_(rows / cell + 2), cell_(cell) {
    v_.resize(static_cast<size_t>(gw_) * gh_);
    for (double& v : v_) v = n.unit();
  }
  double at(double x, double y) const {
    const double fx = x / cell_, fy = std::max(0.0, y / cell_);
    const int ix = static_cast<int>(std::floor(fx)), iy = std::min(static_cast<int>(fy), gh_ - 2);
    double tx = fx - ix, ty = std::min(1.0, fy - iy);
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto g = [&](int a, int b) { return v_[static_cast<size_t>(b) * gw_ + ((a % gw_) + gw_) % gw_]; };
    const double top = g(ix, iy) * (1 - tx) + g(ix + 1, iy) * tx;
    const double bot = g(ix, iy + 1) * (1 - tx) + g(ix + 1, iy + 1) * tx;
    return top * (1 - ty) + bot * ty;
  }

 private:
  int gw_, gh_, cell_;
  std::vector<double> v_;
};

// A spill on the deck, flattened by the view, drawn again a slot either
// side so one reaching past an edge joins the next copy.
struct Stain {
  double x, y, rx, ry, dark;
  bool wet;
};


// One band of deck plates across the view, between two joints in depth:
// two plates a slot, their joints at places of their own on every band, so
// no joint lines up with the slot's edge or with the band in front. Each
// plate is a tread plate or a plain patch plate, with its own tone.
struct PlateBand {
  double seam;   // where the first plate starts, 0..slot
  double first;  // its width; the second fills the rest of the slot
  double lean;   // how far the joints toward the wall run aside over the band
  bool tread[2];
  double tone[2], lattice[2], offset[2];
  int bolts[2];  // which corners of each plate keep their bolt, one bit each
};

// A scuff on the deck: a short bent stroke, bright where boots and crates
// polished the metal, dark where rubber was dragged over it.
struct Scuff {
  double x0, y0, x1, y1, bend, width, strength;
};

}  // namespace

// The deck in front of the wall, seen from above at a slant: heavy plates
// in bands toward the wall, each band laid with its joints at other places
// than the band in front, none at the slot's edge. Tread plates carry raised
// lozenges on a lattice of their own width, plain patch plates show rolled
// sheen and scratches. Each plate's near edge is bevelled and catches the
// lamps, its far edge rolls into shade, and a bolt holds every corner.
// Grime packs the joints in places and leaves them open in others, so no
// joint runs as one unbroken line; along the walking line the treads are
// worn flat in patches and the plates scuffed bright and dark, and spills
// darken the plates. Each pixel is the mean of a 4 x 4 grid of looks, so
// the far rows blend into tone instead of shimmering.
Bytes make_floor() {
  const int w = kSlot, h = 67;
  Canvas c(w, h);
  Noise n(0xF100u);
  // The ground plane: a row y looks at depth z = k / (y - horizon), 1 at
  // the bottom edge and about 2.7 at the wall.
  const double horizon = -40, k = h - horizon, z_wall = k / -horizon;
  // Plate length in depth, and where the joints fall: the last one just
  // under the wall's foot, in its shadow.
  const double plate = 0.52, plate_shift = 0.96;
  const double tread_d = 0.085;
  WrapNoise grime_big(n, w, 26, 120), grime_fine(n, w, 4, 700), wear(n, w, 13, 160), sheen(n, w, 26, 40),
      scratches(n, w, 13, 900), grime_mid(n, w, 13, 300), packed(n, w, 4, 300);
  // The bands of plates, front to back. The joints of neighbouring bands
  // stay well apart, and none comes within a few pixels of the slot's edge.
  std::vector<PlateBand> bands(10);
  {
    const double seams[] = {7, 33, 18, 41, 11, 29, 45, 23, 37, 14};
    const double firsts[] = {29, 21, 25, 19, 31, 23, 27, 20, 26, 30};
    for (size_t i = 0; i < bands.size(); ++i) {
      PlateBand& b = bands[i];
      b.seam = seams[i] + n.range(-1.5, 1.5);
      b.first = firsts[i];
      b.lean = (i % 2 ? 1 : -1) * n.range(3, 7);
      for (int p = 0; p < 2; ++p) {
        b.tread[p] = (i + p) % 3 != 2;
        b.tone[p] = n.range(-0.07, 0.07);
        b.lattice[p] = n.range(10.5, 12.5);
        b.offset[p] = n.range(0, 1);
        b.bolts[p] = static_cast<int>(n.next() & 15u);
      }
    }
  }
  std::vector<Stain> stains;
  // One broad faint oil spill, wet at its heart, and two smaller darker
  // ones; all soft, so a row of slots shows a stained deck, not a mark
  // stamped on every slot.
  {
    const double y = n.range(44, 54), rx = n.range(17, 21);
    stains.push_back({n.range(0, w), y, rx, rx * 0.3, n.range(0.4, 0.45), true});
    const double y2 = n.range(20, 28), rx2 = n.range(8, 11);
    stains.push_back({n.range(0, w), y2, rx2, rx2 * 0.35, n.range(0.5, 0.55), false});
    const double y3 = n.range(56, 62), rx3 = n.range(6, 8);
    stains.push_back({n.range(0, w), y3, rx3, rx3 * 0.45, n.range(0.35, 0.4), false});
  }
  // Scuffs on the near plates, most along the walking line.
  std::vector<Scuff> scuffs;
  for (int i = 0; i < 14; ++i) {
    const double x0 = n.range(0, w), y0 = n.range(30, 64), len = n.range(6, 18), a = n.range(-0.5, 0.5);
    const bool dark = i % 3 == 0;
    scuffs.push_back({x0, y0, x0 + len * std::cos(a), y0 + len * std::sin(a) * 0.5, n.range(-3, 3),
                      dark ? n.range(0.9, 1.4) : n.range(0.35, 0.6), dark ? -n.range(0.12, 0.2) : n.range(0.12, 0.25)});
  }
  auto scuff_at = [&](double x, double y) {
    double v = 0;
    for (const Scuff& s : scuffs)
      for (double dx : {-static_cast<double>(w), 0.0, static_cast<double>(w)}) {
        const double ex = s.x1 - s.x0, ey = s.y1 - s.y0, len2 = ex * ex + ey * ey;
        const double px = x - s.x0 - dx, py = y - s.y0;
        const double t = std::clamp((px * ex + py * ey) / len2, 0.0, 1.0);
        // Bowed away from the straight line by `bend` at its middle.
        const double bow = s.bend * 4 * t * (1 - t), len = std::sqrt(len2);
        const double qx = s.x0 + dx + ex * t - ey / len * bow, qy = s.y0 + ey * t + ex / len * bow;
        const double d = std::hypot(x - qx, y - qy);
        if (d < s.width) v += s.strength * (1 - d / s.width) * std::sin(M_PI * std::min(1.0, t * 1.2 + 0.05));
      }
    return v;
  };
  auto stain_at = [&](double x, double y, bool& wet) {
    double d = 0;
    for (const Stain& s : stains)
      for (double dx : {-static_cast<double>(w), 0.0, static_cast<double>(w)}) {
        const double u = (x - s.x - dx) / s.rx, v = (y - s.y) / s.ry;
        const double r2 = (u * u + v * v) * (0.8 + 0.4 * grime_fine.at(x, y * 2.1));
        if (r2 < 1) {
          const double a = s.dark * (1 - r2);
          if (a > d) d = a, wet = s.wet && r2 < 0.5;
        }
      }
    return d;
  };
  // A tread lozenge's height (0..1) at lattice point (a, b): alternate
  // lozenges lean the other way, as on a rolled tread plate.
  auto tread_at = [&](double a, double b) {
    const double row = std::floor(b);
    a += 0.5 * (static_cast<int>(row) & 1);
    const double col = std::floor(a);
    const double pa = a - col - 0.5, pb = b - row - 0.5;
    const double s = (static_cast<int>(col + row) & 1) ? 1.0 : -1.0;
    // Along and across the lozenge, in lattice units made square.
    const double along = (pa + s * pb) * 0.7071, across = (pa - s * pb) * 0.7071;
    const double r = (along * along) / (0.34 * 0.34) + (across * across) / (0.11 * 0.11);
    return r < 1 ? std::sqrt(1 - r) : 0.0;
  };
  // One look at the deck through screen point (x, y): the grey it sees.
  auto look = [&](double x, double y, double& brown) {
    const double z = k / (y - horizon);
    const double depth = (z - 1) / (z_wall - 1);  // 0 at the front edge, 1 at the wall
    const double px_per_z = k / (z * z);          // screen rows per unit of depth here
    const double zb = z / plate + plate_shift, row = std::floor(zb), t = zb - row;
    const PlateBand& band = bands[static_cast<size_t>(std::clamp(row, 0.0, bands.size() - 1.0))];
    // Pixels from this plate's near (lower) and far (upper) joints.
    const double dn = t * plate * px_per_z, df = (1 - t) * plate * px_per_z;
    // Which plate of the band, and how far from its left and right joints.
    const double u = std::fmod(std::fmod(x - band.seam - band.lean * t, w) + w, w);
    const int p = u < band.first ? 0 : 1;
    const double pw = p == 0 ? band.first : w - band.first;
    const double dl = p == 0 ? u : u - band.first, dr = pw - dl;
    const double ax = std::min(dl, dr), dx = dl < dr ? dl : -dr;
    const double near = std::clamp(1 - 1.2 * depth, 0.0, 1.0);
    bool wet = false;
    const double stain = stain_at(x, y, wet);
    const double grime = std::clamp(0.1 * depth + 0.6 * (grime_big.at(x, z * 40) - 0.4) +
                                        0.7 * (grime_mid.at(x + 3, z * 60) - 0.45) + 0.2 * grime_fine.at(x, z * 90),
                                    0.0, 1.0);
    brown = 0;
    // Joint widths in pixels: about two near, one far.
    const double gap_y = 0.2 + 0.25 / z, gap_x = 0.15 + 0.2 / z;
    if (dn < gap_y || df < gap_y || ax < gap_x) {
      // A joint: a dark gap, packed level with grime in places, so it
      // shows as a broken line rather than a ruled one.
      double v = 0.07 + 0.06 * grime_fine.at(x * 2, z * 200);
      // Both lips of a joint across the deck take the same fill, so it is
      // not left open along one of them.
      const double joint = df < gap_y ? row + 1 : row;
      const double fill = ax < gap_x ? packed.at(x, z * 37 + row * 5) + 0.15 : packed.at(x, joint * 9) + 0.25;
      if (fill > 0.38) v += (0.36 - v) * std::min(1.0, (fill - 0.38) * 3), brown = 1;
      else if (grime_fine.at(x * 2 + 7, z * 130) + 0.4 * grime > 0.75) brown = 1, v += 0.03;
      // Far off the gaps thin to a line no darker than the plates' shade.
      v += (0.22 - v) * 0.55 * depth * depth;
      return v * (0.5 + 0.5 * std::clamp(y / 10.0, 0.0, 1.0));
    }
    // The plate's face: its own tone and sheen across its width and a
    // faint roll toward its far edge.
    const double across = dl / pw;
    double v = 0.5 + band.tone[p] + 0.26 * (sheen.at(x * 0.5 + row * 13, row * 11) - 0.5) +
               0.05 * std::sin((across + row * 0.37) * M_PI * 2) - 0.05 * t;
    // Bevels: the near edge and the left edge lit, the far and right edges in shade.
    const double bevel = 1.1 + 0.9 / z;
    const double lit_edge = std::clamp(1 - (dn - gap_y) / bevel, 0.0, 1.0);
    const double dark_edge = std::clamp(1 - (df - gap_y) / (bevel * 0.8), 0.0, 1.0);
    const double left = dx > 0 ? std::clamp(1 - (ax - gap_x) / bevel, 0.0, 1.0) : 0.0;
    const double right = dx < 0 ? std::clamp(1 - (ax - gap_x) / bevel, 0.0, 1.0) : 0.0;
    const double edge_grime = grime_mid.at(x * 1.7, z * 55);
    v += (0.08 * lit_edge * (0.5 + 0.5 * near) + 0.1 * left) * 1.6 * (1 - edge_grime) - 0.04 * dark_edge * edge_grime - 0.12 * right;
    // The walking line, along the room a little in front of the wall:
    // scuffed bright, the tread worn flat, in patches.
    const double line = std::exp(-std::pow((z - 1.35) / 0.3, 2.0));
    const double worn = std::clamp(line * (0.3 + 1.2 * wear.at(x, z * 14)) - 0.15, 0.0, 1.0);
    double h0 = 0;
    if (band.tread[p]) {
      // The lozenges: a raised top lit from the far side, its near flank
      // in shade, fading with distance and worn down where most walked.
      const double ta = dl / band.lattice[p] + band.offset[p], tb = z / tread_d + band.offset[p] * 3;
      h0 = tread_at(ta, tb);
      const double lit = tread_at(ta, tb + 0.12) - tread_at(ta, tb - 0.12);
      const double flat = std::clamp(1.2 * worn + 1.0 * (wear.at(x + 6, z * 31) - 0.6), 0.0, 0.7);
      const double tread_show = std::clamp(1.25 - 1.6 * depth, 0.0, 1.0) * (1 - flat);
      v += tread_show * (0.14 * h0 + 0.5 * lit);
      h0 *= tread_show;
    } else {
      // A plain patch plate: rolled streaks along its length and fine
      // scratches where crates were dragged across it.
      v += 0.06 * (scratches.at(x * 0.4, z * 120) - 0.5) * near;
      v += 0.12 * std::max(0.0, scratches.at(x * 1.3, z * 400) - 0.7) * near;
      v -= 0.04;
    }
    v += worn * (0.08 + 0.3 * h0 + 0.2 * (scratches.at(x, z * 300) - 0.5));
    v += scuff_at(x, y);
    // Bolts at the plate's corners, their heads lit on the far side; some
    // are lost, so the bolts do not mark out every plate alike.
    for (int corner = 0; corner < 4; ++corner) {
      if (!(band.bolts[p] >> corner & 1)) continue;
      const double cx = corner & 1 ? -gap_x - 4.0 / z : gap_x + 4.0 / z, cz = corner & 2 ? 0.925 : 0.075;
      const double bx = (dx - cx) / (1.9 / z + 0.5), by = (t - cz) * plate * px_per_z / (1.3 / z + 0.4);
      const double r2 = bx * bx + by * by;
      if (r2 < 1.0) v = 0.5 + 0.35 * std::clamp(-by * 0.8 - bx * 0.5 + 0.2, -1.0, 1.0);
      else if (r2 < 2.0) v *= by > 0 ? 0.5 : 0.8;
    }
    // Grime darkens the faces, most along the joints where it is swept.
    // Less of it under a plate's far lip, which overhangs the joint, so the
    // joint across the deck does not widen into a dark band.
    const double by_joint = std::exp(-std::min({dn, 3 * df, ax}) / 1.5);
    v *= 1 - (0.75 * grime + 0.3 * by_joint * grime_fine.at(x, z * 70)) * (1 - worn);
    v *= 1 - stain;
    if (wet) v += 0.22 * std::pow(std::max(0.0, 1 - std::fabs(t - 0.4) * 3), 2);
    return v;
  };
  const double rust = 0.06;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double sum = 0, brown = 0;
      for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
          const double sx = x + (i + 0.5) / 4, sy = y + (j + 0.5) / 4;
          double b = 0;
          sum += look(sx, sy, b);
          brown += b / 16;
        }
      double v = sum / 16;
      // The far plates sink toward one dim tone in the wall's shadow; the
      // near rows, already lit by their treads and scuffs, are held back so
      // no row of plates outweighs the next; and right under the wall's
      // foot a dark line of shadow shows the deck running in under it.
      const double depth = (k / (y + 0.5 - horizon) - 1) / (z_wall - 1);
      const double fade = std::pow(std::clamp(depth, 0.0, 1.0), 1.6) * 0.4;
      v = v * (1 - fade) + 0.2 * fade;
      v *= 0.9 - 0.2 * std::clamp(y / 60.0, 0.0, 1.0);
      const double under = std::clamp((y + 0.5) / 3.5, 0.0, 1.0);
      v *= 0.2 + 0.8 * under * under * (3 - 2 * under);
      // Spread the tones about the plates' mid grey, so one channel of a
      // tinted room still shows gaps, treads and bolts.
      v = std::max(0.0, 0.3 + 1.85 * (v - 0.3));
      const double warm = rust * grime_big.at(x + 0.5, y * 1.7) + 0.12 * brown;
      const double r = 1 + warm, g = 1 + 0.3 * warm, b = 1 - warm;
      uint8_t px[4] = {static_cast<uint8_t>(std::clamp(255 * v * r, 0.0, 255.0)),
                       static_cast<uint8_t>(std::clamp(255 * v * g, 0.0, 255.0)),
                       static_cast<uint8_t>(std::clamp(255 * v * b, 0.0, 255.0)), 255};
      c.set_pixel(x, y, px);
    }
  // The joints and bevels deepened alike in every channel, so a tinted
  // deck keeps its plates.
  paint::value_detail(c, 2, 0.9, 0.4);
  return c.png_opaque();
}

}  // namespace contentgen::roomart
