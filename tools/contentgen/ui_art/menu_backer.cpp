// The menu background (512 x 384, drawn at scale 2 behind every menu): a
// dim view down a corridor the hive has taken, ribbed resin arches going
// back into a cold haze, and a creature's head reaching in from the right, wet black, its
// mouth lit from within.
// Rendered with the model kit like the creatures, then sunk into the dark
// where the menu panel sits.
#include "menu_backer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "alien_portrait.h"
#include "console_metal.h"
#include "model_kit/model.h"
#include "paint_kit/canvas.h"
#include "paint_kit/pixels.h"

namespace contentgen::ui {

namespace {

using model::Material;
using model::Model;
using model::V3;

constexpr int kWidth = 512, kHeight = 384;
// Where the corridor goes back to: left of the middle, a little high.
constexpr float kFarX = 200, kFarY = 170;

constexpr Material resin{0.05f, 0.075f, 0.07f, 1.5f, 60, 1.1f, 0};
constexpr Material resin_deep{0.025f, 0.04f, 0.04f, 1.2f, 50, 0.9f, 0};

// Ribbed arches of resin, each smaller and further back than the last, with
// ropes running along the walls between them toward the far end.
void corridor(Model& m, Noise& n) {
  m.set_skin(1.2f, 6);
  const model::M3 facing = model::rot_x(static_cast<float>(M_PI) / 2);
  float scale = 1;
  for (int i = 0; i < 14; ++i) {
    // Further arches are darker: the haze swallows them.
    const float fade = 1 - i / 16.0f;
    const Material mat{resin.r * fade, resin.g * fade, resin.b * fade, resin.specular * fade, resin.shine, resin.rim * fade,
                       0};
    const float cx = kFarX + (kWidth * 0.5f - kFarX) * scale + static_cast<float>(n.range(-12, 12)) * scale;
    const float cy = kFarY + (kHeight * 0.62f - kFarY) * scale;
    // Each arch is a ring squashed into the corridor's section, its floor
    // part sunk out of sight.
    const model::M3 squash = facing * model::rot_y(static_cast<float>(n.range(0, 6.3)));
    m.torus({cx, cy, -40.0f * i}, 270 * scale, static_cast<float>(n.range(9, 16)) * scale, squash, mat, 8 * scale);
    scale *= 0.84f;
  }
  for (int i = 0; i < 22; ++i) {
    const float a = static_cast<float>(i * 2 * M_PI / 22 + n.range(-0.12, 0.12));
    const V3 near{kWidth * 0.5f + std::cos(a) * 300, kHeight * 0.62f + std::sin(a) * 260, 0};
    const V3 far{kFarX + std::cos(a) * 24, kFarY + std::sin(a) * 20, -560};
    const V3 mid = model::lerp3(near, far, 0.4f) + V3{static_cast<float>(n.range(-16, 16)), 0, 0};
    const float r0 = static_cast<float>(n.range(10, 18));
    m.capsule(near, mid, r0, r0 * 0.55f, resin_deep, 10, r0 * 0.9f, r0 * 0.08f);
    m.capsule(mid, far, r0 * 0.55f, r0 * 0.15f, resin_deep, 8, r0 * 0.6f, r0 * 0.05f);
  }
  m.set_skin(0, 1);
}

// A work lamp off the left edge, out of the picture: it lifts what is
// already lit there (the arches' crests, the ropes) several times over while
// the gaps between them stay dark, so the left half reads as ribbed
// corridor rather than near-black. Its reach ends before the middle, where
// the menu panel and its text sit. One pass over the pixels, multiplying
// each channel, with a cold tint and a faint haze in the lamp's beam.
void work_lamp(Canvas& c) {
  paint::each_pixel(c, [](int x, int y, uint32_t& p) {
    const double fx = (x + 0.5) / kWidth, fy = (y + 0.5) / kHeight;
    const double across = std::clamp((0.36 - fx) / 0.32, 0.0, 1.0);
    const double reach = across * across * (3 - 2 * across);
    const double dy = (fy - 0.42) / 0.42;
    const double beam = reach * std::exp(-dy * dy);
    if (beam <= 0) return;
    const double gain[3] = {1 + 2.4 * beam, 1 + 2.3 * beam, 1 + 1.9 * beam};  // byte order B, G, R
    const double haze[3] = {7 * beam, 7 * beam, 5 * beam};
    uint32_t out = p & 0xFF000000u;
    for (int i = 0; i < 3; ++i) {
      const double v = paint::channel(p, 8 * i) * gain[i] + haze[i];
      out |= static_cast<uint32_t>(std::clamp(static_cast<int>(v + 0.5), 0, 255)) << (8 * i);
    }
    p = out;
  });
}

// Lips drawn back off the gums, over the head's own mouth (in its portrait
// space): thick wet lips ringed with ridges, the upper one over the roots of
// the upper teeth and the lower one under the lower, so the red gum shows
// only as a dark wet band between them and the teeth, not as a strip.
void ridged_lips(Model& m) {
  constexpr Material lip{0.10f, 0.075f, 0.08f, 3.0f, 90, 0.6f, 0, 0.2f, 3.0f, 0.2f, 0.1f};
  m.capsule({22, 110, 31}, {98, 124, 29}, 4.2f, 3.0f, lip, 2, 3.2f, 0.9f);
  m.capsule({22, 143, 25}, {90, 157, 21}, 3.6f, 2.6f, lip, 2, 3.0f, 0.8f);
  // The corner of the mouth, where the two lips fold together.
  m.ellipsoid({96, 134, 22}, {7, 12, 6}, model::rot_z(0.3f), lip, 3);
}

// A light unsharp mask over the picture: the head and ribs are drawn at
// twice this size, and the filter's blur there softens every edge; lifting
// each pixel away from its neighbours' mean restores the crispness of the
// plates, lips and teeth without a visible halo.
void sharpen(Canvas& c, double amount) {
  const int w = c.width(), h = c.height();
  std::vector<uint32_t> src(static_cast<size_t>(w) * h);
  paint::each_pixel(c, [&](int x, int y, uint32_t& p) { src[static_cast<size_t>(y) * w + x] = p; });
  paint::each_pixel(c, [&](int x, int y, uint32_t& p) {
    if (x == 0 || y == 0 || x == w - 1 || y == h - 1) return;
    uint32_t out = p & 0xFF000000u;
    for (int i = 0; i < 3; ++i) {
      const int shift = 8 * i;
      double mean = 0;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          mean += paint::channel(src[static_cast<size_t>(y + dy) * w + x + dx], shift) * (dx == 0 || dy == 0 ? 2 : 1);
      mean /= 14;  // the centre and its four edge neighbours weigh twice a corner
      const double v = paint::channel(p, shift);
      out |= static_cast<uint32_t>(std::clamp(static_cast<int>(v + amount * (v - mean) + 0.5), 0, 255)) << shift;
    }
    p = out;
  });
}

}  // namespace

Bytes menu_backer() {
  Canvas c(kWidth, kHeight);
  cairo_t* cr = c.cr();
  // The far end of the corridor: a cold glow in the haze.
  cairo_pattern_t* g = cairo_pattern_create_radial(kFarX, kFarY, 4, kFarX, kFarY, 300);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.16, 0.24, 0.22);
  cairo_pattern_add_color_stop_rgb(g, 0.3, 0.05, 0.08, 0.08);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.01, 0.015, 0.015);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  Noise n(911);
  Model m;
  corridor(m, n);
  // The creature's head, large, reaching in from the right toward the
  // light, jaws open.
  m.set_xf(model::place({312, 8, 60}, model::rot_z(0.1f), 1.2f));
  m.set_skin(0.2f, 4);
  creature_head(m);
  ridged_lips(m);
  // Its neck runs on down out of the picture, two tubes beside it.
  m.capsule({100, 200, -10}, {122, 330, -20}, 27, 32, resin_deep, 6, 9, 0.6f);
  for (int i = 0; i < 2; ++i)
    m.capsule({56.0f + i * 24, 202, 10}, {48.0f + i * 34, 330, 4}, 7, 8, resin, 2, 4, 1.1f);
  model::RenderOptions o;
  o.supersample = 3;  // dim and shown at twice its size: three samples a side suffice
  o.ambient = 0.04f;
  o.exposure = 0.62f;
  // A faint neutral rim only: a coloured one draws a glowing line round
  // the head's whole outline against the dark corridor.
  o.rim_r = 0.12f, o.rim_g = 0.13f, o.rim_b = 0.14f;
  o.rim_hollow = 1.0f;
  model::render(m, c, o);
  sharpen(c, 0.7);
  // The menu panel's place sinks into the dark, and so do the edges.
  g = cairo_pattern_create_radial(256, 200, 40, 256, 210, 330);
  cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0.6);
  cairo_pattern_add_color_stop_rgba(g, 0.45, 0, 0, 0, 0.3);
  cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0.7);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  // A faint green cast from the console screens below.
  g = cairo_pattern_create_radial(256, 430, 20, 256, 430, 330);
  cairo_pattern_add_color_stop_rgba(g, 0, kPhosphor.r, kPhosphor.g, kPhosphor.b, 0.10);
  cairo_pattern_add_color_stop_rgba(g, 1, kPhosphor.r, kPhosphor.g, kPhosphor.b, 0);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  work_lamp(c);
  speckle(c, 103, 0.05);
  return c.png_opaque();
}

}  // namespace contentgen::ui
