// The event pump: quit requests, focus (suspension), the wheel, Alt+Enter
// and joystick hot-plugging. Polled state is read elsewhere.
#include "platform/internal.h"
#include "platform/platform.h"

namespace plat {
namespace {
bool quit_seen = false;
bool suspended = false;
int wheel = 0;
}  // namespace

namespace detail {

void pump_events() {
  if (!subsystems_up()) return;
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_QUIT:
        quit_seen = true;
        break;
      case SDL_WINDOWEVENT:
        switch (e.window.event) {
          case SDL_WINDOWEVENT_FOCUS_LOST:
          case SDL_WINDOWEVENT_MINIMIZED: suspended = true; break;
          case SDL_WINDOWEVENT_FOCUS_GAINED:
          case SDL_WINDOWEVENT_RESTORED: suspended = false; break;
          case SDL_WINDOWEVENT_CLOSE: quit_seen = true; break;
          default: break;
        }
        break;
      case SDL_MOUSEWHEEL:
        wheel += e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
        break;
      case SDL_KEYDOWN:
        if (e.key.keysym.scancode == SDL_SCANCODE_RETURN && (e.key.keysym.mod & KMOD_ALT) && !e.key.repeat)
          toggle_fullscreen();
        break;
      case SDL_JOYDEVICEADDED:
      case SDL_JOYDEVICEREMOVED:
        joysticks_changed();
        break;
      default:
        break;
    }
  }
}

int wheel_position() { return wheel; }

}  // namespace detail

bool close_requested() {
  detail::pump_events();
  return quit_seen;
}

bool app_suspended() {
  if (detail::headless_active() || !detail::display().window) return false;
  detail::pump_events();
  return suspended;
}

}  // namespace plat
