// The queen: huge, crested, with two pairs of arms.
//  - side view (facing +x) for her slow walk;
//  - front view for her lunge and her collapse.
#include <cmath>

#include "creature_sizes.h"
#include "paint.h"
#include "pictures.h"

namespace contentgen::creatures {

namespace {

// The crest, a ribbed shell fanning from a hinge point whose rim rises
// into horn points between deep notches: the queen's crown.
void crest(cairo_t* cr, Pt hinge, double a0, double a1, double r, int ribs, double shade) {
  cairo_new_path(cr);
  cairo_move_to(cr, hinge.x, hinge.y);
  const int n = 2 * ribs;
  for (int i = 0; i <= n; ++i) {
    double a = a0 + (a1 - a0) * i / n;
    // Points on the ribs, notches between them, curving into the next horn.
    double rr = r * (i % 2 == 0 ? 1.0 : 0.74);
    Pt p = polar(hinge, a, rr);
    if (i % 2 == 0) {
      cairo_line_to(cr, p.x, p.y);
    } else {
      Pt c = polar(hinge, a - (a1 - a0) / n * 0.5, r * 0.8);
      cairo_curve_to(cr, c.x, c.y, c.x, c.y, p.x, p.y);
    }
  }
  cairo_close_path(cr);
  gloss_fill(cr, shade);
  for (int i = 1; i < ribs; ++i) {
    double a = a0 + (a1 - a0) * i / ribs;
    Pt p = polar(hinge, a, r * 0.88);
    cairo_move_to(cr, hinge.x, hinge.y);
    cairo_line_to(cr, p.x, p.y);
    set_shell(cr, 0.0, 1.0, 0.9);
    cairo_set_line_width(cr, std::max(1.0, r * 0.025));
    cairo_stroke(cr);
    Pt q = polar(hinge, a + 0.02, r * 0.86);
    cairo_move_to(cr, polar(hinge, a + 0.02, r * 0.2).x, polar(hinge, a + 0.02, r * 0.2).y);
    cairo_line_to(cr, q.x, q.y);
    set_shell(cr, 0.75, shade, 0.45);
    cairo_set_line_width(cr, std::max(0.6, r * 0.01));
    cairo_stroke(cr);
  }
}

void side_queen(cairo_t* cr, double phase) {
  const Pt hip{150, 168};
  // Far legs and arms.
  auto leg = [&](double toe_x, double lift, double shade) {
    Pt toe{toe_x, 286 - lift};
    Pt ankle{toe.x - 30, toe.y - 30};
    Pt k = knee(hip, ankle, 60, 54, -1);
    Pt pts[] = {hip, k, ankle, toe};
    double radii[] = {16, 10, 7, 4};
    limb(cr, pts, radii, 4, shade, 3);
    tube(cr, toe, toe + Pt{14, 1}, 4, 1.4, shade, 0);
  };
  auto arm = [&](Pt sh, double swing, double len, double thick, double shade) {
    Pt hand{sh.x + 36 - 16 * swing, sh.y + len};
    Pt el = knee(sh, hand, len * 0.62, len * 0.62, 1);
    Pt pts[] = {sh, el, hand};
    double radii[] = {thick, thick * 0.7, thick * 0.5};
    limb(cr, pts, radii, 3, shade, 2);
    for (int f = 0; f < 3; ++f) {
      double a = 1.0 - f * 0.4;
      Pt k1 = polar(hand, a, thick * 1.6);
      tube(cr, hand, k1, thick * 0.35, thick * 0.25, shade, 0);
      tube(cr, k1, polar(k1, a - 0.7, thick * 1.3), thick * 0.25, thick * 0.08, shade, 0);
    }
  };
  arm({236, 110}, -phase, 92, 11, 0.5);
  leg(170 - 64 * phase, phase == 0 ? 18 : 0, 0.5);
  // Long tail sweeping back to the left edge.
  {
    double s = phase;
    Pt pts[] = {{140, 172}, {98, 196 + 6 * s}, {60, 226 - 8 * s}, {30 - 4 * s, 252 + 5 * s},
                {14 - 3 * s, 236 - 9 * s}, {12 + 3 * s, 208 - 12 * s}};
    double radii[] = {15, 12, 9.5, 7, 5, 2.5};
    limb(cr, pts, radii, 6, 0.85, 4);
    Pt tip = pts[5];
    cairo_move_to(cr, tip.x - 3.5, tip.y + 2);
    cairo_line_to(cr, tip.x + 1, tip.y - 18);
    cairo_line_to(cr, tip.x + 4.5, tip.y + 2);
    cairo_close_path(cr);
    gloss_fill(cr, 1.0);
  }
  // Back spines, torso, abdomen.
  for (int i = 0; i < 5; ++i) {
    Pt b{230.0 - i * 18, 98.0 + i * 12};
    tube(cr, b, b + Pt{-30.0, -40.0 + i * 4}, 6, 0.6, 0.75, 3);
  }
  {
    Pt pts[] = {{250, 100}, {214, 104}, {180, 128}, {150, 166}};
    double radii[] = {18, 22, 20, 17};
    limb(cr, pts, radii, 4, 1.0, 4);
  }
  gloss_ellipse(cr, 216, 140, 40, 28, -0.4, 1.0);
  ridges(cr, {196, 118}, {206, 160}, {9, -2}, 4, 5, 2.0, 1.0);
  gloss_ellipse(cr, 150, 170, 24, 17, 0.3, 0.95);
  // Near leg and both near arms (big outer arm, small chest arm).
  leg(170 + 64 * phase, 0, 1.0);
  arm({232, 120}, phase, 98, 12, 1.0);
  arm({244, 146}, -phase * 0.5, 52, 6, 0.9);
  // Neck and head with the great crest behind it.
  tube(cr, {252, 100}, {282, 76}, 14, 12, 0.9, 4);
  // A swept-back crest, held low over the neck.
  crest(cr, {274, 72}, M_PI * 1.02, M_PI * 1.55, 70, 6, 0.95);
  // Skull: long, low, jaws forward.
  cairo_new_path(cr);
  cairo_move_to(cr, 262, 56);
  cairo_curve_to(cr, 290, 40, 330, 52, 350, 78);
  cairo_curve_to(cr, 353, 84, 352, 90, 346, 92);
  cairo_line_to(cr, 300, 92);
  cairo_curve_to(cr, 284, 88, 268, 80, 262, 56);
  cairo_close_path(cr);
  gloss_fill(cr, 1.0);
  cairo_new_path(cr);
  cairo_move_to(cr, 346, 94);
  cairo_curve_to(cr, 336, 106, 310, 108, 292, 100);
  cairo_line_to(cr, 300, 92);
  cairo_close_path(cr);
  gloss_fill(cr, 0.8);
  teeth(cr, {306, 92}, {348, 92}, 10, 5, 1);
  teeth(cr, {304, 99}, {340, 98}, 8, 4, -1);
  specular(cr, {274, 52}, {310, 44}, {344, 74}, 2.2, 0.75);
  drool(cr, {326, 104}, 30 + 8 * phase, 2, 1.6);
  drool(cr, {338, 100}, 16, -1, 1.2);
}

struct QueenPose {
  double head_rot = 0, head_dy = 0, head_dx = 0;
  double jaw = 0.6, inner = 0;
  double reach = 0, droop = 0;
  double body_rot = 0, drop = 0;
  double strike = 0;  // outer claws swept forward and down, 0..1
};

constexpr double kQx = 275;

void queen_arm(cairo_t* cr, Pt sh, int side, double len, double thick, double reach, double droop,
               double strike = 0) {
  auto mx = [&](double dx) { return sh.x + side * dx; };
  Pt el{mx(len * (0.65 - 0.2 * reach)), sh.y + len * 0.35};
  Pt hand{mx(len * (0.9 - 0.5 * reach)), sh.y - len * (0.4 - 0.2 * reach)};
  el.y += len * 0.3 * droop;
  hand.y += len * 1.1 * droop;
  // A strike drives the hand in and down in front of the body.
  el = lerp(el, Pt{mx(len * 0.55), sh.y + len * 0.5}, strike);
  hand = lerp(hand, Pt{mx(-len * 0.05), sh.y + len * 0.55}, strike);
  thick *= 1 + 0.25 * strike;
  Pt pts[] = {sh, el, hand};
  double radii[] = {thick, thick * 0.72, thick * 0.55};
  limb(cr, pts, radii, 3, 1.0, 3);
  for (int f = 0; f < 4; ++f) {
    double a = -M_PI / 2 - (0.9 - f * 0.42) - droop * 2.2 - strike * 2.0;
    double curl = 0.35;
    if (side > 0) a = M_PI - a, curl = -curl;
    Pt k1 = polar(hand, a, thick * 1.9);
    Pt k2 = polar(k1, a + curl, thick * 1.5);
    Pt tip = polar(k2, a + curl * 2.3, thick * 1.1);
    tube(cr, hand, k1, thick * 0.32, thick * 0.25, 0.95, 1);
    tube(cr, k1, k2, thick * 0.25, thick * 0.18, 0.95, 1);
    tube(cr, k2, tip, thick * 0.18, thick * 0.04, 1.1, 0);
  }
  gloss_ellipse(cr, hand.x, hand.y, thick * 0.8, thick * 0.7, 0, 1.0);
}

void front_queen(cairo_t* cr, const QueenPose& p) {
  cairo_save(cr);
  const Pt pelvis{kQx, 470};
  cairo_translate(cr, pelvis.x, pelvis.y + p.drop);
  cairo_rotate(cr, p.body_rot);
  cairo_translate(cr, -pelvis.x, -pelvis.y);
  // Tail swinging out to the left behind her.
  {
    Pt pts[] = {{255, 470}, {170, 500}, {96, 470}, {56, 400}, {42, 330}, {58, 270}};
    double radii[] = {22, 18, 15, 11, 8, 4};
    limb(cr, pts, radii, 6, 0.65, 5);
  }
  for (int s = -1; s <= 1; s += 2) {
    Pt pts[] = {{kQx + s * 44, 470}, {kQx + s * 110, 530}, {kQx + s * 82, 580}, {kQx + s * 116, 610}};
    double radii[] = {28, 19, 13, 9};
    limb(cr, pts, radii, 4, 0.7, 3);
  }
  gloss_ellipse(cr, kQx, 470, 64, 30, 0, 0.85);
  tube(cr, {kQx, 380}, {kQx, 466}, 36, 28, 0.9, 5);
  // Torso.
  cairo_new_path(cr);
  cairo_move_to(cr, kQx - 110, 300);
  cairo_curve_to(cr, kQx - 116, 350, kQx - 70, 420, kQx - 44, 430);
  cairo_line_to(cr, kQx + 44, 430);
  cairo_curve_to(cr, kQx + 70, 420, kQx + 116, 350, kQx + 110, 300);
  cairo_curve_to(cr, kQx + 40, 280, kQx - 40, 280, kQx - 110, 300);
  cairo_close_path(cr);
  gloss_fill(cr, 1.0);
  ridges(cr, {kQx - 96, 318}, {kQx + 96, 318}, {0, 16}, 14, 6, 3.6, 1.0);
  tube(cr, {kQx, 300}, {kQx, 425}, 11, 7, 1.0, 7);
  // Big outer arms and the small chest arms.
  for (int s = -1; s <= 1; s += 2) {
    gloss_ellipse(cr, kQx + s * 108, 306, 34, 26, s * 0.3, 1.0);
    queen_arm(cr, {kQx + s * 110.0, 310}, s, 165, 22, p.reach, p.droop, p.strike);
    queen_arm(cr, {kQx + s * 44.0, 372}, s, 84, 11, 0.6 + 0.4 * p.reach, p.droop);
  }
  // Neck, crest, head.
  tube(cr, {kQx, 330}, {kQx + p.head_dx * 0.5, 260 + p.head_dy * 0.5}, 36, 30, 0.85, 5);
  cairo_save(cr);
  cairo_translate(cr, kQx + p.head_dx, 180 + p.head_dy);
  cairo_rotate(cr, p.head_rot);
  // The crest: a wide scalloped shield behind the head.
  crest(cr, {0, 40}, -M_PI + 0.32, -0.32, 190, 7, 0.9);
  ridges(cr, {-110, -30}, {110, -30}, {0, -24}, -18, 4, 3.0, 0.8);
  // Face plate, long, jaws at the bottom.
  const double j = p.jaw;
  const double mt = 84, mb = 84 + 16 + 40 * j;
  cairo_new_path(cr);
  cairo_move_to(cr, -46, mt);
  cairo_curve_to(cr, -46, mb, -26, mb + 22, 0, mb + 24);
  cairo_curve_to(cr, 26, mb + 22, 46, mb, 46, mt);
  cairo_close_path(cr);
  gloss_fill(cr, 0.85);
  cairo_new_path(cr);
  cairo_move_to(cr, -40, mt);
  cairo_curve_to(cr, -40, mb - 8, -20, mb + 2, 0, mb + 2);
  cairo_curve_to(cr, 20, mb + 2, 40, mb - 8, 40, mt);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.18, 0.03, 0.05);
  cairo_fill(cr);
  teeth(cr, {-34, mb - 4}, {34, mb - 4}, 10, 13, -1);
  {
    double k = 0.6 + 0.7 * p.inner, cy = mt + 24 + 22 * p.inner;
    tube(cr, {0, mt + 6}, {0, cy}, 10 * k, 12 * k, 0.9, 2);
    gloss_ellipse(cr, 0, cy, 15 * k, 13 * k, 0, 1.0);
    cairo_new_path(cr);
    cairo_arc(cr, 0, cy + 2 * k, 8 * k, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.15, 0.02, 0.03);
    cairo_fill(cr);
    teeth(cr, {-7 * k, cy - 2 * k}, {7 * k, cy - 2 * k}, 4, 5 * k, 1);
  }
  teeth(cr, {-40, mt}, {40, mt}, 12, 17, 1);
  // Her skull: a narrow wedge, pointed at the crown, with swept brow horns
  // on both sides; nothing like the warrior's round dome.
  for (int s = -1; s <= 1; s += 2) {
    cairo_new_path(cr);
    cairo_move_to(cr, s * 30, -6);
    cairo_curve_to(cr, s * 62, -18, s * 92, -34, s * 112, -70);
    cairo_curve_to(cr, s * 90, -46, s * 66, -30, s * 40, 18);
    cairo_close_path(cr);
    gloss_fill(cr, 0.9);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, 0, -96);
  cairo_curve_to(cr, 24, -70, 48, -30, 50, 12);
  cairo_curve_to(cr, 50, 48, 46, 72, 40, mt);
  cairo_curve_to(cr, 20, mt - 6, -20, mt - 6, -40, mt);
  cairo_curve_to(cr, -46, 72, -50, 48, -50, 12);
  cairo_curve_to(cr, -48, -30, -24, -70, 0, -96);
  cairo_close_path(cr);
  gloss_fill(cr, 1.0);
  // A keel down the middle of the face.
  tube(cr, {0, -84}, {0, 40}, 5, 3, 1.1, 6);
  for (int s = -1; s <= 1; s += 2) {
    cairo_save(cr);
    cairo_translate(cr, s * 26, 34);
    cairo_rotate(cr, s * 0.4);
    cairo_scale(cr, 17, 7);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 0, 0, 0.02, 0.85);
    cairo_fill(cr);
  }
  ridges(cr, {-34, -10}, {34, -10}, {0, 10}, -6, 3, 2.2, 0.9);
  specular(cr, {-20, -70}, {-44, -20}, {-40, 40}, 4, 0.65);
  drool(cr, {-16, mb + 20}, 50 + 20 * j, -3, 2.4);
  drool(cr, {14, mb + 22}, 80, 4, 2.8);
  cairo_restore(cr);
  cairo_restore(cr);
}

// The attack and death frames share one handle on the head.
constexpr Pt kFrontHandle{kQueenAttack.w / 2, 149};

Bytes finish(Canvas& c, uint32_t seed, const char* what) {
  grain(c, seed, 0.10);
  require_clear_edges(c, what);
  return c.png();
}

}  // namespace

Bytes queen_walk(int frame) {
  Canvas c(kQueenWalk.w, kQueenWalk.h);
  const double phase = frame == 1 ? -1 : frame == 3 ? 1 : 0;
  draw_fitted(c, {kQueenWalk.w / 2.0, static_cast<double>(kQueenWalk.h)},
              [&](cairo_t* cr) { side_queen(cr, phase); });
  return finish(c, 300 + frame, "queen walk");
}

Bytes queen_attack(int frame) {
  Canvas c(kQueenAttack.w, kQueenAttack.h);
  QueenPose p;
  if (frame == 2) {
    p.jaw = 1.0;
    p.inner = 1.0;
    p.reach = 0.6;
    p.strike = 1.0;
    p.head_dy = 8;
  }
  draw_fitted(c, kFrontHandle, [&](cairo_t* cr) { front_queen(cr, p); });
  return finish(c, 310 + frame, "queen attack");
}

Bytes queen_death(int frame) {
  Canvas c(kQueenAttack.w, kQueenAttack.h);
  const double t = (frame - 1) / 4.0;
  QueenPose p;
  p.jaw = 1.0 - 0.3 * t;
  p.inner = frame == 1 ? 0.5 : 0.1;
  p.head_rot = -0.15 - 0.6 * t;
  p.head_dx = -20 * t;
  p.head_dy = 30 * t;
  p.reach = frame <= 2 ? -0.3 : 0;
  p.droop = std::max(0.0, 1.2 * t - 0.2);
  // She sinks more than she topples, so the fall stays inside the frame.
  p.body_rot = -0.28 * t * t;
  p.drop = 110 * t * t;
  draw_fitted(c, kFrontHandle, [&](cairo_t* cr) {
    front_queen(cr, p);
    cairo_save(cr);
    cairo_translate(cr, kQx, 470 + p.drop);
    cairo_rotate(cr, p.body_rot);
    cairo_translate(cr, -kQx, -470);
    double k = 1.0 - 0.15 * t;
    Pt wound{kQx + p.head_dx, 180 + p.head_dy};
    acid_runs(cr, wound + Pt{0, 24}, 40, 90 + 70 * t, 3, 5, 330 + frame);
    if (frame >= 2) acid_runs(cr, {kQx + p.head_dx * 0.4, 330}, 60, 90 + 80 * t, 4, 5.5, 340 + frame);
    acid_splash(cr, wound, 104 * k, 320 + frame, frame == 1 ? 0.8 : 0.25);
    cairo_restore(cr);
  });
  return finish(c, 350 + frame, "queen death");
}

}  // namespace contentgen::creatures
