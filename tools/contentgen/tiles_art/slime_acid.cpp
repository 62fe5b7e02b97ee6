// Slime on the walls and acid on the floor and in the air.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "paint.h"
#include "room_art.h"

namespace contentgen::roomart {

namespace {

constexpr int kSlimeWidth = 84;  // the slot plus 16 px of overhang on each side
constexpr int kOverhang = 16;

// Ooze colours: green-black body, olive mid-tones, pale wet highlights.
struct Ooze {
  double dark[3], mid[3], hi[3];
};
constexpr Ooze kOoze{{0.04, 0.07, 0.04}, {0.22, 0.36, 0.14}, {0.82, 0.96, 0.72}};

// A tongue of ooze hanging from y0: wide at the top, thinning, ending in a drop.
void drip_path(cairo_t* cr, double x, double y0, double len, double width) {
  const double drop = width * 0.55, neck = width * 0.3, end = y0 + len;
  cairo_move_to(cr, x - width / 2, y0);
  cairo_curve_to(cr, x - width / 2, y0 + len * 0.35, x - neck, end - drop * 3, x - neck, end - drop * 1.4);
  cairo_curve_to(cr, x - drop * 1.1, end - drop * 0.6, x - drop, end + drop * 0.9, x, end + drop * 0.9);
  cairo_curve_to(cr, x + drop, end + drop * 0.9, x + drop * 1.1, end - drop * 0.6, x + neck, end - drop * 1.4);
  cairo_curve_to(cr, x + neck, end - drop * 3, x + width / 2, y0 + len * 0.35, x + width / 2, y0);
  cairo_close_path(cr);
}

void fill_ooze(cairo_t* cr, double x0, double x1, double alpha, double shade) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
  cairo_pattern_add_color_stop_rgba(p, 0, kOoze.dark[0], kOoze.dark[1], kOoze.dark[2], alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.35, kOoze.mid[0] * shade, kOoze.mid[1] * shade, kOoze.mid[2] * shade, alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.6, kOoze.mid[0] * shade * 0.6, kOoze.mid[1] * shade * 0.6,
                                    kOoze.mid[2] * shade * 0.6, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, kOoze.dark[0], kOoze.dark[1], kOoze.dark[2], alpha);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void wet_highlight(cairo_t* cr, double x, double y0, double y1, double width, double alpha) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  rgb(cr, kOoze.hi[0], kOoze.hi[1], kOoze.hi[2], alpha);
  cairo_set_line_width(cr, width);
  cairo_move_to(cr, x, y0);
  cairo_curve_to(cr, x + 1.5, y0 + (y1 - y0) * 0.3, x - 1.5, y0 + (y1 - y0) * 0.7, x, y1);
  cairo_stroke(cr);
}

void bubble(cairo_t* cr, double x, double y, double r) {
  rgb(cr, kOoze.dark[0], kOoze.dark[1], kOoze.dark[2], 0.9);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
  rgb(cr, kOoze.mid[0] * 1.6, kOoze.mid[1] * 1.6, kOoze.mid[2] * 1.6);
  cairo_set_line_width(cr, 0.9);
  cairo_arc(cr, x, y, r, M_PI * 0.1, M_PI * 0.9);
  cairo_stroke(cr);
  rgb(cr, 1, 1, 1, 0.9);
  cairo_arc(cr, x - r * 0.35, y - r * 0.35, std::max(0.7, r * 0.28), 0, 2 * M_PI);
  cairo_fill(cr);
}

// The solid growth: a sheet that covers the whole slot (the wall panel is
// not drawn under slime) with bulging edges, ropes, lumps and drips.
void slime_body(cairo_t* cr, Noise& n, int level) {
  const double left = kOverhang, right = kOverhang + kSlot;
  // Silhouette: lumpy edges that sag past the slot, smoothed through midpoints.
  std::vector<std::pair<double, double>> pts;
  const double bulge = 4.0 + level * 2.5;
  pts.push_back({left - 6, 0});
  for (double y = 16; y < kWallHeight - 10; y += n.range(14, 26)) pts.push_back({left - 1 - n.range(0, bulge), y});
  pts.push_back({left - 6 - level * 2, kWallHeight + 10.0});  // a heap where it meets the floor
  pts.push_back({right + 6 + level * 2, kWallHeight + 10.0});
  std::vector<std::pair<double, double>> right_side;
  for (double y = kWallHeight - 16; y > 10; y -= n.range(14, 26)) right_side.push_back({right + 1 + n.range(0, bulge), y});
  pts.insert(pts.end(), right_side.begin(), right_side.end());
  pts.push_back({right + 6, 0});
  cairo_move_to(cr, pts[0].first, pts[0].second);
  for (size_t i = 1; i + 1 < pts.size(); ++i) {
    double mx = (pts[i].first + pts[i + 1].first) / 2, my = (pts[i].second + pts[i + 1].second) / 2;
    cairo_curve_to(cr, pts[i].first, pts[i].second, pts[i].first, pts[i].second, mx, my);
  }
  cairo_line_to(cr, pts.back().first, pts.back().second);
  cairo_close_path(cr);
  fill_ooze(cr, left - 8, right + 8, 1.0, 1.0);
  cairo_new_path(cr);
  // Inner texture: vertical ropes of ooze flowing down.
  const int ropes = 5 + level * 3;
  for (int i = 0; i < ropes; ++i) {
    double x = n.range(left - 2, right + 2), w = n.range(5, 10 + level * 2);
    double y0 = n.range(-10, 60), len = n.range(60, 190);
    drip_path(cr, x, y0, len, w);
    fill_ooze(cr, x - w / 2, x + w / 2, 1.0, n.range(0.9, 1.6));
    rgb(cr, 0, 0, 0, 0.5);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    wet_highlight(cr, x - w * 0.18, y0 + 6, y0 + len * 0.8, std::max(0.8, w * 0.12), 0.6);
  }
  // Cavities in the thinner growth, pods in the thickest.
  if (level == 1) {
    for (int i = 0; i < 4; ++i) {
      double x = n.range(left + 6, right - 6), y = n.range(30, 180);
      rgb(cr, 0, 0, 0, 0.85);
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_scale(cr, n.range(3, 6), n.range(6, 12));
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(cr);
      cairo_fill(cr);
    }
  }
  if (level >= 2) resin_rib(cr, left + 2, n.range(40, 70), right - 2, n.range(80, 110), 8, 4);
  if (level == 3) {
    resin_pod(cr, kSlimeWidth / 2.0 + n.range(-8, 8), 150, 9, 11);
    resin_rib(cr, left + 2, 120, right - 2, 112, -8, 4);
  }
  for (int i = 0; i < 6 + level * 3; ++i) bubble(cr, n.range(left, right), n.range(10, 200), n.range(1.2, 3.2));
  // Depth: the mass darkens towards the floor, keeping its alpha.
  cairo_pattern_t* depth = cairo_pattern_create_linear(0, 60, 0, kWallHeight);
  cairo_pattern_add_color_stop_rgba(depth, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(depth, 1, 0, 0.02, 0, 0.45);
  cairo_set_source(cr, depth);
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_pattern_destroy(depth);
  // Thick lip of ooze along the ceiling trim.
  cairo_move_to(cr, left - 8, 0);
  for (double x = left - 8; x <= right + 8; x += 6) cairo_line_to(cr, x, n.range(8, 16 + level * 3));
  cairo_line_to(cr, right + 8, 0);
  cairo_close_path(cr);
  fill_ooze(cr, left - 8, right + 8, 1.0, 1.3);
  cairo_new_path(cr);
  rgb(cr, kOoze.hi[0], kOoze.hi[1], kOoze.hi[2], 0.7);
  cairo_set_line_width(cr, 1.2);
  cairo_move_to(cr, left, 5);
  cairo_curve_to(cr, left + 15, 9, right - 15, 3, right, 7);
  cairo_stroke(cr);
}

// The translucent film that spreads over the neighbouring panels: a wash
// from the top with drips running down both overhangs.
void slime_film(cairo_t* cr, Noise& n, int level) {
  const double reach = 40 + level * 25;
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, kSlimeWidth, 0);
  for (double x = kSlimeWidth; x >= 0; x -= 6) cairo_line_to(cr, x, reach * n.range(0.3, 1.0));
  cairo_close_path(cr);
  fill_ooze(cr, 0, kSlimeWidth, 0.72, 1.3);
  cairo_new_path(cr);
  const int drips = 4 + level * 2;
  for (int i = 0; i < drips; ++i) {
    // Alternate sides so both neighbours get runs.
    double x = (i % 2 == 0) ? n.range(2, kOverhang + 4) : n.range(kOverhang + kSlot - 4, kSlimeWidth - 2);
    double w = n.range(3, 7), len = n.range(30, 90 + level * 35);
    drip_path(cr, x, 0, len, w);
    fill_ooze(cr, x - w / 2, x + w / 2, 0.8, 1.5);
    cairo_new_path(cr);
    wet_highlight(cr, x - w * 0.15, 6, len * 0.85, 0.9, 0.55);
  }
  // A wet puddle spreading at the foot of the wall.
  cairo_save(cr);
  cairo_translate(cr, kSlimeWidth / 2.0, kWallHeight - 2);
  cairo_scale(cr, 40, 6 + level);
  cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
  cairo_restore(cr);
  fill_ooze(cr, 0, kSlimeWidth, 0.7, 1.4);
  cairo_new_path(cr);
}

void splash_drop(cairo_t* cr, double x, double y, double r, double dx, double dy) {
  // A drop with a tail pointing back along its flight.
  double len = std::hypot(dx, dy);
  if (len < 0.01) len = 0.01;
  double ux = dx / len, uy = dy / len;
  cairo_move_to(cr, x - ux * r * 3.5, y - uy * r * 3.5);
  cairo_line_to(cr, x - uy * r, y + ux * r);
  cairo_arc(cr, x, y, r, std::atan2(ux, -uy), std::atan2(ux, -uy) + M_PI);
  cairo_close_path(cr);
  cairo_fill(cr);
}

// Sets a radial acid gradient around (cx, cy), squashed vertically by squash.
void acid_colour(cairo_t* cr, double cx, double cy, double r, double alpha, double squash = 1.0) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy / squash, 0, cx, cy / squash, r);
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, 1, 1 / squash);
  cairo_pattern_set_matrix(p, &m);
  cairo_pattern_add_color_stop_rgba(p, 0, 1.0, 1.0, 0.75, alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.35, 0.88, 0.98, 0.3, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, 0.55, 0.78, 0.1, alpha);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

}  // namespace

Bytes make_slime_solid(int level) {
  Canvas c(kSlimeWidth, kWallHeight);
  Noise n(0x511Eu + static_cast<uint32_t>(level) * 131u);
  slime_body(c.cr(), n, level);
  return c.png();
}

Bytes make_slime_film(int level) {
  Canvas c(kSlimeWidth, kWallHeight);
  Noise n(0x5F11u + static_cast<uint32_t>(level) * 173u);
  slime_film(c.cr(), n, level);
  return c.png_dithered();
}

Bytes make_acid_pool() {
  const int w = 144, h = 44;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Noise n(0xAC1Du);
  // An irregular pool: overlapping flat ellipses.
  cairo_save(cr);
  for (int i = 0; i < 7; ++i) {
    double cx = 72 + n.range(-40, 40), cy = 22 + n.range(-5, 5);
    double rx = n.range(22, 34), ry = n.range(8, 12);
    if (i == 0) {
      cx = 72;
      cy = 22;
      rx = 50;
      ry = 15;
    }
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
  }
  cairo_restore(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  acid_colour(cr, 72, 22, 75, 0.85, 0.3);
  cairo_fill(cr);
  // Bubbles with bright rims, and a few bursting.
  for (int i = 0; i < 22; ++i) {
    double bx = n.range(20, 124), by = n.range(12, 32), r = n.range(1.2, 4.2);
    rgb(cr, 0.45, 0.68, 0.08, 0.9);
    cairo_arc(cr, bx, by, r, 0, 2 * M_PI);
    cairo_fill(cr);
    rgb(cr, 1, 1, 0.8, 0.95);
    cairo_set_line_width(cr, 0.8);
    cairo_arc(cr, bx, by, r, M_PI, 1.8 * M_PI);
    cairo_stroke(cr);
  }
  // Smoking rim where the acid eats the deck.
  cairo_restore(cr);
  cairo_new_path(cr);
  rgb(cr, 0.25, 0.35, 0.05, 0.8);
  cairo_set_line_width(cr, 2);
  cairo_save(cr);
  cairo_translate(cr, 72, 22);
  cairo_scale(cr, 51, 16);
  cairo_arc(cr, 0, 0, 1, 0.1, M_PI - 0.1);
  cairo_restore(cr);
  cairo_stroke(cr);
  // Wet sheen across the surface.
  rgb(cr, 1, 1, 0.85, 0.75);
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, 40, 15);
  cairo_curve_to(cr, 55, 11, 80, 11, 96, 14);
  cairo_stroke(cr);
  return c.png_dithered();
}

Bytes make_acid_blast(int frame) {
  // Frames 1 and 2 are the splash of a fresh corpse, 3 and 4 the spray of a
  // dying creature; each second frame is wider and more broken up.
  static const int kW[5] = {0, 180, 220, 250, 290}, kH[5] = {0, 160, 200, 230, 268};
  const int w = kW[frame], h = kH[frame];
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Noise n(0xB1A5u + static_cast<uint32_t>(frame) * 97u);
  const double cx = w / 2.0, cy = h / 2.0;
  const bool late = frame == 2 || frame == 4;
  const double reach = std::min(w, h) * (late ? 0.48 : 0.36);
  // Central burst.
  const double core = std::min(w, h) * (late ? 0.12 : 0.2);
  cairo_move_to(cr, cx + core, cy);
  for (int i = 1; i <= 24; ++i) {
    double a = i * 2 * M_PI / 24, r = core * (i % 2 ? n.range(1.1, 1.8) : n.range(0.6, 0.9));
    cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r * 0.85);
  }
  cairo_close_path(cr);
  acid_colour(cr, cx, cy, core * 1.6, late ? 0.75 : 0.95);
  cairo_fill(cr);
  // Streams and droplets flung outward, more of them upward.
  const int drops = late ? 70 : 45;
  for (int i = 0; i < drops; ++i) {
    double a = n.range(0, 2 * M_PI);
    if (std::sin(a) > 0 && n.unit() < 0.5) a = -a;  // favour the upper half
    double d = core * 0.8 + n.unit() * (reach - core * 0.8);
    double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d * 0.9;
    double r = n.range(1.2, late ? 4.0 : 5.5) * (1.2 - d / reach * 0.6);
    acid_colour(cr, x, y, r * 4, 0.9);
    splash_drop(cr, x, y, r, std::cos(a), std::sin(a));
  }
  // Streaks from the centre for the first frame of each pair.
  if (!late) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 10; ++i) {
      double a = -M_PI / 2 + n.range(-1.3, 1.3), d = reach * n.range(0.6, 0.95);
      acid_colour(cr, cx, cy, d, 0.9);
      cairo_set_line_width(cr, n.range(2, 4.5));
      cairo_move_to(cr, cx, cy);
      cairo_curve_to(cr, cx + std::cos(a) * d * 0.5, cy + std::sin(a) * d * 0.5, cx + std::cos(a) * d * 0.8,
                     cy + std::sin(a) * d * 0.7, cx + std::cos(a) * d, cy + std::sin(a) * d * 0.8 + d * 0.1);
      cairo_stroke(cr);
    }
  }
  // Hot highlights.
  rgb(cr, 1, 1, 0.9, 0.9);
  for (int i = 0; i < 10; ++i) {
    cairo_arc(cr, cx + n.range(-core, core) * 0.7, cy + n.range(-core, core) * 0.6, n.range(1, 2.5), 0, 2 * M_PI);
    cairo_fill(cr);
  }
  return c.png_dithered();
}

}  // namespace contentgen::roomart
