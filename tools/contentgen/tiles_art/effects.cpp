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
  // Stretched over the whole view and faded by the game with alpha
  // blending, multiplied by a deep red: only the red channel and the alpha
  // reach the screen, so the red carries the texture, and the picture is
  // blood-coloured itself so it reads as blood wherever it is looked at.
  // A hit floods in from the edges: thick and dark at the rim, creeping
  // inward in uneven tongues, runs dripping from the top edge and drops
  // flung in round the rim, and thin in the middle so the player still sees
  // what struck them. Nowhere is it clear or flat, so it never shows as a
  // sheet laid over the view.
  const int s = 32;
  Noise n(0xB10Du);
  struct Blot {
    double x, y, r, w;
  };
  // Tongues of red reaching in from the rim, stronger where they start.
  std::vector<Blot> blots;
  for (int i = 0; i < 14; ++i) {
    const double a = n.range(0, 2 * M_PI);
    const double reach = n.range(0.55, 0.85);
    blots.push_back({std::cos(a) * reach, std::sin(a) * reach, n.range(0.16, 0.3), n.range(0.18, 0.32)});
  }
  // Runs down from the top edge, each ending in a heavier bead; the view
  // is stretched far more across than down, so they stay narrow here.
  struct Run {
    double x, end, w;
  };
  std::vector<Run> runs;
  for (int i = 0; i < 5; ++i) runs.push_back({n.range(-0.8, 0.8), n.range(-0.55, -0.15), n.range(0.035, 0.06)});
  // Drops flung in round the rim: small, dense and dark.
  std::vector<Blot> drops;
  for (int i = 0; i < 16; ++i) {
    const double a = n.range(0, 2 * M_PI);
    const double reach = n.range(0.5, 0.8);
    drops.push_back({std::cos(a) * reach, std::sin(a) * reach * 1.1, n.range(0.045, 0.09), n.range(0.5, 0.9)});
  }
  auto smooth = [](double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
  };
  // Mottle of two sizes: the flood is clotted and uneven, darker blots in
  // it and thinner runs between, so stretched over the view it reads as
  // blood and not as a red lamp.
  constexpr int coarse = 6, fine = 11;
  std::vector<double> cells_c(coarse * coarse), cells_f(fine * fine);
  for (double& c : cells_c) c = n.range(-1, 1);
  for (double& c : cells_f) c = n.range(-1, 1);
  auto lattice = [&](const std::vector<double>& cells, int k, double u, double v) {
    const double fx = u * (k - 1), fy = v * (k - 1);
    const int ix = std::min(k - 2, static_cast<int>(fx)), iy = std::min(k - 2, static_cast<int>(fy));
    double tx = fx - ix, ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx), ty = ty * ty * (3 - 2 * ty);
    auto at = [&](int i, int j) { return cells[static_cast<size_t>(j) * k + i]; };
    const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
    const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
  };
  // The flood's thickness at a point of the view, -1..1 across it.
  auto thickness = [&](double u, double v) {
    // Between a circle and the view's own box, so the flood follows the
    // frame yet rounds its corners.
    const double round = std::hypot(u, v) / std::sqrt(2.0);
    const double boxy = std::pow(std::pow(std::abs(u), 4) + std::pow(std::abs(v), 4), 0.25);
    double r = 0.45 * round + 0.55 * boxy;
    for (const Blot& b : blots) {
      const double du = (u - b.x) / b.r, dv = (v - b.y) / b.r;
      r += b.w * std::exp(-(du * du + dv * dv));
    }
    return smooth(0.3, 1.05, r);
  };
  std::vector<uint8_t> rgba(static_cast<size_t>(s) * s * 4);
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x) {
      const double u = (x + 0.5) / (s / 2.0) - 1, v = (y + 0.5) / (s / 2.0) - 1;
      const double mottle = 0.65 * lattice(cells_c, coarse, (x + 0.5) / s, (y + 0.5) / s) +
                            0.35 * lattice(cells_f, fine, (x + 0.5) / s, (y + 0.5) / s);
      double flood = thickness(u, v);
      // Runs and drops add body where they lie.
      double spatter = 0;
      for (const Run& run : runs) {
        const double across = std::abs(u - run.x) / run.w;
        if (across > 3 || v > run.end + 0.12) continue;
        const double body = std::exp(-across * across) * smooth(run.end + 0.02, run.end - 0.1, v);
        const double bv = (v - run.end) / 0.09, bead = std::exp(-(across * across * 0.45 + bv * bv));
        spatter = std::max(spatter, std::max(0.75 * body, bead));
      }
      for (const Blot& d : drops) {
        const double du = (u - d.x) / d.r, dv = (v - d.y) / d.r;
        spatter = std::max(spatter, d.w * std::exp(-(du * du + dv * dv) * 1.5));
      }
      flood = std::max(flood, 0.85 * spatter);
      // Wet sheen: the clots' slopes turned up toward a light above catch
      // it, so the flood looks glossy rather than dyed.
      const double e = 0.07;
      const double slope = (thickness(u, v + e) - thickness(u, v - e)) / (2 * e);
      const double sheen = 0.14 * smooth(0.15, 0.8, slope) * smooth(0.2, 0.5, flood) + 0.06 * std::max(0.0, -mottle);
      // Clots thicken the flood most where it is already heavy.
      const double a = std::clamp(0.34 + 0.6 * flood + (0.04 + 0.08 * flood) * mottle, 0.0, 1.0);
      // Bright arterial red where it is thin, dark wet red where it pools
      // and in its clots and drops.
      const double value =
          std::clamp(0.98 - 0.46 * flood - (0.08 + 0.14 * flood) * std::max(0.0, mottle) + sheen, 0.0, 1.0);
      uint8_t* px = &rgba[(static_cast<size_t>(y) * s + x) * 4];
      px[0] = static_cast<uint8_t>(std::lround(255.0 * value));
      px[1] = static_cast<uint8_t>(std::lround(255.0 * value * value * (0.05 + 0.25 * sheen)));
      px[2] = static_cast<uint8_t>(std::lround(255.0 * value * value * (0.07 + 0.25 * sheen)));
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
      const double hot = 1.0 - smooth(0.24, 0.5, h);
      // The spill: most of the light, sagging gently outward.
      const double spill = 0.6 - 0.08 * smooth(0.45, 0.72, r);
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
