// View effects and overlays: shot flashes, the flashlight, the hurt and
// alarm overlays, crosshairs, the use-prompt frame and the static dots.
#include <algorithm>
#include <cmath>
#include <vector>

#include "paint_kit/flare.h"
#include "wall_parts.h"
#include "room_art.h"

namespace contentgen::roomart {

namespace {

// A crosshair ring with four gapped ticks and a centre pip, in white so the
// view's colour picks the player. Built like a sight's reticle: every line
// edged in dark so it holds over a bright wall, the ring machined with a
// shaded inner bevel, range marks across the stems and index ticks outside
// the ring's four arcs.
void crosshair(cairo_t* cr, double c, double r) {
  auto strokes = [&] {
    for (int q = 0; q < 4; ++q) {
      double a = q * M_PI / 2 + M_PI / 4;
      cairo_new_sub_path(cr);
      cairo_arc(cr, c, c, r, a - 0.55, a + 0.55);
    }
    for (int q = 0; q < 4; ++q) {
      double a = q * M_PI / 2;
      cairo_move_to(cr, c + std::cos(a) * r * 0.35, c + std::sin(a) * r * 0.35);
      cairo_line_to(cr, c + std::cos(a) * (r + 5), c + std::sin(a) * (r + 5));
    }
  };
  // Range marks across each stem, and index ticks out from the middle of
  // each arc.
  auto marks = [&] {
    for (int q = 0; q < 4; ++q) {
      const double a = q * M_PI / 2, ux = std::cos(a), uy = std::sin(a);
      const double d = std::round(r * 0.66) + 0.5;
      cairo_move_to(cr, c + ux * d - uy * 2.5, c + uy * d + ux * 2.5);
      cairo_line_to(cr, c + ux * d + uy * 2.5, c + uy * d - ux * 2.5);
      const double b = a + M_PI / 4, vx = std::cos(b), vy = std::sin(b);
      cairo_move_to(cr, c + vx * (r + 2.0), c + vy * (r + 2.0));
      cairo_line_to(cr, c + vx * (r + 5.2), c + vy * (r + 5.2));
    }
  };
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  grey(cr, 0.0);
  cairo_set_line_width(cr, 4.5);
  strokes();
  cairo_stroke(cr);
  cairo_set_line_width(cr, 3.6);
  marks();
  cairo_stroke(cr);
  grey(cr, 1.0);
  cairo_set_line_width(cr, 2);
  strokes();
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  grey(cr, 0.92);
  cairo_set_line_width(cr, 1.4);
  marks();
  cairo_stroke(cr);
  // The bevel: the inner half of the ring's lower right arcs in shade, so
  // the ring reads as a turned part lit from the upper left.
  grey(cr, 0.55);
  cairo_set_line_width(cr, 0.8);
  for (int q = 0; q < 4; ++q) {
    const double a = q * M_PI / 2 + M_PI / 4;
    if (q == 2) continue;  // the upper left arc faces the light
    cairo_new_sub_path(cr);
    cairo_arc(cr, c, c, r - 0.5, a - 0.5, a + 0.5);
  }
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  grey(cr, 0);
  cairo_arc(cr, c, c, 2.6, 0, 2 * M_PI);
  cairo_fill(cr);
  grey(cr, 1);
  cairo_arc(cr, c, c, 1.5, 0, 2 * M_PI);
  cairo_fill(cr);
}

}  // namespace

Bytes make_flash() {
  // The archive's spare flash picture: a muzzle flash, its fire thrown
  // forward in one long spike.
  return paint::muzzle_flare_png();
}

Bytes make_blood() {
  // Stretched over the whole view (about 24 x 9 screen pixels a texel,
  // unfiltered) and faded by the game with alpha blending, multiplied by a
  // deep red: only the red channel and the alpha reach the screen. So it is
  // laid out texel by texel for that stretch: every texel shows as a short,
  // flat dash, and the picture is built of dashes. Blood is flung in from
  // both sides as streaks along the rows, heavy and dark at the rim and
  // tapering inward, with loose drops beyond their ends; the top and bottom
  // carry a thinner, ragged crust; the middle holds only a faint red wash,
  // never clear, so no texel's edge draws a box inside the view.
  const int s = 32;
  auto smooth = [](double e0, double e1, double x) {
    const double k = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return k * k * (3 - 2 * k);
  };
  // The texel's size on screen, to lay the rim out in screen distances.
  constexpr double tw = 780.0 / s, th = 275.0 / s;
  Noise n(0xB10Du);
  // How far the crust reaches in from each side: per row for the left and
  // right rims, per column for the top and bottom, each uneven.
  double left[s], right[s], top[s], bottom[s];
  for (int i = 0; i < s; ++i) {
    // Deeper toward the corners, where the spray from two sides meets.
    const double corner = std::pow(std::abs(i + 0.5 - s / 2.0) / (s / 2.0), 3);
    left[i] = n.range(18, 80) + 70 * corner, right[i] = n.range(18, 80) + 70 * corner;
    top[i] = n.range(5, 30) + 25 * corner, bottom[i] = n.range(5, 34) + 25 * corner;
  }
  // Neighbouring rows share some of their reach, so the crust has tongues
  // a few rows tall rather than a comb of single texels.
  for (double* edge : {left, right, top, bottom}) {
    double soft[s];
    for (int i = 0; i < s; ++i) soft[i] = 0.5 * edge[i] + 0.25 * edge[std::max(0, i - 1)] + 0.25 * edge[std::min(s - 1, i + 1)];
    std::copy(soft, soft + s, edge);
  }
  // Thickness (0 the wash, 1 a clot) and brightness of the red (0 dark,
  // 1 thin bright film) for every texel.
  std::vector<double> thick(s * s, 0), value(s * s, 0);
  auto at = [&](int x, int y) { return static_cast<size_t>(y) * s + x; };
  // The crust's shade runs along the rows (a texel is a dash across), so it
  // reads as smeared film, not as a mosaic of tiles.
  double shade[s];
  for (int y = 0; y < s; ++y) shade[y] = n.range(0, 1);
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x) {
      const double sx = (x + 0.5) * tw, sy = (y + 0.5) * th;
      const double dl = sx / left[y], dr = (780 - sx) / right[y];
      const double dt = sy / top[x], db = (275 - sy) / bottom[x];
      const double d = std::min({dl, dr, dt, db});
      // Inside its reach the crust is solid; past it, a short fall-off.
      const double crust = d < 1 ? 1.0 : std::max(0.0, 1.0 - (d - 1) * 0.9);
      thick[at(x, y)] = crust;
      value[at(x, y)] = 0.3 + 0.18 * shade[y] + 0.06 * n.unit();
    }
  // Streaks flung in along the rows from the two sides: dark and heavy at
  // their root, thinner and brighter toward the tip, a drop beyond.
  // Some climb or fall a row as they go, thrown in from a corner.
  for (int i = 0; i < 30; ++i) {
    const bool from_left = i % 2 == 0;
    int y = static_cast<int>(n.range(1, s - 1));
    const int root = static_cast<int>((from_left ? left[y] : right[y]) / tw);
    const int len = static_cast<int>(n.range(2, 8.99));
    const int climb = y < s / 3 ? 1 : (y > 2 * s / 3 ? -1 : 0);
    const int every = static_cast<int>(n.range(2, 4.99));
    for (int k = 0; k < len; ++k) {
      const int x = from_left ? root + k : s - 1 - root - k;
      if (k > 0 && k % every == 0) y = std::clamp(y + climb, 0, s - 1);
      if (x < 0 || x >= s) break;
      const double q = static_cast<double>(k) / len;
      double& t = thick[at(x, y)];
      t = std::max(t, 0.95 - 0.45 * q);
      value[at(x, y)] = std::min(value[at(x, y)], 0.25 + 0.45 * q);
    }
    const int gap = 1 + static_cast<int>(n.range(0, 2.99));
    const int drop = from_left ? root + len + gap : s - 1 - root - len - gap;
    if (drop >= 0 && drop < s && n.unit() < 0.7) {
      thick[at(drop, y)] = std::max(thick[at(drop, y)], n.range(0.55, 0.8));
      value[at(drop, y)] = 0.3;
    }
  }
  // Loose drops spattered over the outer third, fewer toward the middle.
  for (int i = 0; i < 26; ++i) {
    const int x = static_cast<int>(n.range(0, s)), y = static_cast<int>(n.range(0, s));
    const double u = std::abs(x + 0.5 - s / 2.0) / (s / 2.0), v = std::abs(y + 0.5 - s / 2.0) / (s / 2.0);
    if (std::max(u, v) < 0.45) continue;
    thick[at(x, y)] = std::max(thick[at(x, y)], n.range(0.5, 0.85));
    value[at(x, y)] = std::min(value[at(x, y)], n.range(0.25, 0.45));
  }
  std::vector<uint8_t> rgba(static_cast<size_t>(s) * s * 4);
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x) {
      const double t = thick[at(x, y)];
      // The wash: bright, a third opaque in the middle and half way to the
      // rim already over a half, so even a faded hit reddens the view;
      // the crust and the streaks up to nearly opaque and dark.
      const double u = (x + 0.5) / (s / 2.0) - 1, v = (y + 0.5) / (s / 2.0) - 1;
      const double wash = 0.3 + 0.3 * smooth(0.1, 0.7, std::hypot(u, v));
      const double a = std::max(wash, 0.2 + 0.72 * t);
      const double red = std::clamp(1.0 - t * (1.0 - value[at(x, y)]), 0.0, 1.0);
      uint8_t* px = &rgba[(static_cast<size_t>(y) * s + x) * 4];
      px[0] = static_cast<uint8_t>(std::lround(255.0 * red));
      px[1] = static_cast<uint8_t>(std::lround(255.0 * red * red * 0.06));
      px[2] = static_cast<uint8_t>(std::lround(255.0 * red * red * 0.08));
      px[3] = static_cast<uint8_t>(std::lround(255.0 * a));
    }
  return encode_png(s, s, rgba, true);
}

Bytes make_flashlight() {
  // Laid with alpha blending over the 180 x 180 window, where the dark room
  // has been drawn again under the lit tint. The picture only takes light
  // away: it is black, and its alpha is how much of the lit pass the beam
  // does not reach. So whatever the beam touches keeps the full contrast of
  // its texture (a white veil would flatten it), and the beam's shape is
  // all in the alpha: a hot spot a little up and left of the sight, a
  // softer spill round it, a faint brighter ring where the reflector's edge
  // throws its light, then a fall into the dark. The corners end at the
  // dim room's own level (its tint is 12 where the beam's is 150, so 8
  // percent of the light stays): solid black would frame the beam in a
  // dark square. A little low, uneven mottle and a few rings of lens
  // ripple run through the spill, as a real torch's glass throws them.
  // The alpha is kept whole, not cut into a mask: the game's loader keeps a
  // picture's alpha and only clears pixels of the mask colour.
  const int s = 180;
  std::vector<uint8_t> rgba(static_cast<size_t>(s) * s * 4);
  auto smooth = [](double e0, double e1, double x) {
    double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
  };
  // Lens mottle: a coarse lattice of gentle ups and downs, smoothly blended.
  Noise n(0xF1A5u);
  constexpr int k = 7;
  double cells[k][k];
  for (auto& row : cells)
    for (double& c : row) c = n.range(-1, 1);
  auto mottle = [&](double u, double v) {
    const double fx = std::clamp(u, 0.0, 0.999) * (k - 1), fy = std::clamp(v, 0.0, 0.999) * (k - 1);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    double tx = fx - ix, ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx), ty = ty * ty * (3 - 2 * ty);
    const double top = cells[iy][ix] + (cells[iy][ix + 1] - cells[iy][ix]) * tx;
    const double bottom = cells[iy + 1][ix] + (cells[iy + 1][ix + 1] - cells[iy + 1][ix]) * tx;
    return top + (bottom - top) * ty;
  };
  const double hot_x = s / 2.0 - 5, hot_y = s / 2.0 - 4;
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      // Distance from the beam's middle, 1 at the window's edge.
      const double r = std::hypot(px - s / 2.0, py - s / 2.0) / (s / 2.0);
      // The hot spot, its own centre a touch off the beam's.
      const double h = std::hypot(px - hot_x, py - hot_y) / (s / 2.0);
      // It is broad: a creature the sight is on stands in full light from
      // its head to its middle, not only at one bright spot.
      const double hot = 1.0 - smooth(0.36, 0.52, h);
      // The spill: most of the light, sagging gently outward.
      const double spill = 0.68 - 0.08 * smooth(0.5, 0.72, r);
      // The reflector's ring, just inside the edge of the spill.
      const double ring = 0.13 * std::exp(-std::pow((r - 0.77) / 0.05, 2));
      const double texture = 0.035 * mottle(px / s, py / s) + 0.018 * std::sin(r * 58.0) * smooth(0.25, 0.5, r);
      double light = std::max(hot, spill + ring + texture * (1 - hot));
      // Into the dark past the ring, ending at the dim room's level.
      light = 0.08 + (light - 0.08) * (1 - smooth(0.79, 1.0, r));
      light = std::clamp(light, 0.0, 1.0);
      uint8_t* p = &rgba[(static_cast<size_t>(y) * s + x) * 4];
      p[0] = p[1] = p[2] = 0;
      p[3] = static_cast<uint8_t>(std::lround(255.0 * (1 - light)));
    }
  return encode_png(s, s, rgba, true);
}

Bytes make_alert() {
  // 24 x 55: fits the 26 px gap beside a member tab and is centred on it;
  // in the view it blinks at the band's top-left corner. A warning plate:
  // hazard-yellow enamel with a bevel, black and yellow stripes across both
  // ends and a bold black "!" in the middle, all held by a near-black rim.
  // It is yellow already, so the yellow the console draws it in keeps it
  // as it is, and it reads the same untinted over the rooms.
  const int w = 24, h = 55;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  auto plate = [&](double inset) {
    const double x0 = 2.5 + inset, y0 = 1.5 + inset, x1 = w - 2.5 - inset, y1 = h - 1.5 - inset, r = 5 - inset / 2;
    rounded_rect(cr, x0, y0, x1 - x0, y1 - y0, r);
  };
  // Enamel, lit from the upper left.
  plate(0);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, w, h);
  cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.93, 0.35);
  cairo_pattern_add_color_stop_rgb(p, 0.45, 1.0, 0.82, 0.05);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.82, 0.6, 0.0);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  cairo_save(cr);
  cairo_clip(cr);
  // Hazard stripes across both ends, slanted.
  cairo_set_source_rgb(cr, 0.06, 0.05, 0.03);
  for (double band_top : {0.0, h - 9.0})
    for (double x = -12; x < w + 6; x += 7) {
      cairo_move_to(cr, x, band_top + 9);
      cairo_line_to(cr, x + 3.5, band_top + 9);
      cairo_line_to(cr, x + 3.5 + 9, band_top);
      cairo_line_to(cr, x + 9, band_top);
      cairo_close_path(cr);
    }
  cairo_fill(cr);
  // A dark line under the top band and over the bottom one sets them off.
  cairo_rectangle(cr, 0, 9, w, 1.2);
  cairo_rectangle(cr, 0, h - 10.2, w, 1.2);
  cairo_fill(cr);
  // Bevel: a light edge up and left, a shadowed one down and right.
  plate(1.6);
  cairo_set_line_width(cr, 1.6);
  cairo_pattern_t* bevel = cairo_pattern_create_linear(0, 0, w, h * 0.5);
  cairo_pattern_add_color_stop_rgba(bevel, 0, 1, 1, 0.85, 0.85);
  cairo_pattern_add_color_stop_rgba(bevel, 0.5, 1, 1, 0.85, 0.0);
  cairo_pattern_add_color_stop_rgba(bevel, 0.55, 0.3, 0.18, 0.0, 0.0);
  cairo_pattern_add_color_stop_rgba(bevel, 1, 0.3, 0.18, 0.0, 0.7);
  cairo_set_source(cr, bevel);
  cairo_stroke(cr);
  cairo_pattern_destroy(bevel);
  cairo_restore(cr);
  // The rim.
  plate(0);
  cairo_set_line_width(cr, 2.2);
  cairo_set_source_rgb(cr, 0.05, 0.04, 0.02);
  cairo_stroke(cr);
  // The "!": a tapered bar and a dot, black, with a pale lip under each
  // so they read as cut into the plate.
  auto mark = [&](double dx, double dy) {
    cairo_new_path(cr);
    cairo_move_to(cr, 7.6 + dx, 14 + dy);
    cairo_curve_to(cr, 7.6 + dx, 11.6 + dy, 16.4 + dx, 11.6 + dy, 16.4 + dx, 14 + dy);
    cairo_line_to(cr, 14.3 + dx, 32 + dy);
    cairo_curve_to(cr, 14.0 + dx, 33.8 + dy, 10.0 + dx, 33.8 + dy, 9.7 + dx, 32 + dy);
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 12 + dx, 40 + dy, 3.4, 0, 2 * M_PI);
  };
  mark(0.7, 0.9);
  cairo_set_source_rgba(cr, 1, 0.95, 0.6, 0.9);
  cairo_fill(cr);
  mark(0, 0);
  cairo_set_source_rgb(cr, 0.05, 0.04, 0.02);
  cairo_fill(cr);
  return c.png();
}

Bytes make_bracket() {
  // 32 x 6, stretched along each side of the use-prompt box; its thickness
  // falls inside the box for all four rotations. Ticks at both ends turn
  // the frame into corner brackets.
  Canvas c(32, 6);
  cairo_t* cr = c.cr();
  grey(cr, 1);
  cairo_rectangle(cr, 0, 0, 32, 2);
  cairo_fill(cr);
  grey(cr, 0.7);
  cairo_rectangle(cr, 0, 2, 3, 4);
  cairo_rectangle(cr, 29, 2, 3, 4);
  cairo_fill(cr);
  return c.png();
}

Bytes make_crosshair(bool firing) {
  if (!firing) {
    Canvas c(48, 48);
    crosshair(c.cr(), 24, 15);
    return c.png();
  }
  // Firing: the same sight kicked open by the recoil: the ring and its
  // ticks spread wider, four corner brackets close round it and the pip
  // swells, all white edged in dark like the resting sight, so the two
  // read as one sight breathing and not as a different mark.
  Canvas c(64, 64);
  cairo_t* cr = c.cr();
  crosshair(cr, 32, 19);
  auto brackets = [&] {
    for (int q = 0; q < 4; ++q) {
      const double sx = q % 2 ? 1 : -1, sy = q / 2 ? 1 : -1, o = 27, l = 7;
      cairo_move_to(cr, 32 + sx * (o - l), 32 + sy * o);
      cairo_line_to(cr, 32 + sx * o, 32 + sy * o);
      cairo_line_to(cr, 32 + sx * o, 32 + sy * (o - l));
    }
  };
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  grey(cr, 0.0);
  cairo_set_line_width(cr, 4.5);
  brackets();
  cairo_stroke(cr);
  grey(cr, 1.0);
  cairo_set_line_width(cr, 2);
  brackets();
  cairo_stroke(cr);
  grey(cr, 0.05);
  cairo_arc(cr, 32, 32, 3.8, 0, 2 * M_PI);
  cairo_fill(cr);
  grey(cr, 1);
  cairo_arc(cr, 32, 32, 2.6, 0, 2 * M_PI);
  cairo_fill(cr);
  return c.png();
}

Bytes make_invalid() {
  // A red cross over the sight when the magazine is empty.
  Canvas c(32, 32);
  cairo_t* cr = c.cr();
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  auto cross = [&] {
    cairo_move_to(cr, 7, 7);
    cairo_line_to(cr, 25, 25);
    cairo_move_to(cr, 25, 7);
    cairo_line_to(cr, 7, 25);
  };
  grey(cr, 0);
  cairo_set_line_width(cr, 7);
  cross();
  cairo_stroke(cr);
  rgb(cr, 1, 0.15, 0.1);
  cairo_set_line_width(cr, 4);
  cross();
  cairo_stroke(cr);
  rgb(cr, 1, 0.6, 0.5);
  cairo_set_line_width(cr, 1.2);
  cairo_move_to(cr, 8, 7);
  cairo_line_to(cr, 24, 23);
  cairo_stroke(cr);
  return c.png();
}

Bytes make_reaver() {
  // The shot probe: a solid 3 x 3 block, small enough to be a point.
  Canvas c(3, 3);
  grey(c.cr(), 1);
  cairo_paint(c.cr());
  return c.png();
}

Bytes make_dot() {
  // One fleck of the no-signal snow: a short bright dash along the scan
  // line, with dim rows of bleed above and below, so it reads as a spark of
  // a dead feed rather than a round dot. The middle row runs the full width:
  // the dead view also stretches it into its streaks, so its brightness
  // breaks unevenly along it, and each stretched streak splits into bright
  // grains and dull gaps of different lengths instead of one smooth bar.
  Canvas c(5, 5);
  cairo_t* cr = c.cr();
  constexpr double dash[5] = {0.52, 1.0, 0.66, 0.92, 0.44};
  for (int x = 0; x < 5; ++x) {
    grey(cr, dash[x]);
    cairo_rectangle(cr, x, 2, 1, 1);
    cairo_fill(cr);
  }
  // The bleed above is brighter than below and uneven too: the ghost of
  // the line before it, smeared by a signal that is no longer locked.
  constexpr double above[3] = {0.46, 0.26, 0.38}, below[3] = {0.22, 0.34, 0.2};
  for (int x = 0; x < 3; ++x) {
    grey(cr, above[x]);
    cairo_rectangle(cr, x + 1, 1, 1, 1);
    cairo_fill(cr);
    grey(cr, below[x]);
    cairo_rectangle(cr, x + 1, 3, 1, 1);
    cairo_fill(cr);
  }
  return c.png();
}

}  // namespace contentgen::roomart
