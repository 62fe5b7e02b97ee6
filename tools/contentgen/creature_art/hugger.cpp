// The hugger: a flat, many-legged crawler with a long tail.
//  - side view (facing +x) scuttling along the floor, and flipped over
//    dead on its back;
//  - from below as it leaps at the viewer's face, and curling up dying.
#include <cmath>

#include "creature_sizes.h"
#include "paint.h"
#include "pictures.h"

namespace contentgen::creatures {

namespace {

// A jointed finger-leg from base through two knuckles to the tip.
void finger(cairo_t* cr, Pt base, double angle, double len, double curl, double thick, double shade) {
  Pt k1 = polar(base, angle, len * 0.42);
  Pt k2 = polar(k1, angle + curl, len * 0.34);
  Pt tip = polar(k2, angle + curl * 2.2, len * 0.28);
  Pt pts[] = {base, k1, k2, tip};
  double radii[] = {thick, thick * 0.85, thick * 0.68, thick * 0.3};
  limb(cr, pts, radii, 4, shade, 1);
  // Swollen knuckles.
  gloss_ellipse(cr, k1.x, k1.y, thick * 1.1, thick * 0.95, angle, shade);
  gloss_ellipse(cr, k2.x, k2.y, thick * 0.85, thick * 0.75, angle + curl, shade);
}

// Side view, pale body about 50 x 18 at (145..195, 5..23), feet on the
// frame's bottom row. phase -1, 0, +1 steps the legs; the body rises as the
// legs pass under it and the tail swings against the step.
void side_hugger(cairo_t* cr, double phase, double floor_y) {
  const double bob = phase == 0 ? -2.5 : 0;
  const double by = 14 + bob;  // body centre line
  // A short tail trailing behind, curling up at the tip.
  {
    double w = -phase * 4;
    Pt pts[] = {{150, by + 2}, {128, by + 6 + w}, {106, by + 10 - w}, {88, by + 6 + w}, {78, by - 2 - w}};
    double radii[] = {5.5, 4.6, 3.6, 2.6, 1.6};
    limb(cr, pts, radii, 5, 0.9, 4);
  }
  // Eight legs: four far (darker), four near, alternating stride.
  for (int side = 0; side < 2; ++side) {
    double shade = side == 0 ? 0.6 : 1.0;
    for (int i = 0; i < 4; ++i) {
      double s = ((i + side) % 2 == 0 ? 1 : -1) * phase;
      Pt base{154.0 + i * 11, by + 2};
      Pt foot{134.0 + i * 22 + s * 10 + (side == 0 ? 5 : 0), floor_y - 2 - (s < 0 ? 3 : 0)};
      Pt k = knee(base, foot, 16, 16, i < 2 ? 1 : -1);
      k.y = std::min(k.y, by - 3);
      Pt pts[] = {base, k, foot};
      double radii[] = {3.4, 2.8, 1.7};
      limb(cr, pts, radii, 3, shade, 0);
    }
  }
  // Body: a ribbed palm with two air sacs, lit along its back.
  gloss_ellipse(cr, 162, by + 1, 20, 8.5, 0.04, 0.95);
  gloss_ellipse(cr, 181, by - 1, 15, 9, -0.06, 1.0);
  ridges(cr, {154, by - 6}, {154, by + 8}, {5.5, 0}, 2.0, 6, 1.0, 0.8);
  specular(cr, {160, by - 7}, {176, by - 10}, {192, by - 6}, 1.4, 0.85);
}

// Seen from below, leaping at the face: local origin at the body centre.
void below_hugger(cairo_t* cr, double curl, double spread, double tail_swing) {
  // Tail hanging and whipping below.
  {
    double s = tail_swing;
    Pt pts[] = {{0, 30}, {20 * s, 90}, {-35 * s + 10, 160}, {30 * s, 220}, {50 * s - 20, 270}, {20 * s, 305}};
    double radii[] = {30, 25, 20, 15, 10, 4.5};
    limb(cr, pts, radii, 6, 0.85, 6);
  }
  // Eight fingers fanned round the body, the front pair longest.
  const double angles[] = {-2.55, -2.05, -1.75, -1.39, -1.07, -0.59, 0.05, 3.09};
  for (int i = 0; i < 8; ++i) {
    double a0 = angles[i];
    double a = a0 + (a0 + M_PI / 2) * (spread - 1) * 0.3;
    double side = std::cos(a) < 0 ? -1 : 1;
    double len = 118 + std::abs(std::cos(a)) * 50;
    Pt base = polar({0, 0}, a, 52);
    finger(cr, base, a, len * (1 - 0.3 * curl), side * (0.18 + 0.55 * curl) * -1.0, 16.5, 1.0);
  }
  // Body shell with ribs, and the fleshy underside at the centre.
  gloss_ellipse(cr, 0, 0, 80, 64, 0, 1.0);
  ridges(cr, {-62, -28}, {62, -28}, {0, 13}, 12, 5, 3.0, 1.0);
  cairo_new_path(cr);
  cairo_arc(cr, 0, 8, 22, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(-6, 2, 2, 0, 8, 22);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.85, 0.62, 0.58);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.55, 0.28, 0.30);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.18, 0.06, 0.08);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // The tube it pushes out, with a wet glint.
  tube(cr, {0, 8}, {0, 20}, 7, 5, 0.7, 2);
  cairo_arc(cr, 0, 20, 4, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.2, 0.03, 0.05);
  cairo_fill(cr);
  drool(cr, {0, 24}, 40, 3, 2.2);
  // Paired air sacs.
  for (int s = -1; s <= 1; s += 2) gloss_ellipse(cr, s * 40, -34, 27, 17, s * 0.4, 0.9);
  specular(cr, {-54, -36}, {-24, -56}, {12, -54}, 3.5, 0.6);
}

// The attack and death frames share one handle.
constexpr Pt kFrontHandle{kHuggerAttack.w / 2, 179};

Bytes finish(Canvas& c, uint32_t seed, const char* what) {
  grain(c, seed, 0.10);
  require_clear_edges(c, what);
  return c.png();
}

}  // namespace

Bytes hugger_walk(int frame) {
  SkinScope bone(Skin::Bone);
  Canvas c(kHuggerWalk.w, kHuggerWalk.h);
  double phase = frame == 1 ? -1 : frame == 3 ? 1 : 0;
  side_hugger(c.cr(), phase, kHuggerWalk.h);
  return finish(c, 200 + frame, "hugger walk");
}

Bytes hugger_attack() {
  SkinScope bone(Skin::Bone);
  Canvas c(kHuggerAttack.w, kHuggerAttack.h);
  draw_fitted(c, kFrontHandle, [](cairo_t* cr) {
      cairo_translate(cr, kHuggerAttack.w / 2, 186);
      below_hugger(cr, 0.3, 1.0, 0.6);
  });
  return finish(c, 210, "hugger leap");
}

Bytes hugger_death(int frame) {
  SkinScope bone(Skin::Bone);
  Canvas c(kHuggerAttack.w, kHuggerAttack.h);
  const double t = (frame - 1) / 3.0;
  draw_fitted(c, kFrontHandle, [&](cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, kHuggerAttack.w / 2, 186 + 40 * t);
    cairo_rotate(cr, 0.5 * t);
    below_hugger(cr, 0.25 + 0.75 * t, 1.0 - 0.4 * t, -0.6 + 1.2 * t);
    cairo_restore(cr);
    double k = 1.0 - 0.2 * t;
    if (frame >= 2) acid_runs(cr, {214 - 10 * t, 200 + 40 * t}, 50, 90 + 80 * t, 3, 4.5, 230 + frame);
    acid_splash(cr, {214 - 10 * t, 170 + 40 * t}, 84 * k, 220 + frame, frame == 1 ? 0.8 : 0.3);
  });
  return finish(c, 240 + frame, "hugger death");
}

Bytes hugger_corpse(int frame) {
  SkinScope bone(Skin::Bone);
  Canvas c(kHuggerCorpse.w, kHuggerCorpse.h);
  cairo_t* cr = c.cr();
  const double floor_y = kHuggerCorpse.h - 4;
  if (frame >= 2) acid_pool(cr, 112, floor_y - 2, 38 + 14 * frame, 5 + frame, 250 + frame);
  if (frame == 1) {
    // Thrown up as it is hit, legs flung out, about to flip.
    cairo_save(cr);
    cairo_translate(cr, 111 - 121, 53 - 20);
    cairo_translate(cr, 172, 9);
    cairo_rotate(cr, -0.5);
    cairo_translate(cr, -172, -9);
    side_hugger(cr, 1, 36);
    cairo_restore(cr);
  } else {
    // On its back: body down, fingers curling up into the air.
    const double curl = frame == 2 ? 0.35 : 0.8;
    Pt body{120, floor_y - 12};
    {
      Pt pts[] = {body + Pt{-20, 4}, {84, floor_y - 5}, {64, floor_y - 3}, {50, floor_y - 8}};
      double radii[] = {5.5, 4.2, 3.0, 1.6};
      limb(cr, pts, radii, 4, 0.9, 3);
    }
    for (int i = 0; i < 8; ++i) {
      double a = -M_PI + 0.35 + i * (M_PI - 0.7) / 7;
      double shade = i % 2 ? 0.6 : 1.0;
      Pt base = polar(body, a, 12);
      Pt k1 = polar(base, a, 22 - 6 * curl);
      Pt k2 = polar(k1, a + (a < -M_PI / 2 ? 1 : -1) * (0.5 + 1.3 * curl), 18 - 4 * curl);
      Pt tip = polar(k2, a + (a < -M_PI / 2 ? 1 : -1) * (1.0 + 2.0 * curl), 12);
      Pt pts[] = {base, k1, k2, tip};
      double radii[] = {3.4, 2.9, 2.2, 1.5};
      limb(cr, pts, radii, 4, shade, 0);
    }
    gloss_ellipse(cr, body.x, body.y, 26, 10, 0, 0.9);
    ridges(cr, {104, body.y - 7}, {104, body.y + 7}, {5, 0}, -2.0, 7, 1.0, 0.9);
  }
  acid_splash(cr, {120, floor_y - 14}, 20 - 3 * frame, 260 + frame, frame == 1 ? 0.5 : 0.0);
  return finish(c, 270 + frame, "hugger corpse");
}

}  // namespace contentgen::creatures
