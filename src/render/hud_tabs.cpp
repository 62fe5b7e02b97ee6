// The six member tabs: tab images, mini-cameras, alarm icons, names, room
// numbers, stamina bars and health hearts. A tab that carries a live
// mini-camera packs its contents into a strip along the top.
#include <string>

#include "state/assets.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/hud.h"
#include "render/hud_links.h"
#include "render/hud_parts.h"
#include "render/text.h"
#include "squad/squad.h"
#include "world/map.h"

namespace {

bool hascamera(int m) { return settings[setminicams] == 1 && !hudcontrolled(m); }

void blinkalpha() {
  plat::set_blend(plat::BlendAlpha);
  plat::set_alpha(pulselevel / 100.0f);
}

void tabimages(int np) {
  plat::set_blend(plat::BlendMasked);
  for (int m = 1; m <= 6; ++m) {
    if (m == curmember[1]) {
      setcolourbright(255, 255, 0, 100);
    } else if (numplayers == 2 && m == curmember[2]) {
      setcolourbright(0, 255, 255, 100);
    } else {
      setcolourbright(255, 255, 255, 100);
    }
    const int k = hascamera(m) ? 1 : (hudcontrolled(m) ? 3 : 2);
    drawimageculled(tabimg[np][k], static_cast<float>(tabpos[np][m][1]),
                    static_cast<float>(tabpos[np][m][2]), 0);
  }
  hudreset();
}

void minicams(int np) {
  for (int m = 1; m <= 6; ++m) {
    if (hudcontrolled(m)) continue;
    const int x = tabpos[np][m][1], y = tabpos[np][m][2];
    plat::set_scale(hudscale[np], hudscale[np]);
    if (np == 1) {
      hudminicam(m, x + 6, y + 44, 261, 92, 11, 5);
    } else {
      hudminicam(m, x + 4, y + 27, 162, 57, 7, 3);
    }
    hudreset();
  }
}

void alarmicons(int np) {
  if (settings[setvisualalarms] != 1) return;
  for (int m = 1; m <= 6; ++m) {
    if (squad[m][mdanger] != 1) continue;
    setcolourbright(255, 255, 0, 100);
    blinkalpha();
    const float x = tabpos[np][m][1] + (m >= 4 ? tabsize[np][1] + 2.0f : -26.0f);
    const float y = tabpos[np][m][2] + tabsize[np][2] / 2.0f - 27.5f;
    drawimageculled(img_alert, x, y, 0);
    hudreset();
  }
}

void tabnames(int np) {
  for (int m = 1; m <= 6; ++m) {
    const float x = static_cast<float>(tabpos[np][m][1]), y = static_cast<float>(tabpos[np][m][2]);
    if (squad[m][mdanger] == 1) {
      setcolourbright(255, 255, 0, 100);
      blinkalpha();
    } else {
      setcolourbright(255, 0, 0, 100);
    }
    const bool cam = hascamera(m);
    if (np == 1) {
      if (cam) drawbigtextsmall(x + 6, y + 6, squadname[m], 0);
      else drawbigtextsmall(x + 136, y + 13, squadname[m], 1);
    } else {
      if (cam) drawtext2small(x + 4, y + 4, squadname[m], 0);
      else drawtext2small(x + 84, y + 8, squadname[m], 1);
    }
    hudreset();
  }
}

std::string roomtext(int m) {
  if (squad[m][mdead] == 1) return "---";
  const int room = squad[m][mroom];
  if (room < 0 || room > 300) return "---";
  return std::to_string(rooms[room][roomrecord][roomid]);
}

void roomnumbers(int np) {
  setcolourbright(255, 150, 150, 100);
  for (int m = 1; m <= 6; ++m) {
    const float x = static_cast<float>(tabpos[np][m][1]), y = static_cast<float>(tabpos[np][m][2]);
    const std::string t = roomtext(m);
    const bool cam = hascamera(m);
    if (np == 1 && cam) drawnumber(x + 207, y + 7, t, 0, 3, 0, 0.55f);
    else if (np == 2 && cam) drawsmalldigits(x + 130, y + 4, t, 0, 3);
    else if (np == 1) drawnumber80(x + 136, y + 56, t, 1, 3);
    else drawnumberhalf(x + 84, y + 35, t, 1, 3);
  }
  hudreset();
}

void staminabars(int np) {
  const float b = np == 1 ? 1.0f : 0.62f;
  for (int m = 1; m <= 6; ++m) {
    if (squad[m][mdead] == 1) continue;
    const float x = static_cast<float>(tabpos[np][m][1]), y = static_cast<float>(tabpos[np][m][2]);
    const float t = squad[m][mmaxstamina] > 0
                        ? static_cast<float>(squad[m][mstamina]) / squad[m][mmaxstamina]
                        : 0.0f;
    const bool cam = hascamera(m);
    setcolourbright(255, 255, 255, 100);
    if (cam) {
      plat::set_scale(b, b);
      drawimageculled(img_bar_stx, np == 1 ? x + 5 : x + 4, np == 1 ? y + 33 : y + 21, 0);
    } else {
      plat::set_scale(np == 1 ? 0.868f : 0.53816f, b);
      drawimageculled(img_bar_stx, np == 1 ? x + 12 : x + 8, np == 1 ? y + 107 : y + 66, 0);
    }
    const HudColour c = gaugecolour(t);
    setcolourbright(c.r, c.g, c.b, 100);
    if (t <= 0.2f) blinkalpha();
    if (cam) {
      plat::set_scale(b * t, b);
      drawimageculled(img_bar_st, np == 1 ? x + 7 : x + 5, np == 1 ? y + 35 : y + 22, 0);
    } else {
      plat::set_scale(b * t * 0.868f, b);
      drawimageculled(img_bar_st, np == 1 ? x + 14 : x + 9, np == 1 ? y + 109 : y + 67, 0);
    }
    hudreset();
  }
}

void hearts(int np) {
  const int strip = np == 1 ? img_heart : img_heart2;
  const int u = np == 1 ? 12 : 8;
  for (int m = 1; m <= 6; ++m) {
    const int health = squad[m][mhealth];
    if (health <= 0) continue;
    const bool cam = hascamera(m);
    const float s = popscale(squad[m][mhealthflash], 10);
    int dx = 0, dy = 0;
    heartshift(s, health, u, dx, dy);
    float x = tabpos[np][m][1] + dx + (cam ? 129.0f : 125.0f);
    float y = tabpos[np][m][2] + dy + (cam ? 20.0f : 66.0f);
    if (np == 1) {
      x += cam ? 78 : 76;
      y += cam ? 14 : 41;
    }
    plat::set_scale(s, s);
    setcolourbright(100, 255, 255, 100);
    drawimageculled(strip, x, y, heartframe(squad[m][mmaxhealth]));
    setcolourbright(255, 255, 255, 100);
    drawimageculled(strip, x, y, heartframe(health));
    hudreset();
  }
}

}  // namespace

void drawhudtabs() {
  const int np = numplayers == 2 ? 2 : 1;
  tabimages(np);
  minicams(np);
  alarmicons(np);
  tabnames(np);
  roomnumbers(np);
  staminabars(np);
  hearts(np);
}
