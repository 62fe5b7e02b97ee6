// The display: a window (or a headless off-screen surface) with a renderer
// at a fixed logical size, letterboxed when full screen; presentation with
// refresh pacing; window placement and the pointer.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "platform/internal.h"
#include "platform/pace_schedule.h"
#include "platform/platform.h"
#include "platform/presented.h"
#include "platform/scaler.h"
#include "platform/window_fit.h"
#include "platform/x11_present.h"

namespace plat {
namespace detail {

Display& display() {
  static Display d;
  return d;
}

}  // namespace detail

namespace {

using detail::display;
using detail::PixelRect;
using detail::scale_sharp;
using detail::SmoothScaler;

std::string title_text = "RX-907";
int scale_quality = ScaleSmooth;
PaceSchedule schedule;
PresentCounts counts;
SmoothScaler smooth_scaler;

// The X server's scaling (x11_present.h), for software windows on X. It
// lives as long as the program: destroyed at exit it would talk to an X
// connection SDL has already closed. RX907_SCALE_IN_GAME=1 keeps the game's
// own scaler instead, to compare the two or to step round a server whose
// RENDER misbehaves.
detail::ServerPresent& server_present() {
  static auto* present = new detail::ServerPresent;
  return *present;
}
bool server_scaling_wanted() {
  const char* in_game = std::getenv("RX907_SCALE_IN_GAME");
  return !(in_game && std::strcmp(in_game, "1") == 0);
}
bool pointer_shown = true;
int headless_window_x = 0, headless_window_y = 0;

// Milliseconds with their fraction, from the high-resolution counter.
double precise_ms() {
  return 1000.0 * static_cast<double>(SDL_GetPerformanceCounter()) /
         static_cast<double>(SDL_GetPerformanceFrequency());
}

SDL_ScaleMode present_scale_mode() { return scale_quality == ScaleSharp ? SDL_ScaleModeNearest : SDL_ScaleModeLinear; }

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
    default:
      return SDL_CreateRenderer(window, -1, accelerated);
  }
}

// The software renderer presents into the window's own surface, which must
// hold 32-bit pixels laid out as the frame's. SDL would show that surface
// through an OpenGL texture where it can, which with no graphics card is
// Mesa's software GL: at 1920 x 1080 it cost more than drawing the whole
// frame. The plain X framebuffer (shared memory) takes the same pixels in a
// fraction of the time.
bool window_surface_usable(SDL_Window* window) {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  const SDL_Surface* s = SDL_GetWindowSurface(window);
  return s && s->pixels && s->format->BytesPerPixel == 4 && s->format->Rmask == 0x00FF0000u &&
         s->format->Gmask == 0x0000FF00u && s->format->Bmask == 0x000000FFu;
}

// Whether an OpenGL renderer draws with the processor: Mesa's llvmpipe,
// softpipe or swrast, on a machine with no graphics card.
bool draws_gl_in_software(SDL_Renderer* r) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(r, &info) != 0 || !info.name || std::strncmp(info.name, "opengl", 6) != 0) return false;
  using GetString = const unsigned char* (*)(unsigned);
  constexpr unsigned gl_renderer = 0x1F01;
  const auto get_string = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const unsigned char* name = get_string ? get_string(gl_renderer) : nullptr;
  if (!name) return false;
  const std::string text(reinterpret_cast<const char*>(name));
  for (const char* rasteriser : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
    if (text.find(rasteriser) != std::string::npos) return true;
  return false;
}

// How the finished frame reaches the window: the chosen renderer first, then
// the other accelerated one, then software; a software choice falls back to
// the accelerated ones. Every renderer draws the frame the same way, in
// memory, and differs only in this. OpenGL drawn by the processor (no
// graphics card) gives way to the software renderer whatever the choice: its
// filtered quad and buffer swap cost the processor several times what our
// own scaling into the X framebuffer does, and at large desktops more than a
// frame's time.
bool open_presenter(SDL_Window* window, int choice) {
  static const int orders[3][3] = {{RendererDefault, RendererOpenGL, RendererSoftware},
                                   {RendererOpenGL, RendererDefault, RendererSoftware},
                                   {RendererSoftware, RendererDefault, RendererOpenGL}};
  auto& d = display();
  if (choice < 0 || choice > 2) choice = RendererDefault;
  for (int kind : orders[choice]) {
    if (kind == RendererSoftware) {
      if (!window_surface_usable(window)) continue;
      d.window_surface = true;
      d.kind = kind;
      return true;
    }
    SDL_Renderer* r = try_renderer(window, kind);
    if (!r) continue;
    if (draws_gl_in_software(r)) {
      SDL_DestroyRenderer(r);
      if (window_surface_usable(window)) {
        if (choice == RendererOpenGL)
          std::fprintf(stderr,
                       "rx907: OpenGL is drawn by the processor here (no graphics card); the software renderer "
                       "shows the same frames at full speed instead\n");
        d.window_surface = true;
        d.kind = RendererSoftware;
        return true;
      }
      if (!(r = try_renderer(window, kind))) continue;
    }
    d.presenter = r;
    d.kind = kind;
    return true;
  }
  return false;
}

// Any change to the window's pixels from outside (shown, exposed, resized)
// has the next present send the whole window surface, letterbox bars
// included.
int repaint_watch(void*, SDL_Event* e) {
  if (e->type != SDL_WINDOWEVENT) return 0;
  switch (e->window.event) {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_RESTORED: display().repaint_all = true; break;
    default: break;
  }
  return 0;
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

// The texture every frame is drawn into; a renderer without render targets
// draws straight to the window, scaled by SDL's logical size instead.
void open_target(int width, int height) {
  auto& d = display();
  if (!SDL_RenderTargetSupported(d.renderer)) return;
  d.target = SDL_CreateTexture(d.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width, height);
  if (!d.target) return;
  SDL_SetTextureBlendMode(d.target, SDL_BLENDMODE_NONE);
  SDL_SetTextureScaleMode(d.target, present_scale_mode());
  if (SDL_SetRenderTarget(d.renderer, d.target) != 0) {
    SDL_DestroyTexture(d.target);
    d.target = nullptr;
  }
}

// A window draws into a surface in memory (see Display), with a streaming
// texture of the presenter's to show it through, where there is a
// presenter; false, with nothing changed, when that cannot be set up.
bool open_frame_surface(int width, int height) {
  auto& d = display();
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_Renderer* drawer = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
  SDL_Texture* frame =
      drawer && d.presenter
          ? SDL_CreateTexture(d.presenter, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height)
          : nullptr;
  if (!drawer || (d.presenter && !frame)) {
    if (drawer) SDL_DestroyRenderer(drawer);
    if (surface) SDL_FreeSurface(surface);
    return false;
  }
  if (frame) {
    SDL_SetTextureBlendMode(frame, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(frame, present_scale_mode());
  }
  d.renderer = drawer;
  d.surface = surface;
  d.frame = frame;
  return true;
}

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

// A window at the picture's size where the desktop holds it with the frame,
// otherwise smaller; centred in the work area.
void fit_to_desktop(SDL_Window* window, int width, int height) {
  FrameSize frame;
  SDL_GetWindowBordersSize(window, &frame.top, &frame.left, &frame.bottom, &frame.right);
  if (frame.top == 0 && frame.left == 0 && detail::window_manager_present(window)) {
    // A new window's frame is known once the window manager has put it
    // round the window: wait for that briefly (events stay queued).
    const Uint64 until = SDL_GetTicks64() + 400;
    while (frame.top == 0 && frame.left == 0 && SDL_GetTicks64() < until) {
      SDL_Delay(10);
      SDL_PumpEvents();
      SDL_GetWindowBordersSize(window, &frame.top, &frame.left, &frame.bottom, &frame.right);
    }
  }
  set_window_box(window, fit_window(work_area(window), frame, width, height));
}

bool open_window(int width, int height, int depth, int renderer_choice) {
  auto& d = display();
  d.window = SDL_CreateWindow(title_text.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                              SDL_WINDOW_SHOWN);
  if (!d.window) return false;
  if (!open_presenter(d.window, renderer_choice) || (!open_frame_surface(width, height) && !d.presenter)) {
    if (d.presenter) SDL_DestroyRenderer(d.presenter);
    d.presenter = nullptr;
    d.window_surface = false;
    SDL_DestroyWindow(d.window);
    d.window = nullptr;
    return false;
  }
  // After the presenter, which may have made the X window anew for OpenGL.
  detail::apply_window_icon(d.window);
  if (d.window_surface && server_scaling_wanted()) server_present().open(d.window, width, height);
  if (!d.renderer) {
    // No frame in memory: the presenter draws the frame itself, into a
    // texture of its own.
    d.renderer = d.presenter;
    d.presenter = nullptr;
    open_target(width, height);
  }
  d.repaint_all = true;
  SDL_AddEventWatch(repaint_watch, nullptr);
  d.fullscreen = false;
  d.borderless_fullscreen = false;
  // Placed for a window first, so that leaving full screen finds a place
  // that fits the desktop.
  fit_to_desktop(d.window, width, height);
  if (depth != 0) set_fullscreen(true);
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
  if (!d.target) SDL_RenderSetLogicalSize(d.renderer, width, height);
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
  if (d.presenter) SDL_DestroyRenderer(d.presenter);  // its frame texture goes with it
  if (d.surface) SDL_FreeSurface(d.surface);
  server_present().close();
  if (d.window) {
    SDL_DelEventWatch(repaint_watch, nullptr);
    SDL_DestroyWindow(d.window);  // its surface goes with it
  }
  d.window_surface = false;
  d.target = nullptr;  // went with its renderer
  d.frame = nullptr;
  d.presenter = nullptr;
  d.renderer = nullptr;
  d.surface = nullptr;
  d.window = nullptr;
  d.width = d.height = 0;
}

bool display_open() { return display().renderer != nullptr; }
int renderer_in_use() { return display().kind; }

std::string renderer_name() {
  SDL_RendererInfo info;
  const auto& d = display();
  if (!d.renderer || SDL_GetRendererInfo(d.renderer, &info) != 0 || !info.name) return "";
  static const char* const names[][2] = {{"opengl", "OpenGL"},       {"opengles2", "OpenGL ES 2"},
                                         {"opengles", "OpenGL ES"},   {"software", "Software"},
                                         {"direct3d", "Direct3D"},    {"direct3d11", "Direct3D 11"},
                                         {"direct3d12", "Direct3D 12"}, {"metal", "Metal"}};
  for (const auto& n : names)
    if (std::strcmp(info.name, n[0]) == 0) return n[1];
  return info.name;
}

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

void set_scale_quality(int quality) {
  scale_quality = quality == ScaleSharp ? ScaleSharp : ScaleSmooth;
  auto& d = display();
  if (d.target) SDL_SetTextureScaleMode(d.target, present_scale_mode());
  if (d.frame) SDL_SetTextureScaleMode(d.frame, present_scale_mode());
}

int scale_quality_in_use() { return scale_quality; }

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

namespace {

// The frame in memory scaled into out, letterboxed; the black bars are
// filled only when asked. Returns where the picture landed.
SDL_Rect compose(PixelRect out, bool bars) {
  const auto& d = display();
  const PixelRect frame{static_cast<uint32_t*>(d.surface->pixels), d.surface->w, d.surface->h, d.surface->pitch};
  const SDL_Rect r = detail::letterbox(frame.w, frame.h, out.w, out.h);
  if (bars)
    for (int y = 0; y < out.h; ++y) {
      uint32_t* row = reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(out.pixels) + y * out.pitch);
      if (y < r.y || y >= r.y + r.h) {
        std::fill(row, row + out.w, 0u);
      } else {
        std::fill(row, row + r.x, 0u);
        std::fill(row + r.x + r.w, row + out.w, 0u);
      }
    }
  const PixelRect dst{reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(out.pixels) + r.y * out.pitch) + r.x,
                      r.w, r.h, out.pitch};
  if (scale_quality == ScaleSharp || (r.w == frame.w && r.h == frame.h)) {
    scale_sharp(frame, dst);
  } else {
    smooth_scaler.scale(frame, dst);
  }
  return r;
}

// The frame scaled by our own code into the window's surface and handed to
// the window system. Only the picture's rectangle is sent, unless the
// window changed (or was uncovered) since the last present: then the bars
// are filled and the whole surface is sent once.
void present_window_surface() {
  auto& d = display();
  SDL_RenderFlush(d.renderer);
  if (server_present().is_open()) {
    int ow = 0, oh = 0;
    SDL_GetWindowSizeInPixels(d.window, &ow, &oh);
    const bool all = d.repaint_all;
    d.repaint_all = false;
    server_present().present(static_cast<const uint32_t*>(d.surface->pixels), d.surface->pitch,
                             detail::letterbox(d.surface->w, d.surface->h, ow, oh), ow, oh, all,
                             scale_quality != ScaleSharp);
    return;
  }
  SDL_Surface* ws = SDL_GetWindowSurface(d.window);
  if (!ws || !ws->pixels || ws->format->BytesPerPixel != 4) return;
  const bool all = d.repaint_all;
  d.repaint_all = false;
  const SDL_Rect r = compose(PixelRect{static_cast<uint32_t*>(ws->pixels), ws->w, ws->h, ws->pitch}, all);
  if (all) {
    SDL_UpdateWindowSurface(d.window);
  } else {
    SDL_UpdateWindowSurfaceRects(d.window, &r, 1);
  }
}

}  // namespace

bool presented_picture(std::vector<uint32_t>& pixels, int w, int h) {
  auto& d = display();
  if (!d.surface || !d.surface->pixels || w <= 0 || h <= 0) return false;
  SDL_RenderFlush(d.renderer);
  pixels.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
  compose(PixelRect{pixels.data(), w, h, w * 4}, true);
  return true;
}

void flip(bool pacing) {
  auto& d = display();
  if (!d.renderer) return;
  ++counts.presents;
  if (pacing) {
    ++counts.paced;
    // On the fine clock and slept to the fraction: whole milliseconds made
    // the intervals swing by up to two.
    const double wait = schedule.wait_before_present(precise_ms());
    if (wait >= 0.1) {
      ++counts.sleeps;
      std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(wait));
    }
  }
  counts.handed_ms = precise_ms();
  if (d.window_surface) {
    present_window_surface();
    return;
  }
  if (d.presenter) {
    // The frame in memory, uploaded to one streaming texture and drawn as
    // one scaled quad, letterboxed in black.
    SDL_RenderFlush(d.renderer);
    SDL_UpdateTexture(d.frame, nullptr, d.surface->pixels, d.surface->pitch);
    SDL_SetRenderDrawColor(d.presenter, 0, 0, 0, 255);
    SDL_RenderClear(d.presenter);
    const SDL_Rect dst = detail::present_rect();
    SDL_RenderCopy(d.presenter, d.frame, nullptr, &dst);
    SDL_RenderPresent(d.presenter);
    return;
  }
  if (!d.target) {
    SDL_RenderPresent(d.renderer);
    return;
  }
  // The one scaled copy of the frame, letterboxed in black.
  SDL_SetRenderTarget(d.renderer, nullptr);
  SDL_SetRenderDrawColor(d.renderer, 0, 0, 0, 255);
  SDL_RenderClear(d.renderer);
  const SDL_Rect dst = detail::present_rect();
  SDL_RenderCopy(d.renderer, d.target, nullptr, &dst);
  SDL_RenderPresent(d.renderer);
  SDL_SetRenderTarget(d.renderer, d.target);
  detail::mark_viewport_dirty();  // a new target starts without a clip
}

PresentCounts present_counts() { return counts; }

}  // namespace plat
