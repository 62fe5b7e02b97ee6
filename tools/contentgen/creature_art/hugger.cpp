// The hugger: a pale, bony, hand-like body on eight long jointed fingers
// with a long whip of a tail, modelled once and posed per frame. Roaming it
// scuttles low along the floor (side view); leaping at the viewer it shows
// its underside with the fingers spread to grab, the tail trailing behind.
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
using model::rot_x;
using model::rot_y;
using model::rot_z;

// The hugger's pale shell reads in the dark without the top light the
// black creatures carry; on it that light would only wash the body out.
model::RenderOptions hugger_options() {
  model::RenderOptions o = sprite_options();
  o.top_rim = 0;
  return o;
}

// Body-local: origin at the middle of the body, front toward +x, back up
// (-y), +z toward the side-view viewer.
struct HPose {
  float phase = 0;     // walk -1, 0, +1
  float spread = 0;    // 0 standing on the fingers, 1 flung wide to grab
  float curl = 0;      // fingertips curling in (grab or death)
  float tail_curl = 0; // tail coiling
  float tail_sway = 0;
  bool coil = false;   // tail wound up behind (scuttling)
  bool side = true;
  // Roaming, the animal is seen small on the floor, a little from above: a
  // small pale palm on eight long fingers spread wide round it, lighter
  // flesh on top, so it reads as a hand scuttling rather than an insect.
  bool roaming = false;
};

// Pale, faintly translucent flesh; the knuckles and the creases between the
// belly's ribs darker; the soft underside pinker and wetter.
// The sac and fingers are soft tissue: a broad sheen and warm light through
// the thin parts. The dorsal shell is hard chitin with close sharp ridges
// and a small hard highlight; the belly and gill flaps are wet membrane
// whose highlight breaks into runs.
// Its shine is tight and its skin finely wrinkled, so that drawn large it
// stays crisp: sharp highlights on the knuckles and ribs, not a soft glow.
constexpr Material kFlesh{0.78f, 0.65f, 0.53f, 1.15f, 85,   1.1f, 0, 0.14f, 4.0f, 0.2f,
                          0.35f, 0.5f,  0.95f, 0.55f, 0.38f, 0,   0.22f};
constexpr Material kFleshFar{0.56f, 0.46f, 0.38f, 0.55f, 34, 0.9f, 0, 0,     5.0f, 0.35f,
                             0.2f,  0.35f, 0.95f, 0.55f, 0.38f, 0, 0.55f};
constexpr Material kKnuckle{0.50f, 0.38f, 0.30f, 0.9f, 40, 0.8f, 0, 0.35f, 3.0f, 0.3f, 0.25f, 0};
constexpr Material kBelly{0.62f, 0.40f, 0.36f, 1.9f, 120, 0.9f, 0, 0, 6, 0, 0.3f, 0.7f, 0.95f, 0.55f, 0.38f, 0.9f, 0};
constexpr Material kPlate{0.60f, 0.51f, 0.40f, 1.3f, 110, 1.1f, 0, 0.5f, 3.6f, 0.5f, 0.12f, 0.1f};
constexpr Material kCrease{0.22f, 0.12f, 0.11f, 0.5f, 20, 0.3f, 0};
// The roaming animal's flesh: the close-up's pale flesh, a touch warmer and
// less mottled so it holds together at its small size, with dark knuckles
// that mark each joint and a back of the same pale plate, so it reads as
// the pale hand-like thing that leaps rather than a brown bug.
constexpr Material kFleshSmall{0.54f, 0.45f, 0.37f, 0.9f, 34, 1.2f, 0, 0,    5.0f, 0.35f,
                               0.2f,  0.45f, 0.95f, 0.55f, 0.38f, 0, 0.5f};
constexpr Material kFleshSmallFar{0.40f, 0.32f, 0.26f, 0.6f, 34, 1.0f, 0, 0,     5.0f, 0.35f,
                                  0.15f, 0.3f,  0.95f, 0.55f, 0.38f, 0, 0.5f};
constexpr Material kKnuckleSmall{0.24f, 0.15f, 0.12f, 0.9f, 40, 0.9f, 0, 0.35f, 3.0f, 0.3f, 0.25f, 0};
constexpr Material kPlateSmall{0.50f, 0.43f, 0.36f, 1.4f, 110, 1.3f, 0, 0.4f, 3.6f, 0.5f, 0.12f, 0.1f};

// The roaming stance: the knees' arch, how far below the body's middle the
// fingers plant, and how steeply their last bones reach down to the deck.
constexpr float kRoamArch = 0.55f;
constexpr float kRoamLift = 15.0f;
constexpr float kRoamPress = 1.0f;

void build(Model& m, const HPose& p, const Xf& view) {
  m.set_xf(view);
  const Material& flesh = p.roaming ? kFleshSmall : kFlesh;
  const Material& flesh_far = p.roaming ? kFleshSmallFar : kFleshFar;
  const Material& knuckle_mat = p.roaming ? kKnuckleSmall : kKnuckle;
  const Material& plate = p.roaming ? kPlateSmall : kPlate;
  const float body = p.roaming ? 1.05f : 1.0f;  // the sac's size
  // How high the knees rise over the back. Roaming, they arch over a body
  // carried clear of the deck, so it reads as standing on its fingers.
  const float arch = p.roaming ? kRoamArch : 1.0f;
  // Roaming, the fingers are longer than the palm-body is wide, so that
  // seen small it reads as a hand walking on its fingertips.
  const float bone = p.roaming ? 1.3f : 1.0f;
  // Tail first: a ribbed whip from under the rump. Scuttling, it is
  // wound into a coil behind the body; flung at a face it trails and
  // sways, curling as it dies.
  {
    constexpr int kN = 12;
    V3 pts[kN];
    float radii[kN];
    for (int i = 0; i < kN; ++i) {
      const float t = i / (kN - 1.0f);
      if (p.coil) {
        // Back along the floor, then round in a shrinking spiral.
        const float u = std::max(0.0f, (t - 0.25f) / 0.75f);
        const float th = 1.5708f + 5.6f * u + 0.5f * p.tail_sway;
        const float r = 8.5f - 5.5f * u;
        const V3 c{-40, 0, 0};
        pts[i] = t < 0.25f ? lerp3(V3{-20, 4, 0}, c + V3{0, 8.5f, 0}, t / 0.25f)
                           : c + V3{r * std::cos(th) * 1.15f, r * std::sin(th), 3 * u};
      } else {
        const float x = -22 - 108 * t * (1 - 0.55f * p.tail_curl);
        const float y = 4 + 8 * std::sin(t * 5.5f + p.tail_sway) * t - 36 * p.tail_curl * t * t;
        pts[i] = {x, y, 4 * std::sin(t * 4.0f + p.tail_sway * 1.3f)};
      }
      radii[i] = p.coil ? 4.6f - 3.4f * t : 6.0f - 4.9f * t;
    }
    m.chain(pts, radii, kN, flesh, 2.5f, 3.6f, 0.6f);
  }
  // Eight fingers, four each side, each of three knuckled bones.
  for (int s = -1; s <= 1; s += 2) {
    const Material& mat = (p.side && s < 0) ? flesh_far : flesh;
    for (int i = 0; i < 4; ++i) {
      const float x = 14 - i * 9.5f;
      V3 root{x * body, 2, s * 12.0f * body};
      const float step = ((i + (s > 0)) % 2 ? 1.0f : -1.0f) * p.phase;
      // Standing: the fingertips planted round the body like a spider's,
      // fore fingers reaching forward, hind ones back, the middle ones out
      // to the side, each as far from its root so the knees all arch to
      // the same height over the back; a lifted finger swings forward.
      const float along = p.roaming ? (i == 0 ? 30 : i == 1 ? 15 : i == 2 ? -15 : -30)
                                    : (i == 0 ? 26 : i == 1 ? 11 : i == 2 ? -10 : -24);
      // Roaming, the long fingers plant far out, the knees arched low over
      // the small palm, like a hand's spread on a table.
      const float spread_out = p.roaming ? 56.0f : 30.0f;
      const float aside = std::sqrt(std::max(0.0f, spread_out * spread_out - along * along - 30));
      // The near fingers lift higher than the far ones, so the two halves
      // of the stride differ in outline as well as in depth.
      V3 stand{x * body + along * (p.roaming ? 2.2f : 1.0f) + 9 * step, (p.roaming ? kRoamLift : 8.0f) - (step > 0.5f ? (s > 0 ? 8.0f : 3.0f) * (p.roaming ? 0.3f : 1.0f) : 0.0f), s * (12 + aside)};
      // Spread: flung far out from the middle, toward the grab.
      V3 out = normalised(V3{x * 0.09f + (i < 2 ? 0.7f : -0.5f), 0, s * 1.0f});
      V3 fling = out * 58 + V3{0, 10, 0};
      V3 ankle = lerp3(stand, fling, p.spread);
      ankle = reach(root, ankle, 26 * bone, 24 * bone);
      // Knees arch high over the back while standing.
      V3 knee = joint(root, ankle, 26 * bone, 24 * bone, V3{0, -arch, 0} * (1 - p.spread) + V3{0, -0.3f, 0} + out * 0.6f);
      // Standing, the last two bones splay out along the deck like the
      // fingertips of a hand pressed flat, not straight down like pegs.
      // Roaming they lie flatter still, so the frame's few rows go to the
      // body and the arched knees rather than to the fingertips.
      const float press = p.roaming ? kRoamPress : 0.9f;
      const V3 splay = normalised(V3{(along > 0 ? 1.0f : -1.0f) * (0.6f + 0.02f * std::fabs(along)), press, s * 0.8f});
      V3 down = lerp3(splay, normalised(V3{-out.x, 1.2f, -out.z}), std::min(1.0f, p.curl + p.spread * 0.5f));
      V3 mid = ankle + normalised(down + (root - ankle) * (0.03f * p.curl)) * 8 * bone;
      V3 tip = mid + normalised(down + (root - mid) * (0.06f * p.curl) + V3{0, 0.3f, 0}) * 8 * bone;
      // Smooth bony finger segments between darker knuckles, each knuckle
      // a short barrel creased across.
      auto knuckle = [&](V3 at, V3 along, float r, float k) {
        const V3 d = normalised(along) * (r * 0.5f);
        m.capsule(at - d, at + d, r, r, knuckle_mat, k, r * 0.45f, r * 0.12f);
      };
      // Roaming, the fingers are drawn thicker so each stays a solid line
      // a few pixels wide at its small size.
      const float t = p.roaming ? 1.9f : 1.0f;
      m.capsule(root, knee, 3.6f * t, 2.2f * t, mat, 2);
      knuckle(knee, ankle - root, 2.75f * t, 1.2f);
      m.capsule(knee, ankle, 2.2f * t, 1.6f * t, mat, 1.0f);
      knuckle(ankle, mid - knee, 2.05f * t, 0.9f);
      m.capsule(ankle, mid, 1.8f * t, 1.4f * t, mat, 0.8f);
      knuckle(mid, tip - ankle, 1.65f * t, 0.7f);
      m.capsule(mid, tip, 1.5f * t, 0.6f, mat, 0.8f);
    }
  }
  // The body: a soft sac under a ridged dorsal shell.
  m.set_xf(view * place({0, 0, 0}, {}, body));
  m.ellipsoid({-2, 1, 0}, {24, 9, 17}, {}, flesh, 3);
  m.ellipsoid({0, -2.5f, 0}, {20, 7, 14}, {}, plate, 3);
  for (int i = 0; i < 5; ++i) {
    float x = 13 - i * 6.5f;
    // Roaming, the ribs are low and fine, the bones under a palm's skin,
    // so the back reads as pale flesh rather than an insect's plates.
    const float rib = p.roaming ? 0.55f : 1.0f;
    m.capsule({x, -6.5f, -12}, {x - 1, -8.5f, 0}, 2.2f * rib, 2.6f * rib, plate, 2.0f);
    m.capsule({x - 1, -8.5f, 0}, {x, -6.5f, 12}, 2.6f * rib, 2.2f * rib, plate, 2.0f);
    // Roaming, a dark crease between the plates marks each segment.
    if (p.roaming) m.capsule({x - 3.6f, -8.8f, -11}, {x - 3.6f, -10.0f, 11}, 0.9f, 0.9f, kCrease, 0.5f, 0, 0, true);
  }
  // Gill flaps along the sides: thin, so the light comes through them.
  // Roaming they are folded small, so the pale sac shows along the side.
  const float gill = p.roaming ? 0.7f : 1.0f;
  for (int s = -1; s <= 1; s += 2) m.ellipsoid({0, 1.5f, s * 16.0f}, V3{17, 6, 2.5f} * gill, {}, kBelly, 2);
  m.ellipsoid({22, 2, 0}, {8, 7, 10}, {}, flesh, 4);
  // The underside: ribs across the belly with dark creases between them,
  // and the mouth in its middle, a ringed lip round a dark throat, from
  // which a ridged tube reaches out for the face.
  for (int i = 0; i < 5; ++i) {
    // Each rib bows round the belly and sweeps back at its ends like a
    // chevron, shorter and thinner toward the ends of the body.
    const float x = 14 - i * 7.0f, half = 14 * std::sqrt(std::max(0.1f, 1 - (x / 25) * (x / 25)));
    V3 pts[5];
    float radii[5];
    for (int k = 0; k < 5; ++k) {
      const float u = (k - 2) / 2.0f;
      pts[k] = {x - 5 * u * u, 9.2f - 3.5f * u * u, u * half};
      radii[k] = (1.6f + 0.4f * (1 - std::fabs(x) / 20)) * (1 - 0.35f * std::fabs(u));
    }
    m.chain(pts, radii, 5, kBelly, 1.2f);
  }
  m.ellipsoid({2, 11.5f, 0}, {5, 2.5f, 4}, {}, kCrease, 1.5f, true);
  m.torus({2, 10.5f, 0}, 4.2f, 1.6f, {}, kBelly, 1.0f);
  m.sphere({2, 10.5f, 0}, 2.6f, kMouth, 0.6f);
  m.capsule({4, 11, 0}, {14, 12, 0}, 2.4f, 1.6f, kBelly, 1.5f, 2.0f, 0.35f);
  m.set_xf(view);
}

// Side view: body centre in the roaming frame, feet on its floor row.
constexpr V3 kWalkBody{150, 24, 0};
// Low and flat: the roaming frames are only 36 rows tall.
constexpr float kWalkScale = 1.75f;
// The roaming frames shrink about this point: the feet's middle.
constexpr V3 kWalkFeet{kWalkBody.x, static_cast<float>(kHuggerWalk.h - 1), 0};
// Seen a little from above and turned a touch toward the viewer, so the far
// row of fingers shows behind the near one and the back's plates catch the
// light, instead of a flat row of legs.
const M3 kWalkTilt = rot_y(0.2f) * rot_x(-0.14f);
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

// A dark line one pixel wide round the roaming body, so the pale animal
// reads against any wall tint, and the soft shadow it casts on the deck
// under its lifted body: the game draws only pixels at least half opaque,
// so the line is solid and the shadow a dither of solid dots.
void outline_and_shadow(Canvas& c) {
  const std::vector<uint8_t> solid = drawn_mask(c);
  const uint8_t line[4] = {22, 16, 12, 255};
  ring_outline(c, solid, line, 0, c.height() - 1);
  contact_shadow(c, {7, 8, 0.85f, 0.6f, 4});
}

HPose walk_pose(int frame) {
  HPose p;
  p.phase = frame == 1 ? -1.0f : frame == 3 ? 1.0f : 0.0f;
  p.tail_sway = 0.9f * p.phase;
  p.coil = true;
  p.roaming = true;
  return p;
}

// The roaming view of one frame: the fingertips on the last row, and the
// scale by which it must shrink about them to clear the frame's top. One
// small probe with room above and below the frame finds both.
Xf walk_view(const HPose& p, float& shrink) {
  constexpr int kRoom = 48, kTop = 1;
  const int h = kHuggerWalk.h + 2 * kRoom;
  Model probe;
  build(probe, p, place(kWalkBody + V3{0, kRoom, 0}, kWalkTilt, kWalkScale));
  const std::vector<uint8_t> cov = model::coverage(probe, kHuggerWalk.w, h, 2);
  int top = h, bottom = -1;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < kHuggerWalk.w; ++x)
      if (cov[static_cast<size_t>(y) * kHuggerWalk.w + x]) top = std::min(top, y), bottom = std::max(bottom, y);
  const float drop = kHuggerWalk.h - 1 - (bottom - kRoom);
  const float height = static_cast<float>(bottom - top);
  shrink = std::min(1.0f, (kWalkFeet.y - kTop) / std::max(1.0f, height)) * 0.985f;
  return place(kWalkBody + V3{0, drop, 0}, kWalkTilt, kWalkScale);
}

}  // namespace

Bytes hugger_walk(int frame) {
  Canvas c(kHuggerWalk.w, kHuggerWalk.h);
  const HPose p = walk_pose(frame);
  // All three frames are drawn at the one scale the tallest stride allows,
  // so the animal keeps its size as it scuttles. The three probes are made
  // once (thread-safe static), not again for every frame.
  struct Views {
    Xf stand[3];
    float least = 1;
  };
  static const Views views = [] {
    Views v;
    for (int f = 1; f <= 3; ++f) {
      float shrink = 1;
      v.stand[f - 1] = walk_view(walk_pose(f), shrink);
      v.least = std::min(v.least, shrink);
    }
    return v;
  }();
  const Xf view = place(kWalkFeet * (1 - views.least), {}, views.least) * views.stand[std::clamp(frame, 1, 3) - 1];
  Model m;
  m.set_skin(0.2f, 2.5f);
  build(m, p, view);
  model::RenderOptions o = hugger_options();
  o.rim_r = 0.80f, o.rim_g = 0.92f, o.rim_b = 1.10f;  // a bright rim picks the small body out of the floor
  o.edge_shade = 0.15f;  // at this size every finger is nearly all outline: a full dark rim would blacken them
  o.outline_dark = 0.85f;  // but a dark line round the whole keeps the pale body off a pale floor
  model::render(m, c, o);
  outline_and_shadow(c);
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
  model::render(m, c, hugger_options());
  finish_for_magnifying(c);
  // Blown up to 1.6 times its size at the end of the leap: crisped so the
  // finger joints and the body's ridges do not melt into a blur.
  sharpen_for_magnifying(c, 1.2f, 1.3f);
  return finish(c, "hugger leap");
}

namespace {

// Hit in mid-leap: it twists over, the fingers clench and fold, and it
// drops. Poses frame 1..4 and returns its view.
Xf death_pose(int frame, HPose& p) {
  const float t = (frame - 1) / 3.0f;
  p.side = false;
  p.spread = 1.0f - 0.7f * t;
  p.curl = 0.35f + 0.65f * t;
  p.tail_curl = 0.25f + 0.6f * t;
  p.tail_sway = 0.6f + 2.0f * t;
  auto make = [&](Model& mm, const Xf& v) { build(mm, p, v); };
  return fit(make, leap_view(1.25f - 0.9f * t, 0.08f + 0.7f * t, {10 * t, 36 * t, 0}, kLeapScale * (1 - 0.15f * t)),
             kHuggerAttack.w, kHuggerAttack.h, kLeapBody);
}

}  // namespace

Bytes hugger_death(int frame) {
  Canvas c(kHuggerAttack.w, kHuggerAttack.h);
  const float t = (frame - 1) / 3.0f;
  // The floor is where it comes down in the last frame: the acid it
  // bleeds on the way runs down to it and pools there, spreading over the
  // last two frames.
  double floor_y = kHuggerAttack.h - 1;
  {
    HPose last;
    const Xf v = death_pose(4, last);
    Model probe;
    build(probe, last, v);
    const int low = lowest_solid_row(probe, kHuggerAttack.w, kHuggerAttack.h);
    if (low > 0) floor_y = low;
  }
  HPose p;
  const Xf view = death_pose(frame, p);
  Model m;
  m.set_skin(0.2f, 2.5f);
  build(m, p, view);
  const V3 body = view.point({0, 0, 0});
  death_pool(c.cr(), body.x, floor_y, 120, 252, t, 0.6);
  model::render(m, c, hugger_options());
  // The hole the shot punched in its body, riding on it as it twists over
  // and eaten wider frame by frame.
  death_wound(c.cr(), {body.x, body.y - 6}, 34, 220, t, floor_y, {WoundKind::burst_sac, 0, {8, 26}});
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
  if (frame >= 2) acid_pool(cr, 112, floor_y - 2, 38 + 14 * frame, 5 + frame, 252, frame);
  Model m;
  m.set_skin(0.2f, 2.5f);
  build(m, p, view);
  model::render(m, c, hugger_options());
  V3 body = view.point({0, 0, 0});
  acid_splash(cr, {body.x, body.y}, 20 - 3 * frame, 260 + frame, frame == 1 ? 0.5 : 0.0);
  cut_as_drawn(c);
  return finish(c, "hugger corpse");
}

}  // namespace contentgen::creatures
