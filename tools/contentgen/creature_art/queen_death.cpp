// The queen's death: shot in her lunge she recoils, her legs buckle and
// she topples over under her own weight, pivoting on her hips as she drops,
// until she lies along the floor with her limbs folding in. Her head keeps
// to the rows a close view shows, so her face goes down in view.
#include <algorithm>
#include <cmath>
#include <vector>

#include "creature_art/queen_model.h"
#include "creature_art/creature_brushes.h"
#include "creature_art/death_wound.h"
#include "pictures.h"

namespace contentgen::creatures {

namespace {

using namespace queen_model;
using model::lerp3;
using model::place;
using model::rot_z;

// How far she has toppled at each frame (radians, clockwise on screen):
// slow to start, then falling faster, the last frame down on the floor.
// The row her neck is drawn at in every frame of the fall.
constexpr float kDeathHeadRow = (kCloseTop + kCloseBottom) / 2.0f;

constexpr float topple[5] = {0.03f, 0.14f, 0.36f, 0.7f, 1.0f};

// The leftmost and rightmost columns the posed model covers, measured on a
// canvas wide enough to hold it wherever it has been moved.
void columns(const QPose& p, const Xf& view, int& left, int& right) {
  const int pad = 400, w = kQueenAttack.w + 2 * pad, h = kQueenAttack.h;
  Model probe;
  build(probe, p, place({static_cast<float>(pad), 0, 0}) * view);
  const std::vector<uint8_t> cov = model::coverage(probe, w, h, 1);
  left = w, right = -1;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (cov[static_cast<size_t>(y) * w + x]) left = std::min(left, x - pad), right = std::max(right, x - pad);
}

QPose death_pose(int frame) {
  const float t = (frame - 1) / 4.0f;
  QPose p = lunge_pose(0);
  p.jaw = 1.0f - 0.3f * t;
  p.inner = frame == 1 ? 0.5f : 0.0f;
  // The head snaps back at the hit, then lolls as she goes down.
  p.head_rot = frame == 1 ? 0.05f : 0.2f + 0.5f * t;
  // The crest, raised at the viewer in her lunge, sinks back along her
  // skull as she goes down.
  p.crest_lift = 0.22f - 1.1f * t;
  p.pitch = -1.25f + 0.35f * t * t;
  p.neck_end = shoulders(p) + V3{34 - 16 * t, -16 + 18 * t, 0};
  // Arms thrown up at the hit, flung out as she falls, then limp.
  static const V3 near_hand[5] = {{10, -50, 50}, {30, -40, 60}, {50, -10, 64}, {60, 30, 40}, {50, 60, 24}};
  static const V3 far_hand[5] = {{0, -50, -64}, {20, -30, -70}, {50, 0, -60}, {60, 40, -40}, {50, 60, -30}};
  p.hand[0] = near_hand[frame - 1];
  p.hand[1] = far_hand[frame - 1];
  p.curl = 0.9f;
  // The legs buckle: the feet slide forward and the knees fold.
  p.toe[0] = {40 + 22 * t, 100 - 34 * t, 30};
  p.toe[1] = {20 + 30 * t, 100 - 44 * t, -30};
  p.tail_sway = -1.0f + 1.4f * t;
  // The tail swings against the fall so that it stays down on the floor.
  p.tail_turn = -0.9f * topple[frame - 1];
  // Shorter than in the lunge, and drawn in as she falls, so the fallen
  // body keeps its size in the frame.
  p.tail_len = 0.5f - 0.22f * t;
  p.drool = frame <= 2;
  return p;
}

}  // namespace

Bytes queen_death(int frame) {
  Canvas c(kQueenAttack.w, kQueenAttack.h);
  const float t = (frame - 1) / 4.0f;
  const QPose p = death_pose(frame);
  const Xf stand = crowned_view(p, 0, 0, kFallScale);
  // Topple about the hips as the legs give way; her head keeps near the
  // place it was hit (where the splash of the wound is drawn) by sliding
  // the body back under the fall.
  const V3 hips = stand.point({0, 0, 0});
  Xf view = place(hips) * place({}, rot_z(topple[frame - 1])) * place(hips * -1.0f) * stand;
  const float drift = view.point(p.neck_end).x - stand.point(p.neck_end).x;
  view = place({-0.5f * drift, 0, 0}) * view;
  {
    // ...but no further than keeps her whole body inside the frame.
    int left = 0, right = 0;
    columns(p, view, left, right);
    const int margin = 4, w = kQueenAttack.w;
    if (left < margin && right < w - 1 - margin)
      view = place({static_cast<float>(std::min(margin - left, w - 1 - margin - right)), 0, 0}) * view;
    else if (right > w - 1 - margin && left > margin)
      view = place({-static_cast<float>(std::min(right - (w - 1 - margin), left - margin)), 0, 0}) * view;
  }
  {
    // Her head stays in the rows a close view shows as she goes down: the
    // game sinks the frames as she falls, so the fall itself is drawn
    // about the head rather than onto the frame's floor.
    const float head = view.point(p.neck_end).y;
    view = place({0, kDeathHeadRow - head, 0}) * view;
  }
    // Any shrinking left to do keeps her head where it is.
  const V3 floor{kQueenAttack.w / 2.0f, kDeathHeadRow, 0};
  auto make = [&](Model& mm, const Xf& v) { build(mm, p, v); };
  {
    // The wound's splash is drawn round her neck: keep it inside the frame.
    const float reach = 112, x = view.point(p.neck_end + V3{20, -4, 0}).x;
    const float over = std::max(0.0f, x + reach - kQueenAttack.w) - std::max(0.0f, reach - x);
    view = place({-over, 0, 0}) * view;
  }
  view = solid::fit(make, view, kQueenAttack.w, kQueenAttack.h, floor);
  Model m;
  m.set_skin(0.18f, 3.5f);
  build(m, p, view);
  // Where she comes to rest: the acid runs down to it and pools there,
  // under her, in the last two frames.
  const int low = solid::lowest_solid_row(m, kQueenAttack.w, kQueenAttack.h);
  const double floor_y = low > 0 ? low : kQueenAttack.h - 1;
  const V3 rest = view.point({0, 0, 0});
  const V3 wound = view.point(p.neck_end + V3{20, -4, 0});
  death_pool(c.cr(), 0.25 * rest.x + 0.75 * wound.x, floor_y, 170, 377, t, 0.7);
  model::render(m, c, fall_render_options());
  cairo_t* cr = c.cr();
  // The shot's hole in her neck eaten wider frame by frame, and a second
  // through her chest from the next frame on.
  // Both are long splits in her plate, each along its own part of her (the
  // neck's from shoulders to head, the chest's along the spine), and the
  // spray trails up and back from them as she topples forward and down.
  const V3 chest = view.point(shoulders(p) + V3{0, 20, 0});
  const V3 sh = view.point(shoulders(p)), hip = view.point({0, 0, 0});
  const float neck_along = std::atan2(wound.y - sh.y, wound.x - sh.x);
  const float spine_along = std::atan2(sh.y - hip.y, sh.x - hip.x);
  const paint::Pt fall{14 + 10 * t, 18 + 16 * t};
  if (frame >= 2)
    death_wound(cr, {chest.x + 10, chest.y - 16}, 26, 360, (frame - 2) / 3.0, floor_y,
                {WoundKind::split, spine_along, fall});
  death_wound(cr, {wound.x, wound.y - 6}, 34, 320, t, floor_y, {WoundKind::split, neck_along, fall});
  require_clear_edges(c, "queen death");
  return c.png();
}

}  // namespace contentgen::creatures
