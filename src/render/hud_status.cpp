// The status panel of the member each player controls: name, portrait,
// ammunition gauge, heartbeat trace and credit points.
#include <string>

#include "state/assets.h"
#include "state/play_state.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/hud.h"
#include "render/hud_parts.h"
#include "render/text.h"
#include "squad/squad.h"

namespace {

void setcolour(const HudColour& c) { setcolourbright(c.r, c.g, c.b, 100); }

// Yellow blinking while the member shares its room with a creature,
// steady green otherwise.
void namecolour(int m) {
  if (squad[m][mdanger] == 1) {
    plat::set_blend(plat::BlendAlpha);
    plat::set_alpha(pulselevel / 100.0f);
    setcolourbright(255, 255, 0, 100);
  } else {
    setcolourbright(0, 255, 0, 100);
  }
}

void portrait(int m, float x, float y, float scale) {
  setcolour(portraitcolour(hudroomtype(m)));
  const int face = squad[m][mdead] == 1
                       ? faceimg[16]
                       : (squadchar[m] >= 1 && squadchar[m] <= 15 ? faceimg[squadchar[m]] : 0);
  plat::set_scale(scale, scale);
  drawimageculled(face, x, y, 0);
  plat::set_scale(1, 1);
}

// The gauge fills upward from its bottom handle in a colour running from
// green (full) to red (empty); the count sits on it and grows after a refill.
void ammogauge(int m, float x, float y, float scale, float textx, float texty) {
  const int ammo = squad[m][mammo];
  const int most = squad[m][mmaxammo];
  const float a = most > 0 ? static_cast<float>(ammo) / most : 0.0f;
  setcolourbright(255, 255, 255, 100);
  plat::set_scale(scale, scale);
  drawimageculled(img_bar_amx, x, y, 0);
  setcolour(gaugecolour(a));
  plat::set_scale(scale, scale * a);
  drawimageculled(img_bar_am, x, y, 0);
  plat::set_scale(1, 1);
  const float s = popscale(squad[m][mammoflash], 5);
  drawsmalltext(textx, texty - (s - 1) * 8 / 2,
                std::to_string(ammo) + "/" + std::to_string(most), 1, s);
}

void viivas(const float xs[4], float y, float scale) {
  setcolourbright(255, 255, 255, 100);
  plat::set_scale(scale, scale);
  drawimageculled(img_viiva, xs[0], y, 0);
  drawimageculled(img_viiva, xs[1], y, 0);
  plat::set_scale(-scale, scale);
  drawimageculled(img_viiva, xs[2], y, 0);
  drawimageculled(img_viiva, xs[3], y, 0);
  plat::set_scale(1, 1);
}

}  // namespace

void drawhudstatusone() {
  const int m = curmember[1];
  if (m < 1 || m > 6) return;
  drawimageculled(img_nametab, 324, 401, 0);
  namecolour(m);
  drawbigtext(511, 412, squadname[m], 1);
  hudreset();
  const float xs[4] = {326, 405, 618, 697};
  viivas(xs, 458, 1);
  portrait(m, 511, 559, 1);
  ammogauge(m, 655, 640, 1, 653, 644);
  setcolourbright(255, 255, 0, 100);
  for (int k = 1; k <= 184; ++k) drawimageculled(img_piste, tickertext[k] + 335.0f, k + 465.0f, 0);
  setcolourbright(255, 255, 255, 100);
  drawimageculled(img_scoretab, 324, 661, 0);
  const CreditFlash f = creditflash(scoreflash(1));
  setcolour(f.colour);
  drawnumber(f.x, 698, std::to_string(teamstat[1][statcredit]), 1, 8, 1, f.scale);
}

void drawhudstatustwo() {
  const float s = hudscale[2];
  for (int p = 1; p <= 2; ++p) {
    const int m = curmember[p];
    if (m < 1 || m > 6) continue;
    const float d = p == 1 ? -70.0f : 222.0f;
    hudreset();
    plat::set_scale(s, s);
    drawimageculled(img_nametab, d + 324, 543, 0);
    plat::set_scale(1, 1);
    namecolour(m);
    drawbigtextsmall(d + 434, 548, squadname[m], 1);
    hudreset();
    const float xs[4] = {d + 325, d + 372, d + 500, d + 548};
    viivas(xs, 575, s);
    portrait(m, d + 436, 637, s);
    ammogauge(m, d + 523, 684, s, d + 523, 686);
    setcolourbright(255, 255, 0, 100);
    plat::set_scale(s, s);
    for (int k = 74; k <= 184; ++k)
      drawimageculled(img_piste2, d + playerticker[p][k] + 316.0f, k + 507.0f, 0);
    setcolourbright(255, 255, 255, 100);
    drawimageculled(img_scoretab, d + 324, 696, 0);
    plat::set_scale(1, 1);
    const CreditFlash f = creditflash(scoreflash(p));
    setcolour(f.colour);
    drawnumberscaled(d + 433, 718, std::to_string(teamstat[p][statcredit]), 1, 8, 1, f.scale);
  }
  hudreset();
}
