// Wall tiles: each picture sits between the shared ceiling trim and
// baseboard so any run of tiles reads as one continuous wall.
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "ceiling_light.h"
#include "paint_kit/pixels.h"
#include "room_art.h"
#include "tile_catalogue.h"
#include "wall_parts.h"
#include "wall_tile_painters.h"

namespace contentgen::roomart {

namespace {

using Painter = std::function<void(cairo_t*, Noise&, int)>;
using namespace wall_tiles;

Painter painter_for(int number) {
  switch (number) {
    case 1: return plain_panel;
    case 2: return seam_decal;
    case 3: return pipes;
    case 4: return grille;
    case 5: return hazard_panel;
    case 6: return trunking;
    case 7: return wall_lamp;
    case 8: return tall_locker;
    case 9: return terminal;
    case 10: return fuse_cabinet;
    case 11: return viewport;
    case 12: return control_console;
    case 13: return generator;
    case 14: return ammo_rack;
    case 15: return medical_cabinet;
    case 16: return shelves;
    case 17: return two_lockers;
    case 18: return observation;
    case 19: return manifold;
    case 20: return medical_station;
    case 21: return resin_over_panel;
    case 22: return resin_ribs;
    case 23: return hive_wall;
    case 24: return torn_panel;
    default: return specimen_tank;
  }
}

bool is_hive(int number) { return number == 22 || number == 23; }

constexpr int kLampTile = 7;

// Where the plain panels leak: rivet columns, pipe clamps and flange, the
// grille's foot, the lamp's fitting, the locker's hinges and handle, and
// the foot of each box or screen set in a panel. An empty list marks a
// tile left as painted.
std::vector<Leak> leaks_for(int number, int w) {
  switch (number) {
    case 1: return {{6, 56, 40, 1}, {w - 6.0, 32, 30, 1}, {w / 2.0, 155, 28, 2, 5}};
    case 3: return {{14, 57, 90, 2, 4}, {31, 162, 26, 1}, {43, 56, 40, 1}, {14, 105, 70, 2, 7}};
    case 2: return {{6, 56, 50, 1}, {w - 6.0, 120, 40, 1}, {w / 2.0, 116, 50, 2, 8}};
    case 4: return {{20, 157, 30, 3, 8}, {8, 45, 50, 1}, {w - 8.0, 155, 30, 1}};
    case 5: return {{9, 134, 40, 1}, {w - 9.0, 134, 36, 1}, {w / 2.0, 141, 40, 3, 12}};
    case 6: return {{36, 118, 60, 2, 6}, {8, 30, 40, 1}};
    case 9: return {{25, 142, 40, 2, 8}, {w - 6.0, 40, 30, 1}};
    case 10: return {{24, 157, 30, 2, 10}};
    case 11: return {{26, 172, 16, 2, 10}, {8, 30, 30, 1}};
    case 7: return {{w / 2.0, 80, 70, 3, 5}, {6, 20, 40, 1}};
    case 8: return {{6, kTrimBottom + 31.0, 60, 1}, {w - 10.5, 119, 50, 2, 2}, {w / 2.0, 180, 8, 1}};
    default: return {};
  }
}

// The lamp's light, added over the finished wall: a bright core on the bulb
// fading into a wide halo that washes the plates around it.
void lamp_glow(cairo_t* cr, double x, double y) {
  cairo_save(cr);
  // The ceiling beam and the baseboard stay out of it, so the trim joins
  // the neighbouring tiles.
  cairo_rectangle(cr, 0, kTrimBottom, 1e4, kBaseTop - kTrimBottom);
  cairo_clip(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 2, x, y + 8, 60);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.97, 0.86, 0.7);
  cairo_pattern_add_color_stop_rgba(g, 0.25, 1, 0.95, 0.8, 0.25);
  cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.95, 0.8, 0);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

// How strongly a ceiling lamp over each tile lights its upper plates, so a
// run of panels brightens and dims along the wall instead of lying evenly
// lit. The machinery tiles that carry their own lighting are left alone.
double pool_strength(int number) {
  switch (number) {
    case 1: return 0.27;
    case 2: return 0.09;
    case 3: return 0.17;
    case 5: return 0.22;
    case 6: return 0.07;
    case 8: return 0.17;
    case 9: return 0.12;
    case 10: return 0.24;
    case 11: return 0.1;
    case 14: return 0.14;
    case 15: return 0.19;
    case 16: return 0.09;
    case 17: return 0.2;
    case 18: return 0.12;
    default: return 0;
  }
}

// A soft pool of light under the ceiling trim, brightest over the tile's
// middle, fading down the wall and to nothing at the tile's edges, so
// neighbouring tiles still meet at the same value.
void ceiling_pool(Canvas& c, double strength) {
  const int w = c.width();
  const double spread = 0.3 * w, edge = std::exp(-std::pow(0.5 * w / spread, 2.0));
  paint::each_pixel(c, 0, kTrimBottom, w, kBaseTop - kTrimBottom, [&](int x, int y, uint32_t& p) {
    const double fx = std::max(0.0, (std::exp(-std::pow((x + 0.5 - w / 2.0) / spread, 2.0)) - edge) / (1 - edge));
    const double fy = std::exp(-std::pow((y - kTrimBottom) / 75.0, 2.0));
    const double k = 1 + strength * fx * fy;
    uint32_t out = p & 0xFF000000u;
    for (int shift : {16, 8, 0})
      out |= static_cast<uint32_t>(std::min(255.0, std::round(paint::channel(p, shift) * k))) << shift;
    p = out;
  });
}

}  // namespace

int tile_width(int number) {
  for (const auto& t : kTiles)
    if (t.number == number) return t.slots * kSlot;
  return kSlot;
}

Bytes make_tile(int number) {
  const int w = tile_width(number);
  Canvas c(w, kWallHeight);
  cairo_t* cr = c.cr();
  Noise n(0x7A11u + static_cast<uint32_t>(number) * 7919u);
  painter_for(number)(cr, n, w);
  if (const auto leaks = leaks_for(number, w); !leaks.empty()) weather_panel(cr, n, w, leaks);
  if (number == 1 || number == 2 || number == kLampTile) heavy_wear(cr, n, w);
  finish_wall(c, n, is_hive(number) ? 0.15 : 0.4, true);
  if (is_hive(number) || number == 21) {
    // Growth creeps over the trim and baseboard too.
    resin_mass(cr, n, 0, 0, is_hive(number) ? w : w * 0.5, kTrimBottom + 6, is_hive(number) ? 1.4 : 0.8);
    if (is_hive(number)) resin_mass(cr, n, 0, kBaseTop - 6, w, kWallHeight - kBaseTop + 6, 1.2);
  }
  finish_for_tint(c, is_hive(number) || number == 21 ? 0.15 : 0.6);
  if (!is_hive(number) && number != 21) finish_metal(c);
  if (const double pool = pool_strength(number); pool > 0) ceiling_pool(c, pool);
  if (!is_hive(number) && number != 21) face_grime(c, n);
  light_from_ceiling(c, !is_hive(number));
  if (number == kLampTile) {
    // The lamp's own panel is a shade darker than the walls around it, so
    // that its glow still stands out; the trim and baseboard match.
    cairo_rectangle(cr, 0, kTrimBottom, w, kBaseTop - kTrimBottom);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.08);
    cairo_fill(cr);
  }
  if (number == kLampTile) lamp_glow(cr, w / 2.0, 60);
  return c.png_opaque();
}

}  // namespace contentgen::roomart
