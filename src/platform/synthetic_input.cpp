#include "platform/synthetic_input.h"

#include "platform/internal.h"
#include "platform/keymap.h"

namespace plat::synthetic {
namespace {

int virtual_index = -1;
SDL_Joystick* virtual_stick = nullptr;

int scancode_of(int code) {
  for (int sc = 1; sc < SDL_NUM_SCANCODES; ++sc)
    if (key_code_for_scancode(sc, true) == code) return sc;
  return 0;
}

}  // namespace

bool key(int code, bool down, bool alt) {
  const int sc = scancode_of(code);
  if (!sc) return false;
  SDL_Event e{};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.scancode = static_cast<SDL_Scancode>(sc);
  e.key.keysym.sym = SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(sc));
  e.key.keysym.mod = static_cast<Uint16>(KMOD_NUM | (alt ? KMOD_LALT : 0));
  return SDL_PushEvent(&e) == 1;
}

bool mouse_button(int button, bool down) {
  static const Uint8 sdl_buttons[4] = {0, SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE};
  if (button < 1 || button > 3) return false;
  SDL_Event e{};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.button = sdl_buttons[button];
  e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.button.clicks = 1;
  return SDL_PushEvent(&e) == 1;
}

bool audio_device_removed() {
  SDL_Event e{};
  e.type = SDL_AUDIODEVICEREMOVED;
  e.adevice.which = 2;  // the first device opened after the legacy one
  e.adevice.iscapture = 0;
  return SDL_PushEvent(&e) == 1;
}

bool attach_joystick(int buttons) {
  if (!SDL_WasInit(SDL_INIT_JOYSTICK) && SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return false;
  virtual_index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, buttons, 0);
  if (virtual_index < 0) return false;
  virtual_stick = SDL_JoystickOpen(virtual_index);
  return virtual_stick != nullptr;
}

void joystick_button(int button, bool down) {
  if (!virtual_stick) return;
  SDL_JoystickSetVirtualButton(virtual_stick, button, down ? SDL_PRESSED : SDL_RELEASED);
  SDL_JoystickUpdate();
}

void detach_joystick() {
  if (virtual_stick) SDL_JoystickClose(virtual_stick);
  if (virtual_index >= 0) SDL_JoystickDetachVirtual(virtual_index);
  virtual_stick = nullptr;
  virtual_index = -1;
}

}  // namespace plat::synthetic
