// A squad member's head and shoulders modelled in the round for the
// console portraits: skull, jaw, nose, eyes, mouth, ears and neck shaped by
// the member's face; hair, beard and headgear as masses over them; armour
// and the member's kit on the shoulders. Built in head units (the head about 120 wide and 170
// tall, the origin mid-face at the eyes' depth, y down, z toward the
// viewer) and placed by the view given.
#pragma once

#include "model_kit/model.h"
#include "paint_kit/colour.h"

namespace contentgen::ui::portrait_model {

using model::Model;
using model::V3;
using model::Xf;
using paint::Rgb;

enum class Hair { bald, shaved, buzz, crew, side_part, ponytail, bob, bun, mohawk, curly, long_hair, braids, receding };
enum class Gear { none, helmet, beret, headset, cap };
enum class Beard { none, stubble, moustache, full, goatee };
enum class Kit { fatigues, rollneck, jacket, harness, vest };
// What closes the clothes round the neck, over the kit's own collar.
enum class Neck { open, armour_collar, seal, scarf, hood };

struct Face {
  Rgb skin, hair, iris;
  Hair hair_style;
  Gear gear;
  Beard beard;
  float width;      // skull breadth, 1 is average
  float length;     // face length, 1 is average
  float jaw;        // 0 narrow and pointed .. 1 broad and square
  float chin;       // how far the chin stands forward, -1 .. 1
  float nose_len;   // 1 is average
  float nose_wide;  // 1 is average
  float nose_hump;  // a bump on the bridge, 0 .. 1
  float brow;       // brow ridge and eyebrow weight, 0 .. 1
  float frown;      // > 0 brows drawn down at the middle
  float smile;      // mouth corners: > 0 up, < 0 down
  float lips;       // lip fullness, 1 is average
  bool lined, female;
  Rgb armour;       // the colour of the outer clothes
  float turn;       // yaw of the head, radians: < 0 turns the face to the picture's left
  Kit kit = Kit::fatigues;
  float bulk = 1;   // breadth of the shoulders, 1 is average
  Neck neck = Neck::open;
  float cheekbones = 0.5f;  // how high and hard the cheekbones stand, 0 .. 1
  float eye_gap = 1;        // spacing of the eyes, 1 is average
  float age = 0.3f;         // 0 young .. 1 old: sunken cheeks, bags, crow's feet
  float crown = 0;          // height of the skull over the brow, -1 low .. 1 tall
  float eye_size = 1;       // size of the eyes' openings, 1 is average
  float cheek_height = 0;   // -1 low .. 1 high cheekbones
  float jaw_angle = 0;      // -1 the jaw's angle high and soft .. 1 low, sharp and wide
  float ear_drop = 0;       // -1 ears set high .. 1 set low and long
  float ear_out = 0;        // 0 close to the head .. 1 standing out
  float eye_height = 0;     // -1 eyes set high .. 1 set low in the head
  float mouth_wide = 1;     // the mouth's breadth, 1 is average
  float smirk = 0;          // > 0 the mouth's left corner (picture left) up and the right down
  float lid_heavy = 0;      // -1 wide open .. 1 the upper lids low over the irises
  float brow_raise = 0;     // > 0 the picture's left brow raised, < 0 the right one
};

// Adds the member's head and shoulders to the model under the view.
void build(Model& m, const Face& f, const Xf& view);
// The same with the head placed by `head` (the view with the head's own
// tilt and nod) and the shoulders by `view`.
void build(Model& m, const Face& f, const Xf& view, const Xf& head);
// The view tilted sideways by `tilt` and nodded by `nod` (radians) about
// the top of the neck, so the head leans while the shoulders stay square.
Xf lean(const Xf& view, float tilt, float nod);
// Where the pupil of the left (side -1) or right (side 1) eye faces the
// viewer, in head units, for the catchlight painted over the render.
V3 pupil(const Face& f, int side);
// The middle of an eyeball, its radius, and how far the lids open above and
// below its middle, in head units, for the eye painted over the render.
V3 eye_middle(const Face& f, int side);
constexpr float kEyeRadius = 12.5f;
// The lids' edges over the eye, in head units.
float lid_top(const Face& f);
float lid_bottom(const Face& f);
// Where a nostril opens under the nose's tip, and the top and the tip of
// the nose's bridge.
V3 nostril(const Face& f, int side);
void nose_bridge(const Face& f, V3 out[2]);
// The eyebrow of one side as inner end, arch and outer end, in head units,
// for the brow painted over the render.
void brow_line(const Face& f, int side, V3 out[3]);
// The crease over the upper lid of one eye: outer end, top, inner end.
void lid_crease(const Face& f, int side, V3 out[3]);
// The line where the lips meet: left corner, middle, right corner.
void mouth_line(const Face& f, V3 out[3]);
// The underside of the chin, and the neck's radius below it.
V3 chin_bottom(const Face& f);
// The placement of the shoulders and clothes (the body turns less than the
// head), and a point on the chest's cloth at (x, y) in that frame, `lift`
// off it.
Xf body_view(const Face& f, const Xf& view);
V3 on_chest(const Face& f, float x, float y, float lift = 0);
float neck_radius(const Face& f);

}  // namespace contentgen::ui::portrait_model
