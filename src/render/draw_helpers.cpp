#include "render/draw_helpers.h"

#include <algorithm>
#include <cmath>

#include "state/assets.h"
#include "platform/platform.h"

namespace {

constexpr float roomlooplength = 3328;

int scaledchannel(int c, float bright) {
  return std::clamp(static_cast<int>(c * bright / 100.0f), 0, 255);
}

bool present(int image) {
  if (image != 0 && plat::image_exists(image)) return true;
  gfxmissing = 100;
  return false;
}

// Draws if the image, placed at (x, y) with the current draw state, can be
// seen through the viewport.
void drawifvisible(int image, float x, float y, int frame) {
  float ox, oy, sx, sy;
  plat::get_origin(ox, oy);
  plat::get_scale(sx, sy);
  ScreenBox b = drawnbox(x + ox, y + oy, plat::image_width(image), plat::image_height(image),
                          plat::image_handle_x(image), plat::image_handle_y(image), sx, sy,
                          plat::get_rotation());
  int vx, vy, vw, vh;
  plat::get_viewport(vx, vy, vw, vh);
  if (boxinviewport(b, vx, vy, vw, vh)) plat::draw_image(image, x, y, frame);
}

}  // namespace

void setcolourbright(int r, int g, int b, float bright) {
  plat::set_colour(scaledchannel(r, bright), scaledchannel(g, bright), scaledchannel(b, bright));
}

ScreenBox drawnbox(float px, float py, int w, int h, int hx, int hy, float sx, float sy,
                    float rotation) {
  // The image's ends relative to the handle, after scaling (either sign).
  float x0 = -hx * sx, x1 = (w - hx) * sx;
  float y0 = -hy * sy, y1 = (h - hy) * sy;
  if (std::fmod(rotation, 360.0f) == 0) {
    return {px + std::min(x0, x1), py + std::min(y0, y1), px + std::max(x0, x1),
            py + std::max(y0, y1)};
  }
  float rx = std::max(std::fabs(x0), std::fabs(x1));
  float ry = std::max(std::fabs(y0), std::fabs(y1));
  float r = std::sqrt(rx * rx + ry * ry);
  return {px - r, py - r, px + r, py + r};
}

bool boxinviewport(const ScreenBox& b, int vx, int vy, int vw, int vh) {
  return b.right > vx && b.left < vx + vw && b.bottom > vy && b.top < vy + vh;
}

void drawimageculled(int image, float x, float y, int frame) {
  if (present(image)) drawifvisible(image, x, y, frame);
}

void drawimageguarded(int image, float x, float y, int frame) {
  if (present(image)) plat::draw_image(image, x, y, frame);
}

void setimagehandle(int image, int hx, int hy) {
  if (present(image)) plat::set_image_handle(image, hx, hy);
}

int imagewidth(int image) { return image != 0 && plat::image_exists(image) ? plat::image_width(image) : 0; }

int imageheight(int image) {
  return image != 0 && plat::image_exists(image) ? plat::image_height(image) : 0;
}

void drawbracketbox(float x, float y, float w, float h, float alphapercent) {
  if (!present(img_bracket)) return;
  plat::set_blend(plat::BlendAlpha);
  plat::set_alpha(alphapercent / 100.0f);
  for (float shift : {-roomlooplength, 0.0f, roomlooplength}) {
    float bx = x + shift;
    plat::set_rotation(0);
    plat::set_scale(w / 32, 1);
    drawimageculled(img_bracket, bx, y, 0);
    plat::set_rotation(90);
    plat::set_scale(h / 32, 1);
    drawimageculled(img_bracket, bx + w, y, 0);
    plat::set_rotation(180);
    plat::set_scale(w / 32, 1);
    drawimageculled(img_bracket, bx + w, y + h, 0);
    plat::set_rotation(270);
    plat::set_scale(h / 32, 1);
    drawimageculled(img_bracket, bx, y + h, 0);
  }
  plat::set_scale(1, 1);
  plat::set_rotation(0);
  plat::set_alpha(1);
  plat::set_blend(plat::BlendMasked);
}
