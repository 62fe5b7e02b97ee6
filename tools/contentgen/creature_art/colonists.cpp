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
  const model::Material body{0.08f, 0.18f, 0.06f, 1.4f, 55, 0.9f, 0};
  const model::Material resin{0.14f, 0.22f, 0.09f, 1.2f, 45, 0.8f, 0};
  const model::Material overalls{0.46f, 0.28f, 0.12f, 0.3f, 20, 0.5f, 0};
  const model::Material skin{0.60f, 0.45f, 0.37f, 0.35f, 25, 0.5f, 0};
  const model::Material hair{0.20f, 0.12f, 0.06f, 0.4f, 20, 0.4f, 0};
  const float cx = kCocoon.w / 2.0f, H = kCocoon.h;
  Canvas c(kCocoon.w, kCocoon.h);
  Noise n(burst ? 0xC0C2u : 0xC0C1u);
  Noise shape(0xC0C0u);  // the mass is the same before and after the burst
  model::Model m;
  m.set_skin(0.45f, 4.0f);
  // The mass: lumps from the top edge to a heap on the floor, widest there.
  for (int i = 0; i < 46; ++i) {
    const float y = static_cast<float>(shape.range(0, H));
    const float half = 40 + 26 * (y / H) * (y / H);
    const float x = cx + static_cast<float>(shape.range(-half, half));
    const float r = static_cast<float>(shape.range(8, 16));
    m.ellipsoid({x, y, -8}, {r, r * 1.3f, r * 0.7f}, model::rot_z(static_cast<float>(shape.range(-0.4, 0.4))), body, 8);
  }
  for (float x = cx - 62; x <= cx + 62; x += 10) m.sphere({x, H - 2, -4}, static_cast<float>(shape.range(7, 11)), body, 6);
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
  m.capsule({cx, 78, 0}, {cx, 94, 2}, 5, 6, skin, 3);
  m.ellipsoid({cx, 66, 4}, {11.5f, 13, 10}, {}, skin, 0);
  m.ellipsoid({cx, 60, 1}, {12.5f, 10.5f, 10.5f}, {}, hair, 3);
  if (burst) {
    // The chest torn open from inside: a cavity, broken ribs, blood.
    m.ellipsoid({cx, 128, 16}, {17, 17, 17}, {}, overalls, 3, true);
    m.ellipsoid({cx, 130, 0}, {15, 15, 8}, {}, kMouth, 2);
    for (int i = 0; i < 8; ++i) {
      const float a = static_cast<float>(-M_PI + i * (2 * M_PI / 8) + n.range(-0.2, 0.2));
      const V3 p0{cx + std::cos(a) * 13, 128 + std::sin(a) * 13, 12};
      const V3 p1{cx + std::cos(a) * 22, 128 + std::sin(a) * 22, 18};
      m.capsule(p0, p1, 1.8f, 1.0f, kTooth, 0.5f);
    }
  }
  // Resin swallowing the arms and legs and rising over the shoulders.
  for (int s = -1; s <= 1; s += 2) {
    for (float t = 0; t <= 1.0f; t += 0.25f)
      m.sphere({cx + s * (40 + 12 * t), 96 - 64 * t, 4}, 9 - 2 * t, resin, 6);
    m.sphere({cx + s * 16.0f, 182, 6}, 13, resin, 7);
    m.ellipsoid({cx + s * 22.0f, 92, 8}, {8, 14, 6}, model::rot_z(s * 0.6f), resin, 5);
  }
  // Ropes binding the body, and webbing out to the wall.
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
      strand(m, {cx + s * 56.0f, y, 2}, {s < 0 ? 3.0f : kCocoon.w - 3.0f, y + 8, -4}, 5, 1.4f);
    }
  drool(m, {cx - 18, 98, 10}, 16, 1, 1.3f);
  drool(m, {cx + 26, 102, 10}, 22, -1, 1.5f);
  model::RenderOptions o;
  o.ambient = 0.26f;
  o.exposure = 1.1f;
  model::render(m, c, o);
  // The face, painted at the free colonist's scale inside the head box
  // (57..98, 46..90) that a shot must find.
  cairo_t* cr = c.cr();
  face(cr, 77.5, 68, 8.5, burst ? 0.2 : 1.0, burst ? 1.0 : 0.2, !burst);
  if (burst) {
    cairo_move_to(cr, 76, 76);
    cairo_line_to(cr, 75.5, 90);
    cairo_set_source_rgb(cr, 0.55, 0.02, 0.02);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    Noise rng(510);
    for (int i = 0; i < 6; ++i) {
      double x = 66 + i * 4.5 + rng.range(-2, 2);
      cairo_move_to(cr, x, 142);
      cairo_line_to(cr, x + rng.range(-2, 2), 150 + rng.range(10, 36));
      cairo_set_source_rgb(cr, 0.50, 0.02, 0.02);
      cairo_set_line_width(cr, rng.range(2, 3.5));
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_stroke(cr);
    }
  }
  return c.png();
}

}  // namespace contentgen::creatures
