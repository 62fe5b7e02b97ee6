#include "app/screenshot_key.h"

#include <algorithm>
#include <cstdio>

#include "app/demo.h"
#include "app/stamped_name.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "frontend/keys_screen.h"
#include "input/bindings.h"
#include "input/input.h"
#include "platform/platform.h"
#include "render/messages.h"

namespace {

constexpr int maxrepeats = 100;
// Menus keep their items in the middle of the screen: there the line goes
// below the lowest item's panel.
constexpr int menumessagerow = 700;

bool boundto(int player, int key) {
  for (int a = 1; a <= actioncount; ++a)
    if (keys[player][a] == key) return true;
  return false;
}

// Whether a press of `key` asks for a picture now.
bool screenshotkeynow(int key) {
  if (key == keyf12) {
    // Ctrl+F12 switches the debug lines; F12 bound to an action is that.
    if (gamekeydown(keylctrl) || gamekeydown(keyrctrl)) return false;
    if (boundto(1, key) || boundto(2, key)) return false;
  }
  if (gamestate == stateplay)
    for (int p = 1; p <= numplayers && p <= 2; ++p)
      if (boundto(p, key)) return false;
  return true;
}

}  // namespace

std::string screenshotname(std::time_t when, int repeat) {
  return stampedname(screenshotdir, "rx907-", when, repeat, ".png");
}

int screenshotmessagerow() {
  if (gamestate != stateplay) return menumessagerow;
  return numplayers == 1 ? 192 : 240;
}

int screenshotsowed() {
  // A demo's keys are the machine player's, and the key that ends a demo
  // does nothing else; the key being bound on the KEYS screen is that.
  if (demoplaying || devicesendeddemo() || capturing) return 0;
  int owed = 0;
  for (int key : {static_cast<int>(keyprintscreen), static_cast<int>(keyf12)})
    if (screenshotkeynow(key)) owed += std::max(gamekeyhit(key), plat::key_presses(key));
  return owed;
}

void screenshotkey() {
  for (int n = screenshotsowed(); n > 0; --n) takescreenshot();
}

void takescreenshot() {
  if (plat::file_type(screenshotdir) != 2) plat::create_dir(screenshotdir);
  const std::time_t now = std::time(nullptr);
  std::string path = screenshotname(now);
  for (int repeat = 2; plat::file_type(path) != 0 && repeat <= maxrepeats; ++repeat)
    path = screenshotname(now, repeat);
  if (plat::file_type(path) == 0 && plat::save_screenshot(path))
    postmessage("Screenshot saved", screenshotmessagerow(), 0);
  else
    postmessage("ERROR: Unable to save screenshot", screenshotmessagerow(), 1);
}
