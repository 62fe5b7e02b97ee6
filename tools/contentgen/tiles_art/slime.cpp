// Slime on the walls: the growth itself in its slot, streaks at the first
// stage and an organic mass at the second and third (the goo it spreads
// onto the neighbouring panels is in slime_film.cpp).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "ceiling_light.h"
#include "model_kit/model.h"
#include "wall_parts.h"
#include "paint_kit/geometry.h"
#include "paint_kit/pixels.h"
#include "paint_kit/value_detail.h"
#include "room_art.h"

namespace contentgen::roomart {

using paint::lerp;
using paint::Pt;

namespace {

constexpr int slime_width = 84;  // the slot plus 16 px of overhang on each side
constexpr int overhang = 16;

// Ooze colours: green-black body, olive mid-tones, pale wet highlights.
struct Ooze {
  double dark[3], mid[3], hi[3];
};
constexpr Ooze ooze{{0.04, 0.07, 0.04}, {0.22, 0.36, 0.14}, {0.82, 0.96, 0.72}};
void fill_ooze(cairo_t* cr, double x0, double x1, double alpha, double shade, const Ooze& ooze = ooze) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
  cairo_pattern_add_color_stop_rgba(p, 0, ooze.dark[0], ooze.dark[1], ooze.dark[2], alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.35, ooze.mid[0] * shade, ooze.mid[1] * shade, ooze.mid[2] * shade, alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.6, ooze.mid[0] * shade * 0.6, ooze.mid[1] * shade * 0.6,
                                    ooze.mid[2] * shade * 0.6, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, ooze.dark[0], ooze.dark[1], ooze.dark[2], alpha);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

// A small glossy nodule of resin: a dark rim that gives it a definite
// edge, a body lit from the upper left, a white glint and a pale rim low
// on the far side where light passes through. The glint and the rim are
// bright in every channel, so a room's tint keeps it a wet bead.
void nodule(cairo_t* cr, double x, double y, double r, const Ooze& o) {
  cairo_arc(cr, x + 0.3, y + 0.4, r + 0.6, 0, 2 * M_PI);
  rgb(cr, 0.02, 0.03, 0.01, 0.75);
  cairo_fill(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, 0, x, y, r);
  cairo_pattern_add_color_stop_rgb(p, 0, o.hi[0] * 0.8, o.hi[1] * 0.8, o.hi[2] * 0.8);
  cairo_pattern_add_color_stop_rgb(p, 0.45, o.mid[0], o.mid[1], o.mid[2]);
  cairo_pattern_add_color_stop_rgb(p, 1, o.dark[0], o.dark[1], o.dark[2]);
  cairo_set_source(cr, p);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_arc(cr, x, y, r * 0.72, M_PI * 0.1, M_PI * 0.7);
  rgb(cr, o.hi[0], o.hi[1], o.hi[2], 0.55);
  cairo_set_line_width(cr, std::max(0.6, r * 0.22));
  cairo_stroke(cr);
  rgb(cr, 1, 1, 1, 0.97);
  cairo_arc(cr, x - r * 0.35, y - r * 0.4, std::max(0.6, r * 0.3), 0, 2 * M_PI);
  cairo_fill(cr);
}

// A strand of wet resin creeping down from y0: its line wanders, it swells
// into nodules and pinches between them, and it ends in a hanging drop. It
// has a definite dark edge, a body lit round from the upper left, an
// unbroken wet highlight down its lit side and a pale rim along the other
// where light passes through, so under any tint it reads as a glossy
// living thing on the wall and not as a stain in it.
void wet_run(cairo_t* cr, Noise& n, double x, double y0, double len, double w, const Ooze& o = ooze) {
  constexpr int steps = 24;
  const double ph = n.range(0, 6.3), sway = n.range(0.6, 2.2), waves = n.range(1.2, 2.8);
  double beads[3];
  for (double& b : beads) b = n.range(0.15, 0.9);
  double cx[steps + 1], cy[steps + 1], half[steps + 1];
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    cx[i] = x + sway * std::sin(t * waves * 2 * M_PI + ph) + n.range(-0.3, 0.3);
    cy[i] = y0 + len * t;
    double swell = 0;
    for (double b : beads) swell += 0.45 * std::exp(-(t - b) * (t - b) * 900);
    // Broad where it leaves the lip, thinning, the drop at the end.
    const double drop = 0.7 * std::exp(-(t - 0.97) * (t - 0.97) * 1500);
    half[i] = w * 0.5 * ((1.0 - 0.4 * t) * (0.88 + 0.12 * std::sin(t * 11 + ph)) + swell + drop);
  }
  auto outline = [&](double scale, double shift) {
    cairo_move_to(cr, cx[0] - half[0] * scale + shift, cy[0]);
    for (int i = 1; i <= steps; ++i) cairo_line_to(cr, cx[i] - half[i] * scale + shift, cy[i]);
    cairo_curve_to(cr, cx[steps] - half[steps] * scale + shift, cy[steps] + half[steps] * scale,
                   cx[steps] + half[steps] * scale + shift, cy[steps] + half[steps] * scale,
                   cx[steps] + half[steps] * scale + shift, cy[steps]);
    for (int i = steps; i >= 0; --i) cairo_line_to(cr, cx[i] + half[i] * scale + shift, cy[i]);
    cairo_close_path(cr);
  };
  auto side_line = [&](double across) {  // a line down the strand, -1 its lit edge, +1 its far one
    cairo_move_to(cr, cx[0] + half[0] * across, cy[0]);
    for (int i = 1; i <= steps; ++i) cairo_line_to(cr, cx[i] + half[i] * across, cy[i]);
  };
  // A soft shadow on the plate beside it, then the dark edge, the body
  // and the lit crown.
  cairo_save(cr);
  cairo_translate(cr, 1.2, 1.0);
  outline(1.1, 0);
  rgb(cr, 0, 0, 0, 0.15);
  cairo_fill(cr);
  cairo_restore(cr);
  outline(1.0, 0);
  rgb(cr, o.dark[0] * 0.35, o.dark[1] * 0.35, o.dark[2] * 0.35, 0.7);
  cairo_fill(cr);
  outline(0.82, 0);
  rgb(cr, o.mid[0] * 0.85, o.mid[1] * 0.85, o.mid[2] * 0.85, 0.95);
  cairo_fill(cr);
  outline(0.42, -half[steps / 3] * 0.2);
  rgb(cr, o.mid[0], o.mid[1], o.mid[2], 0.9);
  cairo_fill(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  // The pale rim on the far side.
  cairo_set_line_width(cr, 0.8);
  side_line(0.6);
  rgb(cr, o.hi[0], o.hi[1], o.hi[2], 0.5);
  cairo_stroke(cr);
  // The wet highlight, unbroken down the lit side.
  cairo_set_line_width(cr, std::max(1.0, w * 0.16));
  side_line(-0.42);
  rgb(cr, 0.97, 1.0, 0.95, 0.9);
  cairo_stroke(cr);
  for (double b : beads) {
    const int i = std::clamp(static_cast<int>(b * steps), 0, steps);
    nodule(cr, cx[i], cy[i], std::max(1.6, half[i] * 0.9), o);
  }
  nodule(cr, cx[steps], cy[steps] + half[steps] * 0.2, std::max(1.8, half[steps] * 0.95), o);
}

// The first growth is wet resin, the olive-brown of the strands it grows
// into but paler: light enough that a red or blue room, keeping one
// channel, shows its body lighter than the wall's shadow.
constexpr Ooze thin_ooze{{0.3, 0.31, 0.17}, {0.62, 0.66, 0.36}, {0.95, 1.0, 0.85}};

// Stage one: the bare wall plate of the slot, lit like the walls, with a
// knotted lip of nodules along the ceiling and a few glossy strands
// hanging from it, one or two spilling onto the neighbours; most of the
// wall still shows.
void slime_streaks(Canvas& c, Noise& n) {
  cairo_t* cr = c.cr();
  const double left = overhang, right = overhang + kSlot;
  cairo_save(cr);
  cairo_rectangle(cr, left, 0, kSlot, kWallHeight);
  cairo_clip(cr);
  cairo_translate(cr, left, 0);
  wall_plates(cr, n, kSlot);
  wall_trim(cr, n, kSlot, true);
  cairo_restore(cr);
  grime(c, n, 0.2, overhang, kTrimBottom, kSlot, kBaseTop - kTrimBottom);
  finish_for_tint(c);
  light_from_ceiling(c, true);
  // The lip along the ceiling: a ragged band with a dark edge.
  cairo_move_to(cr, left - 6, 0);
  for (double x = left - 6; x <= right + 6; x += 4) cairo_line_to(cr, x, n.range(4, 10));
  cairo_line_to(cr, right + 6, 0);
  cairo_close_path(cr);
  rgb(cr, 0.02, 0.03, 0.01, 0.85);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke_preserve(cr);
  fill_ooze(cr, left - 6, right + 6, 0.95, 1.0, thin_ooze);
  cairo_new_path(cr);
  // A few uneven strands of different widths and lengths, one or two
  // spilling off the slot's edges.
  for (int i = 0; i < 5; ++i) {
    const double x = i < 3 ? left + 6 + (kSlot - 12) * (i + n.range(0.15, 0.85)) / 3
                           : (i == 3 ? left - n.range(1, 6) : right + n.range(1, 6));
    const double w = n.range(3.5, 6.5), len = n.range(35, 165);
    wet_run(cr, n, x, 5, len, w, thin_ooze);
  }
  // Nodules knotted along the lip, and a few loose clusters on the plate.
  for (double x = left - 3 + n.range(0, 3); x < right + 3; x += n.range(5, 9))
    nodule(cr, x, n.range(7, 12), n.range(1.6, 3.0), thin_ooze);
  for (int k = 0; k < 2; ++k) {
    const double cx = n.range(left + 8, right - 8), cy = n.range(40, 170);
    for (int i = 0; i < 3; ++i) nodule(cr, cx + n.range(-4, 4), cy + n.range(-4, 4), n.range(1.3, 2.4), thin_ooze);
  }
  paint::value_detail(c, 3, 0.6, 0.35);
}

// Stages two and three: an organic mass modelled in relief and rendered
// like the creatures, in the language of the hive-resin tiles.
//
// The growth repeats every slot: whatever lies near one edge of the slot is
// placed again one slot over, in the overhang past the other edge, wherever
// it fits whole inside the picture. In a row of slimed slots each picture's
// overhang then lies exactly over its neighbour's own growth and the row
// reads as one mass without seams; a lone slot shows a ragged outline of
// whole lumps reaching out to different depths.
// The growth is darker than any wall plate and wet: a tint that keeps one
// channel still shows it as a dark mass picked out by bright highlights and
// rims, whatever its hue.
struct SlimeMaterials {
  model::Material body = wet(0.04f, 0.11f, 0.03f);
  model::Material resin = wet(0.08f, 0.12f, 0.05f);
  model::Material pod = wet(0.08f, 0.12f, 0.05f);
  static model::Material wet(float r, float g, float b) {
    model::Material m{r, g, b, 2.4f, 60, 1.3f, 0};
    m.streak = 0.5f;
    return m;
  }
};

// The slot's picture-space bounds.
constexpr float slot_left = overhang, slot_right = overhang + kSlot, slot_mid = (slot_left + slot_right) / 2;

float frange(Noise& n, double a, double b) { return static_cast<float>(n.range(a, b)); }

// Calls place(dx, 1) for the feature at x of half-width r where it stands,
// and again with dx = -slot or +slot for its copy one slot over wherever
// that copy fits whole inside the picture. A whole copy lies exactly over
// the neighbour's own feature and is lit the same, so the overhang of one
// picture hides the seam instead of drawing a column of crumbs along it.
template <class Place>
void tiled(float x, float r, Place place) {
  place(0.0f, 1.0f);
  for (float dx : {-static_cast<float>(kSlot), static_cast<float>(kSlot)}) {
    const float room = std::min(x + dx - 1, slime_width - 1 - (x + dx));
    if (room >= r) place(dx, 1.0f);
  }
}

// Calls place(dx) for the feature at x of half-width r where it stands
// and for each copy a slot to either side that reaches into the picture at
// all. The picture is then the same slot over and over, overhangs included,
// so wherever a picture's overhang lies over its neighbour it matches it
// pixel for pixel; the lone slot's outline is cut afterwards.
template <class Place>
void periodic(float x, float r, Place place) {
  for (float dx : {-static_cast<float>(kSlot), 0.0f, static_cast<float>(kSlot)})
    if (x + dx + r > -2 && x + dx - r < slime_width + 2) place(dx);
}

// Stages two and three: the slot's own wall shows only at the top and the
// bottom, where the growth's edges hang and spread to different depths
// across the slot; the second stage leaves more of the wall bare and grows
// coarser lumps. Every slotted picture in a row is the same, so the detail
// is spread evenly over a jittered grid, with no pod, rib or cavity at a
// height of its own, and the whole mass darkens and lightens in broad
// slanting patches that run on into the neighbours at other heights.
struct Growth {
  float top_depth, bottom_depth;  // how far the ragged edges reach in
  float cell_w, cell_h;           // the grid the lumps are scattered on
  float lump_min, lump_spread;    // lump radius: min + spread * u^2
  float hollow_share;             // share of lumps carved in as hollows
  float grime;                    // grime over the bare wall
  float slant;                    // slope of the light and dark patches: a whole
                                  // number, so the patches run on across the
                                  // seam into the next slot
  bool crust;                     // a thin web over the bare wall instead of a mass
  float shine;                    // specular strength of the wet surface
  float tone;                     // overall value of the mass: the heap sits well
                                  // below the membrane, so a tint that keeps one
                                  // channel still tells the stages apart
  float swing;                    // depth of the broad light and dark patches: the
                                  // heap's bulges and hollows read from afar
};

constexpr Growth stage_two{20, 26, 52.0f / 5, 14.0f, 1.1f, 1.1f, 0.0f, 0.3f, -1.0f, true, 3.2f, 1.0f, 0.5f};
constexpr Growth stage_three{22, 26, 52.0f / 6, 8.5f, 3.0f, 4.4f, 0.3f, 0.5f, 1.0f, false, 2.4f, 1.0f, 0.3f};

void overgrowth_wall(Canvas& c, Noise& n, const Growth& g) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_rectangle(cr, slot_left, 0, kSlot, kWallHeight);
  cairo_clip(cr);
  // One pixel to the left, so the plate's lit bevel rather than the dark
  // gap between plates takes the slot's first column: the crust shows its
  // wall, and a row of it must not show a dark line at every slot.
  cairo_translate(cr, slot_left - 1, 0);
  wall_plates(cr, n, kSlot + 1);
  wall_trim(cr, n, kSlot + 1, true);
  cairo_restore(cr);
  grime(c, n, g.grime, overhang, 0, kSlot, kWallHeight);
  finish_for_tint(c);
}

// The edge of the mass at the top (or bottom) at x: a wandering line made
// of two waves one slot long and a little noise, so that the edges of
// neighbouring pictures meet.
struct RaggedEdge {
  float base, depth, phase1, phase2;
  float at(float x) const {
    const float a = 2 * static_cast<float>(M_PI) * (x - slot_left) / kSlot;
    // Several bumps a slot, so the slot's own period does not show as one
    // peak per picture.
    return base + depth * (0.5f + 0.12f * std::sin(a + phase1) + 0.2f * std::sin(2 * a + phase2) +
                           0.16f * std::sin(3 * a + 2 * phase1) + 0.1f * std::sin(5 * a + phase2 * 3) +
                           0.07f * std::sin(8 * a + phase1 + phase2));
  }
};

// A sheet of membrane stretched between three points.
struct Sheet {
  model::V3 a, b, c;
};

// The point at t along a strand from a to b that sags by `sag` at its
// middle and stands off the wall as it hangs.
model::V3 sagging(model::V3 a, model::V3 b, float sag, float t) {
  const float hang = 4 * t * (1 - t);
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t + sag * hang, a.z + (b.z - a.z) * t + 2.5f * hang};
}

// Adds a chain and its copies a slot to either side that fit whole in the
// picture, so a row of slots joins strand to strand.
template <int pts>
void tiled_chain(model::Model& m, const model::V3 (&p)[pts], const float (&radii)[pts], const model::Material& mat) {
  float lo = p[0].x;
  for (const model::V3& q : p) lo = std::min(lo, q.x);
  tiled(lo, 0, [&](float dx, float) {
    model::V3 moved[pts];
    for (int j = 0; j < pts; ++j) moved[j] = p[j] + model::V3{dx, 0, 0};
    m.chain(moved, radii, pts, mat, 1.6f);
  });
}

// A root-like shoot leaving a strand at `from`: it heads out and curls
// down, thinning a little, and ends in a bead.
void shoot(model::Model& m, Noise& n, const model::Material& mat, model::V3 from, float r0, float dir) {
  constexpr int pts = 4;
  const float len = frange(n, 7, 13), out = frange(n, 0.5, 0.9);
  model::V3 p[pts];
  float radii[pts];
  for (int j = 0; j < pts; ++j) {
    const float t = j / (pts - 1.0f);
    p[j] = {from.x + dir * len * out * (t - 0.35f * t * t), from.y + len * (0.25f * t + 0.8f * t * t),
            from.z + 0.5f * t};
    radii[j] = r0 * (1 - 0.45f * t) + 0.3f;
  }
  tiled_chain(m, p, radii, mat);
  // It ends blunt, in a hanging bead of resin rather than a thorn.
  const model::V3 tip = p[pts - 1] + model::V3{0, radii[pts - 1] * 0.6f, 0};
  tiled(tip.x, radii[pts - 1] * 1.3f, [&](float dx, float) { m.sphere(tip + model::V3{dx, 0, 0}, radii[pts - 1] * 1.3f, mat, 1.2f); });
}

// One strand from a to b: thick where it clings at either end, drawn thin
// as it sags, swelling once along its length like a vein, a long one with
// a shoot branching off. Returns the point a third of the way along, where a
// film may be stretched.
model::V3 strand(model::Model& m, Noise& n, const model::Material& mat, model::V3 a, model::V3 b, float ra, float rb) {
  constexpr int pts = 7;
  const float len = std::hypot(b.x - a.x, b.y - a.y);
  const float sag = 0.3f * std::abs(b.x - a.x) + frange(n, 4, 8), ph = frange(n, 0, 6.3), swell = frange(n, 0.3, 0.7);
  model::V3 p[pts];
  float radii[pts];
  for (int j = 0; j < pts; ++j) {
    const float t = j / (pts - 1.0f), hang = 4 * t * (1 - t);
    p[j] = sagging(a, b, sag, t);
    radii[j] = (ra * (1 - t) + rb * t) * (1 - 0.35f * hang) * (0.9f + 0.12f * std::sin(t * 9 + ph)) +
               1.3f * std::exp(-(t - swell) * (t - swell) * 50);
  }
  tiled_chain(m, p, radii, mat);
  const int shoots = len > 40 ? 1 : 0;
  for (int i = 0; i < shoots; ++i) {
    const float t = frange(n, 0.25, 0.75);
    shoot(m, n, mat, sagging(a, b, sag, t), std::min(ra, rb) * 0.75f, n.unit() < 0.5 ? -1.0f : 1.0f);
  }
  return sagging(a, b, sag, 0.33f);
}

// A clinging lump where strands meet: two or three flattened blobs run
// together, so it is a knot of growth rather than an egg.
void anchor(model::Model& m, Noise& n, const model::Material& mat, model::V3 at) {
  const int lobes = n.unit() < 0.5 ? 2 : 3;
  for (int i = 0; i < lobes; ++i) {
    const float r = frange(n, 5.0, 6.6) * (i == 0 ? 1.3f : 1.0f);
    const model::V3 c{at.x + (i ? frange(n, -4, 4) : 0), at.y + (i ? frange(n, -4, 4) : 0), 1};
    const model::V3 radii{r * frange(n, 1.0, 1.4), r * frange(n, 0.8, 1.2), r * 0.55f};
    const model::M3 turn = model::rot_z(frange(n, -1.2, 1.2));
    tiled(c.x, std::max(radii.x, radii.y), [&](float dx, float) { m.ellipsoid(c + model::V3{dx, 0, 0}, radii, turn, mat, 2.5f); });
  }
}

// The second stage: a few dark wet knots of growth clinging to the wall at
// uneven heights and places, joined by glossy strands that hang from the
// ceiling lip, sag from knot to knot and reach across into the next slot.
// One or two strands are thick trunks, the rest thin; the cross strands
// skip a knot or reach to one at another height, and the strands lean and
// curve each their own way, so the knots and their links never pair up
// into mirrored letters. A thin film is stretched in a fork or two. Most
// of the wall still shows between.
void strand_growth(model::Model& m, Noise& n, const SlimeMaterials& k, const RaggedEdge& top,
                   const RaggedEdge& bottom, std::vector<Sheet>& sheets) {
  constexpr int knots = 5;
  model::V3 knot[knots];
  float y = 30 + frange(n, -6, 6), last_x = slot_left + frange(n, 0, kSlot);
  for (int i = 0; i < knots; ++i) {
    // Each knot steps an uneven way across from the last, wrapping within
    // the slot, so they neither zigzag nor stack in a column.
    float x = last_x + frange(n, 14, 38) * (n.unit() < 0.5 ? -1.0f : 1.0f);
    while (x < slot_left + 4) x += kSlot;
    while (x > slot_right - 4) x -= kSlot;
    knot[i] = {x, y, 1};
    last_x = x;
    y += frange(n, 24, 38);
    anchor(m, n, k.body, knot[i]);
  }
  auto thick = [&] { return frange(n, 4.8, 5.8); };
  auto thin = [&] { return frange(n, 3.6, 4.6); };
  const int trunk = static_cast<int>(n.unit() * (knots - 1));
  // From the lip down to the first knots: one trunk, one thin.
  for (int i = 0; i < 2; ++i) {
    const float x = knot[i].x + frange(n, -14, 14);
    const model::V3 lip{x, top.at(x) - 2, 0.5f};
    const float r = i == 0 ? thick() * 1.1f : thin();
    strand(m, n, k.resin, lip, knot[i], r, i == 0 ? thick() : thin());
  }
  // Knot to knot down the slot, thick only along the trunk, and a thin
  // cross strand from some knots to a knot one or two further down in the
  // next slot over, whichever side lies nearer.
  bool film = false;
  for (int i = 0; i + 1 < knots; ++i) {
    const bool heavy = i == trunk || i == trunk + 1 || i == trunk + 3;
    const model::V3 mid = strand(m, n, k.resin, knot[i], knot[i + 1], heavy ? thick() : thin(),
                                 heavy ? thick() : thin());
    const float roll = n.unit();
    if (roll < 0.3f) {
      // A loose root instead, hanging aslant.
      const model::V3 end{knot[i].x + frange(n, -14, 14), knot[i].y + frange(n, 16, 30), 2};
      strand(m, n, k.resin, knot[i], end, thin(), 0.5f);
      m.sphere(end + model::V3{0, 1, 0}, 1.4f, k.resin, 1.2f);
      continue;
    }
    const int j = std::min(knots - 1, i + (roll < 0.65f ? 1 : 2));
    const float over = knot[j].x > knot[i].x ? -static_cast<float>(kSlot) : static_cast<float>(kSlot);
    const model::V3 far = knot[j] + model::V3{over, 0, 0};
    const model::V3 cross = strand(m, n, k.resin, knot[i], far, thin(), thin() * 0.8f);
    if (!film && j == i + 1) {
      sheets.push_back({knot[i], mid, cross});
      film = true;
    }
  }
  // The last knot roots down into the growth along the baseboard.
  const float xb = knot[knots - 1].x + frange(n, -16, 16);
  strand(m, n, k.resin, knot[knots - 1], {xb, bottom.at(xb) + 2, 0.5f}, thick(), thick() * 1.2f);
  // Thin shoots curling off a few knots, and runs hanging from two, each
  // ending in a drop.
  for (int i = 0; i < knots; i += 2)
    shoot(m, n, k.resin, knot[i], frange(n, 1.0, 1.8), n.unit() < 0.5 ? -1.0f : 1.0f);
  for (int i = 1; i < knots; i += 2) {
    const float x = knot[i].x + frange(n, -3, 3), y0 = knot[i].y + 3, len = frange(n, 10, 30), w = frange(n, 1.0, 1.8);
    m.capsule({x, y0, 1}, {x + frange(n, -3, 3), y0 + len, 1}, w, w * 0.6f, k.resin, 1.5f);
    m.sphere({x, y0 + len + 1, 1.2f}, w * 1.1f, k.resin, 1.5f);
  }
  // Drips of every length from the ceiling lip, and beads of resin of
  // every size strewn between the strands, each at a place of its own, so
  // a row of slots shows more than the one net repeated.
  for (int i = 0; i < 6; ++i) {
    const float x = slot_left + frange(n, 3, kSlot - 3), len = i % 2 ? frange(n, 18, 46) : frange(n, 5, 14);
    const float y0 = top.at(x) - 1, w = frange(n, 0.9, 1.9), lean = frange(n, -2, 2);
    tiled(x, w + 3, [&](float dx, float) {
      m.capsule({x + dx, y0, 1}, {x + dx + lean, y0 + len, 1}, w, w * 0.55f, k.resin, 1.5f);
      m.sphere({x + dx + lean, y0 + len + 1, 1.2f}, w * 1.15f, k.resin, 1.5f);
    });
  }
  for (int i = 0; i < 14; ++i) {
    const float x = slot_left + frange(n, 2, kSlot - 2), y = frange(n, 40, kWallHeight - 30.0);
    const float r = 0.7f + 2.0f * static_cast<float>(std::pow(n.unit(), 2.0));
    tiled(x, r + 1, [&](float dx, float) { m.sphere({x + dx, y, 1}, r, k.body, 1.2f); });
  }
}

// Calls place(dx) for every whole-slot shift dx that brings a feature
// spanning xa..xb into the picture: a long slanting form crosses several
// slots, and each slot of a row must hold the same pieces of it.
template <class Place>
void wrapped(float xa, float xb, Place place) {
  for (int k = -4; k <= 4; ++k) {
    const float dx = static_cast<float>(k * kSlot);
    if (xb + dx > -2 && xa + dx < slime_width + 2) place(dx);
  }
}

// The third stage: glossy resin grown over the whole slot, in large forms
// a player can read from across the room. A soft sheet of swellings fills
// behind; three heavy segmented ribs run along the wall over it, each one
// slot long and closing on itself, so in a row they join into unbroken
// ribs that wander up and down and swell and thin as they go, and the eye
// follows them across the seams instead of stacking the slots. Between the
// ribs slanting sinews tie one to the next, crossing into the neighbour's
// slot, and pods sit in the hollows, each at a height of its own.
struct Rib {
  float yc, a1, a2, p1, p2, p3, p4, girth;
  float angle(float x) const { return 2 * static_cast<float>(M_PI) * (x - slot_left) / kSlot; }
  float y(float x) const {
    return yc + a1 * std::sin(angle(x) + p1) + a2 * std::sin(2 * angle(x) + p2) + 0.5f * a2 * std::sin(3 * angle(x) + p4);
  }
  // It surfaces and sinks back into the sheet once a slot.
  float z(float x) const { return 4.5f * std::sin(angle(x) + p3); }
  float r(float x) const {
    return girth * (0.85f + 0.25f * std::sin(2 * angle(x) + p4) + 0.1f * std::sin(angle(x) + p3));
  }
};

void resin_heap(model::Model& m, Noise& n, const SlimeMaterials& k, const RaggedEdge& top,
                const RaggedEdge& bottom) {
  // The sheet: broad flat swellings on a jittered grid, three a slot
  // across, each row shifted, melted into one body.
  constexpr int cols = 3;
  constexpr float cell_w = static_cast<float>(kSlot) / cols, cell_h = 22;
  int row = 0;
  for (float cy = 4; cy < kWallHeight + 8; cy += cell_h, ++row)
    for (int c = 0; c < cols; ++c) {
      const float x = slot_left + (c + 0.5f * (row % 2) + frange(n, 0.1, 0.9)) * cell_w;
      float y = cy + frange(n, 0.25, 0.75) * cell_h;
      y = std::clamp(y, top.at(x) + 6, bottom.at(x) - 6);
      const model::V3 radii{frange(n, 11, 15), frange(n, 13, 17), frange(n, 5, 7)};
      const model::M3 turn = model::rot_z(frange(n, -0.6, 0.6));
      periodic(x, std::max(radii.x, radii.y), [&](float dx) {
        m.ellipsoid({x + dx, y, -8}, radii, turn, k.body, 6);
      });
    }
  constexpr int ribs = 3;
  Rib rib[ribs];
  for (int i = 0; i < ribs; ++i) {
    // Little of the one-slot wave and more of the shorter ones: a rib
    // that rose and fell once a slot marked every slot of a row alike.
    rib[i] = {44 + i * 52.0f + frange(n, -5, 5), frange(n, 1.5, 3.5), frange(n, 3, 5), frange(n, 0, 6.3), frange(n, 0, 6.3),
              frange(n, 0, 6.3), frange(n, 0, 6.3), frange(n, 5.5, 7.0)};
    constexpr int pts = 13;
    model::V3 p[pts];
    float radii[pts];
    for (int j = 0; j < pts; ++j) {
      const float x = slot_left + kSlot * j / (pts - 1.0f);
      p[j] = {x, rib[i].y(x), rib[i].z(x)};
      radii[j] = rib[i].r(x);
    }
    const float seg = frange(n, 4.5, 6.0);
    wrapped(slot_left - 8, slot_right + 8, [&](float dx) {
      model::V3 moved[pts];
      for (int j = 0; j < pts; ++j) moved[j] = p[j] + model::V3{dx, 0, 0};
      m.chain(moved, radii, pts, k.resin, 2.5f, seg, 0.3f);
    });
  }
  // Sinews: three a band, from the underside of one rib down to the top of
  // the next, leaning one way or the other, thick where they grip.
  for (int band = 0; band + 1 < ribs; ++band)
    for (int j = 0; j < 3; ++j) {
      const float xa = slot_left + (j + frange(n, 0.1, 0.9)) * kSlot / 3;
      const float xb = xa + (n.unit() < 0.5 ? -1.0f : 1.0f) * frange(n, 8, 22);
      const model::V3 a{xa, rib[band].y(xa) + rib[band].r(xa) * 0.6f, rib[band].z(xa)};
      const model::V3 b{xb, rib[band + 1].y(xb) - rib[band + 1].r(xb) * 0.6f, rib[band + 1].z(xb)};
      constexpr int pts = 5;
      const float w = frange(n, 1.6, 2.4), bend = frange(n, -4, 4);
      model::V3 p[pts];
      float radii[pts];
      for (int q = 0; q < pts; ++q) {
        const float t = q / (pts - 1.0f), hang = 4 * t * (1 - t);
        p[q] = {a.x + (b.x - a.x) * t + bend * hang, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t + 1.5f * hang};
        radii[q] = w * (1.3f - 0.5f * hang);
      }
      wrapped(std::min(xa, xb) - 4, std::max(xa, xb) + 4, [&](float dx) {
        model::V3 moved[pts];
        for (int q = 0; q < pts; ++q) moved[q] = p[q] + model::V3{dx, 0, 0};
        m.chain(moved, radii, pts, k.resin, 1.5f);
      });
    }
  // Pods in the hollows above, between and below the ribs: swollen
  // ovoids with a tight glossy skin in a collar of resin, no two at one
  // height.
  // Many mid-size pods rather than a few big ones: a big pod stood out at
  // one height in every slot of a row.
  constexpr int pods = 9;
  for (int i = 0; i < pods; ++i) {
    const float x = slot_left + ((i % cols) + frange(n, 0.1, 0.9)) * cell_w;
    // Spread over the bands between the ribs and the edges, two or three
    // to a band, each at a height of its own.
    const int band = (i * 3 + i / 4) % (ribs + 1);
    const float lo = band == 0 ? top.at(x) + 8 : rib[band - 1].y(x) + 6;
    const float hi = band < ribs ? rib[band].y(x) - 6 : bottom.at(x) - 8;
    const float r = frange(n, 3.0, 5.0);
    const model::V3 radii{r, r * frange(n, 1.15, 1.4), r * 0.8f};
    const float y = std::clamp(lo + frange(n, 0.3, 0.7) * (hi - lo), top.at(x) + radii.y, bottom.at(x) - radii.y);
    const model::M3 turn = model::rot_z(frange(n, -0.7, 0.7));
    periodic(x, radii.y + 2, [&](float dx) {
      const model::V3 c{x + dx, y, r - 7};
      m.ellipsoid(c, radii, turn, k.pod, 2.0f);
      m.torus(c + model::V3{0, radii.y * 0.55f, -1}, r * 0.9f, 1.6f, model::rot_x(1.2f), k.resin, 1.5f);
    });
  }
  // Drips hanging from the ribs' undersides, of every length, and a few
  // beads of resin swelling out of the sheet, so the slot holds more than
  // the ribs' one figure.
  for (int i = 0; i < 7; ++i) {
    const Rib& over = rib[i % ribs];
    const float x = slot_left + frange(n, 2, kSlot - 2), w = frange(n, 1.1, 2.2);
    const float y0 = over.y(x) + over.r(x) * 0.7f, len = i % 3 ? frange(n, 4, 12) : frange(n, 14, 26);
    const float z0 = over.z(x);
    periodic(x, w + 2, [&](float dx) {
      m.capsule({x + dx, y0, z0}, {x + dx, y0 + len, z0 - 1}, w, w * 0.6f, k.resin, 1.5f);
      m.sphere({x + dx, y0 + len + 0.5f, z0 - 1}, w * 0.95f, k.pod, 1.5f);
    });
  }
  for (int i = 0; i < 10; ++i) {
    const float x = slot_left + frange(n, 2, kSlot - 2), y = frange(n, 20, kWallHeight - 20.0);
    const float r = 1.0f + 2.5f * static_cast<float>(std::pow(n.unit(), 2.0));
    periodic(x, r + 1, [&](float dx) { m.sphere({x + dx, y, -1}, r, k.pod, 1.2f); });
  }
  // The ragged lips: resin heaped over the ceiling trim and spread over the
  // baseboard at the edges' own depths.
  for (float x = slot_left; x < slot_right; x += frange(n, 2.5, 4.5)) {
    const float r = frange(n, 2, 3.6);
    const float yt = top.at(x) + frange(n, -1, 3), yb = bottom.at(x) - frange(n, -1, 3);
    periodic(x, r * 1.3f, [&](float dx) {
      m.sphere({x + dx, yt, 0}, r, k.body, 4);
      m.ellipsoid({x + dx, yb, 0}, model::V3{r * 1.3f, r * 0.8f, r * 0.7f}, {}, k.body, 4);
    });
  }
}

// The deep resin behind the heap's forms, a little inside its ragged
// edges: where the swellings part, a cleft shows black-green resin, never
// the wall.
void resin_backing(Canvas& growth, const RaggedEdge& top, const RaggedEdge& bottom) {
  cairo_t* cr = growth.cr();
  cairo_move_to(cr, 0, top.at(0) + 4);
  for (float x = 0; x <= slime_width; x += 2) cairo_line_to(cr, x, top.at(x) + 4);
  for (float x = slime_width; x >= 0; x -= 2) cairo_line_to(cr, x, bottom.at(x) - 4);
  cairo_close_path(cr);
  rgb(cr, 0.03, 0.04, 0.025);
  cairo_fill(cr);
}

void overgrowth_body(model::Model& m, Noise& n, const SlimeMaterials& k, const Growth& g, const RaggedEdge& top,
                     const RaggedEdge& bottom, std::vector<Sheet>& sheets) {
  if (g.crust)
    strand_growth(m, n, k, top, bottom, sheets);
  else
    resin_heap(m, n, k, top, bottom);
}

// Broad patches of lighter and darker growth: a smooth field one slot wide
// that wanders in height, applied to the growth drawn alone on `growth`.
void overgrowth_value(Canvas& growth, Noise& n, const Growth& g) {
  const float p1 = frange(n, 0, 6.3), p2 = frange(n, 0, 6.3), p3 = frange(n, 0, 6.3);
  paint::each_pixel(growth, [&](int x, int y, uint32_t& p) {
    const uint32_t a = p >> 24;
    if (a == 0) return;
    const float ang = 2 * static_cast<float>(M_PI) * (x - slot_left) / kSlot;
    // Bands slanting across the slots, bent by a slower wave, so light
    // and dark run on from one picture into the next at a new height.
    float field = 0.55f * std::sin(y * 0.05f + g.slant * ang + 0.8f * std::sin(y * 0.013f + p1) + p2) +
                  0.3f * std::sin(y * 0.021f - ang + p3) + 0.15f * std::sin(y * 0.09f + 2 * ang);
    // The heap fills every slot of a row: a band that slants once a slot
    // draws the same leaning figure in each. Its light and dark run
    // mostly along the row instead, at heights that wander, with only a
    // short ripple across, so the eye finds no one-slot period.
    if (!g.crust)
      field = 0.6f * std::sin(y * 0.047f + 0.9f * std::sin(y * 0.017f + p1) + p2) +
              0.25f * std::sin(y * 0.031f + 2 * ang + p3) + 0.15f * std::sin(y * 0.083f - 3 * ang + p1);
    const float gain = g.tone * (1.0f + g.swing * field);
    uint32_t out = a << 24;
    for (int shift : {16, 8, 0})
      out |= static_cast<uint32_t>(std::clamp(paint::channel(p, shift) * gain, 0.0f, static_cast<float>(a))) << shift;
    p = out;
  });
}

// Lifts the brightest shine toward white, so the specular streaks stay
// bright in whichever channel a room tint keeps; from a lower `from` more
// of the shine turns white.
void glint(Canvas& c, float from) {
  paint::each_pixel(c, [from](int, int, uint32_t& p) {
    const uint32_t a = p >> 24;
    if (a == 0) return;
    const float r = paint::channel(p, 16), gch = paint::channel(p, 8), b = paint::channel(p, 0);
    const float v = std::max({r, gch, b});
    if (v < from) return;
    const float t = std::min(1.0f, (v - from) / 80.0f) * 0.85f;
    uint32_t out = a << 24;
    for (int shift : {16, 8, 0}) {
      const float ch = paint::channel(p, shift);
      out |= static_cast<uint32_t>(std::clamp(ch + (static_cast<float>(a) - ch) * t, 0.0f, static_cast<float>(a)))
             << shift;
    }
    p = out;
  });
}

// Evens the slot's columns with a gain that changes slowly across the
// slot: the low harmonics of the columns' mean luminance are divided out,
// so the broad light and dark of the big forms no longer stack into a
// stripe down every slot of a row, and what even_columns has left to mend
// is too small to show as lines.
void soften_columns(Canvas& c) {
  std::vector<double> sum(kSlot, 0.0), count(kSlot, 0.0);
  paint::each_pixel(c, [&](int x, int, uint32_t& p) {
    const uint32_t a = p >> 24;
    if (a < 128) return;
    const int g = ((x - overhang) % kSlot + kSlot) % kSlot;
    sum[g] += (0.3 * paint::channel(p, 16) + 0.59 * paint::channel(p, 8) + 0.11 * paint::channel(p, 0)) * 255.0 / a;
    count[g] += 1;
  });
  double total = 0, all = 0;
  for (int g = 0; g < kSlot; ++g) total += sum[g], all += count[g];
  if (all <= 0) return;
  std::vector<double> dev(kSlot, 0.0), smooth(kSlot, 0.0);
  for (int g = 0; g < kSlot; ++g) dev[g] = count[g] > 0 ? sum[g] / count[g] / (total / all) - 1 : 0;
  for (int k = 1; k <= 4; ++k) {
    double re = 0, im = 0;
    for (int g = 0; g < kSlot; ++g) {
      const double a = 2 * M_PI * k * g / kSlot;
      re += dev[g] * std::cos(a), im += dev[g] * std::sin(a);
    }
    for (int g = 0; g < kSlot; ++g) {
      const double a = 2 * M_PI * k * g / kSlot;
      smooth[g] += 2.0 / kSlot * (re * std::cos(a) + im * std::sin(a));
    }
  }
  paint::each_pixel(c, [&](int x, int, uint32_t& p) {
    const uint32_t a = p >> 24;
    if (a == 0) return;
    const double gain = 1 / (1 + smooth[((x - overhang) % kSlot + kSlot) % kSlot]);
    uint32_t out = a << 24;
    for (int shift : {16, 8, 0})
      out |= static_cast<uint32_t>(std::clamp(paint::channel(p, shift) * gain, 0.0, static_cast<double>(a))) << shift;
    p = out;
  });
}

// A pale wet rim where the growth meets bare wall, at its hem and along
// every strand: light in every channel, so a red or blue room, which keeps
// one, still shows the growth's outline against the wall. `edge` and
// `inside` are how far the outermost pixel and the one inside it go pale;
// the rest, the core, is scaled by `core`, so a strand can be a dark core
// between two bright lines.
void wet_rim(Canvas& growth, float edge, float inside, float core) {
  const int w = growth.width(), h = growth.height();
  std::vector<uint8_t> alpha(static_cast<size_t>(w) * h);
  paint::each_pixel(growth, [&](int x, int y, uint32_t& p) { alpha[static_cast<size_t>(y) * w + x] = p >> 24; });
  paint::each_pixel(growth, [&](int x, int y, uint32_t& p) {
    const uint32_t a = p >> 24;
    if (a < 128) return;
    int near = 3;
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx) {
        const int xx = x + dx, yy = y + dy;
        if (xx < 0 || yy < 0 || xx >= w || yy >= h || alpha[static_cast<size_t>(yy) * w + xx] >= 64) continue;
        near = std::min(near, std::max(std::abs(dx), std::abs(dy)));
      }
    const float t = near == 1 ? edge : near == 2 ? inside : 0.0f;
    const float gain = near > 2 ? core : 1.0f;
    const float pale[3] = {0.8f, 0.9f, 0.76f};
    uint32_t out = a << 24;
    int i = 0;
    for (int shift : {16, 8, 0}) {
      const float ch = paint::channel(p, shift) * gain;
      out |= static_cast<uint32_t>(std::clamp(ch + (pale[i++] * a - ch) * t, 0.0f, static_cast<float>(a))) << shift;
    }
    p = out;
  });
}

// Cuts the overhangs of a growth that fills its whole picture along two
// ragged lines that wander with height, 4 to 14 px out from the slot: a
// lone slot shows an uneven outline, and in a row what is left of each
// overhang lies over the same growth of its neighbour.
void ragged_sides(Canvas& c, Noise& n) {
  const float p[4] = {frange(n, 0, 6.3), frange(n, 0, 6.3), frange(n, 0, 6.3), frange(n, 0, 6.3)};
  auto reach = [&](float y, int side) {
    const float a = p[side * 2], b = p[side * 2 + 1];
    const float w = 0.5f + 0.3f * std::sin(y * 0.043f + a) + 0.2f * std::sin(y * 0.11f + b) +
                    0.12f * std::sin(y * 0.29f + a + b);
    return 4 + 10 * std::clamp(w, 0.0f, 1.0f);
  };
  paint::each_pixel(c, [&](int x, int y, uint32_t& px) {
    const float fy = static_cast<float>(y);
    if ((x < slot_left && slot_left - x > reach(fy, 0)) || (x >= slot_right && x - slot_right + 1 > reach(fy, 1)))
      px = 0;
  });
}

// Makes each overhang pixel of a growth the same as the slot's own pixel one
// slot over, wherever the growth covers it. The model repeats with the
// slot, but its fine skin and broken highlights do not, and the value pass
// sees the wall behind the slot and nothing behind the overhang; copying
// leaves no seam where a picture's overhang lies over its neighbour.
void match_overhangs(Canvas& c, Canvas& growth) {
  std::vector<uint32_t> slot(static_cast<size_t>(c.width()) * c.height());
  paint::each_pixel(c, [&](int x, int y, uint32_t& p) { slot[static_cast<size_t>(y) * c.width() + x] = p; });
  std::vector<uint32_t> cover(slot.size());
  paint::each_pixel(growth, [&](int x, int y, uint32_t& p) { cover[static_cast<size_t>(y) * c.width() + x] = p >> 24; });
  paint::each_pixel(c, [&](int x, int y, uint32_t& p) {
    if (x >= slot_left && x < slot_right) return;
    const int twin = x < slot_left ? x + kSlot : x - kSlot;
    const size_t at = static_cast<size_t>(y) * c.width();
    p = cover[at + x] >= 128 ? slot[at + twin] | 0xFF000000u : 0;
  });
}

// The membranes: thin see-through sheets sagging in between their knots,
// wet along their upper edge with a line of shine and a glint at a knot. Each is drawn again a slot to either side, so a row joins.
void membranes(Canvas& growth, Noise& n, const std::vector<Sheet>& sheets) {
  cairo_t* cr = growth.cr();
  for (const Sheet& s : sheets) {
    const Pt p[3] = {{s.a.x, s.a.y}, {s.b.x, s.b.y}, {s.c.x, s.c.y}};
    const Pt mid = lerp(lerp(p[0], p[1], 0.5), p[2], 1.0 / 3);
    const double sag = n.range(0.2, 0.35), glint = n.range(0, 3);
    // Only a few sheets catch the light along an edge.
    const bool lit = n.unit() < 0.75;
    for (double dx : {-static_cast<double>(kSlot), 0.0, static_cast<double>(kSlot)}) {
      const Pt shift{dx, 0};
      // Each edge curves in toward the middle, as a stretched sheet does.
      auto edge = [&](int i) {
        const Pt a = p[i] + shift, b = p[(i + 1) % 3] + shift, ctl = lerp(lerp(a, b, 0.5), mid + shift, sag);
        cairo_curve_to(cr, lerp(a, ctl, 0.66).x, lerp(a, ctl, 0.66).y, lerp(b, ctl, 0.66).x, lerp(b, ctl, 0.66).y, b.x,
                       b.y);
      };
      cairo_move_to(cr, p[0].x + dx, p[0].y);
      for (int i = 0; i < 3; ++i) edge(i);
      cairo_close_path(cr);
      cairo_pattern_t* film = cairo_pattern_create_radial(mid.x + dx, mid.y, 0, mid.x + dx, mid.y, 12);
      cairo_pattern_add_color_stop_rgba(film, 0, 0.2, 0.28, 0.16, 0.4);
      cairo_pattern_add_color_stop_rgba(film, 1, 0.08, 0.13, 0.06, 0.6);
      cairo_set_source(cr, film);
      cairo_fill_preserve(cr);
      cairo_pattern_destroy(film);
      // A dark thickened seam where the sheet meets its strands, so its
      // outline reads under any tint.
      rgb(cr, 0.03, 0.05, 0.02, 0.7);
      cairo_set_line_width(cr, 1.1);
      cairo_stroke(cr);
      // Shine along the upper edge, where the sheet meets its strand,
      // and a softer sheen beside it.
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      if (!lit) continue;
      for (double width : {1.8, 0.7}) {
        cairo_move_to(cr, p[0].x + dx, p[0].y);
        edge(0);
        rgb(cr, 0.93, 1.0, 0.9, width > 1 ? 0.16 : 0.6);
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
      }
      const Pt g = p[static_cast<int>(glint)] + shift;
      rgb(cr, 1, 1, 1, 0.95);
      cairo_arc(cr, g.x - 0.5, g.y - 0.5, 0.9, 0, 2 * M_PI);
      cairo_fill(cr);
    }
  }
}

// The second stage's damp stain: a thin film over the slot's whole width
// between the ragged edges that dims the wall the strands cling to, the
// panel seams showing through, mottled in broad patches so it reads as
// seeping wet rather than paint. It runs edge to edge, so a row of it is
// one stain.
void membrane_sheet(Canvas& c, Noise& n, const RaggedEdge& top, const RaggedEdge& bottom) {
  cairo_t* cr = c.cr();
  auto outline = [&] {
    cairo_move_to(cr, slot_left, top.at(slot_left));
    for (float x = slot_left; x <= slot_right; x += 2) cairo_line_to(cr, x, top.at(x));
    for (float x = slot_right; x >= slot_left; x -= 2) cairo_line_to(cr, x, bottom.at(x));
    cairo_close_path(cr);
  };
  outline();
  rgb(cr, 0.3, 0.31, 0.28, 0.3);
  cairo_fill(cr);
  // Thicker and thinner patches, repeated a slot over so the row joins.
  cairo_save(cr);
  outline();
  cairo_clip(cr);
  for (int i = 0; i < 7; ++i) {
    const double x = n.range(slot_left, slot_right), y = n.range(20, kWallHeight - 20), r = n.range(13, 26);
    const bool thick = i % 2 == 0;
    for (double dx : {-static_cast<double>(kSlot), 0.0, static_cast<double>(kSlot)}) {
      cairo_pattern_t* p = cairo_pattern_create_radial(x + dx, y, 0, x + dx, y, r);
      const double v = thick ? 0.1 : 0.7, a = thick ? 0.42 : 0.25;
      cairo_pattern_add_color_stop_rgba(p, 0, v, v * 1.15, v * 0.9, a);
      cairo_pattern_add_color_stop_rgba(p, 1, v, v * 1.15, v * 0.9, 0);
      cairo_set_source(cr, p);
      cairo_paint(cr);
      cairo_pattern_destroy(p);
    }
  }
  cairo_restore(cr);
}

void slime_overgrowth(Canvas& c, Noise& n, const Growth& g) {
  SlimeMaterials k;
  // The strands are green-black tissue, glossy, so each carries a wet
  // highlight on its lit side over a dark underside.
  if (g.crust) {
    // Young resin: olive-brown, lit through where it is thin, the knots a
    // shade darker than the strands that leave them.
    k.body = SlimeMaterials::wet(0.12f, 0.11f, 0.045f);
    k.resin = SlimeMaterials::wet(0.19f, 0.19f, 0.075f);
    for (model::Material* mat : {&k.body, &k.resin}) {
      mat->translucent = 0.55f, mat->tr = 0.7f, mat->tg = 0.78f, mat->tb = 0.3f;
      // A tight highlight: a wet line along each strand, not a grey sheen.
      mat->shine = 110;
    }
    k.body.mottle = 0.3f;
  }
  k.body.specular = k.resin.specular = g.shine;
  overgrowth_wall(c, n, g);
  const RaggedEdge top{0, g.top_depth, frange(n, 0, 6.3), frange(n, 0, 6.3)};
  const RaggedEdge bottom{static_cast<float>(kWallHeight) + 4, -g.bottom_depth, frange(n, 0, 6.3), frange(n, 0, 6.3)};
  if (g.crust) membrane_sheet(c, n, top, bottom);
  model::Model m;
  // Poured resin is smooth: a faint, broad skin; the crust keeps a finer
  // grain.
  if (g.crust) {
    m.set_skin(0.5f, 3.5f);
  } else {
    m.set_skin(0.3f, 6.0f);
    // Resin with light olive-grey mid-tones: each channel carries the
    // forms' shading, so a room that keeps one channel still shows ribs
    // and pods rather than a dark smear. The ribs are a shade lighter than
    // the sheet they rise from, the pods lighter still and lit through.
    k.body = SlimeMaterials::wet(0.12f, 0.14f, 0.09f);
    k.resin = SlimeMaterials::wet(0.2f, 0.22f, 0.15f);
    k.pod = SlimeMaterials::wet(0.3f, 0.34f, 0.2f);
    k.pod.translucent = 0.5f, k.pod.tr = 0.75f, k.pod.tg = 0.8f, k.pod.tb = 0.55f;
    k.body.mottle = 0.25f;
    for (model::Material* mat : {&k.body, &k.resin, &k.pod}) {
      mat->specular = g.shine;
      mat->streak = 0.15f;
      mat->shine = 90;
    }
  }
  std::vector<Sheet> sheets;
  overgrowth_body(m, n, k, g, top, bottom, sheets);
  model::RenderOptions o;
  // Glossy: the strands show by their highlights and rims, the heap's
  // forms by their shading as well.
  o.ambient = g.crust ? 0.12f : 0.28f;
  o.exposure = g.crust ? 1.25f : 1.45f;
  // A rim light white enough to show in every channel.
  o.rim_r = 0.7f, o.rim_g = 0.78f, o.rim_b = 0.72f;
  // A stronger, whiter rim keeps the heap's ribs and pods apart from one
  // another in a room that keeps only one channel.
  if (!g.crust) o.rim_r = 0.95f, o.rim_g = 1.0f, o.rim_b = 0.95f;
  // The strands stand off the wall: a soft rim keeps them round.
  if (g.crust) o.rim_r *= 0.6f, o.rim_g *= 0.6f, o.rim_b *= 0.6f;
  // The growth is fine texture inside a masked outline: nine samples a
  // pixel hold its edges as well as sixteen.
  o.supersample = 3;
  // The growth is rendered alone, so that its own alpha tells where it
  // lies, then laid over the wall.
  Canvas growth(c.width(), c.height());
  if (!g.crust) resin_backing(growth, top, bottom);
  model::render(m, growth, o);
  overgrowth_value(growth, n, g);
  // Only the heap's brightest shine goes white, so its lighter mid-tones
  // stay tissue rather than turning to chalk.
  glint(growth, g.crust ? 135.0f : 175.0f);
  // Every strand is a dark core between two bright lines, which a dark
  // tint keeps; the heap gets a softer pale hem.
  if (g.crust)
    wet_rim(growth, 0.4f, 0.0f, 0.6f);
  else
    wet_rim(growth, 0.5f, 0.22f, 1.0f);
  membranes(growth, n, sheets);
  cairo_set_source_surface(c.cr(), growth.surface(), 0, 0);
  cairo_paint(c.cr());
  // The lumps' shading deepened in every channel (the green pulled only a
  // little toward grey), so the mass keeps its relief under any tint; then
  // the slot's columns evened out (below), so a row of it shows no stripe
  // at the same place in every slot.
  paint::value_detail(c, 4, g.crust ? 0.7 : 0.35, g.crust ? 0.2 : 0.55);
  // The lone slot's outline is cut before the columns are evened, so the
  // evening counts the pixels that are really drawn.
  if (!g.crust) {
    match_overhangs(c, growth);
    ragged_sides(c, n);
  }
  if (!g.crust) soften_columns(c);
  // Twice: the first pass's rounding to whole levels leaves a little for
  // the second.
  for (int pass = 0; pass < 2; ++pass) paint::even_columns(c, overhang, kSlot, 1.0);
}

}  // namespace

Bytes make_slime_solid(int level) {
  Canvas c(slime_width, kWallHeight);
  Noise n(0x511Eu + static_cast<uint32_t>(level) * 131u);
  if (level == 1)
    slime_streaks(c, n);
  else
    slime_overgrowth(c, n, level == 2 ? stage_two : stage_three);
  return c.png();
}

}  // namespace contentgen::roomart
