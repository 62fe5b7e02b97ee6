// The colonist set in resin on the wall, whole and burst.
#include <cmath>

#include "creature_art/solid.h"
#include "creature_sizes.h"
#include "creature_art/creature_brushes.h"
#include "pictures.h"

namespace contentgen::creatures {

namespace {

void fill_radial(cairo_t* cr, double cx, double cy, double r, double lr, double lg, double lb, double dr, double dg,
                 double db) {
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.35, r * 0.05, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(g, 0, lr, lg, lb);
  cairo_pattern_add_color_stop_rgb(g, 1, dr, dg, db);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_source_rgba(cr, 0.05, 0.04, 0.04, 0.9);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void ellipse_path(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

// A face centred at (cx, cy) with half-width r; fear opens the eyes and
// mouth; pale drains the colour.
void face(cairo_t* cr, double cx, double cy, double r, double fear, double pale, bool eyes_open) {
  double sr = 0.86 - 0.25 * pale, sg = 0.64 - 0.12 * pale, sb = 0.50 - 0.02 * pale;
  ellipse_path(cr, cx, cy, r, r * 1.28);
  fill_radial(cr, cx, cy, r * 1.3, sr, sg, sb, sr * 0.32, sg * 0.28, sb * 0.30);
  const double ey = cy - r * 0.12, ex = r * 0.42;
  for (int s = -1; s <= 1; s += 2) {
    // Socket shadow, eye, brow.
    ellipse_path(cr, cx + s * ex, ey, r * 0.3, r * 0.2);
    cairo_set_source_rgba(cr, 0.2 * sr, 0.15 * sg, 0.15 * sb, 0.8);
    cairo_fill(cr);
    if (eyes_open) {
      ellipse_path(cr, cx + s * ex, ey, r * 0.22, r * (0.09 + 0.06 * fear));
      cairo_set_source_rgb(cr, 0.92, 0.90, 0.86);
      cairo_fill(cr);
      cairo_arc(cr, cx + s * ex - s * r * 0.02, ey, r * 0.085, 0, 2 * M_PI);
      cairo_set_source_rgb(cr, 0.18, 0.12, 0.08);
      cairo_fill(cr);
      cairo_arc(cr, cx + s * ex - s * r * 0.02 - r * 0.03, ey - r * 0.03, r * 0.03, 0, 2 * M_PI);
      cairo_set_source_rgb(cr, 1, 1, 1);
      cairo_fill(cr);
    } else {
      cairo_move_to(cr, cx + s * ex - r * 0.2, ey);
      cairo_curve_to(cr, cx + s * ex - r * 0.1, ey + r * 0.06, cx + s * ex + r * 0.1, ey + r * 0.06,
                     cx + s * ex + r * 0.2, ey);
      cairo_set_source_rgb(cr, 0.15, 0.08, 0.06);
      cairo_set_line_width(cr, std::max(0.6, r * 0.05));
      cairo_stroke(cr);
    }
    // Brows pulled up in the middle with fear.
    cairo_move_to(cr, cx + s * ex * 0.25, ey - r * (0.25 + 0.12 * fear));
    cairo_line_to(cr, cx + s * ex * 1.6, ey - r * 0.25);
    cairo_set_source_rgb(cr, 0.18, 0.12, 0.08);
    cairo_set_line_width(cr, std::max(0.8, r * 0.08));
    cairo_stroke(cr);
  }
  // Nose.
  cairo_move_to(cr, cx, ey + r * 0.05);
  cairo_curve_to(cr, cx - r * 0.02, cy + r * 0.25, cx - r * 0.14, cy + r * 0.3, cx - r * 0.02, cy + r * 0.34);
  cairo_set_source_rgba(cr, 0.3 * sr, 0.2 * sg, 0.2 * sb, 0.9);
  cairo_set_line_width(cr, std::max(0.6, r * 0.05));
  cairo_stroke(cr);
  // Mouth, open in a silent scream.
  ellipse_path(cr, cx, cy + r * 0.66, r * (0.22 + 0.1 * fear), r * (0.08 + 0.2 * fear));
  cairo_set_source_rgb(cr, 0.16, 0.03, 0.03);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.45, 0.18, 0.16);
  cairo_set_line_width(cr, std::max(0.6, r * 0.05));
  cairo_stroke(cr);
}

}  // namespace

Bytes cocoon(bool burst) {
  // A colonist fused into the wall's resin: the same wet growth as the
  // slime runs from the top of the picture down to a heap on the floor,
  // swallows the raised, pinned arms and the legs, and binds the body with
  // ropes; only the head and chest stand out of it. Modelled in relief and
  // rendered like the creatures, the face painted over.
  using namespace solid;
  using model::V3;
  // The wall's resin: dark olive, ridged and dulled in patches, wet where
  // it is fresh; the blood of the burst dark and glossy.
  const model::Material body{0.10f, 0.11f, 0.055f, 1.2f, 50, 0.8f, 0, 0.8f, 7.0f, 0.45f, 0.35f};
  const model::Material resin{0.13f, 0.14f, 0.07f, 1.4f, 60, 0.9f, 0, 0.4f, 5.0f, 0.3f, 0.3f};
  const model::Material overalls{0.40f, 0.25f, 0.11f, 0.3f, 20, 0.5f, 0, 0, 6, 0, 0.25f};
  const model::Material skin{0.72f, 0.55f, 0.46f, 0.45f, 25, 0.5f, 0, 0, 6, 0, 0.1f, 0.35f};
  const model::Material hair{0.16f, 0.10f, 0.05f, 0.4f, 20, 0.4f, 0};
  const model::Material blood{0.30f, 0.02f, 0.02f, 1.6f, 70, 0.5f, 0.05f};
  const model::Material rib{0.78f, 0.70f, 0.58f, 0.6f, 30, 0.4f, 0, 0, 6, 0, 0.2f, 0.3f};
  const float cx = kCocoon.w / 2.0f, H = kCocoon.h;
  Canvas c(kCocoon.w, kCocoon.h);
  Noise n(burst ? 0xC0C2u : 0xC0C1u);
  Noise shape(0xC0C0u);  // the mass is the same before and after the burst
  model::Model m;
  m.set_skin(0.45f, 4.0f);
  // The mass: lumps from above the top edge (it runs on up the wall) to a
  // heap on the floor, widest there, filling the slot's height.
  for (int i = 0; i < 56; ++i) {
    const float y = static_cast<float>(shape.range(-8, H));
    const float half = 44 + 24 * std::max(0.0f, y / H) * std::max(0.0f, y / H);
    const float x = cx + static_cast<float>(shape.range(-half, half));
    const float r = static_cast<float>(shape.range(9, 17));
    m.ellipsoid({x, y, -8}, {r, r * 1.3f, r * 0.7f}, model::rot_z(static_cast<float>(shape.range(-0.4, 0.4))), body, 8);
  }
  for (float x = cx - 36; x <= cx + 36; x += 12) m.sphere({x, -6, -6}, static_cast<float>(shape.range(10, 14)), body, 8);
  for (float x = cx - 64; x <= cx + 64; x += 10) m.sphere({x, H - 2, -4}, static_cast<float>(shape.range(7, 11)), body, 6);
  // The body: overalls, shoulders, the arms pinned up and out, the legs.
  m.ellipsoid({cx, 128, 2}, {27, 40, 14}, {}, overalls, 0);
  for (int s = -1; s <= 1; s += 2) {
    const V3 sh{cx + s * 27.0f, 104, 2};
    const V3 el{cx + s * 46.0f, 70, 0};
    const V3 hand{cx + s * 50.0f, 34, -2};
    m.sphere(sh, 11, overalls, 5);
    m.capsule(sh, el, 8, 6.5f, overalls, 4);
    m.capsule(el, hand, 6.5f, 5, overalls, 3);
    m.sphere(hand, 5.5f, skin, 2);
    m.capsule({cx + s * 12.0f, 160, 0}, {cx + s * 18.0f, H - 4, -2}, 10, 8, overalls, 5);
  }
  m.capsule({cx, 80, 0}, {cx, 96, 2}, 6, 7, skin, 3);
  m.ellipsoid({cx, 66, 5}, {14, 16, 11}, {}, skin, 0);
  m.ellipsoid({cx, 57, 1}, {15, 11, 11}, {}, hair, 3);
  if (burst) {
    // The chest torn open from inside: a ragged cavity, ribs snapped and
    // bent outward, and the blood gushing down over the overalls.
    m.ellipsoid({cx, 126, 16}, {16, 18, 17}, {}, overalls, 3, true);
    m.ellipsoid({cx + 3, 116, 14}, {8, 7, 10}, {}, overalls, 2, true);
    m.ellipsoid({cx, 128, 0}, {15, 16, 8}, {}, blood, 2);
    for (int i = 0; i < 9; ++i) {
      const float a = static_cast<float>(-M_PI + i * (2 * M_PI / 9) + n.range(-0.25, 0.25));
      const float r0 = 12 + static_cast<float>(n.range(0, 3)), r1 = r0 + static_cast<float>(n.range(5, 11));
      const V3 p0{cx + std::cos(a) * r0, 127 + std::sin(a) * r0, 10};
      const V3 p1{cx + std::cos(a) * r1, 127 + std::sin(a) * r1, static_cast<float>(16 + n.range(0, 8))};
      const V3 kink = p1 + V3{static_cast<float>(n.range(-3, 3)), static_cast<float>(n.range(-3, 3)), 4};
      m.capsule(p0, p1, 2.0f, 1.4f, rib, 0.6f);
      m.capsule(p1, kink, 1.4f, 0.5f, rib, 0.4f);
    }
    // The gush: uneven streams that run, fork and thin down the body.
    for (int k = 0; k < 5; ++k) {
      V3 at{cx + static_cast<float>(n.range(-11, 11)), 136, 12};
      float w = static_cast<float>(n.range(2.2, 4.2));
      const int steps = 3 + static_cast<int>(n.range(0, 4));
      for (int j = 0; j < steps; ++j) {
        const V3 next = at + V3{static_cast<float>(n.range(-4, 4)), static_cast<float>(n.range(7, 13)), 0.5f};
        const float w2 = w * static_cast<float>(n.range(0.65, 0.95));
        m.capsule(at, next, w, w2, blood, 1.5f);
        at = next, w = w2;
      }
      m.sphere(at + V3{0, w, 0}, w * 1.4f, blood, 1.2f);
    }
    m.ellipsoid({cx + 2, 140, 12}, {13, 6, 4}, model::rot_z(0.2f), blood, 3);
  }
  // Resin swallowing the arms and legs in smooth sheaths and rising over
  // the shoulders.
  for (int s = -1; s <= 1; s += 2) {
    m.capsule({cx + s * 38.0f, 98, 4}, {cx + s * 50.0f, 34, 2}, 10, 8, resin, 6, 9, 0.25f);
    m.sphere({cx + s * 16.0f, 182, 6}, 13, resin, 7);
    m.ellipsoid({cx + s * 22.0f, 92, 8}, {8, 14, 6}, model::rot_z(s * 0.6f), resin, 5);
  }
  // Ropes binding the body; the resin spreads out to the wall in sheets.
  const V3 ropes[][2] = {{{cx - 40, 112, 6}, {cx + 34, 158, 12}},
                         {{cx + 40, 118, 6}, {cx - 30, 166, 12}},
                         {{cx - 36, 150, 6}, {cx + 38, 150, 10}}};
  for (const auto& r : ropes) {
    const V3 mid = model::lerp3(r[0], r[1], 0.5f) + V3{0, 4, 6};
    m.capsule(r[0], mid, 3.2f, 4.0f, resin, 3, 6, 0.5f);
    m.capsule(mid, r[1], 4.0f, 3.2f, resin, 3, 6, 0.5f);
  }
  for (int s = -1; s <= 1; s += 2)
    for (int i = 0; i < 3; ++i) {
      const float y = 40.0f + i * 55 + static_cast<float>(shape.range(-10, 10));
      m.capsule({cx + s * 56.0f, y, -2}, {s < 0 ? 6.0f : kCocoon.w - 6.0f, y + 10, -8}, 5, 8, body, 7);
    }
  drool(m, {cx - 18, 98, 10}, 16, 1, 1.3f);
  drool(m, {cx + 26, 102, 10}, 22, -1, 1.5f);
  model::RenderOptions o;
  o.ambient = 0.26f;
  o.exposure = 1.1f;
  model::render(m, c, o);
  // The face, painted larger than the free colonist's inside the head box
  // (57..98, 46..90) that a shot must find; a tear of blood from the mouth
  // once the chest has burst.
  cairo_t* cr = c.cr();
  face(cr, 77.5, 67, 10.5, burst ? 0.2 : 1.0, burst ? 1.0 : 0.2, !burst);
  if (burst) {
    cairo_move_to(cr, 77, 78);
    cairo_curve_to(cr, 76.5, 82, 78, 85, 76.5, 90);
    cairo_set_source_rgb(cr, 0.42, 0.02, 0.02);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  }
  return c.png();
}

}  // namespace contentgen::creatures
