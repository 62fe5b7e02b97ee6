// Joysticks and standard pads in numbered slots. A device SDL's
// game-controller layer recognises (its built-in database,
// SDL_GAMECONTROLLERCONFIG, or gamecontrollerdb.txt in the files folder) is
// read as a standard pad in one fixed button order; any other device is read
// as a raw joystick. A device keeps its slot while it stays connected, and a
// new one takes the lowest free slot, so unplugging one pad never renumbers
// another.
#include <algorithm>

#include "platform/internal.h"
#include "platform/platform.h"

namespace plat {
namespace {

constexpr int trigger_half = 16384;  // a trigger past half travel is a button

struct Slot {
  SDL_Joystick* joy = nullptr;
  SDL_GameController* pad = nullptr;  // set for a standard pad
  SDL_JoystickID id = -1;
};
Slot slots[RawInput::rawjoysticks];
bool scanned = false;
bool rumble_allowed = true;

// The standard pad's buttons in the game's order: SDL's own order for the
// first fifteen, then the two triggers.
constexpr SDL_GameControllerButton padbuttons[] = {
    SDL_CONTROLLER_BUTTON_A,          SDL_CONTROLLER_BUTTON_B,           SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,          SDL_CONTROLLER_BUTTON_BACK,        SDL_CONTROLLER_BUTTON_GUIDE,
    SDL_CONTROLLER_BUTTON_START,      SDL_CONTROLLER_BUTTON_LEFTSTICK,   SDL_CONTROLLER_BUTTON_RIGHTSTICK,
    SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDL_CONTROLLER_BUTTON_DPAD_UP,
    SDL_CONTROLLER_BUTTON_DPAD_DOWN,  SDL_CONTROLLER_BUTTON_DPAD_LEFT,   SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
};
static_assert(sizeof padbuttons / sizeof padbuttons[0] == padlefttrigger, "triggers follow the buttons");

int slot_of(SDL_JoystickID id) {
  for (int s = 0; s < RawInput::rawjoysticks; ++s)
    if (slots[s].joy && slots[s].id == id) return s;
  return -1;
}

void close_slot(Slot& s) {
  if (s.pad) SDL_GameControllerClose(s.pad);
  else if (s.joy) SDL_JoystickClose(s.joy);
  s = Slot{};
}

float axis_of(SDL_Joystick* j, int a) {
  if (SDL_JoystickNumAxes(j) <= a) return 0.0f;
  return std::clamp(SDL_JoystickGetAxis(j, a) / 32767.0f, -1.0f, 1.0f);
}

float pad_axis(SDL_GameController* c, SDL_GameControllerAxis a) {
  return std::clamp(SDL_GameControllerGetAxis(c, a) / 32767.0f, -1.0f, 1.0f);
}

// A database the player put beside the game's files (missing is fine),
// read before the first device is opened so that it decides what is a pad.
void readdatabase() {
  static bool read = false;
  if (read || !SDL_WasInit(SDL_INIT_GAMECONTROLLER)) return;
  read = true;
  const std::string db = disk_path("gamecontrollerdb.txt");
  if (file_type(db) == 1) SDL_GameControllerAddMappingsFromFile(db.c_str());
}

// Every device already attached, once: the events of their arrival may
// have gone before the game looked.
void scan() {
  if (scanned || !SDL_WasInit(SDL_INIT_JOYSTICK)) return;
  scanned = true;
  for (int i = 0; i < SDL_NumJoysticks(); ++i) detail::joystick_added(i);
}

}  // namespace

namespace detail {

void joystick_added(int device_index) {
  if (!SDL_WasInit(SDL_INIT_JOYSTICK)) return;
  readdatabase();
  if (slot_of(SDL_JoystickGetDeviceInstanceID(device_index)) >= 0) return;
  int free = -1;
  for (int s = 0; s < RawInput::rawjoysticks && free < 0; ++s)
    if (!slots[s].joy) free = s;
  if (free < 0) return;  // beyond the tables: never read
  Slot& s = slots[free];
  if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) && SDL_IsGameController(device_index)) {
    s.pad = SDL_GameControllerOpen(device_index);
    if (s.pad) s.joy = SDL_GameControllerGetJoystick(s.pad);
  }
  if (!s.joy) s.joy = SDL_JoystickOpen(device_index);
  if (s.joy) s.id = SDL_JoystickInstanceID(s.joy);
  else s = Slot{};
}

void joystick_removed(int instance) {
  const int s = slot_of(instance);
  if (s >= 0) close_slot(slots[s]);
}

int joystick_slot(int instance, bool& is_pad) {
  const int s = slot_of(instance);
  is_pad = s >= 0 && slots[s].pad != nullptr;
  return s;
}

void close_joysticks() {
  for (Slot& s : slots) close_slot(s);
  scanned = false;
}

}  // namespace detail

void read_joysticks(RawInput& in) {
  scan();
  in.joycount = 0;
  for (int j = 0; j < RawInput::rawjoysticks; ++j) {
    const Slot& s = slots[j];
    if (!s.joy) continue;
    in.joycount = j + 1;
    if (s.pad) {
      in.joykind[j] = joykindpad;
      in.joyx[j] = pad_axis(s.pad, SDL_CONTROLLER_AXIS_LEFTX);
      in.joyy[j] = pad_axis(s.pad, SDL_CONTROLLER_AXIS_LEFTY);
      for (int b = 0; b < padlefttrigger; ++b) in.joybutton[j][b] = SDL_GameControllerGetButton(s.pad, padbuttons[b]) != 0;
      in.joybutton[j][padlefttrigger] = SDL_GameControllerGetAxis(s.pad, SDL_CONTROLLER_AXIS_TRIGGERLEFT) >= trigger_half;
      in.joybutton[j][padrighttrigger] = SDL_GameControllerGetAxis(s.pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT) >= trigger_half;
    } else {
      in.joykind[j] = joykindstick;
      in.joyx[j] = axis_of(s.joy, 0);
      in.joyy[j] = axis_of(s.joy, 1);
      const int buttons = std::min(SDL_JoystickNumButtons(s.joy), RawInput::rawjoybuttons);
      for (int b = 0; b < buttons; ++b) in.joybutton[j][b] = SDL_JoystickGetButton(s.joy, b) != 0;
    }
  }
}

int joystick_count() {
  if (!detail::subsystems_up()) return 0;
  detail::pump_events();
  scan();
  int n = 0;
  for (const Slot& s : slots)
    if (s.joy) ++n;
  return n;
}

void allow_rumble(bool allowed) { rumble_allowed = allowed; }

void rumble(int joystick, float strength, int ms) {
  if (!rumble_allowed || joystick < 0 || joystick >= RawInput::rawjoysticks || !slots[joystick].joy) return;
  const Uint16 level = static_cast<Uint16>(std::clamp(strength, 0.0f, 1.0f) * 65535.0f);
  // A pad without motors says so and nothing happens.
  if (slots[joystick].pad) SDL_GameControllerRumble(slots[joystick].pad, level, level, static_cast<Uint32>(ms));
  else SDL_JoystickRumble(slots[joystick].joy, level, level, static_cast<Uint32>(ms));
}

}  // namespace plat
