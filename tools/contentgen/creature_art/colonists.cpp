// The colonists: the survivor in overalls, the colonist set in resin on the
// wall (whole and burst), and the close-up shown when one is found.
#include <cmath>

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

// Dark glossy resin: ribbed strands that run down the wall and sag round
// what they hold, each bowed a little.
void resin_strands(cairo_t* cr, uint32_t seed, double x0, double y0, double x1, double y1, int n, double thick) {
  Noise rng(seed);
  for (int i = 0; i < n; ++i) {
    double x = x0 + (x1 - x0) * (i + rng.range(0.2, 0.8)) / n;
    double bow = rng.range(-0.25, 0.25) * (x1 - x0) / 4;
    double ya = y0 + rng.range(0, (y1 - y0) * 0.3), yb = y1 - rng.range(0, (y1 - y0) * 0.3);
    Pt pts[] = {{x, ya}, {x + bow, (ya * 2 + yb) / 3}, {x + bow * 1.2, (ya + yb * 2) / 3}, {x + bow * 0.4, yb}};
    double t = thick * rng.range(0.6, 1.0);
    double radii[] = {t * 0.5, t, t * 0.9, t * 0.4};
    limb(cr, pts, radii, 4, rng.range(0.55, 0.9), 4);
  }
}

void cocoon_picture(cairo_t* cr, bool burst) {
  const double W = kCocoon.w, H = kCocoon.h;
  // The resin mass on the wall.
  cairo_new_path(cr);
  cairo_move_to(cr, W / 2, 0);
  cairo_curve_to(cr, W - 8, 4, W, 60, W - 6, 110);
  cairo_curve_to(cr, W - 12, 160, W * 0.72, H - 10, W / 2, H - 1);
  cairo_curve_to(cr, W * 0.28, H - 10, 12, 160, 6, 110);
  cairo_curve_to(cr, 0, 60, 8, 4, W / 2, 0);
  cairo_close_path(cr);
  gloss_fill(cr, 0.7);
  resin_strands(cr, 500, 10, 6, W - 10, H - 12, 12, 8);
  // The body under the resin: shoulders and trapped arms.
  ellipse_path(cr, 77, 136, 40, 56);
  fill_radial(cr, 77, 130, 60, 0.55, 0.34, 0.16, 0.10, 0.06, 0.03);  // stained overalls
  for (int s = -1; s <= 1; s += 2) {
    ellipse_path(cr, 77 + s * 38, 112, 12, 22);
    fill_radial(cr, 77 + s * 38, 112, 24, 0.50, 0.30, 0.14, 0.08, 0.05, 0.03);
  }
  if (burst) {
    // The chest torn open from inside, blood down the front.
    ellipse_path(cr, 77, 128, 20, 18);
    cairo_set_source_rgb(cr, 0.12, 0.0, 0.01);
    cairo_fill(cr);
    Noise rng(510);
    for (int i = 0; i < 9; ++i) {
      double a = -M_PI + i * (2 * M_PI / 9);
      Pt p0 = polar({77, 128}, a, 16);
      Pt p1 = polar({77, 128}, a + rng.range(-0.2, 0.2), 26);
      cairo_move_to(cr, p0.x, p0.y);
      cairo_line_to(cr, p1.x, p1.y);
      cairo_set_source_rgb(cr, 0.85, 0.80, 0.70);
      cairo_set_line_width(cr, 2.2);
      cairo_stroke(cr);
    }
    for (int i = 0; i < 6; ++i) {
      double x = 62 + i * 6 + rng.range(-2, 2);
      cairo_move_to(cr, x, 140);
      cairo_line_to(cr, x + rng.range(-2, 2), 150 + rng.range(10, 40));
      cairo_set_source_rgb(cr, 0.55, 0.02, 0.02);
      cairo_set_line_width(cr, rng.range(2, 4));
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_stroke(cr);
    }
  }
  // Resin strands binding the body, over the top.
  resin_strands(cr, burst ? 521 : 520, 26, 150, W - 26, H - 8, 6, 7);
  for (int s = -1; s <= 1; s += 2) tube(cr, {W / 2 + s * 66, 104}, {W / 2 - s * 8, 176}, 6, 8, 0.8, 7);
  // Hair, face: the face fills the head box (57..98, 46..90).
  ellipse_path(cr, 77.5, 62, 23, 24);
  fill_radial(cr, 77.5, 62, 26, 0.35, 0.22, 0.12, 0.06, 0.04, 0.03);
  face(cr, 77.5, 70, 17, burst ? 0.2 : 1.0, burst ? 1.0 : 0.2, !burst);
  if (burst) {
    cairo_move_to(cr, 74, 84);
    cairo_line_to(cr, 73, 98);
    cairo_set_source_rgb(cr, 0.55, 0.02, 0.02);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
  }
  // Resin framing the face and slime.
  tube(cr, {50, 40}, {60, 92}, 7, 5, 0.8, 5);
  tube(cr, {106, 42}, {96, 94}, 7, 5, 0.8, 5);
  tube(cr, {56, 44}, {100, 42}, 6, 6, 0.75, 6);
  drool(cr, {60, 96}, 14, 1, 1.2);
  drool(cr, {104, 100}, 22, -1, 1.4);
}

}  // namespace

Bytes colonist() {
  Canvas c(kWren.w, kWren.h);
  cairo_t* cr = c.cr();
  const double cx = 24.5;
  // Boots, legs, overalls, arms, head: front view, standing.
  for (int s = -1; s <= 1; s += 2) {
    cairo_new_path(cr);
    cairo_rectangle(cr, cx + s * 7 - 5.5, 88, 11, 46);
    fill_radial(cr, cx + s * 7, 100, 40, 0.95, 0.55, 0.18, 0.35, 0.16, 0.04);
    ellipse_path(cr, cx + s * 8, 139, 8, 5.5);
    fill_radial(cr, cx + s * 8, 137, 9, 0.35, 0.3, 0.27, 0.05, 0.05, 0.05);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 15, 36);
  cairo_curve_to(cr, cx - 16, 60, cx - 14, 80, cx - 13, 94);
  cairo_line_to(cr, cx + 13, 94);
  cairo_curve_to(cr, cx + 14, 80, cx + 16, 60, cx + 15, 36);
  cairo_curve_to(cr, cx + 6, 31, cx - 6, 31, cx - 15, 36);
  cairo_close_path(cr);
  fill_radial(cr, cx, 60, 45, 1.0, 0.62, 0.22, 0.40, 0.18, 0.05);
  // Chest bib, belt, name patch.
  cairo_new_path(cr);
  cairo_rectangle(cr, cx - 8, 44, 16, 16);
  cairo_set_source_rgba(cr, 0.55, 0.28, 0.07, 0.9);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, cx - 14, 74, 28, 4);
  cairo_set_source_rgb(cr, 0.18, 0.14, 0.10);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, cx + 2, 47, 5, 3);
  cairo_set_source_rgb(cr, 0.9, 0.9, 0.85);
  cairo_fill(cr);
  for (int s = -1; s <= 1; s += 2) {
    // Arms held in close, hands open.
    cairo_new_path(cr);
    cairo_move_to(cr, cx + s * 16, 38);
    cairo_line_to(cr, cx + s * 20, 66);
    cairo_set_source_rgb(cr, 0.9, 0.52, 0.17);
    cairo_set_line_width(cr, 7);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, cx + s * 20, 66);
    cairo_line_to(cr, cx + s * 20.5, 84);
    cairo_set_source_rgb(cr, 0.82, 0.46, 0.14);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_arc(cr, cx + s * 20.5, 88, 3.4, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.80, 0.58, 0.44);
    cairo_fill(cr);
  }
  // Neck, head, hair.
  cairo_new_path(cr);
  cairo_rectangle(cr, cx - 3.5, 26, 7, 8);
  cairo_set_source_rgb(cr, 0.62, 0.44, 0.33);
  cairo_fill(cr);
  ellipse_path(cr, cx, 12, 11, 12);
  fill_radial(cr, cx, 12, 13, 0.30, 0.18, 0.08, 0.08, 0.04, 0.02);
  face(cr, cx, 16, 8.5, 0.6, 0.0, true);
  // Fringe over the forehead.
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 10, 12);
  cairo_curve_to(cr, cx - 8, 1, cx + 8, 1, cx + 10, 12);
  cairo_curve_to(cr, cx + 4, 7, cx - 4, 7, cx - 10, 12);
  cairo_set_source_rgb(cr, 0.30, 0.17, 0.07);
  cairo_fill(cr);
  grain(c, 600, 0.08);
  return masked_png(c);
}

Bytes cocoon(bool burst) {
  Canvas c(kCocoon.w, kCocoon.h);
  cocoon_picture(c.cr(), burst);
  grain(c, burst ? 611 : 610, 0.12);
  return masked_png(c);
}

Bytes colonist_closeup() {
  const double W = kColonistBig.w, H = kColonistBig.h;
  Canvas c(kColonistBig.w, kColonistBig.h);
  cairo_t* cr = c.cr();
  // Dim, damp resin chamber.
  cairo_pattern_t* g = cairo_pattern_create_radial(W * 0.45, H * 0.45, 20, W * 0.5, H * 0.5, W * 0.7);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.10, 0.14, 0.16);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.01, 0.015, 0.02);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  resin_strands(cr, 700, -20, -30, W + 20, H + 30, 14, 26);
  // Shoulders sunk in the resin.
  ellipse_path(cr, W * 0.48, H + 40, 190, 150);
  fill_radial(cr, W * 0.45, H, 220, 0.50, 0.30, 0.13, 0.06, 0.04, 0.02);
  // Head and hair.
  ellipse_path(cr, W * 0.48, H * 0.46, 104, 116);
  fill_radial(cr, W * 0.46, H * 0.42, 120, 0.28, 0.17, 0.08, 0.04, 0.02, 0.01);
  face(cr, W * 0.48, H * 0.52, 80, 1.0, 0.35, true);
  // Sweat and slime glints.
  specular(cr, {W * 0.48 - 50, H * 0.52 - 86}, {W * 0.48 - 10, H * 0.52 - 96}, {W * 0.48 + 30, H * 0.52 - 88}, 3,
           0.35);
  // Resin strands gripping the face.
  tube(cr, {W * 0.2, H * 0.05}, {W * 0.35, H * 0.62}, 26, 18, 0.9, 9);
  tube(cr, {W * 0.82, H * 0.02}, {W * 0.64, H * 0.7}, 28, 16, 0.9, 9);
  tube(cr, {W * 0.05, H * 0.9}, {W * 0.42, H * 0.85}, 24, 20, 0.8, 8);
  tube(cr, {W * 0.98, H * 0.8}, {W * 0.58, H * 0.92}, 26, 18, 0.8, 8);
  tube(cr, {W * 0.3, H * 0.08}, {W * 0.7, H * 0.1}, 20, 22, 0.85, 10);
  drool(cr, {W * 0.36, H * 0.62}, 60, 3, 4);
  drool(cr, {W * 0.64, H * 0.7}, 40, -2, 3.5);
  // Vignette: cold light from above.
  g = cairo_pattern_create_radial(W * 0.5, H * 0.4, 60, W * 0.5, H * 0.5, W * 0.65);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.3, 0.6, 0.5, 0.0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.0, 0.02, 0.02, 0.75);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  grain(c, 701, 0.12);
  return opaque_png(c);
}

}  // namespace contentgen::creatures
