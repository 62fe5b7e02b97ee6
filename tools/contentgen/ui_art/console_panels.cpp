// The parts of the console drawn over the frame: member tabs, the status
// panel's plates, gauges and trace dots, the hearts and the side panels.
#include <algorithm>
#include <cmath>

#include "paint_kit/canvas.h"
#include "paint_kit/pixels.h"
#include "console_metal.h"
#include "ui_art.h"

namespace contentgen::ui {
namespace {

enum class TabKind { Camera, Plain, Controlled };

// A member tab in one-player units (273 x 132); the two-player tabs are the
// same drawing scaled to 170 x 82, which keeps every inner position within
// a pixel of where the two-player layout puts names, bars and hearts.
void draw_tab(cairo_t* cr, TabKind kind) {
  bool lit = kind == TabKind::Controlled;
  // The controlled member's plate is darker, so the tint it is drawn with
  // deepens it instead of turning it muddy, and a near-white rim marks it.
  Rgb base = lit ? Rgb{0.12, 0.13, 0.14} : Rgb{0.20, 0.215, 0.23};
  metal_plate(cr, 0, 0, 273, 132, 8, lit ? 71 : 72, base);
  if (kind == TabKind::Camera) {
    // Name strip, room number readout, stamina and heart wells, camera.
    recess(cr, 3, 3, 198, 27, 4, {0.09, 0.10, 0.105});
    // The room readout: an unlit well, so the warm digits drawn in it
    // stand on black rather than on green.
    recess(cr, 204, 4, 65, 26, 3, {0.012, 0.014, 0.016});
    recess(cr, 3, 31, 202, 18, 3);
    recess(cr, 205, 32, 64, 16, 3);
    screen(cr, 5, 50, 263, 77, 3, 0.06);
    // Corner brackets of the camera window.
    cairo_set_line_width(cr, 1.5);
    set_rgb(cr, kPhosphor, 0.7);
    double x0 = 8, y0 = 53, x1 = 265, y1 = 124, k = 10;
    cairo_move_to(cr, x0, y0 + k); cairo_line_to(cr, x0, y0); cairo_line_to(cr, x0 + k, y0);
    cairo_move_to(cr, x1 - k, y0); cairo_line_to(cr, x1, y0); cairo_line_to(cr, x1, y0 + k);
    cairo_move_to(cr, x1, y1 - k); cairo_line_to(cr, x1, y1); cairo_line_to(cr, x1 - k, y1);
    cairo_move_to(cr, x0 + k, y1); cairo_line_to(cr, x0, y1); cairo_line_to(cr, x0, y1 - k);
    cairo_stroke(cr);
    led(cr, 258, 60, 2.2, {1.0, 0.2, 0.1});
  } else {
    recess(cr, 8, 7, 257, 33, 5, {0.09, 0.10, 0.105});
    screen(cr, 84, 50, 104, 42, 4, lit ? 0.16 : 0.08);
    recess(cr, 9, 104, 178, 20, 3);
    recess(cr, 197, 104, 68, 18, 3);
    vent(cr, 16, 52, 56, 40, 5, true);
    vent(cr, 201, 52, 56, 40, 5, true);
    for (double x : {8.0, 265.0}) rivet(cr, x, 98, 2.2);
    if (lit) {
      // The controlled member's tab: a near-white rim and corner chevrons.
      rounded_rect(cr, 2, 2, 269, 128, 7);
      cairo_set_line_width(cr, 2.4);
      cairo_set_source_rgb(cr, 0.93, 0.95, 0.94);
      cairo_stroke(cr);
      for (int side = 0; side < 2; ++side) {
        double cx = side == 0 ? 78 : 195;
        double dir = side == 0 ? -1 : 1;
        cairo_move_to(cr, cx, 62);
        cairo_line_to(cr, cx + dir * 8, 71);
        cairo_line_to(cr, cx, 80);
        set_rgb(cr, kPhosphor);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
      }
    }
  }
  for (double x : {6.0, 267.0}) {
    rivet(cr, x, 6, 1.8);
    rivet(cr, x, 126, 1.8);
  }
}

// The camera window as it shows with no picture fed to it: a dead screen
// rather than a flat green box. Faint green snow, a soft brighter roll bar
// a third of the way down and a vignette that darkens the corners, over
// the scan lines already drawn. One pass over the window's pixels.
void idle_feed(Canvas& c, int x0, int y0, int w, int h, uint32_t seed) {
  Noise n(seed);
  paint::each_pixel(c, x0, y0, w, h, [&](int x, int y, uint32_t& p) {
    const double u = (x - x0 + 0.5) / w * 2 - 1, v = (y - y0 + 0.5) / h * 2 - 1;
    const double u2 = u * u, v2 = v * v;
    const double vignette = 1 - 0.6 * std::min(1.0, 0.55 * u2 * u2 + 0.8 * v2 * v2 + 0.35 * u2 * v2);
    const double bar = (v + 0.35) / 0.18;
    const double roll = 0.05 * std::exp(-bar * bar);
    const double grain = n.unit();
    // Most pixels stay dark; a few catch a fleck of snow.
    const double snow = roll + (grain > 0.9 ? (grain - 0.9) * 1.6 : grain * 0.035);
    const int a = static_cast<int>(p >> 24);
    uint32_t out = p & 0xFF000000u;
    const double tint[3] = {kPhosphor.b, kPhosphor.g, kPhosphor.r};  // byte order B, G, R
    for (int i = 0; i < 3; ++i) {
      const double base = paint::channel(p, 8 * i) * vignette;
      const int value = static_cast<int>(base + 255 * snow * (0.35 + 0.65 * tint[i]) * vignette + 0.5);
      out |= static_cast<uint32_t>(std::clamp(value, 0, a)) << (8 * i);
    }
    p = out;
  });
}

// The camera window's standby plate, laid over the dead screen in tab
// units: a faint range grid, a signal ladder with one rung lit and a
// bio-monitor filling the right half, its heart trace large enough to read
// as a pulse, all above the strip the console lays across the window's
// foot. The grid stays dim so a live feed or the text drawn over it reads
// first; the trace and the one word (standby_word) are the bright parts.
void standby_plate(cairo_t* cr) {
  cairo_save(cr);
  cairo_rectangle(cr, 6, 51, 261, 75);
  cairo_clip(cr);
  // Range grid, a little brighter through the middle lines.
  cairo_set_line_width(cr, 1);
  for (int i = 1; i < 12; ++i) {
    const double x = std::round(6 + i * 261 / 12.0) + 0.5;
    set_rgb(cr, kPhosphor, i == 6 ? 0.13 : 0.06);
    cairo_move_to(cr, x, 51), cairo_line_to(cr, x, 126);
    cairo_stroke(cr);
  }
  for (int j = 1; j < 5; ++j) {
    const double y = std::round(51 + j * 15.0) + 0.5;
    set_rgb(cr, kPhosphor, j == 2 ? 0.13 : 0.06);
    cairo_move_to(cr, 6, y), cairo_line_to(cr, 267, y);
    cairo_stroke(cr);
  }
  // The signal ladder under the word, one rung lit.
  for (int i = 0; i < 5; ++i) {
    set_rgb(cr, kPhosphor, i == 0 ? 0.85 : 0.22);
    cairo_rectangle(cr, 16 + i * 9, 104 - 3 * i, 6, 4 + 3 * i);
    cairo_fill(cr);
  }
  // The bio-monitor: a framed inset, scan lines, a heart trace fading
  // toward its old end, and the bright dot where it is being written.
  const double mx = 128, my = 56, mw = 134, mh = 52;
  rounded_rect(cr, mx, my, mw, mh, 3);
  cairo_set_source_rgba(cr, 0.0, 0.03, 0.015, 0.85);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1.2);
  set_rgb(cr, kPhosphorDim, 0.9);
  cairo_stroke(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  for (double y = my + 2; y < my + mh - 1; y += 2) cairo_rectangle(cr, mx + 1, y, mw - 2, 1);
  cairo_fill(cr);
  const double base = my + 34;
  auto beat = [&](double x0) {
    // One beat, 40 wide: a small rise, the sharp spike and its dip, a
    // slow swell.
    cairo_line_to(cr, x0 + 6, base);
    cairo_curve_to(cr, x0 + 8, base - 4, x0 + 11, base - 4, x0 + 13, base);
    cairo_line_to(cr, x0 + 17, base);
    cairo_line_to(cr, x0 + 20, base - 28);
    cairo_line_to(cr, x0 + 23.5, base + 10);
    cairo_line_to(cr, x0 + 26, base);
    cairo_line_to(cr, x0 + 29, base);
    cairo_curve_to(cr, x0 + 32, base - 7, x0 + 37, base - 7, x0 + 40, base);
  };
  cairo_move_to(cr, mx + 4, base);
  beat(mx + 4);
  beat(mx + 44);
  beat(mx + 84);
  cairo_line_to(cr, mx + 128, base);
  cairo_path_t* trace = cairo_copy_path(cr);
  cairo_pattern_t* fade = cairo_pattern_create_linear(mx, 0, mx + mw, 0);
  cairo_pattern_add_color_stop_rgba(fade, 0, kPhosphor.r, kPhosphor.g, kPhosphor.b, 0.06);
  cairo_pattern_add_color_stop_rgba(fade, 1, kPhosphor.r, kPhosphor.g, kPhosphor.b, 0.22);
  cairo_set_source(cr, fade);
  cairo_set_line_width(cr, 4.5);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_append_path(cr, trace);
  cairo_pattern_destroy(fade);
  fade = cairo_pattern_create_linear(mx, 0, mx + mw, 0);
  cairo_pattern_add_color_stop_rgba(fade, 0, kPhosphor.r, kPhosphor.g, kPhosphor.b, 0.25);
  cairo_pattern_add_color_stop_rgba(fade, 1, kPhosphor.r, kPhosphor.g, kPhosphor.b, 1.0);
  cairo_set_source(cr, fade);
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  cairo_pattern_destroy(fade);
  cairo_path_destroy(trace);
  led(cr, mx + 128, base, 2.0, kPhosphor);
  cairo_restore(cr);
}

// The standby plate's one word, set in device pixels so it stays a crisp,
// readable size on the small two-player tab instead of shrinking with the
// drawing: capitals 10 pixels high on the one-player tab, 8 on the other,
// hinted to whole pixels, over a dark bed that parts it from the grid.
void standby_word(cairo_t* cr, double sx, double sy, bool two_players) {
  cairo_save(cr);
  cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_font_options_t* o = cairo_font_options_create();
  cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_FULL);
  cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_ON);
  cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, o);
  cairo_font_options_destroy(o);
  cairo_set_font_size(cr, two_players ? 11.5 : 14);
  const char* word = "STANDBY";
  cairo_text_extents_t e;
  cairo_text_extents(cr, word, &e);
  const double x = std::round(14 * sx), y = std::round(84 * sy);
  cairo_set_source_rgba(cr, 0, 0.02, 0.01, 0.8);
  cairo_rectangle(cr, x - 3, y + e.y_bearing - 3, e.x_advance + 5, e.height + 6);
  cairo_fill(cr);
  set_rgb(cr, kPhosphor, 0.95);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, word);
  cairo_restore(cr);
}

Bytes tab(TabKind kind, bool two_players) {
  int w = two_players ? 170 : 273, h = two_players ? 82 : 132;
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_scale(cr, w / 273.0, h / 132.0);
  draw_tab(cr, kind);
  cairo_identity_matrix(cr);
  grime(c, 73 + static_cast<uint32_t>(kind) + (two_players ? 10 : 0), 0, 0, w, h, 0.6);
  speckle(c, 74, 0.04);
  if (kind == TabKind::Camera) {
    const double sx = w / 273.0, sy = h / 132.0;
    idle_feed(c, static_cast<int>(std::ceil(6 * sx)), static_cast<int>(std::ceil(51 * sy)),
              static_cast<int>(261 * sx), static_cast<int>(75 * sy), two_players ? 77 : 76);
    cairo_scale(cr, sx, sy);
    standby_plate(cr);
    cairo_identity_matrix(cr);
    standby_word(cr, sx, sy, two_players);
  }
  harden_alpha(c);
  return c.png();
}

// Plate behind the member's name (376 x 56) and behind the credit points
// (376 x 74): a green-black display inside a bevelled frame.
Bytes display_plate(int w, int h, uint32_t seed) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  metal_plate(cr, 0, 0, w, h, 6, seed, {0.25, 0.27, 0.28});
  screen(cr, 8, 6, w - 16, h - 12, 4, 0.10);
  for (double x : {4.0, w - 4.0}) {
    rivet(cr, x, 6, 1.8);
    rivet(cr, x, h - 6, 1.8);
  }
  // Faint registration ticks at the display's ends.
  cairo_set_line_width(cr, 1);
  set_rgb(cr, kPhosphorDim, 0.8);
  for (double x : {16.5, w - 16.5}) {
    cairo_move_to(cr, x, 12);
    cairo_line_to(cr, x, h - 12);
  }
  cairo_stroke(cr);
  harden_alpha(c);
  return c.png();
}

// The trim under the name plate (79 x 8), drawn twice and mirrored twice:
// a green rule that ends in a bracket towards the panel's middle.
Bytes viiva() {
  Canvas c(79, 8);
  cairo_t* cr = c.cr();
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 79, 0);
  cairo_pattern_add_color_stop_rgba(g, 0, kPhosphor.r, kPhosphor.g, kPhosphor.b, 1.0);
  cairo_pattern_add_color_stop_rgba(g, 1, kPhosphor.r, kPhosphor.g, kPhosphor.b, 0.7);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, 3, 79, 2);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  set_rgb(cr, kPhosphorDim);
  cairo_rectangle(cr, 0, 5, 79, 1);
  cairo_fill(cr);
  // Ticks every 13 pixels.
  set_rgb(cr, kPhosphor);
  for (int x = 2; x < 76; x += 13) cairo_rectangle(cr, x, 1, 2, 2);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 0, 2, 8);
  cairo_fill(cr);
  harden_alpha(c);
  return c.png();
}

// One row of the heartbeat trace (tinted yellow): a bright dash.
Bytes trace_dot(int w, int h) {
  Canvas c(w, h);
  cairo_t* cr = c.cr();
  cairo_set_source_rgb(cr, 0.82, 0.82, 0.82);
  cairo_paint(cr);
  cairo_rectangle(cr, 1, 0, w - 2, h);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
  return c.png();
}

// Gauges. The empty ones are drawn in white, the fills tinted from red to
// green and stretched by the ratio about their handle.
Bytes stamina_empty() {
  Canvas c(198, 14);
  cairo_t* cr = c.cr();
  rounded_rect(cr, 0, 0, 198, 14, 3);
  set_rgb(cr, {0.45, 0.48, 0.50});
  cairo_fill(cr);
  recess(cr, 2, 2, 194, 10, 1, {0.05, 0.06, 0.06});
  cairo_set_line_width(cr, 1);
  cairo_set_source_rgba(cr, 0.3, 0.5, 0.35, 0.5);
  for (int i = 1; i < 10; ++i) {
    cairo_move_to(cr, 2 + i * 19.4 + 0.5, 3);
    cairo_line_to(cr, 2 + i * 19.4 + 0.5, 11);
  }
  cairo_stroke(cr);
  harden_alpha(c);
  return c.png();
}

Bytes stamina_fill() {
  Canvas c(194, 10);
  cairo_t* cr = c.cr();
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 10);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(g, 0.35, 0.88, 0.88, 0.88);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.48, 0.48, 0.48);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  for (int i = 1; i < 10; ++i) cairo_rectangle(cr, std::floor(i * 19.4), 0, 1, 10);
  cairo_fill(cr);
  return c.png();
}

Bytes ammo_empty() {
  Canvas c(24, 174);
  cairo_t* cr = c.cr();
  rounded_rect(cr, 0, 0, 24, 174, 4);
  set_rgb(cr, {0.45, 0.48, 0.50});
  cairo_fill(cr);
  recess(cr, 3, 3, 18, 168, 2, {0.05, 0.06, 0.06});
  cairo_set_source_rgba(cr, 0.3, 0.5, 0.35, 0.5);
  for (int i = 1; i < 12; ++i) cairo_rectangle(cr, 4, 171 - i * 14, 16, 1);
  cairo_fill(cr);
  harden_alpha(c);
  return c.png();
}

// The ammunition fill shares the empty gauge's size and handle (12, 174):
// it fills the well inside the frame, so stretched by the ratio it rises
// from the bottom.
Bytes ammo_fill() {
  Canvas c(24, 174);
  cairo_t* cr = c.cr();
  cairo_pattern_t* g = cairo_pattern_create_linear(4, 0, 20, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.55, 0.55, 0.55);
  cairo_pattern_add_color_stop_rgb(g, 0.35, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.5, 0.5, 0.5);
  cairo_rectangle(cr, 4, 3, 16, 168);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.4);
  for (int i = 1; i < 12; ++i) cairo_rectangle(cr, 4, 171 - i * 14, 16, 2);
  cairo_fill(cr);
  return c.png();
}

void heart_shape(cairo_t* cr, double cx, double cy, double s) {
  cairo_move_to(cr, cx, cy + 0.42 * s);
  cairo_curve_to(cr, cx - 0.55 * s, cy + 0.05 * s, cx - 0.55 * s, cy - 0.42 * s, cx - 0.25 * s,
                 cy - 0.42 * s);
  cairo_curve_to(cr, cx - 0.08 * s, cy - 0.42 * s, cx, cy - 0.3 * s, cx, cy - 0.22 * s);
  cairo_curve_to(cr, cx, cy - 0.3 * s, cx + 0.08 * s, cy - 0.42 * s, cx + 0.25 * s, cy - 0.42 * s);
  cairo_curve_to(cr, cx + 0.55 * s, cy - 0.42 * s, cx + 0.55 * s, cy + 0.05 * s, cx, cy + 0.42 * s);
  cairo_close_path(cr);
}

// Health hearts: frame f shows f + 1 hearts, one per cell-fifth.
Bytes hearts(int cellw, int cellh) {
  Canvas c(cellw * 5, cellh);
  cairo_t* cr = c.cr();
  double pitch = cellw / 5.0;
  for (int f = 0; f < 5; ++f)
    for (int i = 0; i <= f; ++i) {
      // A heart is 0.9 s wide and 0.84 s tall plus its outline; it fills
      // its fifth of the cell with a pixel to spare, so neighbours never
      // touch and frames never show part of one.
      double line = cellh >= 12 ? 1.2 : 0.8;
      double cx = f * cellw + pitch * (i + 0.5), cy = cellh / 2.0 + 0.5;
      double s = std::min((cellh - line - 0.8) / 0.84, (pitch - line - 0.9) / 0.9);
      heart_shape(cr, cx, cy, s);
      cairo_set_source_rgb(cr, 0.12, 0.12, 0.12);
      cairo_set_line_width(cr, line);
      cairo_stroke_preserve(cr);
      cairo_pattern_t* g = cairo_pattern_create_radial(cx - s * 0.18, cy - s * 0.2, 0, cx, cy, s * 0.6);
      cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
      cairo_pattern_add_color_stop_rgb(g, 1, 0.62, 0.62, 0.62);
      cairo_set_source(cr, g);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
    }
  harden_alpha(c);
  return c.png();
}

// Side panel that slides in from the left (422 x 275). Its body is 390
// wide so that the two panels meet edge to edge in the middle of the view
// when both are open; the last 32 columns stay transparent.
void draw_slider(Canvas& c) {
  cairo_t* cr = c.cr();
  metal_plate(cr, 0, 0, 390, 275, 0, 81, {0.16, 0.175, 0.19});
  // Horizontal ribs.
  for (double y = 8; y < 270; y += 46)
    metal_plate(cr, 6, y, 346, 4, 1, 82 + static_cast<uint32_t>(y), {0.25, 0.27, 0.28});
  // Bands behind the two headings and wells behind the counters.
  for (double y : {14.0, 138.0}) {
    recess(cr, 14, y, 332, 46, 6, {0.06, 0.07, 0.07});
    phosphor_line(cr, 24, y + 43, 336, y + 43, 0.8, kPhosphorDim);
  }
  for (double y : {62.0, 186.0}) recess(cr, 92, y, 176, 70, 8, {0.08, 0.09, 0.09});
  // Leading edge: hazard stripes and a heavy lip.
  hazard_stripes(cr, 358, 0, 26, 275, 22, kConsoleHazard);
  cairo_pattern_t* g = cairo_pattern_create_linear(384, 0, 390, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.42, 0.45, 0.47);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.06, 0.06, 0.07);
  cairo_rectangle(cr, 384, 0, 6, 275);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  for (double y = 24; y < 275; y += 56) {
    rivet(cr, 352, y, 2.4);
    rivet(cr, 40, y + 28, 2.0);
  }
  grime(c, 83, 0, 0, 390, 275, 1.1);
  speckle(c, 84, 0.05);
  harden_alpha(c);
}

Bytes slider(bool right) {
  Canvas c(422, 275);
  draw_slider(c);
  if (right) mirror_horizontally(c);
  return c.png();
}

// Counter well on the side panels (164 x 64, handle (82, 0)).
Bytes pausetab() {
  Canvas c(164, 64);
  cairo_t* cr = c.cr();
  metal_plate(cr, 0, 0, 164, 64, 7, 85, {0.27, 0.29, 0.30});
  screen(cr, 7, 6, 150, 52, 4, 0.12);
  for (double x : {4.0, 160.0}) {
    rivet(cr, x, 5, 1.6);
    rivet(cr, x, 59, 1.6);
  }
  harden_alpha(c);
  return c.png();
}

}  // namespace

void add_console_panels(Registry& reg) {
  reg.add(gfx("tab.png"), [] { return tab(TabKind::Camera, false); });
  reg.add(gfx("tabx.png"), [] { return tab(TabKind::Plain, false); });
  reg.add(gfx("tabz.png"), [] { return tab(TabKind::Controlled, false); });
  reg.add(gfx("tab2.png"), [] { return tab(TabKind::Camera, true); });
  reg.add(gfx("tab2x.png"), [] { return tab(TabKind::Plain, true); });
  reg.add(gfx("tab2z.png"), [] { return tab(TabKind::Controlled, true); });
  reg.add(gfx("nametab.png"), [] { return display_plate(376, 56, 91); });
  reg.add(gfx("scoretab.png"), [] { return display_plate(376, 74, 92); });
  reg.add(gfx("viiva.png"), viiva);
  reg.add(gfx("piste.png"), [] { return trace_dot(4, 2); });
  reg.add(gfx("piste2.png"), [] { return trace_dot(3, 2); });
  reg.add(gfx("bar_stx.png"), stamina_empty);
  reg.add(gfx("bar_st.png"), stamina_fill);
  reg.add(gfx("bar_amx.png"), ammo_empty);
  reg.add(gfx("bar_am.png"), ammo_fill);
  reg.add(gfx("heart.png"), [] { return hearts(60, 12); });
  reg.add(gfx("heart2.png"), [] { return hearts(36, 8); });
  reg.add(gfx("slider_left.png"), [] { return slider(false); });
  reg.add(gfx("slider_right.png"), [] { return slider(true); });
  reg.add(gfx("pausetab.png"), pausetab);
}

}  // namespace contentgen::ui
