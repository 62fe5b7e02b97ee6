// The event pump: quit requests, focus (suspension), the wheel, Alt+Enter,
// joystick hot-plugging, and the latch of presses between snapshots.
// Polled state is read elsewhere.
#include <algorithm>

#include "platform/internal.h"
#include "platform/keymap.h"
#include "platform/platform.h"

namespace plat {
namespace {
bool quit_seen = false;
bool suspended = false;
bool minimised = false;
bool exposed = false;
// When the window last changed (moved, resized, shown, entered, left...),
// on the millisecond clock; 0 before any change.
Uint64 window_changed_ms = 0;
int wheel = 0;
bool swallow_return = false;
bool switch_allowed = true;

// SDL's button numbers to the game's: 1 left, 2 right, 3 middle.
int game_mouse_button(int sdl_button) {
  switch (sdl_button) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 0;
  }
}

void key_down(const SDL_KeyboardEvent& k) {
  // AltGr is a shift key for characters, not Alt: AltGr+Enter is Enter.
  const bool alt = (k.keysym.mod & KMOD_LALT) || ((k.keysym.mod & KMOD_RALT) && !right_alt_is_altgr());
  if (k.keysym.scancode == SDL_SCANCODE_RETURN && alt) {
    // The window switch owns this press: the game must not see Enter, or
    // QUIT or a text field would take it.
    if (!k.repeat && switch_allowed) toggle_fullscreen();
    swallow_return = true;
    return;
  }
  if (k.repeat) return;
  const int code = detail::key_code_of_event(k.keysym.scancode, (k.keysym.mod & KMOD_NUM) != 0);
  if (code > 0 && code <= 250) {
    detail::press_latch().key[code] = true;
    detail::press_latch().presses[code] += 1;
  }
}

}  // namespace

namespace detail {

PressLatch& press_latch() {
  static PressLatch latch;
  return latch;
}

void note_window_change() { window_changed_ms = std::max<Uint64>(SDL_GetTicks64(), 1); }
bool window_changed_within(int ms) {
  return window_changed_ms == 0 || SDL_GetTicks64() - window_changed_ms < static_cast<Uint64>(ms);
}

int key_code_of_event(int scancode, bool numlock_on) { return key_code_for_scancode(scancode, numlock_on); }

bool return_swallowed() { return swallow_return; }

void pump_events() {
  if (!subsystems_up()) return;
  audio_poll();
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_QUIT:
        quit_seen = true;
        break;
      case SDL_WINDOWEVENT:
        window_changed_ms = std::max<Uint64>(SDL_GetTicks64(), 1);
        switch (e.window.event) {
          case SDL_WINDOWEVENT_FOCUS_LOST: suspended = true; break;
          case SDL_WINDOWEVENT_MINIMIZED: suspended = minimised = true; break;
          case SDL_WINDOWEVENT_FOCUS_GAINED: suspended = false; break;
          case SDL_WINDOWEVENT_RESTORED:
            suspended = minimised = false;
            exposed = true;
            break;
          case SDL_WINDOWEVENT_EXPOSED:
          case SDL_WINDOWEVENT_SIZE_CHANGED:
          case SDL_WINDOWEVENT_SHOWN: exposed = true; break;
          case SDL_WINDOWEVENT_CLOSE: quit_seen = true; break;
          default: break;
        }
        break;
      case SDL_MOUSEWHEEL:
        wheel += e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
        break;
      case SDL_KEYDOWN:
        key_down(e.key);
        break;
      case SDL_KEYUP:
        if (e.key.keysym.scancode == SDL_SCANCODE_RETURN) swallow_return = false;
        break;
      case SDL_MOUSEBUTTONDOWN:
        if (const int b = game_mouse_button(e.button.button)) press_latch().mouse[b] = true;
        break;
      case SDL_JOYBUTTONDOWN: {
        // A standard pad's presses come as pad events, in the pad's order.
        bool pad = false;
        const int slot = joystick_slot(e.jbutton.which, pad);
        if (slot >= 0 && !pad) press_latch().joybutton.emplace_back(slot, e.jbutton.button);
        break;
      }
      case SDL_CONTROLLERBUTTONDOWN: {
        bool pad = false;
        const int slot = joystick_slot(e.cbutton.which, pad);
        if (slot >= 0 && pad && e.cbutton.button < padlefttrigger) press_latch().joybutton.emplace_back(slot, e.cbutton.button);
        break;
      }
      case SDL_CONTROLLERAXISMOTION: {
        // A trigger pulled past half and let go between two snapshots.
        const bool left = e.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT;
        if ((!left && e.caxis.axis != SDL_CONTROLLER_AXIS_TRIGGERRIGHT) || e.caxis.value < 16384) break;
        bool pad = false;
        const int slot = joystick_slot(e.caxis.which, pad);
        if (slot >= 0 && pad) press_latch().joybutton.emplace_back(slot, left ? padlefttrigger : padrighttrigger);
        break;
      }
      case SDL_JOYDEVICEADDED:
        joystick_added(e.jdevice.which);
        break;
      case SDL_JOYDEVICEREMOVED:
        joystick_removed(e.jdevice.which);
        break;
      case SDL_AUDIODEVICEREMOVED:
        // Only an opened device reports its removal: the game's output.
        if (!e.adevice.iscapture) audio_device_removed();
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

bool app_minimised() {
  if (detail::headless_active() || !detail::display().window) return false;
  detail::pump_events();
  return minimised;
}

bool window_exposed() {
  detail::pump_events();
  const bool was = exposed;
  exposed = false;
  return was;
}

void allow_window_switch(bool allowed) { switch_allowed = allowed; }

}  // namespace plat
