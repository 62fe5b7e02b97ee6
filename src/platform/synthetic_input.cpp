#include "platform/synthetic_input.h"

#include <algorithm>
#include <vector>

#include "platform/internal.h"
#include "platform/keymap.h"

namespace plat::synthetic {
namespace {

int virtual_index = -1;
SDL_Joystick* virtual_stick = nullptr;

struct VirtualPad {
  SDL_JoystickID id = -1;
  SDL_Joystick* joy = nullptr;
  unsigned mask = 0;  // the PadButtons it has
};
std::vector<VirtualPad> pads;

Sint16 axis_value(float v) { return static_cast<Sint16>(std::clamp(v, -1.0f, 1.0f) * 32767.0f); }

SDL_Joystick* pad_joystick(int pad) {
  return pad >= 0 && pad < static_cast<int>(pads.size()) ? pads[pad].joy : nullptr;
}

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

int attach_pad(unsigned buttons) {
  if (!SDL_WasInit(SDL_INIT_JOYSTICK) && SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return -1;
  // Six axes (both sticks, both triggers) and the buttons asked for, raw
  // numbers in SDL's button order: SDL maps a virtual game controller by
  // that list, as the database maps a real pad.
  const unsigned mask = buttons ? buttons : (1u << padlefttrigger) - 1;
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = 6;
  desc.nbuttons = static_cast<Uint16>(__builtin_popcount(mask));
  desc.button_mask = mask;
  desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
  desc.name = "RX-907 test pad";
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  if (index < 0) return -1;
  SDL_Joystick* joy = SDL_JoystickOpen(index);
  if (!joy) return -1;
  // Triggers at rest: a virtual axis starts at the middle of its travel.
  SDL_JoystickSetVirtualAxis(joy, 4, -32768);
  SDL_JoystickSetVirtualAxis(joy, 5, -32768);
  SDL_JoystickUpdate();
  pads.push_back({SDL_JoystickInstanceID(joy), joy, mask});
  return static_cast<int>(pads.size()) - 1;
}

void pad_button(int pad, int button, bool down) {
  SDL_Joystick* joy = pad_joystick(pad);
  if (!joy) return;
  if (button == padlefttrigger || button == padrighttrigger)
    SDL_JoystickSetVirtualAxis(joy, button == padlefttrigger ? 4 : 5, down ? 32767 : -32768);
  else if (pads[pad].mask & (1u << button))
    // Its raw number counts only the buttons this pad has below it.
    SDL_JoystickSetVirtualButton(joy, __builtin_popcount(pads[pad].mask & ((1u << button) - 1)),
                                 down ? SDL_PRESSED : SDL_RELEASED);
  SDL_JoystickUpdate();
}

void pad_stick(int pad, float x, float y) {
  SDL_Joystick* joy = pad_joystick(pad);
  if (!joy) return;
  SDL_JoystickSetVirtualAxis(joy, 0, axis_value(x));
  SDL_JoystickSetVirtualAxis(joy, 1, axis_value(y));
  SDL_JoystickUpdate();
}

void detach_pad(int pad) {
  SDL_Joystick* joy = pad_joystick(pad);
  if (!joy) return;
  const SDL_JoystickID id = pads[pad].id;
  SDL_JoystickClose(joy);
  pads[pad].joy = nullptr;
  // Detaching goes by device index, which shifts as others come and go.
  for (int i = 0; i < SDL_NumJoysticks(); ++i)
    if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
}

}  // namespace plat::synthetic
