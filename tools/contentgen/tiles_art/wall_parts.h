// The parts every room wall is built from: metal plates, rivets, pipes, trim,
// screens, grime and organic resin. Walls are painted in neutral greys
// because the game multiplies them by the room's tint.
#pragma once

#include <cairo.h>

#include <vector>

#include "paint_kit/canvas.h"
#include "paint_kit/colour.h"
#include "paint_kit/shapes.h"

namespace contentgen::roomart {

using paint::grey;
using paint::hazard_stripes;
using paint::kWallHazard;
using paint::rgb;
using paint::rounded_rect;

inline constexpr int kSlot = 52;         // one wall slot
inline constexpr int kWallHeight = 208;  // wall band height
inline constexpr int kTrimBottom = 14;   // ceiling trim ends here
inline constexpr int kBaseTop = 190;     // baseboard starts here

// Fills a rectangle with a vertical grey gradient.
void vgradient(cairo_t* cr, double x, double y, double w, double h, double top, double bottom);
// A plate standing out of the wall: lit top/left bevel, shaded bottom/right,
// and unless `shadow` is false a hard shadow cast down and to the right.
void raised_plate(cairo_t* cr, double x, double y, double w, double h, double base, double bevel = 2,
                  bool shadow = true);
// A recess: shaded top/left, lit bottom/right.
void sunken_plate(cairo_t* cr, double x, double y, double w, double h, double base, double bevel = 2);
void rivet(cairo_t* cr, double x, double y, double r, double base);
void screw(cairo_t* cr, double x, double y, double r, double base, double angle);
// Round pipes shaded as cylinders.
void vertical_pipe(cairo_t* cr, double x, double y0, double y1, double radius, double base);
void horizontal_pipe(cairo_t* cr, double x0, double x1, double y, double radius, double base);
void pipe_clamp_v(cairo_t* cr, double x, double y, double radius, double base);
// A green phosphor screen with glow, scanlines and content drawn by style:
// 0 text lines, 1 graph, 2 radar sweep, 3 heartbeat trace.
void phosphor_screen(cairo_t* cr, Noise& n, double x, double y, double w, double h, int style);
// A small indicator lamp; lit lamps are bright in every channel so they survive the tint.
void lamp(cairo_t* cr, double x, double y, double r, double red, double green, double blue, bool lit);
// The ceiling trim and baseboard every wall picture shares so tiles join up.
void wall_trim(cairo_t* cr, Noise& n, int width, bool baseboard = true);
// Ages the picture and lays the trim over it: heavy grime on the content
// between trim and baseboard, then the trim (and the baseboard unless the
// picture brings its own floor edge), then a light pass over everything so
// the trim wears alike on every tile.
void finish_wall(Canvas& c, Noise& n, double content_grime, bool baseboard);
// Bakes the room's light into a finished wall picture (full wall height):
// the lamps along the ceiling throw a pool of light down the upper wall
// that falls off toward the deck, and the mids are spread for contrast, so
// a tinted room reads as coloured light on shaped metal rather than a flat
// wash. The same for every column, so neighbouring pictures still join.
void light_wall(Canvas& c);
// The finish of a wall, door or panel picture for the tinted rooms: a red,
// green or blue room keeps one channel of the picture, so every shape must be told by value,
// alike in all three channels. The tones are spread wide (seams near black,
// plate faces in the upper mids, bevels and scuffs near white), the room's
// light falls down the wall, the fine relief (seams, grooves, rivets) and
// the coarse (panels, grime patches) are deepened, and the paint's colour
// is pulled toward grey by `grey_share` except where it is a signal
// (lamps, screens); the hive's resin keeps more of its olive-brown.
void finish_for_tint(Canvas& c, double grey_share = 0.6);
// The last pass on a metal wall, door or panel, after finish_for_tint: bevels,
// rivet heads and lit edges shine toward white, seams and recesses sink
// toward black, so a one-channel tint still shows bright metal and deep
// joints rather than one flat colour.
void finish_metal(Canvas& c);
// Mottled grime and dirt runs over the broad bright faces of a finished
// metal wall (between trim and baseboard), leaving thin lit edges, rivet
// heads and lamps bright, so the faces sit in the mids under a tint.
void face_grime(Canvas& c, Noise& n);
// The standard background: one riveted plate per slot.
void wall_plates(cairo_t* cr, Noise& n, int width);
// Mottled darkening, speckles and rust-brown stains over a region (pixel pass).
void grime(Canvas& c, Noise& n, double amount, int x0, int y0, int w, int h);
// Vertical dirt runs below fittings.
void streaks(cairo_t* cr, Noise& n, double x, double w, double y0, double y1, int count, double alpha);
// Glossy near-black olive-brown resin: ribbed ropes with wet specular
// streaks, ribs and lumps filling a region.
void resin_mass(cairo_t* cr, Noise& n, double x, double y, double w, double h, double density);
// An egg-like pod set into resin.
void resin_pod(cairo_t* cr, double cx, double cy, double rx, double ry);
// A rib of resin arching across a region.
void resin_rib(cairo_t* cr, double x0, double y0, double x1, double y1, double bulge, double width);

// A fitting that leaks: rust and dirt run down `reach` pixels from (x, y)
// in `runs` streaks spread `spread` either side.
struct Leak {
  double x, y, reach;
  int runs = 1;
  double spread = 0;
};
// Wear on a plain panel before its finish: grime in the seams and along
// the foot, boot scuffs, a dent or two and rust running from the leaks.
void weather_panel(cairo_t* cr, Noise& n, int w, const std::vector<Leak>& leaks);
// Heavier wear for the plainest panels, which stand in long runs: a band
// of darker grime at a height of the panel's own, a broad stain, and
// scratches and scuffs, so no two read alike.
void heavy_wear(cairo_t* cr, Noise& n, int w);

// Low-frequency value noise in [0, 1] on a grid of the given cell size.
class ValueNoise {
 public:
  ValueNoise(Noise& n, int width, int height, int cell);
  double at(double x, double y) const;

 private:
  int gw_, gh_, cell_;
  std::vector<double> v_;
};

}  // namespace contentgen::roomart
