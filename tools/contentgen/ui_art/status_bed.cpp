#include "status_bed.h"

#include "console_metal.h"

namespace contentgen::ui {

void draw_status_bed(cairo_t* cr, double trace_x0, double trace_x1, uint32_t seed) {
  double left = trace_x0 < -4 ? trace_x0 - 8 : -12;
  metal_plate(cr, left, -12, 388 - left, 356, 10, seed, {0.17, 0.185, 0.20});
  // Slots the name and credit plates sit in.
  recess(cr, -3, -3, 382, 62, 6);
  recess(cr, -3, 257, 382, 80, 6);
  // Heartbeat window with a faint measuring grid.
  double tw = trace_x1 - trace_x0;
  screen(cr, trace_x0, 62, tw, 192, 4, 0.10);
  cairo_save(cr);
  cairo_rectangle(cr, trace_x0 + 2, 64, tw - 4, 188);
  cairo_clip(cr);
  cairo_set_line_width(cr, 1);
  set_rgb(cr, kPhosphorDim, 0.45);
  for (double gx = trace_x0 + 10.5; gx < trace_x1; gx += 16) {
    cairo_move_to(cr, gx, 62);
    cairo_line_to(cr, gx, 254);
  }
  for (double gy = 70.5; gy < 254; gy += 16) {
    cairo_move_to(cr, trace_x0, gy);
    cairo_line_to(cr, trace_x1, gy);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  // Portrait bezel.
  metal_plate(cr, 89, 60, 196, 196, 6, seed + 3, {0.26, 0.28, 0.30});
  recess(cr, 94, 65, 186, 186, 2, kScreenBlack);
  for (double cx : {93.0, 281.0})
    for (double cy : {64.0, 252.0}) rivet(cr, cx, cy, 2.2);
  // Ammunition gauge well and its readout.
  recess(cr, 314, 62, 34, 179, 5);
  cairo_set_line_width(cr, 1);
  for (int i = 0; i <= 10; ++i) {
    double ty = 239.5 - i * 17.2;
    set_rgb(cr, kPhosphorDim, i % 5 == 0 ? 0.9 : 0.55);
    cairo_move_to(cr, 349, ty);
    cairo_line_to(cr, i % 5 == 0 ? 357 : 354, ty);
    cairo_stroke(cr);
  }
  screen(cr, 302, 243, 58, 14, 3, 0.08);
  for (double rx : {-4.0, 380.0}) {
    rivet(cr, rx, -4, 2.6);
    rivet(cr, rx, 336, 2.6);
  }
}

}  // namespace contentgen::ui
