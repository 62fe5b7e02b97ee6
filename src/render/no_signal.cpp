// The dead view's snow is drawn from the static dot picture stretched into
// one-pixel strips: a few hundred cheap draws instead of a picture of its own.
#include "render/no_signal.h"

#include <cmath>
#include <cstdint>

#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/room_pass.h"
#include "state/assets.h"
#include "state/play_state.h"

namespace {

constexpr int dotsize = 5;          // the dot picture's width and height
constexpr int strips_per_line = 9;  // snow strips on each lit scan line
constexpr int strips_between = 3;    // fainter ones on the dark line below it
constexpr int roll_height = 48;     // rows of the rolling bright band
constexpr int roll_speed = 3;       // rows it moves down per frame

// Small deterministic generator for this frame's snow.
struct Grain {
  uint32_t s;
  uint32_t next() {
    s ^= s << 13, s ^= s >> 17, s ^= s << 5;
    return s;
  }
  int range(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<uint32_t>(hi - lo + 1)); }
};

// One horizontal strip, one pixel high, w wide from x, grey level g.
void strip(float x, float y, float w, int g, float alpha) {
  plat::set_colour(g, g, g);
  plat::set_alpha(alpha);
  plat::set_scale(w / dotsize, 1.0f / dotsize);
  // The dot's handle is its centre: half a pixel down keeps the strip on
  // one whole row instead of smeared over two.
  drawimageculled(img_dot, x + w / 2, y + 0.5f, 0);
}

}  // namespace

void drawnosignal(int x, int y, int w, int h) {
  // Seeded by the first dots, which the simulation rerolls every frame.
  uint32_t seed = 2166136261u;
  for (int d = 1; d <= 4; ++d) {
    const StaticDot dot = staticdot(d);
    for (int v : {dot.alpha, dot.x, dot.y}) seed = (seed ^ static_cast<uint32_t>(v)) * 16777619u;
  }
  Grain gr{seed | 1u};
  const int clock = teamstat[teamrow][statclock];
  const int roll = ((clock * roll_speed) % (h + roll_height) + (h + roll_height)) % (h + roll_height) - roll_height;
  // Two torn bands a frame: a run of lines shifted sideways and brighter.
  int tear_at[2], tear_h[2], tear_shift[2];
  for (int t = 0; t < 2; ++t) tear_at[t] = gr.range(0, h - 1), tear_h[t] = gr.range(4, 14), tear_shift[t] = gr.range(-40, 40);

  plat::set_blend(plat::BlendAlpha);
  // Odd rows stay dark: the scan lines of the dead picture.
  for (int row = 0; row < h; row += 2) {
    // Brightness rolls down in a soft band.
    const float rd = (row - roll - roll_height / 2.0f) / (roll_height / 2.0f);
    const float lift = rd * rd < 1 ? 1 - rd * rd : 0;
    bool torn = false;
    int shift = 0;
    for (int t = 0; t < 2; ++t)
      if (row >= tear_at[t] && row < tear_at[t] + tear_h[t]) torn = true, shift = tear_shift[t];
    if (lift > 0) strip(x, y + row, w, 150, 0.16f * lift);
    if (torn) {
      // A torn line is one long smear dragged sideways, brightest at its head.
      const int len = gr.range(w / 4, w * 3 / 4), at = gr.range(0, w - len);
      strip(x + at + shift, y + row, len, 190, 0.5f);
      strip(x + at + shift + len - 12, y + row, 12, 255, 0.8f);
    }
    for (int k = 0; k < strips_per_line + strips_between; ++k) {
      const bool between = k >= strips_per_line;
      const int sw = gr.range(2, 26);
      const int sx = (gr.range(0, w - sw) + shift + w) % w;
      const float a = std::fmin(1.0f, (gr.range(30, 90) / 100.0f) * (1 + 1.0f * lift) * (between ? 0.4f : 1.0f));
      strip(x + sx, y + row + (between ? 1 : 0), sw, gr.range(90, 255), a);
    }
  }
  plat::set_scale(1, 1);
  plat::set_alpha(1);
  plat::set_colour(255, 255, 255);
}
