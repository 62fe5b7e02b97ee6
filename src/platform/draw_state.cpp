// Getters and setters of the global draw state. Values are clamped to their
// meaningful ranges so a stray caller cannot push garbage into SDL.
#include "platform/draw_state.h"

#include <algorithm>

#include "platform/internal.h"
#include "platform/platform.h"

namespace plat {
namespace detail {

DrawState& draw_state() {
  static DrawState state;
  return state;
}

void reset_draw_state_for(int width, int height) {
  DrawState& s = draw_state();
  const int cr = s.cls_r, cg = s.cls_g, cb = s.cls_b;
  s = DrawState{};
  s.cls_r = cr, s.cls_g = cg, s.cls_b = cb;
  s.vw = width;
  s.vh = height;
  s.viewport_dirty = true;
}

void apply_viewport() {
  DrawState& s = draw_state();
  SDL_Renderer* r = display().renderer;
  if (!s.viewport_dirty || !r) return;
  const SDL_Rect clip{s.vx, s.vy, s.vw, s.vh};
  SDL_RenderSetClipRect(r, &clip);
  s.viewport_dirty = false;
}

void mark_viewport_dirty() { draw_state().viewport_dirty = true; }

}  // namespace detail

using detail::draw_state;

namespace {
int clamp_channel(int v) { return std::clamp(v, 0, 255); }
}  // namespace

void set_colour(int r, int g, int b) {
  auto& s = draw_state();
  s.r = clamp_channel(r), s.g = clamp_channel(g), s.b = clamp_channel(b);
}
void get_colour(int& r, int& g, int& b) {
  const auto& s = draw_state();
  r = s.r, g = s.g, b = s.b;
}

void set_alpha(float a) {
  if (!(a == a)) a = 1.0f;  // NaN
  draw_state().alpha = std::clamp(a, 0.0f, 1.0f);
}
float get_alpha() { return draw_state().alpha; }

void set_blend(int mode) {
  if (mode >= BlendMasked && mode <= BlendShade) draw_state().blend = mode;
}
int get_blend() { return draw_state().blend; }

void set_scale(float sx, float sy) {
  auto& s = draw_state();
  s.sx = sx, s.sy = sy;
}
void get_scale(float& sx, float& sy) {
  sx = draw_state().sx;
  sy = draw_state().sy;
}

void set_rotation(float degrees) { draw_state().rotation = degrees; }
float get_rotation() { return draw_state().rotation; }

void set_origin(float x, float y) {
  draw_state().ox = x;
  draw_state().oy = y;
}
void get_origin(float& x, float& y) {
  x = draw_state().ox;
  y = draw_state().oy;
}

void set_viewport(int x, int y, int w, int h) {
  auto& s = draw_state();
  s.vx = x, s.vy = y, s.vw = std::max(w, 0), s.vh = std::max(h, 0);
  s.viewport_dirty = true;
}
void get_viewport(int& x, int& y, int& w, int& h) {
  const auto& s = draw_state();
  x = s.vx, y = s.vy, w = s.vw, h = s.vh;
}

void set_cls_colour(int r, int g, int b) {
  auto& s = draw_state();
  s.cls_r = clamp_channel(r), s.cls_g = clamp_channel(g), s.cls_b = clamp_channel(b);
}

void reset_draw_state() {
  const auto& d = detail::display();
  detail::reset_draw_state_for(d.width, d.height);
}

}  // namespace plat
