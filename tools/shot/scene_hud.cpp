// Console and mission-end scenes: the console for one and two players, the
// side panel fully open with a new wave, the objective message, both
// results pages, the squad-lost notice and the debug/cheat overlay.
#include <string>

#include "app/mission_end.h"
#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/hud.h"
#include "render/messages.h"
#include "render/mission_screens.h"
#include "render/overlay.h"
#include "render/text.h"
#include "scene.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "squad/squad_pass.h"
#include "world/map.h"

namespace {

// A squad mid-mission: mixed stamina, ammunition and health, one member in
// danger, one dead, credits and a running clock.
void setupgame(int players) {
  load_fonts();
  load_all_assets();
  resetsettings();
  settings[setshowtime] = 1;
  settings[setvisualalarms] = 1;
  settings[setminicams] = 1;
  initroster();
  numplayers = players;
  const int picks[7] = {0, 1, 4, 7, 9, 12, 15};
  for (int m = 1; m <= 6; ++m) {
    squadchar[m] = picks[m];
    setupmember(m);
  }
  const int roomsat[7] = {0, 12, 40, 40, 77, 130, 1};
  for (int m = 1; m <= 6; ++m) {
    const int r = roomsat[m];
    squad[m][mroom] = r;
    rooms[r][roomrecord][roomid] = r;
    rooms[r][roomrecord][roomtype] = m % 6;
  }
  squad[1][mammo] = squad[1][mmaxammo] * 2 / 3;
  squad[2][mstamina] = squad[2][mmaxstamina] / 7;  // nearly spent: blinking bar
  squad[3][mdanger] = 1;                           // a creature in the room
  squad[3][mhealth] = 1;
  squad[4][mstamina] = squad[4][mmaxstamina] / 2;
  squad[5][mdead] = 1;  // dead
  squad[5][mdeathroom] = 130;
  squad[5][mroom] = deadroom;
  squad[5][mhealth] = 0;
  squad[6][mhealthflash] = 8;  // just healed: hearts pop
  curmember[1] = 1;
  curmember[2] = players == 2 ? 4 : 0;
  pulselevel = 90;
  teamstat[teamrow][statclock] = 216000 + 2 * 3600 + 3 * 60 + 30;
  teamstat[1][statcredit] = 12345;
  teamstat[2][statcredit] = 980;
  teamstat[teamrow][statwarriors] = 0;
  teamstat[teamrow][statbrood] = 10;
  for (int k = 1; k <= 185; ++k) {
    const int phase = (k * 3) % 56;
    tickertext[k] = 4 + (phase < 28 ? phase * 2 : (56 - phase) * 2);
    playerticker[1][k] = 18 + (k * 2) % 28;
    playerticker[2][k] = 46 - (k * 3) % 28;
  }
  pausestate[panelactive] = 0;
  pausepos = 0;
}

void openpanel() {
  pausestate[panelactive] = 1;
  pausestate[panelclosing] = 0;
  pausepos = 422;
  pausetabx = pausepos - 300;
  pausetabx2 = 1324 - pausepos;
  pausepulse = 80;
}

// Stand-in for the room views: a dim band where each view would be.
void viewbands() {
  plat::set_blend(plat::BlendSolid);
  plat::set_colour(30, 34, 40);
  plat::set_scale(780.0f / 32, (numplayers == 2 ? 258.0f : 275.0f) / 32);
  drawimageculled(img_black, 122, numplayers == 2 ? 0 : 67, 0);
  if (numplayers == 2) drawimageculled(img_black, 122, 258, 0);
  plat::reset_draw_state();
}

}  // namespace

SHOT_SCENE("hud_one", "console for one player") {
  setupgame(1);
  viewbands();
  drawhud(1);
  postmessage("Game saved", 192, 0);
  drawmessageline();
}

SHOT_SCENE("hud_two", "console for two players") {
  setupgame(2);
  viewbands();
  drawhud(1);
}

SHOT_SCENE("hud_panel", "side panel fully open, new wave blinking") {
  setupgame(1);
  viewbands();
  openpanel();
  statshown[1][statwarriors] = 14;
  statshown[1][statbrood] = 37;
  statshown[1][statqueens] = 1;
  statshown[1][statwave] = 3;
  newwave = 1;
  drawhud(1);
}

SHOT_SCENE("hud_panel_settled", "side panel open with its counters stopped: the key that goes on") {
  setupgame(1);
  viewbands();
  openpanel();
  for (int k = 1; k <= 4; ++k) statshown[1][k] = teamstat[1][k];
  pausepulse = 100;
  drawhud(1);
}

SHOT_SCENE("hud_panel_settled_two", "both side panels open with their counters stopped") {
  setupgame(2);
  viewbands();
  openpanel();
  for (int p = 1; p <= 2; ++p)
    for (int k = 1; k <= 4; ++k) statshown[p][k] = teamstat[p][k];
  pausepulse = 100;
  drawhud(1);
}

SHOT_SCENE("hud_panel_two", "side panels for two players") {
  setupgame(2);
  viewbands();
  openpanel();
  statshown[1][statwarriors] = 14;
  statshown[2][statwarriors] = 9;
  statshown[1][statwave] = statshown[2][statwave] = 5;
  newwave = 1;
  drawhud(1);
}

// The mission-end screens with the panel shut: phase 1 is the objective
// message, phase 2 with the squad home is the results (page 0 or 1).
static void missionendscene(int players, int phase, int page) {
  setupgame(players);
  gamestate = statemissionend;
  missionflags[missionphase] = phase;
  missionflags[missionhome] = phase == 2 ? 1 : 0;
  missionflags[resultspage] = page;
  pausestate[panelactive] = 1;
  pausestate[panelclosing] = 1;
  missionscreen();
}

SHOT_SCENE("objective", "the company's message once the nest is clean") { missionendscene(1, 1, 0); }

SHOT_SCENE("objective_two", "the objective message on two views") { missionendscene(2, 1, 0); }

SHOT_SCENE("results_1", "results, first page") { missionendscene(1, 2, 0); }

SHOT_SCENE("results_1_two", "results, first page, two players") { missionendscene(2, 2, 0); }

SHOT_SCENE("results_2", "results, second page") { missionendscene(1, 2, 1); }

SHOT_SCENE("failed", "the squad-lost notice") {
  setupgame(1);
  for (int m = 1; m <= 6; ++m) {
    squad[m][mdead] = 1;
    squad[m][mdeathroom] = squad[m][mroom];
    squad[m][mhealth] = 0;
  }
  gamestate = statesquadlost;
  pausestate[panelactive] = 1;
  pausestate[panelclosing] = 1;
  failscreen();
}

SHOT_SCENE("overlay", "debug overlay with cheat lines and a missing-file warning, in play") {
  setupgame(1);
  gamestate = stateplay;
  viewbands();
  drawhud(1);
  debugdisplay = 1;
  debugflags[cheatmode] = 1;
  debugflags[cheatammo] = 1;
  debugflags[cheatinvulnerable] = 1;
  fps = 60;
  timerlimited = 1;
  cheatglow = 20;
  // The backdrop follows the lines of the frame before: draw one frame to
  // measure, then the one that is kept.
  gfxmissing = 100;
  drawoverlay();
  plat::cls();
  viewbands();
  drawhud(1);
  gfxmissing = 100;
  drawoverlay();
}
