// The egg: a leathery, veined pod rooted in resin, modelled in the round
// and tipped a little toward the viewer so that the crown of four lips on
// top shows. Sealed, the lips meet in a dome; through the stages (hatched
// or split by a shot) they part, fold flat and peel down, their wet dark
// inner faces turned up, and lay open a wet throat in which something pale
// glints, its fingers hooked over the rim at the last stage.
#include <algorithm>
#include <cmath>

#include "creature_art/solid.h"
#include "creature_sizes.h"
#include "creature_art/creature_brushes.h"
#include "pictures.h"

namespace contentgen::creatures {

namespace {

using namespace solid;
using model::normalised;
using model::place;
using model::rot_x;

// Leather ridged finely at two scales and blotched, with a wet sheen over
// it that catches the light in long runs; a firm rim so the pod keeps its
// outline in a dark room. The veins are swollen vessels in it, wetter and
// a little translucent, blended into the skin rather than drawn on it.
constexpr Material leather{0.40f, 0.33f, 0.22f, 2.0f, 48, 1.5f, 0, 0.35f, 3.5f, 0.3f, 0.45f, 0.15f};
// The lips are thin: the glow inside shows through them, green-gold.
constexpr Material lip_skin{0.46f, 0.37f, 0.25f, 1.4f, 44, 1.4f, 0, 0, 6, 0.2f, 0.2f, 0.6f, 0.85f, 0.75f, 0.35f};
constexpr Material egg_vein{0.36f, 0.24f, 0.20f, 1.1f, 45, 0.8f, 0, 0, 6, 0.1f, 0.3f, 0.35f, 0.75f, 0.30f, 0.22f};
// The slit where the lips meet: the living glow inside seen through it.
constexpr Material seam{0.34f, 0.40f, 0.14f, 0.8f, 40, 0.2f, 0.9f};
constexpr Material throat{0.22f, 0.20f, 0.07f, 1.9f, 80, 0.4f, 0.9f, 0, 6, 0, 0.2f, 0, 0.95f, 0.55f, 0.38f, 0.7f};
constexpr Material pale{0.80f, 0.72f, 0.56f, 1.2f, 50, 0.6f, 0};
// The petals' inner face: wet dark flesh, glossy, its highlight broken into
// runs of slime, so an opened petal shows dark against the pod's leather.
constexpr Material inner_wet{0.22f, 0.07f, 0.06f, 1.8f, 80, 0.5f, 0, 0, 6, 0, 0.3f, 0.2f, 0.75f, 0.30f, 0.22f, 0.8f};
// The stalk the pod grows from: dark wet resin like the wall's.
constexpr Material root_resin{0.05f, 0.065f, 0.035f, 1.3f, 60, 0.6f, 0, 0.2f, 4, 0.5f, 0.4f};

// Egg-local: origin in the middle of the pod, y down, the crown on top.
constexpr float rim_y = -34;   // where the lips hinge
constexpr float rim_r = 13;    // their distance from the pod's axis
constexpr float lip_length = 16;

V3 bend_at_of(V3 hinge, V3 dir, float base_len) { return hinge + dir * base_len; }

// A rotation whose local x, y and z axes land on the given directions.
M3 basis(V3 x, V3 y, V3 z) { return {{x.x, y.x, z.x, x.y, y.y, z.y, x.z, y.z, z.z}}; }

V3 cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// A point on the pod's main shell: v runs -1 (top) to 1 (bottom), a is the
// angle round the axis from the viewer's side; lift raises it off the skin.
V3 on_shell(float v, float a, float lift) {
  const float r = std::sqrt(std::max(0.0f, 1 - v * v));
  return {(24 + lift) * r * std::sin(a), -2 + (34 + lift) * v, (23 + lift) * r * std::cos(a)};
}

// Veins branching down the pod from under the lips.
void veins(Model& m, uint32_t seed) {
  Noise rng(seed);
  for (int i = 0; i < 7; ++i) {
    float a = static_cast<float>(-1.4 + i * 0.45 + rng.range(-0.12, 0.12));
    float v = static_cast<float>(rng.range(-0.55, -0.1));
    V3 prev = on_shell(v, a, 0.35f);
    const float end = static_cast<float>(rng.range(0.5, 0.95));
    const float drift = static_cast<float>(rng.range(-0.3, 0.3));
    const float wave = static_cast<float>(rng.range(0, 6.3));
    float r = 1.1f;
    while (v < end) {
      v += 0.07f;
      a += 0.4f * drift + 0.07f * std::sin(wave + v * 9);
      V3 next = on_shell(v, a, 0.35f);
      m.capsule(prev, next, r, r * 0.985f, egg_vein, 0.3f);
      if (rng.unit() < 0.12) {
        // A side branch, thinner.
        float ba = a + static_cast<float>(rng.range(-0.35, 0.35));
        m.capsule(next, on_shell(v + 0.2f, ba, 0.1f), r * 0.7f, 0.4f, egg_vein, 1.0f);
      }
      prev = next;
      r = std::max(0.7f, r * 0.985f);
    }
  }
}

// open: 0 sealed .. 1 peeled right back. alive: something stirs inside
// (0 nothing, 1 a pale back glinting deep in the throat, 2 fingers hooked
// over the rim as well).
void build(Model& m, float open, int alive, const Xf& view) {
  m.set_xf(view);
  m.set_skin(0.28f, 3.0f);
  // Resin roots gripping the floor.
  for (int s = -1; s <= 1; s += 2) {
    m.capsule({s * 9.0f, 28, 2}, {s * 25.0f, 38, 8}, 5.0f, 2.0f, root_resin, 3);
    m.capsule({s * 4.0f, 30, 8}, {s * 12.0f, 39, 18}, 4.0f, 1.6f, root_resin, 3);
    m.capsule({s * 8.0f, 28, -8}, {s * 20.0f, 37, -14}, 4.0f, 1.6f, root_resin, 3);
  }
  // The pod: a broad leathery shell narrowing to its foot.
  m.ellipsoid({0, -2, 0}, {24, 34, 23}, {}, leather, 0);
  m.ellipsoid({0, 20, 0}, {16, 16, 15}, {}, leather, 10);
  // The foot darkens into a resin stalk that spreads into the floor.
  m.ellipsoid({0, 33, 0}, {13, 8, 12}, {}, root_resin, 8);
  m.ellipsoid({0, 40, 2}, {24, 4, 16}, {}, root_resin, 6);
  m.set_skin(0, 1);
  veins(m, 0xE66u);
  m.set_skin(0.28f, 3.0f);
  // The throat: carved out of the top, lined with wet dark flesh.
  // The lips make the top of the pod: the shell under them is carved away.
  const float o = open;
  m.ellipsoid({0, -42, 0}, {11 + 6 * o, 10 + 4 * o, 11 + 6 * o}, {}, leather, 3, true);
  m.ellipsoid({0, -29, 0}, {11 + 3 * o, 7, 11 + 3 * o}, {}, throat, 1);
  if (alive > 0) {
    // A pale ribbed back rising in the throat, catching the light.
    m.set_skin(0.2f, 2.0f);
    const float rise = alive > 1 ? 0 : 3.5f;
    m.capsule({3, -34 + rise, -8}, {5, -36 + rise, 3}, 7.0f, 5.5f, pale, 2, 3.2f, 0.5f);
  }
  if (alive > 1) {
    // Long fingers hooked over the rim.
    for (int f = 0; f < 2; ++f) {
      const float a = f == 0 ? -0.9f : 0.35f;
      const V3 out{std::sin(a), 0, std::cos(a)};
      const V3 base = V3{0, -41, 0} + out * 8;
      const V3 knuckle = V3{0, f == 0 ? -47.0f : -49.0f, 0} + out * (f == 0 ? 16.0f : 18.0f);
      const V3 tip = V3{0, -40, 0} + out * 23;
      m.capsule(base, knuckle, 3.0f, 2.5f, pale, 1.2f);
      m.sphere(knuckle, 2.8f, pale, 0.8f);
      m.capsule(knuckle, tip, 2.5f, 1.0f, pale, 0.8f);
    }
    m.set_skin(0.28f, 3.0f);
  }
  // The four lips, hinged round the rim, leaning in to a dome when sealed
  // and peeled outward and down as they open.
  // 0 would stand them straight up.
  const float bend = o <= 0 ? -1.05f : o < 0.5f ? 0.7f : o < 0.9f ? 1.45f : 2.35f;
  for (int i = 0; i < 4; ++i) {
    const float phi = 0.7854f + i * 1.5708f;
    const V3 out{std::sin(phi), 0, std::cos(phi)};
    const V3 across{std::cos(phi), 0, -std::sin(phi)};
    const V3 hinge = V3{0, rim_y, 0} + out * rim_r;
    const V3 dir = normalised(out * std::sin(bend) + V3{0, -1, 0} * std::cos(bend));
    // Opening, the petals unfold to their full length: the sealed crown
    // hides half of each under the next.
    const float len = lip_length * (1 + 0.4f * o);
    // Open lips curl back at their points.
    const float curl = o > 0.9f ? -0.45f : 0.9f * o;
    const V3 tip_dir = normalised(out * std::sin(bend + curl) + V3{0, -1, 0} * std::cos(bend + curl));
    const float base_len = len * (o > 0 ? 0.6f : 1.0f);
    const V3 mid = hinge + dir * (base_len * 0.5f);
    const V3 normal = cross(across, dir);
    m.ellipsoid(mid, {o > 0 ? 11.5f : 8.5f, base_len * 0.62f, 2.8f}, basis(across, dir, normal), lip_skin,
                o > 0 ? 2.5f : 0.6f);
    if (o > 0) {
      // The wet inner face, turned up toward the viewer as the petal
      // peels back.
      const V3 outer = out * std::cos(bend) + V3{0, 1, 0} * std::sin(bend);
      m.ellipsoid(mid - outer * 1.5f, {10.0f, base_len * 0.58f, 1.6f}, basis(across, dir, normal), inner_wet, 1.0f);
      m.capsule(bend_at_of(hinge, dir, base_len) - outer * 1.2f,
                bend_at_of(hinge, dir, base_len) + tip_dir * (len * 0.45f) - outer * 1.0f, 1.8f, 0.5f, inner_wet, 1.0f);
    }
    // A fleshy ridge down the lip's middle, narrowing to its point.
    const V3 bend_at = hinge + dir * base_len;
    m.capsule(hinge + dir * 2, bend_at, 3.6f, 2.6f, lip_skin, 2);
    if (o > 0) m.capsule(bend_at, bend_at + tip_dir * (len * 0.55f), 2.6f, 0.6f, lip_skin, 1.5f);
  }
  if (o <= 0) {
    // Sealed: the lips meet in a cross-shaped slit over the dome, pressed
    // into it, the glow inside showing along it.
    for (int i = 0; i < 4; ++i) {
      const float phi = i * 1.5708f;
      const V3 out{std::sin(phi), 0, std::cos(phi)};
      const V3 a{0, -44.2f, 0}, b = V3{0, -42.4f, 0} + out * 7, e = V3{0, -37.5f, 0} + out * 12;
      m.capsule(a, b, 1.0f, 0.8f, seam, 0.1f);
      m.capsule(b, e, 0.8f, 0.35f, seam, 0.1f);
    }
  }
  if (o > 0.2f) {
    // Slime strung across the opening and running from the lips.
    strand(m, {-9, -44, 6}, {9, -43, 5}, 4 + 4 * o, 0.6f);
    drool(m, {-12, -40, 9}, 6 + 8 * o, -0.8f, 0.8f);
    drool(m, {11, -39, 10}, 4 + 10 * o, 0.6f, 0.7f);
  }
}

Bytes picture(float open, int alive) {
  Canvas c(kEgg.w, kEgg.h);
  // Tipped toward the viewer so the crown shows; the roots on the last row.
  const Xf tilt = place({36, 47, 0}, rot_x(open > 0 ? -0.55f : -0.58f), 1.0f);
  Model probe;
  build(probe, open, alive, tilt);
  const float drop = kEgg.h - 1 - lowest_solid_row(probe, kEgg.w, kEgg.h + 40);
  auto make = [&](Model& m, const Xf& v) { build(m, open, alive, v); };
  const Xf view = fit(make, place({0, drop, 0}) * tilt, kEgg.w, kEgg.h, {36, kEgg.h - 1.0f, 0}, 2, 2);
  Model m;
  build(m, open, alive, view);
  model::RenderOptions o = solid::sprite_options();
  o.ambient = 0.22f;
  o.exposure = 1.1f;
  o.rim_r = 0.5f, o.rim_g = 0.68f, o.rim_b = 0.9f;  // picks the pod out of a dark room
  model::render(m, c, o);
  require_clear_edges(c, "egg");
  return c.png();
}

}  // namespace

Bytes egg() { return picture(0, 0); }

Bytes egg_hatch(int frame) { return picture(frame / 3.0f, frame - 1); }

}  // namespace contentgen::creatures
