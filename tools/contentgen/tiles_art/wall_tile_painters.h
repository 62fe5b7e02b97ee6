// The painters of the wall tiles, one per tile number: each draws the
// tile's content over a blank canvas `w` wide; the trim, grime and tone
// curve are laid over it afterwards, alike for every tile.
#pragma once

#include <cairo.h>

#include "wall_parts.h"

namespace contentgen::roomart::wall_tiles {

// The content area between the ceiling trim and the baseboard.
inline constexpr double kTop = kTrimBottom;
inline constexpr double kBottom = kBaseTop;

// Ship machinery: panels, pipes, lockers, consoles, cabinets, windows.
void plain_panel(cairo_t* cr, Noise& n, int w);
void seam_decal(cairo_t* cr, Noise& n, int w);
void pipes(cairo_t* cr, Noise& n, int w);
void grille(cairo_t* cr, Noise& n, int w);
void hazard_panel(cairo_t* cr, Noise& n, int w);
void trunking(cairo_t* cr, Noise& n, int w);
void wall_lamp(cairo_t* cr, Noise& n, int w);
void tall_locker(cairo_t* cr, Noise& n, int w);
void terminal(cairo_t* cr, Noise& n, int w);
void fuse_cabinet(cairo_t* cr, Noise& n, int w);
void viewport(cairo_t* cr, Noise& n, int w);
void control_console(cairo_t* cr, Noise& n, int w);
void generator(cairo_t* cr, Noise& n, int w);
void ammo_rack(cairo_t* cr, Noise& n, int w);
void medical_cabinet(cairo_t* cr, Noise& n, int w);
void shelves(cairo_t* cr, Noise& n, int w);
void two_lockers(cairo_t* cr, Noise& n, int w);
void observation(cairo_t* cr, Noise& n, int w);
void manifold(cairo_t* cr, Noise& n, int w);
void medical_station(cairo_t* cr, Noise& n, int w);
void torn_panel(cairo_t* cr, Noise& n, int w);
void specimen_tank(cairo_t* cr, Noise& n, int w);

// The hive: resin grown over the panels or in place of them.
void resin_over_panel(cairo_t* cr, Noise& n, int w);
void resin_ribs(cairo_t* cr, Noise& n, int w);
void hive_wall(cairo_t* cr, Noise& n, int w);

}  // namespace contentgen::roomart::wall_tiles
