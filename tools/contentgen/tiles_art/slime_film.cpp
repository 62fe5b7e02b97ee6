// The wet goo that slime spreads past its slot onto the neighbouring
// panels, in three stages of its own shape: thin runs and drips from the
// ceiling, then sagging sheets with drips hanging from their low points,
// then heavy lumps, fat drips and bubbles. It is drawn as a coverage mask
// and lit as thick glossy liquid (a height field with a wet highlight and
// a dark lip), pale enough that a room tint keeping one channel still
// shows it as a lit sheen.
#include <algorithm>
#include <cmath>
#include <vector>

#include "paint_kit/goo.h"
#include "room_art.h"
#include "wall_parts.h"

namespace contentgen::roomart {

namespace {

constexpr int film_width = 84;  // the slot plus 16 px of overhang on each side
constexpr int film_overhang = 16;

// A run of goo from (x, y0) down `len` px, `w` wide, wandering a little,
// thinning by `taper` of its width as it goes and ending in a bulbous drop.
void drip(cairo_t* m, Noise& n, double x, double y0, double len, double w, double taper = 0.45) {
  constexpr int steps = 16;
  const double ph = n.range(0, 6.3), sway = n.range(0.4, 1.4);
  double cx[steps + 1], cy[steps + 1], half[steps + 1];
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    cx[i] = x + sway * std::sin(t * 5 + ph);
    cy[i] = y0 + len * t;
    // Broad where it leaves the mass, pinched just above the drop.
    half[i] = w * 0.5 * (1.0 - taper * t - 0.2 * std::exp(-(t - 0.85) * (t - 0.85) * 120));
  }
  cairo_move_to(m, cx[0] - half[0], cy[0]);
  for (int i = 1; i <= steps; ++i) cairo_line_to(m, cx[i] - half[i], cy[i]);
  for (int i = steps; i >= 0; --i) cairo_line_to(m, cx[i] + half[i], cy[i]);
  cairo_close_path(m);
  cairo_fill(m);
  // The drop: heavier than the run, a little taller than wide.
  const double r = w * n.range(0.6, 0.8);
  cairo_save(m);
  cairo_translate(m, cx[steps], cy[steps] + r * 0.3);
  cairo_scale(m, r, r * 1.2);
  cairo_arc(m, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(m);
  cairo_fill(m);
}

// The ragged lip of goo along the ceiling, `depth` px deep on average.
void lip(cairo_t* m, Noise& n, double depth) {
  cairo_move_to(m, 0, 0);
  for (double x = 0; x <= film_width; x += 3) cairo_line_to(m, x, depth * n.range(0.6, 1.4));
  cairo_line_to(m, film_width, 0);
  cairo_close_path(m);
  cairo_fill(m);
}

// x in one overhang or the other, alternating, with a margin from the edge.
double overhang_x(Noise& n, int i, double margin) {
  return i % 2 == 0 ? n.range(margin, film_overhang + 3) : n.range(film_overhang + kSlot - 3, film_width - margin);
}

// Stage one: a thin lip and a few fat runs, each swelling into a heavy
// drop. Two lanes in each overhang, far enough apart that the runs stay
// single runs rather than merging into a sheet.
void runs(cairo_t* m, Noise& n) {
  lip(m, n, 7);
  for (int i = 0; i < 4; ++i) {
    const double lane = (i < 2 ? 3.5 : 12.5) + n.range(-0.4, 0.4);
    const double x = i % 2 == 0 ? lane : film_width - lane;
    drip(m, n, x, 2, i < 2 ? n.range(70, 125) : n.range(30, 65), n.range(4.8, 5.4), 0.2);
  }
}

// Stage two: sheets sagging between points along the ceiling, each low
// point letting down a drip, and a few shorter runs between.
void sheets(cairo_t* m, Noise& n) {
  lip(m, n, 7);
  std::vector<double> anchors;
  for (double x = -4; x < film_width + 8; x += n.range(11, 17)) anchors.push_back(x);
  for (size_t i = 0; i + 1 < anchors.size(); ++i) {
    const double a = anchors[i], b = anchors[i + 1], mid = (a + b) / 2;
    // Deeper over the neighbours, where the sheets are seen.
    const bool seen = mid < film_overhang + 4 || mid > film_overhang + kSlot - 4;
    const double sag = seen ? n.range(45, 85) : n.range(26, 50);
    // A belly hanging between its two points: round at the bottom, taut at
    // the anchors.
    cairo_move_to(m, a, 0);
    cairo_curve_to(m, a + (b - a) * 0.05, sag * 0.8, mid - (b - a) * 0.35, sag, mid, sag);
    cairo_curve_to(m, mid + (b - a) * 0.35, sag, b - (b - a) * 0.05, sag * 0.8, b, 0);
    cairo_close_path(m);
    cairo_fill(m);
    if (n.unit() < 0.85) drip(m, n, mid + n.range(-2, 2), sag - 3, n.range(18, 70), n.range(3.4, 4.8));
  }
  for (int i = 0; i < 4; ++i) drip(m, n, overhang_x(n, i, 3), 4, n.range(60, 130), n.range(2.8, 3.8));
  // A thin pool where the drips reach the deck.
  cairo_save(m);
  cairo_translate(m, film_width / 2.0, kWallHeight);
  cairo_scale(m, film_width / 2.0 + 2, 5);
  cairo_arc(m, 0, 0, 1, M_PI, 2 * M_PI);
  cairo_restore(m);
  cairo_fill(m);
}

struct Bubble {
  double x, y, r;
};

// Stage three: a heavy mass of lumps heaped along the ceiling and down the
// sides, fat drips under it, lumps gathered at the foot, and bubbles.
void lumps(cairo_t* m, Noise& n, std::vector<Bubble>& bubbles) {
  lip(m, n, 12);
  auto lump = [&](double x, double y, double r) {
    cairo_arc(m, x, y, r, 0, 2 * M_PI);
    cairo_fill(m);
  };
  // Along the top: a row of swollen lumps of different sizes.
  for (double x = n.range(-3, 3); x < film_width + 6; x += n.range(7, 12)) lump(x, n.range(8, 22), n.range(7, 13));
  // Down each overhang: a heavy tongue hugging the slot's edge, swollen
  // into lumps along its outer side and narrowing as it hangs, with fat
  // drips from its end and bubbles in its skin.
  for (int side = 0; side < 2; ++side) {
    const double edge = side == 0 ? film_overhang : film_overhang + kSlot, out = side == 0 ? -1 : 1;
    const double end = n.range(110, 150);
    // The spine: one smooth body from the ceiling, broad and tapering.
    cairo_move_to(m, edge - 10, 0);
    cairo_curve_to(m, edge - 9, end * 0.4, edge - 4, end * 0.8, edge, end);
    cairo_curve_to(m, edge + 4, end * 0.8, edge + 9, end * 0.4, edge + 10, 0);
    cairo_close_path(m);
    cairo_fill(m);
    // Swellings of every size at uneven heights along its outer side.
    for (double y = n.range(8, 16); y < end - 6; y += n.range(7, 19)) {
      const double taper = 1.0 - 0.5 * y / end, r = n.range(3.5, 9.5) * taper;
      const double x = edge + out * (n.range(6, 13) * taper);
      lump(x, y, r);
      if (n.unit() < 0.45) bubbles.push_back({x + n.range(-r, r) * 0.4, y + n.range(-r, r) * 0.4, n.range(1.4, 2.8)});
    }
    for (int i = 0; i < 2; ++i) drip(m, n, edge + out * n.range(0, 3), end - 30, n.range(40, 65), n.range(4.5, 6.5));
  }
  for (int i = 0; i < 6; ++i) drip(m, n, overhang_x(n, i, 3.5), n.range(15, 30), n.range(30, 80), n.range(4.2, 6.2));
  // Goo heaped where it has run down to the deck.
  for (double x = n.range(-2, 3); x < film_width + 4; x += n.range(6, 10))
    lump(x, kWallHeight - n.range(0, 4), n.range(4, 9));
  for (int i = 0; i < 8; ++i) bubbles.push_back({n.range(2, film_width - 2), n.range(4, 20), n.range(1.3, 2.8)});
}

// A bubble on the goo's skin: a dark ring, a pale lower rim where light
// passes through and a sharp glint at the upper left.
void bubble(cairo_t* cr, const Bubble& b) {
  cairo_arc(cr, b.x, b.y, b.r, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 0.55, 0.66, 0.42, 0.45);
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 0.05, 0.08, 0.03, 0.75);
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  cairo_arc(cr, b.x, b.y, b.r * 0.7, M_PI * 0.15, M_PI * 0.85);
  cairo_set_source_rgba(cr, 0.85, 0.95, 0.7, 0.6);
  cairo_set_line_width(cr, 0.6);
  cairo_stroke(cr);
  cairo_arc(cr, b.x - b.r * 0.35, b.y - b.r * 0.4, std::max(0.5, b.r * 0.3), 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
  cairo_fill(cr);
}

}  // namespace

Bytes make_slime_film(int level) {
  Canvas c(film_width, kWallHeight);
  Noise n(0x5F11u + static_cast<uint32_t>(level) * 173u);
  // Pale olive goo: the thin edges glow, the thick middles go deep, and
  // each stage is thicker than the one before.
  paint::GooLook look;
  look.thin[0] = 0.66, look.thin[1] = 0.78, look.thin[2] = 0.5;
  look.deep[0] = 0.24, look.deep[1] = 0.36, look.deep[2] = 0.14;
  look.alpha_thin = 0.6 + 0.08 * level;
  look.alpha_deep = 0.9 + 0.03 * level;
  look.depth = 2.2 + 0.5 * level;
  look.blur = 1.2 + 0.9 * level;
  look.shine = 1.1;
  if (level == 1) {
    // The first runs are few, so each is rounder and wetter: a bright
    // streak down its crown and a dark edge where it turns away.
    look.depth = 3.4;
    look.shine = 1.5;
  }
  std::vector<Bubble> bubbles;
  paint::lit_goo(
      c.cr(),
      [&](cairo_t* m) {
        if (level == 1)
          runs(m, n);
        else if (level == 2)
          sheets(m, n);
        else
          lumps(m, n, bubbles);
      },
      look);
  for (const Bubble& b : bubbles) bubble(c.cr(), b);
  return c.png_dithered();
}

}  // namespace contentgen::roomart
