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

// Soft swellings and hollows a tile wide, under the resin: the wall's value
// changes over large shapes, lighter where the tissue bulges toward the
// light and black in the hollows, so a row of tiles shows no small repeat.
// The bulges stay dark tissue, never a pale tone a tint turns to candy.
void tissue_swell(cairo_t* cr, double cx, double cy, double r, double v, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.2, cy - r * 0.25, 0, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(p, 0, v, v * 0.9, v * 0.6, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, v, v * 0.9, v * 0.6, 0);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
}

void resin_ribs(cairo_t* cr, Noise& n, int w) {
  rgb(cr, 0.08, 0.07, 0.035);
  cairo_paint(cr);
  tissue_swell(cr, w * 0.3, 60, 40, 0.3, 0.7);
  tissue_swell(cr, w * 0.75, 150, 34, 0.0, 0.8);
  resin_mass(cr, n, 0, 0, w, kWallHeight, 1.3);
  // Three heavy ribs at uneven heights rather than a ladder of thin ones.
  for (double y : {44.0, 98.0, 168.0}) resin_rib(cr, -4, y, w + 4, y + n.range(-5, 5), -18, 9);
  resin_pod(cr, w * 0.62, 128, 13, 17);
}

void hive_wall(cairo_t* cr, Noise& n, int w) {
  rgb(cr, 0.06, 0.05, 0.025);
  cairo_paint(cr);
  // Large hollows and swellings first, then the mass over them.
  for (int i = 0; i < 4; ++i) tissue_swell(cr, n.range(10, w - 10), n.range(30, 180), n.range(26, 34), 0.0, 1.0);
  tissue_swell(cr, w * 0.22, 70, 38, 0.3, 0.7);
  tissue_swell(cr, w * 0.7, 150, 44, 0.28, 0.65);
  resin_mass(cr, n, 0, 0, w, kWallHeight, 1.1);
  // Two thick tissue columns ribbed like vertebrae, the ribs far apart and
  // of uneven size.
  for (double x : {34.0, 118.0}) {
    resin_rib(cr, x, 6, x + n.range(-8, 8), 200, 9, 11);
    for (double y = n.range(18, 30); y < 190; y += n.range(26, 36)) {
      const double half = n.range(13, 19);
      resin_rib(cr, x - half, y, x + half, y + n.range(-3, 3), 7, 8);
    }
  }
  // One ribcage arching between the columns.
  for (int j = 0; j < 3; ++j) resin_rib(cr, 44, 58 + j * 38, 108, 64 + j * 38, 22, 7);
  resin_pod(cr, 76, 176, 15, 19);
  resin_pod(cr, 142, 48, 11, 14);
}

}  // namespace contentgen::roomart::wall_tiles
