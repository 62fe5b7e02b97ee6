// The demo at three moments: walking through the complex, in a fight, and
// on the results. A demo game runs through the live frame path (the machine
// player's snapshots applied as the frame loop applies them), undrawn until
// the moment comes; that frame is drawn whole, "DEMO" mark included.
#include <cstdlib>
#include <functional>

#include "app/autoplayer/autoplayer.h"
#include "app/autoplayer/targets.h"
#include "app/demo.h"
#include "app/frame_loop.h"
#include "app/ingame.h"
#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "creatures/nest_state.h"
#include "frontend/options_file.h"
#include "input/input.h"
#include "scene.h"
#include "squad/member_fields.h"
#include "squad/member_update.h"
#include "squad/roster.h"
#include "squad/squad.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace {

constexpr uint32_t demoseed = 3;
constexpr int framecap = 200000;

void demountil(const std::function<bool()>& moment) {
  load_fonts();
  load_all_assets();
  initworldtables();
  initroster();
  loadmap();
  resetoptions();
  settings[setmusic] = settings[setsound] = 0;
  gamestate = statemainmenu;
  gameinprogress = 0;
  framedraws = 0;
  resetinput();
  startdemo(demoseed);
  for (int f = 0; f < framecap && demoplaying && !moment(); ++f) {
    applyframeinput(plat::RawInput{});
    stepframe();
  }
  // The moment itself, drawn as the loop draws it (no key this frame).
  framedraws = 1;
  updateinputfrom(plat::RawInput{});
  plat::cls();
  runframe();
}

int controlled() { return curmember[1]; }
int roomnow() { return squad[controlled()][mroom]; }

}  // namespace

SHOT_SCENE("demo_corridor", "demo: a member on its way through the complex") {
  demountil([] { return gamestate == stateplay && teamstat[teamrow][statclock] > 1500 && roomnow() > 3 &&
                        rooms[roomnow()][roomcreature][ckind] == 0 && squad[controlled()][mbusydoor] == 0; });
}

SHOT_SCENE("demo_fight", "demo: a creature attacking, the crosshair on it") {
  demountil([] {
    const int* c = rooms[roomnow()][roomcreature];
    const int x = loopposition(squad[controlled()][mscroll], squad[controlled()][mcrossx]);
    return gamestate == stateplay && c[ckind] >= 1 && c[ckind] <= 3 && c[cmode] == attacking && c[capproach] >= 4 &&
           pausestate[panelactive] == 0 && std::abs(loopdelta(x, c[cposx])) < 20;
  });
}

SHOT_SCENE("demo_results", "demo: the results after a mission won by the machine") {
  demountil([] { return gamestate == statemissionend && missionflags[missionhome] != 0 && pausepos == 0; });
}
