#include "render/panel.h"

#include "state/assets.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/text.h"

namespace {

constexpr int screenwidth = 1024;

// Dark fill plus a border: the line image stretched along each edge (its
// length divided by linelen) and a corner piece at each corner, each
// turned a quarter further clockwise.
void framedbox(float x, float y, float w, float h, float fillalpha, int line, int corner,
                float linelen) {
  plat::set_blend(plat::BlendAlpha);
  plat::set_alpha(fillalpha);
  plat::set_scale(w / 32, h / 32);
  drawimageculled(img_black, x, y, 0);
  plat::set_blend(plat::BlendMasked);
  plat::set_alpha(1);

  const float cx[4] = {x, x + w, x + w, x};
  const float cy[4] = {y, y, y + h, y + h};
  const float len[4] = {w, h, w, h};
  for (int i = 0; i < 4; ++i) {
    plat::set_rotation(90.0f * i);
    plat::set_scale(len[i] / linelen, 1);
    drawimageculled(line, cx[i], cy[i], 0);
  }
  plat::set_scale(1, 1);
  for (int i = 0; i < 4; ++i) {
    plat::set_rotation(90.0f * i);
    drawimageculled(corner, cx[i], cy[i], 0);
  }
  plat::set_rotation(0);
  plat::set_scale(1, 1);
}

}  // namespace

void panel(float x, float y, float w, float h, int anchor) {
  if (anchor == 1) {
    x -= w / 2;
    y -= h / 2;
  } else if (anchor == 2) {
    x -= w / 2;
  }
  framedbox(x, y, w, h, 0.9f, bordimg[2], bordimg[1], 5);
}

TooltipBox tooltipbox(float x, const std::string& text, int centred) {
  TooltipBox b{x, smalltextwidth(text) + 16, 42};
  if (centred == 1) b.x -= b.w / 2;
  if (b.x > screenwidth - b.w) b.x = static_cast<float>(screenwidth - b.w);
  if (b.x < 0) b.x = 0;
  return b;
}

void tooltip(float x, float y, const std::string& title, const std::string& text, int centred) {
  TooltipBox b = tooltipbox(x, text, centred);
  framedbox(b.x, y, static_cast<float>(b.w), static_cast<float>(b.h), 0.75f, miniimg[2], miniimg[1], 3);
  float mid = b.x + b.w / 2;
  drawsmalltext(mid, y + 8, title, 1, 1);
  drawsmalltext(mid, y + 24, text, 1, 1);
}
