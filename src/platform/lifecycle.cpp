// Start-up and shut-down of SDL's subsystems, and headless detection.
#include <cstdlib>
#include <cstring>

#include "platform/internal.h"
#include "platform/platform.h"

namespace plat {
namespace {
bool up = false;
bool headless = false;
}  // namespace

namespace detail {
bool headless_active() { return headless; }
bool subsystems_up() { return up; }
}  // namespace detail

bool init(bool want_headless) {
  if (up) return true;
  if (want_headless) {
    // Off-screen run: no window and no sound card, whatever the machine has.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) return false;
  // Joysticks are optional; a machine without the subsystem still runs.
  SDL_InitSubSystem(SDL_INIT_JOYSTICK);
  const char* driver = SDL_GetCurrentVideoDriver();
  headless = want_headless || (driver && std::strcmp(driver, "dummy") == 0);
  up = true;
  return true;
}

void shutdown() {
  if (!up) return;
  close_display();
  detail::audio_shutdown();
  SDL_Quit();
  up = false;
  headless = false;
}

bool is_headless() { return headless; }

}  // namespace plat
