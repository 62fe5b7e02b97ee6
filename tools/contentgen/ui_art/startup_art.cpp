// The small start-up window: its background (keyed on black), the centred
// button plate, the close box (two frames) and the error-message backdrop
// (the last three keyed on white).
#include <cmath>

#include "paint_kit/canvas.h"
#include "logotype.h"
#include "console_metal.h"
#include "ui_art.h"

namespace contentgen::ui {
namespace {

// 480 x 360. Buttons are drawn over it centred at x 240 on rows 109..165,
// 168..224, 227..283 (the renderer name) and 286..342; the close box at
// (457, 6). Black is the key colour, so nothing here is pure black.
Bytes sm_back() {
  Canvas c(480, 360);
  cairo_t* cr = c.cr();
  metal_plate(cr, 0, 0, 480, 360, 10, 121, {0.16, 0.175, 0.19});
  // Title bar.
  metal_plate(cr, 4, 3, 472, 24, 6, 122, {0.24, 0.26, 0.27});
  hazard_stripes(cr, 12, 9, 80, 12, 14, kConsoleHazard);
  bevel(cr, 12, 9, 80, 12, 1, 1, false);
  recess(cr, 454, 4, 22, 22, 3);
  // Logo.
  constexpr double kLogoScale = 0.46;
  draw_logotype(cr, 240 - kLogotypeWidth * kLogoScale / 2, 36, kLogoScale);
  phosphor_line(cr, 70, 94.5, 410, 94.5, 1.0, kPhosphorDim);
  // Bay behind the buttons.
  recess(cr, 74, 102, 332, 248, 8, {0.07, 0.08, 0.085});
  for (double y : {112.0, 340.0}) {
    rivet(cr, 62, y, 2.4);
    rivet(cr, 418, y, 2.4);
  }
  // Side vents.
  vent(cr, 20, 120, 34, 200, 10, false);
  vent(cr, 426, 120, 34, 200, 10, false);
  led(cr, 37, 336, 3, kPhosphor);
  led(cr, 443, 336, 3, {1.0, 0.7, 0.15});
  grime(c, 123, 0, 0, 480, 360, 1.0);
  speckle(c, 124, 0.05);
  // Keep the outline crisp: the rounded corners are keyed out.
  harden_alpha(c);
  return c.png(kBlack);
}

// Button plate (310 x 56, the size of each button's hit box), drawn tinted
// grey or white; the text sits on its dark inset, which the longest label
// ("CHANGE MODE", 290 px) fills from end to end, so it carries no marks.
Bytes sm_tab() {
  Canvas c(310, 56);
  cairo_t* cr = c.cr();
  metal_plate(cr, 0, 0, 310, 56, 9, 125, {0.34, 0.36, 0.37});
  recess(cr, 10, 8, 290, 40, 6, {0.07, 0.09, 0.08});
  for (double x : {5.0, 305.0}) rivet(cr, x, 28, 2.0);
  harden_alpha(c);
  return c.png(kWhite);
}

// Close box, two 17 x 17 frames: idle, then hovered (lit red).
Bytes sm_ticker() {
  Canvas c(34, 17);
  cairo_t* cr = c.cr();
  for (int f = 0; f < 2; ++f) {
    double x = f * 17;
    metal_plate(cr, x, 0, 17, 17, 3, 126 + f, f ? Rgb{0.40, 0.16, 0.12} : Rgb{0.28, 0.30, 0.31});
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (f) set_rgb(cr, {1.0, 0.55, 0.45}); else set_rgb(cr, {0.55, 0.85, 0.6});
    cairo_move_to(cr, x + 5, 5);
    cairo_line_to(cr, x + 12, 12);
    cairo_move_to(cr, x + 12, 5);
    cairo_line_to(cr, x + 5, 12);
    cairo_stroke(cr);
  }
  harden_alpha(c);
  return c.png(kWhite);
}

// Backdrop of the display-mode error (32 x 32, stretched to 460 x 55).
Bytes startblack() {
  Canvas c(32, 32);
  cairo_set_source_rgb(c.cr(), 0.02, 0.03, 0.025);
  cairo_paint(c.cr());
  return c.png(kWhite);
}

}  // namespace

void add_startup_art(Registry& reg) {
  reg.add(gfx("sm_back.png"), sm_back);
  reg.add(gfx("sm_tab.png"), sm_tab);
  reg.add(gfx("sm_ticker.png"), sm_ticker);
  reg.add(gfx("startblack.png"), startblack);
}

}  // namespace contentgen::ui
