// The colonist set in resin on the wall (whole and burst), and the close-up
// shown when one is found.
#include <cmath>

#include "creature_art/solid.h"
#include "creature_sizes.h"
#include "paint.h"
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

namespace {

// A soft round spot of colour fading to nothing: the painted shading of
// the close-up is built from these.
void soft_spot(cairo_t* cr, double cx, double cy, double rx, double ry, double r, double g, double b, double a) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(p, 0, r, g, b, a);
  cairo_pattern_add_color_stop_rgba(p, 1, r, g, b, 0);
  cairo_set_source(cr, p);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
}

void soft_stroke(cairo_t* cr, Pt a, Pt c1, Pt c2, Pt b, double width, double r, double g, double bl, double alpha) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, a.x, a.y);
    cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, b.x, b.y);
    cairo_set_source_rgba(cr, r, g, bl, alpha * (0.3 + 0.35 * i));
    cairo_set_line_width(cr, width * (2.2 - 0.6 * i));
    cairo_stroke(cr);
  }
}

// Skin tones under the dim cold light: lit, mid, shadow.
constexpr double kSkinLit[] = {0.66, 0.68, 0.60};
constexpr double kSkinMid[] = {0.44, 0.40, 0.35};
constexpr double kSkinDark[] = {0.10, 0.11, 0.12};

// The face in local coordinates: origin mid-face, 1 unit = 1 pixel, head
// about 180 x 240. Eyes at y -20, mouth at y 62, chin at 118.
void painted_face(cairo_t* cr) {
  // Head shape.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, -128);
  cairo_curve_to(cr, 62, -128, 96, -80, 94, -18);
  cairo_curve_to(cr, 92, 40, 70, 96, 30, 120);
  cairo_curve_to(cr, 12, 130, -12, 130, -30, 120);
  cairo_curve_to(cr, -70, 96, -92, 40, -94, -18);
  cairo_curve_to(cr, -96, -80, -62, -128, 0, -128);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(30, -40, 10, 0, 0, 140);
  cairo_pattern_add_color_stop_rgb(g, 0, kSkinLit[0], kSkinLit[1], kSkinLit[2]);
  cairo_pattern_add_color_stop_rgb(g, 0.45, kSkinMid[0], kSkinMid[1], kSkinMid[2]);
  cairo_pattern_add_color_stop_rgb(g, 1, kSkinDark[0], kSkinDark[1], kSkinDark[2]);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  // The head rounds away into shadow at its edge.
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_new_path(cr);
  cairo_scale(cr, 1.0, 1.3);
  g = cairo_pattern_create_radial(14, -14, 40, 0, 0, 100);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.02, 0.03, 0.04, 0.0);
  cairo_pattern_add_color_stop_rgba(g, 0.75, 0.02, 0.03, 0.04, 0.25);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.02, 0.03, 0.04, 0.85);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  cairo_new_path(cr);
  // Blood-flushed, bruised undertones and sunken cheeks.
  soft_spot(cr, 50, 34, 30, 40, 0.45, 0.16, 0.16, 0.35);
  soft_spot(cr, -50, 34, 30, 40, 0.40, 0.14, 0.16, 0.35);
  soft_spot(cr, 58, 50, 22, 34, 0.05, 0.06, 0.07, 0.45);
  soft_spot(cr, 0, 100, 50, 24, 0.05, 0.06, 0.07, 0.35);
  // Deep eye sockets.
  for (int s = -1; s <= 1; s += 2) soft_spot(cr, s * 36, -18, 34, 24, 0.04, 0.04, 0.05, 0.85);
  // Brows knotted up in the middle, and the strained forehead.
  for (int s = -1; s <= 1; s += 2) {
    soft_stroke(cr, {s * 8.0, -52}, {s * 20.0, -60}, {s * 44.0, -52}, {s * 66.0, -42}, 4.5, 0.10, 0.08, 0.07, 0.8);
    soft_stroke(cr, {s * 10.0, -56}, {s * 24.0, -64}, {s * 42.0, -58}, {s * 60.0, -50}, 1.5, 0.75, 0.78, 0.70, 0.25);
  }
  for (int i = 0; i < 3; ++i) {
    double y = -78 - i * 11;
    soft_stroke(cr, {-34, y + 6}, {-12, y - 4}, {12, y - 4}, {34, y + 6}, 1.6, 0.12, 0.11, 0.10, 0.45);
    soft_stroke(cr, {-30, y + 8}, {-10, y - 1}, {10, y - 1}, {30, y + 8}, 1.0, 0.72, 0.76, 0.68, 0.22);
  }
  soft_stroke(cr, {-4, -56}, {-6, -46}, {-4, -38}, {-2, -32}, 1.6, 0.12, 0.10, 0.09, 0.5);
  soft_stroke(cr, {5, -56}, {7, -46}, {5, -38}, {3, -32}, 1.6, 0.12, 0.10, 0.09, 0.5);
  // Eyes: wide, wet, looking up and out in a plea.
  for (int s = -1; s <= 1; s += 2) {
    double ex = s * 36, ey = -20;
    cairo_new_path(cr);
    cairo_move_to(cr, ex - 19, ey + 2);
    cairo_curve_to(cr, ex - 10, ey - 13, ex + 10, ey - 13, ex + 19, ey);
    cairo_curve_to(cr, ex + 10, ey + 10, ex - 10, ey + 11, ex - 19, ey + 2);
    cairo_close_path(cr);
    g = cairo_pattern_create_radial(ex, ey, 2, ex, ey, 20);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.80, 0.78, 0.70);
    cairo_pattern_add_color_stop_rgb(g, 0.7, 0.62, 0.52, 0.48);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.40, 0.22, 0.22);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_save(cr);
    cairo_clip(cr);
    // Red veins, iris and pupil rolled up and sideways.
    cairo_set_source_rgba(cr, 0.55, 0.10, 0.10, 0.5);
    cairo_set_line_width(cr, 0.7);
    for (int v = 0; v < 4; ++v) {
      double sx = ex + s * (18 - v * 2.0), sy = ey - 4 + v * 3.0;
      cairo_move_to(cr, sx, sy);
      cairo_curve_to(cr, sx - s * 4, sy + 1, sx - s * 6, sy - 2, sx - s * 9, sy);
      cairo_stroke(cr);
    }
    double ix = ex + 5 - s * 1.5, iy = ey - 6;
    cairo_arc(cr, ix, iy, 8, 0, 2 * M_PI);
    g = cairo_pattern_create_radial(ix, iy, 1, ix, iy, 8);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.32, 0.36, 0.30);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.10, 0.12, 0.10);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_arc(cr, ix, iy, 3.2, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.01, 0.01, 0.01);
    cairo_fill(cr);
    // Lid shadow across the top of the eye.
    soft_spot(cr, ex, ey - 12, 24, 8, 0.05, 0.04, 0.04, 0.7);
    cairo_restore(cr);
    // Wet glints and a tear line.
    cairo_arc(cr, ix + 2.5, iy - 2.5, 1.8, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
    cairo_fill(cr);
    soft_stroke(cr, {ex - 14, ey + 7}, {ex - 4, ey + 10}, {ex + 6, ey + 10}, {ex + 15, ey + 5}, 0.8, 0.9, 0.95,
                0.95, 0.6);
    soft_stroke(cr, {ex - 19, ey + 2}, {ex - 10, ey - 13}, {ex + 10, ey - 13}, {ex + 19, ey}, 1.4, 0.08, 0.05,
                0.05, 0.9);
    // Bags under the eyes.
    soft_stroke(cr, {ex - 16, ey + 14}, {ex - 6, ey + 20}, {ex + 6, ey + 20}, {ex + 16, ey + 13}, 1.4, 0.10, 0.09,
                0.10, 0.5);
  }
  // Nose: shadowed side, lit bridge, flared nostrils.
  soft_spot(cr, -10, 14, 10, 26, 0.06, 0.06, 0.07, 0.5);
  soft_stroke(cr, {4, -26}, {6, -8}, {7, 10}, {9, 24}, 2.2, kSkinLit[0], kSkinLit[1], kSkinLit[2], 0.55);
  soft_spot(cr, 5, 28, 12, 9, kSkinLit[0], kSkinLit[1], kSkinLit[2], 0.5);
  for (int s = -1; s <= 1; s += 2) soft_spot(cr, s * 9, 36, 6, 3.5, 0.03, 0.02, 0.02, 0.9);
  soft_stroke(cr, {-20, 30}, {-16, 24}, {-12, 22}, {-8, 26}, 1.2, 0.08, 0.06, 0.06, 0.6);
  soft_stroke(cr, {20, 30}, {16, 24}, {12, 22}, {8, 26}, 1.2, 0.08, 0.06, 0.06, 0.6);
  // Strain lines from nose to mouth.
  for (int s = -1; s <= 1; s += 2)
    soft_stroke(cr, {s * 22.0, 30}, {s * 34.0, 44}, {s * 38.0, 60}, {s * 36.0, 76}, 2.0, 0.07, 0.06, 0.06, 0.6);
  // The mouth pulled open in a scream: lips, teeth, dark throat.
  cairo_new_path(cr);
  cairo_move_to(cr, -30, 60);
  cairo_curve_to(cr, -18, 46, 18, 46, 30, 60);
  cairo_curve_to(cr, 24, 84, -24, 84, -30, 60);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.30, 0.12, 0.12);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, -25, 60);
  cairo_curve_to(cr, -15, 51, 15, 51, 25, 60);
  cairo_curve_to(cr, 20, 78, -20, 78, -25, 60);
  cairo_close_path(cr);
  g = cairo_pattern_create_radial(0, 68, 2, 0, 66, 26);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.0, 0.0, 0.0);
  cairo_pattern_add_color_stop_rgb(g, 0.7, 0.10, 0.02, 0.03);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.25, 0.07, 0.07);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_clip(cr);
  // Upper teeth, greyed.
  for (int i = -3; i <= 3; ++i) {
    double x = i * 5.6;
    cairo_rectangle(cr, x - 2.5, 50, 5, 8 - std::abs(i) * 0.7);
    cairo_set_source_rgb(cr, 0.62 - std::abs(i) * 0.06, 0.60 - std::abs(i) * 0.06, 0.52 - std::abs(i) * 0.05);
    cairo_fill(cr);
  }
  soft_spot(cr, 0, 74, 10, 5, 0.35, 0.12, 0.14, 0.6);  // tongue in the dark
  cairo_restore(cr);
  // Wet lip highlights.
  soft_stroke(cr, {-14, 80}, {-6, 83}, {6, 83}, {14, 80}, 1.5, 0.85, 0.80, 0.75, 0.55);
  soft_stroke(cr, {4, 49}, {10, 48.5}, {16, 49.5}, {20, 52}, 1.0, 0.85, 0.80, 0.75, 0.5);
  // Sweat and slime: bright wet specks over the lit side.
  Noise rng(702);
  for (int i = 0; i < 26; ++i) {
    double x = rng.range(-10, 80), y = rng.range(-110, 110);
    double r = rng.range(0.8, 2.6);
    soft_spot(cr, x, y, r * 2.2, r * 2.2, 0.55, 0.70, 0.68, 0.25);
    cairo_arc(cr, x - r * 0.3, y - r * 0.3, r * 0.5, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.95, 1.0, 0.98, 0.8);
    cairo_fill(cr);
  }
  soft_stroke(cr, {40, -108}, {58, -96}, {70, -76}, {76, -52}, 2.0, 0.85, 0.95, 0.92, 0.35);
  soft_stroke(cr, {60, 0}, {66, 20}, {64, 40}, {58, 60}, 1.6, 0.80, 0.92, 0.90, 0.3);
}

// Glossy black-green resin ribs bowing round the head like a cage.
void resin_rib(cairo_t* cr, Pt a, Pt c1, Pt c2, Pt b, double w) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const double layers[][5] = {{1.0, 0.01, 0.02, 0.025, 1.0},
                              {0.7, 0.05, 0.09, 0.10, 1.0},
                              {0.35, 0.16, 0.26, 0.27, 0.8},
                              {0.1, 0.70, 0.88, 0.85, 0.6}};
  for (int i = 0; i < 4; ++i) {
    double off = (1.0 - layers[i][0]) * w * 0.35;
    cairo_move_to(cr, a.x - off, a.y - off);
    cairo_curve_to(cr, c1.x - off, c1.y - off, c2.x - off, c2.y - off, b.x - off, b.y - off);
    cairo_set_source_rgba(cr, layers[i][1], layers[i][2], layers[i][3], layers[i][4]);
    cairo_set_line_width(cr, std::max(0.8, w * layers[i][0]));
    cairo_stroke(cr);
  }
}

}  // namespace

Bytes colonist_closeup() {
  const double W = kColonistBig.w, H = kColonistBig.h;
  Canvas c(kColonistBig.w, kColonistBig.h);
  cairo_t* cr = c.cr();
  // The resin chamber: near black, a faint cold glow behind the head.
  cairo_pattern_t* g = cairo_pattern_create_radial(W * 0.58, H * 0.4, 10, W * 0.55, H * 0.5, W * 0.7);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.10, 0.17, 0.18);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.01, 0.02, 0.025);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  // Ribbed resin all round: ribs bowing in from the edges.
  Noise rng(700);
  for (int i = 0; i < 11; ++i) {
    double t = i / 11.0;
    double a = -M_PI + t * 2 * M_PI + rng.range(-0.1, 0.1);
    Pt o{W * 0.56 + std::cos(a) * W * 0.62, H * 0.5 + std::sin(a) * H * 0.7};
    Pt in{W * 0.56 + std::cos(a) * 150, H * 0.5 + std::sin(a) * 150};
    Pt side{-std::sin(a) * 70, std::cos(a) * 70};
    resin_rib(cr, o, lerp(o, in, 0.5) + side, in + side * 0.6, in + side * 1.4, rng.range(14, 26));
  }
  // Shoulders sunk in the resin, the overalls barely visible.
  ellipse_path(cr, W * 0.6, H + 60, 200, 130);
  fill_radial(cr, W * 0.65, H + 10, 200, 0.22, 0.16, 0.10, 0.03, 0.03, 0.02);
  // The face, tilted back, pleading upward.
  cairo_save(cr);
  cairo_translate(cr, W * 0.56, H * 0.49);
  cairo_rotate(cr, 0.1);
  cairo_scale(cr, 1.12, 1.12);
  painted_face(cr);
  // Resin has swallowed the left half of the head: a glossy black mass with
  // a ragged edge over the eye, strands stretched across the cheek.
  cairo_new_path(cr);
  cairo_move_to(cr, -260, -220);
  cairo_line_to(cr, 130, -220);
  cairo_curve_to(cr, 110, -150, 80, -118, 30, -104);
  cairo_curve_to(cr, 0, -96, -4, -70, -8, -50);
  cairo_curve_to(cr, -10, -30, 2, -10, -8, 8);
  cairo_curve_to(cr, -18, 26, -36, 40, -40, 70);
  cairo_curve_to(cr, -44, 100, -28, 130, -46, 170);
  cairo_line_to(cr, -260, 170);
  cairo_close_path(cr);
  g = cairo_pattern_create_linear(-120, -80, 20, -10);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.01, 0.015, 0.02);
  cairo_pattern_add_color_stop_rgb(g, 0.75, 0.04, 0.07, 0.075);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.12, 0.20, 0.20);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Its ribbing, following the edge, with wet highlights.
  for (int i = 0; i < 4; ++i) {
    double k = i * 30 + (i % 2) * 6;
    resin_rib(cr, {120 - k * 1.4, -210}, {60 - k, -110 - k * 0.2}, {-14 - k, -60}, {-20 - k, 10 + k * 0.6},
              20 - i * 2.5);
    resin_rib(cr, {-16 - k, 10 + k * 0.6}, {-40 - k, 50}, {-34 - k, 110}, {-56 - k, 170}, 18 - i * 2.5);
  }
  // Strands drawn out over the face, sagging.
  const double strands[][4] = {{-8, -40, 40, -30}, {-14, 10, 30, 30}, {-36, 52, -18, 96}, {-8, -70, 56, -86}};
  for (const auto& s : strands) {
    Pt a{s[0], s[1]}, b{s[2], s[3]};
    Pt m = lerp(a, b, 0.5) + Pt{0, 12};
    resin_rib(cr, a, lerp(a, m, 0.8), lerp(b, m, 0.8), b, 4.5);
  }
  cairo_restore(cr);
  // Dim green-blue light: tint the whole picture and sink the edges.
  cairo_set_operator(cr, CAIRO_OPERATOR_MULTIPLY);
  cairo_set_source_rgb(cr, 0.72, 0.92, 0.95);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  g = cairo_pattern_create_radial(W * 0.58, H * 0.42, 70, W * 0.55, H * 0.5, W * 0.62);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.2, 0.5, 0.5, 0.0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.0, 0.01, 0.02, 0.8);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  grain(c, 701, 0.14);
  return c.png_opaque();
}

}  // namespace contentgen::creatures
