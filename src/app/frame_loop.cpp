#include "app/frame_loop.h"

#include "app/assets.h"
#include "app/ingame.h"
#include "app/play_state.h"
#include "app/screens.h"
#include "app/state.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "frontend/menu_frame.h"
#include "frontend/save_screens.h"
#include "input/input.h"
#include "platform/platform.h"

int quitgame = 0;

namespace {

constexpr int keyf1 = 112, keylctrl = 162, keyrctrl = 163;

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

void endframe() {
  plat::flip(false);
  plat::cls();
}

}  // namespace

void framekeys() {
  if (debugflags[0] == 1) {
    for (int i = 1; i <= 4; ++i) {
      if (!gamekeyhit(keyf1 + i - 1)) continue;
      debugflags[i] = debugflags[i] ? 0 : 1;
      playsound(snd_cheat2);
    }
  }
  if (gamekeyhit(debugkey) && (gamekeydown(keylctrl) || gamekeydown(keyrctrl)))
    debugdisplay = debugdisplay ? 0 : 1;
}

void runscreen() {
  switch (gamestate) {
    case 2000: screen_afterload(); break;
    case 1: screen_mainmenu(); break;
    case 2: screen_gamemode(); break;
    case 13: screen_squad(); break;
    case 40: screen_newgame(); break;
    case 4: ingameframe(); break;
    case 5: screen_missionend(); break;
    case 15: screen_squadlost(); break;
    case 11: screen_loadgame(); break;
    case 12: screen_savegame(); break;
    case 6: screen_options(); break;
    case 7: screen_settings(); break;
    case 3: case 8: screen_keys(); break;
    default: break;
  }
}

void stepframe() {
  // A state asked for during the last frame starts now; the slot screens
  // list the slots afresh each time they open.
  const int entered = applynextstate();
  if (entered == 11 || entered == 12) enterslotscreen(entered);
  framekeys();
  runscreen();
}

void runframe() {
  stepframe();
  drawmessageline();
  drawoverlay();
}

void runframeloop() {
  FrameCounter counter;
  counter.since = plat::millisecs();
  const int pacer = plat::create_timer(60);
  const int idler = plat::create_timer(5);
  while (true) {
    countframe(counter);
    if (musicfocusstep(plat::app_suspended())) {
      // In the background: no game, just a slow idle until focus returns.
      plat::wait_timer(idler);
    } else {
      if (timerlimited == 1) plat::wait_timer(pacer);
      updateinput();
      runframe();
    }
    endloopframe();
    endframe();
    if (plat::close_requested() || quitgame) break;
  }
  plat::free_timer(pacer);
  plat::free_timer(idler);
  stopmusic();
  plat::shutdown();
}
