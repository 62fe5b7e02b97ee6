// Mission-end screens as drawn: the message text in the empty view area
// under the console.
#include "render/mission_screens.h"

#include <string>

#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/hud.h"
#include "render/text.h"
#include "squad/squad.h"

std::string finalists[7];

namespace {

void startdrawing() {
  plat::set_origin(0, 0);
  plat::set_viewport(0, 0, 1024, 768);
  plat::set_blend(plat::BlendAlpha);
  plat::set_alpha(1);
  plat::set_scale(1, 1);
  plat::set_rotation(0);
  setcolourbright(0, 175, 0, 100);
}

// A column of big green lines at x 140 (left-aligned), one set per view.
void greenlines(const char* const* lines, int count, const int* ys) {
  setcolourbright(0, 175, 0, 100);
  for (int i = 0; i < count; ++i) drawbigtext(140, static_cast<float>(ys[i]), lines[i], 0);
}

// Once the panel has slid shut, the key that goes on, at the right end of
// a row the page leaves short: y for one view, then the upper and lower
// view.
constexpr float hintx = 726;
void drawgoonhint(float one, float upper, float lower) {
  if (pausepos != 0) return;
  if (numplayers == 2) {
    drawhintline(hintx, upper, 100);
    drawhintline(hintx, lower, 100);
  } else {
    drawhintline(hintx, one, 100);
  }
  startdrawing();
}

void drawobjective() {
  const char* lines[5] = {"ATTN:", "MESSAGE FROM THE", "COMPANY..", "RETURN TO MTOB TO",
                          "COMPLETE MISSION"};
  const int xs[5] = {150, 220, 220, 220, 220};
  const int one[5] = {80, 140, 180, 240, 280};
  const int upper[5] = {10, 70, 110, 170, 210};
  const int lower[5] = {268, 328, 368, 428, 468};
  for (int i = 0; i < 5; ++i) {
    if (numplayers == 2) {
      drawbigtext(static_cast<float>(xs[i]), static_cast<float>(upper[i]), lines[i], 0);
      drawbigtext(static_cast<float>(xs[i]), static_cast<float>(lower[i]), lines[i], 0);
    } else {
      drawbigtext(static_cast<float>(xs[i]), static_cast<float>(one[i]), lines[i], 0);
    }
  }
  drawgoonhint(86, 16, 274);  // beside ATTN:
}

// First results page for player p with its lines starting at row y0 of
// the one-player layout (80) shifted by dy.
void drawresultsone(int p, int y80, int y120, int y164, int y200, int y240, int y286) {
  setcolourbright(0, 175, 0, 100);
  drawbigtext(140, static_cast<float>(y80), "MESSAGE FROM COMPANY:", 0);
  drawbigtext(140, static_cast<float>(y120), "MISSION ACCOMPLISHED BY", 0);
  setcolourbright(150, 150, 255, 100);
  drawtext2(140, static_cast<float>(y164), finalistline(1), 0);
  drawtext2(140, static_cast<float>(y200), finalistline(4), 0);
  setcolourbright(0, 175, 0, 100);
  drawbigtext(140, static_cast<float>(y240), "TOTAL CREDIT POINTS ATTAINED:", 0);
  setcolourbright(150, 150, 255, 100);
  drawnumber(140, static_cast<float>(y286), std::to_string(teamstat[p][statcredit]), 0, 8, 0, 1);
}

void drawresults() {
  buildfinalists();
  if (missionflags[resultspage] == resultsfirst) {
    if (numplayers == 2) {
      drawresultsone(1, 6, 46, 90, 126, 166, 206);
      drawresultsone(2, 264, 304, 348, 384, 424, 464);
    } else {
      drawresultsone(1, 80, 120, 164, 200, 240, 286);
    }
    drawgoonhint(292, 212, 470);  // beside the credit points
    return;
  }
  const char* lines[4] = {"COMPANY SUGGESTS YOU", "RETURN AT A LATER DATE",
                          "TO GAIN A HIGHER CREDIT", "RATING."};
  const int one[4] = {120, 160, 200, 240};
  const int upper[4] = {50, 90, 130, 170};
  const int lower[4] = {308, 348, 388, 428};
  if (numplayers == 2) {
    greenlines(lines, 4, upper);
    greenlines(lines, 4, lower);
  } else {
    greenlines(lines, 4, one);
  }
  drawgoonhint(300, 216, 474);  // under the second page
}

}  // namespace

void buildfinalists() {
  int n = 0;
  for (int i = 1; i <= 6; ++i) finalists[i].clear();
  for (int m = 1; m <= 6; ++m)
    if (squad[m][mdead] != 1) finalists[++n] = squadname[m];
}

std::string finalistline(int first) {
  return finalists[first] + "  " + finalists[first + 1] + "  " + finalists[first + 2];
}

void drawmissionscreen() {
  startdrawing();
  if (missionflags[missionphase] == phaseannounced) drawobjective();
  if (missionflags[missionhome] == homereached) drawresults();
  plat::set_blend(plat::BlendMasked);
  setcolourbright(255, 255, 255, 100);
  drawhud(0);
}

void drawfailscreen() {
  startdrawing();
  const char* lines[3] = {"MESSAGE FROM COMPANY:", "MISSION FAILED", "ALL CREW MEMBERS ARE DEAD"};
  const int one[3] = {120, 160, 200};
  const int upper[3] = {46, 86, 126};
  const int lower[3] = {304, 344, 384};
  if (numplayers == 2) {
    greenlines(lines, 3, upper);
    greenlines(lines, 3, lower);
  } else {
    greenlines(lines, 3, one);
  }
  drawgoonhint(300, 200, 460);
  plat::set_blend(plat::BlendMasked);
  setcolourbright(255, 255, 255, 100);
  drawhud(0);
}
