// The close-up shown full screen when a cocooned colonist is found: a
// living face half swallowed by the wall's wet black resin, mouth open in
// a scream, eyes wide, caught in a single harsh flashlight from the upper
// left with the cool rim light behind. Modelled in the round and rendered
// like the creatures, over a near-black chamber.
#include <cmath>

#include "creature_art/face_model.h"
#include "creature_art/solid.h"
#include "creature_sizes.h"
#include "creature_art/creature_brushes.h"
#include "pictures.h"

namespace contentgen::creatures {

namespace {

using namespace solid;
using model::place;
using model::rot_x;
using model::rot_y;
using model::rot_z;

// The resin: near black, green in its depths, glossy enough to catch the
// flashlight on every rib.
constexpr Material resin{0.035f, 0.055f, 0.05f, 1.5f, 70, 1.1f, 0};
constexpr Material resin_deep{0.02f, 0.035f, 0.035f, 1.2f, 60, 0.9f, 0};
constexpr Material slime{0.20f, 0.26f, 0.22f, 1.6f, 90, 1.0f, 0.04f};

// A rope of resin through a chain of points, ribbed along its length.
void rope(Model& m, std::initializer_list<V3> pts, float r0, float r1, const Material& mat, float k, float rib) {
  const V3* p = pts.begin();
  const int n = static_cast<int>(pts.size());
  for (int i = 0; i + 1 < n; ++i) {
    const float a = r0 + (r1 - r0) * i / (n - 1), b = r0 + (r1 - r0) * (i + 1) / (n - 1);
    m.capsule(p[i], p[i + 1], a, b, mat, k, rib > 0 ? a * rib : 0, rib > 0 ? a * 0.05f : 0);
  }
}

// A strand stretched across the face from a to b, sagging by `sag` and
// bowed toward the viewer so it lies on the skin rather than through it.
void strand_over(Model& m, V3 a, V3 b, float sag, float r, const Material& mat) {
  V3 prev = a;
  float prev_w = r * 1.3f;
  for (int i = 1; i <= 16; ++i) {
    const float t = i / 16.0f, bow = 4 * t * (1 - t);
    const V3 p = model::lerp3(a, b, t) + V3{0, sag * bow, 10 * bow};
    const float w = r * (0.7f + 1.2f * std::fabs(t - 0.5f));  // thinning where it is drawn out
    m.capsule(prev, p, prev_w, w, mat, r * 2);
    prev = p;
    prev_w = w;
  }
}

// The chamber wall behind the head: a lumpy mass of resin with ribbed
// ropes radiating from behind the head out past the picture's edges.
void resin_wall(Model& m) {
  Noise rng(907);
  m.set_skin(2.2f, 14);
  // The wall itself, which the ribs grow out of.
  m.ellipsoid({0, 0, -400}, {520, 420, 260}, {}, resin_deep, 0);
  // Ribs of the wall radiating from behind the head to the picture's edges.
  for (int i = 0; i < 16; ++i) {
    const float a = -3.1416f + i * 6.2832f / 16 + static_cast<float>(rng.range(-0.12, 0.12));
    const float c = std::cos(a), s = std::sin(a);
    const float bow = static_cast<float>(rng.range(-40, 40));
    rope(m,
         {V3{c * 80, s * 95, -90}, V3{c * 170 - s * bow, s * 160 + c * bow, -100},
          V3{c * 300 - s * bow * 0.5f, s * 260 + c * bow * 0.5f, -140}},
         static_cast<float>(rng.range(14, 22)), static_cast<float>(rng.range(26, 38)), i % 3 ? resin : resin_deep, 26,
         1.3f);
  }
}

// The resin that has taken the head: ribbed ropes over the crown, down the
// right side of the face and round the jaw, and strands across the face.
void resin_over_face(Model& m) {
  // The crown and the right side sunk in a ribbed mass that has crept over
  // the right eye's corner and down the cheek to the jaw.
  m.set_skin(1.4f, 10);
  rope(m, {V3{-100, -110, 0}, V3{-36, -84, 34}, V3{30, -76, 46}, V3{70, -34, 44}}, 22, 26, resin, 16, 0.5f);
  rope(m, {V3{120, -110, 0}, V3{64, -40, 46}, V3{54, 14, 50}, V3{50, 80, 44}, V3{66, 150, 20}}, 22, 26, resin, 14,
       0.5f);
  rope(m, {V3{150, -20, -20}, V3{100, 40, 20}, V3{80, 100, 24}, V3{110, 170, 10}}, 26, 32, resin_deep, 14, 0.6f);
  // The left side, holding the jaw and the neck.
  rope(m, {V3{-150, 30, -30}, V3{-80, 70, 10}, V3{-50, 120, 26}, V3{-30, 180, 30}}, 22, 30, resin, 16, 0.6f);
  rope(m, {V3{-160, -60, -40}, V3{-86, -60, 0}, V3{-72, -10, 12}}, 18, 16, resin_deep, 14, 0.6f);
  // Under the chin, binding the neck.
  rope(m, {V3{-110, 150, 0}, V3{-30, 126, 34}, V3{40, 124, 36}, V3{110, 150, 0}}, 20, 24, resin_deep, 14, 0.6f);
  // Strands drawn across the face and over the open mouth, sagging wet.
  m.set_skin(0, 1);
  strand_over(m, {-60, -50, 40}, {46, -6, 50}, 12, 1.7f, resin);
  strand_over(m, {-54, 20, 42}, {42, 60, 50}, 16, 2.2f, slime);
  strand_over(m, {-36, 86, 34}, {44, 40, 52}, 14, 1.8f, resin);
  strand_over(m, {-62, -4, 34}, {-4, 30, 60}, 6, 1.4f, slime);
  drool(m, {12, 62, 62}, 46, 3, 2.2f);
}

}  // namespace

Bytes colonist_closeup() {
  const double W = kColonistBig.w, H = kColonistBig.h;
  Canvas c(kColonistBig.w, kColonistBig.h);
  cairo_t* cr = c.cr();
  // The chamber: near black, a faint cold glow behind the head.
  cairo_pattern_t* g = cairo_pattern_create_radial(W * 0.5, H * 0.45, 10, W * 0.5, H * 0.5, W * 0.7);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.05, 0.08, 0.09);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.005, 0.01, 0.012);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  // The head tipped back a little and turned toward the light.
  const model::Xf view = place({W * 0.52f, H * 0.44f, 0}, rot_z(0.08f) * rot_y(-0.22f) * rot_x(-0.12f), 1.3f);
  Model m;
  m.set_xf(view);
  resin_wall(m);
  m.set_skin(0.25f, 3);
  face_model::screaming_head(m);
  resin_over_face(m);
  model::RenderOptions o;
  o.outline_dark = 0;  // the close-up fills the screen: no outline to sink
  o.ambient = 0.05f;
  o.exposure = 1.25f;
  o.supersample = 4;
  model::render(m, c, o);
  // The chamber's air is cold: a faint green-blue cast over everything the
  // flashlight finds.
  cairo_set_operator(cr, CAIRO_OPERATOR_MULTIPLY);
  cairo_set_source_rgb(cr, 0.86, 0.96, 1.0);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  // Sink the edges into the dark so only the face holds the light.
  g = cairo_pattern_create_radial(W * 0.5, H * 0.44, 60, W * 0.5, H * 0.5, W * 0.62);
  cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0.0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.0, 0.01, 0.015, 0.85);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  grain(c, 701, 0.08);
  return c.png_opaque();
}

}  // namespace contentgen::creatures
