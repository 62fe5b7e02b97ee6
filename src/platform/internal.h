// State shared between the platform layer's own files. Only src/platform/
// includes this header; it is where SDL types are allowed to appear.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace plat::detail {

struct Display {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Surface* surface = nullptr;  // back buffer in memory (headless, or a software window)
  // A window draws every frame at the logical size into this texture, which
  // is scaled to the window once, at present.
  SDL_Texture* target = nullptr;
  // With the software renderer a window draws every frame into `surface`
  // through a renderer of its own (`renderer`), so that copies can go into
  // the surface directly; at present the surface is uploaded to `frame` and
  // scaled to the window by the window's renderer, `presenter`.
  SDL_Renderer* presenter = nullptr;
  SDL_Texture* frame = nullptr;
  // The software renderer has no presenter: the frame is scaled by our own
  // code straight into the window's surface (the X framebuffer).
  bool window_surface = false;
  bool repaint_all = true;         // the whole window surface is sent at the next present
  bool fullscreen = false;
  bool borderless_fullscreen = false;  // a desktop-sized window (no window manager)
  // The window's drawing area before it went full screen (restored on
  // leaving full screen); w 0 while not known.
  int windowed_x = 0, windowed_y = 0, windowed_w = 0, windowed_h = 0;
  int width = 0, height = 0;       // logical size
  int hz = 60;
  int kind = 0;                    // Renderer value that opened
  uint32_t generation = 0;         // bumped per opened renderer
};

Display& display();
bool headless_active();

// Where the logical picture lands in the window's output, in output pixels
// (letterboxed; integer-scaled when sharp scaling allows it).
SDL_Rect present_rect();
// Where a fw x fh frame lands in ow x oh output pixels.
SDL_Rect letterbox(int fw, int fh, int ow, int oh);
// Window pixels to logical display pixels and back (pointer reading and
// warping); they follow present_rect().
void window_to_logical(int wx, int wy, float& lx, float& ly);
void logical_to_window(int lx, int ly, int& wx, int& wy);
// Places and sizes a new window (or one back from full screen) for a
// width x height picture: at that size where the desktop holds it with the
// frame, otherwise smaller; centred in the work area.
void fit_to_desktop(SDL_Window* window, int width, int height);
// Whether an X window manager runs (one that can honour full screen).
bool window_manager_present(SDL_Window* window);
// Gives a new window the icon set with set_window_icon() (none yet: nothing).
void apply_window_icon(SDL_Window* window);
// The pointer now, on the screen and relative to the window, asked of the X
// server; false where the display is not X11 or the server says nothing.
bool query_pointer(SDL_Window* window, int& screen_x, int& screen_y, int& window_x, int& window_y);
bool subsystems_up();

// Event pump shared by input, focus and close handling.
void pump_events();
// Whether the window changed (an SDL window event, a pointer warp, a switch
// of full screen) in the last ms milliseconds, or never was seen to; only
// then is the pointer's place asked of the X server, whose answer costs a
// round trip that waits behind the frame being shown.
bool window_changed_within(int ms);
void note_window_change();

// Called when the renderer goes away: every cached texture is stale.
void drop_image_textures();
void drop_text_texture();

// Pushes the draw state's viewport to the renderer when it changed.
void apply_viewport();
void mark_viewport_dirty();
void reset_draw_state_for(int width, int height);

// Closes the mixer and releases sounds and music (shutdown).
void audio_shutdown();
// The event pump saw the output device go away: close it and open it again
// (now, or on a later poll while the sound server is still away).
void audio_device_removed();
// Called by the event pump every pass: retries a lost device now and then.
void audio_poll();

}  // namespace plat::detail

namespace plat::detail {
// Presses the event pump saw since the last input snapshot. A key or button
// that went down, even if it came up again before the snapshot, reads as
// held in that one snapshot, so a quick tap or click is never lost.
struct PressLatch {
  bool key[251] = {};
  int presses[251] = {};  // key-downs counted, however many came before the snapshot
  bool mouse[4] = {};                         // 1 left, 2 right, 3 middle
  std::vector<std::pair<int, int>> joybutton;  // (joystick slot, button in the snapshot's order)
};
PressLatch& press_latch();
// The game's key code for a key event's scancode, 0 when unknown.
int key_code_of_event(int scancode, bool numlock_on);
// True while the Return key that switched full screen (Alt+Enter) is held:
// the game never sees that key-down.
bool return_swallowed();
// Accumulated wheel position from the event pump (up is positive).
int wheel_position();
// The event pump's joystick arrivals (by device index) and removals (by
// instance id): a device takes the lowest free slot and keeps it.
void joystick_added(int device_index);
void joystick_removed(int instance);
// The slot of a joystick instance (-1 when not open) and whether it is
// read as a standard pad.
int joystick_slot(int instance, bool& is_pad);
void close_joysticks();
}  // namespace plat::detail

namespace plat {
// Fills the joystick part of a snapshot from the slots.
void read_joysticks(RawInput& in);
}  // namespace plat

namespace plat::detail {
// Stops and releases every music track (before the mixer closes).
void music_shutdown();
// The device is going away: remember the playing track and where it is,
// release every track's decoder. Back: decode them again and play the
// remembered track on from there.
void music_device_gone();
void music_device_back();
}  // namespace plat::detail
