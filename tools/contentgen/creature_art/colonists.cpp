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
  // The ribs: the same resin, darker and wetter, ridged along their length.
  const model::Material rib_resin{0.075f, 0.085f, 0.04f, 1.8f, 70, 1.1f, 0, 0.3f, 4.0f, 0.25f, 0.3f};
  // The overalls under a film of resin: their orange dulled toward the olive.
  const model::Material overalls{0.30f, 0.21f, 0.10f, 0.7f, 40, 0.5f, 0, 0.15f, 4, 0.5f, 0.4f};
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
  // Toward the sides the lumps flatten into sheets laid on the wall and
  // stretched down it, so the mass thins out into the wall instead of
  // ending in a row of round lobes.
  for (int i = 0; i < 56; ++i) {
    const float y = static_cast<float>(shape.range(-8, H));
    const float half = 44 + 24 * std::max(0.0f, y / H) * std::max(0.0f, y / H);
    const float x = cx + static_cast<float>(shape.range(-half, half));
    const float r = static_cast<float>(shape.range(9, 17));
    const float out = std::min(1.0f, std::fabs(x - cx) / half);  // 0 in the middle, 1 at the sides
    const float flat = 1 - 0.6f * out * out;
    m.ellipsoid({x, y, -8 - 4 * out}, {r * (1 + 0.5f * out), r * (1.3f + 1.2f * out), r * 0.7f * flat},
                model::rot_z(static_cast<float>(shape.range(-0.4, 0.4))), body, 8);
  }
  // It runs on up the wall above the picture and spreads over the floor
  // below it in uneven sheets.
  for (int i = 0; i < 6; ++i) {
    const float x = cx + static_cast<float>(shape.range(-40, 40));
    m.ellipsoid({x, -4, -6}, {static_cast<float>(shape.range(12, 22)), 12, 6}, model::rot_z(static_cast<float>(shape.range(-0.5, 0.5))), body, 8);
  }
  for (int i = 0; i < 8; ++i) {
    const float x = cx + static_cast<float>(shape.range(-70, 70));
    m.ellipsoid({x, H - 3, -4}, {static_cast<float>(shape.range(10, 20)), static_cast<float>(shape.range(4, 8)), 5},
                model::rot_z(static_cast<float>(shape.range(-0.25, 0.25))), body, 6);
  }
  // The body: overalls, shoulders, the arms pinned up and out, the legs.
  m.ellipsoid({cx, 128, 2}, {27, 40, 14}, {}, overalls, 0);
  for (int s = -1; s <= 1; s += 2) {
    // The shoulders hunched up against the neck, dragged back into the mass.
    const V3 sh{cx + s * 24.0f, 98, -1};
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
  // resin has taken the crown and the back of the skull. Its skin is paler
  // than the close-up's and glows faintly, so the small face is the
  // brightest thing in the picture and holds its features: eyes open and
  // staring, the mouth wide.
  {
    const model::Xf keep = m.xf();
    // After the burst the dead head has fallen forward and over onto the
    // shoulder, dragging the resin round it down with it.
    if (burst)
      m.set_xf(model::place({74.0f, 75, 13}, model::rot_z(0.48f) * model::rot_y(-0.28f) * model::rot_x(0.30f), 0.29f));
    else
      m.set_xf(model::place({77.5f, 67, 12}, model::rot_z(0.22f) * model::rot_y(-0.24f) * model::rot_x(0.10f), 0.29f));
    const model::Material pale{0.84f, 0.70f, 0.61f, 0.6f, 30, 0.35f, 0.12f, 0, 6, 0.12f, 0.3f, 0.45f};
    const model::Material crease{0.22f, 0.12f, 0.11f, 0.2f, 20, 0.1f, 0};
    m.set_skin(0.08f, 2.0f);
    face_model::screaming_head(m, !burst, pale);
    // Dark creases over the eyes and under them, so the eyes read as eyes
    // and not as two white dots.
    for (int s = -1; s <= 1; s += 2) {
      const float ex = s * 22.0f;
      m.capsule({ex - 14, -23, 46}, {ex + 13, -22, 45}, 2.6f, 2.6f, crease, 1);
      if (!burst) m.capsule({ex - 10, 4, 45}, {ex + 10, 4, 44}, 1.6f, 1.6f, crease, 0.8f);
    }
    m.set_skin(0.45f, 4.0f);
    m.ellipsoid({10, -92, 0}, {76, 36, 62}, model::rot_z(-0.2f), body, 14);
    m.ellipsoid({-50, -74, 26}, {30, 22, 26}, model::rot_z(0.5f), resin, 10);
    m.capsule({82, -74, 6}, {76, 6, 22}, 22, 12, resin, 10, 18, 0.25f);
    m.capsule({76, 6, 22}, {70, 90, 14}, 12, 18, resin, 10, 18, 0.25f);
    m.capsule({-78, 40, 0}, {-50, 104, 28}, 16, 22, resin, 10, 18, 0.25f);
    // The resin takes the neck and laps over the jaw's edge, so the
    // face is set into the mass rather than laid on it.
    m.capsule({-70, 96, 8}, {62, 110, 12}, 24, 26, resin, 12, 18, 0.25f);
    if (burst) {
      // The fallen head bares no neck: the resin it was set in has sagged
      // over the throat with it.
      m.ellipsoid({-14, 150, 4}, {56, 42, 40}, model::rot_z(0.3f), body, 12);
      // Blood from the mouth, running off the chin.
      const V3 run[] = {{4, 60, 58}, {2, 82, 48}, {6, 104, 40}, {3, 128, 30}};
      const float w[] = {4.5f, 4.0f, 3.4f, 2.6f};
      m.chain(run, w, 4, blood, 2);
    }
    m.set_xf(keep);
    m.set_skin(0.45f, 4.0f);
  }
  if (burst) {
    // The chest torn open from inside: a ragged cavity, dark and wet in its
    // depth; the ribs snapped at the breastbone and bent out and forward
    // on both sides, each its own length and angle; torn flaps of the
    // overalls curled back round the hole; blood welling over the lower
    // lip in a lopsided sheet that breaks into streams and spatter.
    m.ellipsoid({cx, 126, 16}, {21, 23, 17}, {}, overalls, 3, true);
    m.ellipsoid({cx + 4, 112, 14}, {10, 9, 10}, {}, overalls, 2, true);
    m.ellipsoid({cx - 7, 138, 14}, {12, 8, 10}, model::rot_z(0.5f), overalls, 2, true);
    const model::Material depth{0.20f, 0.015f, 0.02f, 1.0f, 50, 0.3f, 0, 0, 6, 0.5f, 0.3f};
    m.ellipsoid({cx, 127, 0}, {20, 21, 5}, {}, depth, 2);
    m.ellipsoid({cx - 2, 122, 3}, {8, 7, 3}, model::rot_z(-0.4f), kMouth, 1.5f);
    m.ellipsoid({cx + 4, 138, 2}, {12, 6, 4}, model::rot_z(0.3f), blood, 3);
    for (int s = -1; s <= 1; s += 2)
      for (int i = 0; i < 4; ++i) {
        const float y = 111 + i * 9.5f + static_cast<float>(n.range(-1.5, 1.5));
        const float out = static_cast<float>(n.range(5, 10)), up = static_cast<float>(n.range(-3, 2));
        const V3 root{cx + s * (17 - 2.0f * std::fabs(i - 1.5f)), y, 8};
        const V3 bend = root + V3{s * out, up, static_cast<float>(n.range(7, 12))};
        const V3 snap = bend + V3{s * static_cast<float>(n.range(-1, 4)), static_cast<float>(n.range(-4, 3)),
                                  static_cast<float>(n.range(3, 7))};
        m.capsule(root, bend, 2.1f, 1.7f, rib, 0.8f);
        m.capsule(bend, snap, 1.7f, 0.45f, rib, 0.5f);
      }
    for (int i = 0; i < 6; ++i) {
      const float a = static_cast<float>(-2.6 + i * 1.0 + n.range(-0.3, 0.3));
      const float r = 22 + static_cast<float>(n.range(0, 3));
      m.ellipsoid({cx + std::cos(a) * r, 127 + std::sin(a) * r * 1.1f, 12}, {8, 3.5f, 4},
                  model::rot_z(a + 1.5708f + static_cast<float>(n.range(-0.4, 0.4))), overalls, 2);
    }
    // The gush: a sheet off the lower lip, heavier on one side, splitting
    // into streams that run, fork and thin, each ending in a bead.
    m.ellipsoid({cx + 3, 149, 13}, {16, 6, 3.5f}, model::rot_z(0.25f), blood, 3);
    m.ellipsoid({cx - 7, 155, 12}, {8, 9, 3}, model::rot_z(-0.3f), blood, 3);
    for (int k = 0; k < 8; ++k) {
      V3 at{cx + static_cast<float>(n.range(-16, 17)), 150, 13};
      float w = static_cast<float>(n.range(2.0, 4.5));
      const int steps = 3 + static_cast<int>(n.range(0, 5));
      for (int j = 0; j < steps; ++j) {
        const V3 next = at + V3{static_cast<float>(n.range(-5, 5)), static_cast<float>(n.range(5, 12)), 0.4f};
        const float w2 = w * static_cast<float>(n.range(0.6, 1.0));
        m.capsule(at, next, w, w2, blood, 1.5f);
        at = next, w = w2;
      }
      m.sphere(at + V3{0, w * 0.8f, 0}, w * 1.35f, blood, 1.2f);
    }
    // The cocoon split round the hole: dark cracks running out from it,
    // fluid welling along each.
    for (int k = 0; k < 5; ++k) {
      const float a = -0.5f + k * 1.0f + static_cast<float>(n.range(-0.2, 0.2));
      const float reach = static_cast<float>(n.range(14, 22));
      const V3 from{cx + std::cos(a) * 24, 127 + std::sin(a) * 26, 13};
      const V3 to = from + V3{std::cos(a) * reach, std::sin(a) * reach, -3};
      m.capsule(from, to, 1.7f, 0.5f, depth, 0.6f);
      m.capsule(from + V3{0, 2, 1}, to + V3{0, 3, 0.5f}, 1.1f, 0.5f, blood, 0.5f);
    }
    // Spatter thrown out by the burst.
    for (int k = 0; k < 10; ++k) {
      const float a = static_cast<float>(n.range(-M_PI, M_PI)), r = static_cast<float>(n.range(20, 38));
      m.sphere({cx + std::cos(a) * r, 126 + std::sin(a) * r * 0.9f, 14}, static_cast<float>(n.range(0.9, 2.2)),
               blood, 0.8f);
    }
  }
  // Resin swallowing the arms and legs in smooth sheaths and rising over
  // the shoulders.
  for (int s = -1; s <= 1; s += 2) {
    m.capsule({cx + s * 36.0f, 96, 1}, {cx + s * 50.0f, 34, -1}, 11, 9, body, 12);
    // A web of resin on the sheath's outer side, spread thin onto the wall,
    // so the arm sinks into the mass instead of standing off it as a tube.
    m.ellipsoid({cx + s * 56.0f, 64, -1}, {9, 30, 3.5f}, model::rot_z(s * -0.18f), body, 6);
    m.ellipsoid({cx + s * 17.0f, 182, 2}, {17, 12, 8}, model::rot_z(s * 0.3f), body, 10);
    // Resin poured over the shoulder and down the upper arm.
    m.ellipsoid({cx + s * 26.0f, 92, 5}, {12, 17, 7}, model::rot_z(s * 0.7f), resin, 7);
  }
  // The hands, pale and splayed, pressed flat against the resin where the
  // raised arms end, the fingers reaching up as if to push out of it, a
  // film of resin drawn over them.
  {
    const model::Material hand_skin{0.80f, 0.66f, 0.56f, 0.6f, 30, 0.5f, 0.08f, 0, 6, 0.15f, 0.3f, 0.3f};
    for (int s = -1; s <= 1; s += 2) {
      const V3 palm{cx + s * 42.0f, 40, 10};
      m.ellipsoid(palm, {5.8f, 6.8f, 2.4f}, model::rot_z(s * 0.25f), hand_skin, 1.5f);
      for (int f = 0; f < 4; ++f) {
        const float a = s * (-0.45f + 0.3f * f);  // spread, leaning out
        const V3 dir{std::sin(a), -std::cos(a), 0};
        const V3 root = palm + dir * 5.0f + V3{0, 0, 0.3f};
        const float len = f == 0 || f == 3 ? 7.0f : 8.5f;
        m.capsule(root, root + dir * len + V3{0, 0, 0.6f}, 1.6f, 1.15f, hand_skin, 0.6f);
      }
      // The thumb toward the face.
      m.capsule(palm + V3{-s * 4.0f, 1.5f, 0.3f}, palm + V3{-s * 9.5f, -3.0f, 0.8f}, 1.7f, 1.2f, hand_skin, 0.6f);
      // Resin film over the hand: strands across the fingers and the wrist
      // sunk in the sheath.
      m.capsule(palm + V3{-6, -5, 2.4f}, palm + V3{6, -9, 2.6f}, 0.7f, 0.6f, resin, 0.8f);
      m.capsule(palm + V3{-6, 5, 2.0f}, palm + V3{7, 3, 2.2f}, 1.2f, 1.0f, resin, 1.0f);
    }
  }
  // The cocoon's ribs: bands of the wall's resin arched over the body from
  // one side of the mass to the other, bowed out over the chest and legs.
  const V3 ropes[][2] = {{{cx - 54, 108, 2}, {cx + 52, 112, 2}},
                         {{cx - 56, 132, 2}, {cx + 54, 128, 2}},
                         {{cx - 52, 156, 2}, {cx + 56, 160, 2}},
                         {{cx - 50, 182, 2}, {cx + 48, 178, 2}}};
  // Each rib sags and bulges over the body along a wavering line, thick
  // and thin by turns, so none reads as a straight bar. The burst snaps
  // the ribs across the hole: their ends thin to frayed tips and spring
  // back and up, away from it.
  const V3 hole{cx, 127, 10};
  constexpr float kHoleReach = 28;
  for (const auto& r : ropes) {
    constexpr int kN = 8;
    V3 pts[kN];
    float radii[kN];
    for (int i = 0; i < kN; ++i) {
      const float t = i / (kN - 1.0f), arch = std::sin(t * 3.14159f);
      pts[i] = model::lerp3(r[0], r[1], t) +
               V3{static_cast<float>(shape.range(-2, 2)), 6 * arch + static_cast<float>(shape.range(-1.5, 1.5)), 20 * arch - 5};
      radii[i] = 2.4f + 2.2f * arch + static_cast<float>(shape.range(0, 0.8));
    }
    auto inside = [&](V3 p) { return burst && std::hypot(p.x - hole.x, p.y - hole.y) < kHoleReach; };
    for (int i = 0; i + 1 < kN; ++i) {
      const bool a = inside(pts[i]), b = inside(pts[i + 1]);
      if (!a && !b) {
        m.capsule(pts[i], pts[i + 1], radii[i], radii[i + 1], rib_resin, 5, 8, 0.3f);
      } else if (a != b) {
        const V3 keep = a ? pts[i + 1] : pts[i];
        const V3 gone = a ? pts[i] : pts[i + 1];
        const V3 end = model::lerp3(keep, gone, 0.45f) + V3{0, -3, 6};
        m.capsule(keep, end, a ? radii[i + 1] : radii[i], 1.0f, rib_resin, 2, 4, 0.4f);
        m.capsule(end, end + V3{0, -2, 3}, 1.0f, 0.4f, rib_resin, 0.6f);
      }
    }
  }
  // Out to the wall on each side: thin webbed sheets at uneven heights and
  // slants, and strands stretched between them that sag under their weight.
  for (int s = -1; s <= 1; s += 2) {
    for (int i = 0; i < 4; ++i) {
      const float y = 26.0f + i * 44 + static_cast<float>(shape.range(-12, 12));
      const float reach = static_cast<float>(shape.range(14, 24));
      const float x = s < 0 ? 6 + reach : kCocoon.w - 6 - reach;
      // The slant drawn before the height, so the whole cocoon keeps its sheets.
      const float slant = s * static_cast<float>(shape.range(0.15, 0.6));
      const float sheet_h = static_cast<float>(shape.range(7, 14));
      if (burst)
        m.ellipsoid({x - s * 8.0f, y + 8, -9}, {reach * 0.6f, sheet_h * 1.3f, 2.2f}, model::rot_z(slant * 2.2f), body, 6);
      else
        m.ellipsoid({x, y, -9}, {reach + 4, sheet_h, 2.2f}, model::rot_z(slant), body, 6);
      const V3 inner{cx + s * 52.0f, y + static_cast<float>(shape.range(-6, 6)), -4};
      const V3 outer{s < 0 ? 3.0f : kCocoon.w - 3.0f, y + static_cast<float>(shape.range(4, 16)), -8};
      const float w = static_cast<float>(shape.range(1.0, 1.8));
      const V3 sag = model::lerp3(inner, outer, 0.5f) + V3{0, static_cast<float>(shape.range(3, 8)), 0};
      if (burst) {
        // The burst's jolt has torn the strands off the wall: each hangs
        // from the mass as a limp torn end, the sheet behind it peeled
        // off and sagging.
        const V3 hang = inner + V3{s * 7.0f, 18, 1};
        m.capsule(inner, hang, w * 1.4f, w * 0.5f, resin, 2);
        m.sphere(hang + V3{0, w, 0}, w * 0.9f, resin, 1);
      } else {
        m.capsule(inner, sag, w * 1.4f, w * 0.7f, resin, 2);
        m.capsule(sag, outer, w * 0.7f, w * 1.3f, resin, 2);
      }
    }
  }
  drool(m, {cx - 18, 98, 10}, 16, 1, 1.3f);
  drool(m, {cx + 26, 102, 10}, 22, -1, 1.5f);
  model::RenderOptions o = solid::sprite_options();
  o.ambient = 0.26f;
  o.exposure = 1.1f;
  model::render(m, c, o);
  return c.png();
}

}  // namespace contentgen::creatures
