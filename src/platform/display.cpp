// The display: a window (or a headless off-screen surface) with a renderer
// at a fixed logical size, letterboxed when full screen; presentation with
// refresh pacing; window placement and the pointer.
#include <cstring>

#include "platform/internal.h"
#include "platform/pace_schedule.h"
#include "platform/platform.h"

namespace plat {
namespace detail {

Display& display() {
  static Display d;
  return d;
}

}  // namespace detail

namespace {

using detail::display;

std::string title_text = "RX-907";
PaceSchedule schedule;
PresentCounts counts;
bool pointer_shown = true;
int headless_window_x = 0, headless_window_y = 0;

int find_render_driver(const char* name) {
  const int n = SDL_GetNumRenderDrivers();
  for (int i = 0; i < n; ++i) {
    SDL_RendererInfo info;
    if (SDL_GetRenderDriverInfo(i, &info) == 0 && info.name && std::strcmp(info.name, name) == 0) return i;
  }
  return -1;
}

// Accelerated renderers present in step with the display's refresh; the
// present schedule of flip() still holds frames to the game's rate.
SDL_Renderer* try_renderer(SDL_Window* window, int kind) {
  constexpr Uint32 accelerated = SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC;
  switch (kind) {
    case RendererOpenGL: {
      const int index = find_render_driver("opengl");
      return index < 0 ? nullptr : SDL_CreateRenderer(window, index, accelerated);
    }
    case RendererSoftware:
      return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    default:
      return SDL_CreateRenderer(window, -1, accelerated);
  }
}

// The chosen renderer first, then the other accelerated one, then software;
// a software choice falls back to the accelerated ones.
bool open_renderer(SDL_Window* window, int choice) {
  static const int orders[3][3] = {{RendererDefault, RendererOpenGL, RendererSoftware},
                                   {RendererOpenGL, RendererDefault, RendererSoftware},
                                   {RendererSoftware, RendererDefault, RendererOpenGL}};
  if (choice < 0 || choice > 2) choice = RendererDefault;
  for (int kind : orders[choice]) {
    if (SDL_Renderer* r = try_renderer(window, kind)) {
      display().renderer = r;
      display().kind = kind;
      return true;
    }
  }
  return false;
}

bool open_headless(int width, int height) {
  auto& d = display();
  d.surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!d.surface) return false;
  d.renderer = SDL_CreateSoftwareRenderer(d.surface);
  if (!d.renderer) {
    SDL_FreeSurface(d.surface);
    d.surface = nullptr;
    return false;
  }
  d.kind = RendererSoftware;
  return true;
}

bool open_window(int width, int height, int depth, int renderer_choice) {
  auto& d = display();
  Uint32 flags = SDL_WINDOW_SHOWN;
  if (depth != 0) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  d.window = SDL_CreateWindow(title_text.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
  if (!d.window) return false;
  if (!open_renderer(d.window, renderer_choice)) {
    SDL_DestroyWindow(d.window);
    d.window = nullptr;
    return false;
  }
  return true;
}

}  // namespace

bool open_display(int width, int height, int depth, int hz, int renderer) {
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return false;
  if (!detail::subsystems_up() && !init(false)) return false;
  close_display();
  const bool ok = detail::headless_active() ? open_headless(width, height)
                                            : open_window(width, height, depth, renderer);
  if (!ok) return false;
  auto& d = display();
  d.width = width;
  d.height = height;
  d.hz = hz > 0 ? hz : 60;
  ++d.generation;
  SDL_RenderSetLogicalSize(d.renderer, width, height);
  SDL_ShowCursor(pointer_shown ? SDL_ENABLE : SDL_DISABLE);
  detail::reset_draw_state_for(width, height);
  schedule.set_rate(d.hz);
  schedule.restart();
  cls();
  return true;
}

void close_display() {
  auto& d = display();
  if (d.renderer) {
    detail::drop_image_textures();
    detail::drop_text_texture();
    SDL_DestroyRenderer(d.renderer);
  }
  if (d.surface) SDL_FreeSurface(d.surface);
  if (d.window) SDL_DestroyWindow(d.window);
  d.renderer = nullptr;
  d.surface = nullptr;
  d.window = nullptr;
  d.width = d.height = 0;
}

bool display_open() { return display().renderer != nullptr; }
int renderer_in_use() { return display().kind; }

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

bool toggle_fullscreen() {
  SDL_Window* w = display().window;
  if (!w) return false;
  const bool full = (SDL_GetWindowFlags(w) & SDL_WINDOW_FULLSCREEN) != 0;
  return SDL_SetWindowFullscreen(w, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

void set_title(const std::string& title) {
  title_text = title;
  if (display().window) SDL_SetWindowTitle(display().window, title.c_str());
}

void show_pointer(bool shown) {
  pointer_shown = shown;
  if (detail::subsystems_up()) SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
}

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

void flip(bool pacing) {
  auto& d = display();
  if (!d.renderer) return;
  ++counts.presents;
  if (pacing) {
    ++counts.paced;
    const double wait = schedule.wait_before_present(static_cast<double>(SDL_GetTicks64()));
    if (wait >= 1.0) {
      ++counts.sleeps;
      SDL_Delay(static_cast<Uint32>(wait));
    }
  }
  SDL_RenderPresent(d.renderer);
}

PresentCounts present_counts() { return counts; }

}  // namespace plat
