// Polled input: keyboard by virtual key code, the mouse in logical display
// pixels, the wheel and up to 21 joysticks (read in pads.cpp).
#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/internal.h"
#include "platform/keymap.h"
#include "platform/platform.h"

namespace plat {
namespace {

constexpr int max_key_code = 250;
// Headless runs have no pointer; move_pointer places this one instead.
int virtual_mouse_x = 0, virtual_mouse_y = 0;

// Key-downs counted before the last snapshot (see key_presses).
int presses_before_poll[max_key_code + 1] = {};

// Adds the presses latched since the last snapshot to what is held now,
// then starts a new latch.
void apply_latch(RawInput& in) {
  detail::PressLatch& latch = detail::press_latch();
  std::copy(latch.presses, latch.presses + max_key_code + 1, presses_before_poll);
  for (int code = 1; code <= max_key_code; ++code) in.key[code] = in.key[code] || latch.key[code];
  for (int b = 1; b <= 3; ++b) in.mouse[b] = in.mouse[b] || latch.mouse[b];
  for (const auto& [slot, button] : latch.joybutton)
    if (slot >= 0 && slot < in.joycount && button >= 0 && button < RawInput::rawjoybuttons) in.joybutton[slot][button] = true;
  latch = detail::PressLatch{};
}

// How long after a change of the window the pointer is asked of the X
// server: a window manager may carry out a switch in several steps.
constexpr int settle_ms = 500;

void read_mouse(RawInput& in) {
  const auto& d = detail::display();
  if (detail::headless_active() || !d.window) {
    in.mousex = virtual_mouse_x, in.mousey = virtual_mouse_y;
    return;
  }
  // Where the pointer is on the screen tells the player's moves from the
  // display's: a window switch moves the picture, not the pointer. Right
  // after the window changed, SDL's idea of the pointer in it may be stale,
  // so the X server is asked. Otherwise SDL's pointer is fresh whenever a
  // motion event moved it, and where it did not move, the pointer stands
  // where it last stood: no round trip to the server, whose answer would
  // wait behind the frame being shown.
  static int screen_x = INT_MIN, screen_y = INT_MIN;
  static int known_x = 0, known_y = 0;          // in the window, as last known
  static int sdl_x = INT_MIN, sdl_y = INT_MIN;  // SDL's pointer when last read
  static bool server_answers = false;           // the display is X and answered
  int sx = 0, sy = 0, wx = 0, wy = 0, mx = 0, my = 0;
  SDL_GetMouseState(&mx, &my);
  const bool settled = !detail::window_changed_within(settle_ms) && SDL_GetMouseFocus() == d.window;
  if (!settled) server_answers = detail::query_pointer(d.window, sx, sy, wx, wy);
  if (!server_answers) {
    wx = mx, wy = my;
  } else if (!settled) {
    in.pointerstill = sx == screen_x && sy == screen_y;
    screen_x = sx, screen_y = sy;
  } else if (mx == sdl_x && my == sdl_y) {
    in.pointerstill = true;
    wx = known_x, wy = known_y;
  } else {
    int x = 0, y = 0;
    SDL_GetWindowPosition(d.window, &x, &y);
    wx = mx, wy = my;
    screen_x = x + wx, screen_y = y + wy;
  }
  known_x = wx, known_y = wy;
  sdl_x = mx, sdl_y = my;
  const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
  float lx = 0.0f, ly = 0.0f;
  detail::window_to_logical(wx, wy, lx, ly);
  in.mousex = std::clamp(static_cast<int>(std::floor(lx)), 0, std::max(d.width - 1, 0));
  in.mousey = std::clamp(static_cast<int>(std::floor(ly)), 0, std::max(d.height - 1, 0));
  in.mouse[1] = (buttons & SDL_BUTTON(SDL_BUTTON_LEFT)) != 0;
  in.mouse[2] = (buttons & SDL_BUTTON(SDL_BUTTON_RIGHT)) != 0;
  in.mouse[3] = (buttons & SDL_BUTTON(SDL_BUTTON_MIDDLE)) != 0;
}

}  // namespace

void poll_input(RawInput& in) {
  in = RawInput{};
  if (!detail::subsystems_up()) return;
  detail::pump_events();

  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  const bool numlock = (SDL_GetModState() & KMOD_NUM) != 0;
  for (int sc = 1; sc < count; ++sc) {
    if (!state[sc]) continue;
    const int code = key_code_for_scancode(sc, numlock);
    if (code > 0 && code <= 250) in.key[code] = true;
  }

  read_mouse(in);
  in.mousez = detail::wheel_position();

  read_joysticks(in);
  apply_latch(in);
  if (detail::return_swallowed()) in.key[detail::key_code_of_event(SDL_SCANCODE_RETURN, numlock)] = false;
  altgr_as_ctrl_alt(in);
}

int key_presses(int code) { return code >= 1 && code <= max_key_code ? presses_before_poll[code] : 0; }

void move_pointer(int x, int y) {
  const auto& d = detail::display();
  virtual_mouse_x = x, virtual_mouse_y = y;
  if (detail::headless_active() || !d.window) return;
  int wx = x, wy = y;
  detail::logical_to_window(x, y, wx, wy);
  SDL_WarpMouseInWindow(d.window, wx, wy);
  detail::note_window_change();  // SDL learns the new place only from the server's event
}

bool window_pointer(int& x, int& y) {
  const auto& d = detail::display();
  if (detail::headless_active() || !d.window) {
    x = virtual_mouse_x, y = virtual_mouse_y;
    return x >= 0 && y >= 0 && x < d.width && y < d.height;
  }
  // The window's own coordinates: wherever a window manager put the frame
  // and the drawing area within it, and also where the desktop's
  // coordinates are not given to programs at all (Wayland).
  int sx = 0, sy = 0, wx = 0, wy = 0;
  bool inside = true;
  if (!detail::query_pointer(d.window, sx, sy, wx, wy)) {
    detail::pump_events();
    SDL_GetMouseState(&wx, &wy);
    inside = SDL_GetMouseFocus() == d.window;
  }
  float lx = 0.0f, ly = 0.0f;
  detail::window_to_logical(wx, wy, lx, ly);
  x = static_cast<int>(std::floor(lx)), y = static_cast<int>(std::floor(ly));
  return inside && x >= 0 && y >= 0 && x < d.width && y < d.height;
}

void global_mouse(int& x, int& y) {
  if (detail::headless_active() || !detail::display().window) {
    int wx = 0, wy = 0;
    window_position(wx, wy);
    x = wx + virtual_mouse_x, y = wy + virtual_mouse_y;
    return;
  }
  // Asked of the X server: SDL's own answer can lag behind a pointer that
  // jumped without device motion.
  int wx = 0, wy = 0;
  if (!detail::query_pointer(detail::display().window, x, y, wx, wy)) SDL_GetGlobalMouseState(&x, &y);
}

}  // namespace plat
