// The hive walls: resin creeping over a panel, ribbed resin, and the hive
// wall of cavities, vertebra columns and ribcage arches.
#include "wall_tile_painters.h"

namespace contentgen::roomart::wall_tiles {

void resin_over_panel(cairo_t* cr, Noise& n, int w) {
  wall_plates(cr, n, w);
  sunken_plate(cr, 5, 100, w - 10, 3, 0.45, 1);
  // Growth creeping down from the ceiling on the left; the panel still shows.
  resin_mass(cr, n, 0, kTop - 4, w * 0.55, 150, 1.0);
  resin_mass(cr, n, w * 0.3, kTop - 4, w * 0.7, 50, 0.8);
  resin_rib(cr, 6, 30, 44, 70, 8, 4);
  resin_pod(cr, 14, 150, 6, 8);
}

void resin_ribs(cairo_t* cr, Noise& n, int w) {
  rgb(cr, 0.08, 0.07, 0.035);
  cairo_paint(cr);
  resin_mass(cr, n, 0, 0, w, kWallHeight, 1.3);
  for (int i = 0; i < 4; ++i) {
    double y = 40 + i * 36;
    resin_rib(cr, -4, y, w + 4, y + n.range(-6, 6), -14, 6);
  }
  resin_pod(cr, w * 0.35, 72, 8, 10);
  resin_pod(cr, w * 0.68, 140, 9, 11);
}

void hive_wall(cairo_t* cr, Noise& n, int w) {
  rgb(cr, 0.06, 0.05, 0.025);
  cairo_paint(cr);
  // Deep cavities first, then the mass over them.
  for (int i = 0; i < 6; ++i) {
    double cx = n.range(10, w - 10), cy = n.range(40, 170);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, 18);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
  }
  resin_mass(cr, n, 0, 0, w, kWallHeight, 1.1);
  // Columns of vertebra-like ridges.
  for (double x : {26.0, 78.0, 130.0}) {
    for (double y = 20; y < 190; y += 17) resin_rib(cr, x - 10, y, x + 10, y + 1, 5, 6);
    resin_rib(cr, x, 10, x + n.range(-6, 6), 196, 6, 3);
  }
  // Ribcage arches between the columns.
  for (int i = 0; i < 2; ++i) {
    double x0 = 30 + i * 52;
    for (int j = 0; j < 3; ++j) resin_rib(cr, x0, 60 + j * 30, x0 + 44, 66 + j * 30, 16, 4);
  }
  resin_pod(cr, 52, 168, 10, 12);
  resin_pod(cr, 106, 40, 8, 10);
  resin_pod(cr, 118, 170, 9, 11);
}

}  // namespace contentgen::roomart::wall_tiles
