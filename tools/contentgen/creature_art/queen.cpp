// The queen: tall and lean under a long swept-back crest, with two pairs
// of arms (the small pair folded at her chest), modelled as one
// solid body and posed per frame. The room band starts 55 rows below the
// top of her roaming frames, so she stands inside the rows that show; in
// her lunge the crown sits on the frames' shared handle and the face below
// it, where it stays in view as she rises at the viewer.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "creature_art/contact_shadow.h"
#include "creature_art/queen_model.h"
#include "creature_sizes.h"
#include "creature_art/creature_brushes.h"
#include "creature_art/magnified_finish.h"
#include "pictures.h"

namespace contentgen::creatures {

namespace queen_model {

using namespace solid;
using model::lerp3;
using model::normalised;
using model::place;
using model::rot_y;
using model::rot_z;

// Rows of the roaming frames hidden above the room band.
constexpr int kHiddenRows = 67 - 12;
// Her size in the roaming frames, chosen so her crown clears those rows.
constexpr float kWalkScale = 1.9f;

constexpr float kSpine = 120;
// Her head is drawn larger than the body's proportions would give it, so
// that skull, jaws and crest outweigh a warrior's at any distance.
constexpr float kHeadScale = 1.25f;

V3 shoulders(const QPose& p) { return {kSpine * std::cos(p.pitch), kSpine * std::sin(p.pitch), 0}; }

// Her plate: black chitin, wet and glossy: a broad blue-white sheen over
// every curve with hard glints on the ridges, and a strong cool rim, so
// she reads by her highlights in a red or unlit room instead of sinking
// into a dark smudge. The colour stays near black; the light does the work.
constexpr Material kPlate{0.055f, 0.062f, 0.082f, 2.0f, 95, 1.8f, 0, 0.4f, 3.6f, 0.3f, 0.12f};
constexpr Material kPlateFar{0.04f, 0.045f, 0.06f, 1.4f, 95, 1.4f, 0, 0.4f, 3.6f, 0.3f, 0.12f};
// The shield of her crest: the same chitin, ridged along its length.
// Claws: near black and hard, with a small sharp highlight.
constexpr Material kClaw{0.03f, 0.03f, 0.036f, 3.0f, 160, 1.6f, 0};
constexpr Material kShield{0.05f, 0.056f, 0.075f, 1.6f, 110, 1.7f, 0, 0.4f, 5.0f, 0.4f, 0.1f};
// The ribbed tissue between the plates: darker than the plate, warm, its
// sheen dull, so plate and flesh read apart.
constexpr Material kFlesh{0.045f, 0.034f, 0.04f, 0.7f, 30,    1.2f,  0,    0,     6,
                          0.25f,  0.4f,   0.25f,  0.45f, 0.16f, 0.14f, 0.0f, 0.8f};
constexpr Material kFleshFar{0.032f, 0.025f, 0.03f, 0.5f, 30,    0.9f,  0,    0,     6,
                             0.25f,  0.4f,  0.2f,   0.35f, 0.12f, 0.1f, 0.0f, 0.8f};

// Her chitin as her lunge shows it, a few times larger than she walks: the
// same black plate with a wetter, tighter shine and finer ridges, so that
// blown up it breaks into sharp glints along every ridge instead of a
// dull grain, and a bluer cast that keeps plate and shadow apart.
constexpr Material kPlateClose{0.065f, 0.075f, 0.10f, 2.6f, 140, 2.0f, 0, 0.32f, 2.6f, 0.35f, 0.12f};
constexpr Material kShieldClose{0.07f, 0.08f, 0.105f, 2.5f, 150, 1.9f, 0, 0.30f, 3.6f, 0.3f, 0.1f};
constexpr Material kFleshClose{0.05f, 0.036f, 0.044f, 0.6f, 50,    0.8f,  0,    0,     6,
                               0.2f,  0.4f,   0.25f,  0.45f, 0.16f, 0.14f, 0.0f, 0.6f};
constexpr Material kClawClose{0.03f, 0.03f, 0.036f, 3.0f, 220, 1.3f, 0};
// Her mouth close up: a dark wine throat, wet and glossy, the shine broken
// into runs of slime, so the jaws read as a maw rather than a red-lined bill.
constexpr Material kMouthClose{0.16f, 0.025f, 0.035f, 1.6f, 70, 0.3f, 0, 0, 6, 0, 0.25f, 0, 0.95f, 0.55f, 0.38f, 0.7f};
// The ribs of her crest and the ridges of her skull: bone-hard chitin paler
// than the plate, so under a red or dark room the crest keeps its ribbing
// as light bars over the darker webs between them.
constexpr Material kRib{0.17f, 0.17f, 0.195f, 2.2f, 110, 1.9f, 0, 0.3f, 3.0f, 0.35f, 0.15f};
constexpr Material kRibClose{0.19f, 0.19f, 0.215f, 2.6f, 150, 2.0f, 0, 0.25f, 2.4f, 0.3f, 0.12f};
// The lips drawn back off her teeth.
constexpr Material kLip{0.06f, 0.04f, 0.05f, 1.0f, 60, 0.6f, 0, 0, 6, 0.3f, 0.3f, 0, 0.8f, 0.3f, 0.25f, 0.5f, 0.4f};
// Her teeth close up: glassy, each with its own hard highlight.
constexpr Material kToothClose{0.82f, 0.80f, 0.68f, 1.6f, 90, 0.5f, 0};

// The materials a pose is drawn in.
struct Skins {
  const Material &plate, &plate_far, &shield, &flesh, &flesh_far, &claw, &mouth, &tooth, &rib;
};
static Skins skins(const QPose& p) {
  if (p.close)
    return {kPlateClose, kPlateClose, kShieldClose, kFleshClose, kFleshClose, kClawClose, kMouthClose, kToothClose, kRibClose};
  return {kPlate, kPlateFar, kShield, kFlesh, kFleshFar, kClaw, kMouth, kTooth, kRib};
}

// Her limbs reach further than the pose table's figures, which were set
// for a squatter body: toes and hands are scaled out by these, the toes
// further down than forward, so that she stands tall on her long legs.
constexpr float kLegReach = 1.3f, kLegLength = 1.6f, kArmReach = 1.2f;

// An orientation whose local x, y and z axes are the given directions.
static M3 axes(V3 ax, V3 ay, V3 az) { return M3{{ax.x, ay.x, az.x, ax.y, ay.y, az.y, ax.z, ay.z, az.z}}; }
static V3 cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// The crest: a great shield fanning back from the crown over the neck, a
// shallow dish of chitin webbed between radiating ribs, its rim cut into
// hooked points. Seen from the side it is a broad wedge far taller than
// the skull; seen from the front its ribs spread to both sides, so at any
// angle her head is crowned and never a warrior's smooth dome.
static void crest(Model& m, const QPose& p) {
  const Skins k = skins(p);
  const V3 root{-4, -12, 0};
  const float a = -2.95f + p.crest_lift;
  const V3 b{std::cos(a), std::sin(a), 0};  // the dish's axis, back over the neck
  const V3 up{-b.y, b.x, 0};                 // across it, toward its top
  const V3 side{0, 0, 1};
  const float L = 138 * p.crest_reach;
  constexpr int kRibs = 6;
  V3 dirs[kRibs];
  float lens[kRibs];
  for (int i = 0; i < kRibs; ++i) {
    // Fanned in the plane of the skull from under the axis, over the
    // neck, to well above it.
    const float f = static_cast<float>(i) / (kRibs - 1);
    const float th = -0.72f + 1.14f * f;
    dirs[i] = b * std::cos(th) + up * std::sin(th);
    lens[i] = L * (0.78f + 0.3f * std::sin(f * 3.14159f));
  }
  // Two side wings spread the crown sideways, so from the front it is as
  // broad as it is from the side.
  for (int s = -1; s <= 1; s += 2) {
    const V3 w = normalised(b * 0.9f + up * 0.1f + side * (0.5f * s));
    m.ellipsoid(root + w * (L * 0.3f), {L * 0.3f, 12, 4.5f}, axes(w, up, normalised(cross(w, up))), k.shield, 4);
    // A rib down the wing's length, ridged in rings.
    m.capsule(root + w * 12, root + w * (L * 0.56f), 4.2f, 1.6f, k.rib, 1.5f, 7.0f, 0.5f);
  }
  // The webs between the ribs: thin plates, each as long as its ribs and
  // as wide as the gap between them at two-thirds of the way out.
  for (int i = 0; i + 1 < kRibs; ++i) {
    const V3 mid = normalised(dirs[i] + dirs[i + 1]);
    const float l = 0.5f * (lens[i] + lens[i + 1]);
    const V3 across = normalised(dirs[i + 1] - dirs[i]);
    const V3 normal = normalised(cross(mid, across));
    const float gap = len((dirs[i + 1] - dirs[i]) * (l * 0.66f));
    m.ellipsoid(root + mid * (l * 0.5f), {l * 0.5f, gap * 0.95f + 5, 4.5f}, axes(mid, across, normal), k.shield, 3);
  }
  // The ribs, raised over the webs, each ending in a hooked point past the
  // rim; the top one heaviest.
  for (int i = 0; i < kRibs; ++i) {
    const float f = std::fabs(-1 + 2.0f * i / (kRibs - 1));
    const V3 tip = root + dirs[i] * lens[i];
    m.capsule(root + dirs[i] * 10, tip, 7.0f - 2.5f * f, 3.4f, k.rib, 2, 9.0f, 0.7f);
    m.capsule(tip, tip + normalised(dirs[i] + b * 0.6f) * 16 + V3{0, 3, 0}, 3.2f, 0.4f, k.rib, 1.2f);
  }
  // Thinner ribs between the main ones, standing on both faces of the
  // webs, so the shield shows ribbing even where it is seen edge-on.
  for (int i = 0; i + 1 < kRibs; ++i) {
    const V3 mid = normalised(dirs[i] + dirs[i + 1]);
    const float l = 0.5f * (lens[i] + lens[i + 1]) * 0.88f;
    m.capsule(root + mid * 16, root + mid * l, 3.6f, 1.6f, k.rib, 1.6f);
  }
  // The shield's root grips the skull.
  m.ellipsoid(root + V3{2, 2, 0}, {22, 14, 16}, rot_z(-0.4f), k.plate, 5);
}

// The head: origin at the neck joint, snout toward +x. A long skull under a
// smooth shield that sweeps back far past it, ridged along its length and
// serrated along its rear edge; a long jaw of bared teeth under it.
static void head(Model& m, const QPose& p) {
  const Skins k = skins(p);
  const Material& c = k.plate;
  crest(m, p);
  // A long skull swept back into the crest, and a muzzle tapering from it
  // to a narrow point, toothed right to its tip; a ridge of bone runs from
  // the crest's root down the skull to the snout, brows over the temples.
  m.ellipsoid({-2, -6, 0}, {44, 10.5f, 11.5f}, rot_z(0.26f), c, 5);
  m.capsule({14, -1, 0}, {54, 11, 0}, 9.5f, 3.8f, c, 6);
  {
    const V3 keel[] = {{-34, -20, 0}, {-4, -17.5f, 0}, {14, -10.5f, 0}, {36, -2, 0}, {52, 5.5f, 0}};
    const float keel_r[] = {2.6f, 2.4f, 2.1f, 1.6f, 1.0f};
    m.chain(keel, keel_r, 5, k.rib, 1.8f);
  }
  // Grooves across the muzzle's top, between the plates it is built of.
  for (int i = 0; i < 3; ++i) {
    const float x = 22 + 10.0f * i, y = -7.5f + 3.6f * i, w = 7.5f - 1.2f * i;
    m.capsule({x, y, -w}, {x - 1.5f, y - 1.0f, 0}, 0.8f, 0.8f, c, 0.5f, 0, 0, true);
    m.capsule({x - 1.5f, y - 1.0f, 0}, {x, y, w}, 0.8f, 0.8f, c, 0.5f, 0, 0, true);
  }
  for (int s = -1; s <= 1; s += 2) {
    m.capsule({6, -7, s * 8.5f}, {30, -1, s * 6.8f}, 2.4f, 1.4f, k.rib, 1.8f);
    m.capsule({14, 2, s * 8.5f}, {44, 9, s * 5.5f}, 1.8f, 1.0f, c, 1.5f);
  }
  // Mouth, lips drawn back off the teeth, and the hinged jaw.
  const float open = 0.1f + 0.6f * p.jaw;
  m.ellipsoid({34, 12 + 5 * p.jaw, 0}, {20, 3 + 7 * p.jaw, 6.0f}, rot_z(0.25f + open * 0.5f), k.mouth, 1.5f);
  for (int s = -1; s <= 1; s += 2)
    m.capsule({20, 6.5f, s * 6.4f}, {54, 13.5f, s * 3.4f}, 1.5f, 0.8f, kLip, 1.2f);
  for (int i = 0; i < 10; ++i) {
    const float x = 22 + i * 3.3f, y = 8.5f + i * 0.75f;
    const float l = i % 2 ? 5.0f : 7.0f;
    const float z = 5.6f - 0.22f * i;
    for (int s = -1; s <= 1; s += 2) m.capsule({x, y, s * z}, {x + 1.0f, y + l, s * (z - 0.2f)}, 1.5f, 0.25f, k.tooth);
  }
  Xf keep = m.xf();
  m.set_xf(keep * place({12, 9, 0}, rot_z(0.25f + open)));
  m.capsule({0, 0, 0}, {38, 2, 0}, 6.0f, 3.0f, c, 1.5f);
  for (int i = 0; i < 8; ++i) {
    float x = 12 + i * 3.4f;
    for (int s = -1; s <= 1; s += 2) m.capsule({x, -1, s * 4.6f}, {x + 0.6f, -6.5f, s * 4.4f}, 1.3f, 0.2f, k.tooth);
  }
  m.set_xf(keep);
  if (p.inner > 0) {
    V3 base{16, 12, 0}, tip{26 + 30 * p.inner, 14 + 8 * p.jaw, 0};
    m.capsule(base, tip, 3.4f, 3.6f, k.flesh, 1, 2.4f, 0.5f);
    m.ellipsoid(tip + V3{2, 0, 0}, {5, 4, 4.2f}, {}, c, 1.5f);
  }
  if (p.drool) {
    drool(m, {42, 16 + 9 * p.jaw, 4}, 12 + 12 * p.jaw, 1.2f, 0.9f);
    drool(m, {28, 16 + 7 * p.jaw, -4}, 8 + 8 * p.jaw, -1.0f, 0.7f);
    if (p.jaw > 0.4f) strand(m, {34, 13, 3}, {34, 16 + 16 * p.jaw, 3}, 2, 0.55f);
  }
}

// A sharp spur from a joint, pointing along `dir`.
static void spur(Model& m, V3 at, V3 dir, float length, float r, const Material& mat) {
  m.capsule(at, at + normalised(dir) * length, r, 0.4f, mat, 1.5f);
}

void build(Model& m, const QPose& p, const Xf& view) {
  const Skins k = skins(p);
  const Material& far_mat = p.side ? k.plate_far : k.plate;
  const Material& far_soft = p.side ? k.flesh_far : k.flesh;
  const V3 sh = shoulders(p);
  const V3 dir = normalised(sh);
  const V3 up{dir.y, -dir.x, 0};
  m.set_xf(view);

  // The great arms: long and thin, plated forearms with a spur at the
  // elbow and long clawed fingers.
  auto arm = [&](int i) {
    const float s = i == 0 ? 1.0f : -1.0f;
    const Material& mat = i == 0 ? k.plate : far_mat;
    const Material& soft = i == 0 ? k.flesh : far_soft;
    const float l1 = 62, l2 = 68, r = 10.0f;
    const V3 root = sh + V3{-4, 12, s * 30};
    const V3 off = p.hand[i] * kArmReach;
    const V3 hand = reach(root, root + off, l1, l2);
    const V3 el = joint(root, hand, l1, l2, {-0.6f, 0.5f, s * 0.6f});
    m.capsule(root, el, r, r * 0.7f, soft, 3, r * 0.55f, r * 0.1f);
    // A heavy plate over the shoulder and down the upper arm.
    m.ellipsoid(lerp3(root, el, 0.3f), {l1 * 0.4f, r * 1.25f, r * 1.3f},
                rot_z(std::atan2(el.y - root.y, el.x - root.x)), mat, 3);
    m.ellipsoid(root + V3{0, -4, s * 4}, {22, 15, 16}, rot_z(p.pitch + 0.6f), mat, 4);
    m.ellipsoid(lerp3(el, hand, 0.38f), {l2 * 0.36f, r * 0.62f, r * 0.62f},
                rot_z(std::atan2(hand.y - el.y, hand.x - el.x)), mat, 2);
    m.capsule(el, hand, r * 0.7f, r * 0.42f, mat, 2);
    spur(m, el, (el - root) * (1 / l1) + (el - hand) * (1 / l2), 13, r * 0.55f, mat);
    const V3 fwd = normalised(hand - el);
    for (int f = 0; f < 3; ++f) {
      // Long jointed fingers: knuckled bones ending in hooked dark claws.
      const float spread = (f - 1) * 0.6f;
      const V3 d1 = normalised(fwd + V3{0, 0.2f, s * spread});
      const V3 k1 = hand + d1 * 19.0f;
      const V3 d2 = normalised(d1 + V3{0, p.curl, 0});
      const V3 k2 = k1 + d2 * 14.0f;
      const V3 d3 = normalised(d2 + V3{0, 0.7f * p.curl + 0.3f, 0});
      m.capsule(hand, k1, r * 0.3f, r * 0.22f, mat, 0.8f);
      m.sphere(k1, r * 0.3f, mat, 0.4f);
      m.capsule(k1, k2, r * 0.22f, r * 0.19f, mat, 0.4f);
      m.sphere(k2, r * 0.24f, mat, 0.3f);
      m.capsule(k2, k2 + d3 * 12.0f, r * 0.19f, 0.2f, k.claw, 0.3f);
    }
  };
  // The small arms, folded tight against the chest like a mantis's, claws
  // tucked up under the chin.
  auto small_arm = [&](int i) {
    const float s = i == 0 ? 1.0f : -1.0f;
    const Material& mat = i == 0 ? k.plate : far_mat;
    const V3 root = lerp3(V3{}, sh, 0.8f) - up * 20 + V3{0, 0, s * 13};
    const V3 hand = root + V3{p.small[i].x * 0.35f, -10, s * 4} + up * 6;
    const V3 el = joint(root, hand, 32, 32, V3{0.3f, 1.0f, s * 0.3f} - up);
    m.capsule(root, el, 6.0f, 4.2f, mat, 2, 3.0f, 0.6f);
    m.capsule(el, hand, 4.2f, 2.8f, mat, 1.5f);
    spur(m, el, el - lerp3(root, hand, 0.5f), 9, 3.0f, mat);
    const V3 fwd = normalised(hand - el);
    for (int f = 0; f < 2; ++f) {
      const V3 k1 = hand + normalised(fwd + V3{0, 0, (f - 0.5f) * 0.6f * s}) * 8.0f;
      m.capsule(hand, k1, 2.0f, 0.3f, mat, 0.6f);
    }
  };
  // The legs: long, thin and jointed like an insect's, hard plate all the
  // way down: a lean thigh under one ridged plate, a knob of a knee with a
  // spur, a slender shin, a long hock and three hooked toe claws. Thin
  // enough that the room shows between them, so she never reads as a
  // figure in a suit.
  auto leg = [&](int i) {
    const float s = i == 0 ? 1.0f : -1.0f;
    const Material& mat = i == 0 ? k.plate : far_mat;
    const Material& soft = i == 0 ? k.flesh : far_soft;
    const float l1 = 76, l2 = 72;
    const V3 root{0, 4, s * 18};
    const V3 toe{p.toe[i].x * kLegReach, p.toe[i].y * kLegLength, p.toe[i].z};
    const V3 heel = p.heel[i];
    const V3 ankle = reach(root, toe + heel, l1, l2);
    const V3 knee = joint(root, ankle, l1, l2, {1, -0.2f, 0});
    const float ta = std::atan2(knee.y - root.y, knee.x - root.x);
    // Walking, every part of the leg is built about a third heavier, with a
    // muscled thigh, so that the legs carry the crest's weight.
    const float w = p.stride ? 1.35f : 1.0f;
    m.ellipsoid(root, V3{15, 12, 11} * w, rot_z(ta), mat, 3);
    m.capsule(root, knee, 10 * w, 6.5f * w, soft, 2, 4.0f, p.stride ? 0.15f : 0.5f);
    m.ellipsoid(lerp3(root, knee, 0.42f) + V3{3, 0, 0}, {l1 * 0.42f, 11 * w, 10 * w}, rot_z(ta), mat, 1.0f);
    if (p.stride)
      m.ellipsoid(lerp3(root, knee, 0.38f) + V3{-5, 3, 0}, {l1 * 0.3f, 9, 11}, rot_z(ta), soft, 2.0f);
    m.sphere(knee, 8.5f * w, mat, 1.0f);
    spur(m, knee, (knee - root) * (1 / l1) + (knee - ankle) * (1 / l2), 16, 3.6f, mat);
    m.capsule(knee, ankle, 7 * w, 4.5f * w, mat, 1.0f);
    const float sa = std::atan2(ankle.y - knee.y, ankle.x - knee.x);
    m.ellipsoid(lerp3(knee, ankle, 0.35f) + V3{-2, 0, 0}, {l2 * 0.3f, 7.5f * w, 7 * w}, rot_z(sa), mat, 0.8f);
    m.sphere(ankle, 5.5f * w, mat, 0.8f);
    m.capsule(ankle, toe, 4.5f * w, 3.2f * w, mat, 0.8f);
    spur(m, ankle, ankle - toe + (ankle - knee) * 0.5f, 12, 2.6f, mat);
    for (int c = -1; c <= 1; ++c) {
      const V3 a = toe + V3{9, 0.5f, c * s * 4.0f};
      m.capsule(toe, a, 2.8f, 2.0f, mat, 0.6f);
      m.capsule(a, a + V3{8, 3, c * s * 2.0f}, 2.0f, 0.3f, k.claw, 0.4f);
    }
  };

  arm(1);
  small_arm(1);
  leg(1);
  V3 swing_tail_root{};
  // The tail: a long whip of plated segments, trailing along the floor and
  // ending in a blade.
  {
    const float sw = p.tail_sway;
    V3 pts[] = {{-16, 4, 0},
                {-56, 26 + 8 * sw, -6},
                {-98, 52 - 4 * sw, -10},
                {-140, 74 + 4 * sw, -8},
                {-182, 88, -4 + 20 * sw},
                {-222, 94 - 4 * sw, 30 * sw},
                {-262, 92 - 6 * sw, 44 * sw},
                {-300, 84 - 8 * sw, 52 * sw},
                {-334, 72 - 10 * sw, 56 * sw}};
    const float radii[] = {27, 23, 17, 12.5f, 9, 6.5f, 4.4f, 2.8f, 1.4f};
    const M3 swing = rot_z(p.tail_turn);
    for (V3& q : pts) q = pts[0] + swing.apply((q - pts[0]) * p.tail_len);
    m.chain(pts, radii, 9, k.plate, 3, 5.0f, p.stride ? 0.45f : 0.9f);
    swing_tail_root = lerp3(pts[0], pts[2], 0.55f) - pts[0];
    m.ellipsoid(pts[8] + V3{-7, -6, 0}, {13, 3.5f, 1.6f}, rot_z(0.9f), k.plate, 1.5f);
  }
  // The abdomen: a long sac of overlapping plates from the hips back
  // along the tail's root, each ring narrower, tapering into the tail.
  {
    const V3 a = {-4, 2, 0};
    const V3 b = a + swing_tail_root * 1.25f;
    for (int i = 0; i < 6; ++i) {
      const float t = i / 5.0f;
      const float r = 31 - 15 * t;
      const V3 at = lerp3(a, b, t);
      const V3 ax = normalised(b - a);
      m.ellipsoid(at, {14, r, r * 1.12f}, rot_z(std::atan2(ax.y, ax.x)), k.plate, 0.8f);
      // Walking, a hard plate over each ring's back, lapping the next, so
      // the sac reads as plated rather than as a soft lump.
      if (p.stride)
        m.ellipsoid(at + V3{ax.y, -ax.x, 0} * (r * 0.72f), {15, r * 0.42f, r * 0.9f},
                    rot_z(std::atan2(ax.y, ax.x) + 0.25f), k.plate, 1.2f);
    }
  }
  // A narrow waist of ribbed flesh between the abdomen and a long, lean
  // thorax of ribbed chitin bands under a plated chest.
  m.capsule({0, 0, 0}, lerp3({}, sh, 0.4f), 11, 15, k.flesh, 4, 4.0f, p.stride ? 0.4f : 1.0f);
  m.capsule(lerp3({}, sh, 0.3f), sh - up * 2, 22, 34, k.plate, 5, 7.0f, p.stride ? 0.3f : 0.9f);
  if (p.stride) {
    // Plates down the belly and flank, each lapping the one below like a
    // beetle's, so the thorax reads as armour and not as a ringed sac.
    for (int i = 0; i < 4; ++i) {
      const float t = 0.28f + 0.16f * i;
      m.ellipsoid(lerp3({}, sh, t) - up * (20 + 2.0f * i), {17, 6.5f, 30 - 2.0f * i}, rot_z(p.pitch + 0.45f),
                  k.plate, 1.5f);
    }
  }
  m.ellipsoid(lerp3({}, sh, 0.76f) - up * 6, {40, 29, 31}, rot_z(p.pitch), k.plate, 4);
  // The two plates of the chest, a hard crease between them.
  for (int s = -1; s <= 1; s += 2)
    m.ellipsoid(lerp3({}, sh, 0.66f) - up * 22 + V3{0, 0, s * 15.0f}, {30, 12, 18}, rot_z(p.pitch + 0.3f), k.plate, 2);
  // Plates over the back, overlapping like shingles.
  for (int i = 0; i < 3; ++i)
    m.ellipsoid(lerp3({}, sh, 0.45f + 0.18f * i) + up * (24 + 3.0f * i), {24, 9, 30}, rot_z(p.pitch + 0.25f), k.plate, 3);
  // The keel of the breastplate under the arms.
  m.ellipsoid(lerp3({}, sh, 0.64f) - up * 30, {30, 9, 12}, rot_z(p.pitch), k.plate, 4);
  // Long dorsal spines swept back along the spine.
  for (int i = 0; i < 4; ++i) {
    const float t = 0.95f - i * 0.2f;
    const V3 base = lerp3({}, sh, t) + up * 28;
    for (int s = -1; s <= 1; s += 2) {
      const V3 tip = base + up * (36 - i * 5.0f) - dir * (22 + i * 2.0f) + V3{0, 0, s * 10.0f};
      m.capsule(base + V3{0, 0, s * 7.0f}, tip, 6.0f, 0.5f, k.plate, 2);
    }
  }
  m.capsule(sh, p.neck_end, 12, 9, k.flesh, 4, 4.0f, 0.9f);
  leg(0);
  small_arm(0);
  arm(0);
  m.set_xf(view * place(p.neck_end, rot_z(p.head_rot) * rot_y(p.head_yaw), kHeadScale));
  head(m, p);
  m.set_xf(view);
}

// The stride for phase -1, 0, +1 (the game plays 1, 2, 3, 2): at each
// contact the leading foot reaches far ahead, the trailing one pushes off
// from behind with its heel high, and her weight drops and pitches forward
// between them; at passing she rises over the planted leg while the other
// swings through, lifted. The tail swings against the legs, the great arms
// against the tail. The head turns toward the viewer so the crest shows
// its breadth.
static QPose walk_pose(int frame) {
  QPose p;
  const float ph = frame == 1 ? -1.0f : frame == 3 ? 1.0f : 0.0f;
  const bool contact = ph != 0;
  // The two contacts differ: on the first she rears back onto the
  // trailing leg as the far foot reaches out, head and tail high; on the
  // last she has thrown her weight onto the leading near foot, pitched
  // low and forward, head down, tail swept low behind.
  const float drop = contact ? 8.0f : 0.0f;
  const float reach_out = ph > 0 ? 0.85f : 0.7f;
  p.pitch = ph < 0 ? -1.22f : ph > 0 ? -1.02f : -1.12f;
  p.neck_end = shoulders(p) + V3{60 + 5 * ph, -14 + (contact ? 4.0f : -2.0f), 0};
  p.head_rot = ph < 0 ? 0.12f : ph > 0 ? 0.40f : 0.24f;
  p.head_yaw = -0.3f;
  // The crest swept low behind her, so its tip stays under the hidden rows
  // without shrinking her.
  p.crest_lift = -0.5f;
  auto place_leg = [&](int i, float where) {
    const float z = i == 0 ? 16.0f : -16.0f;
    if (where > 1.5f) {  // swinging through, lifted
      p.toe[i] = {34, 74 - drop, z};
      p.heel[i] = {-16, -30, 0};
    } else if (where > 0.5f) {  // leading
      p.toe[i] = {80 * reach_out, 100 - drop, z};
      p.heel[i] = {-26, -34, 0};
    } else if (where < -0.5f) {  // trailing, on its toes
      p.toe[i] = {-72 * reach_out, 100 - drop, z};
      p.heel[i] = {-2, -40, 0};
    } else {  // planted under her
      p.toe[i] = {22, 100 - drop, z};
      p.heel[i] = {-22, -38, 0};
    }
  };
  place_leg(0, ph);
  place_leg(1, contact ? -ph : 2.0f);
  p.hand[0] = {44 - 22 * ph, 30 + 6 * ph, 16};
  p.hand[1] = {44 + 22 * ph, 30 - 6 * ph, -16};
  p.small[0] = {36 - 10 * ph, 24, 18};
  p.small[1] = {36 + 10 * ph, 26, -18};
  p.curl = 0.5f + 0.2f * ph;
  p.tail_sway = -1.4f * ph;
  p.tail_turn = ph < 0 ? 0.40f : ph > 0 ? 0.04f : 0.24f;
  p.tail_len = 0.68f;
  p.jaw = 0.2f + 0.15f * (ph + 1);
  p.stride = true;
  return p;
}

// The lunge: three-quarters toward the viewer, her skull across the middle
// of the rows a close lunge shows.
constexpr float kFaceRow = (kCloseTop + kCloseBottom) / 2.0f - 30;
constexpr Pt kFrontHandle{kHandle.x, kHandle.y};
constexpr float kYaw = -0.7f;
static Xf front_view(const QPose& p, float dx, float dy, float roll, float scale);

Xf crowned_view(const QPose& p, float dy, float roll, float scale) {
  Xf v = front_view(p, 0, 0, roll, scale);
  Model probe;
  const int pad = 300, w = kQueenAttack.w, h = kQueenAttack.h + pad;
  build(probe, p, place({0, static_cast<float>(pad), 0}) * v);
  std::vector<uint8_t> cov = model::coverage(probe, w, h, 1);
  int top = h;
  for (int y = 0; y < h && top == h; ++y)
    for (int x = 0; x < w; ++x)
      if (cov[static_cast<size_t>(y) * w + x]) {
        top = y;
        break;
      }
  const int hx = static_cast<int>(kFrontHandle.x), hy = static_cast<int>(kFrontHandle.y);
  int target = crown_top;
  for (; target > 90; --target) {
    // Rows of the probe that land on the handle's box after the shift.
    const int shift = target - top;
    int solid = 0;
    for (int y = hy - 6; y <= hy + 6; ++y)
      for (int x = hx - 6; x <= hx + 6; ++x) {
        const int py = y - shift;
        if (py >= 0 && py < h) solid += cov[static_cast<size_t>(py) * w + x];
      }
    if (solid >= 165) break;
  }
  return place({0, static_cast<float>(target - (top - pad)) + dy, 0}) * v;
}

Xf faced_view(const QPose& p, float row, float roll, float scale) {
  const Xf turn = place({0, 0, 0}, rot_z(roll) * rot_y(kYaw), scale);
  const V3 skull = turn.point(place(p.neck_end, rot_z(p.head_rot), kHeadScale).point({14, -2, 0}));
  return place({static_cast<float>(kFrontHandle.x) - skull.x, row - skull.y, 0}, turn.r, scale);
}

static Xf front_view(const QPose& p, float dx, float dy, float roll, float scale) {
  // The point of the crown that lands on the handle, body-local.
  Xf head = place(p.neck_end, rot_z(p.head_rot), kHeadScale);
  V3 crown = head.point({-60, -24, 0});
  Xf turn = place({0, 0, 0}, rot_z(roll) * rot_y(kYaw), scale);
  V3 at = turn.point(crown);
  return place({static_cast<float>(kFrontHandle.x) - at.x + dx, static_cast<float>(kFrontHandle.y) - at.y + dy, 0},
               turn.r, scale);
}

QPose lunge_pose(float strike) {
  QPose p;
  p.side = false;
  p.pitch = -1.2f + 0.3f * strike;
  p.neck_end = shoulders(p) + V3{34 + 14 * strike, -16 + 8 * strike, 0};
  // The head raised at the viewer, jaws first, the crest trimmed back so
  // that it rises over the head instead of filling the close frame.
  p.head_rot = 0.12f + 0.22f * strike;
  p.crest_reach = 0.8f;
  p.crest_lift = 0.22f;
  p.jaw = 0.6f + 0.4f * strike;
  p.inner = strike;
  p.hand[0] = lerp3(V3{24, -30, 26}, V3{58, 10, 16}, strike);
  p.hand[1] = lerp3(V3{24, -30, -26}, V3{58, 10, -22}, strike);
  p.small[0] = lerp3(V3{30, 0, 24}, V3{44, 10, 12}, strike);
  p.small[1] = lerp3(V3{30, 0, -24}, V3{44, 10, -12}, strike);
  p.curl = 0.4f + 0.4f * strike;
  // Feet and arms kept in under her, so that the frame can hold her large.
  p.toe[0] = {40, 100, 12};
  p.toe[1] = {20, 100, -12};
  // The tail swings round toward the viewer, most of it behind her.
  p.tail_sway = -1.0f;
  p.tail_len = 0.3f;
  return p;
}

static Bytes finish(Canvas& c, const char* what) {
  require_clear_edges(c, what);
  return c.png();
}

}  // namespace queen_model

using namespace queen_model;

// Her hips right of the middle: the long tail needs the room behind.
constexpr float kHipX = 196;

// The three roaming frames' views: each stands her feet on the floor row,
// and all share the one scale that keeps every frame below the rows the
// band hides and inside the picture, so she does not change size as she
// walks.
static const std::array<Xf, 3>& walk_views() {
  static const std::array<Xf, 3> views = [] {
    std::array<Xf, 3> stand;
    const V3 feet{kHipX, static_cast<float>(kQueenWalk.h - 1), 0};
    for (int f = 0; f < 3; ++f) {
      Model probe;
      build(probe, walk_pose(f + 1), place({kHipX, 150, 0}, {}, kWalkScale));
      const int low = lowest_solid_row(probe, kQueenWalk.w, kQueenWalk.h + 200);
      stand[f] = place({kHipX, 150 + static_cast<float>(kQueenWalk.h - 1 - low), 0}, {}, kWalkScale);
    }
    // At full size her raised crest can rise past the fitting probe's
    // margin, so the first shrink is only an estimate: a second pass on
    // the shrunken views, now well inside the probe, finds the true fit.
    for (int pass = 0; pass < 2; ++pass) {
      float k = 1;
      for (int f = 0; f < 3; ++f) {
        const QPose p = walk_pose(f + 1);
        auto make = [&](Model& m, const Xf& v) { build(m, p, v); };
        const Xf fitted = fit(make, stand[f], kQueenWalk.w, kQueenWalk.h, feet, kHiddenRows + 2);
        k = std::min(k, fitted.s / stand[f].s);
      }
      for (Xf& v : stand) v = place(feet * (1 - k), {}, k) * v;
    }
    return stand;
  }();
  return views;
}

Bytes queen_walk(int frame) {
  Canvas c(kQueenWalk.w, kQueenWalk.h);
  Model m;
  m.set_skin(0.18f, 3.5f);
  build(m, walk_pose(frame), walk_views()[static_cast<size_t>(frame - 1)]);
  model::RenderOptions o = render_options();
  o.floor_glow = 0.8f;  // the room's warm light off the deck under her
  model::render(m, c, o);
  contact_shadow(c, {9, 16, 0.85f, 0.45f, 6});
  return finish(c, "queen walk");
}

// The rightmost column her jaws may reach in the lunge: a close view shows
// the frame's columns only up to about here.
constexpr float kJawRight = 470;

Bytes queen_attack(int frame) {
  Canvas c(kQueenAttack.w, kQueenAttack.h);
  const float strike = frame == 2 ? 1.0f : 0.0f;
  QPose p = lunge_pose(strike);
  p.close = true;
  Model m;
  // Finer bumps than her walk's: these frames are drawn near three times
  // as large.
  m.set_skin(0.12f, 2.2f);
  auto make = [&](Model& mm, const Xf& v) { build(mm, p, v); };
  Xf view = faced_view(p, kFaceRow, 0, kLungeScale);
  {
    // Centre her across the frame, so that the width left and right of her
    // goes to her size rather than to one side.
    const int pad = 300, w = kQueenAttack.w + 2 * pad;
    Model probe;
    build(probe, p, place({static_cast<float>(pad), 0, 0}) * view);
    const std::vector<uint8_t> cov = model::coverage(probe, w, kQueenAttack.h, 1);
    int left = w, right = -1;
    for (int y = 0; y < kQueenAttack.h; ++y)
      for (int x = 0; x < w; ++x)
        if (cov[static_cast<size_t>(y) * w + x]) left = std::min(left, x), right = std::max(right, x);
    view = place({(w - 1 - right - left) / 2.0f, 0, 0}) * view;
  }
  {
    // Her strike throws the head forward: hold the body back so that the
    // jaws stay in view.
    const Xf head = view * place(p.neck_end, rot_z(p.head_rot) * rot_y(p.head_yaw), kHeadScale);
    const float jaw = head.point({60, 14, 0}).x;
    if (jaw > kJawRight) view = place({kJawRight - jaw, 0, 0}) * view;
  }
  const V3 middle{kHandle.x, kFaceRow, 0};
  view = fit(make, view, kQueenAttack.w, kQueenAttack.h, middle);
  build(m, p, view);
  model::render(m, c, render_options());
  finish_for_magnifying(c, true);
  // The largest magnification of all (1.7 times): crisped, and wider, so
  // the plates and crest ribs keep their edges under a dark room tint.
  sharpen_for_magnifying(c, 0.4f, 1.6f);
  return finish(c, "queen attack");
}

}  // namespace contentgen::creatures
