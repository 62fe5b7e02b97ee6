// Window geometry: where the window stands and how large it is (placed to
// fit the desktop, full screen and back), where the logical picture lands
// in it (letterboxed), and window pixels to logical pixels and back.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/internal.h"
#include "platform/platform.h"
#include "platform/window_fit.h"

namespace plat {

namespace {

using detail::display;

int headless_window_x = 0, headless_window_y = 0;

// The desktop's work area (less its panels), else the whole desktop.
WindowBox work_area(SDL_Window* window) {
  const int index = std::max(SDL_GetWindowDisplayIndex(window), 0);
  SDL_Rect r{0, 0, 0, 0};
  if (SDL_GetDisplayUsableBounds(index, &r) != 0 || r.w <= 0 || r.h <= 0) SDL_GetDisplayBounds(index, &r);
  return WindowBox{r.x, r.y, r.w, r.h};
}

// Waits briefly for the window manager to carry out a change that SDL only
// asked for, watching the window's size; events stay queued for the pump.
void settle_window(SDL_Window* window, int from_w, int from_h) {
  const Uint64 until = SDL_GetTicks64() + 500;
  while (SDL_GetTicks64() < until) {
    SDL_PumpEvents();
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    if (w != from_w || h != from_h) break;
    SDL_Delay(10);
  }
  SDL_PumpEvents();
}

// Sets the window's drawing area to box (size, then place); SDL places the
// window manager's frame around it.
void set_window_box(SDL_Window* window, const WindowBox& box) {
  SDL_SetWindowSize(window, box.w, box.h);
  SDL_SetWindowPosition(window, box.x, box.y);
}

}  // namespace

namespace detail {

// A window at the picture's size where the desktop holds it with the frame,
// otherwise smaller; centred in the work area.
void fit_to_desktop(SDL_Window* window, int width, int height) {
  FrameSize frame;
  SDL_GetWindowBordersSize(window, &frame.top, &frame.left, &frame.bottom, &frame.right);
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool wayland = driver && std::strcmp(driver, "wayland") == 0;
  const bool framed = wayland || detail::window_manager_present(window);
  if (frame.top == 0 && frame.left == 0 && framed) {
    // A new window's frame is known once the window manager has put it
    // round the window: wait for that briefly (events stay queued).
    const Uint64 until = SDL_GetTicks64() + 400;
    while (frame.top == 0 && frame.left == 0 && SDL_GetTicks64() < until) {
      SDL_Delay(10);
      SDL_PumpEvents();
      SDL_GetWindowBordersSize(window, &frame.top, &frame.left, &frame.bottom, &frame.right);
    }
  }
  // Still nothing known where there is a frame (or a compositor's panel):
  // room enough is kept round the window that it stays on the output.
  if (frame.top == 0 && frame.left == 0 && frame.bottom == 0 && frame.right == 0 && framed) frame = unknown_frame;
  set_window_box(window, fit_window(work_area(window), frame, width, height));
}

}  // namespace detail

bool mode_exists(int width, int height, int depth, int hz) {
  if (width <= 0 || height <= 0) return false;
  if (depth != 0 && depth != 16 && depth != 24 && depth != 32) return false;
  if (!detail::subsystems_up() && !init(false)) return false;
  const int displays = SDL_GetNumVideoDisplays();
  if (displays < 1) return false;
  // Full screen is desktop-sized and letterboxed, so any size fits; only a
  // requested refresh rate has to be offered by some mode.
  if (hz == 0) return true;
  for (int i = 0; i < SDL_GetNumDisplayModes(0); ++i) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(0, i, &mode) == 0 && (mode.refresh_rate == hz || mode.refresh_rate == 0)) return true;
  }
  return false;
}

namespace {
using detail::fit_to_desktop;
bool set_fullscreen_now(bool on);
}  // namespace

bool set_fullscreen(bool on) {
  auto& d = display();
  if (!d.window) return false;
  if (on == d.fullscreen) return true;
  // SDL puts the pointer back at its place in the window after a switch,
  // which moves it on the screen although the player did not: it goes back
  // where it stood, and the menus see no move.
  int sx = 0, sy = 0, wx = 0, wy = 0;
  const bool pointer_known = detail::query_pointer(d.window, sx, sy, wx, wy);
  const bool ok = set_fullscreen_now(on);
  int nx = 0, ny = 0;
  if (pointer_known && detail::query_pointer(d.window, nx, ny, wx, wy) && (nx != sx || ny != sy))
    SDL_WarpMouseGlobal(sx, sy);
  return ok;
}

namespace {
bool set_fullscreen_now(bool on) {
  auto& d = display();
  if (on) {
    // Where the window stood, to put it back there on leaving full screen.
    SDL_GetWindowPosition(d.window, &d.windowed_x, &d.windowed_y);
    SDL_GetWindowSize(d.window, &d.windowed_w, &d.windowed_h);
  }
  if (on && !detail::window_manager_present(d.window)) {
    // Nobody would carry out a full-screen request: become a borderless
    // window over the whole desktop instead.
    SDL_Rect desk{0, 0, 0, 0};
    if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(d.window), 0), &desk) != 0) return false;
    SDL_SetWindowBordered(d.window, SDL_FALSE);
    SDL_SetWindowSize(d.window, desk.w, desk.h);
    SDL_SetWindowPosition(d.window, desk.x, desk.y);
    d.borderless_fullscreen = true;
  } else if (on) {
    if (SDL_SetWindowFullscreen(d.window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) return false;
  } else {
    int fw = 0, fh = 0;
    SDL_GetWindowSize(d.window, &fw, &fh);
    if (d.borderless_fullscreen) {
      SDL_SetWindowBordered(d.window, SDL_TRUE);
      d.borderless_fullscreen = false;
    } else if (SDL_SetWindowFullscreen(d.window, 0) != 0) {
      return false;
    } else {
      // The window manager restores a size of its own reckoning, which some
      // let grow by a few pixels on every round trip, and may place the
      // frame where the drawing area stood: once it has left full screen,
      // the window gets exactly its old size and place back.
      settle_window(d.window, fw, fh);
    }
    if (d.windowed_w > 0) {
      set_window_box(d.window, WindowBox{d.windowed_x, d.windowed_y, d.windowed_w, d.windowed_h});
    } else {
      fit_to_desktop(d.window, d.width, d.height);
    }
  }
  d.fullscreen = on;
  return true;
}
}  // namespace

bool is_fullscreen() { return display().fullscreen; }

bool toggle_fullscreen() { return set_fullscreen(!display().fullscreen); }

namespace detail {

namespace {
SDL_Renderer* window_renderer() {
  const auto& d = display();
  return d.presenter ? d.presenter : d.renderer;
}

bool frame_offscreen() {
  const auto& d = display();
  return d.target || d.presenter || d.window_surface;
}

// The window's size in output pixels; false without a window.
bool output_size(int& w, int& h) {
  const auto& d = display();
  if (!d.window) return false;
  if (d.window_surface) {
    SDL_GetWindowSizeInPixels(d.window, &w, &h);
    return true;
  }
  return window_renderer() && SDL_GetRendererOutputSize(window_renderer(), &w, &h) == 0;
}
}  // namespace

// Where a fw x fh frame lands in ow x oh output pixels.
SDL_Rect letterbox(int fw, int fh, int ow, int oh) {
  const int scale_quality = scale_quality_in_use();
  if (fw <= 0 || fh <= 0 || ow <= 0 || oh <= 0) return SDL_Rect{0, 0, fw, fh};
  const double fit = std::min(static_cast<double>(ow) / fw, static_cast<double>(oh) / fh);
  // Sharp scaling uses a whole factor when one of 2 or more fits.
  const double factor = scale_quality == ScaleSharp && fit >= 2.0 ? std::floor(fit) : fit;
  const int w = std::min(ow, static_cast<int>(std::lround(fw * factor)));
  const int h = std::min(oh, static_cast<int>(std::lround(fh * factor)));
  return SDL_Rect{(ow - w) / 2, (oh - h) / 2, w, h};
}

SDL_Rect present_rect() {
  const auto& d = display();
  int ow = d.width, oh = d.height;
  output_size(ow, oh);
  return letterbox(d.width, d.height, ow, oh);
}

namespace {
// Output pixels per window pixel (above 1 on high-density screens).
void output_per_window(double& kx, double& ky) {
  const auto& d = display();
  int ww = 0, wh = 0, ow = 0, oh = 0;
  kx = ky = 1.0;
  if (!output_size(ow, oh)) return;
  SDL_GetWindowSize(d.window, &ww, &wh);
  if (ww > 0 && wh > 0 && ow > 0 && oh > 0) kx = static_cast<double>(ow) / ww, ky = static_cast<double>(oh) / wh;
}
}  // namespace

void window_to_logical(int wx, int wy, float& lx, float& ly) {
  const auto& d = display();
  if (!frame_offscreen()) {
    lx = static_cast<float>(wx), ly = static_cast<float>(wy);
    if (d.renderer) SDL_RenderWindowToLogical(d.renderer, wx, wy, &lx, &ly);
    return;
  }
  double kx = 1.0, ky = 1.0;
  output_per_window(kx, ky);
  const SDL_Rect r = present_rect();
  lx = static_cast<float>((wx * kx - r.x) * d.width / std::max(r.w, 1));
  ly = static_cast<float>((wy * ky - r.y) * d.height / std::max(r.h, 1));
}

void logical_to_window(int lx, int ly, int& wx, int& wy) {
  const auto& d = display();
  if (!frame_offscreen()) {
    wx = lx, wy = ly;
    if (d.renderer) SDL_RenderLogicalToWindow(d.renderer, static_cast<float>(lx), static_cast<float>(ly), &wx, &wy);
    return;
  }
  double kx = 1.0, ky = 1.0;
  output_per_window(kx, ky);
  const SDL_Rect r = present_rect();
  wx = static_cast<int>(std::lround((r.x + (lx + 0.5) * r.w / d.width) / kx));
  wy = static_cast<int>(std::lround((r.y + (ly + 0.5) * r.h / d.height) / ky));
}

}  // namespace detail

void desktop_size(int& w, int& h) {
  SDL_DisplayMode mode;
  if (detail::subsystems_up() && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    w = mode.w, h = mode.h;
  } else {
    w = 1024, h = 768;
  }
}

void window_position(int& x, int& y) {
  if (display().window) {
    SDL_GetWindowPosition(display().window, &x, &y);
  } else {
    x = headless_window_x, y = headless_window_y;
  }
}

void move_window(int x, int y) {
  if (display().window) {
    SDL_SetWindowPosition(display().window, x, y);
  } else {
    headless_window_x = x, headless_window_y = y;
  }
}

}  // namespace plat
