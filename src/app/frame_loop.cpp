#include "app/frame_loop.h"

#include "app/demo.h"
#include "app/ingame.h"
#include "app/screens.h"
#include "app/screenshot_key.h"
#include "app/state/assets.h"
#include "app/state/game_state.h"
#include "app/state/play_state.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "frontend/menu_frame.h"
#include "frontend/save_screens.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "platform/platform.h"
#include "render/demo_mark.h"


namespace {


struct FrameCounter {
  int frames = 0;
  uint32_t since = 0;
};

void countframe(FrameCounter& c) {
  c.frames += 1;
  const uint32_t now = plat::millisecs();
  if (now - c.since >= 1000) {
    fps = c.frames;
    c.frames = 0;
    c.since = now;
  }
}

}  // namespace

void endframe() {
  // Every frame waits for the display's refresh schedule, so play, menus and
  // the idle loop never run above 60 frames a second however fast they draw.
  plat::flip(true);
  plat::cls();
}

void framekeys() {
  if (debugflags[cheatmode] == 1) {
    for (int i = cheatammo; i <= cheatnightvision; ++i) {
      if (!gamekeyhit(functionkey(i))) continue;
      debugflags[i] = debugflags[i] ? 0 : 1;
      playsound(snd_cheat2);
    }
  }
  if (gamekeyhit(keyf12) && (gamekeydown(keylctrl) || gamekeydown(keyrctrl)))
    debugdisplay = debugdisplay ? 0 : 1;
}

void runscreen() {
  switch (gamestate) {
    case stateafterload: screenafterload(); break;
    case statemainmenu: screenmainmenu(); break;
    case stategamemode: screengamemode(); break;
    case statesquad: screensquad(); break;
    case statenewgame: screennewgame(); break;
    case stateplay: ingameframe(); break;
    case statemissionend: screenmissionend(); break;
    case statesquadlost: screensquadlost(); break;
    case stateloadgame: screenloadgame(); break;
    case statesavegame: screensavegame(); break;
    case stateoptions: screenoptions(); break;
    case statesettings: screensettings(); break;
    case statekeysplayer: case statekeysbindings: screenkeys(); break;
    default: break;
  }
}

void stepframe() {
  // A state asked for during the last frame starts now; the slot screens
  // list the slots afresh each time they open.
  const int entered = applynextstate();
  if (entered == stateloadgame || entered == statesavegame) enterslotscreen(entered);
  framekeys();
  runscreen();
  notemenupointer();
}

void runframe() {
  stepframe();
  drawmessageline();
  drawoverlay();
  if (demoplaying) drawdemomark();
  screenshotkey();
}

void loopstep(int pacer, int idler) {
  static FrameCounter counter{0, plat::millisecs()};
  countframe(counter);
  if (musicfocusstep(plat::app_suspended())) {
    // In the background: no game, just a slow idle until focus returns.
    plat::wait_timer(idler);
  } else {
    if (timerlimited == 1) plat::wait_timer(pacer);
    plat::RawInput devices;
    pollinput(devices);
    applyframeinput(devices);  // the devices', or a demo's machine player's
    runframe();
  }
  endloopframe();
  endframe();
}

void runframeloop() {
  const int pacer = plat::create_timer(60);
  const int idler = plat::create_timer(5);
  while (true) {
    loopstep(pacer, idler);
    if (plat::close_requested() || quitgame) break;
  }
  plat::free_timer(pacer);
  plat::free_timer(idler);
  stopmusic();
  plat::shutdown();
}
