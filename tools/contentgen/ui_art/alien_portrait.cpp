// The creature head shown on the console for a member it took: a long,
// near-black wet carapace swept back out of the frame in stepped plates,
// the key light breaking on it in bright streaks, lips drawn back off long
// teeth, the inner jaw thrust out of a mouth lit from within, slime
// hanging from the jaws; dark against a pale haze, so it reads as a
// silhouette. Modelled and rendered like the squad's heads.
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

// The shell seen in the dim menu corridor: near black and wet, so the
// corridor's faint light lies on it only in bright runs along the plates.
constexpr Shell dim_shell{{0.09f, 0.10f, 0.12f, 3.2f, 70, 2.0f, 0, 0.3f, 9.0f, 0.2f, 0.10f, 0, 0.95f, 0.55f, 0.38f, 0.8f},
                          {0.11f, 0.12f, 0.14f, 3.6f, 90, 2.0f, 0, 0.4f, 5.0f, 0.1f, 0, 0, 0.95f, 0.55f, 0.38f, 0.8f},
                          {0.07f, 0.075f, 0.09f, 1.8f, 60, 1.4f, 0, 0.4f, 7.0f, 0.3f, 0.15f}};
// Close up on the console: darker, and wet, a film breaking its shine into
// bright runs along the dome, so the light lies on the dark shell in streaks.
constexpr Material wet(Material m) {
  m.streak = 0.8f;
  return m;
}
constexpr Shell wet_shell{wet({0.05f, 0.055f, 0.07f, 3.4f, 70, 1.8f, 0, 0.2f, 12.0f, 0.15f, 0.10f}),
                          wet({0.07f, 0.075f, 0.09f, 3.8f, 90, 1.9f, 0, 0.4f, 5.0f, 0.1f, 0}),
                          {0.04f, 0.045f, 0.055f, 1.8f, 60, 1.2f, 0, 0.4f, 7.0f, 0.3f, 0.15f}};
// Ribs across the back of the skull where the dome meets the neck.
constexpr Material rib{0.10f, 0.11f, 0.13f, 1.8f, 60, 1.2f, 0, 0.3f, 4.0f, 0.3f, 0};
// The mouth is lit from within: wet red gums, a throat that glows dull red,
// the inner jaw pale and glistening, the teeth wet enamel.
constexpr Material gum{0.42f, 0.07f, 0.09f, 2.0f, 90, 0.4f, 0.14f};
constexpr Material throat{0.30f, 0.04f, 0.04f, 0.6f, 30, 0.0f, 0.30f};
constexpr Material inner_jaw{0.46f, 0.34f, 0.36f, 2.6f, 110, 0.8f, 0.16f, 0.25f, 3.0f, 0.2f, 0};
constexpr Material tooth{0.90f, 0.90f, 0.84f, 2.8f, 150, 0.6f, 0.06f};
constexpr Material drool{0.66f, 0.78f, 0.64f, 2.6f, 140, 1.0f, 0.32f};

}  // namespace

void creature_head(Model& m) { creature_head(m, dim_shell); }

void creature_head(Model& m, const Shell& shell) {
  const Material &dome = shell.dome, &ridge = shell.ridge, &shadowed = shell.shadowed;
  const float a = -0.62f;
  const model::M3 along = model::rot_z(a);
  const V3 axis{std::cos(a), std::sin(a), 0}, across{-std::sin(a), std::cos(a), 0};
  // A long, narrow skull swept back out past the corner of the frame, and
  // the heavy brow it narrows into over the snout.
  m.ellipsoid({146, 38, -24}, {104, 40, 44}, along, dome, 0);
  m.ellipsoid({76, 94, -2}, {50, 24, 30}, along, dome, 24);
  // Overlapping plates down the skull's crest, each lipped at its rear edge,
  // so the silhouette is stepped rather than a smooth tube.
  for (int i = 0; i < 5; ++i) {
    const V3 c = V3{104, 62, 4} + axis * (i * 30.0f) - across * (14 + 2.0f * i) + V3{0, 0, 26 - 4.0f * i};
    m.ellipsoid(c, {24, 8, 16}, model::rot_z(a + 0.12f), ridge, 8);
  }
  // Ridges running the skull's length, each catching its own wet streak.
  for (int i = -1; i <= 1; ++i) {
    const V3 mid = V3{146, 38, -24} + across * (i * 12.0f) + V3{0, 0, 42 - 8.0f * i * i};
    m.capsule(mid - axis * 60, mid + axis * 86, 2.0f, 4.0f, ridge, 5);
  }
  // Cheek bones flaring back from the corner of the mouth.
  m.capsule({52, 116, 26}, {112, 92, 18}, 4.5f, 7.0f, ridge, 6);
  // Ribs curving round the underside behind the jaw, sunk in shadow.
  for (int i = 0; i < 6; ++i) {
    const V3 c = V3{100, 90, -30} + axis * (i * 15.0f);
    m.capsule(c - across * 36 + V3{0, 0, -10}, c + across * 6 + V3{0, 0, 26}, 4.0f, 2.6f, rib, 5);
  }
  // The snout and lips drawn back off the gums; the gape glows from within.
  m.ellipsoid({60, 110, 8}, {42, 18, 28}, model::rot_z(0.25f), dome, 10);
  m.ellipsoid({58, 122, 28}, {34, 12, 10}, model::rot_z(0.2f), throat, 3, true);  // the gape
  m.ellipsoid({50, 146, 4}, {38, 12, 22}, model::rot_z(0.3f), shadowed, 8);       // lower jaw
  m.ellipsoid({62, 130, 14}, {28, 9, 14}, model::rot_z(0.25f), throat, 2);
  m.capsule({26, 114, 28}, {94, 128, 26}, 3.2f, 2.4f, gum, 3);  // upper gum
  m.capsule({24, 138, 22}, {86, 152, 18}, 2.8f, 2.4f, gum, 3);  // lower gum
  // Long glistening teeth, uneven, the front ones longest.
  static constexpr float kLength[10] = {15, 11, 16, 9, 13, 10, 12, 8, 10, 7};
  static constexpr float kLean[10] = {-2.5f, 1.0f, -1.5f, 2.0f, -0.5f, 1.5f, -2.0f, 0.5f, 1.0f, -1.0f};
  for (int i = 0; i < 10; ++i) {
    const float x = 26 + i * 6.4f, y = 116 + i * 1.5f, len = kLength[i];
    m.capsule({x, y, 30}, {x + kLean[i], y + len, 31}, 2.4f, 0.3f, tooth, 0);
    m.capsule({x + 1, y + 22 - i * 0.2f, 26}, {x + 1 - kLean[9 - i], y + 22 - len * 0.75f - i * 0.2f, 27}, 2.1f, 0.3f,
              tooth, 0);
  }
  // The inner jaw thrust out of the throat toward the viewer, its own small
  // teeth at the tip.
  m.capsule({84, 130, 6}, {30, 128, 40}, 6.5f, 5.0f, inner_jaw, 2);
  m.ellipsoid({26, 128, 42}, {8, 6.5f, 6.5f}, {}, inner_jaw, 2);
  for (int i = -1; i <= 1; ++i) {
    m.capsule({20, 123 + 2.0f * i, 44 + 2.0f * i}, {14, 125 + 2.0f * i, 46 + 2.0f * i}, 1.6f, 0.3f, tooth, 0);
    m.capsule({20, 133 + 2.0f * i, 44 + 2.0f * i}, {14, 131 + 2.0f * i, 46 + 2.0f * i}, 1.6f, 0.3f, tooth, 0);
  }
  // The neck below the jaw: dark ribbed muscle and two tubes, in shadow.
  {
    const V3 pts[3] = {{92, 132, -16}, {96, 168, -14}, {100, 204, -10}};
    const float r[3] = {20, 24, 28};
    m.chain(pts, r, 3, shadowed, 6, 9, 0.6f);
  }
  for (int i = 0; i < 2; ++i) {
    const V3 pts[3] = {{70.0f + i * 14, 140, 6}, {64.0f + i * 18, 168, 8}, {56.0f + i * 24, 204, 10}};
    const float r[3] = {5, 6, 7};
    m.chain(pts, r, 3, rib, 2, 4, 1.1f);
  }
  // Slime drawn out of the jaws in long wet strings.
  m.capsule({40, 140, 32}, {44, 160, 33}, 0.9f, 1.4f, drool, 1);
  m.capsule({44, 160, 33}, {42, 180, 33}, 1.4f, 3.0f, drool, 1);
  m.capsule({62, 146, 30}, {58, 170, 30}, 0.8f, 2.4f, drool, 1);
  m.capsule({24, 134, 44}, {27, 162, 45}, 0.8f, 2.2f, drool, 1);
  m.capsule({78, 150, 26}, {81, 164, 26}, 0.7f, 1.8f, drool, 1);
}

Bytes alien_portrait() {
  const int s = portrait_finish::kPortraitSize;
  Canvas c(s, s);
  cairo_t* cr = c.cr();
  // A cold haze behind it, brighter where the key light falls.
  cairo_pattern_t* bg = cairo_pattern_create_radial(50, 40, 10, 80, 80, 170);
  // Bright enough that the dark head stands against it in silhouette.
  cairo_pattern_add_color_stop_rgb(bg, 0, 0.86, 0.89, 0.88);
  cairo_pattern_add_color_stop_rgb(bg, 0.6, 0.60, 0.64, 0.64);
  cairo_pattern_add_color_stop_rgb(bg, 1, 0.30, 0.33, 0.34);
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
  o.rim_r = 0.95f, o.rim_g = 1.0f, o.rim_b = 1.1f;
  model::render(m, c, o);
  portrait_finish::settle_for_tints(c);
  portrait_finish::monitor_finish(c, 777);
  return c.png();
}

}  // namespace contentgen::ui
