// The free colonist waiting to be found: a person in orange work overalls
// and heavy boots, modelled in the round and rendered like the creatures,
// standing turned a little toward the light, arms held out from the body
// and hands open, as someone who has just seen help arrive.
#include <cmath>

#include "creature_art/solid.h"
#include "creature_sizes.h"
#include "creature_art/creature_brushes.h"
#include "pictures.h"

namespace contentgen::creatures {

namespace {

using namespace solid;
using model::place;
using model::rot_y;

// Worn canvas: a dull sheen broken up in patches, grimy blotches and a fine
// rumpled weave raised over it, so the overalls read as cloth, not plastic.
constexpr Material overalls{0.72f, 0.38f, 0.12f, 0.3f, 14, 0.6f, 0, 0.12f, 2.5f, 0.7f, 0.35f};
constexpr Material overalls_dark{0.50f, 0.26f, 0.08f, 0.25f, 14, 0.5f, 0, 0.1f, 2.5f, 0.7f, 0.3f};
constexpr Material shirt{0.30f, 0.32f, 0.34f, 0.3f, 18, 0.6f, 0};
constexpr Material boot{0.12f, 0.10f, 0.09f, 0.9f, 40, 0.7f, 0};
constexpr Material belt{0.16f, 0.12f, 0.08f, 0.6f, 30, 0.5f, 0};
constexpr Material badge{0.85f, 0.86f, 0.82f, 0.5f, 30, 0.4f, 0};
constexpr Material flesh{0.78f, 0.56f, 0.43f, 0.35f, 22, 0.5f, 0, 0, 6, 0.2f, 0.15f, 0.3f};
constexpr Material hair{0.22f, 0.13f, 0.06f, 0.5f, 25, 0.5f, 0, 0.25f, 1.5f, 0.6f, 0.2f};
constexpr Material eye{0.06f, 0.04f, 0.03f, 1.2f, 60, 0.2f, 0};
constexpr Material white{0.78f, 0.74f, 0.68f, 0.9f, 60, 0.3f, 0};
constexpr Material lip{0.68f, 0.44f, 0.37f, 0.5f, 30, 0.4f, 0};

// Body-local: origin between the feet on the floor, y down, facing +z
// (the viewer), units are pixels of the 145-row frame.
void build(Model& m, const Xf& view) {
  m.set_xf(view);
  // Boots and legs: the weight on the left leg, straight under the hip
  // that juts out over it; the right knee bent forward and in, its heel
  // lifted, as someone caught mid-step.
  for (int s = -1; s <= 1; s += 2) {
    const bool planted = s < 0;
    const float x = planted ? -5.0f : 9.0f;
    const float heel = planted ? 0.0f : 3.0f;
    m.ellipsoid({x + s * 0.5f, -4 - heel * 0.5f, 3}, {5.5f, 4.5f, 8.5f}, model::rot_x(planted ? 0 : 0.3f), boot, 0);
    m.capsule({x, -6 - heel, 0}, {x, -14 - heel, 0}, 5.2f, 5.0f, boot, 1.5f);
    const V3 knee = planted ? V3{-4.5f, -34, 1} : V3{4.5f, -33, 6.5f};
    m.capsule({x, -14 - heel, 0}, knee, 5.2f, 5.6f, overalls, 2);
    m.capsule(knee, {s * 5.5f + 1.5f, -57, 0}, 5.6f, 7.0f, overalls, 2);
    // Knee pads.
    m.ellipsoid(knee + V3{0, 0, 4}, {4.2f, 3.5f, 2}, {}, overalls_dark, 1.5f);
  }
  // Everything above the hips leans a little over the standing leg.
  m.set_xf(view * place({1.5f, -58, 0}) * place({}, model::rot_z(0.07f)) * place({-1.5f, 58, 0}));
  // Hips, belt, the torso in the bib of the overalls, the shirt's shoulders.
  m.ellipsoid({0, -60, 0}, {13.5f, 8, 8.5f}, {}, overalls, 3);
  m.ellipsoid({0, -80, 0}, {12.8f, 17, 8.6f}, {}, overalls, 5);
  m.ellipsoid({0, -67.5f, 0.3f}, {13.6f, 2.3f, 9.6f}, {}, belt, 0.6f);
  m.ellipsoid({-3.5f, -67.5f, 9.8f}, {2.2f, 1.8f, 1.0f}, {}, badge, 0.4f);  // buckle
  m.ellipsoid({0, -96, 0}, {15.5f, 7, 8.5f}, {}, overalls, 4);
  m.ellipsoid({0, -101, 2}, {5.5f, 2.5f, 5}, {}, shirt, 1.5f);  // the shirt's collar
  // Bib, its pocket and straps, a name badge.
  m.ellipsoid({0, -84, 6.8f}, {8.5f, 9, 2.8f}, {}, overalls_dark, 1);
  m.ellipsoid({-3, -83, 9.0f}, {3.6f, 3.0f, 0.7f}, {}, overalls, 0.4f);
  m.ellipsoid({4.5f, -89, 9.0f}, {2.4f, 1.3f, 0.8f}, {}, badge, 0.3f);
  for (int s = -1; s <= 1; s += 2) m.capsule({s * 6.5f, -92, 7.5f}, {s * 8.5f, -101, 4}, 1.6f, 1.6f, overalls_dark, 0.6f);
  // One arm held out from the body, hand open; the other raised beside the
  // head, hailing the squad.
  for (int s = -1; s <= 1; s += 2) {
    const bool hail = s < 0;
    const V3 shoulder{s * 14.0f, -96, 0};
    // The other arm reaches forward toward the squad, the elbow bent.
    const V3 elbow = hail ? V3{-21.0f, -103, 2} : V3{s * 17.0f, -80, 4.5f};
    const V3 wrist = hail ? V3{-22.0f, -121, 6} : V3{s * 14.5f, -69, 15};
    m.sphere(shoulder, 6.4f, overalls, 2);
    m.capsule(shoulder, elbow, 5.4f, 4.4f, overalls, 2);
    m.capsule(elbow, wrist, 4.4f, 3.6f, overalls, 1.5f);
    m.ellipsoid(wrist, {3.9f, 1.6f, 3.9f}, {}, overalls_dark, 1);  // cuff
    const float up = hail ? -1.0f : 1.0f;  // the raised hand points up
    m.ellipsoid(wrist + V3{s * 0.5f, up * 4.5f, 0.5f}, {2.9f, 4.8f, 2.0f}, {}, flesh, 1.5f);
    m.capsule(wrist + V3{-s * 1.5f, up * 2, 1}, wrist + V3{-s * 3.5f, up * 5, 2.5f}, 1.1f, 0.9f, flesh, 0.6f);  // thumb
    // Folds in the sleeve at the elbow.
    for (int k = -1; k <= 1; k += 2)
      m.capsule(elbow + V3{-3, k * 1.6f, 4.2f}, elbow + V3{3, k * 1.6f - 1, 4.2f}, 0.55f, 0.55f, overalls_dark, 0.5f,
                0, 0, true);
  }
  // Folds across the legs at the knees and where the bib meets the belt.
  for (int s = -1; s <= 1; s += 2)
    for (int k = 0; k < 2; ++k) {
      const float y = -30.0f - k * 7, x = s * 7.0f;
      m.capsule({x - 4, y, 5.2f}, {x + 4, y - 1.5f * s, 5.2f}, 0.6f, 0.6f, overalls_dark, 0.5f, 0, 0, true);
    }
  m.capsule({-9, -71, 8.4f}, {-3, -73, 8.8f}, 0.6f, 0.6f, overalls_dark, 0.5f, 0, 0, true);
  m.capsule({3, -73, 8.8f}, {9, -71, 8.4f}, 0.6f, 0.6f, overalls_dark, 0.5f, 0, 0, true);
  // Neck and head, the face toward the viewer, short dark hair; the head
  // tilted toward the raised hand.
  m.set_xf(m.xf() * place({0, -103, 0}) * place({}, model::rot_z(-0.16f) * rot_y(0.15f)) * place({0, 103, 0}));
  m.capsule({0, -101, 0}, {0, -108, 0.5f}, 4.6f, 4.4f, flesh, 2);
  m.ellipsoid({0, -119, 1}, {9.2f, 11.2f, 9.4f}, {}, flesh, 2);
  m.ellipsoid({0, -111, 2.5f}, {6.5f, 3.5f, 6.5f}, {}, flesh, 3);  // jaw
  m.ellipsoid({0, -123, -2.5f}, {10.2f, 9.8f, 9.6f}, {}, hair, 1.2f);
  m.ellipsoid({1, -127.5f, 4.5f}, {8.5f, 3.6f, 4.5f}, {}, hair, 1.5f);  // fringe
  for (int s = -1; s <= 1; s += 2) m.sphere({s * 8.8f, -118, 0}, 2.2f, flesh, 1.2f);  // ears
  // The face, modelled so that the light finds it: a brow ridge over
  // carved sockets that hold the eyes in shadow, whites round dark irises,
  // cheekbones, a nose with a bridge, a tip and nostril wings, lips round a
  // mouth open in a call, and a chin.
  m.ellipsoid({0, -122.3f, 8.0f}, {6.8f, 1.7f, 2.4f}, {}, flesh, 1.4f);
  for (int s = -1; s <= 1; s += 2) {
    m.ellipsoid({s * 3.5f, -120.0f, 9.6f}, {2.5f, 1.7f, 2.1f}, {}, flesh, 0.8f, true);
    m.sphere({s * 3.5f, -119.9f, 7.5f}, 1.3f, white, 0.2f);
    m.sphere({s * 3.35f, -119.9f, 8.75f}, 0.62f, eye, 0.1f);
    m.capsule({s * 1.6f, -123.1f, 9.6f}, {s * 5.6f, -122.6f, 8.4f}, 0.75f, 0.6f, hair, 0.4f);  // brow hair
    m.ellipsoid({s * 4.6f, -116.8f, 7.2f}, {2.6f, 1.6f, 2.0f}, model::rot_z(s * 0.3f), flesh, 1.8f);  // cheekbone
    m.sphere({s * 1.35f, -115.7f, 9.9f}, 0.95f, flesh, 0.7f);  // nostril wing
  }
  m.capsule({0, -121.0f, 9.5f}, {0, -116.6f, 11.0f}, 0.85f, 1.15f, flesh, 1.0f);  // bridge
  m.sphere({0, -116.3f, 11.1f}, 1.35f, flesh, 0.8f);                              // tip
  m.ellipsoid({0, -112.9f, 9.2f}, {1.8f, 0.85f, 1.2f}, {}, kMouth, 0.3f);         // the open mouth
  m.capsule({-2.3f, -113.9f, 9.3f}, {2.3f, -113.9f, 9.3f}, 0.45f, 0.45f, lip, 0.5f);
  m.capsule({-2.0f, -111.8f, 9.1f}, {2.0f, -111.8f, 9.1f}, 0.55f, 0.55f, lip, 0.5f);
  m.sphere({0, -109.6f, 7.4f}, 2.4f, flesh, 1.8f);  // chin
}

}  // namespace

Bytes colonist() {
  Canvas c(kWren.w, kWren.h);
  const float cx = kWren.w / 2.0f;
  // Turned a little toward the light from the upper left.
  const Xf stand = place({cx, 0, 0}, rot_y(0.2f), 1.07f);
  Model probe;
  build(probe, stand);
  const float drop = kWren.h - 1 - lowest_solid_row(probe, kWren.w, kWren.h + 20);
  auto make = [&](Model& m, const Xf& v) { build(m, v); };
  const Xf view = fit(make, place({0, drop, 0}) * stand, kWren.w, kWren.h, {cx, kWren.h - 1.0f, 0}, 1, 1);
  Model m;
  m.set_skin(0.12f, 2.0f);
  build(m, view);
  model::RenderOptions o = solid::sprite_options();
  o.ambient = 0.24f;
  o.exposure = 1.15f;
  model::render(m, c, o);
  require_clear_edges(c, "colonist");
  return c.png();
}

}  // namespace contentgen::creatures
