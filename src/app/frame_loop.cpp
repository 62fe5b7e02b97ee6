#include "app/frame_loop.h"

#include "app/demo.h"
#include "app/ingame.h"
#include "app/pad_frame.h"
#include "app/replay/playback_screen.h"
#include "app/replay/recorder.h"
#include "app/screens.h"
#include "app/screenshot_key.h"
#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "frontend/menu_frame.h"
#include "frontend/save_screens.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "platform/platform.h"
#include "render/demo_mark.h"
#include "render/text.h"

namespace {

// True while the frame loop idles in the background with the last frame
// held on screen.
bool framehelddimmed = false;
int pauseshade = 0;  // a plain black picture, scaled over the whole screen

// The last frame, still in the back buffer, dimmed with a PAUSED line.
void dimheldframe() {
  if (!pauseshade) {
    plat::set_mask_colour(255, 0, 255);
    pauseshade = plat::load_image("incbin::data\\gfx\\startblack.png", 0);
  }
  plat::reset_draw_state();
  const int w = plat::image_width(pauseshade), h = plat::image_height(pauseshade);
  if (w > 0 && h > 0) {
    plat::set_blend(plat::BlendAlpha);
    plat::set_alpha(0.55f);
    plat::set_scale(1024.0f / w, 768.0f / h);
    plat::draw_image(pauseshade, 0, 0, 0);
    // A darker band under the line, so it reads over any screen.
    plat::set_alpha(0.7f);
    plat::set_scale(1024.0f / w, 64.0f / h);
    plat::draw_image(pauseshade, 0, 352, 0);
  }
  plat::reset_draw_state();
  plat::set_colour(0, 255, 0);
  drawbigtext(512, 366, "PAUSED", 1);
  plat::reset_draw_state();
}


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
  // The back buffer keeps the frame until the next one begins: it is what
  // stays on screen while the program is in the background.
  plat::flip(true);
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
  recordframebegin();
  padframe();
  framekeys();
  runscreen();
  notemenupointer();
  recordframeend();
}

void runframe() {
  // Read before the screen runs: a menu clears its hits as it takes them.
  const int shots = screenshotsowed();
  stepframe();
  drawmessageline();
  countdownmessage();
  drawoverlay();
  if (demoplaying) drawdemomark();
  for (int n = 0; n < shots; ++n) takescreenshot();
}

void loopstep(int pacer, int idler) {
  static FrameCounter counter{0, plat::millisecs()};
  countframe(counter);
  if (musicfocusstep(plat::app_suspended())) {
    // In the background: no game, just a slow idle until focus returns. The
    // last frame stays on screen, dimmed; it is presented once, then only
    // when the window system shows the window anew, and never while the
    // window is minimised.
    plat::wait_timer(idler);
    endloopframe();
    const bool first = !framehelddimmed;
    if (first) dimheldframe();
    framehelddimmed = true;
    if ((plat::window_exposed() || first) && !plat::app_minimised()) plat::flip(false);
    return;
  }
  framehelddimmed = false;
  plat::cls();
  if (timerlimited == 1) plat::wait_timer(pacer);
  plat::RawInput devices;
  pollinput(devices);
  // While a recording plays, the devices only steer the playback.
  if (!playbackframe(devices)) {
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
  finishrecording();
  plat::free_timer(pacer);
  plat::free_timer(idler);
  stopmusic();
  plat::shutdown();
}
