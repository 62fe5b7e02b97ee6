#include "console_metal.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace contentgen::ui {

void metal_plate(cairo_t* cr, double x, double y, double w, double h, double r, uint32_t seed,
                 Rgb base) {
  cairo_save(cr);
  rounded_rect(cr, x, y, w, h, r);
  cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x, y + h);
  Rgb top = scaled(base, 1.30), bottom = scaled(base, 0.72);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 0.45, base.r, base.g, base.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_clip(cr);
  // Brushed streaks: thin horizontal lines of random length and shade.
  Noise n(seed * 7919u + 13u);
  int streaks = static_cast<int>(w * h / 260) + 4;
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < streaks; ++i) {
    double sy = std::floor(y + n.unit() * h) + 0.5;
    double sx = x + n.unit() * w;
    double len = 8 + n.unit() * w * 0.35;
    bool light = n.unit() < 0.5;
    cairo_set_source_rgba(cr, light ? 1 : 0, light ? 1 : 0, light ? 1 : 0, 0.025 + n.unit() * 0.03);
    cairo_move_to(cr, sx, sy);
    cairo_line_to(cr, sx + len, sy);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  bevel(cr, x, y, w, h, r, 1.5, true);
}

void bevel(cairo_t* cr, double x, double y, double w, double h, double r, double width,
           bool raised) {
  cairo_save(cr);
  double hw = width / 2;
  rounded_rect(cr, x + hw, y + hw, w - width, h - width, std::max(0.0, r - hw));
  cairo_set_line_width(cr, width);
  // Light from the upper left: a diagonal gradient across the outline.
  cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + w * 0.35, y + h);
  double la = raised ? 0.38 : 0.0, da = raised ? 0.0 : 0.55;
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, la);
  cairo_pattern_add_color_stop_rgba(g, 0.5, 0.5, 0.5, 0.5, 0.0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, raised ? 0.6 : 0.0);
  cairo_set_source(cr, g);
  cairo_stroke_preserve(cr);
  cairo_pattern_destroy(g);
  if (!raised) {
    cairo_pattern_t* s = cairo_pattern_create_linear(x, y, x + w * 0.35, y + h);
    cairo_pattern_add_color_stop_rgba(s, 0, 0, 0, 0, da);
    cairo_pattern_add_color_stop_rgba(s, 0.5, 0, 0, 0, 0.0);
    cairo_pattern_add_color_stop_rgba(s, 1, 1, 1, 1, 0.22);
    cairo_set_source(cr, s);
    cairo_stroke(cr);
    cairo_pattern_destroy(s);
  }
  cairo_new_path(cr);
  cairo_restore(cr);
}

void recess(cairo_t* cr, double x, double y, double w, double h, double r, Rgb fill) {
  cairo_save(cr);
  rounded_rect(cr, x, y, w, h, r);
  set_rgb(cr, fill);
  cairo_fill_preserve(cr);
  cairo_clip(cr);
  // Inner shadow along the top and the left.
  cairo_pattern_t* t = cairo_pattern_create_linear(x, y, x, y + std::min(10.0, h / 2));
  cairo_pattern_add_color_stop_rgba(t, 0, 0, 0, 0, 0.55);
  cairo_pattern_add_color_stop_rgba(t, 1, 0, 0, 0, 0);
  cairo_set_source(cr, t);
  cairo_paint(cr);
  cairo_pattern_destroy(t);
  cairo_pattern_t* l = cairo_pattern_create_linear(x, y, x + std::min(8.0, w / 2), y);
  cairo_pattern_add_color_stop_rgba(l, 0, 0, 0, 0, 0.4);
  cairo_pattern_add_color_stop_rgba(l, 1, 0, 0, 0, 0);
  cairo_set_source(cr, l);
  cairo_paint(cr);
  cairo_pattern_destroy(l);
  cairo_restore(cr);
  bevel(cr, x - 1, y - 1, w + 2, h + 2, r + 1, 1.5, false);
}

void screen(cairo_t* cr, double x, double y, double w, double h, double r, double glow) {
  recess(cr, x, y, w, h, r, kScreenBlack);
  cairo_save(cr);
  rounded_rect(cr, x + 1, y + 1, w - 2, h - 2, r);
  cairo_clip(cr);
  double cx = x + w / 2, cy = y + h / 2;
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, std::max(w, h) * 0.6);
  cairo_pattern_add_color_stop_rgba(g, 0, kPhosphor.r, kPhosphor.g, kPhosphor.b, glow);
  cairo_pattern_add_color_stop_rgba(g, 1, kPhosphor.r, kPhosphor.g, kPhosphor.b, 0);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
  for (double sy = std::floor(y) + 1; sy < y + h; sy += 3) cairo_rectangle(cr, x, sy, w, 1);
  cairo_fill(cr);
  cairo_restore(cr);
}

void rivet(cairo_t* cr, double x, double y, double radius) {
  cairo_save(cr);
  cairo_arc(cr, x + 0.6, y + 0.8, radius + 0.6, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
  cairo_fill(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(x - radius * 0.35, y - radius * 0.4, radius * 0.1,
                                                   x, y, radius);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.78, 0.80, 0.80);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.40, 0.43, 0.45);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.14, 0.15, 0.16);
  cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void screw(cairo_t* cr, double x, double y, double radius, double angle) {
  rivet(cr, x, y, radius);
  // The slot: a dark cut across the head with a lit lower lip.
  cairo_save(cr);
  const double dx = std::cos(angle) * radius * 0.8, dy = std::sin(angle) * radius * 0.8;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_width(cr, std::max(0.7, radius * 0.38));
  cairo_set_source_rgba(cr, 0.03, 0.03, 0.035, 0.95);
  cairo_move_to(cr, x - dx, y - dy);
  cairo_line_to(cr, x + dx, y + dy);
  cairo_stroke(cr);
  cairo_set_line_width(cr, std::max(0.4, radius * 0.14));
  cairo_set_source_rgba(cr, 0.85, 0.87, 0.87, 0.5);
  cairo_move_to(cr, x - dx + 0.35, y - dy + 0.45);
  cairo_line_to(cr, x + dx + 0.35, y + dy + 0.45);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void vent(cairo_t* cr, double x, double y, double w, double h, int slots, bool vertical) {
  for (int i = 0; i < slots; ++i) {
    if (vertical) {
      double pitch = w / slots;
      recess(cr, x + i * pitch + pitch * 0.25, y, pitch * 0.5, h, pitch * 0.25, {0.03, 0.035, 0.04});
    } else {
      double pitch = h / slots;
      recess(cr, x, y + i * pitch + pitch * 0.25, w, pitch * 0.5, pitch * 0.25, {0.03, 0.035, 0.04});
    }
  }
}

void phosphor_line(cairo_t* cr, double x1, double y1, double x2, double y2, double width,
                   Rgb colour) {
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 3; ++pass) {
    double lw = width * (pass == 0 ? 3.2 : pass == 1 ? 1.8 : 1.0);
    double a = pass == 0 ? 0.18 : pass == 1 ? 0.35 : 1.0;
    Rgb c = pass == 2 ? mix(colour, {1, 1, 1}, 0.35) : colour;
    set_rgb(cr, c, a);
    cairo_set_line_width(cr, lw);
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void led(cairo_t* cr, double x, double y, double radius, Rgb colour) {
  cairo_save(cr);
  cairo_pattern_t* halo = cairo_pattern_create_radial(x, y, 0, x, y, radius * 2.6);
  cairo_pattern_add_color_stop_rgba(halo, 0, colour.r, colour.g, colour.b, 0.45);
  cairo_pattern_add_color_stop_rgba(halo, 1, colour.r, colour.g, colour.b, 0);
  cairo_set_source(cr, halo);
  cairo_arc(cr, x, y, radius * 2.6, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(halo);
  cairo_arc(cr, x, y, radius + 0.8, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.03, 0.03, 0.03);
  cairo_fill(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(x - radius * 0.3, y - radius * 0.3, 0, x, y, radius);
  Rgb hi = mix(colour, {1, 1, 1}, 0.6);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 1, colour.r * 0.6, colour.g * 0.6, colour.b * 0.6);
  cairo_set_source(cr, g);
  cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void grime(Canvas& c, uint32_t seed, int x, int y, int w, int h, double amount) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  // Draw only onto what is already painted.
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  Noise n(seed * 2654435761u + 99u);
  int blobs = static_cast<int>(w * h / 2600.0 * amount) + 2;
  for (int i = 0; i < blobs; ++i) {
    double bx = x + n.unit() * w, by = y + n.unit() * h;
    double rad = 6 + n.unit() * 34;
    double a = (0.10 + n.unit() * 0.16) * std::min(1.0, amount);
    cairo_pattern_t* g = cairo_pattern_create_radial(bx, by, 0, bx, by, rad);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.05, 0.04, 0.02, a);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.05, 0.04, 0.02, 0);
    cairo_set_source(cr, g);
    cairo_save(cr);
    cairo_translate(cr, bx, by);
    cairo_scale(cr, 1.0, 0.4 + n.unit() * 0.8);
    cairo_translate(cr, -bx, -by);
    cairo_arc(cr, bx, by, rad, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  // A few drip streaks running down.
  int drips = static_cast<int>(w / 120.0 * amount) + 1;
  for (int i = 0; i < drips; ++i) {
    double dx = x + n.unit() * w, dy = y + n.unit() * h * 0.6;
    double len = 10 + n.unit() * h * 0.4;
    cairo_pattern_t* g = cairo_pattern_create_linear(dx, dy, dx, dy + len);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.04, 0.03, 0.02, 0.22);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.04, 0.03, 0.02, 0);
    cairo_set_source(cr, g);
    cairo_rectangle(cr, std::floor(dx), dy, 1 + (n.unit() < 0.4 ? 1 : 0), len);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  cairo_restore(cr);
}

void speckle(Canvas& c, uint32_t seed, double strength) {
  Noise n(seed * 40503u + 7u);
  paint::each_pixel(c, [&](int, int, uint32_t& p) {
    double k = 1.0 + (n.unit() - 0.5) * 2 * strength;
    int a = static_cast<int>(p >> 24);
    uint32_t out = p & 0xFF000000u;
    for (int shift : {0, 8, 16}) {
      int v = static_cast<int>(paint::channel(p, shift) * k + 0.5);
      out |= static_cast<uint32_t>(std::clamp(v, 0, a)) << shift;
    }
    p = out;
  });
}

}  // namespace contentgen::ui
