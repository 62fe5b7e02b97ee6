// The queen's solid model and the views shared by her lunge and her death:
// the body posed by a small pose table, the three-quarter view with the
// crown on the frames' shared handle.
#pragma once

#include "creature_art/solid.h"
#include "creature_sizes.h"

namespace contentgen::creatures::queen_model {

using solid::M3;
using solid::Model;
using solid::V3;
using solid::Xf;

// Body-local: origin at the hip, facing +x, y down, +z toward the side view.
struct QPose {
  float pitch = -0.78f;
  V3 neck_end{78, -92, 0};
  float head_rot = 0.25f;
  float head_yaw = 0;  // the head turned about its own vertical axis, - toward the viewer
  float jaw = 0.2f, inner = 0;
  V3 hand[2] = {{40, 40, 20}, {34, 40, -20}};  // the great arms
  V3 small[2] = {{26, 30, 12}, {22, 30, -12}}; // the small chest arms
  float curl = 0.6f;
  V3 toe[2] = {{40, 100, 16}, {10, 100, -16}};
  V3 heel[2] = {{-22, -38, 0}, {-22, -38, 0}};  // each ankle from its toe
  float tail_sway = 0;
  float tail_turn = 0;  // the whole tail swung about its root, in the picture plane
  float tail_len = 1;   // the tail's length as a share of its full reach
  bool drool = true;
  bool side = true;
  float crest_reach = 1;  // the crest's length as a share of its full sweep
  float crest_lift = 0;   // the crest's line turned up from its rest (radians)
  // Seen close, as in her lunge: her chitin drawn glossier and finer, so
  // it keeps crisp highlights when the frame is blown up.
  bool close = false;
  // Walking in the rooms, seen small: legs built thick enough to carry the
  // crest, and the torso clad in shingled plates rather than ringed bands.
  bool stride = false;
};

// Where the torso ends and the neck begins.
V3 shoulders(const QPose& p);
void build(Model& m, const QPose& p, const Xf& view);

// The lunge frames' shared handle, in frame pixels.
inline constexpr V3 kHandle{kQueenAttack.w / 2.0f, 149, 0};
// The crown's top in the lunge frames: the band hides the rows above it at
// every approach distance but the last few frames of the strike.
inline constexpr int crown_top = 134;

// How her frames are rendered: her crest and plates are many parts, so
// three samples a side, which her size keeps smooth, hold her frames' cost.
inline model::RenderOptions render_options() {
  model::RenderOptions o = solid::sprite_options();
  o.supersample = 3;
  // A stronger, brighter cool light along her top and back than the
  // warriors get: her black plate has to hold its outline under a red room.
  o.top_rim = 3.2f;
  o.rim_r = 0.42f, o.rim_g = 0.64f, o.rim_b = 0.92f;
  return o;
}
// Her fall: each frame is on screen a moment, under the wound's acid, so
// two samples a side are enough there.
inline model::RenderOptions fall_render_options() {
  model::RenderOptions o = render_options();
  o.supersample = 2;
  return o;
}

// The lunge pose; strike 0 rearing, 1 the blow.
QPose lunge_pose(float strike);
// Her size in the lunge: close enough that her head fills the rows that show.
inline constexpr float kLungeScale = 2.9f;
// Her size as she falls: the whole body has to fit the frame.
inline constexpr float kFallScale = 2.5f;
// The front view at the given size with the crown's top lowered toward
// crown_top (plus dy), but no further than keeps the frames' shared handle
// on solid crown.
Xf crowned_view(const QPose& p, float dy, float roll, float scale);
// The front view at the given size with her skull centred across the frame
// at `row`, so that face and jaws sit in the rows a close lunge shows and
// the crest rises over the frames' shared handle.
Xf faced_view(const QPose& p, float row, float roll, float scale);
// The rows of her close-up frames that show when she is nearest: her face
// and jaws belong between them.
inline constexpr int kCloseTop = 210, kCloseBottom = 350;

}  // namespace contentgen::creatures::queen_model
