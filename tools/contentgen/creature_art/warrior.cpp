// The warrior: a tall stalking biped with a long swept-back skull, modelled
// as one solid body and posed per frame. The walk, the head alone and the
// corpses view it from the side (facing +x); the lunge at the viewer and
// its death throes turn the same model three-quarters toward the viewer.
#include <algorithm>
#include <cmath>
#include <vector>

#include "creature_art/contact_shadow.h"
#include "creature_art/corpse_cut.h"
#include "creature_art/solid.h"
#include "creature_sizes.h"
#include "creature_art/creature_brushes.h"
#include "creature_art/death_wound.h"
#include "creature_art/magnified_finish.h"
#include "pictures.h"

namespace contentgen::creatures {

namespace {

using namespace solid;
using model::lerp3;
using model::normalised;
using model::place;
using model::rot_y;
using model::rot_z;

// Body-local coordinates: origin at the hip, facing +x, y down, +z toward
// the viewer of the side view.
struct Pose {
  float pitch = -0.62f;        // spine from hip to shoulders (0 forward, negative rises)
  V3 neck_end{74, -58, 0};     // the head's joint
  float head_rot = 0;          // head pitch, + tips the snout down
  float jaw = 0.15f;           // lower jaw open 0..1
  float inner = 0;             // inner jaw thrust 0..1
  V3 hand[2] = {{60, 18, 14}, {50, 18, -14}};  // near (+z) and far hand targets
  float curl = 0.6f;           // finger curl
  V3 toe[2] = {{20, 80, 9}, {20, 80, -9}};    // near and far toe targets
  V3 heel[2] = {{-19, -18, 0}, {-19, -18, 0}};  // each ankle from its toe: the raised foot
  float tail_sway = 0;
  float tail_lift = 0;
  float tail_back = 0;         // the tail swung away from the viewer, behind the body
  bool drool = true;
  bool side = true;            // side view: far limbs darker
  // How heavy the thorax, shoulders and upper arms are built. One build for
  // every frame, roaming, lunging, dying or lying dead, so the close-up
  // reads as the same animal seen nearer.
  float bulk = 1.25f;
  // The head drawn larger than the model's own, for the small roaming
  // frames: at one pixel per unit the close-up's heavy skull would shrink
  // to a knob on a stick.
  float head_scale = 1.0f;
  // The walk's small frames: lower legs and forearms built thicker, with a
  // calf and a forearm muscle, the rings of plate along them shallower, and
  // the tail carried low behind the legs, so that the limbs read as muscle
  // and joint rather than ringed tubes and the tail not as a raised arm.
  bool stalk = false;
};

constexpr float kSpine = 62;

// The skull's long dome: glossier than the body's plates, its highlight
// drawn into wet streaks running back along it, and dulled in patches so
// the shine is not one even gloss.
constexpr Material kDome{0.065f, 0.08f, 0.115f, 2.0f, 110, 1.35f, 0, 0.16f, 5.0f, 0.5f, 0.14f,
                         0,      0.95f, 0.55f,  0.38f, 0.6f};
// Ribs, vertebrae and joint knobs: bone-hard chitin a shade paler than the
// plates, so the cage and the spine stand out against the dark tissue.
// Claws: near black and hard, with a small sharp highlight that shows them
// apart from the fingers.
constexpr Material kClaw{0.03f, 0.03f, 0.035f, 2.6f, 180, 1.1f, 0};
constexpr Material kBoneChitin{0.17f, 0.17f, 0.19f, 1.7f, 90, 1.2f, 0, 0.18f, 3.0f, 0.35f, 0.2f};

// Inside the mouth: a near-black throat with wet highlights, dark wine gums,
// the lips' soft ribbed tissue, and teeth of glassy enamel that let the
// light through at their tips; the inner jaw is dark and wet, its teeth
// stained.
constexpr Material kThroat{0.022f, 0.010f, 0.014f, 1.5f, 110, 0.3f, 0, 0, 6, 0.3f, 0.25f, 0, 0.95f, 0.55f, 0.38f, 0.85f};
constexpr Material kGum{0.13f, 0.03f, 0.045f, 1.2f, 80, 0.3f, 0, 0, 6, 0.25f, 0.35f, 0.1f, 0.8f, 0.25f, 0.22f, 0.6f, 0.2f};
constexpr Material kLip{0.055f, 0.045f, 0.06f, 1.0f, 60, 0.5f, 0, 0, 6, 0.3f, 0.3f, 0, 0.8f, 0.3f, 0.25f, 0.5f, 0.4f};
constexpr Material kFang{0.64f, 0.67f, 0.66f, 2.4f, 170, 0.9f, 0, 0, 6, 0, 0.08f, 0.7f, 0.85f, 0.85f, 0.78f};
constexpr Material kDarkFang{0.30f, 0.29f, 0.27f, 2.0f, 150, 0.7f, 0};
constexpr Material kInnerJaw{0.05f, 0.045f, 0.06f, 1.8f, 120, 0.8f, 0, 0, 6, 0.2f, 0.2f, 0.25f, 0.8f, 0.3f, 0.3f, 0.8f};

// Repeatable irregularity for a part's size: 1 +- amount, fixed by its index.
float vary(int i, float amount) {
  const unsigned h = (static_cast<unsigned>(i) * 2654435761u) >> 16;
  return 1.0f + amount * ((h % 1000) / 500.0f - 1.0f);
}

V3 shoulders(const Pose& p) { return {kSpine * std::cos(p.pitch), kSpine * std::sin(p.pitch), 0}; }

// The head in its own frame: origin at the neck joint, snout toward +x.
void head(Model& m, const Pose& p) {
  const Material& c = kCarapace;
  // Long glossy dome swept up and back from the face.
  const V3 dome_c{-1, -13, 0};
  const V3 dome_r{34, 12.0f, 12};
  const M3 dome_o = rot_z(0.37f);
  m.ellipsoid(dome_c, dome_r, dome_o, kDome);
  // A point on the dome's upper surface, `x` along it and `z` across,
  // drawn in toward its middle by `inset`.
  auto on_dome = [&](float x, float z, float inset) {
    const float u = x / dome_r.x, w = z / dome_r.z;
    const float y = -dome_r.y * std::sqrt(std::max(0.0f, 1 - u * u - w * w));
    return dome_c + dome_o.apply(V3{x, y, z} * inset);
  };
  // A ridge running the dome's length, a groove along each flank and ribbed
  // tubes below it: the dome reads as grown plate, not as a smooth moulded
  // shell. Few lines, set unevenly, so they never form a row of fingers.
  {
    // The ridge rises out of the dome and sinks back into it, so it does
    // not end in a rounded tip.
    V3 pts[7];
    float radii[7];
    for (int i = 0; i < 7; ++i) {
      pts[i] = on_dome(-29 + i * 8.5f, 0, 0.99f);
      radii[i] = 1.5f * std::sin(3.14159f * (i + 0.5f) / 7);
    }
    m.chain(pts, radii, 7, kCarapace, 1.2f);
  }
  for (int s = -1; s <= 1; s += 2) {
    V3 prev = on_dome(-27, s * 7.8f, 1.0f);
    for (int i = 1; i < 6; ++i) {
      const V3 next = on_dome(-27 + i * 9.5f, s * (7.8f - 0.5f * i), 1.0f);
      m.capsule(prev, next, 0.7f, 0.7f, kDome, 0.4f, 0, 0, true);
      prev = next;
    }
    // Two breathing tubes along each flank, below the dome's widest line.
    for (int t = 0; t < 2; ++t) {
      const float z = s * (10.6f - 1.4f * t);
      const V3 a = dome_c + dome_o.apply(V3{12.0f - 4 * t, 2.5f + 2.5f * t, z});
      const V3 c2 = dome_c + dome_o.apply(V3{-26.0f + 3 * t, 3.0f + 1.5f * t, z * 0.55f});
      m.capsule(a, c2, 1.5f - 0.2f * t, 1.0f, kCarapace, 1.0f, 1.7f, 0.35f);
    }
  }
  // The face: a shorter snout under the dome's front.
  m.ellipsoid({24, -3, 0}, {19, 8.5f, 9.5f}, rot_z(0.22f), c, 7);
  // A ridge along each side of the dome, and the brow over the face.
  for (int s = -1; s <= 1; s += 2) {
    m.capsule({-22, -22, s * 8.0f}, {30, -4, s * 7.0f}, 1.6f, 1.2f, c, 2.5f);
    m.capsule({12, -1, s * 8.5f}, {36, 3, s * 6.0f}, 1.8f, 1.3f, c, 2.0f);  // cheekbone
  }
  // Ribbed soft nape under the crown, and wet membrane stretched over the
  // temples between the dome and the jaw hinge.
  m.capsule({-24, -14, 0}, {-4, 2, 0}, 5.5f, 5.0f, kTissue, 3, 3.2f, 0.9f);
  for (int s = -1; s <= 1; s += 2)
    m.ellipsoid({2, -3, s * 8.5f}, {13, 5.5f, 3.5f}, rot_z(0.3f), kMembrane, 2.5f);
  // Mouth: a deep near-black throat behind lips drawn back off the gums,
  // rows of glassy pointed teeth of uneven length set in them, and the
  // hinged lower jaw.
  const float open = 0.08f + 0.55f * p.jaw;
  m.ellipsoid({21, 6 + 5 * p.jaw, 0}, {15, 3 + 5.5f * p.jaw, 5.6f}, rot_z(0.12f + open * 0.5f), kThroat, 1.5f);
  // The upper lip pulled up and back, the gum below it.
  for (int s = -1; s <= 1; s += 2) {
    m.capsule({14, 0.6f, s * 6.0f}, {40, 3.4f, s * 5.4f}, 1.3f, 0.8f, kLip, 1.2f);
    m.capsule({15, 3.6f, s * 5.2f}, {41, 6.6f, s * 4.7f}, 1.3f, 0.9f, kGum, 0.8f);
  }
  for (int i = 0; i < 8; ++i) {
    const float x = 16 + i * 3.4f;
    const float y = 4.6f + i * 0.42f;
    const float l = (i % 2 ? 4.4f : 6.4f) * vary(i + 60, 0.15f);
    for (int s = -1; s <= 1; s += 2)
      m.capsule({x, y, s * 5.1f}, {x + 1.3f, y + l, s * 4.7f}, 1.3f, 0.1f, kFang);
  }
  const Xf jaw = m.xf() * place({6, 4, 0}, rot_z(open));
  Xf keep = m.xf();
  m.set_xf(jaw);
  m.capsule({0, 0, 0}, {32, 3, 0}, 6.0f, 3.2f, c, 1.5f);
  for (int s = -1; s <= 1; s += 2) {
    m.capsule({9, -1.2f, s * 4.9f}, {33, 1.0f, s * 4.3f}, 1.3f, 0.9f, kGum, 0.8f);
  }
  for (int i = 0; i < 7; ++i) {
    const float x = 11 + i * 3.3f;
    const float l = (i % 2 ? 3.8f : 5.4f) * vary(i + 70, 0.15f);
    for (int s = -1; s <= 1; s += 2)
      m.capsule({x, -1.4f, s * 4.6f}, {x + 1.0f, -1.4f - l, s * 4.3f}, 1.15f, 0.1f, kFang);
  }
  m.set_xf(keep);
  // The inner jaw: a slim, dark, wet tube out of the throat ending in a
  // small mouth of its own with dark teeth.
  if (p.inner > 0) {
    V3 base{8, 7, 0};
    V3 tip{18 + 30 * p.inner, 7 + 8 * p.jaw, 0};
    m.capsule(base, tip, 2.4f, 2.2f, kInnerJaw, 1, 1.6f, 0.35f);
    m.ellipsoid(tip + V3{1.5f, 0, 0}, {3.4f, 2.8f, 2.8f}, {}, kInnerJaw, 1.0f);
    m.ellipsoid(tip + V3{4.2f, 0.4f, 0}, {1.2f, 1.5f, 1.6f}, {}, kThroat, 0.5f);
    for (int k = -1; k <= 1; ++k) {
      m.capsule(tip + V3{3.8f, -1.6f, k * 1.3f}, tip + V3{5.6f, 0.2f, k * 1.2f}, 0.6f, 0.1f, kDarkFang);
      m.capsule(tip + V3{3.8f, 2.2f, k * 1.3f}, tip + V3{5.6f, 0.6f, k * 1.2f}, 0.55f, 0.1f, kDarkFang);
    }
  }
  if (p.drool) {
    drool(m, {30, 9 + 8 * p.jaw, 4}, 9 + 10 * p.jaw, 1.0f, 0.75f);
    drool(m, {19, 10 + 6 * p.jaw, -3}, 6 + 6 * p.jaw, -0.8f, 0.6f);
    // Strings of saliva drawn out between the jaws as they part.
    if (p.jaw > 0.4f) {
      strand(m, {26, 6.5f, 3}, {26, 9 + 14 * p.jaw, 3}, 2, 0.45f);
      strand(m, {33, 8.0f, -3.5f}, {32, 10 + 12 * p.jaw, -3.5f}, 1.5f, 0.35f);
      strand(m, {20, 5.5f, 4.2f}, {19, 8 + 10 * p.jaw, 4.0f}, 2.5f, 0.3f);
    }
  }
}

void build(Model& m, const Pose& p, const Xf& view, bool head_only = false) {
  const Material& near_mat = kCarapace;
  const Material& far_mat = p.side ? kCarapaceFar : kCarapace;
  const Material& far_soft = p.side ? kTissueFar : kTissue;
  const V3 hip{0, 0, 0};
  const V3 sh = shoulders(p);
  const V3 dir = normalised(sh - hip);
  const V3 up{dir.y, -dir.x, 0};  // the back's side of the spine

  m.set_xf(view);
  if (head_only) {
    m.set_xf(view * place(p.neck_end, rot_z(p.head_rot), p.head_scale));
    head(m, p);
    return;
  }

  auto arm = [&](int i) {
    const float s = i == 0 ? 1.0f : -1.0f;
    const Material& mat = i == 0 ? near_mat : far_mat;
    const Material& soft = i == 0 ? kTissue : far_soft;
    V3 root = sh + V3{-5, 8, s * 12 * p.bulk};
    V3 hand = reach(root, root + p.hand[i], 30, 32);
    V3 el = joint(root, hand, 30, 32, {-0.6f, 0.5f, s * 0.6f});
    if (p.bulk > 1) {
      // The shoulder: a ridged plate over a knot of muscle that grows out
      // of the thorax and carries the arm, so the arm is joined to the body
      // rather than hung beside it.
      // A collar bone of plate from the base of the neck out to the joint,
      // a ribbed cord of muscle under it, the joint capped by a plate, and
      // a plated upper arm swelling out of it.
      const V3 neck = sh - up * 4 + V3{2, 0, s * 2};
      m.capsule(neck, root + V3{0, -2, 0}, 4.2f, 4.8f, mat, 3);
      m.capsule(sh + V3{-4, 8, s * 3}, root + V3{0, 3, 0}, 4.5f, 4.0f, soft, 3, 2.6f, 0.7f);
      m.ellipsoid(root + V3{0, -1.5f, s * 1.5f}, {7.0f, 5.5f, 6.0f}, rot_z(p.pitch * 0.5f + 0.4f), kBoneChitin, 2.5f);
      m.capsule(root, lerp3(root, el, 0.7f), 6.2f, 4.0f, mat, 2.5f);
    }
    // Sinewy arms that taper hard: a heavy upper arm swelling into a
    // biceps, a bony elbow, a forearm ridged with rings of plate and
    // corded with tendons, thinning to a narrow wrist.
    m.capsule(root, el, 5.2f * p.bulk, 3.0f * p.bulk, soft, 2.5f, 2.2f, p.stalk ? 0.2f : 0.45f);
    m.ellipsoid(lerp3(root, el, 0.45f) + V3{0, 1.5f, 0}, {9, 4.4f * p.bulk, 4.2f * p.bulk},
                rot_z(std::atan2(el.y - root.y, el.x - root.x)), soft, 2.0f);
    m.capsule(lerp3(root, el, 0.15f) + V3{0, 2.5f, 0}, lerp3(root, el, 0.9f) + V3{0, 1.5f, 0}, 1.6f, 1.3f, soft, 1.5f);
    const float rib = p.stalk ? 0.15f : 0.45f;
    if (p.stalk) {
      // A forearm that swells below the elbow and narrows to the wrist.
      m.capsule(el, hand, 4.3f * p.bulk, 2.1f, mat, 1.5f, 2.4f, rib);
      m.ellipsoid(lerp3(el, hand, 0.3f) + V3{0, 1.0f, 0}, {9, 3.6f * p.bulk, 3.4f * p.bulk},
                  rot_z(std::atan2(hand.y - el.y, hand.x - el.x)), soft, 1.8f);
    } else {
      m.capsule(el, hand, 3.6f * p.bulk, 1.5f, mat, 1.5f, 2.4f, rib);
    }
    m.sphere(el, 4.4f, kBoneChitin, 1.5f);
    m.capsule(el, el + normalised(el - hand) * 9 + V3{0, -2, 0}, 2.6f, 0.3f, mat, 1.2f);
    m.ellipsoid(lerp3(el, hand, 0.22f), {6.5f, 3.2f, 3.0f}, rot_z(std::atan2(hand.y - el.y, hand.x - el.x)), mat, 1.5f);
    // Two tendons standing along the forearm down to the wrist.
    for (int t = -1; t <= 1; t += 2)
      m.capsule(lerp3(el, hand, 0.15f) + V3{0, t * 1.8f, s * 1.2f}, hand + V3{0, t * 0.8f, s * 0.4f}, 1.0f, 0.6f,
                kBoneChitin, 0.6f);
    // The wrist: a small knob of bone, narrower than the hand it carries.
    m.sphere(hand, 2.0f, kBoneChitin, 0.6f);
    // Three long jointed fingers and a thumb set against them, slender,
    // each joint a knuckle and each tip a long dark hooked claw.
    V3 fwd = normalised(hand - el);
    for (int f = 0; f < 4; ++f) {
      const bool thumb = f == 3;
      float spread = thumb ? -1.3f : (f - 1) * 0.7f;
      V3 d1 = normalised(fwd + V3{0, thumb ? 0.9f : 0.2f, s * spread});
      const float len = thumb ? 0.6f : 1.0f;
      V3 k1 = hand + d1 * (12 * len);
      V3 d2 = normalised(d1 + V3{0, p.curl, 0});
      V3 k2 = k1 + d2 * (10 * len);
      V3 d3 = normalised(d2 + V3{0, 0.7f * p.curl + 0.3f, 0});
      m.capsule(hand, k1, 1.6f, 1.1f, mat, 0.5f);
      m.sphere(k1, 1.8f, kBoneChitin, 0.3f);
      m.capsule(k1, k2, 1.15f, 0.9f, mat, 0.3f);
      m.sphere(k2, 1.35f, kBoneChitin, 0.3f);
      m.capsule(k2, k2 + d3 * (12 * len), 1.1f, 0.05f, kClaw, 0.2f);
    }
  };
  auto leg = [&](int i) {
    const float s = i == 0 ? 1.0f : -1.0f;
    const Material& mat = i == 0 ? near_mat : far_mat;
    const Material& soft = i == 0 ? kTissue : far_soft;
    V3 root{0, 3, s * 9};
    V3 toe = p.toe[i];
    V3 ankle = reach(root, toe + p.heel[i], 38, 37);
    V3 knee = joint(root, ankle, 38, 37, {1, -0.2f, 0});
    // A sinewy thigh, as thick as the build, over a bony shin; knobbly knee and ankle, a
    // tendon standing off the back of the shin, the heel spur behind.
    const float th = std::atan2(knee.y - root.y, knee.x - root.x);
    m.capsule(root, knee, 6.5f * p.bulk, 4.0f * p.bulk, mat, 3);
    m.ellipsoid(lerp3(root, knee, 0.35f) + V3{-1.5f, 0, 0}, {10, 4.6f * p.bulk, 4.6f * p.bulk}, rot_z(th), soft, 2.5f);
    // The shin thins from a bony knee to a slender ankle.
    if (p.stalk) {
      // A shin that carries a calf: thick under the knee, tapering into a
      // sinewy ankle, its plate rings shallow.
      m.capsule(knee, ankle, 4.8f * p.bulk, 2.6f, mat, 1.5f, 2.6f, 0.12f);
      const V3 calf_back = normalised(V3{-(ankle.y - knee.y), ankle.x - knee.x, 0}) * -2.4f;
      m.ellipsoid(lerp3(knee, ankle, 0.32f) + calf_back, {10, 4.0f * p.bulk, 3.8f * p.bulk},
                  rot_z(std::atan2(ankle.y - knee.y, ankle.x - knee.x)), soft, 2.0f);
    } else {
      m.capsule(knee, ankle, 4.0f * p.bulk, 1.9f, mat, 1.5f, 2.6f, 0.4f);
    }
    m.sphere(knee, 5.0f, kBoneChitin, 1.5f);
    m.ellipsoid(knee + V3{3, -1, 0}, {3.5f, 5.0f, 3.8f}, rot_z(0.3f), kCrest, 1.0f);
    const V3 back = normalised(V3{-(ankle.y - knee.y), ankle.x - knee.x, 0}) * -3.2f;
    m.capsule(knee + back, ankle + back * 0.5f, 1.3f, 1.0f, soft, 1.2f);
    m.sphere(ankle, 3.4f, kBoneChitin, 1.0f);
    m.capsule(ankle, ankle + V3{-9, -3, 0}, 2.4f, 0.4f, mat, 1.2f);
    m.capsule(ankle, toe, p.stalk ? 3.3f : 2.8f, p.stalk ? 2.3f : 2.0f, mat, 1.5f);
    m.capsule(toe, toe + V3{9, 1, s * 1.0f}, 2.0f, 0.5f, mat, 0.8f);
    m.capsule(toe, toe + V3{6, 1.5f, s * -3.0f}, 1.7f, 0.4f, mat, 0.8f);
  };

  // Far limbs first (their order does not matter to the solid, only to the
  // smooth joins, which stay within each limb).
  arm(1);
  leg(1);

  // Tail: segmented, trailing behind and curling up into a blade.
  {
    const float sw = p.tail_sway, lf = p.tail_lift, bk = p.tail_back;
    V3 pts[] = {{-8, 2, 0},
                {-34 + 4 * bk, 12 + 9 * sw - 10 * lf, -2 - 20 * bk},
                {-56 - 3 * sw + 12 * bk, 24 - 6 * sw - 24 * lf, -4 - 44 * bk},
                {-66 - 2 * sw + 18 * bk, 12 - 11 * sw - 34 * lf + 10 * bk, -3 - 66 * bk},
                {-66 + 2 * sw + 22 * bk, -4 - 15 * sw - 42 * lf + 16 * bk, -2 - 84 * bk}};
    if (p.stalk) {
      // Low behind the legs, swinging from side to side with the stride and
      // its blade hanging toward the deck.
      const V3 low[] = {{-8, 2, 0},
                        {-28, 12 + 3 * sw, -3 - 3 * sw},
                        {-46 - 3 * sw, 22 + 6 * sw, -6 - 8 * sw},
                        {-56 - 4 * sw, 34 + 5 * sw, -6 - 12 * sw},
                        {-62 - 2 * sw, 46 - 2 * sw, -4 - 14 * sw}};
      std::copy(std::begin(low), std::end(low), std::begin(pts));
    }
    float radii[] = {5.5f, 3.8f, 2.8f, 2.0f, 1.3f};
    m.chain(pts, radii, 5, near_mat, 2.5f);
    // Vertebrae along its top, shrinking and crowding toward the tip.
    for (int i = 0; i < 9; ++i) {
      const float t = 0.25f * i * (1.0f - 0.045f * i);
      const int seg = std::min(3, static_cast<int>(t));
      const V3 at = lerp3(pts[seg], pts[seg + 1], t - seg);
      const V3 d = normalised(pts[seg + 1] - pts[seg]);
      const float r = radii[seg] + (radii[seg + 1] - radii[seg]) * (t - seg);
      m.sphere(at + V3{d.y, -d.x, 0} * (r * 0.75f), r * 0.55f * vary(i + 40, 0.25f), kBoneChitin, 0.8f);
    }
    V3 tip = pts[4];
    V3 tdir = normalised(pts[4] - pts[3]);
    m.ellipsoid(tip + tdir * 6, {8, 2.6f, 1.0f}, rot_z(std::atan2(tdir.y, tdir.x)), near_mat, 1.5f);
  }

  // Pelvis, a lean waist, and the ribcage: bony hoops curving down round
  // a dark, sunken core, so the gaps between them fall into shadow.
  m.ellipsoid({0, 0, 0}, {12, 8.5f, 10}, rot_z(p.pitch * 0.5f), near_mat, 0);
  // The pelvis's bony blades flaring over each hip joint.
  for (int s = -1; s <= 1; s += 2)
    m.ellipsoid({2, -3, s * 8.5f}, {8, 4.5f, 3.0f}, rot_z(p.pitch * 0.5f - 0.3f), kBoneChitin, 1.5f);
  const float b = p.bulk;
  m.capsule(hip, lerp3(hip, sh, 0.5f) + up * 2, 6.5f * b, 6.5f * b, far_soft, 4);
  m.capsule(lerp3(hip, sh, 0.4f) - up * 1, sh - up * 2, 8.5f * b, 12.0f * b, far_soft, 4);
  m.ellipsoid(lerp3(hip, sh, 0.86f) - up * 2, {14 * b, 12.5f * b, 15 * b}, rot_z(p.pitch), near_mat, 3);
  // The ribs: bony hoops from the spine round the flank, stopping short of
  // the front, so the chest is not crossed by a row of rounded lobes.
  static const float depth[] = {0.82f, 1.0f, 1.08f, 1.0f, 0.86f, 0.66f};
  static const float place_at[] = {0.90f, 0.80f, 0.715f, 0.62f, 0.535f, 0.44f};
  for (int i = 0; i < 6; ++i) {
    const float t = place_at[i];
    const float size = depth[i] * vary(i + 7, 0.06f) * (1 + (p.bulk - 1) * (0.4f + 0.1f * (5 - i)));
    const V3 top = lerp3(hip, sh, t) + up * 5.5f;
    for (int s = -1; s <= 1; s += 2) {
      if (!p.side || s > 0 || i % 2 == 0) {
        const V3 a = top + V3{0, 0, s * 3.0f};
        const V3 b = top - up * (10 * size) - dir * (2.0f + 0.6f * i) + V3{0, 0, s * 12.5f * size};
        m.capsule(a, b, 2.3f, 0.8f, kBoneChitin, 1.2f);
      }
    }
  }
  // Over the ribs, bands of carapace ringing the chest and the waist, each
  // a thin hard-edged shell a little proud of the body and tipped so its
  // lower edge laps the band below, like a beetle's belly plates; down the
  // front a keel of bone runs over them along the breastbone.
  {
    struct Band {
      float t, up, across;  // place along the spine; the body's half-depth and half-width there
    };
    static const Band bands[] = {
        {0.88f, 12.5f, 15.0f}, {0.79f, 12.0f, 14.2f}, {0.70f, 10.5f, 12.3f}, {0.61f, 9.8f, 9.8f}, {0.52f, 9.2f, 9.2f}};
    for (int i = 0; i < 5; ++i) {
      const Band& bd = bands[i];
      const V3 at = lerp3(hip, sh, bd.t) - up * 2.0f;
      const float proud = 2.8f * vary(i + 90, 0.15f);
      m.ellipsoid(at, {2.3f * b, bd.up * b + proud, bd.across * b + proud * 0.6f}, rot_z(p.pitch + 0.22f), near_mat,
                  0.9f);
    }
    m.capsule(lerp3(hip, sh, 0.92f) - up * (13.4f * b), lerp3(hip, sh, 0.47f) - up * (10.8f * b), 2.8f, 1.8f,
              kBoneChitin, 1.2f);
  }
  // The spine: vertebrae of uneven size from the tail root up the back
  // into the neck, each with a short spur.
  for (int i = 0; i < 9; ++i) {
    const float t = -0.1f + i * 0.14f;
    const V3 at = lerp3(hip, sh, t) + up * (6.5f + 1.5f * vary(i, 1.0f));
    const float r = (3.2f + 0.9f * std::sin(i * 1.7f)) * vary(i + 20, 0.15f);
    m.ellipsoid(at, {r * 1.2f, r, r * 0.9f}, rot_z(p.pitch), kBoneChitin, 1.2f);
    m.capsule(at + up * (r * 0.6f), at + up * (r + 3.5f * vary(i + 30, 0.5f)) - dir * 2.5f, r * 0.45f, 0.4f,
              near_mat, 0.6f);
  }
  // Dorsal tubes standing off the shoulders, each its own size and angle.
  struct Tube {
    float t, length, radius, lean, z;
  };
  static const Tube tubes[] = {
      {0.98f, 34, 3.6f, 0.55f, 5.5f}, {0.86f, 25, 2.6f, 0.75f, -6.0f}, {0.78f, 30, 3.1f, 0.9f, 7.0f},
      {0.64f, 18, 2.2f, 1.15f, -5.0f}, {0.52f, 13, 1.8f, 1.35f, 3.5f}};
  for (const Tube& tb : tubes) {
    const V3 root = lerp3(hip, sh, tb.t) + up * 8 + V3{0, 0, tb.z * 0.6f};
    const V3 tip = root + up * (tb.length * 0.8f) - dir * (tb.length * 0.45f * tb.lean) + V3{0, 0, tb.z * 0.5f};
    const float r = tb.radius * p.bulk;
    m.capsule(root, lerp3(root, tip, 0.55f), r, r * 0.8f, near_mat, 1.5f);
    m.capsule(lerp3(root, tip, 0.55f), tip, r * 0.8f, r * 0.45f, kDome, 0.6f);
  }
  // A sinewy neck, as thick as the build, with a ridge of vertebrae along
  // its top.
  m.capsule(sh, p.neck_end, 6.0f * b, 5.0f * p.head_scale, near_mat, 3);
  m.capsule(sh - up * 2, p.neck_end - up * 1.5f, 3.2f * b, 2.6f * p.head_scale, kTissue, 2);
  const V3 nd = normalised(p.neck_end - sh);
  for (int i = 0; i < 3; ++i) {
    const V3 at = lerp3(sh, p.neck_end, 0.25f + 0.28f * i) + V3{nd.y, -nd.x, 0} * 4.2f;
    m.sphere(at, 2.6f * vary(i + 50, 0.2f), kBoneChitin, 1.0f);
  }

  leg(0);
  arm(0);

  m.set_xf(view * place(p.neck_end, rot_z(p.head_rot), p.head_scale));
  head(m, p);
  m.set_xf(view);
}

// The walking pose for phase -1, 0, +1: a crouched stalk on the toes. At
// each contact the leading foot lands just ahead of the hips with the knee
// still bent, the trailing one pushes off from far behind with its heel
// high, and the hips sink between them; at passing the swinging foot is
// tucked up under the body while the other carries the weight. `bob`
// sinks the hips.
Pose walk_pose(int frame, float& bob) {
  Pose p;
  const float ph = frame == 1 ? -1.0f : frame == 3 ? 1.0f : 0.0f;
  bob = ph == 0 ? -3.0f : 4.0f;
  // Built heavier than the close-up's model and its head drawn larger, so
  // that at this size it reads as the same thick-chested animal: the chest
  // carried high and the head close on a short neck.
  p.bulk = 1.35f;
  p.head_scale = 1.25f;
  p.stalk = true;
  p.pitch = -0.72f - 0.05f * ph;
  p.neck_end = {64, -60 - bob, 0};  // the head stays where the shot mask expects it
  // A leg's place in the stride: +1 leading, -1 trailing, 0 planted under
  // the hips, 2 swinging through. The two contacts differ, so the walk
  // does not flick between two mirror images: on the first the far foot
  // lands flat far ahead and the near one pushes off with its heel high;
  // on the last the near foot lands heel first and the far one has its
  // toe just leaving the deck.
  auto place_leg = [&](int i, float where) {
    const float z = i == 0 ? 9.0f : -9.0f;
    const bool late = ph > 0;
    if (where > 1.5f) {
      p.toe[i] = {44, 52 - bob, z};
      p.heel[i] = {-12, -8, 0};
    } else if (where > 0.5f) {
      p.toe[i] = {late ? 66.0f : 58.0f, (late ? 77.0f : 80.0f) - bob, z};
      p.heel[i] = late ? V3{-18, -12, 0} : V3{-16, -18, 0};
    } else if (where < -0.5f) {
      p.toe[i] = {late ? -30.0f : -40.0f, 80 - bob, z};
      p.heel[i] = late ? V3{-8, -22, 0} : V3{-2, -26, 0};
    } else {
      p.toe[i] = {18, 80 - bob, z};
      p.heel[i] = {-15, -22, 0};
    }
  };
  place_leg(0, ph);
  place_leg(1, ph == 0 ? 2.0f : -ph);
  // The arms swing against the legs.
  p.hand[0] = {34 - 20 * ph, 26 + 4 * ph, 6};
  p.hand[1] = {34 + 20 * ph, 26 - 4 * ph, -6};
  p.tail_sway = -1.15f * ph;
  p.tail_lift = ph < 0 ? 0.2f : ph > 0 ? 0.0f : 0.1f;
  p.jaw = 0.12f + 0.08f * (ph + 1);
  return p;
}

constexpr V3 kWalkHip{76, 108, 0};
// The room's warm light off the deck along the walking body's lower edges.
constexpr float kWalkFloorGlow = 0.9f;

void render_walk(Canvas& c, int frame, bool head_only) {
  float bob;
  Pose p = walk_pose(frame, bob);
  Model m;
  m.set_skin(0.14f, 3.0f);
  build(m, p, place(kWalkHip + V3{0, bob, 0}), head_only);
  model::RenderOptions o = sprite_options();
  o.floor_glow = kWalkFloorGlow;
  model::render(m, c, o);
}

std::vector<uint8_t> walk_mask(int frame, bool head_only) {
  float bob;
  Pose p = walk_pose(frame, bob);
  Model m;
  m.set_skin(0.14f, 3.0f);
  build(m, p, place(kWalkHip + V3{0, bob, 0}), head_only);
  return model::coverage(m, kWarriorWalk.w, kWarriorWalk.h, 2);
}

// The lunge's and the fall's build, leaner than the roaming frames' (which
// are thickened to read at their small size).
constexpr float kNearBulk = 1.05f;

// The three-quarter view of the lunge: the head's middle lands on the
// frames' shared handle.
constexpr Pt kFrontHandle{kWarriorAttack.w / 2.0, 63};
constexpr V3 kHandle{static_cast<float>(kFrontHandle.x), static_cast<float>(kFrontHandle.y), 0};
constexpr float kYaw = -0.85f;
// The lunge turns further round, so that the jaws come at the viewer and
// the arms reach out to both sides, but not so far that the long skull
// foreshortens into a round knob.
constexpr float kLungeYaw = -0.95f;
// Pitched forward it stands lower than it rears, so it is drawn larger.
constexpr float kLungeScale = 3.3f;
constexpr float kFrontScale = 2.75f;

// The row the dying warrior's feet (and then its body) rest on.
constexpr float kDeathFloor = kWarriorAttack.h - 1;

Xf front_view(const Pose& p, float dx, float dy, float roll, float yaw = kYaw, float scale = kFrontScale) {
  // Where the middle of the skull is, body-local.
  V3 head_mid = p.neck_end + V3{8, -10, 0};
  Xf turn = place({0, 0, 0}, rot_z(roll) * rot_y(yaw), scale);
  V3 at = turn.point(head_mid);
  return place({static_cast<float>(kFrontHandle.x) - at.x + dx, static_cast<float>(kFrontHandle.y) + 12 - at.y + dy, 0},
               turn.r, scale);
}

Pose rearing_pose(float strike) {
  Pose p;
  p.side = false;
  // Seen this near, the roaming build reads heavy: a leaner chest and
  // limbs keep the lunge the same thin animal that stalks the rooms.
  p.bulk = kNearBulk;
  // Pitched forward at the viewer, low on bent legs; the strike throws the
  // body further forward and the head out ahead of it, jaws first.
  p.pitch = -0.72f + 0.22f * strike;
  V3 sh = shoulders(p);
  p.neck_end = sh + V3{28 + 18 * strike, -4 + 6 * strike, 0};
  p.head_rot = 0.1f + 0.15f * strike;
  p.jaw = 0.65f + 0.35f * strike;
  p.inner = strike;
  // Arms reaching forward and out to either side, claws spread open, then
  // swept in toward the viewer as it strikes.
  p.hand[0] = lerp3(V3{30, 12, 40}, V3{54, 8, 28}, strike);
  p.hand[1] = lerp3(V3{30, 12, -40}, V3{54, 8, -28}, strike);
  p.curl = 0.1f + 0.25f * strike;
  p.toe[0] = {30, 66, 24};
  p.toe[1] = {22, 66, -24};
  // The tail sweeps away behind the body, low, so it shows only as a curve
  // between the legs instead of a pole standing at the frame's side.
  p.tail_lift = -0.4f;
  p.tail_sway = 0.2f;
  p.tail_back = 1.0f;
  return p;
}

// The light on the lunge and the fall: drawn large, the cool rims and the
// gloss cover more of the body than on the small roaming frames, which
// turns it bluer, paler and plastic; toned down to the roaming frames'
// value and hue.
void near_light(model::RenderOptions& o) {
  o.exposure = 0.80f;
  o.rim_b = 0.62f;
  o.top_rim = 1.8f;
}

Bytes finish(Canvas& c, const char* what) {
  if (what) require_clear_edges(c, what);
  return c.png();
}

}  // namespace

Bytes warrior_walk(int frame) {
  Canvas c(kWarriorWalk.w, kWarriorWalk.h);
  render_walk(c, frame, false);
  contact_shadow(c, {7, 16, 0.85f, 0.45f, 5});
  return finish(c, "alien walk");
}

Bytes warrior_head() {
  // The head as every walk frame shows it: rendered alone, kept only where
  // all three walk frames are solid, so a shot that hits it hits the warrior.
  Canvas full(kWarriorWalk.w, kWarriorWalk.h);
  render_walk(full, 2, false);
  std::vector<uint8_t> head = walk_mask(2, true);
  std::vector<uint8_t> all[3] = {walk_mask(1, false), walk_mask(2, false), walk_mask(3, false)};
  Canvas c(kWarriorHead.w, kWarriorHead.h);
  for (int y = 0; y < kWarriorHead.h; ++y)
    for (int x = 0; x < kWarriorHead.w; ++x) {
      int fx = x + kHeadOffsetX, fy = y + kHeadOffsetY;
      if (fx >= kWarriorWalk.w || fy >= kWarriorWalk.h) continue;
      size_t i = static_cast<size_t>(fy) * kWarriorWalk.w + fx;
      uint8_t px[4];
      full.get_pixel(fx, fy, px);
      // Kept one pixel inside every walk frame's outline, so the edge
      // pixels that the frames' own filtering may drop stay out of it.
      bool inside = head[i] && px[3] >= 128;
      for (int dy = -1; dy <= 1 && inside; ++dy)
        for (int dx = -1; dx <= 1 && inside; ++dx) {
          const int nx = fx + dx, ny = fy + dy;
          if (nx < 0 || ny < 0 || nx >= kWarriorWalk.w || ny >= kWarriorWalk.h) continue;
          const size_t j = static_cast<size_t>(ny) * kWarriorWalk.w + nx;
          inside = all[0][j] && all[1][j] && all[2][j];
        }
      if (!inside) continue;
      px[3] = 255;
      c.set_pixel(x, y, px);
    }
  return c.png();
}

Bytes warrior_attack(int frame) {
  Canvas c(kWarriorAttack.w, kWarriorAttack.h);
  const float strike = frame == 1 ? 0.0f : 1.0f;
  Pose p = rearing_pose(strike);
  // Turned further round than the fall, the tail needs less of a swing to
  // stay behind the body.
  p.tail_back = 0.45f;
  Model m;
  m.set_skin(0.14f, 3.0f);
  auto make = [&](Model& mm, const Xf& v) { build(mm, p, v); };
  build(m, p, fit(make, front_view(p, 0, strike * 4, 0, kLungeYaw, kLungeScale), kWarriorAttack.w, kWarriorAttack.h, kHandle));
  // Drawn this large, three samples a side keep its edges smooth.
  model::RenderOptions o = sprite_options();
  o.supersample = 3;
  near_light(o);
  model::render(m, c, o);
  finish_for_magnifying(c);
  // Drawn up to 1.4 times its size through a bilinear filter: crisped
  // here so the ribs and teeth keep their edges when blown up.
  sharpen_for_magnifying(c, 1.1f, 1.3f);
  return finish(c, "alien attack");
}

Bytes warrior_death(int frame) {
  Canvas c(kWarriorAttack.w, kWarriorAttack.h);
  const int i = frame - 1;
  const float t = i / 4.0f;  // 0..1 through the collapse
  Pose p = rearing_pose(0);
  // From the lunge's crouch it only ever sinks: jolted back with the head
  // thrown up, then the knees buckle, the spine tips forward and the body
  // folds down onto the deck, arms sprawling to break the fall.
  constexpr float kPitch[5] = {-1.0f, -0.8f, -0.45f, -0.15f, 0.0f};
  constexpr float kHead[5] = {-0.75f, -0.35f, 0.1f, 0.3f, 0.2f};
  // How far the feet are below the hip: the lunge stands at 66.
  constexpr float kLegs[5] = {58, 42, 28, 16, 6};
  p.pitch = kPitch[i];
  p.head_rot = kHead[i];
  p.jaw = frame <= 2 ? 1.0f : 0.6f;
  p.inner = frame == 1 ? 0.4f : 0.0f;
  V3 sh = shoulders(p);
  p.neck_end = sh + lerp3(V3{12, -22, 0}, V3{26, 6, 0}, t);
  // Flung up and back by the hit, then dropping to the floor either side.
  p.hand[0] = lerp3(V3{-6, -36, 36}, V3{44, kLegs[i] + 4, 34}, t);
  p.hand[1] = lerp3(V3{-6, -36, -36}, V3{52, kLegs[i] + 4, -30}, t);
  p.curl = 0.8f;
  // Buckling, the feet stay put while the hip drops toward them, so the
  // knees splay out to the sides.
  p.toe[0] = {26 + 10 * t, kLegs[i], 22 + 12 * t};
  p.toe[1] = {18 + 12 * t, kLegs[i], -22 - 10 * t};
  p.tail_lift = 0.5f - 0.6f * t;
  p.drool = frame <= 2;
  Model m;
  m.set_skin(0.14f, 3.0f);
  // Each frame stands on the same floor row as the lunge, however low it
  // has sunk, toppling a little further over to its side as it goes.
  constexpr float kRoll[5] = {0, 0.04f, 0.09f, 0.1f, 0.04f};
  Xf view = front_view(p, 30 * t, 0, kRoll[i]);
  {
    // One coarse probe, with room round the frame, finds where the body
    // lies: it is moved down onto the floor row, then shrunk about its feet
    // if it reaches past a side or the top.
    constexpr int kPad = 200;
    const int w = kWarriorAttack.w + 2 * kPad, h = kWarriorAttack.h + 2 * kPad;
    Model probe;
    build(probe, p, place({kPad, kPad, 0}) * view);
    const std::vector<uint8_t> cov = model::coverage(probe, w, h, 1);
    int minx = w, maxx = -1, miny = h, maxy = -1;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (cov[static_cast<size_t>(y) * w + x])
          minx = std::min(minx, x), maxx = std::max(maxx, x), miny = std::min(miny, y), maxy = std::max(maxy, y);
    const float drop = kDeathFloor - (maxy - kPad);
    view = place({0, drop, 0}) * view;
    const V3 feet{static_cast<float>(kFrontHandle.x), kDeathFloor, 0};
    const float left = minx - kPad, right = maxx - kPad, top = miny - kPad + drop, margin = 3;
    float s = 1;
    if (left < margin) s = std::min(s, (feet.x - margin) / (feet.x - left));
    if (right > kWarriorAttack.w - 1 - margin) s = std::min(s, (kWarriorAttack.w - 1 - margin - feet.x) / (right - feet.x));
    if (top < margin) s = std::min(s, (feet.y - margin) / (feet.y - top));
    if (s < 1) view = place(feet * (1 - s * 0.985f), {}, s * 0.985f) * view;
  }
  build(m, p, view);
  // Acid from the wounds pooling on the deck under the body as it comes
  // down, spreading in the last two frames; drawn first so the body lies
  // in it.
  const V3 hips = view.point({0, 0, 0});
  const V3 head_at = view.point(p.neck_end);
  death_pool(c.cr(), 0.35 * hips.x + 0.65 * head_at.x, kDeathFloor, 170, 973, t, 0.7);
  // Three samples a side, as the lunge it falls from: as smooth at this
  // size, at about half the cost of four.
  model::RenderOptions o = sprite_options();
  o.supersample = 3;
  near_light(o);
  model::render(m, c, o);
  // The shot's hole in the head, eaten wider as it falls, and a second
  // through the chest from the next frame on; both ride on the body.
  cairo_t* cr = c.cr();
  V3 wound = view.point(p.neck_end + V3{14, -6, 0});
  V3 chest = view.point(shoulders(p) + V3{0, 10, 0});
  // Its plate torn open, the spray left behind as it sinks.
  const WoundShape torn{WoundKind::torn_chitin, 0, {4, 18}};
  if (frame >= 2) death_wound(cr, {chest.x + 8, chest.y - 12}, 24, 940, (frame - 2) / 3.0, kDeathFloor, torn);
  death_wound(cr, {wound.x, wound.y}, 30, 900, t, kDeathFloor, torn);
  return finish(c, "alien death");
}

Bytes warrior_corpse(int frame) {
  Canvas c(kWarriorCorpse.w, kWarriorCorpse.h);
  // Shot while roaming, seen from the side: at once it buckles, head
  // thrown back and knees giving; it pitches forward onto its knees, and
  // lies flat on the deck, legs folded under it, arms curled in and the
  // head lolling down onto the floor.
  struct Fall {
    float pitch, head_rot, neck_dx, neck_dy, jaw, toe_x, toe_y, hand_x, hand_y, tail, roll;
  };
  static const Fall falls[] = {
      {-1.10f, -1.00f, 2, -22, 1.0f, 34, 58, 8, -34, 0.8f, -0.14f},
      {-0.50f, -0.15f, 18, -14, 0.9f, 10, 34, 38, 34, 0.3f, 0.10f},
      {0.04f, 0.30f, 24, 4, 0.6f, -22, 14, 34, 14, -0.4f, 0.06f},
      {0.10f, 0.45f, 24, 8, 0.4f, -32, 8, 26, 12, -0.9f, 0.04f},
  };
  const Fall& f = falls[frame - 1];
  Pose p;
  p.pitch = f.pitch;
  p.neck_end = shoulders(p) + V3{f.neck_dx, f.neck_dy, 0};
  p.head_rot = f.head_rot;
  p.jaw = f.jaw;
  p.drool = false;
  p.hand[0] = {f.hand_x, f.hand_y, 12};
  p.hand[1] = {f.hand_x - 14, f.hand_y + 4, -12};
  p.curl = 1.0f;
  p.toe[0] = {f.toe_x, f.toe_y, 10};
  p.toe[1] = {f.toe_x + 16, f.toe_y - 2, -10};
  // Down on the deck the feet lie flat behind the folded knees.
  if (frame >= 3) p.heel[0] = p.heel[1] = {16, -3, 0};
  p.tail_sway = f.tail;
  p.tail_lift = frame == 4 ? -0.75f : frame == 3 ? -0.55f : 0.0f;
  // Keep the lowest point on the floor line (10 px above the cell's foot).
  const float floor_y = kWarriorCorpse.h - 10.0f;
  const float x = 128 - 10.0f * frame;
  Model probe;
  build(probe, p, place({x, 100, 0}, rot_z(f.roll), 1));
  const float drop = floor_y - 1 - lowest_solid_row(probe, kWarriorCorpse.w, kWarriorCorpse.h + 200);
  const Xf view = place({x, 100 + drop, 0}, rot_z(f.roll), 1);
  Model m;
  m.set_skin(0.14f, 3.0f);
  build(m, p, view);
  cairo_t* cr = c.cr();
  if (frame >= 3) acid_pool(cr, x + 70, floor_y - 2, 30 + 20 * frame, 6 + 2 * frame, 73, frame);
  model::render(m, c, sprite_options());
  V3 h = view.point(p.neck_end + V3{12, -6, 0});
  if (frame == 1) acid_splash(cr, {h.x, h.y}, 20, 81, 0.7);
  acid_wound(cr, {h.x, h.y}, 5.5, 80 + frame, frame <= 2 ? 1.0 : 0.3);
  cut_as_drawn(c);
  return finish(c, "alien corpse");
}

}  // namespace contentgen::creatures
