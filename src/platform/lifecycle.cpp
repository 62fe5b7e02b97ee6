// Start-up and shut-down of SDL's subsystems, and headless detection.
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/internal.h"
#include "platform/platform.h"

namespace plat {
namespace {
bool up = false;
bool headless = false;
std::string why_not;

// The off-screen drivers draw nowhere a player could see.
bool offscreen_driver(const char* name) {
  return name && (std::strcmp(name, "dummy") == 0 || std::strcmp(name, "offscreen") == 0);
}
}  // namespace

namespace detail {
bool headless_active() { return headless; }
bool subsystems_up() { return up; }
}  // namespace detail

bool init(bool want_headless) {
  if (up) return true;
  why_not.clear();
  if (want_headless) {
    // Off-screen run: no window and no sound card, whatever the machine has.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }
  // On Wayland, SDL 2.26 crashes in libdecor's event handling when a window
  // opens after another one was closed (the game's display after the
  // start-up window). Without libdecor the compositor's own decorations are
  // used where it offers them; the start-up window draws its own close box
  // and the game runs full screen. SDL_VIDEO_WAYLAND_ALLOW_LIBDECOR in the
  // environment still decides where it is set.
  SDL_SetHint(SDL_HINT_VIDEO_WAYLAND_ALLOW_LIBDECOR, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    why_not = SDL_GetError();
    if (why_not.empty()) why_not = "the video system did not start";
    return false;
  }
  const char* driver = SDL_GetCurrentVideoDriver();
  // A game that asked for a screen must not fall back to drawing nowhere and
  // run unseen for ever; an off-screen run is only what is asked for (the
  // tools and tests, or SDL_VIDEODRIVER naming an off-screen driver).
  if (!want_headless && offscreen_driver(driver) && !offscreen_driver(std::getenv("SDL_VIDEODRIVER"))) {
    const char* display = std::getenv("DISPLAY");
    why_not = display && *display ? std::string("the display ") + display + " cannot be reached"
                                  : "DISPLAY is not set and no other video system answered";
    SDL_Quit();
    return false;
  }
  // Joysticks and pads are optional; a machine without them still runs.
  // The game-controller layer reads SDL_GAMECONTROLLERCONFIG itself.
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) SDL_InitSubSystem(SDL_INIT_JOYSTICK);
  headless = want_headless || offscreen_driver(driver);
  up = true;
  return true;
}

const std::string& init_error() { return why_not; }

void shutdown() {
  if (!up) return;
  close_display();
  detail::audio_shutdown();
  detail::close_joysticks();
  SDL_Quit();
  up = false;
  headless = false;
}

bool is_headless() { return headless; }

}  // namespace plat
