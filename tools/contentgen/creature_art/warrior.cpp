// The warrior: a tall stalking biped with a long glossy skull.
//  - side view (facing +x) for the walk cycle, the head alone, and the
//    fall of a warrior shot while roaming;
//  - front view for the lunge at the viewer and its death throes.
#include <cmath>

#include "creature_sizes.h"
#include "paint.h"
#include "pictures.h"

namespace contentgen::creatures {

namespace {

// ---------------------------------------------------------------- side view

struct SidePose {
  double phase = 0;      // walk: -1, 0, +1 (stride extremes and passing)
  double head_rot = 0;   // radians about the neck joint, + tips the snout down
  double body_rot = 0;   // radians about the hip, + pitches forward
  double drop = 0;       // hip lowered by this much
  double arm_lift = 0;   // 0 hanging forward, 1 flung up
  double tail_sway = 0;  // tail curve variation
  bool drool = true;
  double bob = 0;        // walk: hips and legs sink by this much (the head stays put)
};

constexpr Pt kHip{76, 108};
constexpr Pt kNeckJoint{150, 50};

// The skull, jaw and teeth in walk-frame coordinates (facing +x): a long
// glossy dome swept back from a short face, over a hinged lower jaw.
void side_head(cairo_t* cr) {
  // Lower jaw, behind the skull, hinged under the cheek.
  cairo_new_path(cr);
  cairo_move_to(cr, 194, 51);
  cairo_curve_to(cr, 191, 61, 172, 65, 157, 60);
  cairo_curve_to(cr, 152, 57, 150, 53, 151, 49);
  cairo_close_path(cr);
  gloss_fill(cr, 0.8);
  // The jaw's lower edge catches the light.
  specular(cr, {160, 60.5}, {176, 63}, {190, 57.5}, 0.9, 0.55);
  // Dark mouth gap with teeth.
  cairo_new_path(cr);
  cairo_move_to(cr, 196, 49.5);
  cairo_line_to(cr, 160, 47.5);
  cairo_line_to(cr, 158, 53);
  cairo_line_to(cr, 191, 53.5);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.14, 0.02, 0.03);
  cairo_fill(cr);
  teeth(cr, {162, 48}, {196, 49.8}, 9, 3.6, 1);
  teeth(cr, {161, 54.2}, {191, 54}, 8, 3.0, -1);

  // The skull: a short face rising into a long dome that sweeps back to a
  // rounded crown far behind the neck.
  cairo_new_path(cr);
  cairo_move_to(cr, 201, 48.5);
  cairo_curve_to(cr, 203, 42, 198, 35, 189, 30);
  cairo_curve_to(cr, 176, 18, 154, 9, 132, 10.5);
  cairo_curve_to(cr, 121, 11, 116, 18, 122, 23.5);
  cairo_curve_to(cr, 133, 30, 144, 38, 155, 44);
  cairo_curve_to(cr, 166, 48, 178, 49, 188, 49.5);
  cairo_close_path(cr);
  gloss_fill(cr, 1.0);
  // Shadowed underside of the dome, where it overhangs the neck.
  cairo_new_path(cr);
  cairo_move_to(cr, 123, 24);
  cairo_curve_to(cr, 134, 31, 144, 38, 155, 44);
  cairo_curve_to(cr, 150, 37, 138, 29, 123, 24);
  cairo_close_path(cr);
  set_shell(cr, 0.0, 1.0, 0.9);
  cairo_fill(cr);
  // Ribbed nape under the crown.
  ridges(cr, {128, 21}, {131, 28}, {5.5, 2.6}, 1.2, 4, 0.9, 0.9);
  // The dome's seam over the face, and the jaw line from the lip corner
  // back to the hinge.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, 192, 37);
  cairo_curve_to(cr, 178, 33, 160, 29, 140, 22);
  set_shell(cr, 0.0, 1.0, 0.8);
  cairo_set_line_width(cr, 1.1);
  cairo_stroke(cr);
  cairo_move_to(cr, 194, 45.5);
  cairo_curve_to(cr, 180, 45, 166, 44.5, 158, 43);
  cairo_curve_to(cr, 154, 45, 152, 48, 152, 51);
  set_shell(cr, 0.0, 1.0, 0.95);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  // Cheekbone just above the jaw line.
  cairo_move_to(cr, 186, 43.2);
  cairo_curve_to(cr, 176, 42.5, 166, 42, 160, 40.5);
  set_shell(cr, 0.7, 1.0, 0.7);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  // Wet gloss: a long streak along the crown and a glint on the brow.
  specular(cr, {127, 14}, {158, 11}, {186, 28}, 1.7, 0.85);
  specular(cr, {150, 19}, {168, 22}, {182, 30}, 0.8, 0.5);
  specular(cr, {195, 36}, {200, 40}, {200.5, 45}, 1.0, 0.65);
}

void side_warrior(cairo_t* cr, const SidePose& p, double shade_far = 0.55) {
  const double ph = p.phase;
  Pt hip{kHip.x, kHip.y + p.drop + p.bob};

  // Feet: toe tips on the floor (y 188 in frame coordinates).
  auto leg = [&](double toe_x, double lift, double shade) {
    Pt toe{toe_x, 188 - lift};
    Pt ankle{toe.x - 20, toe.y - 19};
    Pt k = knee(hip, ankle, 36, 34, -1);
    Pt pts[] = {hip, k, ankle, toe};
    double radii[] = {9.5, 6, 4, 2.8};
    limb(cr, pts, radii, 4, shade, 2);
    tube(cr, toe, toe + Pt{9, 1}, 2.6, 1.0, shade, 0);
    tube(cr, toe + Pt{-2, -1}, toe + Pt{6, 3}, 2.0, 0.8, shade * 0.8, 0);
  };

  // Upper-body transform: pitch about the hip, then sink with it.
  auto upper = [&] {
    cairo_translate(cr, hip.x, hip.y - p.bob);
    cairo_rotate(cr, p.body_rot);
    cairo_translate(cr, -kHip.x, -kHip.y);
  };

  auto arm = [&](double swing, double shade) {
    Pt sh{126, 72};
    Pt hand{150 - 18 * swing, 128};
    hand = lerp(hand, Pt{176, 58}, p.arm_lift);
    Pt el = knee(sh, hand, 30, 32, 1);
    Pt pts[] = {sh, el, hand};
    double radii[] = {6.5, 4.5, 3.5};
    limb(cr, pts, radii, 3, shade, 2);
    // Three long fingers curling down and forward.
    for (int f = 0; f < 3; ++f) {
      double a = 1.2 - f * 0.45 - p.arm_lift * 1.2;
      Pt k1 = polar(hand, a, 8);
      Pt tip = polar(k1, a - 0.6, 7);
      tube(cr, hand, k1, 2.2, 1.6, shade, 0);
      tube(cr, k1, tip, 1.6, 0.6, shade, 0);
    }
  };

  // Far limbs, darker.
  cairo_save(cr);
  upper();
  arm(-ph, shade_far);
  cairo_restore(cr);
  leg(96 - 46 * ph, ph == 0 ? 14 : 0, shade_far);

  // Tail: segmented, trailing behind, ending in a blade.
  {
    double s = p.tail_sway;
    const double b = p.drop + p.bob;
    Pt pts[] = {hip + Pt{-10, 0}, {42, 118 + b * 0.9 + 9 * s}, {21 - 3 * s, 131 + b * 0.9 - 6 * s},
                {11 - 2 * s, 122 + b * 0.8 - 11 * s}, {10 + 2 * s, 105 + b * 0.8 - 15 * s}};
    double radii[] = {6.5, 5, 3.8, 2.6, 1.6};
    limb(cr, pts, radii, 5, 0.9, 3);
    Pt tip = pts[4];
    cairo_move_to(cr, tip.x - 2.5, tip.y + 1);
    cairo_line_to(cr, tip.x + 0.5, tip.y - 11);
    cairo_line_to(cr, tip.x + 3, tip.y + 1);
    cairo_close_path(cr);
    gloss_fill(cr, 1.0);
  }

  cairo_save(cr);
  upper();
  // Dorsal pipes standing off the back.
  const Pt bases[] = {{118, 64}, {109, 67}, {100, 72}, {92, 79}};
  const Pt tips[] = {{97, 31}, {86, 37}, {75, 47}, {66, 58}};
  for (int i = 0; i < 4; ++i) tube(cr, bases[i], tips[i], 4.2, 0.5, 0.8, 3);
  // Spine and ribcage.
  {
    Pt pts[] = {{130, 66}, {106, 70}, {86, 84}, {70, 102}};
    double radii[] = {9, 10, 9, 8};
    limb(cr, pts, radii, 4, 1.0, 3);
  }
  tube(cr, {104, 98}, {78, 106}, 7, 6, 0.85, 4);
  gloss_ellipse(cr, 113, 86, 21, 15, -0.35, 1.0);
  ridges(cr, {100, 80}, {108, 98}, {6, -1.5}, 2.5, 5, 1.3, 1.0);
  gloss_ellipse(cr, 72, 104, 12, 9, 0.3, 0.95);
  cairo_restore(cr);

  // Near leg.
  leg(96 + 46 * ph, 0, 1.0);

  cairo_save(cr);
  upper();
  // Neck, near arm, head.
  tube(cr, {150, 50}, {128, 68}, 6.5, 8.5, 0.9, 3);
  arm(ph, 1.0);
  cairo_translate(cr, kNeckJoint.x, kNeckJoint.y);
  cairo_rotate(cr, p.head_rot);
  cairo_translate(cr, -kNeckJoint.x, -kNeckJoint.y);
  side_head(cr);
  if (p.drool) {
    drool(cr, {176, 59}, 20 + 6 * ph, 1.5, 1.1);
    drool(cr, {186, 56}, 11 - 4 * ph, -1.0, 0.9);
  }
  cairo_restore(cr);
}

// --------------------------------------------------------------- front view

struct FrontPose {
  double head_dx = 0, head_dy = 0, head_rot = 0, head_scale = 1;
  double jaw = 0.6;      // mouth opening 0..1
  double inner = 0;      // inner jaw thrust 0..1
  double reach = 0;      // arms: 0 spread, 1 reaching in; negative flings wide
  double body_rot = 0;   // lean about the pelvis
  double drop = 0;       // sink
  double droop = 0;      // arms going limp
  double strike = 0;     // claws swept forward and down at the viewer, 0..1
};

constexpr double kCx = 278;

void front_head(cairo_t* cr, const FrontPose& p) {
  // Local coordinates: origin at the middle of the face, y down.
  const double j = p.jaw;
  const double mouth_top = 42, mouth_bot = 42 + 18 + 46 * j;

  // Lower jaw.
  cairo_new_path(cr);
  cairo_move_to(cr, -40, mouth_top + 4);
  cairo_curve_to(cr, -42, mouth_bot - 6, -26, mouth_bot + 20, 0, mouth_bot + 22);
  cairo_curve_to(cr, 26, mouth_bot + 20, 42, mouth_bot - 6, 40, mouth_top + 4);
  cairo_close_path(cr);
  gloss_fill(cr, 0.85);
  ridges(cr, {-22, mouth_bot + 8}, {22, mouth_bot + 8}, {0, 4}, 4, 3, 1.6, 0.8);

  // Mouth cavity.
  cairo_new_path(cr);
  cairo_move_to(cr, -36, mouth_top);
  cairo_curve_to(cr, -38, mouth_bot - 10, -20, mouth_bot + 2, 0, mouth_bot + 2);
  cairo_curve_to(cr, 20, mouth_bot + 2, 38, mouth_bot - 10, 36, mouth_top);
  cairo_close_path(cr);
  {
    cairo_pattern_t* g = cairo_pattern_create_radial(0, (mouth_top + mouth_bot) / 2, 2, 0,
                                                     (mouth_top + mouth_bot) / 2, 40);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.02, 0.0, 0.01);
    cairo_pattern_add_color_stop_rgb(g, 0.6, 0.22, 0.04, 0.06);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.38, 0.10, 0.12);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  // Slime strings across the open mouth.
  for (int i = 0; i < 4; ++i) {
    double x = -24 + i * 15 + (i % 2) * 4;
    cairo_move_to(cr, x, mouth_top + 6);
    cairo_curve_to(cr, x + 3, mouth_top + 20 * j + 10, x - 2, mouth_bot - 20, x + 2, mouth_bot - 4);
    cairo_set_source_rgba(cr, 0.70, 0.80, 0.82, 0.85);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
  }
  teeth(cr, {-30, mouth_bot - 4}, {30, mouth_bot - 4}, 9, 13, -1);

  // Inner jaw thrusting out of the throat toward the viewer.
  {
    double k = 0.55 + 0.75 * p.inner;
    double cy = mouth_top + 22 + 26 * p.inner;
    // Its neck, a ribbed tube.
    tube(cr, {0, mouth_top + 8}, {0, cy}, 9 * k, 11 * k, 0.9, 2);
    gloss_ellipse(cr, 0, cy, 14 * k, 12 * k, 0, 1.0);
    cairo_new_path(cr);
    cairo_arc(cr, 0, cy + 2 * k, 7.5 * k, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.15, 0.02, 0.03);
    cairo_fill(cr);
    teeth(cr, {-7 * k, cy - 2 * k}, {7 * k, cy - 2 * k}, 4, 5 * k, 1);
    teeth(cr, {-6 * k, cy + 7 * k}, {6 * k, cy + 7 * k}, 4, 4 * k, -1);
    specular(cr, {-9 * k, cy - 7 * k}, {-2 * k, cy - 11 * k}, {6 * k, cy - 9 * k}, 1.6, 0.8);
  }

  // Upper teeth under the pulled-back lip.
  teeth(cr, {-36, mouth_top}, {36, mouth_top}, 12, 16, 1);

  // The skull: a long dome rising back from the face.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, -104);
  cairo_curve_to(cr, 46, -104, 78, -76, 78, -38);
  cairo_curve_to(cr, 78, -6, 62, 22, 46, 34);
  cairo_curve_to(cr, 40, 40, 38, 44, 34, 44);
  cairo_curve_to(cr, 20, 38, -20, 38, -34, 44);
  cairo_curve_to(cr, -38, 44, -40, 40, -46, 34);
  cairo_curve_to(cr, -62, 22, -78, -6, -78, -38);
  cairo_curve_to(cr, -78, -76, -46, -104, 0, -104);
  cairo_close_path(cr);
  gloss_fill(cr, 1.0);
  // Ribbed crown and the brow channels.
  ridges(cr, {-44, -80}, {44, -80}, {0, 9}, -10, 5, 2.4, 0.9);
  for (int s = -1; s <= 1; s += 2) {
    // Shadowed socket under the brow, no eyes.
    cairo_save(cr);
    cairo_translate(cr, s * 27, 8);
    cairo_rotate(cr, s * 0.35);
    cairo_scale(cr, 18, 8);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 0.0, 0.0, 0.02, 0.85);
    cairo_fill(cr);
    // Cheek ridges down to the lip.
    cairo_move_to(cr, s * 48, 18);
    cairo_curve_to(cr, s * 42, 30, s * 38, 36, s * 30, 40);
    set_shell(cr, 0.0, 1.0, 0.9);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
  }
  // Long highlight down the dome.
  specular(cr, {-36, -84}, {-58, -50}, {-52, -10}, 5, 0.7);
  specular(cr, {-16, -96}, {4, -101}, {24, -96}, 3, 0.6);
  specular(cr, {46, -70}, {62, -40}, {58, -14}, 2, 0.3);

  // Drool from the lower lip.
  drool(cr, {-18, mouth_bot + 18}, 46 + 20 * j, -3, 2.2);
  drool(cr, {12, mouth_bot + 20}, 70 + 30 * p.inner, 4, 2.6);
  drool(cr, {30, mouth_bot + 8}, 28, 2, 1.6);
}

void front_arm(cairo_t* cr, const FrontPose& p, int side) {
  auto mx = [&](double x) { return kCx + side * (x - kCx); };
  Pt sh{mx(205), 255};
  double r = p.reach;
  Pt el{mx(110 + 30 * r), 300 + 20 * r};
  Pt hand{mx(70 + 80 * r), 215 - 15 * r};
  el.y += 60 * p.droop;
  hand.y += 150 * p.droop;
  hand.x = mx(70 + 80 * r + 40 * p.droop);
  // The strike brings the hands in front of the chest and low, elbows out,
  // and the limbs grow as they come at the viewer.
  const double st = p.strike;
  el = lerp(el, Pt{mx(66), 296}, st);
  hand = lerp(hand, Pt{mx(150), 318}, st);
  const double near = 1 + 0.35 * st;
  Pt pts[] = {sh, el, hand};
  double radii[] = {18, 13 * near, 10 * near};
  limb(cr, pts, radii, 3, 1.0, 3);
  // Four long clawed fingers spread toward the viewer.
  for (int f = 0; f < 4; ++f) {
    // Angles for the left hand; the right hand mirrors them.
    double a = -M_PI / 2 - (0.9 - f * 0.4) - p.droop * 2.4 - st * 1.9;
    double curl = 0.35 + 0.25 * st;
    if (side > 0) a = M_PI - a, curl = -curl;
    Pt k1 = polar(hand, a, 26 * near);
    Pt k2 = polar(k1, a + curl, 22 * near);
    Pt tip = polar(k2, a + curl * 2.3, 14 * near * (1 + 0.4 * st));
    tube(cr, hand, k1, 5.5 * near, 4.2 * near, 0.95, 1);
    tube(cr, k1, k2, 4.2 * near, 3.0 * near, 0.95, 1);
    // Claw.
    tube(cr, k2, tip, 3.0 * near, 0.6, 1.1, 0);
  }
  gloss_ellipse(cr, hand.x, hand.y, 13 * near, 11 * near, 0, 1.0);
}

void front_warrior(cairo_t* cr, const FrontPose& p) {
  cairo_save(cr);
  const Pt pelvis{kCx, 385};
  cairo_translate(cr, pelvis.x, pelvis.y + p.drop);
  cairo_rotate(cr, p.body_rot);
  cairo_translate(cr, -pelvis.x, -pelvis.y);

  // Tail curling up behind on the right.
  {
    Pt pts[] = {{300, 385}, {385, 405}, {452, 362}, {490, 282}, {498, 200}, {478, 136}};
    double radii[] = {15, 13, 11, 8.5, 6, 3.5};
    limb(cr, pts, radii, 6, 0.7, 4);
    cairo_move_to(cr, 470, 142);
    cairo_line_to(cr, 462, 104);
    cairo_line_to(cr, 486, 134);
    cairo_close_path(cr);
    gloss_fill(cr, 0.8);
  }
  // Dorsal pipes behind the shoulders.
  for (int s = -1; s <= 1; s += 2) {
    tube(cr, {kCx + s * 43, 252}, {kCx + s * 128, 118}, 12, 1.2, 0.7, 5);
    tube(cr, {kCx + s * 28, 246}, {kCx + s * 84, 100}, 11, 1.0, 0.75, 5);
  }
  // Legs, further back and foreshortened.
  for (int s = -1; s <= 1; s += 2) {
    Pt pts[] = {{kCx + s * 33, 385}, {kCx + s * 78, 432}, {kCx + s * 54, 472}, {kCx + s * 80, 496}};
    double radii[] = {21, 14, 10, 7};
    limb(cr, pts, radii, 4, 0.75, 3);
  }
  gloss_ellipse(cr, kCx, 385, 46, 22, 0, 0.9);
  tube(cr, {kCx, 300}, {kCx, 382}, 27, 21, 0.9, 5);

  // Ribcage.
  cairo_new_path(cr);
  cairo_move_to(cr, kCx - 74, 250);
  cairo_curve_to(cr, kCx - 80, 290, kCx - 50, 336, kCx - 34, 344);
  cairo_line_to(cr, kCx + 34, 344);
  cairo_curve_to(cr, kCx + 50, 336, kCx + 80, 290, kCx + 74, 250);
  cairo_curve_to(cr, kCx + 30, 236, kCx - 30, 236, kCx - 74, 250);
  cairo_close_path(cr);
  gloss_fill(cr, 1.0);
  ridges(cr, {kCx - 66, 262}, {kCx + 66, 262}, {0, 13}, 10, 6, 3.0, 1.0);
  tube(cr, {kCx, 250}, {kCx, 338}, 8, 5, 1.0, 6);
  for (int s = -1; s <= 1; s += 2) gloss_ellipse(cr, kCx + s * 73, 255, 25, 19, s * 0.3, 1.0);

  // Neck.
  tube(cr, {kCx, 270}, {kCx + p.head_dx * 0.5, 170 + p.head_dy * 0.5}, 28, 24, 0.85, 4);

  front_arm(cr, p, -1);
  front_arm(cr, p, 1);

  cairo_save(cr);
  cairo_translate(cr, kCx + p.head_dx, 112 + p.head_dy);
  cairo_rotate(cr, p.head_rot);
  cairo_scale(cr, p.head_scale, p.head_scale);
  front_head(cr, p);
  cairo_restore(cr);
  cairo_restore(cr);
}

// The attack and death frames share one handle on the head.
constexpr Pt kFrontHandle{kWarriorAttack.w / 2, 63};

Bytes finish(Canvas& c, uint32_t seed, const char* what) {
  grain(c, seed, 0.10);
  if (what) require_clear_edges(c, what);
  return c.png();
}

}  // namespace

Bytes warrior_walk(int frame) {
  Canvas c(kWarriorWalk.w, kWarriorWalk.h);
  SidePose p;
  p.phase = frame == 1 ? -1 : frame == 3 ? 1 : 0;
  // The tail swings against the step; the hips sink as the legs pass.
  p.tail_sway = -p.phase;
  p.bob = p.phase == 0 ? 4 : 0;
  side_warrior(c.cr(), p);
  return finish(c, 101 + frame, "alien walk");
}

Bytes warrior_head() {
  Canvas c(kWarriorHead.w, kWarriorHead.h);
  cairo_translate(c.cr(), -kHeadOffsetX, -kHeadOffsetY);
  side_head(c.cr());
  return finish(c, 110, nullptr);  // a crop of the walking head: its edges are cut on purpose
}

Bytes warrior_attack(int frame) {
  Canvas c(kWarriorAttack.w, kWarriorAttack.h);
  FrontPose p;
  if (frame == 1) {
    p.jaw = 0.55;
    p.inner = 0.1;
    p.reach = 0;
  } else {
    p.jaw = 1.0;
    p.inner = 1.0;
    p.reach = 0.55;
    p.strike = 1.0;
    p.head_scale = 1.06;
    p.head_dy = 8;
  }
  draw_fitted(c, kFrontHandle, [&](cairo_t* cr) { front_warrior(cr, p); });
  return finish(c, 120 + frame, "alien attack");
}

Bytes warrior_death(int frame) {
  Canvas c(kWarriorAttack.w, kWarriorAttack.h);
  FrontPose p;
  const double t = (frame - 1) / 4.0;  // 0..1 through the collapse
  p.jaw = frame <= 2 ? 1.0 : 0.7;
  p.inner = frame == 1 ? 0.4 : 0.1;
  p.head_rot = 0.2 + 0.9 * t;
  p.head_dx = 24 * t + (frame == 1 ? 0 : 10);
  p.head_dy = -10 + 40 * t;
  p.reach = frame <= 2 ? -0.35 : 0;
  p.droop = std::max(0.0, t * 1.2 - 0.2);
  p.body_rot = 0.05 + 0.75 * t * t;
  p.drop = 90 * t * t;
  draw_fitted(c, kFrontHandle, [&](cairo_t* cr) {
    front_warrior(cr, p);
    // Acid bursting from the wounded head and spattering down.
    cairo_save(cr);
    cairo_translate(cr, 278, 385 + p.drop);
    cairo_rotate(cr, p.body_rot);
    cairo_translate(cr, -278, -385);
    Pt wound{278 + p.head_dx - 10, 80 + p.head_dy};
    double k = frame <= 2 ? 1.0 : 1.0 - (frame - 2) * 0.22;
    // Ichor sliding down the face and, later, the chest, under the burst.
    acid_runs(cr, wound + Pt{4, 14}, 30, 70 + 60 * t, 3, 4.0, 960 + frame);
    if (frame >= 2) acid_runs(cr, {278 + p.head_dx * 0.4, 244}, 44, 70 + 70 * t, 3, 4.5, 990 + frame);
    acid_splash(cr, wound, 78 * k, 900 + frame, frame == 1 ? 0.8 : 0.25);
    cairo_restore(cr);
  });
  return finish(c, 130 + frame, "alien death");
}

Bytes warrior_corpse(int frame) {
  Canvas c(kWarriorCorpse.w, kWarriorCorpse.h);
  // The walk frame's origin inside the wider, taller corpse cell.
  const double ox = 136 - kWarriorHandleX, oy = 110 - 80;
  static const SidePose poses[] = {
      {0, -0.35, -0.06, 0, 0.6, 0.5, false},
      {0, 0.15, 0.18, 22, 0.9, -0.5, false},
      {0, 0.35, 0.55, 55, 0.4, 0.8, false},
      {0, 0.5, 0.78, 78, 0.1, 1.2, false},
  };
  const SidePose& p = poses[frame - 1];
  draw_fitted(c, {kWarriorCorpse.w / 2.0, static_cast<double>(kWarriorCorpse.h)}, [&](cairo_t* cr) {
    if (frame >= 3) {
      // Acid pooling under the body.
      double grow = frame == 3 ? 0.6 : 1.0;
      acid_pool(cr, ox + 150, oy + 188, 60 * grow, 9 * grow, 70 + frame);
    }
    cairo_save(cr);
    cairo_translate(cr, ox, oy);
    side_warrior(cr, p, 0.5);
    cairo_restore(cr);
    if (frame <= 2) {
      Pt head{ox + 170 - frame * 4.0, oy + 32 + frame * 14.0};
      acid_splash(cr, head, 26, 80 + frame, frame == 1 ? 0.7 : 0.3);
    } else {
      acid_splash(cr, {ox + 184, oy + 176}, 13, 90 + frame, 0.0);
    }
  });
  return finish(c, 140 + frame, "alien corpse");
}

}  // namespace contentgen::creatures
