// Start-up and shut-down of SDL's subsystems, and headless detection.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/internal.h"
#include "platform/platform.h"
#include "platform/wayland_probe.h"

namespace plat {
namespace {
bool up = false;
bool headless = false;
std::string why_not;

// The off-screen drivers draw nowhere a player could see.
bool offscreen_driver(const char* name) {
  return name && (std::strcmp(name, "dummy") == 0 || std::strcmp(name, "offscreen") == 0);
}

// SDL starts its Wayland driver when asked by name, or when there is no X
// display to prefer. A compositor that lacks what the game needs (a seat
// above all: SDL crashes without one) is stepped round through X11 where
// DISPLAY names one; false, with why_not set, when there is none.
bool route_round_wayland() {
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  const char* x_display = std::getenv("DISPLAY");
  const bool x11_there = x_display && *x_display;
  const bool wayland_wanted = asked && *asked ? std::strncmp(asked, "wayland", 7) == 0 : !x11_there;
  if (!wayland_wanted) return true;
  const detail::WaylandOffer offer = detail::probe_wayland();
  const detail::VideoRoute route = detail::choose_video_route(wayland_wanted, offer, x11_there);
  if (route.refuse) {
    why_not = detail::wayland_shortfall(offer) + ", and DISPLAY names no X display to play on instead";
    return false;
  }
  if (*route.driver) {
    std::fprintf(stderr, "rx907: %s; playing through X11 on %s instead\n", detail::wayland_shortfall(offer).c_str(),
                 x_display);
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, route.driver, SDL_HINT_OVERRIDE);
  }
  return true;
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
  if (!want_headless && !route_round_wayland()) return false;
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
