// The hugger: a pale, bony, hand-like body on eight long jointed fingers
// with a long whip of a tail, modelled once and posed per frame. Roaming it
// scuttles low along the floor (side view); leaping at the viewer it shows
// its underside with the fingers spread to grab, the tail trailing behind.
#include <algorithm>
#include <cmath>

#include "creature_art/solid.h"
#include "creature_sizes.h"
#include "creature_art/creature_brushes.h"
#include "pictures.h"

namespace contentgen::creatures {

namespace {

using namespace solid;
using model::lerp3;
using model::normalised;
using model::place;
using model::rot_x;
using model::rot_z;

// Body-local: origin at the middle of the body, front toward +x, back up
// (-y), +z toward the side-view viewer.
struct HPose {
  float phase = 0;     // walk -1, 0, +1
  float spread = 0;    // 0 standing on the fingers, 1 flung wide to grab
  float curl = 0;      // fingertips curling in (grab or death)
  float tail_curl = 0; // tail coiling
  float tail_sway = 0;
  bool side = true;
};

void build(Model& m, const HPose& p, const Xf& view) {
  m.set_xf(view);
  const Material& far_mat = p.side ? kBoneDark : kBone;
  // Tail first: a ribbed whip behind the body, sinuous.
  {
    V3 pts[9];
    float radii[9];
    for (int i = 0; i < 9; ++i) {
      float t = i / 8.0f;
      float x = -22 - 108 * t * (1 - 0.55f * p.tail_curl);
      float y = 4 + 8 * std::sin(t * 5.5f + p.tail_sway) * t - 36 * p.tail_curl * t * t;
      float z = 4 * std::sin(t * 4.0f + p.tail_sway * 1.3f);
      pts[i] = {x, y, z};
      radii[i] = 6.5f - 5.2f * t;
    }
    m.chain(pts, radii, 9, kBone, 2.5f, 4.2f, 0.55f);
  }
  // Eight fingers, four each side.
  for (int s = -1; s <= 1; s += 2) {
    const Material& mat = (p.side && s < 0) ? far_mat : kBone;
    for (int i = 0; i < 4; ++i) {
      const float x = 15 - i * 10.0f;
      V3 root{x, 1, s * 11.0f};
      const float step = ((i + (s > 0)) % 2 ? 1.0f : -1.0f) * p.phase;
      // Standing: feet planted out to the side and along the body.
      V3 stand{x * 2.2f + 8 + 11 * step, 2 - (step > 0.5f ? 4.0f : 0.0f), s * 32.0f};
      // Spread: flung far out from the middle, toward the grab.
      V3 out = normalised(V3{x * 0.09f + (i < 2 ? 0.7f : -0.5f), 0, s * 1.0f});
      V3 fling = out * 58 + V3{0, 10, 0};
      V3 ankle = lerp3(stand, fling, p.spread);
      ankle = reach(root, ankle, 28, 26);
      V3 knee = joint(root, ankle, 28, 26, V3{0, -0.5f, 0} * (1 - p.spread) + V3{0, -0.4f, 0} + out * 0.6f);
      V3 down = lerp3(V3{0, 1, 0}, normalised(V3{-out.x, 1.2f, -out.z}), std::min(1.0f, p.curl + p.spread * 0.5f));
      V3 tip = ankle + normalised(down + (root - ankle) * (0.04f * p.curl)) * 14;
      m.capsule(root, knee, 3.6f, 2.8f, mat, 2);
      m.sphere(knee, 3.2f, mat, 1);
      m.capsule(knee, ankle, 2.8f, 2.2f, mat, 1.2f);
      m.sphere(ankle, 2.5f, mat, 1);
      m.capsule(ankle, tip, 2.2f, 0.7f, mat, 1);
    }
  }
  // The body: a ribbed, bony shell over a softer sac.
  m.ellipsoid({0, 0, 0}, {26, 9, 16}, {}, kBone, 3);
  m.ellipsoid({-4, 3, 0}, {22, 7, 13}, {}, kVein, 4);
  for (int i = 0; i < 5; ++i) {
    float x = 14 - i * 7.0f;
    m.capsule({x, -7.5f, -12}, {x - 1, -9.5f, 0}, 2.2f, 2.6f, kBone, 2.5f);
    m.capsule({x - 1, -9.5f, 0}, {x, -7.5f, 12}, 2.6f, 2.2f, kBone, 2.5f);
  }
  // Gill flaps along the sides and the blunt front.
  for (int s = -1; s <= 1; s += 2) m.ellipsoid({2, -1, s * 14.0f}, {16, 5, 4}, {}, kBoneDark, 3);
  m.ellipsoid({24, 1, 0}, {8, 6, 9}, {}, kBone, 4);
  // The underside: a pale ridged tube that reaches out for the face.
  m.capsule({14, 7, 0}, {24, 9, 0}, 3.0f, 2.0f, kVein, 2, 2.5f, 0.4f);
}

// Side view: body centre in the roaming frame, feet on its floor row.
constexpr V3 kWalkBody{150, 24, 0};
// Low and flat: the roaming frames are only 36 rows tall.
constexpr float kWalkScale = 0.8f;
// Leap view: the body's middle on the shared handle (214, 179).
constexpr V3 kLeapBody{214, 179, 0};
constexpr float kLeapScale = 2.9f;

Xf leap_view(float pitch, float roll, V3 offset, float scale = kLeapScale) {
  // Belly toward the viewer, front up.
  return place(kLeapBody + offset, rot_z(-1.5708f + roll) * rot_x(pitch), scale);
}

Bytes finish(Canvas& c, const char* what) {
  require_clear_edges(c, what);
  return c.png();
}

}  // namespace

Bytes hugger_walk(int frame) {
  Canvas c(kHuggerWalk.w, kHuggerWalk.h);
  HPose p;
  p.phase = frame == 1 ? -1.0f : frame == 3 ? 1.0f : 0.0f;
  p.tail_sway = 0.9f * p.phase;
  // Sit the fingertips on the last row.
  Model probe;
  build(probe, p, place(kWalkBody, {}, kWalkScale));
  const float drop = kHuggerWalk.h - 1 - lowest_solid_row(probe, kHuggerWalk.w, kHuggerWalk.h + 40);
  Model m;
  m.set_skin(0.2f, 2.5f);
  build(m, p, place(kWalkBody + V3{0, drop, 0}, {}, kWalkScale));
  model::render(m, c);
  return finish(c, "hugger walk");
}

Bytes hugger_attack() {
  Canvas c(kHuggerAttack.w, kHuggerAttack.h);
  HPose p;
  p.side = false;
  p.spread = 1.0f;
  p.curl = 0.35f;
  p.tail_curl = 0.25f;
  p.tail_sway = 0.6f;
  Model m;
  m.set_skin(0.2f, 2.5f);
  auto make = [&](Model& mm, const Xf& v) { build(mm, p, v); };
  build(m, p, fit(make, leap_view(1.25f, 0.08f, {0, 0, 0}), kHuggerAttack.w, kHuggerAttack.h, kLeapBody));
  model::render(m, c);
  return finish(c, "hugger leap");
}

Bytes hugger_death(int frame) {
  Canvas c(kHuggerAttack.w, kHuggerAttack.h);
  const float t = (frame - 1) / 3.0f;
  HPose p;
  p.side = false;
  // Hit in mid-leap: it twists over, the fingers clench and fold.
  p.spread = 1.0f - 0.7f * t;
  p.curl = 0.35f + 0.65f * t;
  p.tail_curl = 0.25f + 0.6f * t;
  p.tail_sway = 0.6f + 2.0f * t;
  Model m;
  m.set_skin(0.2f, 2.5f);
  auto make = [&](Model& mm, const Xf& v) { build(mm, p, v); };
  build(m, p,
        fit(make, leap_view(1.25f - 0.9f * t, 0.08f + 0.7f * t, {10 * t, 36 * t, 0}, kLeapScale * (1 - 0.15f * t)),
            kHuggerAttack.w, kHuggerAttack.h, kLeapBody));
  model::render(m, c);
  cairo_t* cr = c.cr();
  const double k = 1.0 - 0.2 * t;
  if (frame >= 2) acid_runs(cr, {214 - 8 * t, 200 + 36 * t}, 50, 90 + 80 * t, 3, 4.5, 230 + frame);
  acid_splash(cr, {214 - 8 * t, 172 + 36 * t}, 84 * k, 220 + frame, frame == 1 ? 0.8 : 0.3);
  return finish(c, "hugger death");
}

Bytes hugger_corpse(int frame) {
  Canvas c(kHuggerCorpse.w, kHuggerCorpse.h);
  const float floor_y = kHuggerCorpse.h - 4;
  HPose p;
  // Thrown up and flipping, then on its back with the fingers curling up.
  p.curl = frame == 1 ? 0.3f : frame == 2 ? 0.7f : 1.0f;
  p.spread = frame == 1 ? 0.6f : 0.25f;
  p.tail_curl = frame == 1 ? 0.1f : 0.3f;
  p.tail_sway = 1.5f + frame;
  const Xf turn = frame == 1 ? place({0, 0, 0}, rot_z(-0.25f) * rot_x(0.5f), 0.9f) : place({0, 0, 0}, rot_x(3.1416f));
  Model probe;
  build(probe, p, place({116, 40, 0}, turn.r, turn.s));
  const float drop = floor_y - 1 - lowest_solid_row(probe, kHuggerCorpse.w, kHuggerCorpse.h + 60);
  Xf view = place({116, 40 + (frame == 1 ? drop - 12 : drop), 0}, turn.r, turn.s);
  cairo_t* cr = c.cr();
  if (frame >= 2) acid_pool(cr, 112, floor_y - 2, 38 + 14 * frame, 5 + frame, 250 + frame);
  Model m;
  m.set_skin(0.2f, 2.5f);
  build(m, p, view);
  model::render(m, c);
  V3 body = view.point({0, 0, 0});
  acid_splash(cr, {body.x, body.y}, 20 - 3 * frame, 260 + frame, frame == 1 ? 0.5 : 0.0);
  return finish(c, "hugger corpse");
}

}  // namespace contentgen::creatures
