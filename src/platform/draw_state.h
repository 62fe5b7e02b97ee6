// The global draw state every image and text draw reads.
#pragma once

namespace plat::detail {

struct DrawState {
  int r = 255, g = 255, b = 255;
  float alpha = 1.0f;
  int blend = 1;  // Blend value
  float sx = 1.0f, sy = 1.0f;
  float rotation = 0.0f;
  float ox = 0.0f, oy = 0.0f;
  int vx = 0, vy = 0, vw = 0, vh = 0;
  int cls_r = 0, cls_g = 0, cls_b = 0;
  bool viewport_dirty = true;
};

DrawState& draw_state();

}  // namespace plat::detail
