#include "wall_parts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "paint_kit/pixels.h"
#include "paint_kit/value_detail.h"

namespace contentgen::roomart {

void vgradient(cairo_t* cr, double x, double y, double w, double h, double top, double bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(p, 0, top, top, top);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom, bottom, bottom);
  cairo_set_source(cr, p);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

namespace {
void bevel(cairo_t* cr, double x, double y, double w, double h, double b, double tl, double br) {
  grey(cr, tl);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + w, y);
  cairo_line_to(cr, x + w - b, y + b);
  cairo_line_to(cr, x + b, y + b);
  cairo_line_to(cr, x + b, y + h - b);
  cairo_line_to(cr, x, y + h);
  cairo_close_path(cr);
  cairo_fill(cr);
  grey(cr, br);
  cairo_move_to(cr, x + w, y + h);
  cairo_line_to(cr, x, y + h);
  cairo_line_to(cr, x + b, y + h - b);
  cairo_line_to(cr, x + w - b, y + h - b);
  cairo_line_to(cr, x + w - b, y + b);
  cairo_line_to(cr, x + w, y);
  cairo_close_path(cr);
  cairo_fill(cr);
}
}  // namespace

void raised_plate(cairo_t* cr, double x, double y, double w, double h, double base, double b, bool shadow) {
  // A hard shadow cast down and to the right, and a bright line along the
  // lit top and left edges: a dark or deeply tinted room scales every value
  // down, and only edges this strong still outline the plate there.
  if (shadow) {
    grey(cr, 0.02, 0.6);
    cairo_rectangle(cr, x + 1.2, y + 1.2, w, h);
    cairo_fill(cr);
  }
  vgradient(cr, x, y, w, h, std::min(1.0, base * 1.12), base * 0.88);
  bevel(cr, x, y, w, h, b, std::min(1.0, base * 1.45), base * 0.42);
  // Within save and restore: the callers' strokes keep their own width.
  cairo_save(cr);
  grey(cr, 0.95, 0.55);
  cairo_set_line_width(cr, 0.8);
  cairo_move_to(cr, x + 0.4, y + h - b);
  cairo_line_to(cr, x + 0.4, y + 0.4);
  cairo_line_to(cr, x + w - b, y + 0.4);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void sunken_plate(cairo_t* cr, double x, double y, double w, double h, double base, double b) {
  vgradient(cr, x, y, w, h, base * 0.8, base);
  bevel(cr, x, y, w, h, b, base * 0.45, std::min(1.0, base * 1.4));
}

void rivet(cairo_t* cr, double x, double y, double r, double base) {
  grey(cr, base * 0.35, 0.8);
  cairo_arc(cr, x + 0.6, y + 0.8, r + 0.4, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.4, y - r * 0.4, 0, x, y, r);
  cairo_pattern_add_color_stop_rgb(p, 0, std::min(1.0, base * 1.7), std::min(1.0, base * 1.7),
                                    std::min(1.0, base * 1.7));
  cairo_pattern_add_color_stop_rgb(p, 1, base * 0.7, base * 0.7, base * 0.7);
  cairo_set_source(cr, p);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void screw(cairo_t* cr, double x, double y, double r, double base, double angle) {
  rivet(cr, x, y, r, base);
  grey(cr, base * 0.3);
  cairo_set_line_width(cr, std::max(0.8, r * 0.35));
  cairo_move_to(cr, x - std::cos(angle) * r * 0.7, y - std::sin(angle) * r * 0.7);
  cairo_line_to(cr, x + std::cos(angle) * r * 0.7, y + std::sin(angle) * r * 0.7);
  cairo_stroke(cr);
}

namespace {
cairo_pattern_t* cylinder(double base, bool vertical, double c0, double c1) {
  cairo_pattern_t* p = vertical ? cairo_pattern_create_linear(c0, 0, c1, 0) : cairo_pattern_create_linear(0, c0, 0, c1);
  const double hi = std::min(1.0, base * 1.8);
  cairo_pattern_add_color_stop_rgb(p, 0.0, base * 0.35, base * 0.35, base * 0.35);
  cairo_pattern_add_color_stop_rgb(p, 0.3, hi, hi, hi);
  cairo_pattern_add_color_stop_rgb(p, 0.45, base * 1.1, base * 1.1, base * 1.1);
  cairo_pattern_add_color_stop_rgb(p, 0.85, base * 0.55, base * 0.55, base * 0.55);
  cairo_pattern_add_color_stop_rgb(p, 1.0, base * 0.25, base * 0.25, base * 0.25);
  return p;
}
}  // namespace

void vertical_pipe(cairo_t* cr, double x, double y0, double y1, double radius, double base) {
  grey(cr, 0.05, 0.45);  // cast shadow on the wall
  cairo_rectangle(cr, x - radius + 3, y0, radius * 2, y1 - y0);
  cairo_fill(cr);
  cairo_pattern_t* p = cylinder(base, true, x - radius, x + radius);
  cairo_set_source(cr, p);
  cairo_rectangle(cr, x - radius, y0, radius * 2, y1 - y0);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void horizontal_pipe(cairo_t* cr, double x0, double x1, double y, double radius, double base) {
  grey(cr, 0.05, 0.45);
  cairo_rectangle(cr, x0, y - radius + 3, x1 - x0, radius * 2);
  cairo_fill(cr);
  cairo_pattern_t* p = cylinder(base, false, y - radius, y + radius);
  cairo_set_source(cr, p);
  cairo_rectangle(cr, x0, y - radius, x1 - x0, radius * 2);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void pipe_clamp_v(cairo_t* cr, double x, double y, double radius, double base) {
  cairo_pattern_t* p = cylinder(base * 0.8, true, x - radius - 2, x + radius + 2);
  cairo_set_source(cr, p);
  cairo_rectangle(cr, x - radius - 2, y - 3, radius * 2 + 4, 6);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  grey(cr, 0.1, 0.6);
  cairo_rectangle(cr, x - radius - 2, y + 3, radius * 2 + 4, 1);
  cairo_fill(cr);
}

void phosphor_screen(cairo_t* cr, Noise& n, double x, double y, double w, double h, int style) {
  cairo_save(cr);
  sunken_plate(cr, x - 3, y - 3, w + 6, h + 6, 0.35, 3);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(x + w / 2, y + h / 2, 0, x + w / 2, y + h / 2, std::max(w, h) * 0.7);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.10, 0.30, 0.14);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.02, 0.09, 0.04);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  rgb(cr, 0.55, 1.0, 0.6, 0.95);
  cairo_set_line_width(cr, 1.2);
  if (style == 0) {
    for (double ly = y + 4; ly < y + h - 3; ly += 5) {
      double len = n.range(0.3, 0.95) * (w - 6);
      for (double lx = x + 3; lx < x + 3 + len;) {
        double word = n.range(3, 9);
        cairo_rectangle(cr, lx, ly, std::min(word, x + 3 + len - lx), 2);
        lx += word + 2;
      }
    }
    cairo_fill(cr);
  } else if (style == 1) {
    cairo_move_to(cr, x, y + h * 0.7);
    for (double lx = x; lx <= x + w; lx += 3) cairo_line_to(cr, lx, y + h * (0.25 + 0.5 * n.unit()));
    cairo_stroke(cr);
    for (double lx = x + 4; lx < x + w - 2; lx += 7) {
      double bh = n.range(0.1, 0.3) * h;
      cairo_rectangle(cr, lx, y + h - bh - 2, 4, bh);
    }
    rgb(cr, 0.45, 0.9, 0.5, 0.6);
    cairo_fill(cr);
  } else if (style == 2) {
    double cx = x + w / 2, cy = y + h / 2, r = std::min(w, h) / 2 - 3;
    rgb(cr, 0.45, 0.9, 0.5, 0.7);
    cairo_set_line_width(cr, 1);
    for (double rr = r / 3; rr <= r + 0.1; rr += r / 3) {
      cairo_arc(cr, cx, cy, rr, 0, 2 * M_PI);
      cairo_stroke(cr);
    }
    cairo_move_to(cr, cx - r, cy);
    cairo_line_to(cr, cx + r, cy);
    cairo_move_to(cr, cx, cy - r);
    cairo_line_to(cr, cx, cy + r);
    cairo_stroke(cr);
    rgb(cr, 0.6, 1.0, 0.65, 0.5);
    cairo_move_to(cr, cx, cy);
    cairo_arc(cr, cx, cy, r, -0.9, -0.2);
    cairo_close_path(cr);
    cairo_fill(cr);
    rgb(cr, 0.85, 1.0, 0.85);
    for (int i = 0; i < 3; ++i) {
      cairo_arc(cr, cx + n.range(-r, r) * 0.7, cy + n.range(-r, r) * 0.7, 1.5, 0, 2 * M_PI);
      cairo_fill(cr);
    }
  } else {
    double mid = y + h * 0.55;
    cairo_move_to(cr, x, mid);
    for (double lx = x; lx <= x + w; lx += 1) {
      double ph = std::fmod(lx - x, 28.0);
      double dy = 0;
      if (ph > 10 && ph < 13) dy = -(ph - 10) * h * 0.14;
      else if (ph >= 13 && ph < 16) dy = -(16 - ph) * h * 0.14 + (ph - 13) * h * 0.06;
      else if (ph >= 16 && ph < 18) dy = (18 - ph) * h * 0.06;
      cairo_line_to(cr, lx, mid + dy);
    }
    cairo_stroke(cr);
  }
  // Scanlines and a glass glare.
  grey(cr, 0, 0.22);
  for (double ly = y + 1; ly < y + h; ly += 2) cairo_rectangle(cr, x, ly, w, 1);
  cairo_fill(cr);
  cairo_pattern_t* glare = cairo_pattern_create_linear(x, y, x + w * 0.6, y + h);
  cairo_pattern_add_color_stop_rgba(glare, 0, 1, 1, 1, 0.18);
  cairo_pattern_add_color_stop_rgba(glare, 0.5, 1, 1, 1, 0.0);
  cairo_set_source(cr, glare);
  cairo_paint(cr);
  cairo_pattern_destroy(glare);
  cairo_restore(cr);
}

void lamp(cairo_t* cr, double x, double y, double r, double red, double green, double blue, bool lit) {
  grey(cr, 0.12);
  cairo_arc(cr, x, y, r + 1.2, 0, 2 * M_PI);
  cairo_fill(cr);
  if (lit) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 0, x, y, r * 3);
    cairo_pattern_add_color_stop_rgba(glow, 0, red, green, blue, 0.55);
    cairo_pattern_add_color_stop_rgba(glow, 1, red, green, blue, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, x, y, r * 3, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
  }
  cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, 0, x, y, r);
  double k = lit ? 1.0 : 0.3;
  cairo_pattern_add_color_stop_rgb(p, 0, std::min(1.0, red * k + 0.5 * k), std::min(1.0, green * k + 0.5 * k),
                                    std::min(1.0, blue * k + 0.5 * k));
  cairo_pattern_add_color_stop_rgb(p, 1, red * k * 0.7, green * k * 0.7, blue * k * 0.7);
  cairo_set_source(cr, p);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void wall_trim(cairo_t* cr, Noise& n, int width, bool baseboard) {
  // Ceiling beam: an I-section with a lit lower flange.
  vgradient(cr, 0, 0, width, 9, 0.22, 0.42);
  grey(cr, 0.72);
  cairo_rectangle(cr, 0, 9, width, 2);
  cairo_fill(cr);
  grey(cr, 0.5);
  cairo_rectangle(cr, 0, 11, width, 2);
  cairo_fill(cr);
  grey(cr, 0.08);
  cairo_rectangle(cr, 0, 13, width, 1);
  cairo_fill(cr);
  grey(cr, 0, 0.35);
  cairo_rectangle(cr, 0, 14, width, 3);
  cairo_fill(cr);
  for (int x = 13; x < width; x += 26) rivet(cr, x, 5, 1.6, 0.42);
  if (!baseboard) return;
  // Baseboard: a dark kick plate with a lit upper lip and floor shadow.
  grey(cr, 0, 0.4);
  cairo_rectangle(cr, 0, kBaseTop - 3, width, 3);
  cairo_fill(cr);
  grey(cr, 0.7);
  cairo_rectangle(cr, 0, kBaseTop, width, 2);
  cairo_fill(cr);
  vgradient(cr, 0, kBaseTop + 2, width, kWallHeight - kBaseTop - 2, 0.38, 0.16);
  for (int x = 0; x < width; x += kSlot) {
    grey(cr, 0.1);
    cairo_rectangle(cr, x, kBaseTop + 2, 1, kWallHeight - kBaseTop - 2);
    cairo_fill(cr);
    for (int v = 0; v < 3; ++v) {  // faint scuffs, so no row of a tile's baseboard stands out
      grey(cr, n.range(0.45, 0.6), 0.25);
      cairo_rectangle(cr, x + n.range(4, 44), kBaseTop + n.range(5, 14), n.range(3, 9), 1);
      cairo_fill(cr);
    }
    // Each slot's kick plate a little different: its screw set where the
    // fitter put it, and a vent, a bolted patch or a deep scrape on some.
    const double sx = x + n.range(16, 36);
    screw(cr, sx, kBaseTop + 9, 1.6, 0.45, n.range(0, M_PI));
    const int fitting = static_cast<int>(n.range(0, 4));
    const double fx = sx < x + 26 ? x + n.range(32, 40) : x + n.range(5, 12);
    if (fitting == 1) {
      for (int i = 0; i < 3; ++i) sunken_plate(cr, fx, kBaseTop + 5 + i * 3.5, 9, 2, 0.2, 0.6);
    } else if (fitting == 2) {
      // No cast shadow: the baseboard's lowest rows stay alike on every tile.
      raised_plate(cr, fx - 1, kBaseTop + 4, 12, 10, 0.34, 1, false);
      for (double px : {fx + 1.5, fx + 8.5}) rivet(cr, px, kBaseTop + 9, 0.9, 0.5);
    } else if (fitting == 3) {
      grey(cr, 0.8, 0.5);
      cairo_set_line_width(cr, 0.8);
      cairo_move_to(cr, fx - 2, kBaseTop + n.range(6, 12));
      cairo_line_to(cr, fx + n.range(8, 14), kBaseTop + n.range(6, 12));
      cairo_stroke(cr);
    }
  }
}

void finish_wall(Canvas& c, Noise& n, double content_grime, bool baseboard) {
  grime(c, n, content_grime, 0, kTrimBottom, c.width(), kBaseTop - kTrimBottom);
  wall_trim(c.cr(), n, c.width(), baseboard);
  grime(c, n, 0.12, 0, 0, c.width(), c.height());
}

void wall_plates(cairo_t* cr, Noise& n, int width) {
  grey(cr, 0.2);
  cairo_paint(cr);
  for (int x = 0; x < width; x += kSlot) {
    // Each plate its own value, so neighbouring slots differ by more than
    // hue, and a tinted wall shows one panel beside the next.
    const double base = n.range(0.42, 0.62);
    raised_plate(cr, x + 1, kTrimBottom + 1, kSlot - 2, kBaseTop - kTrimBottom - 2, base, 2);
    // A horizontal joint splits the plate at its own height.
    const double joint = n.range(60, 150);
    grey(cr, 0.08);
    cairo_rectangle(cr, x + 3, joint, kSlot - 6, 1.2);
    cairo_fill(cr);
    grey(cr, std::min(1.0, base * 1.5));
    cairo_rectangle(cr, x + 3, joint + 1.2, kSlot - 6, 1);
    cairo_fill(cr);
    for (int y : {kTrimBottom + 6, kBaseTop - 6}) {
      rivet(cr, x + 6, y, 1.5, 0.55);
      rivet(cr, x + kSlot - 6, y, 1.5, 0.55);
    }
  }
  // Soft smudges of wear a few pixels across, where hands and tools
  // rubbed the plate.
  for (int i = 0; i < width / 6; ++i) {
    const double sx = n.range(4, width - 4), sy = n.range(kTrimBottom + 6, kBaseTop - 6), r = n.range(2, 4);
    const bool light = n.unit() < 0.4;
    cairo_save(cr);
    cairo_translate(cr, sx, sy);
    cairo_rotate(cr, n.range(-0.6, 0.6));
    cairo_scale(cr, 1.0, n.range(1.4, 2.6));
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, r);
    const double v = light ? 0.85 : 0.12, a = light ? 0.16 : 0.22;
    cairo_pattern_add_color_stop_rgba(g, 0, v, v, v, a);
    cairo_pattern_add_color_stop_rgba(g, 1, v, v, v, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
  }
  // A few scratches so neighbouring plates differ.
  grey(cr, 0.75, 0.35);
  cairo_set_line_width(cr, 0.7);
  for (int i = 0; i < width / 13; ++i) {
    double sx = n.range(4, width - 4), sy = n.range(30, 180);
    cairo_move_to(cr, sx, sy);
    cairo_line_to(cr, sx + n.range(-6, 6), sy + n.range(2, 10));
  }
  cairo_stroke(cr);
}

ValueNoise::ValueNoise(Noise& n, int width, int height, int cell)
    : gw_(width / cell + 2), gh_(height / cell + 2), cell_(cell), v_(static_cast<size_t>(gw_) * gh_) {
  for (double& v : v_) v = n.unit();
}

double ValueNoise::at(double x, double y) const {
  double fx = x / cell_, fy = y / cell_;
  int ix = std::clamp(static_cast<int>(fx), 0, gw_ - 2), iy = std::clamp(static_cast<int>(fy), 0, gh_ - 2);
  double tx = fx - ix, ty = fy - iy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  auto g = [&](int a, int b) { return v_[static_cast<size_t>(b) * gw_ + a]; };
  double top = g(ix, iy) * (1 - tx) + g(ix + 1, iy) * tx;
  double bot = g(ix, iy + 1) * (1 - tx) + g(ix + 1, iy + 1) * tx;
  return top * (1 - ty) + bot * ty;
}

void grime(Canvas& c, Noise& n, double amount, int x0, int y0, int w, int h) {
  ValueNoise blotch(n, c.width(), c.height(), 11);
  ValueNoise rust(n, c.width(), c.height(), 23);
  // Wear in soft smudges a few pixels across rather than single-pixel
  // speckle, which the later sharpening turns into coarse noise.
  ValueNoise smudge(n, c.width(), c.height(), 3);
  paint::each_pixel(c, x0, y0, w, h, [&](int x, int y, uint32_t& p) {
    const double s = smudge.at(x, y);
    double dark = 1.0 - amount * (0.55 * blotch.at(x, y) + 0.3 * s);
    // Grime gathers toward the floor.
    dark -= amount * 0.25 * (static_cast<double>(y) / c.height());
    double r = rust.at(x, y);
    double warm = r > 0.72 ? (r - 0.72) * 1.6 * amount : 0.0;
    const double alpha = static_cast<double>(p >> 24);
    const double k[3] = {dark * (1 - warm * 0.9), dark * (1 - warm * 0.45), dark};  // blue, green, red
    uint32_t out = p & 0xFF000000u;
    for (int ch = 0; ch < 3; ++ch) {
      const int shift = ch * 8;
      out |= static_cast<uint32_t>(std::clamp(paint::channel(p, shift) * k[ch], 0.0, alpha)) << shift;
    }
    p = out;
  });
}

namespace {
// Maps every channel of the canvas through curve, on the straight (not
// premultiplied) values, keeping each pixel's alpha.
void apply_tone_curve(Canvas& c, const uint8_t (&curve)[256]) {
  paint::each_pixel(c, [&](int, int, uint32_t& p) {
    const uint32_t a = p >> 24;
    if (a == 0) return;
    uint32_t out = a << 24;
    for (int shift : {16, 8, 0}) {
      const uint32_t straight = std::min(255u, (paint::channel(p, shift) * 255 + a / 2) / a);
      out |= (static_cast<uint32_t>(curve[straight]) * a + 127) / 255 << shift;
    }
    p = out;
  });
}
}  // namespace

void light_wall(Canvas& c) {
  // Light down the wall: full under the ceiling, a wide soft pool, then
  // falling toward the baseboard; the ceiling beam itself sits in the
  // lamps' shadow a little.
  std::vector<double> fall(static_cast<size_t>(c.height()));
  for (int y = 0; y < c.height(); ++y) {
    const double t = (y + 0.5) / c.height();
    const double pool = std::exp(-std::pow((t - 0.2) / 0.33, 2.0));
    const double under_beam = t < 0.05 ? 0.85 + 3.0 * t : 1.0;
    fall[static_cast<size_t>(y)] = (0.9 + 0.28 * pool) * under_beam;
  }
  // Contrast: a gentle S round the mids, so seams and shadows deepen while
  // the lit faces of the plates stay bright.
  double curve[256];
  for (int v = 0; v < 256; ++v) {
    const double x = v / 255.0;
    curve[v] = x < 0.5 ? 0.5 * std::pow(2 * x, 1.25) : 1 - 0.5 * std::pow(2 * (1 - x), 1.25);
  }
  paint::each_pixel(c, [&](int, int y, uint32_t& p) {
    const uint32_t a = p >> 24;
    if (a == 0) return;
    const double k = fall[static_cast<size_t>(y)];
    uint32_t out = a << 24;
    for (int shift : {16, 8, 0}) {
      const uint32_t straight = std::min(255u, (paint::channel(p, shift) * 255 + a / 2) / a);
      const double v = std::min(1.0, curve[straight] * k);
      out |= static_cast<uint32_t>(std::lround(v * a)) << shift;
    }
    p = out;
  });
}

void finish_for_tint(Canvas& c, double grey_share) {
  // A straight stretch about the plate faces' value with a soft toe and
  // shoulder: the seams keep their depth instead of being lifted to grey.
  uint8_t curve[256];
  for (int v = 0; v < 256; ++v) {
    double x = 0.8 + 1.3 * (v / 255.0 - 0.5);
    if (x > 0.84) x = 0.84 + 0.15 * (1 - std::exp(-(x - 0.84) / 0.15));
    if (x < 0.08) x = 0.08 * std::exp((x - 0.08) / 0.08);
    curve[v] = static_cast<uint8_t>(std::lround(255.0 * x));
  }
  apply_tone_curve(c, curve);
  light_wall(c);
  paint::value_detail(c, 1, 0.9, grey_share);
  paint::value_detail(c, 9, 0.55, 0.2);
}

// How far finish_metal lifts the shadows: black to about 25, a quarter
// to nearly 0.38, the light faces hardly at all.
constexpr double kShadowLift = 0.8;

void finish_metal(Canvas& c) {
  // The ceiling trim and the baseboard run unbroken along every wall, so
  // they keep the finish they share: the pass reads their edges, but only
  // the panel between them changes. (It weighs each pixel against its
  // surroundings, which differ from tile to tile.)
  std::vector<std::array<uint8_t, 4>> kept;
  auto shared_row = [&](int y) { return y < kTrimBottom || y >= kBaseTop; };
  for (int y = 0; y < c.height(); ++y)
    if (shared_row(y))
      for (int x = 0; x < c.width(); ++x) c.get_pixel(x, y, kept.emplace_back().data());
  // Fine edges first (a rivet, a bevel line), then the wider recesses.
  paint::shine_and_shade(c, 2, 0.55, 0.6);
  paint::shine_and_shade(c, 6, 0.3, 0.45);
  // Lift the shadows a little, most in the lower mids: a blue or red room
  // keeps one channel at two thirds of its light, and without this the
  // plates' shaded halves sink into the seams' black.
  uint8_t lift[256];
  for (int v = 0; v < 256; ++v) {
    const double x = v / 255.0;
    lift[v] = static_cast<uint8_t>(std::lround(255.0 * std::min(1.0, x + kShadowLift * (x + 0.12) * std::pow(1 - x, 3))));
  }
  apply_tone_curve(c, lift);
  size_t k = 0;
  for (int y = 0; y < c.height(); ++y)
    if (shared_row(y))
      for (int x = 0; x < c.width(); ++x) c.set_pixel(x, y, kept[k++].data());
}

void streaks(cairo_t* cr, Noise& n, double x, double w, double y0, double y1, int count, double alpha) {
  for (int i = 0; i < count; ++i) {
    double sx = x + n.unit() * w;
    double len = (y1 - y0) * n.range(0.3, 1.0);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y0 + len);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.05, 0.04, 0.03, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.05, 0.04, 0.03, 0);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, sx, y0, n.range(1, 3), len);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
}

namespace {
// A point t of the way along a cubic Bezier span from p0 to p3.
double cubic_at(double t, double p0, double p1, double p2, double p3) {
  const double u = 1 - t;
  return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

// The soft white halo round a specular point on wet resin, bright in every
// channel so a room's tint cannot dull it.
void glint_halo(cairo_t* cr, double px, double py, double radius) {
  cairo_pattern_t* halo = cairo_pattern_create_radial(px, py, 0, px, py, radius);
  cairo_pattern_add_color_stop_rgba(halo, 0, 1.0, 1.0, 0.97, 0.3);
  cairo_pattern_add_color_stop_rgba(halo, 1, 1.0, 1.0, 0.97, 0);
  cairo_set_source(cr, halo);
  cairo_arc(cr, px, py, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(halo);
}
}  // namespace

void resin_rib(cairo_t* cr, double x0, double y0, double x1, double y1, double bulge, double width) {
  double mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
  double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
  double nx = -dy / len * bulge, ny = dx / len * bulge;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  auto path = [&] {
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, mx + nx - dx * 0.2, my + ny - dy * 0.2, mx + nx + dx * 0.2, my + ny + dy * 0.2, x1, y1);
  };
  rgb(cr, 0.015, 0.012, 0.005);
  cairo_set_line_width(cr, width + 2);
  path();
  cairo_stroke(cr);
  // Near-black living tissue: a room's tint multiplies it and can only
  // darken it further, so it never turns into a pale candy colour.
  rgb(cr, 0.09, 0.075, 0.045);
  cairo_set_line_width(cr, width);
  path();
  cairo_stroke(cr);
  // Rounded toward the lit upper left by narrower, lighter strokes.
  for (int k = 1; k < 3; ++k) {
    cairo_save(cr);
    cairo_translate(cr, -width * 0.1 * k, -width * 0.1 * k);
    rgb(cr, 0.09 * (1 + 0.35 * k), 0.075 * (1 + 0.35 * k), 0.045 * (1 + 0.35 * k), 0.5);
    cairo_set_line_width(cr, width * (1 - 0.3 * k));
    path();
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  // A faint wet sheen along the rib's lit side, then one specular point,
  // where along it depending on where the rib lies, so a ladder of ribs
  // does not carry a column of studs.
  const double c1x = mx + nx - dx * 0.2, c1y = my + ny - dy * 0.2, c2x = mx + nx + dx * 0.2, c2y = my + ny + dy * 0.2;
  auto lit_side = [&](double t0, double t1) {
    constexpr int steps = 8;
    for (int i = 0; i <= steps; ++i) {
      const double t = t0 + (t1 - t0) * i / steps;
      const double px = cubic_at(t, x0, c1x, c2x, x1) - width * 0.25;
      const double py = cubic_at(t, y0, c1y, c2y, y1) - width * 0.25;
      if (i == 0)
        cairo_move_to(cr, px, py);
      else
        cairo_line_to(cr, px, py);
    }
  };
  rgb(cr, 0.9, 0.88, 0.75, 0.04);
  cairo_set_line_width(cr, std::max(1.4, width * 0.24));
  lit_side(0.08, 0.92);
  cairo_stroke(cr);
  // A long narrow glint over part of its length, fading at both ends.
  const double t0 = 0.1 + 0.45 * std::fabs(std::sin(x0 * 0.37 + y0 * 0.11)), t1 = t0 + 0.35;
  cairo_pattern_t* g = cairo_pattern_create_linear(cubic_at(t0, x0, c1x, c2x, x1), cubic_at(t0, y0, c1y, c2y, y1),
                                                   cubic_at(t1, x0, c1x, c2x, x1), cubic_at(t1, y0, c1y, c2y, y1));
  cairo_pattern_add_color_stop_rgba(g, 0, 1.0, 1.0, 0.95, 0);
  cairo_pattern_add_color_stop_rgba(g, 0.45, 1.0, 1.0, 0.95, 0.75);
  cairo_pattern_add_color_stop_rgba(g, 1, 1.0, 1.0, 0.95, 0);
  cairo_set_source(cr, g);
  cairo_set_line_width(cr, std::max(0.8, width * 0.09));
  lit_side(t0, t1);
  cairo_stroke(cr);
  cairo_pattern_destroy(g);
}

void resin_pod(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  rgb(cr, 0.02, 0.02, 0.025);
  cairo_arc(cr, 0, 0, 1.12, 0, 2 * M_PI);
  cairo_fill(cr);
  // A dark wet sac: a small white glint and a thin lit rim on deep tissue.
  cairo_pattern_t* p = cairo_pattern_create_radial(-0.35, -0.4, 0.05, 0, 0, 1);
  cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 1.0, 0.96);
  cairo_pattern_add_color_stop_rgb(p, 0.12, 0.42, 0.38, 0.26);
  cairo_pattern_add_color_stop_rgb(p, 0.35, 0.13, 0.11, 0.06);
  cairo_pattern_add_color_stop_rgb(p, 0.85, 0.04, 0.035, 0.02);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.2, 0.18, 0.12);
  cairo_set_source(cr, p);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Leathery seams meeting at the crown.
  rgb(cr, 0.05, 0.05, 0.05, 0.6);
  cairo_set_line_width(cr, 0.06);
  for (int i = 0; i < 4; ++i) {
    double a = -M_PI / 2 + (i - 1.5) * 0.5;
    cairo_move_to(cr, 0, -0.95);
    cairo_curve_to(cr, std::cos(a) * 0.6, -0.3, std::cos(a) * 0.9, 0.3, std::cos(a) * 0.7, 0.8);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void resin_mass(cairo_t* cr, Noise& n, double x, double y, double w, double h, double density) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  // Fewer, broader ropes: many thin ones side by side read as a row of
  // tubes rather than one mass of tissue.
  const int ropes = static_cast<int>(w * density / 11) + 2;
  for (int i = 0; i < ropes; ++i) {
    double sx = x + n.unit() * w;
    double sy = y - 10 + n.unit() * h * 0.3;
    double ey = y + h * n.range(0.55, 1.1);
    double wid = n.range(7, 15);
    double c1 = sx + n.range(-14, 14), c2 = sx + n.range(-14, 14), ex = sx + n.range(-8, 8);
    auto path = [&] {
      cairo_move_to(cr, sx, sy);
      cairo_curve_to(cr, c1, sy + (ey - sy) * 0.33, c2, sy + (ey - sy) * 0.66, ex, ey);
    };
    rgb(cr, 0.012, 0.01, 0.004);
    cairo_set_line_width(cr, wid + 2.5);
    path();
    cairo_stroke(cr);
    // Near-black olive-brown resin, shaded round across the tube: strokes
    // narrowing and lightening toward the lit upper left give a soft
    // gradient, dark enough that a tint keeps it flesh, never pale.
    double tone = n.range(0.035, 0.09);
    for (int k = 0; k < 4; ++k) {
      const double f = 1.0 - k * 0.22, lift = 1.0 + k * 0.3;
      cairo_save(cr);
      cairo_translate(cr, -wid * 0.09 * k, -wid * 0.03 * k);
      rgb(cr, tone * lift, tone * 0.92 * lift, tone * 0.5 * lift, k == 0 ? 1.0 : 0.55);
      cairo_set_line_width(cr, wid * f);
      path();
      cairo_stroke(cr);
      cairo_restore(cr);
    }
    // Faint ribbing across the rope where the resin set in layers.
    const double ribs[2] = {1.0, n.range(2.2, 3.4)};
    cairo_set_dash(cr, ribs, 2, n.range(0, 3));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    rgb(cr, 0.0, 0.0, 0.0, 0.22);
    cairo_set_line_width(cr, wid * 0.85);
    path();
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // Glossy resin: a soft sheen runs along the lit side of the tube,
    // strongest part way down where it turns to the light and fading at
    // both ends, dark enough that a tint keeps it tissue.
    auto lit_side = [&](double t0, double t1) {
      constexpr int steps = 10;
      for (int i = 0; i <= steps; ++i) {
        const double t = t0 + (t1 - t0) * i / steps;
        const double px = cubic_at(t, sx, c1, c2, ex) - wid * 0.26;
        const double py = sy + (ey - sy) * t - wid * 0.08;
        if (i == 0)
          cairo_move_to(cr, px, py);
        else
          cairo_line_to(cr, px, py);
      }
    };
    // The shadow side of the tube, away from the light, deepens toward
    // black so the rope reads round.
    cairo_save(cr);
    cairo_translate(cr, wid * 0.28, wid * 0.06);
    rgb(cr, 0.004, 0.003, 0.0, 0.3);
    cairo_set_line_width(cr, wid * 0.32);
    path();
    cairo_stroke(cr);
    cairo_restore(cr);
    // Wet light along the top of the tube: a broad soft sheen over most of
    // its length, and over part of it a long narrow glint, brightest where
    // the rope turns toward the lamps and fading out at both ends.
    const double g0 = n.range(0.05, 0.45), g1 = std::min(0.95, g0 + n.range(0.18, 0.35));
    auto fade_along = [&](double a0, double a1, double peak) {
      const double y0 = sy + (ey - sy) * a0, y1 = sy + (ey - sy) * a1;
      cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
      cairo_pattern_add_color_stop_rgba(p, 0, 0.95, 0.94, 0.86, 0);
      cairo_pattern_add_color_stop_rgba(p, 0.45, 0.95, 0.94, 0.86, peak);
      cairo_pattern_add_color_stop_rgba(p, 1, 0.95, 0.94, 0.86, 0);
      return p;
    };
    cairo_pattern_t* sheen = fade_along(0.0, 1.0, 0.04);
    cairo_set_source(cr, sheen);
    cairo_set_line_width(cr, std::max(1.4, wid * 0.24));
    lit_side(0.03, 0.97);
    cairo_stroke(cr);
    cairo_pattern_destroy(sheen);
    cairo_pattern_t* glint = fade_along(g0, g1, 0.75);
    cairo_set_source(cr, glint);
    cairo_set_line_width(cr, std::max(0.8, wid * 0.07));
    lit_side(g0, g1);
    cairo_stroke(cr);
    cairo_pattern_destroy(glint);
    // Now and then a bead of fluid sits on the rope: a dark rim below, a
    // bright wet core with a soft halo, bright in every channel.
    if (n.unit() < 0.35) {
      const double t = n.range(0.2, 0.85);
      const double px = cubic_at(t, sx, c1, c2, ex) - wid * 0.2;
      const double py = sy + (ey - sy) * t;
      const double r = std::max(1.5, wid * 0.17);
      paint::soft_oval(cr, px + r * 0.3, py + r * 0.5, 0, 1, 1.2, {0.0, 0.0, 0.0}, 0.7, 0, r * 1.3);
      glint_halo(cr, px, py, r * 1.6);
      cairo_pattern_t* b = cairo_pattern_create_radial(px - r * 0.35, py - r * 0.4, 0, px, py, r);
      cairo_pattern_add_color_stop_rgba(b, 0, 1.0, 1.0, 0.97, 1.0);
      cairo_pattern_add_color_stop_rgba(b, 0.35, 0.75, 0.73, 0.62, 0.85);
      cairo_pattern_add_color_stop_rgba(b, 1, 0.2, 0.18, 0.1, 0.6);
      cairo_set_source(cr, b);
      cairo_arc(cr, px, py, r, 0, 2 * M_PI);
      cairo_fill(cr);
      cairo_pattern_destroy(b);
    }
  }
  // Lumps and glossy nodules along the mass.
  const int lumps = static_cast<int>(w * h * density / 1400) + 1;
  for (int i = 0; i < lumps; ++i) {
    double lx = x + n.unit() * w, ly = y + n.unit() * h, r = n.range(3, 8);
    rgb(cr, 0.015, 0.012, 0.005);
    cairo_arc(cr, lx, ly, r + 1, 0, 2 * M_PI);
    cairo_fill(cr);
    // A broad wet sheen on the lump's lit shoulder rather than a pin of
    // white, which scattered over the mass reads as salt.
    cairo_pattern_t* p = cairo_pattern_create_radial(lx - r * 0.4, ly - r * 0.45, 0, lx, ly, r);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.5, 0.48, 0.4);
    cairo_pattern_add_color_stop_rgb(p, 0.18, 0.16, 0.14, 0.07);
    cairo_pattern_add_color_stop_rgb(p, 0.75, 0.04, 0.035, 0.015);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.012, 0.01, 0.004);
    cairo_set_source(cr, p);
    cairo_arc(cr, lx, ly, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  cairo_restore(cr);
}

}  // namespace contentgen::roomart
