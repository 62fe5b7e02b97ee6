// Slime on the walls and acid on the floor and in the air.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "paint.h"
#include "paint_kit/acid.h"
#include "paint_kit/geometry.h"
#include "room_art.h"

namespace contentgen::roomart {

using paint::lerp;
using paint::polar;
using paint::Pt;

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

// Sagging strands of web from one point to another, with beads of ooze.
void web_strand(cairo_t* cr, Noise& n, Pt a, Pt b, double sag, double width) {
  const Pt mid = lerp(a, b, 0.5) + Pt{0, sag};
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  auto path = [&] {
    cairo_move_to(cr, a.x, a.y);
    cairo_curve_to(cr, lerp(a, mid, 0.7).x, lerp(a, mid, 0.7).y, lerp(b, mid, 0.7).x, lerp(b, mid, 0.7).y, b.x, b.y);
  };
  path();
  rgb(cr, kOoze.dark[0], kOoze.dark[1], kOoze.dark[2], 0.9);
  cairo_set_line_width(cr, width + 1.2);
  cairo_stroke(cr);
  path();
  rgb(cr, kOoze.mid[0] * 1.5, kOoze.mid[1] * 1.5, kOoze.mid[2] * 1.5, 0.95);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  path();
  rgb(cr, kOoze.hi[0], kOoze.hi[1], kOoze.hi[2], 0.6);
  cairo_set_line_width(cr, std::max(0.5, width * 0.3));
  cairo_stroke(cr);
  for (int i = 0; i < 2; ++i) {
    const double t = n.range(0.25, 0.75);
    // A point on the curve, near enough for a bead.
    const Pt p = lerp(lerp(a, mid, t), lerp(mid, b, t), t);
    bubble(cr, p.x, p.y + width * 0.4, width * 0.9);
  }
}

// Stage one: the bare wall plate of the slot with thin streaks of ooze
// running from a ragged lip, some spilling onto the neighbours.
void slime_streaks(Canvas& c, Noise& n) {
  cairo_t* cr = c.cr();
  const double left = kOverhang, right = kOverhang + kSlot;
  cairo_save(cr);
  cairo_rectangle(cr, left, 0, kSlot, kWallHeight);
  cairo_clip(cr);
  cairo_translate(cr, left, 0);
  wall_plates(cr, n, kSlot);
  wall_trim(cr, n, kSlot, true);
  cairo_restore(cr);
  grime(c, n, 0.35, kOverhang, kTrimBottom, kSlot, kBaseTop - kTrimBottom);
  brighten_metal(c);
  // Ragged lip along the ceiling.
  cairo_move_to(cr, left - 6, 0);
  for (double x = left - 6; x <= right + 6; x += 4) cairo_line_to(cr, x, n.range(3, 12));
  cairo_line_to(cr, right + 6, 0);
  cairo_close_path(cr);
  fill_ooze(cr, left - 6, right + 6, 1.0, 1.3);
  cairo_new_path(cr);
  // Thin runs of different lengths, a few off the slot's edges.
  for (int i = 0; i < 7; ++i) {
    const double x = i < 5 ? n.range(left + 3, right - 3) : (i == 5 ? left - n.range(2, 9) : right + n.range(2, 9));
    const double w = n.range(2.5, 5), len = n.range(40, 170);
    drip_path(cr, x, 4, len, w);
    fill_ooze(cr, x - w / 2, x + w / 2, 1.0, n.range(1.1, 1.6));
    cairo_new_path(cr);
    wet_highlight(cr, x - w * 0.15, 8, len * 0.85, 0.8, 0.55);
  }
}

// Stages two and three: a sheet that covers the whole slot (the wall panel
// is not drawn under slime) with ragged bulging edges, ropes and drips;
// the third grows into a heavy resin mass with pods.
void slime_body(cairo_t* cr, Noise& n, int level) {
  const double left = kOverhang, right = kOverhang + kSlot;
  // Silhouette: lumpy edges that sag past the slot, smoothed through midpoints.
  std::vector<std::pair<double, double>> pts;
  const double bulge = 5.0 + level * 4.0;
  pts.push_back({left - 6, 0});
  // Lumps bulge out past the slot between shallow dips (never into the
  // slot: the wall under it is not drawn).
  auto edge = [&] { return n.unit() < 0.3 ? n.range(0, 1.5) : n.range(3, bulge); };
  for (double y = 16; y < kWallHeight - 10; y += n.range(10, 24)) pts.push_back({left - 1 - edge(), y});
  pts.push_back({left - 6 - level * 2, kWallHeight + 10.0});  // a heap where it meets the floor
  pts.push_back({right + 6 + level * 2, kWallHeight + 10.0});
  std::vector<std::pair<double, double>> right_side;
  for (double y = kWallHeight - 16; y > 10; y -= n.range(10, 24)) right_side.push_back({right + 1 + edge(), y});
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
  // Ribs across the sheet, pods in the heavy mass.
  if (level >= 2) resin_rib(cr, left + 2, n.range(40, 70), right - 2, n.range(80, 110), 8, 4);
  if (level == 3) {
    // The heavy mass: resin ropes, ribs and a cluster of pods.
    resin_mass(cr, n, left - 4, 20, kSlot + 8, 150, 0.9);
    resin_rib(cr, left + 2, 120, right - 2, 112, -8, 5);
    resin_pod(cr, kSlimeWidth / 2.0 + n.range(-8, 8), 152, 11, 13);
    resin_pod(cr, left + 12, 176, 8, 10);
    resin_pod(cr, right - 11, 90, 7, 9);
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
  // Webbing reaching across onto the neighbouring panels.
  for (int i = 0; i < level; ++i) {
    const double y = n.range(30, 170);
    web_strand(cr, n, {left + 4, y}, {1, y + n.range(-20, 20)}, n.range(4, 10), 1.6);
    web_strand(cr, n, {right - 4, y + 14}, {kSlimeWidth - 1.0, y + n.range(-10, 30)}, n.range(4, 10), 1.6);
  }
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
  // Fine web across the gap into the next slot.
  for (int i = 0; i < level + 1; ++i) {
    const double y = n.range(20, 120 + level * 20);
    web_strand(cr, n, {kOverhang + 6.0, y}, {0, y + n.range(-16, 16)}, n.range(3, 8), 0.9);
    web_strand(cr, n, {kOverhang + kSlot - 6.0, y + 10}, {kSlimeWidth, y + n.range(-16, 16)}, n.range(3, 8), 0.9);
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
  if (level == 1)
    slime_streaks(c, n);
  else
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
  const double cx = 72, cy = 22;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  Noise n(0xAC1Du);
  // A ragged outline: the radius wanders around the ellipse, with a few
  // tongues of acid running out across the deck.
  constexpr int kRim = 48;
  double wobble[kRim];
  for (double& r : wobble) r = n.range(0.82, 1.0);
  for (int t = 0; t < 3; ++t) wobble[static_cast<int>(n.range(0, kRim))] = n.range(1.08, 1.16);
  auto outline = [&](double rx, double ry, double grow) {
    cairo_new_path(cr);
    for (int i = 0; i <= kRim; ++i) {
      const int k = i % kRim;
      const double smooth = (wobble[(k + kRim - 1) % kRim] + 2 * wobble[k] + wobble[(k + 1) % kRim]) / 4;
      const double a = 2 * M_PI * k / kRim, r = smooth + grow;
      const double x = cx + std::cos(a) * rx * r, y = cy + std::sin(a) * ry * r;
      if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
  };
  // Burn ring: the deck scorched dark where the acid has eaten into it.
  outline(68, 20, 0.06);
  rgb(cr, 0.10, 0.08, 0.04, 0.85);
  cairo_fill(cr);
  outline(68, 20, 0.0);
  rgb(cr, 0.22, 0.17, 0.05, 0.95);
  cairo_fill(cr);
  // The acid itself, a little inside the burn.
  outline(63, 17.5, 0.0);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  acid_colour(cr, cx - 10, cy - 4, 72, 0.95, 0.3);
  cairo_fill(cr);
  // Bubbles with bright rims.
  for (int i = 0; i < 18; ++i) {
    double bx = n.range(24, 120), by = n.range(12, 32), r = n.range(1.2, 3.6);
    rgb(cr, 0.45, 0.68, 0.08, 0.9);
    cairo_arc(cr, bx, by, r, 0, 2 * M_PI);
    cairo_fill(cr);
    rgb(cr, 1, 1, 0.8, 0.95);
    cairo_set_line_width(cr, 0.8);
    cairo_arc(cr, bx, by, r, M_PI, 1.8 * M_PI);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  // Glossy rim: the meniscus catches the light along the far edge, and a
  // darker lip along the near one.
  outline(62, 17, 0.0);
  cairo_set_line_width(cr, 1.6);
  rgb(cr, 0.30, 0.45, 0.05, 0.9);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, w, cy - 2);
  cairo_clip(cr);
  outline(60, 15.5, 0.0);
  cairo_set_line_width(cr, 1.4);
  rgb(cr, 1, 1, 0.85, 0.9);
  cairo_stroke(cr);
  cairo_restore(cr);
  // Wet sheen across the surface.
  rgb(cr, 1, 1, 0.88, 0.8);
  cairo_set_line_width(cr, 1.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, 44, 16);
  cairo_curve_to(cr, 58, 12, 78, 12, 92, 15);
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
  const Pt centre{w / 2.0, h * 0.45};
  const bool late = frame == 2 || frame == 4;
  const double reach = std::min(w, h) * (late ? 0.46 : 0.36);
  // A few thick strands flung outward, arcing down under their weight and
  // thinning to a point.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const int streaks = late ? 6 : 7;
  for (int i = 0; i < streaks; ++i) {
    const double a = -M_PI / 2 + (i - (streaks - 1) / 2.0) * (2.6 / streaks) + n.range(-0.2, 0.2);
    const double d = reach * n.range(0.6, 0.95), fall = d * n.range(0.25, 0.45);
    constexpr int kSteps = 8;
    for (int seg = 0; seg < kSteps; ++seg) {
      auto at = [&](double t) { return polar(centre, a, d * t) + Pt{0, fall * t * t}; };
      const Pt p0 = at(static_cast<double>(seg) / kSteps), p1 = at(static_cast<double>(seg + 1) / kSteps);
      acid_colour(cr, centre.x, centre.y, d, 0.95);
      cairo_set_line_width(cr, (late ? 5.0 : 7.0) * (1 - seg / (kSteps + 1.0)));
      cairo_move_to(cr, p0.x, p0.y);
      cairo_line_to(cr, p1.x, p1.y);
      cairo_stroke(cr);
    }
  }
  // The lumpy blob of the wound splash, smaller and torn once it spreads.
  paint::acid_splash(cr, centre, reach * (late ? 0.45 : 0.62), 0xB1A5u + frame, late ? 0.3 : 0.75);
  // Round droplets in flight, each with a glint.
  const int drops = late ? 34 : 22;
  for (int i = 0; i < drops; ++i) {
    const double a = n.range(0, 2 * M_PI), d = reach * n.range(late ? 0.45 : 0.35, 1.0);
    const Pt p = polar(centre, a, d);
    const double r = n.range(1.4, late ? 3.6 : 4.6) * (1.15 - d / reach * 0.5);
    acid_colour(cr, p.x - r * 0.3, p.y - r * 0.3, r * 1.6, 0.95);
    cairo_arc(cr, p.x, p.y, r, 0, 2 * M_PI);
    cairo_fill(cr);
    rgb(cr, 0.22, 0.33, 0.03, 0.9);
    cairo_set_line_width(cr, 0.7);
    cairo_arc(cr, p.x, p.y, r, 0.2, M_PI - 0.2);
    cairo_stroke(cr);
    rgb(cr, 1, 1, 0.9, 0.95);
    cairo_arc(cr, p.x - r * 0.35, p.y - r * 0.35, std::max(0.6, r * 0.3), 0, 2 * M_PI);
    cairo_fill(cr);
  }
  return c.png_dithered();
}

}  // namespace contentgen::roomart
