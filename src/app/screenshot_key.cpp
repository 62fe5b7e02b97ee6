#include "app/screenshot_key.h"

#include <cstdio>

#include "state/game_state.h"
#include "state/play_state.h"
#include "input/input.h"
#include "platform/platform.h"
#include "render/messages.h"

namespace {

constexpr int maxrepeats = 100;

// The message line's height: the status line of play, else mid-screen.
int messagerow() {
  if (gamestate != stateplay) return 384;
  return numplayers == 1 ? 192 : 240;
}

}  // namespace

std::string screenshotname(std::time_t when, int repeat) {
  std::tm local{};
  localtime_r(&when, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  char name[96];
  if (repeat > 1)
    std::snprintf(name, sizeof name, "%s/rx907-%s-%d.png", screenshotdir, stamp, repeat);
  else
    std::snprintf(name, sizeof name, "%s/rx907-%s.png", screenshotdir, stamp);
  return name;
}

void screenshotkey() {
  // A demo's keys are the machine player's: it takes no pictures.
  if (!demoplaying && gamekeyhit(keyprintscreen)) takescreenshot();
}

void takescreenshot() {
  if (plat::file_type(screenshotdir) != 2) plat::create_dir(screenshotdir);
  const std::time_t now = std::time(nullptr);
  std::string path = screenshotname(now);
  for (int repeat = 2; plat::file_type(path) != 0 && repeat <= maxrepeats; ++repeat)
    path = screenshotname(now, repeat);
  if (plat::file_type(path) == 0 && plat::save_screenshot(path))
    postmessage("Screenshot saved", messagerow(), 0);
  else
    postmessage("ERROR: Unable to save screenshot", messagerow(), 1);
}
