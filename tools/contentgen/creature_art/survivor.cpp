// The free colonist waiting to be found: a grown man in a worn work
// jumpsuit and heavy boots, modelled in the round and rendered like the
// creatures, standing turned a little toward the light, one hand raised to
// hail the squad and the other held out, as someone who has just seen help
// arrive. Adult proportions (the head about a seventh of his height), the
// suit's folds carved into it, muted colours that sit in a tinted room.
#include <cmath>

#include "creature_art/contact_shadow.h"
#include "creature_art/solid.h"
#include "creature_sizes.h"
#include "creature_art/creature_brushes.h"
#include "pictures.h"

namespace contentgen::creatures {

namespace {

using namespace solid;
using model::place;
using model::rot_y;
using model::rot_z;

// Faded canvas of the colony's work suits: a dull ochre gone brown with
// wear, a soft sheen broken in patches, grime blotches and a fine weave.
constexpr Material suit{0.48f, 0.36f, 0.23f, 0.5f, 16, 1.5f, 0, 0.10f, 2.2f, 0.6f, 0.4f, 0, 0.95f, 0.55f, 0.38f, 0, 0.7f};
// The same cloth in the folds' shadowed sides and the reinforced patches.
constexpr Material suit_dark{0.30f, 0.22f, 0.14f, 0.35f, 14, 1.2f, 0, 0.10f, 2.2f, 0.6f, 0.4f};
constexpr Material webbing{0.11f, 0.11f, 0.10f, 0.5f, 24, 0.6f, 0, 0.15f, 2.0f, 0.5f, 0.2f};
constexpr Material shirt{0.24f, 0.25f, 0.26f, 0.3f, 18, 0.7f, 0};
constexpr Material boot{0.10f, 0.09f, 0.08f, 1.6f, 60, 1.3f, 0, 0.1f, 2.0f, 0.3f, 0.2f};
constexpr Material metal{0.62f, 0.62f, 0.60f, 1.2f, 60, 0.6f, 0};
constexpr Material flesh{0.74f, 0.56f, 0.45f, 0.5f, 26, 1.2f, 0.05f, 0, 6, 0.2f, 0.2f, 0.35f};
constexpr Material hair{0.16f, 0.11f, 0.07f, 0.5f, 25, 0.7f, 0, 0.2f, 1.2f, 0.6f, 0.2f};
// Reflective tape sewn round the sleeves and shins of a work suit: pale,
// with a hard shine and a little light of its own, so it catches the
// squad's lamps.
constexpr Material tape{0.70f, 0.72f, 0.66f, 1.6f, 45, 1.2f, 0.35f};
constexpr Material eye{0.05f, 0.04f, 0.03f, 1.0f, 60, 0.2f, 0};

// A fold in the cloth: a soft raised ridge from a to b that catches the
// light, with a shallow crease pressed in along its lower side.
void fold(Model& m, V3 a, V3 b, float r = 0.7f) {
  m.capsule(a, b, r * 1.3f, r * 1.1f, suit, r * 1.6f);
  const V3 under{0, r * 1.4f, -r * 0.5f};
  m.capsule(a + under, b + under, r * 0.7f, r * 0.55f, suit_dark, r, 0, 0, true);
}

// Body-local: origin between the feet on the floor, y down, facing +z
// (the viewer), units are pixels of the 145-row frame. Landmarks: hips at
// 70, shoulders at 112, chin at 121, crown at 140.
void build(Model& m, const Xf& view) {
  m.set_xf(view);
  // Boots and legs: the weight on the left leg, the right knee bent
  // forward and out with its heel lifted, caught easing his weight off it.
  for (int s = -1; s <= 1; s += 2) {
    const bool planted = s < 0;
    const float x = planted ? -5.5f : 7.5f;
    const float heel = planted ? 0.0f : 4.0f;
    m.ellipsoid({x + s * 0.4f, -3.2f - heel * 0.5f, 2.5f}, {4.6f, 3.6f, 7.5f}, model::rot_x(planted ? 0 : 0.25f), boot, 0);
    m.capsule({x, -4 - heel, 0}, {x, -11 - heel, 0}, 4.4f, 4.2f, boot, 1.2f);
    const V3 knee = planted ? V3{-4.0f, -38, 0.5f} : V3{6.0f, -37, 6.0f};
    // The hips shifted over the standing leg and dropped on the free side.
    const V3 hip{s * 5.6f - 0.6f, planted ? -69.5f : -67.5f, 0};
    m.capsule({x, -11 - heel, 0}, knee, 4.3f, 4.8f, suit, 1.8f);
    m.capsule(knee, hip, 4.9f, 6.6f, suit, 2);
    // A band of tape round the shin.
    const V3 shin = model::lerp3({x, -11 - heel, 0}, knee, 0.55f);
    m.capsule(shin + V3{0, 1.0f, 0}, shin - V3{0, 1.0f, 0}, 4.9f, 4.9f, tape, 0.3f);
    // A patch pocket on the outside of each thigh.
    m.ellipsoid(model::lerp3(knee, hip, 0.55f) + V3{s * 5.0f, 0, 1.5f}, {1.6f, 4.5f, 3.5f}, {}, suit_dark, 1.0f);
    // Folds: the cloth bunched behind the knee and pulled across the shin.
    const float zx = knee.z * 0.5f;
    fold(m, {knee.x - 3.5f, knee.y + 8, 4.0f + zx}, {knee.x + 3.0f, knee.y + 4.5f - 2.5f * s, 4.2f + zx}, 0.6f);
    fold(m, {knee.x - 2.5f, knee.y + 22, 3.6f}, {knee.x + 2.5f, knee.y + 19 - 1.5f * s, 3.8f}, 0.5f);
    fold(m, knee + V3{-3.5f, -4, 4.2f}, knee + V3{3.5f, -6.5f, 4.0f});
    fold(m, knee + V3{-3.0f, -12, 4.6f}, knee + V3{2.5f, -16, 4.8f}, 0.6f);
  }
  // Everything above the hips leans back over the standing leg, the
  // shoulders tilting against the hips.
  m.set_xf(view * place({-0.6f, -69, 0}) * place({}, rot_z(0.09f) * rot_y(-0.12f)) * place({0.6f, 69, 0}));
  // Seat, belly and chest: a broad back narrowing to the waist.
  m.ellipsoid({0, -71, 0}, {11.5f, 7, 7.5f}, {}, suit, 3);
  m.ellipsoid({0, -88, 0}, {11.0f, 14, 7.2f}, {}, suit, 5);
  m.ellipsoid({0, -103, -0.5f}, {14.0f, 8.5f, 7.6f}, {}, suit, 4);
  // The cloth blouses over the belt: folds fanning up from the waist.
  for (int k = -2; k <= 2; ++k)
    fold(m, {k * 3.5f, -83, 7.2f}, {k * 4.5f + 0.8f * k, -90, 7.4f}, 0.55f);
  // Belt with its buckle, a tool pouch on it, and the zip down the front.
  m.ellipsoid({0, -79.5f, 0.2f}, {12.2f, 1.9f, 8.3f}, {}, webbing, 0.5f);
  m.ellipsoid({-2.5f, -79.5f, 8.4f}, {1.8f, 1.5f, 0.8f}, {}, metal, 0.3f);
  m.ellipsoid({8.5f, -76.5f, 5.5f}, {3.0f, 3.2f, 2.4f}, {}, webbing, 0.6f);
  m.capsule({0.5f, -108, 7.8f}, {0.2f, -82, 7.6f}, 0.45f, 0.45f, suit_dark, 0.3f, 0, 0, true);
  // Chest pockets with their flaps, and a name tag.
  for (int s = -1; s <= 1; s += 2) {
    m.ellipsoid({s * 5.2f, -99, 6.6f}, {3.2f, 3.4f, 1.2f}, {}, suit, 0.5f);
    m.ellipsoid({s * 5.2f, -102, 7.0f}, {3.4f, 1.1f, 1.0f}, {}, suit_dark, 0.3f);
  }
  // Collar open at the throat over the undershirt.
  m.ellipsoid({0, -111, 1}, {5.0f, 2.2f, 4.8f}, {}, shirt, 1.2f);
  for (int s = -1; s <= 1; s += 2)
    m.ellipsoid({s * 3.6f, -111.5f, 3.5f}, {3.0f, 1.2f, 2.2f}, rot_z(s * 0.5f), suit_dark, 0.6f);
  // One arm raised beside the head, hailing, the elbow out; the other
  // hanging loose, a little behind the hip, the elbow soft.
  for (int s = -1; s <= 1; s += 2) {
    const bool hail = s < 0;
    const V3 shoulder{s * 12.5f, -107, 0};
    const V3 elbow = hail ? V3{-20.0f, -114, 1} : V3{s * 14.5f, -90, -1.5f};
    const V3 wrist = hail ? V3{-18.5f, -130, 6} : V3{s * 15.5f, -74, 1.5f};
    m.sphere(shoulder, 5.0f, suit, 2);
    m.capsule(shoulder, elbow, 4.2f, 3.5f, suit, 2);
    m.capsule(elbow, wrist, 3.5f, 2.8f, suit, 1.5f);
    m.capsule(model::lerp3(elbow, wrist, 0.5f), model::lerp3(elbow, wrist, 0.68f), 3.6f, 3.4f, tape, 0.3f);
    m.ellipsoid(wrist, {3.1f, 1.4f, 3.1f}, {}, suit_dark, 0.8f);  // cuff
    const float up = hail ? -1.0f : 1.0f;  // the raised hand points up
    m.ellipsoid(wrist + V3{s * 0.4f, up * 3.8f, 0.4f}, {2.2f, 3.8f, 1.6f}, {}, flesh, 1.2f);
    m.capsule(wrist + V3{-s * 1.2f, up * 1.6f, 0.8f}, wrist + V3{-s * 2.8f, up * 4.0f, 2.0f}, 0.9f, 0.7f, flesh, 0.5f);
    // Folds in the sleeve round the bend of the elbow, and where it
    // gathers at the shoulder.
    const V3 along = model::normalised(wrist - shoulder);
    const V3 side{-along.y, along.x, 0};
    for (int k = -1; k <= 1; ++k)
      fold(m, elbow + along * (k * 2.6f) + side * 3.0f + V3{0, 0, 3.2f},
           elbow + along * (k * 2.6f - 1.5f) - side * 3.0f + V3{0, 0, 3.4f}, 0.5f);
    fold(m, model::lerp3(shoulder, elbow, 0.3f) + side * 3 + V3{0, 0, 3.5f},
         model::lerp3(shoulder, elbow, 0.45f) - side * 3 + V3{0, 0, 3.5f}, 0.5f);
  }
  // Folds pulled across the chest toward the raised arm.
  fold(m, {-9, -97, 6.5f}, {-3, -93, 7.2f}, 0.5f);
  fold(m, {-10, -92, 6.2f}, {-4, -88, 7.0f}, 0.5f);
  // Neck and head, the face toward the viewer, cropped dark hair; the head
  // tilted a touch toward the raised hand.
  for (int s = -1; s <= 1; s += 2)  // the slope of the shoulders up into the neck
    m.capsule({s * 11.0f, -107, -1}, {s * 2.5f, -113, -1}, 3.6f, 3.4f, suit, 3);
  m.set_xf(m.xf() * place({0, -113, 0}) * place({}, rot_z(-0.14f) * rot_y(0.30f)) * place({0, 116.5f, 0}));
  m.capsule({0, -113.5f, -0.5f}, {0, -120, 0.3f}, 3.8f, 3.5f, flesh, 1.6f);
  m.ellipsoid({0, -130.5f, 0.5f}, {6.4f, 8.6f, 7.0f}, {}, flesh, 1.6f);
  m.ellipsoid({0, -124.0f, 2.0f}, {5.2f, 3.4f, 5.2f}, {}, flesh, 2.0f);  // jaw
  m.ellipsoid({0, -133.5f, -1.6f}, {7.0f, 7.4f, 7.2f}, {}, hair, 1.0f);
  m.ellipsoid({0.5f, -137.5f, 2.5f}, {6.0f, 2.6f, 4.4f}, {}, hair, 1.2f);
  for (int s = -1; s <= 1; s += 2) m.sphere({s * 6.3f, -130, -0.5f}, 1.5f, flesh, 0.9f);  // ears
  // The face, small but modelled so that the light finds it: a brow over
  // shadowed sockets, a nose, a closed mouth and a firm chin.
  m.ellipsoid({0, -133.2f, 6.0f}, {5.0f, 1.2f, 1.8f}, {}, flesh, 1.0f);
  for (int s = -1; s <= 1; s += 2) {
    m.ellipsoid({s * 2.5f, -131.4f, 7.3f}, {1.7f, 1.2f, 1.5f}, {}, flesh, 0.6f, true);
    m.sphere({s * 2.4f, -131.3f, 5.9f}, 0.65f, eye, 0.1f);
    m.ellipsoid({s * 3.4f, -128.8f, 5.6f}, {1.8f, 1.2f, 1.5f}, rot_z(s * 0.3f), flesh, 1.2f);  // cheekbone
  }
  m.capsule({0, -132.0f, 7.2f}, {0, -128.6f, 8.2f}, 0.7f, 0.95f, flesh, 0.8f);  // nose
  m.capsule({-1.6f, -125.9f, 6.9f}, {1.6f, -125.9f, 6.9f}, 0.35f, 0.35f, flesh, 0.3f, 0, 0, true);  // mouth
  m.sphere({0, -122.6f, 5.4f}, 1.9f, flesh, 1.4f);  // chin
}

}  // namespace

Bytes colonist() {
  Canvas c(kWren.w, kWren.h);
  const float cx = kWren.w / 2.0f;
  // Turned a little toward the light from the upper left.
  const Xf stand = place({cx, 0, 0}, rot_y(0.2f), 1.0f);
  Model probe;
  build(probe, stand);
  const float drop = kWren.h - 1 - lowest_solid_row(probe, kWren.w, kWren.h + 20);
  auto make = [&](Model& m, const Xf& v) { build(m, v); };
  const Xf view = fit(make, place({0, drop, 0}) * stand, kWren.w, kWren.h, {cx, kWren.h - 1.0f, 0}, 1, 1);
  Model m;
  m.set_skin(0.1f, 1.8f);
  build(m, view);
  model::RenderOptions o = solid::sprite_options();
  // A low ambient and a brighter key give him a lit side and a shadowed
  // one, so he reads round; a strong cool rim picks him out of the room.
  o.ambient = 0.10f;
  o.exposure = 1.45f;
  o.key = {-0.72f, -0.55f, 0.42f};
  o.rim_r = 0.55f, o.rim_g = 0.72f, o.rim_b = 0.95f;
  o.floor_glow = 0.5f;
  model::render(m, c, o);
  contact_shadow(c, {5, 7, 0.8f, 0.4f, 4});
  require_clear_edges(c, "colonist");
  return c.png();
}

}  // namespace contentgen::creatures
