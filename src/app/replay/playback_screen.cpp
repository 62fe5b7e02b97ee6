#include "app/replay/playback_screen.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "app/frame_loop.h"
#include "app/ingame.h"
#include "app/replay/format.h"
#include "app/replay/play_settings.h"
#include "app/replay/playback.h"
#include "app/replay/reader.h"
#include "app/screens.h"
#include "app/screenshot_key.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "frontend/menu_frame.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "render/controls_card.h"
#include "render/messages.h"
#include "render/mission_screens.h"
#include "render/replay_mark.h"
#include "squad/squad.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"

namespace {

// The player's own choices, put back when playback ends.
struct Kept {
  std::vector<int32_t> settings;
  int modeplayers = 1;
  int splitoption = 0;
  int squadchar[7] = {};
};

struct Playback {
  std::unique_ptr<ReplayFile> file;
  ReplayPlayer player;
  bool running = false;
  bool paused = false;
  bool fast = false;
  std::string stopped;  // the out-of-step line, once it went out of step
  Kept kept;
  plat::RawInput before;  // the devices' last snapshot, for their presses
};

Playback& pb() {
  static Playback p;
  return p;
}

bool pressed(const plat::RawInput& now, const plat::RawInput& before, int key) {
  return now.key[key] && !before.key[key];
}

bool padfast(const plat::RawInput& now, const plat::RawInput& before) {
  const int count = now.joycount < 21 ? now.joycount : 21;
  for (int j = 0; j < count; ++j)
    if (now.joybutton[j][padfastbutton] && !before.joybutton[j][padfastbutton]) return true;
  return false;
}

std::string outofstepline(int clock) { return "REPLAY OUT OF STEP AT " + replayclocktext(clock); }

void keep(Kept& k) {
  k.settings = captureplaysettings();
  k.modeplayers = modeplayers;
  k.splitoption = splitoption;
  std::memcpy(k.squadchar, squadchar, sizeof squadchar);
}

void putback(const Kept& k) {
  applyplaysettings(k.settings, true);
  modeplayers = k.modeplayers;
  splitoption = k.splitoption;
  std::memcpy(squadchar, k.squadchar, sizeof squadchar);
}

void begin(Playback& p) {
  keep(p.kept);
  p.running = true;
  p.paused = p.fast = false;
  p.stopped.clear();
  setreplayplaying(true);
  if (!p.player.start(*p.file)) p.stopped = outofstepline(p.player.outofstepclock());
  startgamemusic();
  // The first frame of the recording is drawn by the first step.
}

// Back to MAIN MENU with no game in progress, the player's choices back.
void end(Playback& p, const plat::RawInput& devices, const std::string& message) {
  p.running = false;
  p.file.reset();
  setreplayplaying(false);
  putback(p.kept);
  updateloopsounds(0, 0, 0);
  gameinprogress = 0;
  gamestate = statemainmenu;
  nextstate = 0;
  controlscard = 0;
  framedraws = 1;
  resetmenuframe();
  if (settings[setmusic] == 1) startmenumusic();
  else stopmusic();
  // The key that ended playback does nothing on the menu.
  updateinputfrom(devices);
  flushhits();
  postmessage(message, 384, 0);
}

// The game as it stands, drawn without a frame running (paused, stopped).
void drawheld() {
  if (gamestate == statemissionend) {
    drawmissionscreen();
  } else if (gamestate == statesquadlost) {
    drawfailscreen();
  } else {
    drawviews();
    drawconsole();
    if (controlscard) drawcontrolscard();
  }
}

}  // namespace

void startplayback(const std::string& path) {
  ReplayFile file;
  ReplayRefusal why;
  if (loadreplay(path, file, why)) {
    requestplayback(std::move(file));
    return;
  }
  std::fprintf(stderr, "rx907: %s is refused: %s\n", path.c_str(), why.text.c_str());
  postmessage(why.line, 384, 1);
}

void requestplayback(ReplayFile&& file) {
  Playback& p = pb();
  p.file = std::make_unique<ReplayFile>(std::move(file));
  p.running = false;
}

bool playbackframe(const plat::RawInput& devices) {
  Playback& p = pb();
  if (!p.file) return false;
  if (!p.running) {
    // It starts once loading is over and MAIN MENU would show.
    if (gamestate != statemainmenu) return false;
    begin(p);
  }
  const plat::RawInput before = p.before;
  p.before = devices;
  if (pressed(devices, before, keyescape)) {
    end(p, devices, p.stopped.empty() ? "Replay ended" : p.stopped);
    runframe();
    return true;
  }
  if (pressed(devices, before, keyspace)) p.paused = !p.paused;
  if (pressed(devices, before, letterkey('F')) || padfast(devices, before)) p.fast = !p.fast;

  int steps = p.fast ? 4 : 1;
  if (p.paused) steps = pressed(devices, before, letterkey('N')) ? 1 : 0;
  if (!p.stopped.empty()) steps = 0;
  bool drawn = false;
  for (int i = 0; i < steps; ++i) {
    // Only the last frame of a fast pass is drawn.
    framedraws = i == steps - 1 ? 1 : 0;
    const ReplayPlayer::Step r = p.player.step();
    drawn = drawn || (r == ReplayPlayer::stepped && framedraws == 1);
    if (r == ReplayPlayer::finished) {
      framedraws = 1;
      end(p, devices, "Replay ended");
      runframe();
      return true;
    }
    if (r == ReplayPlayer::outofstep) {
      p.stopped = outofstepline(p.player.outofstepclock());
      break;
    }
  }
  framedraws = 1;
  if (!drawn) drawheld();
  // Out of step: the line stays on the message line until playback ends.
  const int stoppedy = numplayers == 2 ? 240 : 192;  // the status row of play
  if (!p.stopped.empty()) postmessage(p.stopped, stoppedy, 1);
  drawmessageline();
  drawoverlay();
  ReplayMark mark;
  mark.clock = replayclocktext(teamstat[teamrow][statclock]);
  mark.paused = p.paused;
  mark.fast = p.fast;
  mark.stopped = !p.stopped.empty();
  mark.stoppedy = stoppedy;
  drawreplaymark(mark);
  if (pressed(devices, before, keyprintscreen)) takescreenshot();
  return true;
}
