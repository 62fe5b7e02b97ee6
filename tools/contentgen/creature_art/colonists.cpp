// The colonist set in resin on the wall, whole and burst.
#include <cmath>

#include "creature_art/face_model.h"
#include "creature_art/solid.h"
#include "creature_sizes.h"
#include "creature_art/creature_brushes.h"
#include "pictures.h"

namespace contentgen::creatures {

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
  // The head, sculpted like the close-up's and turned a little toward the
  // light, fills the head box (57..98, 46..90) that a shot must find; the
  // resin has taken the crown and one side of the face. Its skin is a
  // shade paler than the close-up's so the small face holds its features.
  {
    const model::Xf keep = m.xf();
    m.set_xf(model::place({77.5f, 66, 10}, model::rot_z(0.06f) * model::rot_y(-0.22f) * model::rot_x(-0.1f), 0.25f));
    const model::Material pale{0.80f, 0.68f, 0.60f, 0.6f, 30, 0.6f, 0};
    m.set_skin(0.08f, 2.0f);
    face_model::screaming_head(m, !burst, pale);
    m.set_skin(0.45f, 4.0f);
    m.ellipsoid({10, -92, 0}, {76, 36, 62}, model::rot_z(-0.2f), body, 14);
    m.ellipsoid({-50, -74, 26}, {30, 22, 26}, model::rot_z(0.5f), resin, 10);
    m.capsule({80, -74, 10}, {68, 6, 40}, 24, 14, resin, 10, 18, 0.25f);
    m.capsule({68, 6, 40}, {64, 90, 22}, 14, 20, resin, 10, 18, 0.25f);
    m.capsule({-78, 40, 0}, {-50, 104, 28}, 16, 22, resin, 10, 18, 0.25f);
    if (burst) {
      // Blood from the mouth, running off the chin.
      const V3 run[] = {{4, 60, 58}, {2, 82, 48}, {6, 104, 40}, {3, 128, 30}};
      const float w[] = {4.5f, 4.0f, 3.4f, 2.6f};
      m.chain(run, w, 4, blood, 2);
    }
    m.set_xf(keep);
    m.set_skin(0.45f, 4.0f);
  }
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
  return c.png();
}

}  // namespace contentgen::creatures
