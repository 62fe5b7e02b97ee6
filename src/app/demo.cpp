#include "app/demo.h"

#include <cmath>
#include <cstring>

#include "app/autoplayer/autoplayer.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "audio/sound.h"
#include "frontend/menu_frame.h"
#include "frontend/newgame.h"
#include "input/input.h"
#include "platform/random.h"
#include "squad/squad.h"


namespace {

// What a demo changes for its own game and puts back afterwards.
struct Kept {
  int mouseaiming = 0;
  int modeplayers = 1;
  int squadchar[7] = {};
  int debugflags[6] = {};
};

struct Demo {
  bool requested = false;
  bool endedbydevices = false;  // in this frame
  int idle = 0;
  bool havebefore = false;
  plat::RawInput before;  // the devices' last snapshot
  Kept kept;
  AutoPlayer player;
};

Demo& demo() {
  static Demo d;
  return d;
}

bool menuidle() { return gamestate == statemainmenu && gameinprogress == 0 && nextstate == 0; }

}  // namespace

bool humaninput(const plat::RawInput& now, const plat::RawInput& before) {
  for (int k = 1; k < keycodecount; ++k)
    if (now.key[k]) return true;
  for (int b = 1; b <= 3; ++b)
    if (now.mouse[b]) return true;
  if (now.mousex != before.mousex || now.mousey != before.mousey || now.mousez != before.mousez) return true;
  const float threshold = settings[setjoysensitivity] / 100.0f;
  const int count = now.joycount < maxjoysticks ? now.joycount : maxjoysticks;
  for (int j = 0; j < count; ++j) {
    if (std::fabs(now.joyx[j]) > threshold || std::fabs(now.joyy[j]) > threshold) return true;
    for (int b = 0; b < joybuttons; ++b)
      if (now.joybutton[j][b]) return true;
  }
  return false;
}

bool devicesendeddemo() { return demo().endedbydevices; }

void requestdemo() { demo().requested = true; }

namespace {
// The machine's snapshot with the pads and joysticks that are really
// connected: a demo neither loses nor gains a pad.
plat::RawInput withdevicekinds(plat::RawInput machine, const plat::RawInput& devices) {
  for (int j = 0; j < maxjoysticks; ++j) machine.joykind[j] = devices.joykind[j];
  if (devices.joycount > machine.joycount) machine.joycount = devices.joycount;
  return machine;
}
}  // namespace

void resetdemo() {
  enddemo();
  Demo& d = demo();
  d.requested = false;
  d.idle = 0;
  d.havebefore = false;
  d.endedbydevices = false;
}

void startdemo(uint32_t seed) {
  Demo& d = demo();
  Kept& k = d.kept;
  k.mouseaiming = settings[setmouseaiming];
  k.modeplayers = modeplayers;
  std::memcpy(k.squadchar, squadchar, sizeof squadchar);
  std::memcpy(k.debugflags, debugflags, sizeof debugflags);
  // A fair game with the squad the squad screen shows, aimed with the
  // keyboard: a mouse-aiming demo would move the real pointer.
  settings[setmouseaiming] = 0;
  modeplayers = 1;
  for (int m = 1; m <= 6; ++m) squadchar[m] = squadpick[m][pickroster];
  std::memset(debugflags, 0, sizeof debugflags);
  d.player = AutoPlayer{};
  d.idle = 0;
  demoplaying = 1;
  plat::seed_random(seed);
  newgame();
  nextstate = 0;
}

void enddemo() {
  Demo& d = demo();
  if (!demoplaying) return;
  demoplaying = 0;
  const Kept& k = d.kept;
  settings[setmouseaiming] = k.mouseaiming;
  modeplayers = k.modeplayers;
  std::memcpy(squadchar, k.squadchar, sizeof squadchar);
  std::memcpy(debugflags, k.debugflags, sizeof debugflags);
  updateloopsounds(0, 0, 0);
  gameinprogress = 0;
  gamestate = statemainmenu;
  nextstate = 0;
  d.idle = 0;
  resetmenuframe();
}

void applyframeinput(const plat::RawInput& devices) {
  Demo& d = demo();
  const bool hands = d.havebefore && humaninput(devices, d.before);
  d.before = devices;
  d.havebefore = true;
  d.endedbydevices = false;

  if (demoplaying) {
    // The demo game ended on its own (results or failure paged through).
    if (gamestate == statemainmenu) enddemo();
    if (hands && demoplaying) {
      enddemo();
      d.endedbydevices = true;
      // The key that ended the demo does nothing else.
      updateinputfrom(devices);
      flushhits();
      return;
    }
    if (demoplaying) {
      updateinputfrom(withdevicekinds(d.player.next(), devices));
      return;
    }
  }

  d.idle = hands || !menuidle() ? 0 : d.idle + 1;
  if (menuidle() && (d.requested || d.idle >= demoidleframes)) {
    d.requested = false;
    startdemo(plat::millisecs() * 2654435761u + static_cast<uint32_t>(d.idle));
    updateinputfrom(withdevicekinds(d.player.next(), devices));
    return;
  }
  updateinputfrom(devices);
}
