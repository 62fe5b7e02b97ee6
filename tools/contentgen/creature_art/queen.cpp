// The queen: huge and crested, with two pairs of arms, modelled as one
// solid body and posed per frame. The room band starts 55 rows below the
// top of her roaming frames, so she stands inside the rows that show; in
// her lunge the crown sits on the frames' shared handle and the face below
// it, where it stays in view as she rises at the viewer.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

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

constexpr float kSpine = 92;

V3 shoulders(const QPose& p) { return {kSpine * std::cos(p.pitch), kSpine * std::sin(p.pitch), 0}; }

// The head and its crown: origin at the neck joint, snout toward +x.
// The crest's plates: ridged like the crown's chitin, their shine duller so
// the fan reads by its ridges rather than as a spray of highlights.
constexpr Material kFan{0.085f, 0.095f, 0.125f, 0.9f, 50, 0.8f, 0, 0.45f, 10.0f, 0.45f, 0.3f};

static void head(Model& m, const QPose& p) {
  const Material& c = kCarapace;
  // The crest: a fan of long ridged plates spread from the back of the
  // skull, from straight up round to straight back, with wet membrane
  // webbed between them so the fan reads as one sweeping shield more than
  // twice the skull's length across. Each plate has a raised keel down its
  // middle and a knobbed, scalloped end; the plates overlap like shingles,
  // the upper ones over the lower.
  {
    const V3 root{-12, -14, 0};
    constexpr int kPlates = 7;
    for (int i = 0; i < kPlates; ++i) {
      const float t = static_cast<float>(i) / (kPlates - 1);
      const float a = -2.55f - 0.95f * t;  // back and up, round to back and a little down
      const V3 d{std::cos(a), std::sin(a), 0};
      const float length = (80 + 50 * std::sin(t * 2.6f) - 20 * t) * p.crest_reach;
      const float z = 1.5f * (kPlates - i);
      const V3 mid = root + d * (length * 0.52f) + V3{0, 0, z};
      m.ellipsoid(mid, {length * 0.52f, 11.0f + 2 * t, 4.5f}, rot_z(a), kFan, 3);
      // The keel, catching the light along the plate.
      m.capsule(root + d * 10 + V3{0, 0, z + 3.5f}, root + d * (length * 0.95f) + V3{0, 0, z + 2}, 3.0f, 1.4f,
                kFan, 2);
      if (i + 1 < kPlates) {
        // Membrane webbed to the next plate, set back under both.
        const float a2 = a - 0.95f / (kPlates - 1) * 0.5f;
        const V3 d2{std::cos(a2), std::sin(a2), 0};
        m.ellipsoid(root + d2 * (length * 0.45f) + V3{0, 0, z - 2.5f}, {length * 0.45f, 10, 2.5f}, rot_z(a2),
                    kMembrane, 2);
      }
    }
    // The fan's root swells into the skull as a heavy ridged collar.
    m.ellipsoid(root + V3{-4, -4, 0}, {22, 16, 15}, rot_z(-0.6f), kCrown, 6);
  }
  // Long skull under the crown, and the face.
  m.ellipsoid({6, -4, 0}, {34, 13, 14}, rot_z(0.30f), c, 5);
  m.ellipsoid({34, 4, 0}, {20, 9, 10}, rot_z(0.28f), c, 7);
  for (int s = -1; s <= 1; s += 2) m.capsule({16, 2, s * 9.5f}, {42, 8, s * 6.5f}, 2.0f, 1.4f, c, 2);
  // Mouth, teeth and the hinged jaw.
  const float open = 0.1f + 0.6f * p.jaw;
  m.ellipsoid({34, 12 + 5 * p.jaw, 0}, {17, 3 + 7 * p.jaw, 7}, rot_z(0.25f + open * 0.5f), kMouth, 1.5f);
  for (int i = 0; i < 8; ++i) {
    float x = 24 + i * 3.6f, y = 10 + i * 1.0f;
    for (int s = -1; s <= 1; s += 2) m.capsule({x, y, s * 5.8f}, {x + 0.6f, y + 5, s * 5.6f}, 1.4f, 0.3f, kTooth);
  }
  Xf keep = m.xf();
  m.set_xf(keep * place({12, 9, 0}, rot_z(0.25f + open)));
  m.capsule({0, 0, 0}, {34, 2, 0}, 6.5f, 3.5f, c, 1.5f);
  for (int i = 0; i < 7; ++i) {
    float x = 12 + i * 3.4f;
    for (int s = -1; s <= 1; s += 2) m.capsule({x, -1, s * 5.0f}, {x + 0.5f, -5, s * 4.8f}, 1.2f, 0.2f, kTooth);
  }
  m.set_xf(keep);
  if (p.inner > 0) {
    V3 base{16, 12, 0}, tip{26 + 30 * p.inner, 14 + 8 * p.jaw, 0};
    m.capsule(base, tip, 3.6f, 4.0f, c, 1, 2.4f, 0.5f);
    m.ellipsoid(tip + V3{2, 0, 0}, {5, 4, 4.2f}, {}, c, 1.5f);
  }
  if (p.drool) {
    drool(m, {40, 16 + 9 * p.jaw, 4}, 12 + 12 * p.jaw, 1.2f, 0.9f);
    drool(m, {28, 16 + 7 * p.jaw, -4}, 8 + 8 * p.jaw, -1.0f, 0.7f);
    if (p.jaw > 0.4f) strand(m, {34, 13, 3}, {34, 16 + 16 * p.jaw, 3}, 2, 0.55f);
  }
}

void build(Model& m, const QPose& p, const Xf& view) {
  const Material& far_mat = p.side ? kCarapaceFar : kCarapace;
  const Material& far_soft = p.side ? kTissueFar : kTissue;
  const V3 sh = shoulders(p);
  const V3 dir = normalised(sh);
  const V3 up{dir.y, -dir.x, 0};
  m.set_xf(view);

  auto arm = [&](int i, bool great) {
    const float s = i == 0 ? 1.0f : -1.0f;
    const Material& mat = i == 0 ? kCarapace : far_mat;
    const Material& soft = i == 0 ? kTissue : far_soft;
    const float l1 = great ? 50 : 40, l2 = great ? 54 : 42, r = great ? 10.0f : 8.5f;
    V3 root = great ? sh + V3{-6, 10, s * 26} : lerp3(V3{}, sh, 0.55f) + V3{18, 20, s * 20};
    V3 target = root + (great ? p.hand[i] : p.small[i]);
    V3 hand = reach(root, target, l1, l2);
    V3 el = joint(root, hand, l1, l2, {-0.6f, 0.5f, s * 0.6f});
    m.capsule(root, el, r, r * 0.7f, soft, 3, r * 0.5f, r * 0.08f);
    m.ellipsoid(lerp3(el, hand, 0.35f), {l2 * 0.3f, r * 0.6f, r * 0.6f},
                rot_z(std::atan2(hand.y - el.y, hand.x - el.x)), mat, 3);
    m.capsule(el, hand, r * 0.7f, r * 0.5f, mat, 2);
    m.sphere(el, r * 0.75f, i == 0 ? kMembrane : mat, 2);
    V3 fwd = normalised(hand - el);
    for (int f = 0; f < 3; ++f) {
      float spread = (f - 1) * 0.45f;
      V3 d1 = normalised(fwd + V3{0, 0.2f, s * spread});
      V3 k1 = hand + d1 * (great ? 16.0f : 9.0f);
      V3 d2 = normalised(d1 + V3{0, p.curl, 0});
      V3 tip = k1 + d2 * (great ? 15.0f : 8.0f);
      m.capsule(hand, k1, r * 0.38f, r * 0.28f, mat, 1.5f);
      m.capsule(k1, tip, r * 0.28f, 0.5f, mat, 0.8f);
    }
  };
  auto leg = [&](int i) {
    const float s = i == 0 ? 1.0f : -1.0f;
    const Material& mat = i == 0 ? kCarapace : far_mat;
    const Material& soft = i == 0 ? kTissue : far_soft;
    V3 root{0, 4, s * 16};
    V3 toe = p.toe[i];
    V3 ankle = reach(root, toe + p.heel[i], 58, 54);
    V3 knee = joint(root, ankle, 58, 54, {1, -0.2f, 0});
    // The thigh soft, ribbed muscle; the shin and calf plated.
    m.capsule(root, knee, 21, 13, soft, 5, 6.0f, 0.9f);
    m.ellipsoid(lerp3(root, knee, 0.4f), {27, 13, 14}, rot_z(std::atan2(knee.y - root.y, knee.x - root.x)), soft, 5);
    m.capsule(knee, ankle, 13, 9, mat, 3, 8, 0.5f);
    // The calf swells behind the shin.
    m.ellipsoid(lerp3(knee, ankle, 0.35f) + V3{-4, 0, 0}, {17, 10, 10},
                rot_z(std::atan2(ankle.y - knee.y, ankle.x - knee.x)), mat, 3);
    m.sphere(knee, 13.5f, i == 0 ? kMembrane : mat, 2);
    m.capsule(ankle, toe, 8.5f, 5.5f, mat, 2);
    m.capsule(toe, toe + V3{16, 1, s * 2}, 5.0f, 1.2f, mat, 1.5f);
    m.capsule(toe, toe + V3{10, 2, -s * 6}, 4.4f, 1.0f, mat, 1.5f);
  };

  arm(1, true);
  arm(1, false);
  leg(1);
  // The tail: thick, long, plated, trailing along the floor behind her.
  {
    const float sw = p.tail_sway;
    V3 pts[] = {{-20, 2, 0},           {-62, 26 + 8 * sw, -6},  {-104, 56 - 4 * sw, -10},
                {-146, 80 + 4 * sw, -8}, {-186, 94, -4 + 20 * sw}, {-222, 98 - 4 * sw, 30 * sw},
                {-252, 92 - 6 * sw, 44 * sw}};
    float radii[] = {18, 13, 9.5f, 7.0f, 5.0f, 3.4f, 2.0f};
    const M3 swing = rot_z(p.tail_turn);
    for (V3& q : pts) q = pts[0] + swing.apply((q - pts[0]) * p.tail_len);
    m.chain(pts, radii, 7, kCarapace, 4, 6.0f, 1.1f);
    m.ellipsoid(pts[6] + V3{-8, -9, 0}, {15, 4, 1.8f}, rot_z(1.0f), kCarapace, 2);
  }
  // The pelvis plated like the tail it becomes, the heavy thorax in ribbed
  // chitin bands under a plated chest, and the egg-heavy abdomen.
  m.ellipsoid({-8, 2, 0}, {30, 14, 18}, rot_z(0.25f), kCarapace, 4);
  m.capsule({0, 0, 0}, lerp3({}, sh, 0.5f) + up * 3, 14, 17, kCarapace, 8, 6.5f, 1.2f);
  m.capsule(lerp3({}, sh, 0.3f) - up * 4, sh - up * 2, 28, 35, kCarapace, 10, 7.0f, 2.0f);
  m.ellipsoid(lerp3({}, sh, 0.70f) - up * 4, {48, 30, 38}, rot_z(p.pitch), kCarapace, 8);
  // Chitin plates over the back of the thorax, overlapping like shingles.
  for (int i = 0; i < 3; ++i)
    m.ellipsoid(lerp3({}, sh, 0.45f + 0.2f * i) + up * (22 + 3.0f * i), {20, 9, 26}, rot_z(p.pitch + 0.25f), kCrown, 4);
  // The keel of the breastplate, jutting under the great arms.
  m.ellipsoid(lerp3({}, sh, 0.62f) - up * 26, {30, 12, 16}, rot_z(p.pitch), kCrown, 6);
  // Dorsal spines along the back.
  for (int i = 0; i < 5; ++i) {
    float t = 1.0f - i * 0.17f;
    V3 base = lerp3({}, sh, t) + up * 16;
    for (int s = -1; s <= 1; s += 2) {
      V3 tip = base + up * (34 - i * 4.0f) - dir * (18 + i * 2.0f) + V3{0, 0, s * 12.0f};
      m.capsule(base + V3{0, 0, s * 6.0f}, tip, 6.0f, 1.0f, kCarapace, 3);
    }
  }
  m.capsule(sh, p.neck_end, 13, 10, kTissue, 6, 5.0f, 1.0f);
  leg(0);
  arm(0, false);
  arm(0, true);
  m.set_xf(view * place(p.neck_end, rot_z(p.head_rot) * rot_y(p.head_yaw)));
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
  p.neck_end = shoulders(p) + V3{40 + 5 * ph, -16 + (contact ? 4.0f : -2.0f), 0};
  p.head_rot = ph < 0 ? 0.12f : ph > 0 ? 0.40f : 0.24f;
  p.head_yaw = -0.3f;
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
  p.tail_len = 0.62f;
  p.jaw = 0.2f + 0.15f * (ph + 1);
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
  const V3 skull = turn.point(place(p.neck_end, rot_z(p.head_rot)).point({14, -2, 0}));
  return place({static_cast<float>(kFrontHandle.x) - skull.x, row - skull.y, 0}, turn.r, scale);
}

static Xf front_view(const QPose& p, float dx, float dy, float roll, float scale) {
  // The point of the crown that lands on the handle, body-local.
  Xf head = place(p.neck_end, rot_z(p.head_rot));
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
  p.crest_reach = 0.75f;
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
    float k = 1;
    const V3 feet{kHipX, static_cast<float>(kQueenWalk.h - 1), 0};
    for (int f = 0; f < 3; ++f) {
      const QPose p = walk_pose(f + 1);
      Model probe;
      build(probe, p, place({kHipX, 150, 0}, {}, kWalkScale));
      const int low = lowest_solid_row(probe, kQueenWalk.w, kQueenWalk.h + 200);
      stand[f] = place({kHipX, 150 + static_cast<float>(kQueenWalk.h - 1 - low), 0}, {}, kWalkScale);
      auto make = [&](Model& m, const Xf& v) { build(m, p, v); };
      const Xf fitted = fit(make, stand[f], kQueenWalk.w, kQueenWalk.h, feet, kHiddenRows + 2);
      k = std::min(k, fitted.s / stand[f].s);
    }
    for (Xf& v : stand) v = place(feet * (1 - k), {}, k) * v;
    return stand;
  }();
  return views;
}

Bytes queen_walk(int frame) {
  Canvas c(kQueenWalk.w, kQueenWalk.h);
  Model m;
  m.set_skin(0.18f, 3.5f);
  build(m, walk_pose(frame), walk_views()[static_cast<size_t>(frame - 1)]);
  model::render(m, c, render_options());
  return finish(c, "queen walk");
}

Bytes queen_attack(int frame) {
  Canvas c(kQueenAttack.w, kQueenAttack.h);
  const float strike = frame == 2 ? 1.0f : 0.0f;
  QPose p = lunge_pose(strike);
  Model m;
  m.set_skin(0.18f, 3.5f);
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
  const V3 middle{kHandle.x, kFaceRow, 0};
  view = fit(make, view, kQueenAttack.w, kQueenAttack.h, middle);
  build(m, p, view);
  model::render(m, c, render_options());
  finish_for_magnifying(c);
  return finish(c, "queen attack");
}

}  // namespace contentgen::creatures
