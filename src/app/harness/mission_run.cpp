#include "app/harness/mission_run.h"

#include "app/autoplayer/autoplayer.h"
#include "app/harness/play_driver.h"
#include "app/harness/session.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "frontend/menu_screens.h"
#include "input/keycodes.h"
#include "squad/member_fields.h"
#include "squad/squad.h"

namespace {

// Unlimited ammunition, unlimited stamina and invulnerability: F1..F3.
constexpr int cheatkeys = 3;

class Runner {
 public:
  Runner(const MissionSetup& setup, const FrameWatch& watch) : setup_(setup), watch_(watch) {}

  MissionOutcome run() {
    startmissionsession(setup_);
    if (setup_.cheats) switchcheats();
    while (out_.frames < setup_.framelimit && gamestate != statemainmenu) {
      frame(player_.next());
      note();
    }
    out_.backatmenu = gamestate == statemainmenu;
    out_.won = out_.backatmenu && missionflags[missionhome] != 0;
    for (int m = 1; m <= 6; ++m) out_.membersdead += squad[m][mdead] != 0;
    out_.credit = teamstat[1][statcredit];
    return out_;
  }

 private:
  void frame(const plat::RawInput& in) {
    playframe(in);
    out_.frames += 1;
    if (watch_) watch_(in, player_);
  }
  void tap(plat::RawInput in, int key) {
    in.key[key] = true;
    frame(in);
    in.key[key] = false;
    frame(in);
  }
  // Escape to MAIN MENU, Ctrl + click on the version tag, Escape back into
  // the game, then F1, F2 and F3.
  void switchcheats() {
    plat::RawInput idle;
    tap(idle, keyescape);
    plat::RawInput click;
    click.mousex = cheatx + cheatw / 2;
    click.mousey = cheaty + cheath / 2;
    click.key[keylctrl] = true;
    frame(click);
    click.mouse[1] = true;
    frame(click);
    tap(idle, keyescape);
    for (int k = 0; k < cheatkeys; ++k) tap(idle, keyf1 + k);
  }
  void note() {
    if (out_.objectiveframe < 0 && missionflags[missionphase] != phaseopen) out_.objectiveframe = out_.frames;
    if (out_.resultsframe < 0 && gamestate == statemissionend && missionflags[missionhome] != 0)
      out_.resultsframe = out_.frames;
    if (gamestate == statesquadlost) out_.squadlost = true;
  }

  MissionSetup setup_;
  FrameWatch watch_;
  MissionOutcome out_;
  AutoPlayer player_;
};

}  // namespace

void startmissionsession(const MissionSetup& setup) {
  SessionSetup s;
  s.seed = setup.seed;
  s.players = 1;
  s.mouseaiming = setup.mouseaiming ? 1 : 0;
  for (int m = 1; m <= 6; ++m) s.chars[m] = setup.chars[m];
  startsession(s);
}

MissionOutcome playmission(const MissionSetup& setup, const FrameWatch& watch) {
  return Runner(setup, watch).run();
}
