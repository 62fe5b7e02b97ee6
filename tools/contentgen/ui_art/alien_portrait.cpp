// The creature head shown on the console for a member it took: a long
// glossy grey dome swept back out of the frame, ridged along its length so
// the key light breaks into bright streaks, jaws open over steel teeth,
// ribbed neck tubes below. Modelled and rendered like the squad's heads.
#include "alien_portrait.h"

#include <cmath>

#include "model_kit/model.h"
#include "paint_kit/canvas.h"
#include "portrait_finish.h"

namespace contentgen::ui {

namespace {

using model::Material;
using model::Model;
using model::V3;

// The grey shell seen in the dim menu corridor: hard and glossy but not
// smooth; fine ridges run over it and its shine breaks in patches.
constexpr Shell grey_shell{{0.26f, 0.28f, 0.32f, 2.4f, 45, 1.4f, 0, 0.5f, 9.0f, 0.35f, 0.15f},
                           {0.30f, 0.32f, 0.36f, 2.8f, 70, 1.5f, 0, 0.4f, 5.0f, 0.2f, 0},
                           {0.22f, 0.24f, 0.28f, 1.4f, 60, 1.1f, 0, 0.4f, 7.0f, 0.3f, 0.15f}};
// Close up on the console: darker, and wet, a film breaking its shine into
// bright runs along the dome, so the light lies on the dark shell in streaks.
constexpr Material wet(Material m) {
  m.streak = 0.8f;
  return m;
}
constexpr Shell wet_shell{wet({0.12f, 0.13f, 0.15f, 2.8f, 55, 1.5f, 0, 0.25f, 12.0f, 0.2f, 0.12f}),
                          wet({0.15f, 0.16f, 0.18f, 3.2f, 80, 1.6f, 0, 0.4f, 5.0f, 0.1f, 0}),
                          {0.10f, 0.11f, 0.13f, 1.8f, 60, 1.1f, 0, 0.4f, 7.0f, 0.3f, 0.15f}};
// Ribs across the back of the skull where the dome meets the neck.
constexpr Material rib{0.18f, 0.19f, 0.22f, 1.8f, 60, 1.2f, 0, 0.3f, 4.0f, 0.3f, 0};
constexpr Material gum{0.30f, 0.08f, 0.10f, 0.8f, 40, 0.3f, 0};
constexpr Material throat{0.06f, 0.02f, 0.03f, 0.3f, 20, 0.0f, 0};
constexpr Material tooth{0.86f, 0.87f, 0.84f, 1.6f, 80, 0.5f, 0};
constexpr Material drool{0.60f, 0.70f, 0.58f, 1.8f, 90, 1.0f, 0.25f};

}  // namespace

void creature_head(Model& m) { creature_head(m, grey_shell); }

void creature_head(Model& m, const Shell& shell) {
  const Material &dome = shell.dome, &ridge = shell.ridge, &shadowed = shell.shadowed;
  const float a = -0.62f;
  const model::M3 along = model::rot_z(a);
  const V3 axis{std::cos(a), std::sin(a), 0}, across{-std::sin(a), std::cos(a), 0};
  // The skull swells toward the crown, out past the corner of the frame,
  // and narrows into the snout.
  m.ellipsoid({138, 44, -24}, {92, 50, 52}, along, dome, 0);
  m.ellipsoid({74, 96, -4}, {52, 30, 34}, along, dome, 26);
  // Ridges running the skull's length, each catching its own streak.
  for (int i = -1; i <= 1; ++i) {
    const V3 mid = V3{138, 44, -24} + across * (i * 14.0f) + V3{0, 0, 48 - 8.0f * i * i};
    m.capsule(mid - axis * 50, mid + axis * 80, 2.5f, 4.5f, ridge, 6);
  }
  // Ribs curving round the dome's underside, behind the jaw.
  for (int i = 0; i < 6; ++i) {
    const V3 c = V3{96, 86, -30} + axis * (i * 16.0f);
    m.capsule(c - across * 40 + V3{0, 0, -10}, c + across * 6 + V3{0, 0, 30}, 4.5f, 3.0f, rib, 5);
  }
  // The face below the dome: brow, a lipless snout, the jaws.
  m.ellipsoid({62, 112, 8}, {40, 22, 30}, model::rot_z(0.25f), dome, 12);
  m.ellipsoid({58, 118, 30}, {30, 10, 10}, model::rot_z(0.2f), throat, 3, true);  // the gape
  m.ellipsoid({52, 140, 4}, {36, 12, 22}, model::rot_z(0.3f), shadowed, 8);       // lower jaw
  m.ellipsoid({60, 126, 16}, {26, 7, 14}, model::rot_z(0.25f), throat, 2);
  m.capsule({30, 112, 28}, {92, 126, 26}, 3.5f, 3, gum, 3);  // upper gum
  m.capsule({28, 132, 22}, {84, 146, 18}, 3, 3, gum, 3);     // lower gum
  for (int i = 0; i < 9; ++i) {
    const float x = 32 + i * 6.6f, y = 114 + i * 1.6f;
    m.capsule({x, y, 30}, {x + 1.2f, y + 8, 30}, 2.2f, 0.6f, tooth, 0);
    m.capsule({x + 1, y + 19 - i * 0.2f, 26}, {x + 2, y + 11 - i * 0.2f, 27}, 2.0f, 0.6f, tooth, 0);
  }
  // Ribbed tubes under the jaw, running down out of the frame.
  for (int i = 0; i < 4; ++i) {
    const V3 pts[3] = {{70.0f + i * 10, 130, -10}, {58.0f + i * 16, 160, -6}, {46.0f + i * 20, 196, -4}};
    const float r[3] = {6, 7, 8};
    m.chain(pts, r, 3, i % 2 ? shadowed : dome, 2, 4, 1.1f);
  }
  // Slime drawn out of the jaws.
  m.capsule({44, 136, 30}, {45, 168, 30}, 1.4f, 2.6f, drool, 1);
  m.capsule({66, 142, 28}, {67, 160, 28}, 1.2f, 2.2f, drool, 1);
}

Bytes alien_portrait() {
  const int s = portrait_finish::kPortraitSize;
  Canvas c(s, s);
  cairo_t* cr = c.cr();
  // A cold haze behind it, brighter where the key light falls.
  cairo_pattern_t* bg = cairo_pattern_create_radial(50, 40, 10, 80, 80, 170);
  // Bright enough that the dark head stands against it in silhouette.
  cairo_pattern_add_color_stop_rgb(bg, 0, 0.74, 0.78, 0.76);
  cairo_pattern_add_color_stop_rgb(bg, 0.6, 0.46, 0.50, 0.50);
  cairo_pattern_add_color_stop_rgb(bg, 1, 0.20, 0.23, 0.24);
  cairo_set_source(cr, bg);
  cairo_paint(cr);
  cairo_pattern_destroy(bg);
  Model m;
  m.set_skin(0.06f, 5);
  creature_head(m, wet_shell);
  model::RenderOptions o;
  o.supersample = 3;  // as the squad's portraits
  o.ambient = 0.12f;
  o.exposure = 1.3f;
  o.rim_r = 0.75f, o.rim_g = 0.85f, o.rim_b = 1.0f;
  model::render(m, c, o);
  portrait_finish::settle_for_tints(c);
  portrait_finish::monitor_finish(c, 777);
  return c.png();
}

}  // namespace contentgen::ui
