#include "portrait_model.h"

#include <algorithm>
#include <cmath>

#include "paint_kit/canvas.h"

namespace contentgen::ui::portrait_model {

namespace {

using model::M3;
using model::Material;
using model::rot_x;
using model::rot_y;
using model::rot_z;
using model::V3;

Material matte(Rgb c, float specular, float shine, float rim) {
  return {static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b), specular, shine, rim, 0};
}

// Hair as strands running down from the crown: the colour and the shine
// break into fine streaks along them, over a mass only gently ridged, so
// that it reads as combed hair and not as a sponge or a moulded shell.
Material hair_material(Rgb c) {
  Material m = matte(c, 0.45f, 14, 1.0f);
  m.ridge = 0.7f;
  m.ridge_size = 15;  // clumps a few pixels across, not single hairs
  m.rough = 0.4f;
  m.mottle = 0.12f;
  m.sheen = 0.5f;    // a broad lit band over the crown: hair, not wax
  m.strands = 0.22f;  // only a faint grain along the clumps
  m.tag = 1;  // strands are painted over it
  return m;
}

// A beard: the hair's colour, but no strands. The strands' grain follows
// the angle round the crown, which under the chin runs nearly level and
// lays horizontal streaks across the beard; a fine isotropic ridging
// reads as coarse hair instead.
Material beard_material(Rgb c) {
  Material m = matte(c, 0.3f, 12, 1.0f);
  m.ridge = 0.45f;
  m.ridge_size = 5;
  m.rough = 0.5f;
  m.mottle = 0.1f;
  m.sheen = 0.4f;
  m.tag = 1;
  return m;
}

// Woven cloth: a dull sheen that breaks up, and colour blotched by wear.
Material cloth_material(Rgb c) {
  Material m = matte(c, 0.16f, 8, 0.9f);
  // Little roughness or blotching: at this size either reads as smudges
  // over the cloth instead of a weave.
  m.rough = 0.12f;
  m.mottle = 0.025f;
  m.tag = -1;  // seams and badges are painted over it
  return m;
}

// Skin: matte, its shine a soft broad sheen with no tight highlight (a tight
// one reads as polished metal), a faint blotching of the colour and warm
// light through its thin parts, so that a face is neither wax nor bronze.
Material skin_material(Rgb c) {
  // The rim lights the skin moderately: strong enough to outline the far
  // cheek and jaw in a dark or tinted room, not so strong that it traces
  // every inner edge (the nose's far side, the lids) as a bright seam.
  // The broad sheen kept low: a strong one glazes the whole face like wax;
  // the forehead's and the nose's soft highlights are painted over it. A
  // dark skin shows its sheen more, as dark skin does, and keeps its light
  // and shade in a tinted room by it.
  const float dark = std::clamp((0.5f - static_cast<float>(c.r)) / 0.3f, 0.0f, 1.0f);
  Material m = matte(c, 0.1f + 0.12f * dark, 10, 0.6f);
  m.sheen = 0.4f + 0.5f * dark;
  m.rough = 0.35f;
  // Almost no blotching in the render: its fine octave is about a pixel
  // across and shimmers when scaled; the skin's mottling and its warmth
  // are painted over the render instead, at a broader scale.
  m.mottle = 0.02f;
  // Light through the ears, the nose's wings and the lips, reddened by the blood.
  m.translucent = 0.28f;
  m.tr = 0.95f, m.tg = 0.42f, m.tb = 0.30f;
  return m;
}

// The skin's albedo: pale skins eased below paper white so that the hard
// key models them instead of bleaching them, yet still paler than a
// medium skin (a hard cap made every light skin one tone), and the colour
// a little richer than the roster's on the lighter skins.
Rgb skin_albedo(Rgb c) {
  const double r = c.r > 0.7 ? 0.7 + (c.r - 0.7) * 0.6 : c.r;
  const Rgb held = paint::scaled(c, r / std::max(c.r, 1e-3));
  const double lum = 0.3 * held.r + 0.55 * held.g + 0.15 * held.b;
  // A deep skin is not made richer: brown pushed further reads as orange
  // clay rather than skin.
  const double richness = 1.2 - 0.3 * std::clamp((0.6 - c.r) / 0.3, 0.0, 1.0);
  auto rich = [&](double v) { return std::clamp(lum + (v - lum) * richness, 0.0, 1.0); };
  return {rich(held.r), rich(held.g), rich(held.b)};
}

// The lids: the skin a shade darker and dull, so that their rolls, which
// face up into the key light, do not shine as pale bands round the eye.
Material lid_material(Rgb skin) {
  Material m = skin_material(paint::scaled(skin_albedo(skin), 0.84));
  m.specular = 0.02f, m.sheen = 0.05f, m.rim = 0.15f;
  return m;
}

// Lips a little rosier and darker than the skin round them, with a soft
// moist sheen: a mouth, not a painted doll's.
Material lip_material(Rgb skin) {
  // On a deep skin the lips keep near its own tone: mixed far toward a
  // rose they come out paler than the face, a painted doll's mouth.
  const float rose = 0.16f + 0.22f * std::clamp((static_cast<float>(skin.r) - 0.3f) / 0.6f, 0.0f, 1.0f);
  const Rgb c = paint::mix(skin_albedo(skin), {0.62, 0.30, 0.30}, rose);
  Material m = matte(paint::scaled(c, 0.82), 0.18f, 18, 0.5f);
  m.sheen = 0.35f;
  m.translucent = 0.2f;
  m.tr = 0.9f, m.tg = 0.35f, m.tb = 0.3f;
  return m;
}

// The materials of one member: skin with a soft sheen, redder lips, hair
// that catches the rim light, the eyes, the armour and the undersuit.
struct Materials {
  Material skin, lid, lip, hair, beard, brow, stubble, sclera, iris, pupil, lash, armour, suit, strip, metal, cloth,
      leather, webbing;
  explicit Materials(const Face& f)
      : skin(skin_material(skin_albedo(f.skin))),
        lid(lid_material(f.skin)),
        lip(lip_material(f.skin)),
        hair(hair_material(f.hair)),
        beard(beard_material(f.hair)),
        brow(matte(paint::scaled(f.hair, 0.8), 0.2f, 10, 0.8f)),
        stubble(matte(paint::mix(f.skin, f.hair, 0.5), 0.15f, 10, 0.8f)),
        sclera{0.80f, 0.77f, 0.72f, 0.9f, 80, 0.1f, 0},  // shaded by the lids: never paper white
        iris(matte(paint::mix(paint::scaled(f.iris, 1.3), {0.52, 0.42, 0.30}, 0.45), 1.2f, 80, 0.1f)),  // dark eyes keep a visible iris
        pupil{0.01f, 0.01f, 0.01f, 1.4f, 90, 0.0f, 0},
        lash(matte(paint::mix(paint::scaled(f.hair, 0.4), paint::scaled(f.skin, 0.5), 0.4), 0.3f, 20, 0.2f)),
        armour(cloth_material(f.armour)),
        suit{0.10f, 0.11f, 0.12f, 0.3f, 16, 0.8f, 0},
        strip{0.15f, 0.55f, 0.25f, 0.8f, 50, 0.3f, 0.9f},
        metal{0.55f, 0.57f, 0.58f, 1.3f, 60, 0.8f, 0},
        cloth(cloth_material(paint::mix(paint::scaled(f.armour, 0.9), {0.30, 0.29, 0.27}, 0.5))),
        leather{0.15f, 0.17f, 0.19f, 0.35f, 16, 1.0f, 0, 0, 6, 0.6f, 0.2f},
        webbing{0.22f, 0.22f, 0.17f, 0.12f, 8, 0.8f, 0, 0, 6, 0.5f, 0.15f} {
    leather.tag = webbing.tag = -1;
  }
};

// How far below the average the eyes, their lids and sockets and the brow
// over them sit: set toward the head's middle, higher or lower per member.
float eye_drop(const Face& f) { return 3 + 2.5f * f.eye_height; }

// How far from the face's middle each eye sits. It follows the skull's
// breadth only in part: a narrow head's eyes would otherwise crowd the
// bridge of the nose, a broad one's drift out toward the temples.
float eye_x(const Face& f) { return 22 * (1 + (f.width - 1) * 0.35f) * f.eye_gap; }

// How far a corner of the mouth (side -1 the picture's left) is drawn up.
float corner_lift(const Face& f, int side) { return f.smile * 7 + side * -f.smirk * 3; }

// The front of the muzzle at x across, where the lips lie.
float muzzle_front(const Face& f, float x) {
  const float half = 24 * f.width;
  return 24 + 21 * std::sqrt(std::max(0.0f, 1 - (x / half) * (x / half)));
}

// Half the mouth's width at an average face's breadth.
constexpr float kMouthHalf = 21;

// The mouth's breadth follows the skull's only in part: a narrow head
// keeps a mouth wide enough to read, a broad one does not grin.
float mouth_width(const Face& f) { return (1 + (f.width - 1) * 0.6f) * f.mouth_wide; }

float mouth_y(const Face& f) { return 36 * (1 + (f.length - 1) * 0.8f); }

// A square head carries its breadth up to the crown: broad parietal masses
// blended wide into the vault, so its outline squares off smoothly with no
// lump; a narrow or round head has none. `grow` thickens them for hair
// lying over them.
void parietals(Model& m, const Face& f, const Material& mat, float grow) {
  const float square = std::clamp((f.jaw + f.jaw_angle) * 0.5f - 0.4f, 0.0f, 1.0f);
  if (square <= 0) return;
  // Set at the temples' height, not on the crown: they widen the vault's
  // sides and leave its top round.
  for (int s = -1; s <= 1; s += 2)
    m.ellipsoid({s * 28 * f.width, -46 - 6 * f.crown, -14}, {(18 + 4 * square) * f.width + grow, 20 + grow, 38 + grow},
                {}, mat, 14 + 10 * square);
}

void skull_and_face(Model& m, const Face& f, const Materials& k) {
  const float W = f.width, L = f.length, J = f.jaw, C = f.crown, A = f.jaw_angle;
  // The cranium: a rounded vault, taller or lower per member, carrying the
  // forehead down to the brow.
  m.ellipsoid({0, -30 - 10 * C, -10}, {54 * W, 56 + 15 * C, 62}, {}, k.skin, 0);
  parietals(m, f, k.skin, 0);
  // The face's front: a broad rounded mass from the brow to the upper lip,
  // flattened at the front so the cheeks turn as planes and not as a ball.
  m.ellipsoid({0, 2, 12}, {47 * W, 40 * L, 36}, {}, k.skin, 16);
  // The cheekbones: wide under the outer corners of the eyes, higher or
  // lower per member and harder on a bony face.
  const float cy = 6 - 7 * f.cheek_height;
  for (int s = -1; s <= 1; s += 2)
    m.ellipsoid({s * (32 + 4 * f.cheekbones) * W, cy, 18 + 6 * f.cheekbones},
                {13 + 6 * f.cheekbones, 9 + 2 * f.cheekbones, 14}, rot_z(s * -0.25f), k.skin, 14 + 8 * (1 - f.cheekbones));
  // The lower jaw as one solid mass under the cheeks, widening to a
  // corner below each ear (wider, lower and sharper on a square jaw) and
  // carrying a broad chin. Kept inside the cheekbones' breadth: the face
  // narrows from the cheeks to the jaw and never swells below them.
  // A long face is long mostly above the mouth: the chin follows the
  // length only in part, so it never hangs below the mouth like a pouch.
  const float Lj = 1 + (L - 1) * 0.6f;
  // The jaw's breadth and weight spread wide across the crew: a narrow
  // jaw tapers to the chin, a heavy one carries its width and depth down.
  const float jw = (23 + 16 * J + 7 * A) * W, jy = (31 + 6 * J + 9 * A) * Lj;
  const float chin_y = 58 * Lj, chin_z = 20 + f.chin * 9;
  m.ellipsoid({0, 36 * Lj, 4}, {(22 + 13 * J) * W, (22 + 6 * J) * Lj, 28 + 4 * J}, {}, k.skin, 26);
  for (int s = -1; s <= 1; s += 2)
    // The jaw's angle, set in and blended wide so that a square jaw
    // widens the face's outline below the ear without a knob on it; a
    // sharp angle is blended less, so the corner shows.
    m.sphere({s * (jw - 12), jy, -16}, 6 + 5 * J, k.skin, 22 - 7 * A);
  // The cheeks' flesh between cheekbone and jaw, thinner with age.
  for (int s = -1; s <= 1; s += 2)
    m.ellipsoid({s * 22 * W, 20 * L, 12}, {15 * W, 19 * L, 15 - 4 * f.age}, {}, k.skin, 26);
  m.ellipsoid({0, 30 * L, 23}, {23 * W, 22, 20}, {}, k.skin, 24);  // muzzle over the teeth
  // The chin: a broad pad, square on a heavy jaw and rounder on a light one.
  // Blended wide into the jaw, so the chin line runs clean with no pouch.
  m.ellipsoid({0, chin_y, chin_z + 2}, {(8 + 13 * J) * W, 9 + 4 * J, 12}, {}, k.skin, 24 - 8 * std::max(0.0f, A));
  // Brow ridge over the sockets, heavier per member.
  // A gentle mass over each socket, blended far into the forehead and
  // dipping at the middle, so no ridge of light runs across the face.
  for (int s = -1; s <= 1; s += 2)
    m.ellipsoid({s * eye_x(f), -27 + eye_drop(f), 31 + 8 * f.brow}, {20 * W, 7 + 4 * f.brow, 10}, rot_z(s * 0.12f), k.skin, 24);
  // The sockets: carved under the brow round each eyeball, deeper on an
  // older face, so the lids sit in a hollow with shade above the crease.
  for (int s = -1; s <= 1; s += 2)
    m.ellipsoid({s * eye_x(f), -12 + eye_drop(f), 43}, {15.5f, 10 + f.age, 6 + 2 * f.age}, {}, k.skin, 16, true);
  // Ears, the far one half hidden: rim, bowl and lobe.
  // Set higher or lower and standing further out per member.
  const float ey = f.ear_drop * 8, eo = f.ear_out * 6, es = 1 + f.ear_drop * 0.12f;
  for (int s = -1; s <= 1; s += 2) {
    m.ellipsoid({s * (52 * W + eo), -4 + ey, -8}, {5 + eo * 0.3f, 17 * es, 11}, rot_z(s * (-0.12f - 0.1f * f.ear_out)), k.skin, 5);
    m.ellipsoid({s * (56 * W + eo * 1.3f), -6 + ey, -5}, {3, 9 * es, 6}, {}, k.skin, 2, true);
    m.sphere({s * (51 * W + eo * 0.3f), 11 + ey * 1.2f, -6}, 4, k.skin, 5);
  }
  // Neck: a column set behind the jaw, meeting it under the ears, and the
  // two muscles from behind the ears to the notch between the collarbones.
  const float neck = neck_radius(f);
  m.capsule({0, 40, -24}, {0, 110, -22}, neck * 0.92f, neck + 4, k.skin, 18);
  for (int s = -1; s <= 1; s += 2) m.capsule({s * 30 * W, 24, -22}, {s * 8.0f, 100, 2}, 5, 4.5f, k.skin, 14);
  // Forehead lines are painted (portrait_paint): carved as furrows, each
  // caught the key on one lip and the rim on the other and striped the
  // forehead.
}

void nose(Model& m, const Face& f, const Materials& k) {
  const float nl = f.nose_len, nw = f.nose_wide;
  const float tip_y = 16 * nl - 2, tip_z = 52 + 11 * nl;
  // The bridge starts low between the eyes and deep in the face, narrow at
  // the top and widening to the tip, its sides blended wide into the cheeks.
  m.capsule({0, -16, 42}, {0, tip_y - 3, tip_z - 3}, 3.5f, 5.5f * nw, k.skin, 10);
  m.ellipsoid({0, (tip_y - 14) / 2, 44}, {9 * nw, (tip_y + 14) / 2, 7}, {}, k.skin, 12);  // the wedge's sides
  if (f.nose_hump > 0) m.sphere({0, -4 + 6 * nl, 52 + 3 * nl}, 3 + 3 * f.nose_hump, k.skin, 6);
  m.sphere({0, tip_y, tip_z - 3}, 6.5f * nw, k.skin, 8);
  for (int s = -1; s <= 1; s += 2) m.sphere({s * 8.0f * nw, tip_y + 3, 49}, 5.5f * nw, k.skin, 9);  // the wings, blended into the cheeks
  for (int s = -1; s <= 1; s += 2)
    m.ellipsoid({s * 4.5f * nw, tip_y + 8, tip_z - 8}, {2.2f * nw, 1.4f, 3}, {}, k.skin, 1, true);  // nostril
}

// Both eyes look the same way, straight into the camera whichever way the
// head is turned (the head's own small lean aside): a gaze that follows
// the head's turn even in part leaves the irises off toward one side in
// each eye and the crew looking past the player.
V3 gaze(const Face& f) { return rot_x(0.05f).apply(rot_y(-f.turn).apply({0, 0, 1})); }
V3 eye_centre(const Face& f, int side) { return {side * eye_x(f), -9 + eye_drop(f), 33}; }

// Eyes looking at the viewer whichever way the head is turned.
// Each eyeball sits under one shell of lid skin blended into the socket,
// with the almond of the opening cut through the shell's front: the cut's
// edge is the only outline the render draws round the eye. Separate lid
// rolls and a lash bar each drew a contour of their own, and together they
// doubled the lids.
void eyes(Model& m, const Face& f, const Materials& k) {
  const V3 gaze = portrait_model::gaze(f);
  const float top = lid_top(f), bottom = lid_bottom(f);
  const float mid = (top + bottom) / 2, half = (bottom - top) / 2;
  for (int s = -1; s <= 1; s += 2) {
    const V3 c = eye_centre(f, s);
    m.sphere(c, kEyeRadius + 1.0f, k.lid, 7);
    // Kept inside the lids' edges, so no white shows under the opening.
    m.ellipsoid({c.x, mid - 0.4f, c.z + kEyeRadius + 1}, {15, half - 0.6f, 6}, {}, k.lid, 0.8f, true);
    // The ball goes in after the cut, so it fills the opening.
    m.sphere(c, kEyeRadius, k.sclera, 0);
    m.sphere(c + gaze * 8.4f, 6.0f, k.iris, 0);
    m.sphere(c + gaze * 11.4f, 2.7f, k.pupil, 0);
  }
}

void mouth(Model& m, const Face& f, const Materials& k, bool through_beard) {
  const float y = mouth_y(f);
  if (through_beard) m.ellipsoid({0, y + 2, 52}, {17, 8, 10}, {}, k.skin, 5, true);
  m.ellipsoid({0, y + 1, muzzle_front(f, 0) + 1}, {kMouthHalf - 1, 1.4f, 4}, {}, k.skin, 2, true);
  const float xs[5] = {-kMouthHalf, -kMouthHalf / 2, 0, kMouthHalf / 2, kMouthHalf};
  V3 upper[5], lower[5];
  const float up_w[5] = {1.1f, 2.2f, 2.3f, 2.2f, 1.1f}, low_w[5] = {1.2f, 3.2f, 3.9f, 3.2f, 1.2f};
  float uw[5], lw[5];
  for (int i = 0; i < 5; ++i) {
    const float x = xs[i] * mouth_width(f), z = muzzle_front(f, x) + 0.5f;
    const float corner = i == 0 ? -corner_lift(f, -1) : i == 4 ? -corner_lift(f, 1) : 0;
    upper[i] = {x, y - 2 + corner + (i == 2 ? 0.8f : 0), z - 0.8f};
    lower[i] = {x * 0.94f, y + 3.8f + corner + (i == 2 ? 1.5f : 0), z - 1.2f};
    uw[i] = up_w[i] * f.lips;
    lw[i] = low_w[i] * f.lips;
  }
  m.chain(upper, uw, 5, k.lip, 4.0f);
  m.chain(lower, lw, 5, k.lip, 4.5f);
}

void beard(Model& out, const Face& f, const Materials& k) {
  const float W = f.width, L = 1 + (f.length - 1) * 0.6f, y = mouth_y(f);  // the jaw's length
  switch (f.beard) {
    case Beard::none: break;
    case Beard::stubble: break;  // painted over the render: a raised layer would read as a mask
    case Beard::full:
      out.ellipsoid({0, 38 * L, 16}, {49 * W, 42 * L, 38}, {}, k.beard, 6);
      out.ellipsoid({0, 70 * L, 30 + f.chin * 6}, {22 * W, 16, 16}, {}, k.beard, 8);
      break;
    case Beard::goatee:
      out.ellipsoid({0, 60 * L, 29 + f.chin * 7}, {13 * W, 15, 14}, {}, k.beard, 4);
      break;
    case Beard::moustache: break;
  }
  if (f.beard == Beard::moustache || f.beard == Beard::goatee || f.beard == Beard::full) {
    // Spread along the upper lip and drooping at its ends, so that it
    // reads as a moustache and not a knob under the nose.
    const float Wm = mouth_width(f);
    const V3 pts[5] = {{-21 * Wm, y + 1, muzzle_front(f, 21 * Wm) - 1},
                       {-12 * Wm, y - 4, muzzle_front(f, 12 * Wm) + 1.5f},
                       {0, y - 5.5f, muzzle_front(f, 0) + 2},
                       {12 * Wm, y - 4, muzzle_front(f, 12 * Wm) + 1.5f},
                       {21 * Wm, y + 1, muzzle_front(f, 21 * Wm) - 1}};
    const float r[5] = {1.6f, 2.8f, 2.6f, 2.8f, 1.6f};
    out.chain(pts, r, 5, k.beard, 1.5f);
  }
}

// Locks combed down over a mass of hair (an ellipsoid at c with radii r):
// each a tapering strand bundle lying on the mass from high on the crown to
// a little past its lower edge, at its own length, so that the hairline and
// the outline break into clumps instead of ending in a moulded rim. `from`
// and `to` are the azimuths covered (0 faces the viewer); `reach` how far
// below the mass's equator, as a sine, the longest lock ends.
void locks(Model& m, const Material& hair, V3 c, V3 r, int count, float from, float to, float reach, Noise& n) {
  auto on = [&](float az, float el, float lift) {
    const float h = std::cos(el);
    return V3{c.x + (r.x + lift) * h * std::sin(az), c.y - (r.y + lift) * std::sin(el), c.z + (r.z + lift) * h * std::cos(az)};
  };
  for (int i = 0; i < count; ++i) {
    const float az = from + (to - from) * (i + static_cast<float>(n.range(0.2, 0.8))) / count;
    // Longer at the sides than over the brow, each lock its own length.
    const float side = std::fabs(std::sin(az));
    // None over the brow: seen from the front a lock reads as a drip on the
    // forehead; the locks break the outline at the sides instead.
    if (side < 0.5f) continue;
    // Over the brow they stop short of the hairline, so no lock drips onto
    // the forehead; the hair's edge there is the mass's own.
    const float end =
        std::asin(std::clamp(0.3f + 0.22f * (1 - side) - reach * side - static_cast<float>(n.range(0, 0.12)), -0.9f, 0.9f));
    const float start = 1.0f + static_cast<float>(n.range(-0.15, 0.15));
    const float sway = static_cast<float>(n.range(-0.12, 0.12));
    // Broad and sunk into the mass, the tip too, so they swell from it as
    // clumps with grooves between them rather than hanging on it as cords
    // or ending in drops.
    const V3 pts[3] = {on(az, start, -4.5f), on(az + sway * 0.5f, (start + end) / 2, -3.5f), on(az + sway, end, -3.0f)};
    const float rr[3] = {8.0f, 7.0f, 4.5f};
    m.chain(pts, rr, 3, hair, 3.0f);
  }
}

void panel(Model& m, V3 a, V3 b, V3 facing, float half, float thick, const Material& mat, float k);

// Which way the hair lies over the head.
enum class Flow {
  down,   // combed down from the crown
  up,     // brushed up and forward off the brow
  swept,  // swept across the head toward the picture's right
  back,   // drawn back over the crown to a tie behind it
  curls,  // no way at all: round knots packed over the head
};

// The hair's mass broken into clumps: flattened lobes lying on the cap (an
// ellipsoid at c with radii r) along the way the hair lies, each a little
// proud of it and blended only narrowly, so that every clump takes its own
// light on top and sinks into shade in the grooves beside it, and the
// outline ends in soft lumps instead of a moulded rim. Spread evenly over
// the visible part of the cap above `front` (the elevation, as a sine,
// where it stops over the brow) and `side` (over the temples); `size` the
// clump's half length. Clumps behind the head are left out, unseen.
void clumps(Model& m, const Material& hair, V3 c, V3 r, Flow flow, int count, float front, float side, float size,
            uint32_t seed) {
  Noise n(seed);
  auto on = [&](float az, float el, float lift) {
    const float h = std::cos(el);
    return V3{c.x + (r.x + lift) * h * std::sin(az), c.y - (r.y + lift) * std::sin(el), c.z + (r.z + lift) * h * std::cos(az)};
  };
  for (int i = 0; i < count; ++i) {
    // A golden-angle spiral from the crown down: even spacing, no rows.
    const float u = 1 - (i + 0.5f) / count * (1 + 0.2f);
    const float az = std::remainder(i * 2.39996f, 6.2831853f) + static_cast<float>(n.range(-0.15, 0.15));
    if (std::cos(az) < -0.35f) continue;
    const float lo = front + (side - front) * std::fabs(std::sin(az));
    if (u < lo) continue;
    const float el = std::asin(std::clamp(u, -0.95f, 1.0f));
    const V3 p = on(az, el, -1.0f);
    // The cap's outward normal, from the ellipsoid's gradient.
    const V3 nrm = model::normalised({(p.x - c.x) / (r.x * r.x), (p.y - c.y) / (r.y * r.y), (p.z - c.z) / (r.z * r.z)});
    if (flow == Flow::curls) {
      m.sphere(p, size * static_cast<float>(n.range(0.8, 1.1)), hair, 4.0f);
      continue;
    }
    V3 dir{0, 1, 0};
    switch (flow) {
      case Flow::down: dir = {0, 1, 0.1f}; break;
      case Flow::up: dir = {0, -1, 0.7f}; break;
      case Flow::swept: dir = {1, 0.35f, 0.1f}; break;
      case Flow::back: dir = {0, 0.25f, -1}; break;
      case Flow::curls: break;
    }
    dir = dir + V3{static_cast<float>(n.range(-0.25, 0.25)), static_cast<float>(n.range(-0.2, 0.2)), 0};
    V3 along = dir - nrm * model::dot(dir, nrm);
    if (model::dot(along, along) < 1e-4f) along = {1, 0, 0};
    along = model::normalised(along);
    const float len = size * static_cast<float>(n.range(0.8, 1.2));
    panel(m, p - along * len, p + along * len, nrm, size * 0.6f, size * 0.42f, hair, 4.5f);
  }
}

// The hair as a cap over the crown (thickness th), shifted back by `back`
// so that the forehead shows below the hairline. Past a thickness of about
// 4 the cap's front reaches the eyes' depth and its colour runs into them.
// Locks laid over it break its edge and outline.
void cap(Model& m, const Face& f, const Materials& k, float th, float back = 0, int lock_count = 8,
         Flow flow = Flow::down, float clump = 13, int clump_count = 80) {
  const V3 c{0, -32 - 8 * f.crown, -14 - back};
  const V3 r{(55 + 3 + th) * f.width, 56 + 11 * f.crown + 3 + th * 0.5f, 62 + th};
  m.ellipsoid(c, r, {}, k.hair, 6);  // blended wide: the hairline softens into the skin
  clumps(m, k.hair, c, r, flow, clump_count, back > 0 ? 0.75f : 0.52f, 0.05f, clump,
         static_cast<uint32_t>(f.hair.g * 1000 + f.width * 97));
  Noise n(static_cast<uint32_t>(f.hair.r * 1000 + f.width * 313 + back * 7));
  if (lock_count > 0) locks(m, k.hair, c, r, lock_count, -1.9f, 1.9f, back > 0 ? 0.05f : 0.42f, n);
}

// Hair cut short at the sides: a cap raised up the skull, so that it is
// `top` thick over the crown, `side` thick over the temples, and runs out
// into the scalp above the ears instead of hanging down them like a helmet.
void crop(Model& m, const Face& f, const Materials& k, float top, float side) {
  Material short_hair = k.hair;  // too short to lie in long streaks: a dark cap, finely textured
  short_hair.strands *= 0.3f;
  short_hair.r *= 0.8f, short_hair.g *= 0.8f, short_hair.b *= 0.8f;
  short_hair.mottle = 0.2f;
  short_hair.rough = 0.5f;
  // No ridges on a shell this thin: they push it in and out through the
  // scalp and its edge shows as a row of dots.
  short_hair.ridge = 0;
  // Blended a little wider into the scalp: where the crop's shell runs
  // nearly along the skull, a narrow blend flickers as a dotted crease.
  m.ellipsoid({0, -42 - 8 * f.crown, -14}, {(56 + side) * f.width, 46 + 11 * f.crown + top, 63 + top * 0.3f}, {},
              short_hair, 5.5f);
  parietals(m, f, short_hair, side + 0.5f);
}

void hair(Model& m, const Face& f, const Materials& k, uint32_t seed) {
  const float W = f.width;
  Noise n(seed);
  m.set_skin(0.06f, 4.0f);
  switch (f.hair_style) {
    case Hair::bald: break;
    case Hair::shaved:
      // Shaved to a shadow: the scalp's own skin darkened by the stubble.
      m.ellipsoid({0, -36 - 8 * f.crown, -16}, {(55 + 2.5f) * f.width, 56 + 11 * f.crown + 2.5f, 63 + 2.5f}, {},
                  k.stubble, 3);
      parietals(m, f, k.stubble, 2.5f);
      break;
    case Hair::buzz: crop(m, f, k, 3, 1.5f); break;
    case Hair::crew: {
      // Longer on top and brushed up off the brow in short clumps, clipped
      // at the sides.
      crop(m, f, k, 6, 2);
      const V3 c{0, -42 - 8 * f.crown, -14}, r{(56 + 2) * f.width, 46 + 11 * f.crown + 6, 63 + 6 * 0.3f};
      clumps(m, k.hair, c, r, Flow::up, 110, 0.5f, 0.3f, 7, seed);
      break;
    }
    case Hair::side_part:
      cap(m, f, k, 4, 0, 0, Flow::swept, 14);
      m.ellipsoid({-14 * W, -66, 20}, {40 * W, 16, 34}, rot_z(0.25f), k.hair, 8);
      m.capsule({-36 * W, -56, 36}, {24 * W, -76, 34}, 1.2f, 1.2f, k.hair, 1, 0, 0, true);  // the parting
      break;
    case Hair::ponytail: {
      cap(m, f, k, 4, 0, 0, Flow::back, 12);
      // Tied high and swinging out behind the nape on the side the face is
      // turned from, so that it shows beside the neck.
      const float out = f.turn > 0 ? -1.0f : 1.0f;
      const V3 tail[4] = {{0, -62, -58}, {out * 16, -22, -78}, {out * 36, 28, -70}, {out * 48, 74, -50}};
      const float r[4] = {13, 13, 11, 7};
      m.chain(tail, r, 4, k.hair, 6);
      break;
    }
    case Hair::bob:
      cap(m, f, k, 4, 0, 0, Flow::down, 10);  // a thicker cap would reach round over the eyes
      m.ellipsoid({0, -6, -26}, {66 * W, 66, 56}, {}, k.hair, 6);  // kept behind the face so the eyes keep their colours
      // The fringe swept to one side in three locks, not one roll.
      for (int i = 0; i < 3; ++i)
        m.ellipsoid({(-30 + i * 16.0f) * W, -60 + i * 3.0f, 28 - i * 2.0f}, {16 * W, 9, 20}, rot_z(0.35f + i * 0.1f),
                    k.hair, 7);
      // Cut level at the jaw, where it swings out a little from the cheeks.
      for (int s = -1; s <= 1; s += 2) m.ellipsoid({s * 56 * W, 24, -14}, {14, 30, 26}, rot_z(s * -0.15f), k.hair, 10);
      break;
    case Hair::bun:
      cap(m, f, k, 4, 0, 0, Flow::back, 11);
      m.sphere({0, -88, -44}, 21, k.hair, 8);  // high on the crown, where it shows over the head
      break;
    case Hair::mohawk: {
      cap(m, f, k, 1, 0, 0, Flow::down, 13, 0);  // shaved at the sides: no clumps
      const V3 crest[4] = {{0, -60, 40}, {0, -96, 8}, {0, -94, -36}, {0, -60, -66}};
      const float r[4] = {7, 11, 10, 7};
      m.chain(crest, r, 4, k.hair, 4);
      break;
    }
    case Hair::curly: {
      // A close mass of curls: round knots packed over a thick cap, each
      // lit on its top and shaded under it, breaking the outline in bumps.
      Material curls = k.hair;
      curls.strands = 0.1f;
      curls.ridge = 0.4f;
      curls.ridge_size = 6;
      const V3 c{0, -40 - 8 * f.crown, -16}, r{60 * W, 62 + 8 * f.crown, 62};
      m.ellipsoid(c, r, {}, curls, 4);
      clumps(m, curls, c, r, Flow::curls, 115, 0.5f, 0.05f, 7.0f, seed);
      break;
    }
    case Hair::long_hair:
      cap(m, f, k, 5, 0, 0, Flow::down, 15);
      m.ellipsoid({0, 14, -26}, {64 * W, 96, 46}, {}, k.hair, 10);
      // Its fall beside the face in long clumps.
      clumps(m, k.hair, {0, 14, -26}, {64 * W, 96, 46}, Flow::down, 60, 1.1f, -0.7f, 20, seed);
      // Falling past the cheeks to the shoulders on both sides, behind the
      // face, and parted at the side with the front swept back in locks.
      for (int s = -1; s <= 1; s += 2) m.ellipsoid({s * 54 * W, 40, -16}, {15, 66, 28}, rot_z(s * -0.08f), k.hair, 10);
      for (int i = 0; i < 3; ++i)
        m.ellipsoid({(30 - i * 16.0f) * W, -60 + i * 3.0f, 28 - i * 2.0f}, {17 * W, 11, 22}, rot_z(-0.35f - i * 0.1f),
                    k.hair, 4);
      break;
    case Hair::braids:
      cap(m, f, k, 3);
      for (int i = 0; i < 4; ++i) {
        const float x = (-30 + i * 20) * W;
        const V3 b[4] = {{x, -40, -54}, {x * 1.2f, 10, -62}, {x * 1.3f, 60, -54}, {x * 1.3f, 104, -40}};
        const float r[4] = {7, 6, 5.5f, 4};
        m.chain(b, r, 4, k.hair, 3, 5, 1.2f);
      }
      break;
    case Hair::receding:
      cap(m, f, k, 3, 18, 0, Flow::down, 10);
      break;
  }
  m.set_skin(0, 1);
}

void headgear(Model& m, const Face& f, const Materials& k) {
  const float W = f.width;
  switch (f.gear) {
    case Gear::none: break;
    case Gear::helmet:
      m.ellipsoid({0, -48, -14}, {68 * W, 60, 70}, {}, k.armour, 2);  // its rim clear of the eyes
      {
        // A low ridge along the top of the shell, lying on its surface.
        const V3 ridge[3] = {{0, -104, -22}, {0, -99, 14}, {0, -86, 40}};
        const float r[3] = {4.5f, 4.5f, 3.5f};
        m.chain(ridge, r, 3, k.armour, 3);
      }
      for (int s = -1; s <= 1; s += 2) {
        m.ellipsoid({s * 62 * W, -22, -6}, {10, 22, 22}, {}, k.armour, 4);  // ear guard
        m.capsule({s * 58 * W, -8, 0}, {s * 30 * W, 56 * f.length, 20}, 2, 2, k.suit, 1);  // chin strap
      }
      break;
    case Gear::beret:
      m.ellipsoid({-10 * W, -82, -6}, {64 * W, 18, 60}, rot_z(-0.22f), {0.30f, 0.10f, 0.10f, 0.2f, 12, 0.9f, 0}, 4);
      m.sphere({-36 * W, -70, 44}, 4, k.metal, 1);  // badge
      break;
    case Gear::cap:
      m.ellipsoid({0, -64, -8}, {61 * W, 36, 63}, {}, k.armour, 3);
      m.ellipsoid({0, -46, 58}, {38 * W, 4, 26}, rot_x(0.2f), k.armour, 2);  // visor
      break;
    case Gear::headset: {
      const V3 band[5] = {{-60 * W, -8, -4}, {-52 * W, -72, -4}, {0, -98, -4}, {52 * W, -72, -4}, {60 * W, -8, -4}};
      const float r[5] = {3, 3, 3, 3, 3};
      m.chain(band, r, 5, k.suit, 1);
      for (int s = -1; s <= 1; s += 2) m.ellipsoid({s * 60 * W, -6, -4}, {9, 17, 15}, {}, k.suit, 2);
      const float s = f.turn < 0 ? 1 : -1;
      // The boom runs forward along the cheek, clear of the skin, and
      // ends beside the mouth's corner, not on the lips: a boom laid over
      // the mouth and blended into it melts the two together.
      const float tip_x = s * (kMouthHalf * mouth_width(f) + 10), tip_y = mouth_y(f) - 3;
      const V3 boom[3] = {{s * 62 * W, 4, 8}, {s * 52 * W, tip_y * 0.55f, 28}, {tip_x, tip_y, 40}};
      const float br[3] = {1.7f, 1.5f, 1.4f};
      m.chain(boom, br, 3, k.suit, 0);
      m.sphere({tip_x, tip_y, 40}, 3.0f, k.metal, 0);
      break;
    }
  }
}

V3 cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
float length(V3 a) { return std::sqrt(model::dot(a, a)); }

// A flat piece of cloth or plate lying from a to b, `half` wide and `thick`
// through, its face turned to `facing`: a thin slab with a crisp edge, not
// a rolled tube.
void panel(Model& m, V3 a, V3 b, V3 facing, float half, float thick, const Material& mat, float k) {
  const V3 along = model::normalised(b - a);
  const V3 across = model::normalised(cross(facing, along));
  const V3 out = cross(along, across);
  M3 o;
  o.m[0] = across.x, o.m[1] = along.x, o.m[2] = out.x;
  o.m[3] = across.y, o.m[4] = along.y, o.m[5] = out.y;
  o.m[6] = across.z, o.m[7] = along.z, o.m[8] = out.z;
  m.ellipsoid((a + b) * 0.5f, {half, length(b - a) * 0.5f + half * 0.3f, thick}, o, mat, k);
}

// A line of stitches along a seam: a fine groove pressed into the cloth.
void stitches(Model& m, V3 a, V3 b, const Material& mat) { m.capsule(a, b, 0.8f, 0.8f, mat, 0.4f, 0, 0, true); }

// A collar open at the throat: a flat turned-down flap on each side running
// from the back of the neck down to where the two meet in a V under the
// chin, stitched along its edge, so that the neck runs down into the clothes
// in a clean neckline instead of standing in a ring of tubes.
void open_collar(Model& m, const Material& mat, float y, float r, float spread) {
  for (int s = -1; s <= 1; s += 2) {
    const V3 back{s * 30 * spread, y - 8, -30}, front{s * 7.0f, y + 22, 16};
    const V3 facing = model::normalised(V3{s * 0.55f, -0.6f, 0.6f});
    panel(m, back, front, facing, r + 3, 2.6f, mat, 1.5f);
    // The stitched edge a little inside the flap's outer rim.
    const V3 in = model::normalised(cross(facing, front - back)) * (s * (r + 0.5f));
    stitches(m, back + in + facing * 2.4f, front + in + facing * 2.4f, mat);
  }
}

// The upper body under the clothes: shoulders sloping from the neck to the
// arms, a chest flattened at the front and the arms' tops, so that cloth
// laid over it hangs from the shoulders instead of swelling like a balloon.
struct Torso {
  float bulk;
  // The chest's front surface at (x, y), for laying folds and straps on it.
  float front(float x, float y) const {
    const float u = x / (104 * bulk), v = (y - 162) / 72;
    return -24 + 48 * std::sqrt(std::max(0.0f, 1 - u * u - v * v));
  }
  V3 on(float x, float y, float lift = 0) const { return {x, y, front(x, y) + lift}; }
};

Torso torso(Model& m, const Material& cloth, float bulk) {
  const Torso t{bulk};
  m.ellipsoid({0, 162, -24}, {104 * bulk, 72, 48}, {}, cloth, 0);
  for (int s = -1; s <= 1; s += 2) {
    m.capsule({s * 26.0f, 98, -30}, {s * 100 * bulk, 124, -28}, 22, 30, cloth, 18);  // shoulder slope
    m.capsule({s * 112 * bulk, 130, -30}, {s * 122 * bulk, 220, -30}, 30, 30, cloth, 14);  // upper arm
  }
  return t;
}

// Folds of cloth: soft ridges pulled from each armpit toward the middle of
// the chest and a few hanging from the shoulders, each with a shallow
// crease beside it so the light catches one side and the other falls dark.
void cloth_folds(Model& m, const Torso& t, const Material& cloth, Noise& n) {
  const float b = t.bulk;
  for (int s = -1; s <= 1; s += 2)
    for (int i = 0; i < 3; ++i) {
      const float y0 = 136 + i * 16.0f + static_cast<float>(n.range(-4, 4));
      const float x0 = s * (86 - i * 6.0f) * b, x1 = s * (34 + static_cast<float>(n.range(-6, 6))) * b;
      const float y1 = y0 + 26 + static_cast<float>(n.range(0, 14));
      m.capsule(t.on(x0, y0, -1), t.on(x1, y1, -1), 2.6f, 1.4f, cloth, 5);
      m.capsule(t.on(x0, y0 + 5, 1.2f), t.on(x1, y1 + 5, 1.2f), 1.3f, 0.8f, cloth, 2.5f, 0, 0, true);
    }
  // No folds hanging from the shoulders: the picture's lower edge cuts
  // them to stubs that stand up from it like rods.
}

// A strap of webbing lying on the chest: flat, with a stitched edge.
// Started over the shoulder, under its slope, so that in a head-and-
// shoulders crop it runs in from behind instead of ending in mid-chest
// as a loose rod.
void strap(Model& m, const Torso& t, V3 a, V3 b, const Material& web) {
  const V3 pts[3] = {t.on(a.x, a.y, 2), t.on((a.x + b.x) / 2, (a.y + b.y) / 2, 3), t.on(b.x, b.y, 2)};
  const float r[3] = {4.5f, 4.5f, 4.5f};
  m.chain(pts, r, 3, web, 1.2f);
}

// What the member wears on the body, so that the crew differ below the
// chin as well: each kit has its own collar, cloth and gear, and `bulk`
// widens or narrows the frame.
// Fatigues: a field jacket with a turned collar, shoulder straps and a
// chest pocket with its flap.
void fatigues(Model& m, const Materials& k, float bulk, Noise& n) {
  const Torso t = torso(m, k.armour, bulk);
  open_collar(m, k.armour, 94, 8, 1.05f);
  cloth_folds(m, t, k.armour, n);
  // Shoulder straps: flat tabs of the jacket's cloth along the shoulder's
  // top, with a crisp edge, not rolled cords.
  for (int s = -1; s <= 1; s += 2)
    panel(m, {s * 36.0f, 92, -12}, {s * 88 * bulk, 110, -6}, model::normalised(V3{0, -1, 0.5f}), 5, 1.4f, k.armour, 0.8f);
  // The chest pocket: a patch of cloth sewn flat, its flap a thin slab
  // over its top.
  const float px = -46 * bulk;
  panel(m, t.on(px, 156, 0), t.on(px, 182, 0), {0, -0.2f, 1}, 15, 1.2f, k.armour, 0.6f);
  panel(m, t.on(px - 15, 154, 1.2f), t.on(px + 15, 154, 1.2f), {0, -0.3f, 1}, 4, 1.2f, k.armour, 0.5f);
  m.capsule(t.on(0, 120, -1), t.on(0, 240, -1), 1.1f, 1.1f, k.suit, 0.5f, 0, 0, true);  // the fly
  m.capsule(t.on(28, 150, 1.5f), t.on(56, 152, 1.5f), 2.4f, 2.4f, k.strip, 1);  // name tape
}

// A ribbed roll-neck sweater under a webbing yoke.
void rollneck(Model& m, const Materials& k, float bulk, Noise& n) {
  const Torso t = torso(m, k.cloth, bulk);
  m.capsule({0, 78, -20}, {0, 118, -22}, 30, 34, k.cloth, 8);  // the sweater's neck, up round the throat
  m.torus({0, 80, -20}, 28, 8, rot_x(0.2f), k.cloth, 6);  // rolled over at the top
  cloth_folds(m, t, k.cloth, n);
  for (int s = -1; s <= 1; s += 2) strap(m, t, {s * 56.0f * bulk, 96, -4}, {s * 40.0f * bulk, 240, 0}, k.webbing);
  m.capsule(t.on(-46 * bulk, 178, 3), t.on(46 * bulk, 178, 3), 4, 4, k.webbing, 1.5f);  // the yoke's cross strap
  panel(m, t.on(-6, 178, 4), t.on(6, 178, 4), {0, 0, 1}, 5, 1.2f, k.metal, 0.4f);  // its buckle, a flat plate
}

// A dark flight jacket with a broad turned-down collar round the neck.
void jacket(Model& m, const Materials& k, float bulk, Noise& n) {
  const Torso t = torso(m, k.leather, bulk);
  open_collar(m, k.leather, 98, 11, 1.15f);
  cloth_folds(m, t, k.leather, n);
  for (int s = -1; s <= 1; s += 2)
    m.capsule(t.on(s * 30.0f, 124, 1), t.on(s * 10.0f, 240, 1), 1.4f, 1.4f, k.suit, 1, 0, 0, true);  // front edge

}

// A field shirt with a crew neck, a harness over it and dog tags.
void harness(Model& m, const Materials& k, float bulk, Noise& n) {
  const Torso t = torso(m, k.cloth, bulk);
  {
    // The neckband, following the body round the front of the neck.
    // Thin and blended narrowly: a knitted rib lying flat, not a tube.
    const V3 band[5] = {{-36, 94, -24}, {-26, 106, 4}, {0, 114, 14}, {26, 106, 4}, {36, 94, -24}};
    const float r[5] = {2.2f, 2.2f, 2.2f, 2.2f, 2.2f};
    m.chain(band, r, 5, k.cloth, 1);
  }
  cloth_folds(m, t, k.cloth, n);
  for (int s = -1; s <= 1; s += 2) {
    strap(m, t, {s * 62.0f * bulk, 96, -4}, {s * 46.0f * bulk, 240, 0}, k.webbing);
    panel(m, t.on(s * 52.0f * bulk, 166, 4), t.on(s * 52.0f * bulk, 178, 4), {0, 0, 1}, 6, 1.2f, k.metal, 0.4f);  // buckle
  }
  const V3 chain[3] = {{-16, 104, 10}, t.on(0, 134, 1.5f), {16, 104, 10}};
  const float cr[3] = {0.9f, 0.9f, 0.9f};
  m.chain(chain, cr, 3, k.metal, 0.3f);
  m.ellipsoid(t.on(2, 142, 2.5f), {5, 8, 1.6f}, rot_z(0.2f), k.metal, 0.5f);  // tag
}

// A load-bearing vest over the shirt, with pouches and a radio clipped to
// the shoulder.
void vest(Model& m, const Materials& k, float bulk, Noise& n) {
  const Torso t = torso(m, k.armour, bulk);
  open_collar(m, k.cloth, 94, 7, 1.0f);
  cloth_folds(m, t, k.armour, n);
  for (int s = -1; s <= 1; s += 2) {
    strap(m, t, {s * 58.0f * bulk, 96, -4}, {s * 56.0f * bulk, 160, 0}, k.webbing);
    const float x = s * 40.0f * bulk;
    // A pouch: a box of webbing with a flat front and a flap over it.
    panel(m, t.on(x, 178, 2), t.on(x, 204, 2), {0, -0.1f, 1}, 16, 3, k.webbing, 0.6f);
    panel(m, t.on(x - 16, 177, 5), t.on(x + 16, 177, 5), {0, -0.3f, 1}, 4.5f, 1.4f, k.webbing, 0.5f);
  }
  const float side = bulk > 1 ? 1 : -1;
  m.ellipsoid(t.on(side * 72 * bulk, 132, 6), {9, 16, 7}, {}, k.suit, 1);  // radio
}

// What closes round the neck over the kit, so that no two members share a
// neck and collar: a hard gorget with shoulder plates, a tight rubber seal
// up the throat, a wound scarf, or a hood lying back on the shoulders.
// Built in the body's frame, where the neck column runs from about y 50.
void neckline(Model& m, const Face& f, const Materials& k) {
  const float b = f.bulk, neck = neck_radius(f);
  switch (f.neck) {
    case Neck::open: break;
    case Neck::armour_collar: {
      Material plate = k.armour;  // moulded, with a harder sheen than cloth
      plate.specular = 0.6f, plate.shine = 30, plate.rough = 0.25f, plate.mottle = 0.12f;
      // A broad plate tipped toward the viewer, so its top catches the key
      // light as a clean lit band with a crisp edge instead of a dark disc.
      // A stiff stand-up collar round the throat with a level top edge,
      // and flat plates lying along the shoulders' tops: thin slabs with
      // crisp edges, not domes.
      m.capsule({0, 84, -22}, {0, 110, -22}, neck + 4, neck + 6, plate, 1);
      for (int s = -1; s <= 1; s += 2)
        panel(m, {s * (neck + 8), 96, -24}, {s * 96 * b, 118, -20}, model::normalised(V3{s * 0.1f, -1, 0.45f}), 20,
              2.2f, plate, 1);
      break;
    }
    case Neck::seal: {
      // A stiff stand-up collar band round the throat, cut level with a
      // sharp top edge, stitched under it, on a flat metal locking ring.
      Material band = k.cloth;
      band.specular = 0.25f, band.shine = 14, band.rough = 0.4f, band.mottle = 0.1f;
      m.capsule({0, 70, -22}, {0, 112, -22}, neck + 3, neck + 5, band, 1.5f);
      m.torus({0, 74, -22}, neck + 3.2f, 0.7f, rot_x(0.1f), k.webbing, 0.3f);  // the stitching
      m.ellipsoid({0, 112, -20}, {neck + 8, 1.8f, neck + 8}, rot_x(0.25f), k.metal, 0.5f);
      break;
    }
    case Neck::scarf: {
      // A field scarf wound close round the throat: one smooth cowl of
      // dark, close-woven cloth widening to the shoulders, with a single
      // rolled edge at the top and its end laid flat on the chest. Pale,
      // blotched wool with turns laid slantwise over it read as a smear
      // striped across the neck.
      Material wool = k.cloth;
      const Rgb fab = paint::mix(paint::scaled(f.armour, 0.75), {0.22, 0.22, 0.21}, 0.4);
      wool.r = static_cast<float>(fab.r), wool.g = static_cast<float>(fab.g), wool.b = static_cast<float>(fab.b);
      wool.rough = 0.3f, wool.mottle = 0.04f, wool.specular = 0.12f;
      m.capsule({0, 76, -22}, {0, 110, -20}, neck + 5, neck + 10, wool, 0.8f);
      m.torus({0, 78, -22}, neck + 5.5f, 3.0f, rot_x(0.12f), wool, 1.2f);
      panel(m, {10, 108, 22}, {18, 150, 26}, {0.1f, -0.2f, 1}, 8, 2.4f, wool, 1.2f);  // the end
      break;
    }
    case Neck::hood: {
      // The hood down: a flat rim of cloth lying round the back of the
      // neck and over the shoulders, open at the front, with soft folds.
      panel(m, {-(neck + 16), 84, -34}, {neck + 16, 84, -34}, {0, -0.6f, 0.8f}, 16, 5, k.cloth, 2);
      for (int s = -1; s <= 1; s += 2) {
        panel(m, {s * (neck + 18), 84, -30}, {s * 14.0f, 120, 12}, {s * 0.5f, -0.6f, 0.6f}, 9, 3.5f, k.cloth, 2);
        stitches(m, {s * (neck + 10), 80, -18}, {s * 18.0f, 112, 10}, k.cloth);  // a fold
      }
      break;
    }
  }
}

void dress(Model& m, const Face& f, const Materials& k) {
  Noise n(77u + static_cast<uint32_t>(f.bulk * 1000) + static_cast<uint32_t>(f.kit) * 13);
  switch (f.kit) {
    case Kit::fatigues: fatigues(m, k, f.bulk, n); break;
    case Kit::rollneck: rollneck(m, k, f.bulk, n); break;
    case Kit::jacket: jacket(m, k, f.bulk, n); break;
    case Kit::harness: harness(m, k, f.bulk, n); break;
    case Kit::vest: vest(m, k, f.bulk, n); break;
  }
  neckline(m, f, k);
}

}  // namespace

V3 pupil(const Face& f, int side) { return eye_centre(f, side) + gaze(f) * kEyeRadius; }

V3 eye_middle(const Face& f, int side) { return eye_centre(f, side); }

// The lower lid touches the iris' bottom: the eye open and awake, white
// showing only at the sides.
// The upper lid overlaps the iris' top a little, as a live eye's does; a
// heavy lid hangs lower over it.
float lid_top(const Face& f) { return -8.0f + eye_drop(f) - 5.9f * f.eye_size + 1.6f * f.lid_heavy; }
float lid_bottom(const Face& f) { return -8.6f + eye_drop(f) + 4.6f * f.eye_size; }

V3 nostril(const Face& f, int side) {
  const float nl = f.nose_len, nw = f.nose_wide, tip_y = 16 * nl - 2, tip_z = 52 + 11 * nl;
  return {side * 4.5f * nw, tip_y + 7, tip_z - 6};
}

void nose_bridge(const Face& f, V3 out[2]) {
  const float nl = f.nose_len, tip_y = 16 * nl - 2, tip_z = 52 + 11 * nl;
  out[0] = {-1.5f, -16, 52.5f};
  out[1] = {-1.5f, tip_y - 2, tip_z + 3.5f};
}

float neck_radius(const Face& f) { return f.female ? 22 : 27; }

V3 chin_bottom(const Face& f) { return {0, 58 * (1 + (f.length - 1) * 0.6f) + 11, 25 + f.chin * 7}; }

void lid_crease(const Face& f, int side, V3 out[3]) {
  const V3 c = eye_centre(f, side);
  const float s = static_cast<float>(side), top = lid_top(f);
  out[0] = {c.x + s * 11, top - 0.8f, 40};
  out[1] = {c.x + s * 3, top - 3.6f, 45};
  out[2] = {c.x - s * 5, top - 2.6f, 44};
}

void mouth_line(const Face& f, V3 out[3]) {
  const float y = mouth_y(f) + 0.8f;
  const float x = kMouthHalf * mouth_width(f);
  out[0] = {-x, y - corner_lift(f, -1), muzzle_front(f, x) + 0.5f};
  out[1] = {0, y + 0.6f, muzzle_front(f, 0) + 1.5f};
  out[2] = {x, y - corner_lift(f, 1), muzzle_front(f, x) + 0.5f};
}

void brow_line(const Face& f, int side, V3 out[3]) {
  const float s = static_cast<float>(side);
  const float d = eye_drop(f);
  // One brow raised: its arch and tail lift most, its inner end less.
  const float raise = std::max(0.0f, side < 0 ? f.brow_raise : -f.brow_raise) * 5;
  out[0] = {s * 6.0f, -22 + d + f.frown * 4 - raise * 0.4f, 51};
  out[1] = {s * (eye_x(f) - 1), -29 + d - f.frown * 1.5f + (f.female ? -1.5f : 0) - raise, 50};
  out[2] = {s * (eye_x(f) + 12), -25 + d - f.frown * 1.5f - raise * 0.8f, 40};
}

Xf body_view(const Face& f, const Xf& view) {
  Xf body = view * model::place({0, -10, 0});
  body.r = view.r * rot_y(-f.turn * 0.6f);
  return body;
}

V3 on_chest(const Face& f, float x, float y, float lift) { return Torso{f.bulk}.on(x, y, lift); }

Xf lean(const Xf& view, float tilt, float nod) {
  const V3 pivot{0, 60, -20};
  return view * model::place(pivot) * model::place({}, rot_z(tilt) * model::rot_x(nod)) * model::place(pivot * -1.0f);
}

void build(Model& m, const Face& f, const Xf& view) { build(m, f, view, view); }

void build(Model& m, const Face& f, const Xf& view, const Xf& head) {
  const Materials k(f);
  // The body turns less than the head.
  // The shoulders sit high enough that the neck is short and thick under
  // the jaw, as in a head-and-shoulders shot.
  const Xf body = body_view(f, view);
  m.set_xf(head);
  m.set_skin(0.1f, 3);
  skull_and_face(m, f, k);
  nose(m, f, k);
  eyes(m, f, k);
  m.set_skin(0.22f, 3.5f);  // a coarse mass, not a sponge
  beard(m, f, k);
  m.set_skin(0.1f, 3);
  const bool through = f.beard == Beard::full;
  mouth(m, f, k, through);
  // No folds carved from the nose to the mouth: at this size the trough
  // raises a lit lump at one corner of the lips and the mouth looks lopsided.
  if (f.gear != Gear::helmet && f.gear != Gear::cap) hair(m, f, k, 1000u + static_cast<uint32_t>(f.skin.r * 977));
  if (f.gear == Gear::cap) {
    // Hair shows under the cap at the sides and back.
    Face cropped = f;
    // No clumps: the cap hides the crown, where they would lie.
    if (cropped.hair_style != Hair::bald) cap(m, cropped, k, 4, 6, 8, Flow::down, 13, 0);
  }
  m.set_skin(0.3f, 3);
  headgear(m, f, k);
  // The clothes last, so that where they meet the neck there is a crease
  // and a collar edge rather than skin melting into cloth.
  m.set_skin(0, 1);
  m.set_xf(body);
  dress(m, f, k);
}

}  // namespace contentgen::ui::portrait_model
