// Debug, cheat and missing-file lines, drawn last over everything.
#include "render/overlay.h"

#include "state/assets.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "input/input.h"
#include "input/pad_controls.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/file_warnings.h"
#include "render/text.h"

int cheatglow = 0;
int cheatglowdir = 0;
int overlayheight = 4;

namespace {

// In play the mission clock's band starts at x 120 of the top left
// corner; the lines then stand to the right of its backing.
constexpr int besideclock = 262;

int lineleft() {
  return gamestate == stateplay && settings[setshowtime] == 1 ? besideclock : 0;
}

void steppulse() {
  if (cheatglowdir == 0) {
    if (++cheatglow >= 30) cheatglowdir = 1;
  } else {
    if (--cheatglow <= 0) cheatglowdir = 0;
  }
}

}  // namespace

std::vector<std::string> debuglines(int fps, const std::string& renderer, bool timerpaced, int joysticks) {
  return {"FPS: " + std::to_string(fps), "MODE: " + (renderer.empty() ? std::string("None") : renderer),
          timerpaced ? "Timer-Limited: Yes" : "Timer-Limited: No",
          "Joysticks Detected: " + std::to_string(joysticks)};
}

void drawoverlay() {
  plat::set_origin(0, 0);
  plat::set_viewport(0, 0, 1024, 768);
  plat::set_scale(1, 1);
  plat::set_rotation(0);
  const bool cheats = debugflags[cheatmode] == 1;
  const int left = lineleft(), linex = left + 4;
  if (debugdisplay == 1 || cheats) {
    plat::set_blend(plat::BlendAlpha);
    setcolourbright(255, 255, 255, 100);
    plat::set_alpha(0.66f);
    plat::set_scale(147.0f / 84.0f, overlayheight / 84.0f);
    drawimageculled(minimapimg[6], static_cast<float>(left), 0, 0);
    plat::set_scale(1, 1);
  }
  plat::set_alpha(1);
  plat::set_blend(plat::BlendMasked);
  setcolourbright(255, 255, 255, 100);
  int y = 4;
  if (debugdisplay == 1) {
    for (const std::string& line : debuglines(fps, plat::renderer_name(), timerlimited == 1, joyconnected)) {
      drawsmalltext(linex, static_cast<float>(y), line, 0, 1);
      y += overlaylinestep;
    }
  }
  if (cheats) {
    setcolourbright(165 + 3 * cheatglow, 0, 0, 100);
    steppulse();
    drawsmalltext(linex, static_cast<float>(y), "Cheat Mode Active", 0, 1);
    y += overlaylinestep;
    const char* labels[5] = {"", "Unlimited Ammo.......", "Unlimited Stamina...",
                             "Invulnerability.........", "Night Vision.............."};
    for (int i = cheatammo; i <= cheatnightvision; ++i) {
      drawsmalltext(linex, static_cast<float>(y), labels[i], 0, 1);
      drawsmalltext(left + 122.0f, static_cast<float>(y), debugflags[i] ? "ON" : "OFF", 0, 1);
      y += overlaylinestep;
    }
  }
  y = drawfilewarnings(y, linex);
  overlayheight = y;
  plat::set_alpha(1);
  plat::set_blend(plat::BlendMasked);
  setcolourbright(255, 255, 255, 100);
}
