// The console in drawing order: mission clock, compass (two views), side
// panels, frame, compass (one view), splitter, status panels and tabs.
#include "render/hud.h"

#include <algorithm>
#include <string>

#include "state/assets.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/hud_links.h"
#include "render/hud_parts.h"
#include "render/text.h"
#include "squad/squad.h"
#include "world/map.h"

bool hudcontrolled(int m) {
  return m == curmember[1] || (numplayers == 2 && m == curmember[2]);
}

int hudroomtype(int m) {
  int room = squad[m][mdead] == 1 ? squad[m][mdeathroom] : squad[m][mroom];
  if (room < 0 || room > 300) room = 0;
  return rooms[room][roomrecord][roomtype];
}

void hudreset() {
  plat::set_origin(0, 0);
  plat::set_viewport(0, 0, 1024, 768);
  plat::set_scale(1, 1);
  plat::set_rotation(0);
  plat::set_alpha(1);
  plat::set_blend(plat::BlendMasked);
  setcolourbright(255, 255, 255, 100);
}

namespace {

bool validmember(int m) { return m >= 1 && m <= 6; }

void drawclock() {
  if (settings[setshowtime] != 1) return;
  const std::string text = missionclocktext(teamstat[teamrow][statclock]);
  plat::set_alpha(0.66f);
  plat::set_blend(plat::BlendAlpha);
  auto one = [&](int backy, int texty) {
    plat::set_scale(1.62f, 0.131f);
    drawimageculled(minimapimg[6], 120, static_cast<float>(backy), 0);
    plat::set_scale(1, 1);
    drawsmalltext(124, static_cast<float>(texty), text, 0, 1);
  };
  if (numplayers == 2) {
    one(0, 1);
    one(261, 262);
  } else {
    one(67, 67);
  }
  plat::set_alpha(1);
}

void drawcompasses(bool twoviews) {
  if (settings[setcompass] != 1) return;
  if (twoviews) {
    const int ys[3] = {0, 16, 274};
    for (int v = 1; v <= 2; ++v) {
      const int m = curmember[v];
      if (validmember(m) && squad[m][mdead] == 0) hudcompass(v, ys[v]);
      hudreset();
    }
  } else if (validmember(curmember[1]) && squad[curmember[1]][mdead] == 0) {
    hudcompass(1, 26);
    hudreset();
  }
}

// One column of the side panel: a title, the counter box and the counter.
void panelcounter(float x, float titley, const char* title, float boxy, float numy, int value,
                  bool blink, float sx, float sy) {
  plat::set_blend(plat::BlendMasked);
  plat::set_alpha(1);
  setcolourbright(255, 255, 255, 100);
  plat::set_scale(sx, sy);
  drawbigtext(x, titley, title, 1);
  drawimageculled(img_pausetab, x, boxy, 0);
  if (blink) {
    plat::set_blend(plat::BlendAlpha);
    plat::set_alpha(pausepulse / 100.0f);
    setcolourbright(255, 255, 0, 100);
  } else {
    setcolourbright(150, 150, 255, 100);
  }
  drawnumber(x, numy, std::to_string(value), 1, 3, 0, 1);
  plat::set_scale(1, 1);
  plat::set_alpha(1);
  plat::set_blend(plat::BlendMasked);
  setcolourbright(255, 255, 255, 100);
}

}  // namespace

void drawhintline(float x, float y, int bright) {
  hudreset();
  const float w = static_cast<float>(text::text_total(text::style_bigtextsmall(), gooninghint)) + 16;
  plat::set_blend(plat::BlendAlpha);
  plat::set_alpha(0.8f);
  setcolourbright(0, 0, 0, 100);
  plat::set_scale(w / 32, 27.0f / 32);
  drawimageculled(img_black, x - w / 2, y - 2, 0);
  plat::set_scale(1, 1);
  plat::set_alpha(1);
  setcolourbright(255, 255, 0, static_cast<float>(bright));
  drawbigtextsmall(x, y, gooninghint, 1);
  hudreset();
}

namespace {

// The mission's goal in two lines of the small font on a dark band, once
// the board's counters stand: under the hint of one view, or between the
// two boards of two.
void drawgoal(float y) {
  const std::string lines[2] = {
      "GOAL: shoot the slime off the walls of the nest, room 248, then bring every living",
      "member back to base, room 1. Kills, the colonist's rescue and new rooms earn credit."};
  float w = 0;
  for (const std::string& l : lines) w = std::max(w, static_cast<float>(smalltextwidth(l)));
  w += 16;
  hudreset();
  plat::set_blend(plat::BlendAlpha);
  plat::set_alpha(0.85f);
  setcolourbright(0, 0, 0, 100);
  plat::set_scale(w / 32, 26.0f / 32);
  drawimageculled(img_black, 512 - w / 2, y - 1, 0);
  plat::set_scale(1, 1);
  plat::set_alpha(1);
  setcolourbright(120, 255, 120, 100);
  drawsmalltext(512, y, lines[0], 1);
  drawsmalltext(512, y + 12, lines[1], 1);
  hudreset();
}

bool boardsettled() {
  if (pausestate[panelactive] != 1 || pausepos != panelopenpos) return false;
  for (int p = 1; p <= numplayers && p <= 2; ++p)
    for (int k = 1; k <= 4; ++k)
      if (statshown[p][k] != teamstat[p][k]) return false;
  return true;
}

void drawsidepanels() {
  if (pausestate[panelactive] != 1) return;
  const bool blink = newwave == 1 && pausepos == panelopenpos;
  const float left = pausetabx + 180.0f;
  const float right = pausetabx2 - 180.0f;
  if (numplayers == 2) {
    for (int y : {0, 258}) {
      plat::set_scale(1, 0.94f);
      drawimageculled(sliderimg[1], static_cast<float>(pausetabx), static_cast<float>(y), 0);
      drawimageculled(sliderimg[2], static_cast<float>(pausetabx2), static_cast<float>(y), 0);
    }
    for (int p = 1; p <= 2; ++p) {
      const float d = p == 1 ? -68.0f : 191.0f;
      panelcounter(left, d + 89, "WARRIORS", d + 132, d + 144, statshown[p][statwarriors], false, 1, 0.94f);
      panelcounter(right, d + 89, "QUEENS", d + 132, d + 144, statshown[p][statqueens], false, 1, 0.94f);
      panelcounter(left, d + 203, "EGGS & HUG.", d + 246, d + 258, statshown[p][statbrood], false, 1, 0.94f);
      panelcounter(right, d + 203, "ATTACK WAVE", d + 246, d + 258, statshown[p][statwave], blink, 1,
                   0.94f);
    }
  } else {
    drawimageculled(sliderimg[1], static_cast<float>(pausetabx), 67, 0);
    drawimageculled(sliderimg[2], static_cast<float>(pausetabx2), 67, 0);
    panelcounter(left, 89, "WARRIORS", 132, 144, statshown[1][statwarriors], false, 1, 1);
    panelcounter(right, 89, "QUEENS", 132, 144, statshown[1][statqueens], false, 1, 1);
    panelcounter(left, 213, "EGGS & HUG.", 256, 268, statshown[1][statbrood], false, 1, 1);
    panelcounter(right, 213, "ATTACK WAVE", 256, 268, statshown[1][statwave], blink, 1, 1);
  }
  // Once the panel is open and its counters have stopped, it says which
  // key goes on.
  if (boardsettled()) {
    if (numplayers == 2) {
      drawhintline(512, 229, pausepulse);
      drawhintline(512, 489, pausepulse);
    } else {
      drawhintline(512, 312, pausepulse);
    }
  }
  hudreset();
}

void drawframe() {
  plat::set_blend(plat::BlendMasked);
  if (numplayers == 2) {
    drawimageculled(board2img[1], 0, 514, 0);
    drawimageculled(board2img[2], 0, 0, 0);
    plat::set_scale(-1, 1);
    drawimageculled(board2img[2], 1024, 0, 0);
  } else {
    drawimageculled(boardimg[1], 0, 342, 0);
    drawimageculled(boardimg[2], 0, 67, 0);
    plat::set_scale(-1, 1);
    drawimageculled(boardimg[2], 1024, 67, 0);
    plat::set_scale(1, 1);
    drawimageculled(boardimg[3], 0, 0, 0);
  }
  plat::set_scale(1, 1);
}

void drawsplitter() {
  plat::set_blend(plat::BlendAlpha);
  plat::set_viewport(122, 250, 780, 13);
  for (int k = 1; k <= 7; ++k) drawimageculled(img_splitter, k * 128.0f - 6, 256, 0);
  plat::set_viewport(0, 0, 1024, 768);
  plat::set_blend(plat::BlendMasked);
}

}  // namespace

void drawhud(int full) {
  const bool two = numplayers == 2;
  hudreset();
  if (full) drawclock();
  hudreset();
  if (full && two) drawcompasses(true);
  drawsidepanels();
  drawframe();
  hudreset();
  if (full && !two) drawcompasses(false);
  if (two) drawsplitter();
  hudreset();
  if (two) {
    drawhudstatustwo();
  } else {
    drawhudstatusone();
  }
  hudreset();
  drawhudtabs();
  // Over the console's edge, which hides nothing there.
  if (boardsettled()) drawgoal(two ? 250 : 342);
  hudreset();
}
