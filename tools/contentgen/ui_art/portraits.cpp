// Squad portraits (184 x 184, drawn centred on the console and at half
// scale on the squad screen, tinted by the room's colour): each member's
// head and shoulders modelled in the round and rendered like the creatures,
// in three-quarter view under a hard key light from the upper left and a
// cold rim light from behind, over a lit bulkhead.
#include <algorithm>
#include <cmath>
#include <vector>

#include "console_metal.h"
#include "paint_kit/canvas.h"
#include "portrait_dress.h"
#include "portrait_finish.h"
#include "portrait_hair.h"
#include "portrait_model.h"
#include "portrait_paint.h"
#include "portrait_roster.h"
#include "portrait_skin.h"
#include "alien_portrait.h"
#include "ui_art.h"

namespace contentgen::ui {

namespace {

using namespace portrait_model;
using portrait_finish::kPortraitSize;

const Rgb olive{0.30, 0.33, 0.24}, slate{0.26, 0.29, 0.34}, sand{0.40, 0.36, 0.27};

// The roster in portrait order. Heads turn alternately left and right so
// that neighbours on the squad screen differ in outline as well as face.
const Face member_faces[15] = {
    // skin, hair, iris, hair, gear, beard,
    // width, length, jaw, chin, nose length, width, hump, brow, frown, smile, lips,
    // lined, female, armour, turn
    {{0.88, 0.68, 0.55}, {0.44, 0.40, 0.36}, {0.30, 0.45, 0.55}, Hair::crew, Gear::none, Beard::stubble,  // Marsh
     1.04f, 1.0f, 0.9f, 0.4f, 1.0f, 1.05f, 0.2f, 0.7f, 0.5f, -0.1f, 0.9f, false, false, olive, -0.61f},
    {{0.45, 0.31, 0.23}, {0.08, 0.06, 0.05}, {0.25, 0.15, 0.08}, Hair::shaved, Gear::none, Beard::goatee,  // Teller
     1.10f, 0.96f, 0.8f, 0.2f, 0.95f, 1.3f, 0.0f, 0.8f, 0.2f, 0.15f, 1.3f, true, false, slate, 0.61f},
    {{0.98, 0.84, 0.76}, {0.72, 0.32, 0.12}, {0.35, 0.55, 0.35}, Hair::side_part, Gear::none, Beard::none,  // Quill
     0.90f, 1.04f, 0.15f, 0.3f, 1.1f, 0.85f, 0.0f, 0.3f, -0.3f, 0.3f, 0.9f, false, false, sand, -0.54f},
    {{0.76, 0.58, 0.40}, {0.10, 0.08, 0.07}, {0.28, 0.18, 0.10}, Hair::buzz, Gear::cap, Beard::moustache,  // Nolan
     1.0f, 1.08f, 0.6f, 0.0f, 1.2f, 0.95f, 0.6f, 0.6f, 0.1f, 0.0f, 0.9f, false, false, olive, 0.54f},
    {{0.27, 0.185, 0.14}, {0.06, 0.05, 0.05}, {0.22, 0.13, 0.07}, Hair::bun, Gear::headset, Beard::none,  // Okafor
     0.96f, 0.98f, 0.42f, 0.1f, 0.95f, 1.25f, 0.0f, 0.3f, 0.0f, 0.25f, 1.35f, false, true, slate, -0.61f},
    {{0.90, 0.66, 0.56}, {0.62, 0.62, 0.60}, {0.40, 0.50, 0.58}, Hair::side_part, Gear::none, Beard::full,  // Pryce
     1.04f, 1.06f, 0.8f, 0.2f, 1.1f, 1.1f, 0.3f, 0.7f, 0.4f, -0.05f, 1.0f, true, false, olive, 0.57f},
    {{0.90, 0.76, 0.58}, {0.05, 0.05, 0.06}, {0.18, 0.11, 0.07}, Hair::bob, Gear::none, Beard::none,  // Sato
     0.96f, 0.92f, 0.36f, 0.0f, 0.85f, 0.9f, 0.0f, 0.25f, 0.05f, 0.1f, 1.05f, false, true, slate, -0.54f},
    {{0.99, 0.87, 0.80}, {0.88, 0.78, 0.50}, {0.35, 0.55, 0.75}, Hair::crew, Gear::none, Beard::none,  // Lund
     1.08f, 1.02f, 1.0f, 0.6f, 1.0f, 1.0f, 0.1f, 0.45f, 0.25f, -0.2f, 0.85f, false, false, slate, 0.61f},
    {{0.82, 0.62, 0.46}, {0.34, 0.22, 0.12}, {0.38, 0.30, 0.18}, Hair::mohawk, Gear::none, Beard::stubble,  // Ebert
     0.88f, 1.1f, 0.5f, 0.3f, 1.15f, 0.9f, 0.8f, 0.5f, 0.4f, 0.35f, 0.95f, false, false, sand, -0.68f},
    {{0.50, 0.34, 0.24}, {0.07, 0.06, 0.05}, {0.22, 0.13, 0.07}, Hair::curly, Gear::none, Beard::full,  // Brody
     1.14f, 1.0f, 1.0f, 0.3f, 1.0f, 1.3f, 0.2f, 0.9f, 0.3f, 0.0f, 1.15f, false, false, olive, 0.54f},
    {{0.84, 0.66, 0.52}, {0.16, 0.12, 0.10}, {0.30, 0.38, 0.30}, Hair::receding, Gear::none, Beard::moustache,  // Vance
     0.92f, 1.12f, 0.5f, 0.1f, 1.25f, 0.9f, 0.5f, 0.5f, 0.1f, -0.25f, 0.8f, true, false, slate, -0.57f},
    {{0.97, 0.83, 0.74}, {0.70, 0.56, 0.34}, {0.30, 0.50, 0.62}, Hair::long_hair, Gear::none, Beard::none,  // Ingram
     0.96f, 1.0f, 0.4f, 0.0f, 0.9f, 0.85f, 0.0f, 0.3f, 0.2f, 0.0f, 1.1f, false, true, olive, 0.57f},
    {{0.95, 0.72, 0.62}, {0.52, 0.24, 0.12}, {0.32, 0.42, 0.30}, Hair::curly, Gear::none, Beard::moustache,  // Yardley
     1.02f, 0.94f, 0.5f, 0.0f, 0.95f, 1.15f, 0.0f, 0.45f, -0.1f, 0.25f, 1.0f, false, false, sand, -0.54f},
    {{0.66, 0.46, 0.32}, {0.22, 0.13, 0.08}, {0.28, 0.20, 0.10}, Hair::ponytail, Gear::beret, Beard::none,  // Moreau
     0.95f, 1.04f, 0.34f, 0.1f, 1.0f, 0.85f, 0.2f, 0.3f, 0.15f, 0.15f, 1.1f, false, true, slate, 0.61f},
    {{0.62, 0.44, 0.30}, {0.09, 0.08, 0.08}, {0.18, 0.12, 0.08}, Hair::buzz, Gear::none, Beard::goatee,  // Castellan
     1.08f, 1.04f, 0.9f, 0.5f, 1.05f, 1.05f, 0.5f, 0.95f, 0.45f, -0.15f, 0.9f, true, false, olive, -0.61f},
};

// What each member wears, and how broad the shoulders under it are.
// No two share both kit and neckline, so every neck and collar differs.
struct Dress {
  Kit kit;
  float bulk;
  Neck neck;
};
const Dress member_dress[15] = {
    {Kit::fatigues, 1.08f, Neck::armour_collar}, {Kit::harness, 1.18f, Neck::open},   {Kit::jacket, 0.9f, Neck::open},
    {Kit::vest, 1.0f, Neck::scarf},              {Kit::rollneck, 0.86f, Neck::open},  {Kit::jacket, 1.06f, Neck::seal},
    {Kit::harness, 0.84f, Neck::hood},           {Kit::vest, 1.12f, Neck::armour_collar}, {Kit::harness, 0.94f, Neck::seal},
    {Kit::fatigues, 1.2f, Neck::seal},           {Kit::rollneck, 0.96f, Neck::armour_collar}, {Kit::jacket, 0.86f, Neck::hood},
    {Kit::vest, 1.02f, Neck::open},              {Kit::rollneck, 0.9f, Neck::scarf},  {Kit::fatigues, 1.06f, Neck::open},
};

// The bones and years under each face: how hard the cheekbones stand,
// how far apart the eyes sit, how old the skin is, how tall the skull,
// how large the eyes, how high the cheekbones and how low and sharp the
// jaw's angle; set so that no two members share a head.
struct Bones {
  float cheekbones, eye_gap, age, crown, eye_size, cheek_height, jaw_angle, ear_drop, ear_out;
};
const Bones member_bones[15] = {
    {0.5f, 1.0f, 0.45f, 0.0f, 0.95f, 0.0f, 0.6f, 0.2f, 0.3f},     // Marsh: a plain square head
    {0.9f, 1.06f, 0.7f, -0.6f, 0.9f, 0.5f, 0.3f, -0.3f, 0.6f},     // Teller: broad, low skull, hard cheekbones
    {0.2f, 0.94f, 0.1f, 0.5f, 1.15f, 0.8f, -0.8f, -0.6f, 0.0f},    // Quill: a long oval, large eyes
    {0.6f, 0.92f, 0.4f, 0.3f, 0.85f, -0.3f, 0.2f, 0.7f, 0.5f},    // Nolan: long face, narrow eyes
    {0.8f, 1.08f, 0.2f, -0.2f, 1.1f, 0.6f, -0.5f, 0.0f, 0.1f},    // Okafor: round, wide-set large eyes
    {0.3f, 1.0f, 0.95f, 0.8f, 0.82f, -0.5f, 0.0f, 1.0f, 0.8f},    // Pryce: tall skull, small deep eyes
    {0.9f, 1.04f, 0.2f, -0.7f, 0.9f, 0.4f, -0.6f, -0.5f, 0.2f},    // Sato: short and round, flat cheeks
    {0.1f, 1.02f, 0.2f, -0.3f, 0.95f, -0.6f, 1.0f, 0.3f, 0.6f},   // Lund: a wide square jaw
    {0.7f, 0.9f, 0.35f, 0.6f, 0.9f, 1.0f, -0.2f, 0.6f, 0.9f},     // Ebert: gaunt, high cheekbones
    {0.4f, 1.06f, 0.5f, -0.4f, 0.9f, -0.2f, 0.8f, -0.2f, 0.4f},    // Brody: heavy and wide
    {0.8f, 0.94f, 0.85f, 1.0f, 0.88f, 0.2f, -0.4f, 0.9f, 0.7f},   // Vance: tall narrow skull, long face
    {0.5f, 1.0f, 0.1f, 0.2f, 1.12f, 0.5f, -0.7f, -0.8f, 0.0f},     // Ingram: soft oval
    {0.2f, 1.04f, 0.3f, -0.8f, 1.0f, -0.4f, 0.1f, -0.4f, 0.9f},    // Yardley: short round head
    {1.0f, 0.98f, 0.45f, 0.4f, 1.05f, 0.7f, -0.5f, 0.1f, 0.2f},   // Moreau: wide cheekbones to a narrow chin
    {0.9f, 0.96f, 0.75f, 0.2f, 0.86f, 0.7f, 0.9f, 0.5f, 0.3f},    // Castellan: angular, hard jaw
};

// Where each member's eyes sit and how the mouth and lids set the face's
// look: tired, wry, wary or open, so that no two wear one expression.
struct Look {
  float eye_height, mouth_wide, smirk, lid_heavy, brow_raise;
};
const Look member_looks[15] = {
    {0.2f, 1.0f, 0.0f, 0.5f, 0.0f},     // Marsh: tired
    {-0.3f, 1.12f, 0.35f, 0.2f, 0.8f},  // Teller: a wry half grin under a raised brow
    {0.6f, 0.9f, 0.0f, -0.3f, 0.0f},    // Quill: young and open
    {-0.6f, 0.95f, -0.4f, 0.6f, 0.0f},  // Nolan: wary
    {0.3f, 1.08f, 0.2f, 0.0f, -0.4f},   // Okafor: amused
    {-0.2f, 1.0f, 0.0f, 0.7f, 0.0f},    // Pryce: heavy lidded, old
    {0.5f, 0.86f, 0.0f, 0.1f, -0.5f},   // Sato: a small mouth, one brow questioning
    {-0.4f, 1.12f, 0.0f, 0.3f, 0.0f},   // Lund: a wide flat mouth
    {-0.8f, 1.04f, 0.8f, 0.2f, 0.9f},   // Ebert: a smirk and a cocked brow
    {0.0f, 1.1f, 0.0f, 0.4f, 0.0f},     // Brody
    {-0.7f, 0.9f, -0.3f, 0.8f, -0.6f},  // Vance: sour and hooded, one brow up
    {0.4f, 0.95f, 0.0f, -0.2f, 0.0f},   // Ingram
    {0.8f, 1.06f, 0.3f, 0.0f, 0.0f},    // Yardley: a grin
    {-0.1f, 0.9f, -0.5f, 0.3f, 0.6f},   // Moreau: one corner down, one brow up
    {-0.5f, 1.0f, 0.0f, 0.6f, 0.0f},    // Castellan: hard and level
};

// How each member holds the head: a sideways tilt and a nod, in radians
// (tilt > 0 leans the head to the picture's right, nod > 0 lowers the
// face), so that no two sit for the camera in one pose.
struct Pose {
  float tilt, nod;
};
const Pose member_poses[15] = {
    {0.05f, 0.04f},    // Marsh: head down a little, tired
    {-0.06f, -0.05f},  // Teller: chin up
    {0.07f, -0.02f},   // Quill: a curious tilt
    {-0.03f, 0.06f},   // Nolan: head lowered, wary
    {-0.07f, -0.03f},  // Okafor
    {0.02f, 0.05f},    // Pryce
    {0.06f, 0.0f},     // Sato
    {-0.02f, -0.06f},  // Lund: chin up, level
    {-0.08f, 0.02f},   // Ebert: cocked head
    {0.03f, -0.03f},   // Brody
    {0.04f, 0.07f},    // Vance: looking from under his brows
    {-0.05f, 0.03f},   // Ingram
    {0.08f, -0.01f},   // Yardley
    {-0.04f, 0.05f},   // Moreau
    {0.01f, -0.04f},   // Castellan: chin up, square
};

// The bars on each member's rank patch.
const int member_rank[15] = {3, 2, 1, 2, 1, 3, 1, 2, 1, 2, 3, 1, 1, 2, 3};

}  // namespace

portrait_model::Face roster_face(int index) {
  portrait_model::Face f = member_faces[index];
  f.kit = member_dress[index].kit;
  f.bulk = member_dress[index].bulk;
  f.neck = member_dress[index].neck;
  f.cheekbones = member_bones[index].cheekbones;
  f.eye_gap = member_bones[index].eye_gap;
  f.age = member_bones[index].age;
  f.crown = member_bones[index].crown;
  f.eye_size = member_bones[index].eye_size;
  f.cheek_height = member_bones[index].cheek_height;
  f.jaw_angle = member_bones[index].jaw_angle;
  f.ear_drop = member_bones[index].ear_drop;
  f.ear_out = member_bones[index].ear_out;
  f.eye_height = member_looks[index].eye_height;
  f.mouth_wide = member_looks[index].mouth_wide;
  f.smirk = member_looks[index].smirk;
  f.lid_heavy = member_looks[index].lid_heavy;
  f.brow_raise = member_looks[index].brow_raise;
  // The roster's proportions pushed further apart, so that heads differ in
  // their shape at a glance and not only in hair and skin.
  // Heads taller than wide, about two wide to three tall, whoever the
  // member: the breadth differs a little from one to the next, never so
  // far that a head reads as a ball or a pumpkin.
  f.width = 0.88f * (1 + (f.width - 1) * 0.9f);
  f.crown = 0.2f + 0.5f * f.crown;
  f.length = 1.04f * (1 + (f.length - 1) * 1.8f);
  f.jaw = std::clamp(0.5f + (f.jaw - 0.5f) * 1.5f, 0.0f, 1.0f);
  f.chin *= 1.8f;
  f.nose_len = 1 + (f.nose_len - 1) * 1.8f;
  f.nose_wide = 1 + (f.nose_wide - 1) * 1.5f;
  f.eye_gap = 1 + (f.eye_gap - 1) * 1.6f;
  // The eyes kept near the head's middle height, as an adult's are.
  f.eye_height *= 0.5f;
  f.cheekbones = std::clamp(0.5f + (f.cheekbones - 0.5f) * 1.3f, 0.0f, 1.0f);
  // Mouths of their own: wide or small, full or thin lips.
  // Never pinched, though: on a narrow head a small mouth is held as
  // broad as the narrowest it had.
  const float skull = 1 + (f.width - 1) * 0.6f;
  f.mouth_wide = std::max(1 + (f.mouth_wide - 1) * 1.4f, std::min(f.mouth_wide, 0.77f / skull));
  f.lips = std::clamp(1 + (f.lips - 1) * 1.5f, 0.72f, 1.25f);
  f.jaw_angle = std::clamp(f.jaw_angle * 1.2f, -1.0f, 1.0f);
  // A gentle three-quarter turn: enough to model the nose and jaw, not so
  // much that the far side of the face foreshortens into a lopsided mask
  // or the lips and eyes look uneven in the picture.
  f.turn *= 0.34f;
  // Smiles and frowns a little stronger, so that expressions read at the
  // squad screen's half size.
  f.smile *= 1.6f;
  f.frown *= 1.3f;
  return f;
}

model::Xf roster_head(int index, const model::Xf& view) {
  // A little more of each member's own tilt than the table holds, so the
  // poses differ at the squad screen's half size.
  return portrait_model::lean(view, member_poses[index].tilt * 1.4f, member_poses[index].nod);
}

namespace {

Bytes portrait(int index) {
  const Face f = roster_face(index);
  const uint32_t seed = 500 + index * 17;
  Canvas c(kPortraitSize, kPortraitSize);
  portrait_finish::bulkhead(c, seed, f.turn < 0);
  Model m;
  const model::Xf view = model::place({92, 84, 0}, model::rot_y(f.turn) * model::rot_x(-0.05f), 0.9f);
  // The head leans and nods on the neck; the shoulders stay as they were.
  const model::Xf head = roster_head(index, view);
  build(m, f, view, head);
  model::RenderOptions o;
  // A hard key, a fill that keeps the shadow side's forms and a strong
  // cold rim: the face is modelled by light and shade, not by its outline.
  // Four samples a pixel: the head now fills most of the picture, and at
  // this size nine cost far more for no difference on the console.
  o.supersample = 2;
  o.ambient = 0.10f;  // a fill, so the shadow side keeps its forms
  o.exposure = 1.75f;
  o.outline_dark = 0.08f;
  // Occlusion in short steps: the hair shades the forehead and temples
  // under it, and the lids, lips and collars sink into their creases.
  o.creases = true;
  o.rim_r = 1.3f, o.rim_g = 1.6f, o.rim_b = 2.3f;  // cold: it outlines the head in a blue room too
  o.rim_hollow = 1;  // the rim outlines the head, not the nose's wings and the lids
  o.crown = head.point({0, -86, -34});  // where the hair's strands part from
  // One key from the upper left and well in front: the far cheek still
  // turns into shade, but both sides of the nose stay lit enough to read
  // as a bridge between a lit and a shaded plane, not a dark smear down
  // one side, as a key from far to the side would make it.
  // Each member's lamp sits a little differently, swinging the key a few
  // degrees round and up, so the crew are not all lit alike.
  const float swing = 0.08f * static_cast<float>((index * 7) % 5 - 2) / 2, rise = 0.05f * static_cast<float>(index % 3 - 1);
  o.key = {-0.68f + swing, -0.5f + rise, 0.53f};
  // The render also gathers the coverage and the material tags at its own
  // four samples a pixel, rather than marching the same rays twice more.
  model::RenderMaps maps;
  model::render(m, c, o, maps);
  // The hair's clumps broken into strands following its lie, and the
  // uniform's seams and badges, each over its own material's pixels.
  const std::vector<float>& tags = maps.tags;
  // The face's own skin, clear of the irises, whose dark pupils stay dark.
  // Only the iris is kept out: a disc over the whole eye leaves a smooth,
  // unlifted ring round it that reads as a pair of goggles.
  std::vector<double> eyes;
  for (int side = -1; side <= 1; side += 2) {
    const model::V3 e = head.point(pupil(f, side));
    eyes.insert(eyes.end(), {e.x, e.y, 7.5 * view.s});
  }
  const std::vector<uint8_t>& covered = maps.coverage;
  const double lowest = head.point(chin_bottom(f)).y + 16 * view.s;
  const std::vector<float> skin = portrait_skin::skin_mask(covered, tags, kPortraitSize, kPortraitSize, lowest, eyes);
  std::vector<float> hair(tags.size()), cloth(tags.size());
  for (size_t i = 0; i < tags.size(); ++i) hair[i] = std::max(0.0f, tags[i]), cloth[i] = std::max(0.0f, -tags[i]);
  portrait_hair::strands(c, f, hair, o.crown, seed + 11);
  portrait_dress::insignia(c, f, view, cloth, member_rank[index]);
  portrait_paint::features(c, f, head);
  // Less of the skin's colour and a wider spread of tones than the default,
  // so that a single channel (a red, blue or dark room) still carries the
  // split between the lit cheek and the shadowed one.
  // A dark skin is held out of part of the lift that brings the picture up
  // for the tints, so the crew's skins keep their own depth of tone. The
  // eyes are held with the skin round them: left out, the lift rings them
  // in a pale band.
  const std::vector<float> face = portrait_skin::skin_mask(covered, tags, kPortraitSize, kPortraitSize, lowest, {});
  std::vector<float> hold = face;
  const double depth = std::clamp((0.9 - f.skin.r) / 0.5, 0.0, 1.0);
  for (float& h : hold) h = static_cast<float>(h * 0.5 * depth);
  portrait_finish::settle_for_tints(c, 0.9, 0.37, hold);
  // The face's own light and shade pulled apart, harder on a deep skin,
  // whose forms sit closer together in a single tinted channel.
  portrait_skin::spread_tones(c, face, 1.08 + 0.4 * depth);
  // Light bounced off the chest and the near cheek: the shadow side of the
  // face keeps the skin's colour instead of falling to black.
  portrait_skin::lift_shadows(c, skin, paint::mix(f.skin, {0.55, 0.3, 0.25}, 0.3), 0.16);
  portrait_paint::under_eyes(c, f, head);
  portrait_skin::grain(c, skin, seed + 23);
  portrait_finish::monitor_finish(c, seed + 5);
  return c.png();
}

}  // namespace

void add_portraits(Registry& reg) {
  for (int i = 0; i < 15; ++i)
    reg.add(gfx(std::string("face_") + kRosterFaces[i] + ".png"), [i] { return portrait(i); });
  reg.add(gfx("face_alien.png"), alien_portrait);
}

}  // namespace contentgen::ui
