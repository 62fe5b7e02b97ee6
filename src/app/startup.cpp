#include "app/startup.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/demo.h"
#include "app/frame_loop.h"
#include "app/replay/playback_screen.h"
#include "app/replay/reader.h"
#include "app/replay/recorder.h"
#include "app/replay/verify.h"
#include "state/archive.h"
#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "app/user_files.h"
#include "app/window_icon.h"
#include "audio/sound.h"
#include "frontend/menu_links.h"
#include "frontend/savegame.h"
#include "input/input.h"
#include "input/pad_controls.h"
#include "input/keycodes.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "render/draw_helpers.h"
#include "render/text.h"
#include "squad/roster.h"
#include "world/map.h"
#include "world/worldtables.h"

int smhover[6];
int frametimer = 0;
int probefps = 0;

namespace {
struct Rect {
  int x, y, w, h;
};
// RUN GAME, CHANGE MODE, QUIT and the close box.
constexpr Rect controlrows[5] = {{0, 0, 0, 0}, {85, 109, 310, 56}, {85, 168, 310, 56}, {85, 286, 310, 56}, {457, 6, 17, 17}};

bool inside(const Rect& r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

int probeframes = 0;
uint32_t probestart = 0;

void textcolour(bool hovered) {
  if (hovered) plat::set_colour(0, 255, 0);
  else plat::set_colour(0, 150, 0);
}
}  // namespace

namespace {
// RUN GAME (1), CHANGE MODE (2) or QUIT and the close box (3, 4) chosen.
void choosecontrol(StartupMenu& m, int c, const std::function<bool()>& modeok) {
  if (c == 1) {
    m.action = 1;
    if (!modeok()) {
      m.action = 0;
      m.modeerror = 1;
    }
  } else if (c == 2) {
    apimode = apimode == 0 ? 1 : 0;
  } else if (c == 3 || c == 4) {
    m.action = 3;
  }
}
}  // namespace

void startupstep(StartupMenu& m, const StartupPointer& p, const std::function<bool()>& modeok) {
  // A pad moves and chooses as the arrow keys and Enter do.
  padmenukeys();
  // The hit test runs in the window's own pixels: a window manager's frame
  // or a desktop that hides its coordinates cannot shift it.
  bool overcontrol = false;
  int under[5] = {};  // the controls under the pointer: what a click takes
  for (int c = 1; c <= 4; ++c) {
    smhover[c] = under[c] = inside(controlrows[c], p.x, p.y) ? 1 : 0;
    overcontrol = overcontrol || smhover[c];
  }
  // The pointer's move takes the highlight; the arrow keys move it on from
  // there over RUN GAME, CHANGE MODE and QUIT, and a pointer left resting
  // does not take it back.
  const bool moved = p.x != m.lastpx || p.y != m.lastpy;
  m.lastpx = p.x, m.lastpy = p.y;
  if (moved) {
    m.keysel = 0;
    for (int c = 1; c <= 3; ++c)
      if (smhover[c] && p.inside) m.keysel = c;
  }
  if (moved) m.keysmoved = 0;
  if (gamekeyhit(keyarrowdown)) m.keysel = m.keysel % 3 + 1, m.keysmoved = 1;
  if (gamekeyhit(keyarrowup)) m.keysel = m.keysel <= 1 ? 3 : m.keysel - 1, m.keysmoved = 1;
  const bool keyed = !moved && !m.dragging;
  if (keyed)
    for (int c = 1; c <= 3; ++c) smhover[c] = c == m.keysel ? 1 : 0;
  if (gamemousehit(1)) {
    for (int c = 1; c <= 4; ++c)
      if (under[c]) {
        choosecontrol(m, c, modeok);
        break;
      }
  } else if (gamekeyhit(keyenter)) {
    // Enter with nothing highlighted runs the game.
    choosecontrol(m, m.keysel == 0 ? 1 : m.keysel, modeok);
  }
  if (gamekeydown(keyescape) || gamekeyhit(keyescape)) m.action = 3;
  if (!p.inside || p.x < 0 || p.x > startupw - 1 || p.y < 0 || p.y > startuph - 1) {
    for (int c = 1; c <= 4; ++c) smhover[c] = 0;
    // A pointer outside lights nothing; the keys' highlight stays.
    if (keyed && m.keysel && m.keysmoved) smhover[m.keysel] = 1;
  }

  // Dragging the window by its background: the window follows the pointer's
  // travel on the desktop from where both stood when the button went down.
  if (!overcontrol && gamemousehit(1)) {
    m.dragging = 1;
    m.dragcx = p.screenx, m.dragcy = p.screeny;
    m.dragwx = m.winx, m.dragwy = m.winy;
  }
  if (m.dragging) {
    if (gamemousedown(1)) {
      for (int c = 1; c <= 4; ++c) smhover[c] = 0;
      m.winx = m.dragwx + p.screenx - m.dragcx;
      m.winy = m.dragwy + p.screeny - m.dragcy;
    } else {
      m.dragging = 0;
    }
  }
}

const char* startuprenderername(int mode) { return mode == 1 ? "OPENGL" : "DEFAULT"; }

void drawstartupmenu(const StartupMenu& m) {
  plat::set_colour(255, 255, 255);
  plat::set_blend(plat::BlendMasked);
  drawimageguarded(img_sm_back, 0, 0, 0);
  drawimageguarded(img_sm_ticker, 457, 6, smhover[4] ? 1 : 0);
  drawimageguarded(img_sm_tab, 240, 137, 0);
  drawimageguarded(img_sm_tab, 240, 196, 0);
  plat::set_colour(100, 100, 100);
  drawimageguarded(img_sm_tab, 240, 255, 0);
  plat::set_colour(255, 255, 255);
  drawimageguarded(img_sm_tab, 240, 314, 0);

  // The labels sit well inside the buttons' dark insets.
  textcolour(smhover[1]);
  drawbigtextnarrow(240, 121, "RUN GAME", 1);
  textcolour(smhover[2]);
  drawbigtextnarrow(240, 180, "CHANGE MODE", 1);
  plat::set_colour(255, 255, 0);
  drawbigtextnarrow(240, 239, startuprenderername(apimode), 1);
  textcolour(smhover[3]);
  drawbigtextnarrow(240, 298, "QUIT", 1);
  plat::set_colour(255, 255, 255);

  if (m.modeerror) {
    plat::set_blend(plat::BlendAlpha);
    plat::set_alpha(0.9f);
    plat::set_scale(14.375f, 1.72f);
    drawimageguarded(img_startblack, 10, 52, 0);
    plat::set_alpha(1);
    plat::set_blend(plat::BlendMasked);
    plat::set_scale(1, 1);
    plat::draw_text("Unable to set screen mode. Please make sure:", 76, 56);
    plat::draw_text("-Your system supports 1024 x 768 x 32", 76, 72);
    plat::draw_text("-Your video card drivers are up to date", 76, 88);
  }
}

void loadstartupimages() {
  plat::set_mask_colour(0, 0, 0);
  img_sm_back = plat::load_image("incbin::data\\gfx\\sm_back.png", 1);
  plat::set_mask_colour(255, 255, 255);
  img_sm_tab = plat::load_image("incbin::data\\gfx\\sm_tab.png", 1);
  plat::centre_image_handle(img_sm_tab);
  img_sm_ticker = plat::load_anim_image("incbin::data\\gfx\\sm_ticker.png", 17, 17, 0, 2, 1);
  img_startblack = plat::load_image("incbin::data\\gfx\\startblack.png", 1);
  plat::set_mask_colour(255, 0, 255);
  img_font = plat::load_anim_image("incbin::data\\gfx\\font.png", 29, 35, 0, 44, 3);
}

namespace {
void freestartupimages() {
  for (int* img : {&img_sm_back, &img_sm_tab, &img_sm_ticker, &img_startblack, &img_font}) {
    plat::free_image(*img);
    *img = 0;
  }
}
}  // namespace

int runstartupmenu(const std::function<void()>& poll) {
  plat::set_title("RX-907 - Startup Menu");
  // The start-up window stays a window: Alt+Enter does nothing here.
  plat::allow_window_switch(false);
  const bool opened = plat::open_display(startupw, startuph, 0, 60, plat::RendererDefault);
  if (!opened) {
    plat::allow_window_switch(true);
    return 3;
  }
  StartupMenu m;
  int dw = 0, dh = 0;
  plat::desktop_size(dw, dh);
  m.winx = dw / 2 - startupw / 2;
  m.winy = dh / 2 - startuph / 2;
  plat::move_window(m.winx, m.winy);
  // Without a desktop the snapshot's pointer is taken relative to where
  // the window first stood, so scripted drags move it as a hand would.
  const int originx = m.winx, originy = m.winy;
  const bool headless = plat::is_headless();
  readapi("api.dat");
  loadstartupimages();

  while (m.action == 0) {
    poll();
    StartupPointer p{inputmousex, inputmousey, true, originx + inputmousex, originy + inputmousey};
    if (!headless) {
      // Asked of the window system every frame, so the highlight follows
      // every move, also a jump of the pointer that sent no motion.
      p.inside = plat::window_pointer(p.x, p.y);
      plat::global_mouse(p.screenx, p.screeny);
      // Where the window really is (a window manager may have placed it
      // otherwise than asked): a drag starts from there.
      if (!m.dragging) plat::window_position(m.winx, m.winy);
    }
    const int oldx = m.winx, oldy = m.winy;
    startupstep(m, p, [] { return plat::mode_exists(1024, 768, 32, 0); });
    if (m.winx != oldx || m.winy != oldy) plat::move_window(m.winx, m.winy);
    drawstartupmenu(m);
    plat::flip(true);
    plat::cls();
    if (plat::close_requested()) m.action = 3;
  }
  freestartupimages();
  plat::close_display();
  plat::allow_window_switch(true);
  return m.action;
}

int probecounter(uint32_t now) {
  probeframes += 1;
  if (now - probestart > 500) {
    probefps = static_cast<int>(probeframes / 0.5);
    probeframes = 1;
    probestart = now;
  }
  return probefps;
}

void resetprobe(uint32_t now) {
  probeframes = 0;
  probestart = now;
  probefps = 0;
}

int loadinglevel(int n) { return std::clamp(7 * n, 0, 255); }

void drawloadingscreen(int level) {
  plat::set_blend(plat::BlendMasked);
  plat::set_colour(0, level, 0);
  drawbigtext(512, 344, "A GAME BY VORSTAN", 1);
  plat::set_colour(0, level / 2, 0);
  drawtext2(512, 396, "PLEASE STAND BY", 1);
  plat::set_colour(255, 255, 255);
}

int loadingfadein(const std::function<void()>& present) {
  int n = 0;
  while (n < 40) {
    n += 1;
    drawloadingscreen(loadinglevel(n));
    present();
  }
  return n;
}

void loadingfadeout(int n, const std::function<void()>& present) {
  while (n > 0) {
    n -= 1;
    drawloadingscreen(loadinglevel(n));
    present();
  }
}

namespace {
void probeframerate() {
  const uint32_t start = plat::millisecs();
  resetprobe(start);
  while (plat::millisecs() - start < 1000) {
    if (probecounter(plat::millisecs()) > 70) timerlimited = 1;
    plat::flip(true);
    plat::cls();
  }
}

void presentloading() {
  plat::wait_timer(frametimer);
  plat::flip(true);
  plat::cls();
}
}  // namespace

bool startprogram(bool headless, const std::function<void()>& poll, int& status, const LaunchOptions& options) {
  status = 0;
  register_embedded_archive();
  if (!plat::init(headless)) {
    std::fprintf(stderr, "rx907: no display could be opened: %s\n", plat::init_error().c_str());
    status = 1;
    return false;
  }
  countjoysticks();
  plat::allow_rumble(options.rumble);
  setgameicon();
  if (options.scale >= 0) plat::set_scale_quality(options.scale);
  if (runstartupmenu(poll) != 1) {
    plat::shutdown();
    return false;
  }
  plat::set_title("RX-907");
  // A renderer named on the command line holds for this run only; the
  // start-up window's choice is still what api.dat keeps.
  int renderer = apimode == 1 ? plat::RendererOpenGL : plat::RendererDefault;
  if (options.renderer >= 0) renderer = options.renderer;
  const int depth = options.windowmode == 0 ? 0 : 32;
  if (!plat::open_display(1024, 768, depth, 60, renderer)) {
    std::fprintf(stderr, "rx907: the game display could not be opened\n");
    plat::shutdown();
    status = 1;
    return false;
  }
  frametimer = plat::create_timer(60);
  plat::seed_random(plat::millisecs());
  plat::show_pointer(false);
  makefileswritable();
  probeframerate();
  // Playing a recording writes nothing, the renderer choice included.
  if (options.playfile.empty()) writeapi("api.dat");
  plat::set_mask_colour(255, 0, 255);
  if (plat::audio_open()) initsounds();
  load_fonts();
  plat::cls();
  const int n = loadingfadein(presentloading);
  initroster();
  initworldtables();
  load_all_assets();
  loadmap();
  loadingfadeout(n, presentloading);
  return true;
}

int runprogram(int argc, const char* const* argv) {
  const LaunchOptions options = parsecommandline(argc, argv);
  if (!options.error.empty()) {
    std::fprintf(stderr, "rx907: %s (try --help)\n", options.error.c_str());
    return 2;
  }
  if (options.help || options.version) {
    std::fputs(options.help ? usagetext().c_str() : versiontext().c_str(), stdout);
    return 0;
  }
  if (!options.verifyfile.empty()) return runverify(options.verifyfile, stdout, stderr);
  if (options.demo) requestdemo();
  // A recording named on the command line is taken from the current
  // folder, not from the files folder set up next.
  std::string playfile;
  if (!options.playfile.empty()) {
    std::error_code ec;
    playfile = std::filesystem::absolute(options.playfile, ec).string();
    if (ec) playfile = options.playfile;
  }
  setupfiles(options);
  int status = 0;
  if (!startprogram(false, updateinput, status, options)) return status;
  if (!playfile.empty()) startplayback(playfile);
  setrecording(true);
  runframeloop();
  return 0;
}
